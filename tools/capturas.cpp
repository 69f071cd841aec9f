// Writes the README's screenshots of the main window and of some forms: `capturas <folder>`.
// Runs on the offscreen platform; uses a temporary settings file and workspaces.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "app/dibujos.h"
#include "app/documento.h"
#include "app/main_window.h"
#include "properties/tabla_inmuebles_widget.h"
#include "app/traducciones.h"
#include "billing/demo.h"
#include "billing/emision_facturacion.h"
#include "billing/facturacion.h"
#include "billing/buscar_recibos_dlg.h"
#include "properties/buscar_inmueble_dlg.h"
#include "billing/cobros_dlg.h"
#include "billing/emision_recibos_dlg.h"
#include "billing/facturaciones_dlg.h"
#include "billing/seleccion_recibos_dlg.h"
#include "data/database.h"
#include "data/workspace.h"
#include "documents/editar_mailing_dlg.h"
#include "documents/mailing.h"
#include "documents/mailing_dlg.h"
#include "data/record_sets.h"
#include "documents/archivo_documento.h"
#include "documents/carta_aumento_dlg.h"
#include "documents/carta_requerimiento_dlg.h"
#include "documents/contratos_dlg.h"
#include "documents/impresor_texto.h"
#include "documents/info_avanzada_contrato_dlg.h"
#include "documents/modelo_contrato.h"
#include "documents/texto_documento_dlg.h"
#include "properties/inmuebles_dlg.h"
#include "properties/propietarios_dlg.h"
#include "reports/filtro_facturacion_widget.h"
#include "reports/informe_dlg.h"
#include "reports/informes_dlg.h"
#include "reports/listado_facturacion.h"
#include "reports/salida_pdf.h"
#include "reports/seleccion_informe.h"
#include "settings/ajustes.h"

namespace {

constexpr int kTitulo = 28;

// A window as grabbed, under a plain title bar that shows its caption.
QPixmap ConTitulo(QWidget& w)
{
    QCoreApplication::processEvents();
    const QPixmap ventana = w.grab();
    QPixmap img(ventana.width(), ventana.height() + kTitulo);
    img.fill(QColor(0x2b, 0x3a, 0x55));
    QPainter p(&img);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, img.width(), kTitulo), Qt::AlignCenter, w.windowTitle());
    p.drawPixmap(0, kTitulo, ventana);
    return img;
}

// A form with, when given, the message box it shows drawn over its middle.
bool GuardarFormulario(QWidget& w, const QString& ruta, QWidget* mensaje = nullptr)
{
    QPixmap img = ConTitulo(w);
    if (mensaje) {
        const QPixmap caja = ConTitulo(*mensaje);
        QPainter p(&img);
        p.setPen(QPen(QColor(0x2b, 0x3a, 0x55), 2));
        const QRect donde(QPoint((img.width() - caja.width()) / 2, (img.height() - caja.height()) / 2), caja.size());
        p.drawPixmap(donde.topLeft(), caja);
        p.drawRect(donde.adjusted(-1, -1, 0, 0));
    }
    return img.save(ruta);
}

// The main window, with an open menu drawn where it would appear.
bool Guardar(QMainWindow& w, const QString& ruta, QMenu* menu = nullptr, int x = 0)
{
    QPixmap img = ConTitulo(w);
    QPainter p(&img);
    if (menu) {
        menu->popup(w.mapToGlobal(QPoint(x, w.menuBar()->height())));
        QCoreApplication::processEvents();
        p.drawPixmap(x, kTitulo + w.menuBar()->height(), menu->grab());
        menu->hide();
    }
    p.end();
    return img.save(ruta);
}

QMenu* Menu(QMainWindow& w, const QString& titulo, int* x)
{
    for (QAction* a : w.menuBar()->actions())
        if (a->text() == titulo) {
            *x = w.menuBar()->actionGeometry(a).x();
            return a->menu();
        }
    return nullptr;
}

