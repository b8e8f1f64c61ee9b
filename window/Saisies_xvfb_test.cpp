// The busy window on a real X server. The user's input goes through XTest
// just before the handler runs: it waits in the queue, as input made during
// the search does.
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "FrmMain.h"
#include "Mesure.h"
#include "Programme.h"
#include "Saisies.h"
#include "TestsFenetre.h"

namespace {

class SaisiesX : public FenetreTest {
  protected:
    void SetUp() override {
        const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        ASSERT_NE(x11, nullptr) << "these tests need QT_QPA_PLATFORM=xcb";
        x_ = x11->connection();
        // With no window manager, the window takes the keyboard only when asked.
        frm.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
        frm.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
        avant_ = RemplaceFinProgramme([this] { ++fins_; });
    }
    void TearDown() override { RemplaceFinProgramme(avant_); }

    // The pointer moved to that place of the control, by default its middle.
    void DeplaceX(const QWidget& controle, std::optional<QPoint> place = {}) {
        const QPointF global =
            controle.mapToGlobal(place ? QPointF(*place) : QRectF(controle.rect()).center()) *
            controle.devicePixelRatio();
        const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(x_)).data->root;
        xcb_test_fake_input(x_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, racine,
                            static_cast<std::int16_t>(global.x()),
                            static_cast<std::int16_t>(global.y()), 0);
    }

