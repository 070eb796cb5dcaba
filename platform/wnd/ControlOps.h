#pragma once
// The operations on controls, on their handles: the control classes (CButton, CListBox,
// CComboBox, ...) and data exchange call these, so a control works the same whether or not
// an object of its class is attached.

#include "platform/base/CString.h"
#include "platform/base/types.h"
#include "platform/res/CDialogTemplate.h"

namespace plat {

// Creates the control of a template item in dialog hDialog (rectangle in pixels).
HWND CreateControl(HWND hDialog, const CDialogItem& item, const CRect& rect);

// List and combo boxes share their item list. Sorted controls insert in order (byte-wise,
// ignoring case); others append. Results are the new index, or -1.
int ListAddString(HWND hControl, LPCTSTR szItem);
int ListInsertString(HWND hControl, int nIndex, LPCTSTR szItem);
int ListDeleteString(HWND hControl, int nIndex);
void ListResetContent(HWND hControl);
int ListGetCount(HWND hControl);
// The index of the first item after nStartAfter (-1: from the top) beginning with szPrefix,
// ignoring case; -1 when none.
int ListFindString(HWND hControl, int nStartAfter, LPCTSTR szPrefix);
int ListFindStringExact(HWND hControl, int nStartAfter, LPCTSTR szText);
int ListGetText(HWND hControl, int nIndex, CString& strText);
int ListGetCurSel(HWND hControl);
// Selects nIndex (-1: nothing); a combo box's edit field shows the selected item.
int ListSetCurSel(HWND hControl, int nIndex);
int ListSetTopIndex(HWND hControl, int nIndex);
int ListGetTopIndex(HWND hControl);
// How many items a list box shows at once.
int ListVisibleCount(HWND hControl);
// Adds the files of the current folder that match szPattern (wildcards * and ?) and, with
// DDL_DIRECTORY, the folders as "[name]" (".." included, "." left out); DDL_EXCLUSIVE leaves
// the plain files out. Returns the index of the last item added, or -1.
int ListDir(HWND hControl, UINT nAttr, LPCTSTR szPattern);

// Buttons.
int ButtonGetCheck(HWND hButton);
void ButtonSetCheck(HWND hButton, int nCheck);

// Edits (and the combo box's edit field): selection as byte offsets.
void EditSetSel(HWND hControl, int nStart, int nEnd);
void EditGetSel(HWND hControl, int& nStart, int& nEnd);
void EditReplaceSel(HWND hControl, LPCTSTR szText);

// Wildcard match of a file name (* and ?), ignoring case.
bool MatchesPattern(const char* szName, const char* szPattern);

} // namespace plat
