// The project document: working copies, the save through a file beside the target and a rename, the title.
#include "DocumentoFixture.h"

#include "DaoDatabase.h"
#include "LvsizeDoc.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

TEST_F(Documento, NewWorksOnACopyOfTheTemplateAndCloseRemovesIt)
{
    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    ASSERT_TRUE(doc.OnNewDocument());
    ASSERT_NE(doc.m_pDatabase, nullptr);
    EXPECT_EQ(doc.GetTitle(), "Projeto_LVSIZE_sem_nome");
    EXPECT_FALSE(doc.IsModified());
    const std::string copia = doc.m_pDatabase->GetName();
    EXPECT_NE(copia, modelo);
    EXPECT_EQ(Temporarios(), 1);
    doc.m_pDatabase->Execute("INSERT INTO circuito(circuito_sequencial,circuito_codigo) VALUES (1,'C1')");
    EXPECT_EQ(zeltest::QueryText(modelo, "SELECT COUNT(*) FROM circuito"), "0") << "the template is never written";
    EXPECT_EQ(zeltest::QueryText(copia, "PRAGMA journal_mode"), "delete");
    doc.DeleteContents();
    EXPECT_EQ(doc.m_pDatabase, nullptr);
    EXPECT_FALSE(fs::exists(copia));
    EXPECT_EQ(Temporarios(), 0);
}

TEST_F(Documento, NewWithoutTemplateStaysOpenWithoutDatabaseAndCannotBeSavedOverAFile)
{
    CLvsizeDoc doc;
    doc.m_strTemplateFile = dir.File("nao-existe.zel");
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.m_pDatabase, nullptr);
    EXPECT_EQ(doc.GetTitle(), "Projeto_LVSIZE_sem_nome");
    EXPECT_EQ(Temporarios(), 0) << "the unused temporary name is removed";
    EXPECT_TRUE(mensagens.shown.empty());

    const std::string alvo = ProjetoComLinhas("bom.lvp");
    doc.SetModifiedFlag(true);
    EXPECT_FALSE(doc.OnSaveDocument(alvo));
    EXPECT_EQ(mensagens.shown.size(), 1u);
    EXPECT_EQ(Contagens(alvo), "2,1,1,1,1,1") << "the last good file is untouched";
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Documento, OpenSaveRoundTripCopiesEveryRowOfTheFiveTablesAndTheProjectRow)
{
    const std::string origem = ProjetoComLinhas("origem.lvp");
    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    ASSERT_TRUE(doc.OnOpenDocument(origem));
    doc.SetPathName(origem);
    EXPECT_EQ(doc.GetTitle(), "origem");
    doc.m_pDatabase->Execute("INSERT INTO carga(circuito_sequencial,carga_sequencial) VALUES (2,2)");
    doc.SetModifiedFlag(true);

    // Saved under another name (a folder with an apostrophe, a semicolon and a bracket in it).
    fs::create_directories(dir.File("o'brien;[x]"));
    const std::string destino = dir.File("o'brien;[x]/copia.lvp");
    ASSERT_TRUE(doc.OnSaveDocument(destino));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Contagens(destino), "2,1,2,1,1,1");
    EXPECT_EQ(zeltest::QueryText(destino, "SELECT circuito_codigo FROM circuito WHERE circuito_sequencial=1"), "QD'1");
    EXPECT_EQ(zeltest::QueryText(destino, "SELECT projeto_cliente FROM projeto"), "Cliente");
    EXPECT_EQ(Contagens(origem), "2,1,1,1,1,1") << "Salvar como leaves the previous file as it was";
    // Nothing is left beside the target.
    int arquivos = 0;
    for (const auto& e : fs::directory_iterator(dir.File("o'brien;[x]")))
        arquivos += e.is_regular_file();
    EXPECT_EQ(arquivos, 1);
    EXPECT_TRUE(mensagens.shown.empty());
}

