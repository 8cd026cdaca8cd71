#pragma once

#include "qt/ControlView.h"

class QFrame;
class QTabBar;

namespace kv380::ui {
class TabStrip;
}

namespace kv380::qt {

// A tab strip: a row of tabs along the strip's top or bottom edge (the model's TabPlacement) and a client
// area over the rest. The strip holds no controls of its own: the controls drawn on it are its siblings, so
// its widget always lies beneath them. The client area, which only the renderer can measure, is written back
// to the model's ClientTop and ClientHeight whenever it may have moved.
//
// A click on a tab selects it through the model (raising Click also for the tab already selected); the bar
// does not switch by itself, it shows the tab the model selected. A batch of changes to the tabs (between
// the strip's beginUpdate and endUpdate) is applied as one change, with work linear in the tabs.
class TabStripView : public ControlView {
    Q_OBJECT
public:
    TabStripView(FormView& form, ui::TabStrip& strip);

    // The height of the row of tabs, in pixels, with the strip's font.
    int tabRowHeight() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mirrorOwn(ui::Property what) override;
    void placed() override;
    // Brings the bar's tabs and selection in line with the strip's, changing only what differs.
    void mirrorTabs();
    bool tabsAtBottom() const;
    void layoutParts();
    void writeClientArea();
    void currentChanged(int index);

    ui::TabStrip& m_strip;
    QWidget* m_box;
    QTabBar* m_bar;
    QFrame* m_client;
};

} // namespace kv380::qt
