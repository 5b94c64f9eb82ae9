// The statements the programs run on ZelBt01.zel, read with the typed getter each program uses for
// each column: a column of another type would fail there with the binding error.
#include "DataTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace zeldata;

namespace {

enum class Get { Bool, Byte, Short, Long, Float, Double, String };

struct Read {
    std::string sql;
    std::vector<std::pair<const char*, Get>> columns;
};

void ReadAll(const Read& read)
{
    CDaoRecordsetManual rs(&Catalogue(), dbOpenSnapshot, read.sql.c_str());
    ASSERT_FALSE(rs.IsEOF()) << "no row: " << read.sql;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        for (const auto& [name, get] : read.columns) {
            try {
                BOOL b;
                BYTE y;
                short s;
                long l;
                float f;
                double d;
                std::string t;
                switch (get) {
                case Get::Bool: rs.GetFieldBool(name, b); break;
                case Get::Byte: rs.GetFieldByte(name, y); break;
                case Get::Short: rs.GetFieldShort(name, s); break;
                case Get::Long: rs.GetFieldLong(name, l); break;
                case Get::Float: rs.GetFieldFloat(name, f); break;
                case Get::Double: rs.GetFieldDouble(name, d); break;
                case Get::String: rs.GetFieldString(name, t); break;
                }
            } catch (const CDaoException& e) {
                FAIL() << name << " in \"" << read.sql << "\": " << e.what();
            }
        }
    }
}

}  // namespace

