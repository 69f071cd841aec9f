// Our RTF reader and writer: what a document keeps through a file, what other programs' files
// give, and malformed input that must end quickly and keep what it can.
#include <gtest/gtest.h>

#include <QColor>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <random>

#include "documents/rtf.h"
#include "lector_rtf.h"

namespace {

QString Leer(const QByteArray& rtf, LecturaRtf* lectura = nullptr)
{
    QTextDocument doc;
    const LecturaRtf l = LeerRtf(rtf, doc);
    if (lectura)
        *lectura = l;
    return TextoPorParrafos(doc);
}

// The character format at the first character of `trozo`.
QTextCharFormat FormatoEn(const QTextDocument& doc, const QString& trozo)
{
    const int pos = int(doc.toPlainText().indexOf(trozo));
    EXPECT_GE(pos, 0) << trozo.toStdString();
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(pos + 1);
    return c.charFormat();
}

QByteArray Recurso(const char* nombre)
{
    QFile f(QStringLiteral(RENTIVA_SOURCE_DIR "/tests/documents/recursos/") + QLatin1String(nombre));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << nombre;
    return f.readAll();
}

}  // namespace

TEST(RtfTest, EveryFormatSurvivesWritingAndReading)
{
    const QString raro = QStringLiteral("Peña € Ştefan {llaves} \\barra\\ «ñ»\tfin");
    QTextDocument doc;
    QTextCursor c(&doc);
    struct Caso {
        QString texto;
        bool negrita, cursiva, subrayado, tachado;
        QString cara;
        double puntos;
        QColor color;
        Qt::Alignment alineacion;
        bool pagina;
    } casos[] = {
        {raro, false, false, false, false, "Arial", 12, QColor(), Qt::AlignLeft, false},
        {"negrita", true, false, false, false, "Times New Roman", 14, QColor(200, 0, 0), Qt::AlignRight, false},
        {"cursiva", false, true, false, false, "Courier New", 9, QColor(0, 128, 0), Qt::AlignHCenter, true},
        {"subrayado", false, false, true, true, "Arial", 36, QColor(), Qt::AlignJustify, false},
        {QStringLiteral("línea\u2028otra"), true, true, true, false, "Arial", 12, QColor(), Qt::AlignLeft, true},
    };
    bool primero = true;
    for (const Caso& k : casos) {
        if (!primero) {
            QTextBlockFormat b;
            b.setAlignment(k.alineacion);
            if (k.pagina)
                b.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            c.insertBlock(b);
        } else {
            QTextBlockFormat b;
            b.setAlignment(k.alineacion);
            c.setBlockFormat(b);
        }
        primero = false;
        QTextCharFormat f;
        f.setFontWeight(k.negrita ? QFont::Bold : QFont::Normal);
        f.setFontItalic(k.cursiva);
        f.setFontUnderline(k.subrayado);
        f.setFontStrikeOut(k.tachado);
        f.setFontFamilies({k.cara});
        f.setFontPointSize(k.puntos);
        if (k.color.isValid())
            f.setForeground(k.color);
        c.insertText(k.texto, f);
    }
    QImage imagen(4, 3, QImage::Format_RGB32);
    imagen.fill(QColor(10, 20, 30));
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("mem:logo")), imagen);
    QTextImageFormat fi;
    fi.setName(QStringLiteral("mem:logo"));
    fi.setWidth(40);
    fi.setHeight(30);
    c.insertImage(fi);

    const QByteArray rtf = EscribirRtf(doc);
    for (char ch : rtf)
        ASSERT_LT(uchar(ch), 0x80) << "our RTF is 7-bit ASCII";
    bool equilibrado = false;
    EXPECT_TRUE(TextoDeRtf(rtf, &equilibrado).contains(raro));
    EXPECT_TRUE(equilibrado);

    QTextDocument leido;
    const LecturaRtf l = LeerRtf(rtf, leido);
    EXPECT_TRUE(l.esRtf);
    EXPECT_TRUE(l.perdido.isEmpty()) << l.Aviso().toStdString();
    ASSERT_EQ(leido.blockCount(), doc.blockCount());
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.texto.toStdString());
        const QString primera = k.texto.section(QChar(QChar::LineSeparator), 0, 0);
        const QTextCharFormat f = FormatoEn(leido, primera);
        EXPECT_EQ(f.fontWeight() == QFont::Bold, k.negrita);
        EXPECT_EQ(f.fontItalic(), k.cursiva);
        EXPECT_EQ(f.fontUnderline(), k.subrayado);
        EXPECT_EQ(f.fontStrikeOut(), k.tachado);
        EXPECT_EQ(f.fontFamilies().toStringList().value(0), k.cara);
        EXPECT_DOUBLE_EQ(f.fontPointSize(), k.puntos);
        EXPECT_EQ(f.foreground().style() != Qt::NoBrush, k.color.isValid());
        if (k.color.isValid()) {
            EXPECT_EQ(f.foreground().color(), k.color);
        }
        const QTextBlock b = leido.findBlock(int(leido.toPlainText().indexOf(primera)));
        EXPECT_EQ(b.text().section(QChar(QChar::ObjectReplacementCharacter), 0, 0), k.texto);
        EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, k.alineacion);
        EXPECT_EQ(bool(b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore), k.pagina);
    }
    // The picture: same pixels, same size on the page.
    const QTextBlock ultimo = leido.lastBlock();
    QTextCursor ci(&leido);
    ci.setPosition(ultimo.position() + ultimo.length() - 1);
    ASSERT_TRUE(ci.charFormat().isImageFormat());
    const QTextImageFormat li = ci.charFormat().toImageFormat();
    EXPECT_DOUBLE_EQ(li.width(), 40);
    EXPECT_DOUBLE_EQ(li.height(), 30);
    const QImage vuelta = leido.resource(QTextDocument::ImageResource, QUrl(li.name())).value<QImage>();
    ASSERT_EQ(vuelta.size(), imagen.size());
    EXPECT_EQ(vuelta.pixelColor(2, 1), QColor(10, 20, 30));

    EXPECT_EQ(TextoPorParrafos(leido), raro + "\nnegrita\n\fcursiva\nsubrayado\n\flínea\notra\n");
}

