// The template editor and the mailing list as a user drives them.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTextBlock>
#include <QTimer>
#include <QtTest/QTest>

#include "data/record_sets.h"
#include "documents/archivo_documento.h"
#include "documents/campos_plantilla.h"
#include "documents/documentos_dlg.h"
#include "documents/editar_mailing_dlg.h"
#include "documents/mailing.h"
#include "documents/mailing_dlg.h"
#include "documents/panel_campos_widget.h"
#include "documents/rtf.h"
#include "documents_fixture.h"
#include "modal_helper.h"

namespace {

const QDate kHoy(2024, 3, 1);
const QByteArray kPlantilla = "{\\rtf1{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs28 Estimada _Nombre_Inquilino_:\\par}";

// Presses `boton` of each question box that opens and closes any other message, remembering
// their texts.
struct Responder {
    explicit Responder(QMessageBox::StandardButton boton)
    {
        QObject::connect(&reloj, &QTimer::timeout, [this, boton] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                textos << box->text();
                if (QAbstractButton* b = box->button(boton))
                    b->click();
                else
                    box->done(QMessageBox::Ok);
            }
        });
        reloj.start(5);
    }
    QTimer reloj;
    QStringList textos;
};

bool Negrita(const QTextCharFormat& f)
{
    return f.fontWeight() >= QFont::DemiBold;
}

QTextCharFormat FormatoEn(CDialogEditarMailing& dlg, const QString& trozo)
{
    QTextCursor c(dlg.Texto()->document());
    c.setPosition(int(dlg.Texto()->toPlainText().indexOf(trozo)) + 1);
    return c.charFormat();
}

}  // namespace

class EditorTest : public DocumentsTest {
protected:
    QString Plantilla()
    {
        const QString ruta = ws.file(QStringLiteral("plantilla.rtf"));
        EscribirArchivoDocumento(ruta, kPlantilla);
        return ruta;
    }
    QList<qint64> Tres()
    {
        return {Inmueble({.inquilino = QStringLiteral("ANA")}), Inmueble({.inquilino = QStringLiteral("LUIS")}),
                Inmueble({.inquilino = QStringLiteral("EVA")})};
    }
};

TEST_F(EditorTest, FieldsAreInsertedInTheFieldFormatWithoutTouchingTheClipboard)
{
    QApplication::clipboard()->setText(QStringLiteral("lo que el usuario copió"));
    const struct {
        bool negrita, subrayado;
    } casos[] = {{true, true}, {true, false}, {false, true}, {false, false}};
    for (const auto& k : casos) {
        SCOPED_TRACE(testing::Message() << k.negrita << k.subrayado);
        CDialogEditarMailing dlg(nullptr, QString());
        EXPECT_TRUE(dlg.Panel()->NegritaCampos() && dlg.Panel()->SubrayadoCampos());   // both on at start
        dlg.Panel()->CasillaNegrita()->setChecked(k.negrita);
        dlg.Panel()->CasillaSubrayado()->setChecked(k.subrayado);
        dlg.Texto()->setPlainText(QStringLiteral("Hola"));
        dlg.Texto()->moveCursor(QTextCursor::End);
        // "Nombre" of the tenant's group.
        for (QPushButton* b : dlg.Panel()->findChildren<QPushButton*>())
            if (b->toolTip() == NombreCampo(18))
                b->click();
        EXPECT_EQ(dlg.Texto()->toPlainText(), QStringLiteral("Hola _Nombre_Inquilino_ "));
        const QTextCharFormat f = FormatoEn(dlg, QStringLiteral("_Nombre"));
        EXPECT_EQ(Negrita(f), k.negrita);
        EXPECT_EQ(f.fontUnderline(), k.subrayado);
        EXPECT_FALSE(f.fontStrikeOut());
        // What is typed next takes the plain format again.
        EXPECT_FALSE(Negrita(dlg.Texto()->currentCharFormat()));
        EXPECT_FALSE(dlg.Texto()->currentCharFormat().fontUnderline());
    }
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("lo que el usuario copió"));
}

