// The exact-target search: depth first over the work table, entries 1 to 6 in
// Tirage order, and for each "+", "*", "-", "/"; the first chain found is the
// one shown, so this order is part of what the program does.
//
// A search makes up to millions of steps, so it runs on a compact copy of the
// work table: the operations as codes, the failures of the checked steps
// returned rather than raised, and the table written back when the search
// returns. The steps below move the copy exactly as the public steps
// (Operations.cpp) move Etapes and NumEtape, and each level ends an error as
// its handler always has.
#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "Mesure.h"
#include "Module1.h"

namespace Module1 {
namespace {

using Runtime::EnErreur;
using Runtime::Faux;
using Runtime::Vrai;

// The single-precision test of "*", as it always was: past 2^24 a quotient
// with a fraction can round to a whole one and pass.
bool EntierEnSimple(float q) {
    return q >= 1.0f && Runtime::Plancher(q) == q;
}

}  // namespace

Booleen PeutAjouter(const std::int32_t& Index) {
    const std::int32_t difference = Runtime::Soustrait(Etapes[0].Valeur, Etapes[Index].Valeur);
    return Runtime::VersBooleen(difference >= 0);
}

Booleen PeutMultiplier(const std::int32_t& Index) {
    const std::int32_t nombre = Etapes[Index].Valeur;
    const float q = Runtime::VersSimple(Runtime::Divise(Etapes[0].Valeur, nombre));
    if (EnErreur()) return Faux;
    return Runtime::VersBooleen(EntierEnSimple(q) && nombre != 1);
}

namespace {

// The operation of an entry, as the character of its text. Autre is a text
// that no step writes: the entry is in use, and the search leaves its text as
// it found it.
enum class Symbole : char {
    Aucun = 0,
    Plus = '+',
    Fois = '*',
    Moins = '-',
    Divise = '/',
    Autre = 1,
};

Symbole SymboleDe(const std::string& texte) {
    if (texte.empty()) return Symbole::Aucun;
    if (texte.size() == 1) {
        for (const Symbole s : {Symbole::Plus, Symbole::Fois, Symbole::Moins, Symbole::Divise})
            if (texte[0] == static_cast<char>(s)) return s;
    }
    return Symbole::Autre;
}

void PoseTexte(std::string& texte, Symbole s) {
    if (s == Symbole::Autre) return;
    texte.clear();
    if (s != Symbole::Aucun) texte.push_back(static_cast<char>(s));
}

// The work table during a search. Entry 0's Valeur is the remainder: a trial
// on entry 0 (a search started from 0) reads the remainder as its number, as
// the public steps do.
struct Jeu {
    std::array<std::int32_t, 7> valeur;
    std::array<std::int32_t, 7> ordre;
    std::array<Symbole, 7> symbole;
    std::int32_t numEtape;
};

Jeu Copie() {
    Jeu jeu;
    for (std::int32_t k = 0; k <= 6; ++k) {
        const auto i = static_cast<std::size_t>(k);
        jeu.valeur[i] = Etapes[k].Valeur;
        jeu.ordre[i] = Etapes[k].Ordre;
        jeu.symbole[i] = SymboleDe(Etapes[k].Operation);
    }
    jeu.numEtape = NumEtape;
    return jeu;
}

void Rend(const Jeu& jeu) {
    for (std::int32_t k = 0; k <= 6; ++k) {
        const auto i = static_cast<std::size_t>(k);
        Etapes[k].Valeur = jeu.valeur[i];
        Etapes[k].Ordre = jeu.ordre[i];
        PoseTexte(Etapes[k].Operation, jeu.symbole[i]);
    }
    NumEtape = jeu.numEtape;
}

// A guard's answer; Erreur where the public guard raises.
enum class Garde : std::uint8_t { Non, Oui, Erreur };

Garde GardeDe(bool b) {
    return b ? Garde::Oui : Garde::Non;
}

// The guards and the remainder steps, from the remainder r and the number n.
// A step gives false where its public procedure raises, and then stores nothing.

[[gnu::always_inline]] inline Garde Ajoutable(std::int32_t r, std::int32_t n) {
    std::int32_t difference;
    if (__builtin_sub_overflow(r, n, &difference)) return Garde::Erreur;
    return GardeDe(difference >= 0);
}

// The single-precision road of "*", from 2^24 on and for numbers below 1.
[[gnu::cold]] Garde MultipliableEnSimple(std::int32_t r, std::int32_t n) {
    if (n == 0) return Garde::Erreur;  // the division's fault
    // Cannot raise: a 32-bit integer divided by a non-zero one is finite and
    // within single range.
    return GardeDe(EntierEnSimple(Runtime::VersSimple(Runtime::Divise(r, n))) && n != 1);
}

// Below 2^24, EstMultiple gives what the single-precision test gives.
[[gnu::always_inline]] inline Garde Multipliable(std::int32_t r, std::int32_t n) {
    if (n >= 1 && static_cast<std::uint32_t>(r) < Runtime::LimiteSimpleExacte) [[likely]]
        return GardeDe(n != 1 && Runtime::EstMultiple(r, n));
    return MultipliableEnSimple(r, n);
}

[[gnu::always_inline]] inline bool Retranche(std::int32_t r, std::int32_t n, std::int32_t& reste) {
    return !__builtin_sub_overflow(r, n, &reste);
}

[[gnu::always_inline]] inline bool Ajoute(std::int32_t r, std::int32_t n, std::int32_t& reste) {
    return !__builtin_add_overflow(n, r, &reste);
}

[[gnu::always_inline]] inline bool Multiplie(std::int32_t r, std::int32_t n, std::int32_t& reste) {
    return !__builtin_mul_overflow(n, r, &reste);
}

// The double road of a quotient, for a remainder below 0 or a number below 1.
[[gnu::cold]] bool QuotientEnDouble(std::int32_t r, std::int32_t n, std::int32_t& reste) {
    if (n == 0) return false;  // the division's fault
    return Runtime::Arrondit(static_cast<double>(r) / static_cast<double>(n), reste);
}

// QuotientPair gives what the double road gives, wherever it is used.
[[gnu::always_inline]] inline bool Quotient(std::int32_t r, std::int32_t n, std::int32_t& reste) {
    if (r >= 0 && n >= 1) [[likely]] {
        reste = Runtime::QuotientPair(r, n);
        return true;
    }
    return QuotientEnDouble(r, n, reste);
}

// One operation of a level's trials: the symbol it stores, its guard (none:
// always tried), and how it moves the remainder when applied and when undone.
struct Operation {
    Symbole symbole;
    Garde (*garde)(std::int32_t r, std::int32_t n);
    bool (*applique)(std::int32_t r, std::int32_t n, std::int32_t& reste);
    bool (*annule)(std::int32_t r, std::int32_t n, std::int32_t& reste);
};

// The trials of one entry, in this order.
constexpr std::array<Operation, 4> Operations = {{
    {Symbole::Plus, Ajoutable, Retranche, Ajoute},
    {Symbole::Fois, Multipliable, Quotient, Multiplie},
    {Symbole::Moins, nullptr, Ajoute, Retranche},
    {Symbole::Divise, nullptr, Multiplie, Quotient},
}};

// How a trial ended: Erreur when its guard or its apply failed, ErreurAnnule
// when its undo did.
enum class Issue : std::uint8_t { Rien, Trouve, Erreur, ErreurAnnule };

// What a level needs to give the table back as it found it.
struct Entree {
    std::int32_t reste;
    std::int32_t numEtape;
};

bool Essais(Jeu& jeu, std::int32_t debut, std::int32_t niveau);

// One level of the search. Most levels end at one of the two tests, before
// any trial: these stay inline in the level above.
[[gnu::always_inline]] inline bool Cherche(Jeu& jeu, std::int32_t debut, std::int32_t niveau) {
    ++Mesure::AppelsRecherche;
    if (jeu.valeur[0] == 0) return true;
    if (jeu.numEtape == 7) return false;
    return Essais(jeu, debut, niveau);
}

// One trial: the guard, the step, the search below it, and the step taken
// back when nothing was found there. As in the public steps, the entry and the
// step counter change first and the remainder last.
template <std::size_t k>
[[gnu::always_inline]] inline Issue Essaie(Jeu& jeu, std::size_t j, std::int32_t niveau) {
    constexpr Operation op = Operations[k];
    std::int32_t& reste = jeu.valeur[0];
    if constexpr (op.garde != nullptr) {
        const Garde garde = op.garde(reste, jeu.valeur[j]);
        if (garde == Garde::Non) return Issue::Rien;
        if (garde == Garde::Erreur) return Issue::Erreur;
    }

    // On an overflow of the step counter the handler sets it back.
    jeu.ordre[j] = jeu.numEtape;
    if (__builtin_add_overflow(jeu.numEtape, 1, &jeu.numEtape)) return Issue::Erreur;
    jeu.symbole[j] = op.symbole;
    std::int32_t nouveau;
    if (!op.applique(reste, jeu.valeur[j], nouveau)) return Issue::Erreur;
    reste = nouveau;

    if (Cherche(jeu, 1, niveau + 1)) return Issue::Trouve;

    jeu.ordre[j] = 0;
    if (__builtin_sub_overflow(jeu.numEtape, 1, &jeu.numEtape)) return Issue::ErreurAnnule;
    jeu.symbole[j] = Symbole::Aucun;
    if (!op.annule(reste, jeu.valeur[j], nouveau)) return Issue::ErreurAnnule;
    reste = nouveau;
    return Issue::Rien;
}

// The trials of entry j, one operation after the other in their order, until
// one finds a chain or fails. Written as a fold so that each operation's steps
// are known where they are called, and inlined.
template <std::size_t... k>
[[gnu::always_inline]] inline Issue EssaieTout(Jeu& jeu, std::size_t j, std::int32_t niveau,
                                               std::index_sequence<k...>) {
    Issue issue = Issue::Rien;
    ((issue = Essaie<k>(jeu, j, niveau), issue == Issue::Rien) && ...);
    return issue;
}

// The level's error handler. The entry of the trial is free again and the step
// counter back where the level found it; a failed guard or apply never stored
// a remainder, and after a failed undo the remainder goes back to the level's
// entry value. The level then gives up.
[[gnu::cold]] bool Abandonne(Jeu& jeu, std::size_t j, const Entree& entree, Issue issue,
                             std::int32_t niveau) {
    jeu.ordre[j] = 0;
    jeu.symbole[j] = Symbole::Aucun;
    jeu.numEtape = entree.numEtape;
    if (issue == Issue::ErreurAnnule) jeu.valeur[0] = entree.reste;
    ++Mesure::ErreursParNiveau[static_cast<std::size_t>(niveau)];
    return false;
}

// The trials of one level, entries from debut (0 or more) up to 6. Niveau
// counts the nested levels, the outermost being 1.
[[gnu::noinline]] bool Essais(Jeu& jeu, std::int32_t debut, std::int32_t niveau) {
    const Entree entree{jeu.valeur[0], jeu.numEtape};
    for (auto j = static_cast<std::size_t>(debut); j <= 6; ++j) {
        if (jeu.symbole[j] != Symbole::Aucun) continue;
        const Issue issue =
            EssaieTout(jeu, j, niveau, std::make_index_sequence<Operations.size()>{});
        if (issue == Issue::Trouve) return true;
        if (issue != Issue::Rien) return Abandonne(jeu, j, entree, issue, niveau);
    }
    return false;
}

}  // namespace

Booleen Recherche(const std::int32_t& Debut) {
    // Read once: the search changes NumEtape, which a caller may pass here.
    const std::int32_t debut = Debut;
    if (debut >= 0 && !EnErreur()) {
        Jeu jeu = Copie();
        const bool trouve = Cherche(jeu, debut, 1);
        Rend(jeu);
        return Runtime::VersBooleen(trouve);
    }

    // The level's first read raises (an index below the table), or an error is
    // already pending: either way the level's handler ends it at once.
    ++Mesure::AppelsRecherche;
    if (Etapes[0].Valeur == 0) return Vrai;
    if (NumEtape == 7 || debut > 6) return Faux;
    Runtime::GestionnaireErreurs gestion;
    gestion.Efface();
    if (Etapes.Contient(debut)) {
        Etapes[debut].Ordre = 0;
        Etapes[debut].Operation.clear();
    }
    ++Mesure::ErreursParNiveau[1];
    return Faux;
}

}  // namespace Module1
