#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrlQuery>
#include <utility>

#include "app/acerca_dlg.h"
#include "app/actualizacion_programa.h"
#include "settings/ajustes.h"
#include "app/dibujos.h"
#include "app/documento.h"
#include "app/impuestos_dlg.h"
#include "app/moneda_dlg.h"
#include "properties/requisitos_menu.h"
#include "app/sufijo_dlg.h"
#include "app/texto_cuadro_recibo_factura_dlg.h"
#include "app/vencimiento_dlg.h"
#include "billing/demo.h"
#include "billing/cobros_dlg.h"
#include "billing/facturaciones_dlg.h"
#include "billing/recibo_manual_dlg.h"
#include "documents/editar_mailing_dlg.h"
#include "documents/mailing_dlg.h"
#include "documents/texto_documento_dlg.h"
#include "properties/buscar_inmueble_dlg.h"
#include "properties/comandos_propiedades_dlg.h"
#include "properties/filtro_inmuebles_dlg.h"
#include "properties/tabla_inmuebles_widget.h"
#include "receipts/diseno_recibo_dlg.h"
#include "reports/exportacion_facturacion_dlg.h"
#include "reports/informe_dlg.h"
#include "reports/menu_informes_dlg.h"
#include "update/actualizaciones_dlg.h"
#include "widgets/calculo_nif_ccc_dlg.h"
#include "util/errores.h"

namespace {

const QString kNoHayBase = QStringLiteral("No hay base abierta");

struct BotonBarra {
    Dibujo dibujo;
    int comando;
    const char* ayuda;
};

// Index order is the order on screen.
const BotonBarra kBotones[CRentivaForm::kNumBotones] = {
    {Dibujo::Casas, cmd::Inmuebles, "Inmuebles"},
    {Dibujo::Caras, cmd::Propietarios, "Propietarios"},
    {Dibujo::Formulario, cmd::Facturacion, "Facturación"},
    {Dibujo::Lista, cmd::Listados, "Listados"},
    {Dibujo::Sobre, cmd::Mailing, "Mailing"},
    {Dibujo::Documento, cmd::BotonPlantillas, "Editor de plantillas"},
    {Dibujo::Lupa, cmd::BotonBuscarInmueble, "Buscar inmueble"},
    {Dibujo::LetrasIpc, cmd::RentasActualizar, "Rentas a actualizar"},
    {Dibujo::Hucha, cmd::BotonCobros, "Cobros"},
    {Dibujo::Globo, cmd::Soporte, "Soporte técnico por correo"},
    {Dibujo::Interrogacion, cmd::Manual, "Manual"},
};

const struct { int id; int alto; } kAltosLetra[] = {
    {cmd::LetraGrande, 12}, {cmd::LetraNormal, 10}, {cmd::LetraPequena, 7}};

bool AbrirConElSistema(const QUrl& url) { return QDesktopServices::openUrl(url); }

// Where the report views are shown: the text document window at the height they ask for.
// None is built yet, so "Informe" keeps its view buttons disabled.
// The views of the billing report open in the text window, at the height they ask for.
MostrarTextoInforme VentanaTextoInformes()
{
    return [](QWidget* padre, const QString& titulo, const QString& texto, int alto) {
        CTextoDocumentoDlg ventana(texto, padre);
        ventana.setWindowTitle(titulo);
        ventana.PonerAltoLetra(alto);
        ventana.exec();
    };
}

}  // namespace

std::function<bool(const QUrl&)> CMainFrame::s_abrirUrl = AbrirConElSistema;
const QString CMainFrame::kCorreoSoporte = QStringLiteral("soporte@rentiva.es");

CRentivaForm::CRentivaForm(QWidget* parent) : QWidget(parent), m_fondo(DibujarFondo())
{
    for (int i = 0; i < kNumBotones; ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("boton%1").arg(i));
        b->setGeometry(5 + 65 * i, 5, 60, 60);
        b->setIcon(QPixmap::fromImage(DibujarIcono(kBotones[i].dibujo, 96)));
        b->setIconSize(QSize(48, 48));
        b->setToolTip(QString::fromUtf8(kBotones[i].ayuda));
        b->setAccessibleName(b->toolTip());
        b->hide();
        m_botones << b;
    }
    m_tabla = new CTablaInmueblesWidget(this);
    m_tabla->hide();
}

