#pragma once
// CClientDC: a device context that draws into a window's client area. What it draws is
// shown on screen when the context is released (destroyed), so a card moved step by step
// is seen step by step without any message being handled in between.

#include "platform/gdi/CDC.h"

class CWnd;

class CClientDC : public CDC {
public:
    // A context on pWnd's client area; a window-less object gives a context that draws nothing.
    explicit CClientDC(CWnd* pWnd);
    explicit CClientDC(HWND hWnd);
    // Shows what was drawn.
    ~CClientDC() override;

    HWND m_hWnd = nullptr;

    // Shows what was drawn so far without releasing the context.
    void Flush();

private:
    void Open(HWND hWnd);
};
