#pragma once
// The load, motor, device, economic and project dialogs driven headless on the shipped catalogue and a
// copy of the shipped project template, with the headless host as the context's dialog runner.

#include "AppContext.h"
#include "DaoDatabase.h"
#include "Document.h"
#include "HeadlessHost.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace cargastest {

inline constexpr COLORREF kBranco = 0xFFFFFF;
inline constexpr COLORREF kInvalido = 0x8C00EC;  // RGB(236, 0, 140)

// Empties a field as a user does, then types the text.
DialogDriver& Put(DialogDriver& d, int id, const std::string& text);
COLORREF Fundo(DialogDriver& d, int id);

struct Circuito {
    short sequencial = 1;
    short pai = 0;  // 0: top level
    std::string codigo = "C1";
    int sistema = 3;  // three-phase 3F+N+PE
    int tensaoFaseFase = 380;
    double tensaoFaseNeutro = 220.0;
    double corrente = 0.0;
    double fatorPotencia = 0.0;
    int dispositivo = 0;
    double fatorDisjuntor = 0.0;
    int calculado = -1;
};

class CargasUi : public ::testing::Test {
protected:
    // catalogue empty: the shipped ZelBt01.zel, read-only.
    explicit CargasUi(const std::string& catalogue = "");
    ~CargasUi() override;

    void Inserir(const Circuito& c);
    void Sql(const std::string& sql) { projeto.Execute(sql); }
    std::string Q(const std::string& sql);  // first column of the first row, as text
    // "seq:calculado ..." of every circuit, in key order.
    std::string Calculados();
    std::string ProjetoPath() const { return dir.File("projeto.lvp"); }

    zeltest::TempDir dir;
    std::optional<zeltest::ScopedCurrentDir> cwd;
    CDaoDatabase catalogo;
    CDaoDatabase projeto;
    CProjectDocument documento;
    FixedClock relogio{LocalTime{2024, 5, 17, 10, 30, 0}};
    CAppContext contexto;
    HeadlessHost host;
    std::optional<ScopedAppContext> escopo;
};

std::string ShippedCatalogue();
std::string ShippedTemplate();

}  // namespace cargastest
