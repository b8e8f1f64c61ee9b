#include "FrmMain.h"

#include <QFont>
#include <QPixmap>
#include <string>

#include "Description.h"
#include "Erreurs.h"
#include "Module1.h"
#include "Programme.h"
#include "Texte.h"

namespace {

#include "Icone.xpm"

// A system that lacks the description's faces draws them with the free
// Liberation faces of the same metrics.
void SubstitueLiberation() {
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
}

QFont Principale() {
    return Police("MS Sans Serif", 9.75, 700);
}
QFont Grande() {
    return Police("MS Sans Serif", 12, 700);
}
QFont Lien() {
    return Police("Arial", 9.75, 400, true);
}
QFont Etroite() {
    return Police("Arial Narrow", 9.75, 400);
}

const QColor FondFenetre(192, 192, 255);
const QColor FondTuiles(128, 128, 255);
const QColor FondInfo(0, 0, 192);
const QColor Bleu(0, 0, 255);

constexpr const char* AdresseAuteur = "www.ornavex.example";
constexpr const char* Droits = "© Ornavex, droits réservés";

// The four push buttons share their size and font.
DescriptionControle BoutonDecrit(const char* nom, const char* caption, std::int32_t left,
                                 std::int32_t top, std::int16_t tabIndex) {
    return {.Name = nom,
            .Caption = caption,
            .Left = left,
            .Top = top,
            .Width = 1335,
            .Height = 375,
            .TabIndex = tabIndex,
            .Font = Principale()};
}

// Rows 1 to 14 of the left column hold Chk(1) to Chk(14); the right column
// holds Chk(15) to Chk(24) level with rows 1 to 10.
DescriptionControle TuileDecrite(std::int16_t i) {
    const auto k = static_cast<std::size_t>(i - 1);
    const bool gauche = i <= 14;
    return {.Name = "Chk(" + Runtime::VersTexte(i) + ")",
            .Caption = Runtime::VersTexte(Module1::Plaques[k]),
            .Left = gauche ? 240 : 1080,
            .Top = 120 + 240 * (gauche ? i - 1 : i - 15),
            .Width = 735,
            .Height = 195,
            .TabIndex = static_cast<std::int16_t>(gauche ? 29 - i : i - 10),
            .Font = Principale(),
            .BackColor = FondTuiles};
}

}  // namespace

FrmMain::FrmMain() {
    SubstitueLiberation();
    Constructeur fenetre(*this, {.Caption = "Ornavex v1.0 - Tavelune",
                                 .ClientWidth = 6195,
                                 .ClientHeight = 5025,
                                 .BackColor = FondFenetre,
                                 .Icon = QIcon(QPixmap(Icone_xpm))});
    const QColor relief = Couleur(CouleurSysteme::Relief3D);

    // clang-format off
    fenetre.Decrit(CmdProposer, *this, BoutonDecrit("CmdProposer", "Proposer", 4440, 720, 35));
    fenetre.Decrit(CmdErase, *this, BoutonDecrit("CmdErase", "Effacer", 2640, 4080, 34));
    fenetre.Decrit(CmdQuit, *this, BoutonDecrit("CmdQuit", "Quitter", 4440, 4080, 33));
    fenetre.Decrit(CmdGO, *this, BoutonDecrit("CmdGO", "Chercher", 2640, 720, 32));
    fenetre.Decrit(Frame2, *this, {.Name = "Frame2",
        .Left = 0, .Top = 4680, .Width = 7215, .Height = 375, .TabIndex = 29,
        .BackColor = relief, .ForeColor = Couleur(CouleurSysteme::TexteMenu)});
    fenetre.Decrit(lblCompany, Frame2, {.Name = "lblCompany", .Caption = AdresseAuteur,
        .Left = 3240, .Top = 60, .Width = 2175, .Height = 255, .TabIndex = 31,
        .Font = Lien(), .BackColor = relief, .ForeColor = Bleu});
    fenetre.Decrit(Label3, Frame2, {.Name = "Label3", .Caption = Droits,
        .Left = 960, .Top = 60, .Width = 2175, .Height = 255, .TabIndex = 30,
        .Font = Etroite(), .BackColor = relief});
    fenetre.Decrit(Frame1, *this, {.Name = "Frame1",
        .Left = 120, .Top = 480, .Width = 2055, .Height = 3615, .TabIndex = 4,
        .BackColor = FondTuiles});
    for (std::int16_t i = 1; i <= 14; ++i) fenetre.Decrit(Chk(i), Frame1, TuileDecrite(i));
    for (std::int16_t i = 24; i >= 15; --i) fenetre.Decrit(Chk(i), Frame1, TuileDecrite(i));
    fenetre.Decrit(TxtResultat, *this, {.Name = "TxtResultat",
        .Left = 4680, .Top = 1320, .Width = 1335, .Height = 420, .TabIndex = 0,
        .Font = Grande(), .BackColor = FondTuiles});
    fenetre.Decrit(Line1, *this, {.Name = "Line1",
        .Left = 0, .Top = 4660, .Width = 6240, .Height = 0});
    fenetre.Decrit(Label2, *this, {.Name = "Label2",
        .Caption = "Cocher les 6 chiffres sortis au tirage :",
        .Left = 240, .Top = 120, .Width = 4095, .Height = 255, .TabIndex = 3,
        .Font = Principale(), .BackColor = FondFenetre});
    fenetre.Decrit(LblInfo, *this, {.Name = "LblInfo", .Caption = "",
        .Left = 2400, .Top = 2040, .Width = 3615, .Height = 1695, .TabIndex = 2,
        .Font = Grande(), .BackColor = FondInfo,
        .ForeColor = Couleur(CouleurSysteme::TexteSelection)});
    fenetre.Decrit(Label1, *this, {.Name = "Label1", .Caption = "Nombre à trouver :",
        .Left = 2400, .Top = 1320, .Width = 2055, .Height = 375, .TabIndex = 1,
        .Font = Principale(), .BackColor = FondFenetre});
    // clang-format on
    TxtResultat.setMaxLength(3);
    TxtResultat.Text("100");
    controles_ = fenetre.Termine();
    CentreSurEcran(*this);

    connect(&CmdGO, &QPushButton::clicked, this, &FrmMain::CmdGO_Click);
    connect(&CmdProposer, &QPushButton::clicked, this, &FrmMain::CmdProposer_Click);
    connect(&CmdErase, &QPushButton::clicked, this, &FrmMain::CmdErase_Click);
    connect(&CmdQuit, &QPushButton::clicked, this, &FrmMain::CmdQuit_Click);
    lblCompany.QuandClick([this] { lblCompany_Click(); });
    lblCompany.QuandMouseMove([this](std::int16_t Button, std::int16_t Shift, float X, float Y) {
        lblCompany_MouseMove(Button, Shift, X, Y);
    });
}

CaseACocher& FrmMain::Chk(std::int32_t Index) {
    if (Index < 1 || Index > static_cast<std::int32_t>(Cases.size())) {
        Runtime::Leve(Runtime::Erreur::IndiceHorsLimites);
        return horsLimites_;
    }
    return Cases[static_cast<std::size_t>(Index - 1)];
}

void FrmMain::CmdQuit_Click() {
    Unload(*this);
    End();
}
