#pragma once
#include <QColor>
#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Diseño recibo": background style, background colour and the receipt's left stub
// (nothing, three lines or a logo). The style, lines and stub kind are stored on
// "Aceptar"; the colour and the logo file are stored the moment they are chosen.
class CDisenoReciboDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDisenoReciboDlg(QWidget* parent = nullptr);

    void accept() override;

    // The choosers and the opener the buttons use; tests replace them.
    // Opens on the stored colour; an invalid colour means cancelled.
    std::function<QColor(QWidget*, const QColor&)> elegir_color;
    std::function<QString(QWidget*)> elegir_logotipo;    // empty: cancelled
    std::function<void(const QString&)> abrir_archivo;   // editor or viewer, not waited for

    QComboBox* Fondo() const { return m_fondo; }
    QLineEdit* Texto(int i) const { return m_textos[i]; }
    QRadioButton* Opcion(int tipo) const { return m_opciones[tipo]; }
    QPushButton* BotonColor() const { return m_color; }
    QPushButton* BotonSeleccionar() const { return m_seleccionar; }
    QPushButton* BotonEditar() const { return m_editar; }
    QPushButton* BotonVer() const { return m_ver; }

    // The picture formats the logo may have, as a file-dialog filter.
    static QString FiltroImagenes();

private:
    void SeleccionarColor();
    void SeleccionarLogotipo();
    void AbrirLogotipo(const QString& boton);
    void OpcionLogotipo(bool marcada);

    QComboBox* m_fondo;
    QLineEdit* m_textos[3];
    QRadioButton* m_opciones[3];
    QPushButton *m_color, *m_seleccionar, *m_editar, *m_ver;
};
