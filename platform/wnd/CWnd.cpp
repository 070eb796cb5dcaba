#include "platform/wnd/CWnd.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "platform/backend/CBackend.h"
#include "platform/backend/backend.h"
#include "platform/msg/loop.h"
#include "platform/wnd/CButton.h"
#include "platform/wnd/CClientDC.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CEdit.h"
#include "platform/wnd/CListBox.h"
#include "platform/wnd/CStatic.h"
#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CMenu.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/HMENU__.h"
#include "platform/wnd/MessageBox.h"
#include "platform/wnd/WindowTree.h"

namespace {

// Objects handed out for windows that have none of their own; freed with their window.
std::map<HWND, std::unique_ptr<CWnd>> s_temporaries;

// A temporary of the class matching the window's kind, so that code casting GetDlgItem's
// result to the control's class gets an object of that class.
std::unique_ptr<CWnd> MakeTemporary(plat::WindowKind kind)
{
    switch (kind) {
    case plat::WindowKind::Button:
        return std::make_unique<CButton>();
    case plat::WindowKind::Static:
        return std::make_unique<CStatic>();
    case plat::WindowKind::Edit:
        return std::make_unique<CEdit>();
    case plat::WindowKind::ListBox:
        return std::make_unique<CListBox>();
    case plat::WindowKind::ComboBox:
        return std::make_unique<CComboBox>();
    default:
        return std::make_unique<CWnd>();
    }
}

// The objects with a handler on the stack, innermost last: for every running WindowProc its
// object and the objects of the windows destroyed along with its window (parents and, for
// top-level windows, owners, up to the outermost), since the running object is often a
// member of one of those. Addresses are only compared, never followed, so an entry that
// outlives its object does no harm.
std::vector<const CWnd*> s_busyObjects;
// Objects that asked for deletion while busy, deleted as soon as they are not.
std::vector<CWnd*> s_pendingDeletes;

bool IsBusy(const CWnd* pWnd)
{
    return std::find(s_busyObjects.begin(), s_busyObjects.end(), pWnd) != s_busyObjects.end();
}

// The window whose destruction takes hWnd with it: its parent, or the owner of a top-level one.
HWND EnclosingWindow(HWND hWnd)
{
    return hWnd->m_hParent != nullptr ? hWnd->m_hParent : hWnd->m_hOwner;
}

// Marks an object and its enclosing windows' objects busy for one WindowProc call.
class CHandlerScope {
public:
    CHandlerScope(const CWnd* pWnd, HWND hWnd) : m_nMark(s_busyObjects.size())
    {
        s_busyObjects.push_back(pWnd);
        if (hWnd == nullptr)
            return;
        for (HWND hUp = EnclosingWindow(hWnd); hUp != nullptr; hUp = EnclosingWindow(hUp)) {
            if (hUp->m_pWnd != nullptr)
                s_busyObjects.push_back(hUp->m_pWnd);
        }
    }
    ~CHandlerScope() { s_busyObjects.resize(m_nMark); }
    CHandlerScope(const CHandlerScope&) = delete;
    CHandlerScope& operator=(const CHandlerScope&) = delete;

private:
    size_t m_nMark;
};

// Deletes the pending objects no running handler needs any more. A deletion sends messages
// (WM_DESTROY) and may thereby come back here, so the list is searched afresh each time.
void DeleteIdlePending()
{
    for (;;) {
        auto it = std::find_if(s_pendingDeletes.begin(), s_pendingDeletes.end(),
                               [](const CWnd* pWnd) { return !IsBusy(pWnd); });
        if (it == s_pendingDeletes.end())
            return;
        CWnd* pWnd = *it;
        s_pendingDeletes.erase(it);
        delete pWnd;
    }
}

} // namespace

CWnd::CWnd() : m_msgCurrent{nullptr, WM_NULL, 0, 0, 0, POINT{0, 0}}
{
}

