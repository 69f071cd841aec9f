// The search dialog as a user drives it: search, open a result, browse the matches; the
// contract-month mode; the order dialog from the property form.
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include "formularios_fixture.h"
#include "modales.h"
#include "properties/buscar_inmueble_dlg.h"
#include "properties/filtro_inmuebles_dlg.h"
#include "properties/inmuebles_dlg.h"
#include "properties/orden_inmuebles.h"
#include "properties/ordenar_inmuebles_dlg.h"
#include "data/record_sets.h"

namespace {

class Buscador : public Formularios {
protected:
    void SetUp() override
    {
        Formularios::SetUp();
        m_db.exec("INSERT INTO propietario (nombre) VALUES ('ANA')");
        for (const char* piso : {"1", "2", "3"}) {
            CInmuebleSet rs(&m_db);
            rs.addNew();
            const QString p = QString::fromLatin1(piso);
            rs.setValues({{"direccion", p == "2" ? "LUNA" : "SOL"}, {"piso", p}, {"arrendador", "ANA"},
                          {"nom_arrendatario", "INQ " + p}, {"fecha", "2020-0" + p + "-01 00:00:00"}});
            rs.update();
            m_refs << rs.integer("ref");
        }
    }
    static QString Piso(QWidget* form) { return form->findChild<QLineEdit*>("piso")->text(); }
    QList<qint64> m_refs;
};

TEST_F(Buscador, SearchOpensOneResultThenBrowsesOnlyTheMatches)
{
    QStringList pasos;
    Modales m([&](QWidget* w) {
        if (auto* b = qobject_cast<CBuscarInmuebleDlg*>(w)) {
            Teclear(b->Texto(), "sol");
            b->Buscar();
            pasos << QString::number(b->Botones().size());
            pasos << b->Botones()[1]->parentWidget()->findChild<QLabel*>()->text();
            b->Botones()[1]->click();
        } else if (auto* f = qobject_cast<CInmueblesDlg*>(w)) {
            if (pasos.size() == 2) {
                pasos << Piso(f) + (f->Boton(">")->isEnabled() ? " navegable" : " fijo");
                f->Boton("Buscar")->click();
            } else {
                pasos << Piso(f);
                for (int i = 0; i < 2; ++i) {
                    f->Boton(">")->click();
                    pasos << Piso(f);
                }
                f->reject();
            }
        }
    });
    AbrirBusquedaInmuebles(nullptr, m_db);
    EXPECT_EQ(pasos, QStringList({"2", "SOL 3\nInquilino:  INQ 3\nArrendador: ANA", "3 fijo", "1", "3", "1"}));
}

TEST_F(Buscador, ContractMonthLeadsToTheLetterOrSaysThePropertyIsGone)
{
    QList<qint64> cartas;
    const auto antes = CBuscarInmuebleDlg::s_abrirCarta;
    CBuscarInmuebleDlg::s_abrirCarta = [&](QWidget*, Database&, qint64 ref) { cartas << ref; };
    CBuscarInmuebleDlg dlg(nullptr, m_db, CBuscarInmuebleDlg::Modo::MesContrato);
    EXPECT_EQ(dlg.Mes()->currentIndex(), QDate::currentDate().month() - 1);
    dlg.Mes()->setCurrentIndex(1);
    dlg.Buscar();
    ASSERT_EQ(dlg.Botones().size(), 1);
    dlg.Botones()[0]->click();
    EXPECT_EQ(cartas, QList<qint64>({m_refs[1]}));
    m_db.exec("DELETE FROM inmueble WHERE piso = '2'");
    {
        Respondedor r;
        dlg.Botones()[0]->click();
        EXPECT_EQ(r.m_textos, QStringList({"Inmueble no encontrado."}));
    }
    EXPECT_EQ(cartas.size(), 1);
    {
        Respondedor r;
        dlg.Buscar();
        EXPECT_EQ(r.m_textos, QStringList({"No se ha encontado ningún inmueble que coincida."}));
    }
    CBuscarInmuebleDlg::s_abrirCarta = antes;
}

TEST_F(Buscador, OrderFromTheFormKeepsThePropertyAndCancelKeepsTheOrder)
{
    CInmueblesDlg form(nullptr, m_db);
    form.Boton(">")->click();
    ASSERT_EQ(Piso(&form), "2");
    {
        Modales m([](QWidget* w) {
            if (auto* o = qobject_cast<COrdenarInmueblesDlg*>(w))
                o->Boton(4)->click();   // by tenant
        });
        form.Boton("Ordenar")->click();
    }
    EXPECT_EQ(OrdenInmueblesActual(m_db), 4);
    EXPECT_EQ(LeerEntero(ajustes::kOpciones, ajustes::kOrden, 0), 4);
    EXPECT_EQ(Piso(&form), "2");
    // By tenant the rows now run piso 1, 3, 2; in entry order 3 would follow 2.
    m_db.exec("UPDATE inmueble SET nom_arrendatario = 'INQ 1B' WHERE piso = '3'");
    {
        Modales m([](QWidget* w) {
            if (auto* o = qobject_cast<COrdenarInmueblesDlg*>(w))
                o->reject();
        });
        form.Boton("Ordenar")->click();
    }
    EXPECT_EQ(OrdenInmueblesActual(m_db), 4);
    EXPECT_EQ(Piso(&form), "2");
    form.Boton("<")->click();
    EXPECT_EQ(Piso(&form), "3");
}

TEST_F(Buscador, FilterShowsTheListingOfTheChosenOwner)
{
    QStringList lineas;
    const auto antes = CFiltroInmueblesDlg::s_mostrar;
    CFiltroInmueblesDlg::s_mostrar = [&](QWidget*, const QStringList& l, const QString&) { lineas = l; };
    CFiltroInmueblesDlg dlg(nullptr, m_db);
    EXPECT_EQ(dlg.Localidad()->count(), 1);   // "TODOS": no town is empty or NULL
    dlg.Propietario()->setCurrentText("ANA");
    dlg.Direccion()->setCurrentText("LUNA");
    dlg.Aceptar();
    ASSERT_GE(lineas.size(), 4);
    EXPECT_TRUE(lineas[1].startsWith("LUNA "));
    EXPECT_EQ(lineas.last(), QStringLiteral(" Criterio de selección:  Direccion= LUNA  Arrendador= ANA "));
    CFiltroInmueblesDlg::s_mostrar = antes;
}

}  // namespace

TEST_F(Buscador, EveryMatchIsListedABatchAtATimeAsTheListScrollsToItsEnd)
{
    {
        Transaction tx(m_db);
        Statement ins(m_db, "INSERT INTO inmueble (direccion, piso, arrendador) VALUES ('MAR', ?1, 'ANA')");
        for (int i = 0; i < 450; ++i)
            ins.bind(1, QString::number(i)).run();
        tx.commit();
    }
    CBuscarInmuebleDlg dlg(nullptr, m_db, CBuscarInmuebleDlg::Modo::Texto);
    dlg.show();
    dlg.Texto()->setText(QStringLiteral("mar"));
    dlg.Buscar();
    QScrollBar* barra = dlg.findChild<QScrollArea*>()->verticalScrollBar();
    QList<int> filas{int(dlg.Botones().size())};
    while (dlg.Aviso()->isVisibleTo(&dlg) && filas.size() < 5) {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();   // the panel's new size reaches the scroll bar
        barra->setValue(barra->maximum());
        filas << int(dlg.Botones().size());
    }
    EXPECT_EQ(filas, QList<int>({200, 400, 450}));
    EXPECT_EQ(dlg.Coincidencias().size(), 450);
}
