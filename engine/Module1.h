// The puzzle engine: the game state, shared with the window, and the
// procedures that search a chain of operations and generate solvable games.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Arithmetique.h"
#include "Tableau.h"

namespace Module1 {

using Runtime::Booleen;

// One record of the work table.
struct Etape {
    std::int32_t Valeur = 0;  // entry 0: the remainder; entries 1 to 6: a number
    std::string Operation;    // "" while the number is unused, else "+", "-", "*" or "/"
    std::int32_t Ordre = 0;   // the step at which the number was used, 0 while unused
};

// The game state: one instance for the whole run.
inline Runtime::Tableau<std::int16_t, 0, 5> Tirage;       // the six numbers of the game
inline Runtime::Tableau<std::int16_t, 0, 5> IndexTirage;  // check-box index of each drawn tile
inline std::int16_t NombreATrouver = 0;                   // the target
inline Runtime::Tableau<Etape, 0, 6> Etapes;              // the work table
inline std::int32_t NumEtape = 0;                         // the number of the next step

// The values of the 24 tiles, in check-box index order 1 to 24.
inline constexpr std::array<std::int16_t, 24> Plaques = {1,  2,   3, 4, 5, 6, 7, 8, 9, 10, 25, 50,
                                                         75, 100, 1, 2, 3, 4, 5, 6, 7, 8,  9,  10};

// Game state and work table.
void InitEtapes(const std::int16_t& Cible);
Booleen EstDansTirage(const std::int16_t& Nombre);

// Exact-target search.
Booleen Recherche(const std::int32_t& Debut);
Booleen PeutAjouter(const std::int32_t& Index);
Booleen PeutMultiplier(const std::int32_t& Index);

// Applying and undoing one operation with the number of an entry.
void AppliquePlus(const std::int32_t& Index);
void AppliqueFois(const std::int32_t& Index);
void AppliqueMoins(const std::int32_t& Index);
void AppliqueDivise(const std::int32_t& Index);
void AnnulePlus(const std::int32_t& Index);
void AnnuleFois(const std::int32_t& Index);
void AnnuleMoins(const std::int32_t& Index);
void AnnuleDivise(const std::int32_t& Index);

// Game generator.
std::int16_t TireNombreATrouver();
void TirePlaques();
Booleen GenerePartie();

}  // namespace Module1
