// The game generator: a random target, six random distinct tiles, and a
// search that proves the game solvable, up to 50 times.
#include "Hasard.h"
#include "Module1.h"

namespace Module1 {
namespace {

constexpr double EtendueCible = 899;
constexpr double BaseCible = 100;
constexpr double EtenduePlaques = 24;
constexpr double BasePlaques = 1;
constexpr std::int16_t LimiteEssais = 50;

// A fresh value r, 0 <= r < 1, reseeded from the clock first, and mapped on
// base .. base + span - 1. The product stays in double precision: in single,
// r just below 1 times 899 would round up to 899 and give 999.
std::int16_t Tire(double etendue, double base) {
    Runtime::Reinitialise(Runtime::HeureDuJour());
    const double r = Runtime::Aleatoire();
    return Runtime::VersEntier16(Runtime::Plancher(r * etendue) + base);
}

}  // namespace

std::int16_t TireNombreATrouver() {
    return Tire(EtendueCible, BaseCible);
}

void TirePlaques() {
    Runtime::Tableau<std::int16_t, 0, 5> choix;
    std::int16_t nombreChoisis = 0;
    do {
        const std::int16_t p = Tire(EtenduePlaques, BasePlaques);
        // Judged by tile index: the two tiles of one small value are distinct.
        Booleen doublon = Runtime::Faux;
        for (std::int16_t k = 0; k <= 5; ++k) {
            if (choix[k] == p) {
                doublon = Runtime::Vrai;
                break;
            }
        }
        if (!doublon) {
            choix[nombreChoisis] = p;
            nombreChoisis = Runtime::Ajoute<std::int16_t>(nombreChoisis, 1);
        }
    } while (nombreChoisis <= 5);

    // The game state changes only once all six are picked.
    for (std::int16_t j = 0; j <= 5; ++j) {
        IndexTirage[j] = choix[j];
        Tirage[j] = Runtime::Choisit(choix[j], Plaques);
    }
}

Booleen GenerePartie() {
    for (std::int16_t essai = 1; essai <= LimiteEssais; ++essai) {
        NombreATrouver = TireNombreATrouver();
        TirePlaques();
        InitEtapes(NombreATrouver);
        if (EstDansTirage(NombreATrouver)) return Runtime::Vrai;
        if (Recherche(NumEtape)) return Runtime::Vrai;
    }
    return Runtime::Faux;
}

}  // namespace Module1
