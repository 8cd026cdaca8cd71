#include "model/drawing/SymbolFile.h"

#include "model/drawing/Document.h"
#include "platform/AutomationError.h"
#include "platform/convert/Convert.h"
#include "platform/fs/FileLength.h"
#include "platform/fs/NativePath.h"

#include <pugixml.hpp>

#include <cstring>
#include <limits>

namespace kv380::demo {

SymbolFileInfo readSymbolFile(const std::string& systemPath) {
    if (!fs::fileLength(systemPath)) {
        throw AutomationError(err::FileNotFound, DrawingErrorSource, "Symbol file not found: " + systemPath);
    }
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_file(fs::toNativePath(systemPath).c_str());
    const pugi::xml_node svg = document.document_element();
    if (!parsed || std::strcmp(svg.name(), "svg") != 0) {
        throw AutomationError(
            err::InvalidProcedureCall, DrawingErrorSource,
            "Not a symbol drawing: " + systemPath +
                (parsed ? std::string(" (no svg element)") : " (" + std::string(parsed.description()) + ")"));
    }
    SymbolFileInfo info;
    if (const pugi::xml_attribute behaviour = svg.attribute("data-behaviour")) {
        const int32_t code = convert::toLong(behaviour.value());
        if (code < std::numeric_limits<int16_t>::min() || code > std::numeric_limits<int16_t>::max()) {
            raise(err::Overflow, DrawingErrorSource);
        }
        info.behaviour = code;
    }
    info.expansionClass = svg.attribute("data-expansion-class").value();
    info.title = svg.child_value("title");
    return info;
}

} // namespace kv380::demo
