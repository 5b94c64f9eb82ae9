#pragma once
// Advisory locks (flock) that keep other programs off this process's files: the working copies and the
// clipboard database it made, a save's new file, the project files it holds, the files its databases have
// open. One lock per file for the whole process, shared by every database of the process that opens the
// file (the process reaches its own files freely; other programs are kept out). A file this process makes
// for itself is locked from the moment it exists, so that another program's clean-up of leftover files
// never takes a live one.

#include <string>
#include <sys/types.h>

struct FileLockKey {
    dev_t device = 0;
    ino_t inode = 0;
    bool held = false;
    bool madeHere = false;  // a file this process made for itself (its own to write, whatever its mode)
};

enum class FileLockResult { taken, inUse, cannotOpen };

// The lock for one more holder of path: this process's own when it already has one, else a new one,
// exclusive (no other program opens the file) or shared (other programs may share it, none holds it
// exclusively).
FileLockResult AcquireFileLock(const std::string& path, bool exclusive, FileLockKey& key);
// One holder less; the lock goes with the last.
void ReleaseFileLock(FileLockKey& key);

// A file this process has just made: fd is open on it and holds its exclusive lock, kept until a holder
// takes the file over (AcquireFileLock) and lets it go, or the maker gives it up.
void KeepFileLock(const std::string& path, int fd);
void ReleaseMadeFileLock(const std::string& path);
