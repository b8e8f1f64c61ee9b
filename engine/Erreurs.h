// Run-time errors of the program, and the error handlers that catch them.
//
// An error raised while a handler is active is left pending: the procedure that
// raised it returns at once (each one checks EnErreur() after a step that can
// raise), and the innermost handler deals with it. That road costs a load and a
// branch, which matters: a single search meets thousands of overflows. An error
// raised with no handler active is fatal: the error box is shown and the
// program ends.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace Runtime {

enum class Erreur : std::int32_t {
    Aucune = 0,
    DepassementCapacite = 6,
    IndiceHorsLimites = 9,
    DivisionParZero = 11,
    TypeIncompatible = 13,
};

// The text of the error box for an error.
std::string MessageErreur(Erreur e);

namespace detail {
inline Erreur erreurEnCours = Erreur::Aucune;
inline std::int32_t gestionnairesActifs = 0;
}  // namespace detail

// An error awaits its handler.
inline bool EnErreur() noexcept {
    return detail::erreurEnCours != Erreur::Aucune;
}
inline Erreur ErreurEnCours() noexcept {
    return detail::erreurEnCours;
}

// Raises e. With a handler active, the error is left pending and false is
// returned (so that `return Leve(...)` ends a checked step); otherwise the
// fatal road is taken and this never returns.
bool Leve(Erreur e);

// An active error handler for the lifetime of the object, for one activation
// of a procedure. Ending the error (Efface) is the handler's own decision.
class GestionnaireErreurs {
  public:
    GestionnaireErreurs() noexcept { ++detail::gestionnairesActifs; }
    ~GestionnaireErreurs() { --detail::gestionnairesActifs; }
    GestionnaireErreurs(const GestionnaireErreurs&) = delete;
    GestionnaireErreurs& operator=(const GestionnaireErreurs&) = delete;

    // Ends the pending error: it is not seen again.
    void Efface() noexcept { detail::erreurEnCours = Erreur::Aucune; }
};

// What happens to an error that reaches no handler: shows the error box and
// ends the program. The window runtime installs its own; the default writes
// to standard error. Returns the previous one.
using FinSurErreur = std::function<void(Erreur)>;
FinSurErreur RemplaceFinSurErreur(FinSurErreur fin);

}  // namespace Runtime
