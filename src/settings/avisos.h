#pragma once
#include <QString>

// The notices a task may show; the key names the setting under "Avisos" that silences it.
enum class Aviso {
    InmueblePonerDireccion,
    PropietarioPonerNombre,
    PropietarioPonerCuenta,
    RecibosGenerar,
    ContratoPapel,
    ImpresionReciboColor,
    ArchivoLogoEditar,
    ArchivoLogoSeleccionar,
    SelectPonerLogo,
    RecibosFacturacionIndividual,
    IrpfIvaCambio,
    LongitudCuentaCorriente,
};

struct TextoAviso {
    QString clave;   // "MENSAJE_AVISO_..."
    QString texto;
};

// Key and text of a notice; a number outside the table gives "Aviso no definido".
TextoAviso DatosAviso(int aviso);
inline TextoAviso DatosAviso(Aviso a) { return DatosAviso(static_cast<int>(a)); }

// 1 when the user asked not to see the notice again.
bool AvisoSilenciado(const TextoAviso& a);
void GuardarEstadoAviso(const TextoAviso& a, bool noVolverAMostrar);
