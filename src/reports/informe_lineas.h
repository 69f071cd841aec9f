#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

class QPainter;
class QPagedPaintDevice;

// Prints ready-made text lines under a title in a monospaced font: line 0 is the column
// header, repeated on every page; the body lines follow, 50 a page, with page numbers.
class CInformeLineas {
public:
    static constexpr int kLineasPorPagina = 50;

    CInformeLineas(const QStringList& lineas, const QString& titulo);
    virtual ~CInformeLineas() = default;

    // One complete copy; returns the number of pages. `hoy` is the date in the heading.
    int Dibujar(QPainter& p, QPagedPaintDevice& dispositivo,
                const QDate& hoy = QDate::currentDate()) const;
    // One copy to a PDF file (A4), written whole or not at all.
    void APdf(const QString& ruta) const;

    int Paginas() const;

private:
    void DibujarPagina(QPainter& p, int primera, int pagina, const QDate& hoy) const;

    QStringList m_lineas;
    QString m_titulo;
};
