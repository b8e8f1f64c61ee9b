// The search against a plain one built from the public guards and steps, each
// level under its own error handler: for every start, the same result, the
// same table and step counter, the same calls and the same errors ended at the
// same levels.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <numeric>
#include <random>
#include <string>

#include "Mesure.h"
#include "Module1.h"
#include "TestJeu.h"

namespace {

using namespace Module1;
using Runtime::Booleen;
using Runtime::EnErreur;
using Runtime::Faux;
using Runtime::Vrai;
using Jeu = std::array<std::int16_t, 6>;
using ErreursParNiveau = decltype(Mesure::ErreursParNiveau);

// What a search gives and leaves, and what it met on the way, as text.
template <typename F>
std::string Suit(F&& recherche, const std::uint64_t& appels, const ErreursParNiveau& erreurs) {
    const std::uint64_t appelsAvant = appels;
    const auto erreursAvant = erreurs;
    std::string t = "result " + std::to_string(recherche()) + ", table";
    for (std::int32_t k = 0; k <= 6; ++k)
        t += " " + std::to_string(Etapes[k].Valeur) + "[" + Etapes[k].Operation + "]" +
             std::to_string(Etapes[k].Ordre);
    t += ", step " + std::to_string(NumEtape) + (EnErreur() ? ", error pending" : "");
    t += ", calls " + std::to_string(appels - appelsAvant) + ", errors by level";
    for (std::size_t n = 0; n < erreurs.size(); ++n)
        t += " " + std::to_string(erreurs[n] - erreursAvant[n]);
    return t;
}

// The reference: one level of the search as it reads, the handler included.
struct Reference {
    std::uint64_t appels = 0;
    ErreursParNiveau erreurs{};
    std::uint64_t arrondisAdmis = 0;  // "*" let through on a remainder that n does not divide
    std::uint64_t annulesEnErreur = 0;

    struct Essai {
        Booleen (*garde)(const std::int32_t&);
        void (*applique)(const std::int32_t&);
        void (*annule)(const std::int32_t&);
    };

