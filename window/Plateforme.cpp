#include "Plateforme.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QWidget>
#include <utility>

namespace user32 {

namespace {

// Names the hand; any non-zero value would do.
constexpr std::int32_t PoigneeMain = 0x10003;

// The control under the mouse, once Qt has seen the mouse enter it. A drag
// begun on another control keeps sending that one the moves, and delays the
// entering: its neighbour must not inherit a pointer meant for it.
QWidget* ControleSousLaSouris() {
    QWidget* controle = QApplication::widgetAt(QCursor::pos());
    return controle && controle->underMouse() ? controle : nullptr;
}

}  // namespace

std::int32_t LoadCursorA(std::int32_t Instance, std::int32_t IdCurseur) {
    return Instance == 0 && IdCurseur == CurseurMain ? PoigneeMain : 0;
}

// A cursor set on the control stays with it, so the rest of the window keeps
// its usual pointer, and the application's override cursor (the hourglass of
// a search) still wins over it.
std::int32_t SetCursor(std::int32_t Curseur) {
    QWidget* controle = ControleSousLaSouris();
    if (!controle) return 0;
    const std::int32_t avant =
        controle->cursor().shape() == Qt::PointingHandCursor ? PoigneeMain : 0;
    // The null handle would hide the pointer; nothing would bring it back over
    // this control, so it is left as it is.
    if (Curseur == PoigneeMain) controle->setCursor(Qt::PointingHandCursor);
    return avant;
}

}  // namespace user32

namespace shell32 {

namespace {

// Any value above 32 says the request was taken.
constexpr std::int32_t Pris = 33;

OuvreurAdresses& Ouvreur() {
    static OuvreurAdresses ouvreur = [](const QUrl& adresse) {
        return QDesktopServices::openUrl(adresse);
    };
    return ouvreur;
}

}  // namespace

std::int32_t ShellExecuteA(std::int32_t /*Fenetre*/, const char* Operation, const char* Fichier,
                           const char* /*Parametres*/, const char* /*Repertoire*/,
                           std::int32_t /*Affichage*/) {
    // Only the default action is known here.
    if (Operation) return AucuneAssociation;
    if (!Fichier) return FichierIntrouvable;
    const QUrl adresse(QString::fromLatin1(Fichier), QUrl::StrictMode);
    if (!adresse.isValid() || adresse.isRelative()) return FichierIntrouvable;
    return Ouvreur()(adresse) ? Pris : AucuneAssociation;
}

OuvreurAdresses RemplaceOuvreur(OuvreurAdresses ouvreur) {
    return std::exchange(Ouvreur(), std::move(ouvreur));
}

}  // namespace shell32
