// The list filter's wildcard matching: one million (pattern, name) pairs of ordinary patterns and tag-like
// names, each pattern compiled once for its share of the names as a fill compiles it, against glibc's
// fnmatch on the same pairs (C locale, flags 0, "#" written as "[0-9]"), and against compiling the pattern
// again for every name. Each benchmark iteration is one match, so the time column is the time per match.
#include "stockpile/Wildcard.h"

#include <benchmark/benchmark.h>

#include <fnmatch.h>

#include <clocale>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace kv380;

constexpr std::size_t kPairs = 1'000'000;

const std::vector<std::string> kPatterns = {"P-1*",  "*-10?",  "FV-[0-9]#*", "[!X]*",
                                            "TK-*A", "HX-2??", "*B",         "[A-F]?-#*"};

// The same pattern in fnmatch's syntax: "#" outside brackets is "[0-9]"; brackets ("[!" included) are
// the same in both.
std::string forFnmatch(const std::string& pattern) {
    std::string out;
    bool inBrackets = false;
    for (char c : pattern) {
        if (inBrackets) {
            inBrackets = c != ']';
            out += c;
        } else if (c == '#') {
            out += "[0-9]";
        } else {
            inBrackets = c == '[';
            out += c;
        }
    }
    return out;
}

struct Workload {
    std::vector<std::string> names;
    std::vector<std::size_t> patternOf; // the pattern of each pair; a pattern's pairs are consecutive
    std::vector<WildcardPattern> compiled;
    std::vector<std::string> fnmatchPatterns;

    Workload() {
        const char* prefixes[] = {"P", "FV", "TK", "XV", "HX", "PV", "E", "C", "XP", "FIC"};
        const char* suffixes[] = {"", "", "A", "B", "C"};
        std::mt19937 random(380);
        names.reserve(kPairs);
        patternOf.reserve(kPairs);
        for (std::size_t i = 0; i < kPairs; ++i) {
            std::string name = prefixes[random() % std::size(prefixes)];
            name += '-';
            name += std::to_string(random() % (random() % 2 ? 10'000 : 1'000));
            name += suffixes[random() % std::size(suffixes)];
            names.push_back(std::move(name));
            patternOf.push_back(i * kPatterns.size() / kPairs);
        }
        for (const std::string& pattern : kPatterns) {
            compiled.emplace_back(pattern);
            fnmatchPatterns.push_back(forFnmatch(pattern));
        }
    }

    // Whether both matchers agree on every pair; prints the first disagreement.
    bool agree(std::size_t& matched) const {
        matched = 0;
        for (std::size_t i = 0; i < kPairs; ++i) {
            const bool ours = compiled[patternOf[i]].matches(names[i]);
            const bool theirs = ::fnmatch(fnmatchPatterns[patternOf[i]].c_str(), names[i].c_str(), 0) == 0;
            if (ours != theirs) {
                std::fprintf(stderr, "disagreement: pattern %s name %s\n", kPatterns[patternOf[i]].c_str(),
                             names[i].c_str());
                return false;
            }
            matched += ours ? 1 : 0;
        }
        return true;
    }
};

const Workload& workload() {
    static const Workload w;
    return w;
}

void BM_CompiledOnce(benchmark::State& state) {
    const Workload& w = workload();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.compiled[w.patternOf[i]].matches(w.names[i]));
        i = i + 1 == kPairs ? 0 : i + 1;
    }
}
BENCHMARK(BM_CompiledOnce);

void BM_Fnmatch(benchmark::State& state) {
    const Workload& w = workload();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(::fnmatch(w.fnmatchPatterns[w.patternOf[i]].c_str(), w.names[i].c_str(), 0));
        i = i + 1 == kPairs ? 0 : i + 1;
    }
}
BENCHMARK(BM_Fnmatch);

void BM_CompiledPerCall(benchmark::State& state) {
    const Workload& w = workload();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WildcardPattern(kPatterns[w.patternOf[i]]).matches(w.names[i]));
        i = i + 1 == kPairs ? 0 : i + 1;
    }
}
BENCHMARK(BM_CompiledPerCall);

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    std::size_t matched = 0;
    if (!workload().agree(matched)) {
        return 1;
    }
    std::printf("%zu pairs, %zu match\n", kPairs, matched);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
