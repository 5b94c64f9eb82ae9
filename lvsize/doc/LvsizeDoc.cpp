#include "LvsizeDoc.h"

#include "AppServices.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

// Jet's numbers for the same failures: a file of an unknown format, a file in use, a read-only file, a
// damaged file.
constexpr long kNaoEProjeto = 3343;
constexpr long kEmUso = 3196;
constexpr long kSomenteLeitura = 3051;
constexpr long kDanificado = 3049;
// The engine's primary code of a constraint that failed.
constexpr long kRestricao = 19;

// How many circuit codes a message lists before it only counts the rest.
constexpr size_t kCodigosListados = 20;

bool CopyOver(const std::string& from, const std::string& to)
{
    std::error_code ec;
    if (from.empty() || to.empty())
        return false;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec)
        errno = ec.value();
    return !ec;
}

// A working copy is temporary: no journal file beside it to lose, and no disk wait on every statement.
void TuneWorkingCopy(CDaoDatabase& db)
{
    db.Execute("PRAGMA journal_mode=DELETE");
    db.Execute("PRAGMA synchronous=OFF");
}

// The file a save writes: the target itself, or, for a symbolic link, the file it leads to (the link stays).
std::string FollowLinks(const std::string& path)
{
    fs::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            break;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec)
            break;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p.string();
}

// The replaced file's permissions, or what a newly created file gets.
mode_t NewFileMode(const struct stat* existing)
{
    if (existing)
        return existing->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool LeftoverBeside(const std::string& name, const std::string& prefix)
{
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    return std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

std::string ListaCodigos(const std::vector<std::string>& codigos)
{
    std::string lista;
    for (size_t i = 0; i < codigos.size() && i < kCodigosListados; ++i)
        lista += (i ? ", " : "") + codigos[i];
    if (codigos.size() > kCodigosListados)
        lista += FormatC(" e mais %zu", codigos.size() - kCodigosListados);
    return lista;
}

// Names compared as Jet compares them: case folded.
std::string Dobrado(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::set<std::string> Tabelas(CDaoDatabase& db, const std::string& esquema)
{
    std::set<std::string> nomes;
    CDaoRecordsetManual rs(&db, dbOpenSnapshot,
                           "SELECT name FROM " + esquema +
                               ".sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite%'",
                           {});
    for (; !rs.IsEOF(); rs.MoveNext())
        nomes.insert(Dobrado(rs.GetFieldValue("name").strVal));
    return nomes;
}

// Each column's name, case folded, with its declared type.
std::map<std::string, std::string> Colunas(CDaoDatabase& db, const std::string& tabela, const std::string& esquema)
{
    std::map<std::string, std::string> colunas;
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, "SELECT name, type FROM pragma_table_info(?, ?)", {tabela, esquema});
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::string nome, tipo;
        rs.GetFieldString("name", nome);
        rs.GetFieldString("type", tipo);
        colunas.emplace(Dobrado(nome), tipo);
    }
    return colunas;
}

// Puts the database's failures under another name for a scope (a save's failures name its target).
class NomeNasFalhas {
public:
    NomeNasFalhas(CDaoDatabase& db, const std::string& nome) : m_db(db), m_antes(db.GetDisplayName())
    {
        m_db.SetDisplayName(nome);
    }
    ~NomeNasFalhas() { m_db.SetDisplayName(m_antes); }
    NomeNasFalhas(const NomeNasFalhas&) = delete;
    NomeNasFalhas& operator=(const NomeNasFalhas&) = delete;

private:
    CDaoDatabase& m_db;
    std::string m_antes;
};

}  // namespace

// The project tables a save carries over, in the order they are written; projeto last.
CLvsizeDoc::CLvsizeDoc()
    : CLvsizeDoc(Formato{"CLvsizeDoc",
                         kTituloSemNome,
                         {"circuito", "circuito_x_tabela_selecao", "carga", "motor", "circuito_impressao"},
                         false,
                         "Lvsize"})
{
}

CLvsizeDoc::CLvsizeDoc(Formato formato) : m_formato(std::move(formato)) {}

