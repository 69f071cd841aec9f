// Writes the README's screenshots of the main window: `capturas <folder>`.
// Runs on the offscreen platform; uses a temporary settings file and workspaces.
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QPainter>
#include <QTemporaryDir>

#include "app/dibujos.h"
#include "app/documento.h"
#include "app/main_window.h"
#include "billing/demo.h"
#include "billing/emision_facturacion.h"
#include "billing/facturacion.h"
#include "billing/seleccion_recibos_dlg.h"
#include "data/database.h"
#include "data/workspace.h"
#include "documents/archivo_documento.h"
#include "documents/contratos_dlg.h"
#include "documents/info_avanzada_contrato_dlg.h"
#include "documents/modelo_contrato.h"
#include "documents/texto_documento_dlg.h"
#include "reports/informes_dlg.h"

namespace {

// The window as grabbed, under a plain title bar that shows its caption.
QPixmap ConTitulo(QWidget& w, int* alturaTitulo)
{
    QCoreApplication::processEvents();
    const QPixmap ventana = w.grab();
    constexpr int kTitulo = 28;
    *alturaTitulo = kTitulo;
    QPixmap img(ventana.width(), ventana.height() + kTitulo);
    img.fill(QColor(0x2b, 0x3a, 0x55));
    QPainter p(&img);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, img.width(), kTitulo), Qt::AlignCenter, w.windowTitle());
    p.drawPixmap(0, kTitulo, ventana);
    return img;
}

// The main window, with an open menu drawn where it would appear.
bool Guardar(QMainWindow& w, const QString& ruta, QMenu* menu = nullptr, int x = 0)
{
    int titulo = 0;
    QPixmap img = ConTitulo(w, &titulo);
    if (menu) {
        QPainter p(&img);
        menu->popup(w.mapToGlobal(QPoint(x, w.menuBar()->height())));
        QCoreApplication::processEvents();
        p.drawPixmap(x, titulo + w.menuBar()->height(), menu->grab());
        menu->hide();
    }
    return img.save(ruta);
}

bool GuardarDialogo(QDialog& d, const QString& ruta)
{
    d.show();
    int titulo = 0;
    const bool ok = ConTitulo(d, &titulo).save(ruta);
    d.hide();
    return ok;
}

QMenu* Menu(QMainWindow& w, const QString& titulo, int* x)
{
    for (QAction* a : w.menuBar()->actions())
        if (a->text() == titulo) {
            *x = w.menuBar()->actionGeometry(a).x();
            return a->menu();
        }
    return nullptr;
}

// A short housing contract model with the fields a user puts in one.
QByteArray ModeloEjemplo()
{
    return "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fmodern Courier New;}}"
           "\\paperw11906\\paperh16838\\margl1400\\margr1400\\f0\\fs22\r\n"
           "{\\pard\\qc\\b\\fs28 CONTRATO DE ARRENDAMIENTO DE VIVIENDA\\par}\r\n"
           "{\\pard\\qr En &Locali, a &Fecha_.\\par}\\par\r\n"
           "{\\pard\\b REUNIDOS\\par}\\pard &Reunid"
           "{\\pard\\b INTERVIENEN\\par}\\pard &Interv\\par\\par\r\n"
           "{\\pard\\b CL\\'c1USULAS\\par}\r\n"
           "\\pard\\qj {\\b PRIMERA.- }&Equipa\\par\\par\r\n"
           "{\\b SEGUNDA.- }El plazo de duraci\\'f3n es de &Duraci, a contar desde hoy.\\par\\par\r\n"
           "{\\b TERCERA.- }Se pacta una renta mensual de &Renta_, que se pagar\\'e1&FPago_.\\par\\par\r\n"
           "{\\b CUARTA.- }El arrendatario entrega en concepto de fianza &Fianza.&OImtes\\par\r\n"
           "{\\pard\\f1\\fs16 &CImtes}\\par\r\n"
           "\\pard\\qj {\\b QUINTA.- }&Ocupan &Aval__\\par\\par\r\n"
           "{\\pard\\qc EL ARRENDADOR\\tab\\tab\\tab EL ARRENDATARIO\\par}}\r\n";
}

