#include "receipts/diseno_recibo_dlg.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

#include "settings/ajustes.h"
#include "widgets/aviso_dlg.h"
#include "widgets/campos_dlg.h"
#include "widgets/disposicion.h"

using namespace ajustes;

namespace {

constexpr int kLargoTexto = 40;

}  // namespace

QString CDisenoReciboDlg::FiltroImagenes()
{
    QStringList patrones;
    for (const QByteArray& f : QImageReader::supportedImageFormats())
        patrones << QStringLiteral("*.") + QString::fromLatin1(f);
    return QStringLiteral("Imágenes (%1);;Todos los archivos (*)").arg(patrones.join(u' '));
}

CDisenoReciboDlg::CDisenoReciboDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Diseño recibo"));

    elegir_color = [](QWidget* padre, const QColor& actual) {
        return QColorDialog::getColor(actual, padre, QStringLiteral("Color del fondo"));
    };
    elegir_logotipo = [](QWidget* padre) {
        return QFileDialog::getOpenFileName(padre, QStringLiteral("Seleccionar Logotipo"),
                                            QDir::currentPath(), FiltroImagenes());
    };
    abrir_archivo = [](const QString& ruta) {
        // A missing file or no program for it: nothing to tell, as the form stays as it was.
        if (!ruta.isEmpty())
            QDesktopServices::openUrl(QUrl::fromLocalFile(ruta));
    };

    m_color = new QPushButton(QStringLiteral("Seleccionar Color"), this);
    m_fondo = new QComboBox(this);
    // Shown as Spanish is written; stored as the settings always held them.
    m_fondo->addItem(QStringLiteral("LÍNEAS"), QStringLiteral("LINEAS"));
    m_fondo->addItem(QStringLiteral("SÓLIDO"), QStringLiteral("SOLIDO"));

    auto* contenido = new QGroupBox(QStringLiteral("Contenido cuadro izquierdo"), this);
    auto* grupo = new QButtonGroup(this);
    auto* lc = new QHBoxLayout(contenido);
    const char* const kOpciones[] = {"Nada", "Texto", "Logotipo"};
    for (int i = 0; i < 3; ++i) {
        m_opciones[i] = new QRadioButton(QString::fromUtf8(kOpciones[i]), contenido);
        grupo->addButton(m_opciones[i], i);
        lc->addWidget(m_opciones[i]);
    }

    auto* textos = new QGroupBox(QStringLiteral("Texto cuadro izquierdo"), this);
    auto* lt = new QVBoxLayout(textos);
    for (auto*& t : m_textos) {
        t = new QLineEdit(textos);
        t->setMaxLength(kLargoTexto);
        lt->addWidget(t);
    }

    auto* logo = new QGroupBox(QStringLiteral("Logotipo"), this);
    auto* ll = new QHBoxLayout(logo);
    m_seleccionar = new QPushButton(QStringLiteral("Seleccionar Logotipo"), logo);
    m_editar = new QPushButton(QStringLiteral("Editar Logotipo"), logo);
    m_ver = new QPushButton(QStringLiteral("Ver Logotipo"), logo);
    for (QPushButton* b : {m_seleccionar, m_editar, m_ver})
        ll->addWidget(b);

    auto* arriba = new QFormLayout;
    arriba->addRow(QStringLiteral("Color del fondo"), m_color);
    arriba->addRow(QStringLiteral("Fondo"), m_fondo);

    QDialogButtonBox* botones = BotonesDialogo(this, QStringLiteral("Aceptar"), QStringLiteral("Salir"));

    Columna(this, {arriba, contenido, textos, logo, botones});

    // Opening: the list takes the entry that begins with the stored style.
    const QString fondo = LeerTexto(kRecibo, kFondo);
    m_fondo->setCurrentIndex(-1);
    for (int i = 0; i < m_fondo->count(); ++i)
        if (!fondo.isEmpty() && m_fondo->itemData(i).toString().startsWith(fondo)) {
            m_fondo->setCurrentIndex(i);
            break;
        }
    const QString* const claves[] = {&kTexto1, &kTexto2, &kTexto3};
    for (int i = 0; i < 3; ++i)
        m_textos[i]->setText(LeerTexto(kRecibo, *claves[i]).left(kLargoTexto));
    const int tipo = LeerEntero(kRecibo, kTipoCuadroIzquierdo, 0);
    if (tipo >= 0 && tipo <= 2)
        m_opciones[tipo]->setChecked(true);

    connect(m_color, &QPushButton::clicked, this, &CDisenoReciboDlg::SeleccionarColor);
    connect(m_seleccionar, &QPushButton::clicked, this, &CDisenoReciboDlg::SeleccionarLogotipo);
    connect(m_editar, &QPushButton::clicked, this, [this] { AbrirLogotipo(m_editar->text()); });
    connect(m_ver, &QPushButton::clicked, this, [this] { AbrirLogotipo(m_ver->text()); });
    // Connected after the stored option is shown, so that opening shows no notice.
    connect(m_opciones[2], &QRadioButton::toggled, this, &CDisenoReciboDlg::OpcionLogotipo);
    OrdenLectura(this);
}

