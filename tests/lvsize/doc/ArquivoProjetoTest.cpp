// Project files as a careful user and a hostile machine meet them: another program's file, an empty one, a
// project another program holds, a read-only one, a damaged tree, names at the length limit, links and shared
// groups, the earlier Windows programs' texts, what a killed save left beside the project.
#include "DocumentoFixture.h"

#include "DaoDatabase.h"
#include "DaoRecordsetManual.h"
#include "LvsizeDoc.h"
#include "MvsizeDoc.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <memory>
#include <regex>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>

using zeltest::EmOutroProcesso;
using zeltest::ProgramaVivo;

namespace {

// The files of a folder, but the error log the reporter keeps in the current directory.
std::set<std::string> Nomes(const fs::path& pasta)
{
    std::set<std::string> nomes;
    for (const auto& e : fs::directory_iterator(pasta))
        if (e.path().filename() != "ZEL.LOG")
            nomes.insert(e.path().filename().string());
    return nomes;
}

bool Contem(const std::string& texto, const std::string& parte)
{
    return texto.find(parte) != std::string::npos;
}

}  // namespace

TEST_F(Documento, FilesThatAreNotThisProgramsProjectsAreRefusedAtOpenAndLeftAsTheyWere)
{
    const std::string mt = dir.File("ZelMt02.zel");
    fs::copy_file(std::string(ZEL_DATA_DIR) + "/ZelMt02.zel", mt);
    // An Lvsize project with its loads and motors; an Mvsize project; a database of no program; an empty file.
    const std::string lvp = ProjetoComLinhas("quadro.lvp");
    const std::string mvp = dir.File("subestacao.mvp");
    fs::copy_file(mt, mvp);
    zeltest::RunSql(mvp, "INSERT INTO circuito(circuito_sequencial,circuito_codigo,classe_tensao_codigo) "
                         "VALUES (1,'AL-1',2);");
    const std::string agenda = dir.File("agenda.lvp");
    zeltest::MakeDatabase(agenda, "CREATE TABLE contato (nome TEXT); INSERT INTO contato VALUES ('x');");
    const std::string vazio = dir.File("vazio.lvp");
    std::ofstream(vazio).close();
    // A project whose length column another tool declared as text: every read of it would fail.
    const std::string tipo = ProjetoComLinhas("tipo.lvp");
    const std::string criacao = std::regex_replace(
        zeltest::QueryText(tipo, "SELECT quote(sql) FROM sqlite_master WHERE name='circuito'"),
        std::regex("circuito_comprimento\\s+SINGLE"), "circuito_comprimento TEXT(50)");
    zeltest::RunSql(tipo, "PRAGMA writable_schema=ON; UPDATE sqlite_master SET sql=" + criacao +
                              " WHERE name='circuito'; PRAGMA writable_schema=OFF;");

    struct Caso {
        std::string arquivo;
        bool mvsize;
        const char* motivo;
    };
    // A project whose circuit page lists free space where rows are: it reads well, and the next write to that
    // page could overwrite circuits.
    const std::string livre = ProjetoComLinhas("espaco-livre.lvp");
    {
        const long pagina = std::stol(zeltest::QueryText(livre, "SELECT rootpage FROM sqlite_master WHERE name='circuito'"));
        const long tamanho = std::stol(zeltest::QueryText(livre, "PRAGMA page_size"));
        std::fstream f(livre, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp((pagina - 1) * tamanho + 1);  // the page's first free block
        f.put('\x0f');
    }
    // A project another tool wrote without a circuit's code: it would open, and no save could keep it.
    const std::string semCodigo = ProjetoComLinhas("sem-codigo.lvp");
    zeltest::RunSql(semCodigo,
                    "PRAGMA writable_schema=ON; UPDATE sqlite_master SET sql=" +
                        std::regex_replace(zeltest::QueryText(semCodigo, "SELECT quote(sql) FROM sqlite_master WHERE "
                                                                         "name='circuito'"),
                                           std::regex("circuito_codigo(\\s+)TEXT\\(24\\) NOT NULL"),
                                           "circuito_codigo TEXT(24)") +
                        " WHERE name='circuito'; PRAGMA writable_schema=OFF;");
    zeltest::RunSql(semCodigo, "UPDATE circuito SET circuito_codigo=NULL WHERE circuito_sequencial=2");
    const Caso casos[] = {
        {lvp, true, "não é um projeto do Mvsize"},
        {mvp, false, "não é um projeto do Lvsize"},
        {agenda, false, "não é um projeto do Lvsize"},
        {agenda, true, "não é um projeto do Mvsize"},
        {vazio, false, "está vazio"},
        {livre, false, "está danificado: a estrutura do arquivo não confere"},
        {semCodigo, false, "está danificado: 1 linha(s) da tabela circuito sem valor na coluna circuito_codigo"},
        {tipo, false, "não é um projeto do Lvsize (a coluna circuito_comprimento da tabela circuito é do tipo "
                      "TEXT(50), não SINGLE)"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.arquivo);
        mensagens.shown.clear();
        const std::string antes = zeltest::ReadFile(c.arquivo);
        const auto pasta = Nomes(dir.Path());
        std::unique_ptr<CLvsizeDoc> doc = c.mvsize ? std::make_unique<CMvsizeDoc>() : std::make_unique<CLvsizeDoc>();
        doc->m_strTemplateFile = c.mvsize ? mt : modelo;
        EXPECT_FALSE(doc->OnOpenDocument(c.arquivo));
        ASSERT_EQ(mensagens.shown.size(), 1u);
        EXPECT_TRUE(Contem(mensagens.shown[0].text, c.arquivo)) << mensagens.shown[0].text;
        EXPECT_TRUE(Contem(mensagens.shown[0].text, c.motivo)) << mensagens.shown[0].text;
        // Nothing open, so nothing a save could write over the file.
        EXPECT_EQ(doc->m_pDatabase, nullptr);
        EXPECT_FALSE(doc->OnSaveDocument(c.arquivo));
        EXPECT_TRUE(zeltest::ReadFile(c.arquivo) == antes) << "the file as it was";
        EXPECT_EQ(Nomes(dir.Path()), pasta);
        EXPECT_EQ(Temporarios(), 0);
    }
}

TEST_F(Documento, AProjectOpenInOneProgramIsInUseForAnother)
{
    const std::string obra = ProjetoComLinhas("obra.lvp");
    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    ASSERT_TRUE(doc.OnOpenDocument(obra));
    doc.m_pDatabase->Execute("UPDATE circuito SET circuito_codigo='MEU' WHERE circuito_sequencial=2");
    const std::string antes = zeltest::ReadFile(obra);

    // The other program: its open says the project is in use and opens nothing; its save does not replace it.
    // 0: refused with one message naming the file; 1: it went ahead; 2: refused otherwise.
    const auto outro = [&](bool salvar) {
        return EmOutroProcesso([&] {
            mensagens.shown.clear();
            CLvsizeDoc segundo;
            segundo.m_strTemplateFile = modelo;
            if (salvar ? !segundo.OnNewDocument() || segundo.OnSaveDocument(obra) : segundo.OnOpenDocument(obra))
                return 1;
            const bool dito = mensagens.shown.size() == 1 && Contem(mensagens.shown[0].text, obra) &&
                              Contem(mensagens.shown[0].text, "em uso");
            return dito ? 0 : 2;
        });
    };
    EXPECT_EQ(outro(false), 0);
    EXPECT_EQ(outro(true), 0);
    EXPECT_TRUE(zeltest::ReadFile(obra) == antes) << "the file as it was";

    // Saved, the new file is held as the old one was; closed, the project is free again.
    ASSERT_TRUE(doc.OnSaveDocument(obra));
    EXPECT_EQ(outro(false), 0);
    doc.DeleteContents();
    EXPECT_EQ(EmOutroProcesso([&] {
                  CLvsizeDoc segundo;
                  segundo.m_strTemplateFile = modelo;
                  return segundo.OnOpenDocument(obra) ? 0 : 1;
              }),
              0);
    EXPECT_EQ(zeltest::QueryText(obra, "SELECT circuito_codigo FROM circuito WHERE circuito_sequencial=2"), "MEU");
}

TEST_F(Documento, AReadOnlyProjectIsWorkedOnAWritableCopyAndNeverSavedOver)
{
    const std::string obra = ProjetoComLinhas("protegida.lvp");
    ::chmod(obra.c_str(), 0444);
    const std::string antes = zeltest::ReadFile(obra);
    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    ASSERT_TRUE(doc.OnOpenDocument(obra));
    const fs::perms copia = fs::status(doc.m_pDatabase->GetName()).permissions();
    EXPECT_NE(copia & fs::perms::owner_write, fs::perms::none) << "the working copy is always writable";
    // What the circuit dialogs and the sizing write.
    EXPECT_NO_THROW(doc.m_pDatabase->Execute("INSERT INTO circuito(circuito_sequencial,circuito_codigo) VALUES (9,'NOVO')"));
    EXPECT_NO_THROW(doc.m_pDatabase->Execute("UPDATE circuito SET circuito_calculado=-1"));
    doc.SetModifiedFlag(true);

    EXPECT_FALSE(doc.OnSaveDocument(obra));
    ASSERT_EQ(mensagens.shown.size(), 1u);
    EXPECT_TRUE(Contem(mensagens.shown[0].text, obra)) << mensagens.shown[0].text;
    EXPECT_TRUE(Contem(mensagens.shown[0].text, "somente leitura")) << mensagens.shown[0].text;
    EXPECT_TRUE(zeltest::ReadFile(obra) == antes) << "the file as it was";
    EXPECT_TRUE(doc.IsModified());

    const std::string outra = dir.File("copia.lvp");
    ASSERT_TRUE(doc.OnSaveDocument(outra));
    EXPECT_EQ(zeltest::QueryText(outra, "SELECT circuito_codigo FROM circuito WHERE circuito_sequencial=9"), "NOVO");
}

// A project another tool wrote without the template's triggers and indexes, or with triggers of its own:
// the working copy gets the template's and only those (the user's file stays as it was), so a deleted
// circuit takes its loads along and nothing the file brought changes what the program writes. Keys that
// the template's unique index cannot hold are a damaged project, refused by name.
TEST_F(Documento, TheWorkingCopyHasTheTemplatesTriggersAndIndexesAndNoOthers)
{
    const std::string obra = ProjetoComLinhas("outra-ferramenta.lvp");
    zeltest::RunSql(obra, "DROP TRIGGER circuito_exclui; DROP INDEX circuito_chave;"
                          "CREATE TRIGGER hostil AFTER UPDATE ON circuito BEGIN "
                          "UPDATE circuito SET secao_nominal=1.5; END;");
    const std::string antes = zeltest::ReadFile(obra);
    {
        CLvsizeDoc doc;
        doc.m_strTemplateFile = modelo;
        ASSERT_TRUE(doc.OnOpenDocument(obra));
        EXPECT_TRUE(mensagens.shown.empty());
        CDaoDatabase& db = *doc.m_pDatabase;
        db.Execute("UPDATE circuito SET secao_nominal=25 WHERE circuito_sequencial=1");
        db.Execute("DELETE FROM circuito WHERE circuito_sequencial=2");
        const std::string copia = db.GetName();
        EXPECT_EQ(zeltest::QueryText(copia, "SELECT secao_nominal FROM circuito WHERE circuito_sequencial=1"), "25");
        EXPECT_EQ(zeltest::QueryText(copia, "SELECT COUNT(*) FROM carga"), "0") << "the loads went with their circuit";
        EXPECT_THROW(db.Execute("INSERT INTO circuito(circuito_sequencial,circuito_codigo) VALUES (1,'OUTRO')"),
                     CDaoException);
    }
    EXPECT_TRUE(zeltest::ReadFile(obra) == antes) << "the file as it was";

    const std::string repetida = ProjetoComLinhas("repetida.lvp");
    zeltest::RunSql(repetida, "DROP INDEX circuito_chave; INSERT INTO circuito(circuito_sequencial,circuito_codigo) "
                              "VALUES (1,'DUPLO');");
    const std::string antesRepetida = zeltest::ReadFile(repetida);
    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    EXPECT_FALSE(doc.OnOpenDocument(repetida));
    ASSERT_EQ(mensagens.shown.size(), 1u);
    EXPECT_TRUE(Contem(mensagens.shown[0].text, "O projeto '" + repetida + "' está danificado")) << mensagens.shown[0].text;
    EXPECT_TRUE(Contem(mensagens.shown[0].text, "mesma chave")) << mensagens.shown[0].text;
    EXPECT_EQ(doc.m_pDatabase, nullptr);
    EXPECT_TRUE(zeltest::ReadFile(repetida) == antesRepetida);
    EXPECT_EQ(Temporarios(), 0);
}

TEST_F(Documento, CircuitsTheTreeCannotShowAreReportedOnceAtOpenByCode)
{
    const std::string obra =
        Projeto("danificada.lvp", "INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo) "
                                  "VALUES (1,NULL,'QGBT'),(2,1,'ILUM'),(3,99,'ORFAO'),(4,5,'LACO-A'),(5,4,'LACO-B'),"
                                  "(6,4,'SOB-LACO'),(7,7,'PROPRIO');");
    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    ASSERT_TRUE(doc.OnOpenDocument(obra)) << "the rest of the project stays workable";
    ASSERT_EQ(mensagens.shown.size(), 1u);
    const std::string& texto = mensagens.shown[0].text;
    EXPECT_TRUE(Contem(texto, obra)) << texto;
    for (const char* fora : {"ORFAO", "LACO-A", "LACO-B", "SOB-LACO", "PROPRIO"})
        EXPECT_TRUE(Contem(texto, fora)) << fora << ": " << texto;
    for (const char* visto : {"QGBT", "ILUM"})
        EXPECT_FALSE(Contem(texto, visto)) << visto << ": " << texto;
}

TEST_F(Documento, ProjectsWithNamesUpToTheLimitOpenAndSaveInPlace)
{
    for (size_t bytes : {238u, 250u, 254u, 255u}) {
        // Two-byte characters all along, so that a shortened name would have to be cut between characters.
        std::string nome = "Obra ";
        while (nome.size() + 2 <= bytes - 4)
            nome += "ç";
        while (nome.size() < bytes - 4)
            nome += 'x';
        nome += ".lvp";
        ASSERT_EQ(nome.size(), bytes);
        SCOPED_TRACE(bytes);
        mensagens.shown.clear();
        // Made under a short name: SQLite cannot write a file whose "-journal" name would be too long.
        const std::string obra = dir.File(nome);
        fs::rename(ProjetoComLinhas("curto.lvp"), obra);
        CLvsizeDoc doc;
        doc.m_strTemplateFile = modelo;
        ASSERT_TRUE(doc.OnOpenDocument(obra));
        doc.m_pDatabase->Execute("UPDATE circuito SET circuito_codigo='SALVO' WHERE circuito_sequencial=1");
        EXPECT_TRUE(doc.OnSaveDocument(obra));
        EXPECT_TRUE(mensagens.shown.empty()) << (mensagens.shown.empty() ? "" : mensagens.shown[0].text);
        doc.DeleteContents();
        fs::rename(obra, dir.File("curto.lvp"));
        EXPECT_EQ(zeltest::QueryText(dir.File("curto.lvp"),
                                     "SELECT circuito_codigo FROM circuito WHERE circuito_sequencial=1"),
                  "SALVO");
        fs::remove(dir.File("curto.lvp"));
    }
    EXPECT_EQ(Nomes(dir.Path()), (std::set<std::string>{"ZelBt02.zel", "tmp"})) << "nothing left beside";
}

TEST_F(Documento, ASaveKeepsTheFilesModeAndGroupAndWritesThroughALink)
{
    fs::create_directories(dir.File("obras"));
    const std::string real = ProjetoComLinhas("obras/real.lvp");
    ::chmod(real.c_str(), 0640);
    // A project shared by a group other than the user's own (root may give it any group).
    gid_t grupo = ::getegid();
    if (::geteuid() == 0) {
        grupo = 4242;
    } else {
        gid_t grupos[64];
        const int n = ::getgroups(64, grupos);
        for (int i = 0; i < n; ++i)
            if (grupos[i] != ::getegid())
                grupo = grupos[i];
    }
    ASSERT_EQ(::chown(real.c_str(), static_cast<uid_t>(-1), grupo), 0);
    const std::string atalho = dir.File("atalho.lvp");
    fs::create_symlink("obras/real.lvp", atalho);

    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    ASSERT_TRUE(doc.OnOpenDocument(atalho));
    doc.m_pDatabase->Execute("UPDATE circuito SET circuito_codigo='NOVO' WHERE circuito_sequencial=1");
    ASSERT_TRUE(doc.OnSaveDocument(atalho));
    EXPECT_TRUE(mensagens.shown.empty());

    ASSERT_TRUE(fs::is_symlink(atalho)) << "the link stays a link";
    EXPECT_EQ(fs::read_symlink(atalho), "obras/real.lvp");
    EXPECT_EQ(zeltest::QueryText(real, "SELECT circuito_codigo FROM circuito WHERE circuito_sequencial=1"), "NOVO");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_gid, grupo);
    EXPECT_EQ(Nomes(dir.File("obras")), (std::set<std::string>{"real.lvp"}));
}

