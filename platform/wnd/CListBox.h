#pragma once
// CListBox: a list of text items with one selection, a top index and, with WS_VSCROLL, a
// scroll bar when the items do not fit. Results follow the framework: an index, or LB_ERR.

#include "platform/wnd/CWnd.h"

class CListBox : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Adds an item (in order for LBS_SORT lists); returns its index.
    int AddString(LPCTSTR szItem);
    int InsertString(int nIndex, LPCTSTR szItem);
    // Returns the number of items left.
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    void GetText(int nIndex, CString& strText) const;
    int GetTextLen(int nIndex) const;
    // Scrolls so that item nIndex is the first shown.
    int SetTopIndex(int nIndex);
    int GetTopIndex() const;
    int FindString(int nStartAfter, LPCTSTR szItem) const;
    int FindStringExact(int nStartAfter, LPCTSTR szItem) const;
    // Adds a listing of the current folder (see ListDir).
    int Dir(UINT nAttr, LPCTSTR szWildCard);
};