TEST_F(EditorTest, ComposingGivesOneCopyPerPropertyAndNeverSavesOverTheTemplate)
{
    QApplication::clipboard()->setText(QStringLiteral("portapapeles"));
    const QList<qint64> refs = Tres();
    PrepararInformeInmuebles(db, refs);
    CInmuebleSet filas(&db, QStringLiteral("[informe_inmueble]"));
    const QString plantilla = Plantilla();
    CDialogEditarMailing dlg(nullptr, plantilla, &db, &filas, 1, kHoy);
    EXPECT_EQ(dlg.EstadoRelleno(), 1);
    EXPECT_EQ(dlg.Texto()->toPlainText(), QStringLiteral("Estimada _Nombre_Inquilino_:\n"));
    dlg.show();
    QTRY_COMPARE(dlg.EstadoRelleno(), 2);
    QTRY_VERIFY(dlg.Texto()->toPlainText().contains(u"EVA"));
    EXPECT_EQ(TextoPorParrafos(*dlg.Texto()->document()),
              QStringLiteral("Estimada ANA:\n\n\fEstimada LUIS:\n\n\fEstimada EVA:\n"));
    EXPECT_EQ(dlg.Texto()->textCursor().position(), 0);
    EXPECT_TRUE(dlg.Ruta().isEmpty());
    EXPECT_TRUE(dlg.Texto()->document()->isModified());
    // The lists follow the caret: the template's face and size.
    EXPECT_EQ(dlg.Caras()->currentFont().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(dlg.Tamanos()->currentText(), QStringLiteral("14"));

    // Saving asks for a name; one without extension gets ".rtf".
    QStringList pedidos;
    dlg.PonerPedirArchivo([&](bool guardar) {
        pedidos << (guardar ? "guardar" : "abrir");
        return ws.file(QStringLiteral("cartas"));
    });
    EXPECT_TRUE(dlg.Guardar());
    EXPECT_EQ(pedidos, QStringList{"guardar"});
    EXPECT_EQ(dlg.Ruta(), ws.file(QStringLiteral("cartas.rtf")));
    EXPECT_EQ(LeerArchivoDocumento(plantilla), kPlantilla);
    QTextDocument leido;
    LeerRtf(LeerArchivoDocumento(dlg.Ruta()), leido);
    EXPECT_EQ(TextoPorParrafos(leido), TextoPorParrafos(*dlg.Texto()->document()));
    EXPECT_FALSE(dlg.Texto()->document()->isModified());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("portapapeles"));
}

TEST_F(EditorTest, ClosingWithChangesAsks)
{
    CDialogEditarMailing dlg(nullptr, QString());
    dlg.show();
    dlg.Texto()->insertPlainText(QStringLiteral("texto nuevo"));
    {
        Responder r(QMessageBox::Cancel);
        dlg.reject();
        EXPECT_EQ(r.textos, QStringList{QStringLiteral("El texto ha cambiado. ¿Desea guardar los cambios?")});
        EXPECT_TRUE(dlg.isVisible());
    }
    {
        // Saving to a name that cannot be written keeps the editor open.
        dlg.PonerPedirArchivo([&](bool) { return ws.file(QStringLiteral("no/existe/carta.rtf")); });
        Responder r(QMessageBox::Save);
        dlg.reject();
        EXPECT_TRUE(dlg.isVisible());
        ASSERT_EQ(r.textos.size(), 2);
        EXPECT_TRUE(r.textos[1].startsWith(u"No se ha podido guardar")) << r.textos[1].toStdString();
    }
    {
        Responder r(QMessageBox::Discard);
        dlg.reject();
        EXPECT_EQ(r.textos.size(), 1);
        EXPECT_FALSE(dlg.isVisible());
    }
    // Unchanged text closes without a question.
    CDialogEditarMailing limpio(nullptr, QString());
    limpio.show();
    CerrarMensajes nada;
    limpio.reject();
    EXPECT_FALSE(limpio.isVisible());
    EXPECT_TRUE(nada.Textos().isEmpty());
}

