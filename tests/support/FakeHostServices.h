#pragma once

#include "host/HostServices.h"
#include "host/IKVSymbolInfo.h"
#include "support/FakeHostLedger.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kv380::test {

class FakeWorkspace;

struct SymbolBehaviour {
    int32_t behaviour = 0;
    std::string expansionTargetClass{};
};

struct DatasheetRequest {
    std::shared_ptr<IKVWorkspace> workspace{};
    int32_t objectId = 0;
    std::size_t array1Size = 0;
    std::size_t array2Size = 0;
};

struct DeleteRequest {
    std::shared_ptr<IKVWorkspace> workspace{};
    std::vector<int32_t> ids{};
};

// The outside classes the component creates, scripted and recorded in one place. The fake host installs
// their factories for its lifetime.
struct FakeServicesData {
    // Behaviour of a symbol by the path it was placed with; unknown paths behave as 0.
    std::map<std::string, SymbolBehaviour> behaviours{};
    std::vector<std::string> symbolsRead{};
    // Whether the datasheet editor factory has an editor to give.
    bool editorAvailable = true;
    std::vector<std::shared_ptr<IKVWorkspace>> editorRequests{};
    // The editor's calls in order: "setVisible(true)", "Activate", "OpenObject(42)".
    std::vector<std::string> editorCalls{};
    std::vector<DatasheetRequest> datasheetRequests{};
    std::vector<DeleteRequest> deleteRequests{};
};

// Creates the doubles; the deleter removes the deleted objects from the workspace's views.
OutsideClassFactories fakeOutsideClassFactories(std::shared_ptr<FakeHostLedger> ledger,
                                                std::shared_ptr<FakeServicesData> data,
                                                std::shared_ptr<FakeWorkspace> workspace);

} // namespace kv380::test
