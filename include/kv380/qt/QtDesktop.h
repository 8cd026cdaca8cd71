#pragma once

#include "qt/QtExport.h"

#include "platform/ui/Desktop.h"

namespace kv380::qt {

// The desktop on Qt: message boxes are QMessageBoxes with the runtime's buttons, icons and default button;
// a modal form is its FormWindow run with exec; a pop-up menu is a QMenu built from the menu's visible
// items at that moment; the screen's pointer is one application override cursor (changed in place, never
// stacked, removed for the default pointer); DoEvents processes Qt's pending events; twips per pixel come
// from the primary screen's logical DPI.
//
// A host installs it, with the scheduler, once the QApplication exists:
//     kv380::ui::setCurrentDesktop(std::make_shared<kv380::qt::QtDesktop>());
//     kv380::setCurrentScheduler(std::make_shared<kv380::qt::QtScheduler>());
class KV380_QT_API QtDesktop : public ui::Desktop {
public:
    QtDesktop() = default;
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    void showModal(ui::Form& form, ui::TopLevel* owner) override;
    void popupMenu(ui::Menu& menu, ui::TopLevel& owner) override;
    int MousePointer() const override { return m_pointer; }
    // A code that is not a pointer throws 380.
    void setMousePointer(int pointer) override;
    void DoEvents() override;
    float TwipsPerPixelX() const override;
    float TwipsPerPixelY() const override;

private:
    int m_pointer{0};
    bool m_overriding{false};
};

} // namespace kv380::qt