// The engine's statements, quoted as it runs them (with real keys in the placeholders).
TEST(CatalogueTypes, EngineReadsTakeTheirTypes)
{
    const std::vector<Read> reads = {
        {"SELECT * FROM sistema WHERE sistema_codigo=5",
         {{"sistema_tipo_codigo", Get::Byte}, {"sistema_considera_tensao_fase", Get::Bool}, {"sistema_fator_calculo_demanda", Get::Float},
          {"sistema_neutro_tabelado", Get::Bool}, {"sistema_tensao_fase_neutro", Get::Bool}, {"sistema_terra", Get::Bool},
          {"sistema_numero_condutores", Get::Short}, {"sistema_esquema_aterramento", Get::String}}},
        {"SELECT sistema_descricao, sistema_tipo_codigo FROM sistema WHERE sistema_codigo=1",
         {{"sistema_descricao", Get::String}, {"sistema_tipo_codigo", Get::Byte}}},
        {"SELECT cabo_constante_curto_circuito,cabo_constante_i2t_x,cabo_constante_i2t_y,secao_nominal,cabo_material FROM cabo WHERE cabo_codigo=2",
         {{"cabo_constante_curto_circuito", Get::Short}, {"cabo_constante_i2t_x", Get::Float}, {"cabo_constante_i2t_y", Get::Float},
          {"secao_nominal", Get::Float}, {"cabo_material", Get::String}}},
        {"SELECT * FROM maneira_instalar_x_sistema_x_cabo WHERE maneira_instalar_codigo=13 AND sistema_codigo=5 AND cabo_codigo=5",
         {{"capacidade_corrente_tabela", Get::Byte}, {"referencia_capacidade_corrente_codigo", Get::Short}, {"queda_tensao_tabela", Get::Byte},
          {"referencia_queda_tensao_codigo", Get::Short}, {"referencia_agrupamento_codigo", Get::Short}}},
        {"SELECT * FROM referencia_capacidade_corrente",
         {{"tabela_selecao_codigo", Get::Byte}, {"tabela_selecao_sequencial", Get::Byte},
          {"referencia_capacidade_corrente_proximo_codigo", Get::Short}, {"capacidade_corrente_tabela", Get::Byte}}},
        {"SELECT * FROM referencia_queda_tensao",
         {{"tabela_selecao_codigo", Get::Byte}, {"tabela_selecao_sequencial", Get::Byte},
          {"referencia_queda_tensao_proximo_codigo", Get::Short}, {"queda_tensao_tabela", Get::Byte}}},
        {"SELECT tabela_selecao_codigo,referencia_agrupamento_tipo_codigo FROM referencias_agrupamento",
         {{"tabela_selecao_codigo", Get::Byte}, {"referencia_agrupamento_tipo_codigo", Get::Byte}}},
        {"SELECT referencia_agrupamento_proximo_codigo,referencia_agrupamento_fator FROM referencia_agrupamento WHERE referencia_agrupamento_codigo=1 AND tabela_selecao_sequencial=1",
         {{"referencia_agrupamento_proximo_codigo", Get::Short}, {"referencia_agrupamento_fator", Get::Float}}},
        {"SELECT tabela_selecao_sequencial,referencia_agrupamento_proximo_codigo,referencia_agrupamento_fator FROM referencia_agrupamento WHERE referencia_agrupamento_codigo=1 AND tabela_selecao_sequencial<=25 ORDER BY tabela_selecao_sequencial",
         {{"tabela_selecao_sequencial", Get::Byte}, {"referencia_agrupamento_proximo_codigo", Get::Short}, {"referencia_agrupamento_fator", Get::Float}}},
        {"SELECT secao.*,capacidade_corrente_capacidade FROM secao,capacidade_corrente WHERE secao.secao_nominal=capacidade_corrente.secao_nominal AND capacidade_corrente_tabela=1 AND secao.secao_nominal<=300.00 ORDER BY secao.secao_nominal",
         {{"secao_nominal", Get::Float}, {"secao_nominal_neutro", Get::Float}, {"secao_nominal_protecao", Get::Float},
          {"capacidade_corrente_capacidade", Get::Float}}},
        {"SELECT secao.*,capacidade_corrente_capacidade FROM secao,capacidade_corrente WHERE secao.secao_nominal=capacidade_corrente.secao_nominal AND capacidade_corrente_tabela=1 AND secao.secao_nominal=  0.75 ORDER BY secao.secao_nominal",
         {{"secao_nominal", Get::Float}, {"capacidade_corrente_capacidade", Get::Float}}},
        {"SELECT secao_nominal,queda_tensao_rca,queda_tensao_xl FROM queda_tensao WHERE queda_tensao_tabela=1 AND secao_nominal<=1000.00 ORDER BY secao_nominal",
         {{"secao_nominal", Get::Float}, {"queda_tensao_rca", Get::Float}, {"queda_tensao_xl", Get::Float}}},
        {"SELECT * FROM harmonica WHERE harmonica_conteudo>=33 ORDER BY harmonica_conteudo",
         {{"monofasico", Get::Double}, {"trifasico", Get::Double}}},
        {"SELECT fator_correcao_temperatura_fator FROM maneira_instalar a,cabo b,fator_correcao_temperatura c WHERE a.tipo_correcao_temperatura_codigo=c.tipo_correcao_temperatura_codigo AND b.tipo_isolacao_codigo=c.tipo_isolacao_codigo AND a.maneira_instalar_codigo=40 AND b.cabo_codigo=6 AND temperatura_ambiente=20",
         {{"fator_correcao_temperatura_fator", Get::Float}}},
        {"SELECT secao_nominal FROM secao WHERE secao_nominal>  2.40", {{"secao_nominal", Get::Float}}},
        {"SELECT secao_nominal_neutro from secao where secao_nominal=70.0", {{"secao_nominal_neutro", Get::Float}}},
        {"SELECT VEIAS FROM CABO WHERE CABO_CODIGO=4", {{"VEIAS", Get::Byte}}},
        {"SELECT maneira_instalar_descricao FROM maneira_instalar WHERE maneira_instalar_codigo=1", {{"maneira_instalar_descricao", Get::String}}},
        {"SELECT cabo_descricao FROM cabo WHERE cabo_codigo=1", {{"cabo_descricao", Get::String}}},
        {"SELECT tabela_selecao_item FROM tabela_selecao WHERE tabela_selecao_codigo=13 AND (tabela_selecao_sequencial=0 OR tabela_selecao_sequencial=3) ORDER BY tabela_selecao_sequencial",
         {{"tabela_selecao_item", Get::String}}},
    };
    for (const Read& r : reads)
        ReadAll(r);
}

