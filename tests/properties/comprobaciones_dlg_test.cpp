// What the owner and property forms say about what was typed: document numbers, bank
// accounts, the tax buttons' rates, and the order in which Tab walks them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDeadlineTimer>
#include <functional>
#include <QPlainTextEdit>
#include <QTest>

#include "formularios_fixture.h"
#include "properties/inmuebles_dlg.h"
#include "properties/propietarios_dlg.h"

namespace {

// The field or button that has the focus, by the name a test knows it by: the column of a
// field (the list's for the line edit of a drop-down list), the caption of a button.
QString Nombre(QWidget* w)
{
    if (!w)
        return QStringLiteral("(nada)");
    if (w->objectName().isEmpty() && qobject_cast<QComboBox*>(w->parentWidget()))
        w = w->parentWidget();
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && !qobject_cast<QCheckBox*>(w) &&
                                                     !b->objectName().startsWith(QLatin1String("boton_")))
        return b->text();
    return w->objectName();
}

// The names Tab visits from the field that has the focus once the form is shown, until
// it comes back to it.
QStringList RecorridoTab(QDialog& dlg)
{
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QWidget* primero = QApplication::focusWidget();
    QStringList r{Nombre(primero)};
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        if (w == primero || !w)
            break;
        r << Nombre(w);
    }
    return r;
}

// True once `condicion` holds, processing events meanwhile for at most two seconds.
bool Esperar(const std::function<bool()>& condicion)
{
    QDeadlineTimer limite(2000);
    while (!condicion() && !limite.hasExpired())
        QTest::qWait(5);
    return condicion();
}

}  // namespace

// A wrong DNI and a wrong account are not stored silently: each message names the right
// letter or digits, "Corregir" keeps the form open with nothing stored, "Guardar así"
// stores them as typed (the account marked "**").
TEST_F(Formularios, OwnerDocumentAndAccountAreCheckedOnSave)
{
    CPropietariosDlg dlg(nullptr, m_db);
    dlg.show();
    Escribir(dlg, "nombre", "ANA");
    Escribir(dlg, "documento_numero", "12345678A");
    EscribirCuenta(dlg, QStringLiteral("2100 0418 46 0200051332"));
    {
        Respondedor corregir(QMessageBox::No);
        Clic(dlg.BotonAceptar());
        ASSERT_EQ(corregir.m_textos.size(), 1);
        EXPECT_TRUE(corregir.m_textos[0].contains(QStringLiteral("para 12345678 es Z"))) << corregir.m_textos[0].toStdString();
    }
    QApplication::processEvents();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.focusWidget(), Campo<QLineEdit>(dlg, "documento_numero"));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario"), 0);
    {
        Respondedor guardar(QMessageBox::Yes);
        Clic(dlg.BotonAceptar());
        ASSERT_EQ(guardar.m_textos.size(), 2);
        EXPECT_TRUE(guardar.m_textos[1].contains(QStringLiteral("2100 0418 46 0200051332"))) << guardar.m_textos[1].toStdString();
        EXPECT_TRUE(guardar.m_textos[1].contains(QStringLiteral("son 45"))) << guardar.m_textos[1].toStdString();
    }
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM propietario WHERE documento_numero = '12345678A' AND dc = '**'"), 1);
}

// Leaving the number field is enough for the message; the value asked about is not asked
// about again on leaving, and a right one says nothing.
TEST_F(Formularios, OwnerDocumentIsCheckedOnLeavingTheField)
{
    Respondedor respuestas(QMessageBox::No);
    CPropietariosDlg dlg(nullptr, m_db);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QLineEdit* numero = Campo<QLineEdit>(dlg, "documento_numero");
    QLineEdit* localidad = Campo<QLineEdit>(dlg, "localidad");
    numero->setFocus();
    QTest::keyClicks(numero, "x1234567a");
    localidad->setFocus();
    ASSERT_TRUE(Esperar([&] { return respuestas.m_textos.size() == 1; }));
    EXPECT_TRUE(respuestas.m_textos[0].contains(QStringLiteral("para X1234567 es L"))) << respuestas.m_textos[0].toStdString();
    EXPECT_TRUE(Esperar([&] { return dlg.focusWidget() == numero; }));   // back to be corrected
    QApplication::setActiveWindow(&dlg);   // as the window manager does once the box is gone
    EXPECT_EQ(QApplication::focusWidget(), numero);
    localidad->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(respuestas.m_textos.size(), 1);
    numero->setFocus();
    numero->clear();
    QTest::keyClicks(numero, "X1234567L");
    localidad->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(respuestas.m_textos.size(), 1);
    // Leaving for a button asks nothing: "Salir" drops the value, a save asks anyway.
    numero->setFocus();
    QTest::keyClicks(numero, "9");
    dlg.BotonSalir()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(respuestas.m_textos.size(), 1);
}

