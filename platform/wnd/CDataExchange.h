#pragma once
// Dialog data exchange: DoDataExchange calls the DDX_ functions, which either read the
// controls into the dialog's members (m_bSaveAndValidate) or fill the controls from them.

#include "platform/base/CString.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control nIDC of the dialog's window, or nullptr.
    HWND PrepareCtrl(int nIDC) const;
};

// Edit (or any control's) text.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Edit text as a number; text that is no number reads as 0.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
// Check box state: 0 or 1.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Attaches rControl to control nIDC when it is not attached yet.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Combo box text: the edit field's text, or the selected item's for a list-only combo. Filling
// selects the first item that begins with the text and puts the text in the edit field.
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
// Combo box selection index (-1 for none).
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
