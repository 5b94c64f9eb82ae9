#pragma once
// The recent-file list kept in the program's profile: "[Recent File List]" with "File1" ... "File4" (the
// most recent first), as the class library keeps it. Read at start-up, written after every change.

#include <string>
#include <vector>

class CRecentFileList {
public:
    CRecentFileList(std::string profilePath, int size);
    // The profile of a program by name: $XDG_CONFIG_HOME/zel/<name>.ini (or ~/.config/zel/<name>.ini).
    static std::string DefaultProfile(const std::string& programName);

    void ReadList();
    // False when the profile could not be written; the list in memory is kept either way.
    bool WriteList() const;
    void Add(const std::string& path);
    void Remove(int index);
    const std::vector<std::string>& Entries() const { return m_entries; }
    const std::string& Profile() const { return m_profile; }

private:
    std::string m_profile;
    int m_size;
    std::vector<std::string> m_entries;
};
