#include "platform/locale/Locale.h"

#include <array>
#include <cstdlib>
#include <string>

namespace kv380 {

namespace {

struct LocaleEntry {
    std::string_view name; // language, or language_TERRITORY
    int32_t lcid;
};

// Territory-specific entries first: a language alone falls back to its most common territory.
constexpr std::array<LocaleEntry, 24> kLocales{{
    {"ja_JP", 1041}, {"en_US", 1033}, {"en_GB", 2057}, {"en_AU", 3081}, {"en_CA", 4105},
    {"zh_CN", 2052}, {"zh_TW", 1028}, {"zh_HK", 3076}, {"zh_SG", 4100}, {"ko_KR", 1042},
    {"de_DE", 1031}, {"fr_FR", 1036}, {"it_IT", 1040}, {"es_ES", 3082}, {"nl_NL", 1043},
    {"pt_BR", 1046}, {"ru_RU", 1049}, {"sv_SE", 1053}, {"ja", 1041}, {"en", 1033},
    {"zh", 2052}, {"ko", 1042}, {"de", 1031}, {"fr", 1036},
}};

} // namespace

int32_t lcidFromLocaleName(std::string_view name) {
    // Strip ".codeset" and "@modifier".
    const auto cut = name.find_first_of(".@");
    if (cut != std::string_view::npos) {
        name = name.substr(0, cut);
    }
    for (const auto& entry : kLocales) {
        if (entry.name == name) {
            return entry.lcid;
        }
    }
    const auto language = name.substr(0, name.find('_'));
    for (const auto& entry : kLocales) {
        if (entry.name == language) {
            return entry.lcid;
        }
    }
    return 1033;
}

int32_t GetSystemDefaultLCID() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return lcidFromLocaleName(value);
        }
    }
    return 1033;
}

} // namespace kv380
