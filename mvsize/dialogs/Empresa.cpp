#include "Empresa.h"

#include "AppContext.h"
#include "CircuitoSelecionado.h"
#include "DialogosIds.h"
#include "Utf8.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace mvdlg;

namespace {

const DialogTemplate kEmpresa = {IDD_EMPRESA, "Empresa", {
    Label("&Nome da empresa :", 0, 0), Edit(IDC_NOME_EMPRESA, 0, 1).MaxLength(CEmpresa::kMaxNome).Width(42),
    OkButton(), CancelButton()}};

}  // namespace

BEGIN_MESSAGE_MAP(CEmpresa, CDialog)
    ON_EN_CHANGE(IDC_NOME_EMPRESA, Validar)
END_MESSAGE_MAP()

CEmpresa::CEmpresa(CWnd* pParent) : CDialog(kEmpresa, pParent) {}

void CEmpresa::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_ok);
    // No length check here: a longer name read from the file is written back as it was read.
    if (!pDX->m_bSaveAndValidate)
        AjustarLimite(zel::utf8::Length(m_strNome));
    DDX_Text(pDX, IDC_NOME_EMPRESA, m_strNome);
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
    for (int c; (c = std::fgetc(f)) != EOF;) {
        if (c == '\n' || c == '\r')
            break;
        nome.push_back(static_cast<char>(c));
    }
    if (std::ferror(f))
        nome.clear();
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
    const std::string texto = GetDlgItemText(IDC_NOME_EMPRESA);
    AjustarLimite(zel::utf8::Length(texto));
    m_ok.EnableWindow(!texto.empty());
}

// The edit takes 30 characters; a longer name read from the file is shown whole, and the limit comes down
// to 30 as the user shortens it, so that typing never makes a name longer than 30 characters or than it was.
void CEmpresa::AjustarLimite(int caracteres)
{
    if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(IDC_NOME_EMPRESA))) {
        const int limite = caracteres > kMaxNome ? caracteres : kMaxNome;
        if (edit->GetLimitText() != limite)
            edit->SetLimitText(limite);
    }
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
