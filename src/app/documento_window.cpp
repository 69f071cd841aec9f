#include "app/documento_window.h"

#include <QFileDialog>
#include <QMessageBox>

const QString DialogosDocumentoVentana::kFiltro =
    QStringLiteral("Rentiva (*.rtv);;Todos los archivos (*)");

namespace {

// The texts carry the old "\r\n" and "\n\r" line breaks; a label shows one break.
QString ParaMostrar(QString texto)
{
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    texto.remove(u'\r');
    return texto;
}

}  // namespace

void DialogosDocumentoVentana::Avisar(const QString& texto)
{
    QMessageBox::warning(m_padre, QStringLiteral("Rentiva"), ParaMostrar(texto), QMessageBox::Ok);
}

bool DialogosDocumentoVentana::Preguntar(const QString& texto, bool siPorDefecto)
{
    return QMessageBox::question(m_padre, QStringLiteral("Rentiva"), ParaMostrar(texto),
                                 QMessageBox::Yes | QMessageBox::No,
                                 siPorDefecto ? QMessageBox::Yes : QMessageBox::No)
        == QMessageBox::Yes;
}

QString DialogosDocumentoVentana::Elegir(bool guardar, bool extension)
{
    QFileDialog dlg(m_padre, QStringLiteral("Rentiva"), QString(), kFiltro);
    dlg.setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
    dlg.setOption(QFileDialog::ReadOnly, false);
    if (extension)
        dlg.setDefaultSuffix(QStringLiteral("rtv"));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().constFirst();
}

QString DialogosDocumentoVentana::ElegirGuardar()
{
    return Elegir(true, true);
}

QString DialogosDocumentoVentana::ElegirAbrir()
{
    return Elegir(false, false);
}

QString DialogosDocumentoVentana::ElegirCopia()
{
    return Elegir(false, true);
}
