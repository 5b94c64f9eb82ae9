#pragma once
// The menus, tool bar, accelerators, command prompts and small dialogs (splash, printer set-up) of a sizing
// program, registered once per process. Lvsize and Mvsize share their shape; each gives what differs.

#include "DialogTemplate.h"
#include "Menu.h"
#include "Program.h"

#include <string>
#include <utility>
#include <vector>

inline constexpr int IDD_CONFIGURAR_IMPRESSAO = 151;
inline constexpr int IDC_IMPRESSORAS = 1001;

struct SizingResources {
    Program program;
    const char* sobre;        // the about item's text
    int idEmpresa;            // the company command
    int idJanelaProxima;      // the next-window command
    std::vector<MenuItemTemplate> alterar;  // the items of "&Circuito" > "&Alterar"
    std::vector<MenuItemTemplate> cargas;   // the items of "&Circuito" > "&Alterar" > "C&argas" (none: no such menu)
    std::vector<int> toolbar;               // tool bar 128, 0 standing for a gap
    std::vector<std::pair<int, std::string>> prompts;  // the prompts of the program's own commands
};

// The first call registers the program's resources; later calls change nothing.
void RegisterSizingResources(const SizingResources& resources);

// The recent-file entries of both menus ("&1 caminho" ...); the frames reload their menus after this.
void SetSizingRecentFileMenu(const std::vector<std::string>& paths);
