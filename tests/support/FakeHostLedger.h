#pragma once

#include "platform/AutomationError.h"
#include "platform/Scheduler.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv380::test {

// What every fake host object reports to: the log of calls into the host (by operation name, such as
// "Organisations.Load" or "PresentedObject.setSymbol"), failures injected by operation name and call count,
// subscription cookies, and the queue of loads waiting to complete.
class FakeHostLedger {
public:
    // The error an injected failure throws: number 1004, source "FakeHost", description naming the operation.
    static constexpr int32_t InjectedErrorNumber = 1004;
    static AutomationError injectedError(const std::string& operation);

    // One call into the host: logged, counted, and thrown at when a failure is due.
    void enter(std::string_view operation);

    // For benchmarks, which measure the component and not its host: while quiet, calls are neither logged
    // nor counted, and no injected failure is due.
    void setQuiet(bool quiet) { m_quiet = quiet; }

    // The n-th call of the operation from now on (1: the next one) throws; later calls succeed again.
    void failOn(const std::string& operation, int n = 1, std::optional<AutomationError> error = std::nullopt);
    // Every call of the operation from now on throws, until clearFailures.
    void failAlways(const std::string& operation, std::optional<AutomationError> error = std::nullopt);
    // The n-th call of the operation from now on throws whatever `thrower` throws: an exception that is not
    // the automation error (a standard exception, or something else altogether).
    void failOnWith(const std::string& operation, int n, std::function<void()> thrower);
    void clearFailures() {
        m_failures.clear();
        m_deliveryFaults.clear();
    }

    // Faults of the host's load completions, for the next load requested of a collection whose label starts
    // with `what` ("Organisations", "Views(Process)", "PresentedObjects(Process/..."; "" for any): its
    // completion is never delivered, or it is delivered twice in a row.
    void loseNextCompletion(const std::string& what = {});
    void deliverNextCompletionTwice(const std::string& what = {});

    const std::vector<std::string>& calls() const { return m_calls; }
    int callCount(const std::string& operation) const;
    // Forgets the log; failOn counts calls independently of it.
    void clearCalls() { m_calls.clear(); }

    // A new cookie, unique across the host.
    int32_t nextCookie() { return m_nextCookie++; }

    // A collection's Load: the completion runs later, on a test's word or through the scheduler.
    void requestLoad(std::string what, std::function<void()> complete);
    // Loads complete through this scheduler (posted, never inside Load) instead of waiting for the test.
    void completeLoadsThrough(std::shared_ptr<Scheduler> scheduler) { m_scheduler = std::move(scheduler); }
    bool completeNextLoad();
    int completeLoads();
    std::vector<std::string> pendingLoads() const;

private:
    struct Failure {
        int64_t at = 0; // the call number (of that operation) that fails; 0: every call
        AutomationError error;
        std::function<void()> thrower; // when set, throws in place of `error`
    };
    enum class DeliveryFault { Lost, Twice };
    struct Load {
        std::string what;
        std::function<void()> complete;
    };

    std::vector<std::string> m_calls;
    std::map<std::string, int64_t> m_counts;
    std::multimap<std::string, Failure> m_failures;
    std::vector<std::pair<std::string, DeliveryFault>> m_deliveryFaults;
    int32_t m_nextCookie = 1;
    std::deque<Load> m_loads;
    std::shared_ptr<Scheduler> m_scheduler;
    bool m_quiet = false;
};

} // namespace kv380::test