    Booleen Recherche(const std::int32_t& Debut, std::size_t niveau = 1) {
        ++appels;
        std::int32_t j = Debut;
        if (Etapes[0].Valeur == 0) return Vrai;
        if (NumEtape == 7) return Faux;

        Runtime::GestionnaireErreurs gestion;
        const std::int32_t reste = Etapes[0].Valeur;
        const std::int32_t numEtape = NumEtape;
        const auto abandonne = [&](bool apresAnnule) {
            gestion.Efface();
            if (Etapes.Contient(j)) {
                Etapes[j].Ordre = 0;
                Etapes[j].Operation = "";
            }
            NumEtape = numEtape;
            if (apresAnnule) Etapes[0].Valeur = reste;
            ++erreurs[niveau];
            return Faux;
        };

        const Essai essais[] = {{PeutAjouter, AppliquePlus, AnnulePlus},
                                {PeutMultiplier, AppliqueFois, AnnuleFois},
                                {nullptr, AppliqueMoins, AnnuleMoins},
                                {nullptr, AppliqueDivise, AnnuleDivise}};
        for (; j <= 6; ++j) {
            const bool libre = Etapes[j].Operation == "";
            if (EnErreur()) return abandonne(false);
            if (!libre) continue;
            for (const Essai& essai : essais) {
                if (essai.garde) {
                    const Booleen permis = essai.garde(j);
                    if (EnErreur()) return abandonne(false);
                    if (!permis) continue;
                    if (essai.garde == PeutMultiplier && Etapes[j].Valeur > 0 &&
                        Etapes[0].Valeur % Etapes[j].Valeur != 0)
                        ++arrondisAdmis;
                }
                essai.applique(j);
                if (EnErreur()) return abandonne(false);
                if (Recherche(1, niveau + 1)) return Vrai;
                essai.annule(j);
                if (EnErreur()) {
                    ++annulesEnErreur;
                    return abandonne(true);
                }
            }
        }
        return Faux;
    }
};

// The search from the table as it stands, by the reference and then by the
// engine from the same start, the pending error included; the engine's table
// is left in place.
void Compare(std::int32_t debut, const std::string& nom, Reference& reference) {
    const auto etapes = Etapes;
    const std::int32_t numEtape = NumEtape;
    const Runtime::Erreur enCours = Runtime::ErreurEnCours();
    const std::string attendu =
        Suit([&] { return reference.Recherche(debut); }, reference.appels, reference.erreurs);

    Etapes = etapes;
    NumEtape = numEtape;
    {
        Runtime::GestionnaireErreurs gestion;
        gestion.Efface();
        if (enCours != Runtime::Erreur::Aucune) Runtime::Leve(enCours);
    }
    const std::string obtenu =
        Suit([&] { return Recherche(debut); }, Mesure::AppelsRecherche, Mesure::ErreursParNiveau);
    ASSERT_EQ(obtenu, attendu) << nom;
}

// A whole request's search, as the window and the generator make it.
void ComparePartie(std::int16_t cible, const Jeu& nombres, Reference& reference) {
    TestJeu::Charge(cible, nombres);
    std::string nom = std::to_string(cible) + " with";
    for (const std::int16_t n : nombres)
        nom += " " + std::to_string(n);
    Compare(NumEtape, nom, reference);
}

// Random games in eight parts, which the test runner can run side by side.
class PartiesAuHasard : public testing::TestWithParam<std::uint32_t> {};

TEST_P(PartiesAuHasard, SameOutcomeAsTheReference) {
    std::mt19937 alea(20261209 + GetParam());
    std::array<std::size_t, 24> indexes;  // six distinct tiles, as a draw takes them
    std::iota(indexes.begin(), indexes.end(), 0);
    Reference reference;
    for (int partie = 0; partie < 250; ++partie) {
        std::shuffle(indexes.begin(), indexes.end(), alea);
        Jeu nombres;
        for (std::size_t i = 0; i < 6; ++i)
            nombres[i] = Plaques[indexes[i]];
        const auto cible =
            static_cast<std::int16_t>(std::uniform_int_distribution<int>(100, 999)(alea));
        ASSERT_NO_FATAL_FAILURE(ComparePartie(cible, nombres, reference)) << "game " << partie;
    }
    // Ordinary games meet overflows, and "*" steps with a rounded quotient.
    EXPECT_GT(reference.erreurs[6] + reference.erreurs[7], 0u);
    EXPECT_GT(reference.arrondisAdmis, 0u);
}

INSTANTIATE_TEST_SUITE_P(Equivalence, PartiesAuHasard, testing::Range(0u, 8u));

// The large tiles drive the remainder far up: the "/" steps overflow by the
// thousand, and past 2^24 the single-precision test lets "*" through on
// remainders that the number does not divide, whose undo gives back another
// remainder or overflows.
TEST(Equivalence, GamesWithTheLargeTiles) {
    Reference reference;
    const Jeu jeux[] = {
        {100, 75, 50, 25, 10, 10}, {100, 75, 50, 25, 1, 1}, {100, 75, 50, 25, 2, 4},
        {100, 75, 50, 8, 9, 10},   {75, 50, 25, 9, 8, 7},   {100, 50, 25, 2, 2, 3},
        {100, 75, 25, 4, 8, 2},    {100, 75, 50, 25, 3, 6}, {50, 100, 9, 75, 5, 10},
    };
    for (const Jeu& nombres : jeux)
        for (const std::int16_t cible : {101, 383, 555, 866, 983, 999})
            ASSERT_NO_FATAL_FAILURE(ComparePartie(cible, nombres, reference));
    EXPECT_GT(reference.arrondisAdmis, 0u);
    EXPECT_GT(std::accumulate(reference.erreurs.begin(), reference.erreurs.end(), 0ull), 10000u);
}

// Tables that no request loads: starts outside 1 to 6, a pending error,
// numbers of 0 or below, texts that no step writes, counters far from 1 to 7.
TEST(Equivalence, TablesOutsideTheRequests) {
    Reference reference;
    const auto pose = [](std::int32_t reste, const std::array<std::int32_t, 6>& nombres,
                         std::int32_t numEtape) {
        TestJeu::Charge(100, {1, 2, 3, 4, 5, 6});
        Etapes[0].Valeur = reste;
        for (std::int32_t k = 1; k <= 6; ++k)
            Etapes[k].Valeur = nombres[static_cast<std::size_t>(k - 1)];
        NumEtape = numEtape;
    };
    constexpr std::int32_t max32 = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t min32 = std::numeric_limits<std::int32_t>::min();

    for (const std::int32_t debut : {-1, 0, 1, 4, 6, 7, max32, min32}) {
        pose(999, {100, 75, 50, 25, 10, 10}, 1);
        Etapes[2].Operation = "x";
        Etapes[5].Operation = "+";
        Etapes[5].Ordre = 9;
        ASSERT_NO_FATAL_FAILURE(Compare(debut, "start " + std::to_string(debut), reference));
    }
    for (const std::int32_t debut : {-1, 0, 3, 7}) {
        pose(999, {100, 75, 50, 25, 10, 10}, 1);
        Etapes[3].Ordre = 4;
        Runtime::GestionnaireErreurs gestion;
        Runtime::Leve(Runtime::Erreur::DepassementCapacite);
        ASSERT_NO_FATAL_FAILURE(
            Compare(debut, "pending, start " + std::to_string(debut), reference));
        gestion.Efface();
    }
    const struct {
        std::int32_t reste;
        std::array<std::int32_t, 6> nombres;
        std::int32_t numEtape;
    } tables[] = {
        {999, {0, 7, 3, -2, 5, 1}, 1},          {-999, {-3, 4, -5, 0, 2, 9}, 1},
        {max32, {-1, 2, 1, 3, -7, 100}, 1},     {min32, {-1, 2, 1, 3, max32, min32}, 1},
        {16777217, {2, 3, 9, 75, 7, 25}, 1},    {2147483647, {2, 1, 2, 3, 4, 5}, 2},
        {500, {10, 5, 25, 2, 4, 3}, max32 - 2}, {500, {10, 5, 25, 2, 4, 3}, min32},
        {500, {10, 5, 25, 2, 4, 3}, -3},        {0, {1, 2, 3, 4, 5, 6}, 7},
    };
    for (const auto& t : tables)
        for (const std::int32_t debut : {0, 1, 2}) {
            pose(t.reste, t.nombres, t.numEtape);
            Etapes[6].Operation = "x";
            const std::string nom = "table " + std::to_string(&t - tables);
            ASSERT_NO_FATAL_FAILURE(
                Compare(debut, nom + ", start " + std::to_string(debut), reference));
        }
    EXPECT_GT(reference.annulesEnErreur, 0u);
}

}  // namespace
