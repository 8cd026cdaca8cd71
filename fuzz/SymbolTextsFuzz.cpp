// The symbol-map texts and symbol-path arithmetic on arbitrary text: no crash, no undefined behaviour, and
// the properties their callers rely on.
#include "symbols/SymbolMapText.h"

#include "platform/AutomationError.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kv380;
    FuzzedDataProvider input(data, size);
    const std::string a = input.ConsumeRandomLengthString(128);
    const std::string b = input.ConsumeRandomLengthString(128);
    const std::string c = input.ConsumeRemainingBytesAsString().substr(0, 256);

    FUZZ_CHECK(symbolMapKey(a, b, c) == a + "(" + b + ")" + c);
    listTargetClass(a);

    const std::string first = defaultMappedSymbol(c);
    FUZZ_CHECK(startsWith(c, first));
    FUZZ_CHECK(first.find(';') == std::string::npos);

    const std::string collapsed = collapseDoubledBackslashes(c);
    FUZZ_CHECK(collapsed.size() <= c.size());

    // A network path's leading "\\" survives normalisation.
    const std::string normalised = normaliseSymbolPath(c);
    FUZZ_CHECK(normalised.compare(0, 2, c, 0, 2) == 0 || c.size() < 2);

    for (const auto& relative : {&symbolRelativeToRoot, &mapLookupSymbol, &libraryRelativeSymbol}) {
        try {
            const std::string r = relative(c, a);
            FUZZ_CHECK(r.size() <= c.size());
        } catch (const AutomationError& e) {
            FUZZ_CHECK(e.number() == 5); // a path shorter than its root
        }
    }

    const std::string folder = mapSymbolFolder(c);
    FUZZ_CHECK(folder.size() <= c.size());
    const std::string dropped = dropLeadingBackslash(a);
    FUZZ_CHECK(dropped.size() + 1 >= a.size());

    if (const auto seeded = mappingWithMapSymbolFirst(a, c)) {
        FUZZ_CHECK(startsWith(*seeded, dropLeadingBackslash(a) + ";"));
        FUZZ_CHECK(seeded->size() == dropLeadingBackslash(a).size() + 1 + c.size());
    }

    const std::string next = nextObjectSymbol(c, b, a);
    FUZZ_CHECK(next.empty() || startsWith(next, a));
    return 0;
}
