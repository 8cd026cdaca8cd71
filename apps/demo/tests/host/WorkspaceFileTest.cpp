// The workspace database file as a user meets it: damaged, cut short, empty, made by two demos at once,
// or not writable.
#include "model/db/WorkspaceFile.h"
#include "common/TempFolder.h"
#include "model/DemoPaths.h"
#include "model/db/WorkspaceCreation.h"
#include "model/db/WorkspaceDatabase.h"
#include "platform/AutomationError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <latch>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kv380::demo::test {
namespace {

namespace stdfs = std::filesystem;

WorkspaceSetup setupIn(const std::string& dataFolder) {
    return {.dataFolder = dataFolder,
            .examplesFolder = defaultExamplesFolder(),
            .scriptPath = (stdfs::path(defaultExamplesFolder()) / "plant.sql").string(),
            .symbolRoot = symbolRootOf(defaultExamplesFolder() + "/symbols")};
}

std::string contentOf(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The error a start on that data folder fails with, or nothing when it starts.
std::optional<AutomationError> startFailure(const std::string& dataFolder) {
    try {
        openWorkspace(setupIn(dataFolder));
    } catch (const AutomationError& e) {
        return e;
    }
    return std::nullopt;
}

class WorkspaceFile : public testing::Test {
protected:
    std::string file() const { return data / WorkspaceFileName; }
    // A complete workspace database in the data folder.
    void createOne() { openWorkspace(setupIn(data.path().string())); }

    void expectOneMessageNamingTheFileAndReset(const std::string& what) {
        const std::string before = contentOf(file());
        const auto failure = startFailure(data.path().string());
        ASSERT_TRUE(failure.has_value()) << what << " was opened";
        EXPECT_NE(failure->description().find(file()), std::string::npos) << failure->description();
        EXPECT_NE(failure->description().find("--reset"), std::string::npos) << failure->description();
        // Left as it was, for the user to keep or throw away.
        EXPECT_EQ(contentOf(file()), before) << what;
    }

    TempFolder data;
};

TEST_F(WorkspaceFile, AFileThatIsNoDatabaseIsRefusedWithOneMessageNamingItAndReset) {
    std::ofstream(file(), std::ios::binary) << "This is not a database, it is a shopping list.\n";
    expectOneMessageNamingTheFileAndReset("a text file");
}

TEST_F(WorkspaceFile, ADatabaseCutShortIsRefusedWithOneMessageNamingItAndReset) {
    createOne();
    stdfs::resize_file(file(), stdfs::file_size(file()) / 2);
    expectOneMessageNamingTheFileAndReset("half a database");
}

TEST_F(WorkspaceFile, ADatabaseWithItsPagesOverwrittenIsRefused) {
    createOne();
    {
        std::fstream damage(file(), std::ios::in | std::ios::out | std::ios::binary);
        // The page size is the big-endian number at offset 16 of the header.
        unsigned char size[2] = {};
        damage.seekg(16);
        damage.read(reinterpret_cast<char*>(size), 2);
        const std::size_t page = (std::size_t{size[0]} << 8) | size[1];
        ASSERT_GE(page, 512u);
        // The header of every page but the first, where a b-tree page says what it is and what it holds.
        const std::string garbage(12, '\x5a');
        for (std::size_t at = page; at + page <= stdfs::file_size(file()); at += page) {
            damage.seekp(static_cast<std::streamoff>(at));
            damage.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
        }
    }
    expectOneMessageNamingTheFileAndReset("a damaged database");
}

TEST_F(WorkspaceFile, AZeroLengthFileIsMadeAgainFromTheSample) {
    std::ofstream(file(), std::ios::binary).flush();
    ASSERT_EQ(stdfs::file_size(file()), 0u);
    const OpenedWorkspace opened = openWorkspace(setupIn(data.path().string()));
    EXPECT_TRUE(opened.notice.empty());
    EXPECT_FALSE(opened.database->inMemory());
    EXPECT_EQ(opened.database->organisations().size(), 3u);
    EXPECT_GT(stdfs::file_size(file()), 0u);
    EXPECT_EQ(workspaceFileFault(file()), std::nullopt);
}

TEST_F(WorkspaceFile, TwoStartsAtOnceOnAnEmptyDataFolderBothStartOnTheSameFile) {
    constexpr int kStarts = 4;
    std::latch ready(kStarts);
    std::vector<std::optional<std::string>> failures(kStarts);
    std::vector<std::size_t> organisations(kStarts, 0);
    std::vector<std::thread> starts;
    for (int i = 0; i < kStarts; ++i) {
        starts.emplace_back([&, i] {
            ready.arrive_and_wait();
            try {
                organisations[static_cast<std::size_t>(i)] =
                    openWorkspace(setupIn(data.path().string())).database->organisations().size();
            } catch (const AutomationError& e) {
                failures[static_cast<std::size_t>(i)] = e.description();
            }
        });
    }
    for (auto& start : starts) {
        start.join();
    }
    for (int i = 0; i < kStarts; ++i) {
        EXPECT_EQ(failures[static_cast<std::size_t>(i)], std::nullopt);
        EXPECT_EQ(organisations[static_cast<std::size_t>(i)], 3u);
    }
    // One database and nothing half made beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : stdfs::directory_iterator(data.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

// Two processes, as two demos are: released together through a pipe, each opens the workspace and says by
// its exit code whether it could.
TEST_F(WorkspaceFile, TwoProcessesStartedAtOnceOnAnEmptyDataFolderBothStart) {
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<pid_t> demos;
    for (int i = 0; i < 2; ++i) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(go[1]);
            char signal = 0;
            if (::read(go[0], &signal, 1) != 1) {
                std::_Exit(20);
            }
            try {
                std::_Exit(openWorkspace(setupIn(data.path().string())).database->organisations().size() == 3u
                               ? 0
                               : 21);
            } catch (...) {
                std::_Exit(22);
            }
        }
        demos.push_back(pid);
    }
    ::close(go[0]);
    ASSERT_EQ(::write(go[1], "gg", 2), 2);
    ::close(go[1]);
    for (const pid_t pid : demos) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    EXPECT_EQ(workspaceFileFault(file()), std::nullopt);
}

TEST_F(WorkspaceFile, TheFirstToPublishItsNewFileKeepsItAndTheSecondsIsRemoved) {
    const std::string first = createTemporaryBeside(file());
    const std::string second = createTemporaryBeside(file());
    EXPECT_NE(first, second);
    std::ofstream(first) << "first";
    std::ofstream(second) << "second";
    EXPECT_TRUE(publishUnlessPresent(first, file()));
    EXPECT_FALSE(publishUnlessPresent(second, file()));
    EXPECT_EQ(contentOf(file()), "first");
    EXPECT_FALSE(stdfs::exists(first));
    EXPECT_FALSE(stdfs::exists(second));
}

// Runs the check as a user without the right to write the data folder (root may write anything): the
// workspace opens from memory, with one notice, and writes land there without a report.
TEST_F(WorkspaceFile, AWorkspaceThatCannotBeWrittenOpensForAReadOnlySessionWithOneNotice) {
    createOne();
    const std::string before = contentOf(file());
    stdfs::permissions(data.path(), stdfs::perms::owner_all | stdfs::perms::group_read |
                                        stdfs::perms::group_exec | stdfs::perms::others_read |
                                        stdfs::perms::others_exec);
    stdfs::permissions(file(),
                       stdfs::perms::owner_read | stdfs::perms::group_read | stdfs::perms::others_read);
    const auto readOnlySession = [&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            std::_Exit(10);
        }
        const OpenedWorkspace opened = openWorkspace(setupIn(data.path().string()));
        if (opened.notice.find(file()) == std::string::npos || !opened.database->inMemory()) {
            std::_Exit(11);
        }
        opened.database->setMapReference(105, "changed in this session");
        if (opened.database->object(105)->mapReference != "changed in this session") {
            std::_Exit(12);
        }
        std::_Exit(0);
    };
    EXPECT_EXIT(readOnlySession(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(contentOf(file()), before);
}

TEST_F(WorkspaceFile, AReadOnlyEmptyFileIsMadeInMemoryFromTheSample) {
    std::ofstream(file(), std::ios::binary).flush();
    stdfs::permissions(data.path(),
                       stdfs::perms::owner_all | stdfs::perms::others_read | stdfs::perms::others_exec);
    stdfs::permissions(file(), stdfs::perms::owner_read | stdfs::perms::others_read);
    const auto readOnlySession = [&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            std::_Exit(10);
        }
        const OpenedWorkspace opened = openWorkspace(setupIn(data.path().string()));
        std::_Exit(!opened.notice.empty() && opened.database->organisations().size() == 3u ? 0 : 11);
    };
    EXPECT_EXIT(readOnlySession(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(stdfs::file_size(file()), 0u);
}

} // namespace
} // namespace kv380::demo::test
