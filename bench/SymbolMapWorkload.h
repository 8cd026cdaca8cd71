#pragma once

#include "host/IKVDwgApp.h"
#include "symbols/StockPileSymbolMap.h"

#include <filesystem>
#include <memory>
#include <string>

namespace kv380::bench {

// What the Symbol Map dialog is opened on in the benchmarks: a symbol root in a temporary folder (removed
// at exit) and a host that answers the dialog from it.
//
// The PPID template's tree has 10,001 folders, 5,000 of them read from the disk: Many (5,000 symbol files),
// 50 groups of 99 folders (the group and 98 below it), and 50 "\*" folders of 100 disk sub-folders each.
class SymbolMapWorkload {
public:
    static constexpr int Groups = 50;
    static constexpr int FoldersPerGroup = 99;
    static constexpr int StarFolders = 50;
    static constexpr int DiskFoldersEach = 100;
    static constexpr int SymbolFiles = 5000;
    // The tree node of the folder holding the symbol files.
    static constexpr const char* ManyNodeKey = "101:Many";

    SymbolMapWorkload();
    ~SymbolMapWorkload();
    SymbolMapWorkload(const SymbolMapWorkload&) = delete;
    SymbolMapWorkload& operator=(const SymbolMapWorkload&) = delete;

    const std::string& root() const { return m_root; }
    const std::string& templatesXml() const { return m_templates; }
    std::shared_ptr<IKVDwgApp> dwgApp() const { return m_dwgApp; }
    StockPileSymbolMap& stockPile() const { return *m_stockPile; }
    // The object's symbol the dialog is opened for.
    std::string objectSymbol() const { return m_root + "\\Many\\S0.sym"; }

private:
    std::filesystem::path m_native;
    std::string m_root;
    std::string m_templates;
    std::shared_ptr<IKVDwgApp> m_dwgApp;
    // Shared, so that the stand-in is released as what it is (the interface keeps its destructor to itself).
    std::shared_ptr<StockPileSymbolMap> m_stockPile;
};

} // namespace kv380::bench
