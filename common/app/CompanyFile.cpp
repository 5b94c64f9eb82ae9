#include "CompanyFile.h"

#include "LegacyText.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

std::string ReadCompanyName(const std::string& path)
{
    if (path.empty())
        return {};
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return {};
    std::FILE* f = ::fdopen(fd, "r");
    if (!f) {
        ::close(fd);
        return {};
    }
    std::string line;
    for (int c; (c = std::fgetc(f)) != EOF && c != '\n' && c != '\r';)
        line.push_back(static_cast<char>(c));
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    return failed ? std::string() : TextFromFile(line);
}
