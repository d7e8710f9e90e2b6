// The modeless tuning dialog: four fields for the tuning values and "Ok".
#pragma once
#include "Builder.h"

// Opens a fresh dialog showing the stored tuning values; an open one is
// closed first and whatever was typed into it is lost.
void OpenTuningDialog(Builder& builder);

// "Ok": stores the four texts unchanged and closes the dialog.
void ConfirmTuning(Builder& builder);

// Destroys the dialog, if open, and releases its window class.
void CloseTuningDialog(Builder& builder);
