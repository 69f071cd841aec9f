// Every dialog of the program, built offscreen over a demonstration workspace: the texts
// it shows are written as Spanish is written, it fits a 1366 x 768 screen, and Tab walks
// it as it is read. The printed receipt, invoice and bank listing are read back too.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextDocumentFragment>
#include <algorithm>
#include <functional>
#include <memory>

#include "app/acerca_dlg.h"
#include "app/bienvenida_dlg.h"
#include "app/documento.h"
#include "app/impuestos_dlg.h"
#include "app/main_window.h"
#include "app/moneda_dlg.h"
#include "app/sufijo_dlg.h"
#include "app/texto_cuadro_recibo_factura_dlg.h"
#include "app/vencimiento_dlg.h"
#include "bank/copias_informe_dlg.h"
#include "bank/recibo_banco_dlg.h"
#include "bank/remesa.h"
#include "billing/demo.h"
#include "billing/edicion_recibo.h"
#include "billing/facturacion.h"
#include "billing/facturacion_mes_dlg.h"
#include "billing/buscar_recibos_dlg.h"
#include "billing/cobros_dlg.h"
#include "billing/emision_recibos_dlg.h"
#include "billing/facturaciones_dlg.h"
#include "billing/recibo_manual_dlg.h"
#include "billing/recibos_inmueble_dlg.h"
#include "billing/ficha_cobro_dlg.h"
#include "billing/modificar_recibo_dlg.h"
#include "billing/seleccion_recibos_dlg.h"
#include "documents/editar_mailing_dlg.h"
#include "documents/mailing_dlg.h"
#include "documents/carta_aumento_dlg.h"
#include "documents/carta_requerimiento_dlg.h"
#include "documents/cartas_dlg.h"
#include "documents/contratos_dlg.h"
#include "documents/documentos_dlg.h"
#include "documents/info_avanzada_contrato_dlg.h"
#include "documents/texto_documento_dlg.h"
#include "data/database.h"
#include "data/workspace.h"
#include "properties/inmuebles.h"
#include "properties/inmuebles_dlg.h"
#include "properties/propietarios.h"
#include "properties/propietarios_dlg.h"
#include "receipts/diseno_recibo_dlg.h"
#include "reports/exportacion_facturacion_dlg.h"
#include "reports/informe_dlg.h"
#include "reports/informes_dlg.h"
#include "reports/menu_informes_dlg.h"
#include "settings/avisos.h"
#include "temp_workspace.h"
#include "update/actualizaciones_dlg.h"
#include "update/pedir_texto_dlg.h"
#include "widgets/aviso_dlg.h"
#include "widgets/calculadora_dlg.h"
#include "widgets/calculo_nif_ccc_dlg.h"
#include "widgets/espera_dlg.h"
#include "widgets/fecha_dlg.h"
#include "widgets/mes_dlg.h"
#include "properties/buscar_inmueble_dlg.h"
#include "properties/filtro_inmuebles_dlg.h"
#include "properties/ordenar_inmuebles_dlg.h"

