#pragma once
#include <QDialog>
#include <array>

#include "documents/carta_aumento.h"
#include "documents/cartas_dlg.h"
#include "documents/documentos_dlg.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

// The statistics institute's page for updating a rent by the consumer price index.
inline const QString kPaginaActualizacionRentas = QStringLiteral("https://www.ine.es/calcula/");

// "Carta Aumento": the rent of property `ref` revised by the index, the letter that tells the
// tenant, and "Confirmar Actualizar Inmueble", which stores the revised amounts.
class CCartaAumentoDlg : public CCartaDlg {
    Q_OBJECT
public:
    CCartaAumentoDlg(QWidget* parent, Database& db, qint64 refInmueble, EntornoDocumentos entorno);

    const Aumento& Datos() const { return m_aumento; }
    QLineEdit* Indice() const { return m_indice; }
    // The revised amount of row 0..5 (rent, three concepts, first tax, second tax).
    QLineEdit* Nuevo(int fila) const { return m_nuevos[size_t(fila)]; }
    QLineEdit* TotalNuevo() const { return m_totalNuevo; }
    QCheckBox* Impuesto(int tipo) const { return tipo == 1 ? m_iva : m_irpf; }

    void VerCarta();
    void ImprimirCarta();
    // Stores the revision and closes; a refusal is told and the form stays open.
    void Confirmar();

private:
    void IndiceCambiado(const QString& texto);
    void ImpuestoPulsado(int tipo, bool marcado);
    void NuevosEditados();
    // The typed revised amounts into the revision; false (told when `avisar`) when one
    // cannot be read.
    bool LeerNuevos(bool avisar);
    void MostrarNuevos();

    Database& m_db;
    qint64 m_ref;
    Aumento m_aumento;
    QString m_errorIndice;   // why the index gives no revised column

    QLineEdit* m_indice;
    std::array<QLineEdit*, 6> m_nuevos{};
    QLineEdit* m_totalNuevo;
    QCheckBox* m_iva;
    QCheckBox* m_irpf;
};

// The revision of property `ref` as the program opens it (settings and today read now), for
// the property form's "I.P.C." and the property search. True when the revision was stored.
bool AbrirCartaAumento(QWidget* parent, Database& db, qint64 refInmueble);
