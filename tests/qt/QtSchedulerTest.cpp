#include "qt/QtScheduler.h"
#include "QtTestApp.h"
#include "platform/AutomationError.h"
#include "platform/ui/Timer.h"
#include "support/RecordingErrorReporter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kv380::qt::test {
namespace {

using std::chrono::milliseconds;

TEST(QtSchedulerTest, PostedWorkRunsLaterOnTheEventLoopInOrder) {
    QtScheduler scheduler;
    std::vector<int> ran;
    scheduler.post([&] { ran.push_back(1); });
    scheduler.post([&] { ran.push_back(2); });
    EXPECT_TRUE(ran.empty());
    scheduler.processPending();
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));

    scheduler.postDelayed(milliseconds(5), [&] { ran.push_back(3); });
    EXPECT_TRUE(processUntil([&] { return ran.size() == 3; }));
}

TEST(QtSchedulerTest, ATimerTicksUntilStoppedAndMayStopItselfFromItsTick) {
    QtScheduler scheduler;
    int ticks = 0;
    Scheduler::TimerId id = 0;
    id = scheduler.startTimer(milliseconds(1), [&] {
        if (++ticks == 3) {
            scheduler.stopTimer(id);
        }
    });
    EXPECT_TRUE(processUntil([&] { return ticks == 3; }));
    EXPECT_EQ(scheduler.activeTimers(), 0U);
    processUntil([] { return false; }, milliseconds(30));
    EXPECT_EQ(ticks, 3);
    scheduler.stopTimer(id); // stopping a stopped timer does nothing
}

TEST(QtSchedulerTest, AFailingTaskIsReportedAndTheNextOneStillRuns) {
    kv380::test::ReporterScope reports;
    QtScheduler scheduler;
    bool next = false;
    scheduler.post([] { raise(err::ObjectNotSet); });
    scheduler.post([&] { next = true; });
    EXPECT_NO_THROW(scheduler.processPending());
    EXPECT_TRUE(next);
    ASSERT_EQ(reports->count(), 1U);
    EXPECT_EQ(reports->reports()[0].procedure, "QtScheduler task");
    EXPECT_EQ(reports->reports()[0].number, err::ObjectNotSet);
}

TEST(QtSchedulerTest, WorkStillPendingWhenTheSchedulerGoesIsDropped) {
    bool ran = false;
    {
        QtScheduler scheduler;
        scheduler.post([&] { ran = true; });
        scheduler.startTimer(milliseconds(1), [&] { ran = true; });
    }
    processUntil([] { return false; }, milliseconds(20));
    EXPECT_FALSE(ran);
}

TEST(QtSchedulerTest, TheRuntimesTimersTickOnTheQtEventLoop) {
    auto scheduler = std::make_shared<QtScheduler>();
    setCurrentScheduler(scheduler);
    int ticks = 0;
    {
        ui::Timer timer("tmrRefreshMePlease");
        timer.Tick = [&] { ++ticks; };
        timer.setInterval(2);
        EXPECT_TRUE(processUntil([&] { return ticks >= 2; }));
        timer.setEnabled(false);
        const int stopped = ticks;
        processUntil([] { return false; }, milliseconds(20));
        EXPECT_EQ(ticks, stopped);
    }
    setCurrentScheduler(nullptr);
}

} // namespace
} // namespace kv380::qt::test
