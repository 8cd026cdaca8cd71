#pragma once

#include "host/IKVSymbolStore.h"
#include "support/FakeHostLedger.h"

#include <memory>
#include <string>

namespace kv380::test {

// The symbol store over a fresh temporary directory, removed with the store. Paths are in system form;
// on Linux the root has no "\" in it, so RootPath is the directory's native path.
class FakeSymbolStore : public IKVSymbolStore {
public:
    explicit FakeSymbolStore(std::shared_ptr<FakeHostLedger> ledger);
    ~FakeSymbolStore() override;
    FakeSymbolStore(const FakeSymbolStore&) = delete;
    FakeSymbolStore& operator=(const FakeSymbolStore&) = delete;

    std::string RootPath() override;
    std::shared_ptr<fs::Folder> RootFolder() override;

    const std::string& root() const { return m_root; }
    // root, "\" and the relative path: the absolute form the host hands out.
    std::string pathOf(const std::string& relativePath) const;
    // Creates a file (and its folders) below the root; `relativePath` separates folders with "\".
    void addFile(const std::string& relativePath, const std::string& content = "symbol");
    void addFolder(const std::string& relativePath);

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::string m_root;
};

} // namespace kv380::test
