#include "model/library/TemplateFolders.h"

#include <string_view>

namespace kv380::demo {

namespace {

bool hasChildElements(const pugi::xml_node& node) {
    return static_cast<bool>(
        node.find_child([](const pugi::xml_node& child) { return child.type() == pugi::node_element; }));
}

void collect(const pugi::xml_node& parent, std::vector<TemplateFolder>& folders) {
    for (const pugi::xml_node& folder : parent.children()) {
        if (folder.type() != pugi::node_element) {
            continue;
        }
        const pugi::xml_attribute state = folder.attribute("State");
        if (!state || std::string_view(state.value()) == "Hidden") {
            continue;
        }
        std::string path = folder.attribute("Path").value();
        if (hasChildElements(folder)) {
            folders.push_back({path, false});
            collect(folder, folders);
        } else if (path.ends_with("\\*")) {
            path.resize(path.size() - 2);
            folders.push_back({path, true});
        } else if (!path.empty()) {
            folders.push_back({path, false});
        }
    }
}

} // namespace

std::vector<TemplateFolder> templateFolders(const pugi::xml_node& symbolLibrary) {
    std::vector<TemplateFolder> folders;
    collect(symbolLibrary, folders);
    return folders;
}

} // namespace kv380::demo