namespace {

// Spellings that are not Spanish, and English captions that slipped through.
const struct {
    const char* patron;
    const char* que;
} kErratas[] = {
    {R"(\bn[uU]mero\b)", "Número"},       {R"(\bV[iI][aA]\b)", "Vía"},
    {R"(\bm[oO]vil\b)", "Móvil"},         {R"(\bs[iI]mbolo\b)", "Símbolo"},
    {R"(\bc[aA]lculo\b)", "Cálculo"},     {R"(\bD[iI][aA]\b)", "Día"},
    {R"(\bf[iI]sic[oa]s?\b)", "Físico"},  {R"(\bS[oO]LIDO\b|\bSolido\b)", "SÓLIDO"},
    {R"(\bL[iI]NEAS?\b|\blineas?\b)", "línea"}, {R"(\bp[iI]xeles\b)", "píxeles"},
    {R"(\best[aA] segur[oa])", "¿Está seguro?"}, {R"(\bmenu\b)", "menú"},
    {R"(\berr[oO]ne[oa]s?\b)", "Errónea"}, {R"(\baqu[iI]\b)", "aquí"},
    {R"(direci[oó]n)", "dirección"},      {R"(CATRASTAL)", "CATASTRAL"},
    {R"(EXPEDICION\b)", "EXPEDICIÓN"},    {R"(\bv[aA]lid[oa]s?\b)", "válida"},
    {R"(\bsino\b)", "si no"},             {R"(numerado, )", "numerada"},
    {R"(\balgun\b)", "algún"},            {R"(\bobtendra\b)", "obtendrá"},
    {R"(^(OK|Cancel|Yes|No to All|Close|Apply|Open|Save|Discard|Reset)$)", "inglés"},
};

QStringList Erratas(const QString& texto)
{
    QStringList r;
    for (const auto& e : kErratas) {
        const QRegularExpression re(QString::fromUtf8(e.patron), QRegularExpression::CaseInsensitiveOption);
        if (re.match(texto).hasMatch())
            r << QString::fromUtf8(e.que);
    }
    const struct { QChar abre, cierra; } pares[] = {{u'(', u')'}, {u'[', u']'}, {u'¿', u'?'}, {u'«', u'»'}};
    for (const auto& p : pares)
        if (p.abre != u'¿' ? texto.count(p.abre) != texto.count(p.cierra) : texto.count(p.abre) > texto.count(p.cierra))
            r << QStringLiteral("%1 sin cerrar").arg(p.abre);
    return r;
}

QString Limpio(QString t)
{
    if (Qt::mightBeRichText(t))
        t = QTextDocumentFragment::fromHtml(t).toPlainText();
    return t.remove(u'&');
}

// Every text the window shows or can show: title, labels, buttons, groups, list items,
// tips, menus and their items.
QStringList TextosVisibles(QWidget* w)
{
    QStringList r{w->windowTitle()};
    QList<QWidget*> todos = w->findChildren<QWidget*>();
    todos.prepend(w);
    for (QWidget* c : todos) {
        r << c->toolTip();
        if (auto* l = qobject_cast<QLabel*>(c))
            r << l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(c))
            r << b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(c))
            r << g->title();
        else if (auto* m = qobject_cast<QMenu*>(c))
            r << m->title();
        else if (auto* e = qobject_cast<QLineEdit*>(c))
            r << e->placeholderText();
        if (auto* l = qobject_cast<QComboBox*>(c))
            for (int i = 0; i < l->count(); ++i)
                r << l->itemText(i);
    }
    for (QAction* a : w->findChildren<QAction*>())
        r << a->text() << a->toolTip();
    QStringList limpios;
    for (const QString& t : r)
        if (!Limpio(t).trimmed().isEmpty())
            limpios << Limpio(t);
    return limpios;
}

// A dialog class by name, built on the test's workspace.
struct Dialogo {
    QString clase;
    std::function<std::unique_ptr<QWidget>()> crear;
};

