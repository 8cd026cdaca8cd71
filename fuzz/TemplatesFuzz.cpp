// The drawing templates document, as the Symbol Library hands it over, made into the Symbol Map dialog's
// folder tree: any text parsed as XML, any target class, a symbol root with a few folders on disk. The tree
// must come out whole: keys unique, every parent added before its children, node numbers rising from 101.
#include "symbolmap/FolderTree.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <pugixml.hpp>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>

namespace {

// A symbol root with nested folders for the "\*" expansion, made once for the process.
struct SymbolRoot {
    std::string folder = (std::filesystem::temp_directory_path() / "kv380-fuzz-symbols-XXXXXX").string();

    SymbolRoot() {
        FUZZ_CHECK(mkdtemp(folder.data()) != nullptr);
        for (const char* path : {"Pumps", "Valves/Gate", "Valves/Ball/Small", "Valves/b", "Blocks"}) {
            std::filesystem::create_directories(std::filesystem::path(folder) / path);
        }
    }
    ~SymbolRoot() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SymbolRoot root;
    FuzzedDataProvider input(data, size);
    const std::string target = input.ConsumeRandomLengthString(16);
    const std::string xml = input.ConsumeRemainingBytesAsString();

    pugi::xml_document templates;
    templates.load_buffer(xml.data(), xml.size()); // a document that does not parse is whatever it holds
    const auto nodes = kv380::folderTreeNodes(templates, target, root.folder);

    std::set<std::string> keys;
    int lastNumber = kv380::FolderNodeNumberBase;
    for (const auto& node : nodes) {
        FUZZ_CHECK(keys.insert(node.key).second); // unique
        FUZZ_CHECK(node.parentKey.empty() ? node.key == kv380::FolderTreeRootKey
                                          : keys.count(node.parentKey) == 1);
        if (node.key != kv380::FolderTreeRootKey) {
            const int number = std::atoi(node.key.c_str());
            FUZZ_CHECK(number > lastNumber);
            FUZZ_CHECK(node.key.find(':') != std::string::npos);
            lastNumber = number;
        }
    }
    FUZZ_CHECK(nodes.empty() || nodes.front().key == kv380::FolderTreeRootKey);
    return 0;
}
