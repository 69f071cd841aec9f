#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <tuple>

#include "bank/remesa.h"
#include "billing/buscar_recibos_dlg.h"
#include "billing/cobros_dlg.h"
#include "billing/emision_facturacion.h"
#include "billing/emision_flujos_dlg.h"
#include "billing/emision_recibos_dlg.h"
#include "billing/facturaciones_dlg.h"
#include "emision_fixture.h"
#include "modal_helper.h"

namespace {

class CobrosDlgTest : public EmisionTest {
protected:
    void Run(const QDate& fecha)
    {
        Statement(db, "INSERT INTO facturacion (fecha, notas) VALUES (?1, '')").bind(1, QDateTime(fecha, QTime(0, 0))).run();
    }
};

bool Activos(const CFacturacionesDlg& d, bool si)
{
    bool r = !d.BotonesRun().isEmpty();
    for (QPushButton* b : d.BotonesRun())
        r = r && b->isEnabled() == si;
    return r;
}

}  // namespace

TEST_F(CobrosDlgTest, RunsListWithAndWithoutRuns)
{
    {
        CFacturacionesDlg d(db);
        EXPECT_EQ(d.Lista()->topLevelItemCount(), 1);
        // The five of the runs list and "Fichero SEPA (XML)" beside the bank file.
        ASSERT_EQ(d.BotonesRun().size(), 6);
        EXPECT_EQ(d.BotonesRun()[4]->text(), QStringLiteral("Fichero SEPA (XML)"));
        EXPECT_TRUE(Activos(d, false));
        EXPECT_FALSE(d.Seleccionada().isValid());
    }
    for (int m : {10, 11, 12})
        Run(QDate(2006, m, 1));
    Recibo({.fecha = QDate(2006, 12, 1)});
    CFacturacionesDlg d(db);
    EXPECT_EQ(d.Lista()->topLevelItemCount(), 3);
    EXPECT_EQ(d.Lista()->topLevelItem(0)->text(0), QStringLiteral("DICIEMBRE   "));
    EXPECT_EQ(d.Seleccionada(), QDate(2006, 12, 1));
    EXPECT_TRUE(Activos(d, true));

    // "Eliminar Última" on the oldest line still takes the newest run.
    d.Lista()->setCurrentItem(d.Lista()->topLevelItem(2));
    Respuestas r{[](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click(); }};
    d.EliminarUltima();
    EXPECT_TRUE(r.Agotadas());
    EXPECT_EQ(d.Lista()->topLevelItem(0)->text(0), QStringLiteral("NOVIEMBRE   "));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo"), 0);
}

TEST_F(CobrosDlgTest, IssueDialogHidesTheChargeDateOnPaper)
{
    Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
    CEmisionRecibosDlg banco(db, QDate(2024, 3, 1), false, {});
    EXPECT_TRUE(banco.DiaCobro()->isVisibleTo(&banco));
    EXPECT_EQ(banco.DiaCobro()->value(), 11);   // 1 March 2024 was a Friday
    EXPECT_EQ(banco.Propietarios()->itemText(0), QStringLiteral("PÉREZ MORENO SERGIO"));
    CEmisionRecibosDlg papel(db, QDate(2024, 3, 1), true, {});
    EXPECT_FALSE(papel.DiaCobro()->isVisibleTo(&papel));
    EXPECT_FALSE(papel.Menos()->isVisibleTo(&papel));
    EXPECT_EQ(papel.Propietarios()->currentText(), QStringLiteral("TODOS"));
    EXPECT_TRUE(papel.Propietario().isEmpty());
}

TEST_F(CobrosDlgTest, PagesAndAnEmptyList)
{
    {
        CCobrosDlg vacio(db, QDate(2007, 3, 15));
        ASSERT_EQ(vacio.Lista()->count(), 1);
        EXPECT_EQ(vacio.Lista()->item(0)->text(), QStringLiteral("No se han encontrado recibos"));
        EXPECT_FALSE(vacio.BotonEditar()->isEnabled());
        EXPECT_FALSE(vacio.BotonSiguiente()->isEnabled());
    }
    Transaction tx(db);
    for (int i = 0; i < 120; ++i)
        Recibo({.fecha = QDate(2007, 1, 1).addDays(i)});
    tx.commit();
    CCobrosDlg d(db, QDate(2007, 3, 15));
    EXPECT_EQ(d.Lista()->count(), 50);
    EXPECT_FALSE(d.BotonAnterior()->isEnabled());
    d.BotonSiguiente()->click();
    d.BotonSiguiente()->click();
    EXPECT_EQ(d.Lista()->count(), 20);
    EXPECT_FALSE(d.BotonSiguiente()->isEnabled());
    EXPECT_TRUE(d.BotonAnterior()->isEnabled());
    EXPECT_TRUE(d.BotonEditar()->isEnabled());
}

