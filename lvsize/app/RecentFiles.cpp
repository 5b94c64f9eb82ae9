#include "RecentFiles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

constexpr const char* kSecao = "[Recent File List]";

std::string Absoluto(const std::string& path)
{
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? path : p.string();
}

}  // namespace

CRecentFileList::CRecentFileList(std::string profilePath, int size) : m_profile(std::move(profilePath)), m_size(size) {}

std::string CRecentFileList::DefaultProfile(const std::string& programName)
{
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        return programName + ".ini";
    return base + "/zel/" + programName + ".ini";
}

void CRecentFileList::ReadList()
{
    m_entries.clear();
    std::ifstream in(m_profile);
    std::string line;
    bool naSecao = false;
    std::map<int, std::string> porNumero;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            naSecao = line == kSecao;
            continue;
        }
        const size_t eq = line.find('=');
        if (!naSecao || eq == std::string::npos || eq < 5)
            continue;
        std::string chave = line.substr(0, eq);
        std::transform(chave.begin(), chave.end(), chave.begin(), ::tolower);
        if (chave.rfind("file", 0) != 0)
            continue;
        const int n = std::atoi(chave.c_str() + 4);
        if (n >= 1 && n <= m_size && eq + 1 < line.size())
            porNumero[n] = line.substr(eq + 1);
    }
    for (const auto& [n, path] : porNumero)
        m_entries.push_back(path);
}

bool CRecentFileList::WriteList() const
{
    // Keep every other section of the profile as it was.
    std::vector<std::string> outras;
    {
        std::ifstream in(m_profile);
        std::string line;
        bool naSecao = false;
        while (std::getline(in, line)) {
            if (!line.empty() && line.front() == '[')
                naSecao = line == kSecao || line == std::string(kSecao) + "\r";
            if (!naSecao)
                outras.push_back(line);
        }
    }
    std::error_code ec;
    const fs::path destino(m_profile);
    if (destino.has_parent_path())
        fs::create_directories(destino.parent_path(), ec);
    const std::string temp = m_profile + ".tmp";
    {
        std::ofstream out(temp, std::ios::trunc);
        if (!out)
            return false;
        for (const auto& l : outras)
            out << l << "\n";
        out << kSecao << "\n";
        for (size_t i = 0; i < m_entries.size(); ++i)
            out << "File" << (i + 1) << "=" << m_entries[i] << "\n";
        if (!out.flush())
            return false;
    }
    fs::rename(temp, m_profile, ec);
    if (ec) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

void CRecentFileList::Add(const std::string& path)
{
    const std::string p = Absoluto(path);
    m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), p), m_entries.end());
    m_entries.insert(m_entries.begin(), p);
    if (static_cast<int>(m_entries.size()) > m_size)
        m_entries.resize(static_cast<size_t>(m_size));
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < static_cast<int>(m_entries.size()))
        m_entries.erase(m_entries.begin() + index);
}
