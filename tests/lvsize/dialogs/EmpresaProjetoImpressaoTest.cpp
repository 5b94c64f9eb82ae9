// The company (160), project-data (143) and print-options (146) dialogs.
#include "CargasFixture.h"

#include "CasosComuns.h"
#include "CircuitoSelecionado.h"
#include "DialogosIds.h"
#include "Empresa.h"
#include "Impressao.h"
#include "ProjetoDados.h"
#include "RelatorioSaida.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace cargastest;
using namespace lvdlg;

namespace {

class LvEmpresa : public CargasUi {
protected:
    LvEmpresa() : anterior(GetCompanyFile()) { SetCompanyFile(Arquivo()); }
    ~LvEmpresa() override { SetCompanyFile(anterior); }
    std::string Arquivo() const { return dir.File("empresa.zel"); }
    void Escrever(const std::string& texto) { std::ofstream(Arquivo(), std::ios::binary) << texto; }
    std::string anterior;
};

TEST_F(LvEmpresa, FirstUseCreatesAnEmptyFileAndOkWritesTheNameWithoutLineEnd)
{
    CEmpresa dlg;
    const int r = host.Run(dlg, [this](DialogDriver& d) {
        EXPECT_TRUE(std::filesystem::exists(Arquivo()));
        EXPECT_EQ(d.Text(IDC_NOME_EMPRESA), "");
        d.Type(IDC_NOME_EMPRESA, "D'Ávila Engenharia; [Filial São João]");
        EXPECT_EQ(d.Text(IDC_NOME_EMPRESA), "D'Ávila Engenharia; [Filial Sã");  // 30 characters
        d.Click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(zeltest::ReadFile(Arquivo()), "D'Ávila Engenharia; [Filial Sã");
    // No temporary file is left beside it.
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(e.path().filename().string().rfind("empresa.zel.", 0), std::string::npos) << e.path();
}

TEST_F(LvEmpresa, ReadsTheFirstLineUpTo30CharactersAndAnEmptyNameDisablesOk)
{
    Escrever("Usina São João Geração de Energia Ltda\r\nsegunda linha");
    CEmpresa dlg;
    host.Run(dlg, [](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_NOME_EMPRESA), "Usina São João Geração de Ener");
        EXPECT_TRUE(d.Enabled(IDOK));
        d.Clear(IDC_NOME_EMPRESA);
        EXPECT_FALSE(d.Enabled(IDOK));
        d.Type(IDC_NOME_EMPRESA, "X");
        EXPECT_TRUE(d.Enabled(IDOK));
        d.Escape();
    });
    EXPECT_EQ(zeltest::ReadFile(Arquivo()), "Usina São João Geração de Energia Ltda\r\nsegunda linha");  // Cancel
    Escrever("Curta\nsegunda");
    EXPECT_EQ(CEmpresa::LerNome(Arquivo()), "Curta");
}

// The earlier Windows programs wrote the file in their code page: the name shows as it was typed there, OK
// writes it back in UTF-8, and the reports print it.
TEST_F(LvEmpresa, AFileInTheWindowsCodePageShowsItsNameAndIsWrittenBackAsUtf8)
{
    Escrever("Engenharia El\xE9trica S\xE3o Jo\xE3o \x96 Filial");
    EXPECT_EQ(LerLinhaEmpresa(Arquivo()), "Engenharia Elétrica São João – Filial");
    CEmpresa dlg;
    host.Run(dlg, [](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_NOME_EMPRESA), "Engenharia Elétrica São João –");
        EXPECT_TRUE(d.Enabled(IDOK));
        d.Click(IDOK);
    });
    EXPECT_EQ(zeltest::ReadFile(Arquivo()), "Engenharia Elétrica São João –");
}

TEST_F(LvEmpresa, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    dlgcasos::FalhaAoGravarEmpresa<CEmpresa>(*this, IDC_NOME_EMPRESA);
}

class LvProjetoDados : public CargasUi {};

TEST_F(LvProjetoDados, EveryLabelHasItsAccelerator)
{
    CProjeto_dados dlg;
    ASSERT_NE(dlg.GetTemplate(), nullptr);
    std::vector<std::string> rotulos;
    for (const ControlTemplate& c : dlg.GetTemplate()->controls)
        if (c.id == IDC_STATIC)
            rotulos.push_back(c.label);
    EXPECT_EQ(rotulos, (std::vector<std::string>{"&Cliente:", "&Responsável:", "&Data de criação:",
                                                 "&Número de revisão:", "C&omentário:"}));
}