void CDisenoReciboDlg::SeleccionarColor()
{
    const QColor actual(LeerEntero(kRecibo, kColorR, kColorRPorDefecto),
                        LeerEntero(kRecibo, kColorG, kColorGPorDefecto),
                        LeerEntero(kRecibo, kColorB, kColorBPorDefecto));
    const QColor c = elegir_color(this, actual);
    if (!c.isValid())
        return;
    EscribirEntero(kRecibo, kColorR, c.red());
    EscribirEntero(kRecibo, kColorG, c.green());
    EscribirEntero(kRecibo, kColorB, c.blue());
}

void CDisenoReciboDlg::SeleccionarLogotipo()
{
    CAvisoDlg(this, Aviso::ArchivoLogoSeleccionar).Mostrar();
    const QString ruta = elegir_logotipo(this);
    if (!ruta.isEmpty())
        EscribirTexto(kRecibo, kFileLogo, QFileInfo(ruta).absoluteFilePath());
}

void CDisenoReciboDlg::AbrirLogotipo(const QString& boton)
{
    const QString ruta = LeerTexto(kRecibo, kFileLogo);
    const QString titulo = QString(boton).remove(u'&');
    if (ruta.isEmpty()) {
        QMessageBox::information(this, titulo,
                                 QStringLiteral("No hay ningún logotipo elegido. Elíjalo con "
                                                "«Seleccionar Logotipo»."));
        return;
    }
    if (!QFileInfo(ruta).isFile()) {
        QMessageBox::warning(this, titulo,
                             QStringLiteral("No se encuentra el logotipo %1. Elija otro con "
                                            "«Seleccionar Logotipo».").arg(ruta));
        return;
    }
    // "Editar" and "Ver" both hand the file to the desktop: its picture program is the
    // user's editor and viewer alike.
    CAvisoDlg(this, Aviso::ArchivoLogoEditar).Mostrar();
    abrir_archivo(ruta);
}

void CDisenoReciboDlg::OpcionLogotipo(bool marcada)
{
    if (marcada && LeerTexto(kRecibo, kFileLogo).isEmpty())
        CAvisoDlg(this, Aviso::SelectPonerLogo).Mostrar();
}

void CDisenoReciboDlg::accept()
{
    EscribirTexto(kRecibo, kFondo, m_fondo->currentIndex() < 0 ? QString() : m_fondo->currentData().toString());
    const QString* const claves[] = {&kTexto1, &kTexto2, &kTexto3};
    for (int i = 0; i < 3; ++i)
        EscribirTexto(kRecibo, *claves[i], m_textos[i]->text());
    int tipo = 0;
    for (int i = 0; i < 3; ++i)
        if (m_opciones[i]->isChecked())
            tipo = i;
    EscribirEntero(kRecibo, kTipoCuadroIzquierdo, tipo);
    QDialog::accept();
}
