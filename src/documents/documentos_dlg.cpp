#include "documents/documentos_dlg.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

#include "data/record_sets.h"
#include "documents/campos_plantilla.h"
#include "documents/carta_aumento_dlg.h"
#include "documents/carta_requerimiento_dlg.h"
#include "documents/cartas.h"
#include "documents/cartas_dlg.h"
#include "documents/contratos_dlg.h"
#include "documents/editar_mailing_dlg.h"
#include "documents/impresor_texto.h"
#include "documents/texto_documento_dlg.h"
#include "settings/ajustes.h"
#include "util/errores.h"
#include "widgets/disposicion.h"

EntornoDocumentos EntornoDocumentosPorDefecto()
{
    EntornoDocumentos e;
    e.ajustes = LeerAjustesContrato();
    e.hoy = QDate::currentDate();
    e.carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (e.carpeta.isEmpty())
        e.carpeta = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    e.abrir = [](const QString& ruta) { return QDesktopServices::openUrl(QUrl::fromLocalFile(ruta)); };
    e.abrirDireccion = [](const QString& direccion) { return QDesktopServices::openUrl(QUrl(direccion)); };
    e.editarTexto = [](QWidget* padre, QString& texto) {
        CTextoDocumentoDlg ventana(texto, padre);
        return ventana.exec() == QDialog::Accepted;
    };
    e.imprimirTexto = [](QWidget* padre, const CImpresorTexto& impresor) { ImprimirTexto(padre, impresor); };
    e.elegirPlantilla = [carpeta = e.carpeta](QWidget* padre) {
        return QFileDialog::getOpenFileName(padre, QStringLiteral("Abrir documento tipo"), carpeta,
                                            QStringLiteral("Texto Enriquecido (*.rtf);;Todos los archivos (*)"));
    };
    e.editarPlantilla = [hoy = e.hoy](QWidget* padre, const QString& plantilla, Database& db, RecordSet& filas) {
        CDialogEditarMailing(padre, plantilla, &db, &filas, 1, hoy).exec();
    };
    return e;
}

CDocumentosDlg::CDocumentosDlg(QWidget* parent, Database& db, qint64 refInmueble, EntornoDocumentos entorno)
    : QDialog(parent), m_db(db), m_ref(refInmueble), m_entorno(std::move(entorno))
{
    setWindowTitle(QStringLiteral("Documentos"));
    auto* l = new QVBoxLayout(this);
    const auto boton = [this, l](const QString& texto, void (CDocumentosDlg::*accion)()) {
        auto* b = new QPushButton(texto, this);
        b->setAutoDefault(false);
        l->addWidget(b);
        connect(b, &QPushButton::clicked, this, accion);
    };
    boton(QStringLiteral("Contratos viviendas, locales y plazas "), &CDocumentosDlg::Contratos);
    boton(QStringLiteral("Carta Aumento"), &CDocumentosDlg::CartaAumento);
    boton(QStringLiteral("Requerimiento renta"), &CDocumentosDlg::Requerimiento);
    boton(QStringLiteral("Aviso rescisión"), &CDocumentosDlg::AvisoRescision);
    boton(QStringLiteral("Rescisión Contrato"), &CDocumentosDlg::RescisionContrato);
    boton(QStringLiteral("Documentos Personalizados\nAbrir documento tipo"), &CDocumentosDlg::DocumentosPersonalizados);
    l->addStretch();
    auto* salir = new QPushButton(QStringLiteral("Salir"), this);
    salir->setAutoDefault(false);
    l->addWidget(salir);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    OrdenLectura(this);
}

void CDocumentosDlg::Contratos()
{
    CContratosDlg dlg(this, m_db, m_ref, m_entorno);
    dlg.exec();
}

void CDocumentosDlg::CartaAumento()
{
    CCartaAumentoDlg dlg(this, m_db, m_ref, m_entorno);
    dlg.exec();
}

void CDocumentosDlg::Requerimiento()
{
    CCartaRequerimientoDlg dlg(this, m_db, m_ref, m_entorno);
    dlg.exec();
}

void CDocumentosDlg::AvisoRescision()
{
    const AperturaCarta a = AbrirCarta(m_db, m_ref, m_entorno.hoy, windowTitle());
    if (a.Avisar(this))
        CCartaRescisionDlg(this, QStringLiteral("Documento"), TextoAvisoRescision(a.datos), m_entorno).exec();
}

void CDocumentosDlg::RescisionContrato()
{
    const AperturaCarta a = AbrirCarta(m_db, m_ref, m_entorno.hoy, windowTitle());
    if (a.Avisar(this))
        CCartaRescisionDlg(this, QStringLiteral("Carta Rescisión"), TextoRescisionContrato(a.datos), m_entorno).exec();
}

void CDocumentosDlg::DocumentosPersonalizados()
{
    const QString plantilla = m_entorno.elegirPlantilla ? m_entorno.elegirPlantilla(this) : QString();
    if (plantilla.isEmpty())
        return;
    try {
        PrepararInformeInmueble(m_db, m_ref);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, windowTitle(), TextoError(e));
        return;
    }
    CInmuebleSet filas(&m_db, QStringLiteral("[informe_inmueble]"));
    if (m_entorno.editarPlantilla)
        m_entorno.editarPlantilla(this, plantilla, m_db, filas);
}
