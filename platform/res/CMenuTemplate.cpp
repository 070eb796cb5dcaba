#include "platform/res/CMenuTemplate.h"

#include <utility>

CMenuItemTemplate MenuItem(UINT nID, const char* szText, UINT nState)
{
    CMenuItemTemplate item;
    item.nID = nID;
    item.strText = szText;
    item.nFlags = MF_STRING | (nState & (MF_CHECKED | MF_GRAYED | MF_DISABLED));
    return item;
}

CMenuItemTemplate MenuSeparator()
{
    CMenuItemTemplate item;
    item.nFlags = MF_SEPARATOR;
    return item;
}

CMenuItemTemplate MenuPopup(const char* szText, std::vector<CMenuItemTemplate> items)
{
    CMenuItemTemplate item;
    item.strText = szText;
    item.nFlags = MF_POPUP;
    item.items = std::move(items);
    return item;
}
