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

// A tool-bar button painted on a transparent 16-pixel square.
template <class Paint>
wxBitmap Botao(Paint paint)
{
    wxImage image(16, 16);
    image.InitAlpha();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.SetAlpha(x, y, 0);
    wxBitmap bmp(image);
    {
        wxMemoryDC dc(bmp);
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
        if (gc)
            paint(*gc);
    }
    return bmp;
}

void Folha(wxGraphicsContext& gc, double x)
{
    gc.SetPen(wxPen(wxColour(40, 40, 40)));
    gc.SetBrush(*wxWHITE_BRUSH);
    gc.DrawRectangle(x + 0.5, 1.5, 10, 13);
}

void Marca(wxGraphicsContext& gc, const char* texto, const wxColour& cor, double cx)
{
    gc.SetFont(wxFont(wxFontInfo(8).Bold()), cor);
    double w = 0, h = 0;
    gc.GetTextExtent(wxString::FromUTF8(texto), &w, &h);
    gc.DrawText(wxString::FromUTF8(texto), cx - w / 2, 8 - h / 2);
}

// The circuit's characteristics: a form being filled in.
wxBitmap Caracteristicas()
{
    return Botao([](wxGraphicsContext& gc) {
        Folha(gc, 2);
        gc.StrokeLine(4.5, 5.5, 10.5, 5.5);
        gc.StrokeLine(4.5, 8.5, 8.5, 8.5);
        gc.SetPen(wxPen(wxColour(200, 120, 0), 2));
        gc.StrokeLine(9, 14, 15, 8);
    });
}

wxBitmap Economico()
{
    return Botao([](wxGraphicsContext& gc) { Marca(gc, "$", wxColour(0, 120, 60), 8); });
}

// The project's data: a sheet with an "i".
wxBitmap DadosProjeto()
{
    return Botao([](wxGraphicsContext& gc) {
        Folha(gc, 3);
        Marca(gc, "i", wxColour(0, 70, 150), 8.5);
    });
}

// Sizing the whole project: a stack of sheets with a sigma.
wxBitmap CalcularProjeto()
{
    return Botao([](wxGraphicsContext& gc) {
        Folha(gc, 4);
        Folha(gc, 1);
        Marca(gc, "Σ", wxColour(0, 70, 150), 6.5);
    });
}

}  // namespace

void RegisterMvsizeBitmaps(zel::wx::WxHost& host)
{
    host.RegisterBitmap(IDB_ARVORE, ImagensArvore);
    // The tool bar's buttons Lvsize has not (the host paints the others).
    host.RegisterBitmap(-ID_CIRCUITO_CARACTERISTICAS, Caracteristicas);
    host.RegisterBitmap(-ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO, Economico);
    host.RegisterBitmap(-ID_PROJETO_DADOS, DadosProjeto);
    host.RegisterBitmap(-ID_PROJETO_CALCULAR, CalcularProjeto);
}
