#pragma once
// Resource and command ids of the Mvsize shell: frames, menus, tool bar, tree images, splash, banner.

#include "WinTypes.h"

#include "AboutDlg.h"  // IDR_MAINFRAME (128): the icon, main menu and tool bar
inline constexpr int IDR_MVSIZETYPE = 129;  // the project menu and the document template
inline constexpr int IDB_ARVORE = 139;      // three 16-pixel tree images
inline constexpr int IDD_MVSIZE_SPLASH = 149;
inline constexpr int IDB_MVSIZE_SPLASH = 150;
inline constexpr int IDC_MVSIZE_SPLASH_PICTURE = 1000;
inline constexpr int IDD_MVSIZE_BANNER = 161;
inline constexpr int IDB_MVSIZE_BANNER = 163;

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
inline constexpr int ID_MVSIZE_APP_ABOUT = 32805;
inline constexpr int ID_EMPRESA = 32807;
inline constexpr int ID_JANELA_PROXIMA = 32808;  // GTK shows project windows as tabs: the next tab
