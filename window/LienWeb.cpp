#include "FrmMain.h"
#include "Module1Fenetre.h"

namespace {

// The label shows only the host: the whole address does not fit its width.
constexpr const char* PageAuteur = "http://www.ornavex.example/index.php";

}  // namespace

namespace Module1 {

void ChangeCurseur(const std::int32_t& Curseur) {
    // A system cursor is shared: it is loaded anew each time and never freed.
    SetCursor(LoadCursorA(0, Curseur));
}

}  // namespace Module1

// Opens the author's web page. Whether the browser came up is no concern of
// the window: nothing is shown either way.
void FrmMain::lblCompany_Click() {
    Module1::ShellExecuteA(0, nullptr, PageAuteur, nullptr, nullptr, shell32::AffichageNormal);
}

// Shows the hand pointer over the web address, whatever buttons or keys are
// held. It is set again on every move: the window brings its usual pointer
// back elsewhere by itself.
void FrmMain::lblCompany_MouseMove(std::int16_t, std::int16_t, float, float) {
    const std::int32_t Curseur = user32::CurseurMain;
    Module1::ChangeCurseur(Curseur);
}
