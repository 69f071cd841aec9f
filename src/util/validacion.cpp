#include "util/validacion.h"

#include <QRegularExpression>

QString ValidarEntero(const QString& texto, int* valor)
{
    static const QRegularExpression kEntero(QStringLiteral("^\\s*[-+]?\\d+\\s*$"));
    bool ok = false;
    const int v = texto.trimmed().toInt(&ok);
    if (!kEntero.match(texto).hasMatch() || !ok)
        return QStringLiteral("Escriba un número entero.");
    *valor = v;
    return {};
}

QString ValidarEntero(const QString& texto, int minimo, int maximo, int* valor)
{
    QString error = ValidarEntero(texto, valor);
    if (error.isEmpty() && (*valor < minimo || *valor > maximo))
        error = QStringLiteral("Escriba un número entero entre %1 y %2.").arg(minimo).arg(maximo);
    return error;
}

QString ValidarNumero(const QString& texto, double minimo, double maximo, double* valor)
{
    bool ok = false;
    const double v = texto.trimmed().toDouble(&ok);
    if (!ok || texto.trimmed().isEmpty())
        return QStringLiteral("Escriba un número.");
    *valor = v;
    if (v < minimo || v > maximo)
        return QStringLiteral("Escriba un número entre %1 y %2.")
            .arg(QString::number(minimo, 'g', 15), QString::number(maximo, 'g', 15));
    return {};
}

QString ValidarLongitud(const QString& texto, int maximo)
{
    if (texto.size() > maximo)
        return QStringLiteral("No escriba más de %1 caracteres.").arg(maximo);
    return {};
}
