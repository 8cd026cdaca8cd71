#include "menu/MenuTexts.h"

namespace kv380::menutext {

std::string findOnDrawingsText(std::string_view objectType, std::string_view objectId,
                               std::string_view objectKey) {
    std::string text(objectType == "Pipe" ? "PipeBrowser " : "Stockpile ");
    text += objectId;
    text += ' ';
    text += objectKey;
    return text;
}

} // namespace kv380::menutext
