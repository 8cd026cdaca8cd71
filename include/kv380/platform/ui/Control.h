#pragma once

#include "platform/Export.h"

#include "platform/ui/FontInfo.h"
#include "platform/ui/Property.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace kv380::ui {

class TopLevel;

// The base of every control of the headless forms runtime: the properties all kinds share, the mouse and
// drag events, and the change notification through which one observer (the renderer) mirrors the model.
//
// Conventions for every control kind:
// - A property Get is a method named after the property (Left()), a Let is set + the name (setLeft()).
// - Events are public std::function members named after the event (Click, Change...). The owner connects
//   them to its handlers. An assignment by code raises the same event a user's change would, once per
//   assignment, even when the value does not change; a handler may assign the same property again.
// - User input (from a renderer or a test) goes through the same setters, or through the raise... methods
//   for events that are not property changes (a click, a mouse button).
// - Invalid values throw AutomationError with the runtime's number and leave the control unchanged.
// - modelChanged tells the observer which aspect changed; between beginUpdate() and endUpdate() the
//   notifications are held and each aspect is reported once at the end, so bulk fills stay cheap.
//   The observer must not replace itself from inside a notification.
// - A control must not be destroyed from inside one of its own event handlers.
class KV380_API Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return m_name; }
    // The element's index in its control array; -1 for a control that is not an array element.
    int Index() const { return m_index; }
    // The frame, form or user control the control sits in (positions are relative to it); for a menu item,
    // its parent menu. nullptr for a form or user control, or a control created on its own.
    Control* Container() const { return m_container; }
    // Moves the control into another container of the same form; 380 if that cannot hold it.
    void setContainer(Control& container);
    // The form or user control that owns the control (nullptr for a free control).
    TopLevel* Parent() const { return m_parent; }

    // Position and size in twips, single precision. A negative (or non-finite) size throws 380.
    float Left() const { return m_left; }
    void setLeft(float left);
    float Top() const { return m_top; }
    void setTop(float top);
    float Width() const { return m_width; }
    void setWidth(float width);
    float Height() const { return m_height; }
    void setHeight(float height);
    // All four at once: every value is checked before any is applied.
    void Move(float left, float top, float width, float height);

    bool Visible() const { return m_visible; }
    virtual void setVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    virtual void setEnabled(bool enabled);
    const std::string& ToolTipText() const { return m_toolTip; }
    void setToolTipText(std::string text);
    // What is wrong with the control's content, for the user: the renderer marks the control (an error
    // tint, this text as its tooltip) while it is not empty. The tooltip itself stays as it is.
    const std::string& ErrorMark() const { return m_errorMark; }
    void setErrorMark(std::string text);
    // What assistive technology announces for the control: a short name and what the control does.
    const std::string& AccessibleName() const { return m_accessibleName; }
    const std::string& AccessibleDescription() const { return m_accessibleDescription; }
    void setAccessibleTexts(std::string name, std::string description);
    // Asks the renderer to put the keyboard focus in the control.
    void SetFocus();

    // A pointer code of platform/ui/MousePointer.h; other codes throw 380.
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);

    // Controls without a font (timers, menu items, image lists, images, spinners) say so here; asking them
    // for their font throws 438.
    virtual bool hasFont() const { return true; }
    const FontInfo& Font() const;
    // A size of 0 or below, or a character set outside 0..255, throws 380.
    void setFont(FontInfo font);

    // Manual dragging of the control itself (a splitter bar). DragMode 1 (automatic) starts a drag when the
    // mouse button goes down on the control, instead of raising MouseDown. The drag icon names a picture
    // that the renderer shows as the pointer while the drag lasts.
    int DragMode() const { return m_dragMode; }
    void setDragMode(int mode); // 0 manual, 1 automatic; else 380
    const std::string& DragIcon() const { return m_dragIcon; }
    void setDragIcon(std::string picture);
    // 0 cancels, 1 begins, 2 ends (drops) a drag; else 380.
    void Drag(int action = 1);
    bool Dragging() const { return m_dragging; }

    // Mouse buttons: 1 left, 2 right, 4 middle. Shift state: 1 shift, 2 control, 4 alt. X, Y in twips,
    // relative to the control.
    std::function<void(int button, int shift, float x, float y)> MouseDown;
    std::function<void(int button, int shift, float x, float y)> MouseMove;
    std::function<void(int button, int shift, float x, float y)> MouseUp;
    // A control being dragged moves over this one (state 0 enter, 1 leave, 2 over), or is dropped on it.
    std::function<void(Control& source, float x, float y, int state)> DragOver;
    std::function<void(Control& source, float x, float y)> DragDrop;

    void raiseMouseDown(int button, int shift, float x, float y);
    void raiseMouseMove(int button, int shift, float x, float y);
    void raiseMouseUp(int button, int shift, float x, float y);
    void raiseDragOver(Control& source, float x, float y, int state = 2);
    // Raises DragDrop and ends the source's drag.
    void raiseDragDrop(Control& source, float x, float y);

    // The observer of this control's model (see above).
    std::function<void(Control&, Property)> modelChanged;
    void beginUpdate();
    void endUpdate();

    // True while one of the control's own events is being handled.
    bool raisingEvent() const { return m_eventDepth > 0; }

    // Whether the control can hold this child (frames, forms and user controls hold controls, menu items
    // hold menu items).
    virtual bool acceptsChild(const Control& child) const;
    // A new control of the same kind with this one's design settings (position, size, font, tooltip,
    // kind-specific settings; not its content, events, name or index), hidden. Kinds that cannot form
    // control arrays throw 438.
    virtual std::unique_ptr<Control> cloneDesign() const;

