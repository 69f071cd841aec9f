#include "app/dibujos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kTinta(0x2b, 0x3a, 0x55);
const QColor kTeja(0xc8, 0x5a, 0x3c);
const QColor kPared(0xf3, 0xe2, 0xc0);
const QColor kAzul(0x3d, 0x7e, 0xc9);
const QColor kVerde(0x4f, 0x9a, 0x5a);
const QColor kPapel(0xfd, 0xfd, 0xf8);
const QColor kOro(0xe8, 0xb4, 0x2f);

QPen Trazo(qreal ancho = 2.0) { return QPen(kTinta, ancho, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Casa(QPainter& p, qreal x, qreal y, qreal w, qreal h, const QColor& pared, const QColor& tejado)
{
    const qreal techo = h * 0.45;
    p.setPen(Trazo());
    p.setBrush(pared);
    p.drawRect(QRectF(x, y + techo, w, h - techo));
    QPainterPath t;
    t.moveTo(x - w * 0.12, y + techo);
    t.lineTo(x + w / 2, y);
    t.lineTo(x + w * 1.12, y + techo);
    t.closeSubpath();
    p.setBrush(tejado);
    p.drawPath(t);
    p.setBrush(kAzul.lighter(140));
    p.drawRect(QRectF(x + w * 0.38, y + h * 0.68, w * 0.24, h * 0.32));
}

void Hoja(QPainter& p, const QRectF& r)
{
    QPainterPath hoja;
    const qreal doblez = r.width() * 0.28;
    hoja.moveTo(r.topLeft());
    hoja.lineTo(r.right() - doblez, r.top());
    hoja.lineTo(r.right(), r.top() + doblez);
    hoja.lineTo(r.bottomRight());
    hoja.lineTo(r.bottomLeft());
    hoja.closeSubpath();
    p.setPen(Trazo());
    p.setBrush(kPapel);
    p.drawPath(hoja);
    p.drawLine(QPointF(r.right() - doblez, r.top()), QPointF(r.right() - doblez, r.top() + doblez));
    p.drawLine(QPointF(r.right() - doblez, r.top() + doblez), QPointF(r.right(), r.top() + doblez));
}

void Lineas(QPainter& p, qreal x0, qreal x1, qreal y, int n, qreal paso)
{
    p.setPen(QPen(kTinta.lighter(160), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < n; ++i)
        p.drawLine(QPointF(x0, y + i * paso), QPointF(i == n - 1 ? (x0 + x1) / 2 : x1, y + i * paso));
}

void Cara(QPainter& p, qreal cx, qreal cy, qreal r, const QColor& color)
{
    p.setPen(Trazo());
    p.setBrush(color);
    p.drawEllipse(QPointF(cx, cy), r, r);
    p.setBrush(kTinta);
    p.drawEllipse(QPointF(cx - r * 0.35, cy - r * 0.2), r * 0.09, r * 0.09);
    p.drawEllipse(QPointF(cx + r * 0.35, cy - r * 0.2), r * 0.09, r * 0.09);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - r * 0.45, cy - r * 0.15, r * 0.9, r * 0.7), 200 * 16, 140 * 16);
}

void Pintar(QPainter& p, Dibujo d)
{
    switch (d) {
    case Dibujo::Casas:
        Casa(p, 5, 14, 18, 28, kPared, kTeja);
        Casa(p, 25, 6, 18, 36, kPared.darker(105), kTeja.darker(115));
        break;
    case Dibujo::Caras:
        Cara(p, 17, 22, 11, QColor(0xf6, 0xd1, 0xa8));
        Cara(p, 31, 28, 11, QColor(0xd9, 0xa6, 0x7e));
        break;
    case Dibujo::Formulario: {
        Hoja(p, QRectF(8, 4, 32, 40));
        p.setPen(Trazo(1.5));
        p.setBrush(Qt::white);
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(13, 14 + i * 7, 6, 4));
        Lineas(p, 22, 34, 16, 4, 7);
        break;
    }
    case Dibujo::Lista: {
        Hoja(p, QRectF(8, 4, 32, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(kAzul);
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(15, 14 + i * 6), 1.8, 1.8);
        Lineas(p, 20, 35, 14, 5, 6);
        break;
    }
    case Dibujo::Sobre: {
        const QRectF r(5, 12, 38, 26);
        p.setPen(Trazo());
        p.setBrush(kPapel);
        p.drawRect(r);
        QPainterPath solapa;
        solapa.moveTo(r.topLeft());
        solapa.lineTo(r.center().x(), r.top() + 15);
        solapa.lineTo(r.topRight());
        p.setBrush(kPared);
        p.drawPath(solapa);
        p.setBrush(kTeja);
        p.drawEllipse(QPointF(r.center().x(), r.top() + 14), 3, 3);
        break;
    }
    case Dibujo::Documento: {
        Hoja(p, QRectF(9, 4, 30, 40));
        Lineas(p, 14, 33, 16, 5, 5);
        p.setPen(QPen(kAzul, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 11), QPointF(26, 11));
        break;
    }
    case Dibujo::Lupa: {
        p.setPen(QPen(kTinta, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(29, 29), QPointF(42, 42));
        p.setPen(Trazo(3));
        QRadialGradient cristal(QPointF(17, 17), 14);
        cristal.setColorAt(0, Qt::white);
        cristal.setColorAt(1, kAzul.lighter(160));
        p.setBrush(cristal);
        p.drawEllipse(QPointF(20, 20), 13, 13);
        break;
    }
    case Dibujo::LetrasIpc: {
        Hoja(p, QRectF(6, 4, 28, 36));
        QFont f(QStringLiteral("Sans"));
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(kTeja);
        p.drawText(QRectF(6, 14, 28, 16), Qt::AlignCenter, QStringLiteral("IPC"));
        p.setPen(QPen(kVerde, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath flecha;
        flecha.moveTo(26, 44);
        flecha.lineTo(42, 28);
        p.drawPath(flecha);
        p.drawLine(QPointF(42, 28), QPointF(35, 29));
        p.drawLine(QPointF(42, 28), QPointF(41, 35));
        break;
    }
    case Dibujo::Hucha: {
        p.setPen(Trazo());
        p.setBrush(QColor(0xf2, 0xa6, 0xb8));
        p.drawEllipse(QRectF(6, 14, 34, 24));
        p.drawRect(QRectF(12, 35, 5, 6));
        p.drawRect(QRectF(29, 35, 5, 6));
        p.drawEllipse(QRectF(38, 22, 6, 8));
        p.setBrush(kTinta);
        p.drawEllipse(QPointF(33, 21), 1.5, 1.5);
        p.setPen(QPen(kTinta, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18, 15), QPointF(26, 15));
        p.setPen(Trazo(1.5));
        p.setBrush(kOro);
        p.drawEllipse(QPointF(22, 8), 5, 5);
        break;
    }
    case Dibujo::Globo: {
        const QPointF c(24, 24);
        p.setPen(Trazo());
        QRadialGradient mar(QPointF(18, 18), 22);
        mar.setColorAt(0, kAzul.lighter(150));
        mar.setColorAt(1, kAzul);
        p.setBrush(mar);
        p.drawEllipse(c, 19, 19);
        p.setBrush(Qt::NoBrush);
        p.setPen(Trazo(1.5));
        p.drawEllipse(c, 8, 19);
        p.drawLine(QPointF(5, 24), QPointF(43, 24));
        p.drawLine(QPointF(24, 5), QPointF(24, 43));
        p.drawLine(QPointF(8, 14), QPointF(40, 14));
        p.drawLine(QPointF(8, 34), QPointF(40, 34));
        break;
    }
    case Dibujo::Interrogacion: {
        p.setPen(Trazo());
        p.setBrush(kOro);
        p.drawEllipse(QPointF(24, 24), 20, 20);
        QFont f(QStringLiteral("Serif"));
        f.setPixelSize(30);
        f.setBold(true);
        p.setFont(f);
        p.setPen(kTinta);
        p.drawText(QRectF(4, 4, 40, 40), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
}

}  // namespace

QImage DibujarIcono(Dibujo d, int lado)
{
    QImage img(lado, lado, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(lado / 48.0, lado / 48.0);
    Pintar(p, d);
    return img;
}

QImage DibujarFondo()
{
    constexpr int kAncho = 687;
    constexpr int kAlto = 480;
    QImage img(kAncho, kAlto, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient cielo(0, 0, 0, kAlto);
    cielo.setColorAt(0, QColor(0xdd, 0xee, 0xfb));
    cielo.setColorAt(0.7, QColor(0xfb, 0xf3, 0xe4));
    p.fillRect(img.rect(), cielo);
    QRadialGradient sol(QPointF(560, 110), 70);
    sol.setColorAt(0, QColor(0xff, 0xe6, 0x9a));
    sol.setColorAt(1, QColor(0xff, 0xe6, 0x9a, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sol);
    p.drawEllipse(QPointF(560, 110), 70, 70);

    // A row of building fronts of varying height, each with its windows and balconies.
    const struct { int ancho, alto; QColor color; } bloques[] = {
        {90, 190, QColor(0xf1, 0xd4, 0xa4)}, {70, 240, QColor(0xe9, 0xc2, 0xb0)},
        {110, 170, QColor(0xf4, 0xe6, 0xc8)}, {80, 260, QColor(0xd9, 0xc9, 0xb4)},
        {100, 205, QColor(0xf0, 0xcf, 0x9c)}, {75, 230, QColor(0xe3, 0xd7, 0xc3)},
        {95, 180, QColor(0xf3, 0xdc, 0xb5)}, {67, 215, QColor(0xe6, 0xbf, 0xa0)},
    };
    const int suelo = 400;
    int x = 0;
    for (const auto& b : bloques) {
        const QRect fachada(x, suelo - b.alto, b.ancho, b.alto);
        p.setPen(QPen(QColor(0x8a, 0x73, 0x5a), 1.5));
        p.setBrush(b.color);
        p.drawRect(fachada);
        p.setBrush(QColor(0xa8, 0x55, 0x3c));
        p.drawRect(QRect(x - 3, suelo - b.alto - 8, b.ancho + 6, 8));
        p.setPen(QPen(QColor(0x6b, 0x5a, 0x48), 1));
        for (int fila = suelo - b.alto + 22; fila < suelo - 60; fila += 42) {
            for (int col = x + 14; col + 18 < x + b.ancho - 8; col += 30) {
                p.setBrush(QColor(0x8f, 0xb7, 0xd9));
                p.drawRect(QRect(col, fila, 16, 24));
                p.setBrush(QColor(0x5f, 0x8a, 0x5d));
                p.drawRect(QRect(col - 3, fila + 24, 22, 4));
            }
        }
        p.setBrush(QColor(0x7a, 0x4e, 0x32));
        p.drawRect(QRect(x + b.ancho / 2 - 11, suelo - 44, 22, 44));
        x += b.ancho;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc9, 0xc4, 0xba));
    p.drawRect(QRect(0, suelo, kAncho, 22));
    p.setBrush(QColor(0x8d, 0x8a, 0x86));
    p.drawRect(QRect(0, suelo + 22, kAncho, kAlto - suelo - 22));
    p.setBrush(QColor(0xf2, 0xf2, 0xee));
    for (int i = 10; i < kAncho; i += 70)
        p.drawRect(QRect(i, suelo + 48, 40, 5));
    // Street trees along the pavement.
    for (int i = 40; i < kAncho; i += 160) {
        p.setBrush(QColor(0x6b, 0x4a, 0x2e));
        p.drawRect(QRect(i - 3, suelo - 40, 6, 50));
        p.setBrush(QColor(0x5c, 0x9a, 0x57));
        p.drawEllipse(QPoint(i, suelo - 55), 24, 26);
    }
    return img;
}
