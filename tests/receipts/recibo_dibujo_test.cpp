#include <QImage>
#include <QPainter>

#include "pagina_pdf.h"
#include "recibo_fixture.h"

namespace {

// The band drawn on an image of 0.1 mm pixels.
QImage Pintar(const CImpresionRecibo& r)
{
    return PintarEnImagen(2100, 900, [&r](QPainter& p) { r.DibujarRecibo(p); });
}

int Contar(const QImage& img, const QRect& zona, const QColor& c)
{
    int n = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            n += img.pixelColor(x, y) == c;
    return n;
}

}  // namespace

TEST_F(ReciboTest, ValuesStandInTheirBoxes)
{
    const PaginaPdf pag = PaginaPdf::Recibo(Ejemplo());
    const struct { const char* texto; QRectF caja; } casos[] = {
        {"RECIBO NÚMERO", Zona(365, 35, 730, 65)},
        {"LOCALIDAD DE EXPEDICIÓN", Zona(775, 35, 1600, 65)},
        {"IMPORTE EUROS", Zona(1645, 35, 2000, 65)},
        {"1234", Zona(420, 65, 680, 110)},
        {"MÁLAGA", Zona(700, 65, 1600, 110)},
        {"596,36€", Zona(1400, 65, 1980, 110)},
        {"FECHA DE EXPEDICIÓN", Zona(395, 120, 1165, 150)},
        {"1 DE MARZO DEL 2.005", Zona(350, 150, 1165, 195)},
        {"VENCIMIENTO", Zona(1210, 120, 2000, 150)},
        {"A LA VISTA", Zona(1165, 155, 2000, 200)},
        {"DOMICILIO", Zona(395, 455, 2000, 480)},
        {"Arrendatario:", Zona(370, 590, 1150, 640)},
        {"RUIZ MUÑOZ ANTONIO", Zona(370, 630, 1150, 680)},
        {"D.N.I. 66135277L", Zona(370, 670, 1150, 720)},
        {"Arrendador:", Zona(1190, 590, 2000, 640)},
        {"PÉREZ MORENO SERGIO", Zona(1190, 630, 2000, 680)},
        {"N.I.F. 26216258F", Zona(1190, 670, 2000, 720)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_TRUE(DentroDe(pag.Caja(QString::fromUtf8(c.texto)), c.caja));
    }
    // Number and total right-aligned, town centred.
    EXPECT_NEAR(pag.Caja(QStringLiteral("1234")).right(), 680, 6);
    EXPECT_NEAR(pag.Caja(QStringLiteral("596,36€")).right(), 1980, 6);
    EXPECT_NEAR(pag.Caja(QStringLiteral("MÁLAGA")).center().x(), 1150, 6);
    // Without a database the property line has no street type and the owner no address.
    EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("MAYOR 5 2º B")), Zona(370, 235, 1630, 275)));
    EXPECT_EQ(pag.TextoEn(Zona(1190, 710, 2000, 800)), QString());
    EXPECT_FALSE(pag.Tiene(QStringLiteral("REFERENCIA CATASTRAL")));
}

TEST_F(ReciboTest, NumberCaptionFollowsTheCaptionMode)
{
    const struct { int modo; const char* numero; const char* titulo; } casos[] = {
        {0, "12", "RECIBO NÚMERO"},
        {1, "", "FACTURA NÚMERO"},
        {2, "12", "RECIBO / FACTURA NÚMERO"},
        {3, "", "RECIBO NÚMERO"},
        {3, "12", "FACTURA NÚMERO"},
        {7, "12", "RECIBO NÚMERO"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.modo);
        CImpresionRecibo r = Ejemplo();
        r.ajustes.recibo_factura = c.modo;
        r.texto_numero = QString::fromUtf8(c.numero);
        const PaginaPdf pag = PaginaPdf::Recibo(r);
        EXPECT_EQ(pag.TextoEn(Zona(350, 30, 730, 62)), QString::fromUtf8(c.titulo));
        EXPECT_EQ(pag.TextoEn(Zona(420, 65, 680, 110)), QString::fromUtf8(c.numero));
    }
}