TEST_F(Documento, TextsTheEarlierProgramsWroteInTheirCodePageAreReadAndSavedAsUtf8)
{
    // "Iluminação" and "ElétricaLtda" in cp1252; "Ação" already in UTF-8.
    const std::string obra =
        Projeto("antiga.lvp", "INSERT INTO circuito(circuito_sequencial,circuito_codigo) VALUES "
                              "(1,CAST(X'496C756D696E61E7E36F' AS TEXT)),(2,'Ação');"
                              "INSERT INTO projeto(projeto_cliente) VALUES (CAST(X'456CE974726963614C746461' AS TEXT));");
    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    ASSERT_TRUE(doc.OnOpenDocument(obra));
    {
        CDaoRecordsetManual rs(doc.m_pDatabase, dbOpenSnapshot,
                               "SELECT circuito_codigo FROM circuito ORDER BY circuito_sequencial");
        std::string codigo;
        rs.GetFieldString("circuito_codigo", codigo);
        EXPECT_EQ(codigo, "Iluminação");
        rs.MoveNext();
        rs.GetFieldString("circuito_codigo", codigo);
        EXPECT_EQ(codigo, "Ação");
    }
    const std::string nova = dir.File("nova.lvp");
    ASSERT_TRUE(doc.OnSaveDocument(nova));
    EXPECT_EQ(zeltest::QueryText(nova, "SELECT hex(circuito_codigo) FROM circuito WHERE circuito_sequencial=1"),
              "496C756D696E61C3A7C3A36F");
    EXPECT_EQ(zeltest::QueryText(nova, "SELECT hex(circuito_codigo) FROM circuito WHERE circuito_sequencial=2"),
              "41C3A7C3A36F");
    EXPECT_EQ(zeltest::QueryText(nova, "SELECT projeto_cliente FROM projeto"), "ElétricaLtda");
}

