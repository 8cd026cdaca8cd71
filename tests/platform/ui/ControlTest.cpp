#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/Timer.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace kv380::ui {

using test::errorNumberOf;
namespace {

TEST(ControlGeometry, ANegativeOrNonFiniteSizeIsRefusedAndNothingChanges) {
    Frame frame("fraRWLView");
    frame.Move(120, 1080, 2655, 2295);
    int notifications = 0;
    frame.modelChanged = [&](Control&, Property) { ++notifications; };

    EXPECT_EQ(errorNumberOf([&] { frame.setHeight(-1); }), err::InvalidPropertyValue);
    EXPECT_EQ(errorNumberOf([&] { frame.setWidth(std::numeric_limits<float>::quiet_NaN()); }),
              err::InvalidPropertyValue);
    // Move checks every value before it applies any.
    EXPECT_EQ(errorNumberOf([&] { frame.Move(0, 0, 100, -0.5F); }), err::InvalidPropertyValue);

    EXPECT_EQ(frame.Left(), 120);
    EXPECT_EQ(frame.Top(), 1080);
    EXPECT_EQ(frame.Width(), 2655);
    EXPECT_EQ(frame.Height(), 2295);
    EXPECT_EQ(notifications, 0);
    // Zero is a size; positions may be negative.
    frame.setHeight(0);
    frame.setLeft(-50);
    EXPECT_EQ(frame.Height(), 0);
    EXPECT_EQ(frame.Left(), -50);
}

TEST(ControlGeometry, TwipsKeepSinglePrecisionFractions) {
    Label label("Label1");
    label.setWidth(0.3F * 10575.0F);
    EXPECT_EQ(label.Width(), 0.3F * 10575.0F);
}

TEST(ControlNotifications, EachChangeTellsTheObserverWhatChanged) {
    TextBox box("txtFilterBy");
    std::vector<Property> seen;
    box.modelChanged = [&](Control& c, Property p) {
        EXPECT_EQ(&c, &box);
        seen.push_back(p);
    };
    box.setText("P-1");
    box.setVisible(false);
    box.setToolTipText("filter");
    EXPECT_EQ(seen, (std::vector<Property>{Property::Text, Property::Visible, Property::ToolTipText}));
}

TEST(ControlNotifications, AnUpdateBatchReportsEachAspectOnceAtTheEnd) {
    Label label("lbTotal");
    std::vector<Property> seen;
    label.modelChanged = [&](Control&, Property p) { seen.push_back(p); };
    label.beginUpdate();
    label.beginUpdate(); // batches nest
    for (int i = 0; i < 100; ++i) {
        label.setCaption("of " + std::to_string(i) + " pages");
        label.setLeft(static_cast<float>(i));
    }
    label.endUpdate();
    EXPECT_TRUE(seen.empty());
    label.endUpdate();
    EXPECT_EQ(seen, (std::vector<Property>{Property::Left, Property::Caption}));
    EXPECT_EQ(label.Caption(), "of 99 pages");
}

TEST(ControlFonts, ControlsWithoutAFontSaySoAndRefuseFontAccess) {
    Timer timer("tmrGenerateEvents");
    Menu item("mnuSort");
    Image bar("Image1");
    for (Control* c : std::vector<Control*>{&timer, &item, &bar}) {
        EXPECT_FALSE(c->hasFont());
        EXPECT_EQ(errorNumberOf([&] { (void)c->Font(); }), err::NotSupported);
        EXPECT_EQ(errorNumberOf([&] { c->setFont(FontInfo{}); }), err::NotSupported);
    }
    Label label("Label4");
    ASSERT_TRUE(label.hasFont());
    FontInfo font = label.Font();
    font.charset = 128;
    font.bold = true;
    label.setFont(font);
    EXPECT_EQ(label.Font(), font);
}

TEST(ControlFonts, InvalidFontsAreRefusedAndTheOldFontStays) {
    Label label("Label4");
    const FontInfo before = label.Font();
    FontInfo tooSmall = before;
    tooSmall.size = 0;
    FontInfo badCharset = before;
    badCharset.charset = 256;
    EXPECT_EQ(errorNumberOf([&] { label.setFont(tooSmall); }), err::InvalidPropertyValue);
    EXPECT_EQ(errorNumberOf([&] { label.setFont(badCharset); }), err::InvalidPropertyValue);
    EXPECT_EQ(label.Font(), before);
}

TEST(ControlPointer, UnknownPointerCodesAreRefused) {
    Image bar("Image2");
    bar.setMousePointer(pointer::SizeWE);
    EXPECT_EQ(errorNumberOf([&] { bar.setMousePointer(16); }), err::InvalidPropertyValue);
    EXPECT_EQ(bar.MousePointer(), pointer::SizeWE);
    bar.setMousePointer(pointer::Custom);
    EXPECT_EQ(bar.MousePointer(), pointer::Custom);
}

TEST(ControlDragging, AutomaticDragModeStartsADragInsteadOfAMouseDownAndADropEndsIt) {
    Form form("frmSymbolMap");
    auto& bar = form.add<Image>("Image1");
    auto& target = form.add<Label>("Target");
    int mouseDowns = 0;
    bar.MouseDown = [&](int, int, float, float) { ++mouseDowns; };
    bar.raiseMouseDown(1, 0, 10, 10);
    EXPECT_EQ(mouseDowns, 1);
    EXPECT_FALSE(bar.Dragging());

    bar.setDragMode(1);
    bar.setDragIcon("ArrowNS32");
    bar.raiseMouseDown(1, 0, 10, 10);
    EXPECT_EQ(mouseDowns, 1);
    EXPECT_TRUE(bar.Dragging());

    std::vector<float> overAt;
    target.DragOver = [&](Control& source, float, float y, int state) {
        EXPECT_EQ(&source, &bar);
        EXPECT_EQ(state, 2);
        overAt.push_back(y);
    };
    Control* dropped = nullptr;
    target.DragDrop = [&](Control& source, float, float) { dropped = &source; };
    target.raiseDragOver(bar, 5, 1000);
    target.raiseDragDrop(bar, 5, 1000);
    EXPECT_EQ(overAt, (std::vector<float>{1000}));
    EXPECT_EQ(dropped, &bar);
    EXPECT_FALSE(bar.Dragging());
    EXPECT_EQ(errorNumberOf([&] { bar.Drag(3); }), err::InvalidPropertyValue);
}

TEST(ControlEvents, AHandlerMayReconnectTheSlotItRunsIn) {
    TextBox box("txtPageNo");
    int first = 0;
    int second = 0;
    box.Change = [&] {
        ++first;
        box.Change = [&] { ++second; };
    };
    box.setText("1");
    box.setText("2");
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
}

} // namespace
} // namespace kv380::ui
