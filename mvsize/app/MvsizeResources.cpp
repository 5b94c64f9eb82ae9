#include "MvsizeResources.h"

#include "MvsizeCommands.h"

#include "AboutDlg.h"
#include "Menu.h"

namespace {

MenuTemplate g_mainMenu{IDR_MAINFRAME, {}};
MenuTemplate g_projectMenu{IDR_MVSIZETYPE, {}};
std::vector<std::string> g_recent;

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
    return Popup("&Opções", {MenuItem("&Empresa", ID_EMPRESA), MenuSeparator(),
                             MenuItem("Barra de &ferramentas", ID_VIEW_TOOLBAR),
                             MenuItem("&Barra de estado", ID_VIEW_STATUS_BAR)});
}

MenuItemTemplate Ajuda()
{
    return Popup("&Ajuda", {MenuItem("&Tópicos de ajuda", ID_AJUDA_TOPICOS), MenuSeparator(),
                            MenuItem("&Sobre...", ID_MVSIZE_APP_ABOUT)});
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
        MenuItem("Salvar &como...", ID_FILE_SAVE_AS),
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
        Popup("&Projeto", projeto),
        Popup("&Circuito",
              {MenuItem("&Incluir ...\tIns", ID_CIRCUITO_INCLUIR),
               Popup("&Alterar", {MenuItem("&Características ...", ID_CIRCUITO_CARACTERISTICAS),
                                  MenuItem("Dimensionamento &Econômico ...", ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO)}),
               MenuItem("&Excluir ...\tDel", ID_CIRCUITO_EXCLUIR), MenuSeparator(),
               MenuItem("&Copiar\tCtrl+C", ID_CIRCUITO_COPIAR), MenuItem("C&olar\tCtrl+V", ID_CIRCUITO_COLAR),
               MenuSeparator(), MenuItem("Calc&ular\tF9", ID_CIRCUITO_CALCULAR),
               MenuItem("I&mprimir", ID_CIRCUITO_IMPRIMIR)}),
        Opcoes(),
        Popup("&Janela", {MenuItem("&Próxima janela\tCtrl+F6", ID_JANELA_PROXIMA)}),
        Ajuda()};
}

DialogTemplate MakeSplash()
{
    DialogTemplate t{IDD_MVSIZE_SPLASH, "", {Picture(IDC_MVSIZE_SPLASH_PICTURE, IDB_MVSIZE_SPLASH, 0, 0)}};
    t.style = tmpl::NoCaption;
    return t;
}

DialogTemplate MakeConfigurarImpressao()
{
    return DialogTemplate{IDD_CONFIGURAR_IMPRESSAO, "Configurar impressão",
                          {Label("&Impressora:", 0, 0), ListBox(IDC_IMPRESSORAS, 1, 0).Width(40).Height(8),
                           OkButton(), CancelButton()}};
}

}  // namespace

void SetMvsizeRecentFileMenu(const std::vector<std::string>& paths)
{
    g_recent = paths;
    MontarMenus();
}

void RegisterMvsizeResources()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    MontarMenus();
    RegisterMenu(g_mainMenu);
    RegisterMenu(g_projectMenu);

    static const ToolbarTemplate toolbar{
        IDR_MAINFRAME,
        {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_CIRCUITO_INCLUIR, ID_CIRCUITO_EXCLUIR, ID_CIRCUITO_COPIAR,
         ID_CIRCUITO_COLAR, 0, ID_CIRCUITO_CALCULAR, ID_CIRCUITO_IMPRIMIR}};
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
                                            {VK_F6, FCONTROL, ID_JANELA_PROXIMA}}};
    RegisterAccelerators(accel);
    static const AcceleratorTemplate accelProjeto{IDR_MVSIZETYPE, accel.entries};
    RegisterAccelerators(accelProjeto);

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
    RegisterString(ID_EMPRESA, "Nome da empresa impresso nos relatórios\nEmpresa");
    RegisterString(ID_MVSIZE_APP_ABOUT, "Versão do programa\nSobre");
    RegisterString(ID_JANELA_PROXIMA, "Ativa o próximo projeto\nPróxima janela");

    static const DialogTemplate splash = MakeSplash();
    RegisterDialogTemplate(splash);
    static const DialogTemplate impressao = MakeConfigurarImpressao();
    RegisterDialogTemplate(impressao);
    RegisterAboutTemplate(Program::Mvsize);
}
