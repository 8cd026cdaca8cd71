#pragma once

#include "host/EventSubscribers.h"
#include "host/IKVEventSource.h"
#include "support/FakeHostLedger.h"

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kv380::test {

// An event source of the fake host. Records every AddSubscriber and RemoveSubscriber with its cookie, in
// the form "AddSubscriber -> 3", "AddSubscriber failed", "RemoveSubscriber(3)", "RemoveSubscriber(3) failed".
// Removing a cookie it does not hold is error 5. A failed removal leaves the registration in place.
class FakeEventSource : public virtual IKVEventSource, public std::enable_shared_from_this<FakeEventSource> {
public:
    // `name` prefixes the operations in the host's call log ("Organisations" ->
    // "Organisations.AddSubscriber").
    FakeEventSource(std::shared_ptr<FakeHostLedger> ledger, std::string name);

    void AddSubscriber(IKVEventSubscriber* subscriber, int32_t& cookie) override;
    void RemoveSubscriber(int32_t cookie) override;

    // Delivers an event as every host does (EventSubscribers::deliver): to the subscribers registered now, in
    // order; one that a handler removes meanwhile is skipped, one that a handler adds gets the next event; a
    // handler that throws does not keep it from the others, and the first error rises after the last.
    void raise(int32_t eventType, const VariantArray& args = {});

    // The next AddSubscriber succeeds but answers this cookie; -1 registers nothing.
    void answerNextAddWith(int32_t cookie) { m_scriptedCookies.push_back(cookie); }

    const std::vector<std::string>& subscriptionLog() const { return m_log; }
    std::size_t subscriberCount() const { return m_subscribers.size(); }
    std::vector<int32_t> cookies() const { return m_subscribers.cookies(); }
    bool isSubscribed(const IKVEventSubscriber* subscriber) const {
        return m_subscribers.contains(subscriber);
    }

protected:
    const std::shared_ptr<FakeHostLedger>& ledger() const { return m_ledger; }
    const std::string& sourceName() const { return m_name; }
    // Queues the completion of a Load as every host does (completeLoadLater): event type 1 to this source's
    // subscribers, later, on the test's word or through the scheduler.
    void requestLoadCompletion(std::string what);

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::string m_name;
    EventSubscribers m_subscribers;
    std::deque<int32_t> m_scriptedCookies;
    std::vector<std::string> m_log;
};

} // namespace kv380::test
