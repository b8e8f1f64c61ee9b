#include "Description.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <algorithm>

QColor Couleur(CouleurSysteme couleur) {
    const QPalette palette = QApplication::palette();
    switch (couleur) {
        case CouleurSysteme::TexteMenu:
            return palette.color(QPalette::WindowText);
        case CouleurSysteme::TexteSelection:
            return palette.color(QPalette::HighlightedText);
        case CouleurSysteme::Relief3D:
            return palette.color(QPalette::Light);
    }
    return palette.color(QPalette::WindowText);
}

QFont Police(const char* famille, double points, int poids, bool souligne) {
    QFont police(QString::fromUtf8(famille));
    police.setPointSizeF(points);
    police.setWeight(static_cast<QFont::Weight>(poids));
    police.setUnderline(souligne);
    return police;
}

namespace {

void Colore(QWidget& widget, std::optional<QColor> fond, std::optional<QColor> texte) {
    QPalette palette = widget.palette();
    if (fond) {
        palette.setColor(widget.backgroundRole(), *fond);
        // A text box paints its own field.
        widget.setAutoFillBackground(qobject_cast<QLineEdit*>(&widget) == nullptr);
    }
    if (texte) palette.setColor(widget.foregroundRole(), *texte);
    widget.setPalette(palette);
}

}  // namespace

Constructeur::Constructeur(QWidget& fenetre, const DescriptionFenetre& description) {
    fenetre.setWindowTitle(QString::fromUtf8(description.Caption));
    fenetre.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    fenetre.setFixedSize(Pixels(description.ClientWidth), Pixels(description.ClientHeight));
    fenetre.setWindowIcon(description.Icon);
    Colore(fenetre, description.BackColor, std::nullopt);
}

void Constructeur::Decrit(Controle& controle, QWidget& conteneur,
                          const DescriptionControle& description) {
    QWidget& widget = controle.Widget();
    widget.setParent(&conteneur);
    widget.setObjectName(QString::fromStdString(description.Name));
    if (description.Caption) controle.Caption(*description.Caption);
    // A line has no height: it is drawn one pixel thick.
    widget.setGeometry(Pixels(description.Left), Pixels(description.Top), Pixels(description.Width),
                       std::max(1, Pixels(description.Height)));
    if (description.Font) widget.setFont(*description.Font);
    Colore(widget, description.BackColor, description.ForeColor);
    controles_.push_back(&controle);
    if (description.TabIndex) tabulation_.emplace_back(*description.TabIndex, &widget);
}

std::vector<Controle*> Constructeur::Termine() {
    std::stable_sort(tabulation_.begin(), tabulation_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* precedent = nullptr;
    for (const auto& [index, widget] : tabulation_) {
        if (!(widget->focusPolicy() & Qt::TabFocus)) continue;
        if (precedent)
            QWidget::setTabOrder(precedent, widget);
        else
            widget->setFocus();  // the first stop of the tab order starts with the focus
        precedent = widget;
    }
    return std::move(controles_);
}

void CentreSurEcran(QWidget& fenetre) {
    const QScreen* ecran = fenetre.screen();
    if (!ecran) return;
    const QRect zone = ecran->availableGeometry();
    fenetre.move(zone.x() + (zone.width() - fenetre.width()) / 2,
                 zone.y() + (zone.height() - fenetre.height()) / 2);
}
