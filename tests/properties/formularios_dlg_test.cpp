#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QKeyEvent>
#include <QTimer>

#include "settings/ajustes.h"
#include "settings/avisos.h"
#include "data/workspace.h"
#include "data/database.h"
#include "widgets/fecha_dlg.h"
#include "properties/inmuebles_dlg.h"
#include "properties/propietarios_dlg.h"
#include "temp_workspace.h"

namespace {

// Typing as a user does, one key at a time, so that the fields' own handling runs.
void Teclear(QWidget* w, const QString& texto)
{
    for (QChar c : texto) {
        QKeyEvent pulsar(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &pulsar);
        QKeyEvent soltar(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &soltar);
    }
}

void Clic(QPushButton* b)
{
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isEnabled()) << b->text().toStdString();
    b->click();
}

void Pulsar(QWidget* w, Qt::Key tecla)
{
    QKeyEvent pulsar(QEvent::KeyPress, tecla, Qt::NoModifier);
    QApplication::sendEvent(w, &pulsar);
}

// Answers every message box that opens with `respuesta`, keeping the texts shown.
class Respondedor {
public:
    explicit Respondedor(QMessageBox::StandardButton respuesta = QMessageBox::Ok)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, respuesta] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_textos << box->text();
                if (QAbstractButton* b = box->button(respuesta))
                    b->click();
                else
                    box->reject();
            }
        });
        m_timer.start(5);
    }
    QStringList m_textos;
private:
    QTimer m_timer;
};

class Formularios : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db = CrearWorkspace(m_ws.workspacePath());
        for (int a = 0; a <= int(Aviso::LongitudCuentaCorriente); ++a)
            GuardarEstadoAviso(DatosAviso(a), true);
        PonerPorcentajeImpuesto(1, 18);
        PonerPorcentajeImpuesto(2, 19);
    }

    template <class T>
    static T* Campo(QWidget& dlg, const char* nombre)
    {
        T* w = dlg.findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(w, nullptr) << nombre;
        return w;
    }

    static void Escribir(QWidget& dlg, const char* nombre, const QString& texto)
    {
        QLineEdit* e = Campo<QLineEdit>(dlg, nombre);
        e->clear();
        Teclear(e, texto);
    }

    qint64 Contar(const QString& sql) { return QueryInteger(m_db, sql); }

    TempWorkspace m_ws;
    Database m_db;
};

}  // namespace

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
        Escribir(dlg, "banco", "2100");
        Escribir(dlg, "sucursal", "0418");
        Escribir(dlg, "dc", "45");
        Escribir(dlg, "ccc", "0200051332");
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
        Clic(dlg.Boton(NombreImpuesto1()));
        Clic(dlg.Boton(NombreImpuesto2()));
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

// "Recibo Fisico" asks for the date and then goes to the print dialog; "Recibo Banco" opens
// the single bank receipt form. Cancelling either leaves the workspace as it was.
TEST_F(Formularios, PaperAndBankReceiptButtonsReachTheirForms)
{
    {
        CPropietariosDlg dlg(nullptr, m_db);
        dlg.show();
        Escribir(dlg, "nombre", "ANA LOPEZ");
        Escribir(dlg, "documento_numero", "12345678Z");
        Escribir(dlg, "banco", "2100");
        Escribir(dlg, "sucursal", "0418");
        Escribir(dlg, "dc", "45");
        Escribir(dlg, "ccc", "0200051332");
        Clic(dlg.BotonAceptar());
    }
    CInmueblesDlg dlg(nullptr, m_db);
    dlg.show();
    Teclear(Campo<QComboBox>(dlg, "direccion")->lineEdit(), "MAYOR 12");
    Escribir(dlg, "nom_arrendatario", "PEDRO RUIZ");
    Escribir(dlg, "renta", "500,00");
    Escribir(dlg, "banco", "2100");
    Escribir(dlg, "sucursal", "0418");
    Escribir(dlg, "dc", "45");
    Escribir(dlg, "ccc", "0200051332");

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
    Clic(dlg.Boton("Recibo Fisico"));
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