void CRentivaForm::resizeEvent(QResizeEvent*)
{
    // Below the row of buttons, to the window's edges.
    m_tabla->setGeometry(5, 70, std::max(0, width() - 10), std::max(0, height() - 75));
}

void CRentivaForm::paintEvent(QPaintEvent*)
{
    // The picture fits the window whole; its own left edge, stretched, fills what is left,
    // so a maximised window shows no white band and a small one cuts nothing.
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), m_fondo, QRect(0, 0, 1, m_fondo.height()));
    QRect destino(QPoint(0, 0), m_fondo.size().scaled(size(), Qt::KeepAspectRatio));
    destino.moveCenter(rect().center());
    p.drawImage(destino, m_fondo);
}

CMainFrame::CMainFrame(CRentivaDoc& doc, QWidget* parent) : QMainWindow(parent), m_doc(doc)
{
    m_form = new CRentivaForm(this);
    setCentralWidget(m_form);
    auto* preparado = new QLabel(QStringLiteral("Preparado"), this);
    statusBar()->addWidget(preparado, 1);
    CrearMenu();
    for (int i = 0; i < CRentivaForm::kNumBotones; ++i) {
        const int comando = kBotones[i].comando;
        m_comandoBoton << comando;
        connect(m_form->Boton(i), &QPushButton::clicked, this, [this, comando] { Ejecutar(comando); });
    }
    RutearIncorporados();
    // Room for the whole picture, but never more than the screen offers.
    resize(QSize(950, 800).boundedTo(screen()->availableSize()));
    connect(&m_doc, &CRentivaDoc::BaseCambiada, this, &CMainFrame::ActualizarEstados);
    connect(&m_doc, &CRentivaDoc::BaseCerrando, this, [this] { m_form->Tabla()->Mostrar(nullptr); });
    connect(&m_doc, &CRentivaDoc::BaseCambiada, this, &CMainFrame::MostrarTabla);
    connect(m_form->Tabla(), &CTablaInmueblesWidget::InmuebleElegido, this, [this](qint64 ref) {
        try {
            AbrirInmuebleElegido(this, m_doc.Base(), ref);
        } catch (const std::exception& e) {
            QMessageBox::critical(this, QStringLiteral("Inmuebles"), TextoError(e));
        }
        m_form->Tabla()->Recargar();
    });
    ActualizarEstados();
    MostrarTabla();
}

QAction* CMainFrame::Crear(int id, const QString& texto, Necesita necesita)
{
    auto* a = new QAction(texto, this);
    a->setObjectName(QStringLiteral("cmd%1").arg(id));
    a->setVisible(false);
    connect(a, &QAction::triggered, this, [this, id] { Ejecutar(id); });
    m_acciones.insert(id, a);
    m_necesita.insert(id, necesita);
    return a;
}

