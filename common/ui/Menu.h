#pragma once
// Menus, tool bars, accelerators and command prompts as resources of the program, and the menu model a
// frame shows: items by command id with their enabled and checked state.

#include "WinTypes.h"

#include <memory>
#include <string>
#include <vector>

class CWnd;

struct MenuItemTemplate {
    std::string text;  // "&Abrir...\tCtrl+A": after the tab, the accelerator's text
    int id = 0;        // 0 with no popup: a separator
    std::vector<MenuItemTemplate> popup;
};

MenuItemTemplate MenuItem(const std::string& text, int id);
MenuItemTemplate MenuSeparator();
MenuItemTemplate Popup(const std::string& text, std::vector<MenuItemTemplate> items);

struct MenuTemplate {
    int id = 0;
    std::vector<MenuItemTemplate> items;  // the menu bar's popups
};

// A tool bar: buttons by command id, 0 standing for a gap.
struct ToolbarTemplate {
    int id = 0;
    std::vector<int> buttons;
};

inline constexpr unsigned FSHIFT = 0x04;
inline constexpr unsigned FCONTROL = 0x08;
inline constexpr unsigned FALT = 0x10;
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F6 = 0x75;

struct Accelerator {
    int key = 0;          // a virtual key (VK_F1) or an upper-case letter
    unsigned modifiers = 0;
    int command = 0;
};

struct AcceleratorTemplate {
    int id = 0;
    std::vector<Accelerator> entries;
};

// The program's resources of these kinds by id, and its string table (command prompts: the status-bar
// text, then after a newline the tool tip).
void RegisterMenu(const MenuTemplate& t);
const MenuTemplate* FindMenu(int id);
void RegisterToolbar(const ToolbarTemplate& t);
const ToolbarTemplate* FindToolbar(int id);
void RegisterAccelerators(const AcceleratorTemplate& t);
const AcceleratorTemplate* FindAccelerators(int id);
void RegisterString(int id, const std::string& text);
// The string, empty when there is none.
std::string LoadResourceString(int id);
// The status-bar prompt and the tool tip of a command.
std::string CommandPrompt(int id);
std::string CommandTooltip(int id);

inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;

// A menu as shown: items with state. A popup item holds its submenu.
class CMenu {
public:
    struct Item {
        std::string text;
        int id = 0;
        bool separator = false;
        bool enabled = true;
        bool checked = false;
        std::unique_ptr<CMenu> popup;
    };

    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // From the menu resource; FALSE when there is none.
    int LoadMenu(int nIDResource);
    void LoadFrom(const std::vector<MenuItemTemplate>& items);
    int DestroyMenu();
    CMenu* GetSubMenu(int nPos) const;
    int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }
    int GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    std::string GetMenuString(UINT nIDItem, UINT nFlags) const;

    // Shows the menu as a popup at a screen point. The items are first brought up to date through the
    // owner's command route, and the chosen command takes that route. Returns TRUE when one was chosen.
    int TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd);

    // The item with the command id anywhere in the menu and its submenus.
    Item* FindItem(int id);
    const Item* FindItem(int id) const;
    std::vector<Item>& Items() { return m_items; }
    const std::vector<Item>& Items() const { return m_items; }

private:
    std::vector<Item> m_items;
};