// The circuit dialog's and the selection dialog's statements (the tree walk included).
TEST(CatalogueTypes, DialogReadsTakeTheirTypes)
{
    const std::vector<Read> reads = {
        {"SELECT * FROM maneira_instalar", {{"maneira_instalar_codigo", Get::Byte}, {"maneira_instalar_descricao", Get::String},
                                            {"tipo_correcao_temperatura_codigo", Get::Byte}}},
        {"SELECT maneira_instalar_codigo,tipo_correcao_temperatura_codigo FROM maneira_instalar WHERE maneira_instalar_descricao='61 - Cabo multipolar em eletroduto (de seção circular ou não) ou em canaleta não ventilada enterrado(a)'",
         {{"maneira_instalar_codigo", Get::Byte}, {"tipo_correcao_temperatura_codigo", Get::Byte}}},
        {"SELECT secao_minima_titulo FROM secao_minima", {{"secao_minima_titulo", Get::String}}},
        {"SELECT secao_minima_valor FROM secao_minima WHERE secao_minima_titulo='Circuitos de iluminação (cobre)'", {{"secao_minima_valor", Get::Float}}},
        {"SELECT resistividade_termica_valor FROM resistividade_termica", {{"resistividade_termica_valor", Get::Float}}},
        {"SELECT sistema_codigo,sistema_descricao FROM sistema WHERE sistema_codigo IN (SELECT sistema_codigo FROM maneira_instalar_x_sistema_x_cabo WHERE maneira_instalar_codigo=3) AND sistema_codigo IN (SELECT sistema_codigo_compativel FROM sistema_compativel WHERE sistema_codigo=5)",
         {{"sistema_codigo", Get::Byte}, {"sistema_descricao", Get::String}}},
        {"SELECT sistema_codigo,sistema_descricao FROM sistema WHERE sistema_codigo IN (SELECT sistema_codigo FROM maneira_instalar_x_sistema_x_cabo WHERE maneira_instalar_codigo=3)",
         {{"sistema_codigo", Get::Byte}, {"sistema_descricao", Get::String}}},
        {"SELECT * FROM sistema WHERE sistema_descricao='Trifásico 3F+N+PE (TN-S)'",
         {{"sistema_codigo", Get::Byte}, {"sistema_tipo_codigo", Get::Byte}, {"sistema_tensao_fase_neutro", Get::Bool},
          {"sistema_tensao_fase_fase", Get::Bool}, {"sistema_neutro_tabelado", Get::Bool}}},
        {"SELECT cabo_codigo, cabo_descricao FROM CABO WHERE cabo_codigo IN (SELECT cabo_codigo FROM maneira_instalar_x_sistema_x_cabo WHERE maneira_instalar_codigo=13 AND sistema_codigo=5) order by ordem, cabo_codigo",
         {{"cabo_codigo", Get::Byte}, {"cabo_descricao", Get::String}}},
        {"SELECT cabo_codigo, secao_nominal FROM cabo WHERE cabo_descricao='Cabo unipolar Cu EPR 90 °C 0,6/1 kV'",
         {{"cabo_codigo", Get::Byte}, {"secao_nominal", Get::Float}}},
        {"SELECT c.* FROM maneira_instalar a,cabo b,fator_correcao_temperatura c WHERE a.tipo_correcao_temperatura_codigo=c.tipo_correcao_temperatura_codigo and b.tipo_isolacao_codigo=c.tipo_isolacao_codigo and a.maneira_instalar_codigo=1 AND b.cabo_codigo=1",
         {{"temperatura_ambiente", Get::Byte}}},
        {"SELECT secao_nominal FROM secao WHERE secao_nominal>=    2.5 AND secao_nominal<=  300.0", {{"secao_nominal", Get::Float}}},
        {"SELECT * from maneira_instalar_x_sistema_x_cabo where maneira_instalar_codigo=9 and sistema_codigo=10 and cabo_codigo=7",
         {{"referencia_capacidade_corrente_codigo", Get::Short}, {"referencia_agrupamento_codigo", Get::Short},
          {"referencia_queda_tensao_codigo", Get::Short}}},
        {"SELECT tabela_selecao_codigo FROM referencia_agrupamento WHERE referencia_agrupamento_codigo=1", {{"tabela_selecao_codigo", Get::Byte}}},
        {"SELECT * FROM referencia_agrupamento WHERE referencia_agrupamento_codigo=1 AND tabela_selecao_sequencial=1",
         {{"referencia_agrupamento_proximo_codigo", Get::Short}}},
        {"SELECT * FROM referencia_capacidade_corrente WHERE referencia_capacidade_corrente_codigo=1 AND tabela_selecao_sequencial=1",
         {{"referencia_capacidade_corrente_proximo_codigo", Get::Short}, {"tabela_selecao_codigo", Get::Byte}}},
        {"SELECT * FROM referencia_queda_tensao WHERE referencia_queda_tensao_codigo=1 AND tabela_selecao_sequencial=1",
         {{"referencia_queda_tensao_proximo_codigo", Get::Short}}},
        {"SELECT tabela_selecao_item FROM tabela_selecao WHERE tabela_selecao_codigo=1 ORDER BY tabela_selecao_sequencial",
         {{"tabela_selecao_item", Get::String}}},
        {"SELECT sistema_tipo_codigo FROM sistema WHERE sistema_codigo=2", {{"sistema_tipo_codigo", Get::Byte}}},
    };
    for (const Read& r : reads)
        ReadAll(r);
}

