#include "CaracteristicasMtTemplate.h"

#include "CaracteristicasMtIds.h"

using namespace mvcar;

namespace {

// The shield time's label and unit, always hidden.
constexpr int IDC_LABEL_TEMPO_BLINDAGEM = 1921;
constexpr int IDC_UNIDADE_TEMPO_BLINDAGEM = 1922;
// The two columns of fields under the lists, each closing up on its own when a field is hidden.
constexpr int kColunaEsquerda = 1925;
constexpr int kColunaDireita = 1926;

// A field: label, box and unit, in the dialog or in one of the columns.
void Campo(std::vector<ControlTemplate>& c, int row, const std::string& label, ControlTemplate box,
           const std::string& unit = "", int labelId = IDC_STATIC, int unitId = IDC_STATIC, int coluna = 0)
{
    c.push_back(Label(label, row, 0, labelId).In(coluna));
    c.push_back(box.At(row, 1).In(coluna));
    if (!unit.empty())
        c.push_back(Label(unit, row, 2, unitId).In(coluna));
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

    // The lists across the dialog, then the fields in two columns: one column of 19 rows would not fit a
    // 768-pixel screen. The controls keep their order, which is the order of the tab key.
    int r = 0;
    c.push_back(Label("&Circuito:", r, 0));
    c.push_back(MaskedEdit(IDC_CIRCUITO, "", r++, 1).MaxLength(20).Width(24).Span(2));
    c.push_back(Label("Maneira de insta&lar:", r, 0));
    c.push_back(DropList(IDC_MANEIRA_INSTALAR, r++, 1).Sorted().Width(70).Span(5).Style(tmpl::Expand));
    Campo(c, r++, "&Tensão de serviço (fase/fase) :", Numero(IDC_TENSAO_SERVICO, "##.#"), "kV");
    c.push_back(Label("Classe de ten&são :", r, 0));
    c.push_back(DropList(IDC_CLASSE_TENSAO, r++, 1).Width(24).Span(2));
    c.push_back(Label("C&abo:", r, 0));
    c.push_back(DropList(IDC_CABO, r++, 1).Width(70).Span(5).Style(tmpl::Expand));
    const int conexao = r++;
    c.push_back(Column(kColunaEsquerda, r, 0).Span(3));
    c.push_back(Column(kColunaDireita, r, 3).Span(3));
    r = 0;
    const int esquerda = kColunaEsquerda, direita = kColunaDireita;
    Campo(c, r++, "C&omprimento :", Numero(IDC_COMPRIMENTO, "#####"), "m", IDC_STATIC, IDC_STATIC, esquerda);
    Campo(c, r++, "T&emperatura ambiente:", DropList(IDC_TEMPERATURA, 0, 0).Sorted().Width(8), "°C", IDC_STATIC,
          IDC_STATIC, esquerda);
    Campo(c, r++, "&Queda de tensão máxima:", Numero(IDC_QUEDA_TENSAO_MAXIMA, "##.##"), "%", IDC_STATIC, IDC_STATIC,
          esquerda);
    Campo(c, r++, "Co&rrente de projeto:", Numero(IDC_CORRENTE_PROJETO, "#####.#"), "A", IDC_STATIC, IDC_STATIC,
          esquerda);
    Campo(c, r++, "&Fator de potência:", Numero(IDC_FATOR_POTENCIA, "#.##"), "", IDC_LABEL_FATOR_POTENCIA, IDC_STATIC,
          esquerda);
    Campo(c, r++, "Potê&ncia aparente :", Numero(IDC_POTENCIA_APARENTE, "#####.#"), "kVA", IDC_STATIC, IDC_STATIC,
          esquerda);
    Campo(c, r++, "Corrente de c.c. no con&dutor:", Numero(IDC_CORRENTE_CURTO_CONDUTOR, "###.##"), "kA", IDC_STATIC,
          IDC_STATIC, esquerda);
    c.push_back(Label("Ti&po de conexão :", conexao, 0));
    c.push_back(DropList(IDC_CONEXAO_TIPO, conexao, 1).Sorted().Width(40).Span(5));
    r = 0;
    Campo(c, r++, "Te&mpo corrente c.c. condutor:", Numero(IDC_TEMPO_CURTO_CONDUTOR, "####.####"), "s", IDC_STATIC,
          IDC_STATIC, direita);
    Campo(c, r++, "Tempo corrente c.c. &blindagem :",
          Numero(IDC_TEMPO_CURTO_BLINDAGEM, "####.####").HiddenAtStart(), "s", IDC_LABEL_TEMPO_BLINDAGEM,
          IDC_UNIDADE_TEMPO_BLINDAGEM, direita);
    Campo(c, r++, "Nº de cond&utores por fase :", Numero(IDC_NUMERO_CONDUTORES, "##"), "",
          IDC_LABEL_NUMERO_CONDUTORES, IDC_STATIC, direita);
    Campo(c, r++, "Seção nominal do condutor :", DropList(IDC_SECAO_CONDUTOR, 0, 0).Width(10), "mm²", IDC_STATIC,
          IDC_STATIC, direita);
    Campo(c, r++, "Fator de a&grupamento:", Numero(IDC_FATOR_AGRUPAMENTO, "#.##"), "", IDC_STATIC, IDC_STATIC, direita);
    // In the tab order OK and Cancel come before the soil resistivity, which the template adds last.
    c.push_back(OkButton());
    c.push_back(CancelButton());
    Campo(c, r++, "Resistividade térmica do solo:", DropList(IDC_RESISTIVIDADE, 0, 0).Width(8), "K. m/W",
          IDC_LABEL_RESISTIVIDADE, IDC_UNIDADE_RESISTIVIDADE, direita);
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
