#include "documents/editar_mailing_dlg.h"

#include <QAbstractTextDocumentLayout>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontComboBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <memory>

#include "documents/archivo_documento.h"
#include "documents/campos_plantilla.h"
#include "documents/iconos_editor.h"
#include "documents/mailing.h"
#include "documents/panel_campos_widget.h"
#include "documents/rtf.h"
#include "util/errores.h"
#include "util/texto.h"

namespace {

const QString kTitulo = QStringLiteral("Editor de Texto");
const QString kFiltro = QStringLiteral("Texto Enriquecido (*.rtf);;Todos los archivos (*)");
const char* const kTamanos[] = {"6", "7", "8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26",
                                "28", "32", "36", "40", "44", "48", "54", "60", "66", "72", "80", "88", "96"};

QIcon Icono(IconoEditor i)
{
    return QIcon(QPixmap::fromImage(DibujarIconoEditor(i, 32)));
}

}  // namespace

CMiRichEditCtrl::CMiRichEditCtrl(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
}

void CMiRichEditCtrl::InsertarSaltoPagina()
{
    QTextCursor c = textCursor();
    QTextBlockFormat f = c.blockFormat();
    f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    c.insertBlock(f);
    setTextCursor(c);
}

void CMiRichEditCtrl::focusOutEvent(QFocusEvent* e)
{
    emit FocoPerdido();
    QTextEdit::focusOutEvent(e);
}

