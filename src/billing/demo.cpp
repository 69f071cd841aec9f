#include "billing/demo.h"

#include <QDate>
#include <QSet>
#include <random>

#include "data/database.h"
#include "data/workspace.h"
#include "util/cuentas.h"
#include "util/iban.h"
#include "util/texto_sepa.h"
#include "util/errores.h"
#include "util/moneda.h"
#include "util/referencia_inmueble.h"
#include "util/nif.h"

namespace {

struct Generador {
    std::mt19937 rng;
    explicit Generador(quint32 semilla) : rng(semilla) {}

    int Entero(int desde, int hasta) { return std::uniform_int_distribution<int>(desde, hasta)(rng); }
    bool Probable(int porCiento) { return Entero(1, 100) <= porCiento; }
    template <size_t N>
    const char* Uno(const char* const (&lista)[N]) { return lista[Entero(0, int(N) - 1)]; }

    QString Digitos(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'0' + Entero(0, 9));
        return s;
    }
    QString Dni()
    {
        const qint64 n = Entero(10'000'000, 79'999'999);
        return QString::number(n) + LetraNif(QString::number(n));
    }
    // A company's tax code: "B", seven digits and the control digit.
    QString Cif()
    {
        const QString d = Digitos(7);
        return QStringLiteral("B") + d + QString::number(DigitoControlCif(d));
    }
    QString Telefono(bool movil) { return (movil ? QStringLiteral("6") : QStringLiteral("9")) + Digitos(8); }

    struct Cuenta { QString banco, sucursal, dc, ccc; };
    Cuenta CuentaBancaria()
    {
        static const char* const kBancos[] = {"2100", "0049", "0182", "2038", "0075", "0081", "2080"};
        Cuenta c{QString::fromLatin1(Uno(kBancos)), Digitos(4), QString(), Digitos(10)};
        c.dc = CalcularDC(c.banco, c.sucursal, c.ccc);
        return c;
    }
};

const char* const kNombres[] = {"MARÍA", "JOSÉ", "ANTONIO", "CARMEN", "MANUEL", "ANA", "FRANCISCO",
                                "LUCÍA", "DAVID", "ISABEL", "JAVIER", "PILAR", "ÁLVARO", "NURIA",
                                "SERGIO", "ROCÍO", "PABLO", "ELENA", "RAÚL", "INÉS"};
const char* const kApellidos[] = {"GARCÍA", "MARTÍNEZ", "LÓPEZ", "SÁNCHEZ", "PÉREZ", "GÓMEZ",
                                  "MARTÍN", "JIMÉNEZ", "RUIZ", "HERNÁNDEZ", "DÍAZ", "MORENO",
                                  "MUÑOZ", "ÁLVAREZ", "ROMERO", "NAVARRO", "TORRES", "DOMÍNGUEZ",
                                  "CASTAÑO", "IBÁÑEZ"};
const char* const kEmpresas[] = {"CAFETERÍA EL RINCÓN S.L.", "ASESORÍA FISCAL NORTE S.L.",
                                 "FARMACIA LA PLAZA C.B.", "PELUQUERÍA ESTILO S.L.",
                                 "CLÍNICA DENTAL SONRISA S.L.", "FERRETERÍA HERMANOS ORTIZ S.L."};
const char* const kVias[] = {"CALLE", "AVENIDA", "PLAZA", "PASEO", "CALLE"};
const char* const kCalles[] = {"MAYOR", "DEL CARMEN", "SAN FRANCISCO", "DE LA CONSTITUCIÓN",
                               "REYES CATÓLICOS", "DE ANDALUCÍA", "GRAN VÍA", "DEL PILAR",
                               "DE LA PAZ", "CERVANTES", "ANTONIO MACHADO", "DE ESPAÑA",
                               "SAN VICENTE", "DE GOYA", "ALFONSO XIII", "DE LOS ÁLAMOS"};
struct Poblacion { const char* localidad; const char* cp; };
const Poblacion kPoblaciones[] = {{"MADRID", "28013"}, {"SEVILLA", "41004"}, {"VALENCIA", "46002"},
                                  {"ZARAGOZA", "50001"}, {"MÁLAGA", "29015"}, {"SALAMANCA", "37002"},
                                  {"ALCALÁ DE HENARES", "28801"}, {"LOGROÑO", "26001"}};

