#pragma once
// The direct-debit fields of the owner and property cards: IBAN and BIC, the owner's
// creditor identifier, and the tenant's "Mandato". Fields are named after their columns, so
// that the card sees which of them the user changed.
struct FichaInmueble;
struct FichaPropietario;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QWidget;

struct CamposSepa {
    QLineEdit* iban = nullptr;
    QLineEdit* bic = nullptr;
    QLineEdit* idAcreedor = nullptr;     // owner only
    QLineEdit* mandatoRef = nullptr;     // property only, and the three below
    QLineEdit* mandatoFecha = nullptr;   // DD/MM/AAAA
    QComboBox* mandatoTipo = nullptr;    // "Recurrente", "Un solo cobro"
    QCheckBox* mandatoUltimo = nullptr;  // "Último cobro"
};

// "SEPA": IBAN, BIC and "Id. acreedor" (left empty, it is calculated from the NIF).
QGroupBox* GrupoSepaPropietario(QWidget* parent, CamposSepa& c);
void MostrarSepa(const CamposSepa& c, const FichaPropietario& d);
void LeerSepa(const CamposSepa& c, FichaPropietario& d);

// "SEPA" with IBAN and BIC, and "Mandato": reference (the button "Proponer" makes one from
// the reference code in `codref` and the signature date), signature date, recurrent or
// one-off, "Último cobro".
QGroupBox* GrupoSepaInmueble(QWidget* parent, CamposSepa& c, QLineEdit* codref);
void MostrarSepa(const CamposSepa& c, const FichaInmueble& d);
// Refuses (UserError) a signature date that is not DD/MM/AAAA.
void LeerSepa(const CamposSepa& c, FichaInmueble& d);
