#include "data/esquema.h"

#include <algorithm>

#include "data/database.h"
#include "data/workspace.h"
#include "util/errores.h"
#include "util/iban.h"
#include "util/nif.h"

namespace {

using enum TipoColumna;

const char* const kConceptosIniciales[] = {"RENTA", "AGUA", "COMUNIDAD", "SUMINISTROS", "VARIOS"};

// SQLite's types for the design's: widths stay in the declared type for readers of the
// file, but SQLite does not enforce them; the triggers below do.
QString TipoSql(const Columna& c)
{
    switch (c.tipo) {
    case Texto: return QStringLiteral("TEXT(%1)").arg(c.ancho);
    case TextoLargo: return QStringLiteral("TEXT");
    case FechaHora: return QStringLiteral("DATETIME");
    case Contador:
    case Moneda:
    case Bit:
    case Entero: return QStringLiteral("INTEGER");
    }
    return QStringLiteral("TEXT");
}

QString DefinicionColumna(const Tabla& t, const Columna& c, bool nueva)
{
    QString d = QString::fromLatin1(c.nombre) + u' ' + TipoSql(c);
    // ADD COLUMN cannot add NOT NULL without a default; added columns are never keys.
    if (c.noNulo && nueva)
        d += QStringLiteral(" NOT NULL");
    if (c.tipo == Contador && !t.refEsFila)
        d += QStringLiteral(" DEFAULT 0");
    return d;
}

// Columns compared ignoring case that must be unique: each keeps its folded text in a column
// "clave_<name>" with a plain unique index, filled by triggers. Any SQLite reader can then
// check and query the file; the old ES_NOCASE collation made stock tools fail.
struct ClavePlegada {
    const char* tabla;
    const char* columnas[2];
};
constexpr ClavePlegada kClaves[] = {
    {"propietario", {"nombre", nullptr}},
    {"inmueble", {"direccion", "piso"}},
    {"direccion", {"direccion", nullptr}},
    {"localidad", {"localidad", nullptr}},
    {"conceptos_recibos", {"descripcion", nullptr}},
};

const ClavePlegada* ClaveDe(const Tabla& t)
{
    for (const ClavePlegada& k : kClaves)
        if (qstrcmp(k.tabla, t.nombre) == 0)
            return &k;
    return nullptr;
}

QStringList ColumnasClave(const ClavePlegada& k)
{
    QStringList r;
    for (const char* c : k.columnas)
        if (c)
            r << QString::fromLatin1(c);
    return r;
}

QString CrearTablaSql(const Tabla& t)
{
    QStringList partes;
    for (const Columna& c : t.columnas)
        partes << DefinicionColumna(t, c, true);
    if (const ClavePlegada* k = ClaveDe(t))
        for (const QString& c : ColumnasClave(*k))
            partes << QStringLiteral("clave_%1 TEXT").arg(c);
    if (t.restriccion)
        partes << QString::fromLatin1(t.restriccion);
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(QString::fromLatin1(t.nombre),
                                                      partes.join(QStringLiteral(", ")));
}

bool ExisteTabla(Database& db, const QString& nombre)
{
    Statement st(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
    return st.bind(1, nombre).next();
}

struct InfoColumna {
    QString nombre;
    QString tipo;
    bool clave = false;
};

QList<InfoColumna> ColumnasEnArchivo(Database& db, const QString& tabla)
{
    QList<InfoColumna> r;
    Statement st(db, "SELECT name, type, pk FROM pragma_table_info(?1)");
    st.bind(1, tabla);
    while (st.next())
        r.append({st.text(0), st.text(1), st.integer(2) != 0});
    return r;
}

// The index named nombre (names are case-insensitive in SQLite) if it is on tabla.
bool ExisteIndice(Database& db, const QString& nombre, const QString& tabla)
{
    Statement st(db, "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?1 COLLATE NOCASE"
                     " AND tbl_name = ?2 COLLATE NOCASE AND sql IS NOT NULL");
    return st.bind(1, nombre).bind(2, tabla).next();
}

void BorrarIndiceSiEsta(Database& db, const QString& nombre, const QString& tabla)
{
    if (ExisteIndice(db, nombre, tabla))
        db.exec(QStringLiteral("DROP INDEX %1").arg(QuoteIdentifier(nombre)));
}

QString Literal(const QString& texto)
{
    return u'\'' + QString(texto).replace(u'\'', QStringLiteral("''")) + u'\'';
}

// Refuses, for every writer and not only the record classes, a text longer than its column.
// Staged rows are inserted only as copies of receipts, whose widths recibo's own triggers
// already checked; checking them again tripled the cost of staging a year of receipts.
// Edits of staged rows are still checked.
bool EsCopiaDeRecibos(const Tabla& t)
{
    return QLatin1String(t.nombre) == QLatin1String("emision_recibo");
}

void CrearTriggersAncho(Database& db, const Tabla& t)
{
    const QString tabla = QString::fromLatin1(t.nombre);
    QStringList casos;
    for (const Columna& c : t.columnas) {
        if (c.tipo != Texto)
            continue;
        const QString col = QString::fromLatin1(c.nombre);
        casos << QStringLiteral("WHEN length(NEW.%1) > %2 THEN RAISE(ABORT, %3)")
                     .arg(col).arg(c.ancho).arg(Literal(ErrorAncho(tabla, col, QString(c.ancho + 1, u'x'))));
    }
    for (const char* cuando : {"INSERT", "UPDATE"}) {
        const QString nombre = QStringLiteral("%1_ancho_%2").arg(tabla, QString::fromLatin1(cuando).toLower());
        db.exec(QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(nombre));
        if (casos.isEmpty() || (EsCopiaDeRecibos(t) && QLatin1String(cuando) == QLatin1String("INSERT")))
            continue;
        db.exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 BEGIN SELECT CASE %4 END; END")
                    .arg(nombre, QString::fromLatin1(cuando), tabla, casos.join(u' ')));
    }
}

// A COUNTER that is not the row id: ref 0 (the default) takes the next number after insert.
void CrearContador(Database& db, const Tabla& t)
{
    if (t.refEsFila || t.columnas.empty() || t.columnas[0].tipo != Contador)
        return;
    const QString tabla = QString::fromLatin1(t.nombre);
    db.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS %1_ref ON %1(ref)").arg(tabla));
    db.exec(QStringLiteral("DROP TRIGGER IF EXISTS %1_contador").arg(tabla));
    db.exec(QStringLiteral("CREATE TRIGGER %1_contador AFTER INSERT ON %1 WHEN NEW.ref = 0 BEGIN"
                           " UPDATE %1 SET ref = (SELECT MAX(ref) FROM %1) + 1 WHERE rowid = NEW.rowid;"
                           " END").arg(tabla));
}

// Copies the rows of a table into a fresh one with the current layout, by column name.
void RehacerTabla(Database& db, const Tabla& t)
{
    const QString tabla = QString::fromLatin1(t.nombre);
    const QString vieja = tabla + QStringLiteral("_anterior");
    QStringList comunes;
    const QList<InfoColumna> enArchivo = ColumnasEnArchivo(db, tabla);
    for (const Columna& c : t.columnas)
        for (const InfoColumna& a : enArchivo)
            if (a.nombre.compare(QLatin1String(c.nombre), Qt::CaseInsensitive) == 0)
                comunes << QString::fromLatin1(c.nombre);
    db.exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(tabla, vieja));
    db.exec(CrearTablaSql(t));
    const QString lista = comunes.join(QStringLiteral(", "));
    db.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3 ORDER BY rowid").arg(tabla, lista, vieja));
    db.exec(QStringLiteral("DROP TABLE %1").arg(vieja));
}

