// How fast whole matches run without a window, and whether memory stays flat over many of them.
#include <benchmark/benchmark.h>

#include "match_runner.h"
#include "process_status.h"

namespace {

using namespace zavkari;

void WholeMatches(benchmark::State& state, HumanPolicy policy) {
    MatchConfig config;
    config.policy = policy;
    std::uint64_t seed = 1;
    long finished = 0;
    const long before = ProcessStatusKb("VmRSS");
    for (auto _ : state) {
        config.seed = seed++;
        const MatchResult result = PlayMatch(config);
        finished += result.finished ? 1 : 0;
        benchmark::DoNotOptimize(result);
    }
    state.counters["matches/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["unfinished"] =
        static_cast<double>(static_cast<long>(state.iterations()) - finished);
    state.counters["rss_growth_kb"] = static_cast<double>(ProcessStatusKb("VmRSS") - before);
}

BENCHMARK_CAPTURE(WholeMatches, random_human, HumanPolicy::Random)->MinTime(2.0);
BENCHMARK_CAPTURE(WholeMatches, legal_human, HumanPolicy::Legal)->MinTime(2.0);
// 100,000 matches in one run: the resident memory must not grow with the number of matches.
BENCHMARK_CAPTURE(WholeMatches, memory_over_100k, HumanPolicy::Random)->Iterations(100'000);

}  // namespace

BENCHMARK_MAIN();
