#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUrlQuery>
#include <gtest/gtest.h>

#include "settings/ajustes.h"
#include "app/documento.h"
#include "app/main_window.h"
#include "util/errores.h"
#include "modal_helper.h"
#include "temp_workspace.h"

namespace {

// Every visible item of the menu bar, submenus included, as "Menu/Item".
QStringList ItemsVisibles(QMenuBar* barra)
{
    QStringList r;
    std::function<void(QMenu*, const QString&)> recorrer = [&](QMenu* m, const QString& prefijo) {
        for (QAction* a : m->actions()) {
            if (!a->isVisible() || a->isSeparator())
                continue;
            r << prefijo + a->text();
            if (a->menu())
                recorrer(a->menu(), prefijo + a->text() + "/");
        }
    };
    for (QAction* a : barra->actions()) {
        if (!a->isVisible())
            continue;
        r << a->text();
        if (a->menu())
            recorrer(a->menu(), a->text() + "/");
    }
    return r;
}

QStringList BotonesVisibles(CMainFrame& f)
{
    QStringList r;
    for (int i = 0; i < CRentivaForm::kNumBotones; ++i)
        if (f.Formulario()->Boton(i)->isVisibleTo(&f))
            r << f.Formulario()->Boton(i)->toolTip();
    return r;
}

struct Marco {
    TempWorkspace tw;
    CRentivaDoc doc;
    CMainFrame frame{doc};
};

}  // namespace

TEST(CMainFrame, FirstStateOffersOnlyBuiltCommandsAndNoButtons)
{
    Marco m;
    EXPECT_EQ(m.frame.windowTitle(), "Rentiva - Abra o Cree un archivo");
    const QStringList items = ItemsVisibles(m.frame.menuBar());
    for (const char* esperado : {"&Archivo", "&Archivo/&Nuevo", "&Archivo/&Abrir...", "&Archivo/Guardar como",
                                 "&Archivo/Crear Copia de Seguridad", "&Archivo/Restaurar Copia de Seguridad",
                                 "&Archivo/Importar", "&Archivo/Crear archivo de demostración", "&Archivo/&Salir",
                                 "&Archivo/Exportación Facturación",
                                 "&Inmuebles", "&Propietarios", "&Listados",
                                 "&Facturación", "Mailing", "&Opciones/Tamaño Letra Documentos/Pequeña",
                                 "&Opciones/Moneda", "&Opciones/Impuestos", "&Opciones/Vencimiento Recibos",
                                 "&Opciones/Sufijo Recibo Banco", "&Opciones/Herramientas/NIF/CCC", "&Opciones/Tipo: Recibo o Factura",
                                 "&Opciones/Diseño Recibo",
                                 "Ay&uda/Manual", "Ay&uda/Soporte Técnico por Correo",
                                 "Ay&uda/Acerca de Rentiva"})
        EXPECT_TRUE(items.contains(QString::fromUtf8(esperado))) << esperado;
    // Self-update is a build option.
    EXPECT_EQ(items.contains(QStringLiteral("&Opciones/Actualizaciones")), bool(RENTIVA_AUTOACTUALIZACION));
    // Features not built yet are not offered at all.
    for (const char* ausente : {"Ay&uda/Vídeo Tutorial"})
        EXPECT_FALSE(items.contains(QString::fromUtf8(ausente))) << ausente;
    EXPECT_TRUE(BotonesVisibles(m.frame).isEmpty());
    // The workspace commands are greyed out without a workspace.
    EXPECT_FALSE(m.frame.Accion(cmd::Facturacion)->isEnabled());
    EXPECT_FALSE(m.frame.Accion(cmd::GuardarComo)->isEnabled());
    EXPECT_TRUE(m.frame.Accion(cmd::ArchivoAbrir)->isEnabled());
    EXPECT_FALSE(m.frame.Accion(cmd::ConfigurarImpresora)->isEnabled());
}

TEST(CMainFrame, DataCommandsSayNoHayBaseAbiertaWithoutAWorkspace)
{
    Marco m;
    int corridas = 0;
    m.frame.Rutear(cmd::Propietarios, [&] { ++corridas; });
    m.frame.Rutear(cmd::Mailing, [&] { ++corridas; });
    m.frame.Rutear(cmd::BotonCobros, [&] { ++corridas; });
    for (int id : {int(cmd::Facturacion), int(cmd::Propietarios), int(cmd::Mailing), int(cmd::BotonCobros),
                   int(cmd::TipoReciboFactura)}) {
        SCOPED_TRACE(id);
        CerrarMensajes mensajes;
        m.frame.Ejecutar(id);
        EXPECT_EQ(mensajes.Textos(), QStringList{"No hay base abierta"});
    }
    EXPECT_EQ(corridas, 0);
}

