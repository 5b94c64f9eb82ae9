#include "EmpresaComum.h"

#include "AppContext.h"
#include "CircuitoSelecionadoComum.h"
#include "CompanyFile.h"
#include "Utf8.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeldlg {

namespace {

constexpr int IDD_EMPRESA = 160;

}  // namespace

DialogTemplate ModeloEmpresa(int idNome, int largura)
{
    return {IDD_EMPRESA, "Empresa", {
        Label("&Nome da empresa :", 0, 0), Edit(idNome, 0, 1).MaxLength(CEmpresaComum::kMaxNome).Width(largura),
        OkButton(), CancelButton()}};
}

BEGIN_MESSAGE_MAP(CEmpresaComum, CDialog)
    ON_EN_CHANGE(m_idNome, Validar)
END_MESSAGE_MAP()

CEmpresaComum::CEmpresaComum(const DialogTemplate& modelo, int idNome, bool linhaInteira, CWnd* pParent)
    : CDialog(modelo, pParent), m_idNome(idNome), m_linhaInteira(linhaInteira)
{
}

void CEmpresaComum::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_ok);
    // Showing a longer name whole: the edit's limit is raised before the text goes in, and there is no
    // length check, so that the name is written back as it was read.
    if (m_linhaInteira && !pDX->m_bSaveAndValidate)
        AjustarLimite(zel::utf8::Length(m_strNome));
    DDX_Text(pDX, m_idNome, m_strNome);
    if (!m_linhaInteira)
        DDV_MaxChars(pDX, m_strNome, kMaxNome);
}

std::string CEmpresaComum::LerLinha(const std::string& path, int limite)
{
    const std::string linha = ReadCompanyName(path);
    return limite > 0 ? zel::utf8::Sub(linha, 0, limite) : linha;
}

bool CEmpresaComum::GravarNome(const std::string& path, const std::string& nome)
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

int CEmpresaComum::OnInitDialog()
{
    m_strNome = LerLinha(GetCompanyFile(), m_linhaInteira ? 0 : kMaxNome);
    CDialog::OnInitDialog();
    return TRUE;
}

void CEmpresaComum::Validar()
{
    const std::string texto = GetDlgItemText(m_idNome);
    if (m_linhaInteira)
        AjustarLimite(zel::utf8::Length(texto));
    m_ok.EnableWindow(!texto.empty());
}

// The edit takes 30 characters; a longer name read from the file is shown whole, and the limit comes down
// to 30 as the user shortens it, so that typing never makes a name longer than 30 characters or than it was.
void CEmpresaComum::AjustarLimite(int caracteres)
{
    if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(m_idNome))) {
        const int limite = caracteres > kMaxNome ? caracteres : kMaxNome;
        if (edit->GetLimitText() != limite)
            edit->SetLimitText(limite);
    }
}

void CEmpresaComum::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (!GravarNome(GetCompanyFile(), m_strNome)) {
        AfxMessageBox("Não foi possível gravar o nome da empresa em \"" + GetCompanyFile() + "\".", MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}

}  // namespace zeldlg