CWnd::~CWnd()
{
    if (m_bDeletePending)
        s_pendingDeletes.erase(std::remove(s_pendingDeletes.begin(), s_pendingDeletes.end(), this),
                               s_pendingDeletes.end());
    if (m_hWnd != nullptr)
        DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!plat::IsLiveWindow(hWnd))
        return nullptr;
    if (hWnd->m_pWnd != nullptr)
        return hWnd->m_pWnd;
    std::unique_ptr<CWnd>& pTemp = s_temporaries[hWnd];
    if (!pTemp) {
        pTemp = MakeTemporary(hWnd->m_kind);
        pTemp->m_hWnd = hWnd;
    }
    return pTemp.get();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return plat::IsLiveWindow(hWnd) ? hWnd->m_pWnd : nullptr;
}

void CWnd::OnHandleDestroyed(HWND hWnd)
{
    auto it = s_temporaries.find(hWnd);
    if (it != s_temporaries.end()) {
        it->second->m_hWnd = nullptr;
        s_temporaries.erase(it);
    }
    CWnd* pWnd = hWnd->m_pWnd;
    if (pWnd == nullptr)
        return;
    hWnd->m_pWnd = nullptr;
    pWnd->m_hWnd = nullptr;
    pWnd->PostNcDestroy();
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (!plat::IsLiveWindow(hWnd) || m_hWnd != nullptr)
        return FALSE;
    if (hWnd->m_pWnd != nullptr && hWnd->m_pWnd != this)
        hWnd->m_pWnd->m_hWnd = nullptr;
    hWnd->m_pWnd = this;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && hWnd->m_pWnd == this)
        hWnd->m_pWnd = nullptr;
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == nullptr || pParent->m_hWnd == nullptr)
        return FALSE;
    for (HWND hChild : pParent->m_hWnd->m_children) {
        if (hChild->m_nID == nID)
            return Attach(hChild);
    }
    return FALSE;
}

BOOL CWnd::CreateEx(DWORD /*dwExStyle*/, LPCTSTR szWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID)
{
    return CreateOfKind(plat::WindowKind::Frame, szWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CWnd::CreateOfKind(plat::WindowKind kind, LPCTSTR szText, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID)
{
    if (m_hWnd != nullptr)
        return FALSE;
    plat::WindowParams params;
    params.kind = kind;
    params.dwStyle = dwStyle;
    params.nID = nID;
    HWND hParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    if ((dwStyle & WS_CHILD) != 0) {
        if (hParent == nullptr)
            return FALSE;
        params.hParent = hParent;
    } else {
        params.hOwner = plat::GetTopLevel(hParent);
    }
    params.rect = CRect(rect);
    params.strText = szText != nullptr ? szText : "";
    HWND hWnd = plat::CreateWindowHandle(params);
    Attach(hWnd);
    CREATESTRUCT cs = {nullptr, nullptr, nullptr, hParent, params.rect.Height(), params.rect.Width(),
                       params.rect.top, params.rect.left, static_cast<LONG>(dwStyle), szText, nullptr, 0};
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (m_hWnd == nullptr)
        return FALSE;
    CRect rectClient = plat::GetClientArea(hWnd);
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rectClient.Width(), rectClient.Height()));
    if ((dwStyle & WS_VISIBLE) != 0 && m_hWnd != nullptr)
        ShowWindow(SW_SHOW);
    return m_hWnd != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    plat::DestroyWindowHandle(m_hWnd);
    return TRUE;
}

void CWnd::DeleteLater()
{
    if (!IsBusy(this)) {
        delete this;
        return;
    }
    if (!m_bDeletePending) {
        m_bDeletePending = true;
        s_pendingDeletes.push_back(this);
    }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    {
        CHandlerScope scope(this, m_hWnd);
        MSG saved = m_msgCurrent;
        m_msgCurrent = MSG{m_hWnd, message, wParam, lParam, 0, POINT{0, 0}};
        if (!OnWndMsg(message, wParam, lParam, &lResult))
            lResult = DefWindowProc(message, wParam, lParam);
        m_msgCurrent = saved;
    }
    // This object may be among those deleted now: nothing of it is touched afterwards.
    DeleteIdlePending();
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 0;
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(message, 0, 0);
    if (pEntry == nullptr)
        return FALSE;
    *pResult = pEntry->pfn(this, wParam, lParam);
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd == nullptr)
        return 0;
    return plat::DefaultWindowProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM /*lParam*/)
{
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    if (OnCmdMsg(nID, nCode, nullptr, nullptr))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, nullptr, nullptr);
}

