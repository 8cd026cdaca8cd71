// The Symbol Map dialog as a person sees it, offscreen: a real modal dialog over its owner's window, the
// folder tree, the symbol lists and the buttons, driven with the mouse, confirmed into the stock pile.
#include "QtTestApp.h"
#include "control/ctlStockpile.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"
#include "qt/FormWindow.h"
#include "qt/QtDesktop.h"
#include "support/FakeHost.h"
#include "support/RecordingErrorReporter.h"
#include "support/SymbolMapTemplates.h"
#include "support/TempRegistry.h"
#include "symbolmap/frmSymbolMap.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTreeView>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace kv380::qt::test {
namespace {

class SymbolMapWindowTest : public ::testing::Test {
protected:
    SymbolMapWindowTest() {
        ui::setCurrentDesktop(desktop);
        host.symbolLibrary()->answerConversionTargets("PFD", "PPID;Sim");
        host.symbolLibrary()->answerDrawingTemplates(kv380::test::symbolMapTemplates());
        ownerControl.Move(0, 0, 6000, 3000);
        ownerView = new FormView(ownerControl, &ownerWindow);
        ownerWindow.resize(400, 200);
        ownerWindow.show();
        dialog.setStockPile(&stockPile);
    }
    ~SymbolMapWindowTest() override {
        ownerView->detach();
        ui::setCurrentDesktop(nullptr);
    }

    FormWindow* window() const { return FormWindow::of(dialog); }
    template <class W> W* widgetOf(const ui::Control& control) const {
        return qobject_cast<W*>(window()->view().widgetFor(control));
    }
    // A node's row in the tree widget, by its text under a parent (the invisible root when none given).
    QModelIndex treeRow(const QString& text, const QModelIndex& parent = {}) const {
        QAbstractItemModel* model = widgetOf<QTreeView>(dialog.TreeView1)->model();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            if (index.data().toString() == text) {
                return index;
            }
        }
        return {};
    }
    QModelIndex listRow(const ui::RWListView& list, const QString& text) const {
        QAbstractItemModel* model = widgetOf<QListView>(list)->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data().toString() == text) {
                return model->index(row, 0);
            }
        }
        return {};
    }
    static void mouse(QWidget& viewport, QEvent::Type type, QPoint at) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), QPointF(viewport.mapToGlobal(at)), Qt::LeftButton, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&viewport, &event);
    }
    static void doubleClick(QWidget& viewport, QPoint at) {
        mouse(viewport, QEvent::MouseButtonPress, at);
        mouse(viewport, QEvent::MouseButtonRelease, at);
        mouse(viewport, QEvent::MouseButtonDblClick, at);
        mouse(viewport, QEvent::MouseButtonRelease, at);
    }
    // A picture of the dialog for a person to look at, when KV380_SCREENSHOT_DIR names a folder for it.
    static void saveScreenshot(QWidget& shown, const QString& name) {
        if (const QByteArray folder = qgetenv("KV380_SCREENSHOT_DIR"); !folder.isEmpty()) {
            shown.grab().save(QString::fromLocal8Bit(folder) + "/" + name);
        }
    }
    // Where the tab captions are in the dialog's client area (the tab bar's widget is wider than its tabs).
    QRect tabsInDialog() const {
        auto* bar = widgetOf<QWidget>(dialog.TabStrip1)->findChild<QTabBar*>();
        QRect tabs;
        for (int i = 0; i < bar->count(); ++i) {
            tabs |= bar->tabRect(i);
        }
        return tabs.translated(bar->mapTo(&window()->view(), QPoint(0, 0)));
    }
    // A widget's rectangle in the dialog's client area.
    QRect inDialog(const QWidget* widget) const {
        return QRect(widget->mapTo(&window()->view(), QPoint(0, 0)), widget->size());
    }

    kv380::test::TempRegistry registry;
    kv380::test::ReporterScope reporter;
    std::shared_ptr<QtDesktop> desktop = std::make_shared<QtDesktop>();
    kv380::test::FakeHost host = kv380::test::FakeHost::Builder()
                                     .symbolFile("Pumps\\P1.sym")
                                     .symbolFile("Pumps\\Centrifugal.sym")
                                     .symbolFile("Valves\\Gate\\G1.sym")
                                     .symbolFile("Blocks\\Tank.sym")
                                     .build();
    ctlStockpile stockPile;
    ui::UserControl ownerControl{"ctlStockpile"};
    QWidget ownerWindow;
    FormView* ownerView{nullptr};
    frmSymbolMap dialog;
};

