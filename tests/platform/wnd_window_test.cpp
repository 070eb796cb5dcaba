// CWnd: geometry, message-map routing, commands, ownership, deferred deletion, icons and
// minimising, and drawing through client contexts.

#include <gtest/gtest.h>

#include "platform/backend/CHeadlessBackend.h"
#include "platform/backend/backend.h"
#include "platform/res/resources.h"
#include "platform/testing/driver.h"
#include "platform/wnd.h"
#include "platform/gdi/icon.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"
#include "tests/support/CModelledWindowManager.h"

namespace test = plat::test;

namespace {

constexpr UINT ID_CMD_FIRST = 40001;
constexpr UINT ID_CMD_SECOND = 40002;
constexpr UINT ID_CMD_RANGE_LAST = 40010;
constexpr UINT IDR_TEST_MENU = 9200;

BOOL CreateTop(CWnd& wnd, CWnd* pOwner = nullptr, DWORD dwExtra = 0)
{
    return wnd.CreateEx(0, "Top", WS_POPUP | WS_CAPTION | WS_VISIBLE | dwExtra, CRect(100, 50, 400, 250), pOwner, 0);
}

// A base that routes size and a command; its subclasses route or leave other messages.
class CBaseWnd : public CWnd {
public:
    int m_nSizes = 0;
    int m_nBaseCommands = 0;
    int m_nCloses = 0;
    CSize m_sizeLast;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        CWnd::OnSize(nType, cx, cy);
        ++m_nSizes;
        m_sizeLast = CSize(cx, cy);
    }
    afx_msg void OnFirst() { ++m_nBaseCommands; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_WM_SIZE()
    ON_COMMAND(ID_CMD_FIRST, &CBaseWnd::OnFirst)
END_MESSAGE_MAP()

// A window that may not be made smaller than 250 x 150.
class CMinimumWnd : public CBaseWnd {
protected:
    afx_msg void OnGetMinMaxInfo(LPMINMAXINFO lpMMI)
    {
        CBaseWnd::OnGetMinMaxInfo(lpMMI);
        lpMMI->ptMinTrackSize.x = 250;
        lpMMI->ptMinTrackSize.y = 150;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMinimumWnd, CBaseWnd)
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

class CClosingWnd : public CBaseWnd {
public:
    std::vector<UINT> m_rangeIDs;
    std::vector<UINT> m_cmdMsgIDs;
    bool m_bSwallowSecond = false;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override
    {
        if (nCode == CN_COMMAND)
            m_cmdMsgIDs.push_back(nID);
        if (m_bSwallowSecond && nID == ID_CMD_SECOND)
            return TRUE;
        return CBaseWnd::OnCmdMsg(nID, nCode, pExtra, pInfo);
    }

protected:
    afx_msg void OnClose()
    {
        ++m_nCloses;
        CWnd::OnClose();
    }
    afx_msg void OnRange(UINT nID) { m_rangeIDs.push_back(nID); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClosingWnd, CBaseWnd)
    ON_WM_CLOSE()
    ON_COMMAND_RANGE(ID_CMD_SECOND, ID_CMD_RANGE_LAST, &CClosingWnd::OnRange)
END_MESSAGE_MAP()

// Deletes itself from its own close handler; tells a flag when its destructor ran.
class CSelfDeletingWnd : public CWnd {
public:
    explicit CSelfDeletingWnd(bool* pbDestroyed) : m_pbDestroyed(pbDestroyed) {}
    ~CSelfDeletingWnd() override { *m_pbDestroyed = true; }

    int m_nValueAfterPumping = 0;
    bool m_bPumpOnCommand = false;

protected:
    afx_msg void OnClose()
    {
        DeleteLater();
        // The object must live until this handler has returned.
        m_nValueAfterPumping = 1;
    }
    afx_msg void OnLongWork()
    {
        ::PostMessage(m_hWnd, WM_CLOSE, 0, 0);
        MSG msg;
        while (::PeekMessage(&msg, m_hWnd, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        m_nValueAfterPumping = 2;
    }
    DECLARE_MESSAGE_MAP()

private:
    bool* m_pbDestroyed;
};

BEGIN_MESSAGE_MAP(CSelfDeletingWnd, CWnd)
    ON_WM_CLOSE()
    ON_COMMAND(ID_CMD_FIRST, &CSelfDeletingWnd::OnLongWork)
END_MESSAGE_MAP()

// Records where the mouse moved.
class CTracker : public CBaseWnd {
public:
    std::vector<CPoint> m_moves;

protected:
    afx_msg void OnMouseMove(UINT /*nFlags*/, CPoint point) { m_moves.push_back(point); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTracker, CBaseWnd)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

} // namespace

TEST(CWnd, WindowRectIsScreenContentAreaAndClientStartsBelowTheMenuBar)
{
    CMenuTemplate menuTemplate{IDR_TEST_MENU, {MenuPopup("&File", {MenuItem(ID_CMD_FIRST, "&First")})}};
    AfxRegisterMenu(menuTemplate);
    CBaseWnd wnd;
    ASSERT_TRUE(CreateTop(wnd));
    CRect rect;
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(100, 50, 400, 250));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    wnd.SetMenu(&menu);
    CRect rectClient;
    wnd.GetClientRect(&rectClient);
    EXPECT_EQ(rectClient, CRect(0, 0, 300, 200 - plat::MENU_BAR_HEIGHT));
    CPoint point(0, 0);
    wnd.ClientToScreen(&point);
    EXPECT_EQ(point, CPoint(100, 50 + plat::MENU_BAR_HEIGHT));
    EXPECT_EQ(wnd.m_sizeLast, CSize(300, 200 - plat::MENU_BAR_HEIGHT)) << "the bar took its height from the client";
}

TEST(CWnd, MoveWindowSendsSizeEvenWhenTheSizeStaysAndChildRectsAreParentRelative)
{
    CBaseWnd wnd;
    ASSERT_TRUE(CreateTop(wnd));
    int nSizes = wnd.m_nSizes;
    wnd.MoveWindow(10, 20, 300, 200);
    EXPECT_EQ(wnd.m_nSizes, nSizes + 1);
    wnd.MoveWindow(CRect(10, 20, 110, 70));
    EXPECT_EQ(wnd.m_sizeLast, CSize(100, 50));
    CButton button;
    ASSERT_TRUE(button.Create("Play", WS_VISIBLE | BS_PUSHBUTTON, CRect(5, 6, 45, 26), &wnd, 1000));
    CRect rect;
    button.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(15, 26, 55, 46));
}

TEST(CWnd, MinimumTrackSizeHoldsForMovesAndDraggedFramesAlike)
{
    CMinimumWnd wnd;
    ASSERT_TRUE(CreateTop(wnd));
    wnd.MoveWindow(10, 20, 100, 400);
    CRect rect;
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(10, 20, 260, 420));
    EXPECT_EQ(wnd.m_sizeLast, CSize(250, 400));
    // A frame dragged smaller springs back; one dragged larger in one direction keeps that.
    plat::CInputRouter::OnResized(wnd.GetSafeHwnd(), CSize(120, 80));
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(10, 20, 260, 170));
    plat::CInputRouter::OnResized(wnd.GetSafeHwnd(), CSize(320, 90));
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(10, 20, 330, 170));
    EXPECT_EQ(wnd.m_sizeLast, CSize(320, 150));
}

TEST(CWnd, WindowShownPastTheScreensEdgeComesInToBeSeenWhole)
{
    const CRect rectScreen = plat::GetBackend().GetScreenRect();
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "Top", WS_POPUP | WS_CAPTION,
                             CRect(CPoint(rectScreen.right - 100, rectScreen.bottom - 50), CSize(300, 200)),
                             nullptr, 0));
    wnd.ShowWindow(SW_SHOW);
    CRect rect;
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(CPoint(rectScreen.right - 300, rectScreen.bottom - 200), CSize(300, 200)));

    // Larger than the screen: its top-left corner shows.
    EXPECT_EQ(plat::MoveOntoScreen(CRect(50, 60, 50 + rectScreen.Width() + 10, 70), rectScreen),
              CRect(CPoint(rectScreen.left, 60), CSize(rectScreen.Width() + 10, 10)));
    // Inside already: it stays.
    EXPECT_EQ(plat::MoveOntoScreen(CRect(10, 20, 110, 70), rectScreen), CRect(10, 20, 110, 70));
}

