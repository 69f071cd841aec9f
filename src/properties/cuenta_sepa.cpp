#include "properties/cuenta_sepa.h"

#include "data/database.h"
#include "util/errores.h"
#include "util/iban.h"
#include "util/texto_sepa.h"

void ArmonizarCuentaFicha(QString& banco, QString& sucursal, QString& dc, QString& ccc,
                          QString& iban, QString& bic, const QSet<QString>& cambiados)
{
    iban = NormalizarIban(iban);
    bic = NormalizarBic(bic);
    const bool ibanEditado = cambiados.contains(QStringLiteral("iban"));
    if (ibanEditado && !iban.isEmpty() && !ValidarIban(iban))
        throw UserError(QStringLiteral("El IBAN no es válido: %1. Corríjalo o déjelo vacío.").arg(ProblemaIban(iban)));
    if (!bic.isEmpty() && !ValidarBic(bic))
        throw UserError(QStringLiteral("El BIC %1 no es válido: tiene 8 u 11 letras y cifras (por "
                                       "ejemplo CAIXESBBXXX). Corríjalo o déjelo vacío.").arg(bic));
    const CuentaBancaria c = ArmonizarCuenta({Ccc{banco, sucursal, dc, ccc}, iban}, ibanEditado);
    banco = c.ccc.banco;
    sucursal = c.ccc.sucursal;
    dc = c.ccc.dc;
    ccc = c.ccc.cuenta;
    iban = c.iban;
}

const QSet<QString>& ColumnasMandato()
{
    static const QSet<QString> k = {QStringLiteral("mandato_ref"), QStringLiteral("mandato_fecha"),
                                    QStringLiteral("mandato_tipo"), QStringLiteral("mandato_ultimo")};
    return k;
}

void ComprobarMandato(Database& db, const QString& arrendador, const QString& direccion,
                      const QString& piso, const QString& mandatoRef)
{
    const QString ref = mandatoRef.trimmed();
    if (ref.isEmpty())
        return;
    const QString problema = ProblemaIdentificadorSepa(ref);
    if (!problema.isEmpty())
        throw UserError(QStringLiteral("La referencia del mandato «%1» %2.").arg(ref, problema));
    Statement st(db, "SELECT direccion, piso FROM inmueble WHERE es_fold(arrendador) = es_fold(?1)"
                     " AND mandato_ref = ?2 AND NOT (es_fold(direccion) = es_fold(?3)"
                     " AND es_fold(piso) = es_fold(?4))");
    st.bind(1, arrendador).bind(2, ref).bind(3, direccion).bind(4, piso);
    if (st.next())
        throw UserError(QStringLiteral("La referencia del mandato %1 ya es la del inmueble %2 %3 del "
                                       "mismo propietario; cada inquilino necesita la suya.")
                            .arg(ref, st.text(0), st.text(1).trimmed()));
}
