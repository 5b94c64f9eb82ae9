// Lvsize on a virtual screen, driven with real X input: "Salvar como" with a name typed without its
// extension, where the name with the extension is an existing project.
#include "RealInput.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace ri = zel::realinput;
namespace fs = std::filesystem;

namespace {

const std::string kMain = "Lvsize - Atual";
const std::string kSalvar = "Salvar como";

// A project of n top-level circuits named C1, C2, ...
void Projeto(const fs::path& path, int n)
{
    fs::copy_file(ri::BinDir() / "ZelBt02.zel", path);
    std::string sql;
    for (int i = 1; i <= n; ++i)
        sql += "INSERT INTO circuito(circuito_sequencial,circuito_codigo) VALUES (" + std::to_string(i) + ",'C" +
               std::to_string(i) + "');";
    zeltest::RunSql(path.string(), sql);
}

std::string Circuitos(const fs::path& path)
{
    return ri::QueryValue(path, "SELECT COUNT(*) FROM circuito");
}

bool PerguntaSubstituir(const ri::Screen& sc)
{
    return std::any_of(sc.windows.begin(), sc.windows.end(), [](const ri::Window& w) {
        return std::any_of(w.labels.begin(), w.labels.end(),
                           [](const std::string& l) { return l.find("já existe") != std::string::npos; });
    });
}

// "Salvar como" from the menu, "Outro" typed as the file's name, Enter.
void SalvarComoOutro(ri::Session& s)
{
    s.ChooseMenu({"&Projeto", "Salvar &como..."});
    s.WaitWindow(kSalvar);
    s.Key("ctrl+a");
    s.Type("Outro");
    s.Key("Return");
}

}  // namespace

// The extension is added first, then the question comes before the project it names is replaced: "Não"
// leaves it as it was (the dialog comes back), "Sim" replaces it.
TEST(LvsizeSalvarComo, AsksBeforeReplacingTheProjectTheNameWithItsExtensionNames)
{
    ri::Session s;
    fs::create_directories(s.WorkDir());
    Projeto(s.WorkDir() / "Outro.lvp", 5);
    Projeto(s.WorkDir() / "Atual.lvp", 4);
    s.Launch({"lvsize", {"Atual.lvp"}});
    s.WaitWindow(kMain);

    SalvarComoOutro(s);
    ri::Screen screen = s.WaitFor(PerguntaSubstituir, "the question before replacing Outro.lvp");
    s.Screenshot("pergunta");
    s.ClickButton("Lvsize", "&Não");
    s.WaitWindow(kSalvar);
    EXPECT_EQ(Circuitos(s.WorkDir() / "Outro.lvp"), "5") << "nothing written before the answer";
    s.Key("Escape");
    s.WaitWindowGone(kSalvar);
    EXPECT_EQ(Circuitos(s.WorkDir() / "Outro.lvp"), "5");
    EXPECT_FALSE(fs::exists(s.WorkDir() / "Outro")) << "no file under the name as typed";

    SalvarComoOutro(s);
    s.WaitFor(PerguntaSubstituir, "the question again");
    s.ClickButton("Lvsize", "&Sim");
    s.WaitWindow("Lvsize - Outro");
    EXPECT_EQ(Circuitos(s.WorkDir() / "Outro.lvp"), "4");
    EXPECT_EQ(Circuitos(s.WorkDir() / "Atual.lvp"), "4");
}
