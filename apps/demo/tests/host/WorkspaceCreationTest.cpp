#include "model/db/WorkspaceCreation.h"
#include "DemoHostFixture.h"
#include "model/db/SqliteStatement.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/workspace/SymbolStore.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>

namespace kv380::demo::test {
namespace {

namespace stdfs = std::filesystem;

std::set<std::string> filesBelow(const stdfs::path& folder) {
    std::set<std::string> files;
    for (const auto& entry : stdfs::recursive_directory_iterator(folder)) {
        files.insert(entry.path().string());
    }
    return files;
}

// A private copy of the examples, for tests that break or move them.
void copyExamples(const stdfs::path& to) {
    stdfs::copy(defaultExamplesFolder(), to, stdfs::copy_options::recursive);
}

std::string objectSymbol(WorkspaceDatabase& db, int64_t id) {
    return db.object(id).value().symbol;
}

TEST(WorkspaceCreation, FirstRunCreatesTheDatabaseInTheDataFolderAndLeavesTheExamplesAlone) {
    const auto before = filesBelow(defaultExamplesFolder());
    TempFolder data;
    const std::string dataFolder = data / "nested/kv380";
    auto host =
        DemoHost::create({.dataFolder = dataFolder, .scheduler = std::make_shared<ManualScheduler>()});

    EXPECT_TRUE(stdfs::is_regular_file(stdfs::path(dataFolder) / WorkspaceFileName));
    EXPECT_EQ(filesBelow(defaultExamplesFolder()), before);
    EXPECT_EQ(host->database().organisations().size(), 3u);
}

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnvironment() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(WorkspaceCreation, TheDataFolderComesFromTheEnvironmentBeforeTheUsersDataFolder) {
    ScopedEnvironment xdg("XDG_DATA_HOME", "/tmp/xdg");
    {
        ScopedEnvironment demo("KV380_DEMO_DATA", "/tmp/kv380-elsewhere");
        EXPECT_EQ(defaultDataFolder(), "/tmp/kv380-elsewhere");
    }
    ScopedEnvironment demo("KV380_DEMO_DATA", nullptr);
    EXPECT_EQ(defaultDataFolder(), "/tmp/xdg/kv380/demo");
}

TEST_F(DemoHostTest, TheSymbolRootTakesThePlaceOfThePlaceholderInAbsoluteSamplePaths) {
    const std::string root = host->symbolStore()->RootPath();
    EXPECT_EQ(root, symbolRootOf(defaultExamplesFolder() + "/symbols"));
    EXPECT_EQ(objectSymbol(host->database(), 101), root + "\\Pumps\\Centrifugal.sym");
    EXPECT_EQ(objectSymbol(host->database(), 108), "\\\\" + root + "\\Vessels\\Reactor.sym");
    EXPECT_EQ(objectSymbol(host->database(), 102), "Pumps\\Reciprocating.sym"); // relative ones stay

    SqliteStatement left(host->database().connection().handle(),
                         "SELECT count(*) FROM objects WHERE symbol LIKE '%{SYMBOL_ROOT}%' "
                         "OR map_symbol LIKE '%{SYMBOL_ROOT}%'");
    ASSERT_TRUE(left.step());
    EXPECT_EQ(left.integer(0), 0);
}

TEST(WorkspaceCreation, AnExistingDatabaseKeepsItsDataAndFollowsTheExamplesWhenTheyMove) {
    TempFolder scratch;
    copyExamples(scratch / "first");
    const std::string dataFolder = scratch / "data";
    {
        auto host = DemoHost::create({.examplesFolder = scratch / "first", .dataFolder = dataFolder});
        host->database().setMapReference(105, "kept");
    }
    stdfs::rename(scratch / "first", scratch / "moved");
    auto host = DemoHost::create({.examplesFolder = scratch / "moved", .dataFolder = dataFolder});

    const std::string root = symbolRootOf(scratch / "moved/symbols");
    EXPECT_EQ(host->database().object(105)->mapReference, "kept");
    EXPECT_EQ(objectSymbol(host->database(), 101), root + "\\Pumps\\Centrifugal.sym");
    EXPECT_EQ(objectSymbol(host->database(), 108), "\\\\" + root + "\\Vessels\\Reactor.sym");
    EXPECT_EQ(objectSymbol(host->database(), 109), "Legacy\\ShellTube.sym");
}

TEST(WorkspaceCreation, ASymbolRootWithAQuoteInItIsSubstitutedAsPlainText) {
    TempFolder scratch;
    copyExamples(scratch / "Kim's examples");
    auto host =
        DemoHost::create({.examplesFolder = scratch / "Kim's examples", .dataFolder = scratch / "data"});
    EXPECT_EQ(objectSymbol(host->database(), 101), host->symbolRoot() + "\\Pumps\\Centrifugal.sym");
    EXPECT_NE(host->symbolRoot().find("Kim's examples"), std::string::npos);
}

TEST(WorkspaceCreation, AFailingScriptLeavesNoDatabaseBehind) {
    TempFolder scratch;
    copyExamples(scratch / "examples");
    std::ofstream(scratch / "examples/plant.sql", std::ios::app) << "\nINSERT INTO nowhere VALUES (1);\n";

    EXPECT_THROW(DemoHost::create({.examplesFolder = scratch / "examples", .dataFolder = scratch / "data"}),
                 AutomationError);
    EXPECT_TRUE(stdfs::is_empty(scratch / "data"));
}

TEST(WorkspaceCreation, ADataFolderInsideTheExamplesIsRefused) {
    TempFolder scratch;
    copyExamples(scratch / "examples");
    try {
        DemoHost::create(
            {.examplesFolder = scratch / "examples", .dataFolder = scratch / "examples/../examples/db"});
        ADD_FAILURE() << "the host was created";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::InvalidProcedureCall);
    }
    EXPECT_FALSE(stdfs::exists(scratch / "examples/db"));
}

} // namespace
} // namespace kv380::demo::test
