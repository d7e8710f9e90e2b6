/* An "ATL.DLL" that has neither AtlAxWinInit nor AtlAxGetControl. */
#include <windows.h>

__declspec(dllexport) int WINAPI Unrelated(void) { return 0; }
