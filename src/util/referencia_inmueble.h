#pragma once
#include <QString>

// The short reference code of a property (at most 12 characters): six characters from the
// street and up to six from the floor, with filler and street-type words removed and common
// words abbreviated. Searches are case-sensitive, so lower-case words are kept as typed.
class CReferenciaInmueble {
public:
    CReferenciaInmueble(const QString& direccion, const QString& piso);
    QString Codigo() const { return m_codigo; }

    // Steps of the abbreviation table, each replacing the first occurrence only.
    static QString AbreviarDireccion(const QString& texto);
    // Keeps spaces and digits, and the first k characters of every run of other characters.
    static QString AcortarPalabras(const QString& texto, int k);

private:
    QString m_codigo;
};
