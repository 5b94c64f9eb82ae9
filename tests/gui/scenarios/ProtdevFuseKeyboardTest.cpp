// Protdev by keys alone, under a window manager: a fuse entered with bad data on the way (alfa 0, a rated
// current typed twice, a rating dialog left with Escape, a description of blanks), confirmed, then changed
// and cancelled, then deleted after a "Não". The library holds, each time, exactly what was confirmed.
#include "Steps.h"

#include <gtest/gtest.h>

namespace ri = zel::realinput;

namespace {

const std::string kMain = "Dispositivos de proteção de baixa tensão - Protdev";
const std::string kFusivel = "Fusível";
const std::string kCorrente = "Corrente nominal - fusível";
const std::string kDescricaoTexto = "Fusível NH gG — ação";

constexpr int kDescricao = 1000;
constexpr int kLista = 1001;
constexpr int kCorrenteNominal = 1005;
constexpr int kAlfa = 1008;
constexpr int kOk = 1;

bool Enabled(const ri::Screen& sc, const std::string& window, int id)
{
    const ri::Control* c = sc.FindControl(window, id);
    return c && c->enabled;
}

std::vector<std::string> Lines(const ri::Screen& sc)
{
    std::vector<std::string> lines;
    for (const ri::Item& i : sc.ItemsOf(kFusivel, kLista))
        lines.push_back(i.text);
    return lines;
}

// A rated current typed field after field in the order of Tab: rated, breaking, t = 5 s, alfa.
void TypeRating(ri::Session& s, const std::vector<std::string>& values)
{
    s.Key("alt+i");
    s.WaitFocus(kCorrente, kCorrenteNominal);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            s.Key("Tab");
        s.Type(values[i]);
    }
}

}  // namespace

