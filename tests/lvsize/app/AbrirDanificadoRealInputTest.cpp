// Lvsize on a virtual screen, driven with real X input: a damaged project opened from the menu.
#include "RealInput.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace ri = zel::realinput;
namespace fs = std::filesystem;

namespace {

const std::string kNovo = "Lvsize - Projeto_LVSIZE_sem_nome";

bool Mostra(const ri::Screen& sc, const std::string& texto)
{
    return std::any_of(sc.windows.begin(), sc.windows.end(), [&](const ri::Window& w) {
        return std::any_of(w.labels.begin(), w.labels.end(),
                           [&](const std::string& l) { return l.find(texto) != std::string::npos; });
    });
}

}  // namespace

// A project another tool wrote with two circuits of one key: no save could ever keep it, so it is refused
// when opened, the message names it, the program stays on the project it had and the file is as it was.
TEST(LvsizeAbrir, ADamagedProjectIsRefusedByNameAndLeftAsItWas)
{
    ri::Session s;
    fs::create_directories(s.WorkDir());
    const fs::path obra = s.WorkDir() / "Obra.lvp";
    fs::copy_file(ri::BinDir() / "ZelBt02.zel", obra);
    zeltest::RunSql(obra.string(), "DROP INDEX circuito_chave;"
                                   "INSERT INTO circuito(circuito_sequencial,circuito_codigo) VALUES (1,'QD1'),(1,'QD2');");
    const std::string antes = zeltest::ReadFile(obra.string());

    s.Launch({"lvsize"});
    s.WaitWindow(kNovo);
    s.ChooseMenu({"&Projeto", "&Abrir..."});
    s.WaitWindow("Abrir");
    s.Key("ctrl+l");
    s.Type(obra.string());
    s.Key("Return");
    s.WaitWindowGone("Abrir");
    const std::string aviso = "Obra.lvp' está danificado: há circuitos com a mesma chave";
    s.WaitFor([&](const ri::Screen& sc) { return Mostra(sc, aviso); }, "the message naming the damaged project");
    s.Screenshot("danificado");
    s.Key("Return");
    s.WaitFor([&](const ri::Screen& sc) { return !Mostra(sc, aviso); }, "the message closed");
    s.WaitWindow(kNovo);
    EXPECT_TRUE(zeltest::ReadFile(obra.string()) == antes) << "the file as it was";
}
