#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/ControlCollection.h"

#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

namespace kv380::ui {

class CommandButton;
class Menu;

// What a form and a user control share: they own their controls (the Controls collection, in creation
// order), have an inner size apart from their outer size, pop up menus, and raise Initialize, Resize and
// Terminate.
//
// Resize is raised once for every call that changes the outer or the inner size (setWidth, setHeight, Move,
// setScaleSize, resizeTo); a handler may change the size again, which raises a nested Resize.
// ScaleWidth/ScaleHeight are the inner size: only a renderer knows the border, so it (or a test) sets the
// inner size; the difference to the outer size is kept when code changes the outer size later.
class KV380_API TopLevel : public Control {
public:
    ~TopLevel() override;

    ControlCollection Controls() const { return ControlCollection(m_controls); }

    // Creates a control of kind T, named name, inside container (a frame of this form; nullptr for the form
    // itself). A name already used in the form throws 5; a container that cannot hold the control 380.
    template <class T> T& add(std::string name, Control* container = nullptr) {
        static_assert(std::is_base_of_v<Control, T> && !std::is_base_of_v<TopLevel, T>);
        auto created = std::make_unique<T>(std::move(name));
        T& result = *created;
        adopt(std::move(created), container, false);
        return result;
    }
    // Creates a control array whose design element has the given index (1 unless said otherwise).
    template <class T>
    ControlArray<T>& addArray(std::string name, Control* container = nullptr, int designIndex = 1) {
        auto created = std::make_unique<T>(name);
        created->m_index = designIndex;
        T& design = *created;
        adopt(std::move(created), container, false);
        auto array = std::unique_ptr<ControlArray<T>>(new ControlArray<T>(*this, std::move(name), design));
        ControlArray<T>& result = *array;
        m_arrays.push_back(std::move(array));
        return result;
    }
    // Creates a menu item under parent (nullptr: a top-level menu of this form).
    Menu& addMenu(std::string name, std::string caption, Menu* parent = nullptr);

    // The control with that name (the first one created, for an array), nullptr when none or of another kind.
    template <class T = Control> T* find(std::string_view name) const {
        return dynamic_cast<T*>(Controls().find(name));
    }
    // The control array with that name, nullptr when none or of another kind.
    template <class T> ControlArray<T>* findArray(std::string_view name) const {
        for (const auto& array : m_arrays) {
            if (array->Name() == name) {
                return dynamic_cast<ControlArray<T>*>(array.get());
            }
        }
        return nullptr;
    }

    float ScaleWidth() const;
    float ScaleHeight() const;
    // Sets the inner size (380 for a negative one); the outer size stays.
    void setScaleSize(float scaleWidth, float scaleHeight);
    // Outer and inner size together, as a renderer learns them from a user's resize: one Resize.
    void resizeTo(float width, float height, float scaleWidth, float scaleHeight);
    // A renderer that has just measured sizes only it knows (a tab strip's ClientTop) after the last Resize
    // says so: Resize is raised again, so the layout can use them.
    void remeasured();

    // Pops up one of this form's menus at the mouse position through the desktop. The chosen item's Click
    // has run when this returns.
    void PopupMenu(Menu& menu);

    // The default and cancel buttons, nullptr when none.
    CommandButton* defaultButton() const;
    CommandButton* cancelButton() const;
    // The Enter and Escape keys: click the default or cancel button when it is visible and enabled. Returns
    // whether a button was clicked.
    bool pressEnter();
    bool pressEscape();

    std::function<void()> Initialize;
    std::function<void()> Resize;
    std::function<void()> Terminate;
    // The owner calls these once, at creation and before destruction (raising Terminate from the
    // destructor would call handlers of an object already gone). Later calls do nothing.
    void initialize();
    void terminate();

    bool acceptsChild(const Control& child) const override;

protected:
    explicit TopLevel(std::string name);
    void sizeChanged() override;

private:
    friend class ControlArrayBase;

    Control& adopt(std::unique_ptr<Control> control, Control* container, bool arrayElement);
    void discard(Control& control);

    ControlCollection::Storage m_controls;
    std::vector<std::unique_ptr<ControlArrayBase>> m_arrays;
    // Outer size less inner size.
    float m_borderWidth{0};
    float m_borderHeight{0};
    bool m_initialized{false};
    bool m_terminated{false};
};

} // namespace kv380::ui