TEST(CMainFrame, OpenWorkspaceEnablesCommandsShowsRoutedButtonsAndCaption)
{
    Marco m;
    int propietarios = 0;
    m.frame.Rutear(cmd::Propietarios, [&] { ++propietarios; });
    m.doc.CrearBase(m.tw.workspacePath());
    EXPECT_EQ(m.frame.windowTitle(), "Rentiva - " + m.tw.workspacePath());
    EXPECT_TRUE(m.frame.Accion(cmd::Facturacion)->isEnabled());
    EXPECT_TRUE(m.frame.Accion(cmd::Propietarios)->isEnabled());
    EXPECT_EQ(BotonesVisibles(m.frame),
              (QStringList{"Inmuebles", "Propietarios", "Facturación", "Listados", "Mailing", "Editor de plantillas",
                           "Buscar inmueble", "Rentas a actualizar", "Cobros", "Soporte técnico por correo",
                           "Manual"}));
    // A button sends its command.
    m.frame.Formulario()->Boton(1)->click();
    EXPECT_EQ(propietarios, 1);
    // Buttons keep their place in the row.
    EXPECT_EQ(m.frame.Formulario()->Boton(10)->geometry(), QRect(5 + 65 * 10, 5, 60, 60));

    m.doc.CerrarBase();
    EXPECT_TRUE(BotonesVisibles(m.frame).isEmpty());
    EXPECT_FALSE(m.frame.Accion(cmd::Propietarios)->isEnabled());
    EXPECT_EQ(m.frame.windowTitle(), "No hay archivo abierto");
}

TEST(CMainFrame, LetterHeightMenuChecksOnlyTheStoredValue)
{
    const struct { int guardado; int marcado; } casos[] = {
        {0, cmd::LetraNormal}, {12, cmd::LetraGrande}, {10, cmd::LetraNormal}, {7, cmd::LetraPequena}, {11, 0}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.guardado);
        Marco m;
        if (c.guardado)
            EscribirEntero(ajustes::kContrato, ajustes::kAltoLetra, c.guardado);
        m.frame.ActualizarEstados();
        for (int id : {int(cmd::LetraGrande), int(cmd::LetraNormal), int(cmd::LetraPequena)})
            EXPECT_EQ(m.frame.Accion(id)->isChecked(), id == c.marcado) << id;
    }
    Marco m;
    m.frame.Accion(cmd::LetraPequena)->trigger();
    EXPECT_EQ(LeerEntero(ajustes::kContrato, ajustes::kAltoLetra, 0), 7);
    EXPECT_TRUE(m.frame.Accion(cmd::LetraPequena)->isChecked());
    EXPECT_FALSE(m.frame.Accion(cmd::LetraNormal)->isChecked());
    EXPECT_FALSE(m.frame.Accion(cmd::LetraGrande)->isChecked());
    m.frame.Accion(cmd::LetraGrande)->trigger();
    EXPECT_EQ(LeerEntero(ajustes::kContrato, ajustes::kAltoLetra, 0), 12);
}

TEST(CMainFrame, HelpOpensTheShippedManualAndASupportMail)
{
    Marco m;
    QList<QUrl> abiertas;
    const auto anterior = CMainFrame::s_abrirUrl;
    CMainFrame::s_abrirUrl = [&](const QUrl& u) { abiertas << u; return true; };
    m.frame.Ejecutar(cmd::Manual);
    m.frame.Ejecutar(cmd::Soporte);
    CMainFrame::s_abrirUrl = anterior;
    ASSERT_EQ(abiertas.size(), 2);
    EXPECT_TRUE(abiertas[0].isLocalFile());
    EXPECT_TRUE(abiertas[0].toLocalFile().endsWith("manual.html"));
    QFile manual(abiertas[0].toLocalFile());
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    EXPECT_TRUE(manual.readAll().contains("Rentiva"));
    EXPECT_EQ(abiertas[1].scheme(), "mailto");
    EXPECT_EQ(abiertas[1].path(), CMainFrame::kCorreoSoporte);
    EXPECT_EQ(QUrlQuery(abiertas[1]).queryItemValue("body", QUrl::FullyDecoded), "Escriba aquí su duda");
}

