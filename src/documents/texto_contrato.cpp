#include "documents/texto_contrato.h"

#include "documents/texto_plano.h"

#include "util/formato.h"
#include "util/letras.h"

namespace {

QString Regla()
{
    return QStringLiteral("  ") + QString(60, u'_') + u'\n';
}

// The party that signs for the owner: the representative when there is one.
const ParteContrato& Firmante(const DatosContrato& d)
{
    return d.representante.nombre.isEmpty() ? d.propietario : d.representante;
}

QString Domicilio(const ParteContrato& p)
{
    if (p.direccion.isEmpty())
        return {};
    QString r = QStringLiteral(", con domicilio a efectos de notificaciones en ") + p.direccion;
    if (!p.piso.isEmpty())
        r += QStringLiteral(", ") + p.piso;
    if (!p.localidad.isEmpty())
        r += u' ' + p.localidad;
    return r;
}

QString ParteConDocumento(const ParteContrato& p)
{
    QString r = p.nombre + Domicilio(p);
    if (!p.documento.isEmpty())
        r += QStringLiteral(", y provisto  de ") + p.documento;
    return r;
}

QString ParteArrendador(const DatosContrato& d)
{
    return QStringLiteral("De una parte, ") + ParteConDocumento(Firmante(d)) + u'.';
}

// The tenant and the co-tenants, listed 3, 2 "y" 1 as the contract has always named them.
QString ParteArrendatario(const DatosContrato& d, bool telefonos)
{
    const int n = qBound(0, d.numCoarrendatarios, 3);
    const auto& c = d.coarrendatarios;
    auto lista = [n](const QString& t3, const QString& t2, const QString& t1) {
        QString r;
        if (n == 3)
            r += QStringLiteral(", ") + t3;
        if (n >= 2)
            r += QStringLiteral(", ") + t2;
        if (n >= 1)
            r += QStringLiteral(" y ") + t1;
        return r;
    };
    QString r = QStringLiteral("De otra parte, ") + d.inquilino
              + lista(c[2].nombre, c[1].nombre, c[0].nombre);
    r += QStringLiteral(", con domicilio a efectos de notificaciones en ") + d.direccion + u' ' + d.piso;
    if (!d.cp.isEmpty())
        r += QStringLiteral(", ") + d.cp;
    if (!d.localidad.isEmpty())
        r += QStringLiteral(", ") + d.localidad;
    r += u' ';
    if (!d.nacionalidad.isEmpty()) {
        r += QStringLiteral(", de nacionalidad ") + d.nacionalidad;
        if (n >= 1 && !c[0].nacionalidad.isEmpty())
            r += lista(c[2].nacionalidad, c[1].nacionalidad, c[0].nacionalidad)
               + QStringLiteral(" respectivamente ");
    }
    if (!d.documento.isEmpty()) {
        r += QStringLiteral(", y provisto") + (n > 0 ? QStringLiteral("s") : QString())
           + QStringLiteral(" de ") + d.documento;
        auto doc = [&c](int i) { return c[i].tipo + QStringLiteral(" numero ") + c[i].numero; };
        if (n >= 1)
            r += lista(doc(2), doc(1), doc(0)) + QStringLiteral(" respectivamente ");
    }
    if (telefonos)
        r += u',' + TextoTelefonos(d);
    return r + u'.';
}

// Phrases by equipment code, in the order 0, 1, 10, 11, 100, ... 1111.
int IndiceCodigo(int codigo)
{
    return codigo % 10 + 2 * (codigo / 10 % 10) + 4 * (codigo / 100 % 10) + 8 * (codigo / 1000 % 10);
}

const char* const kVacio[16] = {
    " ", " excepto lavadora", " excepto nevera", " excepto nevera y lavadora",
    " excepto la cocina que viene equipada",
    " excepto la cocina que viene equipada y tiene lavadora",
    " excepto la cocina que viene equipada y tiene nevera",
    " excepto la cocina que viene equipada, tiene nevera y lavadora",
    " excepto television", " excepto television, lavadora", " excepto television, nevera",
    " excepto television, nevera y lavadora",
    " excepto television, y la cocina que viene equipada",
    " excepto television, y la cocina que viene equipada y tiene lavadora",
    " excepto television, y la cocina que viene equipada y tiene nevera",
    " excepto television, y la cocina que viene equipada, tiene nevera y lavadora",
};

const char* const kAmueblado[16] = {
    " ", " a demas dispone de lavadora", " a demas dispone de nevera",
    " a demas dispone de nevera y lavadora", " incluida la cocina",
    " incluida la cocina, que viene equipada y tiene lavadora",
    " incluida la cocina, que viene equipada y tiene nevera",
    " incluida la cocina, que viene equipada, tiene nevera y lavadora",
    " a demas dispone de televisión", " a demas dispone de lavadora, televisión",
    " a demas dispone de nevera, televisión", " a demas dispone de nevera, lavadora  y televisión",
    " a demas dispone de televisión y la cocina",
    " a demas dispone de televisión, y la cocina, que viene equipada y tiene lavadora",
    " a demas dispone de televisión, y  la cocina, que viene equipada y tiene nevera",
    " a demas dispone de televisión, y  la cocina, que viene equipada, tiene nevera y lavadora",
};

// Paid rows counted from row 1 up to the first one at 0.
int FilasPagadas(const DatosContrato& d)
{
    int k = 0;
    while (k < 4 && !d.filas[k].EsCero())
        ++k;
    return k;
}

// Fixed clauses, kept apart from the logic that assembles them.
const char* const kSegundo =
    "SEGUNDO.- Que habiendo convenido el arriendo del apartamento descrito en el expositivo PRIMERO,"
    " ambas partes se reconocen mutuamente la capacidad legal necesaria para este acto y lo formalizan"
    " con sujeción a las siguientes:";
const char* const kFaltaPago =
    "La falta de pago de una mensualidad, será causa suficiente para incoar el desahucio, siendo de"
    " cuenta del arrendatario todos los gastos y costas que por ello se originen.";
const char* const kQuinta1 =
    "QUINTA.- La renta pactada será objeto anualmente de aumentos o disminuciones, según las"
    " variaciones que experimente el Índice General Nacional del Sistema de Índices de Precios de"
    " Consumo publicado por el Instituto Nacional de Estadística, aplicadas sobre la renta del periodo"
    " anterior.";
const char* const kQuinta2 =
    "La elevación o disminución de la renta contractual, se llevara a efecto sin mas requisitos que"
    " la comunicación por escrito al arrendatario del nuevo importe, que será exigible desde el mes"
    " siguiente a dicha comunicación.";
const char* const kSexta =
    "SEXTA.- El arrendatario recibe en este acto las llaves del apartamento arrendado, que comprueba"
    " en perfecto estado de uso y conservación, y se obliga a devolverlo al término del contrato en el"
    " mismo estado en que lo recibe o a abonar el importe de los desperfectos que se hubieran causado.";
const char* const kSeptima =
    "SEPTIMA.- El arrendatario se obliga a no ejecutar obras que modifiquen la configuración del piso,"
    " salvo con el consentimiento expreso y por escrito del arrendador; las obras que se realicen"
    " quedarán en beneficio del piso, sin derecho a indemnización, y el arrendatario permitirá el acceso"
    " al arrendador para comprobar su estado.";
const char* const kOctava =
    "OCTAVA.- Será de cuenta del arrendatario el importe del consumo de agua, energía eléctrica y teléfono,"
    " así como los demás suministros y servicios del piso, salvo los impuestos que legalmente"
    " correspondan al arrendador.";
const char* const kNovena =
    "NOVENA.- El inquilino se obliga a no realizar en el piso objeto de este contrato, actividades"
    " molestas, ruidosas, insalubres, nocivas o peligrosas; su incumplimiento será causa de resolución"
    " del presente contrato.";
const char* const kDecimotercera =
    "DECIMOTERCERA.- Si por incumplimiento de este contrato el arrendador se viese obligado a instar el"
    " desahucio por falta de pago, el arrendador podrá tomar posesión del piso sin necesidad de nuevo"
    " lanzamiento una vez que la sentencia sea firme.";
const char* const kDecimosexta =
    "DECIMOSEXTA.- Abonando, el arrendatario podrá desistir del contrato, siempre que hayan "
    "transcurrido al menos seis meses desde su firma y lo comunique al arrendador con un mes de"
    " antelación, una indemnización igual al importe de la fianza.";

}  // namespace

