#include "platform/gdi/icon.h"

#include "platform/gdi/gdidefs.h"

const CSurface* GetIconSurface(HICON hIcon)
{
    return hIcon ? &hIcon->m_surface : nullptr;
}

int GetSystemMetrics(int nIndex)
{
    switch (nIndex) {
    case SM_CXICON:
    case SM_CYICON:
        return ICON_SIZE;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return SMALL_ICON_SIZE;
    default:
        return 0;
    }
}
