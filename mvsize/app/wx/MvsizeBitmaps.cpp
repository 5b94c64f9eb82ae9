#include "MvsizeBitmaps.h"

#include "MvsizeCommands.h"

#include "WxHost.h"

#include <wx/dcmemory.h>
#include <wx/graphics.h>

#include <memory>

namespace {

wxBitmap ImagensArvore()
{
    // Three 16-pixel images on white (the transparent colour): the origin, a circuit with a design current,
    // a circuit without one.
    wxBitmap bmp(48, 16);
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
        // 1: a feeder carrying current: a cable with a lightning-yellow core.
        gc->SetPen(wxPen(wxColour(40, 40, 40)));
        gc->SetBrush(wxBrush(wxColour(250, 200, 40)));
        gc->DrawEllipse(16 + 3, 3, 10, 10);
        gc->SetBrush(wxBrush(wxColour(200, 60, 20)));
        gc->DrawEllipse(16 + 6, 6, 4, 4);
        // 2: a feeder without a design current: the same cable, grey.
        gc->SetBrush(wxBrush(wxColour(200, 200, 200)));
        gc->DrawEllipse(32 + 3, 3, 10, 10);
        gc->SetBrush(wxBrush(wxColour(120, 120, 120)));
        gc->DrawEllipse(32 + 6, 6, 4, 4);
    }
    return bmp;
}

}  // namespace

void RegisterMvsizeBitmaps(zel::wx::WxHost& host)
{
    host.RegisterBitmap(IDB_ARVORE, ImagensArvore);
}
