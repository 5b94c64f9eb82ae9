#pragma once
// What a user would find wrong with the programs' windows on a real screen, measured on the widgets: a
// dialog off the screen or too tall for a laptop's screen, not centred on the main window, a control
// outside its dialog or over another, a text cut, a gap where hidden rows were; the banner over the main
// window; a message box without its picture. Each check returns one line per fault (empty: none).

#include <wx/colour.h>
#include <wx/gdicmn.h>

#include <string>
#include <vector>

class wxWindow;

namespace zeltest {

// The tallest a dialog may be: a 768-pixel screen less a desktop's panels, a title bar and the banner's
// strip, which the main window leaves free.
inline constexpr int kDialogHeightBudget = 560;

using Faults = std::vector<std::string>;
std::string Lines(const Faults& faults);

// A dialog as it shows: inside the screen and the height budget, centred on the given window (when given),
// clear of the banner (when given), every control inside the dialog (and its group box) and over no other,
// no text cut, no gap between rows.
Faults DialogFaults(wxWindow& dialog, const wxWindow* centredOn, const wxRect& banner = wxRect());

// The banner shown and clear of the main window's client area.
Faults BannerFaults(const wxWindow& banner, const wxWindow& mainWindow);

// A message box centred on the main window (when given).
Faults MessageBoxPlacementFaults(const wxWindow& box, const wxWindow* mainWindow);

// How many pixels of the screen inside the window are near the colour (the picture of a message box).
int PixelsNear(wxWindow& window, const wxColour& colour, int tolerance = 40);

// The whole screen as a PNG.
bool SaveWholeScreen(const std::string& path);

}  // namespace zeltest
