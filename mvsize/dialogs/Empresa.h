#pragma once
// Dialog 160 "Empresa" as Mvsize has it: the name in edit 1173, the whole first line shown however long.

#include "EmpresaComum.h"

class CEmpresa : public zeldlg::CEmpresaComum {
public:
    explicit CEmpresa(CWnd* pParent = nullptr);

    // The whole first line of the company file.
    static std::string LerNome(const std::string& path) { return LerLinha(path, 0); }
};
