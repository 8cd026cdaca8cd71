// The demo as a person sees it, offscreen: the sample workspace in the stock pile's widgets.
#include "window/DemoWindow.h"
#include "common/TempFolder.h"
#include "control/ctlStockpile.h"
#include "model/DemoHost.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/drawing/DialogBar.h"
#include "model/drawing/DrawingApplication.h"
#include "qt/FormView.h"
#include "qt/FormWindow.h"
#include "qt/ItemIconCache.h"
#include "qt/QtTestApp.h"
#include "support/InProcessStockpile.h"
#include "support/TempRegistry.h"
#include "window/DatasheetWindow.h"
#include "window/DemoSession.h"
#include "window/Screenshot.h"
#include "window/StatusMessages.h"
#include "window/UnattendedDesktop.h"
#include "window/Tour.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>

#include <gmock/gmock.h>

#include <algorithm>
#include <set>
#include <vector>

namespace kv380::demo::test {
namespace {

using qt::test::processUntil;
// Loading the sample workspace goes through the event loop; a loaded machine may take a while.
constexpr std::chrono::seconds kWindowWait{10};

using testing::ElementsAre;
using testing::UnorderedElementsAreArray;

class DemoWindowTest : public testing::Test {
protected:
    DemoWindowTest() {
        session.start();
        EXPECT_TRUE(
            processUntil([&] { return control().tabsBuilt() && tabBar()->count() >= 2; }, kWindowWait));
    }

    // The control behind the default interface the demo holds.
    ctlStockpile& control() { return static_cast<ctlStockpile&>(session.control().UserControl()); }
    QWidget* widgetOf(const ui::Control& c) { return session.window().stockpileView()->widgetFor(c); }
    QTabBar* tabBar() { return widgetOf(control().TabStrip)->findChild<QTabBar*>(); }
    QStringList tabTexts() {
        QStringList texts;
        for (int i = 0; i < tabBar()->count(); ++i) {
            texts << tabBar()->tabText(i).trimmed();
        }
        return texts;
    }
    QAbstractItemView* listWidget(int element) {
        QWidget* widget = widgetOf(control().rwlvStockpile[element]);
        auto* view = qobject_cast<QAbstractItemView*>(widget);
        return view ? view : widget->findChild<QAbstractItemView*>();
    }
    std::vector<std::string> listed(int element) {
        std::vector<std::string> names;
        QAbstractItemModel* model = listWidget(element)->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            names.push_back(model->index(row, 0).data().toString().toStdString());
        }
        return names;
    }
    // Shows a view tab as a user does, and waits for its list.
    void showTab(int index) {
        tabBar()->setCurrentIndex(index);
        ASSERT_TRUE(processUntil(
            [&] {
                return control().rwlvStockpile.exists(index) && listWidget(index)->model()->rowCount() > 0;
            },
            kWindowWait));
    }

    // The row of a listed object in a list element's widget.
    int rowOf(int element, const std::string& name) {
        const auto names = listed(element);
        const auto it = std::find(names.begin(), names.end(), name);
        return it == names.end() ? -1 : static_cast<int>(it - names.begin());
    }
    // Selects a listed object with the left button, then right-clicks it and picks the menu item with that
    // caption from the menu that opens.
    void pickFromContextMenu(int element, const std::string& name, const QString& caption) {
        QAbstractItemView* list = listWidget(element);
        const int row = rowOf(element, name);
        ASSERT_GE(row, 0) << name;
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        qt::test::click(*list->viewport(), at);
        qt::test::whenShown([caption] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return false;
            }
            for (QAction* action : menu->actions()) {
                if (action->text() == caption) {
                    menu->setActiveAction(action);
                }
            }
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(menu, &enter);
            return true;
        });
        qt::test::click(*list->viewport(), at, Qt::RightButton);
        // The list is loaded again after an object command; the refresh timer is back on once it shows.
        ASSERT_TRUE(processUntil([&] { return control().tmrRefreshMePlease.Enabled(); }, kWindowWait));
    }

    kv380::test::TempRegistry registry;
    TempFolder data;
    DemoSession session{{.host = {.dataFolder = data.path().string()},
                         .unattended = true,
                         .createStockpile = kv380::test::inProcessStockpile}};
};