// The owner form telling that an account's check digits are wrong, the property form, and
// a file dialog in Spanish.
bool CapturarFormularios(const QString& destino, const QString& demo)
{
    // A desktop's usual font rather than the offscreen platform's smaller one.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    InstalarTraducciones();
    Database db = AbrirWorkspace(demo);
    bool ok = true;
    {
        CPropietariosDlg propietarios(nullptr, db);
        propietarios.show();
        const auto campo = [&](const char* nombre) {
            return propietarios.findChild<QLineEdit*>(QString::fromLatin1(nombre));
        };
        campo("banco")->setText(QStringLiteral("2100"));
        campo("sucursal")->setText(QStringLiteral("0418"));
        campo("dc")->setText(QStringLiteral("46"));
        campo("ccc")->setText(QStringLiteral("0200051332"));
        bool visto = false;
        QTimer reloj;
        QObject::connect(&reloj, &QTimer::timeout, [&] {
            if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                reloj.stop();
                visto = GuardarFormulario(propietarios, destino + QStringLiteral("/cuenta_erronea.png"), caja);
                caja->done(QMessageBox::No);
            }
        });
        reloj.start(50);
        propietarios.BotonAceptar()->click();
        ok = visto && ok;
        propietarios.reject();
    }
    {
        CInmueblesDlg inmuebles(nullptr, db);
        inmuebles.resize(inmuebles.sizeHint());   // the offscreen screen is narrower than a laptop's
        inmuebles.show();
        ok = GuardarFormulario(inmuebles, destino + QStringLiteral("/ficha_inmueble.png")) && ok;
    }
    // A folder as a user keeps it: the workspace and a backup copy.
    const QString carpeta = QFileInfo(demo).absolutePath() + QStringLiteral("/Alquileres");
    QDir().mkpath(carpeta);
    QFile::copy(demo, carpeta + QStringLiteral("/pisos.rtv"));
    QFile::copy(demo, carpeta + QStringLiteral("/pisos copia de seguridad.rtv"));
    QFileDialog archivos(nullptr, QStringLiteral("Abrir"), carpeta,
                         QStringLiteral("Rentiva (*.rtv);;Todos los archivos (*)"));
    archivos.setOption(QFileDialog::DontUseNativeDialog);
    archivos.resize(760, 460);
    archivos.show();
    return GuardarFormulario(archivos, destino + QStringLiteral("/dialogo_archivo.png")) && ok;
}

bool GuardarDialogo(QDialog& d, const QString& ruta)
{
    d.show();
    const bool ok = ConTitulo(d).save(ruta);
    d.hide();
    return ok;
}

// A short housing contract model with the fields a user puts in one.
QByteArray ModeloEjemplo()
{
    return "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fmodern Courier New;}}"
           "\\paperw11906\\paperh16838\\margl1400\\margr1400\\f0\\fs22\r\n"
           "{\\pard\\qc\\b\\fs28 CONTRATO DE ARRENDAMIENTO DE VIVIENDA\\par}\r\n"
           "{\\pard\\qr En &Locali, a &Fecha_.\\par}\\par\r\n"
           "{\\pard\\b REUNIDOS\\par}\\pard &Reunid"
           "{\\pard\\b INTERVIENEN\\par}\\pard &Interv\\par\\par\r\n"
           "{\\pard\\b CL\\'c1USULAS\\par}\r\n"
           "\\pard\\qj {\\b PRIMERA.- }&Equipa\\par\\par\r\n"
           "{\\b SEGUNDA.- }El plazo de duraci\\'f3n es de &Duraci, a contar desde hoy.\\par\\par\r\n"
           "{\\b TERCERA.- }Se pacta una renta mensual de &Renta_, que se pagar\\'e1&FPago_.\\par\\par\r\n"
           "{\\b CUARTA.- }El arrendatario entrega en concepto de fianza &Fianza.&OImtes\\par\r\n"
           "{\\pard\\f1\\fs16 &CImtes}\\par\r\n"
           "\\pard\\qj {\\b QUINTA.- }&Ocupan &Aval__\\par\\par\r\n"
           "{\\pard\\qc EL ARRENDADOR\\tab\\tab\\tab EL ARRENDATARIO\\par}}\r\n";
}