TEST_F(SymbolMapWindowTest, TheUserPicksAFolderAddsASymbolConfirmsAndTheStockPileHoldsTheChoice) {
    stockPile.SetSymbolMap("47", "PFD", "Sim", "Blocks\\Tank.sym");
    dialog.Initialise(host.dwgApp(), "47", "PFD", host.symbolPath("Pumps\\P1.sym"), "PUMP");

    std::map<std::string, bool> seen;
    whenShown([&] {
        FormWindow* shown = window();
        if (shown == nullptr || !shown->isVisible()) {
            return false;
        }
        seen["modal"] = shown->isModal() && QApplication::activeModalWidget() == shown;
        seen["owned by the caller's window"] = shown->parentWidget() == &ownerWindow;
        seen["titled"] = shown->windowTitle() == "Select Symbol for Diagram Conversion from PFD";
        auto* tabs = widgetOf<QWidget>(dialog.TabStrip1)->findChild<QTabBar*>();
        seen["one tab per target"] = tabs != nullptr && tabs->count() == 2 && tabs->tabText(0) == "PPID";

        // Open the template's root and click the Pumps folder.
        auto* tree = widgetOf<QTreeView>(dialog.TreeView1);
        tree->expand(treeRow("PPID"));
        tree->expand(treeRow("Valves", treeRow("PPID")));
        const QModelIndex pumps = treeRow("Pumps", treeRow("PPID"));
        seen["folder icon"] = !pumps.data(Qt::DecorationRole).value<QIcon>().isNull();
        QPoint at = tree->visualRect(pumps).center();
        mouse(*tree->viewport(), QEvent::MouseButtonPress, at);
        mouse(*tree->viewport(), QEvent::MouseButtonRelease, at);
        seen["folder listed"] = dialog.RWListView2.itemCount() == 2;

        // Double-click P1: it joins the chosen symbols as the default.
        auto* folderList = widgetOf<QListView>(dialog.RWListView2);
        doubleClick(*folderList->viewport(),
                    folderList->visualRect(listRow(dialog.RWListView2, "P1")).center());
        seen["added"] = listRow(dialog.RWListView1, "P1").isValid() && dialog.RWListView1.item(1).selected;

        saveScreenshot(*shown, "symbol-map-dialog.png");
        widgetOf<QPushButton>(dialog.cmdOK)->click();
        return true;
    });
    dialog.Show(ui::Form::Modal, &ownerControl);

    for (const auto& [what, held] : seen) {
        EXPECT_TRUE(held) << what;
    }
    EXPECT_EQ(seen.size(), 7u);
    ASSERT_TRUE(dialog.bOKHit());
    EXPECT_EQ(window(), nullptr); // the show is over and its window gone
    dialog.Save();
    EXPECT_EQ(stockPile.GetSymbolMap("47", "PFD", "PPID"), "Pumps\\P1.sym");
    EXPECT_EQ(stockPile.GetSymbolMap("47", "PFD", "Sim"), "Blocks\\Tank.sym");
    EXPECT_EQ(reporter->count(), 0u);
}

