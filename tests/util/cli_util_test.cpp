#include <gtest/gtest.h>

#include <QStringList>

#include "temp_workspace.h"

namespace {
struct Caso {
    QStringList args;
    int rc;
    const char* salida;   // the whole of standard output
};
}

TEST(CliUtil, ResultsAndExitCodes)
{
    const Caso casos[] = {
        {{"nif", "12345678"}, 0, "Z\n"},
        {{"nif", "12.345.678"}, 0, "Z\n"},
        {{"nif", "Y1234567"}, 0, "X\n"},
        {{"documento-valida", "12345678Z"}, 0, "DNI valida\n"},
        {{"documento-valida", "12345678A"}, 1, "DNI no valida\n"},
        {{"documento-valida", "y-1234567-x"}, 0, "NIE valida\n"},
        {{"documento-valida", "B12345674"}, 0, "CIF valida\n"},
        {{"documento-valida", "B12345675"}, 1, "CIF no valida\n"},
        {{"ccc", "1234", "5678", "1234567890"}, 0, "06\n"},
        {{"ccc", "12", "34", "567"}, 0, "84\n"},
        {{"ccc-valida", "1234", "5678", "06", "1234567890"}, 0, "valida\n"},
        {{"ccc-valida", "1234", "5678", "07", "1234567890"}, 1, "no valida\n"},
        {{"ccc-valida", "1234", "5678", "**", "1234567890"}, 1, "no valida\n"},
        {{"letras", "1.234,56"}, 0, "mil doscientos treinta y cuatro Euros con cincuenta y seis céntimos\n"},
        {{"letras", "-7"}, 0, "menos  siete Euros\n"},
        {{"letras", "0,005"}, 0, "un céntimos\n"},
        {{"letras", "1000000"}, 0, "un millón Euros\n"},
        {{"fecha-letras", "01/01/2005"}, 0, "uno de enero del  dos mil cinco\n"},
        {{"codref", "CALLE MAYOR 12", "2 A"}, 0, "MAYO122 A   \n"},
        {{"codref", "PLAZA SANTA ANA 4", "BAJO"}, 0, "PLZST4BAJO  \n"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        QString out, err;
        EXPECT_EQ(RunCli(c.args, &out, &err), c.rc);
        EXPECT_EQ(out, QString::fromUtf8(c.salida));
    }
}

TEST(CliUtil, BadArgumentsExitTwoWithSpanishMessage)
{
    const QStringList casos[] = {
        {"nif", "12345678Z"}, {"nif", "-5"}, {"nif"}, {"nif", ""}, {"documento-valida", "PASAPORTE"},
        {"ccc", "", "5678", "1234567890"},
        {"ccc", "12A4", "5678", "1234567890"}, {"ccc", "1234", "5678", "12345678901"},
        {"ccc-valida", "1234", "5678", "006", "1234567890"},
        {"letras", "doce"}, {"letras", "1,2,3"},
        {"fecha-letras", "31/02/2005"}, {"fecha-letras", "2005-01-01"},
        {"codref", "CALLE MAYOR"},
    };
    for (const auto& args : casos) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        QString out, err;
        EXPECT_EQ(RunCli(args, &out, &err), 2);
        EXPECT_TRUE(out.isEmpty());
        EXPECT_TRUE(err.contains(QStringLiteral("uso: rentiva-cli"))) << err.toStdString();
    }
}

// Without a runtime folder (a plain shell, cron, a container) Qt warns in English on start-up;
// none of that may reach standard error, where only the Spanish messages belong.
TEST(CliUtil, StandardErrorHoldsOnlyOurMessages)
{
    const QByteArray antes = qgetenv("XDG_RUNTIME_DIR");
    const bool habia = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");

    QString out, err;
    EXPECT_EQ(RunCli({"nif", "12345678"}, &out, &err), 0);
    EXPECT_EQ(out, QStringLiteral("Z\n"));
    EXPECT_EQ(err, QString());

    EXPECT_EQ(RunCli({"letras", "doce"}, &out, &err), 2);
    EXPECT_TRUE(err.startsWith(QStringLiteral("El importe no es válido"))) << err.toStdString();

    if (habia)
        qputenv("XDG_RUNTIME_DIR", antes);
}

// The help is the user's reference for every subcommand: each option is shown once.
TEST(CliUtil, HelpShowsEachOptionOnceAndSaysWhatEachSubcommandDoes)
{
    QString out, err;
    ASSERT_EQ(RunCli({"-h"}, &out, &err), 0);
    EXPECT_FALSE(out.contains(QStringLiteral("VALOR")));
    for (const QString& linea : out.split(u'\n', Qt::SkipEmptyParts).mid(3))
        EXPECT_GT(linea.section(QStringLiteral("  "), -1).trimmed().size(), 10) << linea.toStdString();
    const QStringList lineas = out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GT(lineas.size(), 6);
    for (const QString& linea : lineas) {
        SCOPED_TRACE(linea.toStdString());
        QStringList vistas;
        for (const QString& palabra : linea.split(u' ', Qt::SkipEmptyParts)) {
            if (!palabra.startsWith(QStringLiteral("[--")))
                continue;
            const QString opcion = palabra.mid(1).remove(u']');
            EXPECT_FALSE(vistas.contains(opcion)) << opcion.toStdString();
            vistas << opcion;
        }
    }
}
