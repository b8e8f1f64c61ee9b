// The program's one window: the 24 tiles, the target box, the information
// label and the buttons, and the handlers of its events.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "Controles.h"
#include "PointeurSouris.h"

class FrmMain : public QWidget {
  public:
    FrmMain();

    // Event handlers.
    void CmdGO_Click();
    void CmdProposer_Click();
    void CmdErase_Click();
    void CmdQuit_Click();
    void lblCompany_Click();
    void lblCompany_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);

    void AfficheResultat();

    // Every control of the window, each once, in the order the description
    // lists them: the tiles come as Chk(1) to Chk(14), then Chk(24) down to Chk(15).
    const std::vector<Controle*>& Controls() const { return controles_; }

    // The tile box of index 1 to 24; any other index is a run-time error.
    CaseACocher& Chk(std::int32_t Index);

    // 0 the default pointer, 11 the hourglass.
    void MousePointer(std::int16_t valeur) { pointeur_.Fixe(valeur); }
    std::int16_t MousePointer() const { return pointeur_.Valeur(); }

    // The controls, in description order. Members are destroyed in the
    // reverse order of their declaration, and a Qt parent deletes the
    // children it still holds: a frame must come before what it holds, so
    // that its controls are gone, and no longer its children, when it goes.
    Bouton CmdProposer;
    Bouton CmdErase;
    Bouton CmdQuit;
    Bouton CmdGO;
    Cadre Frame2;
    Etiquette lblCompany;
    Etiquette Label3;
    Cadre Frame1;
    std::array<CaseACocher, 24> Cases;  // reached as Chk(1) to Chk(24)
    ZoneTexte TxtResultat;
    Ligne Line1;
    Etiquette Label2;
    Etiquette LblInfo;
    Etiquette Label1;

    // The solve request walks the controls with this: it belongs to the
    // window and outlives each click.
    Controle* Ctl = nullptr;

  private:
    std::vector<Controle*> controles_;
    PointeurSouris pointeur_;
    CaseACocher horsLimites_;  // what Chk hands back when its index error is handled
};
