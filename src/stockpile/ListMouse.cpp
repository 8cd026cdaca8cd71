// A mouse button released over a list element: the status tooltip, the connector tool, the context menus.
#include "stockpile/ListMouse.h"

#include "host/DrwApplication.h"
#include "host/HostDocuments.h"
#include "host/IKVSymbolStore.h"
#include "host/ctlSymbolLibrary.h"
#include "menu/frmPopUpMenu.h"
#include "platform/fs/Folder.h"
#include "stockpile/ListClickRules.h"
#include "stockpile/ReportError.h"
#include "symbols/SymbolMapText.h"

namespace kv380 {

namespace {
constexpr std::string_view kContext = "rwlvStockpile_MouseUp";
constexpr int kRightButton = 2;
} // namespace

ListMouse::ListMouse(StockpileDesign& design, HostLinks& host, ShownView& shown, ListSelection& selection,
                     RefreshChain& refresh, SymbolSide& symbols, StockPileSymbolMap& stockPile)
    : m_design(design), m_host(host), m_shown(shown), m_selection(selection), m_refresh(refresh),
      m_symbols(symbols), m_stockPile(stockPile) {}

void ListMouse::rwlvStockpile_MouseUp(int32_t index, int button, int, float, float) {
    std::string diagramClass;
    std::shared_ptr<ObjectCollection> selection;
    std::shared_ptr<IKVPresentedObject> single;
    int32_t count = 0;
    // A status that cannot be had is reported, and the button is handled all the same: a sibling bar that
    // fails must not keep the user from the menu.
    trap(kContext, [&] {
        diagramClass = m_symbols.GetDiagramClass();
        selection = m_selection.SelectedObjects(); // read afresh
        count = selection ? selection->Count() : 0;
        // An item without an object (none is listed so, but a host may put one there) is no object.
        single = count == 1 ? std::dynamic_pointer_cast<IKVPresentedObject>(selection->Item(1)) : nullptr;
        if (const auto text = statusText(diagramClass, count, single)) {
            m_design.rwlvStockpile[index].setToolTipText(*text);
        }
    });
    if (!selection) {
        selection = m_selection.SelectedObjects();
        count = selection ? selection->Count() : 0;
        single = count == 1 ? std::dynamic_pointer_cast<IKVPresentedObject>(selection->Item(1)) : nullptr;
    }

    if (button != kRightButton) {
        if (single) {
            trap(kContext, [&] { startConnector(*single); });
        }
        return;
    }
    showMenu(index, diagramClass, selection, single);
}

std::optional<std::string> ListMouse::statusText(const std::string& diagramClass, int32_t selectedCount,
                                                 const std::shared_ptr<IKVPresentedObject>& single) {
    // Without an application nothing can be said about drawings: the tooltip stays as it is.
    if (!m_host.m_oApplication) {
        return std::nullopt;
    }
    const auto document = m_host.m_oApplication->ActiveDocument();
    if (!document || diagramClass.empty()) {
        return std::string(status::NoActiveDocument);
    }
    if (selectedCount != 1 || !single) {
        return std::string(status::SelectAnObject);
    }
    if (!single->MapSymbol().empty()) {
        return std::string(status::RuleMapped);
    }
    const auto dwgApp = m_host.reachDwgApp();
    const std::string targetClass = deref(deref(dwgApp->DocumentMap()).FindDocument(document)).DiagramClass();
    const auto rootFolder = deref(dwgApp->SymbolStore()).RootFolder();
    const std::string symbol = libraryRelativeSymbol(single->Symbol(), deref(rootFolder).Path());
    const std::string mapping =
        m_host.symbolLibrary()->GetSymbolMap(diagramClass, targetClass, symbol, false);
    return std::string(mappingStatus(mapping));
}

void ListMouse::startConnector(IKVPresentedObject& object) {
    // Without a drawing there is nothing to draw on: the symbol is not even read then.
    if (!m_host.m_oApplication || !m_host.m_oApplication->ActiveDocument()) {
        return;
    }
    const std::string symbol = object.Symbol();
    const auto behaviour = m_symbols.GetSymbolBehaviour(symbol);
    if (behaviour && behaviour->Behaviour() == ConnectorBehaviour) {
        m_host.m_oApplication->StartCommand(connectorCommand(symbol, object.ObjectId()));
    }
}

void ListMouse::showMenu(int32_t index, const std::string& diagramClass,
                         const std::shared_ptr<ObjectCollection>& selection,
                         const std::shared_ptr<IKVPresentedObject>& single) {
    m_refresh.timerOff();
    frmPopUpMenu form;
    trap(kContext, [&] {
        // Without the host's service DwgApp has said why; there is no menu to offer.
        const auto dwgApp = m_host.DwgApp();
        if (!dwgApp) {
            return;
        }
        form.setIKVDwgApp(dwgApp);
        form.setWorkSpace(dwgApp->WorkSpace());
        form.setStockPile(&m_stockPile);
        if (single) {
            form.setServerId(single->ObjectId());
        }
        if (selection && selection->Count() >= 1) {
            showObjectMenu(form, diagramClass, selection);
        } else {
            showBackgroundMenu(form, index);
        }
    });
    form.Unload();
    // Off until the next tab change or list fill, whatever the menu did.
    m_refresh.timerOff();
}

void ListMouse::showObjectMenu(frmPopUpMenu& form, const std::string& diagramClass,
                               const std::shared_ptr<ObjectCollection>& selection) {
    std::string targets;
    // Without the Symbol Library's answer there is no conversion to map symbols for; the other commands
    // are still offered.
    trap(kContext, [&] { targets = m_host.symbolLibrary()->GetTemplateConversionTargets(diagramClass); });
    form.setSelection(selection);
    const bool one = selection->Count() == 1;
    form.mnuDatasheets.setEnabled(one);
    form.mnuFindOnDwg.setEnabled(one);
    form.mnuSymbolMap.setEnabled(one && !diagramClass.empty() && !targets.empty());
    form.PopupMenu(form.mnuStockPile);
    // The commands may have deleted objects or changed their symbols: the list shows the view afresh.
    m_symbols.RefreshSymbols();
}

void ListMouse::showBackgroundMenu(frmPopUpMenu& form, int32_t index) {
    const bool autoRefreshOn = m_design.chkAutoRefresh.Value() == ui::CheckBox::Checked;
    form.mnuAutoRefresh.setCaption(autoRefreshOn ? "Disable AutoRefresh" : "Enable AutoRefresh");
    ui::RWListView& list = m_design.rwlvStockpile[index];
    form.mnuLargeIcon.setChecked(list.View() == ui::RWListView::LargeIcons);
    form.mnuSmallIcon.setChecked(list.View() == ui::RWListView::SmallIcons);
    const std::string viewKey = m_shown.SelectedViewKey();
    const bool sorted = m_shown.sortFlag(viewKey).value_or(false);
    form.mnuSort.setChecked(sorted);

    form.PopupMenu(form.mnuBackground);

    const BackgroundMarks marks{sorted,
                                form.mnuSort.Checked(),
                                form.mnuRefresh.Checked(),
                                form.mnuGotoOptions.Checked(),
                                form.mnuAutoRefresh.Checked(),
                                form.mnuLargeIcon.Checked(),
                                form.mnuSmallIcon.Checked()};
    switch (backgroundAction(marks)) {
    case BackgroundAction::Sort:
        m_shown.setSortFlag(viewKey, marks.sort);
        // Taking the mark away does not bring the earlier order back.
        if (marks.sort) {
            list.Sort();
        }
        break;
    case BackgroundAction::Refresh:
        m_refresh.cmdRefresh_Click();
        break;
    case BackgroundAction::GotoOptions:
        m_design.TabStrip.selectTab(1); // runs the tab change
        break;
    case BackgroundAction::AutoRefresh:
        // Runs the check box's handler, which stores the rate.
        m_design.chkAutoRefresh.setValue(autoRefreshOn ? ui::CheckBox::Unchecked : ui::CheckBox::Checked);
        break;
    case BackgroundAction::LargeIcons:
        list.setView(ui::RWListView::LargeIcons);
        m_shown.setSmallIcons(viewKey, false);
        break;
    case BackgroundAction::SmallIcons:
        list.setView(ui::RWListView::SmallIcons);
        m_shown.setSmallIcons(viewKey, true);
        break;
    case BackgroundAction::None:
        break;
    }
}

} // namespace kv380
