#pragma once
#include <QHash>
#include <QMainWindow>
#include <QUrl>
#include <QVector>
#include <functional>


class CRentivaDoc;
class CTablaInmueblesWidget;
class QAction;
class QMenu;
class QPushButton;

// Command ids of the menu and the button bar.
namespace cmd {
enum Comando : int {
    ArchivoNuevo = 32774,
    ArchivoAbrir = 32772,
    GuardarComo = 32869,
    ConfigurarImpresora = 57606,
    CrearCopia = 32874,
    RestaurarCopia = 32875,
    Importar = 32876,
    ExportacionFacturacion = 32878,
    CrearDemo = 32900,   // ours: a demonstration workspace to try the program with
    Salir = 57665,
    Inmuebles = 32773,
    Propietarios = 32771,
    Listados = 32794,
    Facturacion = 32778,
    LetraGrande = 32822,
    LetraNormal = 32821,
    LetraPequena = 32823,
    DisenoRecibo = 32816,
    TipoReciboFactura = 327,
    NifCcc = 32809,
    ReciboManual = 32776,
    Moneda = 32831,
    Impuestos = 32871,
    Vencimiento = 32866,
    SufijoBanco = 32870,
    Actualizaciones = 323,
    RentasActualizar = 32872,
    Mailing = 32873,
    Manual = 32867,
    VideoTutorial = 32868,
    Soporte = 32828,
    AcercaDe = 57664,
    // Buttons with an effect of their own (the others send a menu command).
    BotonPlantillas = 32894,
    BotonBuscarInmueble = 32886,
    BotonCobros = 32899,
};
}  // namespace cmd

// What a command needs before it runs.
enum class Necesita {
    Nada,
    Base,          // says "No hay base abierta" without a workspace
    BaseYActivo,   // as Base, and shown disabled without a workspace
};

// The form: the background picture and the eleven picture buttons in one row.
class CRentivaForm : public QWidget {
    Q_OBJECT
public:
    explicit CRentivaForm(QWidget* parent = nullptr);
    QPushButton* Boton(int indice) const { return m_botones.value(indice); }
    // The properties of the open workspace, below the buttons; hidden without one, so the
    // picture shows.
    CTablaInmueblesWidget* Tabla() const { return m_tabla; }
    static constexpr int kNumBotones = 11;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QVector<QPushButton*> m_botones;
    CTablaInmueblesWidget* m_tabla;
    QImage m_fondo;
};

// The main window. Every command exists from the start but stays hidden until a feature
// routes it with Rutear(); a routed command runs only when its workspace need is met.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CRentivaDoc& doc, QWidget* parent = nullptr);

    // Shows the command (menu item and any button that sends it) and runs `accion` on it.
    void Rutear(int id, std::function<void()> accion);
    // The property command ("&Inmuebles" and the houses button): needs an owner first; and
    // the reports command ("&Listados" and the list button): needs a property first.
    void RutearInmuebles(std::function<void()> editor);
    void RutearListados(std::function<void()> menu);
    // Runs the command as the menu or a button would (checks the workspace first).
    void Ejecutar(int id);
    QAction* Accion(int id) const { return m_acciones.value(id); }
    CRentivaForm* Formulario() const { return m_form; }
    CRentivaDoc& Documento() { return m_doc; }

    // Follows the workspace and the settings: enabled items, checks, buttons, caption.
    void ActualizarEstados();

    // How documents and mail links are opened; tests replace it.
    static std::function<bool(const QUrl&)> s_abrirUrl;
    static QString RutaManual();
    static const QString kCorreoSoporte;

protected:
    // Closing the window closes the workspace and records it as the last one.
    void closeEvent(QCloseEvent* e) override;

private:
    QAction* Crear(int id, const QString& texto, Necesita necesita);
    void CrearMenu();
    void RutearIncorporados();
    void EscribirAltoLetra(int alto);
    void AbrirManual();
    void CorreoSoporte();
    void CrearDemostracion();
    // "Informes", the menu of "&Listados" and the list button.
    void AbrirInformes();
    // The last four workspaces under "Archivo", above "Salir", rebuilt each time it opens.
    void ListarRecientes();
    // The properties table follows the workspace: shown over an open one, hidden otherwise.
    void MostrarTabla();

    CRentivaDoc& m_doc;
    CRentivaForm* m_form;
    QHash<int, QAction*> m_acciones;
    QHash<int, Necesita> m_necesita;
    QHash<int, std::function<void()>> m_rutas;
    QVector<int> m_comandoBoton;   // command each button sends
    QVector<QMenu*> m_submenus;
    QMenu* m_archivo = nullptr;
    QAction* m_antesDeSalir = nullptr;        // the separator above "Salir"
    QList<QAction*> m_recientes;
};
