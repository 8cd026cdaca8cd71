#include "platform/registry/Hive.h"
#include "platform/registry/RegistryApi.h"
#include "support/TempRegistry.h"
#include "support/WithoutFileOverrides.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sqlite3.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kv380::registry {
namespace {

using test::TempRegistry;
using test::WithoutFileOverrides;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The files that a damaged hive was moved to, beside it.
std::vector<std::string> setAsideFiles(const std::string& hive) {
    std::vector<std::string> found;
    const std::filesystem::path path(hive);
    for (const auto& entry : std::filesystem::directory_iterator(path.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(path.filename().string() + ".broken-", 0) == 0 &&
            name.find("-wal") == std::string::npos && name.find("-shm") == std::string::npos &&
            name.find("-journal") == std::string::npos) {
            found.push_back(entry.path().string());
        }
    }
    return found;
}

int countLinesWith(const std::vector<std::string>& lines, const std::string& text) {
    int count = 0;
    for (const auto& line : lines) {
        count += line.find(text) != std::string::npos ? 1 : 0;
    }
    return count;
}

// A hive with enough in it to span several pages, written and closed.
void fillHive(TempRegistry& reg, HKEY root) {
    for (int i = 0; i < 40; ++i) {
        reg.setText(root, "Software\\Vendor", "Value" + std::to_string(i),
                    std::string(500, char('a' + i % 26)));
    }
    resetForTests();
}

void expectAFreshWorkingHive(TempRegistry& reg, HKEY root) {
    EXPECT_FALSE(reg.value(root, "Software\\Vendor", "Value1"));
    reg.setText(root, "Software\\Vendor", "After", "works");
    resetForTests();
    EXPECT_EQ(reg.value(root, "Software\\Vendor", "After")->text(), "works");
}

class DamagedHive : public ::testing::TestWithParam<HKEY> {
protected:
    std::string hiveFile() const {
        return GetParam() == HKEY_CURRENT_USER ? reg.userHive() : reg.machineHive();
    }
    TempRegistry reg;
};

TEST_P(DamagedHive, AFileThatIsNotADatabaseIsMovedAsideUntouchedAndAFreshHiveStarted) {
    const std::string junk = "these are somebody's notes, not a database\n" + std::string(5000, 'x');
    writeFile(hiveFile(), junk);

    expectAFreshWorkingHive(reg, GetParam());

    const auto aside = setAsideFiles(hiveFile());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(readFile(aside[0]), junk);
    EXPECT_EQ(countLinesWith(reg.logLines(), "moved it aside to " + aside[0]), 1);
    EXPECT_EQ(countLinesWith(reg.logLines(), "not a SQLite database"), 1);
}

TEST_P(DamagedHive, ATruncatedHiveIsMovedAsideUntouchedAndAFreshHiveStarted) {
    fillHive(reg, GetParam());
    std::string bytes = readFile(hiveFile());
    ASSERT_GT(bytes.size(), 16384u);
    bytes.resize(bytes.size() / 2);
    writeFile(hiveFile(), bytes);

    expectAFreshWorkingHive(reg, GetParam());

    const auto aside = setAsideFiles(hiveFile());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(readFile(aside[0]), bytes);
    EXPECT_EQ(countLinesWith(reg.logLines(), "damaged"), 1);
}

TEST_P(DamagedHive, AnotherProgramsDatabaseIsMovedAsideNotWrittenInto) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(hiveFile().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE notes(text); INSERT INTO notes VALUES('mine');", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    const std::string before = readFile(hiveFile());

    expectAFreshWorkingHive(reg, GetParam());

    const auto aside = setAsideFiles(hiveFile());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(readFile(aside[0]), before);
}

TEST_P(DamagedHive, ASecondDamageOnTheSameSecondGetsANameOfItsOwn) {
    writeFile(hiveFile(), "first");
    reg.value(GetParam(), "Software", "x");
    resetForTests();
    writeFile(hiveFile(), "second");
    reg.value(GetParam(), "Software", "x");

    auto aside = setAsideFiles(hiveFile());
    ASSERT_EQ(aside.size(), 2u);
    std::vector<std::string> contents{readFile(aside[0]), readFile(aside[1])};
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (std::vector<std::string>{"first", "second"}));
}

TEST_P(DamagedHive, AnEmptyFileIsSimplyANewHive) {
    writeFile(hiveFile(), "");
    expectAFreshWorkingHive(reg, GetParam());
    EXPECT_TRUE(setAsideFiles(hiveFile()).empty());
    EXPECT_TRUE(reg.logLines().empty());
}

INSTANTIATE_TEST_SUITE_P(BothHives, DamagedHive, ::testing::Values(HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE));

// --- folders ---

TEST(HiveFolder, AMissingFolderIsCreated) {
    TempRegistry reg;
    const std::string hive = reg.folder() + "/deep/er/still/HKEY_CURRENT_USER.sqlite";
    reg.pointUserHiveAt(hive);
    reg.setLong(HKEY_CURRENT_USER, "Software\\Vendor", "N", 3);
    EXPECT_TRUE(std::filesystem::is_regular_file(hive));
    EXPECT_TRUE(reg.logLines().empty());
}

