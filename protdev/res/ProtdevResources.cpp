#include "ProtdevResources.h"

#include "Menu.h"
#include "resource.h"

namespace {

// A label, a masked edit and its unit on one row.
void Field(std::vector<ControlTemplate>& c, int row, const std::string& label, int id, const std::string& mask,
           const std::string& unit, int width = 10)
{
    c.push_back(Label(label, row, 0));
    c.push_back(MaskedEdit(id, mask, row, 1).Width(width).Style(tmpl::AlignRight));
    if (!unit.empty())
        c.push_back(Label(unit, row, 2));
}

DialogTemplate MakeDisjuntor()
{
    DialogTemplate t{IDD_DISJUNTOR, "Disjuntor", {}};
    auto& c = t.controls;
    c.push_back(Label("&Descrição :", 0, 0));
    c.push_back(Edit(IDC_DESCRICAO, 0, 1).MaxLength(30).Width(30).Span(2));
    c.push_back(Label("Tensão :", 1, 0));
    c.push_back(MaskedEdit(IDC_TENSAO, "####", 1, 1).Width(6).Style(tmpl::AlignRight));
    c.push_back(Label("V", 1, 2));
    c.push_back(GroupBox(IDC_GRUPO_CORRENTES, "&Correntes nominais", 2, 0).Span(3));
    c.push_back(ListBox(IDC_CORRENTES, 0, 0)
                    .In(IDC_GRUPO_CORRENTES)
                    .Sorted()
                    .Style(tmpl::Monospace)
                    .Width(10)
                    .Height(7)
                    .Span(1, 4));
    c.push_back(PushButton(IDC_INCLUIR, "&Incluir", 0, 1).In(IDC_GRUPO_CORRENTES).Style(tmpl::Expand));
    c.push_back(PushButton(IDC_ALTERAR, "&Alterar", 1, 1).In(IDC_GRUPO_CORRENTES).Style(tmpl::Expand));
    c.push_back(PushButton(IDC_EXCLUIR, "&Excluir", 2, 1).In(IDC_GRUPO_CORRENTES).Style(tmpl::Expand));
    c.push_back(PushButton(IDC_PONTOS_CURVA, "&Pontos da curva", 3, 1).In(IDC_GRUPO_CORRENTES).Style(tmpl::Expand));
    c.push_back(CancelButton());
    c.push_back(OkButton());
    return t;
}

DialogTemplate MakeDisjuntorCorrenteNominal()
{
    DialogTemplate t{IDD_DISJUNTOR_CORRENTE_NOMINAL, "Corrente nominal - Disjuntor", {}};
    auto& c = t.controls;
    Field(c, 0, "&Corrente nominal :", IDC_CORRENTE_NOMINAL, "####", "A");
    Field(c, 1, "Corrente para t=5s :", IDC_CORRENTE_T5S, "#####", "A");
    Field(c, 2, "Corrente de ruptura :", IDC_CORRENTE_RUPTURA, "#######", "A");
    Field(c, 3, "Alfa :", IDC_ALFA, "#.###", "");
    Field(c, 4, "Corrente &mínima de atuação :", IDC_CORRENTE_MINIMA_ATUACAO, "#########", "A");
    Field(c, 5, "&I2t da corrente mínima de atuação :", IDC_I2T_CORRENTE_MINIMA, "#######.#", "A²sec");
    Field(c, 6, "&Limiar de atuação magnética :", IDC_LIMIAR_MAGNETICO, "#######.#", "A");
    Field(c, 7, "I&2t térmico do limiar de atuação magnética :", IDC_I2T_TERMICO_LIMIAR, "#######.#", "A²sec");
    Field(c, 8, "I2&t magnético do limiar de atuação magnética :", IDC_I2T_MAGNETICO_LIMIAR, "#######.#", "A²sec");
    Field(c, 9, "C&orrente de capacidade de interrupção magnética :", IDC_CORRENTE_CAPACIDADE, "#######.#", "A");
    Field(c, 10, "I2t &da corrente capac. interrupção magnética :", IDC_I2T_CORRENTE_CAPACIDADE, "#######.#",
          "A²sec");
    Field(c, 11, "Corrente mí&nima de atuação magnética :", IDC_CORRENTE_MINIMA_MAGNETICA, "#######.#", "A");
    c.push_back(CancelButton());
    c.push_back(OkButton());
    return t;
}

DialogTemplate MakeDisjuntorCurva()
{
    // No Cancel button: Esc still cancels.
    DialogTemplate t{IDD_DISJUNTOR_CURVA, "Disjuntor - pontos da curva", {}};
    auto& c = t.controls;
    c.push_back(Label("&Corrente / I2t", 0, 0));
    // Kept in the order of the points' currents by the dialog itself, not by the text.
    c.push_back(ListBox(IDC_PONTOS, 1, 0).Width(20).Height(10).Span(1, 4).Style(tmpl::Monospace));
    c.push_back(PushButton(IDC_INCLUIR, "&Incluir", 1, 1).Style(tmpl::Expand));
    c.push_back(PushButton(IDC_ALTERAR, "&Alterar", 2, 1).Style(tmpl::Expand));
    c.push_back(PushButton(IDC_EXCLUIR, "&Excluir", 3, 1).Style(tmpl::Expand));
    c.push_back(OkButton());
    return t;
}

DialogTemplate MakeDisjuntorCurvaInclusao()
{
    DialogTemplate t{IDD_DISJUNTOR_CURVA_INCLUSAO, "Definição dos pontos da curva I2t", {}};
    auto& c = t.controls;
    Field(c, 0, "&Corrente :", IDC_CURVA_CORRENTE, "######", "A");
    Field(c, 1, "&I2t correspondente :", IDC_CURVA_I2T, "#########", "A²s");
    c.push_back(CancelButton());
    c.push_back(OkButton());
    return t;
}

DialogTemplate MakeFusivel()
{
    DialogTemplate t{IDD_FUSIVEL, "Fusível", {}};
    auto& c = t.controls;
    c.push_back(Label("&Descrição :", 0, 0));
    c.push_back(Edit(IDC_DESCRICAO, 0, 1).MaxLength(30).Width(30));
    c.push_back(GroupBox(IDC_GRUPO_CORRENTES, "&Correntes nominais", 1, 0).Span(2));
    c.push_back(ListBox(IDC_CORRENTES, 0, 0)
                    .In(IDC_GRUPO_CORRENTES)
                    .Sorted()
                    .Style(tmpl::Monospace)
                    .Width(10)
                    .Height(6)
                    .Span(1, 4));  // the fourth row takes the list's extra height
    c.push_back(PushButton(IDC_INCLUIR, "&Incluir", 0, 1).In(IDC_GRUPO_CORRENTES).Style(tmpl::Expand));
    c.push_back(PushButton(IDC_EXCLUIR, "&Excluir", 1, 1).In(IDC_GRUPO_CORRENTES).Style(tmpl::Expand));
    c.push_back(PushButton(IDC_ALTERAR, "&Alterar", 2, 1).In(IDC_GRUPO_CORRENTES).Style(tmpl::Expand));
    c.push_back(CancelButton());
    c.push_back(OkButton());
    return t;
}

DialogTemplate MakeFusivelCorrenteNominal()
{
    DialogTemplate t{IDD_FUSIVEL_CORRENTE_NOMINAL, "Corrente nominal - fusível", {}};
    auto& c = t.controls;
    Field(c, 0, "&Corrente nominal :", IDC_CORRENTE_NOMINAL, "####", "A");
    Field(c, 1, "C&orrente de ruptura :", IDC_CORRENTE_RUPTURA, "#######", "A");
    Field(c, 2, "Co&rrente para t=5s :", IDC_CORRENTE_T5S, "#####", "A");
    Field(c, 3, "&Alfa :", IDC_ALFA, "#.###", "");
    c.push_back(CancelButton());
    c.push_back(OkButton());
    return t;
}

DialogTemplate MakeSplash()
{
    DialogTemplate t{IDD_SPLASH, "", {Picture(IDC_SPLASH_PICTURE, IDB_SPLASH, 0, 0)}};
    t.style = tmpl::NoCaption;
    return t;
}

}  // namespace