TEST(CWnd, UnderAWindowManagerAWindowShownComesInWithItsWholeFrameAndWhereItWasAsked)
{
    CModelledWindowManager manager;
    const CRect rectScreen = plat::GetBackend().GetWorkArea();
    const CRect rectFrame = CModelledWindowManager::Frame();
    const CSize size(300, 200);
    const struct {
        CPoint ptAsked;
        CPoint ptShown;
    } rows[] = {
        {CPoint(rectScreen.right - 100, rectScreen.bottom - 50),
         CPoint(rectScreen.right - size.cx - rectFrame.right, rectScreen.bottom - size.cy - rectFrame.bottom)},
        {CPoint(rectScreen.left - 40, rectScreen.top - 30),
         CPoint(rectScreen.left + rectFrame.left, rectScreen.top + rectFrame.top)},
        {CPoint(200, 100), CPoint(200, 100)},
    };
    for (const auto& row : rows) {
        CWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, "Top", WS_POPUP | WS_CAPTION, CRect(row.ptAsked, size), nullptr, 0));
        wnd.ShowWindow(SW_SHOW);
        CRect rect;
        wnd.GetWindowRect(&rect);
        EXPECT_EQ(rect, CRect(row.ptShown, size)) << row.ptAsked.x << "," << row.ptAsked.y;
    }
}

