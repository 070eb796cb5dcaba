#pragma once
// CPaintDC: the context of a WM_PAINT handler. Constructing it takes the window's invalid
// area (filling it with the dialog face colour first when the invalidation asked for the
// background) and marks the window valid; destroying it shows what was drawn.

#include "platform/wnd/CClientDC.h"

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};

class CPaintDC : public CClientDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    explicit CPaintDC(HWND hWnd);

    PAINTSTRUCT m_ps;

private:
    void Begin();
};
