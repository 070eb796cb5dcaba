#include "platform/gdi/CPen.h"

#include <algorithm>

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF color)
{
    m_nStyle = nPenStyle == PS_NULL ? PS_NULL : PS_SOLID;
    m_nWidth = std::max(nWidth, 1);
    m_color = color;
    return TRUE;
}
