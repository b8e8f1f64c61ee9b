#include "FrmMain.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <string>
#include <utility>
#include <vector>

#include "Apparence.h"
#include "BoiteMessage.h"
#include "Module1.h"
#include "Programme.h"
#include "TestsFenetre.h"
#include "Texte.h"

namespace {

std::string Nom(const QWidget* widget) {
    return widget ? widget->objectName().toStdString() : "(aucun)";
}

std::string NomTuile(std::int32_t i) {
    return "Chk(" + Runtime::VersTexte(i) + ")";
}

using FrmMainTest = FenetreTest;

TEST_F(FrmMainTest, OpensInItsStartUpState) {
    EXPECT_EQ(frm.windowTitle(), "Ornavex v1.0 - Tavelune");
    EXPECT_EQ(frm.TxtResultat.Text(), "100");
    EXPECT_EQ(frm.LblInfo.Caption(), "");
    for (std::int32_t i = 1; i <= 24; ++i)
        EXPECT_EQ(frm.Chk(i).Value(), 0) << i;
    for (const Bouton* b : {&frm.CmdGO, &frm.CmdProposer, &frm.CmdErase, &frm.CmdQuit})
        EXPECT_TRUE(b->Enabled()) << Nom(b);
    EXPECT_EQ(frm.MousePointer(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Nom(QApplication::focusWidget()), "TxtResultat");
    EXPECT_FALSE(frm.windowIcon().isNull());
}

TEST_F(FrmMainTest, IsFixedInSizeAndCentredOnTheScreen) {
    EXPECT_EQ(frm.size(), QSize(413, 335));
    EXPECT_EQ(frm.minimumSize(), frm.maximumSize());
    const QRect ecran = frm.screen()->availableGeometry();
    // The window's top left corner is placed before any frame is known.
    EXPECT_EQ(frm.pos(), QPoint(ecran.x() + (ecran.width() - 413) / 2,
                                ecran.y() + (ecran.height() - 335) / 2));
}

TEST_F(FrmMainTest, ControlsStandWhereTheDescriptionPutsThem) {
    EXPECT_EQ(frm.CmdProposer.geometry(), QRect(296, 48, 89, 25));
    EXPECT_EQ(frm.CmdQuit.geometry(), QRect(296, 272, 89, 25));
    EXPECT_EQ(frm.TxtResultat.geometry(), QRect(312, 88, 89, 28));
    EXPECT_EQ(frm.LblInfo.geometry(), QRect(160, 136, 241, 113));
    EXPECT_EQ(frm.Frame1.geometry(), QRect(8, 32, 137, 241));
    EXPECT_EQ(frm.Frame2.geometry(), QRect(0, 312, 481, 25));
    EXPECT_EQ(frm.lblCompany.parentWidget(), &frm.Frame2);
    EXPECT_EQ(frm.lblCompany.geometry(), QRect(216, 4, 145, 17));
    EXPECT_EQ(frm.Line1.geometry().top(), 311);
    // Each value from 1 to 10 stands twice on one row; 25 to 100 stand alone.
    for (std::int32_t i = 1; i <= 24; ++i) {
        const CaseACocher& tuile = frm.Chk(i);
        EXPECT_EQ(tuile.parentWidget(), &frm.Frame1);
        EXPECT_EQ(Nom(&tuile), NomTuile(i));
        EXPECT_EQ(tuile.Caption(), Runtime::VersTexte(Module1::Plaques[i - 1]));
        const std::int32_t rang = i <= 14 ? i - 1 : i - 15;
        EXPECT_EQ(tuile.geometry(), QRect(i <= 14 ? 16 : 72, 8 + 16 * rang, 49, 13)) << i;
    }
}

TEST_F(FrmMainTest, FontsAndColoursFollowTheDescription) {
    EXPECT_EQ(QFontInfo(frm.Chk(14).font()).family(), "Liberation Sans");
    EXPECT_TRUE(frm.Chk(14).font().bold());
    EXPECT_DOUBLE_EQ(frm.Chk(14).font().pointSizeF(), 9.75);
    EXPECT_TRUE(frm.lblCompany.font().underline());
    EXPECT_EQ(QFontInfo(frm.Label3.font()).family(), "Liberation Sans Narrow");
    EXPECT_EQ(frm.palette().color(QPalette::Window), QColor(192, 192, 255));
    EXPECT_EQ(frm.Chk(1).palette().color(frm.Chk(1).backgroundRole()), QColor(128, 128, 255));
    EXPECT_EQ(frm.TxtResultat.palette().color(QPalette::Base), QColor(128, 128, 255));
    EXPECT_EQ(frm.LblInfo.palette().color(QPalette::Window), QColor(0, 0, 192));
    EXPECT_EQ(frm.LblInfo.palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::HighlightedText));
    EXPECT_EQ(frm.Frame2.palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Light));
}

