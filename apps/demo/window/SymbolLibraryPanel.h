#pragma once

#include <QTreeWidget>

#include <memory>

namespace kv380::demo {

class SymbolLibrary;

// What the "Symbol Library" bar shows: its libraries, each with the symbol files of its folder and
// sub-folders, drawn from the files themselves. The tooltip of a symbol tells its behaviour.
class SymbolLibraryPanel : public QTreeWidget {
    Q_OBJECT
public:
    SymbolLibraryPanel(const SymbolLibrary& library, const std::string& symbolRoot,
                       QWidget* parent = nullptr);
};

} // namespace kv380::demo
