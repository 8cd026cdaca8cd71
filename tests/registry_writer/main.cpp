// A second process for the registry tests: it writes into a hive as the control's writers do (create the
// key, probe the value, write it, all in one transaction), or holds a hive locked.
//
//   kv380_registry_writer ROOT HIVE TAG COUNT START
//       Waits until the file START exists, so that two writers begin together, then writes COUNT texts and
//       COUNT numbers whose names carry TAG. The exit status is the number of writes that failed (at most
//       100).
//   kv380_registry_writer report ROOT HIVE TAG
//       Writes without end, and after each write has committed prints its number on standard output, so
//       that a test which kills it knows what must have been kept (ReportedValues.h says which values).
//   kv380_registry_writer hold ROOT HIVE
//       Begins a write transaction, prints "held", and keeps the hive locked until standard input ends.
//
// ROOT is HKCU or HKLM, HIVE that root's file.
#include "ReportedValues.h"
#include "platform/registry/RegistryApi.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace kv380::registry;

namespace {

HKEY root = HKEY_CURRENT_USER;

bool write(const std::string& key, const std::string& name, DWORD type, const BYTE* data, DWORD size) {
    WriteTransaction transaction(root);
    LONG status = transaction.status();
    HKEY opened = 0;
    if (status == ERROR_SUCCESS) {
        status = RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, 0x3F, nullptr,
                                 &opened, nullptr);
    }
    if (status == ERROR_SUCCESS) {
        BYTE probe[4] = {};
        DWORD probeSize = sizeof probe;
        status = RegQueryValueExA(opened, name.c_str(), nullptr, nullptr, probe, &probeSize);
        if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND || status == ERROR_MORE_DATA) {
            status = RegSetValueExA(opened, name.c_str(), 0, type, data, size);
        }
        RegCloseKey(opened);
    }
    if (status == ERROR_SUCCESS) {
        status = transaction.commit();
    }
    if (status != ERROR_SUCCESS) {
        std::fprintf(stderr, "kv380_registry_writer: writing %s\\%s failed with %d\n", key.c_str(),
                     name.c_str(), static_cast<int>(status));
    }
    return status == ERROR_SUCCESS;
}

bool writeText(const std::string& key, const std::string& name, const std::string& text) {
    return write(key, name, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
}

bool writeNumber(const std::string& key, const std::string& name, uint32_t number) {
    const BYTE bytes[4] = {BYTE(number), BYTE(number >> 8), BYTE(number >> 16), BYTE(number >> 24)};
    return write(key, name, REG_DWORD, bytes, 4);
}

bool chooseRoot(const std::string& name, const char* hive) {
    if (name != "HKCU" && name != "HKLM") {
        return false;
    }
    root = name == "HKCU" ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    ::setenv(name == "HKCU" ? "KV380_HKCU_HIVE" : "KV380_HKLM_HIVE", hive, 1);
    return true;
}

int writeTogether(const std::string& tag, int count, const char* startFile) {
    struct stat st {};
    for (int waited = 0; ::stat(startFile, &st) != 0; ++waited) {
        if (waited > 30000) {
            return 100;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        // Both writers share one key for the texts and create the same ten keys for the numbers.
        failures +=
            writeText("Software\\Race", tag + "-text-" + std::to_string(i), tag + ":" + std::to_string(i))
                ? 0
                : 1;
        failures += writeNumber("Software\\Race\\Shared" + std::to_string(i % 10),
                                tag + "-n-" + std::to_string(i), static_cast<uint32_t>(i))
                        ? 0
                        : 1;
    }
    return failures > 100 ? 100 : failures;
}

int writeAndReport(const std::string& tag) {
    // Bounded, in case a test fails to kill it.
    for (int i = 0; i < 1000000; ++i) {
        const auto value = kv380::test::reportedValue(tag, i);
        if (write(value.key, value.name, value.type, value.data.data(),
                  static_cast<DWORD>(value.data.size()))) {
            const std::string line = std::to_string(i) + "\n";
            if (::write(STDOUT_FILENO, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
                return 1;
            }
        }
    }
    return 0;
}

int holdLocked() {
    WriteTransaction transaction(root);
    if (transaction.status() != ERROR_SUCCESS) {
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    char ignored[64];
    while (::read(STDIN_FILENO, ignored, sizeof ignored) > 0) {
    }
    return 0; // the transaction is rolled back
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "report" && argc == 5 && chooseRoot(argv[2], argv[3])) {
        return writeAndReport(argv[4]);
    }
    if (mode == "hold" && argc == 4 && chooseRoot(argv[2], argv[3])) {
        return holdLocked();
    }
    if (argc == 6 && chooseRoot(argv[1], argv[2])) {
        return writeTogether(argv[3], std::atoi(argv[4]), argv[5]);
    }
    std::fprintf(stderr, "usage: kv380_registry_writer HKCU|HKLM HIVE TAG COUNT START\n"
                         "       kv380_registry_writer report HKCU|HKLM HIVE TAG\n"
                         "       kv380_registry_writer hold HKCU|HKLM HIVE\n");
    return 100;
}