// Each control asks for its face by the description's name; the system here
// lacks them and draws the Liberation faces of the same metrics.
TEST_F(FrmMainTest, FontsAskForTheDescriptionsFacesAndDrawWithLiberation) {
    struct Cas {
        const QWidget* controle;
        const char* famille;
        double points;
        int poids;
        bool souligne;
        const char* face;
    };
    const Cas cas[] = {
        {&frm.CmdGO, "MS Sans Serif", 9.75, 700, false, "Liberation Sans"},
        {&frm.TxtResultat, "MS Sans Serif", 12, 700, false, "Liberation Sans"},
        {&frm.lblCompany, "Arial", 9.75, 400, true, "Liberation Sans"},
        {&frm.Label3, "Arial Narrow", 9.75, 400, false, "Liberation Sans Narrow"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(Nom(c.controle));
        const QFont police = c.controle->font();
        EXPECT_EQ(police.family(), c.famille);
        EXPECT_DOUBLE_EQ(police.pointSizeF(), c.points);
        EXPECT_EQ(police.weight(), c.poids);
        EXPECT_EQ(police.underline(), c.souligne);
        const QFontInfo face(police);
        EXPECT_EQ(face.family(), c.face);
        EXPECT_EQ(face.bold(), c.poids == 700);
    }
}

// A tile box is 13 pixels high, as the platform's check box: its border shows
// on all four sides, darker than the inside, at scale 1 and 2.
TEST_F(FrmMainTest, EveryTileBoxDrawsItsWholeBox) {
    CaseACocher& tuile = frm.Chk(14);
    for (const int echelle : {1, 2}) {
        SCOPED_TRACE("échelle " + std::to_string(echelle));
        QImage image(tuile.size() * echelle, QImage::Format_RGB32);
        image.setDevicePixelRatio(echelle);
        tuile.render(&image);
        // The box stands at the left, as high as the control.
        const int cote = 13 * echelle;
        ASSERT_EQ(image.height(), cote);
        const int milieu = cote / 2;
        const int dedans = qGray(image.pixel(milieu, milieu));
        EXPECT_LT(qGray(image.pixel(0, milieu)), dedans) << "left";
        EXPECT_LT(qGray(image.pixel(cote - 1, milieu)), dedans) << "right";
        EXPECT_LT(qGray(image.pixel(milieu, 0)), dedans) << "top";
        EXPECT_LT(qGray(image.pixel(milieu, cote - 1)), dedans) << "bottom";
    }
}

// The window keeps its look whatever the desktop gives Qt: here another style
// and a dark scheme, then the program's own look set over them. Every colour
// of its palette is its own, or Qt would fill the rest from the desktop's.
TEST(Apparence, TheWindowLooksTheSameWhateverStyleAndColoursTheDesktopGives) {
    const auto vue = [] {
        FrmMain frm;
        return frm.grab().toImage();
    };
    const QImage attendue = vue();
    QPalette sombre(QColor(53, 53, 53));
    sombre.setColor(QPalette::WindowText, Qt::white);
    sombre.setColor(QPalette::Text, Qt::white);
    sombre.setColor(QPalette::HighlightedText, Qt::black);
    QApplication::setStyle("Windows");
    QApplication::setPalette(sombre);
    FixeApparence();
    EXPECT_EQ(QApplication::style()->name(), "fusion");
    EXPECT_TRUE(vue() == attendue);
    const QPalette palette = QApplication::palette();
    for (const auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole) continue;  // it names no colour
            EXPECT_TRUE(palette.isBrushSet(groupe, static_cast<QPalette::ColorRole>(role)))
                << groupe << " " << role;
        }
}

