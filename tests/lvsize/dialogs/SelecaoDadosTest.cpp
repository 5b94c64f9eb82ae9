// The selection-list dialog on the shipped catalogue's questions.
#include "SelecaoDados.h"
#include "CaracteristicasFixture.h"
#include "CaracteristicasIds.h"

#include <gtest/gtest.h>

using namespace car;
using namespace cartest;

namespace {

class SelecaoDados : public ::testing::Test {
protected:
    Projeto p;
};

TEST_F(SelecaoDados, MostraAPerguntaEAsEscolhasEmOrdem)
{
    CSelecao_dados dlg;
    dlg.m_nTabelaSelecaoCodigo = 12;
    dlg.m_nLinhaAtual = 3;
    DialogDriver d = p.host.Open(dlg);
    EXPECT_EQ(d.Text(IDC_SELECAO_PERGUNTA), "Disposição do agrupamento (métodos de referência E e F)");
    const auto& lista = d.Get<CListBox>(IDC_SELECAO_LISTA);
    ASSERT_EQ(lista.GetCount(), 4);
    EXPECT_EQ(lista.GetText(0), "Em feixe (ao ar livre, sobre superfície, embutidos ou em conduto fechado)");
    EXPECT_EQ(lista.GetText(3), "Mais de uma camada");
    EXPECT_EQ(lista.GetCurSel(), 2);
    d.Select(IDC_SELECAO_LISTA, 1).Click(IDOK);
    EXPECT_TRUE(d.Ended());
    EXPECT_EQ(d.Result(), IDOK);
    EXPECT_EQ(dlg.m_nLinhaEscolhida, 2);
    p.host.Close(dlg);
}

TEST_F(SelecaoDados, SemLinhaPreselecionadaOkFicaDesabilitado)
{
    for (int atual : {0, 5, 200}) {
        CSelecao_dados dlg;
        dlg.m_nTabelaSelecaoCodigo = 4;
        dlg.m_nLinhaAtual = static_cast<BYTE>(atual);
        DialogDriver d = p.host.Open(dlg);
        EXPECT_EQ(d.Get<CListBox>(IDC_SELECAO_LISTA).GetCurSel(), -1) << atual;
        EXPECT_FALSE(d.Enabled(IDOK)) << atual;
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended());
        d.Select(IDC_SELECAO_LISTA, 0);
        EXPECT_TRUE(d.Enabled(IDOK));
        d.Click(IDCANCEL);
        EXPECT_EQ(d.Result(), IDCANCEL);
        EXPECT_EQ(dlg.m_nLinhaEscolhida, 0);
        p.host.Close(dlg);
    }
}

TEST_F(SelecaoDados, FalhaDoCatalogoERelatadaEODialogoAbre)
{
    p.contexto.m_pReferenceDb = nullptr;
    CSelecao_dados dlg;
    dlg.m_nTabelaSelecaoCodigo = 4;
    DialogDriver d = p.host.Open(dlg);
    EXPECT_EQ(d.Get<CListBox>(IDC_SELECAO_LISTA).GetCount(), 0);
    ASSERT_EQ(p.host.messages.size(), 1u);
    EXPECT_NE(zeltest::ReadFile(p.dir.File("ZEL.LOG")).find("CSelecao_dados::OnInitDialog"), std::string::npos);
    p.host.Close(dlg);
}

}  // namespace
