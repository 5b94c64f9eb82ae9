#include "CaracteristicasMtFixture.h"

#include "CaracteristicasMtIds.h"
#include "SelecaoDados.h"

#include "DaoRecordset.h"
#include "SqlValue.h"

#include <filesystem>

using namespace mvcar;

namespace mvcartest {

std::string ShippedCatalogue()
{
    return dlgtest::Entregue(dlgtest::kMvsize.catalogo);
}

std::string CatalogueCopy(const zeltest::TempDir& dir, const std::string& sql)
{
    const std::string path = dir.File("catalogo.zel");
    std::filesystem::copy_file(ShippedCatalogue(), path, std::filesystem::copy_options::overwrite_existing);
    CDaoDatabase db;
    db.Open(path);
    db.Execute(sql);
    db.Close();
    return path;
}

Projeto::Projeto(const std::string& cat)
    : ProjetoSemTela(dlgtest::kMvsize, "projeto.mvp", LocalTime{2026, 12, 10, 9, 30, 0}, cat)
{
}

void Projeto::Circuito(int seq, int pai, const std::string& codigo, const std::string& extra)
{
    projeto.Execute(
        FormatC("INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo,"
                "maneira_instalar_codigo,classe_tensao_codigo,cabo_codigo,temperatura_ambiente,"
                "circuito_corrente_projeto,circuito_tensao_servico,circuito_queda_tensao_maxima,"
                "circuito_fator_potencia,circuito_comprimento,conexao_tipo_codigo,circuito_tempo_curto_condutor,"
                "circuito_tempo_curto_blindagem,circuito_corrente_curto_condutor,circuito_calculado) "
                "VALUES(%i,%s,?,1,3,1,30,100,13.8,2,0.92,500,1,0.5,1,10,-1)",
                seq, pai > 0 ? FormatC("%i", pai).c_str() : "NULL"),
        SqlParams{codigo});
    if (!extra.empty())
        projeto.Execute(FormatC("UPDATE circuito SET %s WHERE circuito_sequencial=%i", extra.c_str(), seq));
}

void Responder(HeadlessHost& host, const std::vector<int>& respostas, std::vector<int>& perguntas)
{
    for (int resposta : respostas)
        host.OnDialog(IDD_SELECAO_DADOS, [resposta, &perguntas](DialogDriver& d) {
            auto& dlg = dynamic_cast<CSelecao_dados&>(d.Dialog());
            perguntas.push_back(dlg.m_nTabelaSelecaoCodigo);
            if (resposta == 0) {
                d.Click(IDCANCEL);
                return;
            }
            d.Select(1040, resposta - 1).Click(IDOK);
        });
}

void Cascata(DialogDriver& d, const std::string& maneira, const std::string& tensao, const std::string& cabo)
{
    Put(d, IDC_TENSAO_SERVICO, tensao);
    d.Focus(IDC_MANEIRA_INSTALAR);  // leaving the voltage fills the classes
    d.Select(IDC_MANEIRA_INSTALAR, maneira);
    d.Focus(IDC_CABO);  // leaving the method checks it, entering the cable list fills it
    d.Select(IDC_CABO, cabo);
    d.Focus(IDC_COMPRIMENTO);
}

void Preencher(DialogDriver& d, const std::string& codigo)
{
    Put(d, IDC_CIRCUITO, codigo);
    Put(d, IDC_COMPRIMENTO, "500");
    Put(d, IDC_QUEDA_TENSAO_MAXIMA, "2");
    Put(d, IDC_CORRENTE_PROJETO, "100");
    Put(d, IDC_FATOR_POTENCIA, "0.92");
    Put(d, IDC_CORRENTE_CURTO_CONDUTOR, "10");
    Put(d, IDC_TEMPO_CURTO_CONDUTOR, "0.5");
    d.Focus(IDC_CIRCUITO);
}

std::vector<std::string> Linhas(DialogDriver& d, int id)
{
    std::vector<std::string> out;
    const auto& c = d.Get<CComboBox>(id);
    for (int i = 0; i < c.GetCount(); ++i)
        out.push_back(c.GetLBText(i));
    return out;
}

std::string Selecionado(DialogDriver& d, int id)
{
    const auto& c = d.Get<CComboBox>(id);
    return c.GetCurSel() < 0 ? "<nenhum>" : c.GetLBText(c.GetCurSel());
}

}  // namespace mvcartest