TEST_F(ReciboTest, DueDateFollowsTheDueDateKind)
{
    const struct { int tipo; int dia; const char* otro; const char* texto; } casos[] = {
        {-1, -1, "", "A LA VISTA"},                 // the defaults
        {0, -1, "", "A LA VISTA"},
        {1, -1, "", "6 DE MARZO DEL 2.005"},        // the day defaults to 6
        {1, 15, "", "15 DE MARZO DEL 2.005"},
        {2, -1, "Día 10 de cada mes", "Día 10 de cada mes"},
        {2, -1, "", ""},
        {9, 15, "Otro", "A LA VISTA"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        CImpresionRecibo r = Ejemplo();
        ReglaVencimiento& v = r.ajustes.vencimiento;
        if (c.tipo >= 0)
            v.tipo = c.tipo;
        if (c.dia >= 0)
            v.dia = c.dia;
        v.otro = QString::fromUtf8(c.otro);
        const PaginaPdf pag = PaginaPdf::Recibo(r);
        EXPECT_EQ(pag.TextoEn(Zona(1165, 150, 2000, 200)), QString::fromUtf8(c.texto));
    }
}

TEST_F(ReciboTest, ConceptRowsFollowTheNumberOfAmounts)
{
    // Rows start at 235 + (k - 1) * h; the address takes row s, the amounts the next rows.
    const struct { int n; qreal direccion; qreal ultima; bool total; } casos[] = {
        {0, 275, -1, false},
        {1, 235, 275, false},
        {2, 235, 355, true},
        {4, 196, 391, true},
        {5, 201, 405, true},
        {6, 206, 409, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.n);
        CImpresionRecibo r = Ejemplo();
        r.otro_importe1 = Moneda();
        Moneda* const importes[] = {&r.renta, &r.iva, &r.otro_importe1, &r.otro_importe2,
                                    &r.otro_importe3, &r.irpf};
        for (int i = 0; i < 6; ++i)
            *importes[i] = i < c.n ? Euros(1000 * (i + 1)) : Moneda();
        r.otro_concepto2 = QStringLiteral("BASURAS");
        r.otro_concepto3 = QStringLiteral("GARAJE");
        const PaginaPdf pag = PaginaPdf::Recibo(r);
        EXPECT_NEAR(pag.Caja(QStringLiteral("MAYOR 5 2º B")).top(), c.direccion, 6);
        EXPECT_EQ(pag.Tiene(QStringLiteral("TOTAL")), c.total);
        EXPECT_EQ(pag.Tiene(QStringLiteral("Renta MARZO DEL 2.005")), c.n >= 1);
        if (c.total) {
            const QRectF total = pag.Caja(QStringLiteral("TOTAL"));
            EXPECT_NEAR(total.top(), c.ultima, 6);
            EXPECT_LT(total.bottom(), 450);   // inside the concepts box
        }
    }
}

TEST_F(ReciboTest, NegativeWithholdingPrintsItsSignAndLowersTheTotal)
{
    CImpresionRecibo r = Ejemplo();
    r.otro_importe1 = Moneda();
    r.renta = Euros(100000);
    r.iva = Euros(21000);
    r.irpf = Euros(-19000);
    const PaginaPdf pag = PaginaPdf::Recibo(r);
    const QRectF etiqueta = pag.Caja(QStringLiteral("IRPF"));
    const QRectF importe = pag.Caja(QStringLiteral("-190,00"));
    EXPECT_TRUE(DentroDe(etiqueta, Zona(370, 355, 1630, 395)));
    EXPECT_TRUE(DentroDe(importe, Zona(1630, 355, 1980, 395)));
    EXPECT_NEAR(importe.center().y(), etiqueta.center().y(), 3);
    EXPECT_TRUE(pag.Tiene(QStringLiteral("IVA 21%")));
    EXPECT_TRUE(pag.Tiene(QStringLiteral("1.020,00€")));   // header total
    EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("1.020,00")), Zona(1630, 395, 1980, 435)));
}