TEST(RtfTest, HandWrittenFilesDecodeAsAWordProcessorShowsThem)
{
    const struct {
        const char* rtf;
        QString texto;
    } casos[] = {
        // \uN with no fallback, with two fallback bytes, and the \'xx fallback of \uc1.
        {"{\\rtf1\\ansi\\uc0 Pe\\u241 a}", QStringLiteral("Peña\n")},
        {"{\\rtf1\\ansi{\\uc2 \\u8364\\'80\\'80 y \\u-32767??}x}", QStringLiteral("€ y \u8001x\n")},
        {"{\\rtf1\\ansi\\u350\\'de\\'f1}", QStringLiteral("Şñ\n")},
        // A fallback never reaches past the group of its \uN.
        {"{\\rtf1\\ansi{\\uc3\\u8364}abc}", QStringLiteral("€abc\n")},
        // Code pages: the document's, and a font's charset.
        {"{\\rtf1\\ansi\\ansicpg1252 \\'80 \\'e1}", QStringLiteral("€ á\n")},
        {"{\\rtf1\\ansi\\ansicpg1251 \\'c4\\'e0}", QStringLiteral("Да\n")},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset162 Arial TUR;}}\\f1 \\'de\\f0 \\'de}",
         QStringLiteral("ŞÞ\n")},
        // Optional destinations are skipped, known or not; unknown words are ignored.
        {"{\\rtf1{\\*\\generator Foo 1.0;}{\\*\\unknown {x}y}{\\info{\\title T}}a\\zzz\\qq7 b}", QStringLiteral("ab\n")},
        {"{\\rtf1 a{\\*\\bkmkstart x}b{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt enlace}}}",
         QStringLiteral("abenlace\n")},
        // \bin data is raw, braces and backslashes included.
        {"{\\rtf1 a{\\*\\blob\\bin5 }}\\{x}b}", QStringLiteral("ab\n")},
        // Paragraphs, lines, page breaks, symbols.
        {"{\\rtf1 uno\\par dos\\line tres\\page cuatro\\tab\\~\\emdash\\ldblquote\\par}",
         QStringLiteral("uno\ndos\ntres\n\fcuatro\t\u00A0\u2014\u201C\n")},
        {"{\\rtf1 uno\\\r\ndos\\par\\pard\\pagebb tres}", QStringLiteral("uno\ndos\n\ftres\n")},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.rtf);
        EXPECT_EQ(Leer(k.rtf), k.texto);
    }
}

