#pragma once
// Resource ids of Mvsize's circuit characteristics dialog (148 "Dados do circuito"). The selection-list
// dialog it opens on OK is 142. Labels and units hidden by code carry ids of their own (those the template
// alone hides are with the template).

#include "CaracteristicasComum.h"
#include "SelecaoDadosComum.h"

namespace mvcar {

// The ids both programs' dialogs 148 and 142 have.
using namespace zeldlg::ids;

inline constexpr int IDC_SECAO_CONDUTOR = 1180;
inline constexpr int IDC_POTENCIA_APARENTE = 1178;
inline constexpr int IDC_CLASSE_TENSAO = 1177;
inline constexpr int IDC_CONEXAO_TIPO = 1176;
inline constexpr int IDC_TEMPO_CURTO_CONDUTOR = 1165;
inline constexpr int IDC_TEMPO_CURTO_BLINDAGEM = 1174;
inline constexpr int IDC_LABEL_FATOR_POTENCIA = 1172;
inline constexpr int IDC_TENSAO_SERVICO = 1161;
inline constexpr int IDC_QUEDA_TENSAO_MAXIMA = 1014;
inline constexpr int IDC_FATOR_POTENCIA = 1015;
inline constexpr int IDC_CORRENTE_PROJETO = 1163;
inline constexpr int IDC_CORRENTE_CURTO_CONDUTOR = 1164;
inline constexpr int IDC_RESISTIVIDADE = 1181;
inline constexpr int IDC_LABEL_RESISTIVIDADE = 1182;
inline constexpr int IDC_UNIDADE_RESISTIVIDADE = 1183;
inline constexpr int IDC_LABEL_NUMERO_CONDUTORES = 1184;

}  // namespace mvcar