TEST(CWnd, UnderAWindowManagerAWindowHiddenAndShownAgainKeepsItsPlaceAndAPersonsMoveSticks)
{
    CModelledWindowManager manager;
    const CRect rectAsked(100, 50, 400, 250);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "Top", WS_POPUP | WS_CAPTION, rectAsked, nullptr, 0));
    CRect rect;
    for (int i = 0; i < 3; i++) {
        wnd.ShowWindow(SW_SHOW);
        wnd.GetWindowRect(&rect);
        EXPECT_EQ(rect, rectAsked) << "shown " << i;
        wnd.ShowWindow(SW_HIDE);
        wnd.GetWindowRect(&rect);
        EXPECT_EQ(rect, rectAsked) << "hidden " << i;
    }
    wnd.ShowWindow(SW_SHOW);
    plat::CInputRouter::OnMoved(wnd.GetSafeHwnd(), CPoint(300, 200));
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(CPoint(300, 200), rectAsked.Size()));
}

TEST(CWnd, MessageMapsAreWalkedUpTheClassChainAndUnroutedMessagesGetTheDefault)
{
    CClosingWnd wnd;
    ASSERT_TRUE(CreateTop(wnd));
    wnd.SendMessage(WM_COMMAND, ID_CMD_FIRST);
    EXPECT_EQ(wnd.m_nBaseCommands, 1) << "the base class's entry serves the subclass";
    wnd.SendMessage(WM_COMMAND, ID_CMD_SECOND + 3);
    EXPECT_EQ(wnd.m_rangeIDs, std::vector<UINT>{ID_CMD_SECOND + 3});
    EXPECT_EQ(wnd.m_cmdMsgIDs, (std::vector<UINT>{ID_CMD_FIRST, ID_CMD_SECOND + 3}));

    wnd.m_bSwallowSecond = true;
    wnd.SendMessage(WM_COMMAND, ID_CMD_SECOND);
    EXPECT_EQ(wnd.m_rangeIDs.size(), 1u) << "OnCmdMsg sees the command first and may keep it";

    CBaseWnd plain;
    ASSERT_TRUE(CreateTop(plain));
    plain.SendMessage(WM_CLOSE);
    EXPECT_EQ(plain.m_hWnd, nullptr) << "no close entry: the default destroys a plain window";
    wnd.SendMessage(WM_CLOSE);
    EXPECT_EQ(wnd.m_nCloses, 1);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST(CWnd, OwnedPopupsAreDestroyedWithTheirOwnerWithoutCloseHandling)
{
    CBaseWnd owner;
    ASSERT_TRUE(CreateTop(owner));
    CClosingWnd owned;
    ASSERT_TRUE(CreateTop(owned, &owner));
    EXPECT_EQ(owned.GetOwner(), &owner);
    owner.DestroyWindow();
    EXPECT_EQ(owned.m_hWnd, nullptr);
    EXPECT_EQ(owned.m_nCloses, 0);
}

TEST(CWnd, WindowDeletedFromItsOwnCloseHandlerIsDeletedAfterTheHandler)
{
    bool bDestroyed = false;
    size_t nWindowsBefore = plat::GetTopLevelWindows().size();
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd(&bDestroyed);
    ASSERT_TRUE(CreateTop(*pWnd));
    pWnd->PostMessage(WM_CLOSE);
    test::RunUntilIdle();
    EXPECT_TRUE(bDestroyed);
    EXPECT_EQ(plat::GetTopLevelWindows().size(), nWindowsBefore);
}

TEST(CWnd, CloseArrivingWhileTheWindowPumpsInsideItsOwnHandlerWaitsForThatHandler)
{
    bool bDestroyed = false;
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd(&bDestroyed);
    ASSERT_TRUE(CreateTop(*pWnd));
    pWnd->PostMessage(WM_COMMAND, ID_CMD_FIRST);
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    ::DispatchMessage(&msg);
    EXPECT_TRUE(bDestroyed) << "deleted once the outer handler returned";
}

TEST(CWnd, TemporaryObjectsOfTemplateControlsHaveTheControlsClass)
{
    CBaseWnd wnd;
    ASSERT_TRUE(CreateTop(wnd));
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE, CRect(0, 0, 50, 50), &wnd, 77));
    list.Detach();
    CWnd* pItem = wnd.GetDlgItem(77);
    ASSERT_NE(pItem, nullptr);
    EXPECT_NE(dynamic_cast<CListBox*>(pItem), nullptr);
    EXPECT_EQ(wnd.GetDlgItem(78), nullptr);
}

