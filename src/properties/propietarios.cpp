#include "properties/propietarios.h"

#include <algorithm>

#include "data/database.h"
#include "util/cuentas.h"
#include "util/errores.h"

namespace {

const char* const kColumnas =
    "ref, via, direccion, piso, cp, localidad, nombre, documento_tipo, documento_numero, banco, "
    "sucursal, dc, ccc, telefono_casa, telefono_movil, notas, numero_recibo, sufijo, datos_banco";

FichaPropietario LeerFila(const Statement& s)
{
    FichaPropietario d;
    d.ref = s.integer(0);
    d.via = s.text(1);
    d.direccion = s.text(2);
    d.piso = s.text(3);
    d.cp = s.text(4);
    d.localidad = s.text(5);
    d.nombre = s.text(6);
    d.documento_tipo = s.text(7);
    d.documento_numero = s.text(8);
    d.banco = s.text(9);
    d.sucursal = s.text(10);
    d.dc = s.text(11);
    d.ccc = s.text(12);
    d.telefono_casa = s.text(13);
    d.telefono_movil = s.text(14);
    d.notas = s.text(15);
    d.numero_recibo = s.integer(16);
    d.sufijo = s.integer(17);
    d.datos_banco = s.text(18);
    return d;
}

// Binds ?2.. in the order of kColumnas after ref and nombre's slot is ?7.
void EnlazarFila(Statement& s, const FichaPropietario& d)
{
    s.bind(2, d.via).bind(3, d.direccion).bind(4, d.piso).bind(5, d.cp).bind(6, d.localidad)
        .bind(7, d.nombre).bind(8, d.documento_tipo).bind(9, d.documento_numero)
        .bind(10, d.banco).bind(11, d.sucursal).bind(12, d.dc).bind(13, d.ccc)
        .bind(14, d.telefono_casa).bind(15, d.telefono_movil).bind(16, d.notas)
        .bind(17, d.numero_recibo).bind(18, d.sufijo).bind(19, d.datos_banco);
}

void ComprobarAnchos(const FichaPropietario& d)
{
    using namespace ancho_propietario;
    ComprobarAncho(d.nombre, kNombre, "Nombre");
    ComprobarAncho(d.documento_tipo, kDocumentoTipo, "Tipo");
    ComprobarAncho(d.documento_numero, kDocumentoNumero, "Numero");
    ComprobarAncho(d.via, kVia, "Via");
    ComprobarAncho(d.direccion, kDireccion, "Dirección");
    ComprobarAncho(d.piso, kPiso, "Piso");
    ComprobarAncho(d.localidad, kLocalidad, "Localidad");
    ComprobarAncho(d.telefono_movil, kTelefono, "Movil");
    ComprobarAncho(d.telefono_casa, kTelefono, "Teléfono");
    ComprobarAncho(d.cp, kCp, "Código Postal");
    ComprobarAncho(d.banco, kBanco, "Banco");
    ComprobarAncho(d.sucursal, kSucursal, "Suc");
    ComprobarAncho(d.dc, kDc, "DC");
    ComprobarAncho(d.ccc, kCcc, "Cuenta");
    ComprobarAncho(d.datos_banco, kDatosBanco, "Datos Banco");
    if (d.numero_recibo < 0)
        throw UserError(QStringLiteral("El número de recibo no puede ser negativo."));
}

// Another owner (not `ref`) already called `nombre`, ignoring case and Spanish accents.
bool NombreOcupado(Database& db, const QString& nombre, qint64 ref)
{
    Statement s(db, "SELECT 1 FROM propietario WHERE es_fold(nombre) = es_fold(?1) AND ref <> ?2 "
                    "LIMIT 1");
    s.bind(1, nombre).bind(2, ref);
    return s.next();
}

}  // namespace

void ComprobarAncho(const QString& texto, int max, const char* campo)
{
    if (texto.size() > max)
        throw UserError(QStringLiteral("El campo \"%1\" admite como máximo %2 caracteres.")
                            .arg(QString::fromUtf8(campo))
                            .arg(max));
}

const QStringList& ListaVias()
{
    static const QStringList kVias = {
        QStringLiteral("CALLE"),     QStringLiteral("AVENIDA"),  QStringLiteral("CAMINO"),
        QStringLiteral("CARRETERA"), QStringLiteral("COLONIA"),  QStringLiteral("GLORIETA"),
        QStringLiteral("PASEO"),     QStringLiteral("PLAZA"),    QStringLiteral("POLÍGONO"),
        QStringLiteral("TRAVESÍA"),  QStringLiteral("URBANIZACIÓN")};
    return kVias;
}

const QStringList& ListaDocumentosPropietario()
{
    static const QStringList kTipos = {QStringLiteral("NIF"), QStringLiteral("CIF")};
    return kTipos;
}

QString MarcarDc(const QString& banco, const QString& sucursal, const QString& dc,
                 const QString& ccc)
{
    if (ccc.isEmpty() || ValidarCcc(banco, sucursal, dc, ccc))
        return dc;
    return kDcErroneo;
}

FichaPropietario NormalizarPropietario(FichaPropietario d)
{
    d.documento_numero = NormalizarDocumento(d.documento_numero);
    d.dc = MarcarDc(d.banco, d.sucursal, d.dc, d.ccc);
    return d;
}

bool FaltaCuentaPropietario(const FichaPropietario& d)
{
    return d.ccc.trimmed().isEmpty();
}

std::optional<FichaPropietario> BuscarPropietario(Database& db, const QString& nombre)
{
    Statement s(db, QStringLiteral("SELECT %1 FROM propietario WHERE es_fold(nombre) = es_fold(?1) "
                                   "ORDER BY rowid LIMIT 1")
                        .arg(QString::fromLatin1(kColumnas)));
    s.bind(1, nombre);
    if (!s.next())
        return std::nullopt;
    return LeerFila(s);
}

