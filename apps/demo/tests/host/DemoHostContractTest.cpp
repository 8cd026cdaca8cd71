#include "common/TempFolder.h"
#include "host/HostContractTests.h"
#include "model/DemoHost.h"
#include "model/DemoPaths.h"
#include "model/drawing/DrawingApplication.h"
#include "platform/ManualScheduler.h"

namespace kv380::demo::test {
namespace {

// The demo host on the sample workspace; its loads complete when the scheduler runs, as on the event loop.
class DemoHostUnderTest : public kv380::test::HostUnderTest {
public:
    std::shared_ptr<DrwApplication> application() override { return m_host->application(); }
    void settle() override { m_scheduler->runUntilIdle(); }

private:
    TempFolder m_data;
    std::shared_ptr<ManualScheduler> m_scheduler = std::make_shared<ManualScheduler>();
    std::unique_ptr<DemoHost> m_host = DemoHost::create({.examplesFolder = defaultExamplesFolder(),
                                                         .dataFolder = m_data.path().string(),
                                                         .scheduler = m_scheduler});
};

} // namespace
} // namespace kv380::demo::test

namespace kv380::test {

INSTANTIATE_TEST_SUITE_P(DemoHost, HostContract,
                         testing::Values(HostContractCase{
                             "SampleWorkspace",
                             [] { return std::make_unique<kv380::demo::test::DemoHostUnderTest>(); }}),
                         HostContractCase::name);

} // namespace kv380::test
