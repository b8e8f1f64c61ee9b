#include "Apparence.h"

#include <QApplication>
#include <QPalette>

namespace {

// The light scheme of Qt's Fusion style. In a light scheme an inactive window
// has the colours of the active one.
QPalette PaletteClaire() {
    const QColor noir(0, 0, 0), blanc(255, 255, 255), fond(239, 239, 239), eteint(190, 190, 190);
    const QColor surligne(48, 140, 198);
    struct Teinte {
        QPalette::ColorRole role;
        QColor active, desactivee;
    };
    const Teinte teintes[] = {
        {QPalette::WindowText, noir, eteint},
        {QPalette::Button, fond, fond},
        {QPalette::Light, blanc, blanc},
        {QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202)},
        {QPalette::Dark, QColor(159, 159, 159), eteint},
        {QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184)},
        {QPalette::Text, noir, eteint},
        {QPalette::BrightText, blanc, blanc},
        {QPalette::ButtonText, noir, eteint},
        {QPalette::Base, blanc, fond},
        {QPalette::Window, fond, fond},
        {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
        {QPalette::Highlight, surligne, QColor(145, 145, 145)},
        {QPalette::HighlightedText, blanc, blanc},
        {QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255)},
        {QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255)},
        {QPalette::AlternateBase, QColor(247, 247, 247), QColor(247, 247, 247)},
        {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
        {QPalette::ToolTipText, noir, noir},
        {QPalette::PlaceholderText, QColor(0, 0, 0, 128), QColor(0, 0, 0, 128)},
    };

    QPalette palette;
    // A role that this table does not name, such as the accent of a newer Qt,
    // takes the highlight, as Qt's own schemes do.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        palette.setColor(QPalette::Active, r, surligne);
        palette.setColor(QPalette::Inactive, r, surligne);
        palette.setColor(QPalette::Disabled, r, QColor(145, 145, 145));
    }
    for (const Teinte& t : teintes) {
        palette.setColor(QPalette::Active, t.role, t.active);
        palette.setColor(QPalette::Inactive, t.role, t.active);
        palette.setColor(QPalette::Disabled, t.role, t.desactivee);
    }
    return palette;
}

}  // namespace

void FixeApparence() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Every colour set: Qt fills a palette's unset colours from the desktop's,
    // and does so again whenever the desktop's scheme changes.
    QApplication::setPalette(PaletteClaire());
}
