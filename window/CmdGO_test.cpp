#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <array>
#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

#include "FrmMain.h"
#include "Mesure.h"
#include "Module1.h"
#include "TestsFenetre.h"

namespace {

const std::string Entete = "Tavelune :\r\n";
const std::string Fin = "\r\n\r\nS'il y a plus simple, vous l'avez trouvé vous-même ...";
const std::string MessageCompte = "Vous devez cocher 6 nombres";
const std::string MessageInvalide = "Nombre à trouver invalide";
const std::string MessageBornes = "Le nombre à trouver doit être compris entre 100 et 999";

std::array<std::int16_t, 6> Tirage() {
    std::array<std::int16_t, 6> t{};
    for (std::int32_t i = 0; i <= 5; ++i)
        t[static_cast<std::size_t>(i)] = Module1::Tirage[i];
    return t;
}

class CmdGOTest : public FenetreTest {
  protected:
    std::vector<BoiteVue> Chercher() {
        return RepondAuxBoites([this] { QTest::mouseClick(&frm.CmdGO, Qt::LeftButton); });
    }

    // All that an input error must leave as it found it.
    std::string Releve() const {
        std::string e = "pointeur " + std::to_string(frm.MousePointer()) + ", CmdGO " +
                        std::to_string(frm.CmdGO.Enabled()) + ", CmdQuit " +
                        std::to_string(frm.CmdQuit.Enabled()) + ", LblInfo \"" +
                        frm.LblInfo.Caption() + "\", cible " +
                        std::to_string(Module1::NombreATrouver) + ", NumEtape " +
                        std::to_string(Module1::NumEtape) + ", Etapes";
        for (std::int32_t k = 0; k <= 6; ++k) {
            const Module1::Etape& etape = Module1::Etapes[k];
            e += " [" + std::to_string(etape.Valeur) + etape.Operation +
                 std::to_string(etape.Ordre) + "]";
        }
        return e;
    }

    // A state that no request leaves: the hourglass, CmdQuit disabled, a
    // half-applied table and every Tirage entry negative.
    void PoseTemoins() {
        frm.MousePointer(11);
        frm.CmdQuit.Enabled(false);
        frm.LblInfo.Caption("témoin");
        Module1::NombreATrouver = 4321;
        Module1::NumEtape = 4;
        for (std::int32_t k = 0; k <= 6; ++k)
            Module1::Etapes[k] = {1000 + k, k % 2 ? "/" : "", k % 2 ? k : 0};
        for (std::int32_t i = 0; i <= 5; ++i)
            Module1::Tirage[i] = static_cast<std::int16_t>(-1 - i);
    }
};

std::string Solution(const std::string& expression) {
    return Entete + expression + Fin;
}

TEST_F(CmdGOTest, ShowsTheFirstChainInTheOrderTheTilesAreMet) {
    struct Exemple {
        std::vector<std::int32_t> tuiles;
        std::string cible;
        std::string affiche;
    };
    // The left column comes first, top down, then the right column bottom up:
    // the last example reads 2, 3, 10, 10, 8, 3.
    const Exemple exemples[] = {
        {{14, 2, 12, 3, 11, 7}, "248", "(50+25+7)x3+2"},
        {{1, 13, 6, 11, 8, 10}, "625", "((75/25+10)x8)x6+1"},
        {{2, 3, 10, 24, 22, 17}, "235", "(3x8)x10-10+3+2"},
    };
    for (const Exemple& ex : exemples) {
        SCOPED_TRACE(ex.cible);
        Coche(ex.tuiles);
        Tape(ex.cible);
        // The second request starts afresh from the chain the first one left.
        for (int fois = 0; fois < 2; ++fois) {
            EXPECT_TRUE(Chercher().empty());
            EXPECT_EQ(frm.LblInfo.Caption(), Solution(ex.affiche));
        }
    }
    // Each CR LF shows as one line break.
    EXPECT_EQ(
        frm.LblInfo.text().toStdString(),
        "Tavelune :\n(3x8)x10-10+3+2\n\nS'il y a plus simple, vous l'avez trouvé vous-même ...");
}

// Button changes reach the buttons at once: a filter sees the window at each
// step of the busy state, as text.
class EspionBoutons : public QObject {
  public:
    explicit EspionBoutons(FrmMain& frm) : frm_(frm), appels_(Module1::Mesure::AppelsRecherche) {
        frm.CmdGO.installEventFilter(this);
        frm.CmdQuit.installEventFilter(this);
    }

