#include "platform/wnd/ControlOps.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "platform/res/resources.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"
#include "platform/wnd/styles.h"

namespace plat {

namespace {

// A closed combo box is as high as one edit line.
constexpr int COMBO_CLOSED_HEIGHT = 21;

WindowKind KindOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::CheckBox:
    case ControlKind::GroupBox:
    case ControlKind::OwnerDrawButton:
        return WindowKind::Button;
    case ControlKind::Edit:
        return WindowKind::Edit;
    case ControlKind::Static:
    case ControlKind::Icon:
        return WindowKind::Static;
    case ControlKind::ListBox:
        return WindowKind::ListBox;
    case ControlKind::ComboBox:
        return WindowKind::ComboBox;
    }
    return WindowKind::Static;
}

int CompareNoCase(const CString& a, const CString& b)
{
    return a.CompareNoCase(b);
}

bool IsSorted(HWND hControl)
{
    if (hControl->m_kind == WindowKind::ComboBox)
        return (hControl->m_dwStyle & CBS_SORT) != 0;
    return (hControl->m_dwStyle & LBS_SORT) != 0;
}

bool BeginsWithNoCase(const CString& strText, const char* szPrefix)
{
    for (int i = 0; szPrefix[i] != '\0'; ++i) {
        if (i >= strText.GetLength() ||
            std::tolower(static_cast<unsigned char>(strText[i])) != std::tolower(static_cast<unsigned char>(szPrefix[i])))
            return false;
    }
    return true;
}

void RefreshCombo(HWND hControl)
{
    if (hControl->m_kind != WindowKind::ComboBox)
        return;
    if (IsLiveWindow(hControl->m_control.hDropList))
        InvalidateWindow(hControl->m_control.hDropList, nullptr);
}

} // namespace

HWND CreateControl(HWND hDialog, const CDialogItem& item, const CRect& rect)
{
    WindowParams params;
    params.kind = KindOf(item.kind);
    params.dwStyle = item.GetStyle();
    params.nID = static_cast<UINT>(item.nID);
    params.hParent = hDialog;
    params.rect = rect;
    params.strText = item.kind == ControlKind::Icon ? CString() : item.strText;
    if (params.kind == WindowKind::ComboBox)
        params.rect.bottom = params.rect.top + std::min(rect.Height(), COMBO_CLOSED_HEIGHT);
    HWND hControl = CreateWindowHandle(params);
    hControl->m_control.nDropHeight = rect.Height();
    if (item.kind == ControlKind::Icon)
        hControl->m_control.hIcon = AfxLoadIcon(item.GetIconID());
    for (const CString& strItem : item.items)
        ListAddString(hControl, strItem);
    if ((params.dwStyle & WS_VISIBLE) != 0) {
        hControl->m_bVisible = true;
        InvalidateWindow(hControl, nullptr);
    }
    return hControl;
}

int ListAddString(HWND hControl, LPCTSTR szItem)
{
    if (!IsLiveWindow(hControl))
        return -1;
    std::vector<CString>& items = hControl->m_control.items;
    CString strItem = szItem != nullptr ? szItem : "";
    size_t nIndex = items.size();
    if (IsSorted(hControl)) {
        auto it = std::upper_bound(items.begin(), items.end(), strItem,
                                   [](const CString& a, const CString& b) { return CompareNoCase(a, b) < 0; });
        nIndex = static_cast<size_t>(it - items.begin());
    }
    return ListInsertString(hControl, static_cast<int>(nIndex), strItem);
}

int ListInsertString(HWND hControl, int nIndex, LPCTSTR szItem)
{
    if (!IsLiveWindow(hControl))
        return -1;
    std::vector<CString>& items = hControl->m_control.items;
    if (nIndex < 0 || nIndex > static_cast<int>(items.size()))
        nIndex = static_cast<int>(items.size());
    items.insert(items.begin() + nIndex, CString(szItem != nullptr ? szItem : ""));
    if (hControl->m_control.nCurSel >= nIndex)
        ++hControl->m_control.nCurSel;
    InvalidateWindow(hControl, nullptr);
    RefreshCombo(hControl);
    return nIndex;
}

