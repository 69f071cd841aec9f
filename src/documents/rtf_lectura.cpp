// The RTF reader: one forward pass over the bytes with an explicit group stack, so no input
// can recurse, loop or read past its end.
#include <QColor>
#include <QHash>
#include <QImage>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <memory>
#include <set>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "documents/rtf.h"
#include "documents/rtf_palabras.h"
#include "util/cp1252.h"

namespace {

using namespace rtf;

// Deeper groups are only counted: their formatting goes to the deepest stored one.
constexpr size_t kProfundidadMaxima = 512;
constexpr int kFallbackMaximo = 16;

enum class Destino : quint8 { Texto, Saltar, Fuentes, Colores, Imagen };
enum class TipoImagen : quint8 { Ninguna, Png, Jpeg, Otra };

struct Formato {
    bool negrita = false, cursiva = false, subrayado = false, tachado = false;
    int fuente = -1;   // -1: the default font (\deff)
    int medios = 24;   // half points
    int color = 0;
    bool operator==(const Formato&) const = default;
};

struct Estado {
    Destino destino = Destino::Texto;
    Formato formato;
    int uc = 1;
    Qt::Alignment alineacion = Qt::AlignLeft;
    bool saltoAntes = false;   // \pagebb
};

struct Fuente {
    QString nombre;
    int codigo = 0;   // code page; 0: the document's
};

struct Imagen {
    TipoImagen tipo = TipoImagen::Ninguna;
    QByteArray hex, binario;
    int ancho = 0, alto = 0, anchoMeta = 0, altoMeta = 0, escalaX = 100, escalaY = 100;
};

class Lector {
public:
    Lector(QByteArrayView datos, QTextDocument& documento)
        : m_p(datos.constData()), m_fin(datos.constData() + datos.size()), m_doc(documento), m_cursor(&documento)
    {
        m_pila.reserve(64);
        m_pila.push_back(Estado{});
    }

    std::set<QString> Leer();

private:
    Estado& E() { return m_pila.back(); }
    void AbrirGrupo();
    void CerrarGrupo();
    void PalabraDeControl();
    void Simbolo(char c);
    void Ejecutar(Palabra w, bool hayNumero, int n);
    void Destinar(Destino d);
    bool Saltando();
    // Control characters other than a tab are no text in RTF.
    void Byte(char c) { if (!Saltando() && (uchar(c) >= 0x20 || c == '\t')) m_bytes.append(c); }
    void Texto(const QString& s);
    void VolcarBytes();
    void VolcarTexto();
    void FinParrafo(bool salto, bool otro = true);
    void FinDestino(const Estado& saliente);
    void FinFuente();
    void InsertarImagen();
    int CodigoActual() const;
    QString Decodificar(const QByteArray& bytes, int codigo);
    QTextCharFormat FormatoTexto(const Formato& f);