    std::vector<std::string> instants;

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() != QEvent::EnabledChange) return false;
        const bool cherche = Module1::Mesure::AppelsRecherche != appels_;
        instants.push_back(std::string(objet == &frm_.CmdGO ? "CmdGO" : "CmdQuit") + " " +
                           (static_cast<QWidget*>(objet)->isEnabled() ? "on" : "off") +
                           ": pointeur " + std::to_string(frm_.MousePointer()) + ", CmdGO " +
                           std::to_string(frm_.CmdGO.Enabled()) + ", CmdQuit " +
                           std::to_string(frm_.CmdQuit.Enabled()) + ", cible " +
                           std::to_string(Module1::NombreATrouver) +
                           (cherche ? ", cherché, " : ", ") + frm_.LblInfo.Caption());
        return false;
    }

  private:
    FrmMain& frm_;
    std::uint64_t appels_;
};

// The label's caption while the search runs cannot be seen from here: it is
// overwritten before the next button change.
TEST_F(CmdGOTest, EveryRoadHoldsTheHourglassAndBothButtonsUntilItsOutcomeIsWritten) {
    struct Route {
        std::vector<std::int32_t> tuiles;
        std::string cible;
        std::string issue;  // with ", cherché" when the search ran
    };
    const Route routes[] = {
        {{14, 2, 12, 3, 11, 7}, "248", "cherché, " + Solution("(50+25+7)x3+2")},
        {{1, 15, 2, 16, 3, 17}, "983", "cherché, Non trouvé"},
        {{14, 2, 12, 3, 11, 7}, "100", "Tavelune :\r\n100"},
    };
    for (const Route& route : routes) {
        SCOPED_TRACE(route.cible);
        Coche(route.tuiles);
        Tape(route.cible);
        frm.LblInfo.Caption("avant");
        EspionBoutons espion(frm);
        ASSERT_TRUE(Chercher().empty());
        const std::string cible = ", cible " + route.cible + ", ";
        EXPECT_EQ(espion.instants,
                  (std::vector<std::string>{
                      "CmdGO off: pointeur 11, CmdGO 0, CmdQuit 1" + cible + "avant",
                      "CmdQuit off: pointeur 11, CmdGO 0, CmdQuit 0" + cible + "avant",
                      "CmdGO on: pointeur 0, CmdGO 1, CmdQuit 0" + cible + route.issue,
                      "CmdQuit on: pointeur 0, CmdGO 1, CmdQuit 1" + cible + route.issue,
                  }));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    // The direct hit leaves the table as loaded.
    EXPECT_EQ(Module1::NumEtape, 1);
    EXPECT_EQ(Module1::Etapes[0].Valeur, 100);
}

// Disabling "Chercher" passes the focus on, as far as "Effacer": a second
// Space there would clear the window instead of searching again.
TEST_F(CmdGOTest, AfterASearchTheFocusIsWhereTheRequestFoundIt) {
    struct Route {
        std::vector<std::int32_t> tuiles;
        std::string cible;
    };
    const Route routes[] = {
        {{14, 2, 12, 3, 11, 7}, "248"},
        {{1, 15, 2, 16, 3, 17}, "983"},
        {{14, 2, 12, 3, 11, 7}, "100"},
    };
    for (const Route& route : routes) {
        SCOPED_TRACE(route.cible);
        Coche(route.tuiles);
        Tape(route.cible);
        frm.CmdGO.setFocus();
        ASSERT_TRUE(RepondAuxBoites([] {
                        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                    }).empty());
        EXPECT_EQ(QApplication::focusWidget(), &frm.CmdGO);
    }
    frm.TxtResultat.setFocus();
    frm.CmdGO_Click();
    EXPECT_EQ(QApplication::focusWidget(), &frm.TxtResultat);
}

TEST_F(CmdGOTest, AnyCountButSixIsRefusedBeforeTheTargetIsRead) {
    struct Cas {
        std::vector<std::int32_t> tuiles;
        // Tirage afterwards: the values met, in the order met, at most six.
        std::array<std::int16_t, 6> tirage;
    };
    std::vector<std::int32_t> toutes;
    for (std::int32_t i = 1; i <= 24; ++i)
        toutes.push_back(i);
    const Cas cas[] = {
        {{}, {-1, -2, -3, -4, -5, -6}},
        {{15, 12, 2, 23, 9}, {2, 9, 50, 9, 1, -6}},
        {{20, 14, 3, 17, 11, 24, 1}, {1, 3, 25, 100, 10, 6}},
        {toutes, {1, 2, 3, 4, 5, 6}},
    };
    for (const Cas& c : cas) {
        for (const char* cible : {"abc", "", "5", "248"}) {
            SCOPED_TRACE(std::to_string(c.tuiles.size()) + " cochées, cible " + cible);
            Coche(c.tuiles);
            Tape(cible);
            PoseTemoins();
            const std::string avant = Releve();
            const std::uint64_t appels = Module1::Mesure::AppelsRecherche;

            const auto boites = Chercher();
            ASSERT_EQ(boites.size(), 1u);
            EXPECT_EQ(boites[0].Texte, MessageCompte);
            EXPECT_EQ(boites[0].Icone, QMessageBox::Critical);
            EXPECT_EQ(boites[0].Titre, "Ornavex");
            EXPECT_EQ(Releve(), avant);
            EXPECT_EQ(Module1::Mesure::AppelsRecherche, appels);
            EXPECT_EQ(Tirage(), c.tirage);
            EXPECT_EQ(frm.focusWidget(), &frm.CmdGO);
        }
    }
}

// Every text of up to three characters over these, typed into the target box
// with six tiles checked. Digits stand for all ten.
const char* const Alphabet[] = {"0", "1", "5", "9", "+", "-", ".", ",", "e", " ", "a", "é"};

// What the text is worth as a number, read by the C library in the C locale:
// blanks around it allowed, nothing else left over.
bool LitNombre(const std::string& texte, double& valeur) {
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string::npos) return false;
    const std::string nombre = texte.substr(debut, texte.find_last_not_of(' ') + 1 - debut);
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    char* fin = nullptr;
    valeur = strtod_l(nombre.c_str(), &fin, c);
    return fin == nombre.c_str() + nombre.size();
}

