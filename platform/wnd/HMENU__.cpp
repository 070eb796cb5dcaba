#include "platform/wnd/HMENU__.h"

#include <cctype>
#include <unordered_set>

#include "platform/msg/messages.h"
#include "platform/wnd/CMenu.h"
#include "platform/wnd/WindowTree.h"

namespace plat {

namespace {

std::unordered_set<HMENU> s_liveMenus;

void AppendTemplateItems(HMENU hMenu, const std::vector<CMenuItemTemplate>& items)
{
    for (const CMenuItemTemplate& source : items) {
        HMENU__::Item item;
        item.nID = source.nID;
        item.strText = source.strText;
        item.nFlags = source.nFlags & (MF_POPUP | MF_SEPARATOR | MF_CHECKED | MF_GRAYED | MF_DISABLED);
        if (source.IsPopup()) {
            item.hSubMenu = CreateMenuHandle();
            AppendTemplateItems(item.hSubMenu, source.items);
        }
        hMenu->m_items.push_back(item);
    }
}

void AppendSystemItem(HMENU hMenu, UINT nID, const char* szText)
{
    HMENU__::Item item;
    item.nID = nID;
    item.strText = szText;
    if (nID == 0)
        item.nFlags = MF_SEPARATOR;
    hMenu->m_items.push_back(item);
}

} // namespace

HMENU CreateMenuHandle()
{
    HMENU hMenu = new HMENU__;
    s_liveMenus.insert(hMenu);
    return hMenu;
}

HMENU CreateMenuFromTemplate(const CMenuTemplate& menuTemplate)
{
    HMENU hMenu = CreateMenuHandle();
    AppendTemplateItems(hMenu, menuTemplate.items);
    return hMenu;
}

HMENU CreateSystemMenu()
{
    HMENU hMenu = CreateMenuHandle();
    AppendSystemItem(hMenu, SC_RESTORE, "&Restore");
    AppendSystemItem(hMenu, SC_MINIMIZE, "Mi&nimize");
    AppendSystemItem(hMenu, 0, "");
    AppendSystemItem(hMenu, SC_CLOSE, "&Close\tAlt+F4");
    return hMenu;
}

void DestroyMenuHandle(HMENU hMenu)
{
    if (!IsLiveMenu(hMenu))
        return;
    s_liveMenus.erase(hMenu);
    for (HWND hTop : GetTopLevelWindows()) {
        if (hTop->m_hMenu == hMenu)
            hTop->m_hMenu = nullptr;
    }
    CMenu::OnMenuDestroyed(hMenu);
    for (HMENU__::Item& item : hMenu->m_items)
        DestroyMenuHandle(item.hSubMenu);
    delete hMenu;
}

bool IsLiveMenu(HMENU hMenu)
{
    return hMenu != nullptr && s_liveMenus.count(hMenu) != 0;
}

HMENU__::Item* FindMenuItem(HMENU hMenu, UINT nID)
{
    if (!IsLiveMenu(hMenu))
        return nullptr;
    for (HMENU__::Item& item : hMenu->m_items) {
        if (item.hSubMenu != nullptr) {
            if (HMENU__::Item* pFound = FindMenuItem(item.hSubMenu, nID))
                return pFound;
        } else if ((item.nFlags & MF_SEPARATOR) == 0 && item.nID == nID) {
            return &item;
        }
    }
    return nullptr;
}

char GetMnemonic(const CString& strText)
{
    for (int i = 0; i + 1 < strText.GetLength(); ++i) {
        if (strText[i] != '&')
            continue;
        if (strText[i + 1] != '&')
            return static_cast<char>(std::tolower(static_cast<unsigned char>(strText[i + 1])));
        ++i;
    }
    return 0;
}

CString StripMnemonic(const CString& strText)
{
    CString strResult;
    for (int i = 0; i < strText.GetLength(); ++i) {
        if (strText[i] == '&' && i + 1 < strText.GetLength())
            ++i;
        strResult += strText[i];
    }
    return strResult;
}

} // namespace plat
