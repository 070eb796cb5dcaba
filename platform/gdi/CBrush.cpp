#include "platform/gdi/CBrush.h"

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    m_color = color;
    m_bCreated = TRUE;
    return TRUE;
}

BOOL CBrush::DeleteObject()
{
    const BOOL bHad = m_bCreated;
    m_bCreated = FALSE;
    return bHad;
}