void CMainFrame::CrearMenu()
{
    QMenuBar* barra = menuBar();
    auto item = [this](QMenu* menu, int id, const QString& texto, Necesita n = Necesita::Nada,
                       const QKeySequence& atajo = {}) {
        QAction* a = Crear(id, texto, n);
        a->setShortcut(atajo);
        menu->addAction(a);
        return a;
    };
    auto enBarra = [this, barra](int id, const QString& texto, Necesita n) {
        barra->addAction(Crear(id, texto, n));
    };

    QMenu* archivo = barra->addMenu(QStringLiteral("&Archivo"));
    item(archivo, cmd::ArchivoNuevo, QStringLiteral("&Nuevo"), Necesita::Nada, QKeySequence(Qt::CTRL | Qt::Key_N));
    item(archivo, cmd::ArchivoAbrir, QStringLiteral("&Abrir..."), Necesita::Nada, QKeySequence(Qt::CTRL | Qt::Key_A));
    item(archivo, cmd::GuardarComo, QStringLiteral("Guardar como"), Necesita::BaseYActivo);
    item(archivo, cmd::ConfigurarImpresora, QStringLiteral("Con&figurar impresora..."));
    archivo->addSeparator();
    item(archivo, cmd::CrearCopia, QStringLiteral("Crear Copia de Seguridad"));
    item(archivo, cmd::RestaurarCopia, QStringLiteral("Restaurar Copia de Seguridad"));
    item(archivo, cmd::Importar, QStringLiteral("Importar"));
    item(archivo, cmd::ExportacionFacturacion, QStringLiteral("Exportación Facturación"), Necesita::Base);
    item(archivo, cmd::CrearDemo, QStringLiteral("Crear archivo de demostración"));
    m_archivo = archivo;
    m_antesDeSalir = archivo->addSeparator();
    connect(archivo, &QMenu::aboutToShow, this, &CMainFrame::ListarRecientes);
    item(archivo, cmd::Salir, QStringLiteral("&Salir"), Necesita::Nada, QKeySequence::Quit);

    enBarra(cmd::Inmuebles, QStringLiteral("&Inmuebles"), Necesita::BaseYActivo);
    enBarra(cmd::Propietarios, QStringLiteral("&Propietarios"), Necesita::BaseYActivo);
    enBarra(cmd::Listados, QStringLiteral("&Listados"), Necesita::BaseYActivo);
    enBarra(cmd::Facturacion, QStringLiteral("&Facturación"), Necesita::BaseYActivo);

    QMenu* opciones = barra->addMenu(QStringLiteral("&Opciones"));
    QMenu* letra = opciones->addMenu(QStringLiteral("Tamaño Letra Documentos"));
    for (const auto& [id, texto] : {std::pair{cmd::LetraGrande, "Grande"}, std::pair{cmd::LetraNormal, "Normal"},
                                    std::pair{cmd::LetraPequena, "Pequeña"}})
        item(letra, id, QString::fromUtf8(texto))->setCheckable(true);
    item(opciones, cmd::DisenoRecibo, QStringLiteral("Diseño Recibo"));
    item(opciones, cmd::TipoReciboFactura, QStringLiteral("Tipo: Recibo o Factura"), Necesita::Base);
    QMenu* herramientas = opciones->addMenu(QStringLiteral("Herramientas"));
    m_submenus << letra << herramientas;
    item(herramientas, cmd::NifCcc, QStringLiteral("NIF/CCC"));
    item(herramientas, cmd::ReciboManual, QStringLiteral("Recibo"));
    item(opciones, cmd::Moneda, QStringLiteral("Moneda"));
    item(opciones, cmd::Impuestos, QStringLiteral("Impuestos"));
    item(opciones, cmd::Vencimiento, QStringLiteral("Vencimiento Recibos"));
    item(opciones, cmd::SufijoBanco, QStringLiteral("Sufijo Recibo Banco"));
    item(opciones, cmd::Actualizaciones, QStringLiteral("Actualizaciones"), Necesita::Base);

    enBarra(cmd::RentasActualizar, QStringLiteral("Rentas a  Actualizar"), Necesita::Base);
    enBarra(cmd::Mailing, QStringLiteral("Mailing"), Necesita::Base);

    QMenu* ayuda = barra->addMenu(QStringLiteral("Ay&uda"));
    item(ayuda, cmd::Manual, QStringLiteral("Manual"), Necesita::Nada, QKeySequence(Qt::Key_F1));
    item(ayuda, cmd::VideoTutorial, QStringLiteral("Vídeo Tutorial"));
    item(ayuda, cmd::Soporte, QStringLiteral("Soporte Técnico por Correo"));
    item(ayuda, cmd::AcercaDe, QStringLiteral("Acerca de Rentiva"));

    // Commands of buttons only; they have no menu item.
    Crear(cmd::BotonPlantillas, QStringLiteral("Editor de plantillas"), Necesita::Base);
    Crear(cmd::BotonBuscarInmueble, QStringLiteral("Buscar inmueble"), Necesita::Base);
    Crear(cmd::BotonCobros, QStringLiteral("Cobros"), Necesita::Base);

    for (QMenu* m : {archivo, opciones, ayuda, letra, herramientas})
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::ActualizarEstados);

    // The printer is chosen in each print dialog; the item stays for those who look for it.
    Accion(cmd::ConfigurarImpresora)->setVisible(true);
    Accion(cmd::ConfigurarImpresora)->setEnabled(false);
}

