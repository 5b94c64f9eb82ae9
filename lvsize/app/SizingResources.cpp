#include "SizingResources.h"

#include "SizingCommands.h"

#include "AboutDlg.h"

namespace {

MenuTemplate g_mainMenu{IDR_MAINFRAME, {}};
MenuTemplate g_projectMenu{IDR_PROJETOTYPE, {}};
std::vector<std::string> g_recent;
// The registered program's resources (the menus are rebuilt with every change of the recent files).
SizingResources g_resources{};

std::vector<MenuItemTemplate> Recentes()
{
    std::vector<MenuItemTemplate> items;
    for (size_t i = 0; i < g_recent.size() && i < 4; ++i)
        items.push_back(MenuItem("&" + std::to_string(i + 1) + " " + g_recent[i], ID_FILE_MRU_FILE1 + static_cast<int>(i)));
    if (!items.empty())
        items.push_back(MenuSeparator());
    return items;
}

MenuItemTemplate Opcoes()
{
    return Popup("&Opções", {MenuItem("&Empresa", g_resources.idEmpresa), MenuSeparator(),
                             MenuItem("Barra de &ferramentas", ID_VIEW_TOOLBAR),
                             MenuItem("&Barra de estado", ID_VIEW_STATUS_BAR)});
}

MenuItemTemplate Ajuda()
{
    return Popup("&Ajuda", {MenuItem("&Tópicos de ajuda", ID_AJUDA_TOPICOS), MenuSeparator(),
                            MenuItem(g_resources.sobre, ID_APP_SOBRE)});
}

MenuItemTemplate Circuito()
{
    // "C&argas" sits in "&Alterar": beside it, the two "a"s would only select, and the key meant for the
    // submenu would act on "&Circuito" ("c" copying the circuit instead of opening its characteristics).
    std::vector<MenuItemTemplate> alterar = g_resources.alterar;
    if (!g_resources.cargas.empty())
        alterar.push_back(Popup("C&argas", g_resources.cargas));
    std::vector<MenuItemTemplate> itens{MenuItem("&Incluir ...\tIns", ID_CIRCUITO_INCLUIR), Popup("&Alterar", alterar)};
    for (auto item : {MenuItem("&Excluir ...\tDel", ID_CIRCUITO_EXCLUIR), MenuSeparator(),
                      MenuItem("&Copiar\tCtrl+C", ID_CIRCUITO_COPIAR), MenuItem("C&olar\tCtrl+V", ID_CIRCUITO_COLAR),
                      MenuSeparator(), MenuItem("Calc&ular\tF9", ID_CIRCUITO_CALCULAR),
                      MenuItem("I&mprimir", ID_CIRCUITO_IMPRIMIR)})
        itens.push_back(item);
    return Popup("&Circuito", itens);
}

void MontarMenus()
{
    std::vector<MenuItemTemplate> semProjeto{MenuItem("&Novo\tCtrl+N", ID_FILE_NEW),
                                             MenuItem("&Abrir...\tCtrl+A", ID_FILE_OPEN), MenuSeparator(),
                                             MenuItem("C&onfigurar impressão ...", ID_FILE_PRINT_SETUP),
                                             MenuSeparator()};
    for (auto& i : Recentes())
        semProjeto.push_back(i);
    semProjeto.push_back(MenuItem("S&air", ID_APP_EXIT));
    g_mainMenu.items = {Popup("&Projeto", semProjeto), Opcoes(), Ajuda()};

    std::vector<MenuItemTemplate> projeto{
        MenuItem("&Novo\tCtrl+N", ID_FILE_NEW),
        MenuItem("&Abrir...\tCtrl+A", ID_FILE_OPEN),
        MenuItem("&Fechar", ID_FILE_CLOSE),
        MenuItem("&Salvar\tCtrl+S", ID_FILE_SAVE),
        MenuItem("Salvar co&mo...", ID_FILE_SAVE_AS),  // "c" is "&Calcular ..."
        MenuSeparator(),
        MenuItem("&Dados ...", ID_PROJETO_DADOS),
        MenuItem("&Calcular ...", ID_PROJETO_CALCULAR),
        MenuItem("&Imprimir ...", ID_PROJETO_IMPRIMIR),
        MenuSeparator(),
        MenuItem("C&onfigurar impressão ...", ID_FILE_PRINT_SETUP),
        MenuSeparator()};
    for (auto& i : Recentes())
        projeto.push_back(i);
    projeto.push_back(MenuItem("S&air", ID_APP_EXIT));
    g_projectMenu.items = {
        Popup("&Projeto", projeto), Circuito(), Opcoes(),
        Popup("&Janela", {MenuItem("&Próxima janela\tCtrl+F6", g_resources.idJanelaProxima)}), Ajuda()};
}

DialogTemplate MakeSplash()
{
    DialogTemplate t{IDD_SPLASH, "", {Picture(IDC_SPLASH_PICTURE, IDB_SPLASH, 0, 0)}};
    t.style = tmpl::NoCaption;
    return t;
}

DialogTemplate MakeConfigurarImpressao()
{
    return DialogTemplate{IDD_CONFIGURAR_IMPRESSAO, "Configurar impressão",
                          {Label("&Impressora:", 0, 0), ListBox(IDC_IMPRESSORAS, 1, 0).Width(40).Height(8),
                           OkButton(), CancelButton()}};
}

void RegistrarTextos()
{
    RegisterString(ID_FILE_NEW, "Cria um novo projeto\nNovo");
    RegisterString(ID_FILE_OPEN, "Abre um projeto existente\nAbrir");
    RegisterString(ID_FILE_CLOSE, "Fecha o projeto ativo\nFechar");
    RegisterString(ID_FILE_SAVE, "Salva o projeto ativo\nSalvar");
    RegisterString(ID_FILE_SAVE_AS, "Salva o projeto ativo com outro nome\nSalvar como");
    RegisterString(ID_FILE_PRINT_SETUP, "Escolhe a impressora\nConfigurar impressão");
    RegisterString(ID_APP_EXIT, "Encerra o programa, perguntando se os projetos devem ser salvos\nSair");
    RegisterString(ID_PROJETO_DADOS, "Dados do projeto\nDados");
    RegisterString(ID_PROJETO_CALCULAR, "Dimensiona todos os circuitos e mostra o relatório do projeto\nCalcular o projeto");
    RegisterString(ID_PROJETO_IMPRIMIR, "Dimensiona todos os circuitos e imprime o relatório do projeto\nImprimir o projeto");
    RegisterString(ID_CIRCUITO_INCLUIR, "Inclui um circuito sob o item selecionado\nIncluir");
    RegisterString(ID_CIRCUITO_CARACTERISTICAS, "Altera as características do circuito\nCaracterísticas");
    RegisterString(ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO, "Dados do dimensionamento econômico\nDimensionamento econômico");
    RegisterString(ID_CIRCUITO_EXCLUIR, "Exclui o circuito e seus subcircuitos\nExcluir");
    RegisterString(ID_CIRCUITO_COPIAR, "Copia o circuito com seus subcircuitos\nCopiar");
    RegisterString(ID_CIRCUITO_COLAR, "Cola o circuito copiado na origem\nColar");
    RegisterString(ID_CIRCUITO_CALCULAR, "Dimensiona o circuito e mostra o relatório\nCalcular");
    RegisterString(ID_CIRCUITO_IMPRIMIR, "Dimensiona o circuito e imprime o relatório\nImprimir o cálculo");
    RegisterString(g_resources.idEmpresa, "Nome da empresa impresso nos relatórios\nEmpresa");
    RegisterString(ID_APP_SOBRE, "Versão do programa\nSobre");
    RegisterString(g_resources.idJanelaProxima, "Ativa o próximo projeto\nPróxima janela");
    for (const auto& [id, texto] : g_resources.prompts)
        RegisterString(id, texto);
}

}  // namespace