TEST_F(SymbolMapWindowTest, NothingOverlapsOrLeavesTheWindowAndTheBarsDragThePanes) {
    dialog.Initialise(host.dwgApp(), "47", "PFD", host.symbolPath("Pumps\\P1.sym"), "PUMP");
    bool checked = false;
    whenShown([&] {
        FormWindow* shown = window();
        if (shown == nullptr || !shown->isVisible()) {
            return false;
        }
        checked = true;
        const QRect client = shown->view().rect();
        const std::map<std::string, QRect> parts = {
            {"tabs", tabsInDialog()},
            {"tree", inDialog(widgetOf<QWidget>(dialog.TreeView1))},
            {"horizontal bar", inDialog(widgetOf<QWidget>(dialog.Image1))},
            {"folder symbols", inDialog(widgetOf<QWidget>(dialog.RWListView2))},
            {"vertical bar", inDialog(widgetOf<QWidget>(dialog.Image2))},
            {"chosen symbols", inDialog(widgetOf<QWidget>(dialog.RWListView1))},
            {"Add", inDialog(widgetOf<QWidget>(dialog.Command1))},
            {"OK", inDialog(widgetOf<QWidget>(dialog.cmdOK))},
            {"Cancel", inDialog(widgetOf<QWidget>(dialog.cmdCancel))},
        };
        for (const auto& [name, rect] : parts) {
            EXPECT_TRUE(client.contains(rect)) << name << " leaves the window";
            EXPECT_FALSE(rect.isEmpty()) << name;
            for (const auto& [other, otherRect] : parts) {
                if (name < other) {
                    EXPECT_FALSE(rect.intersects(otherRect)) << name << " overlaps " << other;
                }
            }
        }
        EXPECT_EQ(widgetOf<QWidget>(dialog.Image1)->cursor().shape(), Qt::SizeVerCursor);
        EXPECT_EQ(widgetOf<QWidget>(dialog.Image2)->cursor().shape(), Qt::SizeHorCursor);

        // Drag the vertical bar 40 pixels right, over the chosen symbols, and let go: the bar follows the
        // pointer and the panes follow the bar.
        // The bar keeps the mouse while it moves under it: each event is placed from where it stood.
        QWidget* bar = widgetOf<QWidget>(dialog.Image2);
        const QPoint start = bar->mapToGlobal(bar->rect().center());
        const int pointerX = inDialog(bar).left() + bar->rect().center().x() + 40;
        const auto send = [&](QEvent::Type type, QPoint global) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, QPointF(bar->mapFromGlobal(global)), QPointF(global), Qt::LeftButton,
                              held, Qt::NoModifier);
            QCoreApplication::sendEvent(bar, &event);
        };
        send(QEvent::MouseButtonPress, start);
        send(QEvent::MouseMove, start + QPoint(20, 0));
        send(QEvent::MouseMove, start + QPoint(40, 0));
        send(QEvent::MouseButtonRelease, start + QPoint(40, 0));
        EXPECT_FALSE(dialog.Image2.Dragging());
        EXPECT_NEAR(inDialog(bar).left(), pointerX, 1);
        EXPECT_EQ(dialog.FrameB.Width(), dialog.Image2.Left());
        EXPECT_NEAR(inDialog(widgetOf<QWidget>(dialog.RWListView1)).left(), pointerX + 5, 1);

        pressKey(shown->view(), Qt::Key_Escape);
        return true;
    });
    dialog.Show(ui::Form::Modal, &ownerControl);
    EXPECT_TRUE(checked);
    EXPECT_FALSE(dialog.bOKHit());
    EXPECT_EQ(reporter->count(), 0u);
}

TEST_F(SymbolMapWindowTest, AKeyReleasedOnTheChosenSymbolsLeavesOneOfThemTheDefault) {
    stockPile.SetSymbolMap("47", "PFD", "PPID", "Pumps\\P1.sym;Pumps\\Centrifugal.sym");
    dialog.Initialise(host.dwgApp(), "47", "PFD", host.symbolPath("Pumps\\P1.sym"), "PUMP");
    bool selectedByKey = false;
    whenShown([&] {
        FormWindow* shown = window();
        if (shown == nullptr || !shown->isVisible()) {
            return false;
        }
        auto* chosen = widgetOf<QListView>(dialog.RWListView1);
        const bool noneBefore = chosen->selectionModel()->selectedRows().isEmpty();
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
        QCoreApplication::sendEvent(chosen, &release);
        const QModelIndexList rows = chosen->selectionModel()->selectedRows();
        selectedByKey = noneBefore && rows.size() == 1 && rows[0].row() == 0;
        widgetOf<QPushButton>(dialog.cmdCancel)->click();
        return true;
    });
    dialog.Show(ui::Form::Modal, &ownerControl);
    EXPECT_TRUE(selectedByKey);
    EXPECT_FALSE(dialog.bOKHit());
}

} // namespace
} // namespace kv380::qt::test
