#pragma once
// Mvsize's economic, company, print, project-data and selection dialogs driven headless on the shipped
// catalogue ZelMt01.zel and a copy of the shipped template ZelMt02.zel as the active project's working
// database.

#include "AppContext.h"
#include "DaoDatabase.h"
#include "Document.h"
#include "HeadlessHost.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace mvdlgtest {

inline constexpr COLORREF kBranco = 0xFFFFFF;
inline constexpr COLORREF kInvalido = 0xA900EE;  // Mvsize's, RGB(238, 0, 169)

// Empties a field as a user does, then types the text.
DialogDriver& Put(DialogDriver& d, int id, const std::string& text);
COLORREF Fundo(DialogDriver& d, int id);

std::string ShippedCatalogue();
std::string ShippedTemplate();

class MvUi : public ::testing::Test {
protected:
    MvUi();
    ~MvUi() override;

    // A circuit with the given key, parent (0: top level), code and calculated mark.
    void Inserir(short sequencial, short pai, const std::string& codigo, bool calculado);
    void Sql(const std::string& sql) { projeto.Execute(sql); }
    std::string Q(const std::string& sql);  // first column of the first row, as text, read from the file
    // "seq:calculado ..." of every circuit, in key order.
    std::string Calculados();
    std::string ProjetoPath() const { return dir.File("projeto.mvp"); }
    std::string Log() const;

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

}  // namespace mvdlgtest
