#include "ReportOutput.h"

#include "AppServices.h"
#include "ReportPreviewHost.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The C library's texts are English unless its translations are installed; these are the ones a user
// saving a report meets.
std::string Reason(int error)
{
    switch (error) {
    case ENOENT: return "a pasta não existe";
    case ENOTDIR: return "uma parte do caminho é um arquivo, não uma pasta";
    case EACCES:
    case EPERM: return "sem permissão para gravar nesta pasta";
    case EROFS: return "a pasta está num disco somente de leitura";
    case ENOSPC:
    case EDQUOT: return "não há espaço no disco";
    case EISDIR: return "já existe uma pasta com este nome";
    case ENAMETOOLONG: return "nome de arquivo longo demais";
    case EIO: return "erro de entrada e saída do disco";
    default: return std::strerror(error);
    }
}

void SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);  // the rename reaches the disk; a failure here loses nothing already written
        ::close(fd);
    }
}

}  // namespace

std::string PdfFileName(const RenderedReport& report)
{
    std::string name = report.FileName().empty() ? report.Title() : report.FileName();
    for (char& c : name)
        if (c == '/' || c == '\\' || (static_cast<unsigned char>(c) < 0x20))
            c = '-';
    const size_t first = name.find_first_not_of(" .");
    name = first == std::string::npos ? std::string() : name.substr(first);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return (name.empty() ? std::string("Relatório") : name) + ".pdf";
}

bool SaveReportPdf(const RenderedReport& report, const std::string& path, std::string& error, int firstPage,
                   int lastPage)
{
    const fs::path target(path);
    if (target.filename().empty()) {
        error = "Nome de arquivo vazio: " + path;
        return false;
    }
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    // A short hidden name: any name the target may take still leaves room for it.
    std::string temp = (folder / ".ZELXXXXXX").string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = "Não foi possível gravar " + path + ": " + Reason(errno) + ".";
        return false;
    }
    // mkstemp makes the file private; a saved report gets the permissions of any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    int writeError = 0;
    std::string why;
    bool ok = report.WritePdf(
        [&](const unsigned char* data, size_t length) {
            while (length > 0) {
                const ssize_t n = ::write(fd, data, length);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0) {
                    writeError = n < 0 ? errno : EIO;
                    return false;
                }
                data += n;
                length -= static_cast<size_t>(n);
            }
            return true;
        },
        why, firstPage, lastPage);
    if (!ok && writeError)
        why = Reason(writeError);
    if (ok && ::fsync(fd) != 0)
        ok = false, why = Reason(errno);
    if (::close(fd) != 0 && ok)
        ok = false, why = Reason(errno);
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0)
        ok = false, why = Reason(errno);
    if (!ok) {
        ::unlink(temp.c_str());
        error = "Não foi possível gravar " + path + ": " + why + ".";
        return false;
    }
    SyncFolder(folder);
    return true;
}

bool FitPageRange(const RenderedReport& report, PrintRequest& request, std::string& error)
{
    if (request.firstPage > report.PageCount()) {
        error = "O relatório tem " + std::to_string(report.PageCount()) +
                " página(s); nada a imprimir a partir da página " + std::to_string(request.firstPage) + ".";
        return false;
    }
    if (request.lastPage > report.PageCount())
        request.lastPage = report.PageCount();
    return true;
}

PrintOutcome PrintReport(const PrinterService& printers, const RenderedReport& report, PrintRequest request,
                         std::string& error)
{
    if (PrinterService::IsFilePrinter(request.printer)) {
        IReportPreviewHost* host = printers.PreviewHost();
        if (!host) {
            error = "Não há janela onde escolher o arquivo PDF.";
            return PrintOutcome::failed;
        }
        std::string path;
        if (!host->ChoosePdfPath(PdfFileName(report), path))
            return PrintOutcome::cancelled;
        return SaveReportPdf(report, path, error, request.firstPage, request.lastPage) ? PrintOutcome::printed
                                                                                      : PrintOutcome::failed;
    }
    std::string name;
    if (!MakeTempFileName(name)) {
        error = "Não foi possível criar o arquivo temporário da impressão.";
        return PrintOutcome::failed;
    }
    TempFileGuard guard(name);
    std::string why;
    if (!report.WritePdf(name, why)) {
        error = "Falha ao gerar as páginas do relatório: " + why;
        return PrintOutcome::failed;
    }
    request.pdfPath = name;
    if (!printers.Submit(request, why)) {
        error = "A impressora " + request.printer + " recusou o relatório: " + why;
        return PrintOutcome::failed;
    }
    return PrintOutcome::printed;
}
