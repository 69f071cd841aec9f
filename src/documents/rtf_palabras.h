#pragma once
// The RTF reader's vocabulary: the control words it acts on and the code pages fonts name.
#include <QByteArray>
#include <QString>
#include <string_view>
#include <unordered_map>

namespace rtf {

enum class Palabra {
    Par, Line, Tab, Page, Sect, Cell, Row, Trowd, U, Uc, Bin,
    B, I, Ul, UlNone, Strike, F, Fs, Cf, Plain, Pard, Ql, Qr, Qc, Qj, PageBb,
    Deff, AnsiCpg, Mac, Pc, Pca, FCharset, Red, Green, Blue,
    FontTbl, ColorTbl, Saltar, Cabecera, Nota, Pict, PngBlip, JpegBlip, Metarchivo, MapaBits,
    PicW, PicH, PicWGoal, PicHGoal, PicScaleX, PicScaleY, ShpPict,
    EmDash, EnDash, Bullet, LQuote, RQuote, LDblQuote, RDblQuote,
};

// Every control word the reader acts on (others are ignored).
const std::unordered_map<std::string_view, Palabra>& Palabras();
// The code page a font's \fcharset stands for; 0 for the document's own.
int CodigoDeCharset(int charset);
// The name QStringDecoder knows a Windows code page by.
QByteArray NombreCodigo(int codigo);
// A file that is not RTF: UTF-8 when it decodes as such, else code page 1252.
QString TextoPlano(const QByteArray& datos);

}  // namespace rtf
