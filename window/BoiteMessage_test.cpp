#include "BoiteMessage.h"

#include <gtest/gtest.h>

#include "TestsFenetre.h"

namespace {

TEST(BoiteMessage, StyleGivesIconTitleIsTheProgramsAndOkClosesIt) {
    bool rendue = false;
    const auto vues = RepondAuxBoites([&] {
        MsgBox("Vous devez cocher 6 nombres", Critique);
        MsgBox("Impossible de générer\r\nune nouvelle partie", Information);
        rendue = true;
    });
    EXPECT_TRUE(rendue);
    ASSERT_EQ(vues.size(), 2u);
    EXPECT_EQ(vues[0].Texte, "Vous devez cocher 6 nombres");
    EXPECT_EQ(vues[0].Icone, QMessageBox::Critical);
    EXPECT_EQ(vues[0].Titre, "Ornavex");
    EXPECT_EQ(vues[1].Texte, "Impossible de générer\nune nouvelle partie");  // CR LF: one break
    EXPECT_EQ(vues[1].Icone, QMessageBox::Information);
    EXPECT_EQ(vues[1].Titre, "Ornavex");
}

}  // namespace
