// The main window's list of properties: shown over an open workspace only, filtered as the
// search dialog finds, each row's total and last billed month, a row opening its form.
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

#include "app/documento.h"
#include "app/main_window.h"
#include "billing/demo.h"
#include "billing/facturacion.h"
#include "data/record_sets.h"
#include "properties/inmuebles_dlg.h"
#include "properties/modelo_inmuebles.h"
#include "properties/orden_inmuebles.h"
#include "properties/tabla_inmuebles_widget.h"
#include "modales.h"
#include "temp_workspace.h"

namespace {

struct Marco {
    TempWorkspace tw;
    CRentivaDoc doc;
    CMainFrame frame{doc};
    CTablaInmueblesWidget* lista() { return frame.Formulario()->Tabla(); }
    CModeloInmuebles* modelo() { return lista()->Modelo(); }
    QString celda(int fila, int columna) { return modelo()->index(fila, columna).data().toString(); }
};

qint64 Anadir(Database& db, const QVariantHash& valores)
{
    CInmuebleSet rs(&db);
    rs.addNew();
    rs.setValues(valores);
    rs.update();
    return rs.integer(QStringLiteral("ref"));
}

}  // namespace

TEST(ListaInmuebles, FollowsTheWorkspaceTheOrderAndWhatWasBilled)
{
    Marco m;
    EXPECT_FALSE(m.lista()->isVisibleTo(&m.frame));
    CrearArchivoDemo(m.tw.workspacePath(), 40);
    ASSERT_TRUE(m.doc.AbrirBase(m.tw.workspacePath()));
    ASSERT_TRUE(m.lista()->isVisibleTo(&m.frame));
    Database& db = m.doc.Base();
    ASSERT_EQ(m.modelo()->rowCount(), 40);

    // Rows come in the browsing order the user chose, as the property form steps through them.
    AplicarOrdenInmuebles(db, 3);
    m.lista()->Recargar();
    CInmuebleSet rs(&db);
    for (int fila : {0, 17, 39}) {
        rs.moveFirst();
        rs.move(fila);
        EXPECT_EQ(m.modelo()->Ref(fila), rs.integer("ref")) << fila;
        EXPECT_EQ(m.celda(fila, CModeloInmuebles::Inquilino), rs.text("nom_arrendatario"));
    }

    // A negative withholding lowers the total; the last billed month is found whatever the
    // case of the street, and a property never billed shows none.
    const QString propietario = [&] {
        Statement st(db, "SELECT nombre FROM propietario LIMIT 1");
        return st.next() ? st.text(0) : QString();
    }();
    const qint64 nuevo = Anadir(db, {{"direccion", "Calle O'Donnell, 4"}, {"piso", "2º"}, {"arrendador", propietario},
                                      {"renta", 10000000}, {"iva", 2100000}, {"irpf", -1900000}});
    Facturacion(db).FacturarMes(QDate(2024, 3, 1), QString());
    db.exec("UPDATE inmueble SET direccion = 'CALLE O''DONNELL, 4' WHERE ref = " + QString::number(nuevo));
    Anadir(db, {{"direccion", "Calle O'Donnell, 6"}, {"piso", "1º"}, {"arrendador", propietario}});
    m.lista()->Filtro()->setText(QStringLiteral("o'donnell"));
    ASSERT_EQ(m.modelo()->rowCount(), 2);
    const int fila = m.modelo()->Ref(0) == nuevo ? 0 : 1;
    EXPECT_EQ(m.celda(fila, CModeloInmuebles::Total), "1.020,00");
    EXPECT_EQ(m.celda(fila, CModeloInmuebles::UltimoMes), "03/2024");
    EXPECT_EQ(m.celda(1 - fila, CModeloInmuebles::UltimoMes), "");

    // "%" is a plain character, as in the search dialog; nothing found says so.
    m.lista()->Filtro()->setText(QStringLiteral("50%"));
    EXPECT_EQ(m.modelo()->rowCount(), 0);
    EXPECT_EQ(m.lista()->findChild<QLabel*>("cuentaInmuebles")->text(),
              QStringLiteral("No se ha encontado ningún inmueble que coincida."));

    m.doc.CerrarBase();
    EXPECT_FALSE(m.lista()->isVisibleTo(&m.frame));
    EXPECT_EQ(m.modelo(), nullptr);
}

TEST(ListaInmuebles, EnterOnARowOpensThePropertyFormOnThatRowAndTheListShowsWhatItStored)
{
    Marco m;
    ASSERT_TRUE(m.doc.CrearBase(m.tw.workspacePath()));
    Database& db = m.doc.Base();
    db.exec("INSERT INTO propietario (nombre) VALUES ('ANA')");
    for (const char* piso : {"1", "2", "3"})
        Anadir(db, {{"direccion", "SOL"}, {"piso", piso}, {"arrendador", "ANA"}});
    m.lista()->Recargar();
    m.lista()->Filtro()->setText(QStringLiteral("sol"));
    QKeyEvent abajo(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(m.lista()->Filtro(), &abajo);   // from the filter box to the second row
    QStringList visto;
    Modales modales([&](QWidget* w) {
        auto* form = qobject_cast<CInmueblesDlg*>(w);
        if (!form)
            return;
        auto* piso = form->findChild<QLineEdit*>("piso");
        visto << piso->text() << (form->Boton(">")->isEnabled() ? "navegable" : "fijo");
        auto* inquilino = form->findChild<QLineEdit*>("nom_arrendatario");
        inquilino->clear();
        for (const QChar c : QStringLiteral("LUIS")) {
            QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(inquilino, &tecla);
        }
        form->Boton("Aceptar")->click();
    });
    QKeyEvent intro(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(m.lista()->Filtro(), &intro);
    EXPECT_EQ(visto, QStringList({"2", "fijo"}));
    EXPECT_EQ(m.celda(1, CModeloInmuebles::Inquilino), "LUIS");
    EXPECT_EQ(m.lista()->Tabla()->currentIndex().row(), 1);   // the list reloaded where the user was
}
