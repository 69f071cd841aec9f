#pragma once
#include <QString>
#include <stdexcept>

// A failure the user must read: a Spanish sentence saying what happened and what to do.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& mensaje)
        : std::runtime_error(mensaje.toStdString()), m_mensaje(mensaje) {}
    QString Mensaje() const { return m_mensaje; }
private:
    QString m_mensaje;
};

// The refusal of a receipt or remittance whose owner row is missing: the design's wording,
// kept to the letter because scripts that drive rentiva-cli match it.
inline UserError PropietarioNoEncontrado(const QString& nombre)
{
    return UserError(QStringLiteral("propietario erroneo no encontrado = ") + nombre);
}

// The text of any exception, for a message box or the CLI.
inline QString TextoError(const std::exception& e) { return QString::fromUtf8(e.what()); }