// The tenant's NIE and CIF are checked like the owner's DNI; a passport is not checked.
TEST_F(Formularios, TenantDocumentsAreCheckedExceptPassports)
{
    {
        CPropietariosDlg dlg(nullptr, m_db);
        Escribir(dlg, "nombre", "ANA");
        Clic(dlg.BotonAceptar());
    }
    const struct { const char* tipo; const char* numero; const char* mensaje; } casos[] = {
        {"N.I.E.", "Y1234567A", "para Y1234567 es X"},
        {"C.I.F.", "B12345670", "para B1234567 es 4 o D"},
        {"D.N.I.", "12345678Z", nullptr},
        {"PASAPORTE", "X1234567A", nullptr},
        {"OTRO", "12345678A", nullptr},
    };
    int i = 0;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.numero);
        Respondedor corregir(QMessageBox::No);
        CInmueblesDlg dlg(nullptr, m_db);
        dlg.show();
        dlg.EmpezarNuevoInmueble();
        Teclear(Campo<QComboBox>(dlg, "direccion")->lineEdit(), QStringLiteral("MAYOR %1").arg(++i));
        Campo<QComboBox>(dlg, "doc_arrendatario_tipo")->setEditText(QString::fromLatin1(c.tipo));
        Escribir(dlg, "doc_arrendatario_num", QString::fromLatin1(c.numero));
        Clic(dlg.Boton(QStringLiteral("Aceptar")));
        const qint64 guardados =
            Contar(QStringLiteral("SELECT COUNT(*) FROM inmueble WHERE doc_arrendatario_num = '%1'").arg(QLatin1String(c.numero)));
        if (c.mensaje) {
            ASSERT_EQ(corregir.m_textos.size(), 1);
            EXPECT_TRUE(corregir.m_textos[0].contains(QString::fromUtf8(c.mensaje))) << corregir.m_textos[0].toStdString();
            EXPECT_EQ(guardados, 0);
            EXPECT_TRUE(dlg.isVisible());
        } else {
            EXPECT_TRUE(corregir.m_textos.isEmpty()) << corregir.m_textos.join(u'|').toStdString();
            EXPECT_EQ(guardados, 1);
        }
    }
}

// The property's account: "Corregir" stores nothing; a right account says nothing.
TEST_F(Formularios, PropertyAccountMessageNamesTheRightDigits)
{
    {
        CPropietariosDlg dlg(nullptr, m_db);
        Escribir(dlg, "nombre", "ANA");
        Clic(dlg.BotonAceptar());
    }
    CInmueblesDlg dlg(nullptr, m_db);
    dlg.show();
    Teclear(Campo<QComboBox>(dlg, "direccion")->lineEdit(), QStringLiteral("MAYOR 1"));
    EscribirCuenta(dlg, QStringLiteral("1234 5678 60 1234567890"));
    {
        Respondedor corregir(QMessageBox::No);
        Clic(dlg.Boton(QStringLiteral("Aceptar")));
        ASSERT_EQ(corregir.m_textos.size(), 1);
        EXPECT_TRUE(corregir.m_textos[0].contains(QStringLiteral("son 06"))) << corregir.m_textos[0].toStdString();
    }
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble"), 0);
    Respondedor nada;
    Escribir(dlg, "dc", "06");
    Clic(dlg.Boton(QStringLiteral("Aceptar")));
    EXPECT_TRUE(nada.m_textos.isEmpty()) << nada.m_textos.join(u'|').toStdString();
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM inmueble WHERE dc = '06' AND is_recibo_banco = 1"), 1);
}

