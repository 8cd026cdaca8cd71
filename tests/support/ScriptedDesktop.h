#pragma once

#include "platform/ManualScheduler.h"
#include "platform/ui/Desktop.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kv380::ui {
class Form;
class Menu;
class TopLevel;
} // namespace kv380::ui

namespace kv380::test {

// A desktop whose user acts from a script written in advance. Message-box answers, what the user does in
// each modal form, and menu choices are queued in the order they will be asked for; every call is recorded.
// A message box, modal form or pop-up menu with nothing queued for it fails the test (ADD_FAILURE) and gets
// a neutral answer: the default button, the form closed by its close box, no menu choice.
//
// It works on a ManualScheduler: DoEvents runs only the work already due, as a message pump would, since an
// always-enabled timer means the queue is never idle.
class ScriptedDesktop : public ui::Desktop {
public:
    struct MessageBox {
        std::string prompt;
        int style{0};
        std::string title;
        int answer{0};
    };
    struct ModalShow {
        std::string form;
        std::string caption; // at the moment it was shown
        std::string owner;   // "" without an owner
    };
    struct MenuItemState {
        std::string name;
        std::string caption;
        bool checked{false};
        bool enabled{true};
        bool visible{true};
    };
    struct MenuPopup {
        std::string menu;
        std::string owner;
        // The items below the pop-up's root, depth first, as they stood when it opened.
        std::vector<MenuItemState> items;
        std::string chosen; // "" when closed without a choice
        const MenuItemState* item(const std::string& name) const;
    };

    explicit ScriptedDesktop(
        std::shared_ptr<ManualScheduler> scheduler = std::make_shared<ManualScheduler>());

    // The script. Answers must be ones the box's buttons can give, else the test fails when it is asked.
    void answerNext(int answer);
    // What the user does while the next modal form is shown; the script must end by hiding or unloading
    // the form (clicking OK, Cancel, the close box...), else the test fails and the form is closed.
    void onNextModal(std::function<void(ui::Form&)> userActions);
    // The next pop-up menu: the user chooses the item with that name (it must be visible and enabled).
    void chooseNext(std::string itemName);
    // The next pop-up menu is closed without a choice.
    void dismissNextMenu();
    // How many queued answers, modal scripts and menu choices have not been used.
    std::size_t unusedScript() const;

    // Message boxes nobody scripted get their default answer instead of failing the test (for sweeps that
    // cannot tell in advance which failures show one).
    void acceptUnscriptedMessageBoxes(bool accept) { m_acceptUnscripted = accept; }
    void setSystemDefaultLCID(int32_t lcid) { m_lcid = lcid; }
    void setTwipsPerPixel(float x, float y);

    // The record, in the order of the calls.
    const std::vector<MessageBox>& messageBoxes() const { return m_messageBoxes; }
    const std::vector<ModalShow>& modalShows() const { return m_modalShows; }
    const std::vector<MenuPopup>& menuPopups() const { return m_menuPopups; }
    // Every pointer the screen was given.
    const std::vector<int>& pointerChanges() const { return m_pointerChanges; }
    int doEventsCalls() const { return m_doEvents; }

    ManualScheduler& scheduler() { return *m_scheduler; }
    std::shared_ptr<ManualScheduler> sharedScheduler() const { return m_scheduler; }
    void advance(Scheduler::Duration by) { m_scheduler->advance(by); }

    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    void showModal(ui::Form& form, ui::TopLevel* owner) override;
    void popupMenu(ui::Menu& menu, ui::TopLevel& owner) override;
    int MousePointer() const override { return m_pointer; }
    void setMousePointer(int pointer) override;
    void DoEvents() override;
    float TwipsPerPixelX() const override { return m_twipsPerPixelX; }
    float TwipsPerPixelY() const override { return m_twipsPerPixelY; }
    int32_t systemDefaultLCID() const override { return m_lcid; }

private:
    std::shared_ptr<ManualScheduler> m_scheduler;
    std::deque<int> m_answers;
    std::deque<std::function<void(ui::Form&)>> m_modalScripts;
    std::deque<std::optional<std::string>> m_menuChoices;
    std::vector<MessageBox> m_messageBoxes;
    std::vector<ModalShow> m_modalShows;
    std::vector<MenuPopup> m_menuPopups;
    std::vector<int> m_pointerChanges;
    int m_doEvents{0};
    int m_pointer{0};
    float m_twipsPerPixelX{15.0F};
    float m_twipsPerPixelY{15.0F};
    int32_t m_lcid{1033};
    bool m_acceptUnscripted{false};
};

// Installs a ScriptedDesktop and its ManualScheduler as the process's for one test, and puts the defaults
// back afterwards. A script left partly unused fails the test: it means the code asked fewer questions than
// the test expected.
class DesktopScope {
public:
    DesktopScope();
    ~DesktopScope();
    DesktopScope(const DesktopScope&) = delete;
    DesktopScope& operator=(const DesktopScope&) = delete;

    ScriptedDesktop& operator*() { return *m_desktop; }
    ScriptedDesktop* operator->() { return m_desktop.get(); }

private:
    std::shared_ptr<ScriptedDesktop> m_desktop;
};

} // namespace kv380::test
