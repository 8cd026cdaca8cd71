#pragma once

#include "platform/AutomationError.h"
#include "support/FakeHost.h"
#include "support/RecordingErrorReporter.h"
#include "support/ScriptedDesktop.h"
#include "support/SymbolMapTemplates.h"
#include "symbolmap/frmSymbolMap.h"
#include "symbols/StockPileSymbolMap.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kv380::test {

// The stock pile as the dialog sees it: stored maps by "id(source)target", every write recorded, and a
// failure to throw on demand.
class RecordingStockPile : public StockPileSymbolMap {
public:
    std::string GetDiagramClass() override { return "PFD"; }
    std::string GetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                             const std::string& sTarget) override {
        throwIfFailing();
        const auto found = maps.find(sID + "(" + sDiagramClass + ")" + sTarget);
        return found == maps.end() ? std::string() : found->second;
    }
    void SetSymbolMap(const std::string& sID, const std::string& sDiagramClass, const std::string& sTarget,
                      const std::string& sPath) override {
        throwIfFailing();
        writes.push_back(sID + "(" + sDiagramClass + ")" + sTarget + " = " + sPath);
        maps[sID + "(" + sDiagramClass + ")" + sTarget] = sPath;
    }

    std::map<std::string, std::string> maps;
    std::vector<std::string> writes;
    std::optional<AutomationError> failure;

private:
    void throwIfFailing() {
        if (failure) {
            throw *failure;
        }
    }
};

// The symbols and templates of the dialog's tests: the PFD class converts into PPID and Sim. PPID's
// template shows Pumps and, with its disk folders, Valves; Sim's shows Blocks.
inline FakeHost::Builder symbolMapHost() {
    return FakeHost::Builder()
        .symbolFile("Pumps\\P1.sym")
        .symbolFile("Pumps\\centrifugal.sym")
        .symbolFile("Pumps\\Notes.txt")
        .symbolFile("Valves\\Valve.SYM")
        .symbolFile("Valves\\Gate\\G1.sym")
        .symbolFile("Valves\\Ball\\B1.sym")
        .symbolFile("Blocks\\Tank.sym");
}

// A dialog for object 47 of type PUMP, drawn with Pumps\P1.sym on a PFD drawing, and what it talks to.
class SymbolMapFixture : public ::testing::Test {
protected:
    SymbolMapFixture() {
        host.symbolLibrary()->answerConversionTargets("PFD", "PPID;Sim");
        host.symbolLibrary()->answerDrawingTemplates(symbolMapTemplates());
        dialog.setStockPile(&stockPile);
    }

    void initialise(const std::string& relativeSymbol = "Pumps\\P1.sym", const std::string& type = "PUMP") {
        dialog.Initialise(host.dwgApp(), "47", "PFD", host.symbolPath(relativeSymbol), type);
    }
    // Initialise and show the dialog (modeless: the test is the user).
    void open() {
        initialise();
        dialog.Show();
    }
    // The texts of a list's rows, in order.
    static std::vector<std::string> texts(const ui::RWListView& list) {
        std::vector<std::string> out;
        for (int i = 1; i <= list.itemCount(); ++i) {
            out.push_back(list.item(i).text);
        }
        return out;
    }
    static std::vector<bool> selection(const ui::RWListView& list) {
        std::vector<bool> out;
        for (int i = 1; i <= list.itemCount(); ++i) {
            out.push_back(list.item(i).selected);
        }
        return out;
    }
    // The user clicks a folder and selects one of its symbols by text.
    void pickSymbol(const std::string& nodeKey, const std::string& text) {
        dialog.TreeView1.clickNode(nodeKey);
        for (int i = 1; i <= dialog.RWListView2.itemCount(); ++i) {
            if (dialog.RWListView2.item(i).text == text) {
                dialog.RWListView2.setItemSelected(i, true);
                return;
            }
        }
        ADD_FAILURE() << "no symbol " << text << " in " << nodeKey;
    }
    std::string path(const std::string& relative) const { return host.symbolPath(relative); }

    ReporterScope reporter;
    DesktopScope desktop;
    FakeHost host = symbolMapHost().build();
    RecordingStockPile stockPile;
    frmSymbolMap dialog;
};

} // namespace kv380::test
