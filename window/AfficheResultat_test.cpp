#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "FrmMain.h"
#include "Module1.h"

namespace {

const std::string Fin = "S'il y a plus simple, vous l'avez trouvé vous-même ...";

// Entries 1 to 6 of the work table.
using Table = std::array<Module1::Etape, 6>;

void Pose(std::int32_t numEtape, const Table& table) {
    Module1::NumEtape = numEtape;
    Module1::Etapes[0] = {0, "", 0};
    for (std::int32_t k = 1; k <= 6; ++k)
        Module1::Etapes[k] = table[static_cast<std::size_t>(k - 1)];
}

// The display reads the table and leaves it as it was.
void VerifieInchangee(const Table& table) {
    for (std::int32_t k = 1; k <= 6; ++k) {
        const Module1::Etape& vue = Module1::Etapes[k];
        const Module1::Etape& posee = table[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(vue.Valeur, posee.Valeur) << k;
        EXPECT_EQ(vue.Operation, posee.Operation) << k;
        EXPECT_EQ(vue.Ordre, posee.Ordre) << k;
    }
}

TEST(AfficheResultat, NoStepLeavesTheExpressionEmptyBetweenHeadingAndClosing) {
    FrmMain frm;
    Pose(1, {{{1, "", 0}, {2, "", 0}, {3, "", 0}, {4, "", 0}, {5, "", 0}, {6, "", 0}}});
    frm.AfficheResultat();
    EXPECT_EQ(frm.LblInfo.Caption(), "Tavelune :\r\n\r\n\r\n" + Fin);
}

TEST(AfficheResultat, BuildsTheChainFromTheLastStepByTheLevelRules) {
    struct Cas {
        const char* nom;
        std::int32_t numEtape;
        Table table;
        std::string expression;
    };
    const Cas cas[] = {
        // An unused entry (Ordre 0) is never shown.
        {"exemple 1",
         6,
         {{{2, "+", 1}, {3, "*", 2}, {7, "+", 3}, {25, "+", 4}, {50, "+", 5}, {100, "", 0}}},
         "(50+25+7)x3+2"},
        {"exemple 2",
         7,
         {{{9, "+", 1}, {1, "-", 5}, {10, "+", 6}, {2, "/", 2}, {75, "*", 4}, {3, "-", 3}}},
         "((10-1)x75-3)/2+9"},
        {"un pas: le nombre seul",
         2,
         {{{1, "", 0}, {8, "+", 1}, {3, "", 0}, {4, "", 0}, {5, "", 0}, {6, "", 0}}},
         "8"},
        {"produit au niveau 2, sans parenthèses",
         6,
         {{{3, "+", 1}, {5, "+", 2}, {5, "+", 3}, {9, "*", 4}, {10, "+", 5}, {25, "", 0}}},
         "10x9+5+5+3"},
        {"produits aux niveaux 2 et 3",
         4,
         {{{7, "+", 3}, {3, "*", 2}, {5, "*", 1}, {1, "", 0}, {2, "", 0}, {4, "", 0}}},
         "(7x3)x5"},
        {"produits aux niveaux 2, 3 et 4",
         5,
         {{{7, "+", 4}, {3, "*", 3}, {5, "*", 2}, {2, "*", 1}, {1, "", 0}, {4, "", 0}}},
         "((7x3)x5)x2"},
        {"produit après une somme",
         4,
         {{{2, "+", 3}, {3, "+", 2}, {5, "*", 1}, {1, "", 0}, {4, "", 0}, {6, "", 0}}},
         "(2+3)x5"},
        // At level 1 the later entry replaces the earlier; above, both are appended.
        {"deux entrées au même pas",
         4,
         {{{7, "+", 3}, {3, "*", 2}, {5, "/", 1}, {4, "-", 2}, {8, "+", 3}, {1, "", 0}}},
         "(8x3-4)/5"},
        {"un niveau sans entrée compte quand même",
         4,
         {{{6, "+", 3}, {5, "*", 1}, {1, "", 0}, {2, "", 0}, {3, "", 0}, {4, "", 0}}},
         "(6)x5"},
    };
    FrmMain frm;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Pose(c.numEtape, c.table);
        frm.LblInfo.Caption("avant");
        frm.AfficheResultat();
        EXPECT_EQ(frm.LblInfo.Caption(), "Tavelune :\r\n" + c.expression + "\r\n\r\n" + Fin);
        VerifieInchangee(c.table);
        EXPECT_EQ(Module1::NumEtape, c.numEtape);
    }
}

}  // namespace