protected:
    explicit Control(std::string name);

    void notify(Property what);
    // Raises an event: a copy of the slot is called, so a handler may reconnect the slot it runs in.
    template <class... Params, class... Args>
    void fire(const std::function<void(Params...)>& slot, Args&&... args) {
        if (!slot) {
            return;
        }
        auto handler = slot;
        EventDepth depth(*this);
        handler(std::forward<Args>(args)...);
    }
    // Called after the width or height changed (top levels raise Resize).
    virtual void sizeChanged() {}
    // Copies the design settings this base holds (for cloneDesign); the copy stays hidden.
    void copyDesignFrom(const Control& design);
    // Sets width and height (already checked) and tells the observer, without sizeChanged().
    void assignSize(float width, float height);
    // 380 for a negative or non-finite size, or a non-finite position.
    static void checkSize(float size);
    static void checkPosition(float position);

private:
    friend class TopLevel;
    friend class ControlArrayBase;

    struct EventDepth {
        explicit EventDepth(Control& c) : control(c) { ++control.m_eventDepth; }
        ~EventDepth() { --control.m_eventDepth; }
        EventDepth(const EventDepth&) = delete;
        EventDepth& operator=(const EventDepth&) = delete;
        Control& control;
    };

    std::string m_name;
    int m_index{-1};
    Control* m_container{nullptr};
    TopLevel* m_parent{nullptr};
    float m_left{0};
    float m_top{0};
    float m_width{0};
    float m_height{0};
    bool m_visible{true};
    bool m_enabled{true};
    std::string m_toolTip;
    std::string m_errorMark;
    std::string m_accessibleName;
    std::string m_accessibleDescription;
    int m_mousePointer{0};
    FontInfo m_font;
    int m_dragMode{0};
    std::string m_dragIcon;
    bool m_dragging{false};
    int m_eventDepth{0};
    int m_updateDepth{0};
    std::uint64_t m_pending{0};
};

// Holds a control's notifications for a scope: a bulk change (a tab rebuild, a list fill) reaches the
// renderer as one change when the scope ends, also when it ends by an exception.
class KV380_API UpdateBatch {
public:
    explicit UpdateBatch(Control& control) : m_control(control) { m_control.beginUpdate(); }
    ~UpdateBatch() { m_control.endUpdate(); }
    UpdateBatch(const UpdateBatch&) = delete;
    UpdateBatch& operator=(const UpdateBatch&) = delete;

private:
    Control& m_control;
};

} // namespace kv380::ui
