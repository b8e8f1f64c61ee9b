// Input that the user made while a window was busy.
#pragma once

#include <QWidget>

// Forgets every click, key and mouse move made so far that the window has not
// handled yet: none of it reaches a control, not even one enabled afterwards.
// No handler runs meanwhile. Once the caller has returned to the event loop,
// the control where the mouse came to rest hears of it as of one move.
void OublieSaisies(QWidget& fenetre);

// Returns once Qt has taken every event that the X server made for the window
// so far; at once on other platforms.
void AttendServeurX(QWidget& fenetre);
