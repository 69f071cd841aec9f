#include <gtest/gtest.h>

#include <QFile>

#include "data/database.h"
#include "data/esquema.h"
#include "data/workspace.h"
#include "data/emision.h"
#include "temp_workspace.h"
#include "util/errores.h"

namespace {

QStringList Columnas(Database& db, const QString& tabla)
{
    QStringList r;
    Statement st(db, "SELECT name FROM pragma_table_info(?1)");
    st.bind(1, tabla);
    while (st.next())
        r << st.text(0);
    return r;
}

// Everything that describes the file: schema text, marks and row counts.
QString Huella(Database& db)
{
    QString r;
    Statement st(db, "SELECT type, name, tbl_name, COALESCE(sql,'') FROM sqlite_master ORDER BY type, name");
    while (st.next())
        r += st.text(0) + u'|' + st.text(1) + u'|' + st.text(2) + u'|' + st.text(3) + u'\n';
    for (const char* t : {"propietario", "inmueble", "recibo", "emision_recibo", "facturacion",
                          "direccion", "localidad", "gastos", "conceptos_recibos", "informe_inmueble"})
        r += QStringLiteral("%1=%2\n").arg(QLatin1String(t)).arg(
            QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t))));
    r += QStringLiteral("v=%1 id=%2").arg(db.userVersion()).arg(db.applicationId());
    return r;
}

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString& ruta, const QByteArray& datos)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(datos);
}

// The designed columns, then the folded key columns the program keeps for unique names.
QStringList ConClaves(const char* tabla, QStringList columnas)
{
    const QString t = QString::fromLatin1(tabla);
    if (t == QLatin1String("propietario"))
        columnas << QStringLiteral("clave_nombre");
    else if (t == QLatin1String("inmueble") || t == QLatin1String("informe_inmueble"))
        columnas << QStringLiteral("clave_direccion") << QStringLiteral("clave_piso");
    else if (t == QLatin1String("direccion") || t == QLatin1String("localidad"))
        columnas << QStringLiteral("clave_") + t;
    else if (t == QLatin1String("conceptos_recibos"))
        columnas << QStringLiteral("clave_descripcion");
    return columnas;
}

const char* const kInmueble =
    "ref codref via direccion piso cp localidad arrendador nom_arrendatario doc_arrendatario_tipo "
    "doc_arrendatario_num nacionalidad_arrendatario fecha renta iva irpf otro_importe1 otro_importe2 "
    "otro_importe3 otro_concepto1 otro_concepto2 otro_concepto3 is_recibo_banco is_recibo_fisico "
    "is_recibo_numerar banco sucursal dc ccc telefono_casa telefono_movil notas metros habitaciones "
    "cocina_ind refcatastral email direccioninquilino is_seleccionado tipo_inmueble equipamiento "
    "nota_recibo iban bic mandato_ref mandato_fecha mandato_tipo mandato_ultimo";

const char* const kReciboHastaNumero =
    "ref codref direccion piso localidad arrendador nom_arrendatario doc_arrendatario_tipo "
    "doc_arrendatario_num fecha_facturacion fecha_cobro renta iva irpf otro_importe1 otro_importe2 "
    "otro_importe3 otro_concepto1 otro_concepto2 otro_concepto3 is_recibo_banco is_recibo_fisico "
    "is_recibo_numerar banco sucursal dc ccc notas numero_recibo ";

}  // namespace

