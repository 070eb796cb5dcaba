#pragma once
// CStatic: static text and icons.

#include "platform/wnd/CWnd.h"

class CStatic : public CWnd {
public:
    BOOL Create(LPCTSTR szText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);
    // Shows hIcon (for SS_ICON statics); returns the icon shown before.
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
};
