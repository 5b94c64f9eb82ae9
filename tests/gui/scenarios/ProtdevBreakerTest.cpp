// Protdev in its real window: a breaker whose description is typed in lower case with accents, with one
// rated current whose alfa is typed with a decimal comma, saved to the library and read back.
#include "Steps.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace ri = zel::realinput;

namespace {

const std::string kMain = "Dispositivos de proteção de baixa tensão - Protdev";
const std::string kDisjuntor = "Disjuntor";
const std::string kCorrente = "Corrente nominal - Disjuntor";

constexpr int kDescricao = 1000;
constexpr int kTensao = 1025;
constexpr int kIncluir = 1002;
constexpr int kCorrenteNominal = 1005;
constexpr int kCorrenteT5s = 1007;
constexpr int kRuptura = 1006;
constexpr int kAlfa = 1008;
constexpr int kI2tMinima = 1011;  // disabled while the minimum operating current is 0

struct Description {
    const char* name;
    const char* layout;
    std::function<void(ri::Session&)> type;
    std::string stored;
};

void PrintTo(const Description& d, std::ostream* os) { *os << d.name; }

class ProtdevBreaker : public ::testing::TestWithParam<Description> {};

}  // namespace

TEST_P(ProtdevBreaker, DescriptionAndAlfaStoredAsTyped) {
    const Description& d = GetParam();
    ri::Session s;
    s.SetKeyboardLayout(d.layout);
    s.Launch({"protdev"});
    s.WaitWindow(kMain);
    s.ChooseMenu({"&Disjuntor", "&Incluir ..."});
    s.WaitWindow(kDisjuntor);
    s.ClickControl(kDisjuntor, kDescricao);
    s.WaitFocus(kDisjuntor, kDescricao);
    d.type(s);
    steps::WaitText(s, kDisjuntor, kDescricao, d.stored);
    steps::TypeInto(s, kDisjuntor, kTensao, "220");

    s.ClickControl(kDisjuntor, kIncluir);
    s.WaitWindow(kCorrente);
    steps::TypeInto(s, kCorrente, kCorrenteNominal, "16");
    steps::TypeInto(s, kCorrente, kCorrenteT5s, "80");
    steps::TypeInto(s, kCorrente, kRuptura, "3000");
    // A click on a disabled field, then a digit: it must not reach the field left behind.
    s.ClickControl(kCorrente, kI2tMinima);
    s.Type("5");
    s.ClickControl(kCorrente, kAlfa);
    s.WaitFocus(kCorrente, kAlfa);
    EXPECT_EQ(s.Probe().FindControl(kCorrente, kRuptura)->text, "3000");
    steps::TypeInto(s, kCorrente, kAlfa, "1,45");
    steps::WaitText(s, kCorrente, kAlfa, "1.45");
    s.Screenshot("corrente-nominal");
    s.ClickControl(kCorrente, 1);
    s.WaitWindowGone(kCorrente);
    s.WaitFor([](const ri::Screen& sc) { return sc.FindControl(kDisjuntor, 1)->enabled; }, "OK enabled");
    s.Screenshot("disjuntor");
    s.ClickControl(kDisjuntor, 1);
    s.WaitWindowGone(kDisjuntor);

    const auto library = s.Folder() / "home/.local/share/zel/ZelBt01.zel";
    const auto rows = ri::Query(library,
                                "SELECT d.dispositivo_protecao_tensao, c.disjuntor_corrente_nominal, c.disjuntor_alfa, "
                                "c.disjuntor_corrente_ruptura "
                                "FROM dispositivo_protecao d JOIN disjuntor_corrente_nominal c USING "
                                "(dispositivo_protecao_codigo) WHERE d.dispositivo_protecao_descricao='" +
                                    d.stored + "'");
    ASSERT_EQ(rows.size(), 1u) << "the breaker \"" << d.stored << "\" with one rated current";
    EXPECT_EQ(rows[0], (std::vector<std::string>{"220", "16", "1.45", "3000"}));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ProtdevBreaker,
    ::testing::Values(
        // Capitals and digits only: what reached the field before characters were composed.
        Description{"Capitals", "us", [](ri::Session& s) { s.Type("DISJUNTOR 40A"); }, "DISJUNTOR 40A"},
        Description{"UsTypedText", "us", [](ri::Session& s) { s.Type("Disjuntor térmico 40°C / Ação"); },
                    "Disjuntor térmico 40°C / Ação"},
        // The keys of an ABNT2 keyboard: the acute and tilde dead keys, "ç", and what AltGr makes there for
        // "°" and "º".
        Description{"Abnt2Keys", "br",
                    [](ri::Session& s) {
                        s.Key("d i s j period space t dead_acute e r m i c o space 4 0 degree shift+c space n masculine "
                              "space 2 space a ccedilla dead_tilde a o");
                    },
                    "disj. térmico 40°C nº 2 ação"}),
    [](const ::testing::TestParamInfo<Description>& p) { return std::string(p.param.name); });
