#include "widgets/disposicion.h"

#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTextEdit>
#include <algorithm>

namespace {

void Recorrer(QLayout* l, QList<QWidget*>& r);

void Anadir(QWidget* w, QList<QWidget*>& r)
{
    if (auto* area = qobject_cast<QScrollArea*>(w)) {
        if (area->widget() && area->widget()->layout())
            Recorrer(area->widget()->layout(), r);
    } else if (w->focusPolicy() & Qt::TabFocus) {
        r << w;
    } else if (w->layout()) {
        Recorrer(w->layout(), r);   // a group box, a button box, a plain container
    }
}

void Recorrer(QLayout* l, QList<QWidget*>& r)
{
    struct Lugar {
        int fila, columna;
        QLayoutItem* item;
    };
    QList<Lugar> lugares;
    for (int i = 0; i < l->count(); ++i) {
        Lugar p{0, i, l->itemAt(i)};
        if (auto* g = qobject_cast<QGridLayout*>(l)) {
            int filas = 0, columnas = 0;
            g->getItemPosition(i, &p.fila, &p.columna, &filas, &columnas);
        } else if (auto* f = qobject_cast<QFormLayout*>(l)) {
            QFormLayout::ItemRole rol;
            f->getItemPosition(i, &p.fila, &rol);
            p.columna = rol == QFormLayout::FieldRole ? 1 : 0;
        } else if (auto* b = qobject_cast<QBoxLayout*>(l)) {
            if (b->direction() == QBoxLayout::RightToLeft || b->direction() == QBoxLayout::BottomToTop)
                p.columna = -i;
        }
        lugares << p;
    }
    std::stable_sort(lugares.begin(), lugares.end(), [](const Lugar& a, const Lugar& b) {
        return a.fila != b.fila ? a.fila < b.fila : a.columna < b.columna;
    });
    for (const Lugar& p : lugares) {
        if (QWidget* w = p.item->widget())
            Anadir(w, r);
        else if (QLayout* sub = p.item->layout())
            Recorrer(sub, r);
    }
}

// A field the user types in or chooses from; a push button is not one.
bool Campo(const QWidget* w)
{
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return !e->isReadOnly();
    if (auto* t = qobject_cast<const QPlainTextEdit*>(w))
        return !t->isReadOnly();
    if (auto* t = qobject_cast<const QTextEdit*>(w))
        return !t->isReadOnly();
    if (auto* s = qobject_cast<const QAbstractSpinBox*>(w))
        return !s->isReadOnly();
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QCheckBox*>(w) ||
           qobject_cast<const QRadioButton*>(w);
}

// Gives the first field the focus whenever the dialog is shown.
class PrimerCampo : public QObject {
public:
    PrimerCampo(QDialog* dialogo, const QList<QWidget*>& campos) : QObject(dialogo)
    {
        for (QWidget* w : campos)
            m_campos << w;
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Show || o != parent())
            return false;
        auto* dialogo = static_cast<QWidget*>(o);
        // The first field; a form without fields starts on its first button.
        for (const bool soloCampos : {true, false})
            for (const QPointer<QWidget>& w : m_campos)
                if (w && w->isVisibleTo(dialogo) && w->isEnabled() && (!soloCampos || Campo(w))) {
                    w->setFocus(Qt::TabFocusReason);
                    return false;
                }
        return false;
    }

private:
    QList<QPointer<QWidget>> m_campos;
};

// A scroll area that asks for room for the whole form it holds.
class AreaFormulario : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        if (!widget())
            return QScrollArea::sizeHint();
        const int marco = 2 * frameWidth();
        return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) + QSize(marco, marco);
    }
};

}  // namespace

QList<QWidget*> CamposEnOrdenDeLectura(QWidget* raiz)
{
    QList<QWidget*> r;
    if (raiz->layout())
        Recorrer(raiz->layout(), r);
    return r;
}

void OrdenLectura(QDialog* dialogo)
{
    const QList<QWidget*> campos = CamposEnOrdenDeLectura(dialogo);
    for (int i = 1; i < campos.size(); ++i)
        QWidget::setTabOrder(campos[i - 1], campos[i]);
    dialogo->installEventFilter(new PrimerCampo(dialogo, campos));
}

void FormularioDesplazable(QDialog* dialogo, QLayout* contenido, QLayout* botones)
{
    auto* hoja = new QWidget;
    hoja->setLayout(contenido);
    auto* area = new AreaFormulario(dialogo);
    area->setObjectName(QStringLiteral("formulario"));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(hoja);
    auto* todo = new QVBoxLayout(dialogo);
    todo->addWidget(area, 1);
    todo->addLayout(botones);
    const QScreen* pantalla = dialogo->screen();
    const QSize sitio = pantalla ? pantalla->availableSize() : dialogo->sizeHint();
    dialogo->resize(dialogo->sizeHint().boundedTo(sitio));
}

void FormularioDesplazable(QDialog* dialogo, QLayout* contenido, QWidget* botones)
{
    auto* fila = new QHBoxLayout;
    fila->setContentsMargins(0, 0, 0, 0);
    fila->addWidget(botones);
    FormularioDesplazable(dialogo, contenido, fila);
}

QVBoxLayout* Columna(QWidget* padre, std::initializer_list<ParteColumna> partes)
{
    auto* columna = new QVBoxLayout(padre);
    for (const ParteColumna& p : partes) {
        if (p.widget)
            columna->addWidget(p.widget);
        else
            columna->addLayout(p.layout);
    }
    return columna;
}
