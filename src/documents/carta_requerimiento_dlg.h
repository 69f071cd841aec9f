#pragma once
#include <QDialog>
#include <array>

#include "documents/carta_requerimiento.h"
#include "documents/cartas_dlg.h"
#include "documents/documentos_dlg.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

// "Carta Requerimiento": the unpaid months and other amounts claimed from the tenant of
// property `ref`, and the letter that claims them.
class CCartaRequerimientoDlg : public CCartaDlg {
    Q_OBJECT
public:
    CCartaRequerimientoDlg(QWidget* parent, Database& db, qint64 refInmueble, EntornoDocumentos entorno);

    QCheckBox* Mes(int i) const { return m_meses[size_t(i)]; }
    QLineEdit* ImporteMes(int i) const { return m_importesMes[size_t(i)]; }
    QLineEdit* Concepto(int i) const { return m_conceptos[size_t(i)]; }
    QLineEdit* ImporteConcepto(int i) const { return m_importesConcepto[size_t(i)]; }
    QLineEdit* Total() const { return m_total; }

    // The claim as the form holds it; false (told when `avisar`) when an amount cannot be read.
    bool LeerFormulario(Requerimiento& r, bool avisar);
    void Ver();
    void Imprimir();

private:
    void MesPulsado(int i, bool marcado);
    void MostrarTotal();
    bool Texto(QString& texto);

    Requerimiento m_requerimiento;

    std::array<QCheckBox*, 6> m_meses{};
    std::array<QLineEdit*, 6> m_importesMes{};
    std::array<QLineEdit*, 4> m_conceptos{};
    std::array<QLineEdit*, 4> m_importesConcepto{};
    QLineEdit* m_total;
};
