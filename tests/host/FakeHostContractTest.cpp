#include "HostContractTests.h"

#include "platform/ManualScheduler.h"
#include "support/FakeHost.h"

namespace kv380::test {
namespace {

FakeHost::Builder sampleWorkspace() {
    FakeHost::Builder builder;
    builder.organisation("By Plot Area")
        .view("All Objects", "PFD")
        .object({.id = "47", .key = "P-101", .symbol = "Pumps\\Centrifugal.sym"})
        .object({.id = "48", .key = "V-200", .symbol = "Vessels\\Drum.sym"})
        .view("Area 2", "PPID")
        .organisation("By System")
        .view("Cooling", "Sim");
    return builder;
}

// Loads complete when the test says so.
class FakeHostOnTestsWord : public HostUnderTest {
public:
    std::shared_ptr<DrwApplication> application() override { return m_host.application(); }
    void settle() override { m_host.completeLoads(); }

private:
    FakeHost m_host = sampleWorkspace().build();
};

// Loads complete through the scheduler, as they would on an event loop.
class FakeHostOnScheduler : public HostUnderTest {
public:
    std::shared_ptr<DrwApplication> application() override { return m_host.application(); }
    void settle() override { m_scheduler->runUntilIdle(); }

private:
    std::shared_ptr<ManualScheduler> m_scheduler = std::make_shared<ManualScheduler>();
    FakeHost m_host = sampleWorkspace().completeLoadsThrough(m_scheduler).build();
};

INSTANTIATE_TEST_SUITE_P(
    FakeHost, HostContract,
    testing::Values(HostContractCase{"OnTestsWord", [] { return std::make_unique<FakeHostOnTestsWord>(); }},
                    HostContractCase{"OnScheduler", [] { return std::make_unique<FakeHostOnScheduler>(); }}),
    HostContractCase::name);

} // namespace
} // namespace kv380::test