void CMiRichEditCtrl::paintEvent(QPaintEvent* e)
{
    QTextEdit::paintEvent(e);
    // A dashed line where a new page starts.
    QPainter p(viewport());
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
    const QPoint desplazamiento(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRect visible = viewport()->rect().translated(desplazamiento);
    for (QTextBlock b = document()->begin().next(); b.isValid(); b = b.next()) {
        if (!(b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore))
            continue;
        const QRectF r = document()->documentLayout()->blockBoundingRect(b);
        if (r.top() > visible.bottom())
            break;
        if (r.top() >= visible.top() - 2)
            p.drawLine(0, int(r.top()) - desplazamiento.y() - 1, viewport()->width(), int(r.top()) - desplazamiento.y() - 1);
    }
}

CDialogEditarMailing::CDialogEditarMailing(QWidget* parent, const QString& ruta, Database* db, RecordSet* filas,
                                           int componer, const QDate& hoy)
    : QDialog(parent), m_ruta(ruta), m_componer(componer), m_db(db), m_filas(filas), m_hoy(hoy)
{
    setWindowTitle(kTitulo);
    setSizeGripEnabled(true);
    auto* l = new QVBoxLayout(this);
    auto* barra = new QToolBar(this);
    barra->setIconSize(QSize(24, 24));
    l->addWidget(barra);
    auto* cuerpo = new QHBoxLayout;
    m_texto = new CMiRichEditCtrl(this);
    cuerpo->addWidget(m_texto, 1);
    m_panel = new CPanelCamposWidget;
    m_zonaPanel = new QScrollArea(this);
    m_zonaPanel->setWidget(m_panel);
    m_zonaPanel->setWidgetResizable(true);
    m_zonaPanel->setMinimumWidth(m_panel->sizeHint().width() + 24);
    m_zonaPanel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cuerpo->addWidget(m_zonaPanel);
    l->addLayout(cuerpo, 1);
    CrearBarra(barra);
    connect(m_panel, &CPanelCamposWidget::CampoPedido, this, &CDialogEditarMailing::InsertarCampo);
    connect(m_texto, &QTextEdit::currentCharFormatChanged, this, &CDialogEditarMailing::SeguirFormato);
    const auto recordar = [this] {
        const QTextCursor c = m_texto->textCursor();
        m_inicioSeleccion = c.anchor();
        m_finSeleccion = c.position();
    };
    connect(m_texto, &CMiRichEditCtrl::FocoPerdido, this, recordar);
    connect(m_texto, &QTextEdit::cursorPositionChanged, this, recordar);
    resize(1100, 760);

    // Arial at 12 points unless the file says otherwise.
    QFont porDefecto(QStringLiteral("Arial"));
    porDefecto.setPointSize(12);
    m_texto->document()->setDefaultFont(porDefecto);
    m_estado = 1;
    if (!m_ruta.isEmpty())
        m_cargada = Cargar(m_ruta);
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(12);
    if (m_texto->document()->isEmpty())
        m_texto->setCurrentCharFormat(f);
    SeguirFormato(m_texto->currentCharFormat());
}

void CDialogEditarMailing::CrearBarra(QToolBar* barra)
{
    const auto accion = [this, barra](IconoEditor i, const QString& texto, QKeySequence tecla, auto metodo) {
        QAction* a = barra->addAction(Icono(i), texto);
        a->setToolTip(texto);
        if (!tecla.isEmpty())
            a->setShortcut(tecla);
        connect(a, &QAction::triggered, this, metodo);
        return a;
    };
    accion(IconoEditor::Nuevo, QStringLiteral("Nuevo"), QKeySequence::New, [this] { Nuevo(); });
    accion(IconoEditor::Abrir, QStringLiteral("Abrir"), QKeySequence::Open, [this] { Abrir(); });
    accion(IconoEditor::Guardar, QStringLiteral("Guardar"), QKeySequence::Save, [this] { Guardar(); });
    accion(IconoEditor::GuardarComo, QStringLiteral("Guardar Como"), QKeySequence::SaveAs, [this] { GuardarComo(); });
    accion(IconoEditor::Imprimir, QStringLiteral("Imprimir"), QKeySequence::Print, [this] { Imprimir(); });
    barra->addSeparator();
    accion(IconoEditor::Negrita, QStringLiteral("Negrita"), QKeySequence::Bold, [this] { Negrita(); });
    accion(IconoEditor::Cursiva, QStringLiteral("Cursiva"), QKeySequence::Italic, [this] { Cursiva(); });
    accion(IconoEditor::Subrayado, QStringLiteral("Subrayado"), QKeySequence::Underline, [this] { Subrayado(); });
    barra->addSeparator();
    accion(IconoEditor::Izquierda, QStringLiteral("izquierda"), QKeySequence(Qt::CTRL | Qt::Key_L), [this] { Alinear(Qt::AlignLeft); });
    accion(IconoEditor::Derecha, QStringLiteral("Derecha"), QKeySequence(Qt::CTRL | Qt::Key_R), [this] { Alinear(Qt::AlignRight); });
    accion(IconoEditor::Centrado, QStringLiteral("Centrado"), QKeySequence(Qt::CTRL | Qt::Key_E), [this] { Alinear(Qt::AlignHCenter); });
    accion(IconoEditor::Justificado, QStringLiteral("Justificado"), QKeySequence(Qt::CTRL | Qt::Key_J), [this] { Alinear(Qt::AlignJustify); });
    accion(IconoEditor::Color, QStringLiteral("Color"), QKeySequence(), [this] { ElegirColor(); });
    accion(IconoEditor::SaltoPagina, QStringLiteral("Salto de página"), QKeySequence(Qt::CTRL | Qt::Key_Return),
           [this] { m_texto->InsertarSaltoPagina(); });
    barra->addSeparator();
    m_caras = new QFontComboBox(barra);
    m_caras->setToolTip(QStringLiteral("Fuente"));
    barra->addWidget(m_caras);
    m_tamanos = new QComboBox(barra);
    m_tamanos->setEditable(true);
    m_tamanos->setToolTip(QStringLiteral("Tamaño"));
    for (const char* t : kTamanos)
        m_tamanos->addItem(QString::fromLatin1(t));
    m_tamanos->setInsertPolicy(QComboBox::NoInsert);
    barra->addWidget(m_tamanos);
    connect(m_caras, &QFontComboBox::textActivated, this, &CDialogEditarMailing::AplicarCara);
    connect(m_tamanos, &QComboBox::textActivated, this, &CDialogEditarMailing::AplicarTamano);
    barra->addSeparator();
    accion(IconoEditor::Panel, QStringLiteral("Mostrar / Ocultar"), QKeySequence(Qt::Key_F4), [this] { MostrarOcultar(); });
    accion(IconoEditor::Salir, QStringLiteral("Salir"), QKeySequence(), [this] { reject(); });
}

void CDialogEditarMailing::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (m_estado == 1) {
        m_estado = 2;
        QTimer::singleShot(0, this, &CDialogEditarMailing::Arrancar);
    }
}

void CDialogEditarMailing::Arrancar()
{
    if (!m_avisoLectura.isEmpty())
        QMessageBox::information(this, kTitulo, std::exchange(m_avisoLectura, {}));
    if (m_db && m_filas && m_componer == 1 && m_cargada) {
        ComponerDocumento();
        m_ruta.clear();
    }
    QTextCursor c = m_texto->textCursor();
    c.movePosition(QTextCursor::Start);
    m_texto->setTextCursor(c);
    m_texto->setFocus();
}

