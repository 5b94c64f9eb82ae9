// Lvsize in its real window: a new project, a top-level circuit included through "Dados do circuito" and
// the selection questions, the project saved through the file dialog, and the circuit row read back.
#include "Steps.h"

#include <gtest/gtest.h>
#include <functional>

namespace ri = zel::realinput;

namespace {

const std::string kMain = "Lvsize - Projeto_LVSIZE_sem_nome";
const std::string kDados = "Dados do circuito";

constexpr int kCircuito = 1007;
constexpr int kManeira = 1047;
constexpr int kSistema = 1046;
constexpr int kCabo = 1045;
constexpr int kComprimento = 1016;
constexpr int kTemperatura = 1094;
constexpr int kFaseFase = 1012;
constexpr int kFaseNeutro = 1048;
constexpr int kCorrenteCc = 1162;
constexpr int kQueda = 1155;
constexpr int kQuedaOrigem = 1156;  // computed: always disabled

const std::string kEmbutido = "07 - Condutores isolados ou cabos unipolares em eletroduto de seção circular embutido em alvenaria";

void StartAndOpenNewCircuit(ri::Session& s) {
    s.Launch({"lvsize"});
    s.WaitFor([](const ri::Screen& sc) { return sc.FindWindow(kMain) && !sc.ItemsOf(kMain, 0).empty(); },
              "the new project's tree");
    s.ChooseMenu({"&Circuito", "&Incluir ..."});
    s.WaitWindow(kDados);
}

// A new circuit goes on to its protection device (taken as offered) and its economic sizing (waived).
void FinishNewCircuit(ri::Session& s) {
    s.WaitWindow("Dispositivo de proteção");
    s.ClickControl("Dispositivo de proteção", 1);
    s.WaitWindow("Dimensionamento econômico");
    s.ClickControl("Dimensionamento econômico", 1005);
    s.WaitWindowGone("Dimensionamento econômico");
}

// The row of the only circuit of the project: code, method, system, cable, length, temperature, voltages,
// short-circuit current, admissible drop.
std::vector<std::string> CircuitRow(const std::filesystem::path& project) {
    const auto rows = ri::Query(project,
                                "SELECT circuito_codigo, maneira_instalar_codigo, sistema_codigo, cabo_codigo, "
                                "circuito_comprimento, temperatura_ambiente, circuito_tensao_fase_fase, "
                                "circuito_tensao_fase_neutro, circuito_corrente_cc_presumida, "
                                "circuito_queda_tensao_regime, circuito_sequencial_pai FROM circuito");
    if (rows.size() != 1) throw std::runtime_error("expected one circuit, found " + std::to_string(rows.size()));
    return rows.front();
}

// The lists chosen with the mouse and every field typed after a click on it; code and length by the
// caller's keys (the field has the focus, empty).
void FillWithTheMouse(ri::Session& s, const std::function<void()>& typeCode, const std::function<void()>& typeLength) {
    s.ClickControl(kDados, kCircuito);
    s.WaitFocus(kDados, kCircuito);
    typeCode();
    s.ClickControl(kDados, kComprimento);
    s.WaitFocus(kDados, kComprimento);
    typeLength();
    steps::PickWithMouse(s, kDados, kManeira, kEmbutido);
    steps::PickWithMouse(s, kDados, kSistema, "Trifásico 3F+N+PE (TN-S)");
    steps::PickWithMouse(s, kDados, kCabo, "Cabo unipolar Cu EPR 90 °C 0,6/1 kV");
    steps::PickWithMouse(s, kDados, kTemperatura, "30");
    steps::TypeInto(s, kDados, kFaseFase, "380");
    steps::TypeInto(s, kDados, kFaseNeutro, "220");
    steps::TypeInto(s, kDados, kCorrenteCc, "10");
    steps::TypeInto(s, kDados, kQueda, "4");
    s.WaitFor([](const ri::Screen& sc) { return sc.FindControl(kDados, 1)->enabled; }, "OK enabled");
}

// OK, the questions with their preselected answers, the device and the economic sizing; the number of
// questions asked.
std::size_t Confirm(ri::Session& s) {
    s.ClickControl(kDados, 1);
    const auto asked = steps::AnswerQuestions(s, kDados, false);
    FinishNewCircuit(s);
    return asked.size();
}

}  // namespace

TEST(LvsizeCircuit, IncludedWithTheMouse) {
    ri::Session s;
    StartAndOpenNewCircuit(s);
    FillWithTheMouse(s, [&] { s.Type("QGBT"); }, [&] { s.Type("25"); });
    s.Screenshot("dados-do-circuito");
    const std::size_t asked = Confirm(s);
    EXPECT_GT(asked, 0u);

    const auto project = s.WorkDir() / "mouse.lvp";
    steps::SaveAs(s, {"&Projeto", "Salvar co&mo..."}, project);
    s.Screenshot("salvo");
    EXPECT_EQ(CircuitRow(project),
              (std::vector<std::string>{"QGBT", "7", "5", "5", "25", "30", "380", "220", "10", "4", "<null>"}));
    EXPECT_EQ(ri::QueryValue(project, "SELECT COUNT(*) FROM circuito_x_tabela_selecao"), std::to_string(asked));
}


