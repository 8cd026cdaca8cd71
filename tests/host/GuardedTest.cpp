#include "host/Guarded.h"
#include "support/RecordingErrorReporter.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kv380 {
namespace {

TEST(Guarded, AHostFailureIsReportedOnceWithTheContextAndTheProcedureEndsNormally) {
    test::ReporterScope reporter;
    int result = 0;
    const bool completed = guarded("UserControl_Resize", "projStockpile.ctlStockpile", [&] {
        result = 7;
        throw AutomationError(1234, "HostSource", "host went away", "host.hlp", 77);
    });
    EXPECT_FALSE(completed);
    EXPECT_EQ(result, 7); // the value held at the moment of the error
    ASSERT_EQ(reporter->count(), 1u);
    const auto& r = reporter->reports()[0];
    EXPECT_EQ(r.source, "projStockpile.ctlStockpile");
    EXPECT_EQ(r.description, "host went away");
    EXPECT_EQ(r.helpFile, "host.hlp");
    EXPECT_EQ(r.helpContext, 77);
    EXPECT_EQ(r.number, 1234);
    EXPECT_EQ(r.procedure, "UserControl_Resize");
    EXPECT_EQ(r.style, 48);
    EXPECT_EQ(r.reserved1, 0);
    EXPECT_EQ(r.reserved2, 0);
}

TEST(Guarded, WithoutASourceOfItsOwnTheErrorsSourceIsPassed) {
    test::ReporterScope reporter;
    guarded("CViewsEvent::Subscribe", [] { throw AutomationError(5, "KVHost", "no"); });
    ASSERT_EQ(reporter->count(), 1u);
    EXPECT_EQ(reporter->reports()[0].source, "KVHost");
}

TEST(Guarded, StandardExceptionsAreReportedAsInternalErrors) {
    test::ReporterScope reporter;
    guarded("X", [] { throw std::runtime_error("boom"); });
    ASSERT_EQ(reporter->count(), 1u);
    EXPECT_EQ(reporter->reports()[0].number, 51);
    EXPECT_EQ(reporter->reports()[0].description, "boom");
}

TEST(Guarded, AFailingReportReachesTheCaller) {
    test::ReporterScope reporter;
    reporter->failWith(AutomationError(70, "Reporter", "cannot report"));
    EXPECT_THROW(guarded("X", [] { raise(err::TypeMismatch); }), AutomationError);
}

TEST(Guarded, ACompletedBodyReportsNothing) {
    test::ReporterScope reporter;
    EXPECT_TRUE(guarded("X", [] {}));
    EXPECT_EQ(reporter->count(), 0u);
}

} // namespace
} // namespace kv380
