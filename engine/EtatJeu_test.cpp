#include <gtest/gtest.h>

#include "Module1.h"
#include "TestJeu.h"

namespace {

using namespace Module1;

TEST(InitEtapes, LoadsTheTargetAndFreesEveryNumber) {
    ASSERT_TRUE(TestJeu::Resout(235, {2, 3, 10, 10, 8, 3}));
    ASSERT_EQ(NumEtape, 7);  // a chain that used all six is left applied

    InitEtapes(std::int16_t{-32768});
    EXPECT_EQ(NumEtape, 1);
    EXPECT_EQ(Etapes[0].Valeur, -32768);
    for (std::int32_t k = 1; k <= 6; ++k) {
        EXPECT_EQ(Etapes[k].Valeur, Tirage[k - 1]);
        EXPECT_EQ(Etapes[k].Operation, "");
        EXPECT_EQ(Etapes[k].Ordre, 0);
    }
    InitEtapes(std::int16_t{0});
    EXPECT_EQ(Etapes[0].Valeur, 0);
    InitEtapes(std::int16_t{32767});
    EXPECT_EQ(Etapes[0].Valeur, 32767);
}

TEST(EstDansTirage, FindsANumberWhereverItStands) {
    TestJeu::Charge(100, {7, 3, 7, 1, 2, 100});
    EXPECT_EQ(EstDansTirage(std::int16_t{7}), Runtime::Vrai);
    EXPECT_EQ(EstDansTirage(std::int16_t{100}), Runtime::Vrai);
    EXPECT_EQ(EstDansTirage(std::int16_t{5}), Runtime::Faux);
    TestJeu::Charge(100, {1, 2, 3, 4, 5, 75});
    EXPECT_EQ(EstDansTirage(NombreATrouver), Runtime::Faux);
}

TEST(Plaques, HoldTheTileValuesInCheckBoxOrder) {
    EXPECT_EQ(Runtime::Choisit(1, Plaques), 1);
    EXPECT_EQ(Runtime::Choisit(10, Plaques), 10);
    EXPECT_EQ(Runtime::Choisit(11, Plaques), 25);
    EXPECT_EQ(Runtime::Choisit(14, Plaques), 100);
    EXPECT_EQ(Runtime::Choisit(15, Plaques), 1);
    EXPECT_EQ(Runtime::Choisit(24, Plaques), 10);
}

}  // namespace
