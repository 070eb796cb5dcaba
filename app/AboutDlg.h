#pragma once
// CAboutDlg: the About box (template 100): the suite's icon, name and version. Shown modally
// from the launcher's Help menu and from every game window's system menu.

#include "platform/wnd/CDialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
