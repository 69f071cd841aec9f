#pragma once
// The owner's direct debits as a SEPA Core XML message, ISO 20022 pain.008.001.02, beside
// the Cuaderno 19 file: the format Spanish banks take today.
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

#include "bank/fichero_cuaderno19.h"
#include "bank/listado_remesa.h"

// The owner as creditor.
struct AcreedorSepa {
    QString nombre, documento_numero, id_acreedor, iban, bic;
};

// The sequence types of a mandate's debits, in the order the file groups them.
inline const QStringList kSecuenciasSepa{QStringLiteral("FRST"), QStringLiteral("RCUR"),
                                         QStringLiteral("FNAL"), QStringLiteral("OOFF")};

// One receipt to be debited under a mandate.
struct DebitoSepa {
    ReciboBanco recibo;   // ref, codref, tenant name, billing date, amounts, number
    QString direccion, piso;
    QString iban, bic, mandato_ref;
    QDate mandato_fecha;   // signature
    QString secuencia;     // FRST, RCUR, FNAL or OOFF
    QString cerradoPor;    // FNAL or OOFF: an earlier debit under the mandate closed it
    QString ibanAnterior;  // the IBAN last sent under the mandate, when it was another
};

// Every reason not to write the file, one line each (the receipt, its tenant and why; the
// owner; the charge date); empty when it can be written. The charge date must be after `hoy`.
QStringList ComprobarRemesaSepa(const AcreedorSepa& acreedor, const std::vector<DebitoSepa>& debitos,
                                const QDate& cargo, const QDate& hoy);

class CFicheroSepa {
public:
    // Checks everything first (ComprobarRemesaSepa against the creation day) and refuses
    // with a UserError listing every problem: no file is ever made of part of a remittance.
    CFicheroSepa(const AcreedorSepa& acreedor, std::vector<DebitoSepa> debitos,
                 const QDateTime& creacion, const QDate& cargo);

    // The message, UTF-8.
    QByteArray Contenido() const;
    // Written whole or not at all; UserError "Error al escribir el archivo debido a: ...".
    void Generar(const QString& ruta) const;

    QString MsgId() const { return m_msgId; }
    int NumeroRecibos() const { return int(m_debitos.size()); }
    // The sum of the debits, each its total in whole cents as the Cuaderno 19 file has it.
    Moneda Total() const { return Moneda::DeCentimos(m_centimos); }
    const std::vector<DebitoSepa>& Debitos() const { return m_debitos; }
    DatosListadoRemesa DatosListado() const;

    // "650.00" from whole cents.
    static QString Importe(qint64 centimos);
    // A message identifier no other file shares, made of the time and a random part.
    static QString NuevoMsgId(const QDateTime& creacion);
    // The unstructured remittance text: number, month and address, at most 140 characters.
    static QString TextoRemesa(const DebitoSepa& d);
    // A file name in the user's documents folder made of the owner and the month.
    static QString NombreFicheroPropuesto(const QString& propietario, const QDate& mes);

private:
    AcreedorSepa m_acreedor;
    std::vector<DebitoSepa> m_debitos;
    QDateTime m_creacion;
    QDate m_cargo;
    QString m_msgId;
    qint64 m_centimos = 0;
};
