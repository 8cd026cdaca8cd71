// Applies the layout arithmetic to the child controls whenever the control is resized.
#include "stockpile/ControlLayout.h"

#include "platform/ui/Desktop.h"
#include "stockpile/Layout.h"
#include "stockpile/ReportError.h"

namespace kv380 {

ControlLayout::ControlLayout(StockpileDesign& design, HostLinks& host) : m_design(design), m_host(host) {}

void ControlLayout::UserControl_Resize() {
    trap("UserControl_Resize", [&] {
        LayoutInput in;
        in.controlWidth = m_design.owner.Width();
        in.controlHeight = m_design.owner.Height();
        in.controlInnerHeight = m_design.owner.ScaleHeight();
        in.tabStripLeft = m_design.TabStrip.Left();
        in.tabStripClientTop = m_design.TabStrip.ClientTop();
        in.cmdRefreshHeight = m_design.cmdRefresh.Height();
        in.fraOrganiseLeft = m_design.fraOrganise.Left();
        in.fraOrganiseTop = m_design.fraOrganise.Top();
        in.fraOrganiseWidth = m_design.fraOrganise.Width();
        in.fraOrganiseHeight = m_design.fraOrganise.Height();
        in.fraFilterWidth = m_design.fraFilter.Width();
        in.fraFilterHeight = m_design.fraFilter.Height();
        in.fraRefreshWidth = m_design.fraRefresh.Width();
        in.fraRefreshHeight = m_design.fraRefresh.Height();
        in.fraPageWidth = m_design.fraPage.Width();
        in.selectedTab = m_design.TabStrip.selectedTab();

        // Each assignment in order; a refused one raises where it stands and the rest are skipped.
        const LayoutResult r = layoutControl(in);
        const auto& stop = r.stop;
        stop.raiseAt(LayoutStep::TabStrip_Top);
        m_design.TabStrip.setTop(r.tabStripTop);
        stop.raiseAt(LayoutStep::TabStrip_Width);
        m_design.TabStrip.setWidth(r.tabStripWidth);
        stop.raiseAt(LayoutStep::TabStrip_Height);
        m_design.TabStrip.setHeight(r.tabStripHeight);
        stop.raiseAt(LayoutStep::cmdRefresh_Top);
        m_design.cmdRefresh.setTop(r.cmdRefreshTop);
        stop.raiseAt(LayoutStep::fraRWLView_Top);
        m_design.fraRWLView.setTop(r.fraRWLViewTop);
        stop.raiseAt(LayoutStep::fraRWLView_Height);
        m_design.fraRWLView.setHeight(r.fraRWLViewHeight);
        stop.raiseAt(LayoutStep::fraRWLView_Width);
        m_design.fraRWLView.setWidth(r.fraRWLViewWidth);
        stop.raiseAt(LayoutStep::fraOrganise_Top);
        m_design.fraOrganise.setTop(r.fraOrganiseTop);
        stop.raiseAt(LayoutStep::fraFilter_Left);
        m_design.fraFilter.setLeft(r.fraFilterLeft);
        stop.raiseAt(LayoutStep::fraFilter_Top);
        m_design.fraFilter.setTop(r.fraFilterTop);
        stop.raiseAt(LayoutStep::fraRefresh_Left);
        m_design.fraRefresh.setLeft(r.fraRefreshLeft);
        stop.raiseAt(LayoutStep::fraRefresh_Top);
        m_design.fraRefresh.setTop(r.fraRefreshTop);
        stop.raiseAt(LayoutStep::fraPage_Left);
        m_design.fraPage.setLeft(r.fraPageLeft);
        stop.raiseAt(LayoutStep::fraPage_Top);
        m_design.fraPage.setTop(r.fraPageTop);

        if (r.listElement != 0) {
            ResizerwlvStockpile(r.listElement);
        }
        m_host.settings().setStockpileHeight(GetMyHeight());
    });
}

void ControlLayout::ResizerwlvStockpile(int32_t index) {
    trap("ResizerwlvStockpile", [&] {
        if (!m_design.HasNameProperty(index)) {
            return;
        }
        ui::RWListView& list = m_design.rwlvStockpile[index];
        const ListElementLayout r =
            layoutListElement(m_design.fraRWLView.Width(), m_design.fraRWLView.Height());
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

void ControlLayout::ResizeLayout(int32_t& x, int32_t& y) {
    trap("ResizeLayout", [&] {
        const ui::Desktop& desktop = ui::currentDesktop();
        const ResizeLayoutResult r = resizeLayout(x, y, desktop.TwipsPerPixelX(), desktop.TwipsPerPixelY());
        if (!r.acts) {
            return;
        }
        x = r.x;
        y = r.y;
        r.stop.raiseAt(ResizeStep::Width);
        m_design.owner.setWidth(r.width); // each size change runs UserControl_Resize
        r.stop.raiseAt(ResizeStep::Height);
        m_design.owner.setHeight(r.height);
    });
}

int32_t ControlLayout::GetMyHeight() {
    int32_t result = DefaultBarHeight;
    trap("GetMyHeight", [&] {
        if (!m_host.m_oApplication) {
            return;
        }
        const auto bar = m_host.m_oApplication->DialogBars("Stockpile");
        if (bar) {
            result = barHeight(static_cast<double>(bar->Height()));
        }
    });
    return result;
}

} // namespace kv380