// The red figures keep clear of the card's black border, and nothing is
// drawn on the icon's own edge.
TEST_F(FrmMainTest, NothingOfTheIconTouchesABorder) {
    const QImage icone =
        frm.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icone.size(), QSize(32, 32));
    const QRgb rouge = qRgb(0xC0, 0, 0);
    const QRgb noir = qRgb(0, 0, 0);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (x == 0 || y == 0 || x == 31 || y == 31) {
                EXPECT_EQ(qAlpha(icone.pixel(x, y)), 0) << x << "," << y;
            }
            if (icone.pixel(x, y) != rouge) continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    EXPECT_NE(icone.pixel(x + dx, y + dy), noir) << x << "," << y;
        }
    }
}

TEST_F(FrmMainTest, EveryCaptionFitsItsControl) {
    for (Controle* controle : frm.Controls()) {
        QWidget& w = controle->Widget();
        if (auto* etiquette = qobject_cast<QLabel*>(&w)) {
            if (etiquette->text().isEmpty()) continue;
            const QFontMetrics mesure(etiquette->font());
            EXPECT_LE(mesure.horizontalAdvance(etiquette->text()), w.width()) << Nom(&w);
            EXPECT_LE(mesure.height(), w.height()) << Nom(&w);
        } else if (qobject_cast<QAbstractButton*>(&w)) {
            EXPECT_LE(w.sizeHint().width(), w.width()) << Nom(&w);
        }
    }
    const QFontMetrics cible(frm.TxtResultat.font());
    EXPECT_LE(cible.horizontalAdvance("999"), frm.TxtResultat.contentsRect().width());
}

TEST_F(FrmMainTest, TabGoesFromTheTargetDownTheRightColumnThenUpTheLeft) {
    std::vector<std::string> attendu = {"TxtResultat"};
    for (std::int32_t i = 15; i <= 24; ++i)
        attendu.push_back(NomTuile(i));
    for (std::int32_t i = 14; i >= 1; --i)
        attendu.push_back(NomTuile(i));
    for (const char* nom : {"CmdGO", "CmdQuit", "CmdErase", "CmdProposer", "TxtResultat"})
        attendu.push_back(nom);

    std::vector<std::string> vu = {Nom(QApplication::focusWidget())};
    for (std::size_t k = 1; k < attendu.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        vu.push_back(Nom(QApplication::focusWidget()));
    }
    EXPECT_EQ(vu, attendu);
}

// As on the desktop the window stands for, Return and Enter press the
// focused button as Space does, each once; in the target box, Return does nothing.
TEST_F(FrmMainTest, ReturnEnterAndSpaceEachPressTheFocusedButtonOnce) {
    int fins = 0;
    const FinProgramme avant = RemplaceFinProgramme([&fins] { ++fins; });
    const std::pair<Qt::Key, Qt::KeyboardModifiers> touches[] = {
        {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Enter, Qt::KeypadModifier},
        {Qt::Key_Space, Qt::NoModifier},
    };
    // "Quitter" closes the window, and a message box takes its activation.
    auto focus = [this](QWidget& controle) {
        frm.show();
        frm.activateWindow();
        controle.setFocus();
        return QTest::qWaitForWindowActive(&frm) && QApplication::focusWidget() == &controle;
    };
    Bouton* const boutons[] = {&frm.CmdGO, &frm.CmdProposer, &frm.CmdErase, &frm.CmdQuit};
    for (const auto& [touche, modificateurs] : touches) {
        for (Bouton* bouton : boutons) {
            SCOPED_TRACE(Nom(bouton) + ", touche " + std::to_string(touche));
            ASSERT_TRUE(focus(*bouton));
            QSignalSpy clics(bouton, &QAbstractButton::clicked);
            RepondAuxBoites(
                [&] { QTest::keyClick(QApplication::focusWidget(), touche, modificateurs); });
            EXPECT_EQ(clics.count(), 1);
        }
    }
    EXPECT_EQ(fins, 3);
    RemplaceFinProgramme(avant);

    frm.LblInfo.Caption("avant");
    ASSERT_TRUE(focus(frm.TxtResultat));
    QObject contexte;
    int clics = 0;
    for (Bouton* bouton : boutons)
        QObject::connect(bouton, &QAbstractButton::clicked, &contexte, [&clics] { ++clics; });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(clics, 0);
    EXPECT_EQ(frm.LblInfo.Caption(), "avant");
}

