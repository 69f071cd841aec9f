#include "mensaje_error.h"
#include <gtest/gtest.h>

#include "data/database.h"
#include "data/workspace.h"
#include "data/emision.h"
#include "data/record_sets.h"
#include "properties/inmuebles.h"
#include "temp_workspace.h"
#include "util/errores.h"

namespace {

class RecordSets : public ::testing::Test {
protected:
    void SetUp() override { db = CrearWorkspace(ws.workspacePath()); }

    void Inmueble(const char* direccion, const char* piso, const char* localidad, const char* arrendador = "ANA")
    {
        Statement(db, "INSERT INTO inmueble (direccion, piso, localidad, arrendador) VALUES (?1, ?2, ?3, ?4)")
            .bind(1, direccion).bind(2, piso)
            .bind(3, localidad ? QVariant(QString::fromUtf8(localidad)) : QVariant())
            .bind(4, arrendador).run();
    }

    template <class Set>
    QStringList Recorrer(Set& rs, const char* columna)
    {
        QStringList r;
        for (rs.moveFirst(); !rs.isEOF(); rs.moveNext())
            r << rs.text(QString::fromLatin1(columna));
        return r;
    }

    TempWorkspace ws;
    Database db;
};


}  // namespace

TEST_F(RecordSets, RefuseToOpenWithoutAnOpenWorkspace)
{
    EXPECT_EQ(MensajeDeError([] { CReciboSet rs(nullptr); }), QStringLiteral("No hay Base"));
    Database cerrada;
    EXPECT_EQ(MensajeDeError([&] { CPropietarioSet rs(&cerrada); }), QStringLiteral("No hay base abierta"));
    const QString m = MensajeDeError([&] { CInmuebleSet rs(&db, QStringLiteral("SELECT * FROM no_existe")); });
    EXPECT_TRUE(m.contains(QStringLiteral("SELECT * FROM no_existe"))) << m.toStdString();
    EXPECT_FALSE(m.contains(QStringLiteral("Toy en open")));
}

TEST_F(RecordSets, TwoSetsOnOneTableSeeEachOthersRows)
{
    CPropietarioSet a(&db), b(&db);
    EXPECT_TRUE(a.isBOF() && a.isEOF());
    a.NuevoPropietario();
    a.setText(QStringLiteral("nombre"), QStringLiteral("O'Donnell"));
    a.setText(QStringLiteral("direccion"), QStringLiteral("Bº L'Eixample 3"));
    ASSERT_TRUE(a.GuardarPropietario());
    EXPECT_GT(a.integer(QStringLiteral("ref")), 0);
    EXPECT_EQ(a.integer(QStringLiteral("numero_recibo")), 0);

    b.moveFirst();
    ASSERT_FALSE(b.isEOF());
    EXPECT_EQ(b.text(QStringLiteral("direccion")), QStringLiteral("Bº L'Eixample 3"));
    const QString notas = QString(3000, u'n') + QStringLiteral("fin");
    b.edit();
    b.setText(QStringLiteral("notas"), notas);
    b.update();

    a.moveFirst();
    EXPECT_EQ(a.text(QStringLiteral("notas")), notas);   // long texts are never cut
    a.remove();
    b.moveFirst();
    EXPECT_TRUE(b.isEOF());
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM propietario")), 0);
}

