// Including, deleting, copying and pasting circuits: the rows, the tree and the modified flag in step.
#include "ShellFixture.h"

#include "DaoDatabase.h"
#include "LvsizeCommands.h"
#include "SqlValue.h"

#include <gtest/gtest.h>

using lvshell::Shell;

namespace {

// The characteristics dialog's double in include mode: writes a circuit row under the given parent, as the
// real dialog does on OK, unless told not to.
void IncluirComo(Shell& s, const std::string& codigo, int cargas, int motores, bool gravar = true)
{
    LvsizeDialogs().caracteristicas = [&s, codigo, cargas, motores, gravar](const CaracteristicasPedido& p,
                                                                            CaracteristicasResposta& r) {
        s.dialogos.push_back(p.modo ? "CCaracteristicas inclusão" : "CCaracteristicas alteração");
        CDaoDatabase& db = *s.Doc().m_pDatabase;
        const short novo = static_cast<short>(std::stoi(s.Q("SELECT COALESCE(MAX(circuito_sequencial),0)+1 FROM circuito")));
        if (gravar)
            db.Execute("INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo) VALUES (?,?,?)",
                       {std::int64_t{novo}, p.sequencial ? SqlValue{std::int64_t{p.sequencial}} : SqlValue{nullptr},
                        codigo});
        r.codigo = codigo;
        r.sequencialNovo = novo;
        r.cargaNaoMotor = cargas;
        r.motor = motores;
        return IDOK;
    };
}

std::string Linhas(Shell& s, const std::string& tabela)
{
    return s.Q("SELECT group_concat(circuito_sequencial) FROM (SELECT circuito_sequencial FROM " + tabela +
               " ORDER BY circuito_sequencial)");
}

}  // namespace

TEST(LvsizeCircuitos, IncludeChainsTheDialogsAndKeepsTheItemWhenTheyAreCancelled)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    IncluirComo(s, "NOVO", 1, 1);
    s.Command(ID_CIRCUITO_INCLUIR);
    EXPECT_EQ(s.dialogos, (std::vector<std::string>{"CCaracteristicas inclusão", "CCarga_corrente", "CCarga_motor",
                                                     "CDispositivo_protecao", "CDimensionamento_economico"}));
    EXPECT_EQ(s.Arvore(true), "Origem:0(QD1:3(ILUM-01:3,TUG-01:3,BOMBA:2),AR-COND:1,NOVO:3)");
    EXPECT_EQ(s.Tree().GetItemText(s.Tree().GetSelectedItem()), "NOVO");
    EXPECT_TRUE(s.Doc().IsModified());

    // Under a circuit, without loads: only the device and economic dialogs follow.
    s.dialogos.clear();
    s.Select("QD1");
    IncluirComo(s, "QD1-04", 0, 0);
    s.Command(ID_CIRCUITO_INCLUIR);
    EXPECT_EQ(s.dialogos, (std::vector<std::string>{"CCaracteristicas inclusão", "CDispositivo_protecao",
                                                     "CDimensionamento_economico"}));
    EXPECT_EQ(s.Q("SELECT circuito_sequencial_pai FROM circuito WHERE circuito_codigo='QD1-04'"), "1");
    EXPECT_EQ(s.Arvore(), "Origem(QD1(ILUM-01,TUG-01,BOMBA,QD1-04),AR-COND,NOVO)");

    // A load dialog confirmed refreshes the new circuit's image.
    LvsizeDialogs().cargaCorrente = [&s] {
        s.Doc().m_pDatabase->Execute(
            "UPDATE circuito SET circuito_corrente_regime=5 WHERE circuito_codigo='QD1-04'");
        return IDOK;
    };
    s.Command(ID_CARGAS_NAO_MOTOR);
    EXPECT_EQ(s.Arvore(true), "Origem:0(QD1:3(ILUM-01:3,TUG-01:3,BOMBA:2,QD1-04:1),AR-COND:1,NOVO:3)");
}

TEST(LvsizeCircuitos, IncludeWithoutARowWrittenAddsNoItem)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    IncluirComo(s, "FANTASMA", 0, 0, false);
    s.Command(ID_CIRCUITO_INCLUIR);
    EXPECT_EQ(s.Arvore(), "Origem(QD1(ILUM-01,TUG-01,BOMBA),AR-COND)");
    EXPECT_FALSE(s.Doc().IsModified());
    EXPECT_EQ(s.dialogos.size(), 1u) << "the chained dialogs do not open";
}

