// The contract dialogs as a user drives them; every modal box is answered by the test.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "billing/modificar_recibo_dlg.h"
#include "documents/contratos_dlg.h"
#include "documents/documentos_dlg.h"
#include "documents/info_avanzada_contrato_dlg.h"
#include "documents_fixture.h"
#include "modal_helper.h"
#include "properties/inmuebles_dlg.h"

namespace {

struct Abiertos {
    QStringList rutas;
};

EntornoDocumentos Entorno(const QString& carpeta, Abiertos* abiertos, QStringList* textos = nullptr)
{
    EntornoDocumentos e;
    e.hoy = QDate(2024, 4, 10);
    e.carpeta = carpeta;
    e.abrir = [abiertos](const QString& ruta) { abiertos->rutas << ruta; return true; };
    if (textos)
        e.editarTexto = [textos](QWidget*, QString& t) { *textos << t; return true; };
    return e;
}

QCheckBox* Casilla(QWidget* w, const QString& texto)
{
    for (QCheckBox* c : w->findChildren<QCheckBox*>())
        if (c->text() == texto)
            return c;
    return nullptr;
}

void Responder(QWidget* w, QMessageBox::StandardButton boton)
{
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr) << w->windowTitle().toStdString();
    box->button(boton)->click();
}

}  // namespace

TEST_F(DocumentsTest, ContractDialogDrivesTheGridAndShowsTheText)
{
    const qint64 ref = Inmueble({});
    Abiertos abiertos;
    QStringList textos;
    CContratosDlg dlg(nullptr, db, ref, Entorno(ws.dir(), &abiertos, &textos));
    ASSERT_TRUE(dlg.Preparado());
    EXPECT_TRUE(dlg.Boton(QStringLiteral("Imprimir contrato"))->isHidden());

    QCheckBox* fila4 = Casilla(&dlg, QStringLiteral("Renta adelantada de JULIO"));
    ASSERT_NE(fila4, nullptr);
    fila4->click();
    EXPECT_EQ(dlg.Datos().marcadas, (std::array<bool, 4>{true, true, true, true}));
    Casilla(&dlg, QStringLiteral("Renta adelantada de MAYO"))->click();
    EXPECT_EQ(dlg.Datos().marcadas, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_FALSE(fila4->isChecked());
    dlg.Boton(QStringLiteral("Meses de fianza"))->click();
    EXPECT_EQ(dlg.Datos().fianza, Euros(60000));
    dlg.findChild<QPushButton*>(QStringLiteral("Duración-"))->click();
    dlg.findChild<QPushButton*>(QStringLiteral("Duración-"))->click();
    EXPECT_EQ(dlg.Datos().meses, 6);
    Casilla(&dlg, QStringLiteral("Amueblado"))->setChecked(false);

    CerrarMensajes mensajes;
    dlg.Boton(QStringLiteral("Ver/Modificar Contrato\n Vivienda (Antiguo) "))->click();
    ASSERT_EQ(textos.size(), 1);
    EXPECT_TRUE(textos[0].contains(QStringLiteral("SEGUNDA.- El apartamento se arrienda vacío de muebles,")));
    EXPECT_TRUE(textos[0].contains(QStringLiteral("es de medio año,")));
    EXPECT_EQ(mensajes.Textos(), QStringList{QStringLiteral("Los contratos se imprimen en hojas tamaño folio.")});

    // Without a text window the button cannot be pressed.
    CContratosDlg sinVentana(nullptr, db, ref, Entorno(ws.dir(), &abiertos));
    EXPECT_FALSE(sinVentana.Boton(QStringLiteral("Ver/Modificar Contrato\n Vivienda (Antiguo) "))->isEnabled());
}

TEST_F(DocumentsTest, ModelsGoToNewFilesThatAreOpened)
{
    const qint64 ref = Inmueble({});
    const QString modelo = ws.file(QStringLiteral("modelo.rtf"));
    QFile f(modelo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1 &Nombre &ANom__}");
    f.close();
    Abiertos abiertos;
    const QString carpeta = ws.file(QStringLiteral("Documentos"));
    CContratosDlg dlg(nullptr, db, ref, Entorno(carpeta, &abiertos));
    const QString primero = dlg.CargarModelo(modelo);
    const QString segundo = dlg.CargarModelo(modelo);
    EXPECT_EQ(abiertos.rutas, (QStringList{primero, segundo}));
    EXPECT_TRUE(primero.endsWith(QStringLiteral("Documentos/Contrato 2024-04-10.rtf")));
    EXPECT_NE(primero, segundo);
    QFile salida(primero);
    ASSERT_TRUE(salida.open(QIODevice::ReadOnly));
    EXPECT_EQ(salida.readAll(), QByteArray("{\\rtf1 {\\uc1 ANA} {\\uc1 GARCIA}}"));

    CerrarMensajes mensajes;
    EXPECT_TRUE(dlg.CargarModelo(ws.file(QStringLiteral("no-esta.rtf"))).isEmpty());
    EXPECT_EQ(abiertos.rutas.size(), 2);
    EXPECT_TRUE(mensajes.Ultimo().startsWith(QStringLiteral(" Error al leer el archivo debido a: ")));
}

TEST_F(DocumentsTest, AcceptAsksThenWritesTheReceiptThroughItsForm)
{
    const qint64 ref = Inmueble({.fecha = QDate(2024, 5, 1)});
    Abiertos abiertos;
    {
        CContratosDlg dlg(nullptr, db, ref, Entorno(ws.dir(), &abiertos));
        Respuestas r{[](QWidget* w) { Responder(w, QMessageBox::No); }};
        dlg.accept();
        EXPECT_EQ(r.vistos, QStringList{QStringLiteral("Contratos")});
        EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 0);
    }
    CContratosDlg dlg(nullptr, db, ref, Entorno(ws.dir(), &abiertos));
    Respuestas r{[](QWidget* w) { Responder(w, QMessageBox::Yes); },
                 [](QWidget* w) {
                     auto* form = qobject_cast<CModificarReciboDlg*>(w);
                     ASSERT_NE(form, nullptr);
                     for (QLineEdit* e : form->findChildren<QLineEdit*>())
                         if (e->text() == QStringLiteral("642,00"))
                             e->setText(QStringLiteral("650,00"));
                     form->accept();
                 }};
    dlg.accept();
    EXPECT_TRUE(r.Agotadas());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 1);
    EXPECT_EQ(Contar("SELECT renta FROM recibo"), Euros(65000).Diezmilesimas());
    EXPECT_EQ(Contar("SELECT numero_recibo FROM recibo"), 8);
}

