#include "util/formato.h"

#include <algorithm>

#include <exception>

#include "util/texto.h"

namespace {

bool EsDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Grouping done on the magnitude so that the most negative 64-bit value prints too.
QString ConPuntos(quint64 v)
{
    QString digitos = QString::number(v);
    for (qsizetype i = digitos.size() - 3; i > 0; i -= 3)
        digitos.insert(i, u'.');
    return digitos;
}

quint64 Magnitud(qint64 n)
{
    return n < 0 ? quint64(0) - quint64(n) : quint64(n);
}

QString DosCifras(int n)
{
    return RellenarCeros(QString::number(n), 2);
}

}  // namespace

QString EnteroATexto(qint64 n)
{
    return QString::number(n);
}

QString EnteroConPuntos(qint64 n)
{
    const QString s = ConPuntos(Magnitud(n));
    return n < 0 ? QLatin1Char('-') + s : s;
}

QString EnteroConPuntosCeros(qint64 n, int ancho)
{
    return RellenarCeros(EnteroConPuntos(n), ancho);
}

namespace {

// MonedaATexto written from the right, ending just before `fin`: listings and exports
// format millions of amounts. Returns where the text starts (at most 24 characters back).
template <typename Caracter>
Caracter* EscribirMoneda(Moneda m, Caracter* fin)
{
    const qint64 n = m.Diezmilesimas();
    const quint64 a = Magnitud(n);
    quint64 unidades = a / quint64(Moneda::kPorUnidad);
    const quint64 resto = a % quint64(Moneda::kPorUnidad);
    quint64 centimos = resto / 100;
    if (resto % 100 >= 50 && ++centimos == 100) {
        centimos = 0;
        ++unidades;
    }
    Caracter* p = fin;
    *--p = Caracter('0' + centimos % 10);
    *--p = Caracter('0' + centimos / 10);
    *--p = Caracter(',');
    int cifras = 0;
    do {
        if (cifras > 0 && cifras % 3 == 0)
            *--p = Caracter('.');
        *--p = Caracter('0' + unidades % 10);
        unidades /= 10;
        ++cifras;
    } while (unidades > 0);
    if (n < 0)
        *--p = Caracter('-');
    return p;
}

}  // namespace

QString MonedaATexto(Moneda m)
{
    char16_t buf[32];
    const char16_t* p = EscribirMoneda(m, buf + 32);
    return QString(reinterpret_cast<const QChar*>(p), buf + 32 - p);
}

void AnadirMonedaDerecha(QString& linea, Moneda m, int fin)
{
    char16_t buf[32];
    const char16_t* p = EscribirMoneda(m, buf + 32);
    AnadirDerecha(linea, QStringView(p, buf + 32 - p), fin);
}

int MonedaAAscii(Moneda m, char* destino)
{
    char buf[32];
    const char* p = EscribirMoneda(m, buf + 32);
    const int n = int(buf + 32 - p);
    std::copy(p, p + n, destino);
    return n;
}

QString MonedaConSimbolo(Moneda m, const QString& simbolo)
{
    if (simbolo.isEmpty())
        return MonedaATexto(m);
    return MonedaATexto(m) + u' ' + simbolo.left(1);
}

Moneda TextoAMoneda(const QString& texto, bool* ok)
{
    if (ok)
        *ok = false;
    QString enteros;
    QString fraccion;
    bool negativo = false;
    bool enFraccion = false;
    int comas = 0;
    bool hayDigito = false;
    bool letraTrasDigito = false;
    bool letraEntreDigitos = false;
    // Digits since the last thousands "."; -1 before any. "12.5" is not read as 125.
    int grupo = -1;
    bool grupoMal = false;
    const auto cerrarGrupo = [&] {
        if (grupo >= 0 && grupo != 3)
            grupoMal = true;
        grupo = -1;
    };
    for (QChar c : texto) {
        if (EsDigito(c)) {
            (enFraccion ? fraccion : enteros) += c;
            if (letraTrasDigito)
                letraEntreDigitos = true;
            if (!enFraccion && grupo >= 0)
                ++grupo;
            hayDigito = true;
        } else if (c == u'.') {
            if (enFraccion || enteros.isEmpty())
                grupoMal = true;
            cerrarGrupo();
            grupo = 0;
        } else if (c == u',') {
            cerrarGrupo();
            enFraccion = true;
            ++comas;
        } else if (c == u'-' || c == u'(') {
            negativo = true;
        } else if (c.isLetterOrNumber() && hayDigito) {
            letraTrasDigito = true;
        }
    }
    cerrarGrupo();
    if (!hayDigito || comas > 1 || letraEntreDigitos || grupoMal)
        return Moneda();

    bool enRango = true;
    const qint64 unidades = TextoAEntero(enteros, &enRango);
    fraccion += QStringLiteral("000000");
    qint64 parte = TextoAEntero(fraccion.left(4));
    if (fraccion[4] > u'4')
        ++parte;
    qint64 valor = 0;
    if (!enRango || __builtin_mul_overflow(unidades, Moneda::kPorUnidad, &valor) ||
        __builtin_add_overflow(valor, parte, &valor))
        return Moneda();
    Moneda resultado;
    try {
        resultado = RedondearCentimos(Moneda::DeDiezmilesimas(negativo ? -valor : valor));
    } catch (const std::exception&) {
        return Moneda();
    }
    if (ok)
        *ok = true;
    return resultado;
}

