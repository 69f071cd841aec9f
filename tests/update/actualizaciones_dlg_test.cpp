#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "modal_helper.h"
#include "servidor_prueba.h"
#include "settings/ajustes.h"
#include "temp_workspace.h"
#include "update/actualizaciones_dlg.h"
#include "update/pedir_texto_dlg.h"

namespace {

int Automatica()
{
    return LeerEntero(ajustes::kActualizaciones, ajustes::kActualizacionAutomatica, 0);
}

QString Servidor()
{
    return LeerTexto(ajustes::kActualizaciones, ajustes::kServidor);
}

// The dialog over a test server; utilidad's start is only recorded.
struct Dialogo {
    TempWorkspace tw;
    ServidorPrueba servidor;
    CActualizador actualizador;
    CerrarMensajes mensajes;
    int lanzados = 0;
    std::unique_ptr<CDlgActualizaciones> dlg;

    explicit Dialogo(bool conServidor = true)
    {
        QFile utilidad(tw.file(kProgramaUtilidad));
        utilidad.open(QIODevice::WriteOnly);
        utilidad.setPermissions(utilidad.permissions() | QFileDevice::ExeOwner);
        OpcionesActualizacion o;
        o.carpeta = tw.dir();
        o.servidor = conServidor ? servidor.Direccion() : QString();
        o.lanzar = [this](const QString&, const QStringList&) { return ++lanzados > 0; };
        dlg = std::make_unique<CDlgActualizaciones>(actualizador, o);
        dlg->show();
    }
};

}  // namespace

TEST(CDlgActualizaciones, NoServerKeepsTheDialogOpenAndSalirKeepsTheChoice)
{
    Dialogo d(false);
    d.dlg->Ahora()->click();
    EXPECT_TRUE(d.mensajes.Ultimo().contains("No hay ningún servidor")) << d.mensajes.Ultimo().toStdString();
    EXPECT_TRUE(d.dlg->isVisible());
    EXPECT_FALSE(d.actualizador.Comprobado());

    d.dlg->Automatica()->setChecked(true);
    d.dlg->Servidor()->setText(QStringLiteral("https://actualizaciones.example.com"));
    d.dlg->reject();   // "Salir"
    EXPECT_EQ(Automatica(), 1);
    EXPECT_EQ(Servidor(), "https://actualizaciones.example.com");
}

// The choice is written only when a release was handed over; the dialog then ends with OK.
TEST(CDlgActualizaciones, ResultRule)
{
    for (const bool nueva : {false, true}) {
        SCOPED_TRACE(nueva);
        Dialogo d;
        const QByteArray release = "programa";
        d.servidor.Responder("/actualizacion/RENTIVA", ServidorPrueba::Respuesta(nueva ? "4030" : "4029"));
        d.servidor.Responder("/actualizacion/RENTIVA4030", ServidorPrueba::Respuesta(release));
        d.servidor.Responder("/actualizacion/RENTIVA4030.sha256",
                             ServidorPrueba::Respuesta(ServidorPrueba::Suma(release, "RENTIVA4030")));
        d.dlg->Automatica()->setChecked(true);
        d.dlg->Ahora()->click();
        EXPECT_FALSE(d.dlg->isVisible());
        EXPECT_EQ(d.dlg->result(), nueva ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(Automatica(), nueva ? 1 : 0);
        EXPECT_EQ(d.lanzados, nueva ? 1 : 0);
        EXPECT_TRUE(d.mensajes.Ultimo().contains(nueva ? "Rentiva se cerrará" : "al día"))
            << d.mensajes.Ultimo().toStdString();
        EXPECT_EQ(Servidor(), d.servidor.Direccion());
    }
}

TEST(CPedirTextoDlg, TurnsLettersToUpperCase)
{
    CPedirTextoDlg dlg;
    QTest::keyClicks(dlg.Entrada(), QStringLiteral("prueba-1.b"));
    EXPECT_EQ(dlg.Texto(), "PRUEBA-1.B");
}