CLvsizeDoc::~CLvsizeDoc()
{
    DeleteContents();
}

std::string CLvsizeDoc::TitleFromPath(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

std::string CLvsizeDoc::SaveTempPrefix(const std::string& target)
{
    std::string name = fs::path(target).filename().string();
    // ".ZEL" and six characters more, and the engine's "-journal" beside the file while it is written, must
    // still make valid names: a long name is cut, never inside a character.
    constexpr size_t kSufixo = 10;
    constexpr size_t kDiario = 8;
    const size_t limite = NAME_MAX - kSufixo - kDiario;
    if (name.size() > limite) {
        size_t corte = limite;
        while (corte > 0 && (static_cast<unsigned char>(name[corte]) & 0xC0) == 0x80)
            --corte;
        name.resize(corte);
    }
    return name + ".ZEL";
}

void CLvsizeDoc::SetPathName(const std::string& path)
{
    CProjectDocument::SetPathName(path);
    SetTitle(TitleFromPath(path));
}

void CLvsizeDoc::RelatarDados(const char* metodo, long codigo, const std::string& texto) const
{
    const CDaoException e(codigo, m_formato.programa, texto);
    ReportError(Local(metodo).c_str(), &e);
}

void CLvsizeDoc::DeleteContents()
{
    ReleaseFileLock(m_projetoPreso);
    if (!m_pDatabase)
        return;
    std::string name;
    try {
        name = m_pDatabase->GetName();
        m_pDatabase->Close();
    } catch (CDaoException& e) {
        ReportError(Local("DeleteContents").c_str(), &e);
    }
    delete m_pDatabase;
    m_pDatabase = nullptr;
    if (!name.empty())
        std::remove(name.c_str());
}

int CLvsizeDoc::OnNewDocument()
{
    DeleteContents();
    SetModifiedFlag(false);
    CProjectDocument::SetPathName("");
    std::string temp;
    if (MakeTempFileName(temp)) {
        TempFileGuard guard(temp);
        if (CopyOver(m_strTemplateFile, temp)) {
            auto* db = new CDaoDatabase;
            db->SetDisplayName(m_formato.tituloSemNome);
            try {
                db->Open(temp, false, false, "");
                TuneWorkingCopy(*db);
                m_pDatabase = db;
                guard.Release();
            } catch (CDaoException& e) {
                delete db;
                ReportError(Local("OnNewDocument").c_str(), &e);
            }
        }
    }
    SetTitle(m_formato.tituloSemNome);
    return TRUE;
}

bool CLvsizeDoc::EsquemaDoPrograma(const std::string& path)
{
    std::error_code ec;
    if (m_strTemplateFile.empty() || !fs::is_regular_file(m_strTemplateFile, ec))
        return true;  // nothing to compare with; without its template the program saves nothing either
    std::string diferenca;
    {
        CDaoAttachment modelo(*m_pDatabase, m_strTemplateFile);
        const std::set<std::string> doArquivo = Tabelas(*m_pDatabase, "main");
        const std::set<std::string> doPrograma = Tabelas(*m_pDatabase, modelo.Alias());
        for (const std::string& t : doPrograma)
            if (!doArquivo.count(t)) {
                diferenca = "falta a tabela " + t;
                break;
            }
        for (const std::string& t : doArquivo)
            if (diferenca.empty() && !doPrograma.count(t))
                diferenca = "a tabela " + t + " não é de um projeto do " + m_formato.programa;
        for (const std::string& t : doPrograma) {
            if (!diferenca.empty())
                break;
            const auto arquivo = Colunas(*m_pDatabase, t, "main");
            const auto programa = Colunas(*m_pDatabase, t, modelo.Alias());
            for (const auto& [c, tipo] : programa)
                if (diferenca.empty() && !arquivo.count(c))
                    diferenca = "falta a coluna " + c + " na tabela " + t;
            for (const auto& [c, tipo] : arquivo)
                if (diferenca.empty() && !programa.count(c))
                    diferenca = "a coluna " + c + " da tabela " + t + " não é de um projeto do " + m_formato.programa;
            // A column of another type would be read as the program's type and fail at every read.
            for (const auto& [c, tipo] : programa) {
                const auto it = arquivo.find(c);
                if (diferenca.empty() && it != arquivo.end() &&
                    VariantTypeOfDeclared(it->second.c_str()) != VariantTypeOfDeclared(tipo.c_str()))
                    diferenca = "a coluna " + c + " da tabela " + t + " é do tipo " +
                                (it->second.empty() ? std::string("indefinido") : it->second) + ", não " + tipo;
            }
        }
    }
    if (diferenca.empty())
        return true;
    RelatarDados("OnOpenDocument", kNaoEProjeto,
                 "O arquivo '" + path + "' não é um projeto do " + m_formato.programa + " (" + diferenca +
                     "). Nada foi aberto.");
    return false;
}

// Damage the engine meets only where it reads (a page cut short, a flipped byte in an index) would otherwise
// show up later, in the middle of the user's work, or fail the save that should keep it: it is looked for
// once, at open.
bool CLvsizeDoc::ArquivoInteiro(const std::string& path)
{
    std::string resultado;
    {
        CDaoRecordsetManual rs(m_pDatabase, dbOpenSnapshot, "PRAGMA quick_check(1)", {});
        if (!rs.IsEOF())
            rs.GetFieldString("quick_check", resultado);
    }
    if (resultado == "ok")
        return true;
    RelatarDados("OnOpenDocument", kDanificado,
                 "O projeto '" + path + "' está danificado: a estrutura do arquivo não confere. Nada foi aberto.");
    return false;
}

// A file another tool wrote may hold no value where the template requires one. It would open and be worked
// on, and then every save would be refused, with the user's work in it: it is refused now, by name.
bool CLvsizeDoc::ValoresObrigatorios(const std::string& path)
{
    std::error_code ec;
    if (m_strTemplateFile.empty() || !fs::is_regular_file(m_strTemplateFile, ec))
        return true;
    std::vector<std::pair<std::string, std::string>> obrigatorios;  // table, column
    {
        CDaoAttachment modelo(*m_pDatabase, m_strTemplateFile);
        CDaoRecordsetManual rs(m_pDatabase, dbOpenSnapshot,
                               "SELECT m.name AS tabela, c.name AS coluna FROM " + modelo.Alias() +
                                   ".sqlite_master m, pragma_table_info(m.name, ?) c WHERE m.type='table' AND "
                                   "m.name NOT LIKE 'sqlite%' AND c.\"notnull\"",
                               {modelo.Alias()});
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string tabela, coluna;
            rs.GetFieldString("tabela", tabela);
            rs.GetFieldString("coluna", coluna);
            obrigatorios.emplace_back(tabela, coluna);
        }
    }
    for (const auto& [tabela, coluna] : obrigatorios) {
        CDaoRecordsetManual rs(m_pDatabase, dbOpenSnapshot,
                               "SELECT count(*) AS n FROM main.\"" + tabela + "\" WHERE \"" + coluna + "\" IS NULL",
                               {});
        long n = 0;
        rs.GetFieldLong("n", n);
        if (n == 0)
            continue;
        RelatarDados("OnOpenDocument", kDanificado,
                     FormatC("O projeto '%s' está danificado: %ld linha(s) da tabela %s sem valor na coluna %s, que "
                             "todo projeto tem. Nada foi aberto.",
                             path.c_str(), n, tabela.c_str(), coluna.c_str()));
        return false;
    }
    return true;
}