TEST_F(DemoWindowTest, TheStockpileShowsTheSampleOrganisationsAndViews) {
    auto* organisations = qobject_cast<QComboBox*>(widgetOf(control().cmbOrganiseBy));
    ASSERT_NE(organisations, nullptr);
    QStringList names;
    for (int i = 0; i < organisations->count(); ++i) {
        names << organisations->itemText(i);
    }
    EXPECT_EQ(names, QStringList({"By System", "By Plot Area", "By Work Pack"}));
    EXPECT_EQ(organisations->currentText(), "By System");
    EXPECT_EQ(tabTexts(),
              QStringList({"Options", "All Objects", "All UO Objects", "Feed Section", "Heat Recovery",
                           "Instrumentation", "Simulation Flowsheet", "Legacy Import"}));
    // The Options tab shows the option frames and no list.
    EXPECT_TRUE(widgetOf(control().fraOrganise)->isVisible());
    EXPECT_FALSE(widgetOf(control().fraRWLView)->isVisible());
}

TEST_F(DemoWindowTest, AViewTabListsTheViewsObjectsWithoutNodesOrUnresolvableSymbols) {
    showTab(1);
    EXPECT_THAT(listed(1), UnorderedElementsAreArray<std::string>(
                               {"P-101",   "P-102",   "P-103",   "V-201",   "C-202",  "T-203",  "R-204",
                                "E-301",   "E-302",   "E-303",   "S-205",   "P-105",  "XV-401", "XV-402",
                                "NRV-403", "FCV-404", "MOV-405", "PSV-406", "FT-501", "LT-502", "PT-503",
                                "TT-504",  "L-1001",  "L-1002",  "L-1003",  "L-1004", "S-1005"}));
    EXPECT_FALSE(widgetOf(control().fraOrganise)->isVisible());
    EXPECT_TRUE(widgetOf(control().fraRWLView)->isVisible());

    showTab(3);
    EXPECT_THAT(listed(3), UnorderedElementsAreArray<std::string>({"P-101", "P-102", "P-103", "V-201",
                                                                   "XV-401", "XV-402", "FCV-404", "L-1001"}));
}

// Records the message boxes of a run nobody watches.
class RecordingDesktop : public UnattendedDesktop {
public:
    int MsgBox(const std::string& prompt, int style, const std::string& title) override {
        prompts.push_back(prompt);
        return UnattendedDesktop::MsgBox(prompt, style, title);
    }
    std::vector<std::string> prompts;
};

TEST_F(DemoWindowTest, AFirstStartIsCleanAndTheUnresolvableSymbolsWaitInTheLegacyImportView) {
    auto desktop = std::make_shared<RecordingDesktop>();
    ui::setCurrentDesktop(desktop);
    // Open by now: the text of the opening has gone.
    EXPECT_NE(session.window().statusBar()->currentMessage(), WorkspaceOpening::Text);

    showTab(1);
    EXPECT_TRUE(desktop->prompts.empty());
    EXPECT_TRUE(session.window().statusBar()->currentMessage().isEmpty())
        << session.window().statusBar()->currentMessage().toStdString();

    const int legacy = static_cast<int>(tabTexts().indexOf("Legacy Import"));
    ASSERT_GT(legacy, 1);
    showTab(legacy);
    EXPECT_THAT(listed(legacy), ElementsAre("E-301")); // the objects whose symbols are lost are not listed
    ASSERT_EQ(desktop->prompts.size(), 1u);
    EXPECT_NE(desktop->prompts[0].find("XV-407"), std::string::npos) << desktop->prompts[0];
}

TEST_F(DemoWindowTest, EachObjectShowsItsOwnSymbolAndItsWholeNameAsTooltip) {
    showTab(1);
    QAbstractItemView* list = listWidget(1);
    const auto iconAt = [&](const std::string& name) {
        return list->model()->index(rowOf(1, name), 0).data(Qt::DecorationRole).value<QIcon>();
    };
    const auto pictureOf = [&](const std::string& name) {
        return iconAt(name).pixmap(list->iconSize()).toImage();
    };
    // The symbols arrive from the workers; the list is painted again as they do.
    ASSERT_TRUE(processUntil(
        [&] {
            list->viewport()->repaint();
            return session.window().stockpileView()->itemIcons() != nullptr &&
                   session.window().stockpileView()->itemIcons()->drawing() == 0 &&
                   pictureOf("P-101") != pictureOf("V-201");
        },
        kWindowWait));
    // Each its own symbol: a gate valve is no globe valve, a pump no tank; none is the placeholder.
    EXPECT_NE(pictureOf("XV-401"), pictureOf("XV-402"));
    EXPECT_NE(pictureOf("P-101"), pictureOf("T-203"));
    EXPECT_NE(iconAt("XV-401").cacheKey(), iconAt("L-1001").cacheKey());
    EXPECT_EQ(list->model()->index(rowOf(1, "XV-401"), 0).data(Qt::ToolTipRole).toString(), "XV-401");
}

