#include "FileLocks.h"

#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

struct Held {
    int fd = -1;
    int holders = 0;
    bool made = false;    // made by this process, not yet taken over or given up
    std::string madeAs;   // the path it was made under
};

using Key = std::pair<dev_t, ino_t>;

std::mutex g_mutex;

// Never destroyed: files may be released by static objects after every other static is gone.
std::map<Key, Held>& Table()
{
    static auto* table = new std::map<Key, Held>;
    return *table;
}

// A child process (fork) inherits the table, not the locks: they stay its parent's. Its own table starts
// empty, so that the child meets the parent's files as another program's.
void ForgetParentsLocks()
{
    static pid_t owner = ::getpid();
    if (owner == ::getpid())
        return;
    for (auto& entry : Table())
        ::close(entry.second.fd);
    Table().clear();
    owner = ::getpid();
}

void CloseIfUnheld(std::map<Key, Held>::iterator it)
{
    if (it->second.holders == 0 && !it->second.made) {
        ::close(it->second.fd);
        Table().erase(it);
    }
}

}  // namespace

FileLockResult AcquireFileLock(const std::string& path, bool exclusive, FileLockKey& key)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    ForgetParentsLocks();
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return FileLockResult::cannotOpen;
    const Key k{st.st_dev, st.st_ino};
    auto it = Table().find(k);
    bool madeHere = false;
    if (it == Table().end()) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return FileLockResult::cannotOpen;
        if (::flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
            ::close(fd);
            return FileLockResult::inUse;
        }
        it = Table().emplace(k, Held{fd, 0, false, {}}).first;
    } else if (it->second.made) {
        it->second.made = false;  // taken over
        madeHere = true;
    }
    ++it->second.holders;
    key = FileLockKey{k.first, k.second, true, madeHere};
    return FileLockResult::taken;
}

void ReleaseFileLock(FileLockKey& key)
{
    if (!key.held)
        return;
    key.held = false;
    std::lock_guard<std::mutex> lock(g_mutex);
    ForgetParentsLocks();
    auto it = Table().find(Key{key.device, key.inode});
    if (it == Table().end())
        return;
    if (it->second.holders > 0)
        --it->second.holders;
    CloseIfUnheld(it);
}

void KeepFileLock(const std::string& path, int fd)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    ForgetParentsLocks();
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return;
    }
    auto [it, added] = Table().emplace(Key{st.st_dev, st.st_ino}, Held{fd, 0, true, path});
    if (!added) {
        ::close(fd);  // the process holds the file already
        it->second.made = true;
        it->second.madeAs = path;
    }
}

void ReleaseMadeFileLock(const std::string& path)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    ForgetParentsLocks();
    for (auto it = Table().begin(); it != Table().end(); ++it)
        if (it->second.made && it->second.madeAs == path) {
            it->second.made = false;
            CloseIfUnheld(it);
            return;
        }
}
