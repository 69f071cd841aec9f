#pragma once
#include <QChar>
#include <QString>
#include <QStringList>

// The four-function pocket calculator behind CCalculadoraDlg. The display is text, read
// back as a number (with the usual range check) at each key that needs its value; a key
// returns the messages the user must see, if any, and always takes effect.
class Calculadora {
public:
    static constexpr double kMinimo = -9999999;
    static constexpr double kMaximo = 9999999;
    static const QString kDivisionPorCero;
    static const QString kDesbordamiento;

    QString Pantalla() const { return m_pantalla; }
    void PonerPantalla(const QString& texto) { m_pantalla = texto; }
    QChar Operador() const { return m_operador; }

    QStringList Digito(int d);
    QStringList Punto();
    QStringList Operacion(QChar o);   // '+', '-', '*' or '/'
    QStringList Igual();
    void Borrar();

    // The display's text form of a value: up to 15 significant digits, "." as decimal point.
    static QString Formatear(double valor);

private:
    QStringList LeerPantalla();
    void Mostrar(double valor);

    bool m_decimal = false;
    bool m_hayOperando = false;   // a digit or point typed since the last operator or "="
    double m_primero = 0;
    QChar m_operador;   // null: none pending
    double m_valor = 0;
    QString m_pantalla = QStringLiteral("0");
};
