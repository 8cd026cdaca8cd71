#include "symbols/XmlText.h"

#include <pugixml.hpp>

namespace kv380 {

std::shared_ptr<pugi::xml_document> documentFromText(const std::string& text) {
    auto document = std::make_shared<pugi::xml_document>();
    document->load_buffer(text.data(), text.size());
    return document;
}

} // namespace kv380
