#include "LvsizeApp.h"

#include "LvsizeCommands.h"
#include "SizingResources.h"

#include "AppContext.h"
#include "Crystal.h"
#include "UserDataFolder.h"

namespace {

const SizingAppTraits kLvsize{kLvsizeTitle, "CLvsizeApp", ".lvp", ";UID=Admin;PWD=", IDD_LVSIZE_BANNER,
                              IDB_LVSIZE_BANNER};

}  // namespace

BEGIN_MESSAGE_MAP(CLvsizeApp, Base)
    ON_COMMAND(ID_EMPRESA, OnEmpresa)
    ON_COMMAND(ID_JANELA_PROXIMA, OnJanelaProxima)
    ON_UPDATE_COMMAND_UI(ID_JANELA_PROXIMA, OnUpdateProjetoAberto)
END_MESSAGE_MAP()

CLvsizeApp::CLvsizeApp() : Base(kLvsize) {}

void CLvsizeApp::RegistrarRecursos()
{
    RegisterSizingResources(SizingResources{
        Program::Lvsize,
        "&Sobre ...",
        ID_EMPRESA,
        ID_JANELA_PROXIMA,
        {MenuItem("&Características ...", ID_CIRCUITO_CARACTERISTICAS),
         MenuItem("Dispositivo de &proteção ...", ID_CIRCUITO_DISPOSITIVO_PROTECAO),
         MenuItem("Dimensionamento &Econômico ...", ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO)},
        {MenuItem("&Motores ...", ID_CARGAS_MOTORES), MenuItem("&Não motor ...", ID_CARGAS_NAO_MOTOR)},
        {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_CIRCUITO_INCLUIR, ID_CIRCUITO_EXCLUIR, ID_CIRCUITO_COPIAR,
         ID_CIRCUITO_COLAR, 0, ID_CIRCUITO_CALCULAR, ID_CIRCUITO_IMPRIMIR},
        {{ID_CARGAS_MOTORES, "Motores do circuito\nMotores"},
         {ID_CARGAS_NAO_MOTOR, "Cargas não motor do circuito\nNão motor"},
         {ID_CIRCUITO_DISPOSITIVO_PROTECAO, "Dispositivo de proteção do circuito\nDispositivo de proteção"}}});
}

void CLvsizeApp::LocalizarArquivos(const std::string& programa)
{
    const std::string base =
        !m_strBasePath.empty() ? m_strBasePath : (programa.empty() ? std::string() : programa + "/");
    const std::string dados = WritableProgramDirectory();
    const std::string& pastaDoUsuario = AppContext().dataFolder;
    m_strCompanyFile = dados.empty() ? std::string("empresa.zel") : dados + "/empresa.zel";
    m_strTemplateFile = base + "ZelBt02.zel";
    // The library Protdev edits, when the program was started on the user's data folder.
    m_strReferenceFile = (pastaDoUsuario.empty() ? base : pastaDoUsuario + "/") + "ZelBt01.zel";
    m_strProjectReportFile = base + "ZelBt03.zel";
    m_strCircuitReportFile = base + "ZelBt04.zel";
}

void CLvsizeApp::AbrirSubrelatorios()
{
    const char* subs[] = {"Lvsize03.rpt", "Lvsize04.rpt", "Lvsize05.rpt"};
    for (int i = 0; i < 3; ++i)
        m_pSubreports[i] = new Crystal(subs[i], m_pCircuitReport);
}

void CLvsizeApp::LigarDialogos()
{
    WireLvsizeDialogs();
}

int CLvsizeApp::ExitInstance()
{
    const int r = Base::ExitInstance();
    // The circuit report's job deleted its subreports.
    for (Crystal*& s : m_pSubreports)
        s = nullptr;
    return r;
}

void CLvsizeApp::OnEmpresa()
{
    AbrirDialogo(LvsizeDialogs().empresa, "CEmpresa");
}
