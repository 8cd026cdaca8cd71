#include "platform/ui/Timer.h"
#include "platform/ManualScheduler.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <memory>

namespace kv380::ui {

using test::errorNumberOf;
namespace {

using namespace std::chrono_literals;

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override { setCurrentScheduler(scheduler); }
    void TearDown() override { setCurrentScheduler(nullptr); }

    std::shared_ptr<ManualScheduler> scheduler = std::make_shared<ManualScheduler>();
};

TEST_F(TimerTest, ATimerTicksAtItsIntervalOnlyWhileEnabled) {
    Timer timer("tmrRefreshMePlease");
    int ticks = 0;
    timer.Tick = [&] { ++ticks; };
    timer.setEnabled(false);
    timer.setInterval(5000);
    scheduler->advance(20000ms);
    EXPECT_EQ(ticks, 0);

    timer.setEnabled(true);
    scheduler->advance(4999ms);
    EXPECT_EQ(ticks, 0);
    scheduler->advance(1ms);
    EXPECT_EQ(ticks, 1);
    scheduler->advance(10000ms);
    EXPECT_EQ(ticks, 3);

    timer.setEnabled(false);
    scheduler->advance(60000ms);
    EXPECT_EQ(ticks, 3);
}

TEST_F(TimerTest, AnIntervalOfZeroNeverTicks) {
    Timer timer("tmrRefreshMePlease");
    int ticks = 0;
    timer.Tick = [&] { ++ticks; };
    timer.setInterval(0);
    scheduler->advance(600000ms);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(timer.running());
}

TEST_F(TimerTest, AnIntervalAbove65535IsRefusedAndTheTimerGoesOnAsBefore) {
    Timer timer("tmrRefreshMePlease");
    int ticks = 0;
    timer.Tick = [&] { ++ticks; };
    timer.setInterval(5000);
    scheduler->advance(3000ms);
    EXPECT_EQ(errorNumberOf([&] { timer.setInterval(70000); }), err::InvalidPropertyValue);
    EXPECT_EQ(errorNumberOf([&] { timer.setInterval(-1); }), err::InvalidPropertyValue);
    EXPECT_EQ(timer.Interval(), 5000);
    scheduler->advance(2000ms); // the count was not restarted
    EXPECT_EQ(ticks, 1);
    timer.setInterval(65535);
    EXPECT_EQ(timer.Interval(), 65535);
}

TEST_F(TimerTest, AssigningTheIntervalOrSwitchingTheTimerOnRestartsTheCountButReEnablingDoesNot) {
    Timer timer("tmrRefreshMePlease");
    int ticks = 0;
    timer.Tick = [&] { ++ticks; };
    timer.setInterval(5000);
    scheduler->advance(4000ms);
    timer.setEnabled(true); // already enabled: keeps counting
    scheduler->advance(1000ms);
    EXPECT_EQ(ticks, 1);

    scheduler->advance(4000ms);
    timer.setInterval(5000); // restarts from zero
    scheduler->advance(4000ms);
    EXPECT_EQ(ticks, 1);
    scheduler->advance(1000ms);
    EXPECT_EQ(ticks, 2);

    scheduler->advance(4000ms);
    timer.setEnabled(false);
    timer.setEnabled(true); // restarts from zero
    scheduler->advance(4000ms);
    EXPECT_EQ(ticks, 2);
    scheduler->advance(1000ms);
    EXPECT_EQ(ticks, 3);
}

TEST_F(TimerTest, ATickMayDisableItsOwnTimerAndADestroyedTimerNeverTicks) {
    int ticks = 0;
    {
        Timer once("tmrOnce");
        once.Tick = [&] {
            ++ticks;
            once.setEnabled(false);
        };
        once.setInterval(100);
        scheduler->advance(1000ms);
        EXPECT_EQ(ticks, 1);

        auto gone = std::make_unique<Timer>("tmrGone");
        gone->Tick = [&] { ++ticks; };
        gone->setInterval(100);
        gone.reset();
    }
    scheduler->advance(1000ms);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, ATimerStartedOnAnEarlierSchedulerDoesNotTickAfterItIsStopped) {
    auto earlier = scheduler;
    Timer timer("tmrGenerateEvents");
    int ticks = 0;
    timer.Tick = [&] { ++ticks; };
    timer.setInterval(200);
    setCurrentScheduler(std::make_shared<ManualScheduler>()); // a test or host swapped the scheduler
    timer.setEnabled(false);
    earlier->advance(1000ms);
    EXPECT_EQ(ticks, 0);
}

} // namespace
} // namespace kv380::ui
