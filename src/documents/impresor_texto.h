#pragma once
// Plain text on paper: a header band with the document's name, the text wrapped at word
// boundaries in a monospaced font, and page numbers at the foot when asked for.
#include <QString>

class QPagedPaintDevice;

class CImpresorTexto {
public:
    static constexpr int kAltoPorDefecto = 10;

    CImpresorTexto(const QString& texto, const QString& titulo, bool numerarPaginas);
    virtual ~CImpresorTexto() = default;

    // The font height in points.
    void PonerAltoLetra(int puntos) { m_alto = puntos; }
    int AltoLetra() const { return m_alto; }
    const QString& Texto() const { return m_texto; }
    // "Rentiva " and the title: the header of every page and the print document's name.
    QString NombreDocumento() const;

    // Draws the text on the device, each page going on after the last character of the one
    // before; a word longer than a line is broken. Returns the pages drawn: none for an
    // empty text (the device is not even opened). Refuses a font so large that not one line
    // fits on the page, and a device that cannot be opened.
    int Imprimir(QPagedPaintDevice& dispositivo) const;

    // The text as an A4 PDF at `ruta`, written beside it and renamed over it when complete.
    // An empty text writes no file and returns 0.
    int APdf(const QString& ruta) const;

private:
    QString m_texto;
    QString m_titulo;
    bool m_numerar;
    int m_alto = kAltoPorDefecto;
};

// Writes `texto` as UTF-8 to `ruta`, replacing the file only once it is complete: a failed
// save keeps the old file. Refuses with " No ha sido posible guardar el fichero".
void GuardarTexto(const QString& ruta, const QString& texto);
