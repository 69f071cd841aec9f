#include "properties/inmuebles.h"

#include <QRegularExpression>
#include <QVariantHash>
#include <algorithm>
#include <limits>

#include "data/database.h"
#include "data/record_sets.h"
#include "properties/cuenta_sepa.h"
#include "properties/propietarios.h"
#include "util/cuentas.h"
#include "util/formato.h"
#include "util/referencia_inmueble.h"
#include "util/errores.h"

namespace {

QVariantHash ValoresInmueble(const FichaInmueble& d)
{
    return {{"codref", d.codref}, {"via", d.via}, {"direccion", d.direccion}, {"piso", d.piso},
            {"cp", d.cp}, {"localidad", d.localidad}, {"arrendador", d.arrendador},
            {"nom_arrendatario", d.nom_arrendatario}, {"doc_arrendatario_tipo", d.doc_arrendatario_tipo},
            {"doc_arrendatario_num", d.doc_arrendatario_num},
            {"nacionalidad_arrendatario", d.nacionalidad_arrendatario},
            {"fecha", d.fecha.isValid() ? QVariant(DateTimeToSql(d.fecha)) : QVariant()},
            {"renta", d.renta.Diezmilesimas()}, {"iva", d.iva.Diezmilesimas()},
            {"irpf", d.irpf.Diezmilesimas()}, {"otro_importe1", d.otro_importe1.Diezmilesimas()},
            {"otro_importe2", d.otro_importe2.Diezmilesimas()},
            {"otro_importe3", d.otro_importe3.Diezmilesimas()}, {"otro_concepto1", d.otro_concepto1},
            {"otro_concepto2", d.otro_concepto2}, {"otro_concepto3", d.otro_concepto3},
            {"is_recibo_banco", qint64(d.is_recibo_banco)}, {"is_recibo_fisico", qint64(d.is_recibo_fisico)},
            {"is_recibo_numerar", qint64(d.is_recibo_numerar)}, {"banco", d.banco},
            {"sucursal", d.sucursal}, {"dc", d.dc}, {"ccc", d.ccc}, {"telefono_casa", d.telefono_casa},
            {"telefono_movil", d.telefono_movil}, {"notas", d.notas}, {"metros", d.metros},
            {"habitaciones", d.habitaciones}, {"cocina_ind", d.cocina_ind},
            {"refcatastral", d.refcatastral}, {"email", d.email},
            {"direccioninquilino", d.direccioninquilino}, {"is_seleccionado", qint64(d.is_seleccionado)},
            {"tipo_inmueble", qint64(d.tipo_inmueble)}, {"equipamiento", d.equipamiento},
            {"nota_recibo", d.nota_recibo}, {"iban", d.iban}, {"bic", d.bic},
            {"mandato_ref", d.mandato_ref},
            {"mandato_fecha", d.mandato_fecha.isValid() ? QVariant(DateTimeToSql(d.mandato_fecha)) : QVariant()},
            {"mandato_tipo", d.mandato_tipo}, {"mandato_ultimo", qint64(d.mandato_ultimo)}};
}

}  // namespace

namespace {

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
        QStringLiteral("CHALET ADOSADO"),  QStringLiteral("CHALET PAREADO"), QStringLiteral("DÚPLEX"),
        QStringLiteral("ESTUDIO"),         QStringLiteral("LOFT"),          QStringLiteral("PLAZA GARAJE"),
        QStringLiteral("GARAJE"),          QStringLiteral("LOCAL"),         QStringLiteral("NAVE"),
        QStringLiteral("OFICINA"),         QStringLiteral("EDIFICIO"),      QStringLiteral("TERRENOS"),
        QStringLiteral("FINCA RÚSTICA"),   QStringLiteral("OTROS")};
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