void CDialogEditarMailing::ComponerDocumento()
{
    QTextDocument* doc = m_texto->document();
    const std::unique_ptr<QTextDocument> plantilla(doc->clone());
    const Composicion c = ::ComponerDocumento(*doc, *plantilla, *m_db, *m_filas, m_hoy);
    // The composed letters are not the template's file: they count as unsaved.
    doc->setModified(true);
    if (!c.avisos.isEmpty())
        QMessageBox::warning(this, kTitulo, c.avisos.join(u'\n'));
    if (!c.error.isEmpty())
        QMessageBox::critical(this, kTitulo,
                              QStringLiteral("La composición se detuvo tras %1 copias por un error de la base de "
                                             "datos; el texto compuesto hasta entonces se conserva.\n\n%2")
                                  .arg(c.copias).arg(c.error));
}

bool CDialogEditarMailing::Cargar(const QString& ruta)
{
    QByteArray datos;
    try {
        datos = LeerArchivoDocumento(ruta);
    } catch (const UserError& e) {
        QMessageBox::warning(this, kTitulo, QStringLiteral("No se puede abrir %1:%2").arg(ruta, TextoError(e)));
        return false;
    }
    const LecturaRtf l = LeerRtf(datos, *m_texto->document());
    m_avisoLectura = l.Aviso();
    if (m_estado == 2 && !m_avisoLectura.isEmpty())
        QMessageBox::information(this, kTitulo, std::exchange(m_avisoLectura, {}));
    m_ruta = ruta;
    QTextCursor c = m_texto->textCursor();
    c.movePosition(QTextCursor::Start);
    m_texto->setTextCursor(c);
    return true;
}

void CDialogEditarMailing::Nuevo()
{
    m_ruta.clear();
}

void CDialogEditarMailing::Abrir()
{
    if (!PuedeDescartar())
        return;
    const QString ruta = m_pedirArchivo ? m_pedirArchivo(false)
                                        : QFileDialog::getOpenFileName(this, QStringLiteral("Abrir"), QString(), kFiltro);
    if (!ruta.isEmpty())
        Cargar(ruta);
}

bool CDialogEditarMailing::Guardar()
{
    return m_ruta.isEmpty() ? GuardarComo() : Escribir(m_ruta);
}

bool CDialogEditarMailing::GuardarComo()
{
    QString ruta = m_pedirArchivo ? m_pedirArchivo(true)
                                  : QFileDialog::getSaveFileName(this, QStringLiteral("Guardar Como"), QString(), kFiltro);
    if (ruta.isEmpty())
        return false;
    if (QFileInfo(ruta).suffix().isEmpty())
        ruta += QStringLiteral(".rtf");
    if (!Escribir(ruta))
        return false;
    m_ruta = ruta;
    return true;
}

bool CDialogEditarMailing::Escribir(const QString& ruta)
{
    try {
        EscribirArchivoDocumento(ruta, EscribirRtf(*m_texto->document()));
    } catch (const UserError& e) {
        QMessageBox::critical(this, kTitulo, QStringLiteral("No se ha podido guardar %1:%2\n\nEl archivo anterior "
                                                            "sigue como estaba.").arg(ruta, TextoError(e)));
        return false;
    }
    m_texto->document()->setModified(false);
    return true;
}

void CDialogEditarMailing::Imprimir()
{
    QPrinter impresora;
    QPrintDialog dialogo(&impresora, this);
    if (dialogo.exec() == QDialog::Accepted)
        m_texto->document()->print(&impresora);
}

void CDialogEditarMailing::Alternar(const std::function<bool(const QTextCharFormat&)>& activo,
                                    const std::function<void(QTextCharFormat&, bool)>& poner)
{
    QTextCursor c = m_texto->textCursor();
    if (!c.hasSelection())
        c.select(QTextCursor::WordUnderCursor);
    // The selection's format is that of its first character.
    QTextCursor primero(m_texto->document());
    primero.setPosition(c.hasSelection() ? c.selectionStart() + 1 : c.position());
    const bool encender = !activo(c.hasSelection() ? primero.charFormat() : m_texto->currentCharFormat());
    QTextCharFormat f;
    poner(f, encender);
    if (c.hasSelection())
        c.mergeCharFormat(f);
    m_texto->mergeCurrentCharFormat(f);
}

