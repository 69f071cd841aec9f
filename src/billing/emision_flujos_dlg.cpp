#include "billing/emision_flujos_dlg.h"

#include <QMessageBox>

#include "bank/fichero_sepa_dlg.h"
#include "bank/recibo_banco_dlg.h"
#include "billing/emision_facturacion.h"
#include "billing/emision_recibos_dlg.h"
#include "billing/seleccion_recibos_dlg.h"
#include "data/database.h"
#include "receipts/imprimir_recibo_dlg.h"
#include "reports/informes_dlg.h"
#include "settings/ajustes.h"
#include "util/errores.h"

namespace {

const QString kSinRecibos = QStringLiteral("Para este mes y propietario no existen recibos o facturas emitidas");

void Avisar(QWidget* parent, const QString& titulo, const std::exception& e)
{
    if (dynamic_cast<const UserError*>(&e))
        QMessageBox::warning(parent, titulo, TextoError(e));
    else
        QMessageBox::critical(parent, titulo, TextoError(e));
}

// The review form's end: the long write-back with thinning, whatever the form answered.
int CerrarRevision(QWidget* parent, Database& db, const QString& titulo)
{
    try {
        return CerrarEmisionRevision(db);
    } catch (const std::exception& e) {
        Avisar(parent, titulo, e);
        return -1;
    }
}

// Every receipt of the run's month, at "Si"; false (and told) when there is none.
bool PrepararMes(QWidget* parent, Database& db, const QDate& mes, const QString& titulo)
{
    try {
        if (PrepararEmisionMes(db, mes) > 0)
            return true;
        QMessageBox::information(parent, titulo, kSinRecibos);
    } catch (const std::exception& e) {
        Avisar(parent, titulo, e);
    }
    return false;
}

}  // namespace

void RevisarFacturacion(QWidget* parent, Database& db, const QDate& mes)
{
    const QString titulo = QStringLiteral("Modificar");
    if (!PrepararMes(parent, db, mes, titulo))
        return;
    CSeleccionRecibosDlg dlg(db, ModoSeleccion::Revision, QDateTime(), parent);
    const bool confirmado = dlg.exec() == QDialog::Accepted;
    if (CerrarRevision(parent, db, titulo) > 0 && confirmado)
        ImprimirRecibosSeleccionados(parent, db, VarianteImpresion::Revision, mes);
}

void VerFacturacion(QWidget* parent, Database& db, const QDate& mes)
{
    if (!PrepararMes(parent, db, mes, QStringLiteral("Ver")))
        return;
    DlgInformes(db, mes, parent).exec();
}

void ImprimirRecibosFisicos(QWidget* parent, Database& db, const QDate& mes)
{
    const QString titulo = QStringLiteral("Imprimir Recibos Físicos");
    CEmisionRecibosDlg emision(db, mes, true, LeerAjustesRecibo().vencimiento, parent);
    if (emision.exec() != QDialog::Accepted)
        return;
    const QString propietario = emision.Propietario();
    try {
        PrepararEmisionPapel(db, emision.Fechas().facturacion, propietario);
    } catch (const std::exception& e) {
        Avisar(parent, titulo, e);
        return;
    }
    CSeleccionRecibosDlg dlg(db, ModoSeleccion::Papel, QDateTime(), parent);
    const bool confirmado = dlg.exec() == QDialog::Accepted;
    if (CerrarRevision(parent, db, titulo) > 0 && confirmado)
        ImprimirRecibosSeleccionados(parent, db,
                                     propietario.isEmpty() ? VarianteImpresion::PapelTodos
                                                           : VarianteImpresion::PapelPropietario,
                                     emision.Fechas().facturacion);
}