TEST_F(ReciboTest, LongTextsAreCutAtTheirBoxes)
{
    // A glyph that straddles an edge shows in part; the reader sees it whole.
    constexpr qreal kGlifo = 40;
    auto fila = [](const PaginaPdf& pag, qreal arriba, qreal abajo, qreal desde) {
        QRectF r;
        for (const Palabra& p : pag.palabras)
            if (p.caja.center().y() > arriba && p.caja.center().y() < abajo && p.caja.left() >= desde)
                r = r.isNull() ? p.caja : r.united(p.caja);
        return r;
    };

    CImpresionRecibo r = Ejemplo();
    r.nom_arrendatario = QStringLiteral("ARRENDATARIO CON UN NOMBRE TAN LARGO QUE NO CABE EN SU "
                                        "RECUADRO NI AUNQUE SE ESCRIBA MUY APRETADO FINALDELNOMBRE");
    r.arrendador.clear();
    r.localidad = QStringLiteral("VILLANUEVA DE LA CONCEPCION DEL CAMINO REAL DE LOS MONTES ALTOS");
    r.otro_concepto1 = QStringLiteral("CONCEPTO DE NOMBRE EXAGERADAMENTE LARGO QUE PASARIA POR "
                                      "ENCIMA DEL IMPORTE SI NADIE LO CORTARA A TIEMPO");
    PaginaPdf pag = PaginaPdf::Recibo(r);
    // The tenant runs on into the landlord box up to x 1900 and no further.
    ASSERT_TRUE(pag.Tiene(QStringLiteral("ARRENDATARIO CON UN NOMBRE")));
    const QRectF inquilino = fila(pag, 630, 680, 370);
    EXPECT_GT(inquilino.right(), 1500);
    EXPECT_LE(inquilino.right(), 1900 + kGlifo);
    EXPECT_FALSE(pag.Tiene(QStringLiteral("FINALDELNOMBRE")));
    // The town is centred and cut at both sides of its box.
    const QRectF pueblo = fila(pag, 65, 110, 690).intersected(Zona(0, 0, 1620, 900));
    EXPECT_LT(pueblo.left(), 700 + kGlifo);
    EXPECT_GE(pueblo.left(), 700 - kGlifo);
    EXPECT_FALSE(pag.Tiene(QStringLiteral("VILLANUEVA")));
    // The concept label stops at the amount column; the amount stands whole.
    const QRectF etiqueta = fila(pag, 315, 355, 370).intersected(Zona(0, 0, 1630 + kGlifo, 900));
    EXPECT_GT(etiqueta.right(), 1500);
    EXPECT_FALSE(pag.Tiene(QStringLiteral("TIEMPO")));
    EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("16,36")), Zona(1630, 315, 1980, 355)));

    r = Ejemplo();
    r.arrendador = QStringLiteral("PROPIETARIA DE NOMBRE LARGUISIMO QUE TAMPOCO CABE ENTERO ULTIMA");
    pag = PaginaPdf::Recibo(r);
    const QRectF arrendador = fila(pag, 630, 680, 1190);
    EXPECT_GT(arrendador.right(), 1900);
    EXPECT_LE(arrendador.right(), 2000 + kGlifo);
    EXPECT_FALSE(pag.Tiene(QStringLiteral("ULTIMA")));
}

