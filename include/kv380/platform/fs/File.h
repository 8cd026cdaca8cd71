#pragma once

#include "platform/Export.h"

#include <string>
#include <utility>

namespace kv380::fs {

// A plain file found in a folder: what a folder lookup or listing hands out. It is a name, not a handle;
// the file may be gone by the time the caller uses it.
class KV380_API File {
public:
    File(std::string path, std::string name) : m_path(std::move(path)), m_name(std::move(name)) {}

    // The file's path in system form: its folder's Path, "\" and its name.
    const std::string& Path() const { return m_path; }
    // The file's own name.
    const std::string& Name() const { return m_name; }

private:
    std::string m_path;
    std::string m_name;
};

} // namespace kv380::fs
