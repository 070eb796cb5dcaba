#pragma once
// CWindowDC: a context on a whole top-level window, menu bar included (the client context
// starts below the bar). What it draws is shown when it is released.

#include "platform/gdi/CDC.h"

class CWnd;

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    explicit CWindowDC(HWND hWnd);
    ~CWindowDC() override;

    HWND m_hWnd = nullptr;

private:
    void Open(HWND hWnd);
};