TEST(CMainFrame, CommandsSubmenusAndAccelerators)
{
    Marco m;
    // Tools appear only once one of their commands is built.
    QAction* herramientas = nullptr;
    for (QAction* menu : m.frame.menuBar()->actions())
        if (menu->text() == "&Opciones")
            for (QAction* a : menu->menu()->actions())
                if (a->text() == "Herramientas")
                    herramientas = a;
    ASSERT_NE(herramientas, nullptr);
    const bool nifCcc = m.frame.Accion(cmd::NifCcc)->isVisible();
    EXPECT_EQ(herramientas->isVisible(), nifCcc);
    m.frame.Rutear(cmd::ReciboManual, [] {});
    EXPECT_TRUE(herramientas->isVisible());

    EXPECT_EQ(m.frame.Accion(cmd::ArchivoNuevo)->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(m.frame.Accion(cmd::ArchivoAbrir)->shortcut(), QKeySequence("Ctrl+A"));
    EXPECT_EQ(m.frame.Accion(cmd::RentasActualizar)->text(), "Rentas a  Actualizar");

    // A failing command reports its error instead of ending the program.
    m.frame.Rutear(cmd::ArchivoAbrir, [] { throw UserError("No se puede abrir el archivo."); });
    CerrarMensajes mensajes;
    m.frame.Ejecutar(cmd::ArchivoAbrir);
    EXPECT_EQ(mensajes.Textos(), QStringList{"No se puede abrir el archivo."});
}

TEST(CMainFrame, ToolsAndSettingsCommandsOpenTheirDialogs)
{
    Marco m;
    const struct { int id; const char* titulo; } casos[] = {
        {cmd::NifCcc, "Cálculo de NIF y CCC"}, {cmd::Moneda, "Moneda"}, {cmd::Impuestos, "Impuestos"},
        {cmd::Vencimiento, "Vencimiento Recibos"}, {cmd::SufijoBanco, "Sufijo Recibo Banco"},
        {cmd::AcercaDe, "Acerca de Rentiva"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.titulo);
        QString titulo;
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                titulo = d->windowTitle();
                d->reject();
            }
        });
        m.frame.Ejecutar(c.id);
        EXPECT_EQ(titulo, QString::fromUtf8(c.titulo));
    }
}

TEST(CMainFrame, PropertyAndReportCommandsNeedAnOwnerAndAPropertyFirst)
{
    Marco m;
    int editor = 0;
    int listados = 0;
    m.frame.RutearInmuebles([&] { ++editor; });
    m.frame.RutearListados([&] { ++listados; });
    ASSERT_TRUE(m.doc.CrearBase(m.tw.workspacePath()));
    EXPECT_EQ(BotonesVisibles(m.frame).mid(0, 1), QStringList{"Inmuebles"});
    {
        CerrarMensajes mensajes;
        m.frame.Ejecutar(cmd::Inmuebles);
        m.frame.Ejecutar(cmd::Listados);
        EXPECT_EQ(mensajes.Textos(), (QStringList{"Primero debe introducir un propietario.",
                                                  "Es necesario que introduzca primero un inmueble"}));
    }
    Statement(m.doc.Base(), "INSERT INTO propietario (nombre) VALUES (?1)").bind(1, "ANA").run();
    m.frame.Formulario()->Boton(0)->click();
    EXPECT_EQ(editor, 1);
    EXPECT_EQ(listados, 0);
    Statement(m.doc.Base(), "INSERT INTO inmueble (direccion, piso, arrendador) VALUES (?1, ?2, ?3)")
        .bind(1, "CALLE MAYOR 1").bind(2, " ").bind(3, "ANA").run();
    m.frame.Formulario()->Boton(3)->click();
    EXPECT_EQ(listados, 1);
}

TEST(CMainFrame, ClosingTheWindowClosesTheWorkspace)
{
    Marco m;
    m.doc.CrearBase(m.tw.workspacePath());
    m.frame.show();
    m.frame.Ejecutar(cmd::Salir);
    EXPECT_FALSE(m.doc.EstaAbierta());
    EXPECT_FALSE(m.frame.isVisible());
}
