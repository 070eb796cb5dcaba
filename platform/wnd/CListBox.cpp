#include "platform/wnd/CListBox.h"

#include "platform/wnd/ControlOps.h"
#include "platform/wnd/WindowTree.h"

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateOfKind(plat::WindowKind::ListBox, "", dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

int CListBox::AddString(LPCTSTR szItem) { return plat::ListAddString(m_hWnd, szItem); }
int CListBox::InsertString(int nIndex, LPCTSTR szItem) { return plat::ListInsertString(m_hWnd, nIndex, szItem); }
int CListBox::DeleteString(UINT nIndex) { return plat::ListDeleteString(m_hWnd, static_cast<int>(nIndex)); }
void CListBox::ResetContent() { plat::ListResetContent(m_hWnd); }
int CListBox::GetCount() const { return plat::ListGetCount(m_hWnd); }
int CListBox::GetCurSel() const { return plat::ListGetCurSel(m_hWnd); }
int CListBox::SetCurSel(int nSelect) { return plat::ListSetCurSel(m_hWnd, nSelect); }
void CListBox::GetText(int nIndex, CString& strText) const { plat::ListGetText(m_hWnd, nIndex, strText); }

int CListBox::GetTextLen(int nIndex) const
{
    CString strText;
    return plat::ListGetText(m_hWnd, nIndex, strText);
}

int CListBox::SetTopIndex(int nIndex) { return plat::ListSetTopIndex(m_hWnd, nIndex); }
int CListBox::GetTopIndex() const { return plat::ListGetTopIndex(m_hWnd); }
int CListBox::FindString(int nStartAfter, LPCTSTR szItem) const { return plat::ListFindString(m_hWnd, nStartAfter, szItem); }

int CListBox::FindStringExact(int nStartAfter, LPCTSTR szItem) const
{
    return plat::ListFindStringExact(m_hWnd, nStartAfter, szItem);
}

int CListBox::Dir(UINT nAttr, LPCTSTR szWildCard) { return plat::ListDir(m_hWnd, nAttr, szWildCard); }
