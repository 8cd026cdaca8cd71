#pragma once

#include "host/ctlSymbolLibrary.h"
#include "support/FakeHostLedger.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace kv380::test {

// The "Symbol Library" bar's control: answers what the test scripted ("" and false otherwise) and logs every
// call with its arguments, as "GetSymbolMap(PFD, PPID, Pumps\A.sym, false)".
class FakeSymbolLibrary : public ctlSymbolLibrary {
public:
    explicit FakeSymbolLibrary(std::shared_ptr<FakeHostLedger> ledger);

    std::string SymbolLibraryList() override;
    std::string GetTemplateConversionTargets(const std::string& sDiagramClass) override;
    std::string GetSymbolMap(const std::string& sDiagramClass, const std::string& sTargetClass,
                             const std::string& sSymbolPath, bool bDefaultOnly) override;
    bool IsDiagramConversion(const std::string& sSourceClass, const std::string& sTargetClass,
                             bool& bSimConversion) override;
    bool IsFolderInTemplate(const std::string& sFolder, const std::string& sTargetClass) override;
    std::string DrawingTemplates() override;

    // Scripting. A symbol map is the whole ";"-joined list; asked for the default only, the fake answers
    // its first entry.
    void answerConversionTargets(const std::string& diagramClass, std::string targets);
    void answerSymbolMap(const std::string& diagramClass, const std::string& targetClass,
                         const std::string& symbolPath, std::string symbols);
    void answerDiagramConversion(const std::string& sourceClass, const std::string& targetClass, bool result,
                                 bool simConversion);
    void answerFolderInTemplate(const std::string& folder, const std::string& targetClass);
    // The documents answered; parse failures throw std::invalid_argument. Nothing set: an empty document.
    void answerSymbolLibraryList(const std::string& xml);
    void answerDrawingTemplates(const std::string& xml);

    const std::vector<std::string>& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

private:
    void log(const std::string& call);

    std::shared_ptr<FakeHostLedger> m_ledger;
    std::vector<std::string> m_calls;
    std::map<std::string, std::string> m_targets;
    std::map<std::tuple<std::string, std::string, std::string>, std::string> m_symbolMaps;
    std::map<std::pair<std::string, std::string>, std::pair<bool, bool>> m_conversions;
    std::set<std::pair<std::string, std::string>> m_templateFolders;
    std::string m_symbolLibraryList;
    std::string m_drawingTemplates;
};

} // namespace kv380::test
