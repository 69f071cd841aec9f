#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "bank/copias_informe_dlg.h"
#include "bank/fichero_sepa_dlg.h"
#include "modales.h"
#include "sepa_fixture.h"
#include "temp_workspace.h"

namespace {

class FicheroSepaFlujo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ruta = ws.file(QStringLiteral("sepa.rtv"));
        CrearWorkspaceSepa(ruta);
        db = AbrirWorkspace(ruta);
    }
    TempWorkspace ws;
    QString ruta;
    Database db;
    const QDate cargo = QDate::currentDate().addDays(7);
};

}  // namespace

TEST_F(FicheroSepaFlujo, ListsEveryFailureAndWritesNothing)
{
    db.exec(QStringLiteral("UPDATE recibo SET mandato_ref = '' WHERE ref = 3"));
    QString texto;
    Modales m([&](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            texto = box->text();
            box->accept();
        } else {
            QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
        }
    });
    EXPECT_FALSE(EjecutarFicheroSepa(nullptr, db, QStringLiteral("muñoz lópez elena"), QDate(2024, 3, 1), cargo));
    EXPECT_TRUE(texto.contains(QStringLiteral("Recibo 3 (MAYOR 3, CARLOS): no tiene referencia de mandato"))) << texto.toStdString();
    EXPECT_EQ(m.vistos, QStringList{"QMessageBox"});
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM recibo WHERE estado = 2")), 0);
}

TEST_F(FicheroSepaFlujo, WritesTheFileThenMarksTheReceiptsThenOffersTheListing)
{
    QString xml;
    bool seleccion = false;
    Modales m([&](QWidget* w) {
        if (auto* fd = qobject_cast<QFileDialog*>(w)) {
            // The proposal names the owner and the month; the test saves in its own folder.
            EXPECT_TRUE(fd->selectedFiles().value(0).endsWith(QStringLiteral("_2024-03.xml")));
            fd->setDirectory(ws.dir());
            fd->selectFile(QStringLiteral("marzo.xml"));
            xml = fd->selectedFiles().value(0);
            QMetaObject::invokeMethod(fd, "accept", Qt::QueuedConnection);
        } else {
            // "No Imprimir": the state is recorded already.
            EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM recibo WHERE estado = 2")), 3);
            QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
        }
    });
    // The selection leaves B's receipt out.
    const auto seleccionar = [&] {
        seleccion = true;
        db.exec(QStringLiteral("DELETE FROM emision_recibo WHERE ref = 2"));
        return true;
    };
    EXPECT_TRUE(EjecutarFicheroSepa(nullptr, db, QStringLiteral("MUÑOZ LÓPEZ ELENA"), QDate(2024, 3, 1),
                                    cargo, seleccionar));
    EXPECT_TRUE(seleccion);
    EXPECT_EQ(m.vistos, QStringList({"QFileDialog", "CCopiasInformeDlg"}));
    EXPECT_EQ(ErroresEsquema(xml), QString());
    EXPECT_EQ(LeerSepa(LeerArchivo(xml)).nbOfTxs, QStringLiteral("3"));
    Statement st(db, "SELECT ref, estado, sepa_secuencia, fecha_cobro FROM recibo WHERE ref <= 4 ORDER BY ref");
    const struct { qint64 estado; const char* tipo; } esperado[] = {{2, "FRST"}, {0, ""}, {2, "FRST"}, {2, "FRST"}};
    for (const auto& e : esperado) {
        ASSERT_TRUE(st.next());
        SCOPED_TRACE(st.integer(0));
        EXPECT_EQ(st.integer(1), e.estado);
        EXPECT_EQ(st.text(2), QLatin1String(e.tipo));
        if (e.estado == 2)
            EXPECT_EQ(st.date(3), cargo);
    }
}
