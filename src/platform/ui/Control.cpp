#include "platform/ui/Control.h"

#include "platform/AutomationError.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/TopLevel.h"

#include <cmath>
#include <utility>

namespace kv380::ui {

Control::Control(std::string name) : m_name(std::move(name)) {}

Control::~Control() = default;

void Control::checkSize(float size) {
    if (!std::isfinite(size) || size < 0) {
        raise(err::InvalidPropertyValue);
    }
}

void Control::checkPosition(float position) {
    if (!std::isfinite(position)) {
        raise(err::InvalidPropertyValue);
    }
}

void Control::setContainer(Control& container) {
    const bool sameForm = m_parent == nullptr || container.m_parent == m_parent || &container == m_parent;
    // A menu item's place in its menu is fixed when it is created.
    const bool isMenu = dynamic_cast<const Menu*>(this) != nullptr;
    if (&container == this || isMenu || !sameForm || !container.acceptsChild(*this)) {
        raise(err::InvalidPropertyValue);
    }
    // A container cannot move into one of its own descendants.
    for (const Control* c = &container; c != nullptr; c = c->m_container) {
        if (c == this) {
            raise(err::InvalidPropertyValue);
        }
    }
    m_container = &container;
    notify(Property::Container);
}

void Control::setLeft(float left) {
    checkPosition(left);
    m_left = left;
    notify(Property::Left);
}

void Control::setTop(float top) {
    checkPosition(top);
    m_top = top;
    notify(Property::Top);
}

void Control::setWidth(float width) {
    checkSize(width);
    const bool changed = width != m_width;
    m_width = width;
    notify(Property::Width);
    if (changed) {
        sizeChanged();
    }
}

void Control::setHeight(float height) {
    checkSize(height);
    const bool changed = height != m_height;
    m_height = height;
    notify(Property::Height);
    if (changed) {
        sizeChanged();
    }
}

void Control::Move(float left, float top, float width, float height) {
    checkPosition(left);
    checkPosition(top);
    checkSize(width);
    checkSize(height);
    const bool changed = width != m_width || height != m_height;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    beginUpdate();
    notify(Property::Left);
    notify(Property::Top);
    notify(Property::Width);
    notify(Property::Height);
    endUpdate();
    if (changed) {
        sizeChanged();
    }
}

void Control::assignSize(float width, float height) {
    m_width = width;
    m_height = height;
    beginUpdate();
    notify(Property::Width);
    notify(Property::Height);
    endUpdate();
}

void Control::setVisible(bool visible) {
    m_visible = visible;
    notify(Property::Visible);
}

void Control::setEnabled(bool enabled) {
    m_enabled = enabled;
    notify(Property::Enabled);
}

void Control::setToolTipText(std::string text) {
    m_toolTip = std::move(text);
    notify(Property::ToolTipText);
}

void Control::setErrorMark(std::string text) {
    if (text == m_errorMark) {
        return; // marks are set on every edit: an unchanged mark is not news to the renderer
    }
    m_errorMark = std::move(text);
    notify(Property::Mark);
}

void Control::setAccessibleTexts(std::string name, std::string description) {
    m_accessibleName = std::move(name);
    m_accessibleDescription = std::move(description);
    notify(Property::Accessible);
}

void Control::SetFocus() {
    notify(Property::Focus);
}

void Control::setMousePointer(int code) {
    if (!pointer::isValid(code)) {
        raise(err::InvalidPropertyValue);
    }
    m_mousePointer = code;
    notify(Property::MousePointer);
}

const FontInfo& Control::Font() const {
    if (!hasFont()) {
        raise(err::NotSupported);
    }
    return m_font;
}

void Control::setFont(FontInfo font) {
    if (!hasFont()) {
        raise(err::NotSupported);
    }
    if (!std::isfinite(font.size) || font.size <= 0 || font.charset < 0 || font.charset > 255) {
        raise(err::InvalidPropertyValue);
    }
    m_font = std::move(font);
    notify(Property::Font);
}

void Control::setDragMode(int mode) {
    if (mode != 0 && mode != 1) {
        raise(err::InvalidPropertyValue);
    }
    m_dragMode = mode;
    notify(Property::Drag);
}

void Control::setDragIcon(std::string picture) {
    m_dragIcon = std::move(picture);
    notify(Property::Drag);
}

void Control::Drag(int action) {
    if (action < 0 || action > 2) {
        raise(err::InvalidPropertyValue);
    }
    m_dragging = action == 1;
    notify(Property::Drag);
}

void Control::raiseMouseDown(int button, int shift, float x, float y) {
    if (m_dragMode == 1) {
        Drag(1); // automatic drag mode swallows the button press
        return;
    }
    fire(MouseDown, button, shift, x, y);
}

void Control::raiseMouseMove(int button, int shift, float x, float y) {
    fire(MouseMove, button, shift, x, y);
}

void Control::raiseMouseUp(int button, int shift, float x, float y) {
    fire(MouseUp, button, shift, x, y);
}

void Control::raiseDragOver(Control& source, float x, float y, int state) {
    fire(DragOver, source, x, y, state);
}

void Control::raiseDragDrop(Control& source, float x, float y) {
    if (source.m_dragging) {
        source.Drag(2);
    }
    fire(DragDrop, source, x, y);
}

void Control::beginUpdate() {
    ++m_updateDepth;
}

void Control::endUpdate() {
    if (m_updateDepth == 0 || --m_updateDepth > 0) {
        return;
    }
    const std::uint64_t pending = std::exchange(m_pending, 0);
    for (int p = 0; p < kPropertyCount; ++p) {
        if ((pending & (std::uint64_t{1} << p)) != 0) {
            notify(static_cast<Property>(p));
        }
    }
}

void Control::notify(Property what) {
    if (m_updateDepth > 0) {
        m_pending |= std::uint64_t{1} << static_cast<int>(what);
        return;
    }
    if (modelChanged) {
        modelChanged(*this, what);
    }
}

bool Control::acceptsChild(const Control&) const {
    return false;
}

std::unique_ptr<Control> Control::cloneDesign() const {
    raise(err::NotSupported);
}

void Control::copyDesignFrom(const Control& design) {
    m_container = design.m_container;
    m_left = design.m_left;
    m_top = design.m_top;
    m_width = design.m_width;
    m_height = design.m_height;
    m_visible = false;
    m_enabled = design.m_enabled;
    m_toolTip = design.m_toolTip;
    m_accessibleName = design.m_accessibleName;
    m_accessibleDescription = design.m_accessibleDescription;
    m_mousePointer = design.m_mousePointer;
    m_font = design.m_font;
    m_dragMode = design.m_dragMode;
    m_dragIcon = design.m_dragIcon;
}

} // namespace kv380::ui
