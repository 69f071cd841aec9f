#include "app/bienvenida_dlg.h"
#include "widgets/disposicion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

CBienvenidaDlg::CBienvenidaDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Rentiva"));
    auto* saludo = new QLabel(QStringLiteral(
        "Bienvenido a Rentiva, el programa para la gestión de sus alquileres.\n\n"
        "Le deseamos que le sea de gran utilidad."), this);
    saludo->setWordWrap(true);
    auto* continuar = new QPushButton(QStringLiteral("Continuar"), this);
    // There is no video tutorial to open: its button stays out, like its menu entry.
    continuar->setDefault(true);
    connect(continuar, &QPushButton::clicked, this, &QDialog::accept);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(continuar);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(saludo);
    lay->addLayout(botones);
    OrdenLectura(this);
}

void MostrarParaComenzar(QWidget* parent)
{
    QMessageBox::information(parent, QStringLiteral("Rentiva"),
                             QStringLiteral("Para comenzar:"
                                            "\r\n1.- Crearemos un archivo nuevo."
                                            "\r\n2.- Introduciremos un propietario."
                                            "\r\n3.- Introduciremos los inmuebles."));
}
