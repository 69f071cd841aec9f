#pragma once
// The period and filter fields shared by "Informe" and "Exportación Facturación": "Desde" and
// "Hasta" month and year (with "-" and "+"), and the owner, town, street and floor lists,
// each starting with "TODOS". Leaving the town refills the streets (only those of the town,
// and of the owner when chosen, then "TODOS"); leaving the owner, town or street refills the
// floors of the chosen street.
#include <QWidget>
#include <functional>

class Database;
class QComboBox;
class QLineEdit;
struct FiltroInforme;

class CFiltroFacturacionWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAnioMinimo = 1975;
    static constexpr int kAnioMaximo = 2100;

    // `mayusculas`: what is typed in the lists turns upper case.
    CFiltroFacturacionWidget(Database& db, bool mayusculas, QWidget* parent);
    // Fills the owner, town and street lists; a database error is thrown (DbError) and
    // the lists keep what they hold.
    void Llenar();

    // The form as a filter; false, with the message shown over the dialog and the focus on
    // the year, when a year is not a whole number from 1975 to 2100.
    bool Leer(FiltroInforme* f);

    // A database error while refilling a list: the dialog shows it and closes.
    std::function<void(const QString&)> alFallarBase;

    QComboBox *mesDesde, *mesHasta, *propietario, *localidad, *direccion, *piso;
    QLineEdit *anioDesde, *anioHasta;

public slots:
    void RellenarDirecciones();
    void RellenarPisos();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Rellenar(const std::function<void()>& paso);
    Database& m_db;
};
