// The one event loop that serves the main window and the tuning dialog.
#pragma once
#include "Builder.h"

// Takes and handles messages until an event ends the builder (Quit, Escape in
// the main window, a close request, or an export that ends the builder).
void RunEventLoop(Builder& builder);
