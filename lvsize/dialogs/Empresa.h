#pragma once
// Dialog 160 "Empresa" as Lvsize has it: the name in edit 1172, a longer first line cut to 30 characters.

#include "EmpresaComum.h"

class CEmpresa : public zeldlg::CEmpresaComum {
public:
    explicit CEmpresa(CWnd* pParent = nullptr);

    // The first line of the company file, at most 30 characters.
    static std::string LerNome(const std::string& path) { return LerLinha(path, kMaxNome); }
};