TEST(RtfTest, WhatTheReaderDropsIsNamed)
{
    const struct {
        const char* rtf;
        QString texto;
        QString perdido;   // a piece of the warning; empty: none
    } casos[] = {
        {"{\\rtf1{\\header Cabecera}Cuerpo{\\footer Pie}}", "Cuerpo\n", "encabezados y pies"},
        {"{\\rtf1 A{\\pict\\wmetafile8\\picw10\\pich10 0102}B}", "AB\n", "metarchivos"},
        {"{\\rtf1\\trowd\\cellx100\\cellx200 a\\cell b\\cell\\row c}", "a\tb\t\nc\n", "tablas"},
        {"{\\rtf1 Texto{\\footnote nota}}", "Texto\n", "notas al pie"},
        {"{\\rtf1 A{\\pict\\pngblip 0102}B}", "AB\n", "dañadas"},
        {"{\\rtf1 Cortado\\par y m", "Cortado\ny m\n", "cortado"},
        {"{\\rtf1{\\*\\shppict{\\pict\\pngblip 00}}{\\nonshppict{\\pict\\wmetafile8 00}}}", "", "dañadas"},
        {"{\\rtf1 Bien}", "Bien\n", ""},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.rtf);
        LecturaRtf l;
        EXPECT_EQ(Leer(k.rtf, &l), k.texto);
        if (k.perdido.isEmpty()) {
            EXPECT_TRUE(l.Aviso().isEmpty());
        } else {
            EXPECT_EQ(l.perdido.size(), 1) << l.Aviso().toStdString();
            EXPECT_TRUE(l.Aviso().contains(k.perdido)) << l.Aviso().toStdString();
        }
    }
}

TEST(RtfTest, AFileNotStartingAsRtfOpensAsPlainText)
{
    QTextDocument doc;
    EXPECT_FALSE(LeerRtf("Hola {\\b no}\nadi\xc3\xb3s", doc).esRtf);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("Hola {\\b no}\nadiós"));
    EXPECT_FALSE(LeerRtf("Espa\xf1" "a \x80", doc).esRtf);   // not UTF-8: code page 1252
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("España €"));
    EXPECT_TRUE(LeerRtf("\xEF\xBB\xBF  {\\rtf1 x}", doc).esRtf);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("x"));
}

TEST(RtfTest, AWordProcessorsFileKeepsItsTextAndFormats)
{
    // The shape of what LibreOffice Writer saves: style sheet, info, page styles, \loch\hich,
    // \u with \'xx fallbacks, a \pagebb paragraph and a PNG inside \*\shppict.
    QTextDocument doc;
    const LecturaRtf l = LeerRtf(Recurso("writer.rtf"), doc);
    EXPECT_TRUE(l.perdido.isEmpty()) << l.Aviso().toStdString();
    EXPECT_EQ(TextoPorParrafos(doc), QStringLiteral("Estimado _Nombre_Inquilino_:\n"
                                                    "Le comunicamos la renta de 600,00 € (Ştefan, «Peña»).\n"
                                                    "\fSegunda página\n\n"));
    const QTextCharFormat campo = FormatoEn(doc, QStringLiteral("_Nombre"));
    EXPECT_EQ(campo.fontWeight(), QFont::Bold);
    EXPECT_TRUE(campo.fontUnderline());
    EXPECT_EQ(campo.fontFamilies().toStringList().value(0), QStringLiteral("Liberation Serif"));
    EXPECT_DOUBLE_EQ(campo.fontPointSize(), 12);
    EXPECT_EQ(FormatoEn(doc, QStringLiteral("Estimado")).fontWeight(), QFont::Normal);
    EXPECT_EQ(FormatoEn(doc, QStringLiteral("600")).foreground().color(), QColor(0xc9, 0x21, 0x1e));
    EXPECT_EQ(doc.findBlock(int(doc.toPlainText().indexOf(u"Le comunicamos"))).blockFormat().alignment() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignJustify);
    QTextCursor c(&doc);
    c.setPosition(int(doc.toRawText().indexOf(QChar(QChar::ObjectReplacementCharacter))) + 1);
    ASSERT_TRUE(c.charFormat().isImageFormat());
    EXPECT_EQ(doc.resource(QTextDocument::ImageResource, QUrl(c.charFormat().toImageFormat().name()))
                  .value<QImage>().size(), QSize(2, 2));
}