// Missing columns go at the end, in the order of the current layout.
void AnadirColumnasQueFaltan(Database& db, const Tabla& t)
{
    const QString tabla = QString::fromLatin1(t.nombre);
    const QList<InfoColumna> enArchivo = ColumnasEnArchivo(db, tabla);
    for (const Columna& c : t.columnas) {
        const bool esta = std::any_of(enArchivo.begin(), enArchivo.end(), [&](const InfoColumna& a) {
            return a.nombre.compare(QLatin1String(c.nombre), Qt::CaseInsensitive) == 0;
        });
        if (!esta)
            db.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(tabla, DefinicionColumna(t, c, false)));
    }
}

// Layout 1: every table and column of the current layout, without the keys and indexes of
// older layouts; width checks and counters as triggers.
void PasoEstructura(Database& db)
{
    const struct { const char* indice; const char* tabla; } kViejos[] = {
        {"propietarioIndex", "propietario"}, {"inmuebleIndex", "inmueble"},
        {"reciboIndex", "emision_recibo"}, {"pk_emision_recibo", "emision_recibo"},
        {"Recibo_reciboIndex", "recibo"},
    };
    for (const auto& v : kViejos)
        BorrarIndiceSiEsta(db, QString::fromLatin1(v.indice), QString::fromLatin1(v.tabla));

    for (const Tabla& t : TablasEsquema()) {
        const QString tabla = QString::fromLatin1(t.nombre);
        if (!ExisteTabla(db, tabla)) {
            db.exec(CrearTablaSql(t));
            continue;
        }
        AnadirColumnasQueFaltan(db, t);
    }

    const QList<InfoColumna> emision = ColumnasEnArchivo(db, QStringLiteral("emision_recibo"));
    if (std::any_of(emision.begin(), emision.end(), [](const InfoColumna& a) { return a.clave; }))
        RehacerTabla(db, *BuscarTabla(QStringLiteral("emision_recibo")));

    for (const Tabla& t : TablasEsquema()) {
        CrearContador(db, t);
        CrearTriggersAncho(db, t);
    }
}

