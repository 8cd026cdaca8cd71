#pragma once

#include <pugixml.hpp>

#include <string>

namespace kv380::demo {

// Loads an XML file of the examples into a document. A missing file is error 53; a malformed one error 5,
// naming the file, the parser's reason and the byte offset.
void loadXmlFile(pugi::xml_document& document, const std::string& path);

} // namespace kv380::demo