// The contract dialogs on the demonstration workspace, and a filled contract model laid out
// by soffice where it is installed.
bool CapturasContrato(const QString& demo, const QString& destino, const QString& tmp)
{
    Database db = AbrirWorkspace(demo);
    const qint64 ref = QueryInteger(db, QStringLiteral("SELECT MIN(ref) FROM inmueble"));
    EntornoDocumentos e;
    e.hoy = QDate::currentDate();
    e.carpeta = tmp;
    e.editarTexto = [](QWidget*, QString&) { return true; };   // the text window's button, enabled
    CContratosDlg contratos(nullptr, db, ref, e);
    bool ok = GuardarDialogo(contratos, destino + QStringLiteral("/contratos.png"));
    std::array<Coarrendatario, 3> coarrendatarios;
    coarrendatarios[0] = {QStringLiteral("LUCÍA FERNÁNDEZ RUIZ"), QStringLiteral("D.N.I."),
                          QStringLiteral("12345678Z"), QStringLiteral("española")};
    const QStringList propietarios = NombresPropietariosEnTabla(db);
    CInfoAvanzadaContratoDlg avanzada(nullptr, propietarios, propietarios.value(1), coarrendatarios);
    ok = GuardarDialogo(avanzada, destino + QStringLiteral("/info_avanzada_contrato.png")) && ok;

    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        fprintf(stderr, "sin soffice o pdftoppm: no se genera modelo_contrato.png\n");
        return ok;
    }
    DatosContrato d = AbrirContrato(db, ref, AjustesImpuestos{});
    MarcarFilas(d, 2);
    d.ocupantes = 3;
    const QString lleno = tmp + QStringLiteral("/modelo_contrato.rtf");
    EscribirArchivoDocumento(lleno, RellenarModelo(ModeloEjemplo(), d));
    QProcess::execute(soffice, {QStringLiteral("-env:UserInstallation=file://") + tmp + QStringLiteral("/perfil"),
                                QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                                QStringLiteral("--outdir"), tmp, lleno});
    const QString png = destino + QStringLiteral("/modelo_contrato");
    QFile::remove(png + QStringLiteral(".png"));
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("70"),
                                                   QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                   QStringLiteral("1"), QStringLiteral("-singlefile"),
                                                   tmp + QStringLiteral("/modelo_contrato.pdf"), png});
    return QFile::exists(png + QStringLiteral(".png")) && ok;
}

// A dialog at a screenshot's size instead of maximised, shown, grabbed and closed.
bool Dialogo(QDialog& d, const QString& ruta, QSize tam)
{
    d.setWindowState(Qt::WindowNoState);
    d.resize(tam);
    d.show();
    QCoreApplication::processEvents();
    d.resize(tam);
    QCoreApplication::processEvents();
    int titulo = 0;
    const bool ok = ConTitulo(d, &titulo).save(ruta);
    d.hide();
    return ok;
}

// The selection form of March's paper receipts (those without "Recibo Fisico" at "No"), the
// run listing in the viewer and a letter in the text window.
bool Formularios(Database& db, const QString& destino)
{
    const QDate mes(2024, 3, 1);
    Facturacion(db).FacturarMes(mes, QStringLiteral("MARZO"));
    PrepararEmisionPapel(db, mes);
    CSeleccionRecibosDlg seleccion(db, ModoSeleccion::Papel, QDateTime::currentDateTime());
    seleccion.setWindowTitle(QStringLiteral("Selección de recibos"));
    bool ok = Dialogo(seleccion, destino + QStringLiteral("/seleccion_recibos.png"), QSize(1000, 560));

    PrepararEmisionMes(db, mes);
    DlgInformes visor(db, mes);
    ok = Dialogo(visor, destino + QStringLiteral("/visor_informes.png"), QSize(1000, 520)) && ok;

    CTextoDocumentoDlg texto(QStringLiteral(
        "En Madrid, a 1 de marzo de 2024.\n\n"
        "Muy señor mío:\n\n"
        "Por la presente le comunico que, conforme a la cláusula cuarta del contrato de "
        "arrendamiento de la vivienda situada en la calle Mayor, 5, 2º B, la renta mensual se "
        "actualizará a partir del próximo mes con la variación anual del índice de precios.\n\n"
        "Atentamente,\n\n"
        "PÉREZ MORENO SERGIO"));
    ok = Dialogo(texto, destino + QStringLiteral("/texto_documento.png"), QSize(640, 420)) && ok;
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir tmp;
    qputenv("RENTIVA_SETTINGS", tmp.filePath(QStringLiteral("rentiva.conf")).toUtf8());
    QApplication app(argc, argv);
    const QString destino = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(destino);

    CRentivaDoc doc;
    CMainFrame frame(doc);
    frame.resize(960, 800);
    frame.show();
    bool ok = Guardar(frame, destino + QStringLiteral("/inicio.png"));

    const QString demo = tmp.filePath(QStringLiteral("demostracion.rtv"));
    CrearArchivoDemo(demo);
    doc.AbrirBase(demo);
    ok = Guardar(frame, destino + QStringLiteral("/archivo_abierto.png")) && ok;
    int x = 0;
    QMenu* opciones = Menu(frame, QStringLiteral("&Opciones"), &x);
    ok = opciones && Guardar(frame, destino + QStringLiteral("/menu_opciones.png"), opciones, x) && ok;
    ok = Formularios(doc.Base(), destino) && ok;
    doc.CerrarBase();
    ok = CapturasContrato(demo, destino, tmp.path()) && ok;

    // All eleven button pictures in their order on the bar.
    QImage hoja(kNumDibujos * 72, 72, QImage::Format_ARGB32_Premultiplied);
    hoja.fill(Qt::white);
    QPainter p(&hoja);
    for (int i = 0; i < kNumDibujos; ++i)
        p.drawImage(i * 72 + 4, 4, DibujarIcono(static_cast<Dibujo>(i), 64));
    p.end();
    ok = hoja.save(destino + QStringLiteral("/botones.png")) && ok;
    return ok ? 0 : 1;
}
