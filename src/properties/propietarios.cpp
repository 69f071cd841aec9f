#include "properties/propietarios.h"

#include <algorithm>

#include "data/database.h"
#include "data/record_sets.h"
#include "util/cuentas.h"
#include "util/iban.h"
#include "properties/cuenta_sepa.h"
#include "util/errores.h"

namespace {

QVariantHash ValoresPropietario(const FichaPropietario& d)
{
    return {{"via", d.via}, {"direccion", d.direccion}, {"piso", d.piso}, {"cp", d.cp},
            {"localidad", d.localidad}, {"nombre", d.nombre}, {"documento_tipo", d.documento_tipo},
            {"documento_numero", d.documento_numero}, {"banco", d.banco}, {"sucursal", d.sucursal},
            {"dc", d.dc}, {"ccc", d.ccc}, {"telefono_casa", d.telefono_casa},
            {"telefono_movil", d.telefono_movil}, {"notas", d.notas},
            {"numero_recibo", d.numero_recibo}, {"sufijo", d.sufijo}, {"datos_banco", d.datos_banco},
            {"iban", d.iban}, {"bic", d.bic}, {"id_acreedor", d.id_acreedor}};
}

}  // namespace

const QStringList& ListaVias()
{
    static const QStringList kVias = {
        QStringLiteral("CALLE"),     QStringLiteral("AVENIDA"),  QStringLiteral("CAMINO"),
        QStringLiteral("CARRETERA"), QStringLiteral("COLONIA"),  QStringLiteral("GLORIETA"),
        QStringLiteral("PASEO"),     QStringLiteral("PLAZA"),    QStringLiteral("POLÍGONO"),
        QStringLiteral("TRAVESÍA"),  QStringLiteral("URBANIZACIÓN")};
    return kVias;
}

const QStringList& ListaDocumentosPropietario()
{
    static const QStringList kTipos = {QStringLiteral("NIF"), QStringLiteral("CIF")};
    return kTipos;
}

QString MarcarDc(const QString& banco, const QString& sucursal, const QString& dc,
                 const QString& ccc)
{
    if (ccc.isEmpty() || ValidarCcc(banco, sucursal, dc, ccc))
        return dc;
    return kDcErroneo;
}

const QSet<QString>& ColumnasCuenta()
{
    static const QSet<QString> kCuenta = {QStringLiteral("banco"), QStringLiteral("sucursal"),
                                          QStringLiteral("dc"), QStringLiteral("ccc"),
                                          QStringLiteral("iban"), QStringLiteral("bic")};
    return kCuenta;
}

FichaPropietario NormalizarPropietario(FichaPropietario d)
{
    d.documento_numero = NormalizarDocumento(d.documento_numero);
    d.dc = MarcarDc(d.banco, d.sucursal, d.dc, d.ccc);
    return d;
}

bool FaltaCuentaPropietario(const FichaPropietario& d)
{
    return d.ccc.trimmed().isEmpty();
}

FichaPropietario LeerPropietario(const RecordSet& rs)
{
    const auto t = [&rs](const char* c) { return rs.text(QString::fromLatin1(c)); };
    FichaPropietario d;
    d.ref = rs.integer(QStringLiteral("ref"));
    d.via = t("via");
    d.direccion = t("direccion");
    d.piso = t("piso");
    d.cp = t("cp");
    d.localidad = t("localidad");
    d.nombre = t("nombre");
    d.documento_tipo = t("documento_tipo");
    d.documento_numero = t("documento_numero");
    d.banco = t("banco");
    d.sucursal = t("sucursal");
    d.dc = t("dc");
    d.ccc = t("ccc");
    d.telefono_casa = t("telefono_casa");
    d.telefono_movil = t("telefono_movil");
    d.notas = t("notas");
    d.numero_recibo = rs.integer(QStringLiteral("numero_recibo"));
    d.sufijo = rs.integer(QStringLiteral("sufijo"));
    d.datos_banco = t("datos_banco");
    d.iban = t("iban");
    d.bic = t("bic");
    d.id_acreedor = t("id_acreedor");
    return d;
}

