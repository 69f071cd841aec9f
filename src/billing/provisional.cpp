#include "billing/provisional.h"
#include "util/formato.h"

#include <QFile>
#include <QRegularExpression>

#include "util/errores.h"

namespace provisional {

void CrearWorkspace(const QString& path)
{
    if (QFile::exists(path))
        throw UserError(QStringLiteral("El archivo %1 ya existe; elija otro nombre.").arg(path));
    Database db(path, Database::Mode::Create);
    Transaction tx(db);
    db.exec(QStringLiteral(R"(
CREATE TABLE propietario (ref INTEGER NOT NULL, via TEXT, direccion TEXT, piso TEXT, cp TEXT,
  localidad TEXT, nombre TEXT NOT NULL, documento_tipo TEXT, documento_numero TEXT, banco TEXT,
  sucursal TEXT, dc TEXT, ccc TEXT, sufijo INTEGER, numero_recibo INTEGER, telefono_casa TEXT,
  telefono_movil TEXT, notas TEXT, datos_banco TEXT,
  CONSTRAINT pk_propietario PRIMARY KEY (nombre));
CREATE TABLE inmueble (ref INTEGER NOT NULL, codref TEXT, via TEXT, direccion TEXT NOT NULL,
  piso TEXT, cp TEXT, localidad TEXT, arrendador TEXT, nom_arrendatario TEXT,
  doc_arrendatario_tipo TEXT, doc_arrendatario_num TEXT, nacionalidad_arrendatario TEXT,
  fecha TEXT, renta INTEGER, iva INTEGER, irpf INTEGER, otro_importe1 INTEGER,
  otro_importe2 INTEGER, otro_importe3 INTEGER, otro_concepto1 TEXT, otro_concepto2 TEXT,
  otro_concepto3 TEXT, is_recibo_banco INTEGER, is_recibo_fisico INTEGER,
  is_recibo_numerar INTEGER, banco TEXT, sucursal TEXT, dc TEXT, ccc TEXT, telefono_casa TEXT,
  telefono_movil TEXT, notas TEXT, metros INTEGER, habitaciones INTEGER, cocina_ind INTEGER,
  refcatastral TEXT, email TEXT, direccioninquilino TEXT, is_seleccionado INTEGER,
  tipo_inmueble INTEGER, equipamiento TEXT, nota_recibo TEXT,
  CONSTRAINT pk_imueble PRIMARY KEY (direccion, piso));
CREATE TABLE recibo (ref INTEGER NOT NULL, codref TEXT, direccion TEXT NOT NULL, piso TEXT,
  localidad TEXT, arrendador TEXT, nom_arrendatario TEXT, doc_arrendatario_tipo TEXT,
  doc_arrendatario_num TEXT, fecha_facturacion TEXT, fecha_cobro TEXT, renta INTEGER,
  iva INTEGER, irpf INTEGER, otro_importe1 INTEGER, otro_importe2 INTEGER, otro_importe3 INTEGER,
  otro_concepto1 TEXT, otro_concepto2 TEXT, otro_concepto3 TEXT, is_recibo_banco INTEGER,
  is_recibo_fisico INTEGER, is_recibo_numerar INTEGER, banco TEXT, sucursal TEXT, dc TEXT,
  ccc TEXT, notas TEXT, numero_recibo INTEGER, estado INTEGER, nota_recibo TEXT,
  refcatastral TEXT, direccioninquilino TEXT, num_alquiler INTEGER,
  CONSTRAINT pk_recibo PRIMARY KEY (ref));
CREATE TABLE facturacion (ref INTEGER NOT NULL, fecha TEXT, notas TEXT,
  CONSTRAINT pk_fecha PRIMARY KEY (fecha));
CREATE TABLE emision_recibo (ref INTEGER NOT NULL, codref TEXT, direccion TEXT NOT NULL,
  piso TEXT, localidad TEXT, arrendador TEXT, nom_arrendatario TEXT, doc_arrendatario_tipo TEXT,
  doc_arrendatario_num TEXT, fecha_facturacion TEXT, fecha_cobro TEXT, renta INTEGER,
  iva INTEGER, irpf INTEGER, otro_importe1 INTEGER, otro_importe2 INTEGER, otro_importe3 INTEGER,
  otro_concepto1 TEXT, otro_concepto2 TEXT, otro_concepto3 TEXT, is_recibo_banco INTEGER,
  is_recibo_fisico INTEGER, is_recibo_numerar INTEGER, banco TEXT, sucursal TEXT, dc TEXT,
  ccc TEXT, notas TEXT, numero_recibo INTEGER, is_recibo_seleccionado INTEGER,
  nota_recibo TEXT, estado INTEGER, refcatastral TEXT, direccioninquilino TEXT,
  num_alquiler INTEGER);
CREATE UNIQUE INDEX ReciboIndex ON recibo(ref);
)"));
    tx.commit();
}

Database AbrirWorkspace(const QString& path)
{
    if (!QFile::exists(path))
        throw UserError(QStringLiteral("No se encuentra el archivo %1.").arg(path));
    return Database(path);
}

QString MonedaATexto(Moneda m)
{
    return ::MonedaATexto(m);
}

Moneda TextoAMoneda(const QString& texto, bool* ok)
{
    return ::TextoAMoneda(texto, ok);
}

QString NombreImpuesto1()
{
    return QStringLiteral("IVA");
}

QString NombreImpuesto2()
{
    return QStringLiteral("IRPF");
}

}  // namespace provisional
