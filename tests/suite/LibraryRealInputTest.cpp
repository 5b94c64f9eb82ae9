// Protdev and Lvsize on the one device library of the user's data folder, driven through the X server as a
// user would: a breaker typed into Protdev, which then closes; Lvsize, started afterwards, offers that breaker
// in a circuit's device dialog and sizes the circuit with its rating.
#include "RealInput.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
namespace ri = zel::realinput;

namespace {

const std::string kProtdev = "Dispositivos de proteção de baixa tensão - Protdev";
const std::string kDisjuntor = "Disjuntor";
const std::string kCorrente = "Corrente nominal - Disjuntor";
const std::string kDispositivo = "Dispositivo de proteção";
// In capitals and digits: what is typed is what the program keeps, whichever case its edit lets through.
const std::string kNovo = "DISJUNTOR ZEL 13 A";

// Empties an edit and types into it, then waits for the program to show what was typed.
void Fill(ri::Session& s, const std::string& window, int id, const std::string& text)
{
    s.ClickControl(window, id);
    s.WaitFocus(window, id);
    s.Key("ctrl+a BackSpace");
    s.Type(text);
    s.WaitFor([&](const ri::Screen& sc) {
        const ri::Control* c = sc.FindControl(window, id);
        return c && c->text == text;
    }, "\"" + text + "\" in control " + std::to_string(id) + " of \"" + window + "\"");
}

}  // namespace

TEST(SuiteLibrary, ABreakerAddedInProtdevIsOfferedAndUsedByLvsize)
{
    ri::Session s;
    const fs::path library = s.Folder() / "home/.local/share/zel/ZelBt01.zel";

    // Protdev: a breaker of 400 V with one rated current of 13 A, which no sample breaker has.
    s.Launch({"protdev"});
    s.WaitWindow(kProtdev);
    s.ChooseMenu({"&Disjuntor", "&Incluir ..."});
    s.WaitWindow(kDisjuntor);
    Fill(s, kDisjuntor, 1000, kNovo);
    Fill(s, kDisjuntor, 1025, "400");
    s.ClickControl(kDisjuntor, 1002);
    s.WaitWindow(kCorrente);
    const struct {
        int id;
        const char* value;
    } campos[] = {
        {1005, "13"}, {1007, "130"}, {1006, "10000"}, {1008, "1.45"}, {1010, "19"}, {1011, "1279161"},
        {1012, "130"}, {1013, "65931"}, {1014, "169"}, {1015, "10000"}, {1016, "1000000"}, {1017, "65"},
    };
    for (const auto& c : campos)
        Fill(s, kCorrente, c.id, c.value);
    s.Screenshot("corrente");
    s.WaitFor([](const ri::Screen& sc) {
        const ri::Control* ok = sc.FindControl(kCorrente, 1);
        return ok && ok->enabled;
    }, "OK enabled by the rating's data");
    s.ClickControl(kCorrente, 1);
    s.WaitWindowGone(kCorrente);
    s.WaitFor([](const ri::Screen& sc) { return !sc.ItemsOf(kDisjuntor, 1001).empty(); }, "the rated current listed");
    s.Screenshot("disjuntor");
    s.ClickControl(kDisjuntor, 1);
    s.WaitWindowGone(kDisjuntor);
    s.ChooseMenu({"&Sistema", "&Sair"});
    ASSERT_EQ(s.WaitExit(), std::optional<int>(0));

    const std::string codigo = ri::QueryValue(
        library, "SELECT dispositivo_protecao_codigo FROM dispositivo_protecao WHERE dispositivo_protecao_descricao='" +
                     kNovo + "'");
    ASSERT_FALSE(codigo.empty());
    EXPECT_EQ(ri::QueryValue(library, "SELECT disjuntor_corrente_nominal || ':' || disjuntor_alfa FROM "
                                      "disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=" + codigo),
              "13:1.45");
    ASSERT_EQ(ri::QueryValue(library, "SELECT count(*) FROM disjuntor_corrente_nominal WHERE disjuntor_corrente_nominal=13"),
              "1") << "13 A is the new breaker's alone";

    // Lvsize, started afterwards on the example project: the air-conditioning circuit (12 A at 380 V, a curve
    // C breaker) is given the new breaker, sized, and the project saved.
    const fs::path projeto = s.WorkDir() / "exemplo.lvp";
    fs::copy_file(ri::BinDir() / "ZelBt02.zel", projeto);
    s.Run({"sqlite3", projeto.string(), ".read " + std::string(ZEL_LVSIZE_EXEMPLO_SQL)});
    s.Launch({"lvsize", {projeto.string()}});
    const std::string kLvsize = "Lvsize - exemplo";
    s.WaitFor([&](const ri::Screen& sc) {
        const ri::Window* w = sc.FindWindow(kLvsize);
        return w && w->active;
    }, "Lvsize's window, the splash gone");
    s.ClickItem(kLvsize, 0, "AR-COND");
    // A submenu opens under the pointer, as a user's hand reaches it.
    s.ClickMenu("&Circuito");
    const ri::Screen menu = s.WaitFor([](const ri::Screen& sc) { return sc.FindMenu("&Alterar") != nullptr; },
                                      "the circuit menu open");
    const ri::MenuEntry* alterar = menu.FindMenu("&Alterar");
    s.Run({"xdotool", "mousemove", std::to_string(alterar->rect.CentreX()), std::to_string(alterar->rect.CentreY())});
    s.ClickMenu("Dispositivo de &proteção ...");
    ri::Screen tela = s.WaitWindow(kDispositivo);
    s.Screenshot("dispositivo");
    std::vector<std::string> linhas;
    for (const ri::Item& i : tela.ItemsOf(kDispositivo, 1136))
        linhas.push_back(i.text);
    EXPECT_EQ(linhas, (std::vector<std::string>{"Disj. caixa moldada (amostra)", "Disjuntor curva B (amostra)",
                                                 "Disjuntor curva C (amostra)", kNovo}));
    s.ClickControl(kDispositivo, 1136);
    s.ClickMenu(kNovo);
    s.WaitFor([](const ri::Screen& sc) {
        const ri::Control* c = sc.FindControl(kDispositivo, 1136);
        return c && c->text == kNovo;
    }, "the new breaker chosen");
    s.ClickControl(kDispositivo, 1);
    s.WaitWindowGone(kDispositivo);

    // Sized, its report previewed (the test's machine has no CUPS printer: the suite's file printer stands
    // in); the preview closed, the results are in the project.
    s.ChooseMenu({"&Circuito", "Calc&ular"});
    s.ClickButton("Vardek - LVSIZE 4.0", "Fechar");
    s.WaitWindowGone("Vardek - LVSIZE 4.0");
    s.ChooseMenu({"&Projeto", "&Salvar"});
    const std::string consulta = "SELECT dispositivo_protecao_codigo || ' ' || circuito_corrente_nominal_dispositivo_protecao "
                                 "|| ' ' || circuito_calculado FROM circuito WHERE circuito_codigo='AR-COND'";
    s.WaitFor([&](const ri::Screen&) { return ri::QueryValue(projeto, consulta) != "2  0"; }, "the project saved");
    EXPECT_EQ(ri::QueryValue(projeto, consulta), codigo + " Disj. 1 x 13 A -1");
    s.Screenshot("salvo");
}
