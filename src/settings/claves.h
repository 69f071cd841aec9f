#pragma once
#include <QString>

// The table of every setting: section, value name, default. Use these names, not literals.
namespace ajustes {
inline const QString kArchivosRecientes = QStringLiteral("Archivos recientes");
inline const QString kUltimo = QStringLiteral("Ultimo");
// The Archivo menu's list: "Archivo1" (the newest) to "Archivo4".
inline const QString kArchivoReciente = QStringLiteral("Archivo%1");
constexpr int kArchivosRecientesMaximo = 4;
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
inline const QString kServidor = QStringLiteral("Servidor");   // text; default set at build time

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
