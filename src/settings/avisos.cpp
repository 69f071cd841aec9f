#include "settings/avisos.h"

#include "settings/ajustes.h"

TextoAviso DatosAviso(int aviso)
{
    static const TextoAviso kTabla[] = {
        {"MENSAJE_AVISO_INMUEBLE_PONER_DIRECCION",
         "Los inmuebles deben tener obligatoriamente una dirección y propietario."},
        {"MENSAJE_AVISO_PROPIETARIO_PONER_NOMBRE",
         "Los propietarios deben tener puesto un nombre (distinto para cada uno)."},
        {"MENSAJE_AVISO_PROPIETARIO_PONER_CUENTA",
         "Para poder hacer domiciliaciones bancarias debe poner la cuenta bancaria."},
        {"MENSAJE_AVISO_RECIBOS_GENERAR", "Los recibos se imprimen en papel en blanco."},
        {"MENSAJE_AVISO_CONTRATO_PAPEL", "Los contratos se imprimen en hojas tamaño folio."},
        {"MENSAJE_AVISO_IMPRESION_RECIBO_COLOR",
         "Está imprimiendo en blanco y negro, si selecciona color en propiedades de la impresora "
         "obtendrá mejores resultados."},
        {"MENSAJE_AVISO_ARCHIVO_LOGO_EDITAR",
         "El logotipo debe tener 300 píxeles de ancho por 750 de alto."},
        {"MENSAJE_AVISO_ARCHIVO_LOGO_SELECCIONAR",
         "El logotipo debe estar en un archivo de imagen (*.bmp, *.png o *.jpg) y debe tener 300 "
         "píxeles de ancho por 750 de alto, el archivo lo puede crear con cualquier programa de "
         "dibujo, por ejemplo GIMP o Pinta."},
        {"MENSAJE_AVISO_SELECT_PONER_LOGO",
         "Debe seleccionar un archivo *.bmp que contenga el logotipo."},
        {"MENSAJE_AVISO_RECIBOS_FACTURACION_INDIVIDUAL",
         "Va a crear una nueva factura o recibo para este inmueble. Las facturaciones se pueden "
         "hacer desde el menú principal, facturación nueva, facturándose así todos los inmuebles, "
         "las facturaciones que se hacen desde la ficha inmueble son para facturaciones "
         "adicionales."},
        {"MENSAJE_AVISO_IRPF_IVA_CAMBIO",
         "Las modificaciones de impuestos como IVA y IRPF, solo modifican el concepto de la línea "
         "de los recibos, los importes, debe modificarlos luego en cada inmueble."},
        {"MENSAJE_AVISO_LONGITUD_CUENTA_CORRIENTE",
         "La cuenta bancaria no tiene la longitud correcta"},
    };
    constexpr int n = int(sizeof(kTabla) / sizeof(kTabla[0]));
    if (aviso < 0 || aviso >= n)
        return {QStringLiteral("MENSAJE_AVISO_NO_DEFINIDO"), QStringLiteral("Aviso no definido")};
    return kTabla[aviso];
}

bool AvisoSilenciado(const TextoAviso& a)
{
    return LeerEntero(ajustes::kAvisos, a.clave, 0) == 1;
}

void GuardarEstadoAviso(const TextoAviso& a, bool noVolverAMostrar)
{
    EscribirEntero(ajustes::kAvisos, a.clave, noVolverAMostrar ? 1 : 0);
}
