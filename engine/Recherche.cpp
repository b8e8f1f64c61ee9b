// The exact-target search: depth first over the work table, entries 1 to 6 in
// Tirage order, and for each "+", "*", "-", "/"; the first chain found is the
// one shown, so this order is part of what the program does.
#include <cmath>

#include "Mesure.h"
#include "Module1.h"

namespace Module1 {
namespace {

using Runtime::EnErreur;
using Runtime::Faux;
using Runtime::Vrai;

constexpr std::int32_t Un = 1;

// What a level needs to give the table back as it found it.
struct Entree {
    std::int32_t reste;
    std::int32_t numEtape;
};

enum class Issue { Rien, Trouve, ErreurApplique, ErreurAnnule };

using Pas = void (*)(const std::int32_t&);

// One trial: the step, the search below it, and the step taken back when
// nothing was found there.
template <Pas Applique, Pas Annule>
Issue Essaie(const std::int32_t& j) {
    Applique(j);
    if (EnErreur()) return Issue::ErreurApplique;
    if (Recherche(Un)) return Issue::Trouve;
    Annule(j);
    if (EnErreur()) return Issue::ErreurAnnule;
    return Issue::Rien;
}

// The level's error handler. The error ends here, unseen. The entry of the
// trial is free again and the step counter back where the level found it; a
// failed apply never stored its remainder, and after a failed undo the
// remainder goes back to the level's entry value. The level then gives up.
Booleen Abandonne(Runtime::GestionnaireErreurs& gestion, const std::int32_t& j,
                  const Entree& entree, Issue issue) {
    gestion.Efface();
    if (Etapes.Contient(j)) {
        Etapes[j].Ordre = 0;
        Etapes[j].Operation.clear();
    }
    NumEtape = entree.numEtape;
    if (issue == Issue::ErreurAnnule) Etapes[0].Valeur = entree.reste;
    return Faux;
}

}  // namespace

Booleen PeutAjouter(const std::int32_t& Index) {
    const std::int32_t difference = Runtime::Soustrait(Etapes[0].Valeur, Etapes[Index].Valeur);
    return Runtime::VersBooleen(difference >= 0);
}

// Tested in single precision, as it always was: past 2^24 a quotient with a
// fraction can round to a whole one and pass.
Booleen PeutMultiplier(const std::int32_t& Index) {
    const std::int32_t nombre = Etapes[Index].Valeur;
    const float q = Runtime::VersSimple(Runtime::Divise(Etapes[0].Valeur, nombre));
    if (EnErreur()) return Faux;
    const bool auMoinsUn = q >= 1.0f;
    const bool entier = Runtime::Plancher(q) == q;
    return Runtime::VersBooleen(auMoinsUn && entier && nombre != 1);
}

namespace {

// The trials of one level, entries from the loop index up to 6, under the
// level's own error handler.
[[gnu::noinline]] Booleen Essais(std::int32_t j) {
    Runtime::GestionnaireErreurs gestion;
    const Entree entree{Etapes[0].Valeur, NumEtape};

    for (; j <= 6; ++j) {
        const bool libre = Etapes[j].Operation.empty();
        if (EnErreur()) return Abandonne(gestion, j, entree, Issue::Rien);
        if (!libre) continue;

        Issue issue = Issue::Rien;
        const Booleen peutAjouter = PeutAjouter(j);
        if (EnErreur()) return Abandonne(gestion, j, entree, Issue::Rien);
        if (peutAjouter) issue = Essaie<AppliquePlus, AnnulePlus>(j);
        if (issue == Issue::Trouve) return Vrai;
        if (issue != Issue::Rien) return Abandonne(gestion, j, entree, issue);

        const Booleen peutMultiplier = PeutMultiplier(j);
        if (EnErreur()) return Abandonne(gestion, j, entree, Issue::Rien);
        if (peutMultiplier) issue = Essaie<AppliqueFois, AnnuleFois>(j);
        if (issue == Issue::Trouve) return Vrai;
        if (issue != Issue::Rien) return Abandonne(gestion, j, entree, issue);

        issue = Essaie<AppliqueMoins, AnnuleMoins>(j);
        if (issue == Issue::Trouve) return Vrai;
        if (issue != Issue::Rien) return Abandonne(gestion, j, entree, issue);

        issue = Essaie<AppliqueDivise, AnnuleDivise>(j);
        if (issue == Issue::Trouve) return Vrai;
        if (issue != Issue::Rien) return Abandonne(gestion, j, entree, issue);
    }
    return Faux;
}

}  // namespace

Booleen Recherche(const std::int32_t& Debut) {
    ++Mesure::AppelsRecherche;
    const std::int32_t j = Debut;
    // Neither test can raise an error, so the handler and the saved state are
    // set up only for a level that makes trials: most calls end here.
    if (Etapes[0].Valeur == 0) return Vrai;
    if (NumEtape == 7) return Faux;
    return Essais(j);
}

}  // namespace Module1
