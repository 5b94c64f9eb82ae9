#pragma once
// Protdev's resource and command ids (the about box 100 and the main frame's 128 are the window layer's).

#include "AboutDlg.h"

// Menu, tool bar, accelerators and document template.
inline constexpr int IDB_TREE = 130;      // tree images: breaker, fuse, voltage
inline constexpr int IDD_SPLASH = 149;
inline constexpr int IDB_SPLASH = 150;

// Dialogs.
inline constexpr int IDD_FUSIVEL_CORRENTE_NOMINAL = 131;
inline constexpr int IDD_DISJUNTOR_CORRENTE_NOMINAL = 132;
inline constexpr int IDD_DISJUNTOR_CURVA_INCLUSAO = 133;
inline constexpr int IDD_DISJUNTOR = 134;
inline constexpr int IDD_DISJUNTOR_CURVA = 137;
inline constexpr int IDD_FUSIVEL = 138;

// Commands.
inline constexpr int ID_DISJUNTOR_INCLUIR = 32774;
inline constexpr int ID_DISJUNTOR_ALTERAR = 32775;
inline constexpr int ID_FUSIVEL_INCLUIR = 32778;
inline constexpr int ID_FUSIVEL_ALTERAR = 32779;
inline constexpr int ID_APP_ABOUT = 32781;
inline constexpr int ID_HELP_FINDER = 32783;
inline constexpr int ID_DISPOSITIVO_EXCLUIR = 32786;

// Strings.
inline constexpr int AFX_IDS_APP_TITLE = 57344;

// Controls.
inline constexpr int IDC_DESCRICAO = 1000;
inline constexpr int IDC_CORRENTES = 1001;
inline constexpr int IDC_INCLUIR = 1002;
inline constexpr int IDC_EXCLUIR = 1003;
inline constexpr int IDC_ALTERAR = 1004;
inline constexpr int IDC_CORRENTE_NOMINAL = 1005;
inline constexpr int IDC_CORRENTE_RUPTURA = 1006;
inline constexpr int IDC_CORRENTE_T5S = 1007;
inline constexpr int IDC_ALFA = 1008;
inline constexpr int IDC_CORRENTE_MINIMA_ATUACAO = 1010;
inline constexpr int IDC_I2T_CORRENTE_MINIMA = 1011;
inline constexpr int IDC_LIMIAR_MAGNETICO = 1012;
inline constexpr int IDC_I2T_TERMICO_LIMIAR = 1013;
inline constexpr int IDC_I2T_MAGNETICO_LIMIAR = 1014;
inline constexpr int IDC_CORRENTE_CAPACIDADE = 1015;
inline constexpr int IDC_I2T_CORRENTE_CAPACIDADE = 1016;
inline constexpr int IDC_CORRENTE_MINIMA_MAGNETICA = 1017;
inline constexpr int IDC_CURVA_CORRENTE = 1018;
inline constexpr int IDC_CURVA_I2T = 1019;
inline constexpr int IDC_PONTOS_CURVA = 1024;
inline constexpr int IDC_TENSAO = 1025;
inline constexpr int IDC_PONTOS = 1026;
// Group boxes that only frame other controls.
inline constexpr int IDC_GRUPO_CORRENTES = 1090;
inline constexpr int IDC_SPLASH_PICTURE = 1091;