    const char* m_p;
    const char* const m_fin;
    QTextDocument& m_doc;
    QTextCursor m_cursor;
    std::vector<Estado> m_pila;
    size_t m_exceso = 0;        // groups opened beyond kProfundidadMaxima and not closed yet
    bool m_terminado = false;   // the document's group closed
    bool m_asterisco = false;   // "\*" seen: the next word's group is skipped unless known
    int m_saltar = 0;           // fallback characters of the last \uN still to skip
    QByteArray m_bytes;         // 8-bit text not yet decoded (one code page, one format)
    QString m_pendiente;
    Formato m_formatoPendiente;
    bool m_saltoBloque = false;   // the block being read starts a page
    int m_deff = 0, m_codigoAnsi = 1252;
    QHash<int, Fuente> m_fuentes;
    int m_fuenteDef = -1;
    QString m_nombreFuente;
    std::vector<QColor> m_colores;
    int m_rojo = -1, m_verde = 0, m_azul = 0;
    Imagen m_imagen;
    int m_imagenes = 0;
    QHash<int, std::shared_ptr<QStringDecoder>> m_decodificadores;
    std::set<QString> m_perdido;
};

bool Lector::Saltando()
{
    if (m_saltar <= 0)
        return false;
    --m_saltar;
    return true;
}

std::set<QString> Lector::Leer()
{
    while (m_p < m_fin && !m_terminado) {
        const char c = *m_p;
        if (c == '{') {
            ++m_p;
            AbrirGrupo();
        } else if (c == '}') {
            ++m_p;
            CerrarGrupo();
        } else if (c == '\\') {
            ++m_p;
            if (m_p >= m_fin)
                break;
            if (std::isalpha(uchar(*m_p)))
                PalabraDeControl();
            else
                Simbolo(*m_p++);
        } else if (c == '\r' || c == '\n') {
            ++m_p;
        } else if (E().destino == Destino::Imagen) {
            if (std::isxdigit(uchar(c)))
                m_imagen.hex.append(c);
            ++m_p;
        } else {
            Byte(c);
            ++m_p;
        }
    }
    VolcarBytes();
    if (m_pila.size() > 1 || m_exceso > 0)
        m_perdido.insert(QStringLiteral("el final del documento (el archivo está cortado)"));
    // What a truncated picture or font table held so far is still used.
    while (m_pila.size() > 1)
        CerrarGrupo();
    return m_perdido;
}

void Lector::AbrirGrupo()
{
    VolcarBytes();
    m_saltar = 0;
    if (m_pila.size() >= kProfundidadMaxima)
        ++m_exceso;
    else
        m_pila.push_back(m_pila.back());
}

void Lector::CerrarGrupo()
{
    VolcarBytes();
    m_saltar = 0;
    m_asterisco = false;
    if (m_exceso > 0) {
        --m_exceso;
        return;
    }
    if (m_pila.size() <= 1)
        return;   // a stray "}": nothing to close
    if (m_pila.size() == 2) {
        // The document's group: its last paragraph keeps the formatting it has here, and
        // whatever follows the closing brace is not part of the document.
        VolcarTexto();
        FinParrafo(false, false);
        m_terminado = true;
    }
    const Estado saliente = m_pila.back();
    m_pila.pop_back();
    if (saliente.destino != E().destino)
        FinDestino(saliente);
    else if (saliente.destino == Destino::Fuentes)
        FinFuente();   // "{\f1 Times}" without its ";"
}

void Lector::FinDestino(const Estado& saliente)
{
    if (saliente.destino == Destino::Fuentes)
        FinFuente();
    else if (saliente.destino == Destino::Imagen)
        InsertarImagen();
}

void Lector::PalabraDeControl()
{
    const char* inicio = m_p;
    while (m_p < m_fin && std::isalpha(uchar(*m_p)))
        ++m_p;
    const std::string_view palabra(inicio, size_t(m_p - inicio));
    bool negativo = false, hayNumero = false;
    qint64 n = 0;
    if (m_p < m_fin && *m_p == '-' && m_p + 1 < m_fin && std::isdigit(uchar(m_p[1]))) {
        negativo = true;
        ++m_p;
    }
    while (m_p < m_fin && std::isdigit(uchar(*m_p))) {
        hayNumero = true;
        if (n < 100'000'000'000)
            n = n * 10 + (*m_p - '0');
        ++m_p;
    }
    if (m_p < m_fin && *m_p == ' ')
        ++m_p;
    n = std::clamp<qint64>(negativo ? -n : n, -2'147'483'647, 2'147'483'647);

    const bool asterisco = m_asterisco;
    m_asterisco = false;
    const auto it = palabra.size() <= 32 ? Palabras().find(palabra) : Palabras().end();
    const bool conocida = it != Palabras().end();
    if (conocida && it->second == Palabra::Bin) {
        // The data is raw bytes whatever the state; never past the end of the file.
        VolcarBytes();
        const qint64 largo = std::max<qint64>(0, n);
        if (largo > m_fin - m_p) {
            m_perdido.insert(QStringLiteral("el final del documento (el archivo está cortado)"));
            m_p = m_fin;
            return;
        }
        if (E().destino == Destino::Imagen)
            m_imagen.binario.append(m_p, largo);
        m_p += largo;
        return;
    }
    if (m_saltar > 0) {
        --m_saltar;   // a control word standing as the fallback of \uN
        return;
    }
    VolcarBytes();
    if (asterisco && (!conocida || it->second != Palabra::ShpPict)) {
        // Destinations behind "\*" are optional: skipped, whether we know them or not.
        Destinar(Destino::Saltar);
        return;
    }
    if (conocida)
        Ejecutar(it->second, hayNumero, int(n));
}

void Lector::Simbolo(char c)
{
    switch (c) {
    case '\'': {
        if (m_fin - m_p < 2) {
            m_p = m_fin;
            return;
        }
        const QByteArray hex(m_p, 2);
        m_p += 2;
        bool ok = false;
        const int b = hex.toInt(&ok, 16);
        if (ok && E().destino == Destino::Imagen)
            return;
        if (ok)
            Byte(char(b));
        return;
    }
    case '*': m_asterisco = true; return;
    case '\\': case '{': case '}':
        Byte(c);
        return;
    case '\r': case '\n':
        if (!Saltando()) {
            VolcarBytes();
            FinParrafo(false);
        }
        return;
    }
    if (Saltando())
        return;
    VolcarBytes();
    switch (c) {
    case '~': Texto(QString(QChar(0x00A0))); break;
    case '_': Texto(QString(QChar(0x2011))); break;
    case '-': break;   // optional hyphen
    case '\t': Texto(QStringLiteral("\t")); break;
    default: break;
    }
}

void Lector::Destinar(Destino d)
{
    // Inside a skipped destination everything stays skipped.
    if (E().destino == Destino::Saltar)
        return;
    E().destino = d;
}

void Lector::Ejecutar(Palabra w, bool hayNumero, int n)
{
    Estado& e = E();
    Formato& f = e.formato;
    const bool activo = !hayNumero || n != 0;
    switch (w) {
    case Palabra::Par: case Palabra::Row: case Palabra::Sect: FinParrafo(false); break;
    case Palabra::Page: FinParrafo(true); break;
    case Palabra::Line: Texto(QString(QChar(QChar::LineSeparator))); break;
    case Palabra::Tab: case Palabra::Cell: Texto(QStringLiteral("\t")); break;
    case Palabra::Trowd: m_perdido.insert(QStringLiteral("la disposición de las tablas (se conserva su texto)")); break;
    case Palabra::U: {
        if (!hayNumero)
            break;
        Texto(QString(QChar(char16_t(std::clamp(n < 0 ? n + 65536 : n, 0, 65535)))));
        m_saltar = e.uc;
        break;
    }
    case Palabra::Uc: e.uc = std::clamp(n, 0, kFallbackMaximo); break;
    case Palabra::B: f.negrita = activo; break;
    case Palabra::I: f.cursiva = activo; break;
    case Palabra::Ul: f.subrayado = activo; break;
    case Palabra::UlNone: f.subrayado = false; break;
    case Palabra::Strike: f.tachado = activo; break;
    case Palabra::F:
        if (e.destino == Destino::Fuentes) {
            FinFuente();
            m_fuenteDef = n;
            m_fuentes[n];
        } else {
            f.fuente = n;
        }
        break;
    case Palabra::Fs: if (hayNumero) f.medios = std::clamp(n, 2, 3276); break;
    case Palabra::Cf: f.color = n; break;
    case Palabra::Plain: f = Formato{}; break;
    case Palabra::Pard: e.alineacion = Qt::AlignLeft; e.saltoAntes = false; break;
    case Palabra::Ql: e.alineacion = Qt::AlignLeft; break;
    case Palabra::Qr: e.alineacion = Qt::AlignRight; break;
    case Palabra::Qc: e.alineacion = Qt::AlignHCenter; break;
    case Palabra::Qj: e.alineacion = Qt::AlignJustify; break;
    case Palabra::PageBb: e.saltoAntes = activo; break;
    case Palabra::Deff: m_deff = n; break;
    case Palabra::AnsiCpg: if (n > 0) m_codigoAnsi = n; break;
    case Palabra::Mac: m_codigoAnsi = 10000; break;
    case Palabra::Pc: m_codigoAnsi = 437; break;
    case Palabra::Pca: m_codigoAnsi = 850; break;
    case Palabra::FCharset:
        if (e.destino == Destino::Fuentes && m_fuenteDef >= 0)
            m_fuentes[m_fuenteDef].codigo = CodigoDeCharset(n);
        break;
    case Palabra::Red: m_rojo = std::clamp(n, 0, 255); break;
    case Palabra::Green: m_verde = std::clamp(n, 0, 255); if (m_rojo < 0) m_rojo = 0; break;
    case Palabra::Blue: m_azul = std::clamp(n, 0, 255); if (m_rojo < 0) m_rojo = 0; break;
    case Palabra::FontTbl: Destinar(Destino::Fuentes); break;
    case Palabra::ColorTbl: Destinar(Destino::Colores); m_colores.clear(); break;
    case Palabra::Saltar: Destinar(Destino::Saltar); break;
    case Palabra::Cabecera:
        if (e.destino != Destino::Saltar)
            m_perdido.insert(QStringLiteral("los encabezados y pies de página"));
        Destinar(Destino::Saltar);
        break;
    case Palabra::Nota:
        if (e.destino != Destino::Saltar)
            m_perdido.insert(QStringLiteral("las notas al pie"));
        Destinar(Destino::Saltar);
        break;
    case Palabra::Pict:
        if (e.destino == Destino::Texto) {
            m_imagen = Imagen{};
            e.destino = Destino::Imagen;
        } else {
            Destinar(Destino::Saltar);
        }
        break;
    case Palabra::PngBlip: m_imagen.tipo = TipoImagen::Png; break;
    case Palabra::JpegBlip: m_imagen.tipo = TipoImagen::Jpeg; break;
    case Palabra::Metarchivo: case Palabra::MapaBits: m_imagen.tipo = TipoImagen::Otra; break;
    case Palabra::PicW: m_imagen.ancho = n; break;
    case Palabra::PicH: m_imagen.alto = n; break;
    case Palabra::PicWGoal: m_imagen.anchoMeta = n; break;
    case Palabra::PicHGoal: m_imagen.altoMeta = n; break;
    case Palabra::PicScaleX: m_imagen.escalaX = std::clamp(n, 1, 1000); break;
    case Palabra::PicScaleY: m_imagen.escalaY = std::clamp(n, 1, 1000); break;
    case Palabra::ShpPict: break;
    case Palabra::EmDash: Texto(QString(QChar(0x2014))); break;
    case Palabra::EnDash: Texto(QString(QChar(0x2013))); break;
    case Palabra::Bullet: Texto(QString(QChar(0x2022))); break;
    case Palabra::LQuote: Texto(QString(QChar(0x2018))); break;
    case Palabra::RQuote: Texto(QString(QChar(0x2019))); break;
    case Palabra::LDblQuote: Texto(QString(QChar(0x201C))); break;
    case Palabra::RDblQuote: Texto(QString(QChar(0x201D))); break;
    case Palabra::Bin: break;
    }
}

int Lector::CodigoActual() const
{
    const Formato& f = m_pila.back().formato;
    const auto it = m_fuentes.constFind(f.fuente < 0 ? m_deff : f.fuente);
    return it != m_fuentes.constEnd() && it->codigo != 0 ? it->codigo : m_codigoAnsi;
}

QString Lector::Decodificar(const QByteArray& bytes, int codigo)
{
    if (codigo == 1252)
        return DesdeCp1252(bytes);
    auto& d = m_decodificadores[codigo];
    if (!d)
        d = std::make_shared<QStringDecoder>(NombreCodigo(codigo).constData());
    if (!d->isValid())
        return DesdeCp1252(bytes);
    QString r = d->decode(bytes);
    d->resetState();
    return r;
}

void Lector::VolcarBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QByteArray b = std::exchange(m_bytes, {});
    // Bytes below 0x80 read the same in every code page we decode.
    bool ascii = true;
    for (char c : b)
        ascii = ascii && uchar(c) < 0x80;
    Texto(ascii ? QString::fromLatin1(b) : Decodificar(b, CodigoActual()));
}

void Lector::Texto(const QString& s)
{
    switch (E().destino) {
    case Destino::Texto:
        if (!m_pendiente.isEmpty() && !(m_formatoPendiente == E().formato))
            VolcarTexto();
        m_formatoPendiente = E().formato;
        m_pendiente += s;
        break;
    case Destino::Fuentes:
        for (QChar c : s) {
            if (c == u';')
                FinFuente();
            else
                m_nombreFuente += c;
        }
        break;
    case Destino::Colores:
        for (QChar c : s)
            if (c == u';') {
                m_colores.push_back(m_rojo < 0 ? QColor() : QColor(m_rojo, m_verde, m_azul));
                m_rojo = -1;
                m_verde = m_azul = 0;
            }
        break;
    case Destino::Saltar: case Destino::Imagen: break;
    }
}

void Lector::FinFuente()
{
    if (m_fuenteDef >= 0) {
        const QString nombre = m_nombreFuente.trimmed();
        if (!nombre.isEmpty())
            m_fuentes[m_fuenteDef].nombre = nombre;
    }
    m_nombreFuente.clear();
    m_fuenteDef = -1;
}

QTextCharFormat Lector::FormatoTexto(const Formato& f)
{
    QTextCharFormat r;
    r.setFontWeight(f.negrita ? QFont::Bold : QFont::Normal);
    r.setFontItalic(f.cursiva);
    r.setFontUnderline(f.subrayado);
    r.setFontStrikeOut(f.tachado);
    r.setFontPointSize(f.medios / 2.0);
    const auto fuente = m_fuentes.constFind(f.fuente < 0 ? m_deff : f.fuente);
    if (fuente != m_fuentes.constEnd() && !fuente->nombre.isEmpty())
        r.setFontFamilies({fuente->nombre});
    if (f.color > 0 && size_t(f.color) < m_colores.size() && m_colores[size_t(f.color)].isValid())
        r.setForeground(m_colores[size_t(f.color)]);
    return r;
}

void Lector::VolcarTexto()
{
    if (m_pendiente.isEmpty())
        return;
    m_cursor.insertText(m_pendiente, FormatoTexto(m_formatoPendiente));
    m_pendiente.clear();
}

void Lector::FinParrafo(bool salto, bool otro)
{
    if (E().destino != Destino::Texto)
        return;
    VolcarTexto();
    QTextBlockFormat b;
    b.setAlignment(E().alineacion);
    if (m_saltoBloque || E().saltoAntes)
        b.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    m_cursor.setBlockFormat(b);
    m_cursor.setBlockCharFormat(FormatoTexto(E().formato));
    // The closing call at the end of the file only formats the last block.
    if (otro) {
        m_cursor.insertBlock();
        m_saltoBloque = salto;
    }
}

void Lector::InsertarImagen()
{
    const Imagen im = std::exchange(m_imagen, {});
    if (im.tipo == TipoImagen::Otra) {
        m_perdido.insert(QStringLiteral("las imágenes que no son PNG ni JPEG (metarchivos, mapas de bits)"));
        return;
    }
    if (im.tipo == TipoImagen::Ninguna)
        return;
    const QByteArray datos = im.binario.isEmpty() ? QByteArray::fromHex(im.hex) : im.binario;
    QImage imagen;
    if (!imagen.loadFromData(datos, im.tipo == TipoImagen::Png ? "PNG" : "JPEG")) {
        m_perdido.insert(QStringLiteral("las imágenes dañadas"));
        return;
    }
    VolcarTexto();
    const QString nombre = QStringLiteral("rtf-imagen-%1").arg(++m_imagenes);
    m_doc.addResource(QTextDocument::ImageResource, QUrl(nombre), imagen);
    QTextImageFormat f;
    f.setName(nombre);
    // Twips at 96 pixels an inch: 15 twips a pixel.
    const double ancho = im.anchoMeta > 0 ? im.anchoMeta / 15.0 : imagen.width();
    const double alto = im.altoMeta > 0 ? im.altoMeta / 15.0 : imagen.height();
    f.setWidth(ancho * im.escalaX / 100.0);
    f.setHeight(alto * im.escalaY / 100.0);
    m_cursor.insertImage(f);
}

}  // namespace