TEST(Esquema, NewWorkspaceHasEveryTableWithItsColumnsInOrder)
{
    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    const struct { const char* tabla; QString columnas; } casos[] = {
        {"propietario", QStringLiteral("ref via direccion piso cp localidad nombre documento_tipo "
                                       "documento_numero banco sucursal dc ccc sufijo numero_recibo "
                                       "telefono_casa telefono_movil notas datos_banco iban bic id_acreedor")},
        {"inmueble", QString::fromLatin1(kInmueble)},
        {"recibo", QString::fromLatin1(kReciboHastaNumero) +
                       QStringLiteral("estado nota_recibo refcatastral direccioninquilino num_alquiler "
                                      "iban bic mandato_ref mandato_fecha sepa_secuencia")},
        {"emision_recibo", QString::fromLatin1(kReciboHastaNumero) +
                               QStringLiteral("is_recibo_seleccionado nota_recibo estado refcatastral "
                                              "direccioninquilino num_alquiler iban bic "
                                              "mandato_ref mandato_fecha sepa_secuencia")},
        {"facturacion", QStringLiteral("ref fecha notas")},
        {"direccion", QStringLiteral("direccion")},
        {"localidad", QStringLiteral("localidad")},
        {"gastos", QStringLiteral("ref ref_concepto descripcion otro importe impuesto fecha "
                                  "ref_propietario ref_inmueble ref_recibo")},
        {"conceptos_recibos", QStringLiteral("ref descripcion tipo")},
        {"informe_inmueble", QString::fromLatin1(kInmueble)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tabla);
        EXPECT_EQ(Columnas(db, QString::fromLatin1(c.tabla)), ConClaves(c.tabla, c.columnas.split(u' ')));
        EXPECT_EQ(NombresColumnas(QString::fromLatin1(c.tabla)), c.columnas.split(u' '));
    }
    EXPECT_EQ(db.applicationId(), kAplicacionId);
    EXPECT_EQ(db.userVersion(), kVersionEsquema);
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM informe_inmueble")), 0);
    // The sort indexes: receipts by ref (unique), properties by order of entry, none on staging.
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT \"unique\" FROM pragma_index_list('recibo')"
                                              " WHERE name = 'ReciboIndex'"), -1), 1);
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'InmueblesIndex'"
                                              " AND tbl_name = 'inmueble'")), 1);
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'Emision_reciboIndex'")), 0);
}

TEST(Esquema, NewWorkspaceHasTheFiveConceptsInOrder)
{
    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    Statement st(db, "SELECT ref, descripcion, tipo FROM conceptos_recibos ORDER BY rowid");
    const struct { qint64 ref; const char* desc; qint64 tipo; } esperado[] = {
        {1, "RENTA", 1}, {2, "AGUA", 0}, {3, "COMUNIDAD", 0}, {4, "SUMINISTROS", 0}, {5, "VARIOS", 0}};
    for (const auto& e : esperado) {
        ASSERT_TRUE(st.next());
        EXPECT_EQ(st.integer(0), e.ref);
        EXPECT_EQ(st.text(1), QLatin1String(e.desc));
        EXPECT_EQ(st.integer(2), e.tipo);
    }
    EXPECT_FALSE(st.next());
}

TEST(Esquema, CountersNumberNewRowsWhenNoRefIsGiven)
{
    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    Statement ins(db, "INSERT INTO propietario (nombre) VALUES (?1)");
    for (const char* n : {"A", "B", "C"})
        ins.bind(1, n).run();
    Statement(db, "INSERT INTO propietario (ref, nombre) VALUES (10, 'D')").run();
    ins.bind(1, "E").run();
    Statement st(db, "SELECT ref FROM propietario ORDER BY rowid");
    QList<qint64> refs;
    while (st.next())
        refs << st.integer(0);
    EXPECT_EQ(refs, (QList<qint64>{1, 2, 3, 10, 11}));
    Statement(db, "INSERT INTO recibo (direccion) VALUES ('X')").run();
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT ref FROM recibo")), 1);
}

TEST(Esquema, UpgradeTwiceChangesNothingAndEmptiesInformeInmueble)
{
    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    Statement(db, "INSERT INTO inmueble (direccion, piso) VALUES ('Mayor 1', ' ')").run();
    const QString antes = Huella(db);
    db.exec(QStringLiteral("INSERT INTO informe_inmueble SELECT * FROM inmueble"));
    ActualizarEsquema(db);
    EXPECT_EQ(Huella(db), antes);
    ActualizarEsquema(db);
    EXPECT_EQ(Huella(db), antes);
}

TEST(Esquema, UpgradeLeavesNoStagingIndexAndReciboIndexOnRef)
{
    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    // What a sort change leaves behind, with rows that a unique index could not hold.
    Statement ins(db, "INSERT INTO emision_recibo (ref, direccion, arrendador) VALUES (?1, 'Mayor 1', 'ANA')");
    ins.bind(1, 1).run();
    ins.bind(1, 1).run();
    db.exec(QStringLiteral("CREATE INDEX Emision_reciboIndex ON emision_recibo(arrendador, direccion)"));
    db.exec(QStringLiteral("DROP INDEX ReciboIndex; CREATE INDEX ReciboIndex ON recibo(arrendador, ref)"));
    ActualizarEsquema(db);
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'Emision_reciboIndex'")), 0);
    Statement st(db, "SELECT il.\"unique\", (SELECT group_concat(name) FROM pragma_index_info(il.name))"
                     " FROM pragma_index_list('recibo') il WHERE il.name = 'ReciboIndex'");
    ASSERT_TRUE(st.next());
    EXPECT_EQ(st.integer(0), 1);
    EXPECT_EQ(st.text(1), QStringLiteral("ref"));
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM emision_recibo")), 2);
}

