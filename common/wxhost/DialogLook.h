#pragma once
// The programs' dialogs drawn as densely as the desktop forms they were laid out for: GTK's default
// controls are a third taller, which pushes the larger dialogs off a 768-pixel screen.

class wxTopLevelWindow;

namespace zel::wx {

// Gives the window the dialogs' look (its entries, lists, buttons and check boxes in compact sizes).
void UseDialogLook(wxTopLevelWindow& window);

}  // namespace zel::wx