// A file another tool wrote may lack the template's indexes and triggers (a deleted circuit would leave its
// loads behind, two circuits could share a key) or bring its own (a trigger could change or refuse what the
// program writes). The working copy gets the template's and no others; the user's file is not touched.
bool CLvsizeDoc::EstruturaDoModelo(const std::string& path)
{
    std::error_code ec;
    if (m_strTemplateFile.empty() || !fs::is_regular_file(m_strTemplateFile, ec))
        return true;
    struct Objeto {
        std::string tipo, nome, sql;
        bool operator==(const Objeto&) const = default;
    };
    const auto ler = [&](const std::string& esquema) {
        std::vector<Objeto> objetos;
        CDaoRecordsetManual rs(m_pDatabase, dbOpenSnapshot,
                               "SELECT type,name,sql FROM " + esquema +
                                   ".sqlite_master WHERE type IN ('index','trigger') AND sql IS NOT NULL",
                               {});
        for (; !rs.IsEOF(); rs.MoveNext()) {
            Objeto o;
            rs.GetFieldString("type", o.tipo);
            rs.GetFieldString("name", o.nome);
            rs.GetFieldString("sql", o.sql);
            objetos.push_back(std::move(o));
        }
        return objetos;
    };
    std::vector<Objeto> doArquivo, doModelo;
    {
        CDaoAttachment modelo(*m_pDatabase, m_strTemplateFile);
        doArquivo = ler("main");
        doModelo = ler(modelo.Alias());
    }
    const auto tem = [](const std::vector<Objeto>& v, const Objeto& o) {
        return std::find(v.begin(), v.end(), o) != v.end();
    };
    try {
        CDaoTransaction trans(*m_pDatabase);
        for (const Objeto& o : doArquivo)
            if (!tem(doModelo, o))
                m_pDatabase->Execute(std::string(o.tipo == "index" ? "DROP INDEX " : "DROP TRIGGER ") + "main.\"" +
                                     o.nome + "\"");
        for (const Objeto& o : doModelo)
            if (!tem(doArquivo, o))
                m_pDatabase->Execute(o.sql);
        trans.Commit();
    } catch (CDaoException& e) {
        if (!e.m_pErrorInfo || (e.m_pErrorInfo->m_lErrorCode & 0xFF) != kRestricao)
            throw;
        RelatarDados("OnOpenDocument", kDanificado,
                     "O projeto '" + path + "' está danificado: há circuitos com a mesma chave "
                     "(circuito_sequencial). Nada foi aberto.");
        return false;
    }
    return true;
}

