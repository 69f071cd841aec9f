#pragma once
#include <QAbstractTableModel>
#include <QDialog>
#include <functional>
#include <vector>

#include "documents/documentos_dlg.h"

class Database;
class QLineEdit;
class QTableView;
class QTextDocument;

// The properties of the mailing list, each with its tick.
class CModeloMailing : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Fila {
        qint64 ref;
        bool marcada;
        QString direccion, arrendatario, renta;
    };
    explicit CModeloMailing(std::vector<Fila> filas, QObject* parent = nullptr);
    int rowCount(const QModelIndex& = QModelIndex()) const override { return int(m_filas.size()); }
    int columnCount(const QModelIndex& = QModelIndex()) const override { return 4; }
    QVariant data(const QModelIndex& i, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation o, int rol) const override;
    void Alternar(int fila);
    void MarcarTodas(bool si);
    // The ticked refs, in list order.
    QList<qint64> Marcadas() const;
    const std::vector<Fila>& Filas() const { return m_filas; }

private:
    std::vector<Fila> m_filas;
};

// Every property in list order, ticked, as the mailing list shows it.
std::vector<CModeloMailing::Fila> LeerFilasMailing(Database& db);

// "Mailing": tick properties, choose a template, and compose the letters of the ticked ones.
class CMailingDlg : public QDialog {
    Q_OBJECT
public:
    CMailingDlg(QWidget* parent, Database& db, std::vector<CModeloMailing::Fila> filas, EntornoDocumentos entorno);

    // Replaces the dialogs that ask for a template (false) or a folder (true). Empty: cancelled.
    void PonerPedirRuta(std::function<QString(bool carpeta)> pedir) { m_pedirRuta = std::move(pedir); }
    // Replaces the editor the letters open in ("Ver").
    void PonerEditor(std::function<void(const QString& plantilla, Database& db, class RecordSet& filas)> editor)
    {
        m_editor = std::move(editor);
    }

    CModeloMailing* Modelo() const { return m_modelo; }
    QTableView* Lista() const { return m_lista; }
    QString Plantilla() const { return m_plantilla; }

    void Todos() { m_modelo->MarcarTodas(true); }
    void Ninguno() { m_modelo->MarcarTodas(false); }
    // Asks for a template; true when one is chosen.
    bool Documento();
    void Ver();
    void Imprimir();
    // "Un archivo por inmueble": one RTF per ticked property in a chosen folder.
    void ArchivoPorInmueble();
    // Stages the ticked properties; false when it failed (told).
    bool Preparar();
    // The composed letters in `doc`; false when it failed (told).
    bool Componer(QTextDocument& doc);

private:
    bool CargarPlantilla(QTextDocument& plantilla);

    Database& m_db;
    EntornoDocumentos m_entorno;
    QString m_plantilla;
    CModeloMailing* m_modelo;
    QTableView* m_lista;
    QLineEdit* m_ruta;
    std::function<QString(bool)> m_pedirRuta;
    std::function<void(const QString&, Database&, RecordSet&)> m_editor;
};

// Opens "Mailing" on the workspace: "No hay base abierta" when the properties cannot be read,
// "No existen recibos para esta selección." when there is none.
void AbrirMailing(QWidget* parent, Database& db, EntornoDocumentos entorno);
