#include "symbolmap/FolderTree.h"

#include "platform/AutomationError.h"
#include "platform/fs/Folder.h"
#include "platform/fs/NameOrder.h"

#include <pugixml.hpp>

#include <string_view>

namespace kv380 {

namespace {

constexpr std::string_view DiskFoldersSuffix = "\\*";

bool hasChildElements(const pugi::xml_node& element) {
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() == pugi::node_element) {
            return true;
        }
    }
    return false;
}

std::string lastPart(std::string_view path) {
    const size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

class TreeBuilder {
public:
    TreeBuilder(std::string symbolRoot, std::vector<FolderNode>& nodes)
        : m_root(std::move(symbolRoot)), m_nodes(nodes) {}

    void AddTemplateFolders(const pugi::xml_node& element, const std::string& parentKey) {
        for (const pugi::xml_node& folder : element.children()) {
            if (folder.type() != pugi::node_element) {
                continue;
            }
            const std::string prefix = std::to_string(++m_counter) + ":";
            const pugi::xml_attribute state = folder.attribute("State");
            if (!state || std::string_view(state.value()) == "Hidden") {
                continue;
            }
            const pugi::xml_attribute name = folder.attribute("Name");
            std::string path = folder.attribute("Path").value();
            if (hasChildElements(folder)) {
                const std::string key = add(parentKey, prefix + path, name, path);
                AddTemplateFolders(folder, key);
                continue;
            }
            if (path.empty()) {
                continue;
            }
            if (path.ends_with(DiskFoldersSuffix)) {
                path.resize(path.size() - DiskFoldersSuffix.size());
                const std::string key = add(parentKey, prefix + path, name, path);
                AddDiskFolders(path, key);
                continue;
            }
            add(parentKey, prefix + path, name, path);
        }
    }

private:
    // Returns a copy of the key: adding the nodes below moves the vector's storage.
    std::string add(const std::string& parentKey, std::string key, const pugi::xml_attribute& name,
                    const std::string& path) {
        std::string text = name ? std::string(name.value()) : lastPart(path);
        m_nodes.push_back({parentKey, std::move(key), std::move(text)});
        return m_nodes.back().key;
    }

    void AddDiskFolders(const std::string& relativePath, const std::string& parentKey) {
        std::shared_ptr<fs::Folder> folder;
        try {
            folder = fs::Folder::open(m_root + "\\" + relativePath);
        } catch (const AutomationError&) {
            return; // a "\*" folder that is not there: its node stands alone
        }
        addSubFolders(*folder, relativePath, parentKey);
    }

    void addSubFolders(const fs::Folder& folder, const std::string& relativePath,
                       const std::string& parentKey) {
        std::vector<std::shared_ptr<fs::Folder>> subFolders;
        try {
            subFolders = folder.SubFolders();
        } catch (const AutomationError&) {
            return; // unreadable: nothing below it can be shown
        }
        fs::sortByNameIgnoringCase(subFolders,
                                   [](const std::shared_ptr<fs::Folder>& f) { return f->Name(); });
        for (const auto& subFolder : subFolders) {
            const std::string name = subFolder->Name();
            std::string path = relativePath + "\\" + name;
            std::string key = std::to_string(++m_counter) + ":" + path;
            m_nodes.push_back({parentKey, key, name});
            addSubFolders(*subFolder, path, key);
        }
    }

    std::string m_root;
    std::vector<FolderNode>& m_nodes;
    int m_counter{FolderNodeNumberBase};
};

} // namespace

std::vector<FolderNode> folderTreeNodes(const pugi::xml_document& templates, const std::string& targetClass,
                                        const std::string& symbolRoot) {
    std::vector<FolderNode> nodes;
    for (const pugi::xml_node& templ : templates.document_element().children("Template")) {
        const pugi::xml_attribute name = templ.attribute("Name");
        if (!name || targetClass != name.value()) {
            continue;
        }
        const pugi::xml_node library = templ.child("SymbolLibrary");
        if (!library) {
            continue;
        }
        nodes.push_back({"", FolderTreeRootKey, targetClass});
        TreeBuilder(symbolRoot, nodes).AddTemplateFolders(library, FolderTreeRootKey);
        break;
    }
    return nodes;
}

} // namespace kv380
