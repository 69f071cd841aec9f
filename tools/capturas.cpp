// Writes the README's screenshots of the main window and of some forms: `capturas <folder>`.
// Runs on the offscreen platform; uses a temporary settings file and workspaces.
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/dibujos.h"
#include "app/documento.h"
#include "app/main_window.h"
#include "app/traducciones.h"
#include "billing/demo.h"
#include "data/database.h"
#include "data/workspace.h"
#include "properties/inmuebles_dlg.h"
#include "properties/propietarios_dlg.h"

namespace {

constexpr int kTitulo = 28;

// A window as grabbed, under a plain title bar that shows its caption.
QPixmap ConTitulo(QWidget& w)
{
    QCoreApplication::processEvents();
    const QPixmap ventana = w.grab();
    QPixmap img(ventana.width(), ventana.height() + kTitulo);
    img.fill(QColor(0x2b, 0x3a, 0x55));
    QPainter p(&img);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, img.width(), kTitulo), Qt::AlignCenter, w.windowTitle());
    p.drawPixmap(0, kTitulo, ventana);
    return img;
}

// A form with, when given, the message box it shows drawn over its middle.
bool GuardarFormulario(QWidget& w, const QString& ruta, QWidget* mensaje = nullptr)
{
    QPixmap img = ConTitulo(w);
    if (mensaje) {
        const QPixmap caja = ConTitulo(*mensaje);
        QPainter p(&img);
        p.setPen(QPen(QColor(0x2b, 0x3a, 0x55), 2));
        const QRect donde(QPoint((img.width() - caja.width()) / 2, (img.height() - caja.height()) / 2), caja.size());
        p.drawPixmap(donde.topLeft(), caja);
        p.drawRect(donde.adjusted(-1, -1, 0, 0));
    }
    return img.save(ruta);
}

// The main window, with an open menu drawn where it would appear.
bool Guardar(QMainWindow& w, const QString& ruta, QMenu* menu = nullptr, int x = 0)
{
    QPixmap img = ConTitulo(w);
    QPainter p(&img);
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

// The owner form telling that an account's check digits are wrong, the property form, and
// a file dialog in Spanish.
bool CapturarFormularios(const QString& destino, const QString& demo)
{
    // A desktop's usual font rather than the offscreen platform's smaller one.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    InstalarTraducciones();
    Database db = AbrirWorkspace(demo);
    bool ok = true;
    {
        CPropietariosDlg propietarios(nullptr, db);
        propietarios.show();
        const auto campo = [&](const char* nombre) {
            return propietarios.findChild<QLineEdit*>(QString::fromLatin1(nombre));
        };
        campo("banco")->setText(QStringLiteral("2100"));
        campo("sucursal")->setText(QStringLiteral("0418"));
        campo("dc")->setText(QStringLiteral("46"));
        campo("ccc")->setText(QStringLiteral("0200051332"));
        bool visto = false;
        QTimer reloj;
        QObject::connect(&reloj, &QTimer::timeout, [&] {
            if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                reloj.stop();
                visto = GuardarFormulario(propietarios, destino + QStringLiteral("/cuenta_erronea.png"), caja);
                caja->done(QMessageBox::No);
            }
        });
        reloj.start(50);
        propietarios.BotonAceptar()->click();
        ok = visto && ok;
        propietarios.reject();
    }
    {
        CInmueblesDlg inmuebles(nullptr, db);
        inmuebles.resize(inmuebles.sizeHint());   // the offscreen screen is narrower than a laptop's
        inmuebles.show();
        ok = GuardarFormulario(inmuebles, destino + QStringLiteral("/ficha_inmueble.png")) && ok;
    }
    // A folder as a user keeps it: the workspace and a backup copy.
    const QString carpeta = QFileInfo(demo).absolutePath() + QStringLiteral("/Alquileres");
    QDir().mkpath(carpeta);
    QFile::copy(demo, carpeta + QStringLiteral("/pisos.rtv"));
    QFile::copy(demo, carpeta + QStringLiteral("/pisos copia de seguridad.rtv"));
    QFileDialog archivos(nullptr, QStringLiteral("Abrir"), carpeta,
                         QStringLiteral("Rentiva (*.rtv);;Todos los archivos (*)"));
    archivos.setOption(QFileDialog::DontUseNativeDialog);
    archivos.resize(760, 460);
    archivos.show();
    return GuardarFormulario(archivos, destino + QStringLiteral("/dialogo_archivo.png")) && ok;
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
    doc.CerrarBase();

    // All eleven button pictures in their order on the bar.
    QImage hoja(kNumDibujos * 72, 72, QImage::Format_ARGB32_Premultiplied);
    hoja.fill(Qt::white);
    QPainter p(&hoja);
    for (int i = 0; i < kNumDibujos; ++i)
        p.drawImage(i * 72 + 4, 4, DibujarIcono(static_cast<Dibujo>(i), 64));
    p.end();
    ok = hoja.save(destino + QStringLiteral("/botones.png")) && ok;
    ok = CapturarFormularios(destino, demo) && ok;
    return ok ? 0 : 1;
}