// A file of ours from before the current layout: narrower tables, keys and indexes that are
// gone now, no expense tables, and rows that must all survive.
TEST(Esquema, EarlierLayoutIsUpgradedWithoutLosingRows)
{
    TempWorkspace ws;
    const QString ruta = ws.workspacePath();
    {
        Database db(ruta, Database::Mode::Create);
        db.setApplicationId(kAplicacionId);
        db.exec(QStringLiteral(R"(
CREATE TABLE propietario (ref INTEGER NOT NULL, via TEXT(20), direccion TEXT(50), piso TEXT(50),
  cp TEXT(5), localidad TEXT(30), nombre TEXT(50) NOT NULL, documento_tipo TEXT(20),
  documento_numero TEXT(20), banco TEXT(4), sucursal TEXT(4), dc TEXT(2), ccc TEXT(10),
  numero_recibo INTEGER, telefono_casa TEXT(9), telefono_movil TEXT(9), notas TEXT,
  CONSTRAINT pk_propietario PRIMARY KEY (nombre));
CREATE INDEX propietarioIndex ON propietario(nombre, ref);
CREATE TABLE inmueble (ref INTEGER NOT NULL, codref TEXT(12), via TEXT(20), direccion TEXT(50) NOT NULL,
  piso TEXT(50), cp TEXT(5), localidad TEXT(30), arrendador TEXT(50), nom_arrendatario TEXT(50),
  doc_arrendatario_tipo TEXT(30), doc_arrendatario_num TEXT(35), nacionalidad_arrendatario TEXT(35),
  fecha DATETIME, renta INTEGER, iva INTEGER, irpf INTEGER, otro_importe1 INTEGER, otro_importe2 INTEGER,
  otro_importe3 INTEGER, otro_concepto1 TEXT(50), otro_concepto2 TEXT(50), otro_concepto3 TEXT(50),
  is_recibo_banco INTEGER, is_recibo_fisico INTEGER, is_recibo_numerar INTEGER, banco TEXT(4),
  sucursal TEXT(4), dc TEXT(2), ccc TEXT(10), telefono_casa TEXT(9), telefono_movil TEXT(9), notas TEXT,
  metros INTEGER, habitaciones INTEGER, cocina_ind INTEGER,
  CONSTRAINT pk_imueble PRIMARY KEY (direccion, piso));
CREATE INDEX inmuebleIndex ON inmueble(localidad);
CREATE TABLE recibo (ref INTEGER NOT NULL, codref TEXT(12), direccion TEXT(50) NOT NULL, piso TEXT(50),
  localidad TEXT(30), arrendador TEXT(50), nom_arrendatario TEXT(50), doc_arrendatario_tipo TEXT(30),
  doc_arrendatario_num TEXT(35), fecha_facturacion DATETIME, fecha_cobro DATETIME, renta INTEGER,
  iva INTEGER, irpf INTEGER, otro_importe1 INTEGER, otro_importe2 INTEGER, otro_importe3 INTEGER,
  otro_concepto1 TEXT(50), otro_concepto2 TEXT(50), otro_concepto3 TEXT(50), is_recibo_banco INTEGER,
  is_recibo_fisico INTEGER, is_recibo_numerar INTEGER, banco TEXT(4), sucursal TEXT(4), dc TEXT(2),
  ccc TEXT(10), notas TEXT, numero_recibo INTEGER, CONSTRAINT pk_recibo PRIMARY KEY (ref));
CREATE TABLE facturacion (ref INTEGER NOT NULL, fecha DATETIME, notas TEXT,
  CONSTRAINT pk_fecha PRIMARY KEY (fecha));
CREATE TABLE emision_recibo (ref INTEGER NOT NULL, codref TEXT(12), direccion TEXT(50) NOT NULL,
  piso TEXT(50), localidad TEXT(30), arrendador TEXT(50), nom_arrendatario TEXT(50),
  doc_arrendatario_tipo TEXT(30), doc_arrendatario_num TEXT(35), fecha_facturacion DATETIME,
  fecha_cobro DATETIME, renta INTEGER, iva INTEGER, irpf INTEGER, otro_importe1 INTEGER,
  otro_importe2 INTEGER, otro_importe3 INTEGER, otro_concepto1 TEXT(50), otro_concepto2 TEXT(50),
  otro_concepto3 TEXT(50), is_recibo_banco INTEGER, is_recibo_fisico INTEGER, is_recibo_numerar INTEGER,
  banco TEXT(4), sucursal TEXT(4), dc TEXT(2), ccc TEXT(10), notas TEXT, numero_recibo INTEGER,
  is_recibo_seleccionado INTEGER, CONSTRAINT pk_emision_recibo PRIMARY KEY (ref));
CREATE INDEX reciboIndex ON emision_recibo(arrendador);
CREATE TABLE direccion (direccion TEXT(50), CONSTRAINT pk_direccion PRIMARY KEY (direccion));
CREATE TABLE localidad (localidad TEXT(30), CONSTRAINT pk_localidad PRIMARY KEY (localidad));
CREATE TABLE informe_inmueble AS SELECT * FROM inmueble WHERE 0;
INSERT INTO propietario (ref, nombre, notas, numero_recibo) VALUES (1, 'O''Donnell', 'notas largas', 7);
INSERT INTO propietario (ref, nombre) VALUES (2, 'ÑÚÑEZ');
INSERT INTO inmueble (ref, direccion, piso, arrendador, renta, notas)
  VALUES (1, 'Bº L''Eixample 3', '2º 1ª', 'O''Donnell', 5000000, 'n');
INSERT INTO inmueble (ref, direccion, piso, arrendador, renta) VALUES (2, 'Mayor 1', ' ', 'ÑÚÑEZ', 4000000);
INSERT INTO recibo (ref, direccion, piso, arrendador, renta, fecha_facturacion, numero_recibo)
  VALUES (1, 'Mayor 1', ' ', 'ÑÚÑEZ', 4000000, '2010-03-01 00:00:00', 3);
INSERT INTO recibo (ref, direccion, piso, arrendador, renta) VALUES (2, 'Bº L''Eixample 3', '2º 1ª', 'O''Donnell', 5000000);
INSERT INTO facturacion (ref, fecha) VALUES (1, '2010-03-01 00:00:00');
INSERT INTO emision_recibo (ref, direccion, arrendador, is_recibo_seleccionado) VALUES (2, 'x', 'y', 1);
INSERT INTO informe_inmueble SELECT * FROM inmueble;
)"));
    }

    Database db = AbrirWorkspace(ruta);
    EXPECT_EQ(db.userVersion(), kVersionEsquema);
    const struct { const char* tabla; qint64 filas; } filas[] = {
        {"propietario", 2}, {"inmueble", 2}, {"recibo", 2}, {"facturacion", 1}, {"emision_recibo", 1},
        {"gastos", 0}, {"conceptos_recibos", 0}, {"informe_inmueble", 0}};
    for (const auto& f : filas) {
        SCOPED_TRACE(f.tabla);
        EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(f.tabla))), f.filas);
    }
    // Every column of the current layout is there; old columns keep their values.
    for (const QString& t : {QStringLiteral("propietario"), QStringLiteral("inmueble"),
                             QStringLiteral("recibo"), QStringLiteral("emision_recibo")}) {
        SCOPED_TRACE(t.toStdString());
        QStringList enArchivo = Columnas(db, t);
        QStringList esperadas = ConClaves(qPrintable(t), NombresColumnas(t));
        enArchivo.sort();
        esperadas.sort();
        EXPECT_EQ(enArchivo, esperadas);
    }
    EXPECT_EQ(Columnas(db, QStringLiteral("informe_inmueble")), Columnas(db, QStringLiteral("inmueble")));
    Statement p(db, "SELECT notas, numero_recibo, sufijo FROM propietario WHERE nombre = 'O''Donnell'");
    ASSERT_TRUE(p.next());
    EXPECT_EQ(p.text(0), QStringLiteral("notas largas"));
    EXPECT_EQ(p.integer(1), 7);
    EXPECT_TRUE(p.isNull(2));
    Statement r(db, "SELECT renta, numero_recibo, fecha_facturacion FROM recibo WHERE ref = 1");
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.integer(0), 4000000);
    EXPECT_EQ(r.integer(1), 3);
    EXPECT_EQ(r.date(2), QDate(2010, 3, 1));
    // The old keys and indexes are gone: the staging table takes the same receipt twice.
    for (const char* i : {"propietarioIndex", "inmuebleIndex"})
        EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = '%1'")
                                       .arg(QLatin1String(i))), 0) << i;
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index'"
                                              " AND tbl_name = 'emision_recibo'")), 0);
    EXPECT_NO_THROW(CopiarRecibosAEmision(db, {2}));
    // New rows get numbers after the old ones, and widths hold on the upgraded tables.
    Statement(db, "INSERT INTO propietario (ref, nombre) VALUES (0, 'NUEVO')").run();
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT ref FROM propietario WHERE nombre = 'NUEVO'")), 3);
    EXPECT_THROW(Statement(db, "UPDATE propietario SET telefono_casa = '123456789012345678901'").run(), DbError);
    // A second opening finds nothing to do.
    const QString huella = Huella(db);
    db.close();
    Database otra = AbrirWorkspace(ruta);
    EXPECT_EQ(Huella(otra), huella);
}