int ListDeleteString(HWND hControl, int nIndex)
{
    if (!IsLiveWindow(hControl) || nIndex < 0 || nIndex >= ListGetCount(hControl))
        return -1;
    ControlState& state = hControl->m_control;
    state.items.erase(state.items.begin() + nIndex);
    if (state.nCurSel == nIndex)
        state.nCurSel = -1;
    else if (state.nCurSel > nIndex)
        --state.nCurSel;
    state.nTopIndex = std::min(state.nTopIndex, std::max(0, ListGetCount(hControl) - 1));
    InvalidateWindow(hControl, nullptr);
    RefreshCombo(hControl);
    return ListGetCount(hControl);
}

void ListResetContent(HWND hControl)
{
    if (!IsLiveWindow(hControl))
        return;
    hControl->m_control.items.clear();
    hControl->m_control.nCurSel = -1;
    hControl->m_control.nTopIndex = 0;
    InvalidateWindow(hControl, nullptr);
    RefreshCombo(hControl);
}

int ListGetCount(HWND hControl)
{
    return IsLiveWindow(hControl) ? static_cast<int>(hControl->m_control.items.size()) : -1;
}

int ListFindString(HWND hControl, int nStartAfter, LPCTSTR szPrefix)
{
    int nCount = ListGetCount(hControl);
    for (int i = std::max(0, nStartAfter + 1); i < nCount; ++i) {
        if (BeginsWithNoCase(hControl->m_control.items[i], szPrefix != nullptr ? szPrefix : ""))
            return i;
    }
    return -1;
}

int ListFindStringExact(HWND hControl, int nStartAfter, LPCTSTR szText)
{
    int nCount = ListGetCount(hControl);
    for (int i = std::max(0, nStartAfter + 1); i < nCount; ++i) {
        if (hControl->m_control.items[i].CompareNoCase(szText != nullptr ? szText : "") == 0)
            return i;
    }
    return -1;
}

int ListGetText(HWND hControl, int nIndex, CString& strText)
{
    if (nIndex < 0 || nIndex >= ListGetCount(hControl)) {
        strText.Empty();
        return -1;
    }
    strText = hControl->m_control.items[nIndex];
    return strText.GetLength();
}

int ListGetCurSel(HWND hControl)
{
    return IsLiveWindow(hControl) ? hControl->m_control.nCurSel : -1;
}

int ListSetCurSel(HWND hControl, int nIndex)
{
    if (!IsLiveWindow(hControl))
        return -1;
    ControlState& state = hControl->m_control;
    state.nCurSel = nIndex >= 0 && nIndex < ListGetCount(hControl) ? nIndex : -1;
    if (state.nCurSel >= 0 && hControl->m_kind == WindowKind::ListBox) {
        int nVisible = ListVisibleCount(hControl);
        if (state.nCurSel < state.nTopIndex)
            state.nTopIndex = state.nCurSel;
        else if (nVisible > 0 && state.nCurSel >= state.nTopIndex + nVisible)
            state.nTopIndex = state.nCurSel - nVisible + 1;
    }
    if (hControl->m_kind == WindowKind::ComboBox) {
        hControl->m_strText = state.nCurSel >= 0 ? state.items[state.nCurSel] : CString();
        EditSetSel(hControl, 0, hControl->m_strText.GetLength());
    }
    InvalidateWindow(hControl, nullptr);
    RefreshCombo(hControl);
    return state.nCurSel;
}

int ListSetTopIndex(HWND hControl, int nIndex)
{
    int nCount = ListGetCount(hControl);
    if (nIndex < 0 || nIndex >= std::max(nCount, 1))
        return -1;
    hControl->m_control.nTopIndex = nIndex;
    InvalidateWindow(hControl, nullptr);
    return 0;
}

int ListGetTopIndex(HWND hControl)
{
    return IsLiveWindow(hControl) ? hControl->m_control.nTopIndex : -1;
}

