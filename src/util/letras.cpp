#include "util/letras.h"

namespace {

const char* const kUnidades[] = {"", "", " Dos", " Tres", " Cuatro", " Cinco", " Seis",
                                 " Siete", " Ocho", " Nueve"};
const char* const kUno[] = {" Un", " Una", " Uno"};
// 10 to 29; 21 is taken by gender from kVeintiuno.
const char* const kDiezAVeintinueve[] = {
    " Diez", " Once", " Doce", " Trece", " Catorce", " Quince", " Dieciséis", " Diecisiete",
    " Dieciocho", " Diecinueve", " Veinte", "", " Veintidós", " Veintitrés", " Veinticuatro",
    " Veinticinco", " Veintiséis", " Veintisiete", " Veintiocho", " Veintinueve"};
const char* const kVeintiuno[] = {" Veintiun", " Veintiuna", " Veintiuno"};
const char* const kDecenas[] = {"", "", "", " Treinta", " Cuarenta", " Cincuenta", " Sesenta",
                                " Setenta", " Ochenta", " Noventa"};
const char* const kCientos[] = {"", "", " Doscientos", " Trescientos", " Cuatrocientos",
                                " Quinientos", " Seiscientos", " Setecientos", " Ochocientos",
                                " Novecientos"};
const char* const kCientas[] = {"", "", " Doscientas", " Trescientas", " Cuatrocientas",
                                " Quinientas", " Seiscientas", " Setecientas", " Ochocientas",
                                " Novecientas"};

const char* const kMeses[] = {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio",
                              "agosto", "septiembre", "octubre", "noviembre", "diciembre"};
const char* const kMesesMayusculas[] = {"ENERO", "FEBRERO", "MARZO", "ABRIL", "MAYO", "JUNIO",
                                        "JULIO", "AGOSTO", "SEPTIEMBRE", "OCTUBRE",
                                        "NOVIEMBRE", "DICIEMBRE"};
const char* const kDias[] = {
    "uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve", "diez", "once",
    "doce", "trece", "catorce", "quince", "dieciseis", "diecisiete", "dieciocho", "diecinueve",
    "veinte", "veintiuno", "veintidos", "veintitres", "veinticuatro", "veinticinco",
    "veintiseis", "veintisiete", "veintiocho", "veintinueve", "treinta", "treinta y uno"};

int Genero(int genero)
{
    return genero >= 0 && genero <= 2 ? genero : kGeneroMasculino;
}

// Only A-Z are lowered; the accented letters of the tables are already lower case.
QString Minusculas(QString t)
{
    for (QChar& c : t)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return t;
}

QString Palabras(quint64 v, int genero)
{
    if (v == 0)
        return QStringLiteral(" Cero");
    QString t;
    // A million millions is a billón: "un millón millones" is not Spanish.
    if (v >= 1'000'000'000'000) {
        const quint64 q = v / 1'000'000'000'000;
        if (q == 1)
            t = QStringLiteral(" Un Billón");
        else
            t += Palabras(q, kGeneroMasculino) + QStringLiteral(" Billones");
        v %= 1'000'000'000'000;
    }
    if (v >= 1'000'000) {
        const quint64 q = v / 1'000'000;
        // The word needs its accent and two l: contracts must read "millón".
        if (q == 1)
            t += QStringLiteral(" Un Millón");
        else
            t += Palabras(q, kGeneroMasculino) + QStringLiteral(" Millones");
        v %= 1'000'000;
    }
    if (v >= 1000) {
        const quint64 q = v / 1000;
        if (q == 1)
            t += QStringLiteral(" Mil");
        else
            t += Palabras(q, genero) + QStringLiteral(" Mil");
        v %= 1000;
    }
    if (v >= 100) {
        const quint64 h = v / 100;
        if (h == 1)
            t += v == 100 ? QStringLiteral(" Cien") : QStringLiteral(" Ciento");
        else
            t += QString::fromUtf8(genero == kGeneroFemenino ? kCientas[h] : kCientos[h]);
        v %= 100;
    }
    if (v >= 30) {
        t += QString::fromUtf8(kDecenas[v / 10]);
        v %= 10;
        if (v != 0)
            t += QStringLiteral(" y");
    }
    if (v >= 10) {
        t += QString::fromUtf8(v == 21 ? kVeintiuno[genero] : kDiezAVeintinueve[v - 10]);
        v = 0;
    }
    if (v >= 1)
        t += QString::fromUtf8(v == 1 ? kUno[genero] : kUnidades[v]);
    return t;
}

}  // namespace

QString NumeroANumero(qint64 valor, int genero)
{
    const quint64 v = valor < 0 ? quint64(0) - quint64(valor) : quint64(valor);
    return Minusculas(Palabras(v, Genero(genero)));
}

QString ImporteEnLetras(Moneda importe)
{
    const qint64 c = importe.Diezmilesimas();
    const quint64 a = c < 0 ? quint64(0) - quint64(c) : quint64(c);
    const quint64 resto = a % quint64(Moneda::kPorUnidad);
    quint64 centimos = resto / 100 + (resto % 100 >= 50 ? 1 : 0);
    quint64 unidades = a / quint64(Moneda::kPorUnidad);
    if (centimos == 100) {
        centimos = 0;
        ++unidades;
    }
    if (unidades == 0 && centimos == 0)
        return QStringLiteral("cero Euros");
    QString t = c < 0 ? QStringLiteral("menos ") : QString();
    // Both parts fit in qint64: units are at most |c| / 10000 + 1.
    if (unidades > 0) {
        t += NumeroANumero(qint64(unidades), kGeneroMasculino) + QStringLiteral(" Euros");
        if (centimos > 0)
            t += QStringLiteral(" con") + NumeroANumero(qint64(centimos), kGeneroMasculino) +
                 QStringLiteral(" céntimos");
    } else {
        t += NumeroANumero(qint64(centimos), kGeneroMasculino) + QStringLiteral(" céntimos");
    }
    return t;
}

QString FechaEnLetras(const QDate& fecha)
{
    if (!fecha.isValid())
        return QString();
    QString t = QString::fromLatin1(kDias[fecha.day() - 1]);
    t += QStringLiteral(" de ") + NombreMes(fecha.month());
    t += fecha.year() >= 2000 ? QStringLiteral(" del ") : QStringLiteral(" de ");
    t += NumeroANumero(fecha.year(), kGeneroSolo);
    return t;
}

QString NombreMes(int mes)
{
    if (mes < 1 || mes > 12)
        return QStringLiteral("--- ERROR EN MES ---");
    return QString::fromLatin1(kMeses[mes - 1]);
}

QString NombreMesMayusculas(int mes)
{
    if (mes < 1 || mes > 12)
        return QStringLiteral("ERROR");
    return QString::fromLatin1(kMesesMayusculas[mes - 1]);
}

int NumeroMes(const QString& texto)
{
    for (int i = 0; i < 12; ++i)
        if (texto == QLatin1String(kMesesMayusculas[i]))
            return i + 1;
    return 0;
}
