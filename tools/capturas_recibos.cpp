// Renders the receipt pictures of the README: one receipt in colour, one in grey with a
// logo, one invoice, from a demo workspace. Usage: capturas_recibos DIRECTORIO
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "billing/demo.h"
#include "billing/emision_facturacion.h"
#include "billing/facturacion.h"
#include "data/database.h"
#include "data/workspace.h"
#include "receipts/seleccion_recibos.h"
#include "receipts/trabajo_impresion.h"
#include "reports/informe_lineas.h"

namespace {

// A sample letting agent's logo, 300 x 750 pixels: 30 x 75 mm on the receipt's stub.
QImage Logotipo()
{
    QImage img(300, 750, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 750);
    g.setColorAt(0, QColor(60, 60, 60));
    g.setColorAt(1, QColor(20, 20, 20));
    p.fillRect(img.rect(), g);
    p.setPen(QPen(QColor(235, 235, 235), 5));
    p.drawRect(QRectF(14, 14, 272, 722));
    p.setBrush(QColor(235, 235, 235));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(150, 60), QPointF(60, 140), QPointF(240, 140)}));
    p.drawRect(QRectF(85, 140, 130, 95));
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(135, 175, 30, 60));
    p.translate(150, 490);
    p.rotate(-90);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(58);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(-230, -80, 460, 80), Qt::AlignCenter, QStringLiteral("ALQUILERES"));
    f.setPixelSize(34);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(-230, 0, 460, 60), Qt::AlignCenter, QStringLiteral("Gestión de inmuebles"));
    return img;
}

bool Png(const QString& pdf, const QString& png, bool banda, int pagina)
{
    QStringList args{QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("110"),
                     QStringLiteral("-f"), QString::number(pagina), QStringLiteral("-l"),
                     QString::number(pagina), QStringLiteral("-singlefile")};
    if (banda)   // the 203 x 86 mm band and a little white below it
        args << QStringLiteral("-x") << QStringLiteral("0") << QStringLiteral("-y")
             << QStringLiteral("0") << QStringLiteral("-W") << QStringLiteral("890")
             << QStringLiteral("-H") << QStringLiteral("385");
    args << pdf << png.chopped(4);
    return QProcess::execute(QStringLiteral("pdftoppm"), args) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: capturas_recibos DIRECTORIO\n");
        return 2;
    }
    const QDir salida(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir tmp;
    AjustesRecibo ajustes;
    ajustes.diseno.fondo = QStringLiteral("SOLIDO");
    ajustes.recibo_factura = 3;
    ajustes.vencimiento = {1, 5, QString()};

    Database db = CrearWorkspace(tmp.filePath(QStringLiteral("demo.rtv")));
    LlenarDemo(db, 6);
    // Numbered receipts with both taxes show every line the layouts have.
    db.exec(QStringLiteral("UPDATE inmueble SET is_recibo_numerar = 1,"
                           " iva = (renta * 21 / 10000) * 100, irpf = -(renta * 19 / 10000) * 100"));
    const QDate mes(2024, 3, 1);
    Facturacion(db).FacturarMes(mes, QStringLiteral("MARZO"));

    const QString color = tmp.filePath(QStringLiteral("color.pdf"));
    const QString gris = tmp.filePath(QStringLiteral("gris.pdf"));
    const QString factura = tmp.filePath(QStringLiteral("factura.pdf"));
    RecibosMesAPdf(db, mes, color, false, true, ajustes);
    const QString logo = tmp.filePath(QStringLiteral("logo.png"));
    Logotipo().save(logo);
    ajustes.diseno.fondo = QStringLiteral("LINEAS");
    ajustes.diseno.tipo_cuadro_izquierdo = 2;
    ajustes.diseno.logo = logo;
    RecibosMesAPdf(db, mes, gris, false, false, ajustes);
    RecibosMesAPdf(db, mes, factura, true, true, ajustes);

    // The selection listing of the month's paper receipts, as "Imprimir Informe" prints it.
    PrepararEmisionPapel(db, mes);
    const QString listado = tmp.filePath(QStringLiteral("listado.pdf"));
    CInformeLineas(CSeleccionRecibos(db, ModoSeleccion::Papel, QDateTime()).LineasListado(),
                   TituloListadoSeleccion()).APdf(listado);

    const bool ok = Png(listado, salida.filePath(QStringLiteral("listado_seleccion.png")), false, 1) &&
                    Png(color, salida.filePath(QStringLiteral("recibo_color.png")), true, 4) &&
                    Png(gris, salida.filePath(QStringLiteral("recibo_gris_logotipo.png")), true, 1) &&
                    Png(factura, salida.filePath(QStringLiteral("factura.png")), false, 4);
    return ok ? 0 : 1;
}