class TodosLosDialogos : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db = CrearWorkspace(m_ws.workspacePath());
        LlenarDemo(m_db, 4);
        Facturacion(m_db).FacturarMes(QDate(2024, 3, 1), QStringLiteral("MARZO"));
        m_recibo = QueryInteger(m_db, "SELECT MIN(ref) FROM recibo");
        PrepararEdicionRecibo(m_db, m_recibo);
        m_inmueble = QueryInteger(m_db, "SELECT MIN(ref) FROM inmueble WHERE length(ccc) = 10");
        m_doc.PonerCarpetaNueva(m_ws.dir());
        // Notices silenced: forms that show one on opening open without it.
        for (int a = 0; a <= int(Aviso::LongitudCuentaCorriente); ++a)
            GuardarEstadoAviso(DatosAviso(a), true);
    }

    std::vector<Dialogo> Dialogos()
    {
        using P = std::unique_ptr<QWidget>;
        std::vector<Dialogo> r = {
            {"CAcercaDeDlg", [] { return P(new CAcercaDeDlg); }},
            {"CBienvenidaDlg", [] { return P(new CBienvenidaDlg); }},
            {"CImpuestosDlg", [] { return P(new CImpuestosDlg); }},
            {"CMonedaDlg", [] { return P(new CMonedaDlg); }},
            {"CSufijoDlg", [] { return P(new CSufijoDlg); }},
            {"CTextoCuadroReciboFactura", [] { return P(new CTextoCuadroReciboFactura); }},
            {"CVencimientoDlg", [] { return P(new CVencimientoDlg); }},
            {"CMainFrame", [this] { return P(new CMainFrame(m_doc)); }},
            {"CCopiasInformeDlg", [] { return P(new CCopiasInformeDlg); }},
            {"CReciboBancoDlg",
             [this] {
                 const ReciboBancoInmueble datos = ReciboDesdeInmueble(m_db, m_inmueble, QDate(2024, 3, 1));
                 return P(new CReciboBancoDlg(nullptr, m_db, datos, QStringLiteral("50001774G")));
             }},
            {"CFacturacionMesDlg", [] { return P(new CFacturacionMesDlg(QDate(2024, 4, 1), false)); }},
            {"CFacturacionesDlg", [this] { return P(new CFacturacionesDlg(m_db)); }},
            {"CEmisionRecibosDlg", [this] { return P(new CEmisionRecibosDlg(m_db, QDate(2024, 3, 1), false, {})); }},
            {"CEmisionRecibosDlg TODOS", [this] { return P(new CEmisionRecibosDlg(m_db, QDate(2024, 3, 1), true, {})); }},
            {"CCobrosDlg", [this] { return P(new CCobrosDlg(m_db, QDate(2024, 3, 15))); }},
            {"CBuscarRecibosDlg", [this] { return P(new CBuscarRecibosDlg(m_db, QDate(2024, 3, 15))); }},
            {"CRecibosInmuebleDlg", [this] { return P(new CRecibosInmuebleDlg(m_db)); }},
            {"CReciboManualDlg", [] { return P(new CReciboManualDlg(AjustesRecibo{})); }},
            {"CFichaCobroDlg", [] { return P(new CFichaCobroDlg(1, QDateTime(QDate(2024, 3, 5), QTime()))); }},
            {"CModificarReciboDlg", [this] { return P(new CModificarReciboDlg(nullptr, m_db, m_recibo)); }},
            {"CInmueblesDlg", [this] { return P(new CInmueblesDlg(nullptr, m_db)); }},
            {"CPropietariosDlg", [this] { return P(new CPropietariosDlg(nullptr, m_db)); }},
            {"CDisenoReciboDlg", [] { return P(new CDisenoReciboDlg); }},
            {"CCalculadoraDlg", [] { return P(new CCalculadoraDlg); }},
            {"CCalculoNifCccDlg", [] { return P(new CCalculoNifCccDlg); }},
            {"CEsperaDlg", [] { return P(new CEsperaDlg); }},
            {"CFechaDlg", [] { return P(new CFechaDlg); }},
            {"CFechaDlg con tamaño", [] { return P(new CFechaDlg(nullptr, true)); }},
            {"CMesDlg", [] { return P(new CMesDlg); }},
            {"CSeleccionRecibosDlg",
             [this] { return P(new CSeleccionRecibosDlg(m_db, ModoSeleccion::Papel, QDateTime::currentDateTime())); }},
            {"DlgInformes",
             [] { return P(new DlgInformes(QStringList{QStringLiteral("CALLE MAYOR 5 2º B")},
                                           QStringLiteral("Facturación MARZO del 2024."))); }},
            {"CTextoDocumentoDlg", [] { return P(new CTextoDocumentoDlg(QStringLiteral("PRIMERA.- Texto."))); }},
            {"CDialogEditarMailing", [] { return P(new CDialogEditarMailing(nullptr, QString())); }},
            {"CMailingDlg",
             [this] { return P(new CMailingDlg(nullptr, m_db, LeerFilasMailing(m_db), EntornoDocumentosPorDefecto())); }},
            {"CDocumentosDlg",
             [this] { return P(new CDocumentosDlg(nullptr, m_db, m_inmueble, EntornoDocumentosPorDefecto())); }},
            {"CContratosDlg",
             [this] { return P(new CContratosDlg(nullptr, m_db, m_inmueble, EntornoDocumentosPorDefecto())); }},
            {"CCartaAumentoDlg",
             [this] { return P(new CCartaAumentoDlg(nullptr, m_db, m_inmueble, EntornoDocumentosPorDefecto())); }},
            {"CCartaRequerimientoDlg",
             [this] { return P(new CCartaRequerimientoDlg(nullptr, m_db, m_inmueble, EntornoDocumentosPorDefecto())); }},
            {"CCartaRescisionDlg",
             [] {
                 return P(new CCartaRescisionDlg(nullptr, QStringLiteral("Carta Rescisión"),
                                                 QStringLiteral("Reunidos de una parte PÉREZ."), EntornoDocumentosPorDefecto()));
             }},
            {"CInfoAvanzadaContratoDlg",
             [] {
                 return P(new CInfoAvanzadaContratoDlg(nullptr, {QStringLiteral("PÉREZ")}, QString(), {}));
             }},
            {"CDlgActualizaciones",
             [this] { return P(new CDlgActualizaciones(m_actualizador, OpcionesActualizacion{})); }},
            {"CPedirTextoDlg", [] { return P(new CPedirTextoDlg); }},
            {"CMenuInformesDlg", [] { return P(new CMenuInformesDlg); }},
            {"CBuscarInmuebleDlg",
             [this] { return P(new CBuscarInmuebleDlg(nullptr, m_db, CBuscarInmuebleDlg::Modo::Texto)); }},
            {"CBuscarInmuebleDlg mes",
             [this] { return P(new CBuscarInmuebleDlg(nullptr, m_db, CBuscarInmuebleDlg::Modo::MesContrato)); }},
            {"COrdenarInmueblesDlg", [] { return P(new COrdenarInmueblesDlg); }},
            {"CFiltroInmueblesDlg", [this] { return P(new CFiltroInmueblesDlg(nullptr, m_db)); }},
            {"CInformeDlg", [this] { return P(new CInformeDlg(m_db, {})); }},
            {"CExportacionFacturacionDlg", [this] { return P(new CExportacionFacturacionDlg(m_db)); }},
        };
        for (int a = 0; a <= int(Aviso::LongitudCuentaCorriente); ++a)
            r.push_back({QStringLiteral("CAvisoDlg %1").arg(a), [a] { return P(new CAvisoDlg(nullptr, a)); }});
        return r;
    }

    TempWorkspace m_ws;
    Database m_db;
    CRentivaDoc m_doc;
    qint64 m_recibo = 0;
    qint64 m_inmueble = 0;
    CActualizador m_actualizador;
};

