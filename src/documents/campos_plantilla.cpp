#include "documents/campos_plantilla.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "data/database.h"
#include "data/esquema.h"
#include "documents/mailing.h"
#include "documents/texto_contrato.h"
#include "util/errores.h"
#include "util/formato.h"
#include "util/letras.h"

namespace {

const char* const kNombres[kNumCampos] = {
    "_Via_Inmueble_", "_Direccion_Inmueble_", "_ViaDireccion_Inmueble_", "_Piso_Inmueble_",
    "_Localidad_Inmueble_", "_CP_Inmueble_", "_Referencia_Catastral_", "_Fecha_Contrato_",
    "_Fecha_Hoy_", "_Nombre_Arrendador_", "_Direccion_Arrendador_", "_Localidad_Arrendador_",
    "_CP_Arrendador_", "_Nacionalidad_Arrendador_", "_Documento_Arrendador_", "_Tlf_Arrendador_",
    "_Cuenta_Arrendador_", "_Nombre_Inquilino_", "_Direccion_Inquilino_", "_Email_Inquilino_",
    "_Tlf_Casa_Inquilino_", "_Tlf_Movil_Inquilino_", "_Cuenta_Inquilino_", "_Documento_Inquilino_",
    "_Nacionalidad_Inquilino_", "_Renta_", "_Renta_Letra_", "_IVA_Letra_", "_IRPF_Letra_",
    "_Importe1_Letra_", "_Importe2_Letra_", "_Importe3_Letra_", "_Total_Letra_", "_Renta_Numero_",
    "_IVA_Numero_", "_IRPF_Numero_", "_Importe1_Numero_", "_Importe2_Numero_", "_Importe3_Numero_",
    "_Total_Numero_", "_Concepto1_", "_Concepto2_", "_Concepto3_",
};

// Two texts joined by one space; a single space when both are blank, as a template field
// must never vanish into nothing where the row holds something.
QString Juntar(const QString& a, const QString& b)
{
    const QString r = UnirConEspacio(a, b);
    return r.isEmpty() && !(a + b).isEmpty() ? QStringLiteral(" ") : r;
}

QString Cifra(Moneda m)
{
    return MonedaATexto(m) + QStringLiteral(" €");
}

struct Campo {
    QString nombre;
    int k;
};

// Longest first: where "_Renta_Letra_" stands, "_Renta_" never matches.
const std::vector<Campo>& CamposPorLargo()
{
    static const std::vector<Campo> r = [] {
        std::vector<Campo> v;
        for (int k = 1; k <= kNumCampos; ++k)
            v.push_back({NombreCampo(k), k});
        std::stable_sort(v.begin(), v.end(),
                         [](const Campo& a, const Campo& b) { return a.nombre.size() > b.nombre.size(); });
        return v;
    }();
    return r;
}

struct Hallazgo {
    qsizetype pos, largo;
    int k;
};

std::vector<Hallazgo> BuscarCampos(const QString& texto)
{
    std::vector<Hallazgo> r;
    const QStringView v(texto);
    qsizetype i = texto.indexOf(u'_');
    while (i >= 0) {
        const Campo* hallado = nullptr;
        for (const Campo& c : CamposPorLargo())
            if (v.mid(i, c.nombre.size()).compare(c.nombre, Qt::CaseInsensitive) == 0) {
                hallado = &c;
                break;
            }
        if (hallado) {
            r.push_back({i, hallado->nombre.size(), hallado->k});
            i = texto.indexOf(u'_', i + hallado->nombre.size());
        } else {
            i = texto.indexOf(u'_', i + 1);
        }
    }
    return r;
}

}  // namespace

QString NombreCampo(int k)
{
    if (k < 1 || k > kNumCampos)
        return QStringLiteral("_error_");
    return QString::fromLatin1(kNombres[k - 1]);
}

QString ValorCampo(int k, const DatosPlantilla& d)
{
    const PropietarioDocumento& p = d.propietario;
    const ImportesRecibo& i = d.importes;
    switch (k) {
    case 1: return d.via;
    case 2: return d.direccion;
    case 3: return Juntar(d.via, d.direccion);
    case 4: return d.piso;
    case 5: return TextoLimpio(d.localidad);
    case 6: return TextoLimpio(d.cp);
    case 7: return d.refcatastral;
    case 8: return FechaEnLetras(d.fecha);
    case 9: return FechaEnLetras(d.hoy);
    case 10: return p.nombre;
    case 11: return Juntar(p.via, p.direccion);
    case 12: return p.localidad;
    case 13: return p.cp;
    case 14: return QStringLiteral(" ");
    case 15: return Juntar(p.documentoTipo, p.documentoNumero);
    case 16: return p.telefono;
    case 17: return CuentaCompleta(p.banco, p.sucursal, p.dc, p.ccc);
    case 18: return TextoLimpio(d.inquilino);
    case 19: return d.direccionInquilino;
    case 20: return d.email;
    case 21: return d.telefonoCasa;
    case 22: return d.telefonoMovil;
    case 23: return CuentaCompleta(d.banco, d.sucursal, d.dc, d.ccc);
    case 24: return Juntar(d.docTipo, d.docNumero);
    case 25: return TextoLimpio(d.nacionalidad);
    case 26: return ImporteConCifra(i.renta);
    case 27: return ImporteEnLetras(i.renta);
    case 28: return ImporteEnLetras(i.iva);
    case 29: return ImporteEnLetras(i.irpf);
    case 30: return ImporteEnLetras(i.otro_importe1);
    case 31: return ImporteEnLetras(i.otro_importe2);
    case 32: return ImporteEnLetras(i.otro_importe3);
    case 33: return ImporteEnLetras(i.Total());
    case 34: return Cifra(i.renta);
    case 35: return Cifra(i.iva);
    case 36: return Cifra(i.irpf);
    case 37: return Cifra(i.otro_importe1);
    case 38: return Cifra(i.otro_importe2);
    case 39: return Cifra(i.otro_importe3);
    case 40: return Cifra(i.Total());
    case 41: return d.concepto1;
    case 42: return d.concepto2;
    case 43: return d.concepto3;
    default: return {};
    }
}

int RellenarCampos(QTextDocument& documento, const DatosPlantilla& d)
{
    if (documento.isEmpty())
        return 0;
    // Found on the text as it stands, then replaced from the end: the positions before each
    // replacement stay valid, and nothing inserted is ever searched again.
    const std::vector<Hallazgo> hallados = BuscarCampos(documento.toRawText());
    if (hallados.empty())
        return 0;
    std::array<std::optional<QString>, kNumCampos + 1> valores;
    QTextCursor c(&documento);
    c.beginEditBlock();
    for (auto it = hallados.rbegin(); it != hallados.rend(); ++it) {
        std::optional<QString>& valor = valores[size_t(it->k)];
        if (!valor)
            valor = ValorCampo(it->k, d);
        c.setPosition(int(it->pos + 1));
        const QTextCharFormat formato = c.charFormat();
        c.setPosition(int(it->pos));
        c.setPosition(int(it->pos + it->largo), QTextCursor::KeepAnchor);
        c.insertText(*valor, formato);
    }
    c.endEditBlock();
    return int(hallados.size());
}

void PrepararInformeInmueble(Database& db, qint64 ref)
{
    PrepararInformeInmuebles(db, {ref});
}
