#include "platform/res/CDialogTemplate.h"

#include <cstdlib>

namespace {

// The style bits each kind of control carries of its own.
DWORD KindStyle(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
        return BS_PUSHBUTTON | WS_TABSTOP;
    case ControlKind::DefPushButton:
        return BS_DEFPUSHBUTTON | WS_TABSTOP;
    case ControlKind::CheckBox:
        return BS_AUTOCHECKBOX | WS_TABSTOP;
    case ControlKind::Edit:
        return ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
    case ControlKind::Static:
        return SS_LEFT;
    case ControlKind::Icon:
        return SS_ICON;
    case ControlKind::GroupBox:
        return BS_GROUPBOX;
    case ControlKind::ListBox:
        return WS_BORDER | WS_TABSTOP;
    case ControlKind::ComboBox:
        return WS_TABSTOP;
    case ControlKind::OwnerDrawButton:
        return BS_OWNERDRAW | WS_TABSTOP;
    }
    return 0;
}

} // namespace

DWORD CDialogItem::GetStyle() const
{
    return (WS_CHILD | WS_VISIBLE | KindStyle(kind) | dwStyle) & ~dwNotStyle;
}

UINT CDialogItem::GetIconID() const
{
    if (strText.GetLength() < 2 || strText[0] != '#')
        return 0;
    char* pEnd = nullptr;
    const unsigned long nID = std::strtoul(static_cast<LPCTSTR>(strText) + 1, &pEnd, 10);
    return pEnd && *pEnd == '\0' ? static_cast<UINT>(nID) : 0;
}

const CDialogItem* CDialogTemplate::FindControl(int nID) const
{
    for (const CDialogItem& item : controls)
        if (item.nID == nID)
            return &item;
    return nullptr;
}
