// The procedures of Module1 that need the desktop, kept out of the engine so
// that it stays free of Qt: the platform calls the module declares, and the
// pointer change of the web-address label.
#pragma once

#include <cstdint>

#include "Plateforme.h"

namespace Module1 {

using shell32::ShellExecuteA;
using user32::LoadCursorA;
using user32::SetCursor;

// Shows the system cursor of that id over the control under the mouse.
void ChangeCurseur(const std::int32_t& Curseur);

}  // namespace Module1
