#include "app/VarrowApp.h"

#include "app/MainDlg.h"
#include "platform/net.h"
#include "platform/wnd/MessageBox.h"
#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CVarrowApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CVarrowApp::CVarrowApp()
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