// The dialog classes declared in src/ (a form base excepted).
QStringList ClasesDeDialogo()
{
    QStringList r;
    // utilidad is a program of its own, tested apart.
    // The bases that forms derive from are listed through their forms.
    const QStringList bases = {QStringLiteral("CFichaDlg"), QStringLiteral("CAjusteDlg"), QStringLiteral("CCartaDlg")};
    const QRegularExpression re(QStringLiteral(R"(class\s+(C\w+)\s*(?:final\s*)?:\s*public\s+(QDialog|QMainWindow|C\w+Dlg)\b)"));
    QDirIterator it(QStringLiteral(RENTIVA_SOURCE_DIR "/src"), {QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QRegularExpressionMatch& m : re.globalMatch(QString::fromUtf8(f.readAll())))
            if ((m.captured(2).startsWith(u'Q') || bases.contains(m.captured(2))) && !bases.contains(m.captured(1))
                && !it.filePath().contains(QLatin1String("/src/updater/")))
                r << m.captured(1);
    }
    return r;
}


// A field the user types or chooses in (not a button).
bool EsCampo(const QWidget* w)
{
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return !e->isReadOnly();
    if (auto* t = qobject_cast<const QPlainTextEdit*>(w))
        return !t->isReadOnly();
    if (auto* t = qobject_cast<const QTextEdit*>(w))
        return !t->isReadOnly();
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w);
}

// The group box a widget sits in, or its window.
const QWidget* Grupo(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QGroupBox*>(p) || p->isWindow())
            return p;
    return nullptr;
}

