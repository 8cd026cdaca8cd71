#include "support/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kv380::test {

ChildProcess::ChildProcess(std::vector<std::string> arguments) {
    int toChild[2] = {-1, -1};
    int fromChild[2] = {-1, -1};
    if (arguments.empty() || ::pipe2(toChild, O_CLOEXEC) != 0) {
        return;
    }
    if (::pipe2(fromChild, O_CLOEXEC) != 0) {
        ::close(toChild[0]);
        ::close(toChild[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    std::vector<char*> argv;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    if (::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);
    m_input = toChild[1];
    m_output = fromChild[0];
}

ChildProcess::~ChildProcess() {
    if (m_pid > 0 && !m_ended) {
        signal(SIGKILL);
        wait();
    }
    closeInput();
    if (m_output >= 0) {
        ::close(m_output);
    }
}

std::optional<std::string> ChildProcess::readLine(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (const auto end = m_buffered.find('\n'); end != std::string::npos) {
            std::string line = m_buffered.substr(0, end);
            m_buffered.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (m_output < 0 || left.count() <= 0) {
            return std::nullopt;
        }
        pollfd ready{m_output, POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(left.count()));
        if (polled < 0 && errno == EINTR) {
            continue;
        }
        if (polled <= 0) {
            return std::nullopt;
        }
        char chunk[4096];
        const ssize_t got = ::read(m_output, chunk, sizeof chunk);
        if (got <= 0) {
            ::close(m_output);
            m_output = -1;
            continue; // a last line without a line feed is not a whole line
        }
        m_buffered.append(chunk, static_cast<std::size_t>(got));
    }
}

std::vector<std::string> ChildProcess::readRemainingLines() {
    std::vector<std::string> lines;
    while (auto line = readLine()) {
        lines.push_back(*line);
    }
    return lines;
}

void ChildProcess::closeInput() {
    if (m_input >= 0) {
        ::close(m_input);
        m_input = -1;
    }
}

void ChildProcess::signal(int number) {
    if (m_pid > 0 && !m_ended) {
        ::kill(m_pid, number);
    }
}

int ChildProcess::wait() {
    if (m_pid <= 0 || m_ended) {
        return m_exit;
    }
    int status = 0;
    pid_t waited = -1;
    do {
        waited = ::waitpid(m_pid, &status, 0);
    } while (waited < 0 && errno == EINTR);
    m_ended = true;
    if (waited == m_pid && WIFEXITED(status)) {
        m_exit = WEXITSTATUS(status);
    } else if (waited == m_pid && WIFSIGNALED(status)) {
        m_exit = 128 + WTERMSIG(status);
    }
    return m_exit;
}

} // namespace kv380::test
