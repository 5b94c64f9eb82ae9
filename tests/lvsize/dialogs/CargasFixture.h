#pragma once
// The load, motor, device, economic and project dialogs driven headless on the shipped catalogue and a
// copy of the shipped project template, with the headless host as the context's dialog runner.

#include "ProjetoAtivo.h"

#include <gtest/gtest.h>

#include <string>

namespace cargastest {

using dlgtest::Fundo;
using dlgtest::kBranco;
using dlgtest::Put;

inline constexpr COLORREF kInvalido = 0x8C00EC;  // RGB(236, 0, 140)

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

class CargasUi : public ::testing::Test, protected dlgtest::ProjetoSemTela {
protected:
    // catalogue empty: the shipped ZelBt01.zel, read-only.
    explicit CargasUi(const std::string& catalogue = "");

    void Inserir(const Circuito& c);
};

std::string ShippedCatalogue();
std::string ShippedTemplate();

}  // namespace cargastest
