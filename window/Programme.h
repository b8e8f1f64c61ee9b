// The program as a whole: its title, unloading a window and ending the run.
#pragma once

#include <QWidget>
#include <functional>

inline constexpr const char* TitreProgramme = "Ornavex";

// Closes the window.
void Unload(QWidget& fenetre);

// Ends the program at once, with status 0: no further handler runs. The
// program stores nothing, so there is nothing to save first.
void End();

// What End does; tests put their own in its place. Returns the previous one.
using FinProgramme = std::function<void()>;
FinProgramme RemplaceFinProgramme(FinProgramme fin);
