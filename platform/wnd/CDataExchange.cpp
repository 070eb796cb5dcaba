#include "platform/wnd/CDataExchange.h"

#include <cstdlib>

#include "platform/wnd/ControlOps.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/WindowTree.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC) const
{
    CWnd* pControl = m_pDlgWnd != nullptr ? m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
    return pControl != nullptr ? pControl->m_hWnd : nullptr;
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hControl = pDX->PrepareCtrl(nIDC);
    if (hControl == nullptr)
        return;
    CWnd* pControl = CWnd::FromHandle(hControl);
    if (pDX->m_bSaveAndValidate)
        pControl->GetWindowText(value);
    else
        pControl->SetWindowText(value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    CString strText;
    if (!pDX->m_bSaveAndValidate)
        strText.Format("%d", value);
    DDX_Text(pDX, nIDC, strText);
    if (pDX->m_bSaveAndValidate && pDX->PrepareCtrl(nIDC) != nullptr)
        value = std::atoi(strText);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hControl = pDX->PrepareCtrl(nIDC);
    if (hControl == nullptr)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = hControl->m_control.nCheck;
    } else {
        hControl->m_control.nCheck = value != 0 ? 1 : 0;
        plat::InvalidateWindow(hControl, nullptr);
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == nullptr)
        rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hControl = pDX->PrepareCtrl(nIDC);
    if (hControl == nullptr)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = hControl->m_strText;
        return;
    }
    plat::ListSetCurSel(hControl, value.IsEmpty() ? -1 : plat::ListFindString(hControl, -1, value));
    if ((hControl->m_dwStyle & CBS_TYPEMASK) != CBS_DROPDOWNLIST) {
        hControl->m_strText = value;
        plat::EditSetSel(hControl, 0, value.GetLength());
        plat::InvalidateWindow(hControl, nullptr);
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hControl = pDX->PrepareCtrl(nIDC);
    if (hControl == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        index = plat::ListGetCurSel(hControl);
    else
        plat::ListSetCurSel(hControl, index);
}
