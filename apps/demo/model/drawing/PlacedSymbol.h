#pragma once

#include "host/DrwApplication.h"

#include <cstdint>
#include <string>

namespace kv380::demo {

// A symbol placed on a sheet: which file, where, with which placement flags.
class PlacedSymbol : public DrwPlacedSymbol {
public:
    PlacedSymbol(std::string path, int32_t flags, double x, double y)
        : m_path(std::move(path)), m_flags(flags), m_x(x), m_y(y) {}

    // The symbol file the placement came from, as it was given.
    std::string SymbolPath() override { return m_path; }

    int32_t flags() const { return m_flags; }
    double x() const { return m_x; }
    double y() const { return m_y; }

private:
    std::string m_path;
    int32_t m_flags;
    double m_x;
    double m_y;
};

} // namespace kv380::demo
