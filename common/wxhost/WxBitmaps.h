#pragma once
// The programs' bitmaps by resource id: the icon, the banner, the tool-bar buttons (by command id) and
// the tree images. A program registers its own; the rest are drawn here in simple shapes.

#include "Program.h"

#include <wx/bitmap.h>

#include <functional>
#include <map>

namespace zel::wx {

class BitmapProvider {
public:
    explicit BitmapProvider(Program program) : m_program(program) {}
    using Factory = std::function<wxBitmap()>;
    void Register(int id, Factory factory) { m_factories[id] = std::move(factory); }
    // The bitmap of a resource id (a drawn placeholder when nothing is known of it).
    wxBitmap Get(int id) const;
    // A tool-bar button of 16 by 16 for a command.
    wxBitmap ToolButton(int commandId) const;
    // An image list's strip: count images of cx pixels side by side.
    wxBitmap TreeImages(int bitmapId, int cx) const;
    Program GetProgram() const { return m_program; }

private:
    Program m_program;
    std::map<int, Factory> m_factories;
};

// Drawn pictures, shared with the programs' own resources.
wxBitmap DrawProgramIcon(Program program, int size);
wxBitmap DrawBanner(Program program, int width, int height);
// A splash of 420 by 180: the program's icon, its title, the subtitle in as many lines as it takes, and a
// note at the foot; the gradient runs from colour down to white.
wxBitmap DrawSplash(Program program, const wxString& title, const wxColour& colour, const wxString& subtitle,
                    const wxString& footer);

// The pictures of the message boxes: drawn here, since GTK's message dialogs show none of their own and an
// icon theme may lack them.
enum class MessageIcon { None, Stop, Question, Exclamation, Information };
wxBitmap DrawMessageIcon(MessageIcon kind, int size);

}  // namespace zel::wx