QString RotuloImpuesto(const QString& nombre, int porcentaje)
{
    static const QRegularExpression kPorcentajeFinal(QStringLiteral("\\s*-?[0-9]+([.,][0-9]+)?\\s*%\\s*$"));
    QString base = nombre;
    base.remove(kPorcentajeFinal);
    base = base.trimmed();
    const QString tasa = QString::number(porcentaje) + u'%';
    return base.isEmpty() ? tasa : base + u' ' + tasa;
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

FichaInmueble LeerInmueble(const RecordSet& rs)
{
    const auto t = [&rs](const char* c) { return rs.text(QString::fromLatin1(c)); };
    const auto m = [&rs](const char* c) { return rs.money(QString::fromLatin1(c)); };
    const auto b = [&rs](const char* c) { return rs.boolean(QString::fromLatin1(c)); };
    const auto n = [&rs](const char* c) { return rs.integer(QString::fromLatin1(c)); };
    FichaInmueble d;
    d.ref = n("ref");
    d.codref = t("codref");
    d.via = t("via");
    d.direccion = t("direccion");
    d.piso = t("piso");
    d.cp = t("cp");
    d.localidad = t("localidad");
    d.arrendador = t("arrendador");
    d.nom_arrendatario = t("nom_arrendatario");
    d.doc_arrendatario_tipo = t("doc_arrendatario_tipo");
    d.doc_arrendatario_num = t("doc_arrendatario_num");
    d.nacionalidad_arrendatario = t("nacionalidad_arrendatario");
    d.fecha = rs.dateTime(QStringLiteral("fecha"));
    d.renta = m("renta");
    d.iva = m("iva");
    d.irpf = m("irpf");
    d.otro_importe1 = m("otro_importe1");
    d.otro_importe2 = m("otro_importe2");
    d.otro_importe3 = m("otro_importe3");
    d.otro_concepto1 = t("otro_concepto1");
    d.otro_concepto2 = t("otro_concepto2");
    d.otro_concepto3 = t("otro_concepto3");
    d.is_recibo_banco = b("is_recibo_banco");
    d.is_recibo_fisico = b("is_recibo_fisico");
    d.is_recibo_numerar = b("is_recibo_numerar");
    d.banco = t("banco");
    d.sucursal = t("sucursal");
    d.dc = t("dc");
    d.ccc = t("ccc");
    d.telefono_casa = t("telefono_casa");
    d.telefono_movil = t("telefono_movil");
    d.notas = t("notas");
    d.metros = n("metros");
    d.habitaciones = n("habitaciones");
    d.cocina_ind = n("cocina_ind");
    d.refcatastral = t("refcatastral");
    d.email = t("email");
    d.direccioninquilino = t("direccioninquilino");
    d.is_seleccionado = b("is_seleccionado");
    d.tipo_inmueble = int(n("tipo_inmueble"));
    d.equipamiento = t("equipamiento");
    d.nota_recibo = t("nota_recibo");
    d.iban = t("iban");
    d.bic = t("bic");
    d.mandato_ref = t("mandato_ref");
    d.mandato_fecha = rs.dateTime(QStringLiteral("mandato_fecha"));
    d.mandato_tipo = t("mandato_tipo") == kMandatoUnico ? kMandatoUnico : kMandatoRecurrente;
    d.mandato_ultimo = rs.integer(QStringLiteral("mandato_ultimo")) != 0;
    return d;
}

FichaInmueble NuevoInmueble()
{
    FichaInmueble d;
    d.via = QStringLiteral("CALLE");
    d.fecha = QDateTime::currentDateTime();
    d.fecha.setTime(QTime(d.fecha.time().hour(), d.fecha.time().minute(), d.fecha.time().second()));
    d.is_recibo_banco = d.is_recibo_fisico = d.is_recibo_numerar = true;
    return d;
}

namespace {

// A new property is checked whole before anything is written.
void ComprobarNuevo(Database& db, FichaInmueble& d)
{
    if (d.arrendador.isEmpty())
        throw UserError(kInmuebleSinPropietario);
    if (d.direccion.trimmed().isEmpty())
        throw UserError(kInmuebleSinDireccion);
    if (d.piso.isEmpty())
        d.piso = QStringLiteral(" ");
    if (!BuscarPropietario(db, d.arrendador))
        throw PropietarioNoEncontrado(d.arrendador);
}

// The columns a save of a stored property writes: what the user changed, less what
// identifies the property, with the whole account when part of it changed.
QSet<QString> ColumnasAEscribir(const QSet<QString>& cambiados)
{
    QSet<QString> escribir = cambiados;
    // Street, floor and owner identify the property and its receipts: fixed once stored.
    for (const char* fija : {"via", "direccion", "piso", "arrendador", "ref"})
        escribir.remove(QString::fromLatin1(fija));
    if (escribir.intersects(ColumnasCuenta()))
        escribir.unite(ColumnasCuenta());
    return escribir;
}

}  // namespace

FichaInmueble GuardarCambiosInmueble(CInmuebleSet& rs, const FichaInmueble& datos,
                                     const QSet<QString>& cambiados, bool cuentaConocidaBuena,
                                     bool* mandatoVaciado)
{
    FichaInmueble d = datos;
    if (mandatoVaciado)
        *mandatoVaciado = false;
    RedondearImportes(d);
    const bool nuevo = d.ref == 0;
    QSet<QString> escribir;
    if (nuevo) {
        ComprobarNuevo(rs.database(), d);
    } else {
        if (rs.editMode() != RecordSet::EditMode::Edit || rs.integer(QStringLiteral("ref")) != d.ref)
            throw UserError(QStringLiteral("El inmueble de %1 %2 ya no está en la base.").arg(d.direccion, d.piso));
        rs.revertEdit();
        const FichaInmueble guardado = LeerInmueble(rs);
        escribir = ColumnasAEscribir(cambiados);
        if (escribir.isEmpty())
            return guardado;   // nothing typed: browsing writes nothing
        d.via = guardado.via;
        d.direccion = guardado.direccion;
        d.piso = guardado.piso;
        d.arrendador = guardado.arrendador;
        // A mandate is the signature of one debtor: a new tenant needs their own.
        if (escribir.contains(QStringLiteral("nom_arrendatario")) && !guardado.mandato_ref.isEmpty() &&
            !escribir.contains(QStringLiteral("mandato_ref"))) {
            d.mandato_ref.clear();
            d.mandato_fecha = QDateTime();
            d.mandato_tipo = kMandatoRecurrente;
            d.mandato_ultimo = false;
            escribir.unite(ColumnasMandato());
            if (mandatoVaciado)
                *mandatoVaciado = true;
        }
    }
    d.dc = MarcarDc(d.banco, d.sucursal, d.dc, d.ccc);
    ArmonizarCuentaFicha(d.banco, d.sucursal, d.dc, d.ccc, d.iban, d.bic, cambiados);
    d.mandato_ref = d.mandato_ref.trimmed();
    if (d.mandato_tipo != kMandatoUnico)
        d.mandato_tipo = kMandatoRecurrente;
    if (nuevo || escribir.contains(QStringLiteral("mandato_ref")))
        ComprobarMandato(rs.database(), d.arrendador, d.direccion, d.piso, d.mandato_ref);
    if ((nuevo || escribir.contains(QStringLiteral("fecha"))) && !d.fecha.isValid())
        throw UserError(QStringLiteral("La fecha de contrato no es una fecha válida. "
                                       "Escríbala como DD/MM/AAAA."));
    if (d.codref.isEmpty() || d.codref == QStringLiteral(" ")) {
        d.codref = CReferenciaInmueble(d.direccion, d.piso).Codigo();
        escribir << QStringLiteral("codref");
    }
    if (!cuentaConocidaBuena && CuentaVerifica(d) && !d.is_recibo_banco) {
        d.is_recibo_banco = true;
        escribir << QStringLiteral("is_recibo_banco");
    }
    QVariantHash valores = ValoresInmueble(d);
    if (nuevo) {
        rs.addNew();
    } else {
        for (auto it = valores.begin(); it != valores.end();)
            it = escribir.contains(it.key()) ? std::next(it) : valores.erase(it);
    }
    rs.setValues(valores);
    rs.GuardarInmueble();
    return LeerInmueble(rs);
}

void BorrarInmuebleActual(CInmuebleSet& rs)
{
    const QString direccion = rs.text(QStringLiteral("direccion"));
    const QString piso = rs.text(QStringLiteral("piso"));
    Database& db = rs.database();
    // Receipts name their property by street and floor: the cascade is ours.
    Transaction tx(db);
    for (const char* sql : {"DELETE FROM recibo WHERE direccion = ?1 AND piso = ?2",
                            "DELETE FROM emision_recibo WHERE direccion = ?1 AND piso = ?2"})
        Statement(db, sql).bind(1, direccion).bind(2, piso).run();
    rs.remove();
    tx.commit();
}