// The bank steps hand the confirmed rows to any writer; they mark nothing themselves.
TEST_F(CobrosDlgTest, BankStepsHandTheRowsToTheWriter)
{
    Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
    const qint64 a = Recibo({.fecha = QDate(2024, 3, 1), .banco = true});
    Recibo({.fecha = QDate(2024, 3, 1), .banco = false});
    std::vector<qint64> recibidos;
    QDate cobro;
    Respuestas r{Respuestas::Respuesta(Aceptar), Respuestas::Respuesta(Aceptar)};
    FicheroBancoFacturacion(nullptr, db, QDate(2024, 3, 1), [&](QWidget*, Database&, const EmisionBanco& e) {
        for (const ReciboBanco& b : e.recibos)
            recibidos.push_back(b.ref);
        cobro = e.cobro;
        return false;   // as a cancelled file dialog
    });
    EXPECT_EQ(r.vistos, (QStringList{"Emisión Recibos", ""}));
    EXPECT_EQ(recibidos, std::vector<qint64>{a});
    EXPECT_EQ(cobro, QDate(2024, 3, 11));
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo WHERE estado <> 0 OR fecha_cobro IS NOT NULL"), 0);
}

// "Fichero Recibos Banco" marks the receipts only once the file is written.
TEST_F(CobrosDlgTest, CuadernoWriterMarksAfterTheFileOnly)
{
    Propietario(QStringLiteral("PÉREZ MORENO SERGIO"));
    const qint64 a = Recibo({.fecha = QDate(2024, 3, 1), .banco = true, .ccc = QStringLiteral("0200051332")});
    EmisionBanco e;
    e.propietario = BuscarPropietarioBanco(db, QStringLiteral("PÉREZ MORENO SERGIO"));
    e.facturacion = QDate(2024, 3, 1);
    e.cobro = QDate(2024, 3, 11);
    PrepararEmisionBanco(db, e.facturacion, e.propietario.nombre);
    e.recibos = RecibosBancoEmision(db);
    ASSERT_EQ(e.recibos.size(), 1u);
    {
        Respuestas r{Respuestas::Respuesta(Rechazar)};
        EXPECT_FALSE(EscribirCuaderno19(nullptr, db, e));
    }
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo WHERE estado <> 0"), 0);
    QString ruta;
    Respuestas r{[&](QWidget* w) {
                     auto* f = qobject_cast<QFileDialog*>(w);
                     ruta = f->selectedFiles().value(0);   // the proposed name
                     QMetaObject::invokeMethod(f, "accept");
                 },
                 Respuestas::Respuesta(Rechazar)};
    EXPECT_TRUE(EscribirCuaderno19(nullptr, db, e)) << r.vistos.join(u'|').toStdString();
    EXPECT_TRUE(ruta.endsWith(QStringLiteral(".pr1")) && QFile::exists(ruta)) << ruta.toStdString();
    QFile::remove(ruta);
    EXPECT_EQ(Contar("SELECT COUNT(*) FROM recibo WHERE estado = 2 AND fecha_cobro = '2024-03-11 00:00:00'"), 1);
    EXPECT_EQ(a, e.recibos[0].ref);
}

TEST_F(CobrosDlgTest, SearchListsFollowTheOwnerAndTheStreet)
{
    Propietario(QStringLiteral("ALBA"));
    Propietario(QStringLiteral("BRAVO"));
    Statement ins(db, "INSERT INTO inmueble (direccion, piso, arrendador, nom_arrendatario) VALUES (?1, ?2, ?3, ?4)");
    for (const auto& [calle, piso, dueno, inquilino] : {std::tuple{"MAYOR", "1º", "ALBA", "ANA"},
                                                         std::tuple{"MAYOR", "2º", "ALBA", "LUIS"},
                                                         std::tuple{"SOL", "3º", "BRAVO", "EVA"}})
        ins.bind(1, calle).bind(2, piso).bind(3, dueno).bind(4, inquilino).run();
    CBuscarRecibosDlg d(db, QDate(2024, 4, 15));
    const auto items = [](QComboBox* c) {
        QStringList r;
        for (int i = 0; i < c->count(); ++i)
            r << c->itemText(i);
        return r;
    };
    EXPECT_EQ(items(d.Direccion()), QStringList({"MAYOR", "SOL", "TODAS"}));
    d.Propietario()->setCurrentText(QStringLiteral("BRAVO"));
    EXPECT_EQ(items(d.Direccion()), QStringList({"SOL", "TODAS"}));
    EXPECT_EQ(items(d.Inquilino()), QStringList({"EVA", "TODOS"}));
    d.Propietario()->setCurrentText(QStringLiteral("alba"));   // typed in lower case
    d.Direccion()->setCurrentText(QStringLiteral("MAYOR"));
    EXPECT_EQ(items(d.Piso()), QStringList({"1º", "2º", "TODOS"}));
    EXPECT_EQ(items(d.Inquilino()), QStringList({"ANA", "LUIS", "TODOS"}));
}
