#pragma once

#include "platform/ui/Frame.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"

#include <QAbstractItemModel>
#include <QListView>
#include <QWidget>

#include <gtest/gtest.h>

namespace kv380::qt::test {

// A list element inside a frame of a user control, as the panel has them, rendered in a shown window of
// 500 x 400 pixels: the list's widget and its model at hand.
class RenderedListTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame.Move(0, 0, 6000, 4500);
        list.Move(0, 0, 6000, 4500);
        view = new FormView(control, &host);
        host.resize(500, 400);
        host.show();
        widget = qobject_cast<QListView*>(view->widgetFor(list));
        ASSERT_NE(widget, nullptr);
        model = widget->model();
    }

    ui::UserControl control{"ctlStockpile"};
    ui::Frame& frame = control.add<ui::Frame>("fraRWLView");
    ui::ControlArray<ui::RWListView>& lists = control.addArray<ui::RWListView>("rwlvStockpile", &frame);
    ui::RWListView& list = lists[1];
    QWidget host;
    FormView* view{nullptr};
    QListView* widget{nullptr};
    QAbstractItemModel* model{nullptr};
};

} // namespace kv380::qt::test
