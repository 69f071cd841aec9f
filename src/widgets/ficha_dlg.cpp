#include "widgets/ficha_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>


#include "data/esquema.h"
#include "util/cuentas.h"
#include "util/errores.h"
#include "util/nif.h"
#include "widgets/campos_widget.h"

CFichaDlg::CFichaDlg(QWidget* parent, const QString& titulo, const QString& tabla)
    : QDialog(parent), m_tabla(tabla)
{
    setWindowTitle(titulo);
}

void CFichaDlg::keyPressEvent(QKeyEvent* e)
{
    // Enter must not close the card (dropping what was typed) nor press a button.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CFichaDlg::Error(const std::exception& e)
{
    QMessageBox::critical(this, windowTitle(), TextoError(e));
}

bool CFichaDlg::Guardar()
{
    if (!Abierta())
        return false;
    const QSet<QString> cambiados = Cambiados();
    if (!m_esNuevo && cambiados.isEmpty())
        return true;   // nothing typed: nothing to store
    return GuardarCambios(cambiados);
}

bool CFichaDlg::BorrarConfirmado(const QString& pregunta, const std::function<void()>& borrar)
{
    if (QMessageBox::warning(this, windowTitle(), pregunta, QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return false;
    try {
        borrar();
    } catch (const std::exception& e) {
        Error(e);
    }
    return true;
}

namespace {

template <class W>
W* Nombrado(W* w, const char* columna)
{
    w->setObjectName(QString::fromLatin1(columna));
    return w;
}

}  // namespace

QLineEdit* CFichaDlg::Texto(const char* columna)
{
    return Nombrado(campos::Texto(this, AnchoColumna(m_tabla, QString::fromLatin1(columna))), columna);
}

QLineEdit* CFichaDlg::Digitos(const char* columna)
{
    return Nombrado(campos::Digitos(this, AnchoColumna(m_tabla, QString::fromLatin1(columna))), columna);
}

QLineEdit* CFichaDlg::Mayusculas(const char* columna, bool minusculas)
{
    return Nombrado(campos::Mayusculas(this, AnchoColumna(m_tabla, QString::fromLatin1(columna)), minusculas),
                    columna);
}

QComboBox* CFichaDlg::Lista(const char* columna, const QStringList& items, bool editable)
{
    return Nombrado(campos::Lista(this, items, AnchoColumna(m_tabla, QString::fromLatin1(columna)), editable),
                    columna);
}

QGroupBox* CFichaDlg::GrupoDocumento(QComboBox* tipo, QLineEdit* numero)
{
    auto* grupo = new QGroupBox(QStringLiteral("Documento"));
    // Room for a typed type such as "PASAPORTE" or "N.I.F.", not only for the listed ones.
    tipo->setMinimumContentsLength(9);
    tipo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* fila = new QHBoxLayout(grupo);
    fila->addWidget(new QLabel(QStringLiteral("Tipo")));
    fila->addWidget(tipo);
    fila->addWidget(new QLabel(QStringLiteral("Número")));
    fila->addWidget(numero);
    return grupo;
}

CamposCuenta CFichaDlg::CrearCamposCuenta()
{
    const CamposCuenta c{Digitos("banco"), Digitos("sucursal"), Texto("dc"), Digitos("ccc")};
    for (QLineEdit* e : {c.banco, c.sucursal, c.dc, c.ccc})
        campos::AnchoDeCodigo(e, e->maxLength());
    return c;
}

QGroupBox* CFichaDlg::GrupoDatosBancarios(const CamposCuenta& c, QLineEdit* datosBanco)
{
    auto* grupo = new QGroupBox(QStringLiteral("Datos Bancarios"));
    auto* g = new QGridLayout(grupo);
    const int col = datosBanco ? 1 : 0;
    const char* const etiquetas[] = {"Banco", "Suc", "DC", "Cuenta"};
    QLineEdit* const campos[] = {c.banco, c.sucursal, c.dc, c.ccc};
    for (int i = 0; i < 4; ++i) {
        g->addWidget(new QLabel(QString::fromUtf8(etiquetas[i])), 0, col + i);
        g->addWidget(campos[i], 1, col + i);
    }
    if (datosBanco) {
        g->addWidget(new QLabel(QStringLiteral("Código Cuenta")), 1, 0);
        g->addWidget(new QLabel(QStringLiteral("Datos Banco")), 2, 0);
        g->addWidget(datosBanco, 2, 1, 1, 4);
    }
    return grupo;
}

QHash<QString, QString> CFichaDlg::Contenido() const
{
    QHash<QString, QString> r;
    for (QWidget* w : findChildren<QWidget*>()) {
        const QString n = w->objectName();
        if (n.isEmpty() || n.startsWith(QLatin1String("qt_")))
            continue;
        if (auto* e = qobject_cast<QLineEdit*>(w))
            r.insert(n, e->text());
        else if (auto* c = qobject_cast<QComboBox*>(w))
            r.insert(n, c->currentText());
        else if (auto* t = qobject_cast<QPlainTextEdit*>(w))
            r.insert(n, t->toPlainText());
        else if (auto* b = qobject_cast<QCheckBox*>(w))
            r.insert(n, b->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return r;
}

void CFichaDlg::RecordarMostrado()
{
    m_mostrado = Contenido();
    m_aceptado.clear();
    m_avisado.clear();
}

QSet<QString> CFichaDlg::Cambiados() const
{
    QSet<QString> r;
    const QHash<QString, QString> ahora = Contenido();
    for (auto it = ahora.cbegin(); it != ahora.cend(); ++it)
        if (m_mostrado.value(it.key()) != it.value())
            r.insert(it.key());
    return r;
}

namespace {

QString MensajeDocumento(QComboBox* tipo, QLineEdit* numero)
{
    if (!TipoDocumentoComprobable(tipo->currentText()))
        return QString();
    return ComprobarDocumento(numero->text()).mensaje;
}

QString ValorCuenta(const CamposCuenta& c)
{
    return QStringList{c.banco->text(), c.sucursal->text(), c.dc->text(), c.ccc->text()}.join(u' ');
}

// Leaving a field for a button: a save button checks anyway, and "Salir" or "Cancelar"
// must not ask about what is being dropped.
bool HaciaUnBoton()
{
    return qobject_cast<QAbstractButton*>(QApplication::focusWidget()) != nullptr;
}

QString MensajeCuenta(const CamposCuenta& c)
{
    return MensajeCuentaErronea(c.banco->text(), c.sucursal->text(), c.dc->text(), c.ccc->text());
}

}  // namespace

bool CFichaDlg::Confirmar(QLineEdit* campo, const QString& valor, const QString& mensaje,
                          const QString& pregunta)
{
    if (mensaje.isEmpty() || m_aceptado.value(campo) == valor)
        return true;
    QMessageBox caja(QMessageBox::Warning, windowTitle(), mensaje + QStringLiteral("\n\n") + pregunta,
                     QMessageBox::Yes | QMessageBox::No, this);
    caja.button(QMessageBox::Yes)->setText(QStringLiteral("Guardar así"));
    caja.button(QMessageBox::No)->setText(QStringLiteral("Corregir"));
    caja.setDefaultButton(QMessageBox::No);
    m_avisado.insert(campo, valor);
    if (caja.exec() == QMessageBox::Yes) {
        m_aceptado.insert(campo, valor);
        return true;
    }
    // After the box has closed, so that the focus it gives back does not win.
    QTimer::singleShot(0, campo, [campo] {
        campo->setFocus();
        campo->selectAll();
    });
    return false;
}

bool CFichaDlg::ConfirmarDocumento(QComboBox* tipo, QLineEdit* numero)
{
    return Confirmar(numero, tipo->currentText() + u'|' + numero->text(), MensajeDocumento(tipo, numero),
                     QStringLiteral("¿Desea guardar así este documento?"));
}

bool CFichaDlg::ConfirmarCuenta(const CamposCuenta& c)
{
    return Confirmar(c.dc, ValorCuenta(c), MensajeCuenta(c), QStringLiteral("¿Desea guardar así esta cuenta?"));
}

bool CFichaDlg::ConfirmarCambiados(const QSet<QString>& cambiados, QComboBox* tipo, QLineEdit* numero,
                                   const CamposCuenta& c)
{
    const auto cambiado = [&cambiados](const QWidget* w) { return cambiados.contains(w->objectName()); };
    if ((cambiado(tipo) || cambiado(numero)) && !ConfirmarDocumento(tipo, numero))
        return false;
    const bool cuenta = cambiado(c.banco) || cambiado(c.sucursal) || cambiado(c.dc) || cambiado(c.ccc);
    return !cuenta || ConfirmarCuenta(c);
}

void CFichaDlg::ComprobarAlSalir(QComboBox* tipo, QLineEdit* numero)
{
    connect(numero, &QLineEdit::editingFinished, this, [this, tipo, numero] {
        const QString valor = tipo->currentText() + u'|' + numero->text();
        const bool escrito = m_mostrado.value(numero->objectName()) != numero->text() ||
                             m_mostrado.value(tipo->objectName()) != tipo->currentText();
        if (isVisible() && escrito && !HaciaUnBoton() && m_avisado.value(numero) != valor) {
            ConfirmarDocumento(tipo, numero);
        }
    });
}

void CFichaDlg::ComprobarAlSalir(const CamposCuenta& c)
{
    connect(c.ccc, &QLineEdit::editingFinished, this, [this, c] {
        const QString valor = ValorCuenta(c);
        bool escrita = false;
        for (const QLineEdit* e : {c.banco, c.sucursal, c.dc, c.ccc})
            escrita = escrita || m_mostrado.value(e->objectName()) != e->text();
        if (isVisible() && escrita && !HaciaUnBoton() && m_avisado.value(c.dc) != valor) {
            ConfirmarCuenta(c);
        }
    });
}