TEST(Esquema, LayoutTwoGainsIbansFromValidAccountsAndIdentifiersFromValidNifs)
{
    TempWorkspace ws;
    const QString ruta = ws.workspacePath();
    {
        Database db = CrearWorkspace(ruta);
        // Back to layout 2: no direct-debit columns.
        const struct { const char* tabla; const char* columnas; } sepa[] = {
            {"propietario", "iban bic id_acreedor"},
            {"inmueble", "iban bic mandato_ref mandato_fecha mandato_tipo mandato_ultimo"},
            {"recibo", "iban bic mandato_ref mandato_fecha sepa_secuencia"},
            {"emision_recibo", "iban bic mandato_ref mandato_fecha sepa_secuencia"},
        };
        db.exec(QStringLiteral("DROP TABLE informe_inmueble"));
        for (const auto& t : sepa)
            for (const QString& c : QString::fromLatin1(t.columnas).split(u' ')) {
                db.exec(QStringLiteral("DROP TRIGGER IF EXISTS %1_ancho_insert").arg(QLatin1String(t.tabla)));
                db.exec(QStringLiteral("DROP TRIGGER IF EXISTS %1_ancho_update").arg(QLatin1String(t.tabla)));
                db.exec(QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(QLatin1String(t.tabla), c));
            }
        db.exec(QStringLiteral("CREATE TABLE informe_inmueble AS SELECT * FROM inmueble WHERE 0"));
        db.setUserVersion(2);
        db.exec(QStringLiteral(
            "INSERT INTO propietario (nombre, documento_numero, banco, sucursal, dc, ccc) VALUES"
            " ('BUENO', '50.001.774-g', '2100', '0418', '45', '0200051332'),"
            " ('MALO', '50001774A', '2100', '0418', '**', '0200051332');"
            "INSERT INTO inmueble (direccion, piso, arrendador, banco, sucursal, dc, ccc) VALUES"
            " ('MAYOR 1', ' ', 'BUENO', '2100', '0418', '45', '0200051332');"
            "INSERT INTO recibo (direccion, piso, arrendador, banco, sucursal, dc, ccc) VALUES"
            " ('MAYOR 1', ' ', 'BUENO', '2100', '0418', '45', '0200051332'),"
            " ('MAYOR 1', ' ', 'BUENO', '', '', '', '')"));
    }
    Database db = AbrirWorkspace(ruta);
    EXPECT_EQ(db.userVersion(), kVersionEsquema);
    const QString iban = QStringLiteral("ES9121000418450200051332");
    Statement p(db, "SELECT COALESCE(iban,'-'), COALESCE(id_acreedor,'-') FROM propietario ORDER BY nombre");
    ASSERT_TRUE(p.next());
    EXPECT_EQ(p.text(0), iban);
    EXPECT_EQ(p.text(1), QStringLiteral("ES6700050001774G"));
    ASSERT_TRUE(p.next());   // a failed check and a wrong letter give nothing
    EXPECT_EQ(p.text(0), QStringLiteral("-"));
    EXPECT_EQ(p.text(1), QStringLiteral("-"));
    Statement i(db, "SELECT iban, mandato_tipo FROM inmueble");
    ASSERT_TRUE(i.next());
    EXPECT_EQ(i.text(0), iban);
    EXPECT_EQ(i.text(1), QStringLiteral("RCUR"));
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM recibo WHERE iban = 'ES9121000418450200051332'")), 1);
    EXPECT_THROW(Statement(db, "UPDATE propietario SET bic = 'CAIXESBBXXXX'").run(), DbError);
}

