#include "Empresa.h"

#include "DialogosIds.h"

namespace {

const DialogTemplate& Modelo()
{
    static const DialogTemplate modelo = zeldlg::ModeloEmpresa(lvdlg::IDC_NOME_EMPRESA, 32);
    return modelo;
}

}  // namespace

CEmpresa::CEmpresa(CWnd* pParent) : CEmpresaComum(Modelo(), lvdlg::IDC_NOME_EMPRESA, false, pParent) {}
