// The wizard window: its controls and what its buttons do.
#pragma once
#include "Builder.h"

// Registers the class, opens the window centred and creates its controls with
// their first contents. False when the window cannot be made.
bool OpenMainWindow(Builder& builder);

// "Browse": the chosen movie, or the empty text after a cancel, becomes the
// movie path and the text of the movie field.
void Browse(Builder& builder);

// "Save": the export of the form as it is now, with the stored tuning values.
AfterExport Save(Builder& builder);

// Moves the main window with the mouse, as a caption would, until the button is released.
void DragMainWindow(Builder& builder);
