#include "FrmMain.h"

// Opens the author's web page.
void FrmMain::lblCompany_Click() {}

// Shows the hand pointer over the web address.
void FrmMain::lblCompany_MouseMove(std::int16_t, std::int16_t, float, float) {}
