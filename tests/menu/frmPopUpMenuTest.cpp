// The context menu form: its two menus, the object commands against the host, the background marks.
#include "menu/frmPopUpMenu.h"
#include "platform/ui/MsgBoxStyle.h"
#include "support/FakeHost.h"
#include "support/RecordingErrorReporter.h"
#include "support/ScriptedDesktop.h"
#include "support/TempRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace kv380::test {
namespace {

const std::string kEditorKey = "Software\\Velmarck\\Corvane\\38.0\\VIVarurava\\Settings\\DatasheetEditor";

// The form as the stock pile fills it, over a host with a pipe (42, "P1") and two vessels (7 and 8).
struct MenuForm {
    MenuForm() {
        form.setIKVDwgApp(host.dwgApp());
        form.setWorkSpace(host.workspace());
    }
    void select(std::initializer_list<std::shared_ptr<HostObject>> objects) {
        auto selection = std::make_shared<ObjectCollection>();
        for (const auto& object : objects) {
            selection->Add(object);
        }
        form.setSelection(selection);
    }
    void selectIds(std::initializer_list<std::string> ids) {
        auto selection = std::make_shared<ObjectCollection>();
        for (const auto& id : ids) {
            selection->Add(host.object(id));
        }
        form.setSelection(selection);
    }
    void editorType(int32_t type) { registry.setLong(registry::HKEY_CURRENT_USER, kEditorKey, "Type", type); }
    std::vector<std::string> captions(const ui::Menu& root) const {
        std::vector<std::string> result;
        for (const ui::Menu* item : root.items()) {
            result.push_back(item->Caption());
        }
        return result;
    }
    // Where an operation stands in the host's call log (-1 when it was not called).
    long positionOf(const std::string& operation) const {
        const auto& calls = host.calls();
        const auto it = std::find(calls.begin(), calls.end(), operation);
        return it == calls.end() ? -1 : it - calls.begin();
    }