TEST_F(Documento, ASaveRemovesWhatAKilledSaveOfTheSameProjectLeftBesideIt)
{
    const std::string obra = ProjetoComLinhas("obra.lvp");
    const auto criar = [&](const std::string& nome) {
        std::ofstream(dir.File(nome)) << "metade de um projeto";
        return dir.File(nome);
    };
    criar("obra.lvp.ZELab12CD");
    criar("outra.lvp.ZELab12CD");  // another project's
    criar("obra.lvp.ZELab12");     // not a name a save makes
    criar("obra.lvp.ZELab12CD.bak");
    // A save of this project still running in another program (it holds its new file).
    const std::string vivo = criar("obra.lvp.ZELvivo01");
    ProgramaVivo outro([&](const std::function<void()>& esperar) {
        const int fd = ::open(vivo.c_str(), O_RDONLY);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
            return 1;
        esperar();
        return 0;
    });
    ASSERT_TRUE(outro.Pronto());

    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    ASSERT_TRUE(doc.OnOpenDocument(obra));
    ASSERT_TRUE(doc.OnSaveDocument(obra));
    EXPECT_EQ(Nomes(dir.Path()),
              (std::set<std::string>{"ZelBt02.zel", "tmp", "obra.lvp", "outra.lvp.ZELab12CD", "obra.lvp.ZELab12",
                                     "obra.lvp.ZELab12CD.bak", "obra.lvp.ZELvivo01"}));
    EXPECT_EQ(outro.Encerrar(), 0);
}