// Keys only, under a window manager as on a desktop: menus by their letters, the lists by Tab, letters,
// arrows, Home and End, mnemonics; the last list changed right before Enter. A system other than the one
// the lists start on.
TEST(LvsizeCircuit, IncludedWithTheKeyboardOnly) {
    ri::Session s;
    s.StartWindowManager();
    s.Launch({"lvsize"});
    s.WaitFor([](const ri::Screen& sc) { return sc.FindWindow(kMain) && !sc.ItemsOf(kMain, 0).empty(); },
              "the new project's tree");
    s.Key("alt+c");
    s.WaitFor([](const ri::Screen& sc) { return sc.FindMenu("&Incluir ...") != nullptr; }, "the Circuito menu");
    s.Key("i");
    s.WaitFocus(kDados, kCircuito);
    s.Type("QD2");
    // Tab to the list, keys on it, the line they reach.
    const auto onList = [&](int id, const char* keys, const std::string& line) {
        s.Key("Tab");
        s.WaitFocus(kDados, id);
        s.Key(keys);
        steps::WaitText(s, kDados, id, line);
    };
    onList(kManeira, "Home Down Down Down Down Down Down", kEmbutido);
    onList(kSistema, "End m", "Monofásico F+N+PE");
    onList(kCabo, "Home", "Condutor isolado Cu PVC 70 °C 450/750 V");
    s.Key("Tab");
    s.WaitFocus(kDados, kComprimento);
    s.Type("30");
    onList(kTemperatura, "Home 3", "30");  // the next line beginning with 3 after the first
    s.Key("Tab");  // single phase: no phase-to-phase voltage
    s.WaitFocus(kDados, kFaseNeutro);
    s.Type("127");
    s.Key("alt+r");
    s.WaitFocus(kDados, kCorrenteCc);
    s.Type("5");
    s.Key("alt+p shift+Tab");  // from the start drop back to the drop
    s.WaitFocus(kDados, kQueda);
    s.Type("4");
    // The cable changed by keys, then Enter at once: OK confirms what the list shows.
    s.Key("alt+a");
    s.WaitFocus(kDados, kCabo);
    s.Key("End Up");
    steps::WaitText(s, kDados, kCabo, "Cabo unipolar Al EPR 90 °C 0,6/1 kV");
    s.Screenshot("dados-do-circuito");
    s.Key("Return");
    const auto asked = steps::AnswerQuestions(s, kDados, true);
    EXPECT_FALSE(asked.empty());
    s.WaitWindow("Dispositivo de proteção");
    s.Key("Return");
    s.WaitWindow("Dimensionamento econômico");
    s.Key("alt+d");
    s.WaitWindowGone("Dimensionamento econômico");

    // Saved through the menu with the mouse: the banner window may hold the keyboard by now.
    const auto project = s.WorkDir() / "teclado.lvp";
    steps::SaveAs(s, {"&Projeto", "Salvar co&mo..."}, project);
    EXPECT_EQ(CircuitRow(project),
              (std::vector<std::string>{"QD2", "7", "1", "12", "30", "30", "0", "127", "5", "4", "<null>"}));
}

// What the keyboard layout composes reaches the code unchanged, and a decimal comma or the keypad's decimal
// key makes the length's decimal point; a click on a disabled field leaves no typing going elsewhere.
struct Typing {
    const char* name;
    const char* layout;
    std::function<void(ri::Session&)> code;
    std::string storedCode;
    std::function<void(ri::Session&)> length;
};

void PrintTo(const Typing& t, std::ostream* os) { *os << t.name; }

class LvsizeTyping : public ::testing::TestWithParam<Typing> {};

TEST_P(LvsizeTyping, CodeAndLengthStoredAsTyped) {
    const Typing& t = GetParam();
    ri::Session s;
    s.SetKeyboardLayout(t.layout);
    s.SetNumLock(true);
    StartAndOpenNewCircuit(s);
    FillWithTheMouse(
        s,
        [&] {
            t.code(s);
            steps::WaitText(s, kDados, kCircuito, t.storedCode);
        },
        [&] {
            t.length(s);
            steps::WaitText(s, kDados, kComprimento, "12.5");
        });
    // Digits after a click on the computed, disabled field go nowhere.
    s.ClickControl(kDados, kQuedaOrigem);
    s.Type("380");
    s.ClickControl(kDados, kQueda);
    s.WaitFocus(kDados, kQueda);
    s.Screenshot("dados-do-circuito");
    EXPECT_EQ(s.Probe().FindControl(kDados, kComprimento)->text, "12.5");
    EXPECT_EQ(s.Probe().FindControl(kDados, kQuedaOrigem)->text, "  4.0");
    Confirm(s);
    const auto project = s.WorkDir() / "digitado.lvp";
    steps::SaveAs(s, {"&Projeto", "Salvar co&mo..."}, project);
    const auto row = CircuitRow(project);
    EXPECT_EQ(row[0], t.storedCode);
    EXPECT_EQ(row[4], "12.5");
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LvsizeTyping,
    ::testing::Values(
        Typing{"UsTypedTextAndComma", "us", [](ri::Session& s) { s.Type("Iluminação-1 sala"); }, "Iluminação-1 sala",
               [](ri::Session& s) { s.Type("12,5"); }},
        // Codes in capitals and digits, which reached the field before characters were composed.
        Typing{"UsComma", "us", [](ri::Session& s) { s.Type("QD4"); }, "QD4", [](ri::Session& s) { s.Type("12,5"); }},
        Typing{"UsKeypad", "us", [](ri::Session& s) { s.Type("QD3"); }, "QD3",
               [](ri::Session& s) { s.Key("KP_1 KP_2 KP_Decimal KP_5"); }},
        // ABNT2: "ç" has its own key, "ã" is the tilde dead key then "a", "é" the acute one then "e"; the
        // keypad's decimal key is a comma there.
        Typing{"Abnt2DeadKeys", "br",
               [](ri::Session& s) { s.Key("I l u m i n a ccedilla dead_tilde a o minus 1 space dead_acute e shift+a"); },
               "Iluminação-1 éA", [](ri::Session& s) { s.Key("KP_1 KP_2 KP_Separator KP_5"); }}),
    [](const ::testing::TestParamInfo<Typing>& p) { return std::string(p.param.name); });
