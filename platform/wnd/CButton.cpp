#include "platform/wnd/CButton.h"

#include "platform/wnd/ControlOps.h"
#include "platform/wnd/WindowTree.h"

BOOL CButton::Create(LPCTSTR szCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateOfKind(plat::WindowKind::Button, szCaption, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

int CButton::GetCheck() const
{
    return plat::ButtonGetCheck(m_hWnd);
}

void CButton::SetCheck(int nCheck)
{
    plat::ButtonSetCheck(m_hWnd, nCheck);
}

UINT CButton::GetState() const
{
    return m_hWnd != nullptr && m_hWnd->m_control.bPushed ? 1u : 0u;
}

void CButton::SetState(BOOL bHighlight)
{
    if (m_hWnd == nullptr)
        return;
    m_hWnd->m_control.bPushed = bHighlight != FALSE;
    Invalidate();
}

UINT CButton::GetButtonStyle() const
{
    return m_hWnd != nullptr ? (m_hWnd->m_dwStyle & BS_TYPEMASK) : 0;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    if (m_hWnd == nullptr)
        return;
    m_hWnd->m_dwStyle = (m_hWnd->m_dwStyle & ~BS_TYPEMASK) | (nStyle & BS_TYPEMASK);
    if (bRedraw)
        Invalidate();
}
