#include "documents/texto_documento_dlg.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

#include "documents/impresor_texto.h"
#include "settings/ajustes.h"
#include "util/errores.h"
#include "widgets/campos_dlg.h"
#include "widgets/impresora_dlg.h"

CTextoDocumentoDlg::CTextoDocumentoDlg(const QString& texto, QWidget* parent)
    : QDialog(parent),
      m_alto(LeerEntero(ajustes::kContrato, ajustes::kAltoLetra, ajustes::kAltoLetraPorDefecto))
{
    setWindowTitle(QStringLiteral("Contrato"));
    setSizeGripEnabled(true);
    struct Boton {
        QStyle::StandardPixmap dibujo;
        const char* tema;
        const char* ayuda;
        void (CTextoDocumentoDlg::*accion)();
    };
    const Boton botones[] = {
        {QStyle::SP_DialogApplyButton, "dialog-ok", "Aceptar", &CTextoDocumentoDlg::accept},
        {QStyle::SP_DialogCancelButton, "dialog-cancel", "Cancelar", &CTextoDocumentoDlg::reject},
        {QStyle::SP_FileDialogContentsView, "document-print", "Imprimir", &CTextoDocumentoDlg::Imprimir},
        {QStyle::SP_DialogSaveButton, "document-save-as", "Guardar como fichero de texto",
         &CTextoDocumentoDlg::GuardarComo},
    };
    auto* fila = new QHBoxLayout;
    for (const Boton& b : botones) {
        auto* boton = new QToolButton(this);
        boton->setIcon(QIcon::fromTheme(QString::fromLatin1(b.tema), style()->standardIcon(b.dibujo)));
        boton->setIconSize(QSize(28, 28));
        boton->setToolTip(QString::fromUtf8(b.ayuda));
        boton->setAccessibleName(QString::fromUtf8(b.ayuda));
        connect(boton, &QToolButton::clicked, this, b.accion);
        fila->addWidget(boton);
    }
    fila->addStretch();

    m_editor = new QPlainTextEdit(this);
    m_editor->setPlainText(texto);
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    m_editor->setFont(f);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fila);
    layout->addWidget(m_editor);
    resize(640, 560);
    // The text comes first: the window is for reading and editing it.
    setTabOrder(m_editor, m_editor->nextInFocusChain());
    m_editor->setFocus();
}

void ImprimirTexto(QWidget* padre, const CImpresorTexto& impresor, QPrinter* impresora)
{
    const QString titulo = padre ? padre->windowTitle() : impresor.NombreDocumento();
    if (impresor.Texto().isEmpty()) {
        QMessageBox::information(padre, titulo, QStringLiteral("El documento está vacío: no hay nada que imprimir."));
        return;
    }
    std::unique_ptr<QPrinter> propia;
    QPrinter* destino = ElegirImpresora(padre, impresora, propia);
    if (!destino)
        return;
    destino->setDocName(impresor.NombreDocumento());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        impresor.Imprimir(*destino);
        QApplication::restoreOverrideCursor();
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(padre, titulo, TextoError(e));
    }
}

void CTextoDocumentoDlg::Imprimir()
{
    CImpresorTexto impresor(m_editor->toPlainText(), windowTitle(), true);
    impresor.PonerAltoLetra(m_alto);
    ImprimirTexto(this, impresor, m_impresora);
}

void CTextoDocumentoDlg::GuardarComo()
{
    const QString ruta = RutaGuardar(this, QStringLiteral("Guardar"), QString(),
                                     QStringLiteral("Fichero de texto (*.txt)"), QStringLiteral("txt"));
    if (!ruta.isEmpty())
        Guardar(ruta);
}

bool CTextoDocumentoDlg::Guardar(const QString& ruta)
{
    try {
        GuardarTexto(ruta, m_editor->toPlainText());
        return true;
    } catch (const std::exception& e) {
        QMessageBox caja(QMessageBox::Warning, windowTitle(), TextoError(e), QMessageBox::Ok, this);
        caja.setInformativeText(QStringLiteral("%1: compruebe que la carpeta existe y se puede escribir en ella, "
                                               "y que queda espacio en el disco.")
                                    .arg(QFileInfo(ruta).absoluteFilePath()));
        caja.exec();
        return false;
    }
}
