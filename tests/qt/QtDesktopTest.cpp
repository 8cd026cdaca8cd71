#include "qt/QtDesktop.h"
#include "QtTestApp.h"
#include "platform/AutomationError.h"
#include "platform/ManualScheduler.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/MsgBoxStyle.h"
#include "qt/FormView.h"
#include "qt/FormWindow.h"
#include "qt/QtScheduler.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kv380::qt::test {
namespace {

// Installs a QtDesktop as the process's for one test.
class QtDesktopTest : public ::testing::Test {
protected:
    void SetUp() override { ui::setCurrentDesktop(desktop); }
    void TearDown() override { ui::setCurrentDesktop(nullptr); }

    std::shared_ptr<QtDesktop> desktop = std::make_shared<QtDesktop>();
};

TEST_F(QtDesktopTest, AMessageBoxHasTheStylesButtonsIconAndDefaultAndAnswersWithTheChosenOne) {
    QString shownText;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    bool yesIsDefault = false;
    whenShown([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return false;
        }
        shownText = box->text();
        shownIcon = box->icon();
        yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
        box->button(QMessageBox::No)->click();
        return true;
    });
    const int answer =
        desktop->MsgBox("This action will permanently delete the selected objects from the "
                        "workspace\rAre you sure you want to delete?",
                        ui::msgbox::YesNo + ui::msgbox::Question, "Confirm delete from workspace");
    EXPECT_EQ(answer, ui::msgbox::No);
    EXPECT_EQ(shownIcon, QMessageBox::Question);
    EXPECT_TRUE(yesIsDefault);
    // A carriage return alone breaks the line.
    EXPECT_TRUE(shownText.endsWith("workspace\nAre you sure you want to delete?"));
}

TEST_F(QtDesktopTest, AnUnknownButtonSetIsRefusedBeforeAnythingIsShown) {
    try {
        desktop->MsgBox("text", 7, "title");
        ADD_FAILURE() << "no error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::InvalidProcedureCall);
    }
}

TEST_F(QtDesktopTest, TheHourglassIsOneOverrideCursorChangedInPlaceAndRemovedForTheDefault) {
    desktop->setMousePointer(ui::pointer::Hourglass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    desktop->setMousePointer(ui::pointer::Hourglass);
    desktop->setMousePointer(ui::pointer::ArrowHourglass);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    EXPECT_EQ(desktop->MousePointer(), ui::pointer::ArrowHourglass);
    desktop->setMousePointer(ui::pointer::Default);
    // Nothing stacked beneath.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_THROW(desktop->setMousePointer(16), AutomationError);
}

TEST_F(QtDesktopTest, APopupMenuShowsTheVisibleItemsAndRunsTheChosenItemsClickBeforeReturning) {
    ui::Form menus("frmPopUpMenu");
    ui::Menu& root = menus.addMenu("mnuBackground", "Background");
    root.setVisible(false);
    menus.addMenu("mnuLargeIcon", "Large Icons", &root).setChecked(true);
    menus.addMenu("mnuSep", "-", &root);
    menus.addMenu("mnuHidden", "Hidden", &root).setVisible(false);
    ui::Menu& sort = menus.addMenu("mnuSort", "Sort", &root);
    bool sorted = false;
    sort.Click = [&] { sorted = true; };

    QStringList shown;
    bool largeChecked = false;
    whenShown([&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (popup == nullptr) {
            return false;
        }
        for (QAction* action : popup->actions()) {
            shown.push_back(action->isSeparator() ? QStringLiteral("-") : action->text());
            if (action->text() == "Large Icons") {
                largeChecked = action->isChecked();
            }
            if (action->text() == "Sort") {
                popup->setActiveAction(action);
            }
        }
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(popup, &enter);
        return true;
    });
    menus.PopupMenu(root);
    EXPECT_TRUE(sorted);
    EXPECT_EQ(shown, (QStringList{"Large Icons", "-", "Sort"}));
    EXPECT_TRUE(largeChecked);
}

TEST_F(QtDesktopTest, AModalFormRunsItsDialogUntilTheModelHidesIt) {
    ui::Form dialog("frmSymbolMap");
    dialog.Move(0, 0, 6000, 4500);
    dialog.setCaption("Symbol Map");
    ui::CommandButton& ok = dialog.add<ui::CommandButton>("cmdOK");
    ok.Move(120, 120, 1200, 375);
    ok.setCaption("OK");
    ok.Click = [&] { dialog.Hide(); };
    int refusals = 0;
    dialog.QueryUnload = [&](int& cancel, int mode) {
        if (mode == ui::Form::UnloadByUser && refusals++ == 0) {
            cancel = 1;
        }
    };

    std::vector<std::string> seen;
    whenShown([&] {
        FormWindow* window = FormWindow::of(dialog);
        if (window == nullptr || !window->isVisible()) {
            return false;
        }
        seen.push_back(window->isModal() ? "modal" : "modeless");
        seen.push_back(window->windowTitle().toStdString());
        window->close(); // the close box: QueryUnload refuses the first time
        seen.push_back(window->isVisible() ? "still open" : "closed");
        qobject_cast<QPushButton*>(window->view().widgetFor(ok))->click();
        return true;
    });
    dialog.Show(ui::Form::Modal);
    EXPECT_EQ(seen, (std::vector<std::string>{"modal", "Symbol Map", "still open"}));
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(dialog.Loaded());
    // The dialog made for the show is gone with it.
    EXPECT_EQ(FormWindow::of(dialog), nullptr);
}

TEST_F(QtDesktopTest, DoEventsRunsTheWorkWaitingOnTheEventLoopAndOnAnotherScheduler) {
    auto qtScheduler = std::make_shared<QtScheduler>();
    setCurrentScheduler(qtScheduler);
    bool posted = false;
    qtScheduler->post([&] { posted = true; });
    desktop->DoEvents();
    EXPECT_TRUE(posted);

    auto manual = std::make_shared<ManualScheduler>();
    setCurrentScheduler(manual);
    bool due = false;
    manual->post([&] { due = true; });
    desktop->DoEvents();
    EXPECT_TRUE(due);
    setCurrentScheduler(nullptr);
}

TEST_F(QtDesktopTest, TwipsPerPixelComeFromTheScreensLogicalDpi) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_FLOAT_EQ(desktop->TwipsPerPixelX(), 1440.0F / static_cast<float>(screen->logicalDotsPerInchX()));
    EXPECT_FLOAT_EQ(desktop->TwipsPerPixelY(), 1440.0F / static_cast<float>(screen->logicalDotsPerInchY()));
}

} // namespace
} // namespace kv380::qt::test
