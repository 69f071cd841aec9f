// The architecture in one table: every folder of src/ sits on a floor and includes only
// its own floor or lower ones. Folders of one floor may include each other as long as no
// cycle results. A new folder must be added to the table before it builds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::map<std::string, int> kPisos = {
    {"util", 1},                                    // pure helpers: no settings, no widgets
    {"data", 2}, {"settings", 2},                   // workspace and per-user settings
    {"widgets", 3},                                 // small dialogs several features share
    {"properties", 4}, {"billing", 4}, {"receipts", 4}, {"bank", 4},
    {"reports", 4}, {"documents", 4}, {"update", 4}, // the features
    {"app", 5}, {"cli", 5},                         // the top: program and batch companion
    {"updater", 6},                                 // a program of its own: includes nothing
};

struct Include {
    std::string desde, hasta, lugar;   // folders, and "file:line"
};

std::vector<Include> LeerIncludes(const fs::path& src)
{
    std::vector<Include> r;
    const std::regex patron(R"re(^\s*#\s*include\s*"([a-z_]+)/)re");
    for (const auto& e : fs::recursive_directory_iterator(src)) {
        if (!e.is_regular_file())
            continue;
        const std::string desde = fs::relative(e.path(), src).begin()->string();
        std::ifstream in(e.path());
        std::string linea;
        for (int n = 1; std::getline(in, linea); ++n) {
            std::smatch m;
            if (std::regex_search(linea, m, patron) && m[1] != desde)
                r.push_back({desde, m[1], fs::relative(e.path(), src).string() + ":" + std::to_string(n)});
        }
    }
    return r;
}

// Folders reachable from `desde` through the include graph.
bool Alcanza(const std::map<std::string, std::set<std::string>>& g, const std::string& desde,
             const std::string& meta, std::set<std::string>& vistos)
{
    if (desde == meta)
        return true;
    if (!vistos.insert(desde).second || !g.count(desde))
        return false;
    for (const std::string& s : g.at(desde))
        if (Alcanza(g, s, meta, vistos))
            return true;
    return false;
}

}  // namespace

TEST(Floors, EveryIncludeRunsDownAndClosesNoCycle)
{
    const std::vector<Include> includes = LeerIncludes(fs::path(RENTIVA_SOURCE_DIR) / "src");
    ASSERT_FALSE(includes.empty());
    std::map<std::string, std::set<std::string>> grafo;
    for (const Include& i : includes) {
        ASSERT_TRUE(kPisos.count(i.desde)) << "folder without a floor: src/" << i.desde;
        ASSERT_TRUE(kPisos.count(i.hasta)) << i.lugar << ": includes a folder without a floor: " << i.hasta;
        const bool updater = i.desde == "updater";
        EXPECT_TRUE(!updater && kPisos.at(i.hasta) <= kPisos.at(i.desde))
            << i.lugar << ": " << i.desde << " (floor " << kPisos.at(i.desde) << ") includes "
            << i.hasta << " (floor " << kPisos.at(i.hasta) << ")";
        grafo[i.desde].insert(i.hasta);
    }
    for (const Include& i : includes) {
        std::set<std::string> vistos;
        EXPECT_FALSE(Alcanza(grafo, i.hasta, i.desde, vistos))
            << i.lugar << ": " << i.desde << " includes " << i.hasta << ", which already depends on " << i.desde;
    }
}

// Logic takes settings as values: outside app/, cli/, widgets/, settings/ and the dialog
// files, a file may include from settings/ only the header of the value types.
TEST(Floors, LogicIncludesNoSettingsReader)
{
    const fs::path src = fs::path(RENTIVA_SOURCE_DIR) / "src";
    const std::regex interfaz(R"re(_(dlg|window|widget)\.(h|cpp)$)re");
    const std::regex ajustes(R"re(^\s*#\s*include\s*"settings/([a-z_]+\.h)")re");
    const std::set<std::string> leen = {"app", "cli", "widgets", "settings"};
    for (const auto& e : fs::recursive_directory_iterator(src)) {
        const std::string ruta = fs::relative(e.path(), src).string();
        if (!e.is_regular_file() || leen.count(fs::relative(e.path(), src).begin()->string()) ||
            std::regex_search(ruta, interfaz))
            continue;
        std::ifstream in(e.path());
        std::string linea;
        std::smatch m;
        for (int n = 1; std::getline(in, linea); ++n)
            EXPECT_FALSE(std::regex_search(linea, m, ajustes) && m[1] != "valores.h")
                << ruta << ":" << n << ": logic includes settings/" << m[1]
                << "; take the values from the caller (settings/valores.h)";
    }
}
