#include "platform/registry/RegistryApi.h"
#include "registry_writer/ReportedValues.h"
#include "support/ChildProcess.h"
#include "support/TempRegistry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace kv380::registry {
namespace {

using test::ChildProcess;
using test::TempRegistry;

#ifdef KV380_REGISTRY_WRITER

// Starts the writer program; the child's id, or -1.
pid_t startWriter(HKEY root, const std::string& hive, const char* tag, int count,
                  const std::string& startFile) {
    std::vector<std::string> args{KV380_REGISTRY_WRITER,
                                  root == HKEY_CURRENT_USER ? "HKCU" : "HKLM",
                                  hive,
                                  tag,
                                  std::to_string(count),
                                  startFile};
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    return ::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

int exitCodeOf(pid_t pid) {
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// The user hive runs with WAL, the machine hive with a rollback journal: both must share.
class TwoProcesses : public ::testing::TestWithParam<HKEY> {};

TEST_P(TwoProcesses, WritingIntoOneHiveAtTheSameTimeLosesNoWrite) {
    TempRegistry reg;
    const HKEY root = GetParam();
    const std::string hive = root == HKEY_CURRENT_USER ? reg.userHive() : reg.machineHive();
    constexpr int count = 150;
    // The hive exists (and is in its journal mode) before the writers start.
    reg.setText(root, "Software\\Race", "Started", "yes");
    resetForTests();

    const std::string startFile = reg.folder() + "/go";
    const pid_t first = startWriter(root, hive, "A", count, startFile);
    const pid_t second = startWriter(root, hive, "B", count, startFile);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    std::ofstream(startFile) << "go";
    EXPECT_EQ(exitCodeOf(first), 0);
    EXPECT_EQ(exitCodeOf(second), 0);

    int missing = 0;
    for (const char* tag : {"A", "B"}) {
        for (int i = 0; i < count; ++i) {
            const auto text =
                reg.value(root, "Software\\Race", std::string(tag) + "-text-" + std::to_string(i));
            const auto number = reg.value(root, "Software\\Race\\Shared" + std::to_string(i % 10),
                                          std::string(tag) + "-n-" + std::to_string(i));
            const bool textKept = text && text->text() == std::string(tag) + ":" + std::to_string(i);
            const bool numberKept = number && number->type == REG_DWORD &&
                                    number->data == std::vector<BYTE>{BYTE(i), BYTE(i >> 8), 0, 0};
            missing += (textKept ? 0 : 1) + (numberKept ? 0 : 1);
        }
    }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(reg.value(root, "Software\\Race", "Started")->text(), "yes");
}

TEST_P(TwoProcesses, AnOpenHiveReadsWhatAnotherProcessHasJustCommitted) {
    TempRegistry reg;
    const HKEY root = GetParam();
    const std::string hive = root == HKEY_CURRENT_USER ? reg.userHive() : reg.machineHive();
    // This process has the hive open and has read from it, finding nothing yet.
    reg.setText(root, "Software\\Crash", "Started", "yes");
    for (int i = 0; i < 4; ++i) {
        const auto value = test::reportedValue("x", i);
        ASSERT_FALSE(reg.value(root, value.key, value.name));
    }

    ChildProcess writer(
        {KV380_REGISTRY_WRITER, "report", root == HKEY_CURRENT_USER ? "HKCU" : "HKLM", hive, "x"});
    ASSERT_TRUE(writer.started());
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(writer.readLine(), std::to_string(i));
        const auto expected = test::reportedValue("x", i);
        ReadTransaction reading(root);
        const auto stored = reg.value(root, expected.key, expected.name);
        ASSERT_TRUE(stored) << "value " << i;
        EXPECT_EQ(stored->data, expected.data);
    }
}

INSTANTIATE_TEST_SUITE_P(BothHives, TwoProcesses, ::testing::Values(HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE));

class LockedHive : public ::testing::TestWithParam<HKEY> {};

TEST_P(LockedHive, AWriteThatCannotStartPastTheWaitIsBusyStoresNothingAndReadsGoOn) {
    TempRegistry reg;
    const HKEY root = GetParam();
    const std::string hive = root == HKEY_CURRENT_USER ? reg.userHive() : reg.machineHive();
    reg.setText(root, "Software\\Vendor", "Name", "before");

    ChildProcess holder({KV380_REGISTRY_WRITER, "hold", root == HKEY_CURRENT_USER ? "HKCU" : "HKLM", hive});
    ASSERT_TRUE(holder.started());
    ASSERT_EQ(holder.readLine(), "held");
    {
        WriteTransaction transaction(root); // waits out the busy timeout
        EXPECT_EQ(transaction.status(), ERROR_BUSY);
        EXPECT_EQ(transaction.commit(), ERROR_BUSY);
    }
    // Reading does not wait for a writer.
    const auto during = reg.value(root, "Software\\Vendor", "Name");
    ASSERT_TRUE(during);
    EXPECT_EQ(during->text(), "before");
    EXPECT_EQ(reg.logLines().size(), 1u);
    EXPECT_NE(reg.logLines().at(0).find("starting a write failed"), std::string::npos);

    holder.closeInput();
    EXPECT_EQ(holder.wait(), 0);
    reg.setText(root, "Software\\Vendor", "Name", "after");
    const auto after = reg.value(root, "Software\\Vendor", "Name");
    ASSERT_TRUE(after);
    EXPECT_EQ(after->text(), "after");
}

INSTANTIATE_TEST_SUITE_P(BothHives, LockedHive, ::testing::Values(HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE));

#else

TEST(TwoProcesses, WritingIntoOneHiveAtTheSameTimeLosesNoWrite) {
    GTEST_SKIP() << "built without the writer program";
}

TEST(LockedHive, AWriteThatCannotStartPastTheWaitIsBusyStoresNothingAndReadsGoOn) {
    GTEST_SKIP() << "built without the writer program";
}

#endif

} // namespace
} // namespace kv380::registry
