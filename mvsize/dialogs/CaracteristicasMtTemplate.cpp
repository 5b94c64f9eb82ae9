#include "CaracteristicasMtTemplate.h"

#include "CaracteristicasMtIds.h"

using namespace mvcar;

namespace {

// The shield time's label and unit, always hidden.
constexpr int IDC_LABEL_TEMPO_BLINDAGEM = 1921;
constexpr int IDC_UNIDADE_TEMPO_BLINDAGEM = 1922;

void Campo(std::vector<ControlTemplate>& c, int row, const std::string& label, ControlTemplate box,
           const std::string& unit = "", int labelId = IDC_STATIC, int unitId = IDC_STATIC)
{
    c.push_back(Label(label, row, 0, labelId));
    c.push_back(box.At(row, 1));
    if (!unit.empty())
        c.push_back(Label(unit, row, 2, unitId));
}

ControlTemplate Numero(int id, const std::string& mask, int width = 10)
{
    return MaskedEdit(id, mask, 0, 0).Width(width).Style(tmpl::AlignRight);
}

DialogTemplate Make()
{
    DialogTemplate t{IDD_CARACTERISTICAS, "Dados do circuito", {}};
    t.width = 325;
    t.height = 275;
    auto& c = t.controls;

    int r = 0;
    c.push_back(Label("&Circuito:", r, 0));
    c.push_back(MaskedEdit(IDC_CIRCUITO, "", r++, 1).MaxLength(20).Width(24).Span(2));
    c.push_back(Label("Maneira de insta&lar:", r, 0));
    c.push_back(DropList(IDC_MANEIRA_INSTALAR, r++, 1).Sorted().Width(70).Span(2).Style(tmpl::Expand));
    Campo(c, r++, "&Tensão de serviço (fase/fase) :", Numero(IDC_TENSAO_SERVICO, "##.#"), "kV");
    c.push_back(Label("Classe de ten&são :", r, 0));
    c.push_back(DropList(IDC_CLASSE_TENSAO, r++, 1).Width(24).Span(2));
    c.push_back(Label("C&abo:", r, 0));
    c.push_back(DropList(IDC_CABO, r++, 1).Width(70).Span(2).Style(tmpl::Expand));
    Campo(c, r++, "C&omprimento :", Numero(IDC_COMPRIMENTO, "#####"), "m");
    Campo(c, r++, "T&emperatura ambiente:", DropList(IDC_TEMPERATURA, 0, 0).Sorted().Width(8), "°C");
    Campo(c, r++, "&Queda de tensão máxima:", Numero(IDC_QUEDA_TENSAO_MAXIMA, "##.##"), "%");
    Campo(c, r++, "Co&rrente de projeto:", Numero(IDC_CORRENTE_PROJETO, "#####.#"), "A");
    Campo(c, r++, "&Fator de potência:", Numero(IDC_FATOR_POTENCIA, "#.##"), "", IDC_LABEL_FATOR_POTENCIA);
    Campo(c, r++, "Potê&ncia aparente :", Numero(IDC_POTENCIA_APARENTE, "#####.#"), "kVA");
    Campo(c, r++, "Corrente de c.c. no con&dutor:", Numero(IDC_CORRENTE_CURTO_CONDUTOR, "###.##"), "kA");
    c.push_back(Label("Ti&po de conexão :", r, 0));
    c.push_back(DropList(IDC_CONEXAO_TIPO, r++, 1).Sorted().Width(40).Span(2));
    Campo(c, r++, "Te&mpo corrente c.c. condutor:", Numero(IDC_TEMPO_CURTO_CONDUTOR, "####.####"), "s");
    Campo(c, r++, "Tempo corrente c.c. &blindagem :",
          Numero(IDC_TEMPO_CURTO_BLINDAGEM, "####.####").HiddenAtStart(), "s", IDC_LABEL_TEMPO_BLINDAGEM,
          IDC_UNIDADE_TEMPO_BLINDAGEM);
    Campo(c, r++, "Nº de cond&utores por fase :", Numero(IDC_NUMERO_CONDUTORES, "##"), "",
          IDC_LABEL_NUMERO_CONDUTORES);
    Campo(c, r++, "Seção nominal do condutor :", DropList(IDC_SECAO_CONDUTOR, 0, 0).Width(10), "mm²");
    Campo(c, r++, "Fator de a&grupamento:", Numero(IDC_FATOR_AGRUPAMENTO, "#.##"));
    // In the tab order OK and Cancel come before the soil resistivity, which the template adds last.
    c.push_back(OkButton());
    c.push_back(CancelButton());
    Campo(c, r++, "Resistividade térmica do solo:", DropList(IDC_RESISTIVIDADE, 0, 0).Width(8), "K. m/W",
          IDC_LABEL_RESISTIVIDADE, IDC_UNIDADE_RESISTIVIDADE);
    // The shield time is never shown; the resistivity only for buried methods.
    for (auto& control : c)
        if (control.id == IDC_LABEL_TEMPO_BLINDAGEM || control.id == IDC_UNIDADE_TEMPO_BLINDAGEM ||
            control.id == IDC_LABEL_RESISTIVIDADE || control.id == IDC_RESISTIVIDADE ||
            control.id == IDC_UNIDADE_RESISTIVIDADE)
            control.HiddenAtStart();
    return t;
}

}  // namespace

const DialogTemplate& MvCaracteristicasTemplate()
{
    static const DialogTemplate t = Make();
    return t;
}