void CLvsizeDoc::VerificarArvore(const std::string& path)
{
    struct Linha {
        short pai;
        bool raiz;
        std::string codigo;
    };
    std::vector<std::pair<short, Linha>> linhas;
    {
        CDaoRecordsetManual rs(m_pDatabase, dbOpenSnapshot,
                               "SELECT circuito_sequencial,circuito_sequencial_pai,circuito_codigo FROM circuito");
        for (; !rs.IsEOF(); rs.MoveNext()) {
            short chave = 0;
            Linha l{0, rs.GetFieldValue("circuito_sequencial_pai").IsNull(), {}};
            rs.GetFieldShort("circuito_sequencial", chave);
            if (!l.raiz)
                rs.GetFieldShort("circuito_sequencial_pai", l.pai);
            rs.GetFieldString("circuito_codigo", l.codigo);
            linhas.emplace_back(chave, std::move(l));
        }
    }
    // What the tree shows: every circuit reached from the top level through its parent links, each once.
    std::multimap<short, short> filhos;
    std::vector<short> pendentes;
    for (const auto& [chave, l] : linhas) {
        if (l.raiz)
            pendentes.push_back(chave);
        else
            filhos.emplace(l.pai, chave);
    }
    std::set<short> alcancados;
    while (!pendentes.empty()) {
        const short k = pendentes.back();
        pendentes.pop_back();
        if (!alcancados.insert(k).second)
            continue;
        const auto faixa = filhos.equal_range(k);
        for (auto it = faixa.first; it != faixa.second; ++it)
            pendentes.push_back(it->second);
    }
    std::vector<std::string> fora;
    for (const auto& [chave, l] : linhas)
        if (!alcancados.count(chave))
            fora.push_back(l.codigo);
    if (fora.empty())
        return;
    RelatarDados("OnOpenDocument", kDanificado,
                 FormatC("O projeto '%s' está danificado: %zu circuito(s) com o circuito pai inexistente ou em ciclo "
                         "não aparecem na árvore, mas o cálculo do projeto os dimensiona: %s.",
                         path.c_str(), fora.size(), ListaCodigos(fora).c_str()));
}

