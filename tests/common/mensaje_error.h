#pragma once
#include <QString>
#include <functional>

#include "util/errores.h"

// The message of the UserError that `f` throws; empty when it throws none.
inline QString MensajeDeError(const std::function<void()>& f)
{
    try {
        f();
    } catch (const UserError& e) {
        return e.Mensaje();
    }
    return QString();
}
