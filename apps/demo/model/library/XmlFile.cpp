#include "model/library/XmlFile.h"

#include "model/library/SymbolLibrary.h"
#include "platform/AutomationError.h"

#include <filesystem>

namespace kv380::demo {

void loadXmlFile(pugi::xml_document& document, const std::string& path) {
    if (!std::filesystem::is_regular_file(path)) {
        throw AutomationError(err::FileNotFound, LibraryErrorSource, "Cannot find " + path);
    }
    const pugi::xml_parse_result result = document.load_file(path.c_str());
    if (!result) {
        throw AutomationError(err::InvalidProcedureCall, LibraryErrorSource,
                              path + ": " + result.description() + " at byte " +
                                  std::to_string(result.offset));
    }
}

} // namespace kv380::demo