TEST(Esquema, UniquenessRulesIgnoreCaseIncludingSpanishLetters)
{
    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    const struct { const char* primero; const char* segundo; bool admitido; } casos[] = {
        {"INSERT INTO propietario (nombre) VALUES ('GARCIA')", "INSERT INTO propietario (nombre) VALUES ('garcia')", false},
        {"INSERT INTO propietario (nombre) VALUES ('ÑÚÑEZ')", "INSERT INTO propietario (nombre) VALUES ('ñúñez')", false},
        {"INSERT INTO propietario (nombre) VALUES ('NUÑEZ')", "INSERT INTO propietario (nombre) VALUES ('NUNEZ')", true},
        {"INSERT INTO inmueble (direccion, piso) VALUES ('Mayor 1', '1º')", "INSERT INTO inmueble (direccion, piso) VALUES ('MAYOR 1', '1º')", false},
        {"INSERT INTO inmueble (direccion, piso) VALUES ('Sol 2', '1º')", "INSERT INTO inmueble (direccion, piso) VALUES ('Sol 2', '2º')", true},
        {"INSERT INTO facturacion (fecha) VALUES ('2010-03-01 00:00:00')", "INSERT INTO facturacion (fecha) VALUES ('2010-03-01 00:00:00')", false},
        {"INSERT INTO conceptos_recibos (descripcion, tipo) VALUES ('LUZ', 0)", "INSERT INTO conceptos_recibos (descripcion, tipo) VALUES ('luz', 0)", false},
        {"INSERT INTO localidad (localidad) VALUES ('ÁVILA')", "INSERT INTO localidad (localidad) VALUES ('ávila')", false},
        {"UPDATE propietario SET nombre = 'Pérez' WHERE nombre = 'GARCIA'", "UPDATE propietario SET nombre = 'PÉREZ' WHERE nombre = 'NUÑEZ'", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.segundo);
        Statement(db, c.primero).run();
        if (c.admitido)
            EXPECT_NO_THROW(Statement(db, c.segundo).run());
        else
            EXPECT_THROW(Statement(db, c.segundo).run(), DbError);
    }
}

