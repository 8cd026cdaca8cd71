#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace kv380::test {

// Another program run by a test, with a pipe to its standard input and one from its standard output. Killed
// and waited for at the end if it is still running.
class ChildProcess {
public:
    // Starts the program (the first argument) with the environment of this process.
    explicit ChildProcess(std::vector<std::string> arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_pid > 0; }

    // The next line it printed, without its line feed; nothing when its output ends first or nothing comes
    // within the timeout.
    std::optional<std::string> readLine(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Every line it printed from now until its output ends (after it died, say).
    std::vector<std::string> readRemainingLines();

    // Ends its standard input.
    void closeInput();
    // Sends it a signal at once.
    void signal(int number);
    // Waits for it to end (once; later calls answer the same): its exit status, 128 + the signal that ended
    // it, or -1.
    int wait();

private:
    pid_t m_pid{-1};
    int m_input{-1};
    int m_output{-1};
    std::string m_buffered;
    bool m_ended{false};
    int m_exit{-1};
};

} // namespace kv380::test
