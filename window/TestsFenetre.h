// Helpers for the window tests.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

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
