#include "platform/wnd/CMenu.h"

#include <map>
#include <memory>

#include "platform/res/resources.h"
#include "platform/wnd/HMENU__.h"

namespace {

std::map<HMENU, CMenu*> s_permanent;
std::map<HMENU, std::unique_ptr<CMenu>> s_temporaries;

// The item nItem addresses (a command id anywhere in the tree, or a position), or nullptr.
HMENU__::Item* FindItem(HMENU hMenu, UINT nItem, UINT nFlags)
{
    if (!plat::IsLiveMenu(hMenu))
        return nullptr;
    if ((nFlags & MF_BYPOSITION) == 0)
        return plat::FindMenuItem(hMenu, nItem);
    if (nItem >= hMenu->m_items.size())
        return nullptr;
    return &hMenu->m_items[nItem];
}

} // namespace

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (!plat::IsLiveMenu(hMenu))
        return nullptr;
    auto itPermanent = s_permanent.find(hMenu);
    if (itPermanent != s_permanent.end())
        return itPermanent->second;
    std::unique_ptr<CMenu>& pTemp = s_temporaries[hMenu];
    if (!pTemp) {
        pTemp = std::make_unique<CMenu>();
        pTemp->m_hMenu = hMenu;
    }
    return pTemp.get();
}

void CMenu::OnMenuDestroyed(HMENU hMenu)
{
    auto itPermanent = s_permanent.find(hMenu);
    if (itPermanent != s_permanent.end()) {
        itPermanent->second->m_hMenu = nullptr;
        s_permanent.erase(itPermanent);
    }
    auto itTemp = s_temporaries.find(hMenu);
    if (itTemp != s_temporaries.end()) {
        // The temporary may be the object whose DestroyMenu is running; that function
        // touches nothing of itself after the handle is gone.
        itTemp->second->m_hMenu = nullptr;
        s_temporaries.erase(itTemp);
    }
}

bool CMenu::HasPermanentObject(HMENU hMenu)
{
    return s_permanent.count(hMenu) != 0;
}

BOOL CMenu::LoadMenu(UINT nID)
{
    const CMenuTemplate* pTemplate = AfxFindMenu(nID);
    if (pTemplate == nullptr || m_hMenu != nullptr)
        return FALSE;
    return Attach(plat::CreateMenuFromTemplate(*pTemplate));
}

BOOL CMenu::CreateMenu()
{
    return m_hMenu == nullptr && Attach(plat::CreateMenuHandle());
}

BOOL CMenu::CreatePopupMenu()
{
    return CreateMenu();
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    if (!plat::IsLiveMenu(hMenu))
        return FALSE;
    s_permanent.erase(hMenu);
    plat::DestroyMenuHandle(hMenu);
    return TRUE;
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (m_hMenu != nullptr || !plat::IsLiveMenu(hMenu))
        return FALSE;
    m_hMenu = hMenu;
    s_permanent[hMenu] = this;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    s_permanent.erase(hMenu);
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR szNewItem)
{
    if (!plat::IsLiveMenu(m_hMenu))
        return FALSE;
    HMENU__::Item item;
    item.nFlags = nFlags & (MF_POPUP | MF_SEPARATOR | MF_CHECKED | MF_GRAYED | MF_DISABLED);
    item.strText = szNewItem != nullptr ? szNewItem : "";
    if ((nFlags & MF_POPUP) != 0)
        item.hSubMenu = reinterpret_cast<HMENU>(nIDNewItem);
    else
        item.nID = static_cast<UINT>(nIDNewItem);
    m_hMenu->m_items.push_back(item);
    return TRUE;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    HMENU__::Item* pItem = FindItem(m_hMenu, nIDCheckItem, nCheck);
    if (pItem == nullptr)
        return MENU_NO_ITEM;
    UINT nPrevious = pItem->nFlags & MF_CHECKED;
    pItem->nFlags = (pItem->nFlags & ~MF_CHECKED) | (nCheck & MF_CHECKED);
    return nPrevious;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    HMENU__::Item* pItem = FindItem(m_hMenu, nIDEnableItem, nEnable);
    if (pItem == nullptr)
        return MENU_NO_ITEM;
    UINT nPrevious = pItem->nFlags & (MF_GRAYED | MF_DISABLED);
    pItem->nFlags = (pItem->nFlags & ~(MF_GRAYED | MF_DISABLED)) | (nEnable & (MF_GRAYED | MF_DISABLED));
    return nPrevious;
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    const HMENU__::Item* pItem = FindItem(m_hMenu, nID, nFlags);
    return pItem != nullptr ? pItem->nFlags : MENU_NO_ITEM;
}

int CMenu::GetMenuItemCount() const
{
    return plat::IsLiveMenu(m_hMenu) ? static_cast<int>(m_hMenu->m_items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    const HMENU__::Item* pItem = FindItem(m_hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    if (pItem == nullptr || pItem->hSubMenu != nullptr)
        return MENU_NO_ITEM;
    return pItem->nID;
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    const HMENU__::Item* pItem = FindItem(m_hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    return pItem != nullptr ? FromHandle(pItem->hSubMenu) : nullptr;
}

int CMenu::GetMenuString(UINT nIDItem, CString& strText, UINT nFlags) const
{
    const HMENU__::Item* pItem = FindItem(m_hMenu, nIDItem, nFlags);
    strText = pItem != nullptr ? pItem->strText : CString();
    return strText.GetLength();
}
