#include "properties/inmuebles.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <optional>

#include "data/database.h"
#include "properties/propietarios.h"
#include "util/cuentas.h"
#include "util/formato.h"
#include "util/referencia_inmueble.h"
#include "util/errores.h"

namespace {

const char* const kColumnas =
    "ref, codref, via, direccion, piso, cp, localidad, arrendador, nom_arrendatario, "
    "doc_arrendatario_tipo, doc_arrendatario_num, nacionalidad_arrendatario, fecha, renta, iva, "
    "irpf, otro_importe1, otro_importe2, otro_importe3, otro_concepto1, otro_concepto2, "
    "otro_concepto3, is_recibo_banco, is_recibo_fisico, is_recibo_numerar, banco, sucursal, dc, "
    "ccc, telefono_casa, telefono_movil, notas, metros, habitaciones, cocina_ind, refcatastral, "
    "email, direccioninquilino, is_seleccionado, tipo_inmueble, equipamiento, nota_recibo";
constexpr int kNumColumnas = 42;

FichaInmueble LeerFila(const Statement& s)
{
    FichaInmueble d;
    int c = 0;
    d.ref = s.integer(c++);
    d.codref = s.text(c++);
    d.via = s.text(c++);
    d.direccion = s.text(c++);
    d.piso = s.text(c++);
    d.cp = s.text(c++);
    d.localidad = s.text(c++);
    d.arrendador = s.text(c++);
    d.nom_arrendatario = s.text(c++);
    d.doc_arrendatario_tipo = s.text(c++);
    d.doc_arrendatario_num = s.text(c++);
    d.nacionalidad_arrendatario = s.text(c++);
    d.fecha = s.dateTime(c++);
    d.renta = s.money(c++);
    d.iva = s.money(c++);
    d.irpf = s.money(c++);
    d.otro_importe1 = s.money(c++);
    d.otro_importe2 = s.money(c++);
    d.otro_importe3 = s.money(c++);
    d.otro_concepto1 = s.text(c++);
    d.otro_concepto2 = s.text(c++);
    d.otro_concepto3 = s.text(c++);
    d.is_recibo_banco = s.boolean(c++);
    d.is_recibo_fisico = s.boolean(c++);
    d.is_recibo_numerar = s.boolean(c++);
    d.banco = s.text(c++);
    d.sucursal = s.text(c++);
    d.dc = s.text(c++);
    d.ccc = s.text(c++);
    d.telefono_casa = s.text(c++);
    d.telefono_movil = s.text(c++);
    d.notas = s.text(c++);
    d.metros = s.integer(c++);
    d.habitaciones = s.integer(c++);
    d.cocina_ind = s.integer(c++);
    d.refcatastral = s.text(c++);
    d.email = s.text(c++);
    d.direccioninquilino = s.text(c++);
    d.is_seleccionado = s.boolean(c++);
    d.tipo_inmueble = int(s.integer(c++));
    d.equipamiento = s.text(c++);
    d.nota_recibo = s.text(c++);
    return d;
}

// Binds ?1..?42 in the order of kColumnas.
void EnlazarFila(Statement& s, const FichaInmueble& d)
{
    int i = 0;
    const auto b = [&](const auto& v) { s.bind(++i, v); };
    b(d.ref); b(d.codref); b(d.via); b(d.direccion); b(d.piso); b(d.cp); b(d.localidad);
    b(d.arrendador); b(d.nom_arrendatario); b(d.doc_arrendatario_tipo);
    b(d.doc_arrendatario_num); b(d.nacionalidad_arrendatario); b(d.fecha); b(d.renta); b(d.iva);
    b(d.irpf); b(d.otro_importe1); b(d.otro_importe2); b(d.otro_importe3); b(d.otro_concepto1);
    b(d.otro_concepto2); b(d.otro_concepto3); b(d.is_recibo_banco); b(d.is_recibo_fisico);
    b(d.is_recibo_numerar); b(d.banco); b(d.sucursal); b(d.dc); b(d.ccc); b(d.telefono_casa);
    b(d.telefono_movil); b(d.notas); b(d.metros); b(d.habitaciones); b(d.cocina_ind);
    b(d.refcatastral); b(d.email); b(d.direccioninquilino); b(d.is_seleccionado);
    b(d.tipo_inmueble); b(d.equipamiento); b(d.nota_recibo);
}

QString Marcadores()
{
    QStringList m;
    for (int i = 1; i <= kNumColumnas; ++i)
        m << QStringLiteral("?%1").arg(i);
    return m.join(QStringLiteral(", "));
}

QString Asignaciones()
{
    const QStringList cols = QString::fromLatin1(kColumnas).split(QStringLiteral(", "));
    QStringList a;
    for (int i = 1; i < cols.size(); ++i)   // ref never changes
        a << QStringLiteral("%1 = ?%2").arg(cols.at(i)).arg(i + 1);
    return a.join(QStringLiteral(", "));
}

// The browsing orders the user can choose; the columns of the sort index of each. Texts are
// folded once per row (es_fold) rather than per comparison, which a collation would do.
QString ClausulaOrden(int orden)
{
    switch (orden) {
    case 1: return QStringLiteral("es_fold(localidad), es_fold(direccion), es_fold(piso), rowid");
    case 2: return QStringLiteral("cp, es_fold(direccion), es_fold(piso), rowid");
    case 3: return QStringLiteral("es_fold(arrendador), es_fold(localidad), es_fold(direccion), es_fold(piso), rowid");
    case 4: return QStringLiteral("es_fold(nom_arrendatario), ref, rowid");
    case 5: return QStringLiteral("fecha, es_fold(arrendador), ref, rowid");
    case 6: return QStringLiteral("ref, rowid");
    default: return QStringLiteral("rowid");
    }
}

void ComprobarAnchos(const FichaInmueble& d)
{
    using namespace ancho_inmueble;
    ComprobarAncho(d.via, kVia, "Dirección");
    ComprobarAncho(d.direccion, kDireccion, "Dirección");
    ComprobarAncho(d.piso, kPiso, "Piso");
    ComprobarAncho(d.localidad, kLocalidad, "Localidad");
    ComprobarAncho(d.cp, kCp, "Cód Postal");
    ComprobarAncho(d.arrendador, kArrendador, "Propietario");
    ComprobarAncho(d.refcatastral, kRefCatastral, "Ref Catastral");
    ComprobarAncho(d.nom_arrendatario, kNombre, "Nombre");
    ComprobarAncho(d.direccioninquilino, kDireccionInquilino, "Dirección");
    ComprobarAncho(d.banco, kBanco, "Banco");
    ComprobarAncho(d.sucursal, kSucursal, "Suc");
    ComprobarAncho(d.dc, kDc, "DC");
    ComprobarAncho(d.ccc, kCcc, "Cuenta");
    ComprobarAncho(d.doc_arrendatario_tipo, kDocTipo, "Tipo");
    ComprobarAncho(d.doc_arrendatario_num, kDocNum, "Numero");
    ComprobarAncho(d.nacionalidad_arrendatario, kNacionalidad, "Nacionalidad");
    ComprobarAncho(d.telefono_movil, kTelefono, "Movil");
    ComprobarAncho(d.telefono_casa, kTelefono, "Teléfono");
    ComprobarAncho(d.email, kEmail, "email");
    ComprobarAncho(d.nota_recibo, kNotaRecibo, "Nota recibo fisico/fact");
    ComprobarAncho(d.codref, kCodRef, "Referencia");
    ComprobarAncho(d.otro_concepto1, kConcepto, "Concepto");
    ComprobarAncho(d.otro_concepto2, kConcepto, "Concepto");
    ComprobarAncho(d.otro_concepto3, kConcepto, "Concepto");
}

// base × porcentaje / 100 in ten-thousandths, truncated toward zero, on the magnitude.
Moneda Porcentaje(Moneda base, int porcentaje)
{
    const qint64 b = base.Diezmilesimas();
    const qint64 magnitud = b < 0 ? -b : b;
    qint64 producto = 0;
    if (b == std::numeric_limits<qint64>::min() ||
        __builtin_mul_overflow(magnitud, qint64(porcentaje), &producto))
        throw UserError(QStringLiteral("Importe fuera de rango: la cantidad es demasiado grande."));
    const qint64 cuota = producto / 100;
    return Moneda::DeDiezmilesimas(b < 0 ? -cuota : cuota);
}

bool TablaExiste(Database& db, const char* nombre)
{
    Statement s(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    s.bind(1, nombre);
    return s.next();
}

QStringList ListaOrdenada(Database& db, const QString& sql)
{
    QStringList r;
    Statement s(db, sql);
    while (s.next())
        if (!s.text(0).isEmpty())
            r << s.text(0);
    return r;
}

}  // namespace

const QStringList& ListaTiposInmueble()
{
    static const QStringList kTipos = {
        QStringLiteral("SIN ESPECIFICAR"), QStringLiteral("PISO"),          QStringLiteral("APARTAMENTO"),
        QStringLiteral("BUNGALOW"),        QStringLiteral("CASA"),          QStringLiteral("CHALET"),
        QStringLiteral("CHALET ADOSADO"),  QStringLiteral("CHALET PAREADO"), QStringLiteral("DUPLEX"),
        QStringLiteral("ESTUDIO"),         QStringLiteral("LOFT"),          QStringLiteral("PLAZA GARAJE"),
        QStringLiteral("GARAJE"),          QStringLiteral("LOCAL"),         QStringLiteral("NAVE"),
        QStringLiteral("OFICINA"),         QStringLiteral("EDIFICIO"),      QStringLiteral("TERRENOS"),
        QStringLiteral("FINCA RUSTICA"),   QStringLiteral("OTROS")};
    return kTipos;
}

QString NombreTipoInmueble(int indice)
{
    const QStringList& tipos = ListaTiposInmueble();
    return indice >= 0 && indice < tipos.size() ? tipos.at(indice) : tipos.at(0);
}

int IndiceTipoInmueble(const QString& nombre)
{
    return std::max<int>(0, int(ListaTiposInmueble().indexOf(nombre)));
}

const QStringList& ListaDocumentosInquilino()
{
    static const QStringList kTipos = {QStringLiteral("N.I.E."), QStringLiteral("N.I.F."),
                                       QStringLiteral("PASAPORTE"), QStringLiteral("C.I.F."),
                                       QStringLiteral("D.N.I."), QStringLiteral("OTRO")};
    return kTipos;
}

Moneda ImpuestoSumado(Moneda base, int porcentaje)
{
    return RedondearCentimos(Porcentaje(base, porcentaje));
}

Moneda ImpuestoRetenido(Moneda base, int porcentaje)
{
    return RedondearCentimos(-Porcentaje(base, porcentaje));
}

Moneda BaseImponible(const FichaInmueble& d)
{
    return RedondearCentimos(d.renta + d.otro_importe1 + d.otro_importe2 + d.otro_importe3);
}

Moneda TotalInmueble(const FichaInmueble& d)
{
    return d.renta + d.otro_importe1 + d.otro_importe2 + d.otro_importe3 + d.iva + d.irpf;
}

void RedondearImportes(FichaInmueble& d)
{
    for (Moneda* m : {&d.renta, &d.otro_importe1, &d.otro_importe2, &d.otro_importe3, &d.iva, &d.irpf})
        *m = RedondearCentimos(*m);
}

void AplicarImpuesto1(FichaInmueble& d, int porcentaje)
{
    RedondearImportes(d);
    d.iva = ImpuestoSumado(BaseImponible(d), porcentaje);
}

void AplicarImpuesto2(FichaInmueble& d, int porcentaje)
{
    RedondearImportes(d);
    d.irpf = ImpuestoRetenido(BaseImponible(d), porcentaje);
}

Moneda LeerImporte(const QString& texto, const QString& campo)
{
    if (texto.trimmed().isEmpty())
        return Moneda();
    bool ok = false;
    const Moneda m = TextoAMoneda(texto.trimmed(), &ok);
    if (!ok)
        throw UserError(QStringLiteral("El importe de \"%1\" no es válido: %2").arg(campo, texto));
    return RedondearCentimos(m);
}

QString TextoImporte(Moneda m)
{
    return MonedaATexto(m);
}

QString TextoFechaContrato(const QDateTime& fecha)
{
    return fecha.isValid() ? FechaCorta(fecha.date()) : QString();
}

QDate LeerFechaContrato(const QString& texto)
{
    static const QRegularExpression kFecha(
        QStringLiteral("^\\s*(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{4}|\\d{2})\\s*$"));
    const auto m = kFecha.match(texto);
    QDate f;
    if (m.hasMatch()) {
        int anio = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            anio += anio < 50 ? 2000 : 1900;
        f = QDate(anio, m.captured(2).toInt(), m.captured(1).toInt());
    }
    if (!f.isValid())
        throw UserError(QStringLiteral("La fecha de contrato \"%1\" no es una fecha válida. "
                                       "Escríbala como DD/MM/AAAA.")
                            .arg(texto));
    return f;
}

QDateTime FechaContratoDesdeTexto(const QString& texto, const QDateTime& anterior)
{
    const QDate f = LeerFechaContrato(texto);
    if (anterior.isValid() && anterior.date() == f)
        return anterior;
    return QDateTime(f, QTime(0, 0));
}

bool LongitudCuentaIncorrecta(const QString& banco, const QString& sucursal, const QString& dc,
                              const QString& ccc)
{
    if (banco.isEmpty() && sucursal.isEmpty() && dc.isEmpty() && ccc.isEmpty())
        return false;
    return banco.size() != 4 || sucursal.size() != 4 || dc.size() != 2 || ccc.size() != 10;
}

bool CuentaVerifica(const FichaInmueble& d)
{
    return !d.ccc.isEmpty() && ValidarCcc(d.banco, d.sucursal, d.dc, d.ccc);
}

bool CuentaConocidaBuena(const FichaInmueble& d)
{
    return d.is_recibo_banco || CuentaVerifica(d);
}

bool EmailUtilizable(const QString& email)
{
    return email.indexOf(u'@', 1) > 0;
}

QString DireccionCompleta(const FichaInmueble& d)
{
    return QStringLiteral("%1 %2").arg(d.via, d.direccion);
}

void RefrescarListas(Database& db)
{
    if (!TablaExiste(db, "localidad") || !TablaExiste(db, "direccion"))
        return;
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM localidad; DELETE FROM direccion;"));
    db.exec(QStringLiteral(
        "INSERT OR IGNORE INTO localidad (localidad) SELECT MIN(localidad) FROM inmueble "
        "WHERE localidad IS NOT NULL AND localidad <> '' GROUP BY es_fold(localidad);"
        "INSERT OR IGNORE INTO direccion (direccion) SELECT MIN(direccion) FROM inmueble "
        "WHERE direccion IS NOT NULL AND direccion <> '' GROUP BY es_fold(direccion);"));
    tx.commit();
}

QStringList Localidades(Database& db)
{
    if (TablaExiste(db, "localidad"))
        return ListaOrdenada(db, QStringLiteral("SELECT localidad FROM localidad ORDER BY rowid"));
    return ListaOrdenada(db, QStringLiteral("SELECT DISTINCT localidad FROM inmueble "
                                            "ORDER BY es_fold(localidad)"));
}

QStringList Direcciones(Database& db)
{
    if (TablaExiste(db, "direccion"))
        return ListaOrdenada(db, QStringLiteral("SELECT direccion FROM direccion ORDER BY rowid"));
    return ListaOrdenada(db, QStringLiteral("SELECT DISTINCT direccion FROM inmueble "
                                            "ORDER BY es_fold(direccion)"));
}

Inmuebles::Inmuebles(Database& db, int orden, const QString& fuente)
    : m_db(db), m_tabla(QStringLiteral("inmueble")), m_orden(ClausulaOrden(orden))
{
    static const QRegularExpression kTabla(QStringLiteral("^\\[([A-Za-z_][A-Za-z0-9_]*)\\]?$"));
    if (fuente.startsWith(u'[')) {
        const auto m = kTabla.match(fuente.trimmed());
        if (!m.hasMatch())
            throw UserError(QStringLiteral("Toy en open: ") + fuente);
        m_tabla = m.captured(1);
    } else if (!fuente.trimmed().isEmpty()) {
        m_select = fuente;
    }
    m_leer = std::make_unique<Statement>(
        m_db, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1").arg(QString::fromLatin1(kColumnas), m_tabla));
    Recargar();
}

Inmuebles::~Inmuebles() = default;

void Inmuebles::Recargar()
{
    m_filas.clear();
    if (m_select.isEmpty()) {
        Statement s(m_db, QStringLiteral("SELECT rowid, ref FROM %1 ORDER BY %2").arg(m_tabla, m_orden));
        while (s.next())
            m_filas.append({s.integer(0), s.integer(1)});
    } else {
        // The statement's own order; its refs are matched to the table's rows.
        QHash<qint64, qint64> rowids;
        Statement t(m_db, QStringLiteral("SELECT ref, rowid FROM %1").arg(m_tabla));
        while (t.next())
            rowids.insert(t.integer(0), t.integer(1));
        Statement s(m_db, QStringLiteral("SELECT ref FROM (%1)").arg(m_select));
        while (s.next()) {
            const auto it = rowids.constFind(s.integer(0));
            if (it != rowids.constEnd())
                m_filas.append({it.value(), it.key()});
        }
    }
    m_pos = std::clamp(m_pos, 0, std::max(0, int(m_filas.size()) - 1));
}

FichaInmueble Inmuebles::LeerRowid(qint64 rowid) const
{
    m_leer->reset();
    m_leer->bind(1, rowid);
    if (!m_leer->next()) {
        m_leer->reset();
        throw UserError(QStringLiteral("El inmueble ya no existe en la base."));
    }
    FichaInmueble d = LeerFila(*m_leer);
    m_leer->reset();
    return d;
}

qint64 Inmuebles::RowidDeRef(qint64 ref) const
{
    if (!m_filas.isEmpty() && m_filas.at(m_pos).ref == ref)
        return m_filas.at(m_pos).rowid;
    for (const Fila& f : m_filas)
        if (f.ref == ref)
            return f.rowid;
    Statement s(m_db, QStringLiteral("SELECT rowid FROM %1 WHERE ref = ?1").arg(m_tabla));
    s.bind(1, ref);
    if (!s.next())
        throw UserError(QStringLiteral("El inmueble ya no existe en la base."));
    return s.integer(0);
}

FichaInmueble Inmuebles::Actual() const
{
    if (m_filas.isEmpty())
        throw UserError(QStringLiteral("No hay ningún inmueble."));
    return LeerRowid(m_filas.at(m_pos).rowid);
}

void Inmuebles::Siguiente()
{
    if (!m_filas.isEmpty())
        m_pos = (m_pos + 1) % int(m_filas.size());
}

void Inmuebles::Anterior()
{
    if (!m_filas.isEmpty())
        m_pos = m_pos == 0 ? int(m_filas.size()) - 1 : m_pos - 1;
}

void Inmuebles::AvanzarDiez()
{
    if (!m_filas.isEmpty())
        m_pos = m_pos + 10 >= int(m_filas.size()) ? 0 : m_pos + 10;
}

void Inmuebles::RetrocederDiez()
{
    if (!m_filas.isEmpty())
        m_pos = m_pos - 10 < 0 ? int(m_filas.size()) - 1 : m_pos - 10;
}

void Inmuebles::Primero()
{
    m_pos = 0;
}

bool Inmuebles::IrARef(qint64 ref)
{
    for (int i = 0; i < m_filas.size(); ++i)
        if (m_filas.at(i).ref == ref) {
            m_pos = i;
            return true;
        }
    return false;
}

FichaInmueble Inmuebles::Nuevo()
{
    FichaInmueble d;
    d.via = QStringLiteral("CALLE");
    d.fecha = QDateTime::currentDateTime();
    d.fecha.setTime(QTime(d.fecha.time().hour(), d.fecha.time().minute(), d.fecha.time().second()));
    d.is_recibo_banco = d.is_recibo_fisico = d.is_recibo_numerar = true;
    return d;
}

FichaInmueble Inmuebles::Guardar(const FichaInmueble& datos, bool cuentaConocidaBuena)
{
    FichaInmueble d = datos;
    RedondearImportes(d);
    std::optional<FichaInmueble> guardado;
    qint64 rowid = 0;
    if (d.ref != 0) {
        rowid = RowidDeRef(d.ref);
        guardado = LeerRowid(rowid);
        // Street, floor and owner identify the property and its receipts: fixed once stored.
        d.via = guardado->via;
        d.direccion = guardado->direccion;
        d.piso = guardado->piso;
        d.arrendador = guardado->arrendador;
    }
    if (d.arrendador.isEmpty())
        throw UserError(kInmuebleSinPropietario);
    if (d.direccion.trimmed().isEmpty())
        throw UserError(kInmuebleSinDireccion);
    if (d.piso.isEmpty())
        d.piso = QStringLiteral(" ");
    if (!d.fecha.isValid())
        throw UserError(QStringLiteral("La fecha de contrato no es una fecha válida. "
                                       "Escríbala como DD/MM/AAAA."));
    if (d.codref.isEmpty() || d.codref == QStringLiteral(" "))
        d.codref = CReferenciaInmueble(d.direccion, d.piso).Codigo();
    d.dc = MarcarDc(d.banco, d.sucursal, d.dc, d.ccc);
    if (!cuentaConocidaBuena && CuentaVerifica(d))
        d.is_recibo_banco = true;
    ComprobarAnchos(d);
    if (!guardado && !BuscarPropietario(m_db, d.arrendador))
        throw UserError(QStringLiteral("propietario erroneo no encontrado = ") + d.arrendador);

    if (guardado) {
        if (*guardado == d)
            return d;   // nothing changed: browsing writes nothing
        Transaction tx(m_db);
        Statement s(m_db, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?43").arg(m_tabla, Asignaciones()));
        EnlazarFila(s, d);
        s.bind(43, rowid);
        s.run();
        tx.commit();
        if (m_orden != QStringLiteral("rowid") && m_orden != QStringLiteral("ref, rowid")) {
            Recargar();
            for (int i = 0; i < m_filas.size(); ++i)
                if (m_filas.at(i).rowid == rowid)
                    m_pos = i;
        }
        return d;
    }

    Transaction tx(m_db);
    d.ref = QueryInteger(m_db, QStringLiteral("SELECT COALESCE(MAX(ref), 0) + 1 FROM %1").arg(m_tabla));
    Statement s(m_db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(m_tabla, QString::fromLatin1(kColumnas), Marcadores()));
    EnlazarFila(s, d);
    s.run();
    rowid = m_db.lastInsertId();
    tx.commit();
    Recargar();
    for (int i = 0; i < m_filas.size(); ++i)
        if (m_filas.at(i).rowid == rowid)
            m_pos = i;
    return d;
}

void Inmuebles::Borrar(qint64 ref)
{
    const qint64 rowid = RowidDeRef(ref);
    const FichaInmueble d = LeerRowid(rowid);
    // Receipts name their property by street and floor: the cascade is ours.
    Transaction tx(m_db);
    for (const char* sql : {"DELETE FROM recibo WHERE direccion = ?1 AND piso = ?2",
                            "DELETE FROM emision_recibo WHERE direccion = ?1 AND piso = ?2"})
        Statement(m_db, sql).bind(1, d.direccion).bind(2, d.piso).run();
    Statement(m_db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(m_tabla)).bind(1, rowid).run();
    tx.commit();
    Recargar();
    m_pos = 0;
}
