// "Effacer" and "Proposer": the window made fresh, empty or with a new game.
#include "BoiteMessage.h"
#include "FrmMain.h"
#include "Module1.h"
#include "Texte.h"

namespace {

// Target box, information label and the 24 tiles: what both buttons clear.
void Efface(FrmMain& frm) {
    frm.TxtResultat.Text(Runtime::VersTexte(0));
    frm.LblInfo.Caption("");
    for (std::int16_t i = 1; i <= 24; ++i)
        frm.Chk(i).Value(0);
}

}  // namespace

// Shows a game that the engine has solved, but not its solution: the user may
// look for it, or press "Chercher".
void FrmMain::CmdProposer_Click() {
    MousePointer(PointeurSouris::Sablier);
    Efface(*this);
    if (!Module1::GenerePartie()) {
        // The default pointer is back before the box opens.
        MousePointer(PointeurSouris::Defaut);
        MsgBox("Impossible de générer une nouvelle partie, recommencer", Information);
        return;
    }
    TxtResultat.Text(Runtime::VersTexte(Module1::NombreATrouver));
    for (std::int16_t i = 0; i <= 5; ++i)
        Chk(Module1::IndexTirage[i]).Value(1);
    MousePointer(PointeurSouris::Defaut);
}

// Leaves the game state alone: the last game stays there, unseen.
void FrmMain::CmdErase_Click() {
    Efface(*this);
}
