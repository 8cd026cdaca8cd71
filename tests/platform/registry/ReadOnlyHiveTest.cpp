// Hives this process may read but not write, as a machine hive in a system folder is for every user but the
// administrator. The checks run with file modes counting (see WithoutFileOverrides), so that root running
// the suite meets the same refusals as any other user.
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
#include <vector>

namespace kv380::registry {
namespace {

using test::TempRegistry;
using test::WithoutFileOverrides;

const std::string Key = "Software\\Vendor\\App";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> linesWith(const std::vector<std::string>& lines, const std::string& text) {
    std::vector<std::string> found;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
                 [&](const std::string& line) { return line.find(text) != std::string::npos; });
    return found;
}

// A text value as stored, or "(missing)".
std::string textOf(const TempRegistry& reg, HKEY root, const std::string& name) {
    const auto value = reg.value(root, Key, name);
    return value ? value->text() : "(missing)";
}

// Every way of changing the hive answers access denied.
void expectEveryWriteRefused(HKEY root) {
    HKEY key = 0;
    EXPECT_EQ(RegCreateKeyExA(root, Key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegCreateKeyExA(root, "Software\\New", 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr),
              ERROR_ACCESS_DENIED);
    const BYTE data[4] = {9, 0, 0, 0};
    EXPECT_EQ(RegSetValueExA(root, "Number", 0, REG_DWORD, data, 4), ERROR_ACCESS_DENIED);
    WriteTransaction transaction(root);
    EXPECT_EQ(RegSetValueExA(root, "Number", 0, REG_DWORD, data, 4), ERROR_ACCESS_DENIED);
    EXPECT_EQ(transaction.commit(), ERROR_SUCCESS); // nothing was begun, nothing to commit
}

// A hive written as usual (the user hive in WAL mode, the machine hive with a rollback journal) and closed,
// then made read-only with its folder.
class ReadOnlyFolder : public ::testing::TestWithParam<HKEY> {
protected:
    ReadOnlyFolder() {
        reg.setText(root, Key, "Name", "kept");
        reg.setLong(root, Key, "Number", 7);
        resetForTests();
    }
    ~ReadOnlyFolder() override {
        // Put the modes back, so that the folder can be removed by a user other than root.
        ::chmod(reg.folder().c_str(), 0700);
        for (const auto& name : filesIn(reg.folder())) {
            ::chmod((reg.folder() + "/" + name).c_str(), 0600);
        }
    }

    void makeReadOnly(const std::vector<std::string>& files) {
        for (const auto& file : files) {
            ASSERT_EQ(::chmod(file.c_str(), 0444), 0) << file;
        }
        ASSERT_EQ(::chmod(reg.folder().c_str(), 0555), 0);
    }

    std::string hive() const { return root == HKEY_CURRENT_USER ? reg.userHive() : reg.machineHive(); }

    TempRegistry reg;
    const HKEY root = GetParam();
};

TEST_P(ReadOnlyFolder, ValuesAreReadWritesAreRefusedAndNothingIsLeftBeside) {
    makeReadOnly({hive()});
    const std::vector<std::string> before = filesIn(reg.folder());
    const std::string bytes = readFile(hive());
    {
        WithoutFileOverrides asAnyUser;
        if (!asAnyUser.active()) {
            GTEST_SKIP() << "cannot make file modes count for this process";
        }
        EXPECT_EQ(textOf(reg, root, "Name"), "kept");
        const auto number = reg.value(root, Key, "Number");
        ASSERT_TRUE(number);
        EXPECT_EQ(number->data, (std::vector<BYTE>{7, 0, 0, 0}));
        expectEveryWriteRefused(root);
        resetForTests();
    }
    EXPECT_EQ(readFile(hive()), bytes);
    EXPECT_EQ(filesIn(reg.folder()), before);

    // One line, which says what happens: the values are read.
    const auto lines = linesWith(reg.logLines(), "cannot be written");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("its values are read"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(hive()), std::string::npos) << lines[0];
    EXPECT_EQ(reg.logLines().size(), 1u);
}

TEST_P(ReadOnlyFolder, AFileThatCannotBeWrittenInAFolderThatCanLeavesNoFilesBehindItEither) {
    ASSERT_EQ(::chmod(hive().c_str(), 0444), 0);
    const std::vector<std::string> before = filesIn(reg.folder());
    {
        WithoutFileOverrides asAnyUser;
        if (!asAnyUser.active()) {
            GTEST_SKIP() << "cannot make file modes count for this process";
        }
        EXPECT_EQ(textOf(reg, root, "Name"), "kept");
        expectEveryWriteRefused(root);
        resetForTests();
    }
    // Side files made by a reader would stay behind, owned by it, where the hive's owner meets them.
    EXPECT_EQ(filesIn(reg.folder()), before);
    EXPECT_EQ(linesWith(reg.logLines(), "cannot be written").size(), 1u);
}

TEST_P(ReadOnlyFolder, ANameWithCharactersThatMeanSomethingInAUriIsReadAsItStands) {
    const std::string folder = reg.folder() + "/a b%41?x=1#c";
    const std::string moved = folder + "/hive.sqlite";
    std::filesystem::create_directory(folder);
    std::filesystem::rename(hive(), moved);
    ASSERT_EQ(::chmod(moved.c_str(), 0444), 0);
    if (root == HKEY_CURRENT_USER) {
        reg.pointUserHiveAt(moved);
    } else {
        reg.pointMachineHiveAt(moved);
    }
    {
        WithoutFileOverrides asAnyUser;
        if (!asAnyUser.active()) {
            GTEST_SKIP() << "cannot make file modes count for this process";
        }
        EXPECT_EQ(textOf(reg, root, "Name"), "kept");
        resetForTests();
    }
    EXPECT_EQ(filesIn(folder), std::vector<std::string>{"hive.sqlite"});
}

INSTANTIATE_TEST_SUITE_P(BothHives, ReadOnlyFolder, ::testing::Values(HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE));

// A WAL hive whose last writes are still in its "-wal" file, because another process has it open.
class ReadOnlyWalHive : public ::testing::Test {
protected:
    ReadOnlyWalHive() {
        reg.setText(HKEY_CURRENT_USER, Key, "Name", "first");
        resetForTests(); // the first value is now in the file itself
        // Another process's connection: while it is open, closing ours does not fold the WAL into the file.
        EXPECT_EQ(sqlite3_open(reg.userHive().c_str(), &other), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, "SELECT count(*) FROM vals", nullptr, nullptr, nullptr), SQLITE_OK);
        reg.setText(HKEY_CURRENT_USER, Key, "Name", "second");
        reg.setLong(HKEY_CURRENT_USER, Key, "Later", 8);
        resetForTests();
    }
    ~ReadOnlyWalHive() override {
        ::chmod(reg.folder().c_str(), 0700);
        sqlite3_close(other);
    }

    TempRegistry reg;
    sqlite3* other = nullptr;
};

TEST_F(ReadOnlyWalHive, IsReadThroughItsWalFiles) {
    const std::string hive = reg.userHive();
    ASSERT_TRUE(std::filesystem::exists(hive + "-wal"));
    ASSERT_TRUE(std::filesystem::exists(hive + "-shm"));
    for (const char* suffix : {"", "-wal", "-shm"}) {
        ASSERT_EQ(::chmod((hive + suffix).c_str(), 0444), 0);
    }
    ASSERT_EQ(::chmod(reg.folder().c_str(), 0555), 0);
    {
        WithoutFileOverrides asAnyUser;
        if (!asAnyUser.active()) {
            GTEST_SKIP() << "cannot make file modes count for this process";
        }
        EXPECT_EQ(textOf(reg, HKEY_CURRENT_USER, "Name"), "second");
        EXPECT_TRUE(reg.value(HKEY_CURRENT_USER, Key, "Later"));
        expectEveryWriteRefused(HKEY_CURRENT_USER);
        resetForTests();
    }
    EXPECT_EQ(linesWith(reg.logLines(), "cannot be written").size(), 1u);
}

TEST_F(ReadOnlyWalHive, WithoutItsIndexTheFileItselfIsReadAndTheLogSaysWhatIsMissed) {
    // A copy of the hive and its WAL, without the index, in a folder of its own that cannot be written.
    const std::string copyFolder = reg.folder() + "/copy";
    const std::string copy = copyFolder + "/HKEY_CURRENT_USER.sqlite";
    std::filesystem::create_directory(copyFolder);
    std::filesystem::copy_file(reg.userHive(), copy);
    std::filesystem::copy_file(reg.userHive() + "-wal", copy + "-wal");
    ASSERT_EQ(::chmod(copy.c_str(), 0444), 0);
    ASSERT_EQ(::chmod((copy + "-wal").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(copyFolder.c_str(), 0555), 0);
    reg.pointUserHiveAt(copy);
    {
        WithoutFileOverrides asAnyUser;
        if (!asAnyUser.active()) {
            ::chmod(copyFolder.c_str(), 0700);
            GTEST_SKIP() << "cannot make file modes count for this process";
        }
        EXPECT_EQ(textOf(reg, HKEY_CURRENT_USER, "Name"), "first");
        EXPECT_FALSE(reg.value(HKEY_CURRENT_USER, Key, "Later"));
        expectEveryWriteRefused(HKEY_CURRENT_USER);
        resetForTests();
    }
    ::chmod(copyFolder.c_str(), 0700);
    EXPECT_EQ(filesIn(copyFolder),
              (std::vector<std::string>{"HKEY_CURRENT_USER.sqlite", "HKEY_CURRENT_USER.sqlite-wal"}));
    const auto lines = linesWith(reg.logLines(), "cannot be written");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("without the last changes still in " + copy + "-wal"), std::string::npos)
        << lines[0];
}

} // namespace
} // namespace kv380::registry
