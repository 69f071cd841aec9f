#include "properties/ordenar_inmuebles_dlg.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/orden_inmuebles.h"
#include "settings/ajustes.h"
#include "util/errores.h"

COrdenarInmueblesDlg::COrdenarInmueblesDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Ordenar Inmuebles"));
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(new QLabel(kTextoOrdenar, this));
    for (const OrdenInmuebles& o : OrdenesInmuebles()) {
        auto* b = new QPushButton(QString::fromUtf8(o.rotulo), this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, n = o.numero] {
            m_eleccion = n;
            accept();
        });
        todo->addWidget(b);
        m_botones << b;
    }
}

QPushButton* COrdenarInmueblesDlg::Boton(int numero) const
{
    return m_botones.value(numero - 1);
}

bool ElegirOrdenInmuebles(QWidget* parent, Database& db)
{
    COrdenarInmueblesDlg dlg(parent);
    if (dlg.exec() != QDialog::Accepted || dlg.Eleccion() == 0)
        return false;
    try {
        AplicarOrdenInmuebles(db, dlg.Eleccion());
    } catch (const std::exception& e) {
        QMessageBox::warning(parent, dlg.windowTitle(), TextoError(e));
        return false;
    }
    EscribirEntero(ajustes::kOpciones, ajustes::kOrden, dlg.Eleccion());
    return true;
}
