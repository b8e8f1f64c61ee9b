#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <set>
#include <string>

#include "Hasard.h"
#include "Module1.h"
#include "Tableau.h"
#include "TestJeu.h"
#include "Texte.h"

namespace {

using Runtime::Erreur;

const int (&TroisValeurs())[3] {
    static const int liste[] = {1, 2, 3};
    return liste;
}

using TestJeu::SousGestionnaire;

TEST(Conversions, RoundHalvesToEvenAndCheckTheRange) {
    EXPECT_EQ(Runtime::VersEntier32(2.5), 2);
    EXPECT_EQ(Runtime::VersEntier32(3.5), 4);
    EXPECT_EQ(Runtime::VersEntier32(-2.5), -2);
    EXPECT_EQ(Runtime::VersEntier32(-3.5), -4);
    EXPECT_EQ(Runtime::VersEntier32(3.4999999), 3);
    EXPECT_EQ(Runtime::VersEntier32(1073741823.5), 1073741824);
    EXPECT_EQ(Runtime::VersEntier32(2147483647.4), 2147483647);
    EXPECT_EQ(Runtime::VersEntier32(-2147483648.5), -2147483648);
    EXPECT_EQ(Runtime::VersEntier16(32767.4), 32767);

    EXPECT_EQ(SousGestionnaire([] { Runtime::VersEntier32(2147483647.5); }),
              Erreur::DepassementCapacite);
    EXPECT_EQ(SousGestionnaire([] { Runtime::VersEntier16(32767.5); }),
              Erreur::DepassementCapacite);
    EXPECT_EQ(SousGestionnaire([] { Runtime::VersEntier16(std::int32_t{40000}); }),
              Erreur::DepassementCapacite);
    EXPECT_EQ(SousGestionnaire([] { Runtime::VersEntier32(std::nan("")); }),
              Erreur::DepassementCapacite);
}

TEST(Arithmetic, OverflowRaisesAndNeverWraps) {
    const std::int32_t max32 = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(Runtime::Ajoute<std::int32_t>(max32 - 1, 1), max32);
    EXPECT_EQ(SousGestionnaire([&] { Runtime::Ajoute<std::int32_t>(max32, 1); }),
              Erreur::DepassementCapacite);
    EXPECT_EQ(SousGestionnaire([] { Runtime::Soustrait<std::int16_t>(-32768, 1); }),
              Erreur::DepassementCapacite);
    EXPECT_EQ(SousGestionnaire([] { Runtime::Multiplie<std::int32_t>(46341, 46341); }),
              Erreur::DepassementCapacite);
    EXPECT_EQ(SousGestionnaire([] { Runtime::Divise(1, 0); }), Erreur::DivisionParZero);
    EXPECT_EQ(SousGestionnaire([] { Runtime::Divise(0, 0); }), Erreur::DepassementCapacite);
    EXPECT_EQ(SousGestionnaire([] { Runtime::VersSimple(1e300); }), Erreur::DepassementCapacite);
}

TEST(Arithmetic, SinglePrecisionRoundsToNearestEven) {
    EXPECT_EQ(Runtime::VersSimple(16777217.0 / 2.0), 8388608.0f);
    EXPECT_EQ(Runtime::VersSimple(16777217.0), 16777216.0f);
    EXPECT_EQ(Runtime::VersSimple(16777219.0), 16777220.0f);
}

TEST(ErrorsDeathTest, AnErrorWithNoHandlerEndsTheProgram) {
    EXPECT_EXIT(Runtime::Ajoute<std::int16_t>(32767, 1), testing::ExitedWithCode(1),
                "Dépassement de capacité");
    EXPECT_EXIT(Runtime::Choisit(7, TroisValeurs()), testing::ExitedWithCode(1),
                "Indice hors limites");
}

TEST(Arrays, SubscriptsOutsideTheBoundsRaise) {
    Runtime::Tableau<std::int16_t, 0, 5> t;
    t[5] = 7;
    EXPECT_EQ(t[5], 7);
    EXPECT_EQ(SousGestionnaire([&] { t[6] = 1; }), Erreur::IndiceHorsLimites);
    EXPECT_EQ(SousGestionnaire([&] { (void)t[-1]; }), Erreur::IndiceHorsLimites);
    const int liste[] = {10, 20, 30};
    EXPECT_EQ(Runtime::Choisit(1, liste), 10);
    EXPECT_EQ(Runtime::Choisit(3, liste), 30);
    EXPECT_EQ(SousGestionnaire([&] { Runtime::Choisit(4, liste); }), Erreur::IndiceHorsLimites);
}

TEST(Text, NumericTestAcceptsPlainWrittenNumbersOnly) {
    for (const char* t : {"0", "100", "999", " 12 ", "\t7", "+5", "-5", "1.5", "1.", ".5", "-.5",
                          "1e2", "1E+2", "25e-1", "007", "1e-400"})
        EXPECT_EQ(Runtime::EstNumerique(t), Runtime::Vrai) << '"' << t << '"';
    for (const char* t :
         {"",    " ",   "+",    "-",   ".",   "e2",    "1e",  "1e+", "abc",   "1,5",
          "1 5", "--1", "0x10", "inf", "nan", "1e400", "12a", "é",   "1.2.3", "+-1"})
        EXPECT_EQ(Runtime::EstNumerique(t), Runtime::Faux) << '"' << t << '"';
}

TEST(Text, ConversionsOfNumericTexts) {
    EXPECT_EQ(Runtime::VersDouble(" 2.5e2 "), 250.0);
    EXPECT_EQ(Runtime::VersDouble("-.5"), -0.5);
    EXPECT_EQ(Runtime::VersDouble("1e-400"), 0.0);
    EXPECT_EQ(Runtime::VersEntier16("100.5"), 100);
    EXPECT_EQ(Runtime::VersEntier16("101.5"), 102);
    EXPECT_EQ(Runtime::VersEntier16("999"), 999);
    EXPECT_EQ(SousGestionnaire([] { Runtime::VersDouble("abc"); }), Erreur::TypeIncompatible);
    EXPECT_EQ(SousGestionnaire([] { Runtime::VersEntier16("40000"); }),
              Erreur::DepassementCapacite);
}

TEST(Text, EveryIntegerComesBackFromItsText) {
    for (std::int32_t n = -32768; n <= 32767; ++n) {
        const std::string t = Runtime::VersTexte(n);
        ASSERT_EQ(Runtime::VersEntier16(t), n) << t;
    }
    EXPECT_EQ(Runtime::VersTexte(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(Runtime::VersTexte(0), "0");
}

// Every text of up to three characters over an alphabet of number parts: what
// passes the test converts to a double, and to 16 bits when in 100 to 999.
TEST(Text, NumericTextsAlwaysConvert) {
    const std::string alphabet = "0159+-.,eE a";
    std::vector<std::string> textes{""};
    for (int longueur = 1; longueur <= 3; ++longueur) {
        std::vector<std::string> suivants;
        for (const auto& t : textes)
            if (static_cast<int>(t.size()) == longueur - 1)
                for (char c : alphabet)
                    suivants.push_back(t + c);
        textes.insert(textes.end(), suivants.begin(), suivants.end());
    }
    for (const auto& t : textes) {
        if (!Runtime::EstNumerique(t)) continue;
        Erreur e = SousGestionnaire([&] {
            const double v = Runtime::VersDouble(t);
            if (v >= 100.0 && v <= 999.0) Runtime::VersEntier16(t);
        });
        EXPECT_EQ(e, Erreur::Aucune) << '"' << t << '"';
    }
}

TEST(Random, DrawsKeepVaryingWhenReseededWithTheSameReading) {
    TestJeu::AvecHorloge horloge([] { return 43200.5f; });
    std::set<float> valeurs;
    float precedente = -1;
    for (int i = 0; i < 10000; ++i) {
        Runtime::Reinitialise(Runtime::HeureDuJour());
        const float r = Runtime::Aleatoire();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        EXPECT_NE(r, precedente);
        precedente = r;
        valeurs.insert(r);
    }
    EXPECT_GT(valeurs.size(), 9900u);
}

TEST(Random, TheClockReadsSecondsSinceMidnight) {
    const float t = Runtime::HeureDuJour();
    EXPECT_GE(t, 0.0f);
    EXPECT_LT(t, 86401.0f);
}

// The values that a tile can have, each once.
const std::set<std::int32_t> ValeursDesPlaques(Module1::Plaques.begin(), Module1::Plaques.end());

// Every remainder below 2^24 with every tile value: the integer test of "*"
// against the single-precision one that it stands for.
TEST(FastPaths, EstMultipleIsTheSinglePrecisionTestBelow2To24) {
    const auto simple = [](std::int32_t r, std::int32_t n) {
        const float q = Runtime::VersSimple(Runtime::Divise(r, n));
        return q >= 1.0f && Runtime::Plancher(q) == q;
    };
    for (const std::int32_t n : ValeursDesPlaques) {
        std::int32_t ecarts = 0, premier = -1;
        for (std::int32_t r = 0; r < Runtime::LimiteSimpleExacte; ++r)
            if (Runtime::EstMultiple(r, n) != simple(r, n) && ecarts++ == 0) premier = r;
        EXPECT_EQ(ecarts, 0) << "n " << n << ", first at " << premier;
    }
    // Other numbers, which only tables that no request loads hold.
    std::mt19937 alea(24);
    std::uniform_int_distribution<std::int32_t> reste(0, Runtime::LimiteSimpleExacte - 1),
        nombre(1, std::numeric_limits<std::int32_t>::max());
    for (int i = 0; i < 1000000; ++i) {
        const std::int32_t r = reste(alea);
        const std::int32_t n = i % 2 ? nombre(alea) : nombre(alea) % 1000 + 1;
        ASSERT_EQ(Runtime::EstMultiple(r, n), simple(r, n)) << r << " / " << n;
    }
}

// The integer quotient against the double one with its rounding: with every
// tile value, the remainders at both ends of the 32-bit range, where the
// double quotient is the most and the least precise, each slice holding every
// remainder class and both parities of the quotient many times over; then
// random pairs over the whole domain, and the edges.
TEST(FastPaths, QuotientPairIsTheRoundedDoubleQuotient) {
    const auto double_ = [](std::int32_t r, std::int32_t n) {
        return Runtime::VersEntier32(Runtime::Divise(r, n));
    };
    constexpr std::int32_t tranche = 1 << 22;
    constexpr std::int32_t max32 = std::numeric_limits<std::int32_t>::max();
    for (const std::int32_t n : ValeursDesPlaques) {
        std::int32_t ecarts = 0, premier = -1;
        for (std::int32_t r = 0; r < tranche; ++r)
            if (Runtime::QuotientPair(r, n) != double_(r, n) && ecarts++ == 0) premier = r;
        for (std::int32_t k = 0; k < tranche; ++k) {
            const std::int32_t r = max32 - k;
            if (Runtime::QuotientPair(r, n) != double_(r, n) && ecarts++ == 0) premier = r;
        }
        EXPECT_EQ(ecarts, 0) << "n " << n << ", first at " << premier;
    }

    std::mt19937 alea(24);
    std::uniform_int_distribution<std::int32_t> reste(0, max32), nombre(1, max32);
    for (int i = 0; i < 2000000; ++i) {
        const std::int32_t r = reste(alea);
        const std::int32_t n = i % 2 ? nombre(alea) : nombre(alea) % 1000 + 1;
        ASSERT_EQ(Runtime::QuotientPair(r, n), double_(r, n)) << r << " / " << n;
    }
    for (const std::int32_t r : {0, 1, 2, 3, 5, 7, max32 - 1, max32})
        for (const std::int32_t n : {1, 2, 3, 10, 46341, max32 - 1, max32})
            EXPECT_EQ(Runtime::QuotientPair(r, n), double_(r, n)) << r << " / " << n;
}

}  // namespace
