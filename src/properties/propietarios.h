#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "util/nif.h"

// Refuses a typed text longer than its field, naming the field as the form labels it.
void ComprobarAncho(const QString& texto, int max, const char* campo);

class Database;
class Statement;

// One owner row, column for column.
struct FichaPropietario {
    qint64 ref = 0;   // 0 while the owner is not stored
    QString via, direccion, piso, cp, localidad, nombre, documento_tipo, documento_numero;
    QString banco, sucursal, dc, ccc, telefono_casa, telefono_movil, notas;
    qint64 numero_recibo = 0;
    qint64 sufijo = 0;
    QString datos_banco;
    bool operator==(const FichaPropietario&) const = default;
};

// Widest text each owner column accepts; forms limit input with the same numbers.
namespace ancho_propietario {
constexpr int kNombre = 50, kDocumentoTipo = 20, kDocumentoNumero = 20, kVia = 20;
constexpr int kDireccion = 50, kPiso = 50, kLocalidad = 30, kTelefono = 20, kCp = 5;
constexpr int kBanco = 4, kSucursal = 4, kDc = 2, kCcc = 10, kDatosBanco = 80;
}

inline const QString kPropietarioSinNombre = QStringLiteral("El propietario debe tener un nombre");
inline const QString kPropietarioRepetido = QStringLiteral("Ya existe un propietario con ese nombre");
inline const QString kPreguntaBorrarPropietario = QStringLiteral(
    "Va a borrar este propietario y todos sus inmuebles  y recibos, \u00BFEsta seguro?");

// Street types offered by the owner and property forms, in this order.
const QStringList& ListaVias();
const QStringList& ListaDocumentosPropietario();

// NormalizarDocumento (util/nif.h): the identity number without separators, in capitals.
// The check digits to show and store: "**" when an account is given and does not verify.
QString MarcarDc(const QString& banco, const QString& sucursal, const QString& dc,
                 const QString& ccc);
// The owner as it is stored: document normalised, a failed account marked.
FichaPropietario NormalizarPropietario(FichaPropietario d);
// True when the form should remind the user to give an account for direct debits.
bool FaltaCuentaPropietario(const FichaPropietario& d);

// The owner with `nombre`, compared without regard to case or Spanish accents.
std::optional<FichaPropietario> BuscarPropietario(Database& db, const QString& nombre);
// Every owner name, sorted as the user reads them.
QStringList NombresPropietarios(Database& db);

// The owners of a workspace in stored order, one current row, browsing that wraps.
class Propietarios {
public:
    explicit Propietarios(Database& db);
    ~Propietarios();

    int Cantidad() const { return int(m_refs.size()); }
    bool Vacio() const { return m_refs.isEmpty(); }
    int Posicion() const { return m_pos; }
    FichaPropietario Actual() const;   // throws when empty

    void Siguiente();   // past the last: the first
    void Anterior();    // before the first: the last
    void Primero();
    bool IrARef(qint64 ref);

    static FichaPropietario Nuevo();
    // Checks and stores the owner (new when d.ref is 0); a stored owner keeps its name.
    // Nothing is written when it throws. On success the cursor is on the stored row.
    FichaPropietario Guardar(const FichaPropietario& d);
    // The owner with its receipts, staged receipts and properties: all or nothing.
    void Borrar(qint64 ref);

    void Recargar();

private:
    Database& m_db;
    QList<qint64> m_refs;
    int m_pos = 0;
};