TEST_F(RecordSets, NavigationStopsAtBothEndsAndDeletionMovesOn)
{
    for (const char* d : {"A 1", "B 2", "C 3", "D 4"})
        Inmueble(d, " ", "Madrid");
    CInmuebleSet rs(&db);
    EXPECT_EQ(Recorrer(rs, "direccion"), (QStringList{"A 1", "B 2", "C 3", "D 4"}));
    rs.moveLast();
    EXPECT_EQ(rs.text(QStringLiteral("direccion")), QStringLiteral("D 4"));
    rs.moveNext();
    EXPECT_TRUE(rs.isEOF());
    EXPECT_FALSE(rs.hasCurrent());
    rs.movePrev();
    EXPECT_EQ(rs.text(QStringLiteral("direccion")), QStringLiteral("D 4"));
    rs.move(-3);
    EXPECT_EQ(rs.text(QStringLiteral("direccion")), QStringLiteral("A 1"));
    rs.movePrev();
    EXPECT_TRUE(rs.isBOF());
    rs.move(2);
    EXPECT_EQ(rs.text(QStringLiteral("direccion")), QStringLiteral("B 2"));
    rs.remove();
    rs.moveNext();
    EXPECT_EQ(rs.text(QStringLiteral("direccion")), QStringLiteral("C 3"));
    rs.remove();
    rs.movePrev();
    EXPECT_EQ(rs.text(QStringLiteral("direccion")), QStringLiteral("A 1"));
    EXPECT_EQ(ContarRegistros(&rs), 2);
    EXPECT_EQ(rs.text(QStringLiteral("direccion")), QStringLiteral("A 1"));
}

TEST_F(RecordSets, PropertiesComeInTheOrderOfTheSortIndex)
{
    Inmueble("Sol 2", "1º", "Toledo");
    Inmueble("Mayor 1", " ", "Ávila");
    Inmueble("Arco 9", "2º", "Madrid");
    {
        CInmuebleSet rs(&db);
        EXPECT_EQ(Recorrer(rs, "direccion"), (QStringList{"Sol 2", "Mayor 1", "Arco 9"}));
    }
    db.exec(QStringLiteral("DROP INDEX InmueblesIndex;"
                           "CREATE INDEX InmueblesIndex ON inmueble(direccion, piso)"));
    {
        CInmuebleSet rs(&db);
        EXPECT_EQ(Recorrer(rs, "direccion"), (QStringList{"Arco 9", "Mayor 1", "Sol 2"}));
    }
    db.exec(QStringLiteral("DROP INDEX InmueblesIndex;"
                           "CREATE INDEX InmueblesIndex ON inmueble(localidad,direccion,piso)"));
    {
        CInmuebleSet rs(&db);
        EXPECT_EQ(Recorrer(rs, "localidad"), (QStringList{"Ávila", "Madrid", "Toledo"}));   // á with a
        // A row added by another writer takes its place in the order at the next move.
        Inmueble("Zoco 5", " ", "Lugo");
        EXPECT_EQ(Recorrer(rs, "localidad"), (QStringList{"Ávila", "Lugo", "Madrid", "Toledo"}));
    }
    db.exec(QStringLiteral("DROP INDEX InmueblesIndex"));
    CInmuebleSet rs(&db);
    EXPECT_EQ(Recorrer(rs, "direccion"), (QStringList{"Sol 2", "Mayor 1", "Arco 9", "Zoco 5"}));
}

TEST_F(RecordSets, ReceiptSourcesTableOtherTableOrQuery)
{
    Statement ins(db, "INSERT INTO recibo (direccion, arrendador, renta) VALUES (?1, 'ANA', ?2)");
    for (int i = 1; i <= 5; ++i)
        ins.bind(1, QStringLiteral("Calle %1").arg(i)).bind(2, qint64(i) * 10000).run();
    CopiarRecibosAEmision(db, {4, 2});

    CReciboSet todos(&db);
    EXPECT_EQ(ContarRegistros(&todos), 5);
    EXPECT_EQ(todos.money(QStringLiteral("renta")), Moneda::DeDiezmilesimas(10000));

    CReciboSet consulta(&db, QStringLiteral("SELECT * FROM recibo WHERE renta >= 30000 ORDER BY renta DESC"));
    EXPECT_EQ(Recorrer(consulta, "direccion"), (QStringList{"Calle 5", "Calle 4", "Calle 3"}));
    EXPECT_FALSE(consulta.isTable());
    EXPECT_THROW(consulta.edit(), UserError);

    CReciboSet emision(&db, QStringLiteral("[emision_recibo]"));
    EXPECT_TRUE(emision.isTable());
    EXPECT_EQ(emision.table(), QStringLiteral("emision_recibo"));
    EXPECT_EQ(Recorrer(emision, "direccion"), (QStringList{"Calle 4", "Calle 2"}));

    // Without ReciboIndex the receipts still open, in stored order.
    db.exec(QStringLiteral("DROP INDEX ReciboIndex"));
    CReciboSet sinIndice(&db);
    EXPECT_EQ(ContarRegistros(&sinIndice), 5);
}

