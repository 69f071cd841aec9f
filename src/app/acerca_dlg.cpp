#include "app/acerca_dlg.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dibujos.h"
#include "widgets/disposicion.h"

CAcercaDeDlg::CAcercaDeDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Acerca de Rentiva"));
    auto* icono = new QLabel(this);
    icono->setPixmap(QPixmap::fromImage(DibujarIcono(Dibujo::Casas, 64)));
    const QString version = QCoreApplication::applicationVersion();
    auto* texto = new QLabel(
        QStringLiteral("<b>Rentiva</b>%1<br>Gestión de alquileres urbanos: propietarios, inmuebles,"
                       "<br>recibos, remesas bancarias y contratos.")
            .arg(version.isEmpty() ? QString() : QStringLiteral(" versión ") + version),
        this);
    auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar->setDefault(true);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);
    auto* fila = new QHBoxLayout;
    fila->addWidget(icono);
    fila->addWidget(texto, 1);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(fila);
    lay->addWidget(aceptar, 0, Qt::AlignRight);
    OrdenLectura(this);
}