// The contract dialogs on the demonstration workspace, and a filled contract model laid out
// by soffice where it is installed.
bool CapturasContrato(const QString& demo, const QString& destino, const QString& tmp)
{
    Database db = AbrirWorkspace(demo);
    const qint64 ref = QueryInteger(db, QStringLiteral("SELECT MIN(ref) FROM inmueble"));
    EntornoDocumentos e;
    e.hoy = QDate::currentDate();
    e.carpeta = tmp;
    e.editarTexto = [](QWidget*, QString&) { return true; };   // the text window's button, enabled
    CContratosDlg contratos(nullptr, db, ref, e);
    bool ok = GuardarDialogo(contratos, destino + QStringLiteral("/contratos.png"));
    std::array<Coarrendatario, 3> coarrendatarios;
    coarrendatarios[0] = {QStringLiteral("LUCÍA FERNÁNDEZ RUIZ"), QStringLiteral("D.N.I."),
                          QStringLiteral("12345678Z"), QStringLiteral("española")};
    const QStringList propietarios = NombresPropietariosEnTabla(db);
    CInfoAvanzadaContratoDlg avanzada(nullptr, propietarios, propietarios.value(1), coarrendatarios);
    ok = GuardarDialogo(avanzada, destino + QStringLiteral("/info_avanzada_contrato.png")) && ok;

    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        fprintf(stderr, "sin soffice o pdftoppm: no se genera modelo_contrato.png\n");
        return ok;
    }
    DatosContrato d = AbrirContrato(db, ref, AjustesImpuestos{});
    MarcarFilas(d, 2);
    d.ocupantes = 3;
    const QString lleno = tmp + QStringLiteral("/modelo_contrato.rtf");
    EscribirArchivoDocumento(lleno, RellenarModelo(ModeloEjemplo(), d));
    QProcess::execute(soffice, {QStringLiteral("-env:UserInstallation=file://") + tmp + QStringLiteral("/perfil"),
                                QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                                QStringLiteral("--outdir"), tmp, lleno});
    const QString png = destino + QStringLiteral("/modelo_contrato");
    QFile::remove(png + QStringLiteral(".png"));
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("70"),
                                                   QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                   QStringLiteral("1"), QStringLiteral("-singlefile"),
                                                   tmp + QStringLiteral("/modelo_contrato.pdf"), png});
    return QFile::exists(png + QStringLiteral(".png")) && ok;
}

// A dialog at a screenshot's size instead of maximised, shown, grabbed and closed.
bool Dialogo(QDialog& d, const QString& ruta, QSize tam)
{
    d.setWindowState(Qt::WindowNoState);
    d.resize(tam);
    d.show();
    QCoreApplication::processEvents();
    d.resize(tam);
    QCoreApplication::processEvents();
    const bool ok = ConTitulo(d).save(ruta);
    d.hide();
    return ok;
}

// The documents menu, the two letter forms filled in, and the revision letter in the text window.
bool CapturasCartas(const QString& demo, const QString& destino)
{
    Database db = AbrirWorkspace(demo);
    // A property with both taxes, so that the revision shows them.
    const qint64 ref = QueryInteger(db, QStringLiteral("SELECT ref FROM inmueble ORDER BY (iva <> 0) + (irpf <> 0) DESC,"
                                                       " (otro_importe1 <> 0) DESC, ref LIMIT 1"));
    EntornoDocumentos e;
    e.hoy = QDate::currentDate();
    e.editarTexto = [](QWidget*, QString&) { return true; };
    e.imprimirTexto = [](QWidget*, const CImpresorTexto&) {};
    e.abrirDireccion = [](const QString&) { return true; };
    CDocumentosDlg menu(nullptr, db, ref, e);
    bool ok = GuardarDialogo(menu, destino + QStringLiteral("/documentos.png"));

    CCartaAumentoDlg aumento(nullptr, db, ref, e);
    aumento.Indice()->setText(QStringLiteral("3,45 %"));
    ok = GuardarDialogo(aumento, destino + QStringLiteral("/carta_aumento.png")) && ok;

    CCartaRequerimientoDlg requerimiento(nullptr, db, ref, e);
    requerimiento.Mes(1)->click();
    requerimiento.Mes(2)->click();
    requerimiento.Concepto(0)->setText(QStringLiteral("Reparación de la caldera"));
    requerimiento.ImporteConcepto(0)->setText(QStringLiteral("85,00"));
    requerimiento.Mes(0)->click();
    requerimiento.Mes(0)->click();   // a click re-reads the amounts: the total follows
    ok = GuardarDialogo(requerimiento, destino + QStringLiteral("/carta_requerimiento.png")) && ok;

    const DatosPlantilla datos = LeerDatosCarta(db, ref, e.hoy);
    const AjustesImpuestos impuestos = LeerAjustesContrato().impuestos;
    Aumento a = AbrirAumento(datos);
    AplicarIndice(a, LeerIndiceIpc(QStringLiteral("3,45")), impuestos);
    CTextoDocumentoDlg texto(TextoCartaAumento(datos, a, impuestos));
    return Dialogo(texto, destino + QStringLiteral("/carta_texto.png"), QSize(820, 640)) && ok;
}

