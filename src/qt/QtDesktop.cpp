#include "qt/QtDesktop.h"

#include "platform/AutomationError.h"
#include "platform/Scheduler.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/MsgBoxStyle.h"
#include "qt/FormView.h"
#include "qt/FormWindow.h"
#include "qt/Pictures.h"
#include "qt/QtScheduler.h"
#include "qt/Text.h"
#include "qt/TwipsScale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <map>
#include <memory>

namespace kv380::qt {

namespace {

QMessageBox::StandardButton buttonOf(int answer) {
    namespace m = ui::msgbox;
    switch (answer) {
    case m::OK:
        return QMessageBox::Ok;
    case m::Cancel:
        return QMessageBox::Cancel;
    case m::Abort:
        return QMessageBox::Abort;
    case m::Retry:
        return QMessageBox::Retry;
    case m::Ignore:
        return QMessageBox::Ignore;
    case m::Yes:
        return QMessageBox::Yes;
    case m::No:
        return QMessageBox::No;
    default:
        return QMessageBox::NoButton;
    }
}

QMessageBox::Icon iconOf(int style) {
    namespace m = ui::msgbox;
    switch (m::iconOf(style)) {
    case m::Critical:
        return QMessageBox::Critical;
    case m::Question:
        return QMessageBox::Question;
    case m::Exclamation:
        return QMessageBox::Warning;
    case m::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Message texts break lines with CR LF or with a CR alone; a label breaks only at LF.
QString messageText(const std::string& prompt) {
    QString text = toQt(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QWidget* windowOf(const ui::TopLevel* owner) {
    if (owner != nullptr) {
        if (FormView* view = FormView::of(*owner)) {
            return view->window();
        }
    }
    return QApplication::activeWindow();
}

// The visible items under a menu item, as actions; the chosen action names its item.
void addItems(QMenu& into, const ui::Menu& menu, std::map<const QAction*, const ui::Menu*>& items) {
    for (const ui::Menu* item : menu.items()) {
        if (!item->Visible()) {
            continue;
        }
        if (item->isSeparator()) {
            into.addSeparator();
            continue;
        }
        if (!item->items().empty()) {
            QMenu* sub = into.addMenu(toQt(item->Caption()));
            sub->setEnabled(item->Enabled());
            addItems(*sub, *item, items);
            continue;
        }
        QAction* action = into.addAction(toQt(item->Caption()));
        action->setEnabled(item->Enabled());
        action->setCheckable(item->Checked());
        action->setChecked(item->Checked());
        items.emplace(action, item);
    }
}

// Whether an item is still in the menu (the menu may have changed while it was open).
bool holds(const ui::Menu& menu, const ui::Menu* item) {
    for (const ui::Menu* child : menu.items()) {
        if (child == item || holds(*child, item)) {
            return true;
        }
    }
    return false;
}

} // namespace

QtDesktop::~QtDesktop() {
    if (m_overriding && QGuiApplication::instance() != nullptr) {
        QGuiApplication::restoreOverrideCursor();
    }
}

int QtDesktop::MsgBox(const std::string& prompt, int style, const std::string& title) {
    // An unknown button set throws 5 here, before anything is shown.
    const std::vector<int> answers = ui::msgbox::answersOf(style);
    const int defaultAnswer = ui::msgbox::defaultAnswer(style);
    const QString caption = title.empty() ? QApplication::applicationDisplayName() : toQt(title);
    QMessageBox box(iconOf(style), caption, messageText(prompt), QMessageBox::NoButton,
                    QApplication::activeWindow());
    std::map<const QAbstractButton*, int> answerOf;
    for (int answer : answers) {
        QPushButton* button = box.addButton(buttonOf(answer));
        answerOf.emplace(button, answer);
        if (answer == defaultAnswer) {
            box.setDefaultButton(button);
        }
    }
    box.exec();
    const auto found = answerOf.find(box.clickedButton());
    if (found != answerOf.end()) {
        return found->second;
    }
    // Closed without a button: Cancel where the box has one, else its default.
    for (int answer : answers) {
        if (answer == ui::msgbox::Cancel) {
            return answer;
        }
    }
    return defaultAnswer;
}

void QtDesktop::showModal(ui::Form& form, ui::TopLevel* owner) {
    QPointer<FormWindow> window = FormWindow::of(form);
    const bool temporary = window == nullptr;
    if (temporary) {
        window = new FormWindow(form, windowOf(owner));
    }
    // A window already up as a modeless one must be shown again to become modal.
    if (window->isVisible()) {
        window->hide();
    }
    if (form.Visible() && form.Loaded()) {
        window->exec();
    }
    // The show is over only when the form is hidden, however the dialog ended.
    if (form.Visible()) {
        form.Hide();
    }
    if (temporary && window != nullptr) {
        delete window.data();
    }
}

void QtDesktop::popupMenu(ui::Menu& menu, ui::TopLevel& owner) {
    QMenu popup(windowOf(&owner));
    std::map<const QAction*, const ui::Menu*> items;
    addItems(popup, menu, items);
    if (popup.isEmpty()) {
        return;
    }
    const QAction* chosen = popup.exec(QCursor::pos());
    const auto found = chosen != nullptr ? items.find(chosen) : items.end();
    if (found == items.end() || !holds(menu, found->second)) {
        return;
    }
    // The menu is closed and Qt is out of the way: the item's Click is the caller's business, errors too.
    const_cast<ui::Menu*>(found->second)->raiseClick();
}

void QtDesktop::setMousePointer(int pointer) {
    if (!ui::pointer::isValid(pointer)) {
        raise(err::InvalidPropertyValue);
    }
    m_pointer = pointer;
    if (pointer == ui::pointer::Default) {
        if (m_overriding) {
            QGuiApplication::restoreOverrideCursor();
            m_overriding = false;
        }
        return;
    }
    const QCursor cursor(pointerShape(pointer));
    if (m_overriding) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        m_overriding = true;
    }
}

void QtDesktop::DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // A scheduler that is not on the Qt event loop has its own queue to run.
    if (dynamic_cast<QtScheduler*>(&currentScheduler()) == nullptr) {
        currentScheduler().processPending();
    }
}

float QtDesktop::TwipsPerPixelX() const {
    return TwipsScale::ofScreen().x;
}

float QtDesktop::TwipsPerPixelY() const {
    return TwipsScale::ofScreen().y;
}

} // namespace kv380::qt
