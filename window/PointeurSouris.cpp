#include "PointeurSouris.h"

#include <QCursor>
#include <QGuiApplication>

#include "Erreurs.h"

PointeurSouris::~PointeurSouris() {
    Fixe(Defaut);
}

void PointeurSouris::Fixe(std::int16_t valeur) {
    if (valeur != Defaut && valeur != Sablier) {
        Runtime::Leve(Runtime::Erreur::TypeIncompatible);
        return;
    }
    if (valeur == valeur_) return;
    // The application's override cursor wins over the cursor of every widget.
    if (valeur == Sablier)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
    valeur_ = valeur;
}
