#include "support/FakeHostLedger.h"

#include <algorithm>
#include <stdexcept>

namespace kv380::test {

AutomationError FakeHostLedger::injectedError(const std::string& operation) {
    return AutomationError(InjectedErrorNumber, "FakeHost", "injected failure of " + operation);
}

void FakeHostLedger::enter(std::string_view operation) {
    if (m_quiet) {
        return;
    }
    m_calls.emplace_back(operation);
    const int64_t count = ++m_counts[m_calls.back()];
    auto [first, last] = m_failures.equal_range(m_calls.back());
    for (auto it = first; it != last; ++it) {
        if (it->second.at == 0 || it->second.at == count) {
            if (it->second.thrower) {
                it->second.thrower();
            }
            throw it->second.error;
        }
    }
}

void FakeHostLedger::failOn(const std::string& operation, int n, std::optional<AutomationError> error) {
    if (n < 1) {
        throw std::invalid_argument("failOn counts calls from 1");
    }
    m_failures.emplace(operation, Failure{m_counts[operation] + n, error.value_or(injectedError(operation)), {}});
}

void FakeHostLedger::failAlways(const std::string& operation, std::optional<AutomationError> error) {
    m_failures.emplace(operation, Failure{0, error.value_or(injectedError(operation)), {}});
}

void FakeHostLedger::failOnWith(const std::string& operation, int n, std::function<void()> thrower) {
    if (n < 1) {
        throw std::invalid_argument("failOnWith counts calls from 1");
    }
    m_failures.emplace(operation, Failure{m_counts[operation] + n, injectedError(operation), std::move(thrower)});
}

void FakeHostLedger::loseNextCompletion(const std::string& what) {
    m_deliveryFaults.emplace_back(what, DeliveryFault::Lost);
}

void FakeHostLedger::deliverNextCompletionTwice(const std::string& what) {
    m_deliveryFaults.emplace_back(what, DeliveryFault::Twice);
}

int FakeHostLedger::callCount(const std::string& operation) const {
    int n = 0;
    for (const auto& call : m_calls) {
        n += call == operation ? 1 : 0;
    }
    return n;
}

void FakeHostLedger::requestLoad(std::string what, std::function<void()> complete) {
    const auto fault = std::find_if(m_deliveryFaults.begin(), m_deliveryFaults.end(),
                                    [&](const auto& entry) { return what.rfind(entry.first, 0) == 0; });
    if (fault != m_deliveryFaults.end()) {
        const DeliveryFault kind = fault->second;
        m_deliveryFaults.erase(fault);
        if (kind == DeliveryFault::Lost) {
            return;
        }
        complete = [once = std::move(complete)] {
            once();
            once();
        };
    }
    if (m_scheduler) {
        m_scheduler->post(std::move(complete));
    } else {
        m_loads.push_back({std::move(what), std::move(complete)});
    }
}

bool FakeHostLedger::completeNextLoad() {
    if (m_loads.empty()) {
        return false;
    }
    // Taken off the queue first: the completion may request further loads.
    auto load = std::move(m_loads.front());
    m_loads.pop_front();
    load.complete();
    return true;
}

int FakeHostLedger::completeLoads() {
    int completed = 0;
    while (completeNextLoad()) {
        if (++completed > 100000) {
            throw std::runtime_error("every completed load requests another: a reload loop");
        }
    }
    return completed;
}

std::vector<std::string> FakeHostLedger::pendingLoads() const {
    std::vector<std::string> out;
    for (const auto& load : m_loads) {
        out.push_back(load.what);
    }
    return out;
}

} // namespace kv380::test