TEST(HiveFolder, AFolderThatCannotBeCreatedLeavesEveryReadAtItsDefaultAndRefusesWrites) {
    TempRegistry reg;
    // Even root cannot make a folder below a plain file.
    writeFile(reg.folder() + "/plain", "a file");
    reg.pointUserHiveAt(reg.folder() + "/plain/registry/HKEY_CURRENT_USER.sqlite");

    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Vendor", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    DWORD size = 4;
    BYTE data[4]{};
    EXPECT_EQ(RegQueryValueExA(HKEY_CURRENT_USER, "N", nullptr, nullptr, data, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Vendor", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegSetValueExA(HKEY_CURRENT_USER, "N", 0, REG_DWORD, data, 4), ERROR_ACCESS_DENIED);
    EXPECT_EQ(countLinesWith(reg.logLines(), "cannot create folder " + reg.folder() + "/plain/registry"), 1);
    EXPECT_EQ(reg.logLines().size(), 1u);

    // The other hive is not affected.
    reg.setLong(HKEY_LOCAL_MACHINE, "Software\\Vendor", "N", 3);
    EXPECT_TRUE(reg.value(HKEY_LOCAL_MACHINE, "Software\\Vendor", "N"));
}

// --- hives that cannot be written ---

class ReadOnlyHive : public ::testing::TestWithParam<HKEY> {};

TEST_P(ReadOnlyHive, IsStillReadAndRefusesEveryWriteWithAccessDenied) {
    TempRegistry reg;
    const HKEY root = GetParam();
    const std::string hive = root == HKEY_CURRENT_USER ? reg.userHive() : reg.machineHive();
    reg.setText(root, "Software\\Vendor", "Name", "kept");
    resetForTests();
    ASSERT_EQ(::chmod(hive.c_str(), 0444), 0);
    const std::string before = readFile(hive);
    {
        WithoutFileOverrides asAnyUser;
        if (!asAnyUser.active()) {
            GTEST_SKIP() << "cannot make file modes count for this process";
        }
        EXPECT_EQ(reg.value(root, "Software\\Vendor", "Name")->text(), "kept");

        HKEY key = 0;
        EXPECT_EQ(
            RegCreateKeyExA(root, "Software\\Vendor", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_ACCESS_DENIED);
        EXPECT_EQ(RegCreateKeyExA(root, "Software\\New", 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr),
                  ERROR_ACCESS_DENIED);
        EXPECT_EQ(RegOpenKeyExA(root, "Software\\Vendor", 0, KEY_WRITE, &key), ERROR_ACCESS_DENIED);
        const BYTE data[4] = {1, 0, 0, 0};
        EXPECT_EQ(RegSetValueExA(root, "N", 0, REG_DWORD, data, 4), ERROR_ACCESS_DENIED);
        // Reading through a key opened for reading is fine.
        ASSERT_EQ(RegOpenKeyExA(root, "Software\\Vendor", 0, KEY_READ, &key), ERROR_SUCCESS);
        RegCloseKey(key);
        resetForTests();
    }
    EXPECT_EQ(readFile(hive), before);
    EXPECT_EQ(countLinesWith(reg.logLines(), "cannot be written"), 1);
}

INSTANTIATE_TEST_SUITE_P(BothHives, ReadOnlyHive, ::testing::Values(HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE));

// --- journals ---

std::string journalModeOf(const std::string& hive) {
    sqlite3* db = nullptr;
    std::string mode;
    if (sqlite3_open_v2(hive.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_exec(
            db, "PRAGMA journal_mode",
            [](void* out, int, char** values, char**) {
                *static_cast<std::string*>(out) = values[0] ? values[0] : "";
                return 0;
            },
            &mode, nullptr);
    }
    sqlite3_close(db);
    return mode;
}

TEST(HiveJournal, TheUserHiveUsesWalAndTheMachineHiveARollbackJournal) {
    TempRegistry reg;
    reg.setLong(HKEY_CURRENT_USER, "Software\\Vendor", "N", 1);
    reg.setLong(HKEY_LOCAL_MACHINE, "Software\\Vendor", "N", 1);
    resetForTests();
    EXPECT_EQ(journalModeOf(reg.userHive()), "wal");
    EXPECT_EQ(journalModeOf(reg.machineHive()), "delete");
}

TEST(HiveJournal, WhereWalCannotBeUsedTheUserHiveFallsBackToARollbackJournal) {
    TempRegistry reg;
    Hive::setVfsForTests("unix-dotfile"); // no shared memory, as on some network file systems
    reg.setLong(HKEY_CURRENT_USER, "Software\\Vendor", "N", 1);
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "N")->data, (std::vector<BYTE>{1, 0, 0, 0}));
    resetForTests();
    Hive::setVfsForTests("");
    EXPECT_EQ(countLinesWith(reg.logLines(), "cannot use WAL"), 1);
    EXPECT_EQ(journalModeOf(reg.userHive()), "delete");
}

} // namespace
} // namespace kv380::registry
