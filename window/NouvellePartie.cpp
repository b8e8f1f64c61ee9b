#include "FrmMain.h"

// Clears the window and shows a new game that the engine can solve.
void FrmMain::CmdProposer_Click() {}

// Clears the window for a game of the user's own.
void FrmMain::CmdErase_Click() {}
