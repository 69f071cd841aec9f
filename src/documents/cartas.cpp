#include "documents/cartas.h"

#include "documents/texto_plano.h"
#include "util/formato.h"
#include "util/letras.h"

namespace {

bool Vacio(const QString& s)
{
    return QuitarEspacios(s).isEmpty();
}

// The value and the line's closing "." ("S.L." is not given a second one).
QString ConPunto(const QString& s)
{
    const QString t = s.trimmed();
    return t.endsWith(u'.') ? t : t + u'.';
}

}  // namespace

QString DireccionInmueble(const DatosPlantilla& d)
{
    return UnirConEspacio(d.via, d.direccion);
}

QString BloquePropietario(const DatosPlantilla& d)
{
    const PropietarioDocumento& p = d.propietario;
    QString r;
    const auto linea = [&r](const QString& valor, const QString& delante = QString()) {
        if (!Vacio(valor))
            r += delante + ConPunto(valor) + u'\n';
    };
    linea(p.nombre);
    linea(UnirConEspacio(p.documentoTipo, p.documentoNumero));
    linea(UnirConEspacio(p.via, p.direccion));
    linea(UnirConEspacio(p.piso, p.localidad));
    linea(p.telefono, QStringLiteral("Teléfono: "));
    return r;
}

QString LineaFecha(const DatosPlantilla& d, bool coma)
{
    const QString fecha = FechaEnLetras(d.hoy) + u'.';
    if (Vacio(d.localidad))
        return QStringLiteral("A ") + fecha;
    return QStringLiteral("En ") + d.localidad.trimmed() + (coma ? QStringLiteral(", a ") : QStringLiteral(" a ")) + fecha;
}

QString BloqueInquilino(const DatosPlantilla& d, const QString& sangria)
{
    return sangria + ConPunto(QStringLiteral("D. ") + d.inquilino) + u'\n' + sangria
         + ConPunto(UnirConEspacio(DireccionInmueble(d), d.piso)) + u'\n';
}

QString SituacionPiso(const DatosPlantilla& d, bool coma)
{
    QString r = QStringLiteral("del piso");
    if (!Vacio(d.piso))
        r += u' ' + d.piso.trimmed();
    if (coma)
        r += u',';
    r += QStringLiteral(" sito en ") + DireccionInmueble(d);
    if (!Vacio(d.localidad))
        r += QStringLiteral(" de ") + d.localidad.trimmed();
    return r;
}

QString TextoAvisoRescision(const DatosPlantilla& d)
{
    QString t = BloquePropietario(d) + u'\n' + BloqueInquilino(d, kSangria + kSangria) + u'\n';
    t += kSangria + QStringLiteral("Muy Sr. mío:\n\n");
    t += kSangria + QStringLiteral("Me dirijo a usted, en relación con el contrato  de arrendamiento ")
       + SituacionPiso(d, false) + QStringLiteral(", de fecha ") + FechaEnLetras(d.fecha) + QStringLiteral(".\n\n");
    t += kSangria + QStringLiteral("Próximo  a vencer el término pactado, y con más de un mes de antelación ")
       + QStringLiteral("para ello, le dirijo la presente, para hacerle saber mi deseo de dar por ")
       + QStringLiteral("terminado el contrato, y requiriéndole, en su consecuencia, al amparo de ")
       + QStringLiteral("lo dispuesto en el articulo 10 de la LAU del 94, para que me haga entrega ")
       + QStringLiteral("de la vivienda en dicha fecha.\n\n");
    t += kSangria + kSangria + d.propietario.nombre.trimmed() + u'\n';
    return FinesCrLf(t);
}

QString TextoRescisionContrato(const DatosPlantilla& d)
{
    QString t = kSangria + LineaFecha(d, true) + QStringLiteral("\n\n");
    t += kSangria + QStringLiteral("Reunidos de una parte ") + d.propietario.nombre.trimmed()
       + ConPunto(QStringLiteral(", y de otra parte, ") + d.inquilino) + QStringLiteral("\n\n");
    t += kSangria + QStringLiteral("En relación con el contrato  de arrendamiento ") + SituacionPiso(d, true)
       + QStringLiteral(", de fecha ") + FechaEnLetras(d.fecha) + QStringLiteral(".\n\n");
    for (const char* parrafo :
         {"Exponen su intención de dar por concluido este contrato, de conformidad por ambas partes,"
          " reconociendose ambas partes capacidad legal para tal fin",
          "El arrendatario deja el piso arrendado a libre disposición del arrendador",
          "El arrendador da al arrendatario la fianza, descontando aquellas cantidades a cargo del arrendatario",
          "Y para que así conste firman la presente por duplicado y a un solo efecto"})
        t += kSangria + QString::fromUtf8(parrafo) + QStringLiteral(".\n\n");
    t += kSangria + kSangria + d.propietario.nombre.trimmed() + u'\n';
    return FinesCrLf(t);
}
