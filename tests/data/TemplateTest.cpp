// The project template: empty, in rollback-journal mode, typed as the programs read it, and a
// circuit's rows following its row when it is deleted or renumbered.
#include "DataTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zeldata;

namespace {

const char* kTables[] = {"projeto", "circuito", "circuito_x_tabela_selecao", "carga", "motor", "circuito_impressao"};

class TemplateCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(TemplatePath(), dir.File("projeto.lvp"));
        db.Open(dir.File("projeto.lvp"));
    }
    size_t Count(const std::string& sql) { return Query(db, sql).size(); }

    // A circuit with one answer, one load, one motor and one report line, written with the programs' statements.
    void AddCircuit(int key, const char* parent)
    {
        db.Execute(FormatC("INSERT INTO circuito(circuito_sequencial, circuito_sequencial_pai, circuito_codigo) VALUES(%i,%s,'C%i')", key, parent, key));
        db.Execute(FormatC("INSERT INTO circuito_x_tabela_selecao VALUES(%i,%i,%i)", key, 13, 2));
        db.Execute(FormatC("INSERT INTO carga(circuito_sequencial,carga_sequencial,carga_fator_demanda,carga_numero_cargas_iguais,carga_potencia_ativa,carga_fator_potencia) VALUES(%i,%i,%4.2f,%i,%9.1f,%4.2f)",
                           key, 1, 1.0, 2, 1500.0, 0.92));
        db.Execute(FormatC("INSERT INTO motor(circuito_sequencial,motor_sequencial,motor_qtde_motores,motor_corrente_regime,motor_fator_potencia_regime,motor_potencia,motor_corrente_partida,motor_fator_potencia_partida) VALUES (%i,%i,%i,%6.1f,%4.2f,%6.1f,%6.1f,%4.2f)",
                           key, 1, 1, 10.0, 0.85, 5.5, 60.0, 0.35));
        db.Execute(FormatC("INSERT INTO circuito_impressao(circuito_sequencial,circuito_impressao_sequencial,tipo_dado_codigo,circuito_impressao_variavel,circuito_impressao_valor,circuito_impressao_motor,circuito_impressao_carga,circuito_impressao_corrente_continua) VALUES(%i,%i,%i,'%s','%s',%i,%i,%i)",
                           key, 1, 2, "Cabo:", "x", 0, -1, 0));
    }
    size_t RowsOf(int key)
    {
        size_t n = 0;
        for (const char* t : {"circuito_x_tabela_selecao", "carga", "motor", "circuito_impressao"})
            n += Count(FormatC("SELECT * FROM %s WHERE circuito_sequencial=%i", t, key));
        return n;
    }
    zeltest::TempDir dir;
    CDaoDatabase db;
};

}  // namespace

TEST(Template, HasTheProjectTablesEmptyInRollbackJournalMode)
{
    CDaoDatabase db;
    db.Open(TemplatePath(), false, true);
    for (const char* table : kTables)
        EXPECT_TRUE(Query(db, std::string("SELECT * FROM ") + table).empty()) << table;
    EXPECT_EQ(zeltest::QueryText(TemplatePath(), "PRAGMA journal_mode"), "delete");
    EXPECT_EQ(zeltest::QueryText(CataloguePath(), "PRAGMA journal_mode"), "delete");
    // An empty project gives the first circuit key 1.
    EXPECT_EQ(Query(db, "SELECT MAX(circuito_sequencial) AS maximo FROM circuito")[0].Int("maximo"), 0);
}

