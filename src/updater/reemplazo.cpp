#include "updater/reemplazo.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

const QString kUsoUtilidad = QStringLiteral(
    "uso: utilidad --carpeta DIR --nuevo FICHERO --pid PID --sha256 HEX [--espera S] [--sin-ventana]");

namespace {

constexpr int kPasoMs = 200;
const QString kPrograma = QStringLiteral("rentiva");

bool LeerEntero(const QString& texto, qint64 minimo, qint64 maximo, qint64* valor)
{
    bool ok = false;
    *valor = texto.toLongLong(&ok);
    return ok && *valor >= minimo && *valor <= maximo;
}

QString RutaNuevo(const PeticionReemplazo& p)
{
    return QDir(p.carpeta).absoluteFilePath(p.nuevo);
}

}  // namespace

bool LeerArgumentos(const QStringList& argumentos, PeticionReemplazo* p, QString* error)
{
    const auto falla = [error](const QString& texto) {
        *error = texto;
        return false;
    };
    *p = {};
    QString pid, sha256, espera = QStringLiteral("60");
    for (int i = 0; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        if (a == QLatin1String("--sin-ventana")) {
            p->sinVentana = true;
            continue;
        }
        QString* valor = a == QLatin1String("--carpeta") ? &p->carpeta
                         : a == QLatin1String("--nuevo")  ? &p->nuevo
                         : a == QLatin1String("--pid")    ? &pid
                         : a == QLatin1String("--sha256") ? &sha256
                         : a == QLatin1String("--espera") ? &espera
                                                          : nullptr;
        if (!valor)
            return falla(QStringLiteral("Opción desconocida: %1").arg(a));
        if (i + 1 >= argumentos.size())
            return falla(QStringLiteral("Falta el valor de %1.").arg(a));
        *valor = argumentos[++i];
    }
    if (p->carpeta.isEmpty() || p->nuevo.isEmpty() || pid.isEmpty() || sha256.isEmpty())
        return falla(QStringLiteral("Faltan --carpeta, --nuevo, --pid o --sha256."));
    static const QRegularExpression kHex(QStringLiteral("^[0-9a-fA-F]{64}$"));
    if (!kHex.match(sha256).hasMatch())
        return falla(QStringLiteral("--sha256 debe llevar 64 cifras hexadecimales."));
    p->sha256 = sha256.toLower().toLatin1();
    if (!LeerEntero(pid, 1, std::numeric_limits<int>::max(), &p->pid))
        return falla(QStringLiteral("--pid debe ser un número de proceso."));
    qint64 segundos = 0;
    if (!LeerEntero(espera, 0, 24 * 3600, &segundos))
        return falla(QStringLiteral("--espera debe ser un número de segundos entre 0 y 86400."));
    p->esperaSegundos = int(segundos);
    return true;
}

bool EjecutaPrograma(qint64 pid, const QString& programa)
{
    const QByteArray enlace = QStringLiteral("/proc/%1/exe").arg(pid).toLocal8Bit();
    char destino[4096];
    const ssize_t n = ::readlink(enlace.constData(), destino, sizeof destino - 1);
    if (n <= 0)
        return false;   // ended (a zombie has no exe either), or not ours to look at
    QString exe = QFile::decodeName(QByteArray(destino, int(n)));
    // A program file replaced while it runs reads "<path> (deleted)".
    const QString borrado = QStringLiteral(" (deleted)");
    if (exe.endsWith(borrado))
        exe.chop(borrado.size());
    const QString canonico = QFileInfo(programa).canonicalFilePath();
    return exe == (canonico.isEmpty() ? QFileInfo(programa).absoluteFilePath() : canonico);
}

QByteArray Sha256DeFichero(const QString& ruta)
{
    QFile f(ruta);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!f.open(QIODevice::ReadOnly) || !hash.addData(&f))
        return {};
    return hash.result().toHex();
}

QString OperacionesArchivo::Copiar(const QString& origen, const QString& destino, QFileDevice::Permissions permisos)
{
    QFile::remove(destino);   // a leftover of an interrupted run
    QFile in(origen);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("no se puede leer %1").arg(origen);
    QFile out(destino);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QStringLiteral("no se puede crear %1").arg(destino);
    QString error;
    while (error.isEmpty() && !in.atEnd()) {
        const QByteArray trozo = in.read(1 << 20);
        if (trozo.isEmpty() && in.error() != QFile::NoError)
            error = QStringLiteral("no se puede leer %1").arg(origen);
        else if (out.write(trozo) != trozo.size())
            error = QStringLiteral("no se puede escribir %1 (¿disco lleno?)").arg(destino);
    }
    if (error.isEmpty() && (!out.flush() || !out.setPermissions(permisos) || ::fsync(out.handle()) != 0))
        error = QStringLiteral("no se puede guardar %1 en el disco").arg(destino);
    if (!error.isEmpty())
        out.remove();
    return error;
}

