#include <gtest/gtest.h>

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>
#include <string>
#include <vector>

#include "FrmMain.h"
#include "Module1.h"
#include "Module1Fenetre.h"
#include "TestJeu.h"
#include "TestsFenetre.h"

namespace {

// Stands in for the desktop's browser while it lives: keeps the web addresses
// it is asked to open, so that no test ever starts a real one.
class Navigateur : public QObject {
    Q_OBJECT

  public:
    Navigateur() { QDesktopServices::setUrlHandler("http", this, "Ouvre"); }
    ~Navigateur() override { QDesktopServices::unsetUrlHandler("http"); }

    Q_INVOKABLE void Ouvre(const QUrl& adresse) { Ouvertes.push_back(adresse); }

    std::vector<QUrl> Ouvertes;
};

// While it lives, nothing can open an address: the shell counts the requests
// and refuses them all.
class ShellSansNavigateur {
  public:
    ShellSansNavigateur()
        : avant_(shell32::RemplaceOuvreur([this](const QUrl&) {
              ++Demandes;
              return false;
          })) {}
    ~ShellSansNavigateur() { shell32::RemplaceOuvreur(std::move(avant_)); }

    int Demandes = 0;

  private:
    shell32::OuvreurAdresses avant_;
};

Qt::CursorShape Pointeur(const QWidget& w) {
    return w.cursor().shape();
}

// A move with no button held goes through the whole window runtime, as the
// user's would: the controls it leaves and enters are told.
void Survole(QWidget& w, QPoint place = {}) {
    QTest::mouseMove(&w, place);
}

class LienWebTest : public testing::Test {
  protected:
    void SetUp() override {
        // The mouse starts outside the window, so that each test sees it enter.
        QCursor::setPos(0, 0);
        QApplication::processEvents();
        frm.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    }

    // What the user sees of the window, as text.
    std::string Vue() {
        std::string v = frm.LblInfo.Caption() + "|" + frm.TxtResultat.Text() + "|";
        for (std::int32_t i = 1; i <= 24; ++i)
            if (frm.Chk(i).Value() == 1) v += std::to_string(i) + " ";
        const QWidget* focus = QApplication::focusWidget();
        return v + "|" + std::to_string(frm.MousePointer()) + "|" +
               (focus ? focus->objectName().toStdString() : "");
    }

