#include "Empresa.h"

#include "AppContext.h"
#include "CircuitoSelecionado.h"
#include "DialogosIds.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace lvdlg;

namespace {

const DialogTemplate kEmpresa = {IDD_EMPRESA, "Empresa", {
    Label("&Nome da empresa :", 0, 0), Edit(IDC_NOME_EMPRESA, 0, 1).MaxLength(CEmpresa::kMaxNome).Width(32),
    OkButton(), CancelButton()}};

// Characters, not bytes: the file and the edit hold UTF-8.
bool InicioDeCaractere(unsigned char c)
{
    return (c & 0xC0) != 0x80;
}

}  // namespace

BEGIN_MESSAGE_MAP(CEmpresa, CDialog)
    ON_EN_CHANGE(IDC_NOME_EMPRESA, Validar)
END_MESSAGE_MAP()

CEmpresa::CEmpresa(CWnd* pParent) : CDialog(kEmpresa, pParent) {}

void CEmpresa::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Text(pDX, IDC_NOME_EMPRESA, m_strNome);
    DDV_MaxChars(pDX, m_strNome, kMaxNome);
}

std::string CEmpresa::LerNome(const std::string& path)
{
    std::string nome;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return nome;
    FILE* f = ::fdopen(fd, "r");
    if (!f) {
        ::close(fd);
        return nome;
    }
    int caracteres = 0;
    for (int c; (c = std::fgetc(f)) != EOF;) {
        if (c == '\n' || c == '\r')
            break;
        if (InicioDeCaractere(static_cast<unsigned char>(c)) && ++caracteres > kMaxNome)
            break;
        nome.push_back(static_cast<char>(c));
    }
    std::fclose(f);
    return nome;
}

bool CEmpresa::GravarNome(const std::string& path, const std::string& nome)
{
    std::string temporario = path + ".XXXXXX";
    const int fd = ::mkstemp(temporario.data());
    if (fd < 0)
        return false;
    struct stat atual {};
    const mode_t modo = ::stat(path.c_str(), &atual) == 0 ? (atual.st_mode & 07777) : 0644;
    bool ok = ::fchmod(fd, modo) == 0;
    std::size_t escrito = 0;
    while (ok && escrito < nome.size()) {
        const ssize_t n = ::write(fd, nome.data() + escrito, nome.size() - escrito);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            escrito += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporario.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(temporario.c_str());
    return ok;
}

int CEmpresa::OnInitDialog()
{
    m_strNome = LerNome(GetCompanyFile());
    CDialog::OnInitDialog();
    return TRUE;
}

void CEmpresa::Validar()
{
    m_ok.EnableWindow(!GetDlgItemText(IDC_NOME_EMPRESA).empty());
}

void CEmpresa::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (!GravarNome(GetCompanyFile(), m_strNome)) {
        AfxMessageBox("Não foi possível gravar o nome da empresa em \"" + GetCompanyFile() + "\".", MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}
