#include "app/actualizacion_programa.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

#include "settings/ajustes.h"

CActualizador& ActualizadorDelPrograma()
{
    // Owned by the application object, so that its network objects go before Qt does.
    static QPointer<CActualizador> actualizador;
    if (!actualizador)
        actualizador = new CActualizador(QCoreApplication::instance());
    return *actualizador;
}

OpcionesActualizacion OpcionesDelPrograma()
{
    OpcionesActualizacion o;
    o.servidor = LeerTexto(ajustes::kActualizaciones, ajustes::kServidor, kServidorActualizacionesPorDefecto);
    o.carpeta = QCoreApplication::applicationDirPath();
    o.lanzar = LanzarDesacoplado;
    // Beside the program in the build tree; under libexec once installed.
    const QDir carpeta(o.carpeta);
    for (const QString& c : {carpeta.filePath(kProgramaUtilidad), carpeta.filePath(QStringLiteral(RENTIVA_UTILIDAD_INSTALADA))})
        if (o.utilidad.isEmpty() && QFileInfo(c).isExecutable())
            o.utilidad = QFileInfo(c).absoluteFilePath();
    return o;
}

void ComprobarAlSalir()
{
    ActualizadorDelPrograma().ComprobarYEsperar(OpcionesDelPrograma(), QString());
}
