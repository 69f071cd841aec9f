#pragma once
// Typing, clicking and answering message boxes in the owner and property forms, over a
// fresh workspace with every notice silenced and the tax rates at 18 and 19.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "data/database.h"
#include "data/workspace.h"
#include "settings/ajustes.h"
#include "settings/avisos.h"
#include "temp_workspace.h"

namespace formularios {

// Typing as a user does, one key at a time, so that the fields' own handling runs.
inline void Teclear(QWidget* w, const QString& texto)
{
    for (QChar c : texto) {
        QKeyEvent pulsar(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &pulsar);
        QKeyEvent soltar(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &soltar);
    }
}

inline void Clic(QPushButton* b)
{
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isEnabled()) << b->text().toStdString();
    b->click();
}

inline void Pulsar(QWidget* w, Qt::Key tecla)
{
    QKeyEvent pulsar(QEvent::KeyPress, tecla, Qt::NoModifier);
    QApplication::sendEvent(w, &pulsar);
}

// Answers every message box that opens with `respuesta`, keeping the texts shown.
class Respondedor {
public:
    explicit Respondedor(QMessageBox::StandardButton respuesta = QMessageBox::Ok)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, respuesta] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_textos << box->text();
                if (QAbstractButton* b = box->button(respuesta))
                    b->click();
                else
                    box->reject();
            }
        });
        m_timer.start(5);
    }
    QStringList m_textos;
private:
    QTimer m_timer;
};

class Formularios : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db = CrearWorkspace(m_ws.workspacePath());
        for (int a = 0; a <= int(Aviso::LongitudCuentaCorriente); ++a)
            GuardarEstadoAviso(DatosAviso(a), true);
        PonerPorcentajeImpuesto(1, 18);
        PonerPorcentajeImpuesto(2, 19);
    }

    template <class T>
    static T* Campo(QWidget& dlg, const char* nombre)
    {
        T* w = dlg.findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(w, nullptr) << nombre;
        return w;
    }

    static void Escribir(QWidget& dlg, const char* nombre, const QString& texto)
    {
        QLineEdit* e = Campo<QLineEdit>(dlg, nombre);
        e->clear();
        Teclear(e, texto);
    }

    // Bank, branch, check digits and account, "BANCO SUCURSAL DC CUENTA".
    static void EscribirCuenta(QWidget& dlg, const QString& cuenta)
    {
        const QStringList partes = cuenta.split(u' ');
        const char* const campos[] = {"banco", "sucursal", "dc", "ccc"};
        for (int i = 0; i < 4; ++i)
            Escribir(dlg, campos[i], partes.value(i));
    }

    qint64 Contar(const QString& sql) { return QueryInteger(m_db, sql); }

    TempWorkspace m_ws;
    Database m_db;
};

}  // namespace formularios

using namespace formularios;
