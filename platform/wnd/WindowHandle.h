#pragma once
// The object behind a window handle. Every window the layer knows (top-level windows,
// dialogs, controls, menu pop-ups) is one of these; a CWnd object attaches to it and gets
// its messages first, and what the object leaves unhandled goes to the procedure of the
// window's kind. Handles live in the window tree (WindowTree.h), which creates and destroys
// them; a destroyed handle is never reused while messages for it could still be queued.

#include <memory>
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/geometry.h"
#include "platform/base/types.h"
#include "platform/gdi/CSurface.h"

class CWnd;

namespace plat {

// What built-in procedure serves the window when its object leaves a message unhandled.
enum class WindowKind {
    Frame,        // a plain top-level window
    Dialog,       // a dialog: dialog keys, close becomes Cancel
    Button,       // push, default push, check box, group box and owner-drawn buttons
    Static,       // static text and icons
    Edit,         // single-line edit
    ListBox,
    ComboBox,
    MenuPopup,    // a pop-up menu shown while a menu is tracked
};

// The state of a control the built-in procedures keep (only the fields of its kind are used).
struct ControlState {
    int nCheck = 0;                     // check boxes: 0 or 1
    bool bPushed = false;               // buttons: held down under the mouse or Space
    bool bTracking = false;             // buttons: the mouse went down on it
    HICON hIcon = nullptr;              // static icons
    int nTabChars = 0;                  // static text: average characters per tab stop, 0 the default
    std::vector<CString> items;         // list and combo boxes
    int nCurSel = -1;                   // list and combo boxes
    int nTopIndex = 0;                  // list boxes and dropped combo lists
    int nCaret = 0;                     // edits (also the combo's edit field): byte offset
    int nSelAnchor = 0;                 // edits: the other end of the selection
    bool bDropped = false;              // combo boxes: list shown
    HWND hDropList = nullptr;           // combo boxes: the list pop-up while dropped
    HWND hCombo = nullptr;              // a dropped list: the combo box it belongs to
    int nDropHeight = 0;                // combo boxes: height of the dropped list
    int nScrollX = 0;                   // edits: pixels scrolled to keep the caret in view
    unsigned nLastClickTime = 0;        // list boxes: for double clicks
    int nLastClickItem = -1;
};

} // namespace plat

struct HWND__ {
    CWnd* m_pWnd = nullptr;             // the attached object, not owned
    plat::WindowKind m_kind = plat::WindowKind::Frame;
    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;
    UINT m_nID = 0;                     // control id, or template id of a dialog
    HWND m_hParent = nullptr;           // children only
    HWND m_hOwner = nullptr;            // top-level windows only
    std::vector<HWND> m_children;       // in creation (tab and paint) order
    CRect m_rect;                       // children: parent client coordinates; top-level: screen
    CString m_strText;
    bool m_bVisible = false;
    bool m_bEnabled = true;
    bool m_bIconic = false;
    bool m_bDestroying = false;
    HMENU m_hMenu = nullptr;            // top-level: menu bar (not owned); children: none
    HMENU m_hSysMenu = nullptr;         // top-level: system menu, owned
    HICON m_hIconBig = nullptr;
    HICON m_hIconSmall = nullptr;
    CRect m_rectInvalid;                // client coordinates; empty when valid
    bool m_bEraseInvalid = false;       // the invalid area gets the background first
    bool m_bMenuBarInvalid = false;     // top-level: the menu bar needs drawing
    CRect m_rectHeld;                   // top-level: surface drawn, shown with the next
                                        // frame (FramePacing.h)
    HWND m_hFocusSaved = nullptr;       // top-level: the control that had the focus last
    unsigned m_nActivation = 0;         // top-level: when the focus last came in (a rising count)
    bool m_bPlacing = false;            // top-level: shown, and the window manager has not
                                        // yet said where it put the window
    bool m_bTemplatePlace = false;      // top-level, not yet shown: still where its template
                                        // put it in its owner's client area, which is
    CPoint m_ptTemplatePlace;           // this point of the owner's client coordinates
    plat::ControlState m_control;
    std::unique_ptr<CSurface> m_pSurface; // top-level: what the window shows
    void* m_pBackendData = nullptr;     // top-level: the backend's own window
    unsigned m_nSerial = 0;             // creation number, for ordering and diagnostics
};
