#include "Controles.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <utility>

#include "Erreurs.h"
#include "TexteQt.h"

namespace {

constexpr float TwipsParPixel = 15.0f;

// 1, 2 and 4 for the first, second and third flag held.
template <typename Drapeaux, typename Drapeau>
std::int16_t Bits(Drapeaux tenus, Drapeau premier, Drapeau second, Drapeau troisieme) {
    return static_cast<std::int16_t>((tenus & premier ? 1 : 0) | (tenus & second ? 2 : 0) |
                                     (tenus & troisieme ? 4 : 0));
}

// The application's style, with the platform's 13-pixel check box: the
// style's own would not fit in the height of a tile box.
class StyleCase : public QProxyStyle {
  public:
    StyleCase() : QProxyStyle(QApplication::style()->name()) {}

    int pixelMetric(PixelMetric metrique, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metrique == PM_IndicatorWidth || metrique == PM_IndicatorHeight) return 13;
        return QProxyStyle::pixelMetric(metrique, option, widget);
    }
};

// One for every check box; it goes with the application.
QStyle* StyleDesCases() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new StyleCase;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}  // namespace

std::int16_t Controle::Value() const {
    Runtime::Leve(Runtime::Erreur::TypeIncompatible);
    return 0;
}

std::string Controle::Caption() const {
    Runtime::Leve(Runtime::Erreur::TypeIncompatible);
    return {};
}

void Controle::Caption(const std::string&) {
    Runtime::Leve(Runtime::Erreur::TypeIncompatible);
}

void Bouton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return QPushButton::keyPressEvent(event);
    event->accept();
    // A key held down presses the button once.
    if (!event->isAutoRepeat()) click();
}

CaseACocher::CaseACocher() {
    setStyle(StyleDesCases());
}

std::int16_t CaseACocher::Value() const {
    return isChecked() ? 1 : 0;
}

void CaseACocher::Value(std::int16_t valeur) {
    if (valeur != 0 && valeur != 1) {
        Runtime::Leve(Runtime::Erreur::TypeIncompatible);
        return;
    }
    setChecked(valeur == 1);
}

Etiquette::Etiquette() {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

std::string Etiquette::Caption() const {
    return caption_;
}

void Etiquette::Caption(const std::string& texte) {
    caption_ = texte;
    setText(TexteAffiche(texte));
}

void Etiquette::QuandClick(Evenement handler) {
    click_ = std::move(handler);
}

void Etiquette::QuandMouseMove(EvenementSouris handler) {
    mouseMove_ = std::move(handler);
    setMouseTracking(static_cast<bool>(mouseMove_));
}

// A click is the left button pressed and released over the label.
void Etiquette::mousePressEvent(QMouseEvent* event) {
    if (!click_) return QLabel::mousePressEvent(event);
    presse_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Etiquette::mouseReleaseEvent(QMouseEvent* event) {
    if (!click_) return QLabel::mouseReleaseEvent(event);
    const bool click = presse_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    presse_ = false;
    event->accept();
    if (click) click_();
}

void Etiquette::mouseMoveEvent(QMouseEvent* event) {
    if (!mouseMove_) return QLabel::mouseMoveEvent(event);
    event->accept();
    const QPointF place = event->position() * TwipsParPixel;
    mouseMove_(Bits(event->buttons(), Qt::LeftButton, Qt::RightButton, Qt::MiddleButton),
               Bits(event->modifiers(), Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier),
               static_cast<float>(place.x()), static_cast<float>(place.y()));
}

std::string ZoneTexte::Text() const {
    return TexteProgramme(text());
}
void ZoneTexte::Text(const std::string& texte) {
    setText(TexteAffiche(texte));
}

Ligne::Ligne() {
    setFrameShape(QFrame::HLine);
    setFrameShadow(QFrame::Plain);
}
