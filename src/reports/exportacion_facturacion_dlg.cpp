#include "reports/exportacion_facturacion_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/database.h"
#include "reports/exportacion_facturacion.h"
#include "reports/filtro_facturacion_widget.h"
#include "data/rutas_salida.h"
#include "reports/salida_archivo.h"
#include "reports/seleccion_informe.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

namespace {

QString DialogoGuardar(QWidget* padre)
{
    return RutaGuardar(padre, QStringLiteral("Exportación Facturación"), QString(),
                       QStringLiteral("Text CSV (*.csv);;All Files (*.*)"), QStringLiteral("csv"));
}

}  // namespace

std::function<QString(QWidget*)> CExportacionFacturacionDlg::s_elegirArchivo = DialogoGuardar;

CExportacionFacturacionDlg::CExportacionFacturacionDlg(Database& db, QWidget* parent)
    : QDialog(parent), m_db(db)
{
    setWindowTitle(QStringLiteral("Exportación Facturación"));
    m_filtro = new CFiltroFacturacionWidget(db, false, this);
    m_filtro->alFallarBase = [this](const QString& error) {
        QMessageBox::warning(this, windowTitle(), error);
        reject();
    };
    QDialogButtonBox* botones = BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Cancelar"));
    Columna(this, {m_filtro, botones});
    OrdenLectura(this);
    try {
        m_filtro->Llenar();
    } catch (const DbError& e) {
        m_falloApertura = QString::fromUtf8(e.what());
    }
}

int CExportacionFacturacionDlg::exec()
{
    if (!m_falloApertura.isEmpty()) {
        QMessageBox::warning(parentWidget(), windowTitle(), m_falloApertura);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void CExportacionFacturacionDlg::Aceptar()
{
    FiltroInforme f;
    if (!m_filtro->Leer(&f))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        SeleccionarRecibos(m_db, f, OrdenInforme::Inmueble);
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(this, windowTitle(), TextoError(e));
        return;
    }
    QApplication::restoreOverrideCursor();
    const QString ruta = s_elegirArchivo(this);
    if (ruta.isEmpty())
        return;   // the form stays, and so does the staging
    try {
        ComprobarSalidas({m_db.path()}, {ruta});
        try {
            EscribirCsvFacturacion(m_db, ruta, CodificacionCsv::Cp1252);
        } catch (const CaracterFueraCp1252& e) {
            if (QMessageBox::question(this, windowTitle(),
                                      e.Mensaje() + QStringLiteral("\n\n¿Desea guardar el archivo en UTF-8?"))
                != QMessageBox::Yes)
                return;
            EscribirCsvFacturacion(m_db, ruta, CodificacionCsv::Utf8ConBom);
        }
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), TextoError(e));
        return;
    }
    QDialog::accept();
}
