#pragma once
// The main window's list of properties: a filter box over a table of the open workspace.
#include <QWidget>

class CModeloInmuebles;
class Database;
class QLabel;
class QLineEdit;
class QTableView;

class CTablaInmueblesWidget : public QWidget {
    Q_OBJECT
public:
    explicit CTablaInmueblesWidget(QWidget* parent = nullptr);
    ~CTablaInmueblesWidget() override;

    // Shows the properties of `db` (kept, not owned) from the first row; nullptr empties it.
    void Mostrar(Database* db);
    // Reads the rows again keeping the filter: after a form or a run wrote.
    void Recargar();
    QLineEdit* Filtro() const { return m_filtro; }
    QTableView* Tabla() const { return m_tabla; }
    CModeloInmuebles* Modelo() const { return m_modelo; }

signals:
    // A double click or Enter on a row: open the property form on this ref.
    void InmuebleElegido(qint64 ref);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Filtrar();
    void Elegir(int fila);
    void Contar();

    QLineEdit* m_filtro;
    QTableView* m_tabla;
    QLabel* m_cuenta;
    CModeloInmuebles* m_modelo = nullptr;
};
