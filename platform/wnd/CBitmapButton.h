#pragma once
// CBitmapButton: an owner-drawn button that shows one of four pictures by its state: up,
// down (pressed), focused and disabled. Pictures are named bitmap resources, found
// case-insensitively; only the up picture is required.

#include "platform/gdi/CBitmap.h"
#include "platform/wnd/CButton.h"

class CBitmapButton : public CButton {
public:
    // Loads the pictures; nullptr names leave those states showing the up picture.
    BOOL LoadBitmaps(LPCTSTR szBitmapResource, LPCTSTR szBitmapResourceSel = nullptr,
                     LPCTSTR szBitmapResourceFocus = nullptr, LPCTSTR szBitmapResourceDisabled = nullptr);
    // Attaches to button nID of pParent and loads the pictures named by its caption followed
    // by "U", "D", "F" and "X", then sizes the button to its up picture. May be called again
    // for each new window of the same dialog object.
    BOOL AutoLoad(UINT nID, CWnd* pParent);
    // Makes the button as big as its up picture.
    void SizeToContent();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;
};
