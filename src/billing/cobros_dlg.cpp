#include "billing/cobros_dlg.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "billing/buscar_recibos_dlg.h"
#include "billing/ficha_cobro_dlg.h"
#include "util/errores.h"
#include "util/formato.h"
#include "widgets/campos_dlg.h"

namespace {

const QString kTitulo = QStringLiteral("Cobros");

// The headings over the columns of the 96-character lines.
QString Cabecera()
{
    QString c = AjustarIzquierda(QStringLiteral("Fecha Recibo"), 10) + AjustarIzquierda(QStringLiteral("Estado"), 18) +
                AjustarIzquierda(QStringLiteral("Fecha Cobro"), 9) + u' ' + AjustarIzquierda(QStringLiteral("Inmueble"), 47);
    return JuntarDerecha(c, QStringLiteral("Importe"), 12);
}

}  // namespace

CCobrosDlg::CCobrosDlg(Database& db, const QDate& hoy, QWidget* parent) : QDialog(parent), m_db(db), m_hoy(hoy)
{
    setWindowTitle(kTitulo);
    const QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* cabecera = new QLabel(Cabecera(), this);
    cabecera->setFont(fija);
    m_lista = new QListWidget(this);
    m_lista->setFont(fija);
    m_lista->setMinimumWidth(QFontMetrics(fija).horizontalAdvance(QString(100, u'X')));
    connect(m_lista, &QListWidget::itemDoubleClicked, this, [this] { Editar(); });

    auto* botones = new QHBoxLayout;
    m_editar = BotonEnFila(this, botones, QStringLiteral("Editar"), &CCobrosDlg::Editar);
    m_anterior = BotonEnFila(this, botones, QStringLiteral("<"), &CCobrosDlg::Anterior);
    m_siguiente = BotonEnFila(this, botones, QStringLiteral(">"), &CCobrosDlg::Siguiente);
    BotonEnFila(this, botones, QStringLiteral("Buscar"), &CCobrosDlg::Buscar);
    BotonEnFila(this, botones, QStringLiteral("Todos"), [this] { Ejecutar(FiltroTodos()); });
    BotonEnFila(this, botones, QStringLiteral("Cancelar"), &QDialog::reject);
    m_editar->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cabecera);
    layout->addWidget(m_lista);
    layout->addLayout(botones);
    resize(900, 600);
    Ejecutar(FiltroApertura(hoy));
}

CCobrosDlg::~CCobrosDlg() = default;

void CCobrosDlg::Ejecutar(const FiltroRecibos& filtro)
{
    m_consulta.reset();
    try {
        m_consulta = std::make_unique<ConsultaCobros>(m_db, filtro);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, kTitulo, TextoError(e));
    }
    Rellenar();
}

void CCobrosDlg::Rellenar()
{
    m_lista->clear();
    m_filas.clear();
    try {
        if (m_consulta) {
            m_consulta->Recontar();
            m_filas = m_consulta->Lineas();
        }
    } catch (const std::exception& e) {
        QMessageBox::warning(this, kTitulo, TextoError(e));
    }
    for (const FilaCobro& f : m_filas)
        m_lista->addItem(f.linea);
    if (m_filas.empty())
        m_lista->addItem(QStringLiteral("No se han encontrado recibos"));
    m_lista->setCurrentRow(0);
    m_anterior->setEnabled(m_consulta && m_consulta->HayAnterior());
    m_siguiente->setEnabled(m_consulta && m_consulta->HaySiguiente());
    m_editar->setEnabled(!m_filas.empty());
}

void CCobrosDlg::Anterior()
{
    if (m_consulta && m_consulta->HayAnterior()) {
        m_consulta->IrAPagina(m_consulta->Pagina() - 1);
        Rellenar();
    }
}

void CCobrosDlg::Siguiente()
{
    if (m_consulta && m_consulta->HaySiguiente()) {
        m_consulta->IrAPagina(m_consulta->Pagina() + 1);
        Rellenar();
    }
}

void CCobrosDlg::Editar()
{
    const int fila = m_lista->currentRow();
    if (fila < 0 || fila >= int(m_filas.size()))
        return;
    const qint64 ref = m_filas[size_t(fila)].ref;
    try {
        const auto [estado, fecha] = LeerCobro(m_db, ref);
        CFichaCobroDlg ficha(estado, fecha, this);
        if (ficha.exec() != QDialog::Accepted)
            return;
        GuardarCobro(m_db, ref, ficha.Estado(), ficha.FechaCobro());
    } catch (const std::exception& e) {
        QMessageBox::warning(this, kTitulo, TextoError(e));
    }
    Rellenar();   // the same statement and page
}

void CCobrosDlg::Buscar()
{
    CBuscarRecibosDlg busqueda(m_db, m_hoy, this);
    if (busqueda.exec() == QDialog::Accepted)
        Ejecutar(busqueda.Filtro());
}
