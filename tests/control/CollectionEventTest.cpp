#include "control/COrganisationsEvent.h"
#include "control/CPresentedObjectColEvent.h"
#include "control/CViewsEvent.h"
#include "support/FakeHost.h"
#include "support/RecordingErrorReporter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kv380 {
namespace {

using test::FakeHost;
using testing::ElementsAre;
using testing::IsEmpty;

// The three collection sinks are one family; each case names its sink, its source and its texts.
struct OrganisationsCase {
    using Sink = COrganisationsEvent;
    using Source = test::FakeOrganisations;
    static constexpr const char* context = "COrganisationEvent";
    static constexpr const char* operations = "Organisations";
    static std::shared_ptr<Source> make(FakeHost& host) { return std::make_shared<Source>(host.ledger()); }
    static void set(Sink& sink, const std::shared_ptr<Source>& source) { sink.setOrganisations(source); }
    static std::shared_ptr<HostObject> get(Sink& sink) { return sink.Organisations(); }
};

struct ViewsCase {
    using Sink = CViewsEvent;
    using Source = test::FakeViews;
    static constexpr const char* context = "CViewsEvent";
    static constexpr const char* operations = "Views";
    static std::shared_ptr<Source> make(FakeHost& host) {
        return std::make_shared<Source>(host.ledger(), "Org");
    }
    static void set(Sink& sink, const std::shared_ptr<Source>& source) { sink.setViews(source); }
    static std::shared_ptr<HostObject> get(Sink& sink) { return sink.Views(); }
};

struct PresentedObjectsCase {
    using Sink = CPresentedObjectColEvent;
    using Source = test::FakePresentedObjects;
    static constexpr const char* context = "CPresentedObjectColEvent";
    static constexpr const char* operations = "PresentedObjects";
    static std::shared_ptr<Source> make(FakeHost& host) {
        return std::make_shared<Source>(host.ledger(), "View");
    }
    static void set(Sink& sink, const std::shared_ptr<Source>& source) { sink.setPresentedObjects(source); }
    static std::shared_ptr<HostObject> get(Sink& sink) { return sink.PresentedObjects(); }
};

template <class Case> class CollectionEvent : public testing::Test {
protected:
    using Sink = typename Case::Sink;

    std::unique_ptr<Sink> makeSink() {
        auto sink = std::make_unique<Sink>();
        sink->LoadComplete = [this] { ++loadCompletes; };
        return sink;
    }
    static std::string op(const char* name) { return std::string(Case::operations) + "." + name; }

    test::ReporterScope reporter;
    FakeHost host;
    int loadCompletes = 0;
};

using Cases = testing::Types<OrganisationsCase, ViewsCase, PresentedObjectsCase>;
TYPED_TEST_SUITE(CollectionEvent, Cases);

TYPED_TEST(CollectionEvent, ANewSinkIsNotSubscribedAndHandsBackNothing) {
    auto sink = this->makeSink();
    EXPECT_FALSE(sink->IsSubscribed());
    EXPECT_EQ(TypeParam::get(*sink), nullptr);
}

TYPED_TEST(CollectionEvent, OnlyLoadCompletionRaisesLoadComplete) {
    auto source = TypeParam::make(this->host);
    auto sink = this->makeSink();
    TypeParam::set(*sink, source);
    ASSERT_TRUE(sink->IsSubscribed());
    EXPECT_EQ(TypeParam::get(*sink), source);

    for (int32_t type : {0, -1, 2, 3, 99}) {
        source->raise(type);
    }
    EXPECT_EQ(this->loadCompletes, 0);
    source->raise(1);
    EXPECT_EQ(this->loadCompletes, 1);
}

TYPED_TEST(CollectionEvent, SettingTheSameSourceTwiceRemovesTheFirstRegistrationBeforeAddingAgain) {
    auto source = TypeParam::make(this->host);
    auto sink = this->makeSink();
    TypeParam::set(*sink, source);
    TypeParam::set(*sink, source);
    EXPECT_THAT(source->subscriptionLog(),
                ElementsAre("AddSubscriber -> 1", "RemoveSubscriber(1)", "AddSubscriber -> 2"));
    EXPECT_TRUE(sink->IsSubscribed());
    source->raise(1);
    EXPECT_EQ(this->loadCompletes, 1);
}

TYPED_TEST(CollectionEvent, MovingToAnotherCollectionLeavesTheFirstOne) {
    auto first = TypeParam::make(this->host);
    auto second = TypeParam::make(this->host);
    auto sink = this->makeSink();
    TypeParam::set(*sink, first);
    TypeParam::set(*sink, second);
    EXPECT_EQ(first->subscriberCount(), 0u);
    EXPECT_EQ(TypeParam::get(*sink), second);
    first->raise(1);
    EXPECT_EQ(this->loadCompletes, 0);
    second->raise(1);
    EXPECT_EQ(this->loadCompletes, 1);
}

TYPED_TEST(CollectionEvent, SettingNothingUnsubscribesAndOnAnUnsubscribedSinkMakesNoHostCall) {
    auto source = TypeParam::make(this->host);
    auto sink = this->makeSink();
    TypeParam::set(*sink, nullptr);
    EXPECT_THAT(this->host.calls(), IsEmpty());

    TypeParam::set(*sink, source);
    TypeParam::set(*sink, nullptr);
    EXPECT_THAT(source->subscriptionLog(), ElementsAre("AddSubscriber -> 1", "RemoveSubscriber(1)"));
    EXPECT_FALSE(sink->IsSubscribed());
    EXPECT_EQ(TypeParam::get(*sink), nullptr);
}

TYPED_TEST(CollectionEvent, ACookieOfMinusOneLeavesTheSinkUnsubscribedAndNothingIsRemovedLater) {
    auto source = TypeParam::make(this->host);
    auto sink = this->makeSink();
    source->answerNextAddWith(-1);
    TypeParam::set(*sink, source);
    EXPECT_FALSE(sink->IsSubscribed());
    EXPECT_EQ(TypeParam::get(*sink), nullptr);

    TypeParam::set(*sink, nullptr);
    sink.reset();
    EXPECT_EQ(this->host.callCount(this->op("RemoveSubscriber")), 0);
    EXPECT_EQ(this->reporter->count(), 0u);
}

TYPED_TEST(CollectionEvent, DestroyingASubscribedSinkRemovesItFromTheHostOnce) {
    auto source = TypeParam::make(this->host);
    auto sink = this->makeSink();
    TypeParam::set(*sink, source);
    sink.reset();
    EXPECT_THAT(source->subscriptionLog(), ElementsAre("AddSubscriber -> 1", "RemoveSubscriber(1)"));
    EXPECT_EQ(source->subscriberCount(), 0u);
}

TYPED_TEST(CollectionEvent, ARefusedSubscriptionIsReportedOnceAndTheSourceIsReleased) {
    auto source = TypeParam::make(this->host);
    std::weak_ptr<typename TypeParam::Source> watch = source;
    auto sink = this->makeSink();
    this->host.failOn(this->op("AddSubscriber"));

    TypeParam::set(*sink, source); // returns normally
    ASSERT_EQ(this->reporter->count(), 1u);
    const auto& report = this->reporter->reports()[0];
    EXPECT_EQ(report.procedure, std::string(TypeParam::context) + "::Subscribe");
    EXPECT_EQ(report.source, "FakeHost");
    EXPECT_EQ(report.number, test::FakeHostLedger::InjectedErrorNumber);
    EXPECT_EQ(report.style, 48);
    EXPECT_FALSE(sink->IsSubscribed());
    EXPECT_EQ(TypeParam::get(*sink), nullptr);
    source.reset();
    EXPECT_TRUE(watch.expired());

    // The sink keeps working.
    auto next = TypeParam::make(this->host);
    TypeParam::set(*sink, next);
    next->raise(1);
    EXPECT_EQ(this->loadCompletes, 1);
    EXPECT_EQ(this->reporter->count(), 1u);
}

TYPED_TEST(CollectionEvent, AFailedRemovalIsReportedAndTheSinkStillEndsUnsubscribed) {
    auto source = TypeParam::make(this->host);
    auto sink = this->makeSink();
    TypeParam::set(*sink, source);
    this->host.failOn(this->op("RemoveSubscriber"));

    TypeParam::set(*sink, nullptr);
    ASSERT_EQ(this->reporter->count(), 1u);
    EXPECT_EQ(this->reporter->reports()[0].procedure, std::string(TypeParam::context) + "::UnSubscribe");
    EXPECT_FALSE(sink->IsSubscribed());
    EXPECT_EQ(TypeParam::get(*sink), nullptr);

    // A later set does not try to remove the lost registration again, and subscribes afresh.
    auto next = TypeParam::make(this->host);
    TypeParam::set(*sink, next);
    EXPECT_EQ(this->host.callCount(this->op("RemoveSubscriber")), 1);
    EXPECT_TRUE(sink->IsSubscribed());
    EXPECT_EQ(this->reporter->count(), 1u);
}

TEST(OrganisationsEvent, AnObjectThatReportsNoProgressIsRefusedAsATypeMismatch) {
    // An organisations collection without an event source of its own.
    class SilentOrganisations : public IKVOrganisations {
    public:
        int32_t Count() override { return 0; }
        std::shared_ptr<IKVOrganisation> Item(int32_t) override { return nullptr; }
        void Load() override {}
    };
    test::ReporterScope reporter;
    COrganisationsEvent sink;
    sink.setOrganisations(std::make_shared<SilentOrganisations>());
    ASSERT_EQ(reporter->count(), 1u);
    EXPECT_EQ(reporter->reports()[0].number, err::TypeMismatch);
    EXPECT_EQ(reporter->reports()[0].procedure, "COrganisationEvent::Subscribe");
    EXPECT_FALSE(sink.IsSubscribed());
}

TEST(PresentedObjectsEvent, AHandlerMayMoveTheSinkToAnotherViewWhileTheHostDelivers) {
    test::ReporterScope reporter;
    FakeHost host = FakeHost::Builder().organisation("By Plot Area").view("Area 1").view("Area 2").build();
    auto first = host.objects("By Plot Area", "Area 1");
    auto second = host.objects("By Plot Area", "Area 2");
    CPresentedObjectColEvent sink;
    int completions = 0;
    sink.LoadComplete = [&] {
        ++completions;
        sink.setPresentedObjects(second); // as a refresh started from a completion does
    };
    sink.setPresentedObjects(first);
    first->Load(1);
    host.completeLoads();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(first->subscriberCount(), 0u);
    EXPECT_EQ(sink.PresentedObjects(), second);
    EXPECT_EQ(reporter->count(), 0u);
}

} // namespace
} // namespace kv380