// Each column with the getter its readers use (circuit data, the tree, the dialogs, the engine).
TEST_F(TemplateCopy, ColumnsTakeTheirTypedReads)
{
    AddCircuit(1, "NULL");
    CDaoRecordsetManual rs(&db, dbOpenTable, "circuito");
    rs.Edit();
    rs.SetFieldByte("maneira_instalar_codigo", 13);
    rs.SetFieldFloat("circuito_comprimento", 25.5f);
    rs.SetFieldBool("circuito_dispensar_sobrecarga", TRUE);
    rs.SetFieldShort("circuito_tensao_fase_fase", 380);
    rs.Update();

    CDaoRecordsetManual c(&db, dbOpenSnapshot, "SELECT * FROM circuito WHERE circuito_sequencial=1");
    BYTE y;
    short s;
    float f;
    BOOL b;
    std::string t;
    for (const char* col : {"maneira_instalar_codigo", "sistema_codigo", "cabo_codigo", "temperatura_ambiente", "circuito_conteudo_harmonica",
                            "dispositivo_protecao_codigo", "circuito_numero_anos"})
        EXPECT_NO_THROW(c.GetFieldByte(col, y)) << col;
    for (const char* col : {"circuito_sequencial", "circuito_sequencial_pai", "circuito_tensao_fase_fase", "circuito_numero_de_condutores",
                            "circuito_horas_ano_funcionamento", "circuito_custo_instalacao_cabo", "circuito_numero_condutores_calculado"})
        EXPECT_NO_THROW(c.GetFieldShort(col, s)) << col;
    for (const char* col : {"circuito_comprimento", "circuito_tensao_fase_neutro", "circuito_secao_minima", "circuito_secao_condutor_imposta",
                            "circuito_fator_agrupamento_imposto", "circuito_fator_demanda", "circuito_corrente_cc_presumida",
                            "resistividade_termica_valor", "circuito_queda_tensao_regime", "circuito_queda_tensao_partida",
                            "circuito_corrente_regime", "circuito_fator_potencia_regime", "circuito_fator_correcao_disjuntor",
                            "circuito_tarifa_energia", "secao_nominal", "circuito_corrente_total_regime", "circuito_queda_tensao_calculada"})
        EXPECT_NO_THROW(c.GetFieldFloat(col, f)) << col;
    for (const char* col : {"circuito_dispensar_sobrecarga", "circuito_dispensar_contato_indireto", "circuito_calculado"})
        EXPECT_NO_THROW(c.GetFieldBool(col, b)) << col;
    for (const char* col : {"circuito_codigo", "circuito_corrente_nominal_dispositivo_protecao"})
        EXPECT_NO_THROW(c.GetFieldString(col, t)) << col;
    c.GetFieldByte("maneira_instalar_codigo", y);
    EXPECT_EQ(y, 13);
    c.GetFieldBool("circuito_dispensar_sobrecarga", b);
    EXPECT_NE(b, 0);
    c.GetFieldShort("circuito_sequencial_pai", s);
    EXPECT_EQ(s, 0) << "a top-level circuit's parent is NULL";
    EXPECT_EQ(Count("SELECT * FROM circuito WHERE circuito_sequencial_pai is NULL"), 1u);

    CDaoRecordsetManual a(&db, dbOpenSnapshot, "SELECT tabela_selecao_codigo,tabela_selecao_sequencial FROM circuito_x_tabela_selecao WHERE circuito_sequencial=1");
    EXPECT_NO_THROW(a.GetFieldByte("tabela_selecao_codigo", y));
    EXPECT_NO_THROW(a.GetFieldByte("tabela_selecao_sequencial", y));
    CDaoRecordsetManual m(&db, dbOpenSnapshot, "SELECT * FROM motor WHERE circuito_sequencial=1");
    EXPECT_NO_THROW(m.GetFieldShort("motor_qtde_motores", s));
    for (const char* col : {"motor_corrente_regime", "motor_fator_potencia_regime", "motor_potencia", "motor_corrente_partida", "motor_fator_potencia_partida"})
        EXPECT_NO_THROW(m.GetFieldFloat(col, f)) << col;
    CDaoRecordsetManual l(&db, dbOpenSnapshot, "SELECT * FROM carga WHERE circuito_sequencial=1");
    EXPECT_NO_THROW(l.GetFieldShort("carga_numero_cargas_iguais", s));
    for (const char* col : {"carga_fator_demanda", "carga_potencia_ativa", "carga_fator_potencia"})
        EXPECT_NO_THROW(l.GetFieldFloat(col, f)) << col;

    db.Execute("INSERT INTO projeto(projeto_cliente, projeto_responsavel, projeto_data_criacao, projeto_numero_revisao, projeto_comentario) VALUES('Cliente','Eng.',39813.0,2,'x')");
    CDaoRecordsetManual p(&db, dbOpenTable, "projeto");
    COleDateTime date;
    EXPECT_NO_THROW(p.GetFieldDate("projeto_data_criacao", date));
    EXPECT_NO_THROW(p.GetFieldShort("projeto_numero_revisao", s));
    for (const char* col : {"projeto_cliente", "projeto_responsavel", "projeto_comentario"})
        EXPECT_NO_THROW(p.GetFieldString(col, t)) << col;
}

// The delete command's statements leave nothing of the circuit, and so does a bare delete of its row
// (the clipboard's "DELETE FROM circuito"); other circuits keep theirs.
TEST_F(TemplateCopy, DeletingACircuitRemovesItsAnswersLoadsMotorsAndLines)
{
    AddCircuit(1, "NULL");
    AddCircuit(2, "1");
    AddCircuit(3, "NULL");
    ASSERT_EQ(RowsOf(2), 4u);

    db.Execute("DELETE FROM circuito WHERE circuito_sequencial=2");
    EXPECT_EQ(RowsOf(2), 0u);
    EXPECT_EQ(RowsOf(1), 4u);
    EXPECT_EQ(RowsOf(3), 4u);

    db.Execute("DELETE FROM circuito");
    EXPECT_EQ(RowsOf(1) + RowsOf(3), 0u);
}

// A renumbered circuit takes its rows and its sub-circuits along; a renumbering onto another circuit's
// key fails whole, merging nothing.
TEST_F(TemplateCopy, RenumberingACircuitMovesItsRowsOrFailsWhole)
{
    AddCircuit(1, "NULL");
    AddCircuit(2, "1");
    AddCircuit(3, "2");
    db.Execute("UPDATE circuito SET circuito_sequencial=circuito_sequencial+10,circuito_calculado=0");
    EXPECT_EQ(RowsOf(11) + RowsOf(12) + RowsOf(13), 12u);
    EXPECT_EQ(RowsOf(1) + RowsOf(2) + RowsOf(3), 0u);
    EXPECT_EQ(Count("SELECT * FROM circuito WHERE circuito_sequencial=12 AND circuito_sequencial_pai=11"), 1u);
    EXPECT_EQ(Count("SELECT * FROM circuito WHERE circuito_sequencial=13 AND circuito_sequencial_pai=12"), 1u);

    EXPECT_THROW(db.Execute("UPDATE circuito SET circuito_sequencial=circuito_sequencial+1"), CDaoException);
    EXPECT_EQ(RowsOf(11), 4u);
    EXPECT_EQ(RowsOf(12), 4u);
    EXPECT_EQ(RowsOf(13), 4u);
    EXPECT_EQ(Count("SELECT * FROM circuito WHERE circuito_sequencial=12 AND circuito_sequencial_pai=11"), 1u);
    EXPECT_THROW(db.Execute("INSERT INTO circuito(circuito_sequencial, circuito_codigo) VALUES(11,'X')"), CDaoException);
}
