#pragma once
// "Informe": the billing report of a range of months, printed as "Listado Detallado" or shown
// as one of three text views.
#include <QDialog>
#include <functional>

#include "reports/vistas_informe.h"

class CFiltroFacturacionWidget;
class Database;
class QCheckBox;
class QPrinter;
class QPushButton;
struct FiltroInforme;

// Shows a view's text in the text document window: parent, title, text, font height.
using MostrarTextoInforme = std::function<void(QWidget*, const QString&, const QString&, int)>;

class CInformeDlg : public QDialog {
    Q_OBJECT
public:
    // Without `mostrar` the three view buttons are disabled.
    CInformeDlg(Database& db, MostrarTextoInforme mostrar, QWidget* parent = nullptr);

    // The print dialog (set-up only); false when cancelled. Tests replace it.
    static std::function<bool(QPrinter&, QWidget*)> s_elegirImpresora;

    void ListadoDetallado();
    void Ver(VistaInforme vista);

    CFiltroFacturacionWidget* Filtro() const { return m_filtro; }
    QCheckBox* SoloIva() const { return m_soloIva; }
    QPushButton* Boton(const QString& texto) const;

    static constexpr int kAltoLetraVistas = 8;

private:
    bool LeerFiltro(FiltroInforme* f);

    Database& m_db;
    MostrarTextoInforme m_mostrar;
    CFiltroFacturacionWidget* m_filtro;
    QCheckBox* m_soloIva;
};

inline const QString kErrorImprimir =
    QStringLiteral("Error al imprimir, salga del programa y vuelva a intentarlo");
