// The player's window: windowed or full screen by the display mode, with an
// optional menu bar, the page view showing data/1014.dat, and the event loop.
#pragma once
#include "Settings.h"

// Builds the presentation the settings ask for and runs the event loop until
// "Quit" or a close request; returns at once when the display mode is neither
// "1" nor "2" or the window cannot be opened. Everything it made is released
// before it returns.
void RunPlayer(const Settings& settings);
