// The feature buttons of the property form: taxes, contract date, e-mail, billing, receipts,
// calculator, documents and the rent revision. Conectar saves the property before those that
// act on it as stored.
#include <QDesktopServices>
#include <QLineEdit>
#include <QUrl>

#include "bank/recibo_banco_dlg.h"
#include "billing/facturar_inmueble_dlg.h"
#include "billing/recibos_inmueble_dlg.h"
#include "documents/carta_aumento_dlg.h"
#include "documents/documentos_dlg.h"
#include "properties/inmuebles_dlg.h"
#include "receipts/imprimir_recibo_dlg.h"
#include "widgets/calculadora_dlg.h"
#include "widgets/fecha_dlg.h"

void CInmueblesDlg::ReleerImportes()
{
    FichaInmueble d = m_actual;
    try {
        LeerImportes(d);
    } catch (const std::exception&) {
        return;   // left as typed; storing it names the field
    }
    MostrarImportes(d);
}

void CInmueblesDlg::Impuesto(int tipo)
{
    FichaInmueble d = m_actual;
    try {
        LeerImportes(d);
        if (tipo == 1)
            AplicarImpuesto1(d, m_porcentajes[0]);
        else
            AplicarImpuesto2(d, m_porcentajes[1]);
    } catch (const std::exception& e) {
        Error(e);
        return;
    }
    MostrarImportes(d);
}

void CInmueblesDlg::FechaContrato()
{
    CFechaDlg dlg(this);
    try {
        dlg.PonerFecha(LeerFechaContrato(m_fecha->text()));
    } catch (const std::exception&) {
        dlg.PonerFecha(QDate::currentDate());   // the field does not hold a date yet
    }
    if (dlg.exec() == QDialog::Accepted)
        m_fecha->setText(TextoFechaContrato(QDateTime(dlg.Fecha(), QTime(0, 0))));
}

void CInmueblesDlg::EnviarEmail()
{
    if (EmailUtilizable(m_email->text()))
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + m_email->text()));
}

void CInmueblesDlg::Facturar()
{
    FacturarInmuebleConDialogo(this, m_db, m_actual.ref);
}

void CInmueblesDlg::ReciboFisico()
{
    CFechaDlg fecha(this, true);
    if (fecha.exec() != QDialog::Accepted)
        return;
    // The dialog answers 0 for "Recibo Normal" and 1 for "Recibo Tamaño Folio".
    ImprimirReciboInmueble(this, m_db, m_actual.ref, fecha.Fecha(), fecha.Tamano() + 1);
}

void CInmueblesDlg::ReciboBanco()
{
    GenerarReciboBanco(this, m_db, m_actual.ref);
}

// "Facturado": save, then the property's receipts as billed.
void CInmueblesDlg::Facturado()
{
    VerFacturado(this, m_db, m_actual.direccion, m_actual.piso);
}

void CInmueblesDlg::Calculadora()
{
    if (!NuevoSinTocar() && !Guardar())
        return;
    CCalculadoraDlg(this).exec();
}

// " Documentos": save, then the documents of this property. A revision confirmed there
// changed the row: it is shown again, or the next save would write the old amounts back.
void CInmueblesDlg::Documentos()
{
    CDocumentosDlg(this, m_db, m_actual.ref, EntornoDocumentosPorDefecto()).exec();
    MostrarActual();
}

// "I.P.C.": save, then the rent revision of this property, shown again afterwards.
void CInmueblesDlg::CartaAumento()
{
    if (AbrirCartaAumento(this, m_db, m_actual.ref))
        MostrarActual();
}
