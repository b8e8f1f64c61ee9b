#include "Erreurs.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace Runtime {
namespace {

void FinParDefaut(Erreur e) {
    std::fprintf(stderr, "Erreur d'exécution %d : %s\n", static_cast<int>(e),
                 MessageErreur(e).c_str());
}

FinSurErreur& Fin() {
    static FinSurErreur fin = FinParDefaut;
    return fin;
}

}  // namespace

std::string MessageErreur(Erreur e) {
    switch (e) {
        case Erreur::Aucune:
            return "Aucune erreur";
        case Erreur::DepassementCapacite:
            return "Dépassement de capacité";
        case Erreur::IndiceHorsLimites:
            return "Indice hors limites";
        case Erreur::DivisionParZero:
            return "Division par zéro";
        case Erreur::TypeIncompatible:
            return "Type incompatible";
    }
    return "Erreur inconnue";
}

bool Leve(Erreur e) {
    if (detail::gestionnairesActifs > 0) {
        detail::erreurEnCours = e;
        return false;
    }
    if (Fin()) Fin()(e);
    // Whatever the box did, an unhandled error ends the program.
    std::_Exit(EXIT_FAILURE);
}

FinSurErreur RemplaceFinSurErreur(FinSurErreur fin) {
    return std::exchange(Fin(), std::move(fin));
}

}  // namespace Runtime