    Navigateur navigateur;
    FrmMain frm;
};

TEST_F(LienWebTest, HandShowsOverTheAddressWhateverButtonsOrKeysAreHeld) {
    EXPECT_EQ(Pointeur(frm.lblCompany), Qt::ArrowCursor);
    Survole(frm.lblCompany);
    EXPECT_EQ(Pointeur(frm.lblCompany), Qt::PointingHandCursor);

    const struct {
        Qt::MouseButtons boutons;
        Qt::KeyboardModifiers touches;
    } mouvements[] = {
        {Qt::NoButton, Qt::ShiftModifier},
        {Qt::LeftButton, Qt::NoModifier},
        {Qt::RightButton | Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier},
    };
    for (const auto& [boutons, touches] : mouvements) {
        frm.lblCompany.unsetCursor();
        const QPointF place(30, 8);
        QMouseEvent mouvement(QEvent::MouseMove, place, frm.lblCompany.mapToGlobal(place),
                              Qt::NoButton, boutons, touches);
        QApplication::sendEvent(&frm.lblCompany, &mouvement);
        EXPECT_EQ(Pointeur(frm.lblCompany), Qt::PointingHandCursor)
            << boutons.toInt() << " " << touches.toInt();
    }

    // The hourglass of a search still shows over the hand, and goes away.
    frm.MousePointer(PointeurSouris::Sablier);
    Survole(frm.lblCompany, QPoint(40, 8));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    frm.MousePointer(PointeurSouris::Defaut);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(LienWebTest, UsualPointerComesBackOverTheRestOfTheWindow) {
    // Every pointer of the window but the address's.
    const auto pointeurs = [&] {
        std::vector<Qt::CursorShape> p = {Pointeur(frm)};
        for (Controle* c : frm.Controls())
            if (&c->Widget() != &frm.lblCompany) p.push_back(Pointeur(c->Widget()));
        return p;
    };
    const std::vector<Qt::CursorShape> avant = pointeurs();

    Survole(frm.lblCompany);
    Survole(frm.Label3);
    Survole(frm.Frame2, QPoint(5, 12));
    Survole(frm.lblCompany);
    Survole(frm.TxtResultat);
    Survole(frm.CmdGO);
    EXPECT_EQ(pointeurs(), avant);
    EXPECT_EQ(Pointeur(frm.TxtResultat), Qt::IBeamCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Counts the moves that reach a widget with a button held.
class GuetteurGlisser : public QObject {
  public:
    explicit GuetteurGlisser(QWidget& w) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseMove && static_cast<QMouseEvent*>(e)->buttons()) ++Mouvements;
        return false;
    }
    int Mouvements = 0;
};

// A button held on the address keeps the moves coming to it while the mouse
// is over the rights line: that line must not take the hand.
TEST_F(LienWebTest, DragBegunOnTheAddressLeavesItsNeighbourAlone) {
    QWindow* fenetre = frm.windowHandle();
    const QPoint surAdresse(30, 8);
    const QPoint surDroits = frm.Label3.mapTo(&frm, QPoint(30, 8));
    Survole(frm.lblCompany, surAdresse);
    GuetteurGlisser guetteur(frm.lblCompany);

    QTest::mousePress(fenetre, Qt::LeftButton, {}, frm.lblCompany.mapTo(&frm, surAdresse));
    QCursor::setPos(frm.mapToGlobal(surDroits));
    QApplication::processEvents();
    EXPECT_GT(guetteur.Mouvements, 0);
    EXPECT_EQ(Pointeur(frm.Label3), Qt::ArrowCursor);
    EXPECT_EQ(Pointeur(frm.Frame2), Qt::ArrowCursor);
    QTest::mouseRelease(fenetre, Qt::LeftButton, {}, surDroits);
    EXPECT_TRUE(navigateur.Ouvertes.empty());
}

TEST_F(LienWebTest, SetCursorChangesOnlyTheControlUnderTheMouse) {
    const std::int32_t main = Module1::LoadCursorA(0, user32::CurseurMain);
    ASSERT_NE(main, 0);

    Survole(frm.Label3);
    EXPECT_EQ(Module1::SetCursor(main), 0);
    EXPECT_EQ(Pointeur(frm.Label3), Qt::PointingHandCursor);
    EXPECT_EQ(Pointeur(frm.Frame2), Qt::ArrowCursor);
    EXPECT_EQ(Module1::SetCursor(main), main);

    // The null handle of a cursor that could not be loaded hides nothing.
    Survole(frm.TxtResultat);
    Module1::ChangeCurseur(1);
    EXPECT_EQ(Pointeur(frm.TxtResultat), Qt::IBeamCursor);
}

TEST_F(LienWebTest, ShellExecuteAOpensAnAddressWithNoVerbOrSaysWhyNot) {
    using shell32::AucuneAssociation;
    using shell32::FichierIntrouvable;
    const auto shell = [](const char* operation, const char* fichier) {
        return Module1::ShellExecuteA(0, operation, fichier, nullptr, nullptr, 1);
    };
    EXPECT_GT(shell(nullptr, "http://www.ornavex.example/jeu?niveau=2"), 32);
    // The address is single-byte Western text.
    EXPECT_GT(shell(nullptr, "http://www.ornavex.example/r\xe8gles"), 32);
    EXPECT_EQ(shell("print", "http://www.ornavex.example/"), AucuneAssociation);
    EXPECT_EQ(shell(nullptr, nullptr), FichierIntrouvable);
    EXPECT_EQ(shell(nullptr, "index.php"), FichierIntrouvable);
    ASSERT_EQ(navigateur.Ouvertes.size(), 2u);
    EXPECT_EQ(navigateur.Ouvertes[0], QUrl("http://www.ornavex.example/jeu?niveau=2"));
    EXPECT_EQ(navigateur.Ouvertes[1].path(), QString::fromUtf8("/règles"));

    ShellSansNavigateur sansNavigateur;
    EXPECT_EQ(shell(nullptr, "http://www.ornavex.example/"), AucuneAssociation);
    EXPECT_EQ(sansNavigateur.Demandes, 1);
}

TEST_F(LienWebTest, EachClickOpensTheAuthorsPageOnce) {
    QTest::mouseClick(&frm.lblCompany, Qt::LeftButton);
    ASSERT_EQ(navigateur.Ouvertes.size(), 1u);
    const QUrl page = navigateur.Ouvertes[0];
    EXPECT_EQ(page.scheme(), "http");
    EXPECT_EQ(page.path(), "/index.php");
    // The label shows where the click leads, on a host of our own.
    EXPECT_EQ(page.host().toStdString(), frm.lblCompany.Caption());
    EXPECT_TRUE(page.host().endsWith(".example"));

    QTest::mouseClick(&frm.lblCompany, Qt::LeftButton);
    ASSERT_EQ(navigateur.Ouvertes.size(), 2u);
    EXPECT_EQ(navigateur.Ouvertes[1], page);
}

TEST_F(LienWebTest, ClickThatNothingCanOpenChangesNothing) {
    for (const std::int32_t i : {2, 3, 7, 11, 12, 14})
        frm.Chk(i).Value(1);
    frm.TxtResultat.Text("248");
    frm.LblInfo.Caption("Tavelune :\r\n(50+25+7)x3+2");
    ASSERT_TRUE(TestJeu::Resout(248, {2, 3, 7, 25, 50, 100}));
    const std::string vue = Vue();
    const std::string etat = TestJeu::EtatJeu();

    ShellSansNavigateur sansNavigateur;
    const std::vector<BoiteVue> boites =
        RepondAuxBoites([&] { QTest::mouseClick(&frm.lblCompany, Qt::LeftButton); });
    EXPECT_EQ(sansNavigateur.Demandes, 1);
    EXPECT_TRUE(boites.empty());
    EXPECT_EQ(Vue(), vue);
    EXPECT_EQ(TestJeu::EtatJeu(), etat);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(navigateur.Ouvertes.empty());
}

}  // namespace

#include "LienWeb_test.moc"