TEST_F(ReciboTest, PaymentDomicileAndCadastralReference)
{
    CImpresionRecibo r = Ejemplo();
    r.texto_domiciliacion = QStringLiteral(" Domiciliación bancaria: 2100 0418 45 0200051332");
    PaginaPdf pag = PaginaPdf::Recibo(r);
    EXPECT_EQ(pag.TextoEn(Zona(370, 480, 2000, 520)),
              QStringLiteral("Domiciliación bancaria: 2100 0418 45 0200051332"));
    EXPECT_FALSE(pag.Tiene(QStringLiteral("REFERENCIA CATASTRAL")));

    r.texto_domiciliacion.clear();
    r.refcatastral = QStringLiteral("7381891 VK 7612");
    r.direccioninquilino = QStringLiteral("C/ LUNA 3, SEVILLA");
    pag = PaginaPdf::Recibo(r);
    EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("REFERENCIA CATASTRAL")), Zona(1675, 455, 2000, 480)));
    EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("7381891 VK 7612")), Zona(1460, 480, 2000, 520)));
    EXPECT_EQ(pag.TextoEn(Zona(370, 480, 1460, 520)), QStringLiteral("MAYOR 5 2º B"));
    EXPECT_EQ(pag.TextoEn(Zona(370, 710, 1150, 760)), QStringLiteral("C/ LUNA 3, SEVILLA"));
}

TEST_F(ReciboTest, LookUpsBindTheValuesSoQuotesDoNotLoseTheStreetType)
{
    Propietario(QStringLiteral("O'DONNELL BEGOÑA"));
    Inmueble(QStringLiteral("D'ORS, 3"), QStringLiteral("1º"), QStringLiteral("O'DONNELL BEGOÑA"),
             QStringLiteral("AVENIDA"));
    CImpresionRecibo r = Ejemplo(&db);
    r.arrendador = QStringLiteral("o'donnell begoña");   // owners match without regard to case
    r.direccion = QStringLiteral("D'ORS, 3");
    r.piso = QStringLiteral("1º");
    EXPECT_EQ(r.LineaDireccion(), QStringLiteral("AVENIDA D'ORS, 3 1º"));
    const PaginaPdf pag = PaginaPdf::Recibo(r);
    EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("AVENIDA D'ORS, 3 1º")), Zona(370, 235, 1630, 275)));
    EXPECT_EQ(pag.TextoEn(Zona(1190, 710, 2000, 750)), QStringLiteral("DE ANDALUCÍA, 57"));
    EXPECT_EQ(pag.TextoEn(Zona(1190, 750, 2000, 800)), QStringLiteral("MADRID, (28013)"));
}

TEST_F(ReciboTest, BackgroundStylesAndColourModes)
{
    CImpresionRecibo r = Ejemplo();
    DisenoRecibo& diseno = r.ajustes.diseno;
    diseno.rojo = 10;
    diseno.verde = 200;
    diseno.azul = 30;
    const QColor relleno(10, 200, 30);
    const QRect hueco(60, 300, 200, 200);   // inside the band, left of every box

    diseno.fondo = QStringLiteral("SOLIDO");
    EXPECT_EQ(Contar(Pintar(r), hueco, relleno), hueco.width() * hueco.height());

    diseno.fondo = QStringLiteral("LINEAS");
    QImage img = Pintar(r);
    EXPECT_GT(Contar(img, hueco, relleno), 0);
    EXPECT_GT(Contar(img, hueco, QColor(155, 155, 255)), 0);   // the gaps of the hatch
    EXPECT_EQ(img.pixelColor(1000, 880), QColor(Qt::white));   // nothing below the band

    r.en_color = 0;
    img = Pintar(r);
    EXPECT_GT(Contar(img, hueco, QColor(150, 150, 150)), 0);
    EXPECT_EQ(Contar(img, hueco, QColor(155, 155, 255)), 0);
    // Grey cells behind the tenant's texts, pale cyan behind the landlord's, in both modes.
    const QRect inquilino(370, 592, 60, 30), arrendador(1190, 592, 60, 30);
    EXPECT_GT(Contar(img, inquilino, QColor(150, 150, 150)), 0);
    EXPECT_GT(Contar(img, arrendador, QColor(200, 255, 255)), 0);
    r.en_color = 1;
    img = Pintar(r);
    EXPECT_EQ(Contar(img, inquilino, QColor(150, 150, 150)), 0);
    EXPECT_GT(Contar(img, arrendador, QColor(200, 255, 255)), 0);

    diseno.color = QStringLiteral("TRANSPARENTE");
    EXPECT_EQ(Contar(Pintar(r), hueco, QColor(Qt::white)), hueco.width() * hueco.height());
}

