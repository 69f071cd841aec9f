#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QKeyEvent>
#include <QTimer>

#include "billing/facturacion.h"
#include "settings/ajustes.h"
#include "settings/avisos.h"
#include "data/workspace.h"
#include "data/database.h"
#include "widgets/fecha_dlg.h"
#include "properties/inmuebles_dlg.h"
#include "properties/propietarios_dlg.h"
#include "formularios_fixture.h"
#include "temp_workspace.h"


TEST_F(Formularios, OwnerAndTwoPropertiesAsAUserWould)
{
    {
        CPropietariosDlg dlg(nullptr, m_db);
        dlg.show();
        // An empty table starts a new owner at once.
        EXPECT_FALSE(Campo<QLineEdit>(dlg, "nombre")->isReadOnly());
        EXPECT_FALSE(dlg.BotonSiguiente()->isEnabled());
        EXPECT_FALSE(dlg.BotonAnterior()->isEnabled());
        Escribir(dlg, "nombre", "O'DONNELL GARCÍA");
        Escribir(dlg, "documento_numero", "12.345.678-z");
        EXPECT_EQ(Campo<QLineEdit>(dlg, "documento_numero")->text(), QStringLiteral("12.345.678-Z"));
        EscribirCuenta(dlg, QStringLiteral("2100 0418 45 0200051332"));
        Escribir(dlg, "localidad", "L'HOSPITALET");
        // Enter neither closes the form nor drops what was typed.
        Pulsar(Campo<QLineEdit>(dlg, "localidad"), Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible());
        Clic(dlg.BotonAceptar());
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario WHERE documento_numero = '12345678Z' "
                     "AND localidad = 'L''HOSPITALET' AND dc = '45'"), 1);

    {
        CInmueblesDlg dlg(nullptr, m_db);
        dlg.show();
        // The only owner is chosen already.
        EXPECT_EQ(dlg.ListaPropietarios()->currentText(), QString::fromUtf8("O'DONNELL GARCÍA"));
        EXPECT_FALSE(dlg.Boton(">")->isEnabled());
        Teclear(Campo<QComboBox>(dlg, "direccion")->lineEdit(), "MAYOR 12");
        Escribir(dlg, "nom_arrendatario", "PEDRO RUIZ");
        Escribir(dlg, "renta", "500,00");
        Escribir(dlg, "otro_concepto1", "COMUNIDAD");
        Escribir(dlg, "otro_importe1", "20");
        // The buttons say the rates they apply (18 and 19 here, not the name's 21).
        Clic(dlg.Boton(QStringLiteral("IVA 18%")));
        Clic(dlg.Boton(QStringLiteral("IRPF 19%")));
        EXPECT_EQ(Campo<QLineEdit>(dlg, "iva")->text(), QStringLiteral("93,60"));
        EXPECT_EQ(Campo<QLineEdit>(dlg, "irpf")->text(), QStringLiteral("-98,80"));
        EXPECT_EQ(Campo<QLineEdit>(dlg, "total")->text(), QStringLiteral("514,80"));
        Escribir(dlg, "email", "PEDRO@CORREO.ES");
        EXPECT_EQ(Campo<QLineEdit>(dlg, "email")->text(), QStringLiteral("pedro@correo.es"));
        EXPECT_TRUE(dlg.Boton("Enviar Email")->isEnabled());

        // "Nuevo" stores the first property and starts the second.
        Clic(dlg.Boton("Nuevo"));
        EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble"), 1);
        EXPECT_EQ(Campo<QLineEdit>(dlg, "renta")->text(), QStringLiteral("0,00"));
        Teclear(Campo<QComboBox>(dlg, "direccion")->lineEdit(), "SOL 3");
        Escribir(dlg, "piso", "2 B");
        Escribir(dlg, "renta", "400");
        Teclear(Campo<QComboBox>(dlg, "localidad")->lineEdit(), "GETAFE");
        Clic(dlg.Boton("Aceptar"));
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble"), 2);
    EXPECT_EQ(Contar("SELECT iva FROM inmueble WHERE direccion = 'MAYOR 12' AND piso = ' '"), 936'000);
    EXPECT_EQ(Contar("SELECT irpf FROM inmueble WHERE direccion = 'MAYOR 12'"), -988'000);
    EXPECT_EQ(Contar("SELECT renta FROM inmueble WHERE direccion = 'SOL 3' AND piso = '2 B' "
                     "AND localidad = 'GETAFE' AND length(codref) > 0"), 4'000'000);
}

TEST_F(Formularios, RefusedOwnerNameKeepsTheFormOnTheTypedValues)
{
    Respondedor respuestas;
    CPropietariosDlg dlg(nullptr, m_db);
    dlg.show();
    Escribir(dlg, "nombre", "ANA");
    Clic(dlg.BotonNuevo());
    Escribir(dlg, "nombre", "ana");
    Escribir(dlg, "telefono_movil", "600111222");
    Clic(dlg.BotonSiguiente());
    EXPECT_TRUE(respuestas.m_textos.contains(QStringLiteral("Ya existe un propietario con ese nombre")));
    EXPECT_EQ(Campo<QLineEdit>(dlg, "nombre")->text(), QStringLiteral("ana"));
    EXPECT_FALSE(Campo<QLineEdit>(dlg, "nombre")->isReadOnly());
    EXPECT_EQ(Campo<QLineEdit>(dlg, "telefono_movil")->text(), QStringLiteral("600111222"));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario"), 1);
    // "Borrar" on the unsaved owner drops it, asking nothing and deleting nothing.
    const int preguntas = int(respuestas.m_textos.size());
    Clic(dlg.BotonBorrar());
    EXPECT_EQ(respuestas.m_textos.size(), preguntas);
    EXPECT_EQ(Campo<QLineEdit>(dlg, "nombre")->text(), QStringLiteral("ANA"));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario"), 1);
    // "Salir" leaves the stored owner as it was.
    Escribir(dlg, "localidad", "SORIA");
    Clic(dlg.BotonSalir());
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario WHERE localidad = 'SORIA'"), 0);
}

TEST_F(Formularios, RefusedPropertyStaysWithTypedValues)
{
    Respondedor respuestas;
    {
        CPropietariosDlg dlg(nullptr, m_db);
        Escribir(dlg, "nombre", "ANA");
        Clic(dlg.BotonAceptar());
    }
    CInmueblesDlg dlg(nullptr, m_db);
    dlg.show();
    Teclear(Campo<QComboBox>(dlg, "direccion")->lineEdit(), "MAYOR 1");
    Clic(dlg.Boton("Nuevo"));
    // Same street and floor: the store is refused, the form keeps what was typed.
    Teclear(Campo<QComboBox>(dlg, "direccion")->lineEdit(), "MAYOR 1");
    Escribir(dlg, "nom_arrendatario", "LUIS");
    Clic(dlg.Boton(">"));
    EXPECT_EQ(Campo<QLineEdit>(dlg, "nom_arrendatario")->text(), QStringLiteral("LUIS"));
    EXPECT_TRUE(Campo<QComboBox>(dlg, "direccion")->isVisible());
    // An unreadable contract date is reported and nothing is stored.
    Escribir(dlg, "piso", "2");
    Escribir(dlg, "fecha", "31/02/2024");
    const int antes = int(respuestas.m_textos.size());
    Clic(dlg.Boton("Aceptar"));
    EXPECT_GT(respuestas.m_textos.size(), antes);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble"), 1);
    Escribir(dlg, "fecha", "01/02/2024");
    Clic(dlg.Boton("Aceptar"));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble WHERE piso = '2' AND fecha LIKE '2024-02-01%'"), 1);
}

// "Recibo Físico" asks for the date and then goes to the print dialog; "Recibo Banco" opens
// the single bank receipt form. Cancelling either leaves the workspace as it was.
TEST_F(Formularios, PaperAndBankReceiptButtonsReachTheirForms)
{
    {
        CPropietariosDlg dlg(nullptr, m_db);
        dlg.show();
        Escribir(dlg, "nombre", "ANA LOPEZ");
        Escribir(dlg, "documento_numero", "12345678Z");
        EscribirCuenta(dlg, QStringLiteral("2100 0418 45 0200051332"));
        Clic(dlg.BotonAceptar());
    }
    CInmueblesDlg dlg(nullptr, m_db);
    dlg.show();
    Teclear(Campo<QComboBox>(dlg, "direccion")->lineEdit(), "MAYOR 12");
    Escribir(dlg, "nom_arrendatario", "PEDRO RUIZ");
    Escribir(dlg, "renta", "500,00");
    EscribirCuenta(dlg, QStringLiteral("2100 0418 45 0200051332"));

    QStringList vistos;
    QTimer t;
    QObject::connect(&t, &QTimer::timeout, [&vistos] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            return;
        vistos << QString::fromLatin1(w->metaObject()->className());
        if (auto* box = qobject_cast<QMessageBox*>(w))
            vistos << box->text();
        if (auto* fecha = qobject_cast<CFechaDlg*>(w))
            fecha->BotonAceptar()->click();
        else if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
    });
    t.start(5);
    Clic(dlg.Boton("Recibo Físico"));
    ASSERT_GE(vistos.size(), 2) << vistos.join(u',').toStdString();
    EXPECT_EQ(vistos.first(), QStringLiteral("CFechaDlg"));
    EXPECT_TRUE(vistos.contains(QStringLiteral("QPrintDialog"))) << vistos.join(u',').toStdString();
    // The button stored the typed property first, as every move does.
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble WHERE direccion = 'MAYOR 12'"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 0);

    vistos.clear();
    Clic(dlg.Boton("Recibo Banco"));
    EXPECT_TRUE(vistos.contains(QStringLiteral("CReciboBancoDlg"))) << vistos.join(u',').toStdString();
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 0);
}

