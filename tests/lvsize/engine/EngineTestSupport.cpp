#include "EngineTestSupport.h"

#include "DaoRecordsetManual.h"
#include "SqlValue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>

namespace lvtest {

std::string FixtureCatalogueSql()
{
    return zeltest::ReadExistingFile(std::string(LVTEST_FIXTURE_DIR) + "/catalogo.sql");
}

std::string TemplateSchemaSql()
{
    return zeltest::ReadExistingFile(std::string(LVTEST_TEMPLATE_SQL));
}

std::string ShippedCatalogue()
{
    return std::string(ZEL_DATA_DIR) + "/ZelBt01.zel";
}

Circuito CircuitoEntregue()
{
    Circuito c;
    c.maneira = 3;
    c.sistema = 1;
    c.cabo = 1;
    c.temperatura = 30;
    c.U0 = 220;
    c.secaoMinima = 2.5f;
    c.dispositivo = 2;
    c.fatorDisjuntor = 1;
    c.ikmax = 3;
    c.respostas = {{13, 1}};
    return c;
}

void TesteCatalogoEntregue::SetUp()
{
    if (!std::filesystem::exists(ShippedCatalogue()))
        GTEST_FAIL() << "the shipped catalogue was not built: " << ShippedCatalogue();
}

Ambiente::Ambiente(const std::string& catalogue, const std::string& extraCatalogueSql)
{
    std::string catalogoPath = catalogue;
    if (catalogoPath.empty()) {
        catalogoPath = dir.File("ZelBt01.zel");
        zeltest::MakeDatabase(catalogoPath, FixtureCatalogueSql() + extraCatalogueSql);
    }
    const std::string projetoPath = dir.File("projeto.lvp");
    zeltest::MakeDatabase(projetoPath, TemplateSchemaSql());
    Abrir(catalogoPath, projetoPath);
    contexto.messages = &mensagens;
    contexto.clock = &relogio;
    escopo.emplace(contexto);
}

Ambiente::~Ambiente()
{
    escopo.reset();
}

void Ambiente::Inserir(const Circuito& c)
{
    const std::string sql = FormatC(
        "INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo,maneira_instalar_codigo,"
        "sistema_codigo,cabo_codigo,temperatura_ambiente,circuito_comprimento,circuito_tensao_fase_fase,"
        "circuito_tensao_fase_neutro,circuito_secao_minima,circuito_numero_de_condutores,"
        "circuito_secao_condutor_imposta,circuito_fator_agrupamento_imposto,circuito_fator_demanda,"
        "circuito_corrente_cc_presumida,circuito_conteudo_harmonica,resistividade_termica_valor,"
        "circuito_queda_tensao_regime,circuito_queda_tensao_partida,circuito_dispensar_sobrecarga,"
        "circuito_dispensar_contato_indireto,circuito_corrente_regime,circuito_fator_potencia_regime,"
        "dispositivo_protecao_codigo,circuito_fator_correcao_disjuntor,circuito_horas_ano_funcionamento,"
        "circuito_custo_instalacao_cabo,circuito_numero_anos,circuito_tarifa_energia,circuito_calculado) "
        "VALUES(%i,%s,?,%i,%i,%i,%i,%g,%i,%g,%g,%i,%g,%g,%g,%g,%i,%g,%g,%g,%i,%i,%g,%g,%i,%g,%i,%i,%i,%g,%i)",
        c.seq, c.pai > 0 ? FormatC("%i", c.pai).c_str() : "NULL", c.maneira, c.sistema, c.cabo, c.temperatura,
        static_cast<double>(c.L), c.Uff, static_cast<double>(c.U0), static_cast<double>(c.secaoMinima),
        c.condutoresImpostos, static_cast<double>(c.secaoImposta), static_cast<double>(c.agrupamentoImposto),
        static_cast<double>(c.fd), static_cast<double>(c.ikmax), c.harmonica, static_cast<double>(c.resistividade),
        static_cast<double>(c.quedaRegime), static_cast<double>(c.quedaPartida), c.dispensarSobrecarga ? -1 : 0,
        c.dispensarContato ? -1 : 0, static_cast<double>(c.corrente), static_cast<double>(c.fp), c.dispositivo,
        static_cast<double>(c.fatorDisjuntor), c.horas, c.custo, c.anos, static_cast<double>(c.tarifa),
        c.calculado ? -1 : 0);
    projeto.Execute(sql, SqlParams{c.codigo});
    for (const auto& [questao, item] : c.respostas)
        Resposta(c.seq, questao, item);
}

void Ambiente::Resposta(short seq, int questao, int item)
{
    projeto.Execute(FormatC("INSERT INTO circuito_x_tabela_selecao VALUES(%i,%i,%i)", seq, questao, item));
}

void Ambiente::Carga(short seq, int numero, float fd, int iguais, float potencia, float fp)
{
    projeto.Execute(FormatC("INSERT INTO carga(circuito_sequencial,carga_sequencial,carga_fator_demanda,"
                            "carga_numero_cargas_iguais,carga_potencia_ativa,carga_fator_potencia) "
                            "VALUES(%i,%i,%4.2f,%i,%9.1f,%4.2f)",
                            seq, numero, static_cast<double>(fd), iguais, static_cast<double>(potencia),
                            static_cast<double>(fp)));
}

void Ambiente::Motor(short seq, int numero, int qtde, float Ir, float fpr, float Ip, float fpp)
{
    projeto.Execute(FormatC("INSERT INTO motor(circuito_sequencial,motor_sequencial,motor_qtde_motores,"
                            "motor_corrente_regime,motor_fator_potencia_regime,motor_potencia,motor_corrente_partida,"
                            "motor_fator_potencia_partida) VALUES (%i,%i,%i,%6.1f,%4.2f,%6.1f,%6.1f,%4.2f)",
                            seq, numero, qtde, static_cast<double>(Ir), static_cast<double>(fpr), 0.0,
                            static_cast<double>(Ip), static_cast<double>(fpp)));
}

Calculo Ambiente::Calcular(short seq)
{
    CCalculo engine(seq);
    return Calcular(engine);
}

Calculo Ambiente::Calcular(CCalculo& engine)
{
    Calculo r;
    r.ok = engine.Calcular();
    r.erro = engine.m_strErro;
    r.mostrar = engine.m_bMostrarRelatorio;
    r.n = engine.GetNumeroCondutores();
    r.S = engine.GetSecao();
    r.criterio = engine.GetCriterio();
    return r;
}

std::vector<Linha> Ambiente::Linhas(short seq)
{
    std::vector<Linha> out;
    CDaoRecordsetManual rs(&projeto, dbOpenSnapshot,
                           FormatC("SELECT * FROM circuito_impressao WHERE circuito_sequencial=%i "
                                   "ORDER BY circuito_impressao_sequencial",
                                   seq)
                               .c_str());
    while (!rs.IsEOF()) {
        Linha l;
        l.numero = static_cast<int>(rs.GetFieldValue("circuito_impressao_sequencial").AsDouble());
        l.tipo = static_cast<int>(rs.GetFieldValue("tipo_dado_codigo").AsDouble());
        rs.GetFieldString("circuito_impressao_variavel", l.variavel);
        rs.GetFieldString("circuito_impressao_valor", l.valor);
        l.motor = static_cast<int>(rs.GetFieldValue("circuito_impressao_motor").AsDouble());
        l.carga = static_cast<int>(rs.GetFieldValue("circuito_impressao_carga").AsDouble());
        l.cc = static_cast<int>(rs.GetFieldValue("circuito_impressao_corrente_continua").AsDouble());
        out.push_back(l);
        rs.MoveNext();
    }
    return out;
}

Resultado Ambiente::Ler(short seq)
{
    Resultado r;
    CDaoRecordsetManual rs(&projeto, dbOpenSnapshot,
                           FormatC("SELECT * FROM circuito WHERE circuito_sequencial=%i", seq).c_str());
    r.n = static_cast<int>(rs.GetFieldValue("circuito_numero_condutores_calculado").AsDouble());
    r.secao = rs.GetFieldValue("secao_nominal").AsDouble();
    r.corrente = rs.GetFieldValue("circuito_corrente_total_regime").AsDouble();
    r.queda = rs.GetFieldValue("circuito_queda_tensao_calculada").AsDouble();
    rs.GetFieldString("circuito_corrente_nominal_dispositivo_protecao", r.dispositivo);
    BOOL calculado = FALSE;
    rs.GetFieldBool("circuito_calculado", calculado);
    r.calculado = calculado != FALSE;
    return r;
}

long Ambiente::Contar(const std::string& sqlCount)
{
    CDaoRecordsetManual rs(&projeto, dbOpenSnapshot, sqlCount.c_str());
    return static_cast<long>(rs.GetFieldValue(rs.GetFieldName(0)).AsDouble());
}

std::string Valor(const std::vector<Linha>& linhas, const std::string& variavel, int tipo)
{
    for (const auto& l : linhas)
        if (l.variavel == variavel && (tipo == 0 || l.tipo == tipo))
            return l.valor;
    return "";
}

bool Tem(const std::vector<Linha>& linhas, const std::string& variavel)
{
    for (const auto& l : linhas)
        if (l.variavel == variavel)
            return true;
    return false;
}

void ComPrazo(int segundos, const std::function<void()>& body)
{
    std::packaged_task<void()> task(body);
    auto done = task.get_future();
    std::thread worker(std::move(task));
    if (done.wait_for(std::chrono::seconds(segundos)) != std::future_status::ready) {
        ADD_FAILURE() << "did not finish within " << segundos << " s (a hang)";
        std::fprintf(stderr, "hang: the test program ends here\n");
        std::fflush(nullptr);
        std::_Exit(1);
    }
    worker.join();
    done.get();
}

}  // namespace lvtest
