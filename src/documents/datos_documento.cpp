#include "documents/datos_documento.h"

#include "data/record_sets.h"
#include "util/errores.h"

QString TextoLimpio(const QString& s)
{
    return s.trimmed().isEmpty() ? QString() : s;
}

QString UnirConEspacio(const QString& a, const QString& b)
{
    const QString x = a.trimmed(), y = b.trimmed();
    if (x.isEmpty() || y.isEmpty())
        return x + y;
    return x + u' ' + y;
}

QString CuentaCompleta(const QString& banco, const QString& sucursal, const QString& dc, const QString& ccc)
{
    const QString partes[] = {banco.trimmed(), sucursal.trimmed(), dc.trimmed(), ccc.trimmed()};
    for (const QString& p : partes)
        if (p.isEmpty())
            return {};
    return QStringLiteral("%1 %2 %3 %4").arg(partes[0], partes[1], partes[2], partes[3]);
}

std::optional<PropietarioDocumento> LeerPropietarioDocumento(Database& db, const QString& nombre)
{
    CPropietarioSet set(&db);
    if (!set.BuscarPropietario(nombre))
        return std::nullopt;
    const auto t = [&set](const char* columna) { return set.text(QString::fromLatin1(columna)); };
    return PropietarioDocumento{t("nombre"), t("via"), t("direccion"), t("piso"), t("cp"), t("localidad"),
                                t("documento_tipo"), t("documento_numero"), t("telefono_casa"),
                                t("banco"), t("sucursal"), t("dc"), t("ccc")};
}

DatosPlantilla DatosPlantillaDe(Database& db, const RecordSet& fila, const QDate& hoy)
{
    const auto t = [&fila](const char* columna) { return fila.text(QString::fromLatin1(columna)); };
    const auto m = [&fila](const char* columna) { return fila.money(QString::fromLatin1(columna)); };
    DatosPlantilla d;
    d.hoy = hoy;
    d.ref = fila.integer(QStringLiteral("ref"));
    d.via = t("via");
    d.direccion = t("direccion");
    d.piso = t("piso");
    d.localidad = t("localidad");
    d.cp = t("cp");
    d.refcatastral = t("refcatastral");
    d.fecha = fila.dateTime(QStringLiteral("fecha")).date();
    d.arrendador = t("arrendador");
    d.inquilino = t("nom_arrendatario");
    d.direccionInquilino = t("direccioninquilino");
    d.email = t("email");
    d.telefonoCasa = t("telefono_casa");
    d.telefonoMovil = t("telefono_movil");
    d.banco = t("banco");
    d.sucursal = t("sucursal");
    d.dc = t("dc");
    d.ccc = t("ccc");
    d.docTipo = t("doc_arrendatario_tipo");
    d.docNumero = t("doc_arrendatario_num");
    d.nacionalidad = t("nacionalidad_arrendatario");
    d.importes = {m("renta"), m("otro_importe1"), m("otro_importe2"), m("otro_importe3"), m("iva"), m("irpf")};
    d.concepto1 = t("otro_concepto1");
    d.concepto2 = t("otro_concepto2");
    d.concepto3 = t("otro_concepto3");

    if (auto p = LeerPropietarioDocumento(db, d.arrendador)) {
        d.hayPropietario = true;
        d.propietario = *p;
    } else {
        const QString e = QStringLiteral(" ");
        d.propietario = {e, e, e, e, e, e, e, e, {}, {}, {}, {}, {}};
    }
    return d;
}

DatosPlantilla LeerDatosPlantilla(Database& db, qint64 ref, const QDate& hoy)
{
    CInmuebleSet set(&db);
    if (ref <= 0 || !set.BuscarInmueble(ref))
        throw UserError(QStringLiteral("El inmueble %1 no existe; guárdelo antes de preparar sus documentos.").arg(ref));
    return DatosPlantillaDe(db, set, hoy);
}

DatosPlantilla LeerDatosCarta(Database& db, qint64 ref, const QDate& hoy)
{
    DatosPlantilla d = LeerDatosPlantilla(db, ref, hoy);
    if (!d.hayPropietario)
        throw PropietarioNoEncontrado(d.arrendador);
    return d;
}
