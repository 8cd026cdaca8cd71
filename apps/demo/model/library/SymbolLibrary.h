#pragma once

#include "host/ctlSymbolLibrary.h"

#include <pugixml.hpp>

#include <memory>
#include <string>

namespace kv380::demo {

// The source named in the errors of the symbol library.
inline constexpr const char* LibraryErrorSource = "KV380 Demo Symbol Library";

// The control of the "Symbol Library" bar, answering from three XML files of the examples folder, read
// once when it is made (examples/README.md describes them):
//   symbol-library.xml    the symbol libraries, handed out as they stand;
//   symbol-maps.xml       the default symbols an object's symbol maps to for a diagram conversion;
//   drawing-templates.xml the drawing templates: their conversion targets and symbol folders.
// Symbol and folder paths are compared relative to the symbol root, exactly (as file names are on Linux).
class SymbolLibrary : public ctlSymbolLibrary {
public:
    struct Files {
        std::string symbolLibraryList{};
        std::string symbolMaps{};
        std::string drawingTemplates{};
    };

    // The files of an examples folder.
    static Files examplesFiles(const std::string& examplesFolder);
    // Reads the files (errors as loadXmlFile).
    static std::shared_ptr<SymbolLibrary> create(const Files& files, std::string symbolRoot);

    // The symbol library list, as text.
    std::string SymbolLibraryList() override;
    // The same as a document, for the demo's own panel.
    const pugi::xml_document& libraryList() const { return m_list; }
    // The template's conversion targets in their order, joined by ";"; "" for a class without template.
    std::string GetTemplateConversionTargets(const std::string& sDiagramClass) override;
    // The symbols the maps give the symbol for that conversion, joined by ";" (with bDefaultOnly only the
    // first); "" when there is no map.
    std::string GetSymbolMap(const std::string& sDiagramClass, const std::string& sTargetClass,
                             const std::string& sSymbolPath, bool bDefaultOnly) override;
    // Whether the source class's template converts into the target; bSimConversion tells whether that is
    // a simulation conversion (false when there is no such conversion).
    bool IsDiagramConversion(const std::string& sSourceClass, const std::string& sTargetClass,
                             bool& bSimConversion) override;
    // Whether the target class's template shows that folder (or takes it in below a "\*" folder).
    bool IsFolderInTemplate(const std::string& sFolder, const std::string& sTargetClass) override;
    // The drawing templates, as text.
    std::string DrawingTemplates() override;

private:
    explicit SymbolLibrary(std::string symbolRoot) : m_root(std::move(symbolRoot)) {}
    pugi::xml_node templateOf(const std::string& diagramClass) const;
    pugi::xml_node conversion(const std::string& sourceClass, const std::string& targetClass) const;

    std::string m_root;
    pugi::xml_document m_list;
    pugi::xml_document m_maps;
    pugi::xml_document m_templates;
};

} // namespace kv380::demo
