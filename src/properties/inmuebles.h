#pragma once
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

#include "util/moneda.h"

class Database;
class Statement;

// One property row, column for column.
struct FichaInmueble {
    qint64 ref = 0;   // 0 while the property is not stored
    QString codref, via, direccion, piso, cp, localidad, arrendador, nom_arrendatario;
    QString doc_arrendatario_tipo, doc_arrendatario_num, nacionalidad_arrendatario;
    QDateTime fecha;
    Moneda renta, iva, irpf, otro_importe1, otro_importe2, otro_importe3;
    QString otro_concepto1, otro_concepto2, otro_concepto3;
    bool is_recibo_banco = false, is_recibo_fisico = false, is_recibo_numerar = false;
    QString banco, sucursal, dc, ccc, telefono_casa, telefono_movil, notas;
    qint64 metros = 0, habitaciones = 0, cocina_ind = 0;
    QString refcatastral, email, direccioninquilino;
    bool is_seleccionado = false;
    int tipo_inmueble = 0;
    QString equipamiento, nota_recibo;
    bool operator==(const FichaInmueble&) const = default;
};

// Widest text each property column accepts; forms limit input with the same numbers.
namespace ancho_inmueble {
constexpr int kVia = 20, kDireccion = 50, kPiso = 50, kLocalidad = 30, kCp = 5;
constexpr int kArrendador = 50, kRefCatastral = 23, kNombre = 50, kDireccionInquilino = 50;
constexpr int kBanco = 4, kSucursal = 4, kDc = 2, kCcc = 10, kDocTipo = 30, kDocNum = 35;
constexpr int kNacionalidad = 35, kTelefono = 20, kEmail = 40, kNotaRecibo = 80;
constexpr int kCodRef = 12, kConcepto = 50;
}

inline const QString kInmuebleSinPropietario = QStringLiteral("Debe seleccionar un propietario");
inline const QString kInmuebleSinDireccion = QStringLiteral("El inmueble debe tener una dirección");
inline const QString kDarDeAltaPropietario = QStringLiteral(
    "Antes de introducir un inmueble debe dar de alta al menos un propietario.");
inline const QString kPreguntaBorrarInmueble =
    QStringLiteral("Va a borrar este inmueble y sus recibos, \u00BFEsta seguro?");

// The twenty property types by index; a name outside the list is index 0.
const QStringList& ListaTiposInmueble();
QString NombreTipoInmueble(int indice);   // outside 0..19: "SIN ESPECIFICAR"
int IndiceTipoInmueble(const QString& nombre);
const QStringList& ListaDocumentosInquilino();

// Tax on `base` at an integer percentage, worked in ten-thousandths so that the division
// truncates toward zero, then rounded to cents. The first tax keeps the base's sign.
Moneda ImpuestoSumado(Moneda base, int porcentaje);
// The second tax is a withholding: the sign opposite to the base's.
Moneda ImpuestoRetenido(Moneda base, int porcentaje);
// Rent plus the three concepts, rounded to cents.
Moneda BaseImponible(const FichaInmueble& d);
// The plain sum of the six amounts.
Moneda TotalInmueble(const FichaInmueble& d);
// Every amount rounded to cents, as forms load and store them.
void RedondearImportes(FichaInmueble& d);
// The tax buttons: computes the tax into the row from its current amounts.
void AplicarImpuesto1(FichaInmueble& d, int porcentaje);
void AplicarImpuesto2(FichaInmueble& d, int porcentaje);

// Amount typed in an edit; an unreadable text is refused naming the field.
Moneda LeerImporte(const QString& texto, const QString& campo);
QString TextoImporte(Moneda m);

// Contract date as the form shows it (DD/MM/YYYY) and back; unreadable text is refused.
QString TextoFechaContrato(const QDateTime& fecha);
QDate LeerFechaContrato(const QString& texto);
// The stored date-time when the text still shows its date, else the typed date at midnight.
QDateTime FechaContratoDesdeTexto(const QString& texto, const QDateTime& anterior);

// True when the four account fields are partly filled or of the wrong lengths.
bool LongitudCuentaIncorrecta(const QString& banco, const QString& sucursal, const QString& dc,
                              const QString& ccc);
bool CuentaVerifica(const FichaInmueble& d);
// Whether "Recibo Banco" may be switched on by a newly verified account.
bool CuentaConocidaBuena(const FichaInmueble& d);
// "Enviar Email" works only with an at sign after the first character.
bool EmailUtilizable(const QString& email);
QString DireccionCompleta(const FichaInmueble& d);   // "%s %s" of street type and street

// Refills the lookup tables `localidad` and `direccion` from the properties, one
// transaction; workspaces without those tables keep going with the lists read directly.
void RefrescarListas(Database& db);
QStringList Localidades(Database& db);
QStringList Direcciones(Database& db);

// The properties of a workspace in browsing order, one current row. Rows are read on
// demand from a list of row ids kept in memory.
class Inmuebles {
public:
    // `orden` is the browsing order chosen by the user (1 to 6; others: order of entry).
    // `fuente`: empty for the whole table, "[name]" for another table of properties, or a
    // SELECT whose `ref` column gives the rows in its own order.
    explicit Inmuebles(Database& db, int orden = 0, const QString& fuente = QString());
    ~Inmuebles();

    int Cantidad() const { return int(m_filas.size()); }
    bool Vacio() const { return m_filas.isEmpty(); }
    int Posicion() const { return m_pos; }
    FichaInmueble Actual() const;   // throws when empty

    void Siguiente();        // past the last: the first
    void Anterior();         // before the first: the last
    void AvanzarDiez();      // up to ten on; when the end is passed, the first
    void RetrocederDiez();   // up to ten back; when the beginning is passed, the last
    void Primero();
    bool IrARef(qint64 ref);

    // A new property: street type "CALLE", today's date, the three receipt flags on.
    static FichaInmueble Nuevo();
    // Checks and stores the row (new when d.ref is 0): empty floor stored as " ", empty
    // reference filled from street and floor, amounts rounded, failed account marked,
    // "Recibo Banco" set for a newly verified account unless the account was known good.
    // Nothing is written when it throws. On success the cursor is on the stored row.
    FichaInmueble Guardar(const FichaInmueble& d, bool cuentaConocidaBuena);
    // The property, its receipts and staged receipts: all or nothing.
    void Borrar(qint64 ref);

    void Recargar();

private:
    struct Fila {
        qint64 rowid;
        qint64 ref;
    };
    FichaInmueble LeerRowid(qint64 rowid) const;
    qint64 RowidDeRef(qint64 ref) const;

    Database& m_db;
    QString m_tabla;
    QString m_select;
    QString m_orden;
    QList<Fila> m_filas;
    int m_pos = 0;
    std::unique_ptr<Statement> m_leer;
};
