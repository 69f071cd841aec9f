#include "app/actualizacion_programa.h"

#include <QCoreApplication>
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
    return o;
}

void ComprobarAlSalir()
{
    ActualizadorDelPrograma().ComprobarYEsperar(OpcionesDelPrograma(), QString());
}
