#include "CaracteristicasTemplate.h"

#include "CaracteristicasIds.h"

using namespace car;

namespace {

// Two columns of fields: label, box and unit at columns 0-2 (left) or 3-5 (right).
void Campo(std::vector<ControlTemplate>& c, int row, int col, const std::string& label, ControlTemplate box,
           const std::string& unit = "", int labelId = IDC_STATIC, int unitId = IDC_STATIC)
{
    c.push_back(Label(label, row, col, labelId));
    c.push_back(box.At(row, col + 1));
    if (!unit.empty() || unitId != IDC_STATIC)
        c.push_back(Label(unit, row, col + 2, unitId));
}

ControlTemplate Numero(int id, const std::string& mask, int width = 8)
{
    return MaskedEdit(id, mask, 0, 0).Width(width).Style(tmpl::AlignRight);
}

DialogTemplate MakeCaracteristicas()
{
    DialogTemplate t{IDD_CARACTERISTICAS, "Dados do circuito", {}};
    t.width = 333;
    t.height = 270;
    auto& c = t.controls;

    c.push_back(Label("&Circuito:", 0, 0));
    c.push_back(MaskedEdit(IDC_CIRCUITO, "", 0, 1).MaxLength(20).Width(22).Span(2));
    c.push_back(Label("Maneira de insta&lar:", 1, 0));
    c.push_back(DropList(IDC_MANEIRA_INSTALAR, 1, 1).Sorted().Width(72).Span(5).Style(tmpl::Expand));
    c.push_back(Label("&Sistema:", 2, 0));
    c.push_back(DropList(IDC_SISTEMA, 2, 1).Sorted().Width(44).Span(5));
    c.push_back(Label("C&abo:", 3, 0));
    c.push_back(DropList(IDC_CABO, 3, 1).Width(56).Span(5));

    // Left column: the circuit itself.
    Campo(c, 4, 0, "C&omprimento :", Numero(IDC_COMPRIMENTO, "#####.#"), "m");
    Campo(c, 5, 0, "&Temperatura ambiente:", DropList(IDC_TEMPERATURA, 0, 0).Sorted().Width(6), "°C");
    Campo(c, 6, 0, "Tensão &fase-fase:", Numero(IDC_TENSAO_FASE_FASE, "###"), "V", IDC_LABEL_TENSAO_FASE_FASE,
          IDC_UNIDADE_TENSAO_FASE_FASE);
    Campo(c, 7, 0, "Tensão fase-&neutro:", Numero(IDC_TENSAO_FASE_NEUTRO, "###.##"), "V",
          IDC_LABEL_TENSAO_FASE_NEUTRO, IDC_UNIDADE_TENSAO_FASE_NEUTRO);
    Campo(c, 8, 0, "Fator de &demanda:", Numero(IDC_FATOR_DEMANDA, "#.##"));
    Campo(c, 9, 0, "Fator de agrupamento :", Numero(IDC_FATOR_AGRUPAMENTO, "#.##"));
    Campo(c, 10, 0, "Co&rrente curto circuito :", Numero(IDC_CORRENTE_CC, "###.#").DigitsOnly(), "kA");
    Campo(c, 11, 0, "S&eção mínima:", Numero(IDC_SECAO_MINIMA, "###.##"), "mm²");
    c.push_back(DropList(IDC_SECAO_MINIMA_AJUDA, 11, 3).Sorted().Width(40).Span(3));

    // Right column: harmonics, imposed values, soil.
    Campo(c, 4, 3, "Possui Harmonicos?", DropList(IDC_POSSUI_HARMONICOS, 0, 0).Width(11), "",
          IDC_LABEL_POSSUI_HARMONICOS);
    Campo(c, 5, 3, "Conteúdo de &harmônicas:", Numero(IDC_HARMONICAS, "###"), "%", IDC_LABEL_HARMONICAS,
          IDC_UNIDADE_HARMONICAS);
    Campo(c, 6, 3, "Nº de condutores por fase :", Numero(IDC_NUMERO_CONDUTORES, "##"));
    Campo(c, 7, 3, "Seção nominal do condutor :", DropList(IDC_SECAO_IMPOSTA, 0, 0).Width(8), "mm²");
    Campo(c, 8, 3, "Resisti&v. térmica solo :", DropList(IDC_RESISTIVIDADE, 0, 0).Sorted().Width(6), "K.m/W",
          IDC_LABEL_RESISTIVIDADE, IDC_UNIDADE_RESISTIVIDADE);
    // Shown only for buried methods (the temperature-correction type decides).
    for (auto& control : c)
        if (control.id == IDC_LABEL_RESISTIVIDADE || control.id == IDC_RESISTIVIDADE ||
            control.id == IDC_UNIDADE_RESISTIVIDADE)
            control.HiddenAtStart();

    c.push_back(GroupBox(IDC_GRUPO_QUEDA, "Queda de tensão máxima admitida (%)", 12, 0).Span(6));
    c.push_back(Label("Do circuito :", 0, 0).In(IDC_GRUPO_QUEDA));
    c.push_back(Numero(IDC_QUEDA_REGIME, "##.#", 6).At(0, 1).In(IDC_GRUPO_QUEDA));
    c.push_back(Label("Desde a origem :", 0, 2).In(IDC_GRUPO_QUEDA));
    c.push_back(Numero(IDC_QUEDA_REGIME_ORIGEM, "###.#", 6).At(0, 3).In(IDC_GRUPO_QUEDA).DisabledAtStart());
    c.push_back(Label("Do circuito na &partida :", 1, 0).In(IDC_GRUPO_QUEDA));
    c.push_back(Numero(IDC_QUEDA_PARTIDA, "##.#", 6).At(1, 1).In(IDC_GRUPO_QUEDA));
    c.push_back(Label("Desde a origem na partida :", 1, 2).In(IDC_GRUPO_QUEDA));
    c.push_back(Numero(IDC_QUEDA_PARTIDA_ORIGEM, "###.#", 6).At(1, 3).In(IDC_GRUPO_QUEDA).DisabledAtStart());

    // In the right column's free rows, which keeps the dialog inside a 768-pixel screen.
    c.push_back(CheckBox(IDC_DISPENSAR_CONTATO_INDIRETO, "Dispensar contatos &indiretos", 9, 3).Span(3));
    c.push_back(CheckBox(IDC_DISPENSAR_SOBRECARGA, "Dispensar so&brecarga", 10, 3).Span(3));
    c.push_back(CheckBox(IDC_CONTEM_CARGA, "Circuito contém car&ga(s) não motor", 14, 0).Span(3));
    c.push_back(CheckBox(IDC_CONTEM_MOTOR, "Circuito contém &motor(es)", 14, 3).Span(3));

    c.push_back(OkButton());
    c.push_back(CancelButton());
    return t;
}

}  // namespace

const DialogTemplate& CaracteristicasTemplate()
{
    static const DialogTemplate t = MakeCaracteristicas();
    return t;
}
