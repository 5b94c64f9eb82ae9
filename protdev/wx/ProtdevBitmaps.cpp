#include "ProtdevBitmaps.h"

#include "WxHost.h"
#include "resource.h"

#include <wx/dcmemory.h>
#include <wx/graphics.h>

#include <memory>

namespace {

wxBitmap TreeImages()
{
    // Three 16-pixel images on white, the transparent colour of the image list.
    wxBitmap bmp(48, 16);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
        // Breaker: a grey case with a lever.
        gc->SetPen(wxPen(wxColour(40, 40, 40)));
        gc->SetBrush(wxBrush(wxColour(200, 200, 200)));
        gc->DrawRoundedRectangle(3.5, 1.5, 9, 13, 1.5);
        gc->SetBrush(wxBrush(wxColour(40, 120, 60)));
        gc->DrawRectangle(6.5, 4.5, 3, 5);
        // Fuse: a cartridge with two caps.
        gc->SetBrush(wxBrush(wxColour(235, 220, 170)));
        gc->DrawRectangle(16 + 4.5, 4.5, 7, 7);
        gc->SetBrush(wxBrush(wxColour(150, 150, 150)));
        gc->DrawRectangle(16 + 1.5, 5.5, 3, 5);
        gc->DrawRectangle(16 + 11.5, 5.5, 3, 5);
        // Voltage: a lightning bolt.
        gc->SetPen(*wxTRANSPARENT_PEN);
        gc->SetBrush(wxBrush(wxColour(230, 160, 0)));
        wxGraphicsPath p = gc->CreatePath();
        p.MoveToPoint(32 + 9, 1);
        p.AddLineToPoint(32 + 4, 9);
        p.AddLineToPoint(32 + 8, 9);
        p.AddLineToPoint(32 + 6, 15);
        p.AddLineToPoint(32 + 12, 6);
        p.AddLineToPoint(32 + 8.5, 6);
        p.CloseSubpath();
        gc->FillPath(p);
    }
    return bmp;
}

wxBitmap Splash()
{
    return zel::wx::DrawSplash(Program::Protdev, "Protdev", wxColour(40, 120, 60),
                               wxString::FromUTF8("Dispositivos de proteção de baixa tensão"),
                               wxString::FromUTF8("Versão 4.0 — abrindo a biblioteca ZelBt01.zel ..."));
}

}  // namespace

void RegisterProtdevBitmaps(zel::wx::WxHost& host)
{
    host.RegisterBitmap(IDB_TREE, TreeImages);
    host.RegisterBitmap(IDB_SPLASH, Splash);
}
