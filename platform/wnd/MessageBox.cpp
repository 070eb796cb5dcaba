#include "platform/wnd/MessageBox.h"

#include "platform/base/CString.h"
#include "platform/wnd/CMessageBoxDlg.h"
#include "platform/wnd/WindowTree.h"

namespace plat {

int RunMessageBox(HWND hOwner, LPCTSTR szText, LPCTSTR szCaption, UINT nType)
{
    CMessageBoxDlg dlg(CWnd::FromHandle(GetTopLevel(hOwner)), szText, szCaption, nType);
    INT_PTR nResult = dlg.DoModal();
    // A box with OK alone answers OK to Escape and the close box, as the framework's does.
    if (nResult == IDCANCEL && (nType & MB_TYPEMASK) == MB_OK)
        return IDOK;
    return static_cast<int>(nResult);
}

} // namespace plat

int AfxMessageBox(LPCTSTR szText, UINT nType, UINT /*nIDHelp*/)
{
    return plat::RunMessageBox(nullptr, szText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT /*nIDHelp*/)
{
    CString strText;
    strText.LoadString(nIDPrompt);
    return AfxMessageBox(strText, nType);
}