TEST(Esquema, TextLongerThanItsColumnIsRefusedNamingTheField)
{
    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    try {
        Statement(db, "INSERT INTO inmueble (direccion, piso) VALUES (?1, ' ')").bind(1, QString(51, u'x')).run();
        FAIL() << "a 51-character address was stored";
    } catch (const DbError& e) {
        EXPECT_EQ(TextoError(e), QStringLiteral("El campo «direccion» admite como máximo 50 caracteres."));
    }
    // Exactly the width is fine, counted in characters, not bytes; long texts are not cut.
    const QString cincuenta = QString(50, QChar(0x00D1));
    const QString notas = QString(5000, u'n');
    Statement(db, "INSERT INTO inmueble (direccion, piso, notas, equipamiento) VALUES (?1, ' ', ?2, ?2)")
        .bind(1, cincuenta).bind(2, notas).run();
    Statement st(db, "SELECT direccion, notas, equipamiento FROM inmueble");
    ASSERT_TRUE(st.next());
    EXPECT_EQ(st.text(0), cincuenta);
    EXPECT_EQ(st.text(1), notas);
    EXPECT_EQ(st.text(2), notas);
    EXPECT_THROW(Statement(db, "UPDATE inmueble SET codref = '1234567890123'").run(), DbError);
    EXPECT_EQ(AnchoColumna(QStringLiteral("propietario"), QStringLiteral("telefono_movil")), kLongitudTelefono);
    EXPECT_EQ(AnchoColumna(QStringLiteral("informe_inmueble"), QStringLiteral("refcatastral")), 23);
    EXPECT_THROW(ComprobarAncho(QStringLiteral("recibo"), QStringLiteral("dc"), QStringLiteral("123")), UserError);
}