QString Persona(Generador& g)
{
    return QStringLiteral("%1 %2 %3").arg(QString::fromUtf8(g.Uno(kApellidos)),
                                          QString::fromUtf8(g.Uno(kApellidos)),
                                          QString::fromUtf8(g.Uno(kNombres)));
}

Moneda Euros(int euros, int centimos = 0) { return Moneda::DeCentimos(qint64(euros) * 100 + centimos); }

// A percentage of an amount, in whole cents, half a cent away from zero.
Moneda Porcentaje(Moneda base, int porCiento)
{
    return RedondearCentimos(Moneda::DeDiezmilesimas(base.Diezmilesimas() * porCiento / 100));
}

// Accounts as IBAN, the owners' creditor identifiers and a mandate for every tenant who pays
// by direct debit; the last such tenant banks abroad, the second signed a one-off mandate.
// Derived from the rows, so the rest of the demo stays as it was.
void DemoSepa(Database& db)
{
    {
        Statement sel(db, "SELECT ref, banco, sucursal, dc, ccc, documento_numero FROM propietario");
        Statement upd(db, "UPDATE propietario SET iban = ?2, id_acreedor = ?3 WHERE ref = ?1");
        while (sel.next())
            upd.bind(1, sel.integer(0))
                .bind(2, IbanDesdeCcc(sel.text(1), sel.text(2), sel.text(3), sel.text(4)))
                .bind(3, IdentificadorAcreedor(sel.text(5)))
                .run();
    }
    Statement sel(db, "SELECT ref, banco, sucursal, dc, ccc, codref, fecha, is_recibo_banco FROM inmueble"
                      " WHERE ccc <> '' ORDER BY ref");
    Statement upd(db, "UPDATE inmueble SET iban = ?2, bic = ?3, mandato_ref = ?4, mandato_fecha = ?5,"
                      " mandato_tipo = ?6, mandato_ultimo = 0, banco = COALESCE(?7, banco),"
                      " sucursal = COALESCE(?7, sucursal), dc = COALESCE(?7, dc), ccc = COALESCE(?7, ccc)"
                      " WHERE ref = ?1");
    Statement soloIban(db, "UPDATE inmueble SET iban = ?2, mandato_tipo = 'RCUR' WHERE ref = ?1");
    // Small demos keep every Spanish account: the foreign one is the last of three or more.
    const qint64 total = QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM inmueble WHERE ccc <> ''"
                                                         " AND COALESCE(is_recibo_banco,0) <> 0"));
    int domiciliados = 0;
    while (sel.next()) {
        const QString iban = IbanDesdeCcc(sel.text(1), sel.text(2), sel.text(3), sel.text(4));
        if (!sel.boolean(7)) {
            soloIban.bind(1, sel.integer(0)).bind(2, iban).run();
            continue;
        }
        const bool extranjero = total >= 3 && domiciliados == total - 1;
        const QDate firma = sel.date(6).isValid() ? sel.date(6) : QDate(2015, 1, 1);
        upd.bind(1, sel.integer(0))
            .bind(2, extranjero ? QStringLiteral("DE89370400440532013000") : iban)
            .bind(3, extranjero ? QStringLiteral("COBADEFFXXX") : QStringLiteral(""))
            .bind(4, MandatoPropuesto(sel.text(5), firma))
            .bind(5, firma)
            .bind(6, domiciliados == 1 ? QStringLiteral("OOFF") : QStringLiteral("RCUR"));
        if (extranjero)
            upd.bind(7, QStringLiteral(""));
        else
            upd.bindNull(7);
        ++domiciliados;
        upd.run();
    }
}

}  // namespace

