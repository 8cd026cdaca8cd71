#pragma once

#include "platform/Export.h"

#include "platform/ui/Desktop.h"

#include <ostream>

namespace kv380::ui {

// The desktop of a process without a user interface. Nobody can answer, so it takes the safe way out:
// a message box gets its default button's answer, a modal form is closed as by its close box (so nothing
// a dialog would confirm is confirmed), a pop-up menu closes without a choice. Each of these is logged as
// one line, so the unanswered question is not lost silently.
class KV380_API HeadlessDesktop : public Desktop {
public:
    // log: where the lines go (standard error unless told otherwise).
    explicit HeadlessDesktop(std::ostream* log = nullptr);

    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    void showModal(Form& form, TopLevel* owner) override;
    void popupMenu(Menu& menu, TopLevel& owner) override;
    int MousePointer() const override { return m_pointer; }
    void setMousePointer(int pointer) override;
    // Runs the scheduler's work that is already due.
    void DoEvents() override;
    float TwipsPerPixelX() const override { return 15.0F; }
    float TwipsPerPixelY() const override { return 15.0F; }

private:
    std::ostream& log() const;

    std::ostream* m_log;
    int m_pointer{0};
};

} // namespace kv380::ui
