#pragma once

#include <pugixml.hpp>

#include <string>
#include <vector>

namespace kv380::demo {

// A symbol folder a drawing template shows, relative to the symbol root.
struct TemplateFolder {
    std::string path{};
    // The folder's path ended in "\*": every folder below it on disk belongs to the template too.
    bool withSubfolders = false;
};

// The folders a template's SymbolLibrary element shows, by the rules the Symbol Map dialog applies: a
// folder element without State, or with State "Hidden", is left out with everything below it; a folder
// with child folders stands for its Path (the root when it has none); a folder without child folders and
// without Path shows nothing; a "\*" ending takes in the folders below.
std::vector<TemplateFolder> templateFolders(const pugi::xml_node& symbolLibrary);

} // namespace kv380::demo
