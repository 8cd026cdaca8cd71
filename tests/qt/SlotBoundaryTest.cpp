#include "QtTestApp.h"
#include "StockpilePanel.h"
#include "platform/AutomationError.h"
#include "qt/FormView.h"
#include "support/RecordingErrorReporter.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <stdexcept>

namespace kv380::qt::test {
namespace {

class SlotBoundaryTest : public ::testing::Test {
protected:
    void SetUp() override { view = new FormView(panel.control, &host); }

    template <class W> W* widget(const ui::Control& control) {
        return qobject_cast<W*>(view->widgetFor(control));
    }

    kv380::test::ReporterScope reports;
    StockpilePanel panel;
    QWidget host;
    FormView* view{nullptr};
};

TEST_F(SlotBoundaryTest, AHandlerErrorIsReportedOnceNamingTheQtHandlerAndGoesNoFurther) {
    panel.design.cmdRefresh.Click = [] { raise(err::InvalidPropertyValue); };
    EXPECT_NO_THROW(widget<QPushButton>(panel.design.cmdRefresh)->click());
    ASSERT_EQ(reports->count(), 1U);
    EXPECT_EQ(reports->reports()[0].number, err::InvalidPropertyValue);
    EXPECT_EQ(reports->reports()[0].procedure, "QPushButton::clicked (cmdRefresh)");

    // The control goes on working.
    int clicks = 0;
    panel.design.cmdRefresh.Click = [&] { ++clicks; };
    widget<QPushButton>(panel.design.cmdRefresh)->click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(reports->count(), 1U);
}

TEST_F(SlotBoundaryTest, AnErrorInAChangeHandlerStillLeavesTheTypedTextInTheModel) {
    panel.design.txtRefreshRate.Change = [] { throw std::runtime_error("handler failed"); };
    EXPECT_NO_THROW(type(*widget<QLineEdit>(panel.design.txtRefreshRate), "7"));
    EXPECT_EQ(panel.design.txtRefreshRate.Text(), "7");
    ASSERT_EQ(reports->count(), 1U);
    EXPECT_EQ(reports->reports()[0].number, err::InternalError);
    EXPECT_EQ(reports->reports()[0].procedure, "QLineEdit::textEdited (txtRefreshRate)");
}

TEST_F(SlotBoundaryTest, NeitherAFailingReportNorAForeignExceptionCrossesIntoQt) {
    panel.design.chkAutoRefresh.Click = [] { raise(err::Overflow); };
    reports->failWith(AutomationError(err::InternalError, "reporter", "the report failed"));
    EXPECT_NO_THROW(widget<QCheckBox>(panel.design.chkAutoRefresh)->click());
    // The box still shows what the model holds.
    EXPECT_EQ(widget<QCheckBox>(panel.design.chkAutoRefresh)->checkState(), Qt::Checked);

    panel.design.cmdRefresh.Click = [] { throw 42; };
    EXPECT_NO_THROW(widget<QPushButton>(panel.design.cmdRefresh)->click());
}

} // namespace
} // namespace kv380::qt::test
