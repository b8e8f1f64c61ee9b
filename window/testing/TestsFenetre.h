// Helpers for the window tests.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "FrmMain.h"

// What a message box showed.
struct BoiteVue {
    std::string Texte;
    QMessageBox::Icon Icone;
    std::string Titre;
};

// Runs the action, answers OK to every message box that it opens, and returns
// what they showed, in order.
inline std::vector<BoiteVue> RepondAuxBoites(const std::function<void()>& action) {
    std::vector<BoiteVue> vues;
    QTimer guetteur;
    guetteur.setInterval(5);
    QObject::connect(&guetteur, &QTimer::timeout, [&vues] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!boite) return;
        vues.push_back(
            {boite->text().toStdString(), boite->icon(), boite->windowTitle().toStdString()});
        boite->button(QMessageBox::Ok)->click();
    });
    guetteur.start();
    action();
    return vues;
}

// The window as the user first sees it, shown and active, and the user's
// gestures on it.
class FenetreTest : public testing::Test {
  protected:
    void SetUp() override {
        frm.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    }

    // Exactly these tiles end up checked, each clicked as the user would.
    void Coche(const std::vector<std::int32_t>& tuiles) {
        for (std::int32_t i = 1; i <= 24; ++i)
            frm.Chk(i).Value(0);
        for (const std::int32_t i : tuiles)
            QTest::mouseClick(&frm.Chk(i), Qt::LeftButton);
    }

    // Types the text into the emptied target box, key by key.
    void Tape(const std::string& texte) {
        frm.TxtResultat.clear();
        for (const QChar c : QString::fromUtf8(texte)) {
            if (c.unicode() < 0x80) {
                QTest::keyClicks(&frm.TxtResultat, QString(c));
            } else {
                // A French keyboard has a key for é; keyClicks takes ASCII alone.
                const auto touche = static_cast<Qt::Key>(c.toUpper().unicode());
                QTest::sendKeyEvent(QTest::Click, &frm.TxtResultat, touche, QString(c), {});
            }
        }
    }

    void Clique(QAbstractButton& bouton) { QTest::mouseClick(&bouton, Qt::LeftButton); }

    FrmMain frm;
};
