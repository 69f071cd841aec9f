#include "util/referencia_inmueble.h"

#include "util/formato.h"

namespace {

constexpr int kAnchoParte = 6;

bool EsDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QString ParteCalle(const QString& direccion)
{
    QString s = QuitarDoblesEspacios(CReferenciaInmueble::AbreviarDireccion(direccion));
    if (s.size() <= kAnchoParte)
        return AjustarIzquierda(s, kAnchoParte);
    // A second pass catches second occurrences of the same words.
    s = QuitarEspacios(CReferenciaInmueble::AbreviarDireccion(s));
    const QString digitos = SoloDigitosYEspacios(s);
    const QString letras = SinDigitosNiEspacios(s) + Espacios(10);
    switch (digitos.size()) {
    case 0: return letras.left(6);
    case 1: return letras.left(5) + digitos;
    case 2: return letras.left(4) + digitos;
    case 3: return letras.left(3) + digitos;
    default: return letras.left(3) + digitos.right(3);
    }
}

QString PartePiso(const QString& piso)
{
    if (piso.size() <= kAnchoParte)
        return AjustarIzquierda(piso, kAnchoParte);
    QString f = QuitarDoblesEspacios(CReferenciaInmueble::AbreviarDireccion(piso));
    for (int k = kAnchoParte; f.size() > kAnchoParte && k > 1; --k)
        f = CReferenciaInmueble::AcortarPalabras(f, k);
    if (f.size() > kAnchoParte)
        f = f.left(1) + f.right(5);
    return f;
}

}  // namespace

CReferenciaInmueble::CReferenciaInmueble(const QString& direccion, const QString& piso)
    : m_codigo(ParteCalle(direccion) + PartePiso(piso))
{
}

QString CReferenciaInmueble::AbreviarDireccion(const QString& texto)
{
    static const struct { const char* buscar; const char* reemplazo; } kPasos[] = {
        {".", " "}, {"_", " "}, {"-", " "}, {" DE ", " "}, {" DEL ", " "}, {" LO ", " "},
        {" ENTRE ", " "}, {" Y ", " "}, {" LA ", " "}, {" EL ", " "}, {" EN ", " "},
        {" LOS ", " "}, {" CON ", " "}, {" CV ", " "}, {" LAS ", " "}, {"C/", ""},
        {"CALLE", ""}, {"PLAZA", "PLZ"}, {"CARRETERA", ""}, {"FINCA", "FNC "},
        {" NUMERO", ""}, {" Nº", ""}, {"ESCALERA", "ESC"}, {"SEMISOTANO", "SEMSTN"},
        {"SOTANO", "STNO"}, {"PORTAL", " "}, {"PLAZA", "PLZ"}, {"PUERTA", " "},
        {"BLOQUE", " "}, {"PISO", " "}, {"SANTA", "STA"},
    };
    QString t = ReemplazarCaracter(texto, u',', u'.');
    for (const auto& p : kPasos)
        t = ReemplazarPrimero(t, QString::fromUtf8(p.buscar), QString::fromUtf8(p.reemplazo));
    return t;
}

QString CReferenciaInmueble::AcortarPalabras(const QString& texto, int k)
{
    QString r;
    int enRacha = 0;
    for (QChar c : texto) {
        if (c == u' ' || EsDigito(c)) {
            r += c;
            enRacha = 0;
        } else if (enRacha++ < k) {
            r += c;
        }
    }
    return r;
}