TEST(LvsizeCircuitos, EditRenamesTheItem)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    LvsizeDialogs().caracteristicas = [&s](const CaracteristicasPedido& p, CaracteristicasResposta& r) {
        EXPECT_EQ(p.modo, 0);
        EXPECT_EQ(p.sequencial, 5);
        s.dialogos.push_back("CCaracteristicas alteração");
        r.codigo = "AR-COND-2";
        return IDOK;
    };
    s.Select("AR-COND");
    s.Tree().UserDoubleClick(s.Item("AR-COND"));
    EXPECT_EQ(s.Arvore(), "Origem(QD1(ILUM-01,TUG-01,BOMBA),AR-COND-2)");
    EXPECT_TRUE(s.Doc().IsModified());
}

TEST(LvsizeCircuitos, DeleteAsksAndRemovesTheWholeSubtree)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    s.Doc().m_pDatabase->Execute("INSERT INTO circuito_impressao(circuito_sequencial,circuito_impressao_sequencial,"
                                 "tipo_dado_codigo) VALUES (4,1,2),(5,1,2)");
    s.Select("QD1");
    s.host.AnswerMessage(IDNO);
    s.Command(ID_CIRCUITO_EXCLUIR);
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, "Confirma exclusão do circuito QD1 ?");
    EXPECT_EQ(s.host.messages[0].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(Linhas(s, "circuito"), "1,2,3,4,5");
    EXPECT_FALSE(s.Doc().IsModified());

    s.host.AnswerMessage(IDYES);
    s.Command(ID_CIRCUITO_EXCLUIR);
    EXPECT_EQ(s.Arvore(), "Origem(AR-COND)");
    EXPECT_EQ(Linhas(s, "circuito"), "5");
    EXPECT_EQ(Linhas(s, "carga"), "");
    EXPECT_EQ(Linhas(s, "motor"), "");
    EXPECT_EQ(Linhas(s, "circuito_x_tabela_selecao"), "5,5");
    EXPECT_EQ(Linhas(s, "circuito_impressao"), "5");
    EXPECT_TRUE(s.Doc().IsModified());
}

TEST(LvsizeCircuitos, DeletingASubCircuitMarksItsParentNotCalculated)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    s.Doc().m_pDatabase->Execute("UPDATE circuito SET circuito_calculado=-1");
    s.Select("BOMBA");
    s.host.AnswerMessage(IDYES);
    s.Command(ID_CIRCUITO_EXCLUIR);
    EXPECT_EQ(s.Q("SELECT group_concat(circuito_calculado) FROM (SELECT circuito_calculado FROM circuito "
                  "ORDER BY circuito_sequencial)"),
              "0,-1,-1,-1");
    EXPECT_EQ(s.Arvore(), "Origem(QD1(ILUM-01,TUG-01),AR-COND)");
}

TEST(LvsizeCircuitos, AFailedDeleteChangesNothing)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    // The last circuit of the subtree cannot be deleted: everything before it is rolled back.
    s.Doc().m_pDatabase->Execute("CREATE TRIGGER nao_apaga BEFORE DELETE ON circuito WHEN OLD.circuito_sequencial=4 "
                                 "BEGIN SELECT RAISE(ABORT, 'protegido'); END");
    s.Doc().m_pDatabase->Execute("UPDATE circuito SET circuito_calculado=-1");
    s.Select("QD1");
    s.host.AnswerMessage(IDYES);
    s.Command(ID_CIRCUITO_EXCLUIR);
    EXPECT_EQ(s.Errors(), 1);
    EXPECT_EQ(s.Arvore(), "Origem(QD1(ILUM-01,TUG-01,BOMBA),AR-COND)");
    EXPECT_EQ(Linhas(s, "circuito"), "1,2,3,4,5");
    EXPECT_EQ(Linhas(s, "carga"), "2,3");
    EXPECT_EQ(s.Q("SELECT COUNT(*) FROM circuito WHERE circuito_calculado=-1"), "5");
    EXPECT_FALSE(s.Doc().IsModified());
}

