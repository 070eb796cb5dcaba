#pragma once
// The dialog template of the resource table: a dialog's caption, size, font, styles, menu and
// controls, all places and sizes in dialog units (see dialogunits.h). resources/ writes them
// as data and registers them with AfxRegisterDialogTemplate; windows build themselves from
// them.

#include <vector>

#include "platform/base/CString.h"
#include "platform/base/geometry.h"
#include "platform/res/styles.h"

// The kinds of control a template may hold.
enum class ControlKind {
    PushButton,
    DefPushButton,   // the button Enter presses
    CheckBox,        // an automatic check box
    Edit,            // a single-line edit field
    Static,          // static text; SS_CENTER / SS_RIGHT align it
    Icon,            // a static icon; its text names the icon as "#<id>", e.g. "#128"
    GroupBox,
    ListBox,
    ComboBox,        // CBS_DROPDOWN (with edit field) or CBS_DROPDOWNLIST, CBS_SORT
    OwnerDrawButton, // a button its window draws (bitmap buttons)
};

// One control of a template, written as the resource script writes it: the style bits given
// are added to the kind's own and to WS_CHILD | WS_VISIBLE, and those in dwNotStyle are taken
// away (dwNotStyle = WS_VISIBLE makes a hidden control, WS_TABSTOP one Tab skips).
struct CDialogItem {
    int nID;
    ControlKind kind;
    CString strText;
    int x;
    int y;
    int cx;
    int cy;
    DWORD dwStyle = 0;
    DWORD dwNotStyle = 0;
    // Initial items of a combo box (or list box), in template order.
    std::vector<CString> items = {};

    // The effective style bits of the control.
    DWORD GetStyle() const;
    // The control's rectangle in dialog units.
    CRect GetRect() const { return CRect(x, y, x + cx, y + cy); }
    // The icon id of an Icon control ("#128" gives 128); 0 when the text names none.
    UINT GetIconID() const;
};

// One dialog template. dwStyle holds the whole window style (WS_POPUP, WS_VISIBLE,
// WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, DS_MODALFRAME ...).
struct CDialogTemplate {
    UINT nID;
    CString strCaption;
    int x;
    int y;
    int cx;
    int cy;
    DWORD dwStyle;
    CString strFontName = "MS Sans Serif";
    int nFontSize = 8;
    UINT nMenuID = 0; // 0: no menu
    std::vector<CDialogItem> controls = {};

    CRect GetRect() const { return CRect(x, y, x + cx, y + cy); }
    // The control with id nID, or nullptr.
    const CDialogItem* FindControl(int nID) const;
};
