#include "LvsizeBitmaps.h"

#include "LvsizeCommands.h"

#include "WxHost.h"

#include <wx/dcmemory.h>
#include <wx/graphics.h>

#include <memory>

namespace {

void Circulo(wxGraphicsContext& gc, double x, double y, double r, const wxColour& c)
{
    gc.SetPen(wxPen(wxColour(40, 40, 40)));
    gc.SetBrush(wxBrush(c));
    gc.DrawEllipse(x - r, y - r, 2 * r, 2 * r);
}

// A load: a small bulb-like square; a motor: a circle with an "M".
void Carga(wxGraphicsContext& gc, double x0)
{
    gc.SetPen(wxPen(wxColour(40, 40, 40)));
    gc.SetBrush(wxBrush(wxColour(250, 200, 40)));
    gc.DrawRectangle(x0 + 2.5, 4.5, 7, 7);
}

void Motor(wxGraphicsContext& gc, double x0, double cx)
{
    Circulo(gc, x0 + cx, 8, 5, wxColour(90, 150, 230));
    gc.SetFont(wxFont(wxFontInfo(6).Bold()), wxColour(255, 255, 255));
    double w = 0, h = 0;
    gc.GetTextExtent("M", &w, &h);
    gc.DrawText("M", x0 + cx - w / 2, 8 - h / 2);
}

wxBitmap ImagensArvore()
{
    // Five 16-pixel images on white (the transparent colour): origin, current, motors, neither, both.
    wxBitmap bmp(80, 16);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
        // 0: the origin, a supply transformer: two rings.
        gc->SetBrush(*wxTRANSPARENT_BRUSH);
        gc->SetPen(wxPen(wxColour(160, 40, 40), 2));
        gc->DrawEllipse(2, 2, 8, 8);
        gc->DrawEllipse(6, 6, 8, 8);
        // 1: steady current only.
        Carga(*gc, 16 + 2);
        // 2: motors only.
        Motor(*gc, 32, 8);
        // 3: neither: an empty feeder, a grey bar.
        gc->SetPen(wxPen(wxColour(120, 120, 120), 2));
        gc->StrokeLine(48 + 3, 8, 48 + 13, 8);
        gc->StrokeLine(48 + 8, 3, 48 + 8, 13);
        // 4: both.
        Carga(*gc, 64 - 1);
        Motor(*gc, 64, 11);
    }
    return bmp;
}

}  // namespace

void RegisterLvsizeBitmaps(zel::wx::WxHost& host)
{
    host.RegisterBitmap(IDB_ARVORE, ImagensArvore);
}
