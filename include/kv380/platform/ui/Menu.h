#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

#include <vector>

namespace kv380::ui {

// A menu item: a caption ("-" makes a separator), a check mark, Enabled and Visible (Control's), and child
// items in the order they were created. A hidden top-level item serves as the root of a pop-up menu.
// Menu items have no font and no place on the form.
class KV380_API Menu : public Control {
public:
    explicit Menu(std::string name = {});

    const std::string& Caption() const { return m_caption; }
    void setCaption(std::string caption);
    bool Checked() const { return m_checked; }
    void setChecked(bool checked);
    bool isSeparator() const { return m_caption == "-"; }

    // The child items (a menu item that has children opens a submenu instead of raising Click).
    const std::vector<Menu*>& items() const { return m_items; }
    // The item or one of its descendants with that name; nullptr when none.
    Menu* findItem(std::string_view name);

    std::function<void()> Click;
    // The user chose this item.
    void raiseClick();

    bool hasFont() const override { return false; }
    bool acceptsChild(const Control& child) const override;

private:
    friend class TopLevel;

    std::string m_caption;
    bool m_checked{false};
    std::vector<Menu*> m_items;
};

} // namespace kv380::ui
