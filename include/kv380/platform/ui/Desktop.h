#pragma once

#include "platform/Export.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kv380::ui {

class Form;
class Menu;
class TopLevel;

// What the component needs of the desktop besides its controls: message boxes, modal forms, pop-up menus,
// the screen's mouse pointer, pending-message processing, twips per pixel and the system locale. One per
// process, like the scheduler: the Qt layer installs its own, tests a scripted one.
class KV380_API Desktop {
public:
    virtual ~Desktop() = default;

    // A message box: style codes and answers of platform/ui/MsgBoxStyle.h.
    virtual int MsgBox(const std::string& prompt, int style = 0, const std::string& title = {}) = 0;
    // Called by Form::Show for a modal show, with the form loaded and visible: returns once the form is
    // hidden or unloaded.
    virtual void showModal(Form& form, TopLevel* owner) = 0;
    // Called by TopLevel::PopupMenu: shows the menu's visible items at the mouse position and, when the user
    // chooses one, runs its Click before returning.
    virtual void popupMenu(Menu& menu, TopLevel& owner) = 0;
    // The screen's pointer (platform/ui/MousePointer.h), over every window of the process.
    virtual int MousePointer() const = 0;
    virtual void setMousePointer(int pointer) = 0;
    // Processes the messages already waiting; work they post comes later.
    virtual void DoEvents() = 0;
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;
    // The system default locale identifier; by default the process's (GetSystemDefaultLCID).
    virtual int32_t systemDefaultLCID() const;
};

// The process's desktop. Without a host, a headless one stands in: it answers every message box with its
// default button (and logs it to standard error), shows no modal form (it closes it as if by its close
// box) and chooses no menu item. Do not replace the desktop from inside one of its own calls.
KV380_API Desktop& currentDesktop();
// nullptr puts the headless desktop back.
KV380_API void setCurrentDesktop(std::shared_ptr<Desktop> desktop);

} // namespace kv380::ui
