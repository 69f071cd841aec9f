#include "documents/iconos_editor.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kTinta(40, 48, 64);
const QColor kPapel(250, 250, 246);

// A sheet with a folded corner, the base of the file pictures.
void Hoja(QPainter& p, QRectF r)
{
    QPainterPath h;
    h.moveTo(r.left(), r.top());
    h.lineTo(r.right() - 7, r.top());
    h.lineTo(r.right(), r.top() + 7);
    h.lineTo(r.right(), r.bottom());
    h.lineTo(r.left(), r.bottom());
    h.closeSubpath();
    p.setBrush(kPapel);
    p.drawPath(h);
}

void Letra(QPainter& p, const QString& letra, bool negrita, bool cursiva, bool subrayado)
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(24);
    f.setBold(negrita);
    f.setItalic(cursiva);
    f.setUnderline(subrayado);
    p.setFont(f);
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, letra);
}

// Four lines aligned as a paragraph would be.
void Lineas(QPainter& p, Qt::Alignment a)
{
    p.setPen(QPen(kTinta, 2.5, Qt::SolidLine, Qt::RoundCap));
    const int largos[] = {24, 16, 24, 12};
    for (int i = 0; i < 4; ++i) {
        const int largo = a == Qt::AlignJustify ? (i == 3 ? 14 : 24) : largos[i];
        int x = 4;
        if (a == Qt::AlignRight)
            x = 28 - largo;
        else if (a == Qt::AlignHCenter)
            x = 16 - largo / 2;
        p.drawLine(x, 7 + i * 6, x + largo, 7 + i * 6);
    }
}

void Dibujar(QPainter& p, IconoEditor icono)
{
    p.setPen(QPen(kTinta, 1.6));
    switch (icono) {
    case IconoEditor::Nuevo:
        Hoja(p, {7, 3, 18, 26});
        p.setPen(QPen(QColor(30, 140, 60), 3));
        p.drawLine(22, 18, 22, 30);
        p.drawLine(16, 24, 28, 24);
        break;
    case IconoEditor::Abrir:
        p.setBrush(QColor(230, 180, 70));
        p.drawRect(QRectF(3, 9, 26, 18));
        p.setBrush(QColor(245, 205, 105));
        p.drawPolygon(QPolygonF({{3, 27}, {8, 14}, {31, 14}, {27, 27}}));
        break;
    case IconoEditor::Guardar: case IconoEditor::GuardarComo:
        p.setBrush(QColor(60, 95, 160));
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(kPapel);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(200, 205, 215));
        p.drawRect(QRectF(8, 18, 16, 10));
        if (icono == IconoEditor::GuardarComo) {
            p.setPen(QPen(QColor(200, 120, 20), 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(18, 28, 29, 17);
        }
        break;
    case IconoEditor::Imprimir:
        Hoja(p, {9, 3, 14, 10});
        p.setBrush(QColor(120, 125, 135));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        Hoja(p, {9, 20, 14, 9});
        break;
    case IconoEditor::Negrita: Letra(p, QStringLiteral("N"), true, false, false); break;
    case IconoEditor::Cursiva: Letra(p, QStringLiteral("K"), false, true, false); break;
    case IconoEditor::Subrayado: Letra(p, QStringLiteral("S"), false, false, true); break;
    case IconoEditor::Izquierda: Lineas(p, Qt::AlignLeft); break;
    case IconoEditor::Derecha: Lineas(p, Qt::AlignRight); break;
    case IconoEditor::Centrado: Lineas(p, Qt::AlignHCenter); break;
    case IconoEditor::Justificado: Lineas(p, Qt::AlignJustify); break;
    case IconoEditor::Color: {
        const QColor colores[] = {QColor(200, 30, 30), QColor(30, 150, 50), QColor(30, 70, 200), QColor(240, 190, 20)};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(colores[i]);
            p.drawEllipse(QRectF(4 + (i % 2) * 13, 4 + (i / 2) * 13, 11, 11));
        }
        break;
    }
    case IconoEditor::SaltoPagina:
        Hoja(p, {6, 2, 20, 11});
        Hoja(p, {6, 19, 20, 11});
        p.setPen(QPen(QColor(200, 30, 30), 2, Qt::DashLine));
        p.drawLine(2, 16, 30, 16);
        break;
    case IconoEditor::Panel:
        p.setBrush(kPapel);
        p.drawRect(QRectF(3, 5, 26, 22));
        p.setBrush(QColor(60, 95, 160));
        p.drawRect(QRectF(19, 5, 10, 22));
        break;
    case IconoEditor::Salir:
        p.setBrush(QColor(150, 95, 55));
        p.drawRect(QRectF(7, 3, 16, 26));
        p.setBrush(QColor(240, 200, 60));
        p.drawEllipse(QRectF(17, 15, 3, 3));
        p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(24, 16, 31, 16);
        p.drawLine(28, 12, 31, 16);
        p.drawLine(28, 20, 31, 16);
        break;
    case IconoEditor::Si:
        p.setPen(QPen(QColor(30, 150, 50), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{5, 17}, {13, 25}, {27, 7}}));
        break;
    case IconoEditor::No:
        p.setPen(QPen(QColor(200, 30, 30), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(7, 7, 25, 25);
        p.drawLine(25, 7, 7, 25);
        break;
    }
}

}  // namespace

QImage DibujarIconoEditor(IconoEditor icono, int lado)
{
    QImage r(lado, lado, QImage::Format_ARGB32_Premultiplied);
    r.fill(Qt::transparent);
    QPainter p(&r);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(lado / 32.0, lado / 32.0);
    Dibujar(p, icono);
    return r;
}
