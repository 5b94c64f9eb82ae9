#pragma once
// Where top-level windows go on the screen: the main window kept out of the banner's strip, the banner
// made a strip of the screen a window manager leaves free, dialogs kept inside the display.

#include <wx/gdicmn.h>

class wxTopLevelWindow;
class wxWindow;

namespace zel::wx {

// The work area of the display showing the window (the first display when there is none); with a window
// manager, its panels are already left out.
wxRect MainDisplayArea(const wxWindow* window);
// The part of the area above a strip that lies across its lower part; the area itself when the strip is
// elsewhere.
wxRect AreaAbove(const wxRect& area, const wxRect& strip);

// Makes a window, before it is first shown, one that never takes the focus and that a window manager keeps
// as a panel of the screen.
void PrepareBannerWindow(wxTopLevelWindow& window);
// Reserves the strip of the screen from the window's top edge down for it, so that a window manager keeps
// other windows (maximized ones too) out of it, as it does for panels. Call once it is shown, and again
// whenever it moves.
void ReserveBottomStrip(wxTopLevelWindow& window);

// Puts a main window inside the area: maximized, it takes the whole area (a window manager that maximizes
// keeps it there too, the strip being reserved); otherwise it is moved and shrunk only as far as needed.
void FitInto(wxTopLevelWindow& window, const wxRect& area, bool maximized);

// Moves a window back inside the area when part of it lies outside (as little as possible).
void KeepInside(wxTopLevelWindow& window, const wxRect& area);

}  // namespace zel::wx
