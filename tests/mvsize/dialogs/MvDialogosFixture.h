#pragma once
// Mvsize's economic, company, print, project-data and selection dialogs driven headless on the shipped
// catalogue ZelMt01.zel and a copy of the shipped template ZelMt02.zel as the active project's working
// database.

#include "ProjetoAtivo.h"

#include <gtest/gtest.h>

#include <string>

namespace mvdlgtest {

using dlgtest::Fundo;
using dlgtest::kBranco;
using dlgtest::Put;

inline constexpr COLORREF kInvalido = 0xA900EE;  // Mvsize's, RGB(238, 0, 169)

std::string ShippedCatalogue();
std::string ShippedTemplate();

class MvUi : public ::testing::Test, protected dlgtest::ProjetoSemTela {
protected:
    MvUi();

    // A circuit with the given key, parent (0: top level), code and calculated mark.
    void Inserir(short sequencial, short pai, const std::string& codigo, bool calculado);
};

}  // namespace mvdlgtest
