// Input that the user made while a window was busy.
#pragma once

#include <QWidget>

// Forgets every click, key and mouse move made so far that the window has not
// handled yet: none of it reaches a control, not even one enabled afterwards.
// No handler runs meanwhile.
void OublieSaisies(QWidget& fenetre);
