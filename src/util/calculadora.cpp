#include "util/calculadora.h"

#include <cmath>

#include "util/validacion.h"

const QString Calculadora::kDivisionPorCero = QStringLiteral("No se puede dividir entre cero.");
const QString Calculadora::kDesbordamiento = QStringLiteral("El resultado es demasiado grande.");

QString Calculadora::Formatear(double valor)
{
    if (valor == 0)
        return QStringLiteral("0");   // never "-0"
    return QString::number(valor, 'g', 15);
}

QStringList Calculadora::LeerPantalla()
{
    double v = m_valor;
    const QString error = ValidarNumero(m_pantalla, kMinimo, kMaximo, &v);
    m_valor = v;   // a text that is no number leaves the previous value
    return error.isEmpty() ? QStringList() : QStringList{error};
}

void Calculadora::Mostrar(double valor)
{
    m_valor = valor;
    m_pantalla = Formatear(valor);
}

QStringList Calculadora::Digito(int d)
{
    m_hayOperando = true;
    if (m_decimal) {
        m_pantalla += QString::number(d);
        return {};
    }
    QStringList mensajes = LeerPantalla();
    Mostrar(m_valor * 10 + d);
    return mensajes;
}

QStringList Calculadora::Punto()
{
    m_hayOperando = true;
    m_decimal = true;
    // A second point would only make the display unreadable.
    if (!m_pantalla.contains(QLatin1Char('.')))
        m_pantalla += QLatin1Char('.');
    return {};
}

QStringList Calculadora::Operacion(QChar o)
{
    // 2 + 3 + works out 2 + 3 first, as a desk calculator does; an operator pressed again
    // without a number in between only replaces the pending one.
    QStringList mensajes;
    if (m_operador.isNull()) {
        mensajes = LeerPantalla();
        m_primero = m_valor;
    } else if (m_hayOperando) {
        mensajes = Igual();
    }
    m_operador = o;
    m_hayOperando = false;
    m_decimal = false;
    Mostrar(0);
    return mensajes;
}

QStringList Calculadora::Igual()
{
    QStringList mensajes = LeerPantalla();
    if (m_operador.isNull())
        return mensajes;
    double r = 0;
    switch (m_operador.unicode()) {
    case '+': r = m_primero + m_valor; break;
    case '-': r = m_primero - m_valor; break;
    case '*': r = m_primero * m_valor; break;
    case '/':
        // A division by zero would show an infinite or invalid number: say so and start over.
        if (m_valor == 0) {
            mensajes << kDivisionPorCero;
            r = NAN;
        } else {
            r = m_primero / m_valor;
        }
        break;
    }
    if (!std::isfinite(r)) {
        if (!mensajes.contains(kDivisionPorCero))
            mensajes << kDesbordamiento;
        r = 0;
    }
    Mostrar(r);
    m_decimal = false;
    m_primero = r;
    m_operador = QChar();
    m_hayOperando = false;
    return mensajes;
}

void Calculadora::Borrar()
{
    m_primero = 0;
    m_decimal = false;
    Mostrar(0);
}