// Every failure of the working copy - the document's own, or a report's that reads it - names the project
// the user opened, never the temporary file, and a full disk says so.
TEST_F(Documento, FailuresOfTheWorkingCopyNameTheProject)
{
    const std::string obra = ProjetoComLinhas("Edifício Central.lvp");
    CLvsizeDoc doc;
    doc.m_strTemplateFile = modelo;
    ASSERT_TRUE(doc.OnOpenDocument(obra));
    const std::string copia = doc.m_pDatabase->GetName();
    const auto falha = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const CDaoException& e) {
            return e.m_pErrorInfo ? e.m_pErrorInfo->m_strDescription : std::string("?");
        }
        return std::string();
    };
    // The disk full: the file may not grow.
    doc.m_pDatabase->Execute("PRAGMA max_page_count=" + zeltest::QueryText(copia, "PRAGMA page_count"));
    const std::string cheio = falha([&] {
        doc.m_pDatabase->Execute("INSERT INTO circuito_impressao(circuito_sequencial,circuito_impressao_sequencial,"
                                 "tipo_dado_codigo,circuito_impressao_valor) VALUES (1,2,3,zeroblob(200000))");
    });
    EXPECT_EQ(cheio, "O disco está cheio: não foi possível gravar o arquivo de dados '" + obra + "'.");
    // A report reads the working copy through a connection of its own.
    CDaoDatabase relatorio;
    relatorio.Open(copia, false, true);
    const std::string leitura = falha([&] { relatorio.Execute("DELETE FROM circuito"); });
    EXPECT_NE(leitura.find("'" + obra + "'"), std::string::npos) << leitura;
    for (const std::string& texto : {cheio, leitura})
        EXPECT_EQ(texto.find(copia), std::string::npos) << texto;
}
