#include "bridge/table/TableFileDialog.h"

#include "platform/base/ids.h"
#include "platform/wnd/CFileDialog.h"

CString AskTableFileName(CWnd* pParent, FileDialogKind kind, LPCTSTR szDefExt, LPCTSTR szFilter)
{
    CFileDialog dialog(kind == FileDialogKind::Open ? TRUE : FALSE, szDefExt, nullptr,
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, szFilter, pParent);
    if (dialog.DoModal() != IDOK)
        return CString();
    return dialog.GetFileName();
}