// Protdev's and Lvsize's statements on the device library.
TEST(CatalogueTypes, DeviceLibraryReadsTakeTheirTypes)
{
    const std::vector<Read> reads = {
        {"SELECT * FROM dispositivo_protecao ORDER BY dispositivo_protecao_tensao",
         {{"dispositivo_protecao_tensao", Get::Short}, {"dispositivo_protecao_codigo", Get::Byte}, {"dispositivo_protecao_descricao", Get::String}}},
        {"SELECT MAX(dispositivo_protecao_codigo) AS codigo FROM dispositivo_protecao", {{"codigo", Get::Long}}},
        {"SELECT * FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=1",
         {{"disjuntor_corrente_nominal", Get::Short}, {"disjuntor_corrente_t5s", Get::Float}, {"disjuntor_corrente_ruptura", Get::Float},
          {"disjuntor_alfa", Get::Float}, {"disjuntor_corrente_minima_atuacao", Get::Float},
          {"disjuntor_i2t_corrente_minima_atuacao", Get::Float}, {"disjuntor_limiar_atuacao_magnetica", Get::Float},
          {"disjuntor_i2t_termico_limiar_magnetico", Get::Float}, {"disjuntor_i2t_magnetico_limiar_magnetico", Get::Float},
          {"disjuntor_corrente_capacidade", Get::Float}, {"disjuntor_i2t_corrente_capacidade", Get::Float},
          {"disjuntor_corrente_minima_atuacao_magnetica", Get::Float}}},
        {"SELECT *, disjuntor_corrente_nominal AS corrente_nominal, disjuntor_corrente_ruptura AS corrente_ruptura, disjuntor_corrente_t5s AS it5s, disjuntor_alfa AS alfa FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=3",
         {{"corrente_nominal", Get::Short}, {"alfa", Get::Float}, {"it5s", Get::Float}, {"corrente_ruptura", Get::Float},
          {"disjuntor_corrente_minima_atuacao", Get::Float}, {"disjuntor_i2t_corrente_capacidade", Get::Float}}},
        {"SELECT * FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=1 AND disjuntor_corrente_nominal=16",
         {{"disjuntor_corrente", Get::Float}, {"disjuntor_i2t", Get::Float}}},
        {"SELECT * FROM fusivel_corrente_nominal WHERE dispositivo_protecao_codigo=4",
         {{"fusivel_corrente_nominal", Get::Short}, {"fusivel_corrente_ruptura", Get::Float}, {"fusivel_corrente_t5s", Get::Float},
          {"fusivel_alfa", Get::Float}}},
        {"SELECT fusivel_corrente_nominal AS corrente_nominal, fusivel_corrente_ruptura AS corrente_ruptura, fusivel_corrente_t5s AS it5s, fusivel_alfa AS alfa FROM fusivel_corrente_nominal WHERE dispositivo_protecao_codigo=4",
         {{"corrente_nominal", Get::Short}, {"corrente_ruptura", Get::Float}, {"it5s", Get::Float}, {"alfa", Get::Float}}},
        {"SELECT * FROM dispositivo_protecao WHERE dispositivo_protecao_codigo IN (SELECT dispositivo_protecao_codigo FROM fusivel_corrente_nominal)",
         {{"dispositivo_protecao_codigo", Get::Byte}, {"dispositivo_protecao_descricao", Get::String}}},
        {"SELECT * FROM dispositivo_protecao WHERE dispositivo_protecao_tensao=(SELECT MIN(dispositivo_protecao_tensao) FROM dispositivo_protecao WHERE dispositivo_protecao_tensao>=380)",
         {{"dispositivo_protecao_codigo", Get::Byte}, {"dispositivo_protecao_descricao", Get::String}}},
        {"SELECT dispositivo_protecao_descricao FROM dispositivo_protecao WHERE dispositivo_protecao_codigo=4",
         {{"dispositivo_protecao_descricao", Get::String}}},
    };
    for (const Read& r : reads)
        ReadAll(r);
}

// A fuse row has no voltage and reads as 0; a wrong getter is refused (so the reads above can fail).
TEST(CatalogueTypes, FuseVoltageReadsZeroAndAWrongGetterIsRefused)
{
    CDaoRecordsetManual fuse(&Catalogue(), dbOpenSnapshot, "SELECT * FROM dispositivo_protecao WHERE dispositivo_protecao_codigo=4");
    short voltage = 99;
    fuse.GetFieldShort("dispositivo_protecao_tensao", voltage);
    EXPECT_EQ(voltage, 0);
    CDaoRecordsetManual breaker(&Catalogue(), dbOpenSnapshot, "SELECT * FROM dispositivo_protecao WHERE dispositivo_protecao_codigo=1");
    BYTE wrong = 0;
    EXPECT_THROW(breaker.GetFieldByte("dispositivo_protecao_tensao", wrong), CDaoException);
}
