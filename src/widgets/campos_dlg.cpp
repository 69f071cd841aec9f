#include "widgets/campos_dlg.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QMessageBox>
#include <memory>

#include "util/formato.h"
#include "util/moneda.h"
#include "util/validacion.h"

namespace {

bool Rechazar(QWidget* dialogo, QLineEdit* caja, const QString& error)
{
    if (error.isEmpty())
        return true;
    QMessageBox::warning(dialogo, dialogo->windowTitle(), error);
    caja->setFocus();
    caja->selectAll();
    return false;
}

}  // namespace

bool ComprobarEntero(QWidget* dialogo, QLineEdit* caja, int minimo, int maximo, int* valor)
{
    return Rechazar(dialogo, caja, ValidarEntero(caja->text(), minimo, maximo, valor));
}

bool ComprobarLongitud(QWidget* dialogo, QLineEdit* caja, int maximo)
{
    return Rechazar(dialogo, caja, ValidarLongitud(caja->text(), maximo));
}

void LimitarLongitud(QLineEdit* caja, int maximo)
{
    // setMaxLength would cut a longer stored value on load; refuse only growing edits.
    auto anterior = std::make_shared<QString>(caja->text());
    QObject::connect(caja, &QLineEdit::textChanged, caja, [caja, anterior] { *anterior = caja->text(); });
    QObject::connect(caja, &QLineEdit::textEdited, caja, [caja, maximo, anterior](const QString& t) {
        if (t.size() > maximo && t.size() > anterior->size()) {
            const int cursor = caja->cursorPosition() - (t.size() - anterior->size());
            const QString previo = *anterior;
            caja->setText(previo);
            caja->setCursorPosition(qMax(0, cursor));
        }
    });
}

QDialogButtonBox* BotonesDialogo(QDialog* dialogo, const QString& aceptar, const QString& cancelar)
{
    auto* botones = new QDialogButtonBox(dialogo);
    QPushButton* ok = botones->addButton(aceptar, QDialogButtonBox::AcceptRole);
    botones->addButton(cancelar, QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    QObject::connect(botones, &QDialogButtonBox::accepted, dialogo, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::rejected, dialogo, &QDialog::reject);
    return botones;
}

QHBoxLayout* FilaBotones(std::initializer_list<QPushButton*> botones)
{
    auto* fila = new QHBoxLayout;
    fila->addStretch();
    for (QPushButton* b : botones)
        fila->addWidget(b);
    return fila;
}

QPushButton* BotonConTexto(const QList<QPushButton*>& botones, const QString& texto)
{
    for (QPushButton* b : botones)
        if (b->text() == texto)
            return b;
    return nullptr;
}

QString RutaGuardar(QWidget* padre, const QString& titulo, const QString& nombre, const QString& filtro,
                    const QString& sufijo)
{
    QFileDialog guardar(padre, titulo, nombre, filtro);
    guardar.setAcceptMode(QFileDialog::AcceptSave);
    guardar.setDefaultSuffix(sufijo);
    if (guardar.exec() != QDialog::Accepted || guardar.selectedFiles().isEmpty())
        return QString();
    return guardar.selectedFiles().constFirst();
}

QString LeerImportes(QLineEdit* const (&cajas)[6], Moneda* const (&destinos)[6])
{
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const QString texto = cajas[i]->text().trimmed();
        *destinos[i] = texto.isEmpty() ? Moneda() : RedondearCentimos(TextoAMoneda(texto, &ok));
        if (!texto.isEmpty() && !ok)
            return texto;
    }
    return QString();
}