void CWnd::DrawItem(LPDRAWITEMSTRUCT /*lpDrawItemStruct*/)
{
}

void CWnd::PostNcDestroy()
{
}

void CWnd::DoDataExchange(CDataExchange* /*pDX*/)
{
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_msgCurrent.message, m_msgCurrent.wParam, m_msgCurrent.lParam);
}

int CWnd::OnCreate(LPCREATESTRUCT /*lpCreateStruct*/)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnGetMinMaxInfo(LPMINMAXINFO) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    CRect rect(x, y, x + nWidth, y + nHeight);
    MoveWindow(&rect, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    if (m_hWnd == nullptr || lpRect == nullptr)
        return;
    HWND hWnd = m_hWnd;
    CRect rectOld = hWnd->m_rect;
    plat::SetWindowRectangle(hWnd, plat::KeepMinTrackSize(hWnd, *lpRect));
    if (plat::IsTopLevel(hWnd))
        plat::GetBackend().OnWindowMoved(hWnd);
    else if (bRepaint && hWnd->m_hParent != nullptr)
        plat::InvalidateWindow(hWnd->m_hParent, &rectOld);
    // The framework sends WM_SIZE for every move that sets a size, changed or not.
    CRect rectClient = plat::GetClientArea(hWnd);
    SendMessage(WM_SIZE, hWnd->m_bIconic ? SIZE_MINIMIZED : SIZE_RESTORED,
                MAKELPARAM(rectClient.Width(), rectClient.Height()));
    if (bRepaint && plat::IsLiveWindow(hWnd))
        plat::InvalidateWindow(hWnd, nullptr);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    *lpRect = plat::GetScreenRect(m_hWnd);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    *lpRect = plat::GetClientArea(m_hWnd);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    *lpPoint = plat::ClientToScreenPoint(m_hWnd, *lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    CPoint topLeft = plat::ClientToScreenPoint(m_hWnd, CPoint(lpRect->left, lpRect->top));
    CRect rect(*lpRect);
    rect.OffsetRect(topLeft.x - lpRect->left, topLeft.y - lpRect->top);
    *lpRect = rect;
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    *lpPoint = plat::ScreenToClientPoint(m_hWnd, *lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    CPoint topLeft = plat::ScreenToClientPoint(m_hWnd, CPoint(lpRect->left, lpRect->top));
    CRect rect(*lpRect);
    rect.OffsetRect(topLeft.x - lpRect->left, topLeft.y - lpRect->top);
    *lpRect = rect;
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    if (m_hWnd == nullptr || !plat::IsTopLevel(m_hWnd))
        return;
    HWND hOwner = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : m_hWnd->m_hOwner;
    CRect rectAround = plat::IsLiveWindow(hOwner) && hOwner->m_bVisible ? hOwner->m_rect
                                                                      : plat::GetBackend().GetScreenRect();
    CRect rect = m_hWnd->m_rect;
    int x = rectAround.left + (rectAround.Width() - rect.Width()) / 2;
    int y = rectAround.top + (rectAround.Height() - rect.Height()) / 2;
    MoveWindow(x, y, rect.Width(), rect.Height(), FALSE);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    if (m_hWnd == nullptr)
        return FALSE;
    return plat::ShowWindowHandle(m_hWnd, nCmdShow) ? TRUE : FALSE;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_hWnd != nullptr && plat::IsShownOnScreen(m_hWnd);
}

BOOL CWnd::IsIconic() const
{
    return m_hWnd != nullptr && m_hWnd->m_bIconic;
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    if (m_hWnd == nullptr)
        return FALSE;
    BOOL bWasDisabled = !m_hWnd->m_bEnabled;
    // A window about to be disabled gives up the mouse first: it could never get the button's
    // release, and nothing else could be clicked.
    if (!bEnable && !bWasDisabled)
        SendMessage(WM_CANCELMODE);
    if (m_hWnd == nullptr)
        return bWasDisabled;
    m_hWnd->m_bEnabled = bEnable != FALSE;
    if (bWasDisabled == bEnable) {
        if (!bEnable && plat::IsSelfOrDescendant(m_hWnd, plat::GetFocusWindow()) && !plat::IsTopLevel(m_hWnd))
            plat::SetFocusWindow(nullptr);
        SendMessage(WM_ENABLE, bEnable, 0);
        Invalidate();
    }
    return bWasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_hWnd != nullptr && m_hWnd->m_bEnabled;
}

DWORD CWnd::GetStyle() const
{
    if (m_hWnd == nullptr)
        return 0;
    DWORD dwStyle = m_hWnd->m_dwStyle & ~(WS_VISIBLE | WS_DISABLED | WS_MINIMIZE);
    if (m_hWnd->m_bVisible)
        dwStyle |= WS_VISIBLE;
    if (!m_hWnd->m_bEnabled)
        dwStyle |= WS_DISABLED;
    if (m_hWnd->m_bIconic)
        dwStyle |= WS_MINIMIZE;
    return dwStyle;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT /*nFlags*/)
{
    if (m_hWnd == nullptr)
        return FALSE;
    m_hWnd->m_dwStyle = (m_hWnd->m_dwStyle & ~dwRemove) | dwAdd;
    Invalidate();
    return TRUE;
}

int CWnd::GetDlgCtrlID() const
{
    return m_hWnd != nullptr ? static_cast<int>(m_hWnd->m_nID) : 0;
}

void CWnd::Invalidate(BOOL bErase)
{
    plat::InvalidateWindow(m_hWnd, nullptr, bErase != FALSE);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    plat::InvalidateWindow(m_hWnd, lpRect, bErase != FALSE);
}

void CWnd::ValidateRect(LPCRECT /*lpRect*/)
{
    plat::ValidateWindow(m_hWnd);
}

void CWnd::UpdateWindow()
{
    for (int nGuard = 0; nGuard < plat::MAX_PAINTS_PER_UPDATE; ++nGuard) {
        HWND hPaint = plat::FindWindowToPaint(m_hWnd);
        if (hPaint == nullptr)
            return;
        MSG msg = {hPaint, WM_PAINT, 0, 0, 0, POINT{0, 0}};
        ::DispatchMessage(&msg);
    }
}

CDC* CWnd::GetDC()
{
    return new CClientDC(this);
}

int CWnd::ReleaseDC(CDC* pDC)
{
    delete pDC;
    return 1;
}

void CWnd::SetWindowText(LPCTSTR szText)
{
    if (m_hWnd == nullptr)
        return;
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(szText != nullptr ? szText : ""));
}

void CWnd::GetWindowText(CString& strText) const
{
    strText = m_hWnd != nullptr ? m_hWnd->m_strText : CString();
}

int CWnd::GetWindowTextLength() const
{
    return m_hWnd != nullptr ? m_hWnd->m_strText.GetLength() : 0;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    if (m_hWnd == nullptr)
        return nullptr;
    HICON& hSlot = bBigIcon ? m_hWnd->m_hIconBig : m_hWnd->m_hIconSmall;
    HICON hOld = hSlot;
    hSlot = hIcon;
    if (m_hWnd->m_hMenu != nullptr && !bBigIcon)
        DrawMenuBar();
    if (plat::IsTopLevel(m_hWnd))
        plat::GetBackend().OnWindowTextChanged(m_hWnd);
    return hOld;
}

HICON CWnd::GetIcon(BOOL bBigIcon) const
{
    if (m_hWnd == nullptr)
        return nullptr;
    return bBigIcon ? m_hWnd->m_hIconBig : m_hWnd->m_hIconSmall;
}

CWnd* CWnd::GetParent() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    return FromHandle(m_hWnd->m_hParent != nullptr ? m_hWnd->m_hParent : m_hWnd->m_hOwner);
}

