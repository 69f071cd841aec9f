#include "documents/modelo_contrato.h"

#include <array>
#include <cstring>
#include <optional>

#include "documents/rtf.h"
#include "documents/texto_contrato.h"
#include "util/letras.h"

namespace {

constexpr int kLargoCampo = 6;

using Valor = QString (*)(const DatosContrato&);

struct Campo {
    const char* nombre;
    Valor valor;
};

const Campo kCampos[] = {
    {"Locali", [](const DatosContrato& d) { return d.localidad; }},
    {"Nombre", [](const DatosContrato& d) { return d.inquilino; }},
    {"Fecha_", [](const DatosContrato& d) { return FechaEnLetras(d.fecha); }},
    {"Via___", [](const DatosContrato& d) { return d.direccion; }},
    {"Piso__", [](const DatosContrato& d) { return d.piso; }},
    {"Doc___", [](const DatosContrato& d) { return d.documento; }},
    {"CP____", [](const DatosContrato& d) { return d.cp; }},
    {"ANom__", [](const DatosContrato& d) { return d.propietario.nombre; }},
    {"ADir__", [](const DatosContrato& d) { return d.propietario.direccion; }},
    {"ALocal", [](const DatosContrato& d) { return d.propietario.localidad; }},
    {"ATelef", [](const DatosContrato& d) { return TextoTelefonos(d); }},
    {"Equipa", [](const DatosContrato& d) { return TextoEquipamiento(d, false, true); }},
    {"Equipl", [](const DatosContrato& d) { return TextoEquipamiento(d, true, true); }},
    {"Duraci", [](const DatosContrato& d) { return DuracionEnLetras(d.meses); }},
    {"Renta_", [](const DatosContrato& d) { return ImporteConCifra(d.importes.renta); }},
    {"FPago_", [](const DatosContrato& d) { return TextoFormaPago(d); }},
    {"Fianza", [](const DatosContrato& d) { return ImporteConCifra(d.fianza); }},
    {"OImtes", [](const DatosContrato& d) { return TextoPagosRecibidos(d, true); }},
    {"CImtes", [](const DatosContrato& d) { return TablasRecibo(d); }},
    {"Ocupan", [](const DatosContrato& d) { return TextoOcupacion(d); }},
    {"Aval__", [](const DatosContrato& d) { return TextoAval(d); }},
    {"Reunid", [](const DatosContrato& d) { return TextoReunidos(d, true); }},
    {"Interv", [](const DatosContrato& d) { return TextoIntervienen(d); }},
};
constexpr int kNumCampos = int(std::size(kCampos));

int IndiceCampo(const char* nombre)
{
    for (int i = 0; i < kNumCampos; ++i)
        if (std::memcmp(kCampos[i].nombre, nombre, kLargoCampo) == 0)
            return i;
    return -1;
}

}  // namespace

const QList<QByteArray>& CamposModelo()
{
    static const QList<QByteArray> nombres = [] {
        QList<QByteArray> r;
        for (const Campo& c : kCampos)
            r << QByteArray(c.nombre);
        return r;
    }();
    return nombres;
}

QString ValorCampoModelo(const QByteArray& campo, const DatosContrato& d)
{
    if (campo.size() != kLargoCampo)
        return {};
    const int i = IndiceCampo(campo.constData());
    if (i < 0)
        return {};
    QString v = kCampos[i].valor(d);
    return v.isNull() ? QStringLiteral("") : v;
}

QByteArray RellenarModelo(const QByteArray& modelo, const DatosContrato& d)
{
    // Each field's RTF is made once per model, however often the field appears.
    std::array<std::optional<QByteArray>, kNumCampos> hechos;
    QByteArray r;
    r.reserve(modelo.size() + 8192);
    const char* p = modelo.constData();
    const char* const fin = p + modelo.size();
    while (p < fin) {
        const char* y = static_cast<const char*>(std::memchr(p, '&', size_t(fin - p)));
        if (!y) {
            r.append(p, fin - p);
            break;
        }
        r.append(p, y - p);
        if (fin - y - 1 < kLargoCampo) {
            r.append(y, fin - y);
            break;
        }
        const int i = IndiceCampo(y + 1);
        if (i < 0) {
            // Not a field: the "&" stays, and the bytes after it are read again, so that a
            // field right behind ("R&D &Nombre") is still found.
            r.append('&');
            p = y + 1;
            continue;
        }
        if (!hechos[i])
            hechos[i] = GrupoRtf(kCampos[i].valor(d));
        r.append(*hechos[i]);
        p = y + 1 + kLargoCampo;
    }
    return r;
}
