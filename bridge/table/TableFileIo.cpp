#include "bridge/table/TableFileIo.h"

#include "platform/file/WholeFile.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/MessageBox.h"

namespace {

constexpr UINT FILE_MESSAGE_TYPE = MB_OK | MB_ICONEXCLAMATION;

void ShowFileMessage(CWnd* pOwner, const CString& strText)
{
    if (pOwner != nullptr)
        pOwner->MessageBox(strText, nullptr, FILE_MESSAGE_TYPE);
    else
        AfxMessageBox(strText, FILE_MESSAGE_TYPE);
}

} // namespace

bool ReadTableFile(CWnd* pOwner, const CString& strFile, std::string& strContents)
{
    const plat::FileResult result =
        plat::ReadWholeFile(std::string(strFile), MAX_TABLE_FILE_BYTES, strContents);
    if (result.Succeeded())
        return true;
    if (result.step == plat::FileResult::Step::NotRegular) {
        ShowFileMessage(pOwner, strFile + " is not a regular file");
        return false;
    }
    const char* szWhat = result.step == plat::FileResult::Step::Open ? " could not be opened: "
                                                                     : " could not be read: ";
    ShowFileMessage(pOwner, strFile + szWhat + result.ErrorText().c_str());
    return false;
}

bool SaveTableFile(CWnd* pOwner, const CString& strFile, const std::string& strContents,
                   SaveReport report)
{
    const plat::FileResult result =
        plat::WriteFileAtomically(std::string(strFile), strContents, plat::FileAccess::Shared);
    if (result.Succeeded())
        return true;
    if (report == SaveReport::Shown)
        ShowFileMessage(pOwner, strFile + " could not be written: " + result.ErrorText().c_str());
    return false;
}

void ReportRefusedFile(CWnd* pOwner, const CString& strFile, const char* szKind,
                       const CString& strProblem)
{
    ShowFileMessage(pOwner, strFile + " is not " + szKind + ": " + strProblem);
}
