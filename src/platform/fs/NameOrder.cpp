#include "platform/fs/NameOrder.h"

namespace kv380::fs {

bool nameLessIgnoringCase(std::string_view a, std::string_view b) {
    const std::vector<char32_t> foldedA = foldedName(a);
    const std::vector<char32_t> foldedB = foldedName(b);
    if (foldedA != foldedB) {
        return foldedA < foldedB;
    }
    return a < b;
}

void sortNamesIgnoringCase(std::vector<std::string>& names) {
    sortByNameIgnoringCase(names, [](const std::string& name) -> const std::string& { return name; });
}

} // namespace kv380::fs