    TempRegistry registry;
    ReporterScope reporter;
    DesktopScope desktop;
    FakeHost host =
        FakeHost::Builder()
            .organisation("Process")
            .view("All Objects", "PFD")
            .object({.id = "42", .key = "P1", .type = "Pipe", .symbol = "Lines\\Process Line.sym"})
            .object({.id = "7", .key = "V-7", .symbol = "Vessels\\Drum.sym"})
            .object({.id = "8", .key = "V-8", .symbol = "Vessels\\Drum.sym"})
            .build();
    frmPopUpMenu form;
};

TEST(PopUpMenuForm, IsAnInvisibleFormCarryingTwoHiddenMenuRoots) {
    MenuForm m;
    EXPECT_EQ(m.form.Name(), "frmPopUpMenu");
    EXPECT_EQ(m.form.Caption(), "PopUpMenu");
    EXPECT_TRUE(m.form.Loaded());
    EXPECT_FALSE(m.form.Visible());
    EXPECT_FALSE(m.form.mnuStockPile.Visible());
    EXPECT_FALSE(m.form.mnuBackground.Visible());
    EXPECT_EQ(m.captions(m.form.mnuStockPile),
              (std::vector<std::string>{"Symbol Map...", "Find on Drawings...", "Datasheets...", "-",
                                        "&Delete from WorkSpace"}));
    EXPECT_EQ(m.captions(m.form.mnuBackground),
              (std::vector<std::string>{"Large Icons", "Small Icons", "Sort", "Refresh", "AutoRefresh",
                                        "Goto Options"}));
}

TEST(PopUpMenuForm, LoadsOnAJapaneseSystemToo) {
    DesktopScope desktop;
    desktop->setSystemDefaultLCID(1041);
    frmPopUpMenu form;
    EXPECT_TRUE(form.Loaded());
}

TEST(PopUpMenuForm, BackgroundItemsOnlyFlipTheirMarks) {
    MenuForm m;
    m.form.mnuLargeIcon.setChecked(true);
    m.form.mnuSmallIcon.raiseClick();
    EXPECT_TRUE(m.form.mnuSmallIcon.Checked());
    EXPECT_FALSE(m.form.mnuLargeIcon.Checked());
    m.form.mnuLargeIcon.raiseClick();
    EXPECT_TRUE(m.form.mnuLargeIcon.Checked());
    EXPECT_FALSE(m.form.mnuSmallIcon.Checked());
    for (ui::Menu* item :
         {&m.form.mnuSort, &m.form.mnuRefresh, &m.form.mnuAutoRefresh, &m.form.mnuGotoOptions}) {
        item->raiseClick();
        EXPECT_TRUE(item->Checked()) << item->Name();
        item->raiseClick();
        EXPECT_FALSE(item->Checked()) << item->Name();
    }
    EXPECT_TRUE(m.host.calls().empty());
}

TEST(PopUpMenuForm, ObjectCommandsWithNoneOrTwoObjectsDoNothingAtAll) {
    MenuForm m;
    const auto tryAll = [&] {
        m.form.mnuSymbolMap.raiseClick();
        m.form.mnuFindOnDwg.raiseClick();
        m.form.mnuDatasheets.raiseClick();
    };
    tryAll(); // no selection at all
    m.select({});
    tryAll();
    m.selectIds({"7", "8"});
    tryAll();
    EXPECT_TRUE(m.host.calls().empty());
    EXPECT_TRUE(m.desktop->messageBoxes().empty());
    EXPECT_EQ(m.reporter->count(), 0u);
}

TEST(PopUpMenuForm, FindOnDrawingsNamesTheObjectInTheStatusBarBeforeRunningTheCommand) {
    MenuForm m;
    m.selectIds({"42"});
    m.form.mnuFindOnDwg.raiseClick();
    const auto& application = m.host.application()->data();
    EXPECT_EQ(application.statusBarTexts, std::vector<std::string>{"PipeBrowser 42 P1"});
    EXPECT_EQ(application.runCommands, std::vector<int32_t>{12094});
    EXPECT_LT(m.positionOf("DrawingApplication.setStatusBar"), m.positionOf("DrawingApplication.RunCommand"));

    // Only "Pipe" exactly is a pipe.
    m.host.object("42")->data().type = "pipe";
    m.form.mnuFindOnDwg.raiseClick();
    EXPECT_EQ(application.statusBarTexts.back(), "Stockpile 42 P1");
    m.selectIds({"7"});
    m.form.mnuFindOnDwg.raiseClick();
    EXPECT_EQ(application.statusBarTexts.back(), "Stockpile 7 V-7");
    EXPECT_EQ(m.reporter->count(), 0u);
}

TEST(PopUpMenuForm, WithoutAnEditorTypeDatasheetsGoThroughTheLauncher) {
    for (const std::optional<int32_t> type : {std::optional<int32_t>{}, std::optional<int32_t>{1}}) {
        MenuForm m;
        if (type) {
            m.editorType(*type);
        }
        m.selectIds({"42"});
        m.form.mnuDatasheets.raiseClick();
        const auto& requests = m.host.services().datasheetRequests;
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].objectId, 42);
        EXPECT_EQ(requests[0].workspace, m.host.workspace());
        EXPECT_EQ(requests[0].array1Size, 0u);
        EXPECT_EQ(requests[0].array2Size, 0u);
        EXPECT_EQ(m.host.callCount("DatasheetEditorFactory.create"), 0);
    }
}

TEST(PopUpMenuForm, WithEditorTypeZeroTheWorkspacesEditorOpensTheObject) {
    MenuForm m;
    m.editorType(0);
    m.selectIds({"42"});
    m.form.mnuDatasheets.raiseClick();
    const auto& services = m.host.services();
    ASSERT_EQ(services.editorRequests.size(), 1u);
    EXPECT_EQ(services.editorRequests[0], m.host.workspace());
    EXPECT_EQ(services.editorCalls,
              (std::vector<std::string>{"setVisible(true)", "Activate", "OpenObject(42)"}));
    EXPECT_TRUE(services.datasheetRequests.empty());
}

