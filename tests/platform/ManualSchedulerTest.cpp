#include "platform/ManualScheduler.h"

#include <gtest/gtest.h>

#include <vector>

namespace kv380 {
namespace {

using namespace std::chrono_literals;

TEST(ManualScheduler, PostedWorkRunsOnlyWhenPendingWorkIsProcessed) {
    ManualScheduler s;
    int runs = 0;
    s.post([&] { ++runs; });
    EXPECT_EQ(runs, 0);
    s.processPending();
    EXPECT_EQ(runs, 1);
}

TEST(ManualScheduler, ProcessingPendingWorkDoesNotRunWhatItPostsOrSpinOnTimers) {
    ManualScheduler s;
    std::vector<int> order;
    s.startTimer(10ms, [&] { order.push_back(0); });
    s.post([&] {
        order.push_back(1);
        s.post([&] { order.push_back(2); });
    });
    s.processPending();
    EXPECT_EQ(order, (std::vector<int>{1}));
    s.runUntilIdle();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(ManualScheduler, TimersTickAtTheirIntervalInVirtualTimeUntilStopped) {
    ManualScheduler s;
    int ticks = 0;
    const auto id = s.startTimer(5000ms, [&] { ++ticks; });
    s.advance(4999ms);
    EXPECT_EQ(ticks, 0);
    s.advance(1ms);
    EXPECT_EQ(ticks, 1);
    s.advance(10000ms);
    EXPECT_EQ(ticks, 3);
    s.stopTimer(id);
    s.advance(60000ms);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(s.isTimerActive(id));
}

TEST(ManualScheduler, ATickMayStopItsOwnTimerAndZeroIntervalsNeverTick) {
    ManualScheduler s;
    int ticks = 0;
    Scheduler::TimerId id = 0;
    id = s.startTimer(100ms, [&] {
        ++ticks;
        s.stopTimer(id);
    });
    int never = 0;
    s.startTimer(0ms, [&] { ++never; });
    s.advance(1000ms);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(never, 0);
}

TEST(ManualScheduler, DelayedWorkRunsInTimeOrderWithTheClockAtItsDueTime) {
    ManualScheduler s;
    std::vector<long> at;
    s.postDelayed(300ms, [&] { at.push_back(s.now().count()); });
    s.postDelayed(100ms, [&] { at.push_back(s.now().count()); });
    s.advance(1000ms);
    EXPECT_EQ(at, (std::vector<long>{100, 300}));
    EXPECT_EQ(s.now(), 1000ms);
}

} // namespace
} // namespace kv380