QRect Caja(const QWidget* w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// True when `b` comes before `a` for a reader: wholly above it, or beside it on its left.
bool Antes(const QRect& a, const QRect& b)
{
    const int holgura = 4;
    if (b.bottom() < a.top() + holgura)
        return true;
    const bool mismaFila = b.top() < a.bottom() - holgura && a.top() < b.bottom() - holgura;
    return mismaFila && b.right() < a.left() + holgura;
}

QString Nombre(const QWidget* w)
{
    QString n = w->objectName();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        n += u'"' + b->text() + u'"';
    return QString::fromLatin1(w->metaObject()->className()) + u' ' + n;
}

// The widgets Tab visits from the one that has the focus when the window is shown, until it
// comes back to it (the line edit of a drop-down list counts as the list).
QList<QWidget*> RecorridoTab(QWidget* ventana)
{
    ventana->show();
    QApplication::setActiveWindow(ventana);
    if (!QTest::qWaitForWindowActive(ventana))
        return {};
    QList<QWidget*> r;
    for (int i = 0; i < 200; ++i) {
        QWidget* w = QApplication::focusWidget();
        if (!w)
            break;
        if (qobject_cast<QComboBox*>(w->parentWidget()) && w->objectName().isEmpty())
            w = w->parentWidget();
        if (r.contains(w))
            break;
        r << w;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return r;
}

}  // namespace

TEST_F(TodosLosDialogos, EveryDialogClassIsListedHere)
{
    QStringList listadas;
    for (const Dialogo& d : Dialogos())
        listadas << d.clase.section(u' ', 0, 0);
    const QStringList clases = ClasesDeDialogo();
    EXPECT_GE(clases.size(), 20);
    for (const QString& c : clases)
        EXPECT_TRUE(listadas.contains(c)) << c.toStdString() << " is not in Dialogos()";
}

TEST_F(TodosLosDialogos, VisibleTextsAreWrittenAsSpanishIsWritten)
{
    QStringList fallos;
    int textos = 0;
    for (const Dialogo& d : Dialogos()) {
        std::unique_ptr<QWidget> w = d.crear();
        for (const QString& t : TextosVisibles(w.get())) {
            ++textos;
            for (const QString& e : Erratas(t))
                fallos << QStringLiteral("%1: «%2» (%3)").arg(d.clase, t, e);
        }
    }
    // Messages the forms ask with, kept as constants.
    for (const QString& t : {kPreguntaBorrarPropietario, kPreguntaBorrarInmueble})
        for (const QString& e : Erratas(t))
            fallos << QStringLiteral("«%1» (%2)").arg(t, e);
    EXPECT_GT(textos, 300);
    EXPECT_TRUE(fallos.isEmpty()) << fallos.join(u'\n').toStdString();
}

// What pdftotext reads from a printed receipt, invoice and bank listing of the demonstration.
TEST_F(TodosLosDialogos, PrintedTextsAreWrittenAsSpanishIsWritten)
{
    m_db.exec("UPDATE inmueble SET refcatastral = '9872023VH5797S0001WX';"
              "UPDATE recibo SET refcatastral = '9872023VH5797S0001WX'");
    const QString rtv = m_ws.workspacePath();
    Statement q(m_db, "SELECT arrendador FROM recibo WHERE length(ccc) = 10 AND is_recibo_banco <> 0 LIMIT 1");
    ASSERT_TRUE(q.next());
    const QString propietario = q.text(0);
    const QString recibos = m_ws.file(QStringLiteral("recibos.pdf"));
    const QString facturas = m_ws.file(QStringLiteral("facturas.pdf"));
    const QString listado = m_ws.file(QStringLiteral("listado.pdf"));
    QString err;
    ASSERT_EQ(RunCli({QStringLiteral("recibos-pdf"), rtv, QStringLiteral("2024-03"), recibos}, nullptr, &err), 0)
        << err.toStdString();
    ASSERT_EQ(RunCli({QStringLiteral("recibos-pdf"), rtv, QStringLiteral("2024-03"), facturas, QStringLiteral("--factura")},
                     nullptr, &err), 0) << err.toStdString();
    ASSERT_EQ(RunCli({QStringLiteral("remesa"), rtv, propietario, QStringLiteral("2024-03"),
                      m_ws.file(QStringLiteral("remesa.pr1")), QStringLiteral("--listado"), listado}, nullptr, &err), 0)
        << err.toStdString();
    QStringList fallos;
    for (const QString& pdf : {recibos, facturas, listado}) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        ASSERT_TRUE(p.waitForFinished(30000));
        const QStringList lineas = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        EXPECT_GT(lineas.size(), 10) << pdf.toStdString();
        for (const QString& l : lineas)
            for (const QString& e : Erratas(l.simplified()))
                fallos << QStringLiteral("%1: «%2» (%3)").arg(QFileInfo(pdf).fileName(), l.simplified(), e);
        if (pdf == recibos) {
            const QString todo = lineas.join(u'\n');
            for (const char* t : {"LOCALIDAD DE EXPEDICIÓN", "FECHA DE EXPEDICIÓN", "REFERENCIA CATASTRAL", "NÚMERO"})
                EXPECT_TRUE(todo.contains(QString::fromUtf8(t))) << t;
        }
    }
    EXPECT_TRUE(fallos.isEmpty()) << fallos.join(u'\n').toStdString();
}

