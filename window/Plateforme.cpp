#include "Plateforme.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QPointer>
#include <QSinglePointEvent>
#include <QWidget>
#include <utility>

namespace user32 {

namespace {

// Names the hand; any non-zero value would do.
constexpr std::int32_t PoigneeMain = 0x10003;

// The window runtime's pointer handling. A cursor set over a control shows
// there until the mouse is over another control, which then shows its own
// usual pointer. Where the mouse is comes from each mouse event as it is
// delivered, never from the live pointer, which runs ahead of the events
// still queued; and a drag keeps sending its moves to the control where it
// began, wherever the mouse is.
class PointeurDesControles : public QObject {
  public:
    // The control under the mouse, if the mouse event just delivered went to it.
    QWidget* ControleSousLaSouris() const {
        return sousLaSouris_ == recepteur_ ? sousLaSouris_.data() : nullptr;
    }

    // The control is the one under the mouse: no other still wears a cursor.
    void Porte(QWidget& controle, Qt::CursorShape forme) {
        controle.setCursor(forme);
        porteur_ = &controle;
    }

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        switch (evenement->type()) {
            case QEvent::MouseMove:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Enter:
                break;
            default:
                return false;
        }
        auto* recepteur = qobject_cast<QWidget*>(objet);
        if (!recepteur || !evenement->isSinglePointEvent()) return false;
        QWidget* fenetre = recepteur->window();
        const QPoint place = recepteur->mapTo(
            fenetre, static_cast<QSinglePointEvent*>(evenement)->position().toPoint());
        QWidget* sous = fenetre->childAt(place);
        if (!sous && fenetre->rect().contains(place)) sous = fenetre;
        recepteur_ = recepteur;
        sousLaSouris_ = sous;
        if (porteur_ && porteur_ != sous) {
            porteur_->unsetCursor();
            porteur_ = nullptr;
        }
        return false;
    }

  private:
    QPointer<QWidget> recepteur_;
    QPointer<QWidget> sousLaSouris_;
    QPointer<QWidget> porteur_;
};

PointeurDesControles& Pointeurs() {
    static PointeurDesControles pointeurs;
    return pointeurs;
}

// It must see the mouse before the program first sets a cursor.
void InstallePointeurs() {
    QCoreApplication::instance()->installEventFilter(&Pointeurs());
}
Q_COREAPP_STARTUP_FUNCTION(InstallePointeurs)

}  // namespace

std::int32_t LoadCursorA(std::int32_t Instance, std::int32_t IdCurseur) {
    return Instance == 0 && IdCurseur == CurseurMain ? PoigneeMain : 0;
}

// The application's override cursor (the hourglass of a search) still wins
// over a cursor set here.
std::int32_t SetCursor(std::int32_t Curseur) {
    QWidget* controle = Pointeurs().ControleSousLaSouris();
    if (!controle) return 0;
    const std::int32_t avant =
        controle->cursor().shape() == Qt::PointingHandCursor ? PoigneeMain : 0;
    // The null handle would hide the pointer; nothing would bring it back over
    // this control, so it is left as it is.
    if (Curseur == PoigneeMain) Pointeurs().Porte(*controle, Qt::PointingHandCursor);
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
