#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "Module1.h"
#include "TestJeu.h"

namespace {

using namespace Module1;
using Runtime::Faux;
using Runtime::Vrai;

// The applied chain in step order, as "entry operation" pairs: "5+ 6- 1*".
std::string Chaine() {
    std::string texte;
    for (std::int32_t pas = 1; pas < NumEtape; ++pas)
        for (std::int32_t k = 1; k <= 6; ++k)
            if (Etapes[k].Ordre == pas) {
                if (!texte.empty()) texte += ' ';
                texte += std::to_string(k) + Etapes[k].Operation;
            }
    return texte;
}

void AttendAucuneEntreeUtilisee() {
    EXPECT_EQ(NumEtape, 1);
    for (std::int32_t k = 1; k <= 6; ++k) {
        EXPECT_EQ(Etapes[k].Operation, "") << "entry " << k;
        EXPECT_EQ(Etapes[k].Ordre, 0) << "entry " << k;
    }
}

TEST(Recherche, FindsTheFirstChainInItsFixedOrder) {
    const struct {
        std::int16_t cible;
        std::array<std::int16_t, 6> nombres;
        const char* chaine;
    } cas[] = {
        {110, {10, 100, 1, 2, 3, 4}, "1+ 2+"},
        {235, {2, 3, 10, 10, 8, 3}, "1+ 2+ 3- 4* 5* 6+"},
        {248, {2, 3, 7, 25, 50, 100}, "1+ 2* 3+ 4+ 5+"},
        {345, {9, 1, 10, 2, 75, 3}, "1+ 4/ 6- 5* 2- 3+"},
        {625, {1, 6, 8, 10, 25, 75}, "1+ 2* 3* 4+ 5/ 6+"},
        {999, {100, 75, 50, 25, 10, 10}, "5/ 6- 1* 2+ 4+"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(TestJeu::Resout(c.cible, c.nombres), Vrai) << c.cible;
        EXPECT_EQ(Chaine(), c.chaine) << c.cible;
        EXPECT_EQ(Etapes[0].Valeur, 0) << c.cible;
        EXPECT_FALSE(Runtime::EnErreur());
    }
}

TEST(Recherche, RemainderTestComesBeforeTheDepthTest) {
    TestJeu::Charge(235, {2, 3, 10, 10, 8, 3});
    ASSERT_EQ(Recherche(NumEtape), Vrai);
    EXPECT_EQ(NumEtape, 7);

    TestJeu::Charge(100, {1, 2, 3, 4, 5, 6});
    for (std::int32_t k = 1; k <= 6; ++k)
        AppliqueMoins(k);
    const std::int32_t reste = Etapes[0].Valeur;
    EXPECT_EQ(Recherche(1), Faux);
    EXPECT_EQ(NumEtape, 7);
    EXPECT_EQ(Etapes[0].Valeur, reste);
}

TEST(Recherche, AFailedSearchFreesEveryNumber) {
    // No chain, with thousands of overflows met on the way for the second.
    for (const auto& nombres : {std::array<std::int16_t, 6>{1, 1, 2, 2, 3, 3},
                                std::array<std::int16_t, 6>{2, 4, 10, 4, 2, 8},
                                std::array<std::int16_t, 6>{100, 75, 50, 25, 1, 1}}) {
        const std::int16_t cible = nombres[0] == 2 ? 866 : nombres[0] == 1 ? 983 : 999;
        ASSERT_EQ(TestJeu::Resout(cible, nombres), Faux) << cible;
        AttendAucuneEntreeUtilisee();
        EXPECT_EQ(Etapes[0].Valeur, cible);
        EXPECT_FALSE(Runtime::EnErreur());
    }
}

TEST(Recherche, ASecondRequestStartsAfresh) {
    ASSERT_EQ(TestJeu::Resout(625, {1, 6, 8, 10, 25, 75}), Vrai);
    const std::string premiere = Chaine();
    ASSERT_EQ(TestJeu::Resout(625, {1, 6, 8, 10, 25, 75}), Vrai);
    EXPECT_EQ(Chaine(), premiere);
}

TEST(Gardes, PeutAjouterKeepsTheRemainderNonNegative) {
    TestJeu::Charge(25, {25, 26, 1, 1, 1, 1});
    EXPECT_EQ(PeutAjouter(1), Vrai);
    EXPECT_EQ(PeutAjouter(2), Faux);
}

TEST(Gardes, PeutMultiplierTestsInSinglePrecision) {
    const struct {
        std::int32_t reste;
        std::int16_t nombre;
        Runtime::Booleen attendu;
    } cas[] = {{6, 6, Vrai},         {5, 6, Faux},        {7, 2, Faux},        {9, 1, Faux},
               {16777216, 2, Vrai},  {16777217, 2, Vrai}, {16777217, 3, Faux}, {18874369, 9, Vrai},
               {19660801, 75, Vrai}, {100, 25, Vrai},     {0, 5, Faux},        {16777217, 9, Faux}};
    for (const auto& c : cas) {
        TestJeu::Charge(100, {c.nombre, 1, 1, 1, 1, 1});
        Etapes[0].Valeur = c.reste;
        EXPECT_EQ(PeutMultiplier(1), c.attendu) << c.reste << " / " << c.nombre;
    }
}

// The chain left in the table, replayed from its last step to its first,
// exactly, in 64 bits: nothing of it may be lost to rounding.
std::int64_t Rejoue() {
    const std::int32_t m = NumEtape - 1;
    std::int64_t valeur = 0;
    for (std::int32_t pas = m; pas >= 1; --pas) {
        std::int32_t k = 1;
        while (Etapes[k].Ordre != pas)
            ++k;
        const std::int64_t n = Etapes[k].Valeur;
        const std::string& op = Etapes[k].Operation;
        if (pas == m) {
            EXPECT_EQ(op, "+");
            valeur = n;
        } else if (op == "+") {
            valeur += n;
        } else if (op == "-") {
            valeur -= n;
        } else if (op == "*") {
            valeur *= n;
        } else {
            EXPECT_EQ(valeur % n, 0) << "inexact division";
            valeur /= n;
        }
    }
    return valeur;
}

TEST(Recherche, EveryChainFoundGivesTheTargetAndEveryFailureFreesTheTable) {
    std::mt19937 alea(20261208);
    std::array<std::int16_t, 24> indexes;
    for (std::int16_t i = 0; i < 24; ++i)
        indexes[static_cast<std::size_t>(i)] = i + 1;
    int trouvees = 0;
    constexpr int kParties = 3000;
    for (int partie = 0; partie < kParties; ++partie) {
        std::shuffle(indexes.begin(), indexes.end(), alea);
        std::array<std::int16_t, 6> nombres;
        for (std::size_t i = 0; i < 6; ++i)
            nombres[i] = Plaques[indexes[i] - 1u];
        const auto cible =
            static_cast<std::int16_t>(std::uniform_int_distribution<int>(100, 999)(alea));

        TestJeu::Charge(cible, nombres);
        const Runtime::Booleen trouve = Recherche(NumEtape);
        ASSERT_FALSE(Runtime::EnErreur());
        if (trouve) {
            ++trouvees;
            ASSERT_EQ(Etapes[0].Valeur, 0);
            ASSERT_EQ(Rejoue(), cible) << "game " << partie;
        } else {
            ASSERT_EQ(trouve, Faux);
            AttendAucuneEntreeUtilisee();
        }
    }
    // Most games have a chain: a search that finds none is broken.
    EXPECT_GT(trouvees, kParties * 8 / 10);
}

}  // namespace