// Rebuilds a table whose definition still names a collation of ours, keeping its indexes.
void QuitarColacion(Database& db, const Tabla& t)
{
    const QString tabla = QString::fromLatin1(t.nombre);
    {
        Statement st(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 AND sql LIKE '%ES_NOCASE%'");
        if (!st.bind(1, tabla).next())
            return;
    }
    QStringList indices;
    {
        Statement st(db, "SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ?1 AND sql IS NOT NULL");
        st.bind(1, tabla);
        while (st.next())
            indices << st.text(0);
    }
    RehacerTabla(db, t);
    for (const QString& sql : indices)
        db.exec(sql);
}

void CrearClave(Database& db, const ClavePlegada& k)
{
    const QString tabla = QString::fromLatin1(k.tabla);
    const QStringList columnas = ColumnasClave(k);
    const QList<InfoColumna> enArchivo = ColumnasEnArchivo(db, tabla);
    QStringList asignaciones, claves, nuevas;
    for (const QString& c : columnas) {
        const QString clave = QStringLiteral("clave_") + c;
        if (std::none_of(enArchivo.begin(), enArchivo.end(), [&](const InfoColumna& a) { return a.nombre == clave; }))
            db.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT").arg(tabla, clave));
        asignaciones << QStringLiteral("%1 = es_fold(%2)").arg(clave, c);
        nuevas << QStringLiteral("%1 = es_fold(NEW.%2)").arg(clave, c);
        claves << clave;
    }
    db.exec(QStringLiteral("UPDATE %1 SET %2").arg(tabla, asignaciones.join(QStringLiteral(", "))));
    db.exec(QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS %1_clave ON %1(%2)")
                .arg(tabla, claves.join(QStringLiteral(", "))));
    const QString cuerpo = QStringLiteral("BEGIN UPDATE %1 SET %2 WHERE rowid = NEW.rowid; END")
                               .arg(tabla, nuevas.join(QStringLiteral(", ")));
    db.exec(QStringLiteral("DROP TRIGGER IF EXISTS %1_clave_insert").arg(tabla));
    db.exec(QStringLiteral("CREATE TRIGGER %1_clave_insert AFTER INSERT ON %1 %2").arg(tabla, cuerpo));
    db.exec(QStringLiteral("DROP TRIGGER IF EXISTS %1_clave_update").arg(tabla));
    db.exec(QStringLiteral("CREATE TRIGGER %1_clave_update AFTER UPDATE OF %2 ON %1 %3")
                .arg(tabla, columnas.join(QStringLiteral(", ")), cuerpo));
}

// Layout 2: no collation of ours in the file. Uniqueness ignoring case (Spanish letters too)
// moves to folded key columns; the program compares and sorts with es_fold().
void PasoClavesPlegadas(Database& db)
{
    for (const Tabla& t : TablasEsquema())
        QuitarColacion(db, t);
    for (const ClavePlegada& k : kClaves)
        CrearClave(db, k);
    // A rebuilt table lost its triggers with the old one.
    for (const Tabla& t : TablasEsquema()) {
        CrearContador(db, t);
        CrearTriggersAncho(db, t);
    }
}

// Layout 3: accounts as IBAN and BIC, the owner's creditor identifier, the tenant's mandate,
// and on receipts the mandate they were sent under with its sequence type. Valid CCCs get
// their IBAN and valid NIFs their identifier; mandates are recurrent until the user says not.
void PasoSepa(Database& db)
{
    for (const Tabla& t : TablasEsquema()) {
        if (ExisteTabla(db, QString::fromLatin1(t.nombre)))
            AnadirColumnasQueFaltan(db, t);
        CrearTriggersAncho(db, t);
    }
    for (const char* tabla : {"propietario", "inmueble", "recibo", "emision_recibo"}) {
        Statement sel(db, QStringLiteral("SELECT rowid, banco, sucursal, dc, ccc FROM %1"
                                         " WHERE COALESCE(iban, '') = '' AND COALESCE(ccc, '') <> ''")
                              .arg(QLatin1String(tabla)));
        Statement upd(db, QStringLiteral("UPDATE %1 SET iban = ?2 WHERE rowid = ?1").arg(QLatin1String(tabla)));
        while (sel.next()) {
            const QString iban = IbanDesdeCcc(sel.text(1), sel.text(2), sel.text(3), sel.text(4));
            if (!iban.isEmpty())
                upd.bind(1, sel.integer(0)).bind(2, iban).run();
        }
    }
    Statement sel(db, "SELECT rowid, documento_numero FROM propietario"
                      " WHERE COALESCE(id_acreedor, '') = '' AND COALESCE(documento_numero, '') <> ''");
    Statement upd(db, "UPDATE propietario SET id_acreedor = ?2 WHERE rowid = ?1");
    while (sel.next())
        if (DocumentoValido(sel.text(1)))
            upd.bind(1, sel.integer(0)).bind(2, IdentificadorAcreedor(sel.text(1))).run();
    db.exec(QStringLiteral("UPDATE inmueble SET mandato_tipo = 'RCUR'"
                           " WHERE COALESCE(mandato_tipo, '') NOT IN ('RCUR', 'OOFF')"));
}

// Layout 4: the receipts list and its search read a page at a time in their order (billing
// date, owner, town, street, floor); an index in that order spares sorting every receipt,
// and with the state in it a count by period and state reads the index alone.
void PasoIndiceCobros(Database& db)
{
    db.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS recibo_cobros"
                           " ON recibo(fecha_facturacion, arrendador, localidad, direccion, piso, ref, estado)"));
}