void CMainFrame::Rutear(int id, std::function<void()> accion)
{
    Q_ASSERT(m_acciones.contains(id));
    m_rutas.insert(id, std::move(accion));
    if (QAction* a = Accion(id))
        a->setVisible(true);
    ActualizarEstados();
}

void CMainFrame::RutearInmuebles(std::function<void()> editor)
{
    Rutear(cmd::Inmuebles, [this, editor = std::move(editor)] {
        bool hay = false;
        try {
            hay = HayPropietarios(m_doc.Base());
        } catch (const DbError&) {
            QMessageBox::warning(this, QStringLiteral("Inmuebles"), kErrorPropietarios);
            return;
        }
        if (!hay) {
            QMessageBox::information(this, QStringLiteral("Inmuebles"), kSinPropietarios);
            return;
        }
        editor();
    });
}

void CMainFrame::RutearListados(std::function<void()> menu)
{
    Rutear(cmd::Listados, [this, menu = std::move(menu)] {
        // A database error reaches Ejecutar, which shows its description.
        if (!HayInmuebles(m_doc.Base())) {
            QMessageBox::information(this, QStringLiteral("Listados"), kSinInmuebles);
            return;
        }
        menu();
    });
}

void CMainFrame::Ejecutar(int id)
{
    const auto ruta = m_rutas.constFind(id);
    if (ruta == m_rutas.constEnd())
        return;
    if (m_necesita.value(id) != Necesita::Nada && !m_doc.EstaAbierta()) {
        QMessageBox::warning(this, QStringLiteral("Rentiva"), kNoHayBase);
        return;
    }
    try {
        (*ruta)();
    } catch (const std::exception& e) {
        QMessageBox::critical(this, QStringLiteral("Rentiva"), TextoError(e));
    }
    ActualizarEstados();
    // Whatever the command wrote (a property, a run, an order) shows in the list.
    if (m_doc.EstaAbierta())
        m_form->Tabla()->Recargar();
}

void CMainFrame::MostrarTabla()
{
    CTablaInmueblesWidget* tabla = m_form->Tabla();
    const bool abierta = m_doc.EstaAbierta();
    tabla->Mostrar(abierta ? &m_doc.Base() : nullptr);
    tabla->setVisible(abierta);
}

void CMainFrame::ActualizarEstados()
{
    const bool abierta = m_doc.EstaAbierta();
    for (auto it = m_necesita.constBegin(); it != m_necesita.constEnd(); ++it)
        if (it.value() == Necesita::BaseYActivo)
            m_acciones.value(it.key())->setEnabled(abierta);

    const int alto = LeerEntero(ajustes::kContrato, ajustes::kAltoLetra, ajustes::kAltoLetraPorDefecto);
    for (const auto& a : kAltosLetra)
        Accion(a.id)->setChecked(a.alto == alto);

    for (QMenu* m : m_submenus) {
        bool alguno = false;
        for (QAction* a : m->actions())
            alguno = alguno || a->isVisible();
        m->menuAction()->setVisible(alguno);
    }

    for (int i = 0; i < CRentivaForm::kNumBotones; ++i)
        m_form->Boton(i)->setVisible(abierta && m_rutas.contains(m_comandoBoton[i]));

    const QString titulo = m_doc.Titulo();
    setWindowTitle(titulo.isEmpty() ? CRentivaDoc::kTituloSinBase : titulo);
}

