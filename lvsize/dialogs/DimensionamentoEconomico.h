#pragma once
// Dialog 131 "Dimensionamento econômico" as Lvsize has it: the hours a year below 8760, and every write
// marks the circuit's ancestors not calculated.

#include "DimensionamentoEconomicoComum.h"

class CDimensionamento_economico : public zeldlg::CDimensionamentoEconomicoComum {
public:
    explicit CDimensionamento_economico(CWnd* pParent = nullptr);

protected:
    bool HorasValidas(float horas) const override;
    std::string SqlGravar(int horas, int custo, int anos, double tarifa, short circuito) const override;
    std::string SqlDispensar(short circuito) const override;
    void AntesDeGravar(CDaoDatabase& db, short circuito) override;
};
