#pragma once
// CEdit: a single-line edit field.

#include "platform/wnd/CWnd.h"

class CEdit : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Selects bytes nStartChar..nEndChar (-1 as the end: to the end of the text).
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    // Replaces the selection (or inserts at the caret).
    void ReplaceSel(LPCTSTR szNewText, BOOL bCanUndo = FALSE);
};