int ListVisibleCount(HWND hControl)
{
    if (!IsLiveWindow(hControl))
        return 0;
    int nHeight = hControl->m_rect.Height() - ((hControl->m_dwStyle & WS_BORDER) != 0 ? 4 : 0);
    return std::max(1, nHeight / LIST_ITEM_HEIGHT);
}

bool MatchesPattern(const char* szName, const char* szPattern)
{
    if (*szPattern == '\0')
        return *szName == '\0';
    if (*szPattern == '*') {
        for (const char* p = szName;; ++p) {
            if (MatchesPattern(p, szPattern + 1))
                return true;
            if (*p == '\0')
                return false;
        }
    }
    if (*szName == '\0')
        return false;
    if (*szPattern != '?' &&
        std::tolower(static_cast<unsigned char>(*szPattern)) != std::tolower(static_cast<unsigned char>(*szName)))
        return false;
    return MatchesPattern(szName + 1, szPattern + 1);
}

int ListDir(HWND hControl, UINT nAttr, LPCTSTR szPattern)
{
    DIR* pDir = opendir(".");
    if (pDir == nullptr)
        return -1;
    // Entries as (name, listed text): directory order is arbitrary, so they are listed by
    // name, folders and files mixed, as a sorted file system gives them.
    std::vector<std::pair<std::string, std::string>> entries;
    while (dirent* pEntry = readdir(pDir)) {
        std::string strName = pEntry->d_name;
        if (strName == ".")
            continue;
        struct stat info = {};
        bool bFolder = stat(strName.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        if (bFolder && (nAttr & DDL_DIRECTORY) != 0)
            entries.emplace_back(strName, "[" + strName + "]");
        else if (!bFolder && (nAttr & DDL_EXCLUSIVE) == 0 && MatchesPattern(strName.c_str(), szPattern))
            entries.emplace_back(strName, strName);
    }
    closedir(pDir);
    std::sort(entries.begin(), entries.end());
    int nLast = -1;
    for (const auto& entry : entries)
        nLast = ListAddString(hControl, entry.second.c_str());
    return nLast;
}

int ButtonGetCheck(HWND hButton)
{
    return IsLiveWindow(hButton) ? hButton->m_control.nCheck : 0;
}

void ButtonSetCheck(HWND hButton, int nCheck)
{
    if (!IsLiveWindow(hButton))
        return;
    hButton->m_control.nCheck = nCheck != 0 ? BST_CHECKED : BST_UNCHECKED;
    InvalidateWindow(hButton, nullptr);
}

void EditSetSel(HWND hControl, int nStart, int nEnd)
{
    if (!IsLiveWindow(hControl))
        return;
    int nLength = hControl->m_strText.GetLength();
    if (nStart < 0) {
        hControl->m_control.nSelAnchor = hControl->m_control.nCaret = nLength;
    } else {
        hControl->m_control.nSelAnchor = std::min(nStart, nLength);
        hControl->m_control.nCaret = nEnd < 0 ? nLength : std::min(nEnd, nLength);
    }
    InvalidateWindow(hControl, nullptr);
}

void EditGetSel(HWND hControl, int& nStart, int& nEnd)
{
    nStart = nEnd = 0;
    if (!IsLiveWindow(hControl))
        return;
    nStart = std::min(hControl->m_control.nSelAnchor, hControl->m_control.nCaret);
    nEnd = std::max(hControl->m_control.nSelAnchor, hControl->m_control.nCaret);
}

void EditReplaceSel(HWND hControl, LPCTSTR szText)
{
    int nStart = 0;
    int nEnd = 0;
    EditGetSel(hControl, nStart, nEnd);
    if (!IsLiveWindow(hControl))
        return;
    CString strInsert = szText != nullptr ? szText : "";
    CString& strText = hControl->m_strText;
    strText = strText.Left(nStart) + strInsert + strText.Mid(nEnd);
    hControl->m_control.nCaret = hControl->m_control.nSelAnchor = nStart + strInsert.GetLength();
    InvalidateWindow(hControl, nullptr);
}

} // namespace plat
