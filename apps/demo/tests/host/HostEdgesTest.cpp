#include "common/TempFolder.h"
#include "model/ForwardingErrorReporter.h"
#include "model/HostContext.h"
#include "model/workspace/EventSource.h"
#include "platform/AutomationError.h"
#include "platform/ManualScheduler.h"
#include "support/RecordingErrorReporter.h"

#include <gmock/gmock.h>

namespace kv380::demo::test {
namespace {

using testing::ElementsAre;

class Subscriber : public IKVEventSubscriber {
public:
    explicit Subscriber(std::function<void()> handler = {}) : m_handler(std::move(handler)) {}
    void OnEvent(int32_t lEventType, const VariantArray&) override {
        events.push_back(lEventType);
        if (m_handler) {
            m_handler();
        }
    }
    std::vector<int32_t> events;

private:
    std::function<void()> m_handler;
};

TEST(HostEvents, AFailingHandlerDoesNotKeepTheEventFromTheOthers) {
    EventSource source;
    Subscriber failing([] { raise(err::TypeMismatch); });
    Subscriber other;
    int32_t a = -1, b = -1;
    source.AddSubscriber(&failing, a);
    source.AddSubscriber(&other, b);

    EXPECT_THROW(source.raiseEvent(1), AutomationError);
    EXPECT_THAT(failing.events, ElementsAre(1));
    EXPECT_THAT(other.events, ElementsAre(1));
    EXPECT_THROW(source.RemoveSubscriber(4711), AutomationError);
    EXPECT_THROW(source.AddSubscriber(nullptr, a), AutomationError);
}

TEST(HostEvents, WorkThatFailsLaterIsReportedAndGoesNoFurther) {
    kv380::test::ReporterScope reports;
    auto scheduler = std::make_shared<ManualScheduler>();
    HostContext context(nullptr, scheduler);
    context.later("Views.Load", [] { throw AutomationError(51, "KV380 Demo Workspace", "disk gone"); });
    bool ran = false;
    context.later("Next", [&] { ran = true; });

    scheduler->runUntilIdle();
    ASSERT_EQ(reports->count(), 1u);
    EXPECT_EQ(reports->reports()[0].procedure, "Views.Load");
    EXPECT_EQ(reports->reports()[0].description, "disk gone");
    EXPECT_TRUE(ran);
}

TEST(ErrorReports, GoToTheSinkAsOneLine) {
    std::vector<std::string> lines;
    ForwardingErrorReporter reporter([&](const ErrorReportEntry& e) { lines.push_back(reportLine(e)); });
    reporter.Report("", "Could not find symbol X.sym for item P-1", "", 0, 9999,
                    "ctlStockpile::ConvertSymbolPath", 48, 0, 0);
    reporter.Report("projStockpile.ctlStockpile", "Type mismatch", "", 0, 13, "", 48, 0, 0);
    EXPECT_THAT(lines,
                ElementsAre("Error 9999 in ctlStockpile::ConvertSymbolPath: Could not find symbol X.sym "
                            "for item P-1",
                            "Error 13: Type mismatch [projStockpile.ctlStockpile]"));

    reporter.setSink([](const ErrorReportEntry&) { raise(err::InternalError); });
    EXPECT_THROW(reporter.Report("", "", "", 0, 1, "", 48, 0, 0), AutomationError);
}

} // namespace
} // namespace kv380::demo::test