QString OperacionesArchivo::Renombrar(const QString& de, const QString& a)
{
    if (::rename(QFile::encodeName(de).constData(), QFile::encodeName(a).constData()) != 0)
        return QStringLiteral("no se puede renombrar %1 como %2").arg(de, a);
    // The rename itself must reach the disk before the old copy is relied on.
    const int dir = ::open(QFile::encodeName(QFileInfo(a).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

namespace {

// Puts the old program back from its backup when the program file is no longer it.
QString Restaurar(const QString& programa, const QString& respaldo, const QByteArray& hashViejo,
                  QFileDevice::Permissions permisos, OperacionesArchivo& ops)
{
    if (Sha256DeFichero(programa) == hashViejo)
        return {};
    const QString temporal = QFileInfo(programa).dir().filePath(QStringLiteral(".rentiva.restaurar"));
    QString error = ops.Copiar(respaldo, temporal, permisos);
    if (error.isEmpty())
        error = ops.Renombrar(temporal, programa);
    QFile::remove(temporal);
    if (error.isEmpty() && Sha256DeFichero(programa) != hashViejo)
        error = QStringLiteral("la copia restaurada no coincide");
    return error;
}

// Writes the new program beside the old one and renames it over; then checks the result.
QString Instalar(const PeticionReemplazo& p, const QString& programa, QFileDevice::Permissions permisos,
                 OperacionesArchivo& ops)
{
    const QString temporal = QDir(p.carpeta).filePath(QStringLiteral(".rentiva.nuevo"));
    QString error = ops.Copiar(RutaNuevo(p), temporal, permisos);
    if (error.isEmpty())
        error = ops.Renombrar(temporal, programa);
    QFile::remove(temporal);
    if (error.isEmpty() && (Sha256DeFichero(programa) != p.sha256 || !QFileInfo(programa).isExecutable()))
        error = QStringLiteral("%1 no quedó igual que la descarga").arg(programa);
    return error;
}

}  // namespace

ResultadoReemplazo Reemplazar(const PeticionReemplazo& p, OperacionesArchivo& ops)
{
    const QString programa = QDir(p.carpeta).filePath(kPrograma);
    const QString respaldo = programa + QStringLiteral(".anterior");
    const QString nuevo = RutaNuevo(p);
    const QString nadaCambiado = QStringLiteral("; no se ha cambiado nada.");

    const QByteArray hashViejo = Sha256DeFichero(programa);
    if (hashViejo.isEmpty())
        return {false, QStringLiteral("No se encuentra el programa %1").arg(programa) + nadaCambiado};
    const QByteArray hashNuevo = Sha256DeFichero(nuevo);
    if (hashNuevo.isEmpty())
        return {false, QStringLiteral("No se puede leer la descarga %1").arg(nuevo) + nadaCambiado};
    if (hashNuevo != p.sha256)
        return {false, QStringLiteral("La descarga %1 no coincide con su suma SHA-256").arg(nuevo) + nadaCambiado +
                           QStringLiteral(" Vuelva a buscar la actualización desde Rentiva.")};

    const QFileDevice::Permissions permisosViejos = QFile::permissions(programa);
    const QFileDevice::Permissions permisos =
        permisosViejos | QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ReadOwner |
        QFileDevice::ReadUser | QFileDevice::WriteOwner | QFileDevice::WriteUser;

    const QString temporal = respaldo + QStringLiteral(".tmp");
    QString error = ops.Copiar(programa, temporal, permisosViejos);
    if (error.isEmpty())
        error = ops.Renombrar(temporal, respaldo);
    QFile::remove(temporal);
    if (!error.isEmpty())
        return {false, QStringLiteral("No se pudo guardar la copia %1: %2").arg(respaldo, error) + nadaCambiado};

    error = Instalar(p, programa, permisos, ops);
    if (!error.isEmpty()) {
        const QString restaurado = Restaurar(programa, respaldo, hashViejo, permisosViejos, ops);
        if (!restaurado.isEmpty())
            return {false, QStringLiteral("No se pudo instalar la nueva versión (%1) ni restaurar la anterior (%2). "
                                          "Copie %3 sobre %4 antes de abrir Rentiva.")
                               .arg(error, restaurado, respaldo, programa)};
        return {false, QStringLiteral("No se pudo instalar la nueva versión (%1); Rentiva sigue como estaba.")
                           .arg(error)};
    }
    QFile::remove(nuevo);
    return {true, QStringLiteral("Rentiva se ha actualizado. Vuelva a abrirlo; la versión anterior queda en %1.")
                      .arg(respaldo)};
}

CReemplazo::CReemplazo(const PeticionReemplazo& peticion, OperacionesArchivo& ops, QObject* parent)
    : QObject(parent), m_peticion(peticion), m_ops(ops)
{
    m_reloj.setInterval(kPasoMs);
    connect(&m_reloj, &QTimer::timeout, this, &CReemplazo::Comprobar);
}

void CReemplazo::Iniciar()
{
    m_transcurrido.start();
    emit Estado(QStringLiteral("Esperando a que Rentiva se cierre..."), -1);
    m_reloj.start();
    Comprobar();
}

void CReemplazo::Comprobar()
{
    const QString programa = QDir(m_peticion.carpeta).filePath(kPrograma);
    if (EjecutaPrograma(m_peticion.pid, programa)) {
        if (m_transcurrido.elapsed() < qint64(m_peticion.esperaSegundos) * 1000)
            return;
        m_reloj.stop();
        emit Terminado(false, QStringLiteral("Rentiva (proceso %1) sigue abierto tras %2 s; no se ha cambiado nada. "
                                             "Ciérrelo y vuelva a buscar la actualización.")
                                  .arg(m_peticion.pid)
                                  .arg(m_peticion.esperaSegundos));
        return;
    }
    m_reloj.stop();
    emit Estado(QStringLiteral("Instalando la nueva versión..."), 50);
    const ResultadoReemplazo r = Reemplazar(m_peticion, m_ops);
    emit Estado(r.mensaje, 100);
    emit Terminado(r.ok, r.mensaje);
}