TEST_F(LvProjetoDados, ANewProjectShowsTodayAndImpossibleDatesDisableOk)
{
    CProjeto_dados dlg;
    host.Run(dlg, [](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_DATA_CRIACAO), "17/05/2024");
        EXPECT_TRUE(d.Enabled(IDOK));
        for (const char* data : {"31/02/2024", "00/01/2024", "15/13/2024", "01/01/1900"}) {
            Put(d, IDC_DATA_CRIACAO, data);
            EXPECT_FALSE(d.Enabled(IDOK)) << data;
        }
        Put(d, IDC_DATA_CRIACAO, "29/02/2024");
        EXPECT_TRUE(d.Enabled(IDOK));
        EXPECT_EQ(Fundo(d, IDC_DATA_CRIACAO), kBranco);  // the date is not coloured
        d.Escape();
    });
    EXPECT_EQ(Q("SELECT COUNT(*) FROM projeto"), "0");
}

TEST_F(LvProjetoDados, SavingTwiceEditsTheSameSingleRow)
{
    dlgcasos::SalvarDadosDuasVezes<CProjeto_dados>(*this, IDC_CLIENTE, "Usina São João - cli");
}

TEST_F(LvProjetoDados, ANullDateShowsTheZeroDateAndOkWaitsForAValidOne)
{
    Sql("INSERT INTO projeto(projeto_cliente,projeto_responsavel,projeto_data_criacao,projeto_numero_revisao,"
        "projeto_comentario) VALUES('C','R',NULL,3,'')");
    CProjeto_dados dlg;
    host.Run(dlg, [](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_DATA_CRIACAO), "30/12/1899");
        EXPECT_FALSE(d.Enabled(IDOK));
        Put(d, IDC_DATA_CRIACAO, "01/02/2025");
        d.Click(IDOK);
    });
    EXPECT_EQ(Q("SELECT COUNT(*) FROM projeto"), "1");
    EXPECT_EQ(Q("SELECT projeto_numero_revisao FROM projeto"), "3");
}

TEST_F(LvProjetoDados, AFailedSaveIsReportedAndKeepsTheDialogOpen)
{
    dlgcasos::FalhaAoSalvarDados<CProjeto_dados>(*this);
}

TEST(LvImpressao, OpensOnOneCopyOfAllPagesAndChecksTheRange)
{
    CAppContext contexto;
    HeadlessHost host(contexto);
    ScopedAppContext escopo(contexto);
    CImpressao dlg;
    int r = host.Run(dlg, [](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_NUMERO_COPIAS), "1");
        EXPECT_TRUE(d.Checked(IDC_TODAS));
        EXPECT_FALSE(d.Enabled(IDC_PAGINA_INICIAL));
        EXPECT_TRUE(d.Enabled(IDOK));
        Put(d, IDC_NUMERO_COPIAS, "0");
        EXPECT_FALSE(d.Enabled(IDOK));
        EXPECT_EQ(Fundo(d, IDC_NUMERO_COPIAS), kInvalido);
        Put(d, IDC_NUMERO_COPIAS, "2");
        d.Click(IDC_DE);
        EXPECT_TRUE(d.Enabled(IDC_PAGINA_INICIAL));
        EXPECT_FALSE(d.Enabled(IDOK));  // no pages yet
        struct Caso {
            const char *de, *ate;
            bool ok;
        };
        for (const Caso& c : {Caso{"3", "2", false}, Caso{"0", "2", false}, Caso{"2", "0", false},
                              Caso{"2", "2", true}, Caso{"1", "5", true}}) {
            Put(d, IDC_PAGINA_INICIAL, c.de);
            Put(d, IDC_PAGINA_FINAL, c.ate);
            EXPECT_EQ(d.Enabled(IDOK), c.ok) << c.de << "-" << c.ate;
        }
        d.Click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(dlg.m_nIntervalo, 1);
    EXPECT_EQ(dlg.m_nCopias, 2);
    EXPECT_EQ(dlg.m_nPaginaInicial, 1);
    EXPECT_EQ(dlg.m_nPaginaFinal, 5);

    CImpressao todas;
    r = host.Run(todas, [](DialogDriver& d) {
        d.Click(IDC_DE);
        Put(d, IDC_PAGINA_INICIAL, "9");
        Put(d, IDC_PAGINA_FINAL, "1");
        d.Click(IDC_TODAS);  // the range no longer counts
        EXPECT_TRUE(d.Enabled(IDOK));
        d.Click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(todas.m_nIntervalo, 0);
    EXPECT_EQ(todas.m_nCopias, 1);
}

}  // namespace
