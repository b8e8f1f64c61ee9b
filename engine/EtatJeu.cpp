#include "Module1.h"
#include "Texte.h"

namespace Module1 {
namespace {

// A 16-bit number carried into the work table as text and back, as the table
// has always been loaded: exact for every 16-bit value.
std::int32_t ParTexte(std::int16_t n) {
    return Runtime::VersEntier32(Runtime::VersDouble(Runtime::VersTexte(n)));
}

}  // namespace

void InitEtapes(const std::int16_t& Cible) {
    NumEtape = 1;
    Etapes[0].Valeur = ParTexte(Cible);
    for (std::int32_t k = 1; k <= 6; ++k) {
        Etapes[k].Valeur = ParTexte(Tirage[k - 1]);
        Etapes[k].Operation = "";
        Etapes[k].Ordre = 0;
    }
}

Booleen EstDansTirage(const std::int16_t& Nombre) {
    for (std::int16_t i = 0; i <= 5; ++i) {
        if (Tirage[i] == Nombre) return Runtime::Vrai;
    }
    return Runtime::Faux;
}

}  // namespace Module1