TEST(PopUpMenuForm, AnEmptyItemHasNoDatasheetsAndNoEditorMeansTheUserIsTold) {
    MenuForm m;
    m.desktop->answerNext(ui::msgbox::OK);
    m.desktop->answerNext(ui::msgbox::OK);
    m.select({nullptr});
    m.form.mnuDatasheets.raiseClick();
    m.form.mnuFindOnDwg.raiseClick();
    m.form.mnuSymbolMap.raiseClick();
    EXPECT_TRUE(m.host.calls().empty());

    m.editorType(0);
    m.host.services().editorAvailable = false;
    m.selectIds({"42"});
    m.form.mnuDatasheets.raiseClick();
    const auto& boxes = m.desktop->messageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].prompt, "The selected object does not have datasheets");
    EXPECT_EQ(boxes[1].prompt, "Couldn't start the datasheet editor");
    for (const auto& box : boxes) {
        EXPECT_EQ(box.title, "Stockpile");
        EXPECT_EQ(box.style, 64);
    }
    EXPECT_EQ(m.reporter->count(), 0u);
}

TEST(PopUpMenuForm, AnEditorThatCannotBeHadIsReportedAsTheStockpilesAndTheUserIsTold) {
    MenuForm m;
    m.editorType(0);
    m.selectIds({"42"});
    m.host.failOn("DatasheetEditorFactory.GetEditor");
    m.desktop->answerNext(ui::msgbox::OK);
    m.form.mnuDatasheets.raiseClick();
    ASSERT_EQ(m.reporter->count(), 1u);
    const ErrorReport& report = m.reporter->reports()[0];
    EXPECT_EQ(report.source, "KVStockpile");
    EXPECT_EQ(report.helpFile, "");
    EXPECT_EQ(report.helpContext, 0);
    EXPECT_EQ(report.number, FakeHostLedger::InjectedErrorNumber);
    EXPECT_EQ(report.procedure, "frmPopUpMenu::GetDatasheetEditorForWorkspace");
    EXPECT_EQ(report.style, 48);
    ASSERT_EQ(m.desktop->messageBoxes().size(), 1u);
    EXPECT_EQ(m.desktop->messageBoxes()[0].prompt, "Couldn't start the datasheet editor");
    // The next try works.
    m.form.mnuDatasheets.raiseClick();
    EXPECT_EQ(m.host.services().editorCalls.back(), "OpenObject(42)");
}

TEST(PopUpMenuForm, DeleteAsksFirstAndAnswerNoTouchesNothing) {
    MenuForm m;
    m.selectIds({"42", "7", "8"});
    m.desktop->answerNext(ui::msgbox::No);
    m.form.mnuDelete.raiseClick();
    ASSERT_EQ(m.desktop->messageBoxes().size(), 1u);
    const auto& question = m.desktop->messageBoxes()[0];
    EXPECT_EQ(question.prompt, "This action will permanently delete the selected objects from the workspace\r"
                               "Are you sure you want to delete?");
    EXPECT_EQ(question.title, "Confirm delete from workspace");
    EXPECT_EQ(question.style, 36);
    EXPECT_TRUE(m.host.calls().empty());
}

TEST(PopUpMenuForm, DeleteOnYesPassesEveryIdentifierInSelectionOrder) {
    MenuForm m;
    m.selectIds({"42", "7", "8"});
    m.desktop->answerNext(ui::msgbox::Yes);
    m.form.mnuDelete.raiseClick();
    const auto& requests = m.host.services().deleteRequests;
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].ids, (std::vector<int32_t>{42, 7, 8}));
    EXPECT_EQ(requests[0].workspace, m.host.workspace());
    // With no selection nothing is asked.
    m.select({});
    m.form.mnuDelete.raiseClick();
    EXPECT_EQ(m.desktop->messageBoxes().size(), 1u);
}