QStringList NombresPropietarios(Database& db)
{
    QStringList nombres;
    Statement s(db, "SELECT nombre FROM propietario");
    while (s.next())
        nombres << s.text(0);
    // Sorted as a reader expects: accents and case do not move a name away from its letter.
    const auto clave = [](const QString& n) {
        QString base;
        for (QChar c : n.normalized(QString::NormalizationForm_D))
            if (c.category() != QChar::Mark_NonSpacing)
                base += c;
        return PlegarTexto(base);
    };
    std::stable_sort(nombres.begin(), nombres.end(), [&](const QString& a, const QString& b) {
        const int c = QString::compare(clave(a), clave(b));
        return c != 0 ? c < 0 : CompareSinCaso(a, b) < 0;
    });
    return nombres;
}

Propietarios::Propietarios(Database& db) : m_db(db)
{
    Recargar();
}

Propietarios::~Propietarios() = default;

void Propietarios::Recargar()
{
    m_refs.clear();
    Statement s(m_db, "SELECT ref FROM propietario ORDER BY rowid");
    while (s.next())
        m_refs << s.integer(0);
    m_pos = std::clamp(m_pos, 0, std::max(0, int(m_refs.size()) - 1));
}

FichaPropietario Propietarios::Actual() const
{
    if (m_refs.isEmpty())
        throw UserError(QStringLiteral("No hay ningún propietario."));
    Statement s(m_db, QStringLiteral("SELECT %1 FROM propietario WHERE ref = ?1")
                          .arg(QString::fromLatin1(kColumnas)));
    s.bind(1, m_refs.at(m_pos));
    if (!s.next())
        throw UserError(QStringLiteral("El propietario ya no existe en la base."));
    return LeerFila(s);
}

void Propietarios::Siguiente()
{
    if (!m_refs.isEmpty())
        m_pos = (m_pos + 1) % int(m_refs.size());
}

void Propietarios::Anterior()
{
    if (!m_refs.isEmpty())
        m_pos = m_pos == 0 ? int(m_refs.size()) - 1 : m_pos - 1;
}

void Propietarios::Primero()
{
    m_pos = 0;
}

bool Propietarios::IrARef(qint64 ref)
{
    const int i = int(m_refs.indexOf(ref));
    if (i < 0)
        return false;
    m_pos = i;
    return true;
}

FichaPropietario Propietarios::Nuevo()
{
    return FichaPropietario();
}

FichaPropietario Propietarios::Guardar(const FichaPropietario& datos)
{
    FichaPropietario d = NormalizarPropietario(datos);
    if (d.ref == 0 && d.nombre.trimmed().isEmpty())
        throw UserError(kPropietarioSinNombre);
    if (d.ref != 0) {
        // The name is the key other tables use: it never changes once stored.
        Statement s(m_db, "SELECT nombre FROM propietario WHERE ref = ?1");
        s.bind(1, d.ref);
        if (!s.next())
            throw UserError(QStringLiteral("El propietario ya no existe en la base."));
        d.nombre = s.text(0);
    }
    ComprobarAnchos(d);
    // Checked before anything is written, so a refused name leaves no row behind.
    if (NombreOcupado(m_db, d.nombre, d.ref))
        throw UserError(kPropietarioRepetido);

    Transaction tx(m_db);
    if (d.ref == 0) {
        d.ref = QueryInteger(m_db, QStringLiteral("SELECT COALESCE(MAX(ref), 0) + 1 FROM propietario"));
        Statement s(m_db, QStringLiteral("INSERT INTO propietario (%1) VALUES (?1, ?2, ?3, ?4, ?5, ?6, "
                                         "?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19)")
                              .arg(QString::fromLatin1(kColumnas)));
        s.bind(1, d.ref);
        EnlazarFila(s, d);
        s.run();
    } else {
        Statement s(m_db, "UPDATE propietario SET via = ?2, direccion = ?3, piso = ?4, cp = ?5, "
                          "localidad = ?6, nombre = ?7, documento_tipo = ?8, documento_numero = ?9, "
                          "banco = ?10, sucursal = ?11, dc = ?12, ccc = ?13, telefono_casa = ?14, "
                          "telefono_movil = ?15, notas = ?16, numero_recibo = ?17, sufijo = ?18, "
                          "datos_banco = ?19 WHERE ref = ?1");
        s.bind(1, d.ref);
        EnlazarFila(s, d);
        s.run();
    }
    tx.commit();
    Recargar();
    IrARef(d.ref);
    return d;
}

void Propietarios::Borrar(qint64 ref)
{
    Statement s(m_db, "SELECT nombre FROM propietario WHERE ref = ?1");
    s.bind(1, ref);
    if (!s.next())
        throw UserError(QStringLiteral("El propietario ya no existe en la base."));
    const QString nombre = s.text(0);
    // Rows name their owner by text, not by key: the cascade is ours.
    Transaction tx(m_db);
    for (const char* sql : {"DELETE FROM recibo WHERE es_fold(arrendador) = es_fold(?1)",
                            "DELETE FROM emision_recibo WHERE es_fold(arrendador) = es_fold(?1)",
                            "DELETE FROM inmueble WHERE es_fold(arrendador) = es_fold(?1)"})
        Statement(m_db, sql).bind(1, nombre).run();
    Statement(m_db, "DELETE FROM propietario WHERE ref = ?1").bind(1, ref).run();
    tx.commit();
    Recargar();
    m_pos = 0;
}
