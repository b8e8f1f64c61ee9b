#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <vector>

#include "Mesure.h"
#include "Module1.h"
#include "TestJeu.h"

namespace {

using namespace Module1;
using TestJeu::AvecHorloge;
using TestJeu::AvecSource;
using TestJeu::RPourCible;
using TestJeu::RPourPlaque;

constexpr float PlusGrandSousUn = 1.0f - 0x1p-24f;

TEST(TireNombreATrouver, SpansTheTargetsFrom100To998) {
    AvecSource<> source(std::vector<float>{0.0f, PlusGrandSousUn, RPourCible(555)});
    EXPECT_EQ(TireNombreATrouver(), 100);
    EXPECT_EQ(TireNombreATrouver(), 998);  // 999 only if the product were rounded to single
    EXPECT_EQ(TireNombreATrouver(), 555);
    EXPECT_EQ(source->reinitialisations, 3);
}

TEST(TirePlaques, SpansTheTileIndexesFrom1To24) {
    AvecSource<> source(std::vector<float>{0.0f, PlusGrandSousUn, RPourPlaque(11), RPourPlaque(14),
                                           RPourPlaque(7), RPourPlaque(21)});
    TirePlaques();
    const std::int16_t attendus[] = {1, 24, 11, 14, 7, 21};
    const std::int16_t valeurs[] = {1, 10, 25, 100, 7, 7};
    for (std::int16_t j = 0; j <= 5; ++j) {
        EXPECT_EQ(IndexTirage[j], attendus[j]);
        EXPECT_EQ(Tirage[j], valeurs[j]);  // 7 twice: two distinct tiles
    }
}

TEST(TirePlaques, DrawsAgainInPlaceOfAnIndexAlreadyPicked) {
    AvecSource<> source(std::vector<float>{RPourPlaque(5), RPourPlaque(5), RPourPlaque(6),
                                           RPourPlaque(5), RPourPlaque(6), RPourPlaque(12),
                                           RPourPlaque(1), RPourPlaque(2), RPourPlaque(3)});
    TirePlaques();
    const std::int16_t attendus[] = {5, 6, 12, 1, 2, 3};
    for (std::int16_t j = 0; j <= 5; ++j)
        EXPECT_EQ(IndexTirage[j], attendus[j]);
    EXPECT_EQ(source->tirages, 9);
    EXPECT_EQ(source->reinitialisations, 9);  // before every draw, discarded ones too
}

TEST(TirePlaques, EndsWhenTheClockNeverMovesOrBarelyDoes) {
    {
        AvecHorloge horloge([] { return 3600.0f; });
        for (int i = 0; i < 2000; ++i)
            TirePlaques();
    }
    {
        // Thousands of reseeds a second: most readings repeat the previous one.
        double t = 86000;
        AvecHorloge horloge([&t] { return static_cast<float>(t += 1e-5); });
        for (int i = 0; i < 2000; ++i)
            TirePlaques();
    }
    SUCCEED();
}

TEST(TirePlaques, SixDistinctTilesWithTheirValues) {
    AvecHorloge horloge([] { return 100.25f; });
    for (int i = 0; i < 5000; ++i) {
        TirePlaques();
        std::set<std::int16_t> indexes;
        int grandes = 0;
        for (std::int16_t j = 0; j <= 5; ++j) {
            ASSERT_GE(IndexTirage[j], 1);
            ASSERT_LE(IndexTirage[j], 24);
            indexes.insert(IndexTirage[j]);
            ASSERT_EQ(Tirage[j], Plaques[static_cast<std::size_t>(IndexTirage[j] - 1)]);
            if (Tirage[j] > 10) ++grandes;
        }
        ASSERT_EQ(indexes.size(), 6u);
        ASSERT_LE(grandes, 4);
    }
}

// Chi-square bound that a correct generator exceeds less than once in a
// million runs (Wilson-Hilferty, z = 4.753).
double BorneKhiDeux(int degres) {
    const double k = degres;
    const double a = 2.0 / (9.0 * k);
    return k * std::pow(1.0 - a + 4.753 * std::sqrt(a), 3.0);
}

double KhiDeux(const std::vector<double>& comptes, double attendu) {
    double somme = 0;
    for (const double c : comptes)
        somme += (c - attendu) * (c - attendu) / attendu;
    return somme;
}

TEST(Generateur, TargetsAndTilesComeUpEvenly) {
    AvecSource<Runtime::SourceParDefaut> source(20261208u);
    AvecHorloge horloge([] { return 43200.0f; });  // the worst case: every reseed alike

    std::vector<double> cibles(899);
    const int tiragesCible = 899 * 200;
    for (int i = 0; i < tiragesCible; ++i)
        ++cibles[static_cast<std::size_t>(TireNombreATrouver() - 100)];
    EXPECT_LT(KhiDeux(cibles, 200.0), BorneKhiDeux(898));

    std::vector<double> plaques(24);
    const int parties = 40000;
    for (int i = 0; i < parties; ++i) {
        TirePlaques();
        for (std::int16_t j = 0; j <= 5; ++j)
            ++plaques[static_cast<std::size_t>(IndexTirage[j] - 1)];
    }
    EXPECT_LT(KhiDeux(plaques, parties * 6.0 / 24.0), BorneKhiDeux(23));
}

TEST(GenerePartie, KeepsTheFirstGameItSolves) {
    // Attempt 1 has no chain; attempt 2 is 248 with 2, 3, 7, 25, 50, 100.
    std::vector<float> valeurs = TestJeu::PartieInsoluble();
    for (const float r : {RPourCible(248), RPourPlaque(2), RPourPlaque(3), RPourPlaque(7),
                          RPourPlaque(11), RPourPlaque(12), RPourPlaque(14)})
        valeurs.push_back(r);
    AvecSource<> source(valeurs);
    EXPECT_EQ(GenerePartie(), Runtime::Vrai);
    EXPECT_EQ(source->tirages, 14);  // two targets, two sets of six tiles
    EXPECT_EQ(NombreATrouver, 248);
    EXPECT_EQ(IndexTirage[5], 14);
    EXPECT_EQ(Etapes[0].Valeur, 0);  // the chain found stays applied
    EXPECT_EQ(NumEtape, 6);
}

TEST(GenerePartie, GivesUpAfterFiftyAttempts) {
    AvecSource<> source(TestJeu::PartieInsoluble());
    EXPECT_EQ(GenerePartie(), Runtime::Faux);
    EXPECT_EQ(source->tirages, 50 * 7);
    EXPECT_EQ(NombreATrouver, 983);
    EXPECT_EQ(NumEtape, 1);
    EXPECT_FALSE(Runtime::EnErreur());
}

TEST(GenerePartie, TheTarget100WithTheTile100NeedsNoSearch) {
    AvecSource<> source(std::vector<float>{0.0f, RPourPlaque(14), RPourPlaque(1), RPourPlaque(2),
                                           RPourPlaque(3), RPourPlaque(4), RPourPlaque(5)});
    const std::uint64_t appels = Mesure::AppelsRecherche;
    EXPECT_EQ(GenerePartie(), Runtime::Vrai);
    EXPECT_EQ(Mesure::AppelsRecherche, appels);
    EXPECT_EQ(NombreATrouver, 100);
    EXPECT_EQ(NumEtape, 1);
    for (std::int32_t k = 1; k <= 6; ++k)
        EXPECT_EQ(Etapes[k].Operation, "");
}

TEST(GenerePartie, EveryGameKeptIsSolved) {
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(GenerePartie(), Runtime::Vrai);
        const std::int16_t cible = NombreATrouver;
        ASSERT_GE(cible, 100);
        ASSERT_LE(cible, 998);
        ASSERT_TRUE(EstDansTirage(cible) || Etapes[0].Valeur == 0);
    }
}

}  // namespace
