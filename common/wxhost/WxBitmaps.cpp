#include "WxBitmaps.h"

#include "WinTypes.h"

#include <wx/dcmemory.h>
#include <wx/arrstr.h>
#include <wx/graphics.h>

#include <algorithm>
#include <memory>

namespace zel::wx {
namespace {

wxColour ProgramColour(Program p) {
    switch (p) {
    case Program::Lvsize: return wxColour(0, 90, 170);
    case Program::Mvsize: return wxColour(150, 40, 40);
    case Program::Protdev: return wxColour(40, 120, 60);
    }
    return *wxBLUE;
}

const char* ProgramName(Program p) {
    switch (p) {
    case Program::Lvsize: return "Lvsize";
    case Program::Mvsize: return "Mvsize";
    case Program::Protdev: return "Protdev";
    }
    return "";
}

// Paints on a transparent bitmap through a graphics context (antialiased).
template <class Paint>
wxBitmap Painted(int w, int h, Paint paint) {
    wxImage image(w, h);
    image.InitAlpha();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.SetAlpha(x, y, 0);
    wxBitmap bmp(image);
    {
        wxMemoryDC dc(bmp);
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
        if (gc) paint(*gc);
    }
    return bmp;
}

enum class GlyphKind { New, Open, Save, Plus, Cross, Copy, Paste, Sigma, Printer, Question, Breaker, Fuse };

// The same id means different commands in the sizing programs and in Protdev.
GlyphKind KindOf(Program program, int id) {
    switch (id) {
    case ID_FILE_NEW: return GlyphKind::New;
    case ID_FILE_OPEN: return GlyphKind::Open;
    case ID_FILE_SAVE: return GlyphKind::Save;
    default: break;
    }
    if (program == Program::Protdev) {
        switch (id) {
        case 32774: return GlyphKind::Breaker;
        case 32778: return GlyphKind::Fuse;
        case 32786: return GlyphKind::Cross;
        case 32781: return GlyphKind::Question;
        default: return GlyphKind::Question;
        }
    }
    switch (id) {
    case 32771: return GlyphKind::Plus;
    case 32773: return GlyphKind::Cross;
    case 32783: return GlyphKind::Copy;
    case 32784: return GlyphKind::Paste;
    case 32779: return GlyphKind::Sigma;
    case 32778: return GlyphKind::Printer;
    case 32805: return GlyphKind::Question;
    default: return GlyphKind::Printer;
    }
}

wxBitmap Glyph(GlyphKind kind) {
    return Painted(16, 16, [kind](wxGraphicsContext& gc) {
        const wxColour ink(40, 40, 40);
        gc.SetPen(wxPen(ink, 1));
        switch (kind) {
        case GlyphKind::New:
            gc.SetBrush(*wxWHITE_BRUSH);
            gc.DrawRectangle(3.5, 1.5, 9, 13);
            gc.StrokeLine(5.5, 5.5, 10.5, 5.5);
            gc.StrokeLine(5.5, 8.5, 10.5, 8.5);
            break;
        case GlyphKind::Open:
            gc.SetBrush(wxBrush(wxColour(235, 190, 80)));
            gc.DrawRectangle(1.5, 4.5, 13, 9);
            gc.DrawRectangle(1.5, 3.5, 5, 2);
            break;
        case GlyphKind::Save:
            gc.SetBrush(wxBrush(wxColour(60, 90, 160)));
            gc.DrawRectangle(1.5, 1.5, 13, 13);
            gc.SetBrush(*wxWHITE_BRUSH);
            gc.DrawRectangle(4.5, 1.5, 7, 5);
            break;
        case GlyphKind::Plus:
            gc.SetPen(wxPen(wxColour(0, 130, 0), 3));
            gc.StrokeLine(8, 2, 8, 14);
            gc.StrokeLine(2, 8, 14, 8);
            break;
        case GlyphKind::Cross:
            gc.SetPen(wxPen(wxColour(190, 0, 0), 3));
            gc.StrokeLine(3, 3, 13, 13);
            gc.StrokeLine(13, 3, 3, 13);
            break;
        case GlyphKind::Copy:
            gc.SetBrush(*wxWHITE_BRUSH);
            gc.DrawRectangle(1.5, 1.5, 8, 10);
            gc.DrawRectangle(6.5, 4.5, 8, 10);
            break;
        case GlyphKind::Paste:
            gc.SetBrush(wxBrush(wxColour(180, 130, 70)));
            gc.DrawRectangle(2.5, 2.5, 11, 12);
            gc.SetBrush(*wxWHITE_BRUSH);
            gc.DrawRectangle(4.5, 5.5, 7, 8);
            gc.DrawRectangle(5.5, 1.5, 5, 3);
            break;
        case GlyphKind::Sigma: {
            gc.SetPen(wxPen(wxColour(0, 70, 150), 2));
            wxGraphicsPath p = gc.CreatePath();
            p.MoveToPoint(12, 3);
            p.AddLineToPoint(4, 3);
            p.AddLineToPoint(9, 8);
            p.AddLineToPoint(4, 13);
            p.AddLineToPoint(12, 13);
            gc.StrokePath(p);
            break;
        }
        case GlyphKind::Printer:
            gc.SetBrush(wxBrush(wxColour(200, 200, 200)));
            gc.DrawRectangle(1.5, 6.5, 13, 6);
            gc.SetBrush(*wxWHITE_BRUSH);
            gc.DrawRectangle(4.5, 1.5, 7, 5);
            gc.DrawRectangle(4.5, 10.5, 7, 4);
            break;
        case GlyphKind::Question:
            gc.SetBrush(wxBrush(wxColour(0, 70, 150)));
            gc.DrawEllipse(1.5, 1.5, 13, 13);
            gc.SetFont(wxFont(wxFontInfo(8).Bold()), *wxWHITE);
            gc.DrawText("?", 5, 1);
            break;
        case GlyphKind::Breaker:
            gc.SetBrush(wxBrush(wxColour(230, 230, 230)));
            gc.DrawRectangle(3.5, 1.5, 9, 13);
            gc.SetBrush(wxBrush(wxColour(0, 110, 200)));
            gc.DrawRectangle(6.5, 4.5, 3, 5);
            break;
        case GlyphKind::Fuse:
            gc.SetBrush(wxBrush(wxColour(230, 200, 120)));
            gc.DrawRoundedRectangle(2.5, 5.5, 11, 5, 2);
            gc.StrokeLine(0.5, 8, 2.5, 8);
            gc.StrokeLine(13.5, 8, 15.5, 8);
            break;
        }
    });
}

}  // namespace

wxBitmap DrawProgramIcon(Program program, int size) {
    return Painted(size, size, [program, size](wxGraphicsContext& gc) {
        gc.SetBrush(wxBrush(ProgramColour(program)));
        gc.SetPen(*wxTRANSPARENT_PEN);
        gc.DrawRoundedRectangle(1, 1, size - 2, size - 2, size / 6.0);
        // A lightning bolt.
        gc.SetBrush(wxBrush(wxColour(255, 215, 0)));
        wxGraphicsPath p = gc.CreatePath();
        const double s = size / 32.0;
        p.MoveToPoint(18 * s, 4 * s);
        p.AddLineToPoint(8 * s, 18 * s);
        p.AddLineToPoint(15 * s, 18 * s);
        p.AddLineToPoint(12 * s, 28 * s);
        p.AddLineToPoint(24 * s, 13 * s);
        p.AddLineToPoint(17 * s, 13 * s);
        p.CloseSubpath();
        gc.FillPath(p);
    });
}

wxBitmap DrawBanner(Program program, int width, int height) {
    wxBitmap bmp(width, height);
    wxMemoryDC dc(bmp);
    // Lighter to the right, never so light that the white text fades into it.
    const wxColour colour = ProgramColour(program);
    dc.GradientFillLinear(wxRect(0, 0, width, height), colour, colour.ChangeLightness(140), wxEAST);
    dc.DrawBitmap(DrawProgramIcon(program, 48), 16, (height - 48) / 2, true);
    dc.SetTextForeground(*wxWHITE);
    dc.SetFont(wxFont(wxFontInfo(20).Bold()));
    dc.DrawText(ProgramName(program), 80, 14);
    dc.SetFont(wxFont(wxFontInfo(10)));
    dc.DrawText(program == Program::Protdev ? "Dispositivos de proteção de baixa tensão"
                : program == Program::Mvsize ? "Dimensionamento de cabos de média tensão — NBR 14039"
                                              : "Dimensionamento de cabos de baixa tensão — NBR 5410",
                80, 50);
    dc.SelectObject(wxNullBitmap);
    return bmp;
}

wxBitmap DrawSplash(Program program, const wxString& title, const wxColour& colour, const wxString& subtitle,
                    const wxString& footer) {
    const int width = 420, height = 180, left = 104;
    wxBitmap bmp(width, height);
    wxMemoryDC dc(bmp);
    dc.GradientFillLinear(wxRect(0, 0, width, height), colour, wxColour(250, 250, 250), wxSOUTH);
    dc.DrawBitmap(DrawProgramIcon(program, 64), 24, 30, true);
    dc.SetTextForeground(*wxWHITE);
    dc.SetFont(wxFont(wxFontInfo(26).Bold()));
    dc.DrawText(title, left, 30);
    // Word by word into lines that stay inside the picture.
    dc.SetFont(wxFont(wxFontInfo(11)));
    const int room = width - left - 12;
    wxString line;
    int y = 76;
    for (const wxString& word : wxSplit(subtitle, ' ', '\0')) {
        const wxString longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && dc.GetTextExtent(longer).GetWidth() > room) {
            dc.DrawText(line, left, y);
            y += dc.GetCharHeight();
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) dc.DrawText(line, left, y);
    dc.SetTextForeground(wxColour(40, 40, 40));
    dc.SetFont(wxFont(wxFontInfo(9)));
    dc.DrawText(footer, 24, height - 30);
    dc.SelectObject(wxNullBitmap);
    return bmp;
}

wxBitmap DrawMessageIcon(MessageIcon kind, int size) {
    if (kind == MessageIcon::None) return wxNullBitmap;
    return Painted(size, size, [kind, size](wxGraphicsContext& gc) {
        const double s = size;
        gc.SetPen(*wxTRANSPARENT_PEN);
        wxString mark;
        switch (kind) {
        case MessageIcon::Stop:
            gc.SetBrush(wxBrush(wxColour(200, 30, 30)));
            gc.DrawEllipse(1, 1, s - 2, s - 2);
            gc.SetPen(wxPen(*wxWHITE, std::max(2, size / 9)));
            gc.StrokeLine(s * 0.32, s * 0.32, s * 0.68, s * 0.68);
            gc.StrokeLine(s * 0.68, s * 0.32, s * 0.32, s * 0.68);
            return;
        case MessageIcon::Exclamation: {
            gc.SetBrush(wxBrush(wxColour(245, 185, 0)));
            wxGraphicsPath p = gc.CreatePath();
            p.MoveToPoint(s / 2, 2);
            p.AddLineToPoint(s - 2, s - 3);
            p.AddLineToPoint(2, s - 3);
            p.CloseSubpath();
            gc.FillPath(p);
            gc.SetBrush(wxBrush(wxColour(40, 40, 40)));
            gc.DrawRoundedRectangle(s * 0.45, s * 0.3, s * 0.1, s * 0.38, s * 0.04);
            gc.DrawEllipse(s * 0.445, s * 0.74, s * 0.11, s * 0.11);
            return;
        }
        case MessageIcon::Question: mark = "?"; break;
        case MessageIcon::Information: mark = "i"; break;
        case MessageIcon::None: return;
        }
        gc.SetBrush(wxBrush(wxColour(30, 90, 200)));
        gc.DrawEllipse(1, 1, s - 2, s - 2);
        gc.SetFont(wxFont(wxFontInfo(wxSize(0, size * 2 / 3)).Family(wxFONTFAMILY_SWISS).Bold()), *wxWHITE);
        double w = 0, h = 0;
        gc.GetTextExtent(mark, &w, &h);
        gc.DrawText(mark, (s - w) / 2, (s - h) / 2);
    });
}

wxBitmap BitmapProvider::Get(int id) const {
    const auto it = m_factories.find(id);
    if (it != m_factories.end()) return it->second();
    if (id == 128) return DrawProgramIcon(m_program, 32);
    if (id == 170 || id == 163) return DrawBanner(m_program, 496, 88);
    return DrawProgramIcon(m_program, 32);
}

wxBitmap BitmapProvider::ToolButton(int commandId) const {
    const auto it = m_factories.find(-commandId);  // a program's own button: registered under -id
    if (it != m_factories.end()) return it->second();
    return Glyph(KindOf(m_program, commandId));
}

wxBitmap BitmapProvider::TreeImages(int bitmapId, int cx) const {
    const auto it = m_factories.find(bitmapId);
    if (it != m_factories.end()) return it->second();
    // Five tree images: root, and circuits or devices in four colours.
    const wxColour colours[] = {wxColour(90, 90, 90), wxColour(0, 110, 200), wxColour(200, 120, 0),
                                wxColour(150, 150, 150), wxColour(0, 150, 80)};
    const int count = 5;
    return Painted(cx * count, 16, [&](wxGraphicsContext& gc) {
        for (int i = 0; i < count; ++i) {
            gc.SetBrush(wxBrush(colours[i]));
            gc.SetPen(wxPen(wxColour(30, 30, 30)));
            if (i == 0) gc.DrawRectangle(i * cx + 2.5, 2.5, cx - 5, 11);
            else gc.DrawEllipse(i * cx + 3.5, 3.5, cx - 7, 9);
        }
    });
}

}  // namespace zel::wx