    // XCB_BUTTON_PRESS or XCB_BUTTON_RELEASE of the left button.
    void BoutonX(std::uint8_t geste) {
        xcb_test_fake_input(x_, geste, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }

    // The pointer moved to the middle of the control, then a left click.
    void CliqueX(const QWidget& controle) {
        DeplaceX(controle);
        BoutonX(XCB_BUTTON_PRESS);
        BoutonX(XCB_BUTTON_RELEASE);
    }

    // The space bar pressed and released; it goes to the focused control.
    void EspaceX() {
        const xcb_keycode_t touche = CodeEspace();
        xcb_test_fake_input(x_, XCB_KEY_PRESS, touche, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(x_, XCB_KEY_RELEASE, touche, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }

    // Returns once the server has made every input asked for so far. Qt has
    // delivered none of it yet: that waits for the event loop.
    void Synchronise() {
        std::free(xcb_get_input_focus_reply(x_, xcb_get_input_focus(x_), nullptr));
    }

    // Returns once the window has handled every input asked for so far.
    void Attend() {
        xcb_flush(x_);
        AttendServeurX(frm);
        QCoreApplication::processEvents();
    }

    // A click on the target box after all that came before it. Returns once
    // the event loop has delivered all of it: the box takes the focus last.
    bool Livre() {
        if (QApplication::focusWidget() == &frm.TxtResultat) return false;  // it would say nothing
        CliqueX(frm.TxtResultat);
        xcb_flush(x_);
        const bool livre = QTest::qWaitFor(
            [this] { return QApplication::focusWidget() == &frm.TxtResultat || !frm.isVisible(); },
            10000);
        return livre && frm.isVisible();
    }

    // Tiles 2, 4, 10, 8, 4, 2 and the target 866: a game that needs a search.
    // The user starts it from the keyboard.
    void PoseJeuCherche() {
        Coche({2, 4, 10, 22, 18, 16});
        Tape("866");
        frm.CmdGO.setFocus();
    }

    int fins_ = 0;

  private:
    xcb_keycode_t CodeEspace() {
        const xcb_setup_t* setup = xcb_get_setup(x_);
        const int nombre = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t* table = xcb_get_keyboard_mapping_reply(
            x_, xcb_get_keyboard_mapping(x_, setup->min_keycode, static_cast<std::uint8_t>(nombre)),
            nullptr);
        xcb_keycode_t code = 0;
        if (!table) return code;
        const xcb_keysym_t* symboles = xcb_get_keyboard_mapping_keysyms(table);
        for (int k = 0; k < nombre * table->keysyms_per_keycode && code == 0; ++k)
            if (symboles[k] == 0x20 /* space */)
                code = setup->min_keycode + k / table->keysyms_per_keycode;
        std::free(table);
        return code;
    }

    xcb_connection_t* x_ = nullptr;
    FinProgramme avant_;
};

TEST_F(SaisiesX, ClicksOnChercherAndQuitterDuringTheSearchReachNeither) {
    PoseJeuCherche();
    CliqueX(frm.CmdGO);
    CliqueX(frm.CmdQuit);
    Synchronise();

    const std::uint64_t avant = Module1::Mesure::AppelsRecherche;
    frm.CmdGO_Click();
    const std::uint64_t requete = Module1::Mesure::AppelsRecherche;
    EXPECT_GT(requete, avant);

    EXPECT_TRUE(Livre());
    EXPECT_EQ(fins_, 0);
    EXPECT_EQ(Module1::Mesure::AppelsRecherche, requete);
}

// Such input is forgotten, as on the disabled buttons: the user saw a busy
// window. The focus is back on "Chercher", not on "Effacer".
TEST_F(SaisiesX, InputOnTheEnabledControlsDuringTheSearchIsForgotten) {
    PoseJeuCherche();
    CliqueX(frm.Chk(23));
    CliqueX(frm.CmdErase);
    CliqueX(frm.CmdProposer);
    EspaceX();
    Synchronise();

    frm.CmdGO_Click();
    const std::string issue = frm.LblInfo.Caption();
    EXPECT_EQ(QApplication::focusWidget(), &frm.CmdGO);

    EXPECT_TRUE(Livre());
    EXPECT_EQ(frm.Chk(23).Value(), 0);
    EXPECT_EQ(frm.LblInfo.Caption(), issue);
    EXPECT_EQ(frm.TxtResultat.Text(), "866");
    EXPECT_EQ(fins_, 0);
}

// The hand shows over the web address alone, on a drag begun there too; and
// after a search, the mouse having moved meanwhile, the pointer and the hover
// look are those of the control now under it.
TEST_F(SaisiesX, PointerAndHoverLookAreThoseOfTheControlUnderTheMouse) {
    // What the X server shows over the window, as Qt last set it.
    const auto pointeur = [this] { return frm.windowHandle()->cursor().shape(); };
    DeplaceX(frm.lblCompany);
    Attend();
    EXPECT_EQ(pointeur(), Qt::PointingHandCursor);

    // Up from the address, over the window's own background just above the
    // foot, to the information label.
    BoutonX(XCB_BUTTON_PRESS);
    DeplaceX(frm, frm.Frame2.geometry().topLeft() + QPoint(10, -8));
    Attend();
    EXPECT_EQ(pointeur(), Qt::ArrowCursor);
    DeplaceX(frm.LblInfo);
    BoutonX(XCB_BUTTON_RELEASE);
    Attend();
    for (const QWidget* controle :
         std::initializer_list<const QWidget*>{&frm.Label2, &frm.Frame2, &frm.Label3}) {
        DeplaceX(*controle, QPoint(2, 2));
        Attend();
        EXPECT_EQ(pointeur(), Qt::ArrowCursor) << controle->objectName().toStdString();
    }

    // A search started over "Chercher", the mouse on the address by its end.
    PoseJeuCherche();
    DeplaceX(frm.CmdGO);
    Attend();
    ASSERT_TRUE(frm.CmdGO.underMouse());
    DeplaceX(frm.lblCompany);
    Synchronise();
    frm.CmdGO_Click();
    Attend();
    EXPECT_EQ(pointeur(), Qt::PointingHandCursor);
    EXPECT_FALSE(frm.CmdGO.underMouse());
    EXPECT_TRUE(frm.lblCompany.underMouse());
}

// As the desktop's own check boxes, a tile box toggles on a click anywhere in
// it, right of its caption too: Chk(2), Chk(3), Chk(19) and Chk(20).
TEST_F(SaisiesX, AClickAnywhereInATileBoxTogglesIt) {
    const std::pair<QPoint, std::int32_t> clics[] = {
        {{56, 62}, 2}, {{68, 78}, 3}, {{112, 110}, 19}, {{124, 126}, 20}};
    for (const std::int16_t attendu : {1, 0}) {
        for (const auto& [place, tuile] : clics) {
            DeplaceX(frm, place);
            BoutonX(XCB_BUTTON_PRESS);
            BoutonX(XCB_BUTTON_RELEASE);
            Attend();
            EXPECT_EQ(frm.Chk(tuile).Value(), attendu) << "Chk(" << tuile << ")";
        }
    }
}

// "Proposer" disables nothing: a click made meanwhile is handled after it.
TEST_F(SaisiesX, AClickOnQuitterDuringAProposalEndsTheProgramAfterIt) {
    CliqueX(frm.CmdQuit);
    Synchronise();
    frm.CmdProposer_Click();
    EXPECT_EQ(fins_, 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return fins_ > 0; }, 10000));
    EXPECT_EQ(fins_, 1);
}

// Where an X server answers, the window goes to it, whatever Wayland the
// desktop offers besides; a platform that the user names, or no X server at
// all, leaves the choice to Qt.
TEST(PrefereX, NamesXWhereAnXServerAnswersAndLeavesEveryOtherChoiceToQt) {
    const QByteArray ecran = qgetenv("DISPLAY"), plateforme = qgetenv("QT_QPA_PLATFORM");
    // What it says, and what it leaves in QT_QPA_PLATFORM.
    const auto choix = [](const QByteArray& display, const char* nommee) {
        qputenv("DISPLAY", display);
        if (nommee)
            qputenv("QT_QPA_PLATFORM", nommee);
        else
            qunsetenv("QT_QPA_PLATFORM");
        const bool x = PrefereX();
        return std::pair(x, qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                                ? qgetenv("QT_QPA_PLATFORM").toStdString()
                                : std::string("(unset)"));
    };
    EXPECT_EQ(choix(ecran, nullptr), std::pair(true, std::string("xcb")));
    EXPECT_EQ(choix(ecran, "wayland"), std::pair(false, std::string("wayland")));
    EXPECT_EQ(choix(":65000", nullptr), std::pair(false, std::string("(unset)")));
    EXPECT_EQ(choix("", nullptr), std::pair(false, std::string("(unset)")));
    qputenv("DISPLAY", ecran);
    qputenv("QT_QPA_PLATFORM", plateforme);
}

}  // namespace
