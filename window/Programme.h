// The program as a whole: its title, the platform it runs on, its language,
// unloading a window and ending the run.
#pragma once

#include <QWidget>
#include <functional>

inline constexpr const char* TitreProgramme = "Ornavex";

// Where the desktop has an X server, the window runs on it, on a Wayland
// desktop too (through XWayland): its busy state and its centring are built on
// X. A platform that the user names in QT_QPA_PLATFORM wins; with no X server
// at hand, Qt chooses. Call before the application is made; says whether it
// named X for it.
bool PrefereX();

// The toolkit's own texts, such as the target box's menu, in French whatever
// the user's language. Says whether they were found.
bool TraduitTextesQt();

// Closes the window.
void Unload(QWidget& fenetre);

// Ends the program at once, with status 0: no further handler runs. The
// program stores nothing, so there is nothing to save first.
void End();

// What End does; tests put their own in its place. Returns the previous one.
using FinProgramme = std::function<void()>;
FinProgramme RemplaceFinProgramme(FinProgramme fin);