void SetSizingRecentFileMenu(const std::vector<std::string>& paths)
{
    g_recent = paths;
    MontarMenus();
}

void RegisterSizingResources(const SizingResources& resources)
{
    static bool done = false;
    if (done)
        return;
    done = true;
    g_resources = resources;
    MontarMenus();
    RegisterMenu(g_mainMenu);
    RegisterMenu(g_projectMenu);

    static const ToolbarTemplate toolbar{IDR_MAINFRAME, g_resources.toolbar};
    RegisterToolbar(toolbar);

    static const AcceleratorTemplate accel{IDR_MAINFRAME,
                                           {{'N', FCONTROL, ID_FILE_NEW},
                                            {'A', FCONTROL, ID_FILE_OPEN},
                                            {'S', FCONTROL, ID_FILE_SAVE},
                                            {VK_INSERT, 0, ID_CIRCUITO_INCLUIR},
                                            {VK_DELETE, 0, ID_CIRCUITO_EXCLUIR},
                                            {'C', FCONTROL, ID_CIRCUITO_COPIAR},
                                            {'V', FCONTROL, ID_CIRCUITO_COLAR},
                                            {0x78 /* F9 */, 0, ID_CIRCUITO_CALCULAR},
                                            {VK_F6, FCONTROL, g_resources.idJanelaProxima}}};
    RegisterAccelerators(accel);
    static const AcceleratorTemplate accelProjeto{IDR_PROJETOTYPE, accel.entries};
    RegisterAccelerators(accelProjeto);

    RegistrarTextos();

    static const DialogTemplate splash = MakeSplash();
    RegisterDialogTemplate(splash);
    static const DialogTemplate impressao = MakeConfigurarImpressao();
    RegisterDialogTemplate(impressao);
    RegisterAboutTemplate(g_resources.program);
}
