// utilidad: puts a downloaded release of rentiva in place of the program once it has ended.
// Exit 0 when replaced, 1 on failure (nothing changed, or the old program put back), 2 on
// bad arguments.
#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "updater/reemplazo.h"
#include "updater/utilidad_window.h"

namespace {

void Escribir(const QString& texto)
{
    std::fprintf(stderr, "%s\n", texto.toLocal8Bit().constData());
    std::fflush(stderr);
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    PeticionReemplazo peticion;
    QString error;
    if (!LeerArgumentos(argumentos, &peticion, &error)) {
        Escribir(error);
        Escribir(kUsoUtilidad);
        return 2;
    }

    // Without a window nothing may wait for an answer: every message goes to standard error.
    std::unique_ptr<QCoreApplication> app(peticion.sinVentana ? new QCoreApplication(argc, argv)
                                                              : new QApplication(argc, argv));
    OperacionesArchivo operaciones;
    CReemplazo reemplazo(peticion, operaciones);
    int codigo = 1;
    std::unique_ptr<CUtilidadWindow> ventana;
    if (!peticion.sinVentana) {
        ventana = std::make_unique<CUtilidadWindow>();
        QObject::connect(&reemplazo, &CReemplazo::Estado, ventana.get(), &CUtilidadWindow::MostrarEstado);
        QObject::connect(ventana.get(), &QDialog::finished, app.get(), [&] { app->exit(codigo); });
        ventana->show();
    }
    QObject::connect(&reemplazo, &CReemplazo::Terminado, app.get(), [&](bool ok, const QString& mensaje) {
        codigo = ok ? 0 : 1;
        if (ventana) {
            ventana->MostrarFin(ok, mensaje);
        } else {
            Escribir(mensaje);
            app->exit(codigo);
        }
    });
    // Started from the loop, so that an immediate end reaches a running loop.
    QTimer::singleShot(0, &reemplazo, &CReemplazo::Iniciar);
    return app->exec();
}