TEST_F(EditorTest, CharacterButtonsActOnTheWordAndListsOnTheRememberedSelection)
{
    CDialogEditarMailing dlg(nullptr, QString());
    dlg.Texto()->setPlainText(QStringLiteral("uno dos tres"));
    QTextCursor c = dlg.Texto()->textCursor();
    c.setPosition(5);   // inside "dos", nothing selected
    dlg.Texto()->setTextCursor(c);
    dlg.Negrita();
    EXPECT_TRUE(Negrita(FormatoEn(dlg, QStringLiteral("dos"))));
    EXPECT_FALSE(Negrita(FormatoEn(dlg, QStringLiteral("uno"))));
    dlg.Cursiva();
    dlg.Negrita();   // off again, italic stays
    EXPECT_FALSE(Negrita(FormatoEn(dlg, QStringLiteral("dos"))));
    EXPECT_TRUE(FormatoEn(dlg, QStringLiteral("dos")).fontItalic());

    // Select "tres", let the size list take the focus, choose 20.
    c.setPosition(8);
    c.setPosition(12, QTextCursor::KeepAnchor);
    dlg.Texto()->setTextCursor(c);
    dlg.Tamanos()->setFocus();
    dlg.AplicarTamano(QStringLiteral("20"));
    dlg.AplicarCara(QStringLiteral("Courier New"));
    dlg.AplicarColor(QColor(200, 0, 0));
    const QTextCharFormat tres = FormatoEn(dlg, QStringLiteral("tres"));
    EXPECT_DOUBLE_EQ(tres.fontPointSize(), 20);
    EXPECT_EQ(tres.fontFamilies().toStringList().value(0), QStringLiteral("Courier New"));
    EXPECT_EQ(tres.foreground().color(), QColor(200, 0, 0));
    EXPECT_NE(FormatoEn(dlg, QStringLiteral("uno")).fontPointSize(), 20);
    c.setPosition(10);
    dlg.Texto()->setTextCursor(c);
    EXPECT_EQ(dlg.Tamanos()->currentText(), QStringLiteral("20"));

    dlg.Alinear(Qt::AlignHCenter);
    EXPECT_EQ(dlg.Texto()->document()->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    dlg.Texto()->InsertarSaltoPagina();
    EXPECT_EQ(TextoPorParrafos(*dlg.Texto()->document()).count(u'\f'), 1);
}

TEST_F(EditorTest, MailingComposesTheTickedPropertiesInListOrder)
{
    const QList<qint64> refs = Tres();
    EntornoDocumentos entorno;
    entorno.hoy = kHoy;
    CMailingDlg dlg(nullptr, db, LeerFilasMailing(db), entorno);
    ASSERT_EQ(dlg.Modelo()->rowCount(), 3);
    EXPECT_EQ(dlg.Modelo()->index(0, 0).data().toString(), QStringLiteral("Si"));
    EXPECT_EQ(dlg.Modelo()->index(0, 3).data().toString(), QStringLiteral("642,00"));   // the six amounts
    QString plantilla = Plantilla();
    int pedidas = 0;
    dlg.PonerPedirRuta([&](bool) { ++pedidas; return plantilla; });
    QStringList compuestos;
    dlg.PonerEditor([&](const QString& ruta, Database& base, RecordSet& filas) {
        CDialogEditarMailing editor(nullptr, ruta, &base, &filas, 1, kHoy);
        editor.show();
        QTRY_COMPARE(editor.EstadoRelleno(), 2);
        QCoreApplication::processEvents();
        compuestos << TextoPorParrafos(*editor.Texto()->document());
    });

    // A click on a tick switches it; "Ver" asks for the template first.
    const QModelIndex segunda = dlg.Modelo()->index(1, 0);
    dlg.show();
    QTest::mouseClick(dlg.Lista()->viewport(), Qt::LeftButton, {}, dlg.Lista()->visualRect(segunda).center());
    EXPECT_EQ(segunda.data().toString(), QStringLiteral("No"));
    dlg.Ver();
    EXPECT_EQ(pedidas, 1);
    dlg.Todos();
    dlg.Ver();
    dlg.Ninguno();
    dlg.Ver();
    EXPECT_EQ(pedidas, 1);
    ASSERT_EQ(compuestos.size(), 3);
    EXPECT_EQ(compuestos[0], QStringLiteral("Estimada ANA:\n\n\fEstimada EVA:\n"));
    EXPECT_EQ(compuestos[1].count(u'\f'), 2);
    EXPECT_EQ(compuestos[2], QString());   // "Ninguno": the template is gone, no copy

    // One file per ticked property.
    dlg.Modelo()->Alternar(0);
    const QString carpeta = ws.file(QStringLiteral("cartas"));
    dlg.PonerPedirRuta([&](bool enCarpeta) { return enCarpeta ? carpeta : plantilla; });
    CerrarMensajes mensajes;
    dlg.ArchivoPorInmueble();
    EXPECT_EQ(mensajes.Ultimo(), QStringLiteral("Se han escrito 1 documentos en %1.").arg(carpeta));
    EXPECT_EQ(QDir(carpeta).entryList(QDir::Files).size(), 1);
}

TEST_F(EditorTest, MailingRefusesAWorkspaceWithoutProperties)
{
    CerrarMensajes mensajes;
    AbrirMailing(nullptr, db, EntornoDocumentos{});
    EXPECT_EQ(mensajes.Textos(), QStringList{QStringLiteral("No existen recibos para esta selección.")});
}

TEST_F(EditorTest, DocumentsMenuOpensATemplateForThisProperty)
{
    const QList<qint64> refs = Tres();
    EntornoDocumentos e;
    const QString plantilla = Plantilla();
    e.elegirPlantilla = [&](QWidget*) { return plantilla; };
    QList<qint64> vistos;
    e.editarPlantilla = [&](QWidget*, const QString& ruta, Database& base, RecordSet& filas) {
        EXPECT_EQ(ruta, plantilla);
        for (filas.moveFirst(); !filas.isEOF(); filas.moveNext())
            vistos << filas.integer(QStringLiteral("ref"));
        (void)base;
    };
    CDocumentosDlg menu(nullptr, db, refs[1], e);
    for (QPushButton* b : menu.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Documentos Personalizados\nAbrir documento tipo"))
            b->click();
    EXPECT_EQ(vistos, QList<qint64>{refs[1]});
}
