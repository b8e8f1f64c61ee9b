// Time of one call of GenerePartie with the real clock: median and slowest.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "Module1.h"

namespace {

void BM_GenerePartie(benchmark::State& state) {
    std::vector<double> durees;
    for (auto _ : state) {
        const auto debut = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(Module1::GenerePartie());
        durees.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
                .count());
    }
    std::sort(durees.begin(), durees.end());
    state.counters["mediane_ms"] = durees[durees.size() / 2];
    state.counters["pire_ms"] = durees.back();
}

BENCHMARK(BM_GenerePartie)->Iterations(2000)->Unit(benchmark::kMillisecond);

}  // namespace
