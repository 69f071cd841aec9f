#include "documents/mailing_dlg.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

#include "data/database.h"
#include "data/record_sets.h"
#include "documents/archivo_documento.h"
#include "documents/editar_mailing_dlg.h"
#include "documents/iconos_editor.h"
#include "documents/mailing.h"
#include "documents/rtf.h"
#include "util/errores.h"
#include "util/formato.h"
#include "widgets/campos_dlg.h"

namespace {

const QString kTitulo = QStringLiteral("Mailing");
const QString kFiltro = QStringLiteral("Texto Enriquecido (*.rtf);;Todos los archivos (*)");

}  // namespace

CModeloMailing::CModeloMailing(std::vector<Fila> filas, QObject* parent)
    : QAbstractTableModel(parent), m_filas(std::move(filas))
{
}

QVariant CModeloMailing::data(const QModelIndex& i, int rol) const
{
    if (!i.isValid() || size_t(i.row()) >= m_filas.size())
        return {};
    const Fila& f = m_filas[size_t(i.row())];
    if (rol == Qt::DisplayRole) {
        switch (i.column()) {
        case 0: return f.marcada ? QStringLiteral("Si") : QStringLiteral("No");
        case 1: return f.direccion;
        case 2: return f.arrendatario;
        case 3: return f.renta;
        }
    }
    if (rol == Qt::DecorationRole && i.column() == 0) {
        static const QImage si = DibujarIconoEditor(IconoEditor::Si, 16), no = DibujarIconoEditor(IconoEditor::No, 16);
        return f.marcada ? si : no;
    }
    if (rol == Qt::TextAlignmentRole && i.column() == 3)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant CModeloMailing::headerData(int seccion, Qt::Orientation o, int rol) const
{
    if (o != Qt::Horizontal || rol != Qt::DisplayRole)
        return {};
    static const char* const titulos[] = {"", "Dirección", "Arrendatario", "Renta"};
    return seccion >= 0 && seccion < 4 ? QString::fromUtf8(titulos[seccion]) : QVariant();
}

void CModeloMailing::Alternar(int fila)
{
    if (fila < 0 || size_t(fila) >= m_filas.size())
        return;
    m_filas[size_t(fila)].marcada = !m_filas[size_t(fila)].marcada;
    emit dataChanged(index(fila, 0), index(fila, 0));
}

void CModeloMailing::MarcarTodas(bool si)
{
    for (Fila& f : m_filas)
        f.marcada = si;
    if (!m_filas.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

QList<qint64> CModeloMailing::Marcadas() const
{
    QList<qint64> r;
    for (const Fila& f : m_filas)
        if (f.marcada)
            r << f.ref;
    return r;
}

std::vector<CModeloMailing::Fila> LeerFilasMailing(Database& db)
{
    std::vector<CModeloMailing::Fila> r;
    CInmuebleSet set(&db);
    const auto m = [&set](const char* c) { return set.money(QString::fromLatin1(c)); };
    for (set.moveFirst(); !set.isEOF(); set.moveNext()) {
        const Moneda total = m("renta") + m("iva") + m("irpf") + m("otro_importe1") + m("otro_importe2") + m("otro_importe3");
        r.push_back({set.integer(QStringLiteral("ref")), true,
                     QStringLiteral("%1 %2").arg(set.text(QStringLiteral("direccion")), set.text(QStringLiteral("piso"))),
                     set.text(QStringLiteral("nom_arrendatario")), MonedaATexto(total)});
    }
    return r;
}

CMailingDlg::CMailingDlg(QWidget* parent, Database& db, std::vector<CModeloMailing::Fila> filas, EntornoDocumentos entorno)
    : QDialog(parent), m_db(db), m_entorno(std::move(entorno))
{
    setWindowTitle(kTitulo);
    setSizeGripEnabled(true);
    auto* l = new QVBoxLayout(this);
    m_modelo = new CModeloMailing(std::move(filas), this);
    m_lista = new QTableView(this);
    m_lista->setModel(m_modelo);
    m_lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lista->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lista->verticalHeader()->setDefaultSectionSize(26);
    m_lista->verticalHeader()->hide();
    m_lista->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_lista->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_lista->horizontalHeader()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    m_lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_lista, &QTableView::clicked, this, [this](const QModelIndex& i) {
        if (i.column() == 0)
            m_modelo->Alternar(i.row());
    });
    auto* espacio = new QShortcut(QKeySequence(Qt::Key_Space), m_lista, nullptr, nullptr, Qt::WidgetShortcut);
    connect(espacio, &QShortcut::activated, this, [this] { m_modelo->Alternar(m_lista->currentIndex().row()); });
    l->addWidget(m_lista, 1);

    auto* documento = new QHBoxLayout;
    m_ruta = new QLineEdit(this);
    m_ruta->setReadOnly(true);
    m_ruta->setPlaceholderText(QStringLiteral("Elija el documento tipo con «Documento»"));
    documento->addWidget(m_ruta, 1);
    l->addLayout(documento);
    auto* botones = new QHBoxLayout;
    const auto boton = [this, botones](const QString& texto, auto accion) {
        return BotonEnFila(this, botones, texto, accion);
    };
    boton(QStringLiteral("Todos"), [this] { Todos(); });
    boton(QStringLiteral("Ninguno"), [this] { Ninguno(); });
    boton(QStringLiteral("Documento"), [this] { Documento(); });
    boton(QStringLiteral("Ver"), [this] { Ver(); })->setDefault(true);
    boton(QStringLiteral("Imprimir"), [this] { Imprimir(); });
    boton(QStringLiteral("Un archivo por inmueble"), [this] { ArchivoPorInmueble(); });
    botones->addStretch();
    boton(QStringLiteral("Cancelar"), [this] { reject(); });
    l->addLayout(botones);
    resize(900, 600);
    m_lista->setFocus();
    if (m_modelo->rowCount() > 0)
        m_lista->setCurrentIndex(m_modelo->index(0, 0));
}

bool CMailingDlg::Documento()
{
    const QString ruta = m_pedirRuta ? m_pedirRuta(false)
                                     : QFileDialog::getOpenFileName(this, QStringLiteral("Documento"), m_entorno.carpeta, kFiltro);
    if (ruta.isEmpty())
        return false;
    m_plantilla = ruta;
    m_ruta->setText(ruta);
    return true;
}

bool CMailingDlg::Preparar()
{
    if (m_plantilla.isEmpty() && !Documento())
        return false;
    try {
        PrepararInformeInmuebles(m_db, m_modelo->Marcadas());
    } catch (const std::exception& e) {
        QMessageBox::critical(this, kTitulo, TextoError(e));
        return false;
    }
    return true;
}

void CMailingDlg::Ver()
{
    if (!Preparar())
        return;
    CInmuebleSet filas(&m_db, QStringLiteral("[informe_inmueble]"));
    if (m_editor) {
        m_editor(m_plantilla, m_db, filas);
        return;
    }
    CDialogEditarMailing editor(this, m_plantilla, &m_db, &filas, 1, m_entorno.hoy);
    editor.exec();
}

bool CMailingDlg::CargarPlantilla(QTextDocument& plantilla)
{
    try {
        const LecturaRtf l = LeerRtf(LeerArchivoDocumento(m_plantilla), plantilla);
        if (!l.Aviso().isEmpty())
            QMessageBox::information(this, kTitulo, l.Aviso());
    } catch (const UserError& e) {
        QMessageBox::warning(this, kTitulo, QStringLiteral("No se puede abrir %1:%2").arg(m_plantilla, TextoError(e)));
        return false;
    }
    return true;
}

bool CMailingDlg::Componer(QTextDocument& doc)
{
    if (!Preparar())
        return false;
    QTextDocument plantilla;
    if (!CargarPlantilla(plantilla))
        return false;
    CInmuebleSet filas(&m_db, QStringLiteral("[informe_inmueble]"));
    const Composicion c = ComponerDocumento(doc, plantilla, m_db, filas, m_entorno.hoy);
    if (!c.avisos.isEmpty())
        QMessageBox::warning(this, kTitulo, c.avisos.join(u'\n'));
    if (!c.error.isEmpty()) {
        QMessageBox::critical(this, kTitulo, QStringLiteral("La composición se detuvo tras %1 copias:\n%2").arg(c.copias).arg(c.error));
        return false;
    }
    return true;
}

void CMailingDlg::Imprimir()
{
    QTextDocument doc;
    if (!Componer(doc))
        return;
    QPrinter impresora;
    QPrintDialog dialogo(&impresora, this);
    if (dialogo.exec() == QDialog::Accepted)
        doc.print(&impresora);
}

void CMailingDlg::ArchivoPorInmueble()
{
    if (!Preparar())
        return;
    QTextDocument plantilla;
    if (!CargarPlantilla(plantilla))
        return;
    const QString carpeta = m_pedirRuta ? m_pedirRuta(true)
                                        : QFileDialog::getExistingDirectory(this, QStringLiteral("Carpeta de los documentos"),
                                                                            m_entorno.carpeta);
    if (carpeta.isEmpty())
        return;
    CInmuebleSet filas(&m_db, QStringLiteral("[informe_inmueble]"));
    Composicion c;
    try {
        c = ComponerArchivos(carpeta, plantilla, m_db, filas, m_entorno.hoy);
    } catch (const UserError& e) {
        QMessageBox::critical(this, kTitulo, TextoError(e));
        return;
    }
    QString texto = QStringLiteral("Se han escrito %1 documentos en %2.").arg(c.copias).arg(carpeta);
    if (!c.avisos.isEmpty())
        texto += u'\n' + c.avisos.join(u'\n');
    if (!c.error.isEmpty())
        QMessageBox::critical(this, kTitulo, texto + QStringLiteral("\nSe detuvo por un error:") + c.error);
    else
        QMessageBox::information(this, kTitulo, texto);
}

void AbrirMailing(QWidget* parent, Database& db, EntornoDocumentos entorno)
{
    std::vector<CModeloMailing::Fila> filas;
    try {
        filas = LeerFilasMailing(db);
    } catch (const DbError&) {
        QMessageBox::warning(parent, kTitulo, QStringLiteral("No hay base abierta"));
        return;
    }
    if (filas.empty()) {
        QMessageBox::information(parent, kTitulo, QStringLiteral("No existen recibos para esta selección."));
        return;
    }
    CMailingDlg dlg(parent, db, std::move(filas), std::move(entorno));
    dlg.setWindowState(dlg.windowState() | Qt::WindowMaximized);
    dlg.exec();
}