QString FechaCorta(const QDate& d)
{
    if (!d.isValid())
        return QString();
    return DosCifras(d.day()) + u'/' + DosCifras(d.month()) + u'/' + EnteroATexto(d.year());
}

QString FechaMesAnio(const QDate& d)
{
    if (!d.isValid())
        return QString();
    return DosCifras(d.month()) + u'/' + EnteroATexto(d.year());
}

QString FechaCortaAnio2(const QDate& d)
{
    if (!d.isValid())
        return QString();
    return DosCifras(d.day()) + u'/' + DosCifras(d.month()) + u'/' +
           RellenarCeros(QString::number(d.year() % 100), 2);
}

QDate UltimoDiaMes(const QDate& d)
{
    if (!d.isValid())
        return QDate();
    return QDate(d.year(), d.month(), d.daysInMonth());
}

QString Espacios(int n)
{
    return n > 0 ? QString(n, u' ') : QString();
}

QString AjustarIzquierda(const QString& texto, int ancho)
{
    if (texto.size() < ancho)
        return texto + Espacios(ancho - int(texto.size()));
    return texto.left(qMax(ancho, 0));
}

QString AjustarDerecha(const QString& texto, int ancho)
{
    if (texto.size() < ancho)
        return Espacios(ancho - int(texto.size())) + texto;
    return texto.right(qMax(ancho, 0));
}

void AnadirDerecha(QString& linea, QStringView texto, int fin)
{
    qsizetype ocupado = linea.size();
    while (ocupado > 0 && linea[ocupado - 1] == u' ')
        --ocupado;
    // One blank always follows what the line holds: fields must not run into each other.
    const qsizetype minimo = ocupado > 0 ? ocupado + 1 : 0;
    const qsizetype inicio = qMax(qsizetype(fin) - texto.size(), minimo);
    // Only blanks lie past `ocupado`: cut or pad in place.
    linea.resize(inicio, u' ');
    linea += texto;
}

QString JuntarDerecha(const QString& linea, const QString& texto, int ancho)
{
    QString r = linea;
    AnadirDerecha(r, texto, int(linea.size()) + ancho);
    return r;
}

QString Centrar(const QString& texto, int ancho)
{
    if (texto.size() < ancho) {
        const int libre = ancho - int(texto.size());
        return Espacios(libre / 2) + texto + Espacios(libre / 2 + libre % 2);
    }
    return texto.left(qMax(ancho, 0));
}

QString ReemplazarPrimero(const QString& texto, const QString& buscar, const QString& reemplazo)
{
    if (buscar.isEmpty())
        return texto;
    const qsizetype i = texto.indexOf(buscar, 0, Qt::CaseSensitive);
    if (i < 0)
        return texto;
    return texto.left(i) + reemplazo + texto.mid(i + buscar.size());
}

QString ReemplazarCaracter(const QString& texto, QChar a, QChar b)
{
    return ReemplazarPrimero(texto, QString(a), QString(b));
}

QString QuitarEspacios(const QString& texto)
{
    QString r = texto;
    r.remove(u' ');
    return r;
}

QString QuitarDoblesEspacios(const QString& texto)
{
    QString r;
    r.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto[i] == u' ' && (i + 1 == texto.size() || texto[i + 1] == u' '))
            continue;
        r += texto[i];
    }
    return r;
}

QString SoloDigitosYEspacios(const QString& texto)
{
    QString r;
    for (QChar c : texto)
        if (EsDigito(c) || c == u' ')
            r += c;
    return r;
}

QString SinDigitosNiEspacios(const QString& texto)
{
    QString r;
    for (QChar c : texto)
        if (!EsDigito(c) && c != u' ')
            r += c;
    return r;
}
