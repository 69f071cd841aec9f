#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "settings/ajustes.h"
#include "app/arranque_window.h"
#include "app/bienvenida_dlg.h"
#include "app/documento.h"
#include "app/documento_window.h"
#include "app/main_window.h"
#include "temp_workspace.h"

namespace {

// Answers every modal window as a user who accepts everything and notes what was shown.
class Usuario : public QObject {
public:
    QStringList vistas;
    bool responderSi = true;

    Usuario()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { Responder(); });
        m_timer.start(10);
    }

private:
    void Responder()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* dlg = qobject_cast<CBienvenidaDlg*>(w)) {
            vistas << QStringLiteral("bienvenida");
            dlg->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
            vistas << box->text();
            QAbstractButton* b = box->button(responderSi ? QMessageBox::Yes : QMessageBox::No);
            if (!b)
                b = box->button(QMessageBox::Ok);
            if (b)
                b->click();
            else
                box->reject();
        } else if (w) {
            vistas << QString::fromLatin1(w->metaObject()->className());
            w->close();
        }
    }
    QTimer m_timer;
};

struct Programa {
    CRentivaDoc doc;
    DialogosDocumentoVentana dialogos;
    CMainFrame frame{doc};
    explicit Programa(const QString& carpeta) { doc.PonerCarpetaNueva(carpeta); }
};

}  // namespace

TEST(Arranque, NewUserIsWelcomedThenCreatesAWorkspaceThatTheNextStartReopens)
{
    TempWorkspace tw;
    const QString ruta = tw.file("rentiva.rtv");
    {
        Usuario usuario;
        Programa p(tw.dir());
        ASSERT_TRUE(ArrancarPrograma(p.doc, p.frame, p.dialogos, {"rentiva"}));
        ASSERT_EQ(usuario.vistas.size(), 5) << usuario.vistas.join('|').toStdString();
        EXPECT_EQ(usuario.vistas[0], "bienvenida");
        EXPECT_TRUE(usuario.vistas[1].startsWith("Para comenzar:"));
        EXPECT_TRUE(usuario.vistas[2].startsWith("No hay una base de datos abierta"));
        // A workspace without owners leads to the owner form; leaving it empty is said.
        EXPECT_EQ(usuario.vistas[3], "CPropietariosDlg");
        EXPECT_EQ(usuario.vistas[4], "Primero debe crear un propietario");
        EXPECT_TRUE(p.doc.EstaAbierta());
        EXPECT_EQ(p.doc.Ruta(), ruta);
        EXPECT_EQ(p.frame.windowTitle(), "Rentiva - " + ruta);
        EXPECT_EQ(LeerTexto(ajustes::kRecibo, ajustes::kColor), "AZUL");
        EXPECT_EQ(LeerTexto(ajustes::kRecibo, ajustes::kFondo), "SOLIDO");
        p.frame.close();   // closing the window records the workspace
        EXPECT_FALSE(p.doc.EstaAbierta());
    }
    EXPECT_TRUE(QFileInfo::exists(ruta));
    {
        Usuario usuario;
        Programa p(tw.dir());
        ASSERT_TRUE(ArrancarPrograma(p.doc, p.frame, p.dialogos, {"rentiva"}));
        EXPECT_EQ(usuario.vistas, (QStringList{"CPropietariosDlg", "Primero debe crear un propietario"}));
        EXPECT_TRUE(p.doc.EstaAbierta());
        EXPECT_EQ(p.doc.Ruta(), ruta);
    }
}

TEST(Arranque, NamedWorkspaceIsOpenedAndRecordedOrEndsTheProgram)
{
    TempWorkspace tw;
    EscribirEntero(ajustes::kPrograma, ajustes::kPrimerInicio, 1);
    const QString buena = tw.file("buena.rtv");
    {
        CRentivaDoc doc;
        ASSERT_TRUE(doc.CrearBase(buena));
        doc.CerrarBase();
    }
    EscribirTexto(ajustes::kArchivosRecientes, ajustes::kUltimo, QString());
    {
        Usuario usuario;
        Programa p(tw.dir());
        ASSERT_TRUE(ArrancarPrograma(p.doc, p.frame, p.dialogos, {"rentiva", buena}));
        EXPECT_EQ(usuario.vistas, (QStringList{"CPropietariosDlg", "Primero debe crear un propietario"}));
        EXPECT_EQ(p.doc.Ruta(), buena);
        EXPECT_EQ(LeerTexto(ajustes::kArchivosRecientes, ajustes::kUltimo), buena);
    }
    QFile basura(tw.file("basura.rtv"));
    ASSERT_TRUE(basura.open(QIODevice::WriteOnly));
    basura.write(QByteArray(4096, 'x'));
    basura.close();
    {
        Usuario usuario;
        Programa p(tw.dir());
        EXPECT_FALSE(ArrancarPrograma(p.doc, p.frame, p.dialogos, {"rentiva", tw.file("basura.rtv")}));
        EXPECT_EQ(usuario.vistas.size(), 1);   // the reason, once
        EXPECT_FALSE(p.frame.isVisible());
        EXPECT_EQ(LeerTexto(ajustes::kArchivosRecientes, ajustes::kUltimo), buena);
    }
}

TEST(Arranque, AnsweringNoLeavesTheProgramWithoutAWorkspace)
{
    TempWorkspace tw;
    EscribirEntero(ajustes::kPrograma, ajustes::kPrimerInicio, 1);
    Usuario usuario;
    usuario.responderSi = false;
    Programa p(tw.dir());
    ASSERT_TRUE(ArrancarPrograma(p.doc, p.frame, p.dialogos, {"rentiva"}));
    EXPECT_EQ(usuario.vistas.size(), 1);
    EXPECT_FALSE(p.doc.EstaAbierta());
    EXPECT_EQ(p.frame.windowTitle(), "Rentiva - Abra o Cree un archivo");
    EXPECT_FALSE(QFileInfo::exists(tw.file("rentiva.rtv")));
}
