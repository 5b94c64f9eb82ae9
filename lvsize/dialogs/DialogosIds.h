#pragma once
// Template and control ids of the load, motor, device, economic, company, project-data and print dialogs.

#include "DialogosComunsIds.h"
#include "DimensionamentoEconomicoComum.h"

namespace lvdlg {

// Economic sizing (131), project data (143) and print options (146): the same in both programs.
using namespace zeldlg::ids;

inline constexpr int IDD_CARGA = 150;
inline constexpr int IDD_CARGA_CORRENTE = 152;
inline constexpr int IDD_CARGA_INCLUSAO = 153;
inline constexpr int IDD_CARGA_MOTOR = 155;
inline constexpr int IDD_MOTORES_INCLUSAO = 157;
inline constexpr int IDD_EMPRESA = 160;
inline constexpr int IDD_DISPOSITIVO_PROTECAO = 165;
inline constexpr int IDD_CORRENTE_CONTINUA_INCLUSAO = 166;
inline constexpr int IDD_CORRENTE_CONTINUA = 167;

// Load and motor lists (150, 155, 167).
inline constexpr int IDC_GRADE = 1098;
inline constexpr int IDC_EDITAR = 1099;
inline constexpr int IDC_INCLUIR = 1100;
inline constexpr int IDC_EXCLUIR = 1101;

// Non-motor current (152) and load lines (153, 166).
inline constexpr int IDC_CORRENTE = 1017;
inline constexpr int IDC_FATOR_POTENCIA = 1015;
inline constexpr int IDC_ROTULO_FATOR_POTENCIA = 1167;
inline constexpr int IDC_CALCULAR_CORRENTE = 1089;
inline constexpr int IDC_QUANTIDADE_CARGAS = 1102;
inline constexpr int IDC_POTENCIA_ATIVA = 1105;
inline constexpr int IDC_FATOR_DEMANDA = 1036;
inline constexpr int IDC_DEMANDA_TOTAL = 1106;

// Motor line (157).
inline constexpr int IDC_QUANTIDADE_MOTORES = 1098;
inline constexpr int IDC_CORRENTE_REGIME = 1101;
inline constexpr int IDC_FATOR_POTENCIA_REGIME = 1023;
inline constexpr int IDC_POTENCIA_MOTOR = 1028;
inline constexpr int IDC_CONSIDERA_PARTIDA = 1097;
inline constexpr int IDC_CORRENTE_PARTIDA = 1103;
inline constexpr int IDC_FATOR_POTENCIA_PARTIDA = 1025;

// Protection device (165).
inline constexpr int IDC_DISPOSITIVO_PROTECAO = 1136;
inline constexpr int IDC_DISJUNTOR = 1052;
inline constexpr int IDC_FUSIVEL = 1053;
inline constexpr int IDC_ROTULO_FATOR_CORRECAO = 1037;
inline constexpr int IDC_FATOR_CORRECAO = 1054;

// Company (160).
inline constexpr int IDC_NOME_EMPRESA = 1172;

}  // namespace lvdlg