void CMainFrame::RutearIncorporados()
{
    Rutear(cmd::ArchivoNuevo, [this] { m_doc.ArchivoNuevo(); });
    Rutear(cmd::ArchivoAbrir, [this] { m_doc.ArchivoAbrir(); });
    Rutear(cmd::GuardarComo, [this] { m_doc.GuardarComo(); });
    Rutear(cmd::CrearCopia, [this] { m_doc.CrearCopia(); });
    Rutear(cmd::RestaurarCopia, [this] { m_doc.RestaurarCopia(); });
    Rutear(cmd::Importar, [this] { m_doc.RestaurarCopia(); });
    Rutear(cmd::Salir, [this] { close(); });
    for (const auto& a : kAltosLetra) {
        const int alto = a.alto;
        Rutear(a.id, [this, alto] { EscribirAltoLetra(alto); });
    }
    Rutear(cmd::Manual, [this] { AbrirManual(); });
    Rutear(cmd::Soporte, [this] { CorreoSoporte(); });
    Rutear(cmd::AcercaDe, [this] { CAcercaDeDlg(this).exec(); });

    Rutear(cmd::TipoReciboFactura, [this] { CTextoCuadroReciboFactura(this).exec(); });
    Rutear(cmd::Moneda, [this] { CMonedaDlg(this).exec(); });
    Rutear(cmd::Impuestos, [this] { CImpuestosDlg(this).exec(); });
    Rutear(cmd::Vencimiento, [this] { CVencimientoDlg(this).exec(); });
    Rutear(cmd::SufijoBanco, [this] { CSufijoDlg(this).exec(); });
    Rutear(cmd::DisenoRecibo, [this] { CDisenoReciboDlg(this).exec(); });
    Rutear(cmd::NifCcc, [this] { CCalculoNifCccDlg(this).exec(); });

#if RENTIVA_AUTOACTUALIZACION
    Rutear(cmd::Actualizaciones, [this] {
        CActualizador& actualizador = ActualizadorDelPrograma();
        // A release handed to utilidad: the program ends (closing the workspace as the window
        // does) so that utilidad can replace it.
        if (CDlgActualizaciones(actualizador, OpcionesDelPrograma(), this).exec() == QDialog::Accepted &&
            actualizador.Comprobado())
            close();
    });
#endif

    Rutear(cmd::CrearDemo, [this] { CrearDemostracion(); });
    Rutear(cmd::Facturacion, [this] { CFacturacionesDlg(m_doc.Base(), this).exec(); });
    Rutear(cmd::BotonCobros, [this] { CCobrosDlg(m_doc.Base(), QDate::currentDate(), this).exec(); });
    Rutear(cmd::ReciboManual, [this] { CReciboManualDlg(LeerAjustesRecibo(), this).exec(); });
    RutearInmuebles([this] { AbrirInmuebles(this, m_doc.Base()); });
    Rutear(cmd::Propietarios, [this] { AbrirPropietarios(this, m_doc.Base()); });
    Rutear(cmd::BotonBuscarInmueble, [this] { AbrirBusquedaInmuebles(this, m_doc.Base()); });
    Rutear(cmd::RentasActualizar, [this] { AbrirRentasActualizar(this, m_doc.Base()); });
    RutearListados([this] { AbrirInformes(); });
    Rutear(cmd::ExportacionFacturacion, [this] { CExportacionFacturacionDlg(m_doc.Base(), this).exec(); });
    Rutear(cmd::Mailing, [this] { AbrirMailing(this, m_doc.Base(), EntornoDocumentosPorDefecto()); });
    Rutear(cmd::BotonPlantillas, [this] { CDialogEditarMailing(this, QString()).exec(); });
    // A workspace without owners leads the user to create the first one.
    connect(&m_doc, &CRentivaDoc::BaseAbierta, this, [this] {
        if (m_doc.EstaAbierta()) {
            PasoPrimerPropietario(this, m_doc.Base());
            m_form->Tabla()->Recargar();
        }
    });
}

