#include "Controles.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QTest>
#include <vector>

#include "PointeurSouris.h"

namespace {

TEST(Etiquette, ShowsCrLfAsOneLineBreakAndReadsBackWhatWasWritten) {
    Etiquette etiquette;
    for (const std::string texte : {"Tavelune :\r\n250", "a\r\n\r\nb\nc", "", "Non trouvé"}) {
        etiquette.Caption(texte);
        EXPECT_EQ(etiquette.Caption(), texte);
    }
    etiquette.Caption("Tavelune :\r\n(7+3)x5-2\r\n\r\nfin");
    EXPECT_EQ(etiquette.text(), QString::fromUtf8("Tavelune :\n(7+3)x5-2\n\nfin"));
    etiquette.Caption("<b>1</b>");
    EXPECT_EQ(etiquette.textFormat(), Qt::PlainText);
}

struct Mouvement {
    std::int16_t Button, Shift;
    float X, Y;
};

TEST(Etiquette, LeftClickAndEveryMouseMoveReachTheirHandlers) {
    Etiquette etiquette;
    etiquette.resize(145, 17);
    int clicks = 0;
    std::vector<Mouvement> mouvements;
    etiquette.QuandClick([&] { ++clicks; });
    etiquette.QuandMouseMove([&](std::int16_t b, std::int16_t s, float x, float y) {
        mouvements.push_back({b, s, x, y});
    });
    EXPECT_TRUE(etiquette.hasMouseTracking());

    QTest::mouseClick(&etiquette, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseClick(&etiquette, Qt::RightButton, {}, QPoint(10, 5));
    EXPECT_EQ(clicks, 1);

    auto bouge = [&](QPointF place, Qt::MouseButtons boutons, Qt::KeyboardModifiers touches) {
        QMouseEvent mouvement(QEvent::MouseMove, place, place, Qt::NoButton, boutons, touches);
        QApplication::sendEvent(&etiquette, &mouvement);
    };
    bouge(QPointF(20, 4), Qt::NoButton, Qt::NoModifier);
    bouge(QPointF(30, 6), Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier);
    ASSERT_EQ(mouvements.size(), 2u);
    EXPECT_EQ(mouvements[0].Button, 0);
    EXPECT_EQ(mouvements[0].Shift, 0);
    EXPECT_EQ(mouvements[1].Button, 1 | 2);
    EXPECT_EQ(mouvements[1].Shift, 1 | 4);
    // Places come in twips.
    EXPECT_FLOAT_EQ(mouvements[1].X, 30 * 15);
    EXPECT_FLOAT_EQ(mouvements[1].Y, 6 * 15);
}

TEST(CaseACocher, ValueShowsTheStateWritten) {
    CaseACocher tuile;
    tuile.Caption("100");
    tuile.resize(49, 13);
    EXPECT_TRUE(tuile.EstCaseACocher());
    EXPECT_EQ(tuile.Value(), 0);
    tuile.Value(1);
    EXPECT_TRUE(tuile.isChecked());
    QTest::mouseClick(&tuile, Qt::LeftButton);
    EXPECT_EQ(tuile.Value(), 0);
    const Controle& controle = tuile;
    EXPECT_EQ(controle.Caption(), "100");
}

TEST(ControleDeathTest, PropertyTheControlLacksIsARunTimeError) {
    EXPECT_EXIT(
        {
            Etiquette etiquette;
            const Controle& controle = etiquette;
            controle.Value();
        },
        testing::ExitedWithCode(1), "Type incompatible");
}

TEST(PointeurSouris, HourglassStaysUntilSetBackAndLeavesWithTheWindow) {
    {
        PointeurSouris pointeur;
        pointeur.Fixe(PointeurSouris::Sablier);
        pointeur.Fixe(PointeurSouris::Sablier);
        EXPECT_EQ(pointeur.Valeur(), 11);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        pointeur.Fixe(PointeurSouris::Defaut);
        EXPECT_EQ(pointeur.Valeur(), 0);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        pointeur.Fixe(PointeurSouris::Sablier);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
