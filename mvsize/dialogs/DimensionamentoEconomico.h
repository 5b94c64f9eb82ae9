#pragma once
// Dialog 131 "Dimensionamento econômico" as Mvsize has it: the hours a year with no upper bound, and only
// the circuit itself marked not calculated, not its ancestors.

#include "DimensionamentoEconomicoComum.h"

class CDimensionamento_economico : public zeldlg::CDimensionamentoEconomicoComum {
public:
    explicit CDimensionamento_economico(CWnd* pParent = nullptr);

protected:
    bool HorasValidas(float horas) const override;
    std::string SqlGravar(int horas, int custo, int anos, double tarifa, short circuito) const override;
    std::string SqlDispensar(short circuito) const override;
};
