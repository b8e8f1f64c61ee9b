#include "Saisies.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Keeps the user's input from every object while it is installed.
class Barrage : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        switch (evenement->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::ContextMenu:
            case QEvent::InputMethod:
                return true;
            default:
                return false;
        }
    }
};

// The X server sends its events in the order it makes them: once a message
// that we sent ourselves comes back, every input made before it has reached Qt.
class Repere : public QAbstractNativeEventFilter {
  public:
    Repere(xcb_atom_t type, std::uint32_t numero, QEventLoop& boucle)
        : type_(type), numero_(numero), boucle_(boucle) {}

    bool nativeEventFilter(const QByteArray& genre, void* message, qintptr*) override {
        if (genre != "xcb_generic_event_t") return false;
        const auto* evenement = static_cast<const xcb_generic_event_t*>(message);
        if ((evenement->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
        const auto* client = static_cast<const xcb_client_message_event_t*>(message);
        if (client->type != type_ || client->data.data32[0] != numero_) return false;
        boucle_.quit();
        return true;
    }

  private:
    xcb_atom_t type_;
    std::uint32_t numero_;
    QEventLoop& boucle_;
};

// The type that our own message bears, the same for the whole run.
xcb_atom_t TypeRepere(xcb_connection_t* connexion) {
    static const xcb_atom_t type = [connexion] {
        constexpr std::string_view nom = "ORNAVEX_REPERE";
        xcb_intern_atom_reply_t* reponse = xcb_intern_atom_reply(
            connexion,
            xcb_intern_atom(connexion, 0, static_cast<std::uint16_t>(nom.size()), nom.data()),
            nullptr);
        const xcb_atom_t atome = reponse ? reponse->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reponse);
        return atome;
    }();
    return type;
}

}  // namespace

void AttendServeurX(QWidget& fenetre) {
    // Other platforms may answer as X11 too, without their windows on it.
    if (QGuiApplication::platformName() != "xcb") return;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connexion = x11 ? x11->connection() : nullptr;
    const QWindow* native = fenetre.window()->windowHandle();
    // A window never shown has had no input.
    if (!connexion || !native) return;
    const xcb_atom_t type = TypeRepere(connexion);
    if (type == XCB_ATOM_NONE) return;

    static std::uint32_t numero = 0;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(native->winId());
    message.type = type;
    message.data.data32[0] = ++numero;

    QEventLoop boucle;
    Repere repere(type, numero, boucle);
    QCoreApplication::instance()->installNativeEventFilter(&repere);
    // With no event mask, the server sends it back to the window's own client.
    xcb_send_event(connexion, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connexion);
    // Never wait for ever, should the server not answer.
    QTimer::singleShot(2000, &boucle, &QEventLoop::quit);
    boucle.exec();
    QCoreApplication::instance()->removeNativeEventFilter(&repere);
}

void OublieSaisies(QWidget& fenetre) {
    Barrage barrage;
    QCoreApplication::instance()->installEventFilter(&barrage);
    AttendServeurX(fenetre);
    // What Qt has taken but not yet delivered goes to the barrage now.
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&barrage);

    // The moves are forgotten, not where the mouse came to rest: once the
    // handler has returned, the window hears of it as of one move, so that
    // the control under the mouse shows its pointer and its hover look.
    QWindow* native = fenetre.window()->windowHandle();
    if (!native) return;
    QTimer::singleShot(0, native, [native] {
        const QPoint global = QCursor::pos();
        const QPointF place = native->mapFromGlobal(global);
        if (!QRectF(QPointF(), native->size()).contains(place)) return;
        QMouseEvent mouvement(QEvent::MouseMove, place, global, Qt::NoButton,
                              QGuiApplication::mouseButtons(),
                              QGuiApplication::keyboardModifiers());
        QCoreApplication::sendEvent(native, &mouvement);
    });
}
