#include "platform/wnd/CStatic.h"

#include "platform/wnd/WindowTree.h"

BOOL CStatic::Create(LPCTSTR szText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateOfKind(plat::WindowKind::Static, szText, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon)
{
    if (m_hWnd == nullptr)
        return nullptr;
    HICON hOld = m_hWnd->m_control.hIcon;
    m_hWnd->m_control.hIcon = hIcon;
    Invalidate();
    return hOld;
}

HICON CStatic::GetIcon() const
{
    return m_hWnd != nullptr ? m_hWnd->m_control.hIcon : nullptr;
}