// Every form fits a 1366 x 768 screen with a title bar and a panel (at most 700 pixels
// tall), scrolls on a smaller one, starts on its first field and Tab walks each group top
// to bottom, left to right.
TEST_F(TodosLosDialogos, FormsFitTheScreenAndTabReadsThemInOrder)
{
    // A desktop's usual font rather than the offscreen platform's smaller one.
    const QFont antes = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    QStringList fallos;
    for (const Dialogo& d : Dialogos()) {
        if (d.clase == QLatin1String("CMainFrame"))
            continue;   // the main window is sized by the user and has no fields
        std::unique_ptr<QWidget> w = d.crear();
        const QSize natural = w->sizeHint().expandedTo(w->minimumSizeHint());
        if (natural.height() > 700 || natural.width() > 1366)
            fallos << QStringLiteral("%1: %2 x %3 px").arg(d.clase).arg(natural.width()).arg(natural.height());
        QList<QWidget*> recorrido = RecorridoTab(w.get());
        if (recorrido.isEmpty()) {
            for (QWidget* c : w->findChildren<QWidget*>())
                if (c->isVisibleTo(w.get()) && (c->focusPolicy() & Qt::TabFocus))
                    fallos << d.clase + QStringLiteral(": nothing has the focus");
            continue;
        }
        bool hayCampos = false;
        for (QWidget* c : w->findChildren<QWidget*>())
            hayCampos = hayCampos || (c->isVisibleTo(w.get()) && c->isEnabled() && EsCampo(c));
        if (hayCampos && !EsCampo(recorrido.first()))
            fallos << d.clase + QStringLiteral(": starts on ") + Nombre(recorrido.first());
        // Tab goes round: the walk is read from the widget a reader meets first.
        const auto primero = std::min_element(recorrido.begin(), recorrido.end(), [](QWidget* a, QWidget* b) {
            const QRect ca = Caja(a), cb = Caja(b);
            return std::pair(ca.top(), ca.left()) < std::pair(cb.top(), cb.left());
        });
        std::rotate(recorrido.begin(), primero, recorrido.end());
        QHash<const QWidget*, QWidget*> ultimo;   // per group, the last widget Tab reached
        for (QWidget* c : recorrido) {
            QWidget*& previo = ultimo[Grupo(c)];
            if (previo && Antes(Caja(previo), Caja(c)))
                fallos << QStringLiteral("%1: Tab goes from %2 back to %3").arg(d.clase, Nombre(previo), Nombre(c));
            previo = c;
        }
        // Made smaller than a tall form, the form scrolls and its groups keep their size.
        if (natural.height() > 450) {
            auto* area = w->findChild<QScrollArea*>(QStringLiteral("formulario"));
            if (!area) {
                fallos << d.clase + QStringLiteral(": does not scroll");
            } else {
                w->resize(500, 350);
                QApplication::processEvents();
                if (!area->verticalScrollBar()->isVisible())
                    fallos << d.clase + QStringLiteral(": no scroll bar at 500 x 350");
                for (QGroupBox* g : w->findChildren<QGroupBox*>())
                    if (g->isVisible() && g->height() < g->minimumSizeHint().height())
                        fallos << QStringLiteral("%1: group %2 squeezed").arg(d.clase, g->title());
            }
        }
        w->hide();
    }
    QApplication::setFont(antes);
    EXPECT_TRUE(fallos.isEmpty()) << fallos.join(u'\n').toStdString();
}
