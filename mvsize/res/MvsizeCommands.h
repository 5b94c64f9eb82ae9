#pragma once
// Resource and command ids of the Mvsize shell beyond those both sizing programs share.

#include "SizingCommands.h"

inline constexpr int IDR_MVSIZETYPE = IDR_PROJETOTYPE;
inline constexpr int IDD_MVSIZE_SPLASH = IDD_SPLASH;
inline constexpr int IDB_MVSIZE_SPLASH = IDB_SPLASH;
inline constexpr int IDC_MVSIZE_SPLASH_PICTURE = IDC_SPLASH_PICTURE;
inline constexpr int IDD_MVSIZE_BANNER = 161;
inline constexpr int IDB_MVSIZE_BANNER = 163;

inline constexpr int ID_MVSIZE_APP_ABOUT = ID_APP_SOBRE;
inline constexpr int ID_EMPRESA = 32807;
inline constexpr int ID_JANELA_PROXIMA = 32808;  // GTK shows project windows as tabs: the next tab
