#include "BoiteMessage.h"
#include "FrmMain.h"
#include "Module1.h"
#include "Saisies.h"
#include "Texte.h"

// Solve request: collects the six checked tiles and the target, then searches.
// The tiles are met in the enumeration's order, which fixes the order of the
// numbers in Tirage and so the chain that the search finds first.
void FrmMain::CmdGO_Click() {
    std::int16_t coches = 0;
    for (Controle* controle : Controls()) {
        Ctl = controle;
        if (!Ctl->EstCaseACocher()) continue;
        if (Ctl->Value() != 1) continue;
        // Boxes past the sixth are only counted: Tirage holds six numbers.
        if (coches < 6) Module1::Tirage[coches] = Runtime::VersEntier16(Ctl->Caption());
        ++coches;
    }
    if (coches != 6) {
        MsgBox("Vous devez cocher 6 nombres", Critique);
        return;
    }

    // Each test comes before the conversion that relies on it: no target text
    // can raise an error.
    if (!Runtime::EstNumerique(TxtResultat.Text())) {
        MsgBox("Nombre à trouver invalide", Critique);
        return;
    }
    const bool tropPetit = Runtime::VersDouble(TxtResultat.Text()) < 100.0;
    const bool tropGrand = Runtime::VersDouble(TxtResultat.Text()) > 999.0;
    if (tropPetit || tropGrand) {
        MsgBox("Le nombre à trouver doit être compris entre 100 et 999", Critique);
        TxtResultat.SetFocus();
        return;
    }

    // The search blocks the window until it returns.
    MousePointer(PointeurSouris::Sablier);
    Module1::NombreATrouver = Runtime::VersEntier16(TxtResultat.Text());
    // Disabling the focused button passes the focus on: it comes back at the end.
    QWidget* const focus = focusWidget();
    CmdGO.Enabled(false);
    CmdQuit.Enabled(false);
    LblInfo.Caption("Recherche en cours ...");
    const std::int16_t cible = Runtime::VersEntier16(TxtResultat.Text());
    Module1::InitEtapes(cible);

    if (Module1::EstDansTirage(Module1::NombreATrouver)) {
        MousePointer(PointeurSouris::Defaut);
        LblInfo.Caption("Tavelune :\r\n" + Runtime::VersTexte(Module1::NombreATrouver));
    } else if (Module1::Recherche(Module1::NumEtape)) {
        MousePointer(PointeurSouris::Defaut);
        AfficheResultat();
    } else {
        MousePointer(PointeurSouris::Defaut);
        LblInfo.Caption("Non trouvé");
    }

    // The clicks and keys made during the search were made on a busy window:
    // none may reach a control, least of all these buttons once enabled.
    OublieSaisies(*this);
    CmdGO.Enabled(true);
    CmdQuit.Enabled(true);
    if (focus) focus->setFocus();
}