void FicheroBancoFacturacion(QWidget* parent, Database& db, const QDate& mes, const EscritorBanco& escribir)
{
    const QString titulo = QStringLiteral("Fichero Recibos Banco");
    CEmisionRecibosDlg emision(db, mes, false, LeerAjustesRecibo().vencimiento, parent);
    if (emision.exec() != QDialog::Accepted)
        return;
    EmisionBanco e;
    e.facturacion = emision.Fechas().facturacion;
    e.cobro = emision.Fechas().cobro;
    try {
        e.propietario = BuscarPropietarioBanco(db, emision.Propietario());
        // Receipts billed while the tenant's account was wrong would stay out for good.
        if (const int n = ContarCuentasACorregir(db, e.facturacion, e.propietario.nombre); n > 0 &&
            QMessageBox::question(parent, titulo,
                                  QStringLiteral("%1 recibos de este mes tienen una cuenta bancaria errónea y su "
                                                 "inmueble ya tiene una correcta.\n¿Desea poner en esos recibos "
                                                 "la cuenta del inmueble?").arg(n),
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            CorregirCuentasRecibos(db, e.facturacion, e.propietario.nombre);
        PrepararEmisionBanco(db, e.facturacion, e.propietario.nombre);
    } catch (const std::exception& ex) {
        Avisar(parent, titulo, ex);
        return;
    }
    CSeleccionRecibosDlg dlg(db, ModoSeleccion::Banco, QDateTime(e.cobro, QTime(0, 0)), parent);
    if (dlg.exec() != QDialog::Accepted)
        return;
    try {
        if (CerrarEmisionBanco(db) == 0) {
            QMessageBox::information(parent, titulo,
                                     QStringLiteral("No hay domiciliaciones bancarias válidas en esta facturación"));
            return;
        }
        e.recibos = RecibosBancoEmision(db);
    } catch (const std::exception& ex) {
        Avisar(parent, titulo, ex);
        return;
    }
    escribir(parent, db, e);
}

void FicheroSepaFacturacion(QWidget* parent, Database& db, const QDate& mes)
{
    CEmisionRecibosDlg emision(db, mes, false, LeerAjustesRecibo().vencimiento, parent);
    if (emision.exec() != QDialog::Accepted)
        return;
    const QDate cobro = emision.Fechas().cobro;
    EjecutarFicheroSepa(parent, db, emision.Propietario(), emision.Fechas().facturacion, cobro, [&] {
        CSeleccionRecibosDlg dlg(db, ModoSeleccion::Banco, QDateTime(cobro, QTime(0, 0)), parent);
        if (dlg.exec() != QDialog::Accepted)
            return false;
        if (CerrarEmisionBanco(db) > 0)
            return true;
        QMessageBox::information(parent, TituloFicheroSepa(),
                                 QStringLiteral("No hay domiciliaciones bancarias válidas en esta facturación"));
        return false;
    });
}

bool EscribirCuaderno19(QWidget* parent, Database& db, const EmisionBanco& e)
{
    const QString titulo = QStringLiteral("Fichero Recibos Banco");
    try {
        auto fichero = CrearFichero(e.propietario, e.facturacion, e.cobro, LeerAjustesBanco());
        fichero->Reservar(int(e.recibos.size()));
        for (const ReciboBanco& r : e.recibos)
            fichero->AnadirRecibo(r);
        if (fichero->NumeroRecibos() == 0) {
            QString motivos;
            for (const ReciboExcluido& x : fichero->Excluidos())
                motivos += u'\n' + x.Texto();
            QMessageBox::warning(parent, titulo,
                                 QStringLiteral("No hay domiciliaciones bancarias válidas en esta facturación") + motivos);
            return false;
        }
        const QList<qint64> escritos = RefsEscritos(e.recibos, fichero->Excluidos());
        return GuardarFicheroBanco(parent, db.path(), *fichero, e.propietario.nombre, e.facturacion, false,
                                   [&] { MarcarEnviadosAlCobro(db, escritos, e.cobro); });
    } catch (const std::exception& ex) {
        Avisar(parent, titulo, ex);
        return false;
    }
}
