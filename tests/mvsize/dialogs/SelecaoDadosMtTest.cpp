// Mvsize's selection-list dialog (142) on the shipped catalogue's layout questions.
#include "MvDialogosFixture.h"

#include "DialogosIds.h"
#include "SelecaoDados.h"

using namespace mvdlg;
using namespace mvdlgtest;

namespace {

class MvSelecaoDados : public MvUi {};

TEST_F(MvSelecaoDados, ReadsTheDescriptionsAndAlwaysOpensOnTheFirstLine)
{
    // The stored answer (or any line the caller gives) is not used: the first choice is selected.
    for (int atual : {0, 1, 3, 200}) {
        CSelecao_dados dlg;
        dlg.m_nTabelaSelecaoCodigo = 41;
        dlg.m_nLinhaAtual = static_cast<BYTE>(atual);
        DialogDriver d = host.Open(dlg);
        EXPECT_EQ(d.Text(IDC_SELECAO_PERGUNTA), "Disposição dos cabos unipolares");
        const auto& lista = d.Get<CListBox>(IDC_SELECAO_LISTA);
        ASSERT_EQ(lista.GetCount(), 3);
        EXPECT_EQ(lista.GetText(0), "Espaçados (em plano)");
        EXPECT_EQ(lista.GetText(1), "Em trifólio");
        EXPECT_EQ(lista.GetText(2), "Justapostos na horizontal");
        EXPECT_EQ(lista.GetCurSel(), 0) << atual;
        EXPECT_TRUE(d.Enabled(IDOK));
        d.Click(IDOK);
        EXPECT_EQ(d.Result(), IDOK);
        EXPECT_EQ(dlg.m_nLinhaEscolhida, 1);
        host.Close(dlg);
    }
}

TEST_F(MvSelecaoDados, TheChosenLineIsOneBasedAndCancelGivesNoAnswer)
{
    CSelecao_dados dlg;
    dlg.m_nTabelaSelecaoCodigo = 41;
    EXPECT_EQ(host.Run(dlg, [](DialogDriver& d) { d.Select(IDC_SELECAO_LISTA, 2).Click(IDOK); }), IDOK);
    EXPECT_EQ(dlg.m_nLinhaEscolhida, 3);

    CSelecao_dados cancelado;
    cancelado.m_nTabelaSelecaoCodigo = 41;
    EXPECT_EQ(host.Run(cancelado, [](DialogDriver& d) { d.Select(IDC_SELECAO_LISTA, 1).Click(IDCANCEL); }),
              IDCANCEL);
    EXPECT_EQ(cancelado.m_nLinhaEscolhida, 0);
}

TEST_F(MvSelecaoDados, AQuestionWithoutChoicesCannotBeConfirmed)
{
    CSelecao_dados dlg;
    dlg.m_nTabelaSelecaoCodigo = 250;  // no such question
    DialogDriver d = host.Open(dlg);
    EXPECT_EQ(d.Get<CListBox>(IDC_SELECAO_LISTA).GetCount(), 0);
    EXPECT_FALSE(d.Enabled(IDOK));
    d.Click(IDOK);
    EXPECT_FALSE(d.Ended());
    d.Click(IDCANCEL);
    EXPECT_EQ(d.Result(), IDCANCEL);
    EXPECT_EQ(dlg.m_nLinhaEscolhida, 0);
    host.Close(dlg);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MvSelecaoDados, ACatalogueFailureIsReportedAndTheDialogStillOpens)
{
    contexto.m_pReferenceDb = &projeto;  // a database with no tabela_selecao
    CSelecao_dados dlg;
    dlg.m_nTabelaSelecaoCodigo = 41;
    DialogDriver d = host.Open(dlg);
    EXPECT_EQ(d.Get<CListBox>(IDC_SELECAO_LISTA).GetCount(), 0);
    EXPECT_FALSE(d.Enabled(IDOK));
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_NE(Log().find("CSelecao_dados::OnInitDialog"), std::string::npos);
    host.Close(dlg);
}

}  // namespace
