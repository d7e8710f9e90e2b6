// Small rules of the builder's windows that need no window: where a window
// opens, how a file-dialog filter is handed to the system, and which control
// Tab and Shift+Tab move the focus to.
#pragma once
#include <stddef.h>

// Start of a window on one axis of the screen: half the screen minus half the
// window, each half rounded down; a window larger than the screen starts at 0.
int CentredStart(int screenSize, int windowSize);

// "Swf (*.swf)|*.swf" becomes "Swf (*.swf)" 0 "*.swf" 0 0: every "|" a zero
// byte and two zero bytes at the end. False (and out empty) when it does not fit.
bool DialogFilter(const char* filter, char* out, size_t outBytes);

// The control that Tab (or Shift+Tab) moves the focus to: the next (previous)
// one that can take it, in creation order, wrapping at the ends. current is
// the index of the control that has the focus, or -1 when none has it; then
// Tab goes to the first that can take it and Shift+Tab to the last.
// Returns -1 when no control can take the focus.
int NextTabStop(const bool* canTakeFocus, int count, int current, bool backwards);
