#include <gtest/gtest.h>

#include "Module1.h"
#include "TestJeu.h"

namespace {

using namespace Module1;
using Runtime::Erreur;
using TestJeu::SousGestionnaire;

// A table whose remainder is r and whose entry 1 holds n.
void Table(std::int32_t r, std::int16_t n) {
    TestJeu::Charge(100, {n, 2, 25, 4, 5, 6});
    Etapes[0].Valeur = r;
}

TEST(Operations, PlusAppliedAndUndone) {
    TestJeu::Charge(100, {1, 2, 25, 4, 5, 6});
    AppliquePlus(3);
    EXPECT_EQ(Etapes[3].Ordre, 1);
    EXPECT_EQ(NumEtape, 2);
    EXPECT_EQ(Etapes[3].Operation, "+");
    EXPECT_EQ(Etapes[0].Valeur, 75);
    AnnulePlus(3);
    EXPECT_EQ(Etapes[3].Ordre, 0);
    EXPECT_EQ(NumEtape, 1);
    EXPECT_EQ(Etapes[3].Operation, "");
    EXPECT_EQ(Etapes[0].Valeur, 100);
}

TEST(Operations, EachMovesTheRemainderTheOppositeWay) {
    // 123 with 3, 6, 5, 4 and 100: 120, 20, 25, 100, 0.
    TestJeu::Charge(123, {3, 6, 5, 4, 100, 1});
    AppliquePlus(1);
    AppliqueFois(2);
    AppliqueMoins(3);
    AppliqueDivise(4);
    EXPECT_EQ(Etapes[0].Valeur, 100);
    AppliquePlus(5);
    EXPECT_EQ(Etapes[0].Valeur, 0);
    EXPECT_EQ(NumEtape, 6);
    for (std::int32_t k = 1; k <= 5; ++k)
        EXPECT_EQ(Etapes[k].Ordre, k);
    EXPECT_EQ(Etapes[2].Operation, "*");
    EXPECT_EQ(Etapes[4].Operation, "/");

    AppliquePlus(6);
    EXPECT_EQ(NumEtape, 7);
    AnnulePlus(6);
    AnnulePlus(5);
    AnnuleDivise(4);
    AnnuleMoins(3);
    AnnuleFois(2);
    AnnulePlus(1);
    EXPECT_EQ(NumEtape, 1);
    EXPECT_EQ(Etapes[0].Valeur, 123);
}

TEST(Operations, AProductRoundsItsQuotientAndItsUndoMayNotGiveItBack) {
    const struct {
        std::int32_t reste, nombre, quotient, defait;
    } cas[] = {{7, 2, 4, 8}, {5, 2, 2, 4}, {6, 3, 2, 6}, {14, 3, 5, 15}, {15, 10, 2, 20}};
    for (const auto& c : cas) {
        Table(c.reste, static_cast<std::int16_t>(c.nombre));
        AppliqueFois(1);
        EXPECT_EQ(Etapes[0].Valeur, c.quotient) << c.reste << " / " << c.nombre;
        AnnuleFois(1);
        EXPECT_EQ(Etapes[0].Valeur, c.defait) << c.reste << " / " << c.nombre;
    }
}

TEST(Operations, AQuotientUndoGivesTheRemainderBackExactly) {
    Table(21474836, 100);
    AppliqueDivise(1);
    EXPECT_EQ(Etapes[0].Valeur, 2147483600);
    AnnuleDivise(1);
    EXPECT_EQ(Etapes[0].Valeur, 21474836);
}

TEST(Operations, AnOverflowingApplyLeavesTheEntryMarkedAndTheRemainderUnchanged) {
    Table(374625000, 25);
    EXPECT_EQ(SousGestionnaire([] { AppliqueDivise(1); }), Erreur::DepassementCapacite);
    EXPECT_EQ(Etapes[1].Operation, "/");
    EXPECT_EQ(Etapes[1].Ordre, 1);
    EXPECT_EQ(NumEtape, 2);
    EXPECT_EQ(Etapes[0].Valeur, 374625000);

    Table(2147483600, 100);
    EXPECT_EQ(SousGestionnaire([] { AppliqueMoins(1); }), Erreur::DepassementCapacite);
    EXPECT_EQ(Etapes[0].Valeur, 2147483600);
}

TEST(Operations, AnOverflowingUndoLeavesTheEntryFreeAndTheRemainderUnchanged) {
    Table(2147483647, 2);
    AppliqueFois(1);
    EXPECT_EQ(Etapes[0].Valeur, 1073741824);
    EXPECT_EQ(SousGestionnaire([] { AnnuleFois(1); }), Erreur::DepassementCapacite);
    EXPECT_EQ(Etapes[1].Operation, "");
    EXPECT_EQ(Etapes[1].Ordre, 0);
    EXPECT_EQ(NumEtape, 1);
    EXPECT_EQ(Etapes[0].Valeur, 1073741824);
}

TEST(Operations, AnIndexOutsideTheTableChangesNothing) {
    TestJeu::Charge(100, {1, 2, 3, 4, 5, 6});
    for (const std::int32_t i : {7, -1}) {
        EXPECT_EQ(SousGestionnaire([&] { AppliquePlus(i); }), Erreur::IndiceHorsLimites);
        EXPECT_EQ(SousGestionnaire([&] { AnnuleDivise(i); }), Erreur::IndiceHorsLimites);
    }
    EXPECT_EQ(NumEtape, 1);
    EXPECT_EQ(Etapes[0].Valeur, 100);
    for (std::int32_t k = 1; k <= 6; ++k)
        EXPECT_EQ(Etapes[k].Operation, "");
}

}  // namespace
