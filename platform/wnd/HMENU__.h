#pragma once
// The object behind a menu handle: items with command ids, texts ("&" before the mnemonic),
// state flags and sub-menus. Menus live in a process-wide set so that a stale handle (a menu
// destroyed with its window) is recognised and ignored.

#include <vector>

#include "platform/base/CString.h"
#include "platform/base/types.h"
#include "platform/res/CMenuTemplate.h"

struct HMENU__ {
    struct Item {
        UINT nID = 0;
        CString strText;
        UINT nFlags = 0;          // MF_POPUP, MF_SEPARATOR, MF_CHECKED, MF_GRAYED, MF_DISABLED
        HMENU hSubMenu = nullptr; // owned
    };
    std::vector<Item> m_items;
};

namespace plat {

HMENU CreateMenuHandle();
// Builds a menu (and its sub-menus) from a template.
HMENU CreateMenuFromTemplate(const CMenuTemplate& menuTemplate);
// The default system menu: Restore, Minimize, Close.
HMENU CreateSystemMenu();
// Frees a menu and its sub-menus, and takes it off any window's menu bar; ignores stale
// or null handles.
void DestroyMenuHandle(HMENU hMenu);
bool IsLiveMenu(HMENU hMenu);
// The item with command nID anywhere in the menu tree, or nullptr.
HMENU__::Item* FindMenuItem(HMENU hMenu, UINT nID);
// The mnemonic of a text ("&File" gives 'f'), lower case; 0 without one.
char GetMnemonic(const CString& strText);
// The text without its "&" marks ("&&" stays one "&").
CString StripMnemonic(const CString& strText);

} // namespace plat
