// Applies the layout arithmetic to the child controls whenever the control is resized.
#include "control/ctlStockpile.h"

#include "platform/ui/Desktop.h"
#include "stockpile/Layout.h"

namespace kv380 {

void ctlStockpile::UserControl_Resize() {
    trap("UserControl_Resize", [&] {
        LayoutInput in;
        in.controlWidth = Width();
        in.controlHeight = Height();
        in.controlInnerHeight = ScaleHeight();
        in.tabStripLeft = TabStrip.Left();
        in.tabStripClientTop = TabStrip.ClientTop();
        in.cmdRefreshHeight = cmdRefresh.Height();
        in.fraOrganiseLeft = fraOrganise.Left();
        in.fraOrganiseTop = fraOrganise.Top();
        in.fraOrganiseWidth = fraOrganise.Width();
        in.fraOrganiseHeight = fraOrganise.Height();
        in.fraFilterWidth = fraFilter.Width();
        in.fraFilterHeight = fraFilter.Height();
        in.fraRefreshWidth = fraRefresh.Width();
        in.fraRefreshHeight = fraRefresh.Height();
        in.fraPageWidth = fraPage.Width();
        in.selectedTab = TabStrip.selectedTab();

        // Each assignment in order; a refused one raises where it stands and the rest are skipped.
        const LayoutResult r = layoutControl(in);
        const auto& stop = r.stop;
        stop.raiseAt(LayoutStep::TabStrip_Top);
        TabStrip.setTop(r.tabStripTop);
        stop.raiseAt(LayoutStep::TabStrip_Width);
        TabStrip.setWidth(r.tabStripWidth);
        stop.raiseAt(LayoutStep::TabStrip_Height);
        TabStrip.setHeight(r.tabStripHeight);
        stop.raiseAt(LayoutStep::cmdRefresh_Top);
        cmdRefresh.setTop(r.cmdRefreshTop);
        stop.raiseAt(LayoutStep::fraRWLView_Top);
        fraRWLView.setTop(r.fraRWLViewTop);
        stop.raiseAt(LayoutStep::fraRWLView_Height);
        fraRWLView.setHeight(r.fraRWLViewHeight);
        stop.raiseAt(LayoutStep::fraRWLView_Width);
        fraRWLView.setWidth(r.fraRWLViewWidth);
        stop.raiseAt(LayoutStep::fraOrganise_Top);
        fraOrganise.setTop(r.fraOrganiseTop);
        stop.raiseAt(LayoutStep::fraFilter_Left);
        fraFilter.setLeft(r.fraFilterLeft);
        stop.raiseAt(LayoutStep::fraFilter_Top);
        fraFilter.setTop(r.fraFilterTop);
        stop.raiseAt(LayoutStep::fraRefresh_Left);
        fraRefresh.setLeft(r.fraRefreshLeft);
        stop.raiseAt(LayoutStep::fraRefresh_Top);
        fraRefresh.setTop(r.fraRefreshTop);
        stop.raiseAt(LayoutStep::fraPage_Left);
        fraPage.setLeft(r.fraPageLeft);
        stop.raiseAt(LayoutStep::fraPage_Top);
        fraPage.setTop(r.fraPageTop);

        if (r.listElement != 0) {
            ResizerwlvStockpile(r.listElement);
        }
        settings().setStockpileHeight(GetMyHeight());
    });
}

void ctlStockpile::ResizerwlvStockpile(int32_t index) {
    trap("ResizerwlvStockpile", [&] {
        if (!HasNameProperty(index)) {
            return;
        }
        ui::RWListView& list = rwlvStockpile[index];
        const ListElementLayout r = layoutListElement(fraRWLView.Width(), fraRWLView.Height());
        r.stop.raiseAt(ListElementStep::Top);
        list.setTop(r.top);
        r.stop.raiseAt(ListElementStep::Left);
        list.setLeft(r.left);
        r.stop.raiseAt(ListElementStep::Height);
        list.setHeight(r.height);
        r.stop.raiseAt(ListElementStep::Width);
        list.setWidth(r.width);
        list.Arrange();
    });
}

void ctlStockpile::ResizeLayout(int32_t& x, int32_t& y) {
    trap("ResizeLayout", [&] {
        const ui::Desktop& desktop = ui::currentDesktop();
        const ResizeLayoutResult r = resizeLayout(x, y, desktop.TwipsPerPixelX(), desktop.TwipsPerPixelY());
        if (!r.acts) {
            return;
        }
        x = r.x;
        y = r.y;
        r.stop.raiseAt(ResizeStep::Width);
        setWidth(r.width); // each size change runs UserControl_Resize
        r.stop.raiseAt(ResizeStep::Height);
        setHeight(r.height);
    });
}

int32_t ctlStockpile::GetMyHeight() {
    int32_t result = DefaultBarHeight;
    trap("GetMyHeight", [&] {
        if (!m_oApplication) {
            return;
        }
        const auto bar = m_oApplication->DialogBars("Stockpile");
        if (bar) {
            result = barHeight(static_cast<double>(bar->Height()));
        }
    });
    return result;
}

} // namespace kv380
