#include "documents/cartas_dlg.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "documents/impresor_texto.h"
#include "util/errores.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

AperturaCarta AbrirCarta(Database& db, qint64 ref, const QDate& hoy, const QString& titulo)
{
    AperturaCarta a;
    a.titulo = titulo;
    try {
        a.datos = LeerDatosPlantilla(db, ref, hoy);
        if (!a.datos.hayPropietario) {
            a.titulo = QStringLiteral("Error en propietario del piso");
            a.error = PropietarioNoEncontrado(a.datos.arrendador).Mensaje();
        }
    } catch (const std::exception& e) {
        a.error = TextoError(e);
    }
    return a;
}

bool AperturaCarta::Avisar(QWidget* padre) const
{
    if (!Preparada())
        QMessageBox::critical(padre, titulo, error);
    return Preparada();
}

CCartaDlg::CCartaDlg(QWidget* parent, Database& db, qint64 refInmueble, EntornoDocumentos entorno,
                     const QString& titulo)
    : QDialog(parent), m_entorno(std::move(entorno)), m_apertura(AbrirCarta(db, refInmueble, m_entorno.hoy, titulo)),
      m_preparado(m_apertura.Preparada())
{
    setWindowTitle(titulo);
}

int CCartaDlg::exec()
{
    return m_apertura.Avisar(parentWidget()) ? QDialog::exec() : int(QDialog::Rejected);
}

QPushButton* CCartaDlg::Boton(const QString& texto) const
{
    return BotonConTexto(m_botones, texto);
}

CCartaRescisionDlg::CCartaRescisionDlg(QWidget* parent, const QString& titulo, const QString& texto,
                                       EntornoDocumentos entorno)
    : QDialog(parent), m_entorno(std::move(entorno))
{
    setWindowTitle(titulo);
    setSizeGripEnabled(true);
    m_editor = new QPlainTextEdit(this);
    m_editor->setPlainText(texto);
    m_editor->setTabChangesFocus(true);
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    m_editor->setFont(f);
    auto* imprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    auto* salir = new QPushButton(QStringLiteral("Salir"), this);
    imprimir->setAutoDefault(false);
    salir->setAutoDefault(false);
    imprimir->setEnabled(bool(m_entorno.imprimirTexto));
    QHBoxLayout* botones = FilaBotones({imprimir, salir});
    auto* l = new QVBoxLayout(this);
    l->addWidget(m_editor);
    l->addLayout(botones);
    resize(700, 520);
    connect(imprimir, &QPushButton::clicked, this, &CCartaRescisionDlg::Imprimir);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    OrdenLectura(this);
}

void CCartaRescisionDlg::Imprimir()
{
    if (!m_entorno.imprimirTexto)
        return;
    CImpresorTexto impresor(m_editor->toPlainText(), QStringLiteral("Carta rescisión "), true);
    impresor.PonerAltoLetra(m_entorno.ajustes.alto_letra);
    m_entorno.imprimirTexto(this, impresor);
}
