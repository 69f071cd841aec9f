#include "documents/rtf.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

QByteArray EscaparRtf(const QString& texto)
{
    QByteArray r;
    r.reserve(texto.size() + texto.size() / 8);
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto[i].unicode();
        switch (c) {
        case u'\\': r += "\\\\"; break;
        case u'{': r += "\\{"; break;
        case u'}': r += "\\}"; break;
        case u'\t': r += "\\tab "; break;
        case u'\r':
            if (i + 1 < texto.size() && texto[i + 1] == u'\n')
                ++i;
            [[fallthrough]];
        case u'\n': r += "\\par\r\n"; break;
        default:
            if (c >= 0x20 && c < 0x7f)
                r += char(c);
            else if (c >= 0x80)
                // RTF reads N as a signed 16-bit number; surrogate halves go one by one.
                r += "\\u" + QByteArray::number(int(qint16(c))) + '?';
        }
    }
    return r;
}

QByteArray GrupoRtf(const QString& texto)
{
    if (texto.isEmpty())
        return {};
    return "{\\uc1 " + EscaparRtf(texto) + '}';
}

QByteArray DocumentoRtfTexto(const QString& texto, int puntos)
{
    QByteArray r = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                   "{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}\r\n"
                   "\\pard\\plain\\f0\\fs" + QByteArray::number(qMax(1, puntos) * 2) + ' ';
    r += EscaparRtf(texto);
    r += "}\r\n";
    return r;
}

namespace {

// The faces and colours a document uses, numbered as its tables will list them.
struct TablasRtf {
    QStringList caras;
    QList<QRgb> colores;

    int Cara(const QString& cara)
    {
        qsizetype i = caras.indexOf(cara);
        if (i < 0) {
            caras << cara;
            i = caras.size() - 1;
        }
        return int(i);
    }
    // 0 is the automatic colour.
    int Color(const QBrush& b)
    {
        if (b.style() == Qt::NoBrush)
            return 0;
        const QRgb c = b.color().rgb();
        qsizetype i = colores.indexOf(c);
        if (i < 0) {
            colores << c;
            i = colores.size() - 1;
        }
        return int(i) + 1;
    }
};

QString CaraDe(const QTextCharFormat& f, const QString& porDefecto)
{
    const QStringList familias = f.fontFamilies().toStringList();
    return familias.isEmpty() || familias.first().isEmpty() ? porDefecto : familias.first();
}

QByteArray ImagenRtf(const QTextDocument& documento, const QTextImageFormat& f)
{
    const QVariant recurso = documento.resource(QTextDocument::ImageResource, QUrl(f.name()));
    QImage imagen = recurso.value<QImage>();
    if (imagen.isNull() && recurso.typeId() == QMetaType::QByteArray)
        imagen.loadFromData(recurso.toByteArray());
    if (imagen.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!imagen.save(&buffer, "PNG"))
        return {};
    const double ancho = f.width() > 0 ? f.width() : imagen.width();
    const double alto = f.height() > 0 ? f.height() : imagen.height();
    QByteArray r = "{\\pict\\pngblip\\picw" + QByteArray::number(imagen.width()) + "\\pich" +
                   QByteArray::number(imagen.height()) + "\\picwgoal" + QByteArray::number(qRound(ancho * 15)) +
                   "\\pichgoal" + QByteArray::number(qRound(alto * 15)) + "\r\n";
    const QByteArray hex = png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        r += hex.mid(i, 128) + "\r\n";
    return r + '}';
}

QByteArray TrozoRtf(const QTextFragment& trozo, const QTextDocument& documento, TablasRtf& tablas)
{
    const QTextCharFormat f = trozo.charFormat();
    if (f.isImageFormat()) {
        QByteArray r;
        for (qsizetype i = 0; i < trozo.text().size(); ++i)
            r += ImagenRtf(documento, f.toImageFormat());
        return r;
    }
    const QFont base = documento.defaultFont();
    const double puntos = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : base.pointSizeF();
    QByteArray r = "{\\f" + QByteArray::number(tablas.Cara(CaraDe(f, base.family()))) + "\\fs" +
                   QByteArray::number(qMax(2, qRound(puntos * 2)));
    if (f.fontWeight() >= QFont::DemiBold)
        r += "\\b";
    if (f.fontItalic())
        r += "\\i";
    if (f.fontUnderline())
        r += "\\ul";
    if (f.fontStrikeOut())
        r += "\\strike";
    if (const int c = tablas.Color(f.foreground()))
        r += "\\cf" + QByteArray::number(c);
    r += ' ';
    const QStringList lineas = trozo.text().split(QChar(QChar::LineSeparator));
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        if (i > 0)
            r += "\\line ";
        r += EscaparRtf(lineas[i]);
    }
    return r + '}';
}

QByteArray AlineacionRtf(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter)
        return "\\qc";
    if (a & Qt::AlignJustify)
        return "\\qj";
    if (a & Qt::AlignRight)
        return "\\qr";
    return "\\ql";
}

}  // namespace

QByteArray EscribirRtf(const QTextDocument& documento)
{
    TablasRtf tablas;
    tablas.Cara(documento.defaultFont().family());
    QByteArray cuerpo;
    cuerpo.reserve(documento.characterCount() * 2);
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat bf = b.blockFormat();
        cuerpo += "\\pard";
        if (b != documento.begin() && (bf.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore))
            cuerpo += "\\pagebb";
        cuerpo += AlineacionRtf(bf.alignment());
        cuerpo += ' ';
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().isValid())
                cuerpo += TrozoRtf(it.fragment(), documento, tablas);
        if (b.next().isValid())
            cuerpo += "\\par\r\n";
    }
    QByteArray r = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    for (qsizetype i = 0; i < tablas.caras.size(); ++i)
        r += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 " + EscaparRtf(tablas.caras[i]) + ";}";
    r += "}\r\n{\\colortbl;";
    for (QRgb c : tablas.colores)
        r += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue" +
             QByteArray::number(qBlue(c)) + ';';
    r += "}\r\n";
    return r + cuerpo + "}\r\n";
}