int CLvsizeDoc::OnOpenDocument(const std::string& path)
{
    const std::string abrir = "Não foi possível abrir o projeto '" + path + "'";
    // The framework's own step: the file must be readable.
    {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            ReportFileError(Local("OnOpenDocument").c_str(), abrir, errno);
            return FALSE;
        }
        struct stat st {};
        const bool vazio = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size == 0;
        const bool pasta = S_ISDIR(st.st_mode);
        ::close(fd);
        if (pasta) {
            ReportFileError(Local("OnOpenDocument").c_str(), abrir, EISDIR);
            return FALSE;
        }
        if (vazio) {
            RelatarDados("OnOpenDocument", kNaoEProjeto,
                         "O arquivo '" + path + "' está vazio: não é um projeto do " + m_formato.programa +
                             ". Nada foi aberto.");
            return FALSE;
        }
    }
    // One program at a time on a project: the later save would silently drop the other's changes.
    FileLockKey preso;
    if (AcquireFileLock(path, true, preso) == FileLockResult::inUse) {
        RelatarDados("OnOpenDocument", kEmUso,
                     "O projeto '" + path + "' está em uso por outro programa. Feche-o lá antes de abri-lo aqui.");
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(false);

    std::string temp;
    if (!MakeTempFileName(temp)) {
        ReportFileError(Local("OnOpenDocument(2)").c_str(), abrir + " (cópia de trabalho)", errno);
        ReleaseFileLock(preso);
        return FALSE;
    }
    TempFileGuard guard(temp);
    if (!CopyOver(path, temp)) {
        ReportFileError(Local("OnOpenDocument(1)").c_str(), abrir, errno);
        ReleaseFileLock(preso);
        return FALSE;
    }
    auto* db = new CDaoDatabase;
    db->SetDisplayName(path);
    m_pDatabase = db;
    bool aberto = false;
    try {
        db->Open(temp, false, false, "");
        TuneWorkingCopy(*db);
        if (EsquemaDoPrograma(path) && ArquivoInteiro(path) && ValoresObrigatorios(path) && EstruturaDoModelo(path)) {
            // Texts the earlier programs wrote in the Windows code page: UTF-8 from here on.
            db->ConvertLegacyText();
            VerificarArvore(path);
            aberto = true;
        }
    } catch (CDaoException& e) {
        ReportError(Local("OnOpenDocument").c_str(), &e);
    }
    if (!aberto) {
        m_pDatabase = nullptr;
        delete db;
        ReleaseFileLock(preso);
        return FALSE;
    }
    m_projetoPreso = preso;
    guard.Release();
    return TRUE;
}

int CLvsizeDoc::OnSaveDocument(const std::string& path)
{
    // Without a working database there is nothing to save: the target stays as it is.
    if (!m_pDatabase || !m_pDatabase->IsOpen()) {
        RelatarDados("OnSaveDocument", kNaoEProjeto,
                     "O projeto '" + path + "' não foi gravado: não há dados do projeto abertos (o modelo de "
                     "projeto não pôde ser lido).");
        return FALSE;
    }
    // A link is saved through: the file it leads to is replaced, the link stays.
    const std::string destino = FollowLinks(path);
    struct stat atual {};
    const bool existe = ::stat(destino.c_str(), &atual) == 0;
    // A file another program holds is not replaced under it.
    FileLockKey alvo;
    const bool proprio = existe && m_projetoPreso.held && atual.st_dev == m_projetoPreso.device &&
                         atual.st_ino == m_projetoPreso.inode;
    if (existe && !proprio && AcquireFileLock(destino, true, alvo) == FileLockResult::inUse) {
        RelatarDados("OnSaveDocument", kEmUso,
                     "O projeto '" + path + "' está em uso por outro programa e não foi gravado.");
        return FALSE;
    }
    // A read-only target (no write permission for its owner, whoever runs the program) is refused: the
    // rename would replace it regardless of its permissions.
    if (existe && ((atual.st_mode & S_IWUSR) == 0 || ::access(destino.c_str(), W_OK) != 0)) {
        ReleaseFileLock(alvo);
        RelatarDados("OnSaveDocument", kSomenteLeitura,
                     "O projeto '" + path + "' é somente leitura e não foi gravado. Use \"Salvar como\" para "
                     "gravá-lo com outro nome.");
        return FALSE;
    }
    const bool gravado = GravarArquivo(path, destino);
    ReleaseFileLock(alvo);
    if (!gravado)
        return FALSE;
    SetModifiedFlag(false);
    return TRUE;
}

