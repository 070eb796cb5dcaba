#pragma once
// CWnd: the object face of a window. An object may exist without a window: constructing one
// needs no display; Create (or a dialog's Create/DoModal) makes the window and attaches it.
// Messages reach WindowProc, which looks them up in the message maps of the class chain and
// hands what no table names to DefWindowProc, the default of the window's kind. Handlers
// below are the framework's defaults; each does the default processing of its message.
//
// A window may ask for its own deletion from inside one of its handlers (DeleteLater); the
// object is destroyed once no handler runs any more of it or of a window destroyed with it
// (its children and owned windows at any depth, whose objects are often its members).

#include "platform/base/CString.h"
#include "platform/base/geometry.h"
#include "platform/base/ids.h"
#include "platform/msg/messages.h"
#include "platform/wnd/CCmdTarget.h"
#include "platform/wnd/styles.h"

class CDC;
class CMenu;
class CDataExchange;
struct DRAWITEMSTRUCT;
typedef DRAWITEMSTRUCT* LPDRAWITEMSTRUCT;

namespace plat {
enum class WindowKind;
}

class CWnd : public CCmdTarget {
public:
    CWnd();
    // Destroys the window when there still is one.
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // The object of hWnd: the attached one, or a temporary one that lives as long as the
    // window (windows made from templates have no object of their own).
    static CWnd* FromHandle(HWND hWnd);
    // The attached object of hWnd, or nullptr.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // The layer calls this when hWnd goes away: detaches its object and forgets temporaries.
    static void OnHandleDestroyed(HWND hWnd);

    // Attaches this object to an existing window (which must have none); it gets its messages.
    BOOL Attach(HWND hWnd);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd) { return Attach(hWnd); }
    // Attaches this object to control nID of pParent.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    // Makes a window: a child of pParentWnd with WS_CHILD, else a top-level window owned by
    // pParentWnd. Sends WM_CREATE (a handler returning -1 fails it) and WM_SIZE; shows it
    // with WS_VISIBLE.
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR szWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID);
    virtual BOOL DestroyWindow();
    // Destroys the object now, or, while a handler of it or of a window destroyed with it is
    // running, as soon as the last of those has returned.
    void DeleteLater();

    // Geometry. Window rectangles of top-level windows are screen coordinates of the whole
    // content area (menu bar included); of children, the parent's client coordinates.
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    // The window's rectangle in screen coordinates.
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    // Visibility and state.
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    // Disabling sends WM_CANCELMODE first, whose default releases a capture held by the
    // window or one of its children. Returns whether the window was disabled before.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    int GetDlgCtrlID() const;

    // Painting: marks the client area for the next WM_PAINT (bErase: background first).
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    // Paints now what is invalid in this window and its children.
    void UpdateWindow();
    // A client context the caller frees with ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);

    // Text and icons.
    void SetWindowText(LPCTSTR szText);
    void GetWindowText(CString& strText) const;
    int GetWindowTextLength() const;
    // Sets the big or small icon; returns the one set before.
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;

    // Family.
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetDlgItem(int nID) const;
    void SetDlgItemText(int nID, LPCTSTR szText);
    int GetDlgItemText(int nID, CString& strText) const;
    void CheckDlgButton(int nID, UINT nCheck);
    UINT IsDlgButtonChecked(int nID) const;

    // Focus and capture.
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();

    // Menus: the menu bar (not owned by the window) and the system menu.
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar();
    // The system menu; bRevert restores the default one and returns nullptr.
    CMenu* GetSystemMenu(BOOL bRevert) const;

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // A message box owned by this window; the caption defaults to the application's name.
    int MessageBox(LPCTSTR szText, LPCTSTR szCaption = nullptr, UINT nType = MB_OK);

    // Dialog data exchange: TRUE reads controls into members, FALSE fills the controls.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // The window's message procedure: maps first, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Looks message up in the maps; TRUE (and *pResult) when a handler ran.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The default processing of the window's kind.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND: routes the command through OnCmdMsg, then to the application.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Owner-drawn controls draw themselves here; the default draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Called after the window is gone; the object may delete itself here.
    virtual void PostNcDestroy();
    virtual void DoDataExchange(CDataExchange* pDX);

    // Default handlers: each does the default processing of its message.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClose();
    afx_msg void OnGetMinMaxInfo(LPMINMAXINFO lpMMI);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

protected:
    // Calls DefWindowProc with the message being handled.
    LRESULT Default();
    // Makes and attaches a window of the given kind (controls and dialogs use it).
    BOOL CreateOfKind(plat::WindowKind kind, LPCTSTR szText, DWORD dwStyle, const RECT& rect,
                      CWnd* pParentWnd, UINT nID);

private:
    MSG m_msgCurrent;
    bool m_bDeletePending = false;
};

// ReleaseCapture for whoever holds the mouse.
BOOL ReleaseCapture();
// The window of a handle still exists.
BOOL IsWindow(HWND hWnd);
