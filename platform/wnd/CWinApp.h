#pragma once
// CWinApp: the application object. The program defines one global instance; its entry
// (AfxWinMain) calls InitInstance and, when that returns TRUE, runs the message loop until
// WM_QUIT. The application's name, the caption of message boxes that give none, is the
// executable's file name without its extension unless the object was given a name.

#include "platform/base/CString.h"
#include "platform/wnd/CCmdTarget.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCTSTR szAppName = nullptr);
    ~CWinApp() override;

    // The application's name (see the class comment).
    LPCTSTR m_pszAppName = nullptr;
    CWnd* m_pMainWnd = nullptr;

    // Start-up; FALSE ends the program at once.
    virtual BOOL InitInstance();
    // The main message loop; returns WM_QUIT's exit code.
    virtual int Run();
    virtual int ExitInstance();

    // Icon resource nID, or nullptr.
    HICON LoadIcon(UINT nID) const;
    // The look of dialog controls is fixed; kept for the start-up sequence.
    BOOL Enable3dControlsStatic() { return TRUE; }

    afx_msg void OnHelp();

protected:
    DECLARE_MESSAGE_MAP()

private:
    CString m_strAppName;
};

// The application object, or nullptr when the program has none (tests).
CWinApp* AfxGetApp();
// The application's name; without an application object, the executable's stem.
LPCTSTR AfxGetAppName();
// The program's entry: InitInstance, Run when it succeeded, ExitInstance. Meanwhile the end
// signals and the window system's quit request close the main window (SessionEnd.h). With no
// display to open it returns 1 at once, having said why (plat::StartBackend).
int AfxWinMain(int argc, char** argv);
