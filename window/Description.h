// Builds a window from its description: places and sizes in twips, fonts,
// colours and tab indexes, as the window's designer laid them out.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Controles.h"

// 15 twips to a pixel at 96 dots per inch; Qt scales pixels on dense screens.
constexpr int Pixels(std::int32_t twips) {
    return (twips + 7) / 15;
}

// The system colours that the description uses, by their index.
enum class CouleurSysteme : std::int16_t {
    TexteMenu = 7,
    TexteSelection = 14,
    Relief3D = 20,
};
QColor Couleur(CouleurSysteme couleur);

QFont Police(const char* famille, double points, int poids, bool souligne = false);

struct DescriptionControle {
    std::string Name;
    std::optional<std::string> Caption = {};  // for labels, buttons and check boxes
    std::int32_t Left, Top, Width, Height;
    std::optional<std::int16_t> TabIndex = {};  // none for a line
    std::optional<QFont> Font = {};
    std::optional<QColor> BackColor = {};  // unset: the platform's colours
    std::optional<QColor> ForeColor = {};
};

struct DescriptionFenetre {
    const char* Caption;
    std::int32_t ClientWidth, ClientHeight;  // fixed: the user cannot resize it
    QColor BackColor;
    QIcon Icon;
};

// Describes the window, then each of its controls in the order the
// description lists them; Termine applies the tab order.
class Constructeur {
  public:
    Constructeur(QWidget& fenetre, const DescriptionFenetre& description);

    void Decrit(Controle& controle, QWidget& conteneur, const DescriptionControle& description);

    // The controls, in the order they were described.
    std::vector<Controle*> Termine();

  private:
    std::vector<Controle*> controles_;
    std::vector<std::pair<std::int16_t, QWidget*>> tabulation_;
};

// Centres a window on its screen; a desktop may have no window manager to do it.
void CentreSurEcran(QWidget& fenetre);