// The template editor with its field panel, a letter composed for three properties, and "Mailing".
bool CapturasMailing(const QString& demo, const QString& destino, const QString& tmp)
{
    Database db = AbrirWorkspace(demo);
    const QString plantilla = tmp + QStringLiteral("/carta_inquilinos.rtf");
    EscribirArchivoDocumento(plantilla,
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red30\\green70\\blue150;}\\f0\\fs24"
        "{\\pard\\qr _Localidad_Inmueble_, a _Fecha_Hoy_\\par}\\par"
        "{\\pard\\b\\ul _Nombre_Inquilino_\\b0\\ulnone\\par _ViaDireccion_Inmueble_ _Piso_Inmueble_\\par}\\par"
        "{\\pard\\qj Estimado inquilino:\\par\\par Le comunicamos que a partir del pr\\'f3ximo mes la renta de su "
        "vivienda ser\\'e1 de {\\b _Renta_}, con un total mensual de {\\cf1\\b _Total_Numero_}.\\par\\par"
        " Atentamente,\\par\\par _Nombre_Arrendador_\\par}}");
    CDialogEditarMailing editor(nullptr, plantilla);
    bool ok = Dialogo(editor, destino + QStringLiteral("/editor_plantilla.png"), QSize(1100, 720));
    editor.Texto()->document()->setModified(false);

    PrepararInformeInmuebles(db, RefsInmuebles(db).mid(0, 3));
    CInmuebleSet filas(&db, QStringLiteral("[informe_inmueble]"));
    CDialogEditarMailing compuesta(nullptr, plantilla, &db, &filas, 0);
    compuesta.ComponerDocumento();
    compuesta.MostrarOcultar();
    ok = Dialogo(compuesta, destino + QStringLiteral("/carta_compuesta.png"), QSize(900, 640)) && ok;
    compuesta.Texto()->document()->setModified(false);

    EntornoDocumentos e;
    e.hoy = QDate::currentDate();
    CMailingDlg mailing(nullptr, db, LeerFilasMailing(db), e);
    mailing.Modelo()->Alternar(1);
    mailing.Modelo()->Alternar(4);
    ok = Dialogo(mailing, destino + QStringLiteral("/mailing.png"), QSize(900, 560)) && ok;
    return ok;
}

// The selection form of March's paper receipts (those without "Recibo Fisico" at "No"), the
// run listing in the viewer and a letter in the text window.
bool Formularios(Database& db, const QString& destino)
{
    const QDate mes(2024, 3, 1);
    Facturacion(db).FacturarMes(mes, QStringLiteral("MARZO"));
    PrepararEmisionPapel(db, mes);
    CSeleccionRecibosDlg seleccion(db, ModoSeleccion::Papel, QDateTime::currentDateTime());
    seleccion.setWindowTitle(QStringLiteral("Selección de recibos"));
    bool ok = Dialogo(seleccion, destino + QStringLiteral("/seleccion_recibos.png"), QSize(1000, 560));

    PrepararEmisionMes(db, mes);
    DlgInformes visor(db, mes);
    ok = Dialogo(visor, destino + QStringLiteral("/visor_informes.png"), QSize(1000, 520)) && ok;

    CTextoDocumentoDlg texto(QStringLiteral(
        "En Madrid, a 1 de marzo de 2024.\n\n"
        "Muy señor mío:\n\n"
        "Por la presente le comunico que, conforme a la cláusula cuarta del contrato de "
        "arrendamiento de la vivienda situada en la calle Mayor, 5, 2º B, la renta mensual se "
        "actualizará a partir del próximo mes con la variación anual del índice de precios.\n\n"
        "Atentamente,\n\n"
        "PÉREZ MORENO SERGIO"));
    ok = Dialogo(texto, destino + QStringLiteral("/texto_documento.png"), QSize(640, 420)) && ok;
    return ok;
}

