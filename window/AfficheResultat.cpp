#include "FrmMain.h"

// Writes the chain that a successful search left in the work table into LblInfo.
void FrmMain::AfficheResultat() {}
