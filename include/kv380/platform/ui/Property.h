#pragma once

namespace kv380::ui {

// What changed in a control's model. A renderer observing a control (Control::modelChanged) is told one of
// these and re-reads that aspect from the model; it never receives the new value itself.
enum class Property {
    Container, // the control moved to another container
    Left,      // position and size, in twips
    Top,
    Width,
    Height,
    Visible,
    Enabled,
    ToolTipText,
    Font,
    MousePointer,
    Drag,       // drag mode, drag icon, or a drag of this control began or ended
    Caption,    // frame, label, button, check box, menu item or form caption; a tab's caption
    Text,       // text box text
    Value,      // check box value, up-down value and range
    List,       // list content: combo entries, tabs, tree nodes, list items (added, removed, cleared,
                // re-texted or re-ordered)
    Selection,  // combo ListIndex, selected tab, selected tree node, selected state of list items
    View,       // list view mode, multi-select and key settings
    Arrange,    // a list was asked to lay out its items again
    Checked,    // menu item check mark
    Interval,   // timer interval
    Buttons,    // command button default/cancel role, style and picture
    Picture,    // image picture, image-list content, tree view's image list
    ClientArea, // tab strip client top
    ScaleSize,  // a form's or user control's inner size
    Controls,   // a control was added to or removed from a form's or user control's collection
    Shown,      // a form was loaded, shown modally, or unloaded
    // a form was minimized, maximized or restored
    WindowState,
    Mark,       // the error mark of a refused entry (its text says what is wrong)
    Accessible, // accessible name and description
    Focus,      // the control asked for the keyboard focus
    Status,     // a list's status line (how many items of how many) and its empty-list message
};

inline constexpr int kPropertyCount = static_cast<int>(Property::Status) + 1;

} // namespace kv380::ui
