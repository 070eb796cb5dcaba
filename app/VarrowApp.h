#pragma once
// CVarrowApp: the application object, named "OrvelBridge" (the caption of every message box
// that brings none of its own). InitInstance starts what the suite needs (the network
// sockets), then runs the launcher as the main window; the program ends when it closes.

#include "platform/wnd/CWinApp.h"

class CVarrowApp : public CWinApp {
public:
    CVarrowApp();

    // Runs the whole program; returns FALSE in every case, so the framework ends it after.
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