TEST_F(RecordSets, StagedEditsLeaveTheUnboundStateAlone)
{
    Statement(db, "INSERT INTO recibo (direccion, estado) VALUES ('Mayor 1', 2)").run();
    CopiarRecibosAEmision(db, {1});
    db.exec(QStringLiteral("UPDATE emision_recibo SET estado = 2"));
    CEmisionReciboSet rs(&db);
    ASSERT_FALSE(rs.isEOF());
    rs.setText(QStringLiteral("nom_arrendatario"), QStringLiteral("Nuevo Inquilino"));
    rs.setBoolean(QStringLiteral("is_recibo_seleccionado"), false);
    rs.Actualizar();
    Statement st(db, "SELECT nom_arrendatario, is_recibo_seleccionado, estado FROM emision_recibo");
    ASSERT_TRUE(st.next());
    EXPECT_EQ(st.text(0), QStringLiteral("Nuevo Inquilino"));
    EXPECT_EQ(st.integer(1), 0);
    EXPECT_EQ(st.integer(2), 2);
}

TEST_F(RecordSets, TooLongTextIsRefusedNamingTheFieldAndTheEditStays)
{
    Inmueble("Mayor 1", " ", "Madrid");
    CInmuebleSet rs(&db);
    rs.edit();
    rs.setText(QStringLiteral("nota_recibo"), QString(81, u'x'));
    EXPECT_EQ(MensajeDeError([&] { rs.GuardarInmueble(); }),
              QStringLiteral("El campo «nota_recibo» admite como máximo 80 caracteres."));
    EXPECT_EQ(rs.editMode(), RecordSet::EditMode::Edit);
    rs.setText(QStringLiteral("nota_recibo"), QString(80, u'x'));
    rs.setText(QStringLiteral("equipamiento"), QString(4000, u'e'));
    rs.setMoney(QStringLiteral("renta"), Moneda::DeDiezmilesimas(6'500'000));
    rs.setDate(QStringLiteral("fecha"), QDate(2010, 3, 7));
    ASSERT_TRUE(rs.GuardarInmueble());
    CInmuebleSet otro(&db);
    EXPECT_EQ(otro.text(QStringLiteral("nota_recibo")).size(), 80);
    EXPECT_EQ(otro.text(QStringLiteral("equipamiento")).size(), 4000);
    EXPECT_EQ(otro.money(QStringLiteral("renta")), Moneda::DeDiezmilesimas(6'500'000));
    EXPECT_EQ(otro.dateTime(QStringLiteral("fecha")).date(), QDate(2010, 3, 7));
    EXPECT_TRUE(otro.BuscarInmueble(otro.integer(QStringLiteral("ref"))));
    EXPECT_FALSE(otro.BuscarInmueble(999));
}

