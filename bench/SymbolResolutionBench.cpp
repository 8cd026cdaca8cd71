// Making a view's symbol paths absolute when many of them are resolvable only by name: one depth-first walk
// of the symbol tree per such symbol, against one name index built per pass. Both run over the same
// generated tree and the same symbols in one run.
#include "platform/fs/Folder.h"
#include "symbols/FileSystemUtilities.h"
#include "symbols/SymbolFinder.h"
#include "symbols/SymbolPathResolution.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace kv380;

constexpr int kTopFolders = 20;
constexpr int kSubFoldersEach = 24; // 20 + 20 * 24 = 500 folders
constexpr int kFilesPerFolder = 40; // 20,000 files
constexpr int kSymbols = 10'000;
// Each walks the whole tree in the walking pass (500 folders listed): enough to compare, few enough that the
// walking pass does not keep a shared machine busy for minutes.
constexpr int kResolvableByNameOnly = 200;

// The generated symbol tree and the symbol texts of the objects, removed again at exit.
class Workload {
public:
    Workload() {
        m_native =
            std::filesystem::temp_directory_path() / ("kv380-bench-symbols-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_native);
        std::vector<std::string> folders; // relative, system form
        for (int top = 0; top < kTopFolders; ++top) {
            const std::string topName = "Group" + std::to_string(top);
            folders.push_back(topName);
            for (int sub = 0; sub < kSubFoldersEach; ++sub) {
                folders.push_back(topName + "\\Set" + std::to_string(sub));
            }
        }
        std::vector<std::string> files; // relative, system form
        for (size_t f = 0; f < folders.size(); ++f) {
            std::filesystem::path folder = m_native;
            for (const auto& part : splitSystemPath(folders[f])) {
                folder /= part;
            }
            std::filesystem::create_directories(folder);
            for (int n = 0; n < kFilesPerFolder; ++n) {
                std::string name = "S";
                name += std::to_string(f);
                name += '_';
                name += std::to_string(n);
                name += ".sym";
                std::ofstream(folder / name) << name;
                files.push_back(folders[f] + "\\" + name);
            }
        }

        root = m_native.string();
        rootFolder = fs::Folder::open(root);
        rootDirectory = AddTrailingBackslash(rootFolder->Path());

        std::mt19937 random(380u);
        std::uniform_int_distribution<size_t> anyFile(0, files.size() - 1);
        for (int i = 0; i < kSymbols; ++i) {
            const std::string& file = files[anyFile(random)];
            if (i < kResolvableByNameOnly) {
                // Moved since it was stored: only its name still leads to it.
                symbols.push_back("Retired\\" + FileNameOf(file));
            } else if (i % 2 == 0) {
                symbols.push_back(file);
            } else {
                symbols.push_back((i % 10 == 1 ? "\\\\" : "") + rootDirectory + file);
            }
        }
        std::shuffle(symbols.begin(), symbols.end(), random);
    }
    ~Workload() {
        std::error_code ec;
        std::filesystem::remove_all(m_native, ec);
    }
    Workload(const Workload&) = delete;
    Workload& operator=(const Workload&) = delete;

    std::string root;
    std::shared_ptr<fs::Folder> rootFolder;
    std::string rootDirectory;
    std::vector<std::string> symbols;

private:
    static std::vector<std::string> splitSystemPath(const std::string& path) {
        std::vector<std::string> parts;
        size_t start = 0;
        for (size_t end; (end = path.find('\\', start)) != std::string::npos; start = end + 1) {
            parts.push_back(path.substr(start, end - start));
        }
        parts.push_back(path.substr(start));
        return parts;
    }

    std::filesystem::path m_native;
};

const Workload* workload = nullptr;

// One conversion pass over every symbol: the paths the objects would get.
std::vector<std::string> convertAll(SymbolFinder finder) {
    std::vector<std::string> written;
    written.reserve(workload->symbols.size());
    for (const std::string& symbol : workload->symbols) {
        const SymbolPathResolution r = resolveSymbolPath(symbol, workload->rootDirectory, finder);
        written.push_back(r.writesSymbol() ? r.newSymbol : symbol);
        if (!r.succeeded()) {
            throw std::runtime_error("unresolved symbol " + symbol);
        }
    }
    return written;
}

void runPass(benchmark::State& state, SymbolFinder (*make)(std::shared_ptr<fs::Folder>)) {
    for (auto _ : state) {
        // The finder is made inside the timed loop: the indexed pass pays for building its index.
        auto written = convertAll(make(workload->rootFolder));
        benchmark::DoNotOptimize(written.data());
    }
    state.counters["symbols"] = static_cast<double>(workload->symbols.size());
}

void BM_ConvertWalkingPerSymbol(benchmark::State& state) {
    runPass(state, &SymbolFinder::walking);
}
void BM_ConvertIndexedPerPass(benchmark::State& state) {
    runPass(state, &SymbolFinder::indexed);
}

BENCHMARK(BM_ConvertWalkingPerSymbol)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ConvertIndexedPerPass)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    const Workload generated;
    workload = &generated;
    // Both passes must give the objects the same paths, or the timings compare different work.
    if (convertAll(SymbolFinder::walking(generated.rootFolder)) !=
        convertAll(SymbolFinder::indexed(generated.rootFolder))) {
        std::fprintf(stderr, "the walking and the indexed pass disagree\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
