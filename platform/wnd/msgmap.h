#pragma once
// Message maps: static per-class tables of the messages and commands a class handles.
//
//   class CMyDlg : public CDialog { ... DECLARE_MESSAGE_MAP() };
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_WM_PAINT()
//       ON_BN_CLICKED(IDC_PLAY, &CMyDlg::OnPlay)
//   END_MESSAGE_MAP()
//
// Dispatch looks in the object's own class table, then in each base class's; a message no
// table names gets the window's default processing. Each entry holds a small function that
// unpacks wParam and lParam and calls the handler with the framework's signature, so a
// handler that is virtual is reached in the most derived class. Command entries
// (ON_COMMAND, ON_BN_CLICKED, the ranges) receive the command id as wParam.

#include "platform/base/geometry.h"
#include "platform/base/types.h"
#include "platform/msg/messages.h"

class CCmdTarget;

typedef HICON HCURSOR;

// Unpacks a message for one handler and calls it.
typedef LRESULT (*AFX_MSGHANDLER)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;   // WM_* message, WM_COMMAND for commands; 0 ends the table
    UINT nCode;      // command and notification code
    UINT nID;        // first command id
    UINT nLastID;    // last command id of a range (equal to nID otherwise)
    AFX_MSGHANDLER pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// What OnCmdMsg reports instead of calling when asked for the handler only.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    AFX_MSGHANDLER pfn;
};

// The data WM_CREATE carries.
struct CREATESTRUCT {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCTSTR lpszName;
    LPCTSTR lpszClass;
    DWORD dwExStyle;
};
typedef CREATESTRUCT* LPCREATESTRUCT;

// The sizes WM_GETMINMAXINFO asks a top-level window for, as outer sizes of its rectangle.
// Of them the layer applies the smallest size a person may give the window by dragging its
// frame, and that the program's own moves respect: ptMinTrackSize, (0, 0) unless the
// window's handler sets it.
struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};
typedef MINMAXINFO* LPMINMAXINFO;

#define afx_msg

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        using ThisClass [[maybe_unused]] = theClass; \
        using TheBaseClass = baseClass; \
        static const AFX_MSGMAP_ENTRY s_entries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, nullptr } \
        }; \
        static const AFX_MSGMAP s_map = { &TheBaseClass::GetThisMessageMap, &s_entries[0] }; \
        return &s_map; \
    }

// One entry for message msg whose handler body is the rest of the macro; p is the object.
#define AFX_MSG_ENTRY(msg, body) \
    { msg, 0, 0, 0, [](CCmdTarget* pTarget_, [[maybe_unused]] WPARAM wParam_, \
                       [[maybe_unused]] LPARAM lParam_) -> LRESULT { \
          ThisClass* p_ = static_cast<ThisClass*>(pTarget_); body } },

#define AFX_POINT_FROM_LPARAM PointFromLParam(lParam_)

#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, \
    return p_->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam_));)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, p_->OnDestroy(); return 0;)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, p_->OnPaint(); return 0;)
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, \
    p_->OnSize(static_cast<UINT>(wParam_), LOWORD(lParam_), HIWORD(lParam_)); return 0;)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, p_->OnClose(); return 0;)
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, \
    p_->OnGetMinMaxInfo(reinterpret_cast<LPMINMAXINFO>(lParam_)); return 0;)
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, \
    p_->OnSysCommand(static_cast<UINT>(wParam_), lParam_); return 0;)
#define ON_WM_QUERYDRAGICON() AFX_MSG_ENTRY(WM_QUERYDRAGICON, \
    return reinterpret_cast<LRESULT>(p_->OnQueryDragIcon());)
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, \
    p_->OnShowWindow(static_cast<BOOL>(wParam_), static_cast<UINT>(lParam_)); return 0;)
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, \
    p_->OnLButtonDown(static_cast<UINT>(wParam_), AFX_POINT_FROM_LPARAM); return 0;)
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, \
    p_->OnLButtonUp(static_cast<UINT>(wParam_), AFX_POINT_FROM_LPARAM); return 0;)
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, \
    p_->OnLButtonDblClk(static_cast<UINT>(wParam_), AFX_POINT_FROM_LPARAM); return 0;)
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, \
    p_->OnRButtonDown(static_cast<UINT>(wParam_), AFX_POINT_FROM_LPARAM); return 0;)
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, \
    p_->OnMouseMove(static_cast<UINT>(wParam_), AFX_POINT_FROM_LPARAM); return 0;)
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY(WM_KEYDOWN, \
    p_->OnKeyDown(static_cast<UINT>(wParam_), LOWORD(lParam_), HIWORD(lParam_)); return 0;)
#define ON_WM_CHAR() AFX_MSG_ENTRY(WM_CHAR, \
    p_->OnChar(static_cast<UINT>(wParam_), LOWORD(lParam_), HIWORD(lParam_)); return 0;)

// A handler for any message: LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE(msg, memberFxn) AFX_MSG_ENTRY(msg, return (p_->*(memberFxn))(wParam_, lParam_);)

// Commands: void memberFxn(); the range forms call void memberFxn(UINT nID).
#define ON_CONTROL(code, id, memberFxn) \
    { WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), \
      [](CCmdTarget* pTarget_, WPARAM, LPARAM) -> LRESULT { \
          (static_cast<ThisClass*>(pTarget_)->*(memberFxn))(); return 0; } },
#define ON_CONTROL_RANGE(code, idFirst, idLast, memberFxn) \
    { WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(idFirst), static_cast<UINT>(idLast), \
      [](CCmdTarget* pTarget_, WPARAM wParam_, LPARAM) -> LRESULT { \
          (static_cast<ThisClass*>(pTarget_)->*(memberFxn))(static_cast<UINT>(wParam_)); return 0; } },
#define ON_COMMAND(id, memberFxn) ON_CONTROL(CN_COMMAND, id, memberFxn)
#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn) \
    ON_CONTROL_RANGE(CN_COMMAND, idFirst, idLast, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
