#include "MvsizeApp.h"

#include "MvsizeCommands.h"
#include "SizingResources.h"
#include "UserDataFolder.h"

namespace {

const SizingAppTraits kMvsize{kMvsizeTitle, "CMvsizeApp", ".mvp", kConexaoCatalogo, IDD_MVSIZE_BANNER,
                              IDB_MVSIZE_BANNER};

}  // namespace

BEGIN_MESSAGE_MAP(CMvsizeApp, Base)
    ON_COMMAND(ID_EMPRESA, OnEmpresa)
    ON_COMMAND(ID_JANELA_PROXIMA, OnJanelaProxima)
    ON_UPDATE_COMMAND_UI(ID_JANELA_PROXIMA, OnUpdateProjetoAberto)
END_MESSAGE_MAP()

CMvsizeApp::CMvsizeApp() : Base(kMvsize) {}

void CMvsizeApp::RegistrarRecursos()
{
    RegisterSizingResources(SizingResources{
        Program::Mvsize,
        "&Sobre...",
        ID_EMPRESA,
        ID_JANELA_PROXIMA,
        {MenuItem("&Características ...", ID_CIRCUITO_CARACTERISTICAS),
         MenuItem("Dimensionamento &Econômico ...", ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO)},
        {},
        // The file commands, then the view's in the order Mvsize lists them: the circuit's, its sizing, the
        // project's.
        {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_CIRCUITO_INCLUIR, ID_CIRCUITO_CARACTERISTICAS,
         ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO, ID_CIRCUITO_EXCLUIR, ID_CIRCUITO_COPIAR, ID_CIRCUITO_COLAR, 0,
         ID_CIRCUITO_CALCULAR, ID_CIRCUITO_IMPRIMIR, 0, ID_PROJETO_DADOS, ID_PROJETO_CALCULAR, ID_PROJETO_IMPRIMIR},
        {}});
}

// Without the program's directory only the company and template files are looked for (in the current
// directory); the catalogue and the report files then fail to open and are reported as such.
void CMvsizeApp::LocalizarArquivos(const std::string& programa)
{
    // The company file, shared with Lvsize, is in the user's data folder when the program was started on one.
    const std::string dados = WritableProgramDirectory();
    m_strCompanyFile = dados.empty() ? std::string("empresa.zel") : dados + "/empresa.zel";
    if (!programa.empty()) {
        m_strTemplateFile = programa + "/" + kArquivoModelo;
        m_strReferenceFile = programa + "/" + kArquivoCatalogo;
        m_strProjectReportFile = programa + "/" + kArquivoRelatorioProjeto;
        m_strCircuitReportFile = programa + "/" + kArquivoRelatorioCircuito;
    } else {
        m_strTemplateFile = kArquivoModelo;
        m_strReferenceFile.clear();
        m_strProjectReportFile.clear();
        m_strCircuitReportFile.clear();
    }
}

void CMvsizeApp::LigarDialogos()
{
    WireMvsizeDialogs();
}

void CMvsizeApp::OnEmpresa()
{
    AbrirDialogo(MvsizeDialogs().empresa, "CEmpresa");
}
