#include "Menu.h"

#include "DialogRunner.h"
#include "Frame.h"
#include "AppContext.h"

#include <map>
#include <stdexcept>

namespace {

template <class T>
std::map<int, const T*>& Table() {
    static std::map<int, const T*> table;
    return table;
}

template <class T>
void Register(const T& t, const char* what) {
    auto [it, inserted] = Table<T>().emplace(t.id, &t);
    if (!inserted && it->second != &t) throw std::logic_error(std::string(what) + " " + std::to_string(t.id) + " registered twice");
}

template <class T>
const T* Find(int id) {
    const auto it = Table<T>().find(id);
    return it == Table<T>().end() ? nullptr : it->second;
}

std::map<int, std::string>& Strings() {
    static std::map<int, std::string> strings;
    return strings;
}

}  // namespace

MenuItemTemplate MenuItem(const std::string& text, int id) { return {text, id, {}}; }
MenuItemTemplate MenuSeparator() { return {"", 0, {}}; }
MenuItemTemplate Popup(const std::string& text, std::vector<MenuItemTemplate> items) { return {text, 0, std::move(items)}; }

void RegisterMenu(const MenuTemplate& t) { Register(t, "menu"); }
const MenuTemplate* FindMenu(int id) { return Find<MenuTemplate>(id); }
void RegisterToolbar(const ToolbarTemplate& t) { Register(t, "toolbar"); }
const ToolbarTemplate* FindToolbar(int id) { return Find<ToolbarTemplate>(id); }
void RegisterAccelerators(const AcceleratorTemplate& t) { Register(t, "accelerators"); }
const AcceleratorTemplate* FindAccelerators(int id) { return Find<AcceleratorTemplate>(id); }

void RegisterString(int id, const std::string& text) { Strings()[id] = text; }

// The framework's own strings, in Portuguese; a program's string of the same id wins.
const char* FrameworkString(int id) {
    switch (id) {
    case AFX_IDS_IDLEMESSAGE: return "Pronto";
    case ID_INDICATOR_CAPS: return "CAP";
    case ID_INDICATOR_NUM: return "NUM";
    case ID_INDICATOR_SCRL: return "SCRL";
    case ID_FILE_NEW: return "Cria um novo documento\nNovo";
    case ID_FILE_OPEN: return "Abre um documento existente\nAbrir";
    case ID_FILE_CLOSE: return "Fecha o documento ativo\nFechar";
    case ID_FILE_SAVE: return "Salva o documento ativo\nSalvar";
    case ID_FILE_SAVE_AS: return "Salva o documento ativo com um novo nome\nSalvar como";
    case ID_FILE_PRINT_SETUP: return "Altera a impressora e as opções de impressão\nConfigurar impressão";
    case ID_APP_EXIT: return "Fecha o aplicativo; pergunta se os documentos devem ser salvos\nSair";
    case ID_CONTEXT_HELP: return "Mostra a ajuda do botão, menu ou janela clicados\nAjuda";
    case ID_HELP: return "Mostra a ajuda da tarefa ou do comando atual\nAjuda";
    case ID_VIEW_TOOLBAR: return "Mostra ou oculta a barra de ferramentas\nBarra de ferramentas";
    case ID_VIEW_STATUS_BAR: return "Mostra ou oculta a barra de estado\nBarra de estado";
    default: return nullptr;
    }
}

std::string LoadResourceString(int id) {
    const auto it = Strings().find(id);
    if (it != Strings().end()) return it->second;
    const char* s = FrameworkString(id);
    return s ? s : std::string();
}

std::string CommandPrompt(int id) {
    const std::string s = LoadResourceString(id);
    return s.substr(0, s.find('\n'));
}

std::string CommandTooltip(int id) {
    const std::string s = LoadResourceString(id);
    const auto nl = s.find('\n');
    return nl == std::string::npos ? std::string() : s.substr(nl + 1);
}

int CMenu::LoadMenu(int nIDResource) {
    const MenuTemplate* t = FindMenu(nIDResource);
    if (!t) return 0;
    LoadFrom(t->items);
    return 1;
}

