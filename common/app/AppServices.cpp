#include "AppServices.h"

#include "AppContext.h"
#include "FileLocks.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

std::string GetProgramDirectory()
{
    std::error_code ec;
    const std::string& configured = AppContext().executablePath;
    const fs::path exe = configured.empty() ? fs::read_symlink("/proc/self/exe", ec) : fs::path(configured);
    if (ec || exe.empty())
        return {};
    return exe.parent_path().string();
}

int GetProgramDirectory(int size, char* out)
{
    const std::string dir = GetProgramDirectory();
    if (dir.empty() || size <= 0 || static_cast<int>(dir.size()) >= size)
        return 0;
    std::memcpy(out, dir.c_str(), dir.size() + 1);
    return static_cast<int>(dir.size());
}

namespace {

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The name as mkstemp makes it from "ZELXXXXXX".
bool IsTempFileName(const std::string& name)
{
    if (name.size() != 9 || !name.starts_with("ZEL"))
        return false;
    for (size_t i = 3; i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

}  // namespace

int MakeTempFileName(std::string& out)
{
    out.clear();
    std::error_code ec;
    fs::path dir = fs::temp_directory_path(ec);
    if (ec)
        return 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = (dir / "ZELXXXXXX").string();
        const int fd = ::mkstemp(name.data());
        if (fd < 0)
            return 0;
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        // Between its creation and the lock another program's clean-up may have taken the file: it is
        // ours only when the name still leads to the file locked.
        struct stat mine {}, named {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &mine) == 0 && ::stat(name.c_str(), &named) == 0 &&
            SameFile(mine, named)) {
            KeepFileLock(name, fd);
            out = name;
            return 1;
        }
        ::close(fd);
    }
    return 0;
}

int RemoveLeftoverFiles(const std::string& directory, const std::function<bool(const std::string& name)>& leftover)
{
    std::error_code ec;
    fs::directory_iterator it(directory, ec), end;
    if (ec)
        return 0;
    int removed = 0;
    for (; it != end; it.increment(ec)) {
        if (ec)
            break;
        const fs::path path = it->path();
        if (!leftover(path.filename().string()))
            continue;
        struct stat named {};
        if (::lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode) || named.st_uid != ::geteuid())
            continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            continue;
        // A live program holds its files locked; one that could be locked now has no owner any more.
        struct stat opened {}, again {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && SameFile(opened, named) &&
            ::lstat(path.c_str(), &again) == 0 && SameFile(again, named) && ::unlink(path.c_str()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

int RemoveLeftoverTempFiles()
{
    std::error_code ec;
    const fs::path dir = fs::temp_directory_path(ec);
    if (ec)
        return 0;
    return RemoveLeftoverFiles(dir.string(), IsTempFileName);
}

void ClearAttributesRecursive(const std::string& directory)
{
    std::error_code ec;
    fs::directory_iterator it(directory, ec), end;
    if (ec)
        return;
    for (; it != end; it.increment(ec)) {
        if (ec)
            return;
        const fs::path& p = it->path();
        if (p.filename().string().starts_with("."))
            continue;
        std::error_code ignored;
        // "Normal" on Linux: the owner may read and write (and enter a directory).
        const bool isDirectory = it->is_directory(ignored) && !it->is_symlink(ignored);
        fs::permissions(p, isDirectory ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::add, ignored);
        if (isDirectory)
            ClearAttributesRecursive(p.string());
    }
}

TempFileGuard::~TempFileGuard()
{
    if (!m_path.empty()) {
        std::error_code ignored;
        fs::remove(m_path, ignored);
        ReleaseMadeFileLock(m_path);
    }
}

std::string TempFileGuard::Release()
{
    std::string p = std::move(m_path);
    m_path.clear();
    return p;
}
