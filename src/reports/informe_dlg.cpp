#include "reports/informe_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/database.h"
#include "reports/filtro_facturacion_widget.h"
#include "reports/listado_facturacion.h"
#include "reports/seleccion_informe.h"
#include "settings/ajustes.h"
#include "util/errores.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

namespace {

bool DialogoImpresora(QPrinter& impresora, QWidget* padre)
{
    QPrintDialog d(&impresora, padre);
    d.setOption(QAbstractPrintDialog::PrintToFile, false);
    d.setOption(QAbstractPrintDialog::PrintSelection, false);
    d.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return d.exec() == QDialog::Accepted;
}

AjustesImpuestos Impuestos()
{
    AjustesImpuestos i;
    i.nombre1 = NombreImpuesto(1);
    i.nombre2 = NombreImpuesto(2);
    return i;
}

// The wait cursor while a report is selected and composed.
struct Espera {
    Espera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Espera() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

std::function<bool(QPrinter&, QWidget*)> CInformeDlg::s_elegirImpresora = DialogoImpresora;

CInformeDlg::CInformeDlg(Database& db, MostrarTextoInforme mostrar, QWidget* parent)
    : QDialog(parent), m_db(db), m_mostrar(std::move(mostrar))
{
    setWindowTitle(QStringLiteral("Informe"));
    m_filtro = new CFiltroFacturacionWidget(db, true, this);
    m_filtro->alFallarBase = [this](const QString& error) {
        QMessageBox::warning(this, windowTitle(), error);
        reject();
    };
    m_soloIva = new QCheckBox(QStringLiteral("Listar solo recibos con IVA"), this);

    auto* botones = new QGridLayout;
    const struct { const char* texto; std::function<void()> accion; } kBotones[] = {
        {"Listado Detallado", [this] { ListadoDetallado(); }},
        {"Ver Detalle", [this] { Ver(VistaInforme::Detalle); }},
        {"Ver Resumen por Inmueble", [this] { Ver(VistaInforme::ResumenInmueble); }},
        {"Ver Resumen por Inquilino", [this] { Ver(VistaInforme::ResumenInquilino); }},
        {"Salir", [this] { reject(); }},
    };
    int i = 0;
    for (const auto& b : kBotones) {
        auto* boton = new QPushButton(QString::fromUtf8(b.texto), this);
        boton->setAutoDefault(false);
        connect(boton, &QPushButton::clicked, this, b.accion);
        // The views need the text window; without one they cannot be shown.
        boton->setEnabled(i == 0 || i == 4 || bool(m_mostrar));
        botones->addWidget(boton, i / 2, i % 2);
        ++i;
    }
    Columna(this, {m_filtro, m_soloIva, botones});
    OrdenLectura(this);

    try {
        m_filtro->Llenar();
    } catch (const DbError& e) {
        // The lists keep what they could hold; the report still works with typed values.
        QMessageBox::warning(parent, windowTitle(), QString::fromUtf8(e.what()));
    }
}

QPushButton* CInformeDlg::Boton(const QString& texto) const
{
    return BotonConTexto(findChildren<QPushButton*>(), texto);
}

bool CInformeDlg::LeerFiltro(FiltroInforme* f)
{
    if (!m_filtro->Leer(f))
        return false;
    f->soloIva = m_soloIva->isChecked();
    return true;
}

void CInformeDlg::ListadoDetallado()
{
    FiltroInforme f;
    if (!LeerFiltro(&f))
        return;
    QPrinter impresora(QPrinter::HighResolution);
    if (!s_elegirImpresora(impresora, this))
        return;
    if (!impresora.isValid()) {
        QMessageBox::warning(this, windowTitle(), kErrorImprimir);
        return;
    }
    try {
        Espera espera;
        const ListadoFacturacion l = ListadoFacturacionDe(m_db, f, Impuestos());
        impresora.setDocName(QStringLiteral("Informe Recibos"));
        QPainter p;
        if (!p.begin(&impresora))
            throw UserError(kErrorImprimir);
        DibujarListado(p, impresora, l);
        if (!p.end())
            throw UserError(kErrorImprimir);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), TextoError(e));
    }
}

void CInformeDlg::Ver(VistaInforme vista)
{
    FiltroInforme f;
    if (!m_mostrar || !LeerFiltro(&f))
        return;
    VistaCompuesta v;
    try {
        Espera espera;
        v = VistaFacturacionDe(m_db, f, vista, Impuestos());
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), TextoError(e));
        return;
    }
    m_mostrar(this, TituloInforme(f), v.texto, kAltoLetraVistas);
}
