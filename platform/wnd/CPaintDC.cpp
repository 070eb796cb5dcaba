#include "platform/wnd/CPaintDC.h"

#include "platform/wnd/CWnd.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"

CPaintDC::CPaintDC(CWnd* pWnd) : CClientDC(pWnd), m_ps{GetSafeHdc(), FALSE, RECT{0, 0, 0, 0}}
{
    Begin();
}

CPaintDC::CPaintDC(HWND hWnd) : CClientDC(hWnd), m_ps{GetSafeHdc(), FALSE, RECT{0, 0, 0, 0}}
{
    Begin();
}

void CPaintDC::Begin()
{
    if (m_hWnd == nullptr)
        return;
    m_ps.rcPaint = m_hWnd->m_rectInvalid;
    m_ps.fErase = m_hWnd->m_bEraseInvalid;
    if (m_hWnd->m_bEraseInvalid)
        FillSolidRect(&m_ps.rcPaint, plat::COLOR_FACE);
    plat::ValidateWindow(m_hWnd);
}
