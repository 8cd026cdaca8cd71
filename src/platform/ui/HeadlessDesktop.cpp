#include "platform/ui/HeadlessDesktop.h"

#include "platform/AutomationError.h"
#include "platform/Scheduler.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/MsgBoxStyle.h"

#include <iostream>

namespace kv380::ui {

HeadlessDesktop::HeadlessDesktop(std::ostream* log) : m_log(log) {}

std::ostream& HeadlessDesktop::log() const {
    return m_log != nullptr ? *m_log : std::cerr;
}

int HeadlessDesktop::MsgBox(const std::string& prompt, int style, const std::string& title) {
    const int answer = msgbox::defaultAnswer(style);
    log() << "kv380: message box without a desktop [" << title << "] " << prompt << " -> answer " << answer
          << '\n';
    return answer;
}

void HeadlessDesktop::showModal(Form& form, TopLevel*) {
    log() << "kv380: modal form " << form.Name() << " without a desktop; closed unanswered\n";
    form.closeByUser();
    if (form.Visible()) {
        form.Hide(); // a modal show must not return with the form still up
    }
}

void HeadlessDesktop::popupMenu(Menu& menu, TopLevel&) {
    log() << "kv380: pop-up menu " << menu.Name() << " without a desktop; nothing chosen\n";
}

void HeadlessDesktop::setMousePointer(int pointer) {
    if (!pointer::isValid(pointer)) {
        raise(err::InvalidPropertyValue);
    }
    m_pointer = pointer;
}

void HeadlessDesktop::DoEvents() {
    currentScheduler().processPending();
}

} // namespace kv380::ui