QString ImporteConCifra(Moneda m)
{
    return ImporteEnLetras(m) + QStringLiteral(" [") + MonedaATexto(m) + QStringLiteral(" €]");
}

QString TextoOcupacion(const DatosContrato& d)
{
    if (d.ocupantes <= 0)
        return {};
    return QStringLiteral("Debido al tamaño del piso, no podrá ser habitado por mas de ")
         + NumeroANumero(d.ocupantes, kGeneroFemenino) + QStringLiteral(" personas.");
}

QString TextoTelefonos(const DatosContrato& d)
{
    if (!d.telefonoCasa.isEmpty() && !d.telefonoMovil.isEmpty())
        return QStringLiteral(" telefonos ") + d.telefonoCasa + QStringLiteral(" y ") + d.telefonoMovil;
    if (!d.telefonoCasa.isEmpty() || !d.telefonoMovil.isEmpty())
        return QStringLiteral(" telefono ") + d.telefonoCasa + d.telefonoMovil;
    return {};
}

QString TextoReunidos(const DatosContrato& d, bool telefonos)
{
    return ParteArrendador(d) + QStringLiteral("\n\n") + ParteArrendatario(d, telefonos)
         + QStringLiteral("\n\n");
}

QString TextoIntervienen(const DatosContrato& d)
{
    if (d.representante.nombre.isEmpty())
        return QStringLiteral("Ambos en su propio nombre y derecho.");
    return QStringLiteral("El primero en nombre y representación de ") + ParteConDocumento(d.propietario)
         + QStringLiteral(".\n\nY los segundos en su propio nombre y derecho.");
}

