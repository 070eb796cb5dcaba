// platform_demo: the dialog with every control kind, shown for real through the SDL backend.
// It runs modally until closed (Escape, Cancel, OK or the close box) and prints the values
// the dialog exchanged, so a smoke run can check that it ran and ended cleanly.

#include <cstdio>

#include "platform/backend/backend.h"
#include "platform/wnd.h"
#include "tests/platform/dialog_fixture.h"

int main()
{
    plat::UseBackend(plat::BackendKind::Sdl);
    fixture::RegisterEveryControlTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    fixture::CEveryControlDlg dlg;
    INT_PTR nResult = dlg.DoModal();
    std::printf("platform_demo: result %d, name \"%s\", sound %d, suit \"%s\"\n", static_cast<int>(nResult),
                static_cast<LPCTSTR>(dlg.m_strName), dlg.m_bSound, static_cast<LPCTSTR>(dlg.m_strSuit));
    return nResult == IDOK || nResult == IDCANCEL ? 0 : 1;
}