TEST_F(DemoWindowTest, ResizingTheStockpileDockLaysTheListOutAgain) {
    showTab(1);
    QWidget* frame = widgetOf(control().fraRWLView);
    const int before = frame->height();
    const float modelBefore = control().fraRWLView.Height();

    auto& window = session.window();
    window.resizeDocks({window.stockpileDock()}, {window.stockpileDock()->height() + 150}, Qt::Vertical);
    ASSERT_TRUE(processUntil([&] { return frame->height() > before; }, kWindowWait));
    EXPECT_GT(control().fraRWLView.Height(), modelBefore);
}

TEST_F(DemoWindowTest, TheStockpileBarIsTheDock) {
    auto bar = session.host().stockpileBar();
    QDockWidget* dock = session.window().stockpileDock();
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Height(), dock->height());

    bar->setVisible(false);
    EXPECT_FALSE(dock->toggleViewAction()->isChecked());
    EXPECT_FALSE(bar->Visible());
    dock->toggleViewAction()->trigger();
    EXPECT_TRUE(bar->Visible());
}

TEST_F(DemoWindowTest, SymbolMapFromTheContextMenuOpensTheDialogForTheObject) {
    showTab(1);
    QStringList seen;
    qt::test::whenShown([&] {
        auto* dialog = qobject_cast<qt::FormWindow*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return false;
        }
        seen << dialog->windowTitle();
        for (auto* tabs : dialog->findChildren<QTabBar*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                seen << tabs->tabText(i);
            }
        }
        qt::test::pressKey(dialog->view(), Qt::Key_Escape);
        return true;
    });
    pickFromContextMenu(1, "P-101", "Symbol Map...");
    EXPECT_EQ(seen, QStringList({"Select Symbol for Diagram Conversion from PFD", "PPID", "Sim"}));
}

TEST_F(DemoWindowTest, TheScreenshotIsAPictureOfTheFilledList) {
    const QString file = QString::fromStdString(data / "stockpile.png");
    ASSERT_TRUE(takeScreenshot(session, file));

    QImage picture(file);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), session.window().size());
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 7) {
        for (int x = 0; x < picture.width(); x += 7) {
            colours.insert(picture.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 8u); // not blank
    EXPECT_EQ(tabBar()->currentIndex(), 1);
}

TEST_F(DemoWindowTest, FindOnDrawingsFromTheContextMenuHighlightsTheDrawingsThatShowTheObject) {
    showTab(1);
    pickFromContextMenu(1, "L-1001", "Find on Drawings...");
    EXPECT_EQ(session.host().application()->statusText(), "L-1001 is on PFD-100 Feed");
    const auto selected = session.window().drawings()->selectedItems();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_TRUE(selected[0]->text().startsWith("PFD-100 Feed"));
}

TEST_F(DemoWindowTest, EnterOnAnObjectPlacesItOnTheActiveDrawing) {
    showTab(1);
    QAbstractItemView* list = listWidget(1);
    const int row = rowOf(1, "P-101");
    ASSERT_GE(row, 0);
    qt::test::click(*list->viewport(), list->visualRect(list->model()->index(row, 0)).center());
    list->setFocus();
    const auto pressEnter = [&] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(list, &enter);
    };
    // No drawing is active yet: the control reports what the host said, and goes on.
    pressEnter();
    EXPECT_TRUE(session.window().statusBar()->currentMessage().contains("No drawing is active"))
        << session.window().statusBar()->currentMessage().toStdString();

    // With a drawing of the list's class active, P-101 goes on its canvas with its own symbol, and the
    // placement is kept in the workspace.
    const auto diagrams = session.host().database().diagrams();
    const auto pfd = std::find_if(diagrams.begin(), diagrams.end(),
                                  [&](const auto& d) { return d.diagramClass == control().GetDiagramClass(); });
    ASSERT_NE(pfd, diagrams.end());
    const auto drawing = session.host().openDiagram(pfd->id);
    const auto before = session.host().database().placements().ofDiagram(pfd->id).size();
    pressEnter();
    const auto placements = session.host().database().placements().ofDiagram(pfd->id);
    ASSERT_EQ(placements.size(), before + 1);
    const auto placed = session.host().database().object(placements.back().objectId);
    ASSERT_TRUE(placed);
    EXPECT_EQ(placed->tag, "P-101");
    EXPECT_FALSE(placements.back().symbol.empty());
    EXPECT_EQ(session.window().statusBar()->currentMessage().toStdString(),
              "Placed P-101 on " + drawing->name());
}

