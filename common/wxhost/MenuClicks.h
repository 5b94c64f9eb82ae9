#pragma once
// A click on a menu item that holds a submenu opens the submenu, as on a desktop (GTK's menus pop it up on
// the press and down again on the release).

class wxMenu;

namespace zel::wx {

// The menu and its submenus, at any depth.
void OpenSubmenusOnClick(wxMenu& menu);

}  // namespace zel::wx