TEST(Esquema, ForeignOrDamagedFilesAreRefusedAndLeftUntouched)
{
    TempWorkspace ws;
    // A workspace of ours to damage.
    const QString bueno = ws.file(QStringLiteral("bueno.rtv"));
    {
        Database db = CrearWorkspace(bueno);
        Statement ins(db, "INSERT INTO recibo (direccion, notas) VALUES ('Mayor 1', ?1)");
        for (int i = 0; i < 200; ++i)
            ins.bind(1, QString(300, QChar(u'a' + i % 26))).run();
    }
    const QByteArray original = Leer(bueno);
    ASSERT_GT(original.size(), 8192);
    QByteArray esquemaRoto = original;
    for (int i = 100; i < 4096; ++i)
        esquemaRoto[i] = char(0xA5);
    QByteArray ajeno;
    {
        const QString ruta = ws.file(QStringLiteral("ajeno.db"));
        Database db(ruta, Database::Mode::Create);
        db.exec(QStringLiteral("CREATE TABLE t (x); INSERT INTO t VALUES (1)"));
        db.close();
        ajeno = Leer(ruta);
    }

    const struct { const char* nombre; QByteArray datos; const char* mensaje; } casos[] = {
        {"texto.rtv", QByteArrayLiteral("esto no es una base de datos\n"), "no es un archivo de Rentiva"},
        {"vacio.rtv", QByteArray(), "no es un archivo de Rentiva"},
        {"ajeno.rtv", ajeno, "no es un archivo de Rentiva"},
        {"cortado.rtv", original.left(original.size() / 2), "está dañado"},
        {"esquema_roto.rtv", esquemaRoto, "está dañado"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        const QString ruta = ws.file(QString::fromLatin1(c.nombre));
        Escribir(ruta, c.datos);
        try {
            Database db = AbrirWorkspace(ruta);
            ADD_FAILURE() << "opened";
        } catch (const UserError& e) {
            EXPECT_TRUE(e.Mensaje().contains(QString::fromUtf8(c.mensaje))) << e.what();
        }
        EXPECT_EQ(Leer(ruta), c.datos);
        EXPECT_FALSE(QFile::exists(ruta + QStringLiteral("-journal")));
        EXPECT_FALSE(EsWorkspace(ruta) && QLatin1String(c.mensaje) != QLatin1String("está dañado"));
    }
    EXPECT_THROW(AbrirWorkspace(ws.file(QStringLiteral("no_existe.rtv"))), UserError);
    EXPECT_TRUE(EsWorkspace(bueno));
}

TEST(Esquema, FailedUpgradeLeavesTheFileAsItWas)
{
    TempWorkspace ws;
    const QString ruta = ws.workspacePath();
    {
        // An earlier layout whose receipts repeat a ref: the unique ReciboIndex cannot be built.
        Database db(ruta, Database::Mode::Create);
        db.setApplicationId(kAplicacionId);
        db.exec(QStringLiteral("CREATE TABLE recibo (ref INTEGER NOT NULL, direccion TEXT(50) NOT NULL);"
                               "INSERT INTO recibo VALUES (1, 'A'); INSERT INTO recibo VALUES (1, 'B');"));
    }
    const QByteArray antes = Leer(ruta);
    EXPECT_THROW(AbrirWorkspace(ruta), UserError);
    EXPECT_EQ(Leer(ruta), antes);
}

TEST(Esquema, NewerLayoutIsRefused)
{
    TempWorkspace ws;
    {
        Database db = CrearWorkspace(ws.workspacePath());
        db.setUserVersion(kVersionEsquema + 1);
    }
    const QByteArray antes = Leer(ws.workspacePath());
    EXPECT_THROW(AbrirWorkspace(ws.workspacePath()), UserError);
    EXPECT_EQ(Leer(ws.workspacePath()), antes);
}

TEST(Esquema, CreateRefusesAnExistingFile)
{
    TempWorkspace ws;
    Escribir(ws.workspacePath(), QByteArrayLiteral("datos del usuario"));
    EXPECT_THROW(CrearWorkspace(ws.workspacePath()), UserError);
    EXPECT_EQ(Leer(ws.workspacePath()), QByteArrayLiteral("datos del usuario"));
}

TEST(FechaSql, WritesStoredDateLiteralsAndNullForInvalidDates)
{
    const struct { QDate fecha; const char* literal; } casos[] = {
        {QDate(2010, 3, 7), "'2010-03-07 00:00:00'"},
        {QDate(2010, 12, 25), "'2010-12-25 00:00:00'"},
        {QDate(), "NULL"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(FechaSql(c.fecha), QLatin1String(c.literal));

    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    Statement(db, "INSERT INTO recibo (direccion, fecha_facturacion) VALUES ('A', ?1)").bind(1, QDate(2010, 3, 7)).run();
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM recibo WHERE fecha_facturacion = %1")
                                   .arg(FechaSql(QDate(2010, 3, 7)))), 1);
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM recibo WHERE fecha_facturacion = %1")
                                   .arg(FechaSql(QDate()))), 0);
}

