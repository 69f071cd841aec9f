#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "modal_helper.h"
#include "reports/exportacion_facturacion_dlg.h"
#include "reports/filtro_facturacion_widget.h"
#include "reports/informe_dlg.h"
#include "reports/menu_informes_dlg.h"
#include "reports_fixture.h"

namespace {

void Periodo(CFiltroFacturacionWidget* f, int anio, int mes)
{
    f->anioDesde->setText(QString::number(anio));
    f->anioHasta->setText(QString::number(anio));
    f->mesDesde->setCurrentIndex(mes - 1);
    f->mesHasta->setCurrentIndex(mes - 1);
}

QStringList Items(QComboBox* c)
{
    QStringList r;
    for (int i = 0; i < c->count(); ++i)
        r << c->itemText(i);
    return r;
}

class Inmuebles : public ReportsTest {
protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        for (const auto& [calle, piso, pueblo, dueno] : {std::tuple{"MAYOR 1", "1º", "MADRID", "ANA"},
                                                         std::tuple{"MAYOR 1", "2º", "MADRID", "ANA"},
                                                         std::tuple{"SOL 2", "1º", "BILBAO", "BEA"},
                                                         std::tuple{"LUNA 3", "1º", "", "BEA"}})
            Statement(db, "INSERT INTO inmueble (direccion, piso, localidad, arrendador) VALUES (?1, ?2, ?3, ?4)")
                .bind(1, calle).bind(2, piso).bind(3, pueblo).bind(4, dueno).run();
        for (const char* dueno : {"ANA", "BEA"})
            Statement(db, "INSERT INTO propietario (nombre) VALUES (?1)").bind(1, dueno).run();
        Recibo({});
    }
};

}  // namespace

TEST_F(Inmuebles, InformeStartsOnTodosAndShowsViewsThroughTheTextWindow)
{
    QString titulo, texto;
    int alto = 0;
    CInformeDlg d(db, [&](QWidget*, const QString& t, const QString& x, int a) { titulo = t; texto = x; alto = a; });
    CFiltroFacturacionWidget* f = d.Filtro();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Informe"));
    EXPECT_EQ(f->mesDesde->currentIndex(), QDate::currentDate().month() - 1);
    EXPECT_EQ(f->anioHasta->text(), QString::number(QDate::currentDate().year()));
    for (QComboBox* c : {f->propietario, f->localidad, f->direccion, f->piso})
        EXPECT_EQ(c->currentText(), kTodos);
    EXPECT_EQ(Items(f->propietario), (QStringList{"TODOS", "ANA", "BEA"}));
    EXPECT_EQ(Items(f->localidad), (QStringList{"TODOS", "BILBAO", "MADRID"}));   // no empty town
    EXPECT_FALSE(d.SoloIva()->isChecked());

    CerrarMensajes mensajes;
    d.Boton(QStringLiteral("Ver Resumen por Inquilino"))->click();
    EXPECT_EQ(mensajes.Ultimo(), kSinRecibosPeriodo);
    EXPECT_TRUE(texto.isEmpty());
    Periodo(f, 2024, 3);
    d.Boton(QStringLiteral("Ver Resumen por Inquilino"))->click();
    EXPECT_EQ(alto, 8);
    EXPECT_TRUE(titulo.startsWith(QStringLiteral("INFORME FACTURACIÓN - 1 de MARZO del 2024")));
    EXPECT_TRUE(texto.contains(QStringLiteral("LUIS , NIF 1X")));

    CInformeDlg sinVentana(db, {});
    EXPECT_FALSE(sinVentana.Boton(QStringLiteral("Ver Detalle"))->isEnabled());
    EXPECT_TRUE(sinVentana.Boton(QStringLiteral("Listado Detallado"))->isEnabled());
}

TEST_F(Inmuebles, LeavingTheTownRefillsStreetsAndFloors)
{
    CInformeDlg d(db, {});
    CFiltroFacturacionWidget* f = d.Filtro();
    f->localidad->setEditText(QStringLiteral("madrid"));
    f->RellenarDirecciones();
    EXPECT_EQ(Items(f->direccion), (QStringList{"MAYOR 1", "TODOS"}));
    f->direccion->setEditText(QStringLiteral("MAYOR 1"));
    f->RellenarPisos();
    EXPECT_EQ(Items(f->piso), (QStringList{"TODOS", "1º", "2º"}));
    EXPECT_EQ(f->piso->currentText(), kTodos);
    f->localidad->setEditText(kTodos);
    f->RellenarDirecciones();
    EXPECT_EQ(Items(f->direccion), QStringList{"TODOS"});
    // The shared lookup table is left as it was.
    EXPECT_EQ(QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM direccion")), 0);
}

TEST_F(Inmuebles, ListadoDetalladoPrintsAfterThePrintDialog)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("l.pdf"));
    bool aceptar = false;
    CInformeDlg::s_elegirImpresora = [&](QPrinter& p, QWidget*) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return aceptar;
    };
    CInformeDlg d(db, {});
    Periodo(d.Filtro(), 2024, 3);
    d.Boton(QStringLiteral("Listado Detallado"))->click();
    EXPECT_FALSE(QFile::exists(pdf));   // cancelled: nothing printed
    aceptar = true;
    d.Boton(QStringLiteral("Listado Detallado"))->click();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF"));
    CInformeDlg::s_elegirImpresora = {};
}

TEST_F(Inmuebles, ExportChecksTheYearsAndKeepsTheFormOnCancel)
{
    QTemporaryDir dir;
    QString ruta;
    CExportacionFacturacionDlg::s_elegirArchivo = [&](QWidget*) { return ruta; };
    CExportacionFacturacionDlg d(db);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Exportación Facturación"));
    d.show();
    CerrarMensajes mensajes;
    d.Filtro()->anioDesde->setText(QStringLiteral("1974"));
    d.Aceptar();
    EXPECT_EQ(mensajes.Ultimo(), QStringLiteral("Escriba un número entero entre 1975 y 2100."));
    EXPECT_TRUE(d.isVisible());
    Periodo(d.Filtro(), 2024, 3);
    d.Aceptar();   // the save dialog cancelled
    EXPECT_TRUE(d.isVisible());
    ruta = dir.filePath(QStringLiteral("f.csv"));
    d.Aceptar();
    EXPECT_FALSE(d.isVisible());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count('\n'), 2);
    CExportacionFacturacionDlg::s_elegirArchivo = {};
}

TEST(CMenuInformesDlg, EachReportClosesTheMenuThenRuns)
{
    CMenuInformesDlg m;
    bool visibleAlCorrer = true;
    m.show();
    QPushButton* b = m.AnadirInforme(QStringLiteral("Informe Facturación"), [&] { visibleAlCorrer = m.isVisible(); });
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Informes"));
    b->click();
    EXPECT_FALSE(visibleAlCorrer);
}
