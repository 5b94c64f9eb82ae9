#include "DimensionamentoEconomico.h"

#include "InvalidarCalculoPais.h"
#include "SqlValue.h"
#include "ValidityColors.h"

CDimensionamento_economico::CDimensionamento_economico(CWnd* pParent)
    : CDimensionamentoEconomicoComum(zel::ui::kLvsizeInvalidBackground, pParent)
{
}

bool CDimensionamento_economico::HorasValidas(float horas) const
{
    return horas > 0 && horas < 8760;
}

std::string CDimensionamento_economico::SqlGravar(int horas, int custo, int anos, double tarifa, short circuito) const
{
    return FormatC("UPDATE circuito SET circuito_horas_ano_funcionamento=%4i,circuito_custo_instalacao_cabo=%5i,"
                   "circuito_numero_anos=%2i,circuito_tarifa_energia=%7.4f,circuito_calculado=0 WHERE "
                   "circuito_sequencial=%i",
                   horas, custo, anos, tarifa, circuito);
}

std::string CDimensionamento_economico::SqlDispensar(short circuito) const
{
    return FormatC("UPDATE circuito SET circuito_horas_ano_funcionamento=0,circuito_custo_instalacao_cabo=0,"
                   "circuito_numero_anos=0,circuito_tarifa_energia=0,circuito_calculado=0 WHERE "
                   "circuito_sequencial=%i",
                   circuito);
}

void CDimensionamento_economico::AntesDeGravar(CDaoDatabase& db, short circuito)
{
    InvalidarCalculoPais(db, circuito);
}
