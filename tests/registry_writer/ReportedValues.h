#pragma once

#include "platform/registry/RegistryApi.h"

#include <string>
#include <vector>

namespace kv380::test {

// Value i of a reporting writer (kv380_registry_writer report): even ones are texts of varying length, so
// that pages fill and split, odd ones numbers; every seventh goes into a key of its own, which the write
// creates. The crash tests check what the writer reported against this.
struct ReportedValue {
    std::string key;
    std::string name;
    registry::DWORD type;
    std::vector<registry::BYTE> data;
};

inline ReportedValue reportedValue(const std::string& tag, int i) {
    ReportedValue value;
    value.key = "Software\\Crash\\" + tag + (i % 7 == 0 ? "\\K" + std::to_string(i) : "");
    value.name = "V" + std::to_string(i);
    if (i % 2 == 0) {
        const std::string text = tag + ":" + std::string(static_cast<std::size_t>(i) * 37 % 300, 'x');
        value.type = registry::REG_SZ;
        value.data.assign(text.begin(), text.end());
        value.data.push_back(0);
    } else {
        const auto number = static_cast<registry::DWORD>(i) * 2654435761u;
        value.type = registry::REG_DWORD;
        value.data = {registry::BYTE(number), registry::BYTE(number >> 8), registry::BYTE(number >> 16),
                      registry::BYTE(number >> 24)};
    }
    return value;
}

} // namespace kv380::test
