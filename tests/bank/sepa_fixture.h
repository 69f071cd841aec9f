#pragma once
// Reading SEPA files back: the schema check and the values the tests compare.
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "billing/facturacion.h"
#include "data/database.h"
#include "data/workspace.h"

// "" when xmllint accepts the file against the committed pain.008.001.02 schema, else its words.
inline QString ErroresEsquema(const QString& fichero)
{
    QProcess p;
    p.start(QStringLiteral("xmllint"),
            {QStringLiteral("--noout"), QStringLiteral("--schema"),
             QStringLiteral(RENTIVA_SOURCE_DIR "/tests/data/sepa/pain.008.001.02.xsd"), fichero});
    if (!p.waitForFinished(30000))
        return QStringLiteral("xmllint no terminó (¿está instalado libxml2-utils?)");
    return p.exitCode() == 0 ? QString() : QString::fromUtf8(p.readAllStandardError());
}

// One payment group as written.
struct GrupoLeido {
    QString seqTp, nbOfTxs, ctrlSum;
    QStringList endToEnd, importes, nombres, ibans, mandatos, ustrd, amendments;   // amendments: IBAN, SMNDA or ""
};
struct SepaLeido {
    QString msgId, nbOfTxs, ctrlSum;
    QList<GrupoLeido> grupos;
    // Every debit's sequence type by its EndToEndId.
    QString Tipo(const QString& e2e) const
    {
        for (const GrupoLeido& g : grupos)
            if (g.endToEnd.contains(e2e))
                return g.seqTp;
        return QString();
    }
};

inline SepaLeido LeerSepa(const QByteArray& xml)
{
    SepaLeido r;
    QXmlStreamReader x(xml);
    QStringList camino;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            camino << x.name().toString();
            const QString c = camino.join(u'/');
            if (c.endsWith(QLatin1String("CstmrDrctDbtInitn/PmtInf")))
                r.grupos.append(GrupoLeido{});
            else if (c.endsWith(QLatin1String("DrctDbtTxInf")))
                r.grupos.last().amendments << QString();
        } else if (x.isEndElement()) {
            camino.removeLast();
        } else if (x.isCharacters() && !x.isWhitespace()) {
            const QString c = camino.join(u'/');
            const QString t = x.text().toString();
            auto fin = [&c](const char* s) { return c.endsWith(QLatin1String(s)); };
            if (fin("GrpHdr/MsgId")) r.msgId = t;
            else if (fin("GrpHdr/NbOfTxs")) r.nbOfTxs = t;
            else if (fin("GrpHdr/CtrlSum")) r.ctrlSum = t;
            else if (fin("PmtInf/NbOfTxs")) r.grupos.last().nbOfTxs = t;
            else if (fin("PmtInf/CtrlSum")) r.grupos.last().ctrlSum = t;
            else if (fin("PmtTpInf/SeqTp")) r.grupos.last().seqTp = t;
            else if (fin("PmtId/EndToEndId")) r.grupos.last().endToEnd << t;
            else if (fin("DrctDbtTxInf/InstdAmt")) r.grupos.last().importes << t;
            else if (fin("Dbtr/Nm")) r.grupos.last().nombres << t;
            else if (fin("OrgnlDbtrAcct/Id/IBAN") || fin("OrgnlDbtrAcct/Id/Othr/Id")) r.grupos.last().amendments.last() = t;
            else if (fin("DbtrAcct/Id/IBAN")) r.grupos.last().ibans << t;
            else if (fin("MndtRltdInf/MndtId")) r.grupos.last().mandatos << t;
            else if (fin("RmtInf/Ustrd")) r.grupos.last().ustrd << t;
        }
    }
    EXPECT_FALSE(x.hasError()) << x.errorString().toStdString();
    return r;
}

inline QByteArray LeerArchivo(const QString& f)
{
    QFile q(f);
    return q.open(QIODevice::ReadOnly) ? q.readAll() : QByteArray();
}

// One owner and four tenants paying by direct debit: A (accents in the name), B (a one-off
// mandate), C (recurrent) and D (a German account with its BIC); billed for March and April.
// Receipts 1 to 4 are March's (A to D), 5 to 8 April's.
inline void CrearWorkspaceSepa(const QString& ruta)
{
    Database db = CrearWorkspace(ruta);
    db.exec(QStringLiteral("INSERT INTO propietario (nombre, documento_numero, iban, id_acreedor) VALUES"
                           " ('MUÑOZ LÓPEZ ELENA', '50001774G', 'ES1020808802183071876575', 'ES6700050001774G')"));
    const struct { const char *dir, *inquilino, *iban, *bic, *tipo; int euros; } inmuebles[] = {
        {"MAYOR 1", "Peña Ibáñez, Mª", "ES9121000418450200051332", "", "RCUR", 650},
        {"MAYOR 2", "BENITO", "ES1720852066623456789011", "", "OOFF", 400},
        {"MAYOR 3", "CARLOS", "ES6000491500051234567892", "", "RCUR", 500},
        {"MAYOR 4", "DIETER", "DE89370400440532013000", "COBADEFFXXX", "RCUR", 720},
    };
    Statement ins(db, "INSERT INTO inmueble (codref, direccion, piso, arrendador, nom_arrendatario,"
                      " renta, is_recibo_banco, iban, bic, mandato_ref, mandato_fecha, mandato_tipo)"
                      " VALUES (?1, ?1, ' ', 'MUÑOZ LÓPEZ ELENA', ?2, ?3, 1, ?4, ?5, ?6, '2020-01-15 00:00:00', ?7)");
    for (const auto& i : inmuebles)
        ins.bind(1, i.dir).bind(2, QString::fromUtf8(i.inquilino)).bind(3, Moneda::DeCentimos(i.euros * 100))
            .bind(4, i.iban).bind(5, i.bic).bind(6, QStringLiteral("M-") + QString::fromLatin1(i.dir).right(1))
            .bind(7, i.tipo).run();
    Facturacion f(db);
    f.FacturarMes(QDate(2024, 3, 1), QString());
    f.FacturarMes(QDate(2024, 4, 1), QString());
}