std::optional<FichaPropietario> BuscarPropietario(Database& db, const QString& nombre)
{
    CPropietarioSet rs(&db);
    if (!rs.BuscarPropietario(nombre))
        return std::nullopt;
    return LeerPropietario(rs);
}

QStringList NombresPropietarios(Database& db)
{
    QStringList nombres;
    CPropietarioSet rs(&db);
    for (rs.moveFirst(); !rs.isEOF(); rs.moveNext())
        nombres << rs.text(QStringLiteral("nombre"));
    // Sorted as a reader expects: accents and case do not move a name away from its letter.
    const auto clave = [](const QString& n) {
        QString base;
        for (QChar c : n.normalized(QString::NormalizationForm_D))
            if (c.category() != QChar::Mark_NonSpacing)
                base += c;
        return PlegarTexto(base);
    };
    std::stable_sort(nombres.begin(), nombres.end(), [&](const QString& a, const QString& b) {
        const int c = QString::compare(clave(a), clave(b));
        return c != 0 ? c < 0 : CompareSinCaso(a, b) < 0;
    });
    return nombres;
}

FichaPropietario GuardarCambiosPropietario(CPropietarioSet& rs, const FichaPropietario& datos,
                                           const QSet<QString>& cambiados)
{
    FichaPropietario d = NormalizarPropietario(datos);
    ArmonizarCuentaFicha(d.banco, d.sucursal, d.dc, d.ccc, d.iban, d.bic, cambiados);
    QSet<QString> cambiadosSepa = cambiados;
    d.id_acreedor = NormalizarIban(d.id_acreedor);
    // The creditor identifier follows the NIF unless the bank gave another.
    const bool nifNuevo = cambiados.contains(QStringLiteral("documento_numero")) &&
                          !cambiados.contains(QStringLiteral("id_acreedor"));
    if ((d.id_acreedor.isEmpty() || nifNuevo) && DocumentoValido(d.documento_numero)) {
        d.id_acreedor = IdentificadorAcreedor(d.documento_numero);
        cambiadosSepa << QStringLiteral("id_acreedor");
    }
    if (!d.id_acreedor.isEmpty() && !ValidarIdentificadorAcreedor(d.id_acreedor))
        throw UserError(QStringLiteral("El identificador de acreedor %1 no es válido; déjelo vacío para "
                                       "que se calcule a partir del NIF.").arg(d.id_acreedor));
    if (d.numero_recibo < 0)
        throw UserError(QStringLiteral("El número de recibo no puede ser negativo."));
    const QVariantHash valores = ValoresPropietario(d);
    if (d.ref == 0) {
        if (d.nombre.trimmed().isEmpty())
            throw UserError(kPropietarioSinNombre);
        rs.NuevoPropietario();
        rs.setValues(valores);
    } else {
        if (rs.editMode() != RecordSet::EditMode::Edit || rs.integer(QStringLiteral("ref")) != d.ref)
            throw UserError(QStringLiteral("El propietario %1 ya no está en la base.").arg(d.nombre));
        rs.revertEdit();
        QSet<QString> escribir = cambiadosSepa;
        // The name is the key other tables use: it never changes once stored.
        escribir.remove(QStringLiteral("nombre"));
        if (escribir.intersects(ColumnasCuenta()))
            escribir.unite(ColumnasCuenta());
        for (const QString& c : escribir)
            if (valores.contains(c))
                rs.setValue(c, valores.value(c));
    }
    rs.GuardarPropietario();
    return LeerPropietario(rs);
}

void BorrarPropietarioActual(CPropietarioSet& rs)
{
    const QString nombre = rs.text(QStringLiteral("nombre"));
    Database& db = rs.database();
    // Rows name their owner by text, not by key: the cascade is ours.
    Transaction tx(db);
    for (const char* sql : {"DELETE FROM recibo WHERE es_fold(arrendador) = es_fold(?1)",
                            "DELETE FROM emision_recibo WHERE es_fold(arrendador) = es_fold(?1)",
                            "DELETE FROM inmueble WHERE es_fold(arrendador) = es_fold(?1)"})
        Statement(db, sql).bind(1, nombre).run();
    rs.remove();
    tx.commit();
}