// The tax buttons name the configured tax and rate and compute with that rate.
TEST_F(Formularios, TaxButtonsAreCaptionedFromTheSettings)
{
    PonerNombreImpuesto(1, QStringLiteral("IGIC 7%"));
    PonerPorcentajeImpuesto(1, 3);
    PonerNombreImpuesto(2, QStringLiteral("Retención"));
    PonerPorcentajeImpuesto(2, 15);
    {
        CPropietariosDlg dlg(nullptr, m_db);
        Escribir(dlg, "nombre", "ANA");
        Clic(dlg.BotonAceptar());
    }
    CInmueblesDlg dlg(nullptr, m_db);
    dlg.show();
    auto* impuesto1 = Campo<QPushButton>(dlg, "boton_impuesto1");
    auto* impuesto2 = Campo<QPushButton>(dlg, "boton_impuesto2");
    EXPECT_EQ(impuesto1->text(), QStringLiteral("IGIC 3%"));
    EXPECT_EQ(impuesto2->text(), QStringLiteral("Retención 15%"));
    Escribir(dlg, "renta", "1000");
    Clic(impuesto1);
    Clic(impuesto2);
    EXPECT_EQ(Campo<QLineEdit>(dlg, "iva")->text(), QStringLiteral("30,00"));
    EXPECT_EQ(Campo<QLineEdit>(dlg, "irpf")->text(), QStringLiteral("-150,00"));
}

// Tab walks each form as it is read, top to bottom and left to right, group by group,
// starting on the first field (not on a button).
TEST_F(Formularios, TabFollowsTheReadingOrderOfBothForms)
{
    CPropietariosDlg propietarios(nullptr, m_db);
    const QStringList esperado = {
        "nombre", "documento_tipo", "documento_numero", "via", "direccion", "piso", "localidad", "cp",
        "numero_recibo", "telefono_movil", "telefono_casa", "banco", "sucursal", "dc", "ccc",
        "datos_banco", "iban", "bic", "id_acreedor", "notas", "Nuevo", "Borrar", "Aceptar", "Salir"};
    EXPECT_EQ(RecorridoTab(propietarios).join(u' '), esperado.join(u' '));
    propietarios.reject();

    m_db.exec("INSERT INTO propietario (nombre) VALUES ('ANA');"
              "INSERT INTO inmueble (ref, direccion, piso, arrendador, fecha) VALUES (1, 'MAYOR 1', ' ', 'ANA', "
              "'2024-01-01 00:00:00')");
    CInmueblesDlg inmuebles(nullptr, m_db);
    const QStringList esperadoInmueble = {
        "tipo_inmueble", "localidad", "cp", "refcatastral", "codref", "notas", "equipamiento",
        "nom_arrendatario", "direccioninquilino", "doc_arrendatario_tipo", "doc_arrendatario_num",
        "nacionalidad_arrendatario", "telefono_movil", "telefono_casa", "Fecha Contrato", "fecha", "email",
        "banco", "sucursal", "dc", "ccc", "iban", "bic", "mandato_ref", "Proponer", "mandato_fecha",
        "mandato_tipo", "mandato_ultimo", "nota_recibo", "renta", "otro_concepto1", "otro_importe1",
        "otro_concepto2", "otro_importe2", "otro_concepto3", "otro_importe3", "boton_impuesto1", "iva",
        "boton_impuesto2", "irpf", "is_recibo_fisico", "is_recibo_banco", "is_recibo_numerar", "Facturar",
        "boton_recibo_fisico", "boton_recibo_banco", "Calculadora", "I.P.C.", "boton_documentos", "boton_facturado", "<<", "<", ">", ">>", "Nuevo", "Borrar", "Buscar", "Ordenar", "Imprimir",
        "Aceptar", "Cancelar", "piso"};
    EXPECT_EQ(RecorridoTab(inmuebles).join(u' '), esperadoInmueble.join(u' '));
}
