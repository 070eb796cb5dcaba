#pragma once
// CMenu: a menu bar, pop-up menu or system menu. The object owns its menu while attached and
// destroys it in its destructor, unless the menu is already gone with its window.

#include "platform/base/CString.h"
#include "platform/base/types.h"
#include "platform/wnd/styles.h"

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    virtual ~CMenu();

    HMENU m_hMenu = nullptr;

    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }
    // The attached object of hMenu, or a temporary one kept until the menu is destroyed.
    static CMenu* FromHandle(HMENU hMenu);
    // The layer calls this when hMenu goes away.
    static void OnMenuDestroyed(HMENU hMenu);
    // True when an object (not a temporary) holds hMenu.
    static bool HasPermanentObject(HMENU hMenu);

    // Loads menu resource nID; FALSE when there is none or this object already has a menu.
    BOOL LoadMenu(UINT nID);
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    // Appends an item: MF_STRING with an id and text, MF_SEPARATOR, or MF_POPUP with the
    // sub-menu's handle as nIDNewItem.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR szNewItem = nullptr);
    // nCheck is MF_BYCOMMAND or MF_BYPOSITION with MF_CHECKED or MF_UNCHECKED; returns the
    // previous check state, or 0xFFFFFFFF when there is no such item.
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    // nEnable is MF_BYCOMMAND or MF_BYPOSITION with MF_ENABLED, MF_GRAYED or MF_DISABLED;
    // returns the previous state, or 0xFFFFFFFF.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    // The item's flags (MF_CHECKED, MF_GRAYED, ...), or 0xFFFFFFFF when there is none.
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuItemCount() const;
    // The command id at nPos; -1 for a sub-menu, 0 for a separator.
    UINT GetMenuItemID(int nPos) const;
    CMenu* GetSubMenu(int nPos) const;
    int GetMenuString(UINT nIDItem, CString& strText, UINT nFlags) const;
};

constexpr UINT MENU_NO_ITEM = 0xFFFFFFFFu;
