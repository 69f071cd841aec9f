#include "pagina_pdf.h"
#include "recibo_fixture.h"

namespace {

// Top of body row r of the invoice.
constexpr qreal Fila(int r) { return 950 + 50 * r; }

}  // namespace

class FacturaTest : public ReciboTest {
protected:
    void SetUp() override
    {
        ReciboTest::SetUp();
        Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
        Inmueble(QStringLiteral("MAYOR 5"), QStringLiteral("2º B"), QStringLiteral("PÉREZ MORENO SERGIO"));
    }
    CImpresionRecibo Factura()
    {
        CImpresionRecibo r = Ejemplo(&db);
        r.doc_arrendador.clear();   // the invoice reads it from the owner record
        r.texto_numero = QStringLiteral("1.234");
        r.modelo_impresion = 2;
        return r;
    }
};

TEST_F(FacturaTest, LetterheadTakesTheOwnerRecordInEitherForm)
{
    const struct { const char* telefono; bool documento_antes_que_cp; } casos[] = {
        {"", false}, {"976638606", true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.telefono);
        CImpresionRecibo r = Factura();
        r.telefono_arrendador = QString::fromUtf8(c.telefono);
        const PaginaPdf pag = PaginaPdf::Factura(r);
        const QRectF membrete = Zona(100, 100, 1100, 580);
        const QRectF doc = pag.Caja(QStringLiteral("N.I.F. 26216258F"));
        const QRectF cp = pag.Caja(QStringLiteral("28013 - MADRID"));
        EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("PÉREZ MORENO SERGIO")), membrete));
        EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("CALLE DE ANDALUCÍA, 57 3º D")), membrete));
        EXPECT_TRUE(DentroDe(doc, membrete));
        EXPECT_TRUE(DentroDe(cp, membrete));
        EXPECT_EQ(doc.top() < cp.top(), c.documento_antes_que_cp);
        EXPECT_EQ(pag.Tiene(QStringLiteral("Teléfono 976638606")), *c.telefono != 0);
        EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("FACTURA Nº 1.234")), membrete));
        // The issue date stays above the client frame drawn at y 580.
        EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("Fecha de Emisión: 1 DE MARZO DEL 2.005")), membrete));
        EXPECT_EQ(r.doc_arrendador, QStringLiteral("N.I.F. 26216258F"));
        EXPECT_EQ(r.localidad_arrendador, QStringLiteral("MADRID"));
    }
}

TEST_F(FacturaTest, ConceptRowsBaseAndTotal)
{
    CImpresionRecibo r = Factura();
    r.otro_importe1 = Moneda();
    PaginaPdf pag = PaginaPdf::Factura(r);
    EXPECT_NEAR(pag.Caja(QStringLiteral("Renta MARZO DEL 2.005"), true).top(), Fila(7), 8);
    EXPECT_NEAR(pag.Caja(QStringLiteral("TOTAL"), true).top(), Fila(9), 8);
    EXPECT_TRUE(pag.Caja(QStringLiteral("BASE"), true).isNull());
    EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("580,00 €")), Zona(1700, Fila(7), 1900, Fila(8))));

    r.iva = Euros(12180);
    r.irpf = Euros(-11020);
    r.otro_importe1 = Euros(1636);
    pag = PaginaPdf::Factura(r);
    const struct { const char* etiqueta; const char* importe; int fila; } filas[] = {
        {"Renta MARZO DEL 2.005", "580,00 €", 7},
        {"AGUA", "16,36 €", 8},
        {"BASE", "596,36 €", 10},
        {"IVA 21%", "121,80 €", 11},
        {"IRPF", "-110,20 €", 12},
        {"TOTAL", "607,96 €", 14},
    };
    for (const auto& f : filas) {
        SCOPED_TRACE(f.etiqueta);
        const QRectF etiqueta = pag.Caja(QString::fromUtf8(f.etiqueta), true);
        EXPECT_NEAR(etiqueta.top(), Fila(f.fila), 8);
        EXPECT_GE(etiqueta.left(), 197);
        EXPECT_TRUE(DentroDe(pag.Caja(QString::fromUtf8(f.importe)), Zona(1700, Fila(f.fila), 1900, Fila(f.fila + 1))));
    }
    // Dot leaders stop at x 1650, before the amounts.
    for (const Palabra& p : pag.palabras)
        if (p.texto.contains(QStringLiteral("...."))) {
            EXPECT_LE(p.caja.right(), 1650 + 20);
        }
    EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("CONCEPTO")), Zona(100, Fila(5), 1650, Fila(6))));
    EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("IMPORTE")), Zona(1700, Fila(5), 1900, Fila(6))));
}

