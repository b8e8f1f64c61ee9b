#include "FrmMain.h"

// Solve request: collects the six checked tiles and the target, then searches.
void FrmMain::CmdGO_Click() {}
