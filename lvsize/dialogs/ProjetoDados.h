#pragma once
// Dialog 143 "Dados do projeto" with Lvsize's labels.

#include "ProjetoDadosComum.h"

class CProjeto_dados : public zeldlg::CProjetoDadosComum {
public:
    explicit CProjeto_dados(CWnd* pParent = nullptr);
};
