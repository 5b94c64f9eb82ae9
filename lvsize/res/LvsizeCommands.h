#pragma once
// Resource and command ids of the Lvsize shell beyond those both sizing programs share.

#include "SizingCommands.h"

inline constexpr int IDR_LVSIZETYPE = IDR_PROJETOTYPE;
inline constexpr int IDD_LVSIZE_SPLASH = IDD_SPLASH;
inline constexpr int IDB_LVSIZE_SPLASH = IDB_SPLASH;
inline constexpr int IDC_LVSIZE_SPLASH_PICTURE = IDC_SPLASH_PICTURE;
inline constexpr int IDD_LVSIZE_BANNER = 168;
inline constexpr int IDB_LVSIZE_BANNER = 170;

inline constexpr int ID_CIRCUITO_DISPOSITIVO_PROTECAO = 32776;
inline constexpr int ID_CARGAS_MOTORES = 32802;
inline constexpr int ID_CARGAS_NAO_MOTOR = 32803;
inline constexpr int ID_LVSIZE_APP_ABOUT = ID_APP_SOBRE;
inline constexpr int ID_EMPRESA = 32806;
inline constexpr int ID_JANELA_PROXIMA = 32807;  // GTK shows project windows as tabs: the next tab