QString TextoEquipamiento(const DatosContrato& d, bool local, bool conTelevisionAmueblado)
{
    const int codigo = CodigoEquipamiento(d);
    QString r;
    if (!d.amueblado) {
        r = local ? QStringLiteral("El local se arrienda vacío,")
                  : QStringLiteral("El apartamento se arrienda vacío de muebles,");
        r += QString::fromUtf8(kVacio[IndiceCodigo(codigo)]);
        if (!d.otroEquipamiento.isEmpty())
            r += (codigo != 0 ? QStringLiteral(", tambien viene equipado con: ")
                              : QStringLiteral(" viene equipado con: "))
               + d.otroEquipamiento;
    } else {
        r = local ? QStringLiteral("El local se arrienda amueblado,")
                  : QStringLiteral("El apartamento se arrienda amueblado,");
        r += QString::fromUtf8(kAmueblado[IndiceCodigo(conTelevisionAmueblado ? codigo : codigo % 1000)]);
        if (!d.otroEquipamiento.isEmpty())
            r += QStringLiteral(", tambien viene equipado con: ") + d.otroEquipamiento;
    }
    return r + QStringLiteral(", para ser destinado a vivienda del arrendatario, quedando expresamente"
                              " prohibida la cesión, traspaso, o subarriendo total o parcial de dicha"
                              " vivienda, así como usos distintos del pactado.");
}

QString TextoPagosRecibidos(const DatosContrato& d, bool diasLiteral)
{
    QString r;
    if (!d.filas[0].EsCero()) {
        const int k = FilasPagadas(d);
        QStringList meses;
        QString periodo;
        if (d.fecha.day() != 1) {
            periodo = QStringLiteral("los ") + NumeroANumero(DiasRestantes(d.fecha), kGeneroMasculino)
                    + (diasLiteral ? QStringLiteral(" días restantes del mes de ")
                                   : QStringLiteral(" restantes del mes de "))
                    + MesContrato(d, 0);
            for (int i = 1; i < k; ++i)
                meses << MesContrato(d, i);
            if (k == 2)
                periodo += QStringLiteral(", y la mensualidad de ");
            else if (k > 2)
                periodo += QStringLiteral(", y las mensualidades de ");
            periodo += Enumerar(meses);
        } else {
            for (int i = 0; i < k; ++i)
                meses << MesContrato(d, i);
            periodo = (k == 1 ? QStringLiteral("la mensualidad de ") : QStringLiteral("las mensualidades de "))
                    + Enumerar(meses);
        }
        const QString importe = ImporteConCifra(SumaFilas(d));
        r += QStringLiteral(" Así mismo se dan por recibidas otros ") + importe
           + QStringLiteral(", correspondientes al pago de ") + periodo + QStringLiteral(" por importe de ")
           + importe + QStringLiteral(".\n");
    }
    if (!d.otroImporte.EsCero() && !d.otroTexto.isEmpty())
        r += QStringLiteral("Así mismo se dan por recibidos otros ") + ImporteConCifra(d.otroImporte)
           + QStringLiteral(" por ") + d.otroTexto + QStringLiteral(".\n");
    return r;
}

