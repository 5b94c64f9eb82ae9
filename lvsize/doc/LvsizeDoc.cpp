#include "LvsizeDoc.h"

#include "AppServices.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "ErrorReporter.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

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

// An empty file beside the target, in its folder, so the final rename stays on one file system.
std::string TempBeside(const std::string& target)
{
    std::string pattern = target + ".ZELXXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return {};
    ::close(fd);
    return pattern;
}

// The replaced file's permissions, or what a newly created file gets.
fs::perms NewFileMode(const std::string& target)
{
    std::error_code ec;
    const fs::file_status st = fs::status(target, ec);
    if (!ec && fs::exists(st))
        return st.permissions();
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<fs::perms>(0666 & ~mask);
}

}  // namespace

// The project tables a save carries over, in the order they are written; projeto last.
CLvsizeDoc::CLvsizeDoc()
    : CLvsizeDoc(Formato{"CLvsizeDoc",
                         kTituloSemNome,
                         {"circuito", "circuito_x_tabela_selecao", "carga", "motor", "circuito_impressao"},
                         false})
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

void CLvsizeDoc::SetPathName(const std::string& path)
{
    CProjectDocument::SetPathName(path);
    SetTitle(TitleFromPath(path));
}

void CLvsizeDoc::DeleteContents()
{
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

int CLvsizeDoc::OnOpenDocument(const std::string& path)
{
    // The framework's own step: the file must be readable; a failure is its message.
    {
        std::ifstream probe(path, std::ios::binary);
        if (!probe) {
            ReportSystemError(Local("OnOpenDocument").c_str(), errno ? errno : ENOENT);
            return FALSE;
        }
    }
    DeleteContents();
    SetModifiedFlag(false);

    std::string temp;
    if (!MakeTempFileName(temp)) {
        ReportError(Local("OnOpenDocument(2)").c_str(), nullptr);
        return FALSE;
    }
    TempFileGuard guard(temp);
    if (!CopyOver(path, temp)) {
        ReportError(Local("OnOpenDocument(1)").c_str(), nullptr);
        return FALSE;
    }
    auto* db = new CDaoDatabase;
    try {
        db->Open(temp, false, false, "");
        TuneWorkingCopy(*db);
    } catch (CDaoException& e) {
        delete db;
        ReportError(Local("OnOpenDocument").c_str(), &e);
        return FALSE;
    }
    m_pDatabase = db;
    guard.Release();
    return TRUE;
}

int CLvsizeDoc::OnSaveDocument(const std::string& path)
{
    // Without a working database there is nothing to save: the target stays as it is.
    if (!m_pDatabase || !m_pDatabase->IsOpen()) {
        errno = ENOENT;
        ReportError(Local("OnSaveDocument").c_str(), nullptr);
        return FALSE;
    }
    // A read-only target (no write permission for its owner, whoever runs the program) is refused as the
    // copy over it would have been: the rename would replace it regardless of its permissions.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && ((st.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0)) {
        errno = EACCES;
        ReportError(Local("OnSaveDocument").c_str(), nullptr);
        return FALSE;
    }
    const std::string temp = TempBeside(path);
    if (temp.empty()) {
        ReportError(Local("OnSaveDocument").c_str(), nullptr);
        return FALSE;
    }
    TempFileGuard guard(temp);
    if (!CopyOver(m_strTemplateFile, temp)) {
        ReportError(Local("OnSaveDocument").c_str(), nullptr);
        return FALSE;
    }
    try {
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
        return FALSE;
    }
    std::error_code ec;
    fs::permissions(temp, NewFileMode(path), ec);
    fs::rename(temp, path, ec);
    if (ec) {
        ReportSystemError(Local("OnSaveDocument").c_str(), ec.value());
        return FALSE;
    }
    guard.Release();
    SetModifiedFlag(false);
    return TRUE;
}
