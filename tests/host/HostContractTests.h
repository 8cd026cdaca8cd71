#pragma once

// The behaviour every host implementation owes the component, written once. A test program includes this
// header in exactly one source file and instantiates the suite for its host:
//
//   INSTANTIATE_TEST_SUITE_P(MyHost, HostContract,
//                            testing::Values(kv380::test::HostContractCase{"MyHost", [] { return ...; }}),
//                            kv380::test::HostContractCase::name);
//
// The host's workspace must hold at least one organisation, whose first view presents at least one object.

#include "host/DrwApplication.h"
#include "host/HostObjectModel.h"
#include "host/IKVDwgApp.h"
#include "host/IKVEventSource.h"
#include "host/IKVSymbolStore.h"
#include "host/ctlSymbolLibrary.h"
#include "platform/AutomationError.h"
#include "platform/fs/Folder.h"
#include "support/RecordingErrorReporter.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace kv380::test {

// A host under test, as the component meets it.
class HostUnderTest {
public:
    virtual ~HostUnderTest() = default;
    // The drawing application the component is handed.
    virtual std::shared_ptr<DrwApplication> application() = 0;
    // Lets the host's pending asynchronous work run (load completions), as the event loop would.
    virtual void settle() = 0;
};

struct HostContractCase {
    std::string label;
    std::function<std::unique_ptr<HostUnderTest>()> make;

    static std::string name(const testing::TestParamInfo<HostContractCase>& info) { return info.param.label; }
    friend void PrintTo(const HostContractCase& c, std::ostream* os) { *os << c.label; }
};

// Records the event types it is handed; removes itself when it goes, as the component's sinks do.
class RecordingSubscriber : public IKVEventSubscriber {
public:
    ~RecordingSubscriber() override { unsubscribe(); }

    void subscribe(std::shared_ptr<IKVEventSource> source) {
        m_source = std::move(source);
        m_source->AddSubscriber(this, m_cookie);
    }
    void unsubscribe() {
        if (m_source && m_cookie != -1) {
            m_source->RemoveSubscriber(m_cookie);
        }
        m_source.reset();
        m_cookie = -1;
    }
    void OnEvent(int32_t lEventType, const VariantArray&) override {
        events.push_back(lEventType);
        if (onEvent) {
            onEvent();
        }
    }
    int completions() const {
        int n = 0;
        for (int32_t type : events) {
            n += type == 1 ? 1 : 0;
        }
        return n;
    }
    int32_t cookie() const { return m_cookie; }

    std::vector<int32_t> events;
    std::function<void()> onEvent;

private:
    std::shared_ptr<IKVEventSource> m_source;
    int32_t m_cookie = -1;
};

class HostContract : public testing::TestWithParam<HostContractCase> {
protected:
    void SetUp() override {
        host = GetParam().make();
        application = host->application();
        ASSERT_NE(application, nullptr);
        dwgApp = as<IKVDwgApp>(application->DatabaseServer());
        organisations = deref(dwgApp->WorkspaceModel()).Organisations();
        ASSERT_NE(organisations, nullptr);
    }

    // Loads a collection and waits for its completion.
    void loadOrganisations() {
        RecordingSubscriber done;
        done.subscribe(as<IKVEventSource>(organisations));
        organisations->Load();
        host->settle();
        ASSERT_EQ(done.completions(), 1);
    }
    std::shared_ptr<IKVViews> loadedViews() {
        loadOrganisations();
        EXPECT_GE(organisations->Count(), 1);
        auto views = deref(organisations->Item(1)).Views();
        RecordingSubscriber done;
        done.subscribe(as<IKVEventSource>(views));
        views->Unload();
        views->Load();
        host->settle();
        EXPECT_EQ(done.completions(), 1);
        return views;
    }
    std::shared_ptr<IKVPresentedObjects> loadedObjects() {
        auto views = loadedViews();
        EXPECT_GE(views->Count(), 1);
        auto objects = deref(views->Item(1)).PresentedObjects();
        RecordingSubscriber done;
        done.subscribe(as<IKVEventSource>(objects));
        objects->Load(1);
        host->settle();
        EXPECT_EQ(done.completions(), 1);
        return objects;
    }

    std::unique_ptr<HostUnderTest> host;
    std::shared_ptr<DrwApplication> application;
    std::shared_ptr<IKVDwgApp> dwgApp;
    std::shared_ptr<IKVOrganisations> organisations;
};

// Item answers for 1..Count and fails just outside.
template <class Collection> void expectOneBasedItems(Collection& collection) {
    const int32_t count = collection.Count();
    ASSERT_GE(count, 1);
    EXPECT_NE(collection.Item(1), nullptr);
    EXPECT_NE(collection.Item(count), nullptr);
    EXPECT_THROW(collection.Item(0), AutomationError);
    EXPECT_THROW(collection.Item(count + 1), AutomationError);
    EXPECT_THROW(collection.Item(-1), AutomationError);
}

TEST_P(HostContract, LoadNeverCompletesInsideLoadAndCompletionReachesEverySubscriber) {
    RecordingSubscriber first;
    RecordingSubscriber second;
    first.subscribe(as<IKVEventSource>(organisations));
    second.subscribe(as<IKVEventSource>(organisations));
    organisations->Load();
    EXPECT_TRUE(first.events.empty());
    EXPECT_TRUE(second.events.empty());
    host->settle();
    EXPECT_EQ(first.completions(), 1);
    EXPECT_EQ(second.completions(), 1);
}

