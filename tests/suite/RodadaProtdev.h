#pragma once
// Protdev given a damaged copy of the device library, run headless as a user would: it starts on the
// library of its folder, shows the device tree, and every device's dialog is opened and cancelled; then it
// exits. Nothing is edited, so the library must come out as it went in.

#include "Veredito.h"

#include "ProtdevApp.h"
#include "ProtdevResources.h"
#include "ProtdevView.h"
#include "resource.h"

#include "AppContext.h"
#include "Clock.h"
#include "HeadlessHost.h"
#include "TestSupport.h"

#include <filesystem>

namespace danos {

inline Resultado RodarProtdev(const Dano* dano)
{
    Resultado r;
    zeltest::TempDir dir;
    zeltest::ScopedCurrentDir cwd(dir.Path());
    const std::string biblioteca = dir.File("ZelBt01.zel");
    std::filesystem::copy_file(std::string(ZEL_DATA_DIR) + "/ZelBt01.zel", biblioteca);
    if (!Aplicar(dano, biblioteca, r))
        return r;
    const std::string antes = Conteudo(biblioteca);
    FixedClock relogio{{2026, 12, 10, 11, 30, 0}};
    CAppContext contexto;
    contexto.clock = &relogio;
    HeadlessHost host;
    host.Install(contexto);
    {
        ScopedAppContext escopo(contexto);
        RegisterProtdevResources();
        CProtdevApp app;
        app.InitInstance();
        r.aberto = app.m_pDatabase && app.m_pDatabase->IsOpen();
        if (CProtdevView* vista = app.GetView()) {
            CTreeCtrl& arvore = vista->GetTreeCtrl();
            std::vector<HTREEITEM> pendentes;
            for (HTREEITEM i = arvore.GetRootItem(); i; i = arvore.GetNextSiblingItem(i))
                pendentes.push_back(i);
            while (!pendentes.empty()) {
                HTREEITEM i = pendentes.back();
                pendentes.pop_back();
                for (HTREEITEM f = arvore.GetChildItem(i); f; f = arvore.GetNextSiblingItem(f))
                    pendentes.push_back(f);
                arvore.UserSelect(i);
                if (vista->NivelSelecionado() < 2)
                    continue;
                for (int modelo : {IDD_DISJUNTOR, IDD_FUSIVEL})
                    host.OnDialog(modelo, [](DialogDriver& d) { d.Escape(); });
                arvore.UserDoubleClick(i);
            }
        }
        app.ExitInstance();
    }
    for (const auto& m : host.messages)
        r.mensagens.push_back({m.text, (m.type & MB_ICON_MASK) == MB_ICONERROR});
    r.catalogoAlterado = Conteudo(biblioteca) != antes;
    return r;
}

}  // namespace danos
