#pragma once
// Resource ids of the circuit characteristics dialog (148) and the selection-list dialog (142). The
// labels that the dialog shows and hides with their fields carry ids of their own (1900 and up).

#include "CaracteristicasComum.h"
#include "SelecaoDadosComum.h"

namespace car {

// The ids both programs' dialogs 148 and 142 have.
using namespace zeldlg::ids;

// 148 "Dados do circuito"
inline constexpr int IDC_SISTEMA = 1046;
inline constexpr int IDC_TENSAO_FASE_FASE = 1012;
inline constexpr int IDC_TENSAO_FASE_NEUTRO = 1048;
inline constexpr int IDC_SECAO_MINIMA = 1044;
inline constexpr int IDC_SECAO_MINIMA_AJUDA = 1049;
inline constexpr int IDC_FATOR_DEMANDA = 1036;
inline constexpr int IDC_CORRENTE_CC = 1162;
inline constexpr int IDC_POSSUI_HARMONICOS = 1163;
inline constexpr int IDC_HARMONICAS = 1164;
inline constexpr int IDC_SECAO_IMPOSTA = 1173;
inline constexpr int IDC_RESISTIVIDADE = 1043;
inline constexpr int IDC_QUEDA_REGIME = 1155;
inline constexpr int IDC_QUEDA_REGIME_ORIGEM = 1156;
inline constexpr int IDC_QUEDA_PARTIDA = 1157;
inline constexpr int IDC_QUEDA_PARTIDA_ORIGEM = 1158;
inline constexpr int IDC_DISPENSAR_SOBRECARGA = 1010;
inline constexpr int IDC_DISPENSAR_CONTATO_INDIRETO = 1008;
inline constexpr int IDC_CONTEM_MOTOR = 1087;
inline constexpr int IDC_CONTEM_CARGA = 1088;

inline constexpr int IDC_LABEL_TENSAO_FASE_FASE = 1901;
inline constexpr int IDC_UNIDADE_TENSAO_FASE_FASE = 1902;
inline constexpr int IDC_LABEL_TENSAO_FASE_NEUTRO = 1903;
inline constexpr int IDC_UNIDADE_TENSAO_FASE_NEUTRO = 1904;
inline constexpr int IDC_LABEL_POSSUI_HARMONICOS = 1905;
inline constexpr int IDC_LABEL_HARMONICAS = 1906;
inline constexpr int IDC_UNIDADE_HARMONICAS = 1907;
inline constexpr int IDC_LABEL_RESISTIVIDADE = 1908;
inline constexpr int IDC_UNIDADE_RESISTIVIDADE = 1909;
inline constexpr int IDC_GRUPO_QUEDA = 1910;

}  // namespace car