void CMenu::LoadFrom(const std::vector<MenuItemTemplate>& items) {
    m_items.clear();
    for (const MenuItemTemplate& t : items) {
        Item item;
        item.text = t.text;
        item.id = t.id;
        item.separator = t.id == 0 && t.popup.empty() && t.text.empty();
        if (!t.popup.empty()) {
            item.popup = std::make_unique<CMenu>();
            item.popup->LoadFrom(t.popup);
        }
        m_items.push_back(std::move(item));
    }
}

int CMenu::DestroyMenu() {
    m_items.clear();
    return 1;
}

CMenu* CMenu::GetSubMenu(int nPos) const {
    if (nPos < 0 || nPos >= GetMenuItemCount()) return nullptr;
    return m_items[static_cast<std::size_t>(nPos)].popup.get();
}

int CMenu::GetMenuItemID(int nPos) const {
    if (nPos < 0 || nPos >= GetMenuItemCount()) return -1;
    const Item& i = m_items[static_cast<std::size_t>(nPos)];
    return i.popup ? -1 : i.id;
}

CMenu::Item* CMenu::FindItem(int id) {
    for (Item& i : m_items) {
        if (!i.popup && !i.separator && i.id == id) return &i;
        if (i.popup)
            if (Item* f = i.popup->FindItem(id)) return f;
    }
    return nullptr;
}

const CMenu::Item* CMenu::FindItem(int id) const { return const_cast<CMenu*>(this)->FindItem(id); }

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
    const Item* i = nullptr;
    if (nFlags & MF_BYPOSITION) {
        if (nID < m_items.size()) i = &m_items[nID];
    } else {
        i = FindItem(static_cast<int>(nID));
    }
    if (!i) return static_cast<UINT>(-1);
    UINT state = 0;
    if (!i->enabled) state |= MF_GRAYED;
    if (i->checked) state |= MF_CHECKED;
    if (i->separator) state |= MF_SEPARATOR;
    if (i->popup) state |= MF_POPUP;
    return state;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    Item* i = (nEnable & MF_BYPOSITION) ? (nIDEnableItem < m_items.size() ? &m_items[nIDEnableItem] : nullptr)
                                        : FindItem(static_cast<int>(nIDEnableItem));
    if (!i) return static_cast<UINT>(-1);
    const UINT before = i->enabled ? MF_ENABLED : MF_GRAYED;
    i->enabled = (nEnable & (MF_GRAYED | MF_DISABLED)) == 0;
    return before;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    Item* i = (nCheck & MF_BYPOSITION) ? (nIDCheckItem < m_items.size() ? &m_items[nIDCheckItem] : nullptr)
                                       : FindItem(static_cast<int>(nIDCheckItem));
    if (!i) return static_cast<UINT>(-1);
    const UINT before = i->checked ? MF_CHECKED : MF_UNCHECKED;
    i->checked = (nCheck & MF_CHECKED) != 0;
    return before;
}

std::string CMenu::GetMenuString(UINT nIDItem, UINT nFlags) const {
    if (nFlags & MF_BYPOSITION) return nIDItem < m_items.size() ? m_items[nIDItem].text : std::string();
    const Item* i = FindItem(static_cast<int>(nIDItem));
    return i ? i->text : std::string();
}

int CMenu::TrackPopupMenu(UINT /*nFlags*/, int x, int y, CWnd* pWnd) {
    DialogRunner* runner = AppContext().dialogs;
    if (!runner) return 0;
    CFrameWnd* frame = CFrameWnd::FrameOf(pWnd);
    std::vector<CCmdTarget*> route = frame ? frame->GetCommandRoute() : std::vector<CCmdTarget*>{pWnd};
    UpdateMenuItems(*this, route);
    const int chosen = runner->TrackPopupMenu(*this, x, y, pWnd);
    if (chosen == 0) return 0;
    const Item* item = FindItem(chosen);
    if (!item || !item->enabled) return 0;
    // The route again: the update may have run code that changed the active view.
    route = frame ? frame->GetCommandRoute() : std::vector<CCmdTarget*>{pWnd};
    RouteCommand(route, chosen);
    return 1;
}