TEST_F(DemoWindowTest, DatasheetsFromTheContextMenuOpenAWindowOfTheObjectByEitherRoute) {
    showTab(1);
    pickFromContextMenu(1, "P-101", "Datasheets...");
    auto sheets = session.window().findChildren<DatasheetWindow*>();
    ASSERT_EQ(sheets.size(), 1);
    EXPECT_TRUE(sheets[0]->isVisible());
    EXPECT_EQ(sheets[0]->value("Tag"), "P-101");
    EXPECT_EQ(sheets[0]->value("Description"), "Feed pump");

    // The workspace's own editor, chosen in the Options menu.
    QAction* editorChoice = nullptr;
    for (QAction* action : session.window().findChildren<QAction*>()) {
        if (action->text().contains("workspace's &editor")) {
            editorChoice = action;
        }
    }
    ASSERT_NE(editorChoice, nullptr);
    editorChoice->setChecked(true);
    const auto type =
        registry.value(registry::HKEY_CURRENT_USER,
                       "Software\\Velmarck\\Corvane\\38.0\\VIVarurava\\Settings\\DatasheetEditor", "Type");
    ASSERT_TRUE(type.has_value());
    EXPECT_EQ(type->data, (std::vector<registry::BYTE>{0, 0, 0, 0}));
    pickFromContextMenu(1, "V-201", "Datasheets...");
    sheets = session.window().findChildren<DatasheetWindow*>();
    ASSERT_EQ(sheets.size(), 2);
    EXPECT_EQ(sheets[1]->value("Tag"), "V-201");
}

TEST_F(DemoWindowTest, DeleteFromWorkspaceRemovesTheObjectFromTheWorkspaceAndTheList) {
    showTab(1);
    ASSERT_GE(rowOf(1, "T-203"), 0);
    // Nobody watches: the question is answered with its default button, Yes.
    pickFromContextMenu(1, "T-203", "&Delete from WorkSpace");
    EXPECT_LT(rowOf(1, "T-203"), 0);
    EXPECT_GE(rowOf(1, "P-101"), 0);
    EXPECT_FALSE(session.host().database().object(107).has_value());
}

TEST_F(DemoWindowTest, TheMenuScreenshotShowsTheContextMenuOverTheWindow) {
    const QString plain = QString::fromStdString(data / "plain.png");
    const QString withMenu = QString::fromStdString(data / "menu.png");
    ASSERT_TRUE(takeScreenshot(session, plain));
    ASSERT_TRUE(takeMenuScreenshot(session, withMenu));
    const QImage before(plain);
    const QImage after(withMenu);
    ASSERT_EQ(before.size(), after.size());
    EXPECT_NE(before, after);
    // The menu closed without running a command.
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(session.host().application()->commands().empty());
}

// Whether a picture shows more than a plain fill.
bool notBlank(const QImage& picture) {
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 7) {
        for (int x = 0; x < picture.width(); x += 7) {
            colours.insert(picture.pixel(x, y));
        }
    }
    return colours.size() > 8;
}

TEST_F(DemoWindowTest, TheTourTakesAPictureOfEachStepWithTheTabCaptionsUncovered) {
    const QString folder = QString::fromStdString(data / "tour");
    ASSERT_TRUE(takeTour(session, folder));
    for (const char* name : {"1-list.png", "2-options.png", "3-menu.png", "4-symbol-map.png", "5-drawing.png"}) {
        const QImage picture(folder + "/" + name);
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_TRUE(notBlank(picture)) << name;
    }
    EXPECT_EQ(QImage(folder + "/1-list.png").size(), session.window().size());
    // The Symbol Map dialog was closed again; the one command run was the drawing step's connector tool.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(session.host().application()->commands().size(), 1u);
    // On both kinds of tab, nothing the panel shows covers the tab captions.
    EXPECT_THAT(controlsOverTabCaptions(session), testing::IsEmpty());
    control().TabStrip.selectTab(1);
    processUntil([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_THAT(controlsOverTabCaptions(session), testing::IsEmpty());

    // The check sees a frame moved down over the captions.
    control().TabStrip.selectTab(2);
    processUntil([] { return false; }, std::chrono::milliseconds(200));
    ui::Frame& frame = control().fraRWLView;
    frame.setTop(control().TabStrip.Top() + control().TabStrip.Height() - frame.Height());
    processUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_THAT(controlsOverTabCaptions(session), testing::Contains(QString("fraRWLView")));
}

} // namespace
} // namespace kv380::demo::test