TEST_F(RecordSets, OwnerSaveRefusesEmptyAndRepeatedNames)
{
    CPropietarioSet rs(&db);
    rs.NuevoPropietario();
    rs.setText(QStringLiteral("nombre"), QStringLiteral("ÑÚÑEZ GARCÍA"));
    rs.GuardarPropietario();
    const struct { const char* nombre; const char* error; } casos[] = {
        {"", "El propietario debe tener un nombre"},
        {"  ", "El propietario debe tener un nombre"},
        {"ñúñez garcía", "Ya existe un propietario con ese nombre"},
        {"ÑÚÑEZ GARCÍA", "Ya existe un propietario con ese nombre"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        rs.NuevoPropietario();
        rs.setText(QStringLiteral("nombre"), QString::fromUtf8(c.nombre));
        EXPECT_EQ(MensajeDeError([&] { rs.GuardarPropietario(); }), QString::fromUtf8(c.error));
        rs.cancelUpdate();
    }
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM propietario")), 1);
    // Saving the same owner under its own name is not a repetition.
    EXPECT_TRUE(rs.BuscarPropietario(QStringLiteral("ñúñez garcía")));
    rs.setText(QStringLiteral("nombre"), QStringLiteral("Ñúñez García"));
    EXPECT_TRUE(rs.GuardarPropietario());
    EXPECT_TRUE(rs.BuscarPropietario(QStringLiteral("ÑÚÑEZ GARCÍA")));
    EXPECT_FALSE(rs.BuscarPropietario(QStringLiteral("NUNEZ GARCIA")));
}

TEST_F(RecordSets, CountingAnEmptyTableLeavesTheSetAtItsEnd)
{
    CFacturacionSet rs(&db);
    EXPECT_EQ(ContarRegistros(&rs), 0);
    EXPECT_TRUE(rs.isEOF());
    EXPECT_EQ(ContarRegistros(nullptr), 0);
}

TEST_F(RecordSets, ListsHoldEachTownAndStreetOnceWithoutEmptyEntries)
{
    Inmueble("Mayor 1", "1º", "Madrid");
    Inmueble("Mayor 1", "2º", "MADRID");
    Inmueble("O'Donnell 4", " ", nullptr);
    Inmueble("Sol 2", " ", "");
    Inmueble("Sol 3", " ", "Ávila");
    db.exec(QStringLiteral("INSERT INTO localidad (localidad) VALUES ('Vieja')"));
    RefrescarListas(db);
    CLocalidadSet loc(&db);
    QStringList localidades = Recorrer(loc, "localidad");
    localidades.sort();
    EXPECT_EQ(localidades.size(), 2);
    EXPECT_EQ(CompareSinCaso(localidades.value(0), QStringLiteral("madrid")), 0);
    EXPECT_EQ(localidades.value(1), QStringLiteral("Ávila"));
    CDireccionSet dir(&db);
    QStringList calles = Recorrer(dir, "direccion");
    calles.sort();
    EXPECT_EQ(calles, (QStringList{"Mayor 1", "O'Donnell 4", "Sol 2", "Sol 3"}));
}

// Rows are read a page and a column at a time: values must not depend on which columns were
// looked at first, nor on page boundaries.
TEST_F(RecordSets, ValuesAreTheStoredOnesWhateverColumnsWereReadBefore)
{
    const QString largo = QString(600, u'x') + QStringLiteral(" ñ €");
    {
        Transaction tx(db);
        Statement ins(db, "INSERT INTO inmueble (direccion, piso, renta, notas, localidad) VALUES (?1, ?2, ?3, ?4, ?5)");
        for (int i = 0; i < 300; ++i)
            ins.bind(1, QStringLiteral("Calle Ñandú %1").arg(i)).bind(2, QStringLiteral("%1º").arg(i % 7))
                .bind(3, qint64(1000 * i)).bind(4, i == 200 ? largo : QStringLiteral("n%1").arg(i))
                .bind(5, i % 3 == 0 ? QVariant() : QVariant(QStringLiteral("L'Hospitalet")))
                .run();
        tx.commit();
    }
    CInmuebleSet rs(&db, QStringLiteral("[inmueble]"));
    int i = 0;
    for (rs.moveFirst(); !rs.isEOF(); rs.moveNext(), ++i) {
        // A different mix of columns on each row, so pages are read column by column and whole.
        if (i % 2 == 0) {
            EXPECT_EQ(rs.integer(QStringLiteral("renta")), 1000 * i);
        }
        if (i % 5 == 0) {
            EXPECT_EQ(rs.text(QStringLiteral("piso")), QStringLiteral("%1º").arg(i % 7));
        }
        EXPECT_EQ(rs.text(QStringLiteral("direccion")), QStringLiteral("Calle Ñandú %1").arg(i));
        EXPECT_EQ(rs.value(QStringLiteral("localidad")).isNull(), i % 3 == 0) << i;
        EXPECT_EQ(rs.text(QStringLiteral("notas")), i == 200 ? largo : QStringLiteral("n%1").arg(i));
    }
    EXPECT_EQ(i, 300);
    // Backwards across page boundaries too.
    rs.moveLast();
    for (int j = 299; j >= 120; --j, rs.movePrev())
        ASSERT_EQ(rs.integer(QStringLiteral("renta")), 1000 * j);
}

TEST_F(RecordSets, EditingAfterReadingOneColumnKeepsTheOthers)
{
    Statement(db, "INSERT INTO inmueble (direccion, piso, renta, notas, equipamiento) VALUES"
                  " ('Mayor 1', '2º', 5000000, 'llaves en portería', 'cocina')").run();
    CInmuebleSet rs(&db);
    rs.moveFirst();
    ASSERT_EQ(rs.integer(QStringLiteral("renta")), 5000000);
    rs.setInteger(QStringLiteral("renta"), 5500000);
    rs.update();
    Statement st(db, "SELECT direccion, piso, renta, notas, equipamiento FROM inmueble");
    ASSERT_TRUE(st.next());
    EXPECT_EQ(st.text(0), QStringLiteral("Mayor 1"));
    EXPECT_EQ(st.text(1), QStringLiteral("2º"));
    EXPECT_EQ(st.integer(2), 5500000);
    EXPECT_EQ(st.text(3), QStringLiteral("llaves en portería"));
    EXPECT_EQ(st.text(4), QStringLiteral("cocina"));
    EXPECT_EQ(rs.text(QStringLiteral("notas")), QStringLiteral("llaves en portería"));
}

// A row is never shown half before and half after another set's change.
TEST_F(RecordSets, ARowChangedElsewhereIsNotMixedWithItsOldValues)
{
    Statement(db, "INSERT INTO inmueble (direccion, piso, renta, notas) VALUES ('Mayor 1', '1º', 100, 'antes')").run();
    CInmuebleSet lector(&db);
    CInmuebleSet escritor(&db);
    lector.moveFirst();
    ASSERT_EQ(lector.integer(QStringLiteral("renta")), 100);
    escritor.moveFirst();
    escritor.setInteger(QStringLiteral("renta"), 200);
    escritor.setText(QStringLiteral("notas"), QStringLiteral("después"));
    escritor.update();
    // Reading a column not read yet brings the whole row as it is now.
    EXPECT_EQ(lector.text(QStringLiteral("notas")), QStringLiteral("después"));
    EXPECT_EQ(lector.integer(QStringLiteral("renta")), 200);
    // The edit starts from the stored row too.
    lector.setText(QStringLiteral("piso"), QStringLiteral("3º"));
    lector.update();
    EXPECT_EQ(QueryInteger(db, "SELECT renta FROM inmueble"), 200);
}

// Another program (a scheduled billing, a second window) may write the same file meanwhile.
TEST_F(RecordSets, ARowDeletedByAnotherConnectionReadsEmpty)
{
    {
        Transaction tx(db);
        Statement ins(db, "INSERT INTO inmueble (direccion, notas) VALUES (?1, ?2)");
        for (int i = 0; i < 130; ++i)
            ins.bind(1, QStringLiteral("Mayor %1").arg(i)).bind(2, QStringLiteral("notas %1").arg(i)).run();
        tx.commit();
    }
    CInmuebleSet rs(&db);
    rs.moveLast();   // a second page, read whole
    for (const QString& c : rs.columns())
        rs.value(c);
    rs.moveFirst();   // the first page is read when a value is asked for: after the deletion
    {
        Database otra = AbrirWorkspace(ws.workspacePath());
        Statement(otra, "DELETE FROM inmueble WHERE direccion = 'Mayor 0'").run();
    }
    EXPECT_TRUE(rs.value(QStringLiteral("notas")).isNull()) << rs.text(QStringLiteral("notas")).toStdString();
    EXPECT_TRUE(rs.value(QStringLiteral("direccion")).isNull());
    rs.moveNext();
    EXPECT_EQ(rs.text(QStringLiteral("notas")), QStringLiteral("notas 1"));
}

TEST_F(RecordSets, WrappingMovesGoRoundAtBothEnds)
{
    for (int i = 0; i < 25; ++i)
        Inmueble(QStringLiteral("Calle %1").arg(i).toUtf8().constData(), " ", "Madrid");
    CInmuebleSet rs(&db, QString(), QStringLiteral("ref"));
    // One step wraps around; ten steps stop at the wrapped end.
    const struct { int desde, paso, hasta; } cases[] = {
        {24, 1, 0}, {0, -1, 24}, {3, 1, 4}, {0, 10, 10}, {14, 10, 24}, {15, 10, 0},
        {24, 10, 0}, {24, -10, 14}, {10, -10, 0}, {9, -10, 24}, {0, -10, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.desde * 100 + c.paso);
        rs.moveFirst();
        rs.move(c.desde);
        rs.moveWrapping(c.paso);
        EXPECT_EQ(rs.position(), c.hasta);
        EXPECT_EQ(rs.text(QStringLiteral("direccion")), QStringLiteral("Calle %1").arg(c.hasta));
    }
}

// Two programs on one workspace: a form holding an owner while a billing run moves its
// receipt counter.
TEST_F(RecordSets, AnEditWritesOnlyWhatChangedAndNeverOverAnotherProgramsChange)
{
    Statement(db, "INSERT INTO propietario (nombre, numero_recibo, telefono_casa) VALUES ('ANA', 0, '911')").run();
    Database otra = AbrirWorkspace(ws.workspacePath());
    CPropietarioSet rs(&db);
    rs.moveFirst();
    ASSERT_EQ(rs.integer(QStringLiteral("numero_recibo")), 0);   // the page is read now

    // Stored unchanged: nothing is written.
    rs.edit();
    Statement(otra, "UPDATE propietario SET numero_recibo = 1").run();
    const qint64 antes = db.totalChanges();
    rs.setText(QStringLiteral("telefono_casa"), QStringLiteral("911"));
    rs.update();
    EXPECT_EQ(db.totalChanges(), antes);

    // A column the other program did not touch is written; its change stays.
    rs.edit();
    EXPECT_EQ(rs.integer(QStringLiteral("numero_recibo")), 1);   // edit() reads it as stored now
    Statement(otra, "UPDATE propietario SET numero_recibo = 2").run();
    rs.setText(QStringLiteral("telefono_casa"), QStringLiteral("922"));
    rs.update();
    EXPECT_EQ(QueryInteger(db, "SELECT numero_recibo FROM propietario"), 2);
    EXPECT_EQ(QueryInteger(db, "SELECT COUNT(*) FROM propietario WHERE telefono_casa = '922'"), 1);

    // The same column changed by both: refused, the other program's value kept.
    rs.edit();
    Statement(otra, "UPDATE propietario SET numero_recibo = 3").run();
    rs.setInteger(QStringLiteral("numero_recibo"), 7);
    EXPECT_THROW(rs.update(), RowChangedError);
    EXPECT_EQ(QueryInteger(db, "SELECT numero_recibo FROM propietario"), 3);
    rs.cancelUpdate();
    rs.edit();
    EXPECT_EQ(rs.integer(QStringLiteral("numero_recibo")), 3);
}