namespace {

QByteArray Bytes(const QString& ruta)
{
    QFile f(ruta);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

}  // namespace

// Cards shown as they are differ from their rows (an unnormalised document, unverified check
// digits, an empty reference, a tenth of a cent, an unknown type): browsing them stores nothing.
TEST_F(Formularios, BrowsingCardsWithoutTypingWritesNothing)
{
    m_db.exec("INSERT INTO propietario (ref, nombre, documento_numero, banco, sucursal, dc, ccc, numero_recibo)"
              " VALUES (1, 'ANA', '12.345.678-z', '2100', '0418', '99', '0200051332', 4), (2, 'BEA', '', '', '', '', '', 0);"
              "INSERT INTO inmueble (ref, direccion, piso, arrendador, codref, renta, tipo_inmueble, dc, ccc, banco,"
              " sucursal, fecha) VALUES (1, 'MAYOR 1', ' ', 'ANA', '', 5000050, 25, '99', '0200051332', '2100',"
              " '0418', NULL), (2, 'SOL 2', '1', 'BEA', ' ', 100, 1, '', '', '', '', '2024-01-05 10:30:00'),"
              " (3, 'LUNA 3', '2', 'ANA', 'X', 0, 0, '', '', '', '', '2023-02-01 00:00:00')");
    Respondedor respuestas;
    const QByteArray antes = Bytes(m_ws.workspacePath());
    {
        CPropietariosDlg dlg(nullptr, m_db);
        dlg.show();
        for (QPushButton* b : {dlg.BotonSiguiente(), dlg.BotonSiguiente(), dlg.BotonSiguiente(), dlg.BotonAnterior()})
            Clic(b);
        Clic(dlg.BotonAceptar());
    }
    EXPECT_TRUE(Bytes(m_ws.workspacePath()) == antes) << "owner form";
    CInmueblesDlg dlg(nullptr, m_db);
    dlg.show();
    const QByteArray abierto = Bytes(m_ws.workspacePath());   // opening rebuilds the lookup lists
    for (const char* paso : {">", ">", ">", "<", "<", ">>", "<<", "<"})
        Clic(dlg.Boton(QString::fromLatin1(paso)));
    Clic(dlg.Boton("Aceptar"));
    EXPECT_TRUE(Bytes(m_ws.workspacePath()) == abierto) << "property form";
    EXPECT_TRUE(respuestas.m_textos.isEmpty()) << respuestas.m_textos.join(u'|').toStdString();
}

// Billing from another program while the owner card is open: the card never writes its
// stale receipt counter back, so the next run goes on from the counter billing left.
TEST_F(Formularios, AnOpenOwnerCardNeverWritesAStaleReceiptCounterBack)
{
    m_db.exec("INSERT INTO propietario (ref, nombre, numero_recibo) VALUES (1, 'ANA', 0), (2, 'BEA', 0);"
              "INSERT INTO inmueble (ref, direccion, piso, arrendador, renta, is_recibo_numerar, fecha)"
              " VALUES (1, 'MAYOR 1', ' ', 'ANA', 5000000, 1, '2024-01-01 00:00:00')");
    Database otra = AbrirWorkspace(m_ws.workspacePath());
    Respondedor respuestas;
    CPropietariosDlg dlg(nullptr, m_db);
    dlg.show();
    ASSERT_EQ(Campo<QLineEdit>(dlg, "numero_recibo")->text(), QStringLiteral("0"));

    Facturacion(otra).FacturarMes(QDate(2024, 1, 1), QString());
    ASSERT_EQ(QueryInteger(otra, "SELECT numero_recibo FROM propietario WHERE nombre = 'ANA'"), 1);
    Escribir(dlg, "telefono_casa", "911223344");
    Clic(dlg.BotonSiguiente());
    EXPECT_EQ(Contar("SELECT numero_recibo FROM propietario WHERE nombre = 'ANA'"), 1);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario WHERE telefono_casa = '911223344'"), 1);
    Clic(dlg.BotonAnterior());
    EXPECT_EQ(Campo<QLineEdit>(dlg, "numero_recibo")->text(), QStringLiteral("1"));

    // The counter typed over one billing moved meanwhile: refused, the card shows it anew.
    Facturacion(otra).FacturarMes(QDate(2024, 2, 1), QString());
    Escribir(dlg, "numero_recibo", "9");
    Clic(dlg.BotonSiguiente());
    ASSERT_EQ(respuestas.m_textos.size(), 1);
    EXPECT_TRUE(respuestas.m_textos.first().contains(QStringLiteral("Otro programa ha modificado el propietario ANA")));
    EXPECT_EQ(Campo<QLineEdit>(dlg, "numero_recibo")->text(), QStringLiteral("2"));
    Clic(dlg.BotonAceptar());

    Facturacion(otra).FacturarMes(QDate(2024, 3, 1), QString());
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 3);
    EXPECT_EQ(Contar("SELECT COUNT(DISTINCT numero_recibo) FROM recibo"), 3);
    EXPECT_EQ(Contar("SELECT MAX(numero_recibo) FROM recibo"), 3);
}
