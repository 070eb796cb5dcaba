#pragma once
// CButton: push buttons, default push buttons, check boxes, group boxes and owner-drawn
// buttons. Usually attached to a template's control with DDX_Control or SubclassDlgItem.

#include "platform/wnd/CWnd.h"

class CButton : public CWnd {
public:
    // Makes a child button of pParentWnd (dwStyle: BS_* with WS_CHILD, WS_VISIBLE, ...).
    BOOL Create(LPCTSTR szCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCheck() const;
    void SetCheck(int nCheck);
    // BST_PUSHED-like state: non-zero while the button is held down.
    UINT GetState() const;
    void SetState(BOOL bHighlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
};
