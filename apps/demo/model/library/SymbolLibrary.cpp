#include "model/library/SymbolLibrary.h"

#include "model/library/LibraryPaths.h"
#include "model/library/TemplateFolders.h"
#include "model/library/XmlFile.h"

#include <filesystem>
#include <sstream>
#include <string_view>

namespace kv380::demo {

namespace {

std::string textOf(const pugi::xml_document& document) {
    std::ostringstream text;
    document.save(text, "  ");
    return text.str();
}

bool named(const pugi::xml_node& node, const char* attribute, const std::string& value) {
    return value == node.attribute(attribute).value();
}

} // namespace

SymbolLibrary::Files SymbolLibrary::examplesFiles(const std::string& examplesFolder) {
    const std::filesystem::path folder(examplesFolder);
    return {(folder / "symbol-library.xml").string(), (folder / "symbol-maps.xml").string(),
            (folder / "drawing-templates.xml").string()};
}

std::shared_ptr<SymbolLibrary> SymbolLibrary::create(const Files& files, std::string symbolRoot) {
    std::shared_ptr<SymbolLibrary> library(new SymbolLibrary(std::move(symbolRoot)));
    loadXmlFile(library->m_list, files.symbolLibraryList);
    loadXmlFile(library->m_maps, files.symbolMaps);
    loadXmlFile(library->m_templates, files.drawingTemplates);
    return library;
}

std::string SymbolLibrary::SymbolLibraryList() {
    return textOf(m_list);
}

std::string SymbolLibrary::DrawingTemplates() {
    return textOf(m_templates);
}

pugi::xml_node SymbolLibrary::templateOf(const std::string& diagramClass) const {
    return m_templates.document_element().find_child([&](const pugi::xml_node& node) {
        return std::string_view(node.name()) == "Template" && named(node, "Name", diagramClass);
    });
}

pugi::xml_node SymbolLibrary::conversion(const std::string& sourceClass,
                                         const std::string& targetClass) const {
    return templateOf(sourceClass).find_child([&](const pugi::xml_node& node) {
        return std::string_view(node.name()) == "ConversionTarget" && named(node, "Class", targetClass);
    });
}

std::string SymbolLibrary::GetTemplateConversionTargets(const std::string& sDiagramClass) {
    std::string targets;
    for (const pugi::xml_node& target : templateOf(sDiagramClass).children("ConversionTarget")) {
        targets += (targets.empty() ? "" : ";") + std::string(target.attribute("Class").value());
    }
    return targets;
}

std::string SymbolLibrary::GetSymbolMap(const std::string& sDiagramClass, const std::string& sTargetClass,
                                        const std::string& sSymbolPath, bool bDefaultOnly) {
    const std::string symbol = libraryPath(sSymbolPath, m_root);
    for (const pugi::xml_node& map : m_maps.document_element().children("Map")) {
        if (!named(map, "Source", sDiagramClass) || !named(map, "Target", sTargetClass) ||
            libraryPath(map.attribute("Symbol").value(), m_root) != symbol) {
            continue;
        }
        std::string symbols;
        for (const pugi::xml_node& entry : map.children("Symbol")) {
            symbols += (symbols.empty() ? "" : ";") + libraryPath(entry.attribute("Path").value(), m_root);
            if (bDefaultOnly) {
                break;
            }
        }
        return symbols;
    }
    return {};
}

bool SymbolLibrary::IsDiagramConversion(const std::string& sSourceClass, const std::string& sTargetClass,
                                        bool& bSimConversion) {
    const pugi::xml_node found = conversion(sSourceClass, sTargetClass);
    bSimConversion = found && found.attribute("Simulation").as_bool();
    return static_cast<bool>(found);
}

bool SymbolLibrary::IsFolderInTemplate(const std::string& sFolder, const std::string& sTargetClass) {
    const pugi::xml_node library = templateOf(sTargetClass).child("SymbolLibrary");
    if (!library) {
        return false;
    }
    const std::string folder = libraryPath(sFolder, m_root);
    for (const TemplateFolder& shown : templateFolders(library)) {
        const std::string path = libraryPath(shown.path, m_root);
        if (folder == path) {
            return true;
        }
        if (shown.withSubfolders && (path.empty() || folder.starts_with(path + "\\"))) {
            return true;
        }
    }
    return false;
}

} // namespace kv380::demo
