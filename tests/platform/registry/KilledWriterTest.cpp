// Writers killed in the middle of their writes: the hive must open afterwards, be sound, and hold every value
// a writer had seen committed. The writers tell which values those are on their output, after each commit.
#include "platform/registry/RegistryApi.h"
#include "registry_writer/ReportedValues.h"
#include "support/ChildProcess.h"
#include "support/TempRegistry.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <sqlite3.h>
#include <string>
#include <thread>
#include <vector>

namespace kv380::registry {
namespace {

using test::ChildProcess;
using test::TempRegistry;

#ifdef KV380_REGISTRY_WRITER

// What a check of the hive found wrong, or empty.
std::string integrityOf(const std::string& hive) {
    sqlite3* db = nullptr;
    std::string result = "cannot open it";
    if (sqlite3_open_v2(hive.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        result.clear();
        const int rc = sqlite3_exec(
            db, "PRAGMA integrity_check",
            [](void* out, int, char** values, char**) {
                const std::string line = values[0] ? values[0] : "";
                if (line != "ok") {
                    *static_cast<std::string*>(out) += line + "\n";
                }
                return 0;
            },
            &result, nullptr);
        if (rc != SQLITE_OK) {
            result += sqlite3_errmsg(db);
        }
    }
    sqlite3_close(db);
    return result;
}

class KilledWriters : public ::testing::TestWithParam<HKEY> {
protected:
    KilledWriters() {
        // The hive exists, in its journal mode, before the first writer starts.
        reg.setText(root, "Software\\Crash", "Started", "yes");
        resetForTests();
    }

    ChildProcess startWriter(const std::string& tag) {
        return ChildProcess(
            {KV380_REGISTRY_WRITER, "report", root == HKEY_CURRENT_USER ? "HKCU" : "HKLM", hive, tag});
    }

    // Lets the writer commit a few values, then kills it somewhere in the next.
    void letWriteThenKill(ChildProcess& writer, const std::string& tag) {
        const int values = std::uniform_int_distribution<int>(1, 4)(random);
        for (int i = 0; i < values; ++i) {
            const auto line = writer.readLine();
            ASSERT_TRUE(line) << "writer " << tag << " reported nothing";
            committed.emplace_back(tag, std::stoi(*line));
        }
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, 1500)(random)));
        writer.signal(SIGKILL);
    }

    void collect(ChildProcess& writer, const std::string& tag) {
        EXPECT_EQ(writer.wait(), 128 + SIGKILL) << "writer " << tag << " ended before it was killed";
        for (const auto& line : writer.readRemainingLines()) {
            committed.emplace_back(tag, std::stoi(line));
        }
    }

    // Opens the hive afresh, as the next program to use it would, and checks everything committed so far.
    void expectEverythingCommittedKept() {
        resetForTests();
        int missing = 0;
        for (const auto& [tag, i] : committed) {
            const auto expected = test::reportedValue(tag, i);
            const auto stored = reg.value(root, expected.key, expected.name);
            const bool kept = stored && stored->type == expected.type && stored->data == expected.data;
            missing += kept ? 0 : 1;
            EXPECT_TRUE(kept) << "value " << i << " of writer " << tag << " is lost";
        }
        EXPECT_EQ(missing, 0);
        resetForTests();
        EXPECT_EQ(integrityOf(hive), "");
        // Nothing was taken for damage and set aside.
        EXPECT_TRUE(reg.logLines().empty()) << reg.logLines().front();
    }

    TempRegistry reg;
    const HKEY root = GetParam();
    const std::string hive = root == HKEY_CURRENT_USER ? reg.userHive() : reg.machineHive();
    std::minstd_rand random{380};
    std::vector<std::pair<std::string, int>> committed;
};

// Rounds per hive, bounded so that the suite stays quick under the sanitizers: 26 writers killed alone and
// 24 killed two at a time, over both hives.
constexpr int Rounds = 13;
constexpr int RoundsOfTwo = 6;

TEST_P(KilledWriters, AWriterKilledMidWriteLeavesASoundHiveWithEverythingItHadCommitted) {
    for (int round = 0; round < Rounds && !HasFailure(); ++round) {
        const std::string tag = "w" + std::to_string(round);
        ChildProcess writer = startWriter(tag);
        ASSERT_TRUE(writer.started());
        letWriteThenKill(writer, tag);
        collect(writer, tag);
        expectEverythingCommittedKept();
    }
    EXPECT_GE(committed.size(), static_cast<std::size_t>(Rounds));
}

TEST_P(KilledWriters, TwoWritersKilledMidWriteLeaveASoundHiveWithEverythingTheyHadCommitted) {
    for (int round = 0; round < RoundsOfTwo && !HasFailure(); ++round) {
        const std::string first = "a" + std::to_string(round);
        const std::string second = "b" + std::to_string(round);
        ChildProcess one = startWriter(first);
        ChildProcess two = startWriter(second);
        ASSERT_TRUE(one.started() && two.started());
        letWriteThenKill(one, first);
        letWriteThenKill(two, second);
        collect(one, first);
        collect(two, second);
        expectEverythingCommittedKept();
    }
}

INSTANTIATE_TEST_SUITE_P(BothHives, KilledWriters, ::testing::Values(HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE));

#else

TEST(KilledWriters, AWriterKilledMidWriteLeavesASoundHiveWithEverythingItHadCommitted) {
    GTEST_SKIP() << "built without the writer program";
}

#endif

} // namespace
} // namespace kv380::registry
