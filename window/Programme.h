// The program as a whole: its title, its language, unloading a window and
// ending the run.
#pragma once

#include <QWidget>
#include <functional>

inline constexpr const char* TitreProgramme = "Ornavex";

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