TEST_F(FrmMainTest, TargetBoxRefusesAFourthCharacter) {
    QTest::keyClicks(&frm.TxtResultat, "7");
    EXPECT_EQ(frm.TxtResultat.Text(), "100");
    frm.TxtResultat.clear();
    QTest::keyClicks(&frm.TxtResultat, "1234");
    EXPECT_EQ(frm.TxtResultat.Text(), "123");
}

// The toolkit's own words, whatever the user's language: the target box's menu.
TEST_F(FrmMainTest, TargetBoxMenuIsInFrench) {
    ASSERT_TRUE(TraduitTextesQt());
    const QPoint place(5, 5);
    QContextMenuEvent clicDroit(QContextMenuEvent::Mouse, place,
                                frm.TxtResultat.mapToGlobal(place));
    QApplication::sendEvent(&frm.TxtResultat, &clicDroit);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QStringList textes;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) textes << action->text().remove('&').section('\t', 0, 0);
    menu->close();
    EXPECT_EQ(textes.join(", ").toStdString(),
              "Annuler, Rétablir, Couper, Copier, Coller, Supprimer, Tout sélectionner");
}

TEST_F(FrmMainTest, EnumerationFollowsTheDescriptionAndOnlyTilesAreCheckBoxes) {
    std::vector<std::string> attendu = {"CmdProposer", "CmdErase",   "CmdQuit", "CmdGO",
                                        "Frame2",      "lblCompany", "Label3",  "Frame1"};
    for (std::int32_t i = 1; i <= 14; ++i)
        attendu.push_back(NomTuile(i));
    for (std::int32_t i = 24; i >= 15; --i)
        attendu.push_back(NomTuile(i));
    for (const char* nom : {"TxtResultat", "Line1", "Label2", "LblInfo", "Label1"})
        attendu.push_back(nom);

    std::vector<std::string> vu;
    std::vector<std::string> cases;
    for (Controle* controle : frm.Controls()) {
        vu.push_back(Nom(&controle->Widget()));
        if (controle->EstCaseACocher()) cases.push_back(vu.back());
    }
    EXPECT_EQ(vu, attendu);
    EXPECT_EQ(cases, std::vector<std::string>(attendu.begin() + 8, attendu.begin() + 32));
    // Every control of the window is enumerated.
    EXPECT_EQ(vu.size(), static_cast<std::size_t>(frm.findChildren<QWidget*>().size()));
}

TEST_F(FrmMainTest, QuitterUnloadsTheWindowThenEndsTheProgram) {
    bool fermeeAvantFin = false;
    int fins = 0;
    const FinProgramme avant = RemplaceFinProgramme([&] {
        fermeeAvantFin = !frm.isVisible();
        ++fins;
    });
    QTest::mouseClick(&frm.CmdQuit, Qt::LeftButton);
    RemplaceFinProgramme(avant);
    EXPECT_EQ(fins, 1);
    EXPECT_TRUE(fermeeAvantFin);
}

TEST_F(FrmMainTest, ClosingTheWindowOtherwiseEndsTheEventLoop) {
    QTimer::singleShot(0, &frm, [this] { frm.close(); });
    // Never hang; tied to the window so that it cannot fire into a later test.
    QTimer::singleShot(5000, &frm, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
}

using FrmMainDeathTest = FrmMainTest;

TEST_F(FrmMainDeathTest, QuitterEndsTheProgramWithStatusZero) {
    EXPECT_EXIT(
        {
            frm.Chk(3).Value(1);
            QTest::keyClicks(&frm.TxtResultat, "abc");
            QTest::mouseClick(&frm.CmdQuit, Qt::LeftButton);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(FrmMainDeathTest, TileIndexOutsideOneToTwentyFourShowsTheErrorBoxAndEnds) {
    for (const std::int32_t index : {0, 25}) {
        EXPECT_EXIT(
            {
                InstalleBoiteErreur();
                QTimer guetteur;
                QObject::connect(&guetteur, &QTimer::timeout, [] {
                    auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    if (!boite || boite->icon() != QMessageBox::Critical) return;
                    std::fprintf(stderr, "[%s] %s\n", qPrintable(boite->windowTitle()),
                                 qPrintable(boite->text()));
                    boite->accept();
                });
                guetteur.start(5);
                frm.Chk(index);
            },
            testing::ExitedWithCode(1), "\\[Ornavex\\] .*Indice hors limites");
    }
}

}  // namespace
