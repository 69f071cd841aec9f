#include "documents_fixture.h"
#include "util/errores.h"

TEST_F(DocumentsTest, FirstPaymentWritesOneReceiptAndTheOwnersCounterTogether)
{
    const struct { QDate fecha; bool numerar; qint64 numero; qint64 renta, otro1; const char* concepto; const char* pregunta; } casos[] = {
        {{2024, 4, 15}, true, 8, 0, 32000, "Renta de los 16 restantes del mes de ABRIL",
         "Deseas que se incluyan en la facturación 320,00 Euros, correspondientes al pago de los 16 días restantes del mes de ABRIL"},
        {{2024, 5, 1}, false, 0, 60000, 0, "",
         "Deseas que se incluyan en la facturación 600,00 Euros, a la mensualidad de MAYO"},
    };
    qint64 contador = 7;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.concepto);
        DatosContrato d = Abrir({.fecha = c.fecha, .numerar = c.numerar});
        PonerOtrosConceptos(d, false);
        EXPECT_EQ(PreguntaPrimerPago(d), QString::fromUtf8(c.pregunta));
        const PrimerPago p = GrabarPrimerPago(db, d);
        EXPECT_EQ(p.numeroRecibo, c.numero);
        Statement st(db, "SELECT renta, otro_importe1, otro_concepto1, numero_recibo,"
                         " fecha_facturacion, nom_arrendatario, codref, ccc, is_recibo_banco, iva, estado"
                         " FROM recibo WHERE ref = ?1");
        st.bind(1, p.ref);
        ASSERT_TRUE(st.next());
        EXPECT_EQ(st.money(0), Euros(c.renta));
        EXPECT_EQ(st.money(1), Euros(c.otro1));
        EXPECT_EQ(st.text(2), QString::fromUtf8(c.concepto));
        EXPECT_EQ(st.integer(3), c.numero);
        EXPECT_EQ(st.date(4), c.fecha);
        EXPECT_EQ(st.text(5), QStringLiteral("ANA"));
        EXPECT_EQ(st.text(6), QStringLiteral("MAYO12"));
        EXPECT_EQ(st.text(7), QStringLiteral("1234567890"));
        EXPECT_TRUE(st.boolean(8));
        EXPECT_EQ(st.integer(9), 0);
        EXPECT_EQ(st.integer(10), 0);
        if (c.numerar)
            ++contador;
        EXPECT_EQ(Contar("SELECT numero_recibo FROM propietario WHERE nombre = 'GARCIA'"), contador);
    }
}

TEST_F(DocumentsTest, FirstPaymentRefusedWritesNothing)
{
    DatosContrato d = Abrir();
    MarcarFila(d, 1, false);
    EXPECT_THROW(GrabarPrimerPago(db, d), UserError);

    // The owner vanished after the dialog opened: neither the receipt nor any counter.
    MarcarFila(d, 1, true);
    db.exec(QStringLiteral("UPDATE inmueble SET arrendador = 'OTRO'"));
    try {
        GrabarPrimerPago(db, d);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), QStringLiteral("propietario erroneo no encontrado = OTRO"));
    }
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 0);
    EXPECT_EQ(Contar("SELECT numero_recibo FROM propietario"), 7);
}

TEST_F(DocumentsTest, FirstPaymentIsAllOrNothing)
{
    DatosContrato d = Abrir();
    // The counter's update fails after the receipt was inserted: the receipt goes too.
    db.exec(QStringLiteral("CREATE TRIGGER falla BEFORE UPDATE OF numero_recibo ON propietario"
                           " BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"));
    EXPECT_ANY_THROW(GrabarPrimerPago(db, d));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 0);
}
