#include "SmokeSupport.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

class SmokeApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

wxIMPLEMENT_APP_NO_MAIN(SmokeApp);

namespace {

int g_passed = 0;
int g_failed = 0;

}  // namespace

namespace smoke {

bool IniciarWx(int& argc, char** argv)
{
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return false;
    zel::wx::InitWxLocale();
    wxInitAllImageHandlers();
    return true;
}

bool IniciarWx(const char* nome)
{
    // wx keeps the command line for as long as it runs.
    static std::vector<char> programa;
    static char* argv[2] = {};
    static int argc = 1;
    programa.assign(nome, nome + std::char_traits<char>::length(nome) + 1);
    argv[0] = programa.data();
    return IniciarWx(argc, argv);
}

void AmbienteWx::SetUp()
{
    ASSERT_TRUE(zel::wx::UsePortugueseLocale());
    ASSERT_TRUE(IniciarWx(m_nome.c_str()));
}

void AmbienteWx::TearDown()
{
    wxEntryCleanup();
}

void Pump(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        wxYield();
        wxMilliSleep(20);
    }
}

bool Foto(wxWindow* w, const std::string& pasta, const std::string& nome)
{
    Pump(5);
    std::filesystem::create_directories(pasta);
    return w && zel::wx::SaveScreenshot(w, pasta + "/" + nome + ".png");
}

wxColour CorDentro(wxWindow* top, wxWindow* widget, const std::string& pasta)
{
    const std::string sonda = pasta + "/.sonda.png";
    std::filesystem::create_directories(pasta);
    if (!widget || !zel::wx::SaveScreenshot(top, sonda))
        return wxColour();
    wxImage img(wxString::FromUTF8(sonda.c_str()), wxBITMAP_TYPE_PNG);
    std::filesystem::remove(sonda);
    const wxRect d = top->GetScreenRect();
    const wxRect w = widget->GetScreenRect();
    const int x = w.GetX() - d.GetX() + w.GetWidth() - 6;
    const int y = w.GetY() - d.GetY() + w.GetHeight() / 2;
    if (!img.IsOk() || x < 0 || y < 0 || x >= img.GetWidth() || y >= img.GetHeight())
        return wxColour();
    return wxColour(img.GetRed(x, y), img.GetGreen(x, y), img.GetBlue(x, y));
}

bool Perto(const wxColour& c, COLORREF want)
{
    return c.IsOk() && std::abs(c.Red() - GetRValue(want)) < 12 && std::abs(c.Green() - GetGValue(want)) < 12 &&
           std::abs(c.Blue() - GetBValue(want)) < 12;
}

void Seguir(zel::wx::WxHost& host, const Passos& passos)
{
    host.onDialogShown = [&passos](zel::wx::WxDialog& w) {
        auto it = passos.find(w.Model().GetTemplateId());
        if (it == passos.end()) {
            w.Model().UserCancel();
            return;
        }
        // A copy: the step may replace itself in the map while it runs.
        auto passo = it->second;
        passo(w);
    };
}

void Check(bool ok, const std::string& what)
{
    (ok ? g_passed : g_failed)++;
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
}

int Resultado()
{
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}

}  // namespace smoke
