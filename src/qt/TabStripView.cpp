#include "qt/TabStripView.h"

#include "platform/ui/TabStrip.h"
#include "qt/Text.h"

#include <QFrame>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>
#include <cstdlib>

namespace kv380::qt {

TabStripView::TabStripView(FormView& form, ui::TabStrip& strip)
    : ControlView(form, strip), m_strip(strip), m_box(new QWidget), m_bar(new QTabBar(m_box)),
      m_client(new QFrame(m_box)) {
    m_bar->setExpanding(false);
    m_bar->setUsesScrollButtons(true);
    m_bar->setDrawBase(false);
    m_client->setFrameShape(QFrame::StyledPanel);
    m_client->setFrameShadow(QFrame::Raised);
    setWidget(m_box, true);
    m_bar->installEventFilter(this);
    // Keyboard switching (the bar's own arrows, Ctrl+Tab) arrives here; clicks are taken in eventFilter.
    connect(m_bar, &QTabBar::currentChanged, this, &TabStripView::currentChanged);
}

int TabStripView::tabRowHeight() const {
    if (m_bar->count() > 0) {
        return m_bar->sizeHint().height();
    }
    // The client area starts below the tab row even while the strip has no tabs.
    QTabBar probe;
    probe.setFont(m_bar->font());
    probe.addTab(QStringLiteral("X"));
    return probe.sizeHint().height();
}

bool TabStripView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_bar) {
        return ControlView::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Wheel) {
        return true; // a wheel over the tabs would switch them behind the model's back
    }
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) {
        return false;
    }
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    const int tab = m_bar->tabAt(mouse.position().toPoint());
    if (mouse.button() != Qt::LeftButton || tab < 0) {
        return false;
    }
    input("QTabBar::mousePressEvent", ui::Property::Selection, [&] { m_strip.selectTab(tab + 1); });
    return true;
}

void TabStripView::currentChanged(int index) {
    if (control() == nullptr || mirroring() || index < 0 || index + 1 == m_strip.selectedTab()) {
        return;
    }
    input("QTabBar::currentChanged", ui::Property::Selection, [&] { m_strip.selectTab(index + 1); });
}

void TabStripView::mirrorOwn(ui::Property what) {
    switch (what) {
    case ui::Property::List:
    case ui::Property::Caption:
        mirrorTabs();
        layoutParts();
        writeClientArea();
        break;
    case ui::Property::Selection: {
        const QSignalBlocker blocker(m_bar);
        m_bar->setCurrentIndex(m_strip.selectedTab() - 1);
        break;
    }
    case ui::Property::Placement:
        m_bar->setShape(tabsAtBottom() ? QTabBar::RoundedSouth : QTabBar::RoundedNorth);
        layoutParts();
        writeClientArea();
        break;
    case ui::Property::Font:
        layoutParts();
        writeClientArea();
        break;
    default:
        break;
    }
}

void TabStripView::mirrorTabs() {
    const QSignalBlocker blocker(m_bar);
    const int wanted = m_strip.tabCount();
    QStringList captions;
    captions.reserve(wanted);
    for (int i = 1; i <= wanted; ++i) {
        captions.push_back(toQt(m_strip.tab(i).caption));
    }
    // Only what differs is set: tabs to remove or add, and kept tabs whose caption changed.
    const int kept = std::min(m_bar->count(), wanted);
    int changes = std::abs(m_bar->count() - wanted);
    for (int i = 0; i < kept; ++i) {
        changes += m_bar->tabText(i) != captions[i] ? 1 : 0;
    }
    // A shown bar lays out every tab again after each change, so a rebuild of n tabs would cost n * n; a
    // hidden bar lays them out once, when it is shown again. Nothing is painted in between.
    const bool hideWhileChanging = changes > 1 && m_bar->isVisible();
    const bool hadFocus = hideWhileChanging && m_bar->hasFocus();
    if (hideWhileChanging) {
        if (hadFocus) {
            m_bar->clearFocus(); // so that hiding does not pass the focus on to another widget
        }
        m_bar->hide();
    }
    while (m_bar->count() > wanted) {
        m_bar->removeTab(m_bar->count() - 1);
    }
    for (int i = 0; i < kept; ++i) {
        if (m_bar->tabText(i) != captions[i]) {
            m_bar->setTabText(i, captions[i]);
        }
    }
    for (int i = m_bar->count(); i < wanted; ++i) {
        m_bar->addTab(captions[i]);
    }
    m_bar->setCurrentIndex(m_strip.selectedTab() - 1);
    if (hideWhileChanging) {
        m_bar->show();
        if (hadFocus) {
            m_bar->setFocus(Qt::OtherFocusReason);
        }
    }
}

void TabStripView::placed() {
    layoutParts();
    writeClientArea();
}

bool TabStripView::tabsAtBottom() const {
    return m_strip.TabPlacement() == ui::TabStrip::Placement::Bottom;
}

void TabStripView::layoutParts() {
    const int row = std::min(tabRowHeight(), m_box->height());
    const int client = m_box->height() - row;
    if (tabsAtBottom()) {
        m_client->setGeometry(0, 0, m_box->width(), client);
        m_bar->setGeometry(0, client, m_box->width(), row);
    } else {
        m_bar->setGeometry(0, 0, m_box->width(), row);
        m_client->setGeometry(0, row, m_box->width(), client);
    }
}

void TabStripView::writeClientArea() {
    // In the container's twips, edge by edge from the widget's pixels, so that it matches what is on screen.
    // Tabs along the bottom leave the client area at the strip's top; along the top it starts below them,
    // also while the strip has no tabs yet.
    const int top = m_box->y() + (tabsAtBottom() ? 0 : tabRowHeight());
    const int bottom = m_box->y() + m_box->height() - (tabsAtBottom() ? tabRowHeight() : 0);
    const float clientTop = scale().toTwipsY(top);
    const float clientHeight = std::max(0.0f, scale().toTwipsY(bottom) - clientTop);
    if (m_strip.ClientTop() != clientTop) {
        m_strip.setClientTop(clientTop);
    }
    if (m_strip.ClientHeight() != clientHeight) {
        m_strip.setClientHeight(clientHeight);
    }
}

} // namespace kv380::qt