TEST_F(Documento, SavingAgainReplacesTheTemplatesProjectRows)
{
    // A template whose projeto table is not empty: its rows must not reach the saved file.
    zeltest::RunSql(modelo, "INSERT INTO projeto(projeto_cliente) VALUES ('do modelo')");
    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    ASSERT_TRUE(doc.OnNewDocument());
    doc.m_pDatabase->Execute("DELETE FROM projeto");
    doc.m_pDatabase->Execute("INSERT INTO projeto(projeto_cliente) VALUES ('do projeto')");
    const std::string alvo = dir.File("novo.lvp");
    ASSERT_TRUE(doc.OnSaveDocument(alvo));
    ASSERT_TRUE(doc.OnSaveDocument(alvo));
    EXPECT_EQ(zeltest::QueryText(alvo, "SELECT group_concat(projeto_cliente) FROM projeto"), "do projeto");
}

TEST_F(Documento, AFailedSaveLeavesTheTargetIntactAndNoTemporaryFile)
{
    const std::string alvo = ProjetoComLinhas("alvo.lvp");
    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    ASSERT_TRUE(doc.OnNewDocument());
    doc.m_pDatabase->Execute("INSERT INTO circuito(circuito_sequencial,circuito_codigo) VALUES (7,'NOVO')");
    // A working copy that lost one of its tables: copying its rows fails half-way.
    doc.m_pDatabase->Execute("DROP TABLE motor");
    doc.SetModifiedFlag(true);
    EXPECT_FALSE(doc.OnSaveDocument(alvo));
    ASSERT_EQ(mensagens.shown.size(), 1u);
    EXPECT_NE(mensagens.shown[0].text.find("Encontrado ERRO"), std::string::npos) << mensagens.shown[0].text;
    EXPECT_EQ(Contagens(alvo), "2,1,1,1,1,1");
    EXPECT_TRUE(doc.IsModified());
    int arquivos = 0;
    for (const auto& e : fs::directory_iterator(dir.Path()))
        arquivos += e.path().filename().string().rfind("alvo.lvp", 0) == 0;
    EXPECT_EQ(arquivos, 1) << "the temporary file beside the target is gone";
}

TEST_F(Documento, ReadOnlyTargetIsRefused)
{
    const std::string alvo = ProjetoComLinhas("protegido.lvp");
    ::chmod(alvo.c_str(), 0444);
    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    ASSERT_TRUE(doc.OnNewDocument());
    doc.SetModifiedFlag(true);
    EXPECT_FALSE(doc.OnSaveDocument(alvo));
    EXPECT_EQ(mensagens.shown.size(), 1u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Contagens(alvo), "2,1,1,1,1,1");
}

TEST_F(Documento, OpenFailuresReportAndLeaveNoWorkingCopy)
{
    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    EXPECT_FALSE(doc.OnOpenDocument(dir.File("nao-existe.lvp")));
    const std::string lixo = dir.File("lixo.lvp");
    std::ofstream(lixo) << "isto nao e um banco de dados, apenas texto suficiente para parecer um arquivo.";
    EXPECT_FALSE(doc.OnOpenDocument(lixo));
    EXPECT_EQ(doc.m_pDatabase, nullptr);
    EXPECT_EQ(mensagens.shown.size(), 2u);
    EXPECT_EQ(Temporarios(), 0);
}

TEST(DocumentoTitulo, FromPath)
{
    const std::pair<const char*, const char*> casos[] = {
        {"/home/eng/obra.lvp", "obra"},
        {"/home/eng/obra.rev2.final.lvp", "obra.rev2.final"},
        {"/home/eng.v1/obra", "obra"},
        {"C:\\Calc\\Projeto A.LVP", "Projeto A"},
        {"obra.", "obra"},
    };
    for (const auto& [path, titulo] : casos)
        EXPECT_EQ(CLvsizeDoc::TitleFromPath(path), titulo) << path;
}
