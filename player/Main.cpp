// The player: reads data/1013.dat and shows data/1014.dat in a window.
// It takes no arguments; whatever the command line holds is ignored.
#include <windows.h>

#include "PlayerStart.h"
#include "PlayerWindow.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Settings settings;
    if (LoadSettings(&settings)) RunPlayer(settings);
    return 0;
}