class TexteCible : public CmdGOTest, public testing::WithParamInterface<std::string> {};

// One suite per first character, so that they run side by side.
TEST_P(TexteCible, GivesOneTargetMessageWithNothingElseChangedOrASearch) {
    std::vector<std::string> textes = {GetParam()};
    if (!GetParam().empty()) {
        for (const char* b : Alphabet) {
            textes.push_back(GetParam() + b);
            for (const char* c : Alphabet)
                textes.push_back(GetParam() + b + c);
        }
    }
    // Every target from 100 to 999 over these digits has a quick chain.
    Coche({24, 14, 5, 9, 1, 11});
    const std::array<std::int16_t, 6> tirage = {1, 5, 9, 25, 100, 10};

    for (const std::string& texte : textes) {
        SCOPED_TRACE("\"" + texte + "\"");
        Tape(texte);
        ASSERT_EQ(frm.TxtResultat.Text(), texte);
        PoseTemoins();
        const std::string avant = Releve();
        const std::uint64_t appels = Module1::Mesure::AppelsRecherche;

        const auto boites = Chercher();
        EXPECT_EQ(Tirage(), tirage);
        double valeur = 0;
        const bool nombre = LitNombre(texte, valeur);
        if (!nombre || valeur < 100 || valeur > 999) {
            ASSERT_EQ(boites.size(), 1u);
            EXPECT_EQ(boites[0].Texte, nombre ? MessageBornes : MessageInvalide);
            EXPECT_EQ(boites[0].Icone, QMessageBox::Critical);
            EXPECT_EQ(boites[0].Titre, "Ornavex");
            EXPECT_EQ(Releve(), avant);
            EXPECT_EQ(Module1::Mesure::AppelsRecherche, appels);
            EXPECT_EQ(frm.focusWidget(), nombre ? static_cast<QWidget*>(&frm.TxtResultat)
                                                : static_cast<QWidget*>(&frm.CmdGO));
        } else {
            ASSERT_TRUE(boites.empty()) << boites[0].Texte;
            EXPECT_EQ(Module1::NombreATrouver, static_cast<std::int16_t>(valeur));
            EXPECT_EQ(frm.LblInfo.Caption().rfind(Entete, 0), 0u) << frm.LblInfo.Caption();
            // 100 is one of the tiles: shown without a search.
            EXPECT_EQ(Module1::Mesure::AppelsRecherche > appels, valeur != 100);
            EXPECT_EQ(frm.MousePointer(), 0);
            EXPECT_TRUE(frm.CmdGO.Enabled() && frm.CmdQuit.Enabled());
        }
    }
}

std::vector<std::string> PremiersCaracteres() {
    std::vector<std::string> premiers = {""};
    premiers.insert(premiers.end(), std::begin(Alphabet), std::end(Alphabet));
    return premiers;
}

INSTANTIATE_TEST_SUITE_P(ParPremierCaractere, TexteCible, testing::ValuesIn(PremiersCaracteres()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return "n" + std::to_string(info.index);
                         });

}  // namespace