const DialogTemplate kDisjuntorTemplate = MakeDisjuntor();
const DialogTemplate kDisjuntorCorrenteNominalTemplate = MakeDisjuntorCorrenteNominal();
const DialogTemplate kDisjuntorCurvaTemplate = MakeDisjuntorCurva();
const DialogTemplate kDisjuntorCurvaInclusaoTemplate = MakeDisjuntorCurvaInclusao();
const DialogTemplate kFusivelTemplate = MakeFusivel();
const DialogTemplate kFusivelCorrenteNominalTemplate = MakeFusivelCorrenteNominal();
const DialogTemplate kSplashTemplate = MakeSplash();

void RegisterProtdevResources()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const DialogTemplate* t : {&kDisjuntorTemplate, &kDisjuntorCorrenteNominalTemplate, &kDisjuntorCurvaTemplate,
                                    &kDisjuntorCurvaInclusaoTemplate, &kFusivelTemplate,
                                    &kFusivelCorrenteNominalTemplate, &kSplashTemplate})
        RegisterDialogTemplate(*t);

    static const MenuTemplate menu{
        IDR_MAINFRAME,
        {Popup("&Sistema", {MenuItem("&Sair", ID_APP_EXIT)}),
         Popup("&Disjuntor", {MenuItem("&Incluir ...", ID_DISJUNTOR_INCLUIR),
                              MenuItem("&Alterar ...", ID_DISJUNTOR_ALTERAR),
                              MenuItem("&Excluir ...", ID_DISPOSITIVO_EXCLUIR)}),
         Popup("&Fusível", {MenuItem("&Incluir ...", ID_FUSIVEL_INCLUIR), MenuItem("&Alterar ...", ID_FUSIVEL_ALTERAR),
                            MenuItem("&Excluir ...", ID_DISPOSITIVO_EXCLUIR)}),
         Popup("&Vista", {MenuItem("Barra de &ferramentas", ID_VIEW_TOOLBAR),
                          MenuItem("Barra de &estado", ID_VIEW_STATUS_BAR)}),
         Popup("&Ajuda", {MenuItem("&Tópicos de ajuda", ID_HELP_FINDER), MenuSeparator(),
                          MenuItem("&Sobre ...", ID_APP_ABOUT)})}};
    RegisterMenu(menu);
    static const ToolbarTemplate toolbar{
        IDR_MAINFRAME, {ID_DISJUNTOR_INCLUIR, ID_FUSIVEL_INCLUIR, ID_DISPOSITIVO_EXCLUIR, ID_APP_ABOUT}};
    RegisterToolbar(toolbar);
    static const AcceleratorTemplate accelerators{IDR_MAINFRAME, {{VK_F1, FSHIFT, ID_CONTEXT_HELP}}};
    RegisterAccelerators(accelerators);

    RegisterString(AFX_IDS_APP_TITLE, "Protdev");
    RegisterString(IDR_MAINFRAME, "Protdev\n\nProtdev\n\n\nProtdev.Document\nProtdev Document");
    RegisterString(ID_DISJUNTOR_INCLUIR, "Incluir disjuntor\nIncluir disjuntor");
    RegisterString(ID_DISJUNTOR_ALTERAR, "Alterar dados do disjuntor");
    RegisterString(ID_FUSIVEL_INCLUIR, "Incluir fusível\nIncluir fusível");
    RegisterString(ID_FUSIVEL_ALTERAR, "Alterar dados do fusível");
    RegisterString(ID_APP_ABOUT, "Sobre o Protdev 3.0\nsobre");
    RegisterString(ID_HELP_FINDER, "Tópicos de ajuda");
    RegisterString(ID_DISPOSITIVO_EXCLUIR, "Excluir o dispositivo de proteção\nExcluir");
}
