#pragma once
// "Formato Variables" and the field buttons of the template editor.
#include <QWidget>

class QCheckBox;

class CPanelCamposWidget : public QWidget {
    Q_OBJECT
public:
    explicit CPanelCamposWidget(QWidget* parent = nullptr);
    bool NegritaCampos() const;
    bool SubrayadoCampos() const;
    QCheckBox* CasillaNegrita() const { return m_negrita; }
    QCheckBox* CasillaSubrayado() const { return m_subrayado; }

signals:
    // A field button was pressed: field k of the template fields.
    void CampoPedido(int k);

private:
    QCheckBox* m_negrita;
    QCheckBox* m_subrayado;
};
