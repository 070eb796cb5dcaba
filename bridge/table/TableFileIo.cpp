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

// The message for a file that could not be read or written: "pipe.brg is not a regular
// file", or strFile, szWhat (" could not be opened: ") and the system's reason.
CString FailureText(const CString& strFile, const plat::FileResult& result, const char* szWhat)
{
    if (result.step == plat::FileResult::Step::NotRegular)
        return strFile + " is not a regular file";
    return strFile + szWhat + result.ErrorText().c_str();
}

} // namespace

bool ReadTableFile(CWnd* pOwner, const CString& strFile, std::string& strContents)
{
    const plat::FileResult result =
        plat::ReadWholeFile(std::string(strFile), MAX_TABLE_FILE_BYTES, strContents);
    if (result.Succeeded())
        return true;
    const char* szWhat = result.step == plat::FileResult::Step::Open ? " could not be opened: "
                                                                     : " could not be read: ";
    ShowFileMessage(pOwner, FailureText(strFile, result, szWhat));
    return false;
}

bool SaveTableFile(CWnd* pOwner, const CString& strFile, const std::string& strContents,
                   SaveReport report)
{
    const plat::FileResult result =
        plat::WriteWholeFile(std::string(strFile), strContents, plat::FileAccess::Shared);
    if (result.Succeeded())
        return true;
    if (report == SaveReport::Shown)
        ShowFileMessage(pOwner, FailureText(strFile, result, " could not be written: "));
    return false;
}

void ReportRefusedFile(CWnd* pOwner, const CString& strFile, const char* szKind,
                       const CString& strProblem)
{
    ShowFileMessage(pOwner, strFile + " is not " + szKind + ": " + strProblem);
}
