// The program's look, the same on every desktop.
#pragma once

// The window is laid out to the pixel and paints its panels in fixed colours
// of its own, which go with the system colours of a light scheme alone. So the
// program draws with Qt's Fusion style and a light palette of its own, every
// colour of it set, whatever style and colours the desktop offers (KDE's
// style, a dark theme), now or later in the run. Message boxes look the same.
// Call once the application stands.
void FixeApparence();
