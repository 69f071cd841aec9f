#pragma once
#include <QPointer>
#include <QWidget>

#include "app/documento.h"

// The document's message boxes and file dialogs, over the main window.
class DialogosDocumentoVentana : public DialogosDocumento {
public:
    explicit DialogosDocumentoVentana(QWidget* padre = nullptr) : m_padre(padre) {}
    void PonerPadre(QWidget* padre) { m_padre = padre; }

    void Avisar(const QString& texto) override;
    bool Preguntar(const QString& texto, bool siPorDefecto) override;
    QString ElegirGuardar() override;
    QString ElegirAbrir() override;
    QString ElegirCopia() override;

    static const QString kFiltro;   // "Rentiva (*.rtv)" and all files

private:
    QString Elegir(bool guardar, bool extension);
    QPointer<QWidget> m_padre;
};