QString TablaPago(const DatosContrato& d, const QString& cabecera)
{
    QString r = QStringLiteral("  ") + cabecera + u'\n' + Regla();
    r += LineaTablaImporte(EtiquetaFianza(d), d.fianza);
    for (int f = 1; f <= 4; ++f)
        if (!d.filas[f - 1].EsCero())
            r += LineaTablaImporte(EtiquetaFila(d, f), d.filas[f - 1]);
    r += LineaTabla(QStringLiteral("           "), QStringLiteral("------------------"));
    r += LineaTablaImporte(QStringLiteral("Total"), TotalContrato(d));
    return r;
}

QString TablasRecibo(const DatosContrato& d)
{
    QString r = QStringLiteral("  Concepto   DETALLE DEL  RECIBO MENSUAL              Importe\n") + Regla();
    const ImportesRecibo& i = d.importes;
    auto linea = [&r](const QString& etiqueta, Moneda m) {
        if (!m.EsCero())
            r += LineaTablaImporte(etiqueta, m);
    };
    linea(QStringLiteral("Renta"), i.renta);
    // Without the other concepts the contract speaks of the rent alone, and so does the table.
    if (d.otrosConceptos) {
        linea(d.concepto1, i.otro_importe1);
        linea(d.concepto2, i.otro_importe2);
        linea(d.concepto3, i.otro_importe3);
        linea(d.impuestos.nombre1, i.iva);
        linea(d.impuestos.nombre2, i.irpf);
    }
    r += LineaTabla(QStringLiteral("           "), QStringLiteral("------------------"));
    if (!ImporteMensual(d).EsCero())
        r += LineaTablaImporte(QStringLiteral("Total"), ImporteMensual(d));
    r += u'\n';
    return r + TablaPago(d, QStringLiteral("DETALLE DEL PAGO REALIZADO                          Importe"));
}

QString TextoAval(const DatosContrato& d)
{
    if (d.avalNumero.isEmpty())
        return {};
    QString r = QStringLiteral("El arrendatario entrega como garantía de los pagos del arrendamiento aval");
    if (!d.avalBanco.isEmpty())
        r += QStringLiteral(" extendido por ") + d.avalBanco;
    return r + QStringLiteral(" con el numero del Registro Especial de Avales ") + d.avalNumero
         + QStringLiteral(".\n");
}

QString TextoFormaPago(const DatosContrato& d)
{
    switch (d.formaPago) {
    case 0:
        if (!d.banco.isEmpty() && !d.sucursal.isEmpty() && !d.dc.isEmpty() && !d.ccc.isEmpty())
            return QStringLiteral(" mediante domiciliación bancaria en la cuenta del arrendatario número %1 %2 %3 %4")
                .arg(d.banco, d.sucursal, d.dc, d.ccc);
        return QStringLiteral(" mediante domiciliación bancaria,");
    case 1:
        return QStringLiteral(" en el domicilio del arrendador %1 (%2)")
            .arg(d.propietario.direccion, d.propietario.localidad);
    case 2:
        if (!d.cuentaPropietario.isEmpty())
            return QStringLiteral(" mediante ingreso en la cuenta del arrendador número ") + d.cuentaPropietario;
        return QStringLiteral(" mediante ingreso en la cuenta del arrendador");
    default:
        return {};
    }
}

