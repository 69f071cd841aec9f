#include "documents/documentos_dlg.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

#include "documents/contratos_dlg.h"
#include "documents/texto_documento_dlg.h"
#include "settings/ajustes.h"

EntornoDocumentos EntornoDocumentosPorDefecto()
{
    EntornoDocumentos e;
    e.ajustes = LeerAjustesContrato();
    e.hoy = QDate::currentDate();
    e.carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (e.carpeta.isEmpty())
        e.carpeta = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    e.abrir = [](const QString& ruta) { return QDesktopServices::openUrl(QUrl::fromLocalFile(ruta)); };
    e.editarTexto = [](QWidget* padre, QString& texto) {
        CTextoDocumentoDlg ventana(texto, padre);
        return ventana.exec() == QDialog::Accepted;
    };
    e.imprimirTexto = [](QWidget* padre, const QString& texto, int alto) {
        CTextoDocumentoDlg ventana(texto, padre);
        ventana.PonerAltoLetra(alto);
        ventana.Imprimir();
    };
    return e;
}

CDocumentosDlg::CDocumentosDlg(QWidget* parent, Database& db, qint64 refInmueble, EntornoDocumentos entorno)
    : QDialog(parent), m_db(db), m_ref(refInmueble), m_entorno(std::move(entorno))
{
    setWindowTitle(QStringLiteral("Documentos"));
    auto* contratos = new QPushButton(QStringLiteral("Contratos viviendas, locales y plazas "), this);
    auto* salir = new QPushButton(QStringLiteral("Salir"), this);
    contratos->setAutoDefault(false);
    auto* l = new QVBoxLayout(this);
    l->addWidget(contratos);
    l->addStretch();
    l->addWidget(salir);
    connect(contratos, &QPushButton::clicked, this, &CDocumentosDlg::Contratos);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
}

void CDocumentosDlg::Contratos()
{
    CContratosDlg dlg(this, m_db, m_ref, m_entorno);
    dlg.exec();
}