TEST(PopUpMenuForm, AnIdentifierThatIsNoNumberOrAnEmptyItemDeletesNothing) {
    MenuForm m;
    const auto eight = m.host.object("8");
    eight->data().id = "8a";
    for (const auto& second : {std::shared_ptr<HostObject>(eight), std::shared_ptr<HostObject>()}) {
        m.select({m.host.object("42"), second});
        m.desktop->answerNext(ui::msgbox::Yes);
        m.form.mnuDelete.raiseClick();
    }
    EXPECT_EQ(m.host.callCount("ObjectDeleter.DeleteObjects"), 0);
    EXPECT_EQ(m.reporter->procedures(),
              (std::vector<std::string>{"frmPopupMenu::mnuDeleteClick()", "frmPopupMenu::mnuDeleteClick()"}));
    EXPECT_EQ(m.reporter->reports()[0].number, err::TypeMismatch);
    EXPECT_EQ(m.reporter->reports()[1].number, err::ObjectNotSet);
}

// Each object command with a failing host call: one report under the command's name with the host's own
// source, nothing thrown, and the command works on the next try.
TEST(PopUpMenuForm, AFailingHostCallIsReportedOnceByTheCommandWhichThenWorksAgain) {
    struct Case {
        const char* operation;
        ui::Menu& (*item)(frmPopUpMenu&);
        const char* procedure;
        int32_t editorType;
    };
    const Case cases[] = {
        {"DrawingApplication.setStatusBar", [](frmPopUpMenu& f) -> ui::Menu& { return f.mnuFindOnDwg; },
         "mnuFindOnDwg_Click", 1},
        {"DrawingApplication.RunCommand", [](frmPopUpMenu& f) -> ui::Menu& { return f.mnuFindOnDwg; },
         "mnuFindOnDwg_Click", 1},
        {"DatasheetLauncher.ShowDatasheets", [](frmPopUpMenu& f) -> ui::Menu& { return f.mnuDatasheets; },
         "mnuDatasheets_Click", 1},
        {"DatasheetLauncher.create", [](frmPopUpMenu& f) -> ui::Menu& { return f.mnuDatasheets; },
         "mnuDatasheets_Click", 1},
        {"DatasheetEditor.OpenObject", [](frmPopUpMenu& f) -> ui::Menu& { return f.mnuDatasheets; },
         "mnuDatasheets_Click", 0},
        {"ObjectDeleter.DeleteObjects", [](frmPopUpMenu& f) -> ui::Menu& { return f.mnuDelete; },
         "frmPopupMenu::mnuDeleteClick()", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation);
        MenuForm m;
        m.editorType(c.editorType);
        m.selectIds({"42"});
        ui::Menu& item = c.item(m.form);
        const bool asks = &item == &m.form.mnuDelete;
        m.host.failOn(c.operation);
        if (asks) {
            m.desktop->answerNext(ui::msgbox::Yes);
        }
        EXPECT_NO_THROW(item.raiseClick());
        ASSERT_EQ(m.reporter->count(), 1u);
        EXPECT_EQ(m.reporter->reports()[0].procedure, c.procedure);
        // A creation that fails is the runtime's "can't create object"; the others are the host's own.
        if (std::string(c.operation).ends_with(".create")) {
            EXPECT_EQ(m.reporter->reports()[0].number, err::CannotCreateObject);
        } else {
            EXPECT_EQ(m.reporter->reports()[0].source, "FakeHost");
            EXPECT_EQ(m.reporter->reports()[0].number, FakeHostLedger::InjectedErrorNumber);
        }
        const int before = m.host.callCount(c.operation);
        if (asks) {
            m.desktop->answerNext(ui::msgbox::Yes);
        }
        item.raiseClick();
        EXPECT_EQ(m.reporter->count(), 1u);
        EXPECT_EQ(m.host.callCount(c.operation), before + 1);
    }
}

} // namespace
} // namespace kv380::test