CWnd* CWnd::GetOwner() const
{
    return m_hWnd != nullptr ? FromHandle(m_hWnd->m_hOwner) : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const
{
    return FromHandle(plat::GetTopLevel(m_hWnd));
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    if (m_hWnd == nullptr)
        return nullptr;
    for (HWND hChild : m_hWnd->m_children) {
        if (static_cast<int>(hChild->m_nID) == nID)
            return FromHandle(hChild);
    }
    return nullptr;
}

void CWnd::SetDlgItemText(int nID, LPCTSTR szText)
{
    if (CWnd* pItem = GetDlgItem(nID))
        pItem->SetWindowText(szText);
}

int CWnd::GetDlgItemText(int nID, CString& strText) const
{
    strText.Empty();
    if (CWnd* pItem = GetDlgItem(nID))
        pItem->GetWindowText(strText);
    return strText.GetLength();
}

void CWnd::CheckDlgButton(int nID, UINT nCheck)
{
    if (CWnd* pItem = GetDlgItem(nID)) {
        pItem->m_hWnd->m_control.nCheck = nCheck != 0 ? BST_CHECKED : BST_UNCHECKED;
        pItem->Invalidate();
    }
}

UINT CWnd::IsDlgButtonChecked(int nID) const
{
    CWnd* pItem = GetDlgItem(nID);
    return pItem != nullptr ? static_cast<UINT>(pItem->m_hWnd->m_control.nCheck) : 0;
}

CWnd* CWnd::SetFocus()
{
    CWnd* pOld = GetFocus();
    if (m_hWnd != nullptr)
        plat::SetFocusWindow(m_hWnd);
    return pOld;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(plat::GetFocusWindow());
}

CWnd* CWnd::SetCapture()
{
    CWnd* pOld = GetCapture();
    plat::SetCaptureWindow(m_hWnd);
    return pOld;
}

CWnd* CWnd::GetCapture()
{
    return FromHandle(plat::GetCaptureWindow());
}

CMenu* CWnd::GetMenu() const
{
    return m_hWnd != nullptr ? CMenu::FromHandle(m_hWnd->m_hMenu) : nullptr;
}

BOOL CWnd::SetMenu(CMenu* pMenu)
{
    if (m_hWnd == nullptr || !plat::IsTopLevel(m_hWnd))
        return FALSE;
    bool bHadBar = m_hWnd->m_hMenu != nullptr;
    m_hWnd->m_hMenu = pMenu != nullptr ? pMenu->GetSafeHmenu() : nullptr;
    if (bHadBar != (m_hWnd->m_hMenu != nullptr)) {
        // The bar takes its height from the client area, as the window's outer size stays.
        CRect rectClient = plat::GetClientArea(m_hWnd);
        SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rectClient.Width(), rectClient.Height()));
    }
    Invalidate(FALSE);
    DrawMenuBar();
    return TRUE;
}

