#pragma once
#include <QMainWindow>

class CLar_0011Doc;

// The program's main frame. It borrows the one document for its whole life.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CLar_0011Doc& doc, QWidget* parent = nullptr);
    CLar_0011Doc& Documento() { return m_doc; }

protected:
    // Closing the window closes the workspace and records it as the last one.
    void closeEvent(QCloseEvent* e) override;

private:
    CLar_0011Doc& m_doc;
};
