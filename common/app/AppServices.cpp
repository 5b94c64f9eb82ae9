#include "AppServices.h"

#include "AppContext.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

int MakeTempFileName(std::string& out)
{
    out.clear();
    std::error_code ec;
    fs::path dir = fs::temp_directory_path(ec);
    if (ec)
        return 0;
    std::string name = (dir / "ZELXXXXXX").string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return 0;
    ::close(fd);
    out = name;
    return 1;
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
    }
}

std::string TempFileGuard::Release()
{
    std::string p = std::move(m_path);
    m_path.clear();
    return p;
}
