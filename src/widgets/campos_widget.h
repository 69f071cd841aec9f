#pragma once
// Small builders of the form fields the owner and property forms share.
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace campos {

inline QLineEdit* Texto(QWidget* parent, int max)
{
    auto* e = new QLineEdit(parent);
    if (max > 0)
        e->setMaxLength(max);
    return e;
}

inline QLineEdit* Digitos(QWidget* parent, int max)
{
    auto* e = Texto(parent, max);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    return e;
}

// A box for a code of at most `caracteres` characters (a bank code, a postcode) is as wide
// as the code, not as a name: forms with several of them in a row stay narrow.
inline void AnchoDeCodigo(QLineEdit* e, int caracteres)
{
    const QFontMetrics fm(e->font());
    e->setMaximumWidth(fm.horizontalAdvance(QString(caracteres + 1, u'0')) + 16);
}

// Letters typed are shown and kept in upper (or lower) case.
inline QLineEdit* Mayusculas(QWidget* parent, int max, bool minusculas = false)
{
    auto* e = Texto(parent, max);
    QObject::connect(e, &QLineEdit::textEdited, e, [e, minusculas](const QString& t) {
        const QString c = minusculas ? t.toLower() : t.toUpper();
        if (c != t) {
            const int pos = e->cursorPosition();
            e->setText(c);
            e->setCursorPosition(pos);
        }
    });
    return e;
}

// A drop-down list that also takes typed text; typing never adds to the list by itself.
inline QComboBox* Lista(QWidget* parent, const QStringList& items, int max, bool editable = true)
{
    auto* c = new QComboBox(parent);
    c->setEditable(editable);
    c->addItems(items);
    c->setInsertPolicy(QComboBox::NoInsert);
    if (editable && max > 0)
        c->lineEdit()->setMaxLength(max);
    return c;
}

inline void PonerTextoLista(QComboBox* c, const QString& texto)
{
    if (c->isEditable()) {
        c->setCurrentIndex(c->findText(texto, Qt::MatchExactly));
        c->setEditText(texto);
    } else {
        c->setCurrentIndex(c->findText(texto, Qt::MatchExactly));
    }
}

}  // namespace campos
