#pragma once
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "bank/listado_remesa.h"
#include "settings/valores.h"   // the types only: the caller reads the store
#include "util/moneda.h"

class QIODevice;
class QPainter;
class QPagedPaintDevice;

// One receipt to be debited: a row of `recibo`/`emision_recibo` or the single bank receipt form.
struct ReciboBanco {
    qint64 ref = 0;
    QString codref, nom_arrendatario;
    QDate fecha_facturacion;
    Moneda renta, iva, irpf, otro_importe1, otro_importe2, otro_importe3;
    QString otro_concepto1, otro_concepto2, otro_concepto3;
    QString banco, sucursal, dc, ccc;
    qint64 numero_recibo = 0;

    // The plain sum of the six amounts (the withholding is stored negative).
    Moneda Total() const { return renta + otro_importe1 + otro_importe2 + otro_importe3 + iva + irpf; }
};

// A receipt the bank could not be asked to debit, and why.
struct ReciboExcluido {
    qint64 ref = 0;
    QString codref, nom_arrendatario;
    QString motivo;
    // "Recibo 12 (R-1, PEREZ): no tiene cuenta bancaria"
    QString Texto() const;
};


// Why the owner cannot present a direct-debit file: no name, no NIF, or one that is not a
// valid NIF, NIE or CIF. Empty when it can. Both bank files ask the same.
QString ProblemaPresentador(const QString& nombre, const QString& documento);
// Why a receipt of `centimos` whole cents (its total `total`) is no debit: zero or negative.
QString ProblemaTotalCentimos(qint64 centimos, Moneda total);

// The owner's direct-debit file in the 162-character record layout of the banks' norm 19,
// one presenter and one ordering party (both the owner), one debit per receipt.
class CFicheroCuaderno19 {
public:
    static constexpr int kAnchoRegistro = 162;
    static constexpr int kAnchoConcepto = 800;
    static constexpr int kLineasPorPagina = kLineasListadoPorPagina;
    static constexpr int kLineasSinTotales = kLineasListadoSinTotales;

    // Refuses (UserError) what the bank would reject for the whole file: an owner without
    // name or identifier, an identifier that is not a valid NIF, NIE or CIF (written without
    // separators), an owner account that is empty, marked "**", not digits or whose check
    // digits fail, a missing date. The suffix and the tax names of the concept text come in
    // `ajustes`; a suffix outside 0..999 becomes 1.
    CFicheroCuaderno19(const QString& nombre, const QString& documento, const QString& banco,
                       const QString& sucursal, const QString& dc, const QString& ccc,
                       const QDate& creacion, const QDate& cargo, const AjustesBanco& ajustes);
    virtual ~CFicheroCuaderno19() = default;

    // Room for `recibos` more receipts, so that a long remittance is not copied as it grows.
    void Reservar(int recibos);

    // Adds the receipt's seven records and its listing line. A receipt the bank cannot
    // debit (no valid account, total zero or negative, an amount too wide for its field,
    // a file total beyond ten digits of cents) is left out: returns false and keeps the
    // reason in Excluidos().
    bool AnadirRecibo(const ReciboBanco& r);

    // Writes the file atomically: all of it or, on any failure, nothing (an existing file
    // is kept as it was). Refuses a file without receipts and an empty path. Throws
    // UserError with "Error al escribir el archivo debido a: " and the cause.
    void Generar(const QString& ruta) const;
    // The bytes Generar writes: every record, CR LF between records, none after the last.
    QByteArray Contenido() const;

    // Draws one complete copy of the listing on `p`, which paints on `dispositivo`;
    // returns the number of pages.
    int DibujarListado(QPainter& p, QPagedPaintDevice& dispositivo) const;
    // Prints `copias` copies, each its own document numbered from page 1. A copy whose
    // document does not start is skipped. Throws UserError when the printer is unusable.
    // One copy of the listing to a PDF file (A4), written whole or not at all.
    void ListadoAPdf(const QString& ruta) const;
    // The same onto a file not yet published (written together with the bank file).
    void ListadoAPdf(QIODevice& salida) const;
    // Which listing lines go on which page.
    static std::vector<PaginaListado> PaginarListado(int lineas) { return PaginarListadoRemesa(lineas); }
    // What the listing prints of this file.
    DatosListadoRemesa DatosListado() const;

    // The 800-character concept text of a receipt.
    QString TextoConcepto(const ReciboBanco& r) const;
    // The listing line of a receipt, ending in CR LF.
    static QString LineaListado(const ReciboBanco& r);
    // A file name in the user's documents folder made of the owner and the month.
    static QString NombreFicheroPropuesto(const QString& propietario, const QDate& mes);
    // The suffix written for a given one: outside 0..999 it is 1.
    static int SufijoEfectivo(int sufijo);
    // Whole cents, the fraction of a cent dropped.
    static qint64 Centimos(Moneda m) { return m.Diezmilesimas() / Moneda::kPorCentimo; }

    int Sufijo() const { return m_sufijo; }
    Moneda Total() const { return m_total; }
    int NumeroRecibos() const { return m_recibos; }
    int RegistrosOrdenante() const { return 1 + 7 * m_recibos + 1; }
    int RegistrosFichero() const { return 7 * m_recibos + 4; }
    // One line per receipt added, built when asked for.
    QStringList LineasListado() const;
    const std::vector<ReciboExcluido>& Excluidos() const { return m_excluidos; }
    QString NombrePresentador() const { return m_nombre; }
    QString DocumentoPresentador() const { return m_documento; }
    QDate FechaCreacion() const { return m_creacion; }
    QDate FechaCargo() const { return m_cargo; }

private:
    void Registro(const QByteArray& r);
    // Writes the 800 bytes of the concept text at `t`.
    void Concepto(const ReciboBanco& r, char* t) const;
    QString Cabecera(const char* codigo) const;
    QString MotivoExclusion(const ReciboBanco& r, qint64 centimos) const;
    QByteArray Totales() const;

    QString m_nombre, m_documento, m_banco, m_sucursal, m_dc, m_ccc;
    QDate m_creacion, m_cargo;
    int m_sufijo = 1;
    QByteArray m_impuesto1, m_impuesto2;   // the tax names in code page 1252
    QByteArray m_cabecera;                 // identifier N(9) and suffix N(3) of every record
    mutable qint64 m_diaRenta = -1;        // the rent label of the last billing date seen
    mutable QByteArray m_etiquetaRenta;
    QByteArray m_texto;                 // every record so far, each followed by CR LF
    Moneda m_total;
    int m_recibos = 0;
    std::vector<ReciboBanco> m_listado;   // what the listing shows of each receipt added
    std::vector<ReciboExcluido> m_excluidos;
};