TEST(LvsizeCircuitos, CopyAndPasteBetweenTwoProjectsRenumbersEveryRow)
{
    Shell s;
    // The target's largest key is 17 and the code QD1 is taken at the top level, with QD11.
    const std::string destino = s.Projeto(
        "destino.lvp", "INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo) VALUES "
                       "(17,NULL,'QD1'),(3,NULL,'QD11'),(4,3,'X');"
                       "INSERT INTO carga(circuito_sequencial,carga_sequencial) VALUES (3,1);");
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    s.abrir = destino;
    s.Command(ID_FILE_OPEN);
    s.Command(ID_JANELA_PROXIMA);
    ASSERT_EQ(s.Doc().GetTitle(), "exemplo");
    // Calculated circuits are pasted as not calculated.
    s.Doc().m_pDatabase->Execute("UPDATE circuito SET circuito_calculado=-1");
    s.Select("QD1");
    s.Command(ID_CIRCUITO_COPIAR);
    ASSERT_EQ(s.app.m_bClipboardHasCircuit, 1);

    s.Command(ID_JANELA_PROXIMA);
    ASSERT_EQ(s.Doc().GetTitle(), "destino");
    s.Tree().SelectItem(s.Tree().GetRootItem());
    ASSERT_TRUE(s.Enabled(ID_CIRCUITO_COLAR));
    s.Command(ID_CIRCUITO_COLAR);
    EXPECT_EQ(s.Errors(), 0);
    EXPECT_EQ(s.Arvore(true), "Origem:0(QD1:3,QD11:3(X:3),QD12:3(ILUM-01:3,TUG-01:3,BOMBA:2))");
    EXPECT_EQ(s.Q("SELECT group_concat(k) FROM (SELECT circuito_sequencial||'/'||COALESCE(circuito_sequencial_pai,'-')||'/'"
                  "||circuito_codigo||'/'||circuito_calculado AS k FROM circuito WHERE circuito_sequencial>17 "
                  "ORDER BY circuito_sequencial)"),
              "18/-/QD12/0,19/18/ILUM-01/0,20/18/TUG-01/0,21/18/BOMBA/0");
    EXPECT_EQ(Linhas(s, "carga"), "3,19,20");
    EXPECT_EQ(Linhas(s, "motor"), "21");
    EXPECT_EQ(Linhas(s, "circuito_x_tabela_selecao"), "18,18,19,20,21");
    EXPECT_EQ(s.Q("SELECT carga_numero_cargas_iguais FROM carga WHERE circuito_sequencial=19"), "28");
    EXPECT_TRUE(s.Doc().IsModified());

    // Again: another code, the next keys; the clipboard still holds its own code and keys.
    s.Tree().SelectItem(s.Tree().GetRootItem());
    s.Command(ID_CIRCUITO_COLAR);
    EXPECT_EQ(s.Q("SELECT group_concat(circuito_codigo) FROM circuito WHERE circuito_sequencial>=22"),
              "QD13,ILUM-01,TUG-01,BOMBA");
    EXPECT_EQ(Linhas(s, "motor"), "21,25");
    EXPECT_EQ(zeltest::QueryText(s.app.m_pClipboardDb->GetName(),
                                 "SELECT circuito_codigo FROM circuito WHERE circuito_sequencial_pai IS NULL"),
              "QD1");
    EXPECT_EQ(zeltest::QueryText(s.app.m_pClipboardDb->GetName(), "SELECT group_concat(circuito_sequencial) FROM circuito"),
              "1,2,3,4");

    // A new project clears the clipboard flag; pasting there would need a new copy.
    s.Command(ID_FILE_NEW);
    EXPECT_EQ(s.app.m_bClipboardHasCircuit, 0);
}

TEST(LvsizeCircuitos, PasteIntoAnEmptyProjectKeepsTheCodeAndStartsAtOne)
{
    Shell s;
    ASSERT_TRUE(s.Start());
    s.abrir = s.Exemplo();
    s.Command(ID_FILE_OPEN);
    s.Select("QD1");
    s.Command(ID_CIRCUITO_COPIAR);
    // A second copy replaces the first one whole.
    s.Select("AR-COND");
    s.Command(ID_CIRCUITO_COPIAR);
    s.Select("QD1");
    s.Command(ID_CIRCUITO_COPIAR);
    s.Command(ID_JANELA_PROXIMA);
    ASSERT_EQ(s.Doc().GetTitle(), "Projeto_LVSIZE_sem_nome");
    s.Command(ID_CIRCUITO_COLAR);
    EXPECT_EQ(s.Arvore(), "Origem(QD1(ILUM-01,TUG-01,BOMBA))");
    EXPECT_EQ(Linhas(s, "circuito"), "1,2,3,4");
    EXPECT_EQ(Linhas(s, "carga"), "2,3");
}

TEST(LvsizeCircuitos, AFailedCopyOffersNothingToPaste)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    s.Select("QD1");
    s.Command(ID_CIRCUITO_COPIAR);
    ASSERT_EQ(s.app.m_bClipboardHasCircuit, 1);
    s.app.m_pClipboardDb->Execute("DROP TABLE motor");
    s.Command(ID_CIRCUITO_COPIAR);
    EXPECT_EQ(s.Errors(), 1);
    EXPECT_EQ(s.app.m_bClipboardHasCircuit, 0);
    s.Tree().SelectItem(s.Tree().GetRootItem());
    EXPECT_FALSE(s.Enabled(ID_CIRCUITO_COLAR));
}
