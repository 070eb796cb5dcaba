#include "platform/wnd/CEdit.h"

#include "platform/wnd/ControlOps.h"
#include "platform/wnd/WindowTree.h"

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateOfKind(plat::WindowKind::Edit, "", dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL /*bNoScroll*/)
{
    plat::EditSetSel(m_hWnd, nStartChar, nEndChar);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    plat::EditGetSel(m_hWnd, nStartChar, nEndChar);
}

void CEdit::ReplaceSel(LPCTSTR szNewText, BOOL /*bCanUndo*/)
{
    plat::EditReplaceSel(m_hWnd, szNewText);
}
