#pragma once
// Mvsize's menus, tool bar, accelerators, command prompts and its own small dialogs (splash, printer
// set-up), registered once per process.

#include "DialogTemplate.h"

#include <string>
#include <vector>

inline constexpr int IDD_CONFIGURAR_IMPRESSAO = 151;
inline constexpr int IDC_IMPRESSORAS = 1001;

void RegisterMvsizeResources();

// The recent-file entries of both menus ("&1 caminho" ...); the frames reload their menus after this.
void SetMvsizeRecentFileMenu(const std::vector<std::string>& paths);
