#include "documents/rtf_palabras.h"

#include <QStringDecoder>

#include "util/cp1252.h"

namespace rtf {

const std::unordered_map<std::string_view, Palabra>& Palabras()
{
    static const std::unordered_map<std::string_view, Palabra> m = {
        {"par", Palabra::Par}, {"line", Palabra::Line}, {"tab", Palabra::Tab}, {"page", Palabra::Page},
        {"sect", Palabra::Sect}, {"cell", Palabra::Cell}, {"nestcell", Palabra::Cell}, {"row", Palabra::Row},
        {"nestrow", Palabra::Row}, {"trowd", Palabra::Trowd}, {"u", Palabra::U}, {"uc", Palabra::Uc},
        {"bin", Palabra::Bin}, {"b", Palabra::B}, {"i", Palabra::I}, {"ul", Palabra::Ul}, {"uld", Palabra::Ul},
        {"uldb", Palabra::Ul}, {"uldash", Palabra::Ul}, {"ulw", Palabra::Ul}, {"ulth", Palabra::Ul},
        {"ulwave", Palabra::Ul}, {"ulnone", Palabra::UlNone}, {"strike", Palabra::Strike},
        {"f", Palabra::F}, {"fs", Palabra::Fs}, {"cf", Palabra::Cf}, {"plain", Palabra::Plain},
        {"pard", Palabra::Pard}, {"ql", Palabra::Ql}, {"qr", Palabra::Qr}, {"qc", Palabra::Qc},
        {"qj", Palabra::Qj}, {"pagebb", Palabra::PageBb}, {"deff", Palabra::Deff},
        {"ansicpg", Palabra::AnsiCpg}, {"mac", Palabra::Mac}, {"pc", Palabra::Pc}, {"pca", Palabra::Pca},
        {"fcharset", Palabra::FCharset}, {"red", Palabra::Red}, {"green", Palabra::Green},
        {"blue", Palabra::Blue}, {"fonttbl", Palabra::FontTbl}, {"colortbl", Palabra::ColorTbl},
        {"stylesheet", Palabra::Saltar}, {"info", Palabra::Saltar}, {"listtable", Palabra::Saltar},
        {"listoverridetable", Palabra::Saltar}, {"revtbl", Palabra::Saltar}, {"rsidtbl", Palabra::Saltar},
        {"filetbl", Palabra::Saltar}, {"xmlnstbl", Palabra::Saltar}, {"pgdsctbl", Palabra::Saltar},
        {"nonshppict", Palabra::Saltar}, {"objdata", Palabra::Saltar}, {"themedata", Palabra::Saltar},
        {"datastore", Palabra::Saltar}, {"latentstyles", Palabra::Saltar}, {"fldinst", Palabra::Saltar},
        {"colorschememapping", Palabra::Saltar}, {"generator", Palabra::Saltar},
        {"header", Palabra::Cabecera}, {"headerl", Palabra::Cabecera}, {"headerr", Palabra::Cabecera},
        {"headerf", Palabra::Cabecera}, {"footer", Palabra::Cabecera}, {"footerl", Palabra::Cabecera},
        {"footerr", Palabra::Cabecera}, {"footerf", Palabra::Cabecera}, {"footnote", Palabra::Nota},
        {"pict", Palabra::Pict}, {"pngblip", Palabra::PngBlip}, {"jpegblip", Palabra::JpegBlip},
        {"wmetafile", Palabra::Metarchivo}, {"emfblip", Palabra::Metarchivo}, {"macpict", Palabra::Metarchivo},
        {"pmmetafile", Palabra::Metarchivo}, {"dibitmap", Palabra::MapaBits}, {"wbitmap", Palabra::MapaBits},
        {"picw", Palabra::PicW}, {"pich", Palabra::PicH}, {"picwgoal", Palabra::PicWGoal},
        {"pichgoal", Palabra::PicHGoal}, {"picscalex", Palabra::PicScaleX}, {"picscaley", Palabra::PicScaleY},
        {"shppict", Palabra::ShpPict}, {"emdash", Palabra::EmDash}, {"endash", Palabra::EnDash},
        {"bullet", Palabra::Bullet}, {"lquote", Palabra::LQuote}, {"rquote", Palabra::RQuote},
        {"ldblquote", Palabra::LDblQuote}, {"rdblquote", Palabra::RDblQuote},
    };
    return m;
}

int CodigoDeCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return 0;
    }
}

QByteArray NombreCodigo(int codigo)
{
    switch (codigo) {
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "EUC-KR";
    case 950: return "Big5";
    case 874: return "windows-874";
    case 10000: return "macintosh";
    case 437: return "IBM437";
    case 850: return "IBM850";
    default: return "windows-" + QByteArray::number(codigo);
    }
}

QString TextoPlano(const QByteArray& datos)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString r = utf8.decode(datos);
    return utf8.hasError() ? DesdeCp1252(datos) : r;
}

}  // namespace rtf
