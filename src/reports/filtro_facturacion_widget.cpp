#include "reports/filtro_facturacion_widget.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "data/database.h"
#include "data/esquema.h"
#include "reports/listas_filtro.h"
#include "reports/seleccion_informe.h"
#include "util/letras.h"
#include "widgets/campos_dlg.h"
#include "widgets/mes_dlg.h"

namespace {

QComboBox* ListaMeses(QWidget* padre, const QString& nombre)
{
    auto* c = new QComboBox(padre);
    c->setObjectName(nombre);
    for (int m = 1; m <= 12; ++m)
        c->addItem(NombreMesMayusculas(m));
    c->setCurrentIndex(QDate::currentDate().month() - 1);
    return c;
}

QComboBox* ListaFiltro(QWidget* padre, const QString& nombre, const char* columna, bool mayusculas)
{
    auto* c = new QComboBox(padre);
    c->setObjectName(nombre);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumContentsLength(30);
    QLineEdit* e = c->lineEdit();
    e->setMaxLength(AnchoColumna(QStringLiteral("inmueble"), QString::fromLatin1(columna)));
    if (mayusculas)
        QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString& t) {
            const QString m = t.toUpper();
            if (m != t) {
                const int cursor = e->cursorPosition();
                e->setText(m);
                e->setCursorPosition(cursor);
            }
        });
    return c;
}

// "TODOS" and then the items, or the items and then "TODOS"; the field reads "TODOS".
void Poner(QComboBox* c, const QStringList& items, bool todosAlFinal)
{
    c->clear();
    if (!todosAlFinal)
        c->addItem(kTodos);
    c->addItems(items);
    if (todosAlFinal)
        c->addItem(kTodos);
    c->setCurrentIndex(todosAlFinal ? c->count() - 1 : 0);
    c->setEditText(kTodos);
}

}  // namespace

CFiltroFacturacionWidget::CFiltroFacturacionWidget(Database& db, bool mayusculas, QWidget* parent)
    : QWidget(parent), m_db(db)
{
    const QString anio = QString::number(QDate::currentDate().year());
    mesDesde = ListaMeses(this, QStringLiteral("mesDesde"));
    mesHasta = ListaMeses(this, QStringLiteral("mesHasta"));
    anioDesde = new QLineEdit(anio, this);
    anioDesde->setObjectName(QStringLiteral("anioDesde"));
    anioHasta = new QLineEdit(anio, this);
    anioHasta->setObjectName(QStringLiteral("anioHasta"));
    propietario = ListaFiltro(this, QStringLiteral("propietario"), "arrendador", mayusculas);
    localidad = ListaFiltro(this, QStringLiteral("localidad"), "localidad", mayusculas);
    direccion = ListaFiltro(this, QStringLiteral("direccion"), "direccion", mayusculas);
    piso = ListaFiltro(this, QStringLiteral("piso"), "piso", mayusculas);

    auto* periodo = new QGridLayout;
    periodo->addWidget(new QLabel(QStringLiteral("Mes"), this), 0, 1);
    periodo->addWidget(new QLabel(QStringLiteral("Año"), this), 0, 2);
    int fila = 1;
    for (auto [texto, mes, anioCaja] : {std::tuple{"Desde", mesDesde, anioDesde}, std::tuple{"Hasta", mesHasta, anioHasta}}) {
        periodo->addWidget(new QLabel(QString::fromUtf8(texto), this), fila, 0);
        periodo->addWidget(mes, fila, 1);
        anioCaja->setMaximumWidth(70);
        periodo->addLayout(FilaAnio(this, anioCaja, kAnioMinimo, kAnioMaximo), fila, 2);
        ++fila;
    }
    auto* filtros = new QFormLayout;
    filtros->addRow(QStringLiteral("Propietario"), propietario);
    filtros->addRow(QStringLiteral("Localidad"), localidad);
    filtros->addRow(QStringLiteral("Dirección"), direccion);
    filtros->addRow(QStringLiteral("Piso"), piso);
    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    todo->addLayout(periodo);
    todo->addLayout(filtros);

    for (QComboBox* c : {propietario, localidad, direccion, piso})
        Poner(c, {}, false);
    for (QComboBox* c : {propietario, localidad, direccion})
        c->lineEdit()->installEventFilter(this);
}

void CFiltroFacturacionWidget::Llenar()
{
    Poner(propietario, PropietariosFiltro(m_db), false);
    Poner(localidad, LocalidadesFiltro(m_db), false);
    Poner(direccion, DireccionesFiltro(m_db), false);
}

bool CFiltroFacturacionWidget::Leer(FiltroInforme* f)
{
    int desde = 0, hasta = 0;
    QWidget* dialogo = window();
    if (!ComprobarEntero(dialogo, anioDesde, kAnioMinimo, kAnioMaximo, &desde)
        || !ComprobarEntero(dialogo, anioHasta, kAnioMinimo, kAnioMaximo, &hasta))
        return false;
    f->desde = QDate(desde, mesDesde->currentIndex() + 1, 1);
    f->hasta = QDate(hasta, mesHasta->currentIndex() + 1, 1);
    f->propietario = propietario->currentText();
    f->localidad = localidad->currentText();
    f->direccion = direccion->currentText();
    f->piso = piso->currentText();
    return true;
}

void CFiltroFacturacionWidget::RellenarDirecciones()
{
    Rellenar([this] {
        // With no town chosen the list keeps only "TODOS"; a street can still be typed.
        const QString pueblo = localidad->currentText();
        Poner(direccion,
              FiltroElegido(pueblo) ? DireccionesFiltro(m_db, pueblo, propietario->currentText()) : QStringList(),
              true);
    });
    RellenarPisos();
}

void CFiltroFacturacionWidget::RellenarPisos()
{
    Rellenar([this] {
        Poner(piso, PisosFiltro(m_db, direccion->currentText(), localidad->currentText(),
                                propietario->currentText()), false);
    });
}

void CFiltroFacturacionWidget::Rellenar(const std::function<void()>& paso)
{
    try {
        paso();
    } catch (const DbError& e) {
        if (alFallarBase)
            alFallarBase(QString::fromUtf8(e.what()));
    }
}

bool CFiltroFacturacionWidget::eventFilter(QObject* o, QEvent* e)
{
    // Opening the list's own popup takes the focus without the user leaving the field.
    if (e->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason) {
        if (o == localidad->lineEdit())
            RellenarDirecciones();
        else if (o == propietario->lineEdit() || o == direccion->lineEdit())
            RellenarPisos();
    }
    return QWidget::eventFilter(o, e);
}
