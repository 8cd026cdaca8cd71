#include "support/ScriptedDesktop.h"

#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/MsgBoxStyle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace kv380::test {

namespace {

void recordItems(const ui::Menu& menu, std::vector<ScriptedDesktop::MenuItemState>& into) {
    for (const ui::Menu* item : menu.items()) {
        into.push_back({item->Name(), item->Caption(), item->Checked(), item->Enabled(), item->Visible()});
        recordItems(*item, into);
    }
}

// An item the user can reach: it and every menu between it and the pop-up's root are visible and enabled.
bool reachable(const ui::Menu& root, const ui::Menu& item) {
    for (const ui::Control* c = &item; c != nullptr && c != &root; c = c->Container()) {
        if (!c->Visible() || !c->Enabled()) {
            return false;
        }
    }
    return true;
}

} // namespace

const ScriptedDesktop::MenuItemState* ScriptedDesktop::MenuPopup::item(const std::string& name) const {
    const auto it =
        std::find_if(items.begin(), items.end(), [&](const MenuItemState& s) { return s.name == name; });
    return it == items.end() ? nullptr : &*it;
}

ScriptedDesktop::ScriptedDesktop(std::shared_ptr<ManualScheduler> scheduler)
    : m_scheduler(std::move(scheduler)) {}

void ScriptedDesktop::answerNext(int answer) {
    m_answers.push_back(answer);
}

void ScriptedDesktop::onNextModal(std::function<void(ui::Form&)> userActions) {
    m_modalScripts.push_back(std::move(userActions));
}

void ScriptedDesktop::chooseNext(std::string itemName) {
    m_menuChoices.emplace_back(std::move(itemName));
}

void ScriptedDesktop::dismissNextMenu() {
    m_menuChoices.emplace_back(std::nullopt);
}

std::size_t ScriptedDesktop::unusedScript() const {
    return m_answers.size() + m_modalScripts.size() + m_menuChoices.size();
}

void ScriptedDesktop::setTwipsPerPixel(float x, float y) {
    m_twipsPerPixelX = x;
    m_twipsPerPixelY = y;
}

int ScriptedDesktop::MsgBox(const std::string& prompt, int style, const std::string& title) {
    const std::vector<int> possible = ui::msgbox::answersOf(style);
    int answer = ui::msgbox::defaultAnswer(style);
    if (m_answers.empty()) {
        if (!m_acceptUnscripted) {
            ADD_FAILURE() << "unexpected message box [" << title << "] " << prompt;
        }
    } else if (std::find(possible.begin(), possible.end(), m_answers.front()) == possible.end()) {
        ADD_FAILURE() << "the scripted answer " << m_answers.front()
                      << " is not a button of the message box [" << title << "] " << prompt << " (style "
                      << style << ")";
        m_answers.pop_front();
    } else {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    m_messageBoxes.push_back({prompt, style, title, answer});
    return answer;
}

void ScriptedDesktop::showModal(ui::Form& form, ui::TopLevel* owner) {
    m_modalShows.push_back({form.Name(), form.Caption(), owner != nullptr ? owner->Name() : std::string{}});
    if (m_modalScripts.empty()) {
        ADD_FAILURE() << "unexpected modal form " << form.Name();
    } else {
        auto script = std::move(m_modalScripts.front());
        m_modalScripts.pop_front();
        script(form);
        if (!form.Visible() || !form.Loaded()) {
            return;
        }
        ADD_FAILURE() << "the modal form " << form.Name() << " is still shown after its script";
    }
    // Nobody is left to answer: close it as by its close box, and hide it should its handler refuse.
    form.closeByUser();
    if (form.Visible()) {
        form.Hide();
    }
}

void ScriptedDesktop::popupMenu(ui::Menu& menu, ui::TopLevel& owner) {
    MenuPopup popup{menu.Name(), owner.Name(), {}, {}};
    recordItems(menu, popup.items);
    ui::Menu* chosen = nullptr;
    if (m_menuChoices.empty()) {
        ADD_FAILURE() << "unexpected pop-up menu " << menu.Name();
    } else {
        const std::optional<std::string> choice = std::move(m_menuChoices.front());
        m_menuChoices.pop_front();
        if (choice) {
            ui::Menu* item = menu.findItem(*choice);
            if (item == nullptr || item == &menu) {
                ADD_FAILURE() << "the menu " << menu.Name() << " has no item " << *choice;
            } else if (!reachable(menu, *item) || !item->items().empty()) {
                ADD_FAILURE() << "the item " << *choice << " of the menu " << menu.Name()
                              << " cannot be chosen (hidden, disabled or a submenu)";
            } else {
                chosen = item;
                popup.chosen = *choice;
            }
        }
    }
    m_menuPopups.push_back(std::move(popup));
    if (chosen != nullptr) {
        chosen->raiseClick();
    }
}

void ScriptedDesktop::setMousePointer(int pointer) {
    if (!ui::pointer::isValid(pointer)) {
        ADD_FAILURE() << "invalid screen mouse pointer " << pointer;
        return;
    }
    m_pointer = pointer;
    m_pointerChanges.push_back(pointer);
}

void ScriptedDesktop::DoEvents() {
    ++m_doEvents;
    m_scheduler->processPending();
}

DesktopScope::DesktopScope() : m_desktop(std::make_shared<ScriptedDesktop>()) {
    setCurrentScheduler(m_desktop->sharedScheduler());
    ui::setCurrentDesktop(m_desktop);
}

DesktopScope::~DesktopScope() {
    EXPECT_EQ(m_desktop->unusedScript(), 0U) << "the test queued answers, modal scripts or menu choices "
                                                "that were never asked for";
    ui::setCurrentDesktop(nullptr);
    setCurrentScheduler(nullptr);
}

} // namespace kv380::test