TEST_F(ReciboTest, LeftStubHoldsTextLinesOrTheLogo)
{
    CImpresionRecibo r = Ejemplo();
    DisenoRecibo& diseno = r.ajustes.diseno;
    diseno.color = QStringLiteral("TRANSPARENTE");
    diseno.tipo_cuadro_izquierdo = 1;
    diseno.textos[0] = QStringLiteral("ALQUILERES");
    diseno.textos[1] = QStringLiteral("GARCÍA");
    diseno.textos[2] = QStringLiteral("UNA LINEA DEMASIADO ANCHA PARA EL TALON");
    const PaginaPdf pag = PaginaPdf::Recibo(r);
    // Each line has a row of its own at the foot of the stub: three lines a reader can tell apart.
    const QRectF primera = pag.Caja(QStringLiteral("ALQUILERES"));
    const QRectF segunda = pag.Caja(QString::fromUtf8("GARCÍA"));
    EXPECT_TRUE(DentroDe(primera, Zona(30, 620, 310, 670))) << primera.top() << " " << primera.bottom();
    EXPECT_TRUE(DentroDe(segunda, Zona(30, 670, 310, 720))) << segunda.top() << " " << segunda.bottom();
    EXPECT_LE(primera.bottom(), segunda.top() + 3);
    QStringList tercera;
    for (const Palabra& p : pag.palabras)
        if (p.caja.center().x() < 350 && p.caja.top() > segunda.bottom() - 3) {
            tercera << p.texto;
            EXPECT_TRUE(DentroDe(p.caja, Zona(30, 720, 310, 770), 30)) << p.texto.toStdString();
        }
    EXPECT_FALSE(tercera.isEmpty());
    EXPECT_FALSE(tercera.contains(QStringLiteral("UNA")));     // only the middle of a wide line shows
    EXPECT_EQ(pag.TextoEn(Zona(0, 0, 340, 859)).split(u' ').size(), 2 + tercera.size());
    EXPECT_EQ(Pintar(r).pixelColor(20, 400), QColor(Qt::black));   // the stub's frame

    // A logo of any picture format; only its top-left 300 x 750 pixels are copied.
    QImage logo(600, 1500, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    QPainter(&logo).fillRect(0, 0, 300, 750, Qt::red);
    diseno.tipo_cuadro_izquierdo = 2;
    for (const char* formato : {"bmp", "png", "jpg"}) {
        SCOPED_TRACE(formato);
        const QString ruta = ws.file(QStringLiteral("logo.") + QLatin1String(formato));
        ASSERT_TRUE(logo.save(ruta));
        diseno.logo = ruta;
        const QImage img = Pintar(r);
        const QColor medio = img.pixelColor(170, 400);
        EXPECT_GT(medio.red(), 200);
        EXPECT_LT(medio.blue(), 60);
        int azules = 0;
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < 400; x += 2)
                azules += img.pixelColor(x, y).blue() > 200 && img.pixelColor(x, y).red() < 60;
        EXPECT_EQ(azules, 0);
        EXPECT_EQ(img.pixelColor(330, 400), QColor(Qt::white));   // 30 mm wide, no more
    }
    diseno.logo = ws.file(QStringLiteral("no-existe.png"));
    EXPECT_EQ(Pintar(r).pixelColor(170, 400), QColor(Qt::white));
}
