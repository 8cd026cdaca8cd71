#include "support/FakeSymbolLibrary.h"

#include <pugixml.hpp>

#include <stdexcept>

namespace kv380::test {

namespace {

// A test's XML must be well formed: a typo would otherwise read as an empty document.
std::string checked(const std::string& xml) {
    pugi::xml_document document;
    if (!document.load_string(xml.c_str())) {
        throw std::invalid_argument("not an XML document: " + xml);
    }
    return xml;
}

const char* text(bool b) {
    return b ? "true" : "false";
}

} // namespace

FakeSymbolLibrary::FakeSymbolLibrary(std::shared_ptr<FakeHostLedger> ledger) : m_ledger(std::move(ledger)) {}

void FakeSymbolLibrary::log(const std::string& call) {
    m_calls.push_back(call);
    m_ledger->enter("SymbolLibrary." + call.substr(0, call.find('(')));
}

std::string FakeSymbolLibrary::SymbolLibraryList() {
    log("SymbolLibraryList");
    return m_symbolLibraryList;
}

std::string FakeSymbolLibrary::GetTemplateConversionTargets(const std::string& sDiagramClass) {
    log("GetTemplateConversionTargets(" + sDiagramClass + ")");
    auto it = m_targets.find(sDiagramClass);
    return it == m_targets.end() ? std::string() : it->second;
}

std::string FakeSymbolLibrary::GetSymbolMap(const std::string& sDiagramClass, const std::string& sTargetClass,
                                            const std::string& sSymbolPath, bool bDefaultOnly) {
    log("GetSymbolMap(" + sDiagramClass + ", " + sTargetClass + ", " + sSymbolPath + ", " +
        text(bDefaultOnly) + ")");
    auto it = m_symbolMaps.find({sDiagramClass, sTargetClass, sSymbolPath});
    if (it == m_symbolMaps.end()) {
        return {};
    }
    return bDefaultOnly ? it->second.substr(0, it->second.find(';')) : it->second;
}

bool FakeSymbolLibrary::IsDiagramConversion(const std::string& sSourceClass, const std::string& sTargetClass,
                                            bool& bSimConversion) {
    log("IsDiagramConversion(" + sSourceClass + ", " + sTargetClass + ")");
    auto it = m_conversions.find({sSourceClass, sTargetClass});
    if (it == m_conversions.end()) {
        bSimConversion = false;
        return false;
    }
    bSimConversion = it->second.second;
    return it->second.first;
}

bool FakeSymbolLibrary::IsFolderInTemplate(const std::string& sFolder, const std::string& sTargetClass) {
    log("IsFolderInTemplate(" + sFolder + ", " + sTargetClass + ")");
    return m_templateFolders.count({sFolder, sTargetClass}) > 0;
}

std::string FakeSymbolLibrary::DrawingTemplates() {
    log("DrawingTemplates");
    return m_drawingTemplates;
}

void FakeSymbolLibrary::answerConversionTargets(const std::string& diagramClass, std::string targets) {
    m_targets[diagramClass] = std::move(targets);
}

void FakeSymbolLibrary::answerSymbolMap(const std::string& diagramClass, const std::string& targetClass,
                                        const std::string& symbolPath, std::string symbols) {
    m_symbolMaps[{diagramClass, targetClass, symbolPath}] = std::move(symbols);
}

void FakeSymbolLibrary::answerDiagramConversion(const std::string& sourceClass,
                                                const std::string& targetClass, bool result,
                                                bool simConversion) {
    m_conversions[{sourceClass, targetClass}] = {result, simConversion};
}

void FakeSymbolLibrary::answerFolderInTemplate(const std::string& folder, const std::string& targetClass) {
    m_templateFolders.insert({folder, targetClass});
}

void FakeSymbolLibrary::answerSymbolLibraryList(const std::string& xml) {
    m_symbolLibraryList = checked(xml);
}

void FakeSymbolLibrary::answerDrawingTemplates(const std::string& xml) {
    m_drawingTemplates = checked(xml);
}

} // namespace kv380::test
