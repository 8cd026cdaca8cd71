#include "support/FakeSymbolStore.h"

#include "platform/fs/Folder.h"
#include "platform/fs/NativePath.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace kv380::test {

namespace {

std::string makeTemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kv380-symbols-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!::mkdtemp(buffer.data())) {
        throw std::runtime_error("cannot create a temporary symbol folder");
    }
    return std::string(buffer.data());
}

} // namespace

FakeSymbolStore::FakeSymbolStore(std::shared_ptr<FakeHostLedger> ledger)
    : m_ledger(std::move(ledger)), m_root(makeTemporaryDirectory()) {}

FakeSymbolStore::~FakeSymbolStore() {
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

std::string FakeSymbolStore::RootPath() {
    m_ledger->enter("SymbolStore.RootPath");
    return m_root;
}

std::shared_ptr<fs::Folder> FakeSymbolStore::RootFolder() {
    m_ledger->enter("SymbolStore.RootFolder");
    return fs::Folder::open(m_root);
}

std::string FakeSymbolStore::pathOf(const std::string& relativePath) const {
    return m_root + "\\" + relativePath;
}

void FakeSymbolStore::addFile(const std::string& relativePath, const std::string& content) {
    const std::filesystem::path file = fs::toNativePath(pathOf(relativePath));
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << content;
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

void FakeSymbolStore::addFolder(const std::string& relativePath) {
    std::filesystem::create_directories(fs::toNativePath(pathOf(relativePath)));
}

} // namespace kv380::test