TEST(CWnd, MinimiseSetsIconicAndReportsSize)
{
    CBaseWnd wnd;
    ASSERT_TRUE(CreateTop(wnd));
    int nSizes = wnd.m_nSizes;
    wnd.ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(wnd.IsIconic());
    EXPECT_EQ(wnd.m_nSizes, nSizes + 1);
    wnd.SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_FALSE(wnd.IsIconic());
}

TEST(CWnd, TextAndIconsAreKept)
{
    CBaseWnd wnd;
    ASSERT_TRUE(CreateTop(wnd));
    wnd.SetWindowText("Rummy");
    CString strText;
    wnd.GetWindowText(strText);
    EXPECT_EQ(strText, "Rummy");
    HICON__ icon;
    EXPECT_EQ(wnd.SetIcon(&icon, TRUE), nullptr);
    EXPECT_EQ(wnd.SetIcon(nullptr, TRUE), &icon);
    EXPECT_EQ(reinterpret_cast<HICON>(wnd.SendMessage(WM_QUERYDRAGICON)), nullptr);
}

TEST(CWnd, ClientContextDrawsIntoTheWindowAndShowsWhenReleased)
{
    CBaseWnd wnd;
    ASSERT_TRUE(CreateTop(wnd));
    test::RunUntilIdle();
    auto& backend = static_cast<plat::CHeadlessBackend&>(plat::GetBackend());
    long nPresents = backend.GetPresentCount();
    {
        CClientDC dc(&wnd);
        dc.FillSolidRect(10, 10, 5, 5, RGB(0, 127, 0));
        EXPECT_EQ(backend.GetPresentCount(), nPresents);
    }
    EXPECT_EQ(backend.GetPresentCount(), nPresents + 1);
    EXPECT_EQ(wnd.m_hWnd->m_pSurface->GetPixel(12, 12), 0x00007F00u);
}

TEST(CWnd, CaptureSendsTheMouseToTheCapturingWindowOutsideIt)
{
    CTracker tracker;
    ASSERT_TRUE(CreateTop(tracker));
    CBaseWnd other;
    ASSERT_TRUE(other.CreateEx(0, "Other", WS_POPUP | WS_VISIBLE, CRect(500, 50, 600, 150), nullptr, 0));
    tracker.SetCapture();
    test::MouseMove(&other, CPoint(10, 10));
    test::RunUntilIdle();
    ASSERT_EQ(tracker.m_moves.size(), 1u);
    EXPECT_EQ(tracker.m_moves[0], CPoint(410, 10));
    ReleaseCapture();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}