TEST(RtfTest, MalformedInputEndsQuicklyAndKeepsWhatItCan)
{
    // A hang or a recursion would show here; the bound is far above the milliseconds needed.
    QElapsedTimer reloj;
    reloj.start();

    const QByteArray abiertos = QByteArray(100'000, '{');
    const QByteArray cerrados = QByteArray(100'000, '}');
    EXPECT_EQ(Leer("{\\rtf1 a" + abiertos + "\\b hondo" + cerrados + " z}"), QStringLiteral("ahondo z\n"));
    LecturaRtf l;
    EXPECT_EQ(Leer("{\\rtf1 a" + abiertos + "b", &l), QStringLiteral("ab\n"));
    EXPECT_TRUE(l.Aviso().contains(u"cortado"));
    EXPECT_EQ(Leer("{\\rtf1 a" + cerrados + "b"), QStringLiteral("a\n"));

    // \bin past the end, numbers past any range, a backslash or \' as the last byte.
    EXPECT_EQ(Leer("{\\rtf1 a\\bin999999999999 xyz", &l), QStringLiteral("a\n"));
    EXPECT_TRUE(l.Aviso().contains(u"cortado"));
    EXPECT_EQ(Leer("{\\rtf1 a\\bin-5 b\\uc99999999999\\u99999999999 c\\fs-9999999999 d}"), QStringLiteral("ab\uFFFF\n"));
    for (const char* fin : {"{\\rtf1 a\\", "{\\rtf1 a\\'", "{\\rtf1 a\\'4", "{\\rtf1 a\\u", "{\\rtf1 a{\\*"})
        EXPECT_EQ(Leer(fin), QStringLiteral("a\n")) << fin;

    // Every prefix of a real file reads without failing, and the whole one reads whole.
    const QByteArray entero = Recurso("writer.rtf");
    for (qsizetype n = 0; n <= entero.size(); ++n)
        Leer(entero.left(n));
    EXPECT_TRUE(Leer(entero).startsWith(u"Estimado"));

    // Random bytes after the header.
    std::mt19937 azar(24);
    const char alfabeto[] = "{}\\\\\\'*ubinpar0123456789 -;abcdef\r\n\x80\xff";
    for (int vez = 0; vez < 200; ++vez) {
        QByteArray ruido = "{\\rtf1 ";
        for (int i = 0; i < 2000; ++i)
            ruido += alfabeto[azar() % (sizeof alfabeto - 1)];
        Leer(ruido);
    }
    EXPECT_LT(reloj.elapsed(), 20'000);
}

TEST(RtfTest, AFileSavedByLibreOfficeKeepsItsTextAndFormats)
{
    // Made by soffice --convert-to rtf from a small page: a bold underlined field, a coloured
    // amount, a justified paragraph with a PNG, a page break and an italic line.
    QTextDocument doc;
    LeerRtf(Recurso("libreoffice.rtf"), doc);
    const QString texto = TextoPorParrafos(doc);
    EXPECT_TRUE(texto.startsWith(QStringLiteral("Estimado _Nombre_Inquilino_:\n"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("600,00 € (Ştefan, «Peña»)."))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("\fSegunda página"))) << texto.toStdString();
    const QTextCharFormat campo = FormatoEn(doc, QStringLiteral("_Nombre"));
    EXPECT_EQ(campo.fontWeight(), QFont::Bold);
    EXPECT_TRUE(campo.fontUnderline());
    EXPECT_DOUBLE_EQ(campo.fontPointSize(), 12);
    EXPECT_EQ(FormatoEn(doc, QStringLiteral("Estimado")).fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatoEn(doc, QStringLiteral("Segunda")).fontItalic());
    EXPECT_EQ(FormatoEn(doc, QStringLiteral("600")).foreground().color(), QColor(0xc9, 0x21, 0x1e));
    EXPECT_EQ(doc.findBlock(int(doc.toPlainText().indexOf(u"Le comunicamos"))).blockFormat().alignment() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignJustify);
    EXPECT_TRUE(doc.toRawText().contains(QChar(QChar::ObjectReplacementCharacter)));
}
