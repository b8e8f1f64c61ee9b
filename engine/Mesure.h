// Counters for the benchmarks and the tests: they change nothing that the
// engine does.
#pragma once

#include <array>
#include <cstdint>

namespace Module1::Mesure {

// Calls of Recherche since the start of the run, every nested level counted.
inline std::uint64_t AppelsRecherche = 0;

// Errors ended by the handler of a level of Recherche, by nesting depth: 1 is
// the outermost level, and no search nests deeper than 8 (7 entries to use).
inline std::array<std::uint64_t, 9> ErreursParNiveau{};

}  // namespace Module1::Mesure