void CWnd::DrawMenuBar()
{
    if (m_hWnd != nullptr && plat::IsTopLevel(m_hWnd)) {
        m_hWnd->m_bMenuBarInvalid = true;
        plat::PaintNonClient(m_hWnd);
    }
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    if (m_hWnd == nullptr || !plat::IsTopLevel(m_hWnd))
        return nullptr;
    if (bRevert) {
        plat::DestroyMenuHandle(m_hWnd->m_hSysMenu);
        m_hWnd->m_hSysMenu = nullptr;
        return nullptr;
    }
    if (m_hWnd->m_hSysMenu == nullptr)
        m_hWnd->m_hSysMenu = plat::CreateSystemMenu();
    return CMenu::FromHandle(m_hWnd->m_hSysMenu);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return plat::CallWindowProcedure(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

int CWnd::MessageBox(LPCTSTR szText, LPCTSTR szCaption, UINT nType)
{
    return plat::RunMessageBox(m_hWnd, szText, szCaption, nType);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    if (m_hWnd == nullptr)
        return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL ReleaseCapture()
{
    plat::SetCaptureWindow(nullptr);
    return TRUE;
}

BOOL IsWindow(HWND hWnd)
{
    return plat::IsLiveWindow(hWnd) ? TRUE : FALSE;
}
