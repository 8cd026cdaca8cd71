#include "platform/ui/Desktop.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/HeadlessDesktop.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MsgBoxStyle.h"
#include "support/ErrorNumber.h"
#include "support/ScriptedDesktop.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace kv380::ui {

using test::errorNumberOf;
namespace {

using namespace std::chrono_literals;

TEST(MessageBoxStyles, EachButtonSetGivesItsAnswersAndTheDefaultButtonsAnswer) {
    EXPECT_EQ(msgbox::answersOf(msgbox::OKOnly | msgbox::Exclamation), (std::vector<int>{msgbox::OK}));
    EXPECT_EQ(msgbox::answersOf(msgbox::OKCancel), (std::vector<int>{msgbox::OK, msgbox::Cancel}));
    EXPECT_EQ(msgbox::answersOf(36), (std::vector<int>{msgbox::Yes, msgbox::No}));
    EXPECT_EQ(msgbox::defaultAnswer(36), msgbox::Yes);
    EXPECT_EQ(msgbox::defaultAnswer(msgbox::YesNo | msgbox::DefaultButton2), msgbox::No);
    EXPECT_EQ(msgbox::defaultAnswer(msgbox::OKOnly | msgbox::DefaultButton3), msgbox::OK);
    EXPECT_EQ(msgbox::iconOf(36), msgbox::Question);
    EXPECT_EQ(errorNumberOf([] { (void)msgbox::answersOf(6); }), err::InvalidProcedureCall);
}

TEST(HeadlessDesktop, WithoutAUserEveryQuestionGetsTheSafeAnswerAndIsLogged) {
    std::ostringstream log;
    HeadlessDesktop desktop(&log);
    EXPECT_EQ(desktop.MsgBox("Are you sure you want to delete?", 36, "Confirm delete from workspace"),
              msgbox::Yes);
    EXPECT_EQ(desktop.MsgBox("Do you want to add ?", msgbox::OKCancel | msgbox::DefaultButton2, "Warning"),
              msgbox::Cancel);

    Form dialog("frmSymbolMap");
    bool okHit = false;
    dialog.add<CommandButton>("cmdOK").Click = [&] { okHit = true; };
    dialog.load();
    dialog.setVisible(true);
    desktop.showModal(dialog, nullptr);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(okHit);

    const std::string text = log.str();
    EXPECT_NE(text.find("Confirm delete from workspace"), std::string::npos);
    EXPECT_NE(text.find("frmSymbolMap"), std::string::npos);
}

TEST(HeadlessDesktop, IsTheDefaultUntilAHostInstallsItsOwn) {
    setCurrentDesktop(nullptr);
    EXPECT_NE(dynamic_cast<HeadlessDesktop*>(&currentDesktop()), nullptr);
    {
        test::DesktopScope scripted;
        EXPECT_EQ(&currentDesktop(), &*scripted);
    }
    EXPECT_NE(dynamic_cast<HeadlessDesktop*>(&currentDesktop()), nullptr);
}

TEST(ScriptedDesktop, AnswersComeInOrderAndEveryBoxIsRecorded) {
    test::DesktopScope desktop;
    desktop->answerNext(msgbox::No);
    desktop->answerNext(msgbox::OK);
    EXPECT_EQ(currentDesktop().MsgBox("delete?", 36, "Confirm"), msgbox::No);
    EXPECT_EQ(currentDesktop().MsgBox("Could not find symbol", 48, "Stockpile"), msgbox::OK);
    ASSERT_EQ(desktop->messageBoxes().size(), 2U);
    EXPECT_EQ(desktop->messageBoxes()[1].style, 48);
    EXPECT_EQ(desktop->messageBoxes()[1].title, "Stockpile");
}

TEST(ScriptedDesktop, AnUnexpectedBoxOrAnAnswerItsButtonsCannotGiveFailsTheTest) {
    test::DesktopScope desktop;
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = currentDesktop().MsgBox("surprise", 36, "Stockpile"),
                            "unexpected message box [Stockpile] surprise");
    EXPECT_EQ(answer, msgbox::Yes);
    desktop->answerNext(msgbox::Cancel);
    EXPECT_NONFATAL_FAILURE(answer = currentDesktop().MsgBox("delete?", 36, "Confirm"),
                            "is not a button of the message box");
    EXPECT_EQ(answer, msgbox::Yes);
}

TEST(ScriptedDesktop, ProcessingPendingMessagesRunsOnlyWhatIsAlreadyDue) {
    test::DesktopScope desktop;
    std::vector<int> ran;
    Scheduler& scheduler = currentScheduler();
    EXPECT_EQ(&scheduler, &desktop->scheduler());
    scheduler.startTimer(200ms, [&] { ran.push_back(0); }); // never idle, like an always-enabled timer
    scheduler.post([&] {
        ran.push_back(1);
        currentScheduler().post([&] { ran.push_back(2); });
    });
    currentDesktop().DoEvents();
    EXPECT_EQ(ran, (std::vector<int>{1}));
    desktop->advance(200ms);
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(desktop->doEventsCalls(), 1);
}

TEST(ScriptedDesktop, ScreenPointerChangesAreRecorded) {
    test::DesktopScope desktop;
    currentDesktop().setMousePointer(11);
    currentDesktop().setMousePointer(0);
    EXPECT_EQ(desktop->pointerChanges(), (std::vector<int>{11, 0}));
    EXPECT_EQ(currentDesktop().MousePointer(), 0);
}

} // namespace
} // namespace kv380::ui
