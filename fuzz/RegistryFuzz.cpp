// The registry entry points driven by arbitrary calls on temporary hives: statuses stay within the
// registry's codes, nothing crashes, and a value that was written reads back as it was written.
#include "platform/registry/RegistryApi.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace kv380::registry;

bool knownStatus(LONG status) {
    static const std::set<LONG> known{0, 2, 5, 6, 14, 87, 112, 170, 234, 1015, 1016, 1018};
    return known.count(status) != 0;
}

// Both hives in a folder of their own for the life of the process.
struct TemporaryHives {
    std::string folder = (std::filesystem::temp_directory_path() / "kv380-fuzz-XXXXXX").string();

    TemporaryHives() {
        FUZZ_CHECK(mkdtemp(folder.data()) != nullptr);
        setenv("KV380_HKCU_HIVE", (folder + "/user.sqlite").c_str(), 1);
        setenv("KV380_HKLM_HIVE", (folder + "/machine.sqlite").c_str(), 1);
        resetForTests();
    }
    ~TemporaryHives() {
        resetForTests();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TemporaryHives hives;
    FuzzedDataProvider input(data, size);
    // Handles with the rights they were opened with (the roots allow everything).
    std::vector<std::pair<HKEY, DWORD>> handles{{HKEY_CURRENT_USER, KEY_ALL_ACCESS},
                                                {HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS}};
    DWORD rights = 0;
    const auto anyHandle = [&] {
        if (input.ConsumeBool()) {
            rights = 0;
            return input.ConsumeIntegral<HKEY>();
        }
        const auto& [handle, access] =
            handles[input.ConsumeIntegralInRange<std::size_t>(0, handles.size() - 1)];
        rights = access;
        return handle;
    };

    for (int step = 0; step < 16 && input.remaining_bytes() > 0; ++step) {
        switch (input.ConsumeIntegralInRange(0, 7)) {
        case 0: {
            const std::string path = input.ConsumeRandomLengthString(80);
            HKEY opened = 0;
            const DWORD access = input.ConsumeIntegral<DWORD>();
            const LONG status = RegOpenKeyExA(anyHandle(), path.c_str(), 0, access, &opened);
            FUZZ_CHECK(knownStatus(status));
            if (status == 0) {
                handles.emplace_back(opened, access);
            }
            break;
        }
        case 1: {
            const std::string path = input.ConsumeRandomLengthString(80);
            HKEY created = 0;
            DWORD disposition = 0;
            const LONG status = RegCreateKeyExA(anyHandle(), path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                nullptr, &created, &disposition);
            FUZZ_CHECK(knownStatus(status));
            if (status == 0) {
                FUZZ_CHECK(disposition == REG_CREATED_NEW_KEY || disposition == REG_OPENED_EXISTING_KEY);
                handles.emplace_back(created, KEY_ALL_ACCESS);
            }
            break;
        }
        case 2: {
            const HKEY key = anyHandle();
            const std::string name = input.ConsumeRandomLengthString(40);
            const DWORD type = input.ConsumeBool() ? REG_SZ : input.ConsumeIntegral<DWORD>();
            const std::string bytes = input.ConsumeRandomLengthString(300);
            const LONG status =
                RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                               static_cast<DWORD>(bytes.size()));
            FUZZ_CHECK(knownStatus(status));
            if (status == 0 && (rights & KEY_QUERY_VALUE) != 0) {
                // What was written reads back, type and bytes, whatever the buffer asked for first.
                DWORD readType = 0;
                DWORD needed = 0;
                FUZZ_CHECK(RegQueryValueExA(key, name.c_str(), nullptr, &readType, nullptr, &needed) == 0);
                FUZZ_CHECK(readType == type && needed == bytes.size());
                std::vector<BYTE> buffer(needed + 1, 0xAB);
                DWORD room = needed;
                FUZZ_CHECK(RegQueryValueExA(key, name.c_str(), nullptr, &readType, buffer.data(), &room) ==
                           0);
                FUZZ_CHECK(room == bytes.size() &&
                           std::memcmp(bytes.data(), buffer.data(), bytes.size()) == 0);
                FUZZ_CHECK(buffer[needed] == 0xAB);
            }
            break;
        }
        case 3: {
            const std::string name = input.ConsumeRandomLengthString(40);
            DWORD type = 0;
            const DWORD room = input.ConsumeIntegralInRange<DWORD>(0, 512);
            std::vector<BYTE> buffer(room + 1, 0xCD);
            DWORD cb = room;
            const LONG status = RegQueryValueExA(anyHandle(), name.c_str(), nullptr, &type,
                                                 input.ConsumeBool() ? buffer.data() : nullptr, &cb);
            FUZZ_CHECK(knownStatus(status));
            FUZZ_CHECK(buffer[room] == 0xCD); // never past the room given
            if (status == ERROR_MORE_DATA) {
                FUZZ_CHECK(cb > room);
                FUZZ_CHECK(std::all_of(buffer.begin(), buffer.end(), [](BYTE b) { return b == 0xCD; }));
            }
            break;
        }
        case 4: {
            const HKEY key = anyHandle();
            const std::string name = input.ConsumeRandomLengthString(40);
            const LONG status = RegDeleteValueA(key, name.c_str());
            FUZZ_CHECK(knownStatus(status));
            if (status == 0 && (rights & KEY_QUERY_VALUE) != 0) {
                DWORD type = 0;
                DWORD cb = 0;
                FUZZ_CHECK(RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &cb) ==
                           ERROR_FILE_NOT_FOUND);
            }
            break;
        }
        case 5: {
            const std::string path = input.ConsumeRandomLengthString(80);
            FUZZ_CHECK(knownStatus(RegDeleteKeyA(anyHandle(), path.c_str())));
            break;
        }
        case 6: {
            DWORD subKeys = 0xFFFFFFFF;
            DWORD values = 0xFFFFFFFF;
            const LONG status = RegQueryInfoKeyA(anyHandle(), nullptr, nullptr, nullptr, &subKeys, nullptr,
                                                 nullptr, &values, nullptr, nullptr, nullptr, nullptr);
            FUZZ_CHECK(knownStatus(status));
            FUZZ_CHECK(status != 0 || (subKeys != 0xFFFFFFFF && values != 0xFFFFFFFF));
            break;
        }
        default:
            FUZZ_CHECK(knownStatus(RegCloseKey(anyHandle())));
            break;
        }
    }
    for (const auto& [handle, access] : handles) {
        RegCloseKey(handle);
    }
    return 0;
}
