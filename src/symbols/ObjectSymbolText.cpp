#include "symbols/ObjectSymbolText.h"

namespace kv380 {

std::string withUnitOperationsFolder(std::string_view mapSymbol) {
    if (mapSymbol.starts_with("Blocks\\")) {
        return "Unit Operations\\" + std::string(mapSymbol);
    }
    return std::string(mapSymbol);
}

std::string connectionDescription(std::string_view name, const std::string& fromId, const std::string& toId,
                                  std::string_view endObject,
                                  const std::function<std::string(const std::string&)>& nameOf) {
    std::string description(name);
    if (!fromId.empty() && fromId != endObject) {
        description += " From ";
        description += nameOf(fromId);
    }
    if (!toId.empty() && toId != endObject) {
        description += " To ";
        description += nameOf(toId);
    }
    return description;
}

} // namespace kv380
