#include "settings/CharSetUtils.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Frame.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menu.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UpDown.h"
#include "platform/ui/UserControl.h"
#include "support/ScriptedDesktop.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace kv380 {
namespace {

// A control that claims a font and then refuses to hand it over, as a broken custom control might.
class RefusingLabel : public ui::Label {
public:
    using ui::Label::Label;
    bool hasFont() const override { return m_asked++ == 0; }

private:
    mutable int m_asked = 0;
};

// A user control with controls that have fonts (one designed with another character set) and controls
// that have none, in one collection.
class AdjustCharsetTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto& frame = control.add<ui::Frame>("fraOrganise");
        control.add<ui::ComboBox>("cmbOrganiseBy", &frame);
        auto& label = control.add<ui::Label>("Label4", &frame);
        ui::FontInfo designed = label.Font();
        designed.charset = 134; // designed for another script
        label.setFont(designed);
        control.add<ui::Timer>("tmrGenerateEvents");
        control.add<ui::CheckBox>("chkAutoRefresh");
        control.add<ui::UpDown>("UpDown1");
        control.add<ui::ImageList>("ImageList1");
        control.addMenu("mnuSort", "Sort");
        control.add<ui::TabStrip>("TabStrip");
    }

    std::map<std::string, int> charsets() const {
        std::map<std::string, int> result;
        for (const ui::Control& c : control.Controls()) {
            if (c.hasFont()) {
                result[c.Name()] = c.Font().charset;
            }
        }
        return result;
    }

    test::DesktopScope desktop;
    ui::UserControl control{"ctlStockpile"};
};

TEST_F(AdjustCharsetTest, OnEnglishAndChineseSystemsNoFontChanges) {
    const auto before = charsets();
    for (int32_t lcid : {1033, 2052}) {
        desktop->setSystemDefaultLCID(lcid);
        AdjustCharset(control.Controls());
        EXPECT_EQ(charsets(), before) << "LCID " << lcid;
    }
}

TEST_F(AdjustCharsetTest, OnAJapaneseSystemEveryControlWithAFontGetsShiftJisAndTheOthersAreSkipped) {
    desktop->setSystemDefaultLCID(1041);
    AdjustCharset(control.Controls());
    const auto after = charsets();
    EXPECT_EQ(after.size(), 5U); // frame, combo, label, check box, tab strip
    for (const auto& [name, charset] : after) {
        EXPECT_EQ(charset, 128) << name;
    }
    // Processed to the end: the tab strip comes after the controls without fonts.
    EXPECT_EQ(control.find("TabStrip")->Font().charset, 128);
}

TEST_F(AdjustCharsetTest, ElementsLoadedLaterInheritTheAdjustedFont) {
    auto& lists = control.addArray<ui::Label>("lbArray");
    desktop->setSystemDefaultLCID(1041);
    AdjustCharset(control.Controls());
    EXPECT_EQ(lists.Load(2).Font().charset, 128);
}

TEST_F(AdjustCharsetTest, AControlThatRefusesTheChangeDoesNotStopTheOthers) {
    auto& lists = control.addArray<ui::Label>("lbArray");
    control.add<RefusingLabel>("Broken");
    auto& after = control.add<ui::Label>("lbAfter");
    desktop->setSystemDefaultLCID(1041);
    AdjustCharset(control.Controls());
    EXPECT_EQ(after.Font().charset, 128);
    EXPECT_EQ(lists[1].Font().charset, 128);
}

} // namespace
} // namespace kv380