TEST_F(FacturaTest, CurrencyLineNoteAndSignatureFollowTheCurrencyName)
{
    const struct { const char* moneda; const char* linea; int fila_nota; } casos[] = {
        {nullptr, "Importes en Euros.", 21},    // the default currency name
        {"Dólares", "Importes en Dólares.", 21},
        {"", nullptr, 20},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.fila_nota);
        CImpresionRecibo r = Factura();
        if (c.moneda)
            r.ajustes.moneda.nombre = QString::fromUtf8(c.moneda);
        r.nota_recibo = QStringLiteral("Pago antes del día 5");
        const PaginaPdf pag = PaginaPdf::Factura(r);
        if (c.linea)
            EXPECT_NEAR(pag.Caja(QString::fromUtf8(c.linea)).top(), Fila(19), 8);
        else
            EXPECT_FALSE(pag.Tiene(QStringLiteral("Importes en")));
        EXPECT_NEAR(pag.Caja(QStringLiteral("Pago antes del día 5")).top(), Fila(c.fila_nota), 8);
        // Two empty lines, then the signature, from the top of row 23 (22 without currency).
        const QRectF firma = pag.Caja(QStringLiteral("ARRENDADOR."));
        EXPECT_GT(firma.top(), Fila(c.fila_nota + 2) + 70);
        EXPECT_LT(firma.top(), Fila(c.fila_nota + 2) + 110);
    }
}

TEST_F(FacturaTest, DescriptionAndClientBox)
{
    CImpresionRecibo r = Factura();
    r.refcatastral = QStringLiteral("7381891 VK 7612");
    PaginaPdf pag = PaginaPdf::Factura(r);
    const QString descripcion = pag.TextoEn(Zona(100, Fila(0), 1650, Fila(2)));
    EXPECT_EQ(descripcion, QStringLiteral("Corresponde al alquiler del mes de MARZO del 2.005, del "
                                          "inmueble sito en: PASEO MAYOR 5 2º B MÁLAGA, 29015"));
    EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("REFERENCIA CATASTRAL: 7381891 VK 7612.")),
                         Zona(100, Fila(2), 1650, Fila(3))));
    EXPECT_TRUE(DentroDe(pag.Caja(QStringLiteral("El pago de este recibo no supone el pago de los anteriores.")),
                         Zona(100, Fila(3), 1650, Fila(5))));
    EXPECT_EQ(pag.TextoEn(Zona(100, 600, 900, 800)),
              QStringLiteral("CLIENTE: RUIZ MUÑOZ ANTONIO PASEO MAYOR 5 2º B 29015 MÁLAGA D.N.I. 66135277L"));

    r.direccioninquilino = QStringLiteral("C/ LUNA 3, 41001 SEVILLA");
    pag = PaginaPdf::Factura(r);
    EXPECT_EQ(pag.TextoEn(Zona(100, 600, 900, 800)),
              QStringLiteral("CLIENTE: RUIZ MUÑOZ ANTONIO C/ LUNA 3, 41001 SEVILLA D.N.I. 66135277L"));
}

