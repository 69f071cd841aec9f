#pragma once
#include <QDate>
#include <QDialog>
#include <memory>

#include "billing/cobros.h"

class Database;
class QListWidget;
class QPushButton;

// "Cobros": receipts with their state and collection date, fifty to a page, newest first;
// "Editar" (or a double-click) sets a receipt's state through "Ficha Cobros".
class CCobrosDlg : public QDialog {
    Q_OBJECT
public:
    // Opens on the unpaid receipts of a year back from `hoy` to twelve months ahead.
    CCobrosDlg(Database& db, const QDate& hoy, QWidget* parent = nullptr);
    ~CCobrosDlg() override;

    // Runs `filtro` from its first page.
    void Ejecutar(const FiltroRecibos& filtro);
    void Anterior();
    void Siguiente();
    void Editar();
    void Buscar();

    QListWidget* Lista() const { return m_lista; }
    QPushButton* BotonAnterior() const { return m_anterior; }
    QPushButton* BotonSiguiente() const { return m_siguiente; }
    QPushButton* BotonEditar() const { return m_editar; }
    const ConsultaCobros* Consulta() const { return m_consulta.get(); }

private:
    void Rellenar();

    Database& m_db;
    QDate m_hoy;
    std::unique_ptr<ConsultaCobros> m_consulta;
    std::vector<FilaCobro> m_filas;
    QListWidget* m_lista;
    QPushButton *m_anterior, *m_siguiente, *m_editar;
};
