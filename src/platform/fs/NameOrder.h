#pragma once

#include "platform/fs/CaseFolding.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kv380::fs {

// The order in which a person browses names: by name without regard to case (the folding of
// CaseFolding.h); names that differ only in case come in byte-wise order, so the order is the same on
// every file system and every run.
bool nameLessIgnoringCase(std::string_view a, std::string_view b);

// Sorts names into that order.
void sortNamesIgnoringCase(std::vector<std::string>& names);

// The same for things that have a name (`nameOf(item)` gives it). Each name is folded once, so long
// listings stay cheap.
template <class T, class NameOf> void sortByNameIgnoringCase(std::vector<T>& items, NameOf nameOf) {
    struct Keyed {
        std::vector<char32_t> folded;
        std::string name;
        std::size_t index;
    };
    std::vector<Keyed> keys;
    keys.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::string name(nameOf(items[i]));
        keys.push_back({foldedName(name), std::move(name), i});
    }
    std::sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) {
        if (a.folded != b.folded) {
            return a.folded < b.folded;
        }
        return a.name < b.name;
    });
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (const Keyed& key : keys) {
        sorted.push_back(std::move(items[key.index]));
    }
    items = std::move(sorted);
}

} // namespace kv380::fs
