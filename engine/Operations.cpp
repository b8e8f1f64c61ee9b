// The eight steps of the search: each marks or frees an entry, moves the step
// counter, and then moves the remainder the opposite way to the operation
// ("+" n takes n from it, "*" n divides it by n). The remainder comes last: a
// step that overflows leaves the entry and the counter changed and the
// remainder as it was, and the search's handler takes it from there.
#include "Module1.h"

namespace Module1 {
namespace {

using Runtime::EnErreur;

bool IndexValide(const std::int32_t& i) {
    if (Etapes.Contient(i)) return true;
    return Runtime::Leve(Runtime::Erreur::IndiceHorsLimites);
}

// The symbols are single characters: writing one this way stays inline, with
// no library call, which counts at a million steps a search.
[[gnu::always_inline]] inline void PoseSymbole(std::string& operation, char symbole) {
    operation.clear();
    operation.push_back(symbole);
}

// The entry is used at the current step, which then moves on.
[[gnu::always_inline]] inline bool Marque(const std::int32_t& i, char symbole) {
    if (!IndexValide(i)) return false;
    Etapes[i].Ordre = NumEtape;
    const std::int32_t suivante = Runtime::Ajoute(NumEtape, 1);
    if (EnErreur()) return false;
    NumEtape = suivante;
    PoseSymbole(Etapes[i].Operation, symbole);
    return true;
}

// The entry is free again, and the step counter one lower.
[[gnu::always_inline]] inline bool Libere(const std::int32_t& i) {
    if (!IndexValide(i)) return false;
    Etapes[i].Ordre = 0;
    const std::int32_t precedente = Runtime::Soustrait(NumEtape, 1);
    if (EnErreur()) return false;
    NumEtape = precedente;
    Etapes[i].Operation.clear();
    return true;
}

std::int32_t Reste() {
    return Etapes[0].Valeur;
}
std::int32_t Nombre(const std::int32_t& i) {
    return Etapes[i].Valeur;
}

// Nothing is stored when computing the new remainder raised an error.
void PoseReste(std::int32_t reste) {
    if (!EnErreur()) Etapes[0].Valeur = reste;
}

// The remainder divided by the number, rounded to the nearest, halves to even.
std::int32_t Quotient(const std::int32_t& i) {
    return Runtime::VersEntier32(Runtime::Divise(Reste(), Nombre(i)));
}

}  // namespace

void AppliquePlus(const std::int32_t& Index) {
    if (Marque(Index, '+')) PoseReste(Runtime::Soustrait(Reste(), Nombre(Index)));
}

void AppliqueFois(const std::int32_t& Index) {
    if (Marque(Index, '*')) PoseReste(Quotient(Index));
}

void AppliqueMoins(const std::int32_t& Index) {
    if (Marque(Index, '-')) PoseReste(Runtime::Ajoute(Nombre(Index), Reste()));
}

void AppliqueDivise(const std::int32_t& Index) {
    if (Marque(Index, '/')) PoseReste(Runtime::Multiplie(Nombre(Index), Reste()));
}

void AnnulePlus(const std::int32_t& Index) {
    if (Libere(Index)) PoseReste(Runtime::Ajoute(Nombre(Index), Reste()));
}

void AnnuleFois(const std::int32_t& Index) {
    if (Libere(Index)) PoseReste(Runtime::Multiplie(Nombre(Index), Reste()));
}

void AnnuleMoins(const std::int32_t& Index) {
    if (Libere(Index)) PoseReste(Runtime::Soustrait(Reste(), Nombre(Index)));
}

void AnnuleDivise(const std::int32_t& Index) {
    if (Libere(Index)) PoseReste(Quotient(Index));
}

}  // namespace Module1
