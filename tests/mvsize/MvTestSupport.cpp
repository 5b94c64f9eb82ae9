#include "MvTestSupport.h"

#include "DaoRecordsetManual.h"
#include "SqlValue.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace mvtest {

std::string ShippedCatalogue()
{
    return std::string(ZEL_DATA_DIR) + "/ZelMt01.zel";
}

Ambiente::Ambiente(const std::string& catalogueSql)
{
    const std::string catalogoPath = dir.File("ZelMt01.zel");
    std::filesystem::copy_file(ShippedCatalogue(), catalogoPath);
    if (!catalogueSql.empty())
        zeltest::RunSql(catalogoPath, catalogueSql);
    const std::string projetoPath = dir.File("projeto.mvp");
    zeltest::MakeDatabase(projetoPath, zeltest::ReadExistingFile(MVTEST_TEMPLATE_SQL));
    // As the program opens it: shared, read-only, with the catalogue's connect string.
    Abrir(catalogoPath, projetoPath, ";UID=Admin;PWD=qtvzwn");
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
        "classe_tensao_codigo,cabo_codigo,temperatura_ambiente,circuito_corrente_projeto,circuito_tensao_servico,"
        "circuito_queda_tensao_maxima,circuito_fator_potencia,circuito_comprimento,conexao_tipo_codigo,"
        "circuito_tempo_curto_condutor,circuito_tempo_curto_blindagem,circuito_corrente_curto_condutor,"
        "circuito_numero_condutores,circuito_secao_condutor_imposta,circuito_fator_agrupamento_imposto,"
        "circuito_calculado,disposicao_dos_cabos,resistividade_termica,tipo_cabo,espacamento_cabos_ternas,"
        "numero_bandejas,numero_ternas,orientacao,circuito_custo_instalacao_cabo,circuito_numero_anos,"
        "circuito_tarifa_energia,circuito_horas_ano_funcionamento) "
        "VALUES(%i,%s,?,%i,%i,%i,%i,%.9g,%.9g,%.9g,%.9g,%.9g,%i,%.9g,%.9g,%.9g,%i,%i,%.9g,%i,%i,%.9g,%i,%i,%i,%i,%i,"
        "%i,%i,%.9g,%i)",
        c.seq, c.pai > 0 ? FormatC("%i", c.pai).c_str() : "NULL", c.maneira, c.classe, c.cabo, c.temperatura,
        static_cast<double>(c.corrente), static_cast<double>(c.tensao), static_cast<double>(c.quedaMaxima),
        static_cast<double>(c.fp), static_cast<double>(c.L), c.conexao, static_cast<double>(c.tempoCurto),
        static_cast<double>(c.tempoBlindagem), static_cast<double>(c.icc), c.condutores, c.secaoImposta,
        static_cast<double>(c.agrupamento), c.calculado ? -1 : 0, c.disposicao, static_cast<double>(c.resistividade),
        c.tipoCabo, c.espacamento, c.bandejas, c.ternas, c.orientacao, c.custo, c.anos,
        static_cast<double>(c.tarifa), c.horas);
    projeto.Execute(sql, SqlParams{c.codigo});
}

Calculo Ambiente::Calcular(short seq)
{
    // As the circuit command does: one engine per calculation, deleted after.
    auto engine = std::make_unique<CCalculo>(seq);
    Calculo r;
    r.ok = engine->Calcular();
    r.erro = engine->m_strErro;
    r.n = engine->GetNumeroCondutores();
    r.S = engine->GetSecao();
    r.criterio = engine->GetCriterio();
    r.kg = engine->GetFatorAgrupamento();
    r.queda = engine->GetQuedaTensao();
    return r;
}

std::vector<Linha> Ambiente::Linhas(short seq)
{
    std::vector<Linha> out;
    CDaoRecordsetManual rs(&projeto, dbOpenSnapshot,
                           FormatC("SELECT * FROM circuito_impressao WHERE circuito_sequencial=%i ORDER BY "
                                   "circuito_impressao_sequencial",
                                   seq)
                               .c_str());
    while (!rs.IsEOF()) {
        Linha l;
        short numero = 0;
        BYTE tipo = 0;
        rs.GetFieldShort("circuito_impressao_sequencial", numero);
        rs.GetFieldByte("tipo_dado_codigo", tipo);
        rs.GetFieldString("circuito_impressao_variavel", l.variavel);
        rs.GetFieldString("circuito_impressao_valor", l.valor);
        l.numero = numero;
        l.tipo = tipo;
        out.push_back(l);
        rs.MoveNext();
    }
    return out;
}

std::string Ambiente::Coluna(short seq, const std::string& coluna)
{
    return zeltest::QueryText(dir.File("projeto.mvp"),
                              FormatC("SELECT %s FROM circuito WHERE circuito_sequencial=%i", coluna.c_str(), seq));
}

std::string Valor(const std::vector<Linha>& linhas, const std::string& variavel)
{
    for (const Linha& l : linhas)
        if (l.variavel == variavel)
            return l.valor;
    return "";
}

bool Tem(const std::vector<Linha>& linhas, const std::string& variavel)
{
    for (const Linha& l : linhas)
        if (l.variavel == variavel)
            return true;
    return false;
}

}  // namespace mvtest
