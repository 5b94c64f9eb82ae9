#pragma once
// What the GUI smoke tests do alike on a virtual screen: start wx, let it draw, save a window as a PNG,
// read a colour back from the screen, answer each dialog by its template, and count checks in the tests
// that have their own main.
//
// Linking this library makes its empty wxApp the process's application: the tests start wx themselves.

#include "WinTypes.h"
#include "WxDialog.h"
#include "WxHost.h"

#include <gtest/gtest.h>
#include <wx/colour.h>

#include <functional>
#include <map>
#include <string>

class wxWindow;

namespace smoke {

// wxEntryStart on the command line given (or on the program's name alone), the application's OnInit, the
// Portuguese wx locale and the image handlers; false when wx could not start. The C locale is the
// caller's to check (zel::wx::UsePortugueseLocale), as a failure of its own.
bool IniciarWx(int& argc, char** argv);
bool IniciarWx(const char* nome);

// IniciarWx before the first test, wxEntryCleanup after the last.
class AmbienteWx : public ::testing::Environment {
public:
    explicit AmbienteWx(std::string nome) : m_nome(std::move(nome)) {}
    void SetUp() override;
    void TearDown() override;

private:
    std::string m_nome;
};

// Lets wx handle its pending events, sleeping a little between rounds.
void Pump(int rounds = 10);
// <pasta>/<nome>.png (the folder made when missing) once the window drew; false without a window or when nothing was written.
bool Foto(wxWindow* w, const std::string& pasta, const std::string& nome);
// The colour near the right end of a widget as the screen shows it (a probe PNG in pasta, removed after);
// an invalid colour when it cannot be read.
wxColour CorDentro(wxWindow* top, wxWindow* widget, const std::string& pasta);
// Within 12 of the colour on each channel.
bool Perto(const wxColour& c, COLORREF want);

// What each dialog does when it shows, by template id; a dialog with no step is cancelled.
using Passos = std::map<int, std::function<void(zel::wx::WxDialog&)>>;
// Answers the host's dialogs with the steps (read when each dialog shows, so they may change meanwhile).
void Seguir(zel::wx::WxHost& host, const Passos& passos);

// For the tests with their own main: "ok  what" or "FAIL what" on standard output, counted.
void Check(bool ok, const std::string& what);
// Prints "N passed, M failed"; the process's exit status (0: none failed).
int Resultado();

}  // namespace smoke
