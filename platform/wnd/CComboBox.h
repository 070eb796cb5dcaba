#pragma once
// CComboBox: a drop-down list with (CBS_DROPDOWN) or without (CBS_DROPDOWNLIST) an edit field;
// CBS_SORT keeps the items in order. The window text is the edit field's text.

#include "platform/wnd/CWnd.h"

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int AddString(LPCTSTR szItem);
    int InsertString(int nIndex, LPCTSTR szItem);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    // Selects item nSelect (-1: none) and shows it in the edit field.
    int SetCurSel(int nSelect);
    void GetLBText(int nIndex, CString& strText) const;
    int GetLBTextLen(int nIndex) const;
    int FindString(int nStartAfter, LPCTSTR szPrefix) const;
    int FindStringExact(int nStartAfter, LPCTSTR szItem) const;
    // Selects the first item after nStartAfter beginning with szPrefix; its index or CB_ERR.
    int SelectString(int nStartAfter, LPCTSTR szPrefix);
    // Adds a listing of the current folder: folders as "[name]" ("[..]" included, "." left
    // out) with DDL_DIRECTORY, and the files matching szWildCard.
    int Dir(UINT nAttr, LPCTSTR szWildCard);
    void ShowDropDown(BOOL bShowIt = TRUE);
    BOOL GetDroppedState() const;
};
