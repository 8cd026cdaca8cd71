#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The rows of the workspace database, as the host model reads them.

namespace kv380::demo {

struct OrganisationRow {
    int64_t id = 0;
    std::string name{};
};

struct ViewRow {
    int64_t id = 0;
    std::string name{};
    std::string diagramClass{};
    // The view shows the objects of the drawing it was last pointed at, once it has been pointed at one.
    bool followsDiagram = false;
};

struct ObjectRow {
    int64_t id = 0;
    std::string tag{};
    std::string type{};
    std::string symbol{};
    std::optional<int64_t> fromId{};
    std::optional<int64_t> toId{};
    std::string mapReference{};
    std::string mapSymbol{};
    std::string description{};
};

struct DiagramRow {
    int64_t id = 0;
    std::string name{};
    std::string diagramClass{};
};

} // namespace kv380::demo