TEST_F(DocumentsTest, AdvancedOptionsCompactCoTenantsAndTakeTheRepresentative)
{
    Propietario(QStringLiteral("AGENCIA SOL"));
    const qint64 ref = Inmueble({});
    Abiertos abiertos;
    CContratosDlg dlg(nullptr, db, ref, Entorno(ws.dir(), &abiertos));
    Respuestas r{[](QWidget* w) {
        auto* a = qobject_cast<CInfoAvanzadaContratoDlg*>(w);
        ASSERT_NE(a, nullptr);
        a->findChild<QLineEdit*>(QStringLiteral("nombre3"))->setText(QStringLiteral("LUIS"));
        auto* rep = a->findChild<QComboBox*>();
        EXPECT_EQ(rep->count(), 3);   // none, GARCIA, AGENCIA SOL
        rep->setCurrentText(QStringLiteral("AGENCIA SOL"));
        a->accept();
    }};
    dlg.OpcionesAvanzadas();
    EXPECT_EQ(dlg.Datos().numCoarrendatarios, 1);
    EXPECT_EQ(dlg.Datos().coarrendatarios[0].nombre, QStringLiteral("LUIS"));
    EXPECT_EQ(dlg.Datos().representante.nombre, QStringLiteral("AGENCIA SOL"));
}

TEST_F(DocumentsTest, MissingOwnerShowsWhyAndTheDialogDoesNotOpen)
{
    const qint64 ref = Inmueble({.arrendador = QStringLiteral("NADIE")});
    Abiertos abiertos;
    CContratosDlg dlg(nullptr, db, ref, Entorno(ws.dir(), &abiertos));
    CerrarMensajes mensajes;
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(mensajes.Textos(), QStringList{QStringLiteral("propietario erroneo no encontrado = NADIE")});
}

TEST_F(DocumentsTest, PropertyFormSavesThenOpensTheDocumentsAndTheContract)
{
    const qint64 ref = Inmueble({});
    CInmueblesDlg form(nullptr, db, ref);
    QPushButton* documentos = form.Boton(QStringLiteral(" Documentos"));
    ASSERT_NE(documentos, nullptr);
    Respuestas r{[](QWidget* w) {
                     auto* docs = qobject_cast<CDocumentosDlg*>(w);
                     ASSERT_NE(docs, nullptr);
                     // Pressed once this answer returns: the answers cannot nest.
                     QTimer::singleShot(0, docs, [docs] {
                         docs->findChild<QPushButton*>()->click();
                         docs->reject();
                     });
                 },
                 [](QWidget* w) {
                     // The form was stored before the documents opened.
                     auto* contrato = qobject_cast<CContratosDlg*>(w);
                     ASSERT_NE(contrato, nullptr);
                     EXPECT_EQ(contrato->Datos().inquilino, QStringLiteral("BEA"));
                     Rechazar(w);
                 }};
    form.findChild<QLineEdit*>(QStringLiteral("nom_arrendatario"))->setText(QStringLiteral("BEA"));
    documentos->click();
    EXPECT_EQ(r.vistos, (QStringList{QStringLiteral("Documentos"), QStringLiteral("Contratos")}));
}