TEST_F(FacturaTest, LongTextsWrapInsideTheirColumnsAndLoseWhatDoesNotFit)
{
    CImpresionRecibo r = Factura();
    r.nom_arrendatario = QStringLiteral("COMUNIDAD DE BIENES HEREDEROS DE DON ANTONIO RUIZ MUÑOZ "
                                        "Y DOÑA MARÍA DEL CARMEN FERNÁNDEZ DE LA TORRE");
    // Every text as long as its column allows.
    r.direccion = QStringLiteral("AVENIDA DEL DOCTOR FLEMING ESQUINA MARQUÉS DE LARI");
    r.piso = QStringLiteral("ESCALERA IZQUIERDA PLANTA DECIMOTERCERA PUERTA 13");
    Inmueble(r.direccion, r.piso, r.arrendador);
    Statement(db, "UPDATE inmueble SET localidad = 'SAN BARTOLOMÉ DE TIRAJANA ALTA'").run();
    r.texto_numero.clear();
    const PaginaPdf pag = PaginaPdf::Factura(r);
    for (const Palabra& p : pag.palabras) {
        SCOPED_TRACE(p.texto.toStdString());
        const QPointF c = p.caja.center();
        if (c.y() > 600 && c.y() < 900 && c.x() < 920) {
            EXPECT_TRUE(DentroDe(p.caja, Zona(100, 600, 900, 900)));
        }
        if (c.y() > Fila(0) && c.y() < Fila(3)) {
            EXPECT_TRUE(DentroDe(p.caja, Zona(100, Fila(0), 1650, Fila(3))));
        }
    }
    EXPECT_TRUE(pag.Tiene(QStringLiteral("FERNÁNDEZ DE LA TORRE")));   // the client box wraps, not cuts
    // The description's lines past the third are left out, not drawn over the next rows.
    EXPECT_TRUE(pag.TextoEn(Zona(100, Fila(0), 1650, Fila(3))).contains(QStringLiteral("PLANTA")));
    EXPECT_FALSE(pag.TextoEn(Zona(100, Fila(0), 1650, Fila(5))).contains(QStringLiteral("29015")));
    // Without a number the letterhead reads "FACTURA Nº" and then the date.
    const QRectF factura = pag.Caja(QStringLiteral("FACTURA Nº"));
    EXPECT_TRUE(pag.TextoEn(Zona(100, factura.top() - 5, 1100, factura.bottom() + 5)) ==
                QStringLiteral("FACTURA Nº"));
}

TEST_F(FacturaTest, MissingOwnerLeavesThePageBlank)
{
    CImpresionRecibo r = Factura();
    r.arrendador = QStringLiteral("NADIE");
    EXPECT_TRUE(PaginaPdf::Factura(r).palabras.isEmpty());
    // Without a database there is nothing to look up, and the invoice prints what it has.
    CImpresionRecibo sin_base = Ejemplo();
    sin_base.arrendador = QStringLiteral("NADIE");
    EXPECT_FALSE(PaginaPdf::Factura(sin_base).Caja(QStringLiteral("TOTAL"), true).isNull());
}

// A grey job (`rentiva-cli recibos-pdf --gris`, a grey printer) prints the invoice without
// colour; a colour job keeps the blue banner.
TEST_F(FacturaTest, GreyJobPrintsTheBannerInGrey)
{
    for (const int en_color : {0, 1}) {
        SCOPED_TRACE(en_color);
        CImpresionRecibo r = Factura();
        r.en_color = en_color;
        const QImage img = PintarEnImagen(2100, 2970, [&r](QPainter& p) { r.DibujarFactura(p); });
        int coloreados = 0;
        for (int y = 100; y < 350; y += 5)
            for (int x = 1100; x < 1800; x += 5) {
                const QColor c = img.pixelColor(x, y);
                coloreados += qAbs(c.red() - c.blue()) > 30;
            }
        if (en_color == 1) {
            EXPECT_GT(coloreados, 1000);
        } else {
            EXPECT_EQ(coloreados, 0);
        }
    }
}