void LlenarDemo(Database& db, int inmuebles, quint32 semilla)
{
    if (inmuebles < 0 || inmuebles > 100000)
        throw UserError(QStringLiteral("El número de inmuebles debe estar entre 0 y 100000."));
    Transaction tx(db);
    if (QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM propietario")) > 0 ||
        QueryInteger(db, QStringLiteral("SELECT COUNT(*) FROM inmueble")) > 0)
        throw UserError(QStringLiteral("El archivo ya tiene propietarios o inmuebles; los datos de "
                                       "demostración solo se crean en un archivo nuevo."));
    Generador g(semilla);

    // Owners: private landlords and one family company, each with its own counter.
    const int nPropietarios = qBound(1, inmuebles / 10 + 2, 6);
    QStringList propietarios;
    Statement insP(db, "INSERT INTO propietario (ref, via, direccion, piso, cp, localidad, nombre,"
                       " documento_tipo, documento_numero, banco, sucursal, dc, ccc, sufijo,"
                       " numero_recibo, telefono_casa, telefono_movil, notas, datos_banco)"
                       " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, 0, ?14,"
                       " ?15, ?16, ?17, ?18)");
    for (int i = 0; i < nPropietarios; ++i) {
        QString nombre;
        do
            nombre = Persona(g);
        while (propietarios.contains(nombre));
        propietarios << nombre;
        const Poblacion& pob = kPoblaciones[g.Entero(0, std::size(kPoblaciones) - 1)];
        const auto c = g.CuentaBancaria();
        insP.bind(1, i + 1)
            .bind(2, QString::fromUtf8(g.Uno(kVias)))
            .bind(3, QStringLiteral("%1, %2").arg(QString::fromUtf8(g.Uno(kCalles))).arg(g.Entero(1, 90)))
            .bind(4, QStringLiteral("%1º %2").arg(g.Entero(1, 8)).arg(QChar(u'A' + g.Entero(0, 3))))
            .bind(5, QString::fromLatin1(pob.cp))
            .bind(6, QString::fromUtf8(pob.localidad))
            .bind(7, nombre)
            .bind(8, QStringLiteral("N.I.F."))
            .bind(9, g.Dni())
            .bind(10, c.banco).bind(11, c.sucursal).bind(12, c.dc).bind(13, c.ccc)
            .bind(14, g.Entero(0, 3) * 25)
            .bind(15, g.Telefono(false))
            .bind(16, g.Telefono(true))
            .bind(17, QStringLiteral(""))
            .bind(18, QStringLiteral("Cuenta de cobro de alquileres"))
            .run();
    }

    Statement insI(db, "INSERT INTO inmueble (ref, codref, via, direccion, piso, cp, localidad,"
                       " arrendador, nom_arrendatario, doc_arrendatario_tipo, doc_arrendatario_num,"
                       " nacionalidad_arrendatario, fecha, renta, iva, irpf, otro_importe1,"
                       " otro_importe2, otro_importe3, otro_concepto1, otro_concepto2,"
                       " otro_concepto3, is_recibo_banco, is_recibo_fisico, is_recibo_numerar,"
                       " banco, sucursal, dc, ccc, telefono_casa, telefono_movil, notas, metros,"
                       " habitaciones, cocina_ind, refcatastral, email, direccioninquilino,"
                       " is_seleccionado, tipo_inmueble, equipamiento, nota_recibo)"
                       " VALUES (?1, ?37, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14,"
                       " ?15, ?16, ?17, 0, ?18, ?19, '', ?20, ?21, ?22, ?23, ?24, ?25, ?26, ?27,"
                       " ?28, ?29, ?30, ?31, 1, ?32, ?33, '', 0, ?34, ?35, ?36)");
    const char* const kPlantas[] = {"BAJO", "1º", "2º", "3º", "4º", "5º", "6º", "ÁTICO"};
    QSet<QString> usados;
    for (int i = 0; i < inmuebles; ++i) {
        const int calle = g.Entero(0, std::size(kCalles) - 1);
        const Poblacion& pob = kPoblaciones[calle % std::size(kPoblaciones)];
        const bool local = g.Probable(15);    // business premises: VAT and withholding
        const bool vacio = g.Probable(5);     // between tenants: nothing to bill
        QString direccion, piso;
        for (int intento = 0;; ++intento) {
            direccion = QStringLiteral("%1, %2").arg(QString::fromUtf8(kCalles[calle]))
                            .arg(intento < 20 ? g.Entero(1, 150) : 151 + i);
            piso = local ? QStringLiteral("LOCAL %1").arg(g.Entero(1, 4))
                         : QStringLiteral("%1 %2").arg(QString::fromUtf8(g.Uno(kPlantas)))
                               .arg(QChar(u'A' + g.Entero(0, 3)));
            if (!usados.contains(direccion + u'|' + piso))
                break;
        }
        usados.insert(direccion + u'|' + piso);

        const bool empresa = local && g.Probable(70);
        const QString inquilino = vacio ? QString() : empresa ? QString::fromUtf8(g.Uno(kEmpresas)) : Persona(g);
        const Moneda renta = vacio ? Moneda() : Euros(local ? g.Entero(60, 200) * 10 : g.Entero(45, 130) * 10);
        const Moneda comunidad = !vacio && g.Probable(40) ? Euros(g.Entero(25, 70)) : Moneda();
        const Moneda agua = !vacio && g.Probable(25) ? Euros(g.Entero(12, 35), g.Entero(0, 99)) : Moneda();
        const Moneda iva = local && !vacio ? Porcentaje(renta, 21) : Moneda();
        const Moneda irpf = empresa && !vacio ? -Porcentaje(renta, 19) : Moneda();
        const bool conCuenta = !vacio && g.Probable(75);
        const auto c = conCuenta ? g.CuentaBancaria() : Generador::Cuenta{"", "", "", ""};
        const bool banco = conCuenta && g.Probable(85);
        const bool fisico = !banco || g.Probable(20);

        insI.bind(1, i + 1)
            .bind(37, CReferenciaInmueble(direccion, piso).Codigo())
            .bind(2, QString::fromUtf8(g.Uno(kVias)))
            .bind(3, direccion)
            .bind(4, piso)
            .bind(5, QString::fromLatin1(pob.cp))
            .bind(6, QString::fromUtf8(pob.localidad))
            .bind(7, propietarios[g.Entero(0, propietarios.size() - 1)])
            .bind(8, inquilino.isNull() ? QStringLiteral("") : inquilino)
            .bind(9, vacio ? QStringLiteral("") : empresa ? QStringLiteral("C.I.F.") : QStringLiteral("D.N.I."))
            .bind(10, vacio ? QStringLiteral("")
                            : empresa ? g.Cif() : g.Dni())
            .bind(11, vacio ? QStringLiteral("") : QStringLiteral("ESPAÑOLA"))
            .bind(12, QDate(g.Entero(2015, 2025), g.Entero(1, 12), 1))
            .bind(13, renta).bind(14, iva).bind(15, irpf)
            .bind(16, comunidad).bind(17, agua)
            .bind(18, comunidad.EsCero() ? QStringLiteral("") : QStringLiteral("COMUNIDAD"))
            .bind(19, agua.EsCero() ? QStringLiteral("") : QStringLiteral("AGUA"))
            .bind(20, banco).bind(21, fisico).bind(22, local)
            .bind(23, c.banco).bind(24, c.sucursal).bind(25, c.dc).bind(26, c.ccc)
            .bind(27, vacio ? QStringLiteral("") : g.Telefono(false))
            .bind(28, vacio ? QStringLiteral("") : g.Telefono(true))
            .bind(29, vacio ? QStringLiteral("Libre, pendiente de alquilar") : QStringLiteral(""))
            .bind(30, local ? g.Entero(60, 250) : g.Entero(45, 140))
            .bind(31, local ? 0 : g.Entero(1, 4))
            .bind(32, QStringLiteral("%1 %2 %3").arg(g.Digitos(7), QStringLiteral("VK"), g.Digitos(4)).left(23))
            .bind(33, vacio || empresa ? QStringLiteral("") : QStringLiteral("contacto%1@correo.es").arg(i + 1))
            .bind(34, local ? 2 : 1)
            .bind(35, local ? QStringLiteral("Diáfano, aseo y escaparate") : QStringLiteral("Amueblado, cocina equipada"))
            .bind(36, g.Probable(15) ? QStringLiteral("Pago antes del día 5 de cada mes") : QStringLiteral(""))
            .run();
    }
    DemoSepa(db);
    tx.commit();
}

void CrearArchivoDemo(const QString& ruta, int inmuebles)
{
    // Built beside ruta and named only when full: nothing half-made is ever left there.
    CrearWorkspace(ruta, [inmuebles](Database& db) { LlenarDemo(db, inmuebles); });
}
