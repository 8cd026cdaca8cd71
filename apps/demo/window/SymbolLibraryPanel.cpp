#include "window/SymbolLibraryPanel.h"

#include "model/drawing/SymbolFile.h"
#include "model/library/SymbolLibrary.h"
#include "platform/AutomationError.h"
#include "platform/fs/Folder.h"
#include "platform/fs/NativePath.h"

#include <QHeaderView>
#include <QPainter>
#include <QSvgRenderer>

#include <pugixml.hpp>

namespace kv380::demo {

namespace {

QIcon symbolIcon(const std::string& systemPath) {
    QSvgRenderer renderer(QString::fromStdString(fs::toNativePath(systemPath)));
    if (!renderer.isValid()) {
        return {};
    }
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return QIcon(pixmap);
}

QString behaviourText(const std::string& systemPath) {
    try {
        const SymbolFileInfo info = readSymbolFile(systemPath);
        QString text = QString::fromStdString(info.title);
        if (info.behaviour == 3) {
            text += " (connector)";
        } else if (info.behaviour == 11) {
            text += " (expands into " + QString::fromStdString(info.expansionClass) + ")";
        }
        return text;
    } catch (const AutomationError& e) {
        return QString::fromStdString(e.description());
    }
}

// The symbol files of a folder, then its sub-folders as nodes of their own.
void addFolder(QTreeWidgetItem& parent, const fs::Folder& folder) {
    for (const auto& file : folder.Files()) {
        if (!file->Name().ends_with(".sym")) {
            continue;
        }
        auto* item = new QTreeWidgetItem(&parent, {QString::fromStdString(file->Name()).chopped(4)});
        item->setIcon(0, symbolIcon(file->Path()));
        item->setToolTip(0, behaviourText(file->Path()));
    }
    for (const auto& sub : folder.SubFolders()) {
        addFolder(*new QTreeWidgetItem(&parent, {QString::fromStdString(sub->Name())}), *sub);
    }
}

} // namespace

SymbolLibraryPanel::SymbolLibraryPanel(const SymbolLibrary& library, const std::string& symbolRoot,
                                       QWidget* parent)
    : QTreeWidget(parent) {
    setHeaderHidden(true);
    setIconSize(QSize(24, 24));
    for (const pugi::xml_node& entry : library.libraryList().document_element().children("Library")) {
        auto* item = new QTreeWidgetItem(this, {QString::fromUtf8(entry.attribute("Name").value())});
        try {
            addFolder(*item, *fs::Folder::open(symbolRoot + "\\" + entry.attribute("Path").value()));
        } catch (const AutomationError& e) {
            item->setToolTip(0, QString::fromStdString(e.description()));
        }
    }
}

} // namespace kv380::demo
