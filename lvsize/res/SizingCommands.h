#pragma once
// Resource and command ids that Lvsize and Mvsize share: the project menu and template, the tree images,
// the splash, and the project and circuit commands both trees carry. Each program's own ids are in its
// commands header, which includes this one.

#include "WinTypes.h"

#include "AboutDlg.h"  // IDR_MAINFRAME (128): the icon, main menu and tool bar
inline constexpr int IDR_PROJETOTYPE = 129;  // the project menu and the document template
inline constexpr int IDB_ARVORE = 139;       // the tree images, 16 pixels each
inline constexpr int IDD_SPLASH = 149;
inline constexpr int IDB_SPLASH = 150;
inline constexpr int IDC_SPLASH_PICTURE = 1000;

inline constexpr int ID_CIRCUITO_INCLUIR = 32771;
inline constexpr int ID_CIRCUITO_EXCLUIR = 32773;
inline constexpr int ID_CIRCUITO_CARACTERISTICAS = 32774;
inline constexpr int ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO = 32775;
inline constexpr int ID_CIRCUITO_IMPRIMIR = 32778;
inline constexpr int ID_CIRCUITO_CALCULAR = 32779;
inline constexpr int ID_PROJETO_CALCULAR = 32780;
inline constexpr int ID_PROJETO_IMPRIMIR = 32781;
inline constexpr int ID_CIRCUITO_COPIAR = 32783;
inline constexpr int ID_CIRCUITO_COLAR = 32784;
inline constexpr int ID_PROJETO_DADOS = 32786;
inline constexpr int ID_AJUDA_TOPICOS = 32804;
inline constexpr int ID_APP_SOBRE = 32805;
