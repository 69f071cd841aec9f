#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <memory>

#include "settings/ajustes.h"
#include "app/documento.h"
#include "data/database.h"
#include "data/esquema.h"
#include "temp_workspace.h"
#include "util/errores.h"

namespace {

// Answers the document's questions and file dialogs from a script and keeps what it showed.
class Guion : public DialogosDocumento {
public:
    QStringList avisos;
    QStringList preguntas;
    QList<bool> siPorDefecto;
    bool respuesta = true;
    QString guardar, abrir, copia;

    void Avisar(const QString& t) override { avisos << t; }
    bool Preguntar(const QString& t, bool si) override
    {
        preguntas << t;
        siPorDefecto << si;
        return respuesta;
    }
    QString ElegirGuardar() override { return guardar; }
    QString ElegirAbrir() override { return abrir; }
    QString ElegirCopia() override { return copia; }
};

QString Ultimo()
{
    return LeerTexto(ajustes::kArchivosRecientes, ajustes::kUltimo);
}

void PonerPropietario(CRentivaDoc& doc, const QString& nombre)
{
    Statement(doc.Base(), "DELETE FROM propietario").run();
    Statement(doc.Base(), "INSERT INTO propietario (ref, nombre) VALUES (1, ?1)").bind(1, nombre).run();
}

QString Propietario(const QString& ruta)
{
    Database db(ruta, Database::Mode::ReadOnly);
    Statement st(db, "SELECT nombre FROM propietario");
    return st.next() ? st.text(0) : QString();
}

QByteArray Bytes(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList Archivos(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// What a workspace command left in the folder, the settings file aside.
QStringList ArchivosDeTrabajo(const QString& dir)
{
    QStringList r = Archivos(dir);
    r.removeAll(QStringLiteral("rentiva.conf"));
    return r;
}

// Counts the emissions of a signal.
template <typename Senal>
std::shared_ptr<int> Contar(CRentivaDoc& doc, Senal senal)
{
    auto n = std::make_shared<int>(0);
    QObject::connect(&doc, senal, [n] { ++*n; });
    return n;
}

struct Fixture {
    TempWorkspace tw;
    Guion guion;
    CRentivaDoc doc;
    Fixture()
    {
        doc.PonerDialogos(&guion);
        doc.PonerCarpetaNueva(tw.dir());
    }
};

}  // namespace

TEST(Documento, BaseRefusesWhenNothingIsOpen)
{
    Fixture f;
    EXPECT_FALSE(f.doc.EstaAbierta());
    try {
        f.doc.Base();
        FAIL() << "Base() must refuse without a workspace";
    } catch (const UserError& e) {
        EXPECT_EQ(e.Mensaje(), "No hay base abierta");
    }
}

TEST(Documento, CreateOpensRecordsAndCloseRecordsAgain)
{
    Fixture f;
    const auto cambios = Contar(f.doc, &CRentivaDoc::BaseCambiada);
    const QString ruta = f.tw.file("nueva.rtv");
    ASSERT_TRUE(f.doc.CrearBase(ruta));
    EXPECT_TRUE(f.doc.EstaAbierta());
    EXPECT_EQ(f.doc.Ruta(), ruta);
    EXPECT_EQ(f.doc.Titulo(), "Rentiva - " + ruta);
    EXPECT_EQ(Ultimo(), ruta);
    EXPECT_GE(*cambios, 1);

    EXPECT_TRUE(f.doc.CerrarBase());
    EXPECT_FALSE(f.doc.EstaAbierta());
    EXPECT_EQ(f.doc.Titulo(), "No hay archivo abierto");
    EXPECT_TRUE(f.doc.Ruta().isEmpty());
    EXPECT_EQ(Ultimo(), ruta);
    EXPECT_TRUE(f.guion.avisos.isEmpty()) << f.guion.avisos.join('|').toStdString();
}

TEST(Documento, FailedCreateLeavesNoFileAndClearsTheLastWorkspace)
{
    Fixture f;
    EscribirTexto(ajustes::kArchivosRecientes, ajustes::kUltimo, f.tw.file("antigua.rtv"));
    const QString ruta = f.tw.file("no_existe/nueva.rtv");
    EXPECT_FALSE(f.doc.CrearBase(ruta));
    EXPECT_FALSE(f.doc.EstaAbierta());
    EXPECT_TRUE(f.doc.Ruta().isEmpty());
    EXPECT_TRUE(Ultimo().isEmpty());
    EXPECT_EQ(f.guion.avisos.size(), 1);
    EXPECT_FALSE(QFile::exists(ruta));
    EXPECT_TRUE(ArchivosDeTrabajo(f.tw.dir()).isEmpty()) << ArchivosDeTrabajo(f.tw.dir()).join(u' ').toStdString();
}

TEST(Documento, OpenRefusesMissingForeignAndCorruptFilesAndKeepsTheOpenWorkspace)
{
    Fixture f;
    const QString buena = f.tw.file("buena.rtv");
    ASSERT_TRUE(f.doc.CrearBase(buena));
    PonerPropietario(f.doc, "Ana");
    f.doc.CerrarBase();

    Escribir(f.tw.file("basura.rtv"), QByteArray(8192, 'x'));
    {
        Database ajena(f.tw.file("ajena.rtv"), Database::Mode::Create);
        ajena.exec("CREATE TABLE otra (a INTEGER)");
    }
    for (const char* nombre : {"no_existe.rtv", "basura.rtv", "ajena.rtv"}) {
        SCOPED_TRACE(nombre);
        const QString ruta = f.tw.file(nombre);
        const QByteArray antes = Bytes(ruta);

        // Nothing open: the refused path is forgotten, never recorded as the last workspace.
        ASSERT_FALSE(f.doc.EstaAbierta());
        f.guion.avisos.clear();
        EXPECT_FALSE(f.doc.AbrirBase(ruta));
        EXPECT_FALSE(f.doc.EstaAbierta());
        EXPECT_EQ(f.guion.avisos.size(), 1);
        EXPECT_EQ(f.doc.Titulo(), "Rentiva - Abra o Cree un archivo");
        EXPECT_TRUE(f.doc.Ruta().isEmpty());

        // A workspace open: the refusal leaves it open, path and caption as they were.
        ASSERT_TRUE(f.doc.AbrirBase(buena));
        f.guion.avisos.clear();
        EXPECT_FALSE(f.doc.AbrirBase(ruta));
        EXPECT_EQ(f.guion.avisos.size(), 1);
        ASSERT_TRUE(f.doc.EstaAbierta());
        EXPECT_EQ(f.doc.Ruta(), buena);
        EXPECT_EQ(f.doc.Titulo(), "Rentiva - " + buena);
        EXPECT_EQ(QueryInteger(f.doc.Base(), "SELECT count(*) FROM propietario"), 1);
        EXPECT_EQ(Bytes(ruta), antes);
        EXPECT_EQ(QFile::exists(ruta), !antes.isEmpty());

        f.doc.CerrarBase();
        EXPECT_EQ(Ultimo(), buena);
    }
    EXPECT_EQ(Propietario(buena), "Ana");
}

TEST(Documento, OpenAnnouncesTheOpenedWorkspace)
{
    Fixture f;
    ASSERT_TRUE(f.doc.CrearBase(f.tw.workspacePath()));
    const auto abierta = Contar(f.doc, &CRentivaDoc::BaseAbierta);
    bool abiertaAlAvisar = false;
    QObject::connect(&f.doc, &CRentivaDoc::BaseAbierta, [&] { abiertaAlAvisar = f.doc.EstaAbierta(); });
    ASSERT_TRUE(f.doc.AbrirBase(f.tw.workspacePath()));
    EXPECT_EQ(*abierta, 1);
    EXPECT_TRUE(abiertaAlAvisar);
    EXPECT_FALSE(f.doc.AbrirBase(f.tw.file("no_existe.rtv")));
    EXPECT_EQ(*abierta, 1);
}

TEST(Documento, StartUpOpensTheLastWorkspace)
{
    Fixture f;
    const QString ruta = f.tw.file("ultima.rtv");
    ASSERT_TRUE(f.doc.CrearBase(ruta));
    f.doc.CerrarBase();

    CRentivaDoc siguiente;
    siguiente.PonerDialogos(&f.guion);
    siguiente.AbrirUltimo();
    EXPECT_TRUE(siguiente.EstaAbierta());
    EXPECT_EQ(siguiente.Ruta(), ruta);
    EXPECT_TRUE(f.guion.preguntas.isEmpty());
}

TEST(Documento, StartUpOffersAFreeNameWhenTheLastWorkspaceIsGone)
{
    const struct { QStringList presentes; const char* esperado; } casos[] = {
        {{}, "rentiva.rtv"},
        {{"rentiva.rtv"}, "rentiva_0.rtv"},
        {{"rentiva.rtv", "rentiva_0.rtv"}, "rentiva_1.rtv"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.esperado);
        Fixture f;
        EscribirTexto(ajustes::kArchivosRecientes, ajustes::kUltimo, f.tw.file("borrada.rtv"));
        for (const QString& p : c.presentes)
            Escribir(f.tw.file(p), "ocupado");
        f.doc.AbrirUltimo();
        ASSERT_EQ(f.guion.preguntas.size(), 1);
        EXPECT_TRUE(f.guion.preguntas[0].startsWith(
            QString::fromUtf8("No hay una base de datos abierta, \xC2\xBF" "Desea crear una?")));
        EXPECT_TRUE(f.guion.siPorDefecto[0]);   // "Si no está seguro pulse Sí"
        const QString ruta = f.tw.file(c.esperado);
        EXPECT_TRUE(f.doc.EstaAbierta());
        EXPECT_EQ(f.doc.Ruta(), ruta);
        EXPECT_EQ(Ultimo(), ruta);
        for (const QString& p : c.presentes)
            EXPECT_EQ(Bytes(f.tw.file(p)), "ocupado");
    }
}

TEST(Documento, StartUpAnsweredNoOpensNothing)
{
    Fixture f;
    f.guion.respuesta = false;
    f.doc.AbrirUltimo();
    EXPECT_FALSE(f.doc.EstaAbierta());
    EXPECT_EQ(f.guion.preguntas.size(), 1);
    EXPECT_EQ(Archivos(f.tw.dir()), QStringList{});
}

TEST(Documento, StartUpCreationFailureIsReportedOnceAndLeavesNothing)
{
    Fixture f;
    f.doc.PonerCarpetaNueva(f.tw.file("no_existe"));
    f.doc.AbrirUltimo();
    EXPECT_FALSE(f.doc.EstaAbierta());
    ASSERT_EQ(f.guion.avisos.size(), 2);   // the reason, then "Error al crear " with the path
    EXPECT_EQ(f.guion.avisos[1], "Error al crear " + f.tw.file("no_existe/rentiva.rtv"));
    EXPECT_TRUE(Ultimo().isEmpty());
    EXPECT_TRUE(ArchivosDeTrabajo(f.tw.dir()).isEmpty()) << ArchivosDeTrabajo(f.tw.dir()).join(u' ').toStdString();
}

TEST(Documento, NewReplacesAnExistingFileWithAFreshWorkspaceButNeverTheOpenOne)
{
    Fixture f;
    const QString otra = f.tw.file("otra.rtv");
    ASSERT_TRUE(f.doc.CrearBase(otra));
    PonerPropietario(f.doc, "Benito");
    const QString ruta = f.tw.workspacePath();
    ASSERT_TRUE(f.doc.CrearBase(ruta));
    PonerPropietario(f.doc, "Ana");

    f.guion.guardar.clear();
    f.doc.ArchivoNuevo();   // cancelled
    EXPECT_EQ(Propietario(ruta), "Ana");

    // Chosen over the open workspace (or through a link to it): refused, nothing changes.
    ASSERT_TRUE(QFile::link(ruta, f.tw.file("enlace.rtv")));
    for (const QString& elegido : {ruta, f.tw.file("enlace.rtv")}) {
        f.guion.avisos.clear();
        f.guion.guardar = elegido;
        f.doc.ArchivoNuevo();
        ASSERT_EQ(f.guion.avisos.size(), 1);
        EXPECT_TRUE(f.guion.avisos[0].contains("archivo de trabajo")) << f.guion.avisos[0].toStdString();
        EXPECT_EQ(f.doc.Ruta(), ruta);
        EXPECT_EQ(QueryInteger(f.doc.Base(), "SELECT count(*) FROM propietario"), 1);
    }
    QFile::remove(f.tw.file("enlace.rtv"));

    f.guion.guardar = otra;
    f.doc.ArchivoNuevo();
    EXPECT_TRUE(f.doc.EstaAbierta());
    EXPECT_EQ(f.doc.Ruta(), otra);
    EXPECT_EQ(QueryInteger(f.doc.Base(), "SELECT count(*) FROM propietario"), 0);
    EXPECT_EQ(Propietario(ruta), "Ana");
    EXPECT_EQ(Archivos(f.tw.dir()), (QStringList{"otra.rtv", "prueba.rtv", "rentiva.conf"}));
}

TEST(Documento, FailedNewKeepsTheOpenWorkspaceAndTheLastOne)
{
    Fixture f;
    const QString ruta = f.tw.workspacePath();
    ASSERT_TRUE(f.doc.CrearBase(ruta));
    PonerPropietario(f.doc, "Ana");
    ASSERT_EQ(Ultimo(), ruta);
    f.guion.guardar = f.tw.file("no_existe/nueva.rtv");
    f.doc.ArchivoNuevo();
    EXPECT_EQ(f.guion.avisos.size(), 1);
    ASSERT_TRUE(f.doc.EstaAbierta());
    EXPECT_EQ(f.doc.Ruta(), ruta);
    EXPECT_EQ(f.doc.Titulo(), "Rentiva - " + ruta);
    EXPECT_EQ(Ultimo(), ruta);
    EXPECT_EQ(QueryInteger(f.doc.Base(), "SELECT count(*) FROM propietario"), 1);
}

TEST(Documento, NewThatCannotReplaceTheChosenPathLeavesNoStrayFile)
{
    Fixture f;
    // A folder at the chosen path: the new workspace is built beside it and cannot replace it.
    ASSERT_TRUE(QDir(f.tw.dir()).mkdir("carpeta.rtv"));
    f.guion.guardar = f.tw.file("carpeta.rtv");
    f.doc.ArchivoNuevo();
    EXPECT_FALSE(f.doc.EstaAbierta());
    EXPECT_EQ(f.guion.avisos.size(), 1);
    EXPECT_TRUE(QFileInfo(f.tw.file("carpeta.rtv")).isDir());
    EXPECT_TRUE(ArchivosDeTrabajo(f.tw.dir()).isEmpty()) << ArchivosDeTrabajo(f.tw.dir()).join(u' ').toStdString();
}

TEST(Documento, SaveAsLeavesTheOldFileAndContinuesOnTheNewOne)
{
    Fixture f;
    const QString vieja = f.tw.workspacePath();
    const QString nueva = f.tw.file("otra.rtv");
    ASSERT_TRUE(f.doc.CrearBase(vieja));
    PonerPropietario(f.doc, "Ana");

    f.guion.guardar = nueva;
    f.doc.GuardarComo();
    ASSERT_TRUE(f.doc.EstaAbierta());
    EXPECT_EQ(f.doc.Ruta(), nueva);
    EXPECT_EQ(f.doc.Titulo(), "Rentiva - " + nueva);
    PonerPropietario(f.doc, "Benito");
    f.doc.CerrarBase();

    EXPECT_EQ(Propietario(vieja), "Ana");
    EXPECT_EQ(Propietario(nueva), "Benito");
    EXPECT_EQ(Ultimo(), nueva);
    // It says where the work goes on; the new file heads the Archivo menu's list.
    ASSERT_EQ(f.guion.avisos.size(), 1);
    EXPECT_TRUE(f.guion.avisos[0].contains(nueva)) << f.guion.avisos[0].toStdString();
    EXPECT_EQ(ArchivosRecientes(), (QStringList{nueva, vieja}));
}

TEST(Documento, CopiesOntoTheOpenFileOrWithoutAWorkspaceFail)
{
    Fixture f;
    f.guion.guardar = f.tw.file("copia.rtv");
    f.doc.CrearCopia();
    ASSERT_EQ(f.guion.avisos.size(), 1);
    EXPECT_TRUE(f.guion.avisos[0].startsWith("Error al guardar"));
    EXPECT_FALSE(QFile::exists(f.tw.file("copia.rtv")));

    ASSERT_TRUE(f.doc.CrearBase(f.tw.workspacePath()));
    PonerPropietario(f.doc, "Ana");
    f.guion.guardar = f.tw.workspacePath();
    for (auto op : {&CRentivaDoc::GuardarComo, &CRentivaDoc::CrearCopia}) {
        f.guion.avisos.clear();
        (f.doc.*op)();
        ASSERT_EQ(f.guion.avisos.size(), 1);
        EXPECT_TRUE(f.guion.avisos[0].startsWith("Error al guardar"));
        EXPECT_TRUE(f.doc.EstaAbierta());
        EXPECT_EQ(f.doc.Ruta(), f.tw.workspacePath());
    }
    EXPECT_EQ(Propietario(f.tw.workspacePath()), "Ana");
}

TEST(Documento, BackupAndRestoreRoundTrip)
{
    Fixture f;
    const QString ruta = f.tw.workspacePath();
    const QString copia = f.tw.file("copia.rtv");
    ASSERT_TRUE(f.doc.CrearBase(ruta));
    PonerPropietario(f.doc, "Ana");

    f.guion.guardar = copia;
    f.doc.CrearCopia();
    EXPECT_EQ(f.doc.Ruta(), ruta);
    EXPECT_TRUE(f.doc.EstaAbierta());
    ASSERT_EQ(f.guion.avisos.size(), 1);
    EXPECT_TRUE(f.guion.avisos[0].contains(copia));   // finished, and where it went
    f.guion.avisos.clear();
    PonerPropietario(f.doc, "Benito");
    {
        // The copy claims an earlier layout: the restore must upgrade it before use.
        Database vieja(copia);
        vieja.setUserVersion(0);
    }

    // Answered No: nothing happens.
    f.guion.copia = copia;
    f.guion.respuesta = false;
    f.doc.RestaurarCopia();
    ASSERT_EQ(f.guion.preguntas.size(), 1);
    EXPECT_TRUE(f.guion.preguntas[0].startsWith("Si importa o restaura una copia de seguridad."));
    EXPECT_FALSE(f.guion.siPorDefecto[0]);   // "Si no está seguro pulse No"
    EXPECT_EQ(Propietario(ruta), "Benito");

    f.guion.respuesta = true;
    const auto abierta = Contar(f.doc, &CRentivaDoc::BaseAbierta);
    f.doc.RestaurarCopia();
    ASSERT_EQ(f.guion.avisos.size(), 1);
    EXPECT_TRUE(f.guion.avisos[0].startsWith("Se ha restaurado la copia " + copia));
    ASSERT_TRUE(f.doc.EstaAbierta());
    EXPECT_EQ(f.doc.Ruta(), ruta);
    EXPECT_EQ(*abierta, 1);   // reopened through the normal open
    EXPECT_EQ(f.doc.Base().userVersion(), kVersionEsquema);
    Statement st(f.doc.Base(), "SELECT nombre FROM propietario");
    ASSERT_TRUE(st.next());
    EXPECT_EQ(st.text(0), "Ana");
    EXPECT_EQ(Propietario(copia), "Ana");
}

TEST(Documento, RestoreRefusesGarbageAndForeignFilesAndKeepsTheWorkspace)
{
    Fixture f;
    const QString ruta = f.tw.workspacePath();
    ASSERT_TRUE(f.doc.CrearBase(ruta));
    PonerPropietario(f.doc, "Ana");
    Escribir(f.tw.file("basura.rtv"), QByteArray(8192, 'x'));
    {
        Database ajena(f.tw.file("ajena.rtv"), Database::Mode::Create);
        ajena.exec("CREATE TABLE otra (a INTEGER)");
    }
    for (const char* nombre : {"basura.rtv", "ajena.rtv", "no_existe.rtv"}) {
        SCOPED_TRACE(nombre);
        f.guion.avisos.clear();
        f.guion.copia = f.tw.file(nombre);
        f.doc.RestaurarCopia();
        EXPECT_EQ(f.guion.avisos.size(), 1);
        ASSERT_TRUE(f.doc.EstaAbierta());
        EXPECT_EQ(f.doc.Ruta(), ruta);
        EXPECT_EQ(QueryInteger(f.doc.Base(), "SELECT count(*) FROM propietario WHERE nombre = 'Ana'"), 1);
    }
    EXPECT_EQ(Archivos(f.tw.dir()),
              (QStringList{"ajena.rtv", "basura.rtv", "prueba.rtv", "rentiva.conf"}));
}

TEST(Documento, TheLastFourWorkspacesAreListedNewestFirstAndAGoneOneLeaves)
{
    Fixture f;
    QStringList rutas;
    for (int i = 0; i < 5; ++i) {
        rutas << f.tw.file(QStringLiteral("w%1.rtv").arg(i));
        ASSERT_TRUE(f.doc.CrearBase(rutas.last()));
        ASSERT_TRUE(f.doc.AbrirBase(rutas.last()));
    }
    ASSERT_TRUE(f.doc.AbrirBase(rutas[2]));
    EXPECT_EQ(ArchivosRecientes(), (QStringList{rutas[2], rutas[4], rutas[3], rutas[1]}));

    QFile::remove(rutas[4]);
    f.doc.AbrirReciente(rutas[4]);
    EXPECT_EQ(f.doc.Ruta(), rutas[2]);   // the open workspace stays
    ASSERT_EQ(f.guion.avisos.size(), 1);
    EXPECT_TRUE(f.guion.avisos[0].contains(rutas[4]));
    EXPECT_EQ(ArchivosRecientes(), (QStringList{rutas[2], rutas[3], rutas[1]}));
    f.doc.AbrirReciente(rutas[1]);
    EXPECT_EQ(f.doc.Ruta(), rutas[1]);
}

TEST(Documento, ExitStepAsksForTheUpdateCheckOnlyWhenSwitchedOn)
{
    Fixture f;
    const auto comprobar = Contar(f.doc, &CRentivaDoc::ComprobarActualizaciones);
    f.doc.EjecutarPasoDeSalida();
    EXPECT_EQ(*comprobar, 0);
    EscribirEntero(ajustes::kActualizaciones, ajustes::kActualizacionAutomatica, 1);
    f.doc.EjecutarPasoDeSalida();
    EXPECT_EQ(*comprobar, 1);
}
