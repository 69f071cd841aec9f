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
#include "billing/emision_facturacion.h"
#include "billing/facturacion.h"
#include "billing/seleccion_recibos_dlg.h"
#include "data/database.h"
#include "documents/texto_documento_dlg.h"
#include "reports/informes_dlg.h"

namespace {

// The window as grabbed, under a plain title bar that shows its caption, with an open menu
// drawn where it would appear.
bool Guardar(QWidget& w, const QString& ruta, QMenuBar* barra = nullptr, QMenu* menu = nullptr, int x = 0)
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
        menu->popup(w.mapToGlobal(QPoint(x, barra->height())));
        QCoreApplication::processEvents();
        p.drawPixmap(x, kTitulo + barra->height(), menu->grab());
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

// A dialog at a screenshot's size instead of maximised, shown, grabbed and closed.
bool Dialogo(QDialog& d, const QString& ruta, QSize tam)
{
    d.setWindowState(Qt::WindowNoState);
    d.resize(tam);
    d.show();
    QCoreApplication::processEvents();
    d.resize(tam);
    QCoreApplication::processEvents();
    const bool ok = Guardar(d, ruta);
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
    ok = opciones && Guardar(frame, destino + QStringLiteral("/menu_opciones.png"), frame.menuBar(), opciones, x) && ok;
    ok = Formularios(doc.Base(), destino) && ok;
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
