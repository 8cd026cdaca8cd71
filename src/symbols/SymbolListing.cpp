// Symbol paths made absolute, and a view's list element filled with the objects that have a symbol.
#include "symbols/SymbolSide.h"

#include "host/IKVSymbolStore.h"
#include "host/ctlSymbolLibrary.h"
#include "platform/fs/Folder.h"
#include "platform/ui/MousePointer.h"
#include "stockpile/EntryFeedback.h"
#include "stockpile/ListFilter.h"
#include "stockpile/ReportError.h"
#include "symbols/FileSystemUtilities.h"
#include "symbols/SymbolMapText.h"
#include "symbols/SymbolPathResolution.h"

#include <optional>

namespace kv380 {

namespace {

// Runs one step whose failure is to be passed over, as the list fill does from its loop on.
template <class Step> void passOver(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

// The list item's key: the symbol alone would let the second of two objects drawn with the same symbol
// vanish from the list, so the object's identifier is part of it.
std::string listItemKey(const std::string& symbol, const std::string& objectId) {
    std::string key;
    key.reserve(symbol.size() + objectId.size() + 2);
    key.append(symbol).append("<").append(objectId).append(">");
    return key;
}

} // namespace

bool SymbolSide::ConvertSymbolsToAbsolutePaths(IKVView& view, std::string& strMessage) {
    bool success = true;
    // Without the database server DwgApp has reported why; reporting the consequence would say it twice.
    const auto dwgApp = m_host.DwgApp();
    const bool completed =
        dwgApp && guarded("ConvertSymbolsToAbsolutePaths", [&] {
            const auto rootFolder = deref(dwgApp->SymbolStore()).RootFolder();
            const std::string rootDirectory = AddTrailingBackslash(deref(rootFolder).Path());
            // One name index for the whole pass: the tree is walked at most once, however many symbols are
            // found only by name.
            SymbolFinder finder = SymbolFinder::indexed(rootFolder);
            const auto objects = view.PresentedObjects();
            const int32_t count = deref(objects).Count();
            for (int32_t i = 1; i <= count; ++i) {
                if (!ConvertSymbolPath(deref(objects->Item(i)), finder, rootDirectory, strMessage)) {
                    success = false;
                }
            }
        });
    if (!completed) {
        success = false;
        strMessage = "Unexpected error processing symbol references";
    }
    return success;
}

bool SymbolSide::ConvertSymbolPath(IKVPresentedObject& object, SymbolFinder& finder,
                                   const std::string& strRootDirectory, std::string& strMessage) {
    bool success = true;
    const bool completed = guarded("ctlStockpile::ConvertSymbolPath", [&] {
        const SymbolPathResolution resolution = resolveSymbolPath(object.Symbol(), strRootDirectory, finder);
        if (resolution.outcome == SymbolPathResolution::Outcome::NotFound) {
            const std::string key = object.ObjectKey();
            strMessage += resolution.messageLine(key);
            sharedErrorReporter().Report("", resolution.description(key), "", 0, SymbolNotFoundNumber,
                                         "ctlStockpile::ConvertSymbolPath", ErrorReporter::ExclamationStyle,
                                         0, 0);
            success = false;
        }
        if (resolution.writesSymbol()) {
            object.setSymbol(resolution.newSymbol);
        }
    });
    return completed && success;
}

void SymbolSide::DisplaySymbols(int32_t tabPosition, IKVView& view) {
    if (!m_shown.tabsBuilt()) {
        m_design.owner.setMousePointer(ui::pointer::Default);
        return;
    }
    ui::RWListView* list = nullptr;
    // Clearing, filling and re-sorting the list reach the renderer as one change.
    std::optional<ui::UpdateBatch> batch;
    std::shared_ptr<ctlSymbolLibrary> symbolLibrary;
    std::string sourceClass;
    std::string targetClass;
    const bool prepared = trap("DisplaySymbols", [&] {
        list = &m_design.rwlvStockpile[tabPosition];
        batch.emplace(*list);
        list->clearItems();
        if (list->itemCount() != 0) {
            list = nullptr;
            return;
        }
        symbolLibrary = m_host.symbolLibrary();
        sourceClass = GetDiagramClass();
        targetClass = listTargetClass(sourceClass);
    });
    if (!prepared || list == nullptr) {
        return;
    }

    // A malformed filter is reported once for the fill, not once for every object, and lists nothing.
    const std::string filterText = m_design.txtFilterBy.Text();
    const ListFilter filter(filterText); // compiled once for the fill
    bool filterRefused = false;
    // The list's status line: the objects listed, of those the view would list without the filter.
    int32_t listable = 0;
    const auto inFilter = [&](const std::string& name) {
        bool passes = false;
        if (!filterRefused && !trap("InFilter", [&] { passes = filter.passes(name); })) {
            filterRefused = true;
        }
        return passes;
    };

    // From here on a failing step is passed over and the fill goes on.
    passOver([&] {
        const auto objects = view.PresentedObjects();
        const int32_t count = deref(objects).Count();
        passOver([&] { list->reserve(count); });
        // Items go into the list a few hundred at a time (appendItems), which leaves out a taken key as
        // addItem would refuse it; nothing else in the fill reads the list.
        std::vector<ui::ListItem> pending;
        constexpr std::size_t chunk = 256;
        pending.reserve(chunk);
        const auto flush = [&] {
            passOver([&] { list->appendItems(pending); });
            pending.clear();
        };
        for (int32_t i = 1; i <= count; ++i) {
            passOver([&] {
                const auto object = objects->Item(i);
                const std::string key = deref(object).ObjectKey();
                const bool passes = inFilter(key);
                const std::string symbol = object->Symbol();
                const std::string type = object->ObjectType();
                if (symbol.empty() || type == "Node" || type == "PipeNode") {
                    return;
                }
                ++listable;
                if (!passes) {
                    return;
                }
                passOver([&] {
                    pending.push_back({listItemKey(symbol, object->ObjectId()), key, {}, object, false});
                    if (pending.size() == chunk) {
                        flush();
                    }
                });
                if (!targetClass.empty()) {
                    passOver([&] {
                        const std::string mapSymbol = object->MapSymbol();
                        if (!mapSymbol.empty() &&
                            symbolLibrary->IsFolderInTemplate(mapSymbolFolder(mapSymbol), targetClass)) {
                            EnsureMapSymbolFirst(*object, sourceClass, targetClass);
                        }
                    });
                }
            });
        }
        flush();
    });

    passOver([&] {
        list->setStatusText(matchCountText(list->itemCount(), listable));
        list->setEmptyText(emptyListText(filterText, list->itemCount()));
    });

    // The view's own display choices, kept per view key.
    passOver([&] {
        const std::string viewKey = m_shown.SelectedViewKey();
        if (m_shown.sortFlag(viewKey).value_or(false)) {
            list->Sort();
        }
        // Set either way: the element may have shown another view (of another organisation or page)
        // in small icons before.
        list->setView(m_shown.showsSmallIcons(viewKey) ? ui::RWListView::SmallIcons
                                                       : ui::RWListView::LargeIcons);
    });
}

} // namespace kv380
