// Writes the README's screenshots of the main window: `capturas <folder>`.
// Runs on the offscreen platform; uses a temporary settings file and workspaces.
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>

#include "app/dibujos.h"
#include "app/documento.h"
#include "app/main_window.h"
#include "billing/demo.h"
#include "billing/facturacion.h"
#include "data/database.h"
#include "reports/filtro_facturacion_widget.h"
#include "reports/informe_dlg.h"
#include "reports/listado_facturacion.h"
#include "reports/salida_archivo.h"
#include "reports/seleccion_informe.h"
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>

namespace {

// The window as grabbed, under a plain title bar that shows its caption, with an open menu
// drawn where it would appear.
bool Guardar(QMainWindow& w, const QString& ruta, QMenu* menu = nullptr, int x = 0)
{
    QCoreApplication::processEvents();
    const QPixmap ventana = w.grab();
    constexpr int kTitulo = 28;
    QPixmap img(ventana.width(), ventana.height() + kTitulo);
    img.fill(QColor(0x2b, 0x3a, 0x55));
    QPainter p(&img);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, img.width(), kTitulo), Qt::AlignCenter, w.windowTitle());
    p.drawPixmap(0, kTitulo, ventana);
    if (menu) {
        menu->popup(w.mapToGlobal(QPoint(x, w.menuBar()->height())));
        QCoreApplication::processEvents();
        p.drawPixmap(x, kTitulo + w.menuBar()->height(), menu->grab());
        menu->hide();
    }
    p.end();
    return img.save(ruta);
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

// The "Informe" dialog and the first page of its listing, over two billed months.
bool Informes(Database& db, const QTemporaryDir& tmp, const QString& destino)
{
    Facturacion(db).FacturarMes(QDate(2024, 3, 1), QStringLiteral("MARZO"));
    Facturacion(db).FacturarMes(QDate(2024, 4, 1), QStringLiteral("ABRIL"));
    CInformeDlg d(db, [](QWidget*, const QString&, const QString&, int) {});
    CFiltroFacturacionWidget* f = d.Filtro();
    f->mesDesde->setCurrentIndex(2);
    f->mesHasta->setCurrentIndex(3);
    f->anioDesde->setText(QStringLiteral("2024"));
    f->anioHasta->setText(QStringLiteral("2024"));
    d.show();
    QCoreApplication::processEvents();
    bool ok = d.grab().save(destino + QStringLiteral("/informe.png"));
    FiltroInforme filtro;
    filtro.desde = QDate(2024, 3, 1);
    filtro.hasta = QDate(2024, 4, 1);
    const ListadoFacturacion l = ListadoFacturacionDe(db, filtro, AjustesImpuestos());
    const QString pdf = tmp.filePath(QStringLiteral("listado.pdf"));
    EscribirPdf(pdf, l.titulo, [&l](QPainter& p, QPagedPaintDevice& dev) { DibujarListado(p, dev, l); });
    ok = QProcess::execute(QStringLiteral("pdftoppm"),
                           {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("90"), QStringLiteral("-f"),
                            QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                            QStringLiteral("-singlefile"), pdf, destino + QStringLiteral("/listado_facturacion")})
             == 0 && ok;
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
    ok = Informes(doc.Base(), tmp, destino) && ok;
    doc.CerrarBase();

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