void CDialogEditarMailing::Negrita()
{
    Alternar([](const QTextCharFormat& f) { return f.fontWeight() >= QFont::DemiBold; },
             [](QTextCharFormat& f, bool si) { f.setFontWeight(si ? QFont::Bold : QFont::Normal); });
}

void CDialogEditarMailing::Cursiva()
{
    Alternar([](const QTextCharFormat& f) { return f.fontItalic(); },
             [](QTextCharFormat& f, bool si) { f.setFontItalic(si); });
}

void CDialogEditarMailing::Subrayado()
{
    Alternar([](const QTextCharFormat& f) { return f.fontUnderline(); },
             [](QTextCharFormat& f, bool si) { f.setFontUnderline(si); });
}

void CDialogEditarMailing::Alinear(Qt::Alignment a)
{
    m_texto->setAlignment(a);
}

void CDialogEditarMailing::AplicarARecordada(const QTextCharFormat& f)
{
    QTextCursor c(m_texto->document());
    const int fin = m_texto->document()->characterCount() - 1;
    c.setPosition(std::clamp(m_inicioSeleccion, 0, fin));
    c.setPosition(std::clamp(m_finSeleccion, 0, fin), QTextCursor::KeepAnchor);
    if (c.hasSelection())
        c.mergeCharFormat(f);
    m_texto->setTextCursor(c);
    m_texto->mergeCurrentCharFormat(f);
    m_texto->setFocus();
}

void CDialogEditarMailing::ElegirColor()
{
    const QColor c = QColorDialog::getColor(m_texto->currentCharFormat().foreground().color(), this,
                                            QStringLiteral("Color"));
    if (c.isValid())
        AplicarColor(c);
}

void CDialogEditarMailing::AplicarColor(const QColor& c)
{
    QTextCharFormat f;
    f.setForeground(c);
    AplicarARecordada(f);
}

void CDialogEditarMailing::AplicarCara(const QString& cara)
{
    QTextCharFormat f;
    f.setFontFamilies({cara});
    AplicarARecordada(f);
}

void CDialogEditarMailing::AplicarTamano(const QString& texto)
{
    bool ok = false;
    const qint64 puntos = TextoAEntero(texto, &ok);
    if (!ok || puntos < 1 || puntos > 1638) {
        SeguirFormato(m_texto->currentCharFormat());
        return;
    }
    QTextCharFormat f;
    f.setFontPointSize(double(puntos));
    AplicarARecordada(f);
}

void CDialogEditarMailing::SeguirFormato(const QTextCharFormat& f)
{
    const QSignalBlocker b1(m_caras), b2(m_tamanos);
    const QStringList caras = f.fontFamilies().toStringList();
    const QFont base = m_texto->document()->defaultFont();
    m_caras->setCurrentFont(QFont(caras.isEmpty() ? base.family() : caras.first()));
    const double puntos = f.fontPointSize() > 0 ? f.fontPointSize() : base.pointSizeF();
    m_tamanos->setCurrentText(QString::number(qRound(puntos)));
}

void CDialogEditarMailing::MostrarOcultar()
{
    m_zonaPanel->setHidden(!m_zonaPanel->isHidden());
}

void CDialogEditarMailing::InsertarCampo(int k)
{
    QTextCursor c = m_texto->textCursor();
    QTextCharFormat base = c.charFormat();
    base.setFontWeight(QFont::Normal);
    base.setFontItalic(false);
    base.setFontUnderline(false);
    base.setFontStrikeOut(false);
    QTextCharFormat campo = base;
    campo.setFontWeight(m_panel->NegritaCampos() ? QFont::Bold : QFont::Normal);
    campo.setFontUnderline(m_panel->SubrayadoCampos());
    c.beginEditBlock();
    c.insertText(QStringLiteral(" "), base);
    c.insertText(NombreCampo(k), campo);
    c.insertText(QStringLiteral(" "), base);
    c.endEditBlock();
    m_texto->setTextCursor(c);
    m_texto->setCurrentCharFormat(base);
    m_texto->setFocus();
}

bool CDialogEditarMailing::PuedeDescartar()
{
    if (!m_texto->document()->isModified())
        return true;
    QMessageBox pregunta(QMessageBox::Question, kTitulo, QStringLiteral("El texto ha cambiado. ¿Desea guardar los cambios?"),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    switch (pregunta.exec()) {
    case QMessageBox::Save: return Guardar();
    case QMessageBox::Discard: return true;
    default: return false;
    }
}

void CDialogEditarMailing::reject()
{
    if (PuedeDescartar())
        QDialog::reject();
}