TEST_P(HostContract, ViewsAndObjectsCompleteTheirLoadsLaterToo) {
    loadOrganisations();
    auto views = deref(organisations->Item(1)).Views();
    RecordingSubscriber viewsDone;
    viewsDone.subscribe(as<IKVEventSource>(views));
    views->Unload();
    views->Load();
    EXPECT_TRUE(viewsDone.events.empty());
    host->settle();
    EXPECT_EQ(viewsDone.completions(), 1);

    auto objects = deref(views->Item(1)).PresentedObjects();
    RecordingSubscriber objectsDone;
    objectsDone.subscribe(as<IKVEventSource>(objects));
    objects->Load(1);
    EXPECT_TRUE(objectsDone.events.empty());
    host->settle();
    EXPECT_EQ(objectsDone.completions(), 1);
}

TEST_P(HostContract, CookiesAreDistinctAndRemovalStopsDelivery) {
    RecordingSubscriber a, b, c;
    auto source = as<IKVEventSource>(organisations);
    a.subscribe(source);
    b.subscribe(source);
    c.subscribe(source);
    EXPECT_EQ(std::set<int32_t>({a.cookie(), b.cookie(), c.cookie()}).size(), 3u);
    EXPECT_EQ(std::set<int32_t>({a.cookie(), b.cookie(), c.cookie()}).count(-1), 0u);

    b.unsubscribe();
    organisations->Load();
    host->settle();
    EXPECT_EQ(a.completions(), 1);
    EXPECT_TRUE(b.events.empty());
    EXPECT_EQ(c.completions(), 1);
}

TEST_P(HostContract, HandlersMaySubscribeAndUnsubscribeWhileAnEventIsDelivered) {
    auto source = as<IKVEventSource>(organisations);
    RecordingSubscriber first, second;
    auto late = std::make_unique<RecordingSubscriber>();
    first.subscribe(source);
    second.subscribe(source);
    first.onEvent = [&] {
        first.unsubscribe();
        second.unsubscribe(); // a subscriber removed during delivery is not called afterwards
        late->subscribe(source);
    };
    organisations->Load();
    host->settle();
    EXPECT_EQ(first.completions(), 1);
    EXPECT_TRUE(second.events.empty());

    organisations->Load();
    host->settle();
    EXPECT_EQ(first.completions(), 1);
    EXPECT_EQ(late->completions(), 1);
}

TEST_P(HostContract, ASubscriberThatThrowsDoesNotKeepTheEventFromTheOthersAndItsErrorSurfaces) {
    ReporterScope reports;
    auto source = as<IKVEventSource>(organisations);
    RecordingSubscriber throwing, other;
    throwing.subscribe(source);
    other.subscribe(source);
    throwing.onEvent = [] { throw AutomationError(1004, "Subscriber", "refused"); };
    organisations->Load();
    bool thrown = false;
    try {
        host->settle();
    } catch (const AutomationError& e) {
        thrown = e.description() == "refused";
    }
    EXPECT_EQ(throwing.completions(), 1);
    EXPECT_EQ(other.completions(), 1);
    // Whoever raised the event hears of the error: the test settling the host, or the host's own report.
    const bool reported = reports->count() == 1 && reports->reports()[0].description == "refused";
    EXPECT_TRUE(thrown || reported);
}

TEST_P(HostContract, ItemIsOneBasedAndFailsOutsideOneToCount) {
    auto objects = loadedObjects();
    expectOneBasedItems(*organisations);
    expectOneBasedItems(*deref(organisations->Item(1)).Views());
    expectOneBasedItems(*objects);
}

TEST_P(HostContract, TheWorkspaceIsOneObjectAndAPresentedObjectIsAWorkspaceObject) {
    auto workspace = dwgApp->WorkSpace();
    auto model = dwgApp->WorkspaceModel();
    ASSERT_NE(workspace, nullptr);
    EXPECT_EQ(std::dynamic_pointer_cast<IKVWorkspaceModel>(workspace), model);

    auto object = deref(loadedObjects()).Item(1);
    auto asWorkspaceObject = std::dynamic_pointer_cast<IKVWorkspaceObject>(object);
    ASSERT_NE(asWorkspaceObject, nullptr);
    EXPECT_EQ(asWorkspaceObject->ObjectId(), object->ObjectId());
}

TEST_P(HostContract, TheSymbolStoreRootFolderPathEqualsItsRootPath) {
    auto store = dwgApp->SymbolStore();
    ASSERT_NE(store, nullptr);
    const std::string root = store->RootPath();
    EXPECT_FALSE(root.empty());
    EXPECT_EQ(deref(store->RootFolder()).Path(), root);
}

TEST_P(HostContract, TheApplicationLeadsToItsServiceAndItsSymbolLibraryBar) {
    EXPECT_EQ(dwgApp->DrawingApplication(), application);
    EXPECT_EQ(application->DialogBars("No Such Bar"), nullptr);
    EXPECT_NE(application->DialogBars("Stockpile"), nullptr);
    EXPECT_NE(symbolLibraryControl(*application), nullptr);
}

} // namespace kv380::test