QString LecturaRtf::Aviso() const
{
    if (perdido.isEmpty())
        return {};
    return QStringLiteral("El editor no conserva parte de este documento: %1. Si lo guarda, "
                          "eso no estará en el archivo nuevo.").arg(perdido.join(QStringLiteral("; ")));
}

LecturaRtf LeerRtf(const QByteArray& datos, QTextDocument& documento)
{
    const bool undo = documento.isUndoRedoEnabled();
    documento.setUndoRedoEnabled(false);
    documento.clear();
    LecturaRtf r;
    qsizetype inicio = datos.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (inicio < datos.size() && std::isspace(uchar(datos[inicio])))
        ++inicio;
    r.esRtf = QByteArrayView(datos).sliced(inicio).startsWith("{\\rtf");
    if (!r.esRtf) {
        documento.setPlainText(rtf::TextoPlano(datos));
    } else {
        Lector lector(QByteArrayView(datos).sliced(inicio), documento);
        for (const QString& s : lector.Leer())
            r.perdido << s;
    }
    documento.setUndoRedoEnabled(undo);
    documento.setModified(false);
    return r;
}

QString TextoPorParrafos(const QTextDocument& documento)
{
    QString r;
    const QTextBlock ultimo = documento.lastBlock();
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
        if (b == ultimo && b.length() <= 1)
            break;
        if (b != documento.begin() && b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            r += u'\f';
        QString t = b.text();
        t.replace(QChar(QChar::LineSeparator), u'\n');
        t.remove(QChar(QChar::ObjectReplacementCharacter));
        r += t;
        r += u'\n';
    }
    return r;
}
