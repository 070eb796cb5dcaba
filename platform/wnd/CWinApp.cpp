#include "platform/wnd/CWinApp.h"

#include <unistd.h>

#include <climits>

#include "platform/backend/backend.h"
#include "platform/base/ids.h"
#include "platform/msg/loop.h"
#include "platform/res/resources.h"
#include "platform/wnd/SessionEnd.h"

namespace {

CWinApp* s_pApp = nullptr;

// The running executable's file name without folder and extension.
CString ExecutableStem()
{
    char szPath[PATH_MAX] = {};
    ssize_t nLength = readlink("/proc/self/exe", szPath, sizeof(szPath) - 1);
    CString strPath = nLength > 0 ? CString(szPath, static_cast<int>(nLength)) : CString("app");
    int nSlash = -1;
    for (int i = 0; i < strPath.GetLength(); ++i) {
        if (strPath[i] == '/')
            nSlash = i;
    }
    CString strName = strPath.Mid(nSlash + 1);
    int nDot = -1;
    for (int i = 1; i < strName.GetLength(); ++i) {
        if (strName[i] == '.')
            nDot = i;
    }
    return nDot > 0 ? strName.Left(nDot) : strName;
}

} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR szAppName)
{
    if (szAppName != nullptr) {
        m_strAppName = szAppName;
        m_pszAppName = m_strAppName;
    }
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessage(&msg, nullptr, 0, 0)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int CWinApp::ExitInstance()
{
    return 0;
}

HICON CWinApp::LoadIcon(UINT nID) const
{
    return AfxLoadIcon(nID);
}

void CWinApp::OnHelp()
{
    // No help file is installed; F1 has nothing to show.
}

CWinApp* AfxGetApp()
{
    return s_pApp;
}

LPCTSTR AfxGetAppName()
{
    static CString s_strExecutable = ExecutableStem();
    if (s_pApp == nullptr)
        return s_strExecutable;
    if (s_pApp->m_pszAppName == nullptr)
        s_pApp->m_pszAppName = s_strExecutable;
    return s_pApp->m_pszAppName;
}

int AfxWinMain(int /*argc*/, char** /*argv*/)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return 1;
    // Without a display nobody could see the windows or close them: the program ends at once.
    if (!plat::StartBackend())
        return 1;
    plat::BeginSession();
    int nRunResult = pApp->InitInstance() ? pApp->Run() : 0;
    int nExitResult = pApp->ExitInstance();
    plat::FinishSession();
    return nExitResult != 0 ? nExitResult : nRunResult;
}
