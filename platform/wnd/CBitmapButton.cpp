#include "platform/wnd/CBitmapButton.h"

#include "platform/base/assert.h"
#include "platform/gdi/CDC.h"
#include "platform/wnd/DrawItem.h"
#include "platform/wnd/WindowTree.h"

namespace {

void LoadOptional(CBitmap& bitmap, LPCTSTR szName)
{
    bitmap.DeleteObject();
    if (szName != nullptr)
        bitmap.LoadBitmap(szName);
}

} // namespace

BOOL CBitmapButton::LoadBitmaps(LPCTSTR szBitmapResource, LPCTSTR szBitmapResourceSel,
                                LPCTSTR szBitmapResourceFocus, LPCTSTR szBitmapResourceDisabled)
{
    m_bitmap.DeleteObject();
    LoadOptional(m_bitmapSel, szBitmapResourceSel);
    LoadOptional(m_bitmapFocus, szBitmapResourceFocus);
    LoadOptional(m_bitmapDisabled, szBitmapResourceDisabled);
    BOOL bLoaded = m_bitmap.LoadBitmap(szBitmapResource);
    Invalidate();
    return bLoaded;
}

BOOL CBitmapButton::AutoLoad(UINT nID, CWnd* pParent)
{
    ASSERT(pParent != nullptr);
    if (m_hWnd == nullptr && !SubclassDlgItem(nID, pParent))
        return FALSE;
    CString strName;
    GetWindowText(strName);
    if (strName.IsEmpty())
        return FALSE;
    if (!LoadBitmaps(strName + "U", strName + "D", strName + "F", strName + "X"))
        return FALSE;
    SizeToContent();
    return TRUE;
}

void CBitmapButton::SizeToContent()
{
    if (m_hWnd == nullptr || !m_bitmap.IsLoaded())
        return;
    CSize size = m_bitmap.GetSize();
    CRect rect = m_hWnd->m_rect;
    MoveWindow(rect.left, rect.top, size.cx, size.cy, TRUE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CBitmap* pBitmap = &m_bitmap;
    UINT nState = lpDrawItemStruct->itemState;
    if ((nState & ODS_SELECTED) != 0 && m_bitmapSel.IsLoaded())
        pBitmap = &m_bitmapSel;
    else if ((nState & ODS_FOCUS) != 0 && m_bitmapFocus.IsLoaded())
        pBitmap = &m_bitmapFocus;
    else if ((nState & ODS_DISABLED) != 0 && m_bitmapDisabled.IsLoaded())
        pBitmap = &m_bitmapDisabled;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    if (pDC == nullptr || !pBitmap->IsLoaded())
        return;
    CDC dcMemory;
    dcMemory.CreateCompatibleDC(pDC);
    CBitmap* pOld = dcMemory.SelectObject(pBitmap);
    const RECT& rect = lpDrawItemStruct->rcItem;
    pDC->BitBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, &dcMemory, 0, 0, SRCCOPY);
    dcMemory.SelectObject(pOld);
}
