// The kit every host's event sources and collections are built with: what a subscriber sees of an event, and
// when a collection's load completes.
#include "host/EventSubscribers.h"
#include "host/LoadCompletion.h"
#include "platform/AutomationError.h"
#include "platform/ManualScheduler.h"

#include <gmock/gmock.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kv380 {
namespace {

using testing::ElementsAre;

// Records what it is handed in a shared log, by name; runs an action of the test's on each event.
class Subscriber : public IKVEventSubscriber {
public:
    Subscriber(std::string name, std::vector<std::string>& log) : m_name(std::move(name)), m_log(log) {}
    void OnEvent(int32_t lEventType, const VariantArray&) override {
        m_log.push_back(m_name + ":" + std::to_string(lEventType));
        if (onEvent) {
            onEvent();
        }
    }
    std::function<void()> onEvent;

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

TEST(EventSubscribers, CookiesCountUpAndAreNeverReusedAndRemovalEndsDelivery) {
    std::vector<std::string> log;
    Subscriber a("a", log), b("b", log);
    EventSubscribers list;
    EXPECT_EQ(list.add(&a), 1);
    EXPECT_EQ(list.add(&b), 2);
    EXPECT_TRUE(list.remove(1));
    EXPECT_FALSE(list.remove(1));
    EXPECT_EQ(list.add(&a), 3);
    EXPECT_THAT(list.cookies(), ElementsAre(2, 3));

    list.deliver(1);
    EXPECT_THAT(log, ElementsAre("b:1", "a:1"));
    EXPECT_THROW(list.add(nullptr), AutomationError);
    EXPECT_EQ(list.size(), 2u);
}

TEST(EventSubscribers, ASubscriberRemovedDuringDeliveryIsSkippedAndOneAddedWaitsForTheNextEvent) {
    std::vector<std::string> log;
    Subscriber first("first", log), second("second", log), late("late", log);
    EventSubscribers list;
    list.add(&first);
    const int32_t secondCookie = list.add(&second);
    first.onEvent = [&] {
        list.remove(secondCookie);
        list.add(&late);
        first.onEvent = nullptr;
    };
    list.deliver(1);
    EXPECT_THAT(log, ElementsAre("first:1"));
    list.deliver(2);
    EXPECT_THAT(log, ElementsAre("first:1", "first:2", "late:2"));
}

TEST(EventSubscribers, ARegistrationUnderARepeatedCookieIsToldApartFromTheOneRemoved) {
    std::vector<std::string> log;
    Subscriber first("first", log), second("second", log);
    EventSubscribers list;
    list.add(&first, 7);
    list.add(&second, 7);                    // a source that answers the same cookie twice
    first.onEvent = [&] { list.remove(7); }; // ends the first registration, its own
    list.deliver(1);
    EXPECT_THAT(log, ElementsAre("first:1", "second:1"));
    EXPECT_TRUE(list.contains(&second));
    EXPECT_FALSE(list.contains(&first));
}

TEST(EventSubscribers,
     ASubscriberThatThrowsDoesNotKeepTheEventFromTheOthersAndTheFirstErrorRisesAfterTheLast) {
    std::vector<std::string> log;
    Subscriber a("a", log), b("b", log), c("c", log);
    EventSubscribers list;
    list.add(&a);
    list.add(&b);
    list.add(&c);
    a.onEvent = [] { throw AutomationError(1004, "Host", "first"); };
    b.onEvent = [] { throw std::runtime_error("second"); };
    try {
        list.deliver(3);
        ADD_FAILURE() << "the subscriber's error was swallowed";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.description(), "first");
    }
    EXPECT_THAT(log, ElementsAre("a:3", "b:3", "c:3"));
}

// A collection as a host writes one: filled and told later.
struct Collection {
    int completions = 0;
};

TEST(LoadCompletion, ALoadCompletesOnlyWhenTheQueueRunsIt) {
    ManualScheduler scheduler;
    auto collection = std::make_shared<Collection>();
    const PostTask post = [&](std::function<void()> task) { scheduler.post(std::move(task)); };
    completeLoadLater(post, collection, [&] { ++collection->completions; });
    EXPECT_EQ(collection->completions, 0);
    scheduler.runUntilIdle();
    EXPECT_EQ(collection->completions, 1);
}

TEST(LoadCompletion, ACollectionGoneBeforeItsCompletionRunsIsNotCompleted) {
    ManualScheduler scheduler;
    auto collection = std::make_shared<Collection>();
    int completed = 0;
    completeLoadLater([&](std::function<void()> task) { scheduler.post(std::move(task)); }, collection,
                      [&] { ++completed; });
    collection.reset();
    scheduler.runUntilIdle();
    EXPECT_EQ(completed, 0);
}

TEST(LoadCompletion, AQueueThatRunsTheTaskAtOnceMakesTheLoadFailInsteadOfCompletingInsideIt) {
    auto collection = std::make_shared<Collection>();
    const PostTask runsAtOnce = [](std::function<void()> task) { task(); };
    EXPECT_THROW(completeLoadLater(runsAtOnce, collection, [&] { ++collection->completions; }),
                 std::logic_error);
    EXPECT_EQ(collection->completions, 0);
}

} // namespace
} // namespace kv380