TEST(ProtdevFuseKeyboard, BadDataRefusedCancelLosesNothingLibraryHoldsWhatWasConfirmed)
{
    ri::Session s;
    s.StartWindowManager();
    s.Launch({"protdev"});
    // Keys sent before the window manager has given the new window the focus go nowhere.
    s.WaitFor([](const ri::Screen& sc) {
        const ri::Window* w = sc.FindWindow(kMain);
        const ri::MenuEntry* m = sc.FindMenu("&Fusível");
        return w && w->active && m && m->rect.x >= 0;
    }, "the main window active with its menu bar");
    s.Settle();
    const auto library = s.Folder() / "home/.local/share/zel/ZelBt01.zel";
    const std::string devices = "SELECT count(*) FROM dispositivo_protecao";
    const std::string before = ri::QueryValue(library, devices);

    s.Key("alt+f");
    s.WaitFor([](const ri::Screen& sc) { return sc.FindMenu("&Incluir ...") != nullptr; }, "the fuse menu open");
    s.Key("i");
    s.WaitFocus(kFusivel, kDescricao);

    // Alfa 0 keeps the rating's OK disabled; 2 enables it.
    TypeRating(s, {"63", "100000", "400", "0"});
    steps::WaitText(s, kCorrente, kAlfa, "0");
    EXPECT_FALSE(Enabled(s.Settle(), kCorrente, kOk)) << "alfa 0";
    s.Key("BackSpace");
    s.Type("2");
    s.WaitFor([](const ri::Screen& sc) { return Enabled(sc, kCorrente, kOk); }, "OK enabled by alfa 2");
    s.Key("Return");
    s.WaitWindowGone(kCorrente);

    // The same rated current again: refused with the message, the dialog kept; then 6 A instead.
    TypeRating(s, {"63", "5000", "30", "0,5"});
    s.Key("Return");
    ri::Screen tela = s.WaitWindow("ATENÇÃO");
    EXPECT_EQ(tela.FindWindow("ATENÇÃO")->labels, std::vector<std::string>{"Corrente nominal já cadastrada !"});
    s.Screenshot("corrente-repetida");
    s.Key("Return");
    s.WaitWindowGone("ATENÇÃO");
    s.Key("alt+c");
    s.WaitFocus(kCorrente, kCorrenteNominal);
    s.Key("ctrl+a");
    s.Type("6");
    s.Key("Return");
    s.WaitWindowGone(kCorrente);

    // A third rating typed and left with Escape adds nothing.
    TypeRating(s, {"125", "100000", "800"});
    s.Key("Escape");
    s.WaitWindowGone(kCorrente);
    EXPECT_EQ(Lines(s.Settle()), (std::vector<std::string>{"   6", "  63"}));

    // A description of blanks names nothing: OK stays disabled until a name is typed.
    s.Key("alt+d");
    s.WaitFocus(kFusivel, kDescricao);
    s.Type("   ");
    steps::WaitText(s, kFusivel, kDescricao, "   ");
    s.Screenshot("descricao-em-branco");
    EXPECT_FALSE(Enabled(s.Settle(), kFusivel, kOk)) << "a description of blanks";
    s.Key("ctrl+a");
    s.Type(kDescricaoTexto);
    steps::WaitText(s, kFusivel, kDescricao, kDescricaoTexto);
    s.WaitFor([](const ri::Screen& sc) { return Enabled(sc, kFusivel, kOk); }, "OK enabled by the description");
    s.Key("Return");
    s.WaitWindowGone(kFusivel);

    const std::string codigo = ri::QueryValue(
        library, "SELECT dispositivo_protecao_codigo FROM dispositivo_protecao WHERE dispositivo_protecao_descricao='" +
                     kDescricaoTexto + "' AND dispositivo_protecao_tensao IS NULL");
    ASSERT_FALSE(codigo.empty()) << "the fuse stored without a voltage";
    const std::string ratings = "SELECT fusivel_corrente_nominal, fusivel_corrente_ruptura, fusivel_corrente_t5s, "
                                "fusivel_alfa FROM fusivel_corrente_nominal WHERE dispositivo_protecao_codigo=" +
                                codigo + " ORDER BY 1";
    const std::vector<std::vector<std::string>> stored{{"6", "5000", "30", "0.5"}, {"63", "100000", "400", "2"}};
    EXPECT_EQ(ri::Query(library, ratings), stored);

    // Opened again from the tree (Enter on it), a rating removed, then Escape: the library keeps both.
    s.WaitFor([](const ri::Screen& sc) { return sc.FindWindow(kMain) && sc.FindWindow(kMain)->active; },
              "the main window active");
    s.Key("End Right");
    s.WaitFor([](const ri::Screen& sc) { return sc.ItemsOf(kMain, 0).size() > 2; }, "the fuses listed");
    s.Key("End");  // the last fuse: the new one, of the highest code
    s.WaitFor(
        [](const ri::Screen& sc) {
            for (const ri::Item& it : sc.ItemsOf(kMain, 0))
                if (it.selected) return it.text == kDescricaoTexto;
            return false;
        },
        "the new fuse selected");
    s.Key("Return");
    s.WaitWindow(kFusivel);
    steps::WaitText(s, kFusivel, kDescricao, kDescricaoTexto);
    s.Key("alt+e");
    s.WaitFor([](const ri::Screen& sc) { return Lines(sc).size() == 1; }, "one rating left on screen");
    s.Key("Escape");
    s.WaitWindowGone(kFusivel);
    EXPECT_EQ(ri::Query(library, ratings), stored);

    // Deleted from the menu: "Não" keeps it, "Sim" removes it with its ratings.
    for (const char* answer : {"alt+n", "alt+s"}) {
        s.Key("alt+f");
        s.WaitFor([](const ri::Screen& sc) { return sc.FindMenu("&Excluir ...") != nullptr; }, "the fuse menu open");
        s.Key("e");
        tela = s.WaitWindow("Protdev");
        EXPECT_EQ(tela.FindWindow("Protdev")->labels,
                  std::vector<std::string>{"Confirma exclusão do dispositivo de proteção " + kDescricaoTexto + " ?"});
        s.Key(answer);
        s.WaitWindowGone("Protdev");
        if (std::string(answer) == "alt+n") {
            EXPECT_EQ(ri::Query(library, ratings), stored);
        }
    }
    s.WaitFor([&](const ri::Screen&) { return ri::QueryValue(library, devices) == before; }, "the fuse deleted");
    EXPECT_TRUE(ri::Query(library, ratings).empty());
}
