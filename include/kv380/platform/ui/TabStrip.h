#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

#include <vector>

namespace kv380::ui {

// A tab strip. Tabs are 1-based. Selecting a tab (by code or by the user) raises Click every time, also
// when that tab is already selected. Adding, removing and clearing tabs raise nothing: the first tab added
// to an empty strip becomes the selected one, and when the selected tab is removed the tab that takes its
// place (or else the new last tab) is selected silently.
class KV380_API TabStrip : public Control {
public:
    struct Tab {
        std::string caption;
        std::string key;
    };

    explicit TabStrip(std::string name = {});

    int tabCount() const { return static_cast<int>(m_tabs.size()); }
    // Inserts a tab at index (1..count+1; 0 appends); a bad index throws 35600, a key already used by another
    // tab 35602. Returns the new tab's index.
    int addTab(std::string caption, std::string key = {}, int index = 0);
    // 35600 for an index outside 1..count.
    void removeTab(int index);
    void clearTabs();
    const Tab& tab(int index) const;
    void setTabCaption(int index, std::string caption);
    // The tab with that key, 0 when none.
    int findTab(const std::string& key) const;

    // The selected tab, 0 when the strip is empty.
    int selectedTab() const { return m_selected; }
    // Selects a tab and raises Click; an index outside 1..count throws 35600 and changes nothing.
    void selectTab(int index);

    // The edge the tabs are drawn along; the client area is the rest of the strip.
    enum class Placement { Top, Bottom };
    Placement TabPlacement() const { return m_placement; }
    void setTabPlacement(Placement placement);

    // The client area (the strip less its row of tab captions) in the container's twips: its top and its
    // height. Only a renderer knows them: the renderer writes them, tests set them.
    float ClientTop() const { return m_clientTop; }
    void setClientTop(float top);
    float ClientHeight() const { return m_clientHeight; }
    void setClientHeight(float height);

    std::function<void()> Click;

private:
    void checkIndex(int index) const;

    std::vector<Tab> m_tabs;
    int m_selected{0};
    Placement m_placement{Placement::Top};
    float m_clientTop{0};
    float m_clientHeight{0};
};

} // namespace kv380::ui