// Layout 5: the properties list shows each property's last billed month, looked up by its
// street and floor among the receipts (they keep the property's texts as billed).
void PasoIndiceUltimoMes(Database& db)
{
    db.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS recibo_inmueble"
                           " ON recibo(direccion COLLATE NOCASE, piso COLLATE NOCASE, fecha_facturacion)"));
}

struct Paso {
    int version;
    void (*aplicar)(Database&);
};

const Paso kPasos[] = {
    {1, PasoEstructura},
    {2, PasoClavesPlegadas},
    {3, PasoSepa},
    {4, PasoIndiceCobros},
    {5, PasoIndiceUltimoMes},
};

// Steps run on every upgrade, each a no-op when the file is already as it should be.
void PasosSiempre(Database& db)
{
    db.exec(QStringLiteral("DROP TRIGGER IF EXISTS emision_recibo_ancho_insert"));
    BorrarIndiceSiEsta(db, QStringLiteral("Emision_reciboIndex"), QStringLiteral("emision_recibo"));

    bool reciboIndexBien = false;
    {
        Statement st(db, "SELECT il.\"unique\", (SELECT group_concat(name) FROM pragma_index_info(il.name))"
                         " FROM pragma_index_list('recibo') il WHERE il.name = 'ReciboIndex' COLLATE NOCASE");
        reciboIndexBien = st.next() && st.integer(0) == 1 && st.text(1) == QLatin1String("ref");
    }
    if (!reciboIndexBien) {
        QString viejo;
        {
            Statement st(db, "SELECT name FROM sqlite_master WHERE type = 'index'"
                             " AND name = 'ReciboIndex' COLLATE NOCASE AND sql IS NOT NULL");
            if (st.next())
                viejo = st.text(0);
        }
        if (!viejo.isEmpty())
            db.exec(QStringLiteral("DROP INDEX %1").arg(QuoteIdentifier(viejo)));
        db.exec(QStringLiteral("CREATE UNIQUE INDEX ReciboIndex ON recibo(ref)"));
    }

    // informe_inmueble: empty, with inmueble's columns as they are now.
    const QList<InfoColumna> inmueble = ColumnasEnArchivo(db, QStringLiteral("inmueble"));
    const QList<InfoColumna> informe = ColumnasEnArchivo(db, QStringLiteral("informe_inmueble"));
    bool iguales = inmueble.size() == informe.size();
    for (qsizetype i = 0; iguales && i < inmueble.size(); ++i)
        iguales = inmueble[i].nombre == informe[i].nombre && inmueble[i].tipo == informe[i].tipo;
    if (iguales) {
        if (QueryInteger(db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM informe_inmueble)")))
            db.exec(QStringLiteral("DELETE FROM informe_inmueble"));
    } else {
        QStringList cols;
        for (const InfoColumna& c : inmueble)
            cols << c.nombre + u' ' + c.tipo;
        db.exec(QStringLiteral("DROP TABLE IF EXISTS informe_inmueble"));
        db.exec(QStringLiteral("CREATE TABLE informe_inmueble (%1)").arg(cols.join(QStringLiteral(", "))));
    }
}

}  // namespace

