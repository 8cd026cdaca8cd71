// Writes many values into the user hive, as the control's writers do (create the key, probe the value, write
// it, all in one transaction), so that a test can run two of these against one hive at the same time.
//
//   kv380_registry_writer ROOT HIVE TAG COUNT START
//
// ROOT is HKCU or HKLM, HIVE that root's file. Waits until the file START exists, so that both writers begin
// together, then writes COUNT texts and COUNT numbers whose names carry TAG. The exit status is the number of
// writes that failed (at most 100).
#include "platform/registry/RegistryApi.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <thread>

using namespace kv380::registry;

namespace {

HKEY root = HKEY_CURRENT_USER;

bool write(const std::string& key, const std::string& name, DWORD type, const BYTE* data, DWORD size) {
    WriteTransaction transaction(root);
    HKEY opened = 0;
    LONG status = RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, 0x3F, nullptr,
                                  &opened, nullptr);
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

} // namespace

int main(int argc, char** argv) {
    if (argc != 6 || (std::string(argv[1]) != "HKCU" && std::string(argv[1]) != "HKLM")) {
        std::fprintf(stderr, "usage: kv380_registry_writer HKCU|HKLM HIVE TAG COUNT START\n");
        return 100;
    }
    const bool user = std::string(argv[1]) == "HKCU";
    root = user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    ::setenv(user ? "KV380_HKCU_HIVE" : "KV380_HKLM_HIVE", argv[2], 1);
    const std::string tag = argv[3];
    const int count = std::atoi(argv[4]);
    struct stat st {};
    for (int waited = 0; ::stat(argv[5], &st) != 0; ++waited) {
        if (waited > 30000) {
            return 100;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        const std::string text = tag + ":" + std::to_string(i);
        const auto number = static_cast<uint32_t>(i);
        const BYTE bytes[4] = {BYTE(number), BYTE(number >> 8), BYTE(number >> 16), BYTE(number >> 24)};
        // Both writers share one key for the texts and create the same ten keys for the numbers.
        failures += write("Software\\Race", tag + "-text-" + std::to_string(i), REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1))
                        ? 0
                        : 1;
        failures += write("Software\\Race\\Shared" + std::to_string(i % 10), tag + "-n-" + std::to_string(i),
                          REG_DWORD, bytes, 4)
                        ? 0
                        : 1;
    }
    return failures > 100 ? 100 : failures;
}
