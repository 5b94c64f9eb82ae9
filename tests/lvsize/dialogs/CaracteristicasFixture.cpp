#include "CaracteristicasFixture.h"

#include "CaracteristicasIds.h"
#include "SelecaoDados.h"

#include "DaoRecordsetManual.h"
#include "SqlValue.h"

using namespace car;

namespace cartest {

Projeto::Projeto() : ProjetoSemTela(dlgtest::kLvsize, "projeto.zel", LocalTime{2026, 12, 10, 9, 30, 0}) {}

std::string Projeto::Catalogo() const
{
    return dlgtest::Entregue(dlgtest::kLvsize.catalogo);
}

int Projeto::Contar(const std::string& sql)
{
    return static_cast<int>(Numero("SELECT COUNT(*) FROM (" + sql + ")"));
}

std::vector<std::string> Projeto::ColunaCatalogo(const std::string& sql)
{
    CDaoRecordset rs(&catalogo);
    rs.Open(dbOpenSnapshot, sql.c_str());
    std::vector<std::string> out;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        const COleVariant v = rs.GetFieldValue(rs.GetFieldName(0));
        out.push_back(v.vt == VT_BSTR ? v.strVal : FormatC("%g", v.AsDouble()));
    }
    return out;
}

void Projeto::Circuito(int seq, int pai, const std::string& codigo, int maneira, int sistema, int cabo,
                       const std::string& extra)
{
    std::string colunas =
        "circuito_sequencial,circuito_sequencial_pai,circuito_codigo,maneira_instalar_codigo,sistema_codigo,"
        "cabo_codigo,temperatura_ambiente,circuito_comprimento,circuito_tensao_fase_fase,"
        "circuito_tensao_fase_neutro,circuito_secao_minima,circuito_fator_demanda,circuito_corrente_cc_presumida,"
        "circuito_queda_tensao_regime,circuito_queda_tensao_partida,circuito_calculado";
    std::string valores = FormatC("%i,%s,?,%i,%i,%i,35,40,380,220,2.5,1,5,2,4,-1", seq,
                                  pai > 0 ? FormatC("%i", pai).c_str() : "NULL", maneira, sistema, cabo);
    projeto.Execute("INSERT INTO circuito(" + colunas + ") VALUES(" + valores + ")", SqlParams{codigo});
    if (!extra.empty())
        projeto.Execute(FormatC("UPDATE circuito SET %s WHERE circuito_sequencial=%i", extra.c_str(), seq));
}

std::vector<std::pair<int, int>> Projeto::Respostas(int seq)
{
    CDaoRecordset rs(&projeto);
    rs.Open(dbOpenSnapshot,
            FormatC("SELECT tabela_selecao_codigo, tabela_selecao_sequencial FROM circuito_x_tabela_selecao WHERE "
                    "circuito_sequencial=%i ORDER BY tabela_selecao_codigo",
                    seq)
                .c_str());
    std::vector<std::pair<int, int>> out;
    for (; !rs.IsEOF(); rs.MoveNext())
        out.emplace_back(static_cast<int>(rs.GetFieldValue("tabela_selecao_codigo").AsDouble()),
                         static_cast<int>(rs.GetFieldValue("tabela_selecao_sequencial").AsDouble()));
    return out;
}

void Responder(HeadlessHost& host, const std::vector<int>& respostas, std::vector<Pergunta>& asked)
{
    for (int resposta : respostas)
        host.OnDialog(IDD_SELECAO_DADOS, [resposta, &asked](DialogDriver& d) {
            auto& dlg = dynamic_cast<CSelecao_dados&>(d.Dialog());
            asked.push_back({dlg.m_nTabelaSelecaoCodigo, dlg.m_lista.GetCurSel() + 1});
            if (resposta == 0) {
                d.Click(IDCANCEL);
                return;
            }
            d.Select(IDC_SELECAO_LISTA, resposta - 1).Click(IDOK);
        });
}

void EscolherCascata(DialogDriver& d, const std::string& maneira, const std::string& sistema,
                     const std::string& cabo)
{
    d.Select(IDC_MANEIRA_INSTALAR, maneira).Focus(IDC_SISTEMA);
    d.Select(IDC_SISTEMA, sistema).Focus(IDC_CABO);
    d.Select(IDC_CABO, cabo).Focus(IDC_COMPRIMENTO);
}

void PreencherBasico(DialogDriver& d, const std::string& codigo)
{
    Put(d, IDC_CIRCUITO, codigo);
    Put(d, IDC_COMPRIMENTO, "25");
    Put(d, IDC_TENSAO_FASE_FASE, "380");
    Put(d, IDC_TENSAO_FASE_NEUTRO, "220");
    Put(d, IDC_QUEDA_REGIME, "4");
    Put(d, IDC_CORRENTE_CC, "5");
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

std::string Trim(const std::string& s)
{
    const auto b = s.find_first_not_of(' ');
    const auto e = s.find_last_not_of(' ');
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

}  // namespace cartest
