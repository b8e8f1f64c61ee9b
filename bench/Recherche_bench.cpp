// Time of one whole solve request on fixed games, and per call of Recherche.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <numeric>

#include "Mesure.h"
#include "Module1.h"
#include "TestJeu.h"

namespace {

using Jeu = std::array<std::int16_t, 6>;

std::uint64_t Erreurs() {
    const auto& niveaux = Module1::Mesure::ErreursParNiveau;
    return std::accumulate(niveaux.begin(), niveaux.end(), std::uint64_t{0});
}

void BM_Demande(benchmark::State& state, Jeu nombres, std::int16_t cible) {
    const std::uint64_t avant = Module1::Mesure::AppelsRecherche;
    const std::uint64_t erreursAvant = Erreurs();
    for (auto _ : state)
        benchmark::DoNotOptimize(TestJeu::Resout(cible, nombres));
    const double appels = static_cast<double>(Module1::Mesure::AppelsRecherche - avant);
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["appels/demande"] = appels / iterations;
    state.counters["erreurs/demande"] = static_cast<double>(Erreurs() - erreursAvant) / iterations;
    state.counters["temps/appel"] =
        benchmark::Counter(appels, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK_CAPTURE(BM_Demande, 248_exemple1, Jeu{2, 3, 7, 25, 50, 100}, 248);
BENCHMARK_CAPTURE(BM_Demande, 345_exemple2, Jeu{9, 1, 10, 2, 75, 3}, 345);
BENCHMARK_CAPTURE(BM_Demande, 625_exemple3, Jeu{1, 6, 8, 10, 25, 75}, 625);
BENCHMARK_CAPTURE(BM_Demande, 866_sans_chaine, Jeu{2, 4, 10, 4, 2, 8}, 866);
BENCHMARK_CAPTURE(BM_Demande, 983_petites, Jeu{1, 1, 2, 2, 3, 3}, 983);
BENCHMARK_CAPTURE(BM_Demande, 999_grandes, Jeu{100, 75, 50, 25, 1, 1}, 999);
BENCHMARK_CAPTURE(BM_Demande, 999_depassements, Jeu{100, 75, 50, 25, 10, 10}, 999);

}  // namespace
