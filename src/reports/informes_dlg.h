#pragma once
#include <QDate>
#include <QDialog>
#include <QStringList>

class Database;
class QPlainTextEdit;
class QPrinter;

// "Informes": a fixed-width listing on the screen, maximised, in a monospaced font sized so
// that 116 columns fill the width; "Imprimir" prints it with the line report printer.
class DlgInformes : public QDialog {
    Q_OBJECT
public:
    // The listing of the billing run of `fecha`, built from the staged rows. A closed
    // workspace or an empty staging is told when the viewer runs, which then closes.
    DlgInformes(Database& db, const QDate& fecha, QWidget* parent = nullptr);
    // A listing built by its caller: line 0 is the column header.
    DlgInformes(const QStringList& lineas, const QString& titulo, QWidget* parent = nullptr);

    int exec() override;

    const QStringList& Lineas() const { return m_lineas; }
    QString Titulo() const { return m_titulo; }
    QPlainTextEdit* Texto() const { return m_texto; }
    // The printer "Imprimir" sets up; none asks for a new one each time.
    void PonerImpresora(QPrinter* impresora) { m_impresora = impresora; }
    void Imprimir();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void Construir();
    void AjustarLetra();

    QStringList m_lineas;
    QString m_titulo;
    QString m_error;
    QPlainTextEdit* m_texto = nullptr;
    QPrinter* m_impresora = nullptr;
};
