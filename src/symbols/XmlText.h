#pragma once

#include <memory>
#include <string>

namespace pugi {
class xml_document;
}

namespace kv380 {

// An XML document from the text a host hands over (the Symbol Library's lists and templates). Text that is
// not a well-formed document gives what could be read of it, often nothing: the callers then find no
// libraries, folders or templates in it, as in an empty document.
std::shared_ptr<pugi::xml_document> documentFromText(const std::string& text);

} // namespace kv380
