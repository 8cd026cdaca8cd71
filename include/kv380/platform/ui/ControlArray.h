#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kv380::ui {

class TopLevel;

// What every control array shares, whatever its kind.
class KV380_API ControlArrayBase {
public:
    virtual ~ControlArrayBase();
    ControlArrayBase(const ControlArrayBase&) = delete;
    ControlArrayBase& operator=(const ControlArrayBase&) = delete;

    const std::string& Name() const { return m_name; }
    // Lowest and highest loaded index, and the number of loaded elements.
    int LBound() const;
    int UBound() const;
    int Count() const { return static_cast<int>(m_elements.size()); }
    // Whether an element with that index is loaded: the existence test the component uses.
    bool exists(int index) const { return m_elements.count(index) != 0; }
    std::vector<int> indexes() const;
    // Destroys a loaded element: 340 when there is none, 362 for the element created at design time, 365
    // while the element is raising one of its own events.
    void Unload(int index);

protected:
    ControlArrayBase(TopLevel& owner, std::string name, Control& design);
    // 340 when the element is not loaded.
    Control& element(int index) const;
    // Loads a copy of the design element's settings, hidden: 360 when the index is loaded, 340 for an index
    // outside 0..32767.
    Control& loadCopy(int index);
    virtual void wire(Control& element, int index) = 0;

private:
    TopLevel& m_owner;
    std::string m_name;
    Control* m_design;
    std::map<int, Control*> m_elements;
};

// A control array: elements of one kind sharing a name, told apart by their Index. The element created
// at design time always exists; more are loaded and unloaded at run time.
//
// The elements share their handlers: setWiring gives a function that connects one element's events, with
// the element's index, e.g. [this](RWListView& lv, int i) { lv.Click = [this, i] { list_Click(i); }; }.
// It is applied at once to every loaded element and later to each element as it is loaded; loaded copies
// do not inherit the design element's own slots.
template <class T> class ControlArray : public ControlArrayBase {
public:
    using Wiring = std::function<void(T& element, int index)>;

    // The element with that index; 340 when it is not loaded.
    T& operator[](int index) const { return static_cast<T&>(element(index)); }
    T& item(int index) const { return static_cast<T&>(element(index)); }
    T& Load(int index) { return static_cast<T&>(loadCopy(index)); }

    void setWiring(Wiring wiring) {
        m_wiring = std::move(wiring);
        for (int index : indexes()) {
            wire(element(index), index);
        }
    }

private:
    friend class TopLevel;

    ControlArray(TopLevel& owner, std::string name, T& design)
        : ControlArrayBase(owner, std::move(name), design) {}

    void wire(Control& e, int index) override {
        if (m_wiring) {
            m_wiring(static_cast<T&>(e), index);
        }
    }

    Wiring m_wiring;
};

} // namespace kv380::ui
