#pragma once
// The splash window, shown while the program starts and closed by the view's first initial update.

class CDialog;

// The one splash window of the run (null when none is shown).
extern CDialog* g_pSplash;

// Creates the modeless splash (template 149, without a parent) into g_pSplash.
void ShowSplash();
// Destroys and deletes the splash when it exists, and clears the pointer.
void CloseSplash();
