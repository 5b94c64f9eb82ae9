#pragma once
// Dialog 146 "Impressão" with Mvsize's invalid background.

#include "ImpressaoComum.h"
#include "ValidityColors.h"

class CImpressao : public zeldlg::CImpressaoComum {
public:
    explicit CImpressao(CWnd* pParent = nullptr) : CImpressaoComum(zel::ui::kMvsizeInvalidBackground, pParent) {}
};