TEST(Emision, CopyPutsEveryValueInItsOwnColumnInTheGivenOrder)
{
    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    // Distinct values in the columns whose positions differ between the two tables.
    Statement ins(db, "INSERT INTO recibo (direccion, piso, arrendador, renta, numero_recibo, estado,"
                      " nota_recibo, refcatastral, direccioninquilino, num_alquiler, notas)"
                      " VALUES (?1, ' ', 'O''Donnell', ?2, ?3, 3, ?4, ?5, ?6, ?7, ?8)");
    for (int i = 1; i <= 3; ++i)
        ins.bind(1, QStringLiteral("Calle %1").arg(i)).bind(2, qint64(i) * 10000).bind(3, 100 + i)
            .bind(4, QStringLiteral("nota %1").arg(i)).bind(5, QStringLiteral("RC%1").arg(i))
            .bind(6, QStringLiteral("Casa %1").arg(i)).bind(7, 40 + i).bind(8, QString(1000, u'z')).run();
    VaciarEmision(db);
    EXPECT_EQ(CopiarRecibosAEmision(db, {3, 99, 1}, false), 2);
    Statement st(db, "SELECT ref, direccion, renta, numero_recibo, estado, nota_recibo, refcatastral,"
                     " direccioninquilino, num_alquiler, is_recibo_seleccionado, arrendador, length(notas)"
                     " FROM emision_recibo ORDER BY rowid");
    for (int i : {3, 1}) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(st.next());
        EXPECT_EQ(st.integer(0), i);
        EXPECT_EQ(st.text(1), QStringLiteral("Calle %1").arg(i));
        EXPECT_EQ(st.integer(2), i * 10000);
        EXPECT_EQ(st.integer(3), 100 + i);
        EXPECT_EQ(st.integer(4), 3);
        EXPECT_EQ(st.text(5), QStringLiteral("nota %1").arg(i));
        EXPECT_EQ(st.text(6), QStringLiteral("RC%1").arg(i));
        EXPECT_EQ(st.text(7), QStringLiteral("Casa %1").arg(i));
        EXPECT_EQ(st.integer(8), 40 + i);
        EXPECT_EQ(st.integer(9), 0);
        EXPECT_EQ(st.text(10), QStringLiteral("O'Donnell"));
        EXPECT_EQ(st.integer(11), 1000);
    }
    EXPECT_FALSE(st.next());
}

TEST(Emision, MonthCopyTakesTheWholeMonthAndNothingElse)
{
    TempWorkspace ws;
    Database db = CrearWorkspace(ws.workspacePath());
    Statement ins(db, "INSERT INTO recibo (direccion, arrendador, fecha_facturacion) VALUES (?1, ?2, ?3)");
    const struct { const char* dir; const char* cuando; bool dentro; } casos[] = {
        {"a", "2010-02-28 23:59:59", false}, {"b", "2010-03-01 00:00:00", true},
        {"c", "2010-03-31 18:30:00", true},  {"d", "2010-04-01 00:00:00", false},
        {"e", "2010-03-15 00:00:00", true},
    };
    for (const auto& c : casos)
        ins.bind(1, c.dir).bind(2, c.dir[0] == 'e' ? "OTRO" : "ANA").bind(3, c.cuando).run();
    const RangoFechas r = RangoMes(2010, 3);
    VaciarEmision(db);
    const int n = CopiarRecibosAEmision(db, QStringLiteral("es_fold(arrendador) = es_fold(?1) AND fecha_facturacion >= ?2"
                                                           " AND fecha_facturacion < ?3"),
                                        {QStringLiteral("ana"), r.desde, r.hasta},
                                        QStringLiteral("direccion DESC"));
    EXPECT_EQ(n, 2);
    Statement st(db, "SELECT direccion, is_recibo_seleccionado FROM emision_recibo ORDER BY rowid");
    for (const char* d : {"c", "b"}) {
        ASSERT_TRUE(st.next());
        EXPECT_EQ(st.text(0), QLatin1String(d));
        EXPECT_EQ(st.integer(1), 1);
    }
    EXPECT_FALSE(st.next());
    EXPECT_EQ(RangoMes(2010, 12).hasta, QStringLiteral("2011-01-01 00:00:00"));
    // The month after 9999-12 would sort before it as text: the range still holds its days.
    const RangoFechas fin = RangoMes(9999, 12);
    EXPECT_LT(fin.desde, QStringLiteral("9999-12-31 23:59:59"));
    EXPECT_LT(QStringLiteral("9999-12-31 23:59:59"), fin.hasta);
    EXPECT_THROW(RangoMes(2010, 13), UserError);
}
