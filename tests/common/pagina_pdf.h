#pragma once
#include <QList>
#include <QRectF>
#include <QString>
#include <functional>

class CImpresionRecibo;
class QPainter;
class QPagedPaintDevice;

// What a reader of a rendered page finds: its words with their boxes, in tenths of a
// millimetre from the top left of the page, as pdftotext reports them.
struct Palabra {
    QString texto;
    QRectF caja;
};

class PaginaPdf {
public:
    // The words of page `pagina` of the PDF file.
    static PaginaPdf Leer(const QString& pdf, int pagina = 1);
    // One A4 page drawn by `dibujar` on a PDF writer, then read back.
    static PaginaPdf Dibujar(const std::function<void(QPainter&)>& dibujar);
    static PaginaPdf Recibo(const CImpresionRecibo& r);
    static PaginaPdf Factura(CImpresionRecibo& r);

    QList<Palabra> palabras;

    // The box around the first run of words that spells `frase` (words split at spaces);
    // an empty box when it is not on the page.
    // With `seguida` the last word may run on (a label followed by dot leaders).
    QRectF Caja(const QString& frase, bool seguida = false) const;
    bool Tiene(const QString& frase) const { return !Caja(frase).isNull(); }
    // Every word, one space apart, in reading order.
    QString Texto() const;
    // The words whose centre lies inside `zona`, in reading order.
    QString TextoEn(const QRectF& zona) const;
};

// A rectangle by its edges, for expectations written as the layouts give them.
inline QRectF Zona(qreal l, qreal t, qreal r, qreal b) { return QRectF(QPointF(l, t), QPointF(r, b)); }

// True when `dentro` lies inside `fuera`, allowing `holgura` units for font side bearings.
bool DentroDe(const QRectF& dentro, const QRectF& fuera, qreal holgura = 3);