bool CLvsizeDoc::GravarArquivo(const std::string& path, const std::string& destino)
{
    const std::string gravar = "Não foi possível gravar o projeto '" + path + "'";
    const fs::path pasta = fs::path(destino).parent_path().empty() ? fs::path(".") : fs::path(destino).parent_path();
    const std::string prefixo = CLvsizeDoc::SaveTempPrefix(destino);
    // What an earlier save of this project left behind when it was killed (no program holds it any more).
    RemoveLeftoverFiles(pasta.string(), [&](const std::string& nome) { return LeftoverBeside(nome, prefixo); });

    // The new file, beside the target so that the rename stays on one file system; locked from the start
    // (it becomes the project file this document holds).
    std::string temp = (pasta / (prefixo + "XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        ReportFileError(Local("OnSaveDocument").c_str(), gravar, errno);
        return false;
    }
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::flock(fd, LOCK_EX);
    KeepFileLock(temp, fd);
    TempFileGuard guard(temp);
    if (!CopyOver(m_strTemplateFile, temp)) {
        ReportFileError(Local("OnSaveDocument").c_str(), gravar, errno);
        return false;
    }
    // The replaced file's mode and group (a project shared by its group stays shared).
    struct stat atual {};
    const bool existe = ::stat(destino.c_str(), &atual) == 0;
    ::chmod(temp.c_str(), NewFileMode(existe ? &atual : nullptr));
    if (existe && ::chown(temp.c_str(), static_cast<uid_t>(-1), atual.st_gid) != 0) {
        // Not a member of that group: the file gets the user's own, as any file the user writes.
    }
    try {
        NomeNasFalhas nome(*m_pDatabase, path);
        CDaoAttachment target(*m_pDatabase, temp);
        CDaoTransaction trans(*m_pDatabase);
        const auto projeto = [&] {
            m_pDatabase->DeleteFromOther(temp, "projeto");
            m_pDatabase->InsertIntoOther(temp, "projeto");
        };
        if (m_formato.projetoPrimeiro)
            projeto();
        for (const char* tabela : m_formato.tabelas)
            m_pDatabase->InsertIntoOther(temp, tabela);
        if (!m_formato.projetoPrimeiro)
            projeto();
        trans.Commit();
    } catch (CDaoException& e) {
        ReportError(Local("OnSaveDocument").c_str(), &e);
        return false;
    }
    // On the disk before it takes the target's place.
    if (const int sync = ::open(temp.c_str(), O_RDONLY | O_CLOEXEC); sync >= 0) {
        const bool ok = ::fsync(sync) == 0;
        const int erro = errno;
        ::close(sync);
        if (!ok) {
            ReportFileError(Local("OnSaveDocument").c_str(), gravar, erro);
            return false;
        }
    }
    if (::rename(temp.c_str(), destino.c_str()) != 0) {
        ReportFileError(Local("OnSaveDocument").c_str(), gravar, errno);
        return false;
    }
    guard.Release();
    // The document now holds the new file (its lock came with it), and no longer the one it replaced.
    FileLockKey novo;
    AcquireFileLock(destino, true, novo);
    ReleaseMadeFileLock(temp);
    ReleaseFileLock(m_projetoPreso);
    m_projetoPreso = novo;
    m_pDatabase->SetDisplayName(path);
    if (const int dir = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}
