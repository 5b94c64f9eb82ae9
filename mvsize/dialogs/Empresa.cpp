#include "Empresa.h"

#include "DialogosIds.h"

namespace {

const DialogTemplate& Modelo()
{
    static const DialogTemplate modelo = zeldlg::ModeloEmpresa(mvdlg::IDC_NOME_EMPRESA, 42);
    return modelo;
}

}  // namespace

CEmpresa::CEmpresa(CWnd* pParent) : CEmpresaComum(Modelo(), mvdlg::IDC_NOME_EMPRESA, true, pParent) {}