void CMainFrame::AbrirInformes()
{
    CMenuInformesDlg menu(this);
    menu.AnadirInforme(QStringLiteral("Informe Facturación"),
                       [this] { CInformeDlg(m_doc.Base(), VentanaTextoInformes(), this).exec(); });
    menu.AnadirInforme(QStringLiteral("Informe Inmuebles"), [this] { CFiltroInmueblesDlg(this, m_doc.Base()).exec(); });
    menu.exec();
}

void CMainFrame::EscribirAltoLetra(int alto)
{
    EscribirEntero(ajustes::kContrato, ajustes::kAltoLetra, alto);
}

QString CMainFrame::RutaManual()
{
    const QString dir = QCoreApplication::applicationDirPath();
    QStringList candidatos = {dir + QStringLiteral("/manual.html"), dir + QStringLiteral("/../manual.html"),
                              dir + QStringLiteral("/../share/doc/rentiva/manual.html")};
    candidatos += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                            QStringLiteral("doc/rentiva/manual.html"));
    for (const QString& c : candidatos)
        if (QFileInfo(c).isFile())
            return QFileInfo(c).canonicalFilePath();
    return {};
}

void CMainFrame::AbrirManual()
{
    const QString ruta = RutaManual();
    if (ruta.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Manual"),
                             QStringLiteral("No se encuentra el manual (manual.html). Reinstale el programa."));
        return;
    }
    if (!s_abrirUrl(QUrl::fromLocalFile(ruta)))
        QMessageBox::warning(this, QStringLiteral("Manual"),
                             QStringLiteral("No se puede abrir el manual: %1").arg(ruta));
}

void CMainFrame::CorreoSoporte()
{
    QUrl url(QStringLiteral("mailto:") + kCorreoSoporte);
    QUrlQuery q;
    q.addQueryItem(QStringLiteral("subject"), QStringLiteral("Consulta sobre Rentiva"));
    q.addQueryItem(QStringLiteral("body"), QStringLiteral("Escriba aquí su duda"));
    url.setQuery(q);
    if (!s_abrirUrl(url))
        QMessageBox::warning(this, QStringLiteral("Soporte Técnico por Correo"),
                             QStringLiteral("No hay ningún programa de correo configurado. Escriba a %1.")
                                 .arg(kCorreoSoporte));
}

void CMainFrame::CrearDemostracion()
{
    const QString titulo = QStringLiteral("Crear archivo de demostración");
    QString ruta = QFileDialog::getSaveFileName(
        this, titulo,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/demostracion.rtv"),
        QStringLiteral("Rentiva (*.rtv);;Todos los archivos (*)"), nullptr,
        // The demo never replaces a file: an existing name is refused with a message instead
        // of asking to overwrite it first.
        QFileDialog::DontConfirmOverwrite);
    if (ruta.isEmpty())
        return;
    if (!ruta.endsWith(QLatin1String(".rtv"), Qt::CaseInsensitive))
        ruta += QStringLiteral(".rtv");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        CrearArchivoDemo(ruta);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    m_doc.AbrirBase(ruta);   // reports its own failure
}

void CMainFrame::closeEvent(QCloseEvent* e)
{
    // When the workspace cannot be closed the window stays open, so nothing is lost silently.
    if (m_doc.CerrarBase())
        e->accept();
    else
        e->ignore();
}

void CMainFrame::ListarRecientes()
{
    qDeleteAll(m_recientes);
    m_recientes.clear();
    const QStringList lista = ArchivosRecientes();
    if (!lista.isEmpty())
        m_recientes << m_archivo->insertSeparator(m_antesDeSalir);
    for (int i = 0; i < lista.size(); ++i) {
        const QString ruta = lista[i];
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(ruta)), m_archivo);
        a->setToolTip(ruta);
        connect(a, &QAction::triggered, this, [this, ruta] { m_doc.AbrirReciente(ruta); });
        m_archivo->insertAction(m_antesDeSalir, a);
        m_recientes << a;
    }
}
