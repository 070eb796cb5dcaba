#pragma once
// The menu template of the resource table: popups holding items, separators and nested
// popups, each item with its command id, its text ("&" marks the mnemonic) and its initial
// state (MF_CHECKED, MF_GRAYED). Build them with MenuItem, MenuSeparator and MenuPopup.

#include <vector>

#include "platform/base/CString.h"
#include "platform/res/styles.h"

struct CMenuItemTemplate {
    UINT nID = 0;         // 0 for separators and popups
    CString strText;
    UINT nFlags = 0;      // MF_POPUP, MF_SEPARATOR, MF_CHECKED, MF_GRAYED
    std::vector<CMenuItemTemplate> items; // a popup's contents

    bool IsPopup() const { return (nFlags & MF_POPUP) != 0; }
    bool IsSeparator() const { return (nFlags & MF_SEPARATOR) != 0; }
};

// A menu: its id and its top-level entries (normally popups, as on a menu bar).
struct CMenuTemplate {
    UINT nID = 0;
    std::vector<CMenuItemTemplate> items;
};

// A command item; nState is MF_CHECKED and/or MF_GRAYED, or 0.
CMenuItemTemplate MenuItem(UINT nID, const char* szText, UINT nState = 0);
CMenuItemTemplate MenuSeparator();
CMenuItemTemplate MenuPopup(const char* szText, std::vector<CMenuItemTemplate> items);
