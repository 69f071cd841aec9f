#include "settings/ajustes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QSaveFile>
#include <QMutex>
#include <QStandardPaths>

#include <sys/stat.h>

using namespace ajustes;

namespace {

constexpr int kMaxTexto = 4999;

// A job or a form reads many settings in a row: keep the parsed file and parse it again
// only when the file on disk is another one (written by us or by another process).
struct Cache {
    QMutex mutex;
    QString ruta;
    bool existe = false;
    struct stat info {};
    QJsonObject raiz;
};

Cache& LaCache()
{
    static Cache c;
    return c;
}

bool MismoArchivo(const struct stat& a, const struct stat& b)
{
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

QJsonObject Leer()
{
    const QString ruta = RutaAjustes();
    Cache& c = LaCache();
    QMutexLocker bloqueo(&c.mutex);
    struct stat info {};
    const bool existe = ::stat(QFile::encodeName(ruta).constData(), &info) == 0;
    if (c.ruta == ruta && c.existe == existe && (!existe || MismoArchivo(c.info, info)))
        return c.raiz;
    QJsonObject raiz;
    QFile f(ruta);
    if (existe && f.open(QIODevice::ReadOnly)) {
        const QJsonDocument doc = QJsonDocument::fromJson(f.readAll());
        if (doc.isObject())
            raiz = doc.object();
    }
    c.ruta = ruta;
    c.existe = existe;
    c.info = info;
    c.raiz = raiz;
    return raiz;
}

// Whole-file replace through a temporary file, so a crash never leaves half a settings file.
bool Escribir(const QString& seccion, const QString& clave, const QJsonValue& valor)
{
    QJsonObject raiz = Leer();
    QJsonObject sec = raiz.value(seccion).toObject();
    sec.insert(clave, valor);
    raiz.insert(seccion, sec);
    const QString ruta = RutaAjustes();
    if (!QDir().mkpath(QFileInfo(ruta).absolutePath()))
        return false;
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(QJsonDocument(raiz).toJson(QJsonDocument::Indented));
    if (!f.commit())
        return false;
    // Our own write: remember it, so the next read does not parse the file again.
    Cache& c = LaCache();
    QMutexLocker bloqueo(&c.mutex);
    struct stat info {};
    c.existe = ::stat(QFile::encodeName(ruta).constData(), &info) == 0;
    c.ruta = ruta;
    c.info = info;
    c.raiz = raiz;
    return true;
}

QJsonValue Valor(const QString& seccion, const QString& clave)
{
    return Leer().value(seccion).toObject().value(clave);
}

}  // namespace

QString RutaAjustes()
{
    const QString env = qEnvironmentVariable("RENTIVA_SETTINGS");
    if (!env.isEmpty())
        return env;
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/rentiva/rentiva.conf");
}

int LeerEntero(const QString& seccion, const QString& clave, int porDefecto)
{
    const QJsonValue v = Valor(seccion, clave);
    if (!v.isDouble())
        return porDefecto;
    const double d = v.toDouble();
    if (d < -2147483648.0 || d > 2147483647.0 || d != static_cast<double>(static_cast<qint64>(d)))
        return porDefecto;
    return static_cast<int>(d);
}

bool EscribirEntero(const QString& seccion, const QString& clave, int valor)
{
    return Escribir(seccion, clave, QJsonValue(valor));
}

QString LeerTexto(const QString& seccion, const QString& clave, const QString& porDefecto)
{
    const QJsonValue v = Valor(seccion, clave);
    if (!v.isString())
        return porDefecto;
    QString s = v.toString();
    // A stored zero ends the text, as the store always did.
    const qsizetype cero = s.indexOf(QChar(0));
    if (cero >= 0)
        s.truncate(cero);
    return s.left(kMaxTexto);
}

bool EscribirTexto(const QString& seccion, const QString& clave, const QString& texto)
{
    return Escribir(seccion, clave, QJsonValue(texto.left(kMaxTexto)));
}

QString NombreImpuesto(int tipo)
{
    if (tipo == 1)
        return LeerTexto(kImpuesto1, kNombre, kImpuesto1NombrePorDefecto);
    if (tipo == 2)
        return LeerTexto(kImpuesto2, kNombre, kImpuesto2NombrePorDefecto);
    return QString();
}

int PorcentajeImpuesto(int tipo)
{
    if (tipo == 1)
        return LeerEntero(kImpuesto1, kPorcentaje, kImpuesto1PorcentajePorDefecto);
    if (tipo == 2)
        return LeerEntero(kImpuesto2, kPorcentaje, kImpuesto2PorcentajePorDefecto);
    return 0;
}

void PonerNombreImpuesto(int tipo, const QString& nombre)
{
    if (tipo == 1 || tipo == 2)
        EscribirTexto(tipo == 1 ? kImpuesto1 : kImpuesto2, kNombre, nombre);
}

void PonerPorcentajeImpuesto(int tipo, int porcentaje)
{
    if (tipo == 1 || tipo == 2)
        EscribirEntero(tipo == 1 ? kImpuesto1 : kImpuesto2, kPorcentaje, porcentaje);
}

QString NombreMoneda() { return LeerTexto(kMoneda, kNombre, kMonedaNombrePorDefecto); }
QString SimboloMoneda() { return LeerTexto(kMoneda, kSimbolo, kMonedaSimboloPorDefecto); }
void PonerNombreMoneda(const QString& nombre) { EscribirTexto(kMoneda, kNombre, nombre); }
void PonerSimboloMoneda(const QString& simbolo) { EscribirTexto(kMoneda, kSimbolo, simbolo); }

static AjustesImpuestos LeerAjustesImpuestos()
{
    return {NombreImpuesto1(), NombreImpuesto2(), PorcentajeImpuesto1(), PorcentajeImpuesto2()};
}

AjustesRecibo LeerAjustesRecibo()
{
    AjustesRecibo a;
    DisenoRecibo& d = a.diseno;
    d.color = LeerTexto(kRecibo, kColor);
    d.fondo = LeerTexto(kRecibo, kFondo);
    d.rojo = LeerEntero(kRecibo, kColorR, kColorRPorDefecto);
    d.verde = LeerEntero(kRecibo, kColorG, kColorGPorDefecto);
    d.azul = LeerEntero(kRecibo, kColorB, kColorBPorDefecto);
    d.tipo_cuadro_izquierdo = LeerEntero(kRecibo, kTipoCuadroIzquierdo, 0);
    d.textos = {LeerTexto(kRecibo, kTexto1), LeerTexto(kRecibo, kTexto2), LeerTexto(kRecibo, kTexto3)};
    d.logo = LeerTexto(kRecibo, kFileLogo);
    a.vencimiento.tipo = LeerEntero(kRecibo, kVencimientoTipo, 0);
    a.vencimiento.dia = LeerEntero(kRecibo, kVencimientoDia, kVencimientoDiaPorDefecto);
    a.vencimiento.otro = LeerTexto(kRecibo, kVencimientoOtro);
    a.recibo_factura = LeerEntero(kRecibo, kReciboFactura, 0);
    a.impuestos = LeerAjustesImpuestos();
    a.moneda = {NombreMoneda(), SimboloMoneda()};
    return a;
}

AjustesBanco LeerAjustesBanco()
{
    return {LeerEntero(kRecibo, kSufijo, kSufijoPorDefecto), LeerAjustesImpuestos()};
}

AjustesContrato LeerAjustesContrato()
{
    return {LeerEntero(kContrato, kAltoLetra, kAltoLetraPorDefecto), LeerAjustesImpuestos()};
}

QStringList ArchivosRecientes()
{
    QStringList r;
    for (int i = 1; i <= ajustes::kArchivosRecientesMaximo; ++i) {
        const QString ruta = LeerTexto(ajustes::kArchivosRecientes, ajustes::kArchivoReciente.arg(i));
        if (!ruta.isEmpty() && !r.contains(ruta))
            r << ruta;
    }
    return r;
}

namespace {

void GuardarRecientes(const QStringList& lista)
{
    for (int i = 1; i <= ajustes::kArchivosRecientesMaximo; ++i)
        EscribirTexto(ajustes::kArchivosRecientes, ajustes::kArchivoReciente.arg(i), lista.value(i - 1));
}

}  // namespace

void AnotarArchivoReciente(const QString& ruta)
{
    QStringList lista = ArchivosRecientes();
    lista.removeAll(ruta);
    lista.prepend(ruta);
    GuardarRecientes(lista.mid(0, ajustes::kArchivosRecientesMaximo));
}

void QuitarArchivoReciente(const QString& ruta)
{
    QStringList lista = ArchivosRecientes();
    if (lista.removeAll(ruta) > 0)
        GuardarRecientes(lista);
}
