#include "platform/wnd/CComboBox.h"

#include "platform/wnd/ComboDrop.h"
#include "platform/wnd/ControlOps.h"
#include "platform/wnd/WindowTree.h"

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateOfKind(plat::WindowKind::ComboBox, "", dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

int CComboBox::AddString(LPCTSTR szItem) { return plat::ListAddString(m_hWnd, szItem); }
int CComboBox::InsertString(int nIndex, LPCTSTR szItem) { return plat::ListInsertString(m_hWnd, nIndex, szItem); }
int CComboBox::DeleteString(UINT nIndex) { return plat::ListDeleteString(m_hWnd, static_cast<int>(nIndex)); }
void CComboBox::ResetContent() { plat::ListResetContent(m_hWnd); }
int CComboBox::GetCount() const { return plat::ListGetCount(m_hWnd); }
int CComboBox::GetCurSel() const { return plat::ListGetCurSel(m_hWnd); }
int CComboBox::SetCurSel(int nSelect) { return plat::ListSetCurSel(m_hWnd, nSelect); }
void CComboBox::GetLBText(int nIndex, CString& strText) const { plat::ListGetText(m_hWnd, nIndex, strText); }

int CComboBox::GetLBTextLen(int nIndex) const
{
    CString strText;
    return plat::ListGetText(m_hWnd, nIndex, strText);
}

int CComboBox::FindString(int nStartAfter, LPCTSTR szPrefix) const
{
    return plat::ListFindString(m_hWnd, nStartAfter, szPrefix);
}

int CComboBox::FindStringExact(int nStartAfter, LPCTSTR szItem) const
{
    return plat::ListFindStringExact(m_hWnd, nStartAfter, szItem);
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR szPrefix)
{
    int nIndex = FindString(nStartAfter, szPrefix);
    return nIndex >= 0 ? SetCurSel(nIndex) : CB_ERR;
}

int CComboBox::Dir(UINT nAttr, LPCTSTR szWildCard) { return plat::ListDir(m_hWnd, nAttr, szWildCard); }

void CComboBox::ShowDropDown(BOOL bShowIt)
{
    if (bShowIt)
        plat::OpenComboDrop(m_hWnd);
    else
        plat::CloseComboDrop(m_hWnd, -1);
}

BOOL CComboBox::GetDroppedState() const
{
    return plat::IsComboDropped(m_hWnd);
}
