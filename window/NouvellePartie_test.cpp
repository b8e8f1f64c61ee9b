#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "FrmMain.h"
#include "Module1.h"
#include "TestJeu.h"
#include "TestsFenetre.h"
#include "Texte.h"

namespace {

using TestJeu::AvecHorloge;
using TestJeu::AvecSource;

// What the user sees of the window.
struct Vue {
    std::string cible;
    std::string info;
    std::set<std::int32_t> cochees;
    std::int16_t pointeur;
    bool boutonsActifs;

    bool operator==(const Vue&) const = default;
};

class NouvellePartieTest : public FenetreTest {
  protected:
    Vue Voit() {
        Vue v{frm.TxtResultat.Text(), frm.LblInfo.Caption(), {}, frm.MousePointer(), true};
        for (std::int32_t i = 1; i <= 24; ++i)
            if (frm.Chk(i).Value() == 1) v.cochees.insert(i);
        for (const Bouton* b : {&frm.CmdGO, &frm.CmdProposer, &frm.CmdErase, &frm.CmdQuit})
            v.boutonsActifs = v.boutonsActifs && b->Enabled();
        return v;
    }
};

const Vue FenetreVide{"0", "", {}, 0, true};

TEST_F(NouvellePartieTest, EffacerClearsTheWindowAndLeavesTheGameState) {
    Coche({2, 3, 7, 11, 12, 14});
    Tape("248");
    frm.LblInfo.Caption("Tavelune :\r\n(50+25+7)x3+2");
    ASSERT_TRUE(TestJeu::Resout(248, {2, 3, 7, 25, 50, 100}));
    const std::string avant = TestJeu::EtatJeu();

    Clique(frm.CmdErase);
    EXPECT_EQ(Voit(), FenetreVide);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    Clique(frm.CmdErase);
    EXPECT_EQ(Voit(), FenetreVide);
    EXPECT_EQ(TestJeu::EtatJeu(), avant);
}

TEST_F(NouvellePartieTest, AfterEffacerChercherWantsSixTilesThenATarget) {
    Coche({1, 2, 3});
    Clique(frm.CmdErase);
    auto boites = RepondAuxBoites([&] { Clique(frm.CmdGO); });
    ASSERT_EQ(boites.size(), 1u);
    EXPECT_EQ(boites[0].Texte, "Vous devez cocher 6 nombres");

    Coche({1, 2, 3, 4, 5, 6});
    boites = RepondAuxBoites([&] { Clique(frm.CmdGO); });
    ASSERT_EQ(boites.size(), 1u);
    EXPECT_EQ(boites[0].Texte, "Le nombre à trouver doit être compris entre 100 et 999");
}

TEST_F(NouvellePartieTest, ProposerShowsOnlyTheNewGame) {
    Coche({1, 14, 20});
    Tape("7");
    frm.LblInfo.Caption("Non trouvé");

    Clique(frm.CmdProposer);
    const Vue v = Voit();
    std::set<std::int32_t> tirees;
    std::multiset<std::string> valeurs;
    for (std::int32_t i = 0; i <= 5; ++i) {
        tirees.insert(Module1::IndexTirage[i]);
        valeurs.insert(Runtime::VersTexte(Module1::Tirage[i]));
    }
    EXPECT_EQ(v.cochees, tirees);
    std::multiset<std::string> captions;
    for (const std::int32_t i : v.cochees)
        captions.insert(frm.Chk(i).Caption());
    EXPECT_EQ(captions, valeurs);
    EXPECT_EQ(v.cible, Runtime::VersTexte(Module1::NombreATrouver));
    ASSERT_EQ(v.cible.size(), 3u);
    EXPECT_GE(v.cible, "100");
    EXPECT_LE(v.cible, "998");
    EXPECT_EQ(v.info, "");
    EXPECT_EQ(v.pointeur, 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A source that reports what the window shows while the generator draws.
class SourceEspionne final : public Runtime::SourceAleatoire {
  public:
    explicit SourceEspionne(std::function<void()> espion) : espion_(std::move(espion)) {}
    void Reinitialise(float graine) override { source_.Reinitialise(graine); }
    float Suivant() override {
        espion_();
        return source_.Suivant();
    }

  private:
    std::function<void()> espion_;
    Runtime::SourceParDefaut source_;
};

TEST_F(NouvellePartieTest, WhileProposingTheHourglassShowsOverAClearedWindow) {
    Coche({5, 6});
    std::vector<Vue> pendant;
    AvecSource<SourceEspionne> source([&] { pendant.push_back(Voit()); });
    Clique(frm.CmdProposer);
    ASSERT_FALSE(pendant.empty());
    // No control is disabled during a proposal.
    const Vue attendue{"0", "", {}, 11, true};
    for (const Vue& v : pendant)
        ASSERT_EQ(v, attendue);
    EXPECT_EQ(Voit().pointeur, 0);
}

TEST_F(NouvellePartieTest, EveryProposedGameIsSolvedByChercher) {
    AvecSource<Runtime::SourceParDefaut> source(7u);
    double t = 30000;
    AvecHorloge horloge([&t] { return static_cast<float>(t += 0.37); });
    int deuxFois = 0;
    for (int partie = 0; partie < 300; ++partie) {
        Clique(frm.CmdProposer);
        const Vue proposee = Voit();
        ASSERT_EQ(proposee.cochees.size(), 6u);
        for (std::int32_t i = 1; i <= 10; ++i)
            if (proposee.cochees.count(i) && proposee.cochees.count(i + 14)) ++deuxFois;

        const auto boites = RepondAuxBoites([&] { Clique(frm.CmdGO); });
        ASSERT_TRUE(boites.empty()) << boites[0].Texte;
        const std::string info = frm.LblInfo.Caption();
        ASSERT_EQ(info.rfind("Tavelune :\r\n", 0), 0u) << "game " << partie << ": " << info;
    }
    EXPECT_GT(deuxFois, 0);  // a value may stand on both of its boxes
}

TEST_F(NouvellePartieTest, AFailedProposalSaysSoOverAClearedWindow) {
    Coche({11, 12});
    Tape("500");
    AvecSource<> source(TestJeu::PartieInsoluble());

    std::vector<std::int16_t> pointeurs;
    const auto boites = RepondAuxBoites([&] {
        QTimer guetteur;
        guetteur.setInterval(1);
        QObject::connect(&guetteur, &QTimer::timeout, [&] {
            if (QApplication::activeModalWidget()) pointeurs.push_back(frm.MousePointer());
        });
        guetteur.start();
        Clique(frm.CmdProposer);
    });
    ASSERT_EQ(boites.size(), 1u);
    EXPECT_EQ(boites[0].Texte, "Impossible de générer une nouvelle partie, recommencer");
    EXPECT_EQ(boites[0].Icone, QMessageBox::Information);
    EXPECT_EQ(boites[0].Titre, "Ornavex");
    for (const std::int16_t p : pointeurs)
        EXPECT_EQ(p, 0);
    EXPECT_EQ(Voit(), FenetreVide);
    EXPECT_EQ(source->tirages, 50 * 7);
}

}  // namespace
