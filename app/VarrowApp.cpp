#include "app/VarrowApp.h"

#include "app/MainDlg.h"
#include "platform/net.h"
#include "platform/wnd/MessageBox.h"
#include "resources/resource.h"

namespace {

// What message boxes without a caption of their own are titled; the executable's file name
// would give it in lower case.
constexpr char APP_NAME[] = "OrvelBridge";

} // namespace

BEGIN_MESSAGE_MAP(CVarrowApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CVarrowApp::CVarrowApp() : CWinApp(APP_NAME)
{
}

BOOL CVarrowApp::InitInstance()
{
    Enable3dControlsStatic();
    if (!AfxSocketInit()) {
        AfxMessageBox(IDP_SOCKETS_INIT_FAILED);
        return FALSE;
    }
    {
        CMainDlg dlgMain;
        m_pMainWnd = &dlgMain;
        dlgMain.DoModal();
        m_pMainWnd = nullptr;
    }
    return FALSE;
}
