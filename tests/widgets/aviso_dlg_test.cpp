#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "settings/ajustes.h"
#include "widgets/aviso_dlg.h"
#include "temp_workspace.h"

TEST(Avisos, TableAndUndefined)
{
    EXPECT_EQ(DatosAviso(Aviso::ImpresionReciboColor).clave, "MENSAJE_AVISO_IMPRESION_RECIBO_COLOR");
    EXPECT_EQ(DatosAviso(Aviso::LongitudCuentaCorriente).texto,
              "La cuenta bancaria no tiene la longitud correcta");
    EXPECT_EQ(DatosAviso(99).texto, "Aviso no definido");
    EXPECT_EQ(DatosAviso(-1).texto, "Aviso no definido");
}

TEST(Avisos, OkStoresBoxEscStoresNothingSilencedShowsNothing)
{
    TempWorkspace tw;
    const QString clave = DatosAviso(Aviso::RecibosGenerar).clave;
    {
        // OK with the box unticked writes 0.
        CAvisoDlg dlg(nullptr, Aviso::RecibosGenerar);
        QTimer::singleShot(0, [&] { dlg.findChild<QPushButton*>()->click(); });
        dlg.Mostrar();
        EXPECT_EQ(LeerEntero("Avisos", clave, 5), 0);
    }
    {
        // Esc writes nothing.
        EscribirEntero("Avisos", clave, 2);
        CAvisoDlg dlg(nullptr, Aviso::RecibosGenerar);
        QTimer::singleShot(0, [&] { dlg.Casilla()->setChecked(true); dlg.reject(); });
        EXPECT_EQ(dlg.Mostrar(), QDialog::Rejected);
        EXPECT_EQ(LeerEntero("Avisos", clave, 5), 2);
    }
    {
        CAvisoDlg dlg(nullptr, Aviso::RecibosGenerar);
        QTimer::singleShot(0, [&] { dlg.Casilla()->setChecked(true); dlg.findChild<QPushButton*>()->click(); });
        dlg.Mostrar();
        EXPECT_EQ(LeerEntero("Avisos", clave, 5), 1);
    }
    {
        // Silenced: returns at once, no window.
        CAvisoDlg dlg(nullptr, Aviso::RecibosGenerar);
        bool shown = false;
        QTimer::singleShot(0, &dlg, [&] { shown = dlg.isVisible(); dlg.reject(); });
        dlg.Mostrar();
        EXPECT_FALSE(shown);
    }
}