QString TextoContratoVivienda(const DatosContrato& d)
{
    const QString par = QStringLiteral("\n\n");
    const ParteContrato& firmante = Firmante(d);
    QString t;
    t += QStringLiteral("           CONTRATO DE ARRENDAMIENTO DE VIVIENDA\n");
    t += QStringLiteral("En ") + d.localidad + QStringLiteral(", a ") + FechaEnLetras(d.fecha) + u'.' + par;
    t += kSangria + kSangria + QStringLiteral("REUNIDOS:") + par;
    t += ParteArrendador(d) + u'\n' + ParteArrendatario(d, false) + par;
    t += kSangria + kSangria + QStringLiteral("INTERVIENEN:") + par;
    t += TextoIntervienen(d) + par;
    t += kSangria + kSangria + QStringLiteral("EXPONEN:") + par;
    t += QStringLiteral("PRIMERO.- Que ") + d.propietario.nombre + QStringLiteral(", es propietario del apartamento ")
       + d.piso + QStringLiteral(", situado en ")
       + (d.localidad.isEmpty() ? QString() : d.localidad + QStringLiteral(", ")) + d.direccion + u'.' + par;
    t += QString::fromUtf8(kSegundo) + par;
    t += kSangria + kSangria + QStringLiteral("CLAUSULAS:") + par + u'\n';
    t += QStringLiteral("PRIMERA.- ") + d.propietario.nombre
       + QStringLiteral(", (a quien desde ahora se denominara ARRENDADOR), arrienda el apartamento descrito"
                        " en el expositivo primero.") + par;
    t += QStringLiteral("SEGUNDA.- ") + TextoEquipamiento(d, false, false) + par;
    t += QStringLiteral("TERCERO.- El plazo de duración del presente contrato es de ") + DuracionEnLetras(d.meses)
       + QStringLiteral(", a contar desde el día de hoy.") + par;
    // The bank phrase goes with the way of paying by bank charge.
    t += QStringLiteral("CUARTA.- Se pacta una renta de ") + ImporteConCifra(d.importes.renta)
       + QStringLiteral(", mensuales, que se pagaran adelantadas, dentro de los siete primeros días de cada mes,"
                        " mediante recibo que el arrendador pasara a cargo del arrendatario,")
       + (d.formaPago == 0 ? QStringLiteral(" mediante domiciliación bancaria,") : QString())
       + QStringLiteral(" mas los impuestos que sean de aplicación.") + par;
    t += QString::fromUtf8(kFaltaPago) + QStringLiteral(" Se pacta la posibilidad de prorrogas anuales.") + par;
    t += QString::fromUtf8(kQuinta1) + par + QString::fromUtf8(kQuinta2) + par;
    for (const char* c : {kSexta, kSeptima, kOctava, kNovena})
        t += QString::fromUtf8(c) + par;
    t += QStringLiteral("DECIMA.- El arrendatario entrega en este acto al arrendador en concepto de fianza,"
                        " la cantidad de ") + ImporteConCifra(d.fianza)
       + QStringLiteral(", sin que esta fianza le autorice a aplicarla para el pago de la renta."
                        " La fianza será devuelta al arrendatario a la finalización o rescisión de este contrato,"
                        " siempre que no haya recibos pendientes de pago o daños en el local que cubrir con dicha"
                        " fianza, previa justificación de los mismos.");
    t += TextoPagosRecibidos(d, false) + u'\n';
    t += TablaPago(d, AjustarIzquierda(QStringLiteral("DETALLE DEL PAGO REALIZADO"), 40)
                          + AjustarDerecha(QStringLiteral("     Importe"), 20)) + u'\n';
    t += QStringLiteral("UNDECIMA.- Para todo lo concerniente a este contrato, se fija como domicilio"
                        " de las partes a efectos de notificaciones requerimientos, etc., el del"
                        " apartamento arrendado con respecto al arrendatario y el de ")
       + firmante.nombre + Domicilio(firmante) + QStringLiteral(", con respecto al arrendador.") + par;
    t += QStringLiteral("DUODECIMA.- Para dilucidar cuantas cuestiones puedan derivarse del presente contrato,"
                        " las partes se someten a los Juzgados y Tribunales de ")
       + (d.localidad.isEmpty() ? QStringLiteral(" la localidad donde este situado el inmueble arrendado")
                                : d.localidad)
       + QStringLiteral(", con renuncia expresa a cualquier otro que pudiera corresponderles.") + par;
    t += QString::fromUtf8(kDecimotercera) + par;
    t += QStringLiteral("DECIMOCUARTA.- Las reparaciones necesarias para el adecuado uso y disfrute del piso"
                        " arrendado serán de cargo del inquilino.") + par;
    t += QStringLiteral("DECIMOQUINTA.- No se permiten animales domésticos en el piso arrendado salvo por expresa"
                        " autorización por escrito del arrendador") + par;
    t += QString::fromUtf8(kDecimosexta) + par;
    if (d.ocupantes > 0)
        t += QStringLiteral("DECIMOSEPTIMA.- ") + TextoOcupacion(d) + par;
    if (!d.avalNumero.isEmpty())
        t += (d.ocupantes > 0 ? QStringLiteral("DECIMOOCTAVA.- ") : QStringLiteral("DECIMOSEPTIMA.- "))
           + TextoAval(d);
    t += QStringLiteral("     Y en prueba de la más absoluta conformidad, firman el presente contrato por"
                        " duplicado, y a un solo efecto.\n"
                        "          EL ARRENDADOR                 EL ARRENDATARIO\n");
    return FinesCrLf(t);
}
