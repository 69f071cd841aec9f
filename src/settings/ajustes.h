#pragma once
#include <QString>

// The per-user settings store. Each value keeps its kind: an integer read as text (or a
// text read as integer) gives the default. Defaults are never written back. The file is
// JSON at $RENTIVA_SETTINGS, else $XDG_CONFIG_HOME/rentiva/rentiva.conf (~/.config when
// XDG_CONFIG_HOME is unset). Every read goes to the file; nothing is cached.

QString RutaAjustes();

int LeerEntero(const QString& seccion, const QString& clave, int porDefecto);
bool EscribirEntero(const QString& seccion, const QString& clave, int valor);
QString LeerTexto(const QString& seccion, const QString& clave, const QString& porDefecto = QString());
// Stores at most the first 4999 characters.
bool EscribirTexto(const QString& seccion, const QString& clave, const QString& texto);

// Tax kinds 1 (added to the rent) and 2 (withheld); any other kind reads "" / 0 and writes nothing.
QString NombreImpuesto(int tipo);
int PorcentajeImpuesto(int tipo);
void PonerNombreImpuesto(int tipo, const QString& nombre);
void PonerPorcentajeImpuesto(int tipo, int porcentaje);
inline QString NombreImpuesto1() { return NombreImpuesto(1); }
inline QString NombreImpuesto2() { return NombreImpuesto(2); }
inline int PorcentajeImpuesto1() { return PorcentajeImpuesto(1); }
inline int PorcentajeImpuesto2() { return PorcentajeImpuesto(2); }

QString NombreMoneda();
QString SimboloMoneda();
void PonerNombreMoneda(const QString& nombre);
void PonerSimboloMoneda(const QString& simbolo);

// The table of every setting: section, value name, default. Use these names, not literals.
namespace ajustes {
inline const QString kArchivosRecientes = QStringLiteral("Archivos recientes");
inline const QString kUltimo = QStringLiteral("Ultimo");
inline const QString kAvisos = QStringLiteral("Avisos");

inline const QString kContrato = QStringLiteral("Contrato");
inline const QString kAltoLetra = QStringLiteral("AltoLetra");
constexpr int kAltoLetraPorDefecto = 10;          // 12 large, 10 normal, 7 small

inline const QString kRecibo = QStringLiteral("Recibo");
inline const QString kColor = QStringLiteral("Color");              // text; "TRANSPARENTE" = none
inline const QString kFondo = QStringLiteral("Fondo");              // text
inline const QString kTexto1 = QStringLiteral("Texto1");
inline const QString kTexto2 = QStringLiteral("Texto2");
inline const QString kTexto3 = QStringLiteral("Texto3");
inline const QString kTipoCuadroIzquierdo = QStringLiteral("TipoCuadroIzquierdo");   // 0
inline const QString kFileLogo = QStringLiteral("FileLogo");
inline const QString kColorR = QStringLiteral("Color_R");
inline const QString kColorG = QStringLiteral("Color_G");
inline const QString kColorB = QStringLiteral("Color_B");
constexpr int kColorRPorDefecto = 180;
constexpr int kColorGPorDefecto = 230;
constexpr int kColorBPorDefecto = 254;
inline const QString kVencimientoTipo = QStringLiteral("Vencimiento_Tipo");   // 0
inline const QString kVencimientoDia = QStringLiteral("Vencimiento_Dia");
constexpr int kVencimientoDiaPorDefecto = 6;
inline const QString kVencimientoOtro = QStringLiteral("Vencimiento_Otro");
inline const QString kReciboFactura = QStringLiteral("ReciboFactura");       // 0
inline const QString kSufijo = QStringLiteral("iSufijo");
constexpr int kSufijoPorDefecto = 1;

inline const QString kActualizaciones = QStringLiteral("Actualizaciones");
inline const QString kActualizacionAutomatica = QStringLiteral("Actualizacion_automatica");  // 0

inline const QString kOpciones = QStringLiteral("Opciones");
inline const QString kOrden = QStringLiteral("orden");   // 0

inline const QString kImpuesto1 = QStringLiteral("Impuesto_1");
inline const QString kImpuesto2 = QStringLiteral("Impuesto_2");
inline const QString kNombre = QStringLiteral("Name");
inline const QString kPorcentaje = QStringLiteral("Porcentage");
inline const QString kImpuesto1NombrePorDefecto = QStringLiteral("IVA 21%");
constexpr int kImpuesto1PorcentajePorDefecto = 21;
inline const QString kImpuesto2NombrePorDefecto = QStringLiteral("IRPF");
constexpr int kImpuesto2PorcentajePorDefecto = 19;

inline const QString kMoneda = QStringLiteral("Moneda");
inline const QString kSimbolo = QStringLiteral("Simbolo");
inline const QString kMonedaNombrePorDefecto = QStringLiteral("Euros");
inline const QString kMonedaSimboloPorDefecto = QStringLiteral("\u20AC");

// The first-start mark (ours; integer 1 once the first start ran).
inline const QString kPrograma = QStringLiteral("Programa");
inline const QString kPrimerInicio = QStringLiteral("PrimerInicioHecho");
}  // namespace ajustes