// The "Informe" dialog and the first page of its listing, over two billed months.
bool Informes(Database& db, const QTemporaryDir& tmp, const QString& destino)
{
    // March is billed already by the selection form's picture.
    Facturacion(db).FacturarMes(QDate(2024, 4, 1), QStringLiteral("ABRIL"));
    CInformeDlg d(db, [](QWidget*, const QString&, const QString&, int) {});
    CFiltroFacturacionWidget* f = d.Filtro();
    f->mesDesde->setCurrentIndex(2);
    f->mesHasta->setCurrentIndex(3);
    f->anioDesde->setText(QStringLiteral("2024"));
    f->anioHasta->setText(QStringLiteral("2024"));
    d.show();
    QCoreApplication::processEvents();
    bool ok = d.grab().save(destino + QStringLiteral("/informe.png"));
    FiltroInforme filtro;
    filtro.desde = QDate(2024, 3, 1);
    filtro.hasta = QDate(2024, 4, 1);
    const ListadoFacturacion l = ListadoFacturacionDe(db, filtro, AjustesImpuestos());
    const QString pdf = tmp.filePath(QStringLiteral("listado.pdf"));
    EscribirPdf(pdf, l.titulo, [&l](QPainter& p, QPagedPaintDevice& dev) { DibujarListado(p, dev, l); });
    ok = QProcess::execute(QStringLiteral("pdftoppm"),
                           {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("90"), QStringLiteral("-f"),
                            QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                            QStringLiteral("-singlefile"), pdf, destino + QStringLiteral("/listado_facturacion")})
             == 0 && ok;
    return ok;
}

// The runs list, "Emisión Recibos", "Cobros" and "Buscar Recibos" over the billed months.
bool CapturasFacturaciones(Database& db, const QString& destino)
{
    CFacturacionesDlg runs(db);
    bool ok = Dialogo(runs, destino + QStringLiteral("/facturaciones.png"), QSize(640, 360));
    CEmisionRecibosDlg emision(db, QDate(2024, 4, 1), false, LeerAjustesRecibo().vencimiento);
    ok = GuardarDialogo(emision, destino + QStringLiteral("/emision_recibos.png")) && ok;
    CCobrosDlg cobros(db, QDate(2024, 4, 15));
    ok = Dialogo(cobros, destino + QStringLiteral("/cobros.png"), QSize(900, 560)) && ok;
    CBuscarRecibosDlg buscar(db, QDate(2024, 4, 15));
    ok = GuardarDialogo(buscar, destino + QStringLiteral("/buscar_recibos.png")) && ok;
    CBuscarInmuebleDlg inmueble(nullptr, db, CBuscarInmuebleDlg::Modo::Texto);
    inmueble.Texto()->setText(QStringLiteral("goya"));
    inmueble.Buscar();
    ok = Dialogo(inmueble, destino + QStringLiteral("/buscar_inmueble.png"), QSize(640, 420)) && ok;
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir tmp;
    qputenv("RENTIVA_SETTINGS", tmp.filePath(QStringLiteral("rentiva.conf")).toUtf8());
    QApplication app(argc, argv);
    const QString destino = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(destino);

    CRentivaDoc doc;
    CMainFrame frame(doc);
    frame.resize(960, 800);
    frame.show();
    bool ok = Guardar(frame, destino + QStringLiteral("/inicio.png"));

    const QString demo = tmp.filePath(QStringLiteral("demostracion.rtv"));
    CrearArchivoDemo(demo);
    doc.AbrirBase(demo);
    ok = Guardar(frame, destino + QStringLiteral("/archivo_abierto.png")) && ok;
    int x = 0;
    QMenu* opciones = Menu(frame, QStringLiteral("&Opciones"), &x);
    ok = opciones && Guardar(frame, destino + QStringLiteral("/menu_opciones.png"), opciones, x) && ok;
    ok = Formularios(doc.Base(), destino) && ok;
    ok = Informes(doc.Base(), tmp, destino) && ok;
    ok = CapturasFacturaciones(doc.Base(), destino) && ok;
    // The list after the runs above, filtered as the user types.
    frame.Formulario()->Tabla()->Filtro()->setText(QStringLiteral("álamos"));
    ok = Guardar(frame, destino + QStringLiteral("/lista_inmuebles_filtro.png")) && ok;
    doc.CerrarBase();
    ok = CapturasContrato(demo, destino, tmp.path()) && ok;
    ok = CapturasCartas(demo, destino) && ok;
    ok = CapturasMailing(demo, destino, tmp.path()) && ok;

    // All eleven button pictures in their order on the bar.
    QImage hoja(kNumDibujos * 72, 72, QImage::Format_ARGB32_Premultiplied);
    hoja.fill(Qt::white);
    QPainter p(&hoja);
    for (int i = 0; i < kNumDibujos; ++i)
        p.drawImage(i * 72 + 4, 4, DibujarIcono(static_cast<Dibujo>(i), 64));
    p.end();
    ok = hoja.save(destino + QStringLiteral("/botones.png")) && ok;
    ok = CapturarFormularios(destino, demo) && ok;
    return ok ? 0 : 1;
}
