// Helpers shared by the engine's tests.
#pragma once

#include <array>
#include <cstdint>

#include "Module1.h"

namespace TestJeu {

// Puts a game in the state and loads the work table, as a solve request does.
inline void Charge(std::int16_t cible, const std::array<std::int16_t, 6>& nombres) {
    for (std::int32_t i = 0; i < 6; ++i)
        Module1::Tirage[i] = nombres[static_cast<std::size_t>(i)];
    Module1::NombreATrouver = cible;
    Module1::InitEtapes(Module1::NombreATrouver);
}

// A whole request: the direct hit, else the search.
inline Runtime::Booleen Resout(std::int16_t cible, const std::array<std::int16_t, 6>& nombres) {
    Charge(cible, nombres);
    if (Module1::EstDansTirage(Module1::NombreATrouver)) return Runtime::Vrai;
    return Module1::Recherche(Module1::NumEtape);
}

// Runs f under an error handler and gives back the error it raised.
template <typename F>
Runtime::Erreur SousGestionnaire(F&& f) {
    Runtime::GestionnaireErreurs gestion;
    f();
    const Runtime::Erreur e = Runtime::ErreurEnCours();
    gestion.Efface();
    return e;
}

}  // namespace TestJeu
