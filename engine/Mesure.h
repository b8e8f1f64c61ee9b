// Counters for the benchmarks: they change nothing that the engine does.
#pragma once

#include <cstdint>

namespace Module1::Mesure {

// Calls of Recherche since the start of the run.
inline std::uint64_t AppelsRecherche = 0;

}  // namespace Module1::Mesure
