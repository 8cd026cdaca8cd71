#include "platform/ui/Form.h"

#include "platform/AutomationError.h"
#include "platform/ui/Desktop.h"

#include <utility>

namespace kv380::ui {

namespace {
constexpr int32_t kFormAlreadyDisplayed = 400;
}

Form::Form(std::string name) : TopLevel(std::move(name)) {
    // A form is hidden until shown.
    Control::setVisible(false);
}

void Form::setCaption(std::string caption) {
    m_caption = std::move(caption);
    notify(Property::Caption);
}

void Form::setWindowState(int state) {
    if (state != Normal && state != Minimized && state != Maximized) {
        raise(err::InvalidPropertyValue);
    }
    if (std::exchange(m_windowState, state) == state) {
        return;
    }
    notify(Property::WindowState);
    fire(Resize);
}

void Form::load() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    notify(Property::Shown);
    fire(Load);
}

void Form::Show(int modal, TopLevel* owner) {
    if (modal != Modeless && modal != Modal) {
        raise(err::InvalidProcedureCall);
    }
    if (modal == Modal && m_modal) {
        throw AutomationError(kFormAlreadyDisplayed, {}, "Form already displayed; can't show modally");
    }
    load();
    if (!m_loaded) {
        return; // the Load handler unloaded it
    }
    if (!std::exchange(m_shownSinceLoad, true)) {
        fire(Resize);
    }
    setVisible(true);
    if (modal == Modeless) {
        return;
    }
    m_modal = true;
    notify(Property::Shown);
    struct EndModal {
        Form& form;
        ~EndModal() {
            form.m_modal = false;
            form.notify(Property::Shown);
        }
    } endModal{*this};
    currentDesktop().showModal(*this, owner);
}

void Form::Hide() {
    setVisible(false);
}

bool Form::Unload() {
    return unload(UnloadByCode);
}

bool Form::closeByUser() {
    return unload(UnloadByUser);
}

bool Form::unload(int mode) {
    if (!m_loaded) {
        return true;
    }
    int cancel = 0;
    fire(QueryUnload, cancel, mode);
    if (cancel != 0) {
        return false;
    }
    m_loaded = false;
    m_shownSinceLoad = false;
    setVisible(false);
    notify(Property::Shown);
    return true;
}

} // namespace kv380::ui