QString MensajeNoEsWorkspace(const QString& ruta)
{
    return QStringLiteral("El archivo %1 no es un archivo de Rentiva.").arg(ruta);
}

void CrearTablas(Database& db)
{
    Savepoint pg(db, "crear_tablas");
    db.setApplicationId(kAplicacionId);
    for (const Tabla& t : TablasEsquema())
        db.exec(CrearTablaSql(t));
    ActualizarEsquema(db);
    Statement ins(db, "INSERT INTO conceptos_recibos (descripcion, tipo) VALUES (?1, ?2)");
    bool renta = true;
    for (const char* c : kConceptosIniciales) {
        ins.bind(1, c).bind(2, renta ? 1 : 0).run();
        renta = false;
    }
    // Browsing order by default: order of entry. The sort options replace it.
    db.exec(QStringLiteral("CREATE INDEX InmueblesIndex ON inmueble(ref)"));
    pg.release();
}

void ActualizarEsquema(Database& db)
{
    if (!db.isOpen())
        throw UserError(QStringLiteral("No hay base abierta"));
    Savepoint pg(db, "actualizar_esquema");
    if (db.applicationId() != kAplicacionId)
        throw UserError(MensajeNoEsWorkspace(db.path()));
    const int version = db.userVersion();
    if (version > kVersionEsquema)
        throw UserError(QStringLiteral("El archivo %1 es de una versión más reciente de Rentiva. "
                                       "Actualice el programa para abrirlo.").arg(db.path()));
    const bool pasos = version < kVersionEsquema;
    for (const Paso& p : kPasos)
        if (p.version > version)
            p.aplicar(db);
    PasosSiempre(db);
    // An upgrade rewrites tables and indexes: a file damaged before or after is left as it was.
    if (pasos) {
        const QString problema = ProblemaIntegridad(db, true);
        if (!problema.isEmpty())
            throw UserError(MensajeDanado(db.path(), problema));
    }
    if (version != kVersionEsquema)
        db.setUserVersion(kVersionEsquema);
    pg.release();
}

