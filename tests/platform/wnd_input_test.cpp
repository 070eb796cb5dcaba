// Input routing: drags with mouse capture, capture taken away by modal boxes and disabled
// windows, disabled owners, keyboard in lists and combo boxes, double clicks, shifted
// selection, immediate painting and message ranges.

#include <gtest/gtest.h>

#include "platform/backend/CHeadlessBackend.h"
#include "platform/backend/backend.h"
#include "platform/testing/driver.h"
#include "platform/wnd.h"
#include "platform/wnd/ControlOps.h"
#include "platform/wnd/metrics.h"
#include "tests/platform/CShownDialogTest.h"
#include "tests/platform/dialog_fixture.h"

namespace test = plat::test;
using fixture::CEveryControlDlg;

namespace {

// A card table in miniature: a press takes the mouse, moves are followed, release drops.
// With m_bBoxOnDrop the release first shows a message box, still holding the mouse.
class CDragWnd : public CWnd {
public:
    std::vector<CPoint> m_path;
    CPoint m_ptDropped{-1, -1};
    int m_nPaints = 0;
    BOOL m_bErased = TRUE;
    bool m_bBoxOnDrop = false;
    int m_nBoxResult = 0;
    int m_nCaptureLosses = 0;

protected:
    afx_msg void OnLButtonDown(UINT /*nFlags*/, CPoint point)
    {
        SetCapture();
        m_path.push_back(point);
    }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point)
    {
        if (GetCapture() == this && (nFlags & MK_LBUTTON) != 0)
            m_path.push_back(point);
    }
    afx_msg void OnLButtonUp(UINT /*nFlags*/, CPoint point)
    {
        if (m_bBoxOnDrop)
            m_nBoxResult = MessageBox("Dropped", nullptr, MB_OKCANCEL);
        if (GetCapture() == this) {
            ReleaseCapture();
            m_ptDropped = point;
        }
    }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        m_bErased = dc.m_ps.fErase;
        ++m_nPaints;
    }
    LRESULT OnCaptureChanged(WPARAM, LPARAM)
    {
        ++m_nCaptureLosses;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDragWnd, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_PAINT()
    ON_MESSAGE(WM_CAPTURECHANGED, &CDragWnd::OnCaptureChanged)
END_MESSAGE_MAP()

BOOL CreateDragWnd(CDragWnd& wnd)
{
    return wnd.CreateEx(0, "Table", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0);
}

class CInputTest : public CShownDialogTest {
};

} // namespace

TEST(CInputRouter, DragFollowsTheMouseBeyondTheWindowWhileCaptured)
{
    CDragWnd wnd;
    ASSERT_TRUE(CreateDragWnd(wnd));
    test::Drag(&wnd, CPoint(10, 10), CPoint(410, 90), 4);
    test::RunUntilIdle();
    EXPECT_EQ(wnd.m_path, (std::vector<CPoint>{{10, 10}, {110, 30}, {210, 50}, {310, 70}, {410, 90}}));
    EXPECT_EQ(wnd.m_ptDropped, CPoint(410, 90));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST(CInputRouter, DisabledOwnerOfAModalDialogGetsNoMouse)
{
    CDragWnd wnd;
    ASSERT_TRUE(CreateDragWnd(wnd));
    wnd.EnableWindow(FALSE);
    test::Click(&wnd, CPoint(20, 20));
    test::RunUntilIdle();
    EXPECT_TRUE(wnd.m_path.empty());
}

TEST(CInputRouter, KeysTypedToTheOwnerBeforeItsModalBoxHasTheKeyboardAreTheBoxs)
{
    fixture::RegisterEveryControlTemplate();
    CDragWnd owner;
    ASSERT_TRUE(CreateDragWnd(owner));
    struct CTypedAhead : CEveryControlDlg {
        using CEveryControlDlg::CEveryControlDlg;
        BOOL OnInitDialog() override
        {
            const BOOL bResult = CEveryControlDlg::OnInitDialog();
            // What the person typed reaches the disabled owner, which the window system
            // still gives the keyboard.
            GetDlgItem(fixture::IDC_NAME)->SetFocus();
            test::TypeText(GetParent(), "Lee");
            test::PressKey(GetParent(), VK_RETURN);
            return bResult;
        }
    } dlg(&owner);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, "Lee");
}

TEST(CInputRouter, MessageBoxRaisedInsideADragTakesTheMouseAndGetsItsClick)
{
    CDragWnd wnd;
    ASSERT_TRUE(CreateDragWnd(wnd));
    wnd.m_bBoxOnDrop = true;
    // The driver answers the box by clicking its Cancel button.
    test::QueueMessageBoxAnswer(IDCANCEL);
    test::Drag(&wnd, CPoint(10, 10), CPoint(60, 40), 2);
    test::RunUntilIdle();
    ASSERT_EQ(test::GetMessageBoxes().size(), 1u);
    EXPECT_EQ(wnd.m_nBoxResult, IDCANCEL);
    EXPECT_EQ(wnd.m_nCaptureLosses, 1);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(wnd.m_path.size(), 3u) << "the click on the box never reached the table";
    EXPECT_TRUE(wnd.IsWindowEnabled());
}

TEST(CInputRouter, MessageBoxOfAnotherOwnerTakesTheMouseFromAWindowHoldingIt)
{
    CDragWnd wnd;
    ASSERT_TRUE(CreateDragWnd(wnd));
    test::MouseDown(&wnd, CPoint(10, 10));
    test::RunUntilIdle();
    ASSERT_EQ(CWnd::GetCapture(), &wnd);
    test::QueueMessageBoxAnswer(IDOK);
    EXPECT_EQ(AfxMessageBox("Elsewhere", MB_OKCANCEL), IDOK);
    EXPECT_EQ(wnd.m_nCaptureLosses, 1);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(wnd.m_path.size(), 1u);
}

TEST(CInputRouter, DisablingAWindowReleasesOnlyACaptureItOrItsChildHolds)
{
    CDragWnd wnd;
    ASSERT_TRUE(CreateDragWnd(wnd));
    CDragWnd child;
    ASSERT_TRUE(child.CreateEx(0, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 60), &wnd, 1));
    CDragWnd other;
    ASSERT_TRUE(CreateDragWnd(other));

    child.SetCapture();
    wnd.EnableWindow(FALSE);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(child.m_nCaptureLosses, 1);

    wnd.EnableWindow(TRUE);
    other.SetCapture();
    wnd.EnableWindow(FALSE);
    EXPECT_EQ(CWnd::GetCapture(), &other);
    ReleaseCapture();
}

TEST(CInputRouter, InvalidateWithoutEraseAndUpdateWindowPaintsAtOnce)
{
    CDragWnd wnd;
    ASSERT_TRUE(CreateDragWnd(wnd));
    wnd.UpdateWindow();
    int nPaints = wnd.m_nPaints;
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.m_nPaints, nPaints + 1);
    EXPECT_FALSE(wnd.m_bErased);
    MSG msg;
    EXPECT_FALSE(::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

// Alt went down in a box that went away before the key came up (a quick Alt+F4). When the
// next window gains the focus the modifier keys are taken as the window system holds them,
// so Escape there cancels the box instead of reaching it as a key with Alt.
TEST(CInputRouter, ModifierKeysAreTakenAfreshWhenAWindowGainsTheFocus)
{
    fixture::RegisterEveryControlTemplate();
    auto& backend = static_cast<plat::CHeadlessBackend&>(plat::GetBackend());
    for (const bool bAltHeld : {false, true}) {
        CEveryControlDlg box;
        CEveryControlDlg next;
        next.m_bCountOnly = true;
        ASSERT_TRUE(box.Create(fixture::IDD_EVERY_CONTROL));
        ASSERT_TRUE(next.Create(fixture::IDD_EVERY_CONTROL));
        box.ShowWindow(SW_SHOW);
        next.ShowWindow(SW_SHOW);
        plat::CInputRouter::QueueKey(box.m_hWnd, VK_MENU, true);
        test::RunUntilIdle();
        box.DestroyWindow();
        backend.SetModifierHeld(VK_MENU, bAltHeld);
        backend.ActivateAsManager(next.m_hWnd);
        test::PressKey(&next, VK_ESCAPE);
        test::RunUntilIdle();
        EXPECT_EQ(bAltHeld ? 0 : 1, next.m_nCancel) << bAltHeld;
        EXPECT_EQ(bAltHeld, GetKeyState(VK_MENU) < 0) << bAltHeld;
        backend.SetModifierHeld(VK_MENU, false);
        backend.ActivateAsManager(next.m_hWnd);
        test::RunUntilIdle();
    }
}

TEST(CInputRouter, PeekMessageRangeTakesOnlyMessagesInside)
{
    CDragWnd wnd;
    ASSERT_TRUE(CreateDragWnd(wnd));
    test::RunUntilIdle();
    wnd.PostMessage(WM_USER + 1);
    wnd.PostMessage(WM_USER + 5);
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, WM_USER + 3, WM_USER + 9, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 5));
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
}

TEST_F(CInputTest, ArrowsMoveTheListSelectionAndScrollItIntoView)
{
    CListBox& list = m_dlg.m_list;
    list.SetFocus();
    list.SetCurSel(4);
    for (int i = 0; i < 3; ++i)
        test::PressKey(&m_dlg, VK_DOWN);
    test::RunUntilIdle();
    EXPECT_EQ(list.GetCurSel(), 7);
    EXPECT_EQ(list.GetTopIndex(), 7 - plat::ListVisibleCount(list.m_hWnd) + 1);
    test::PressKey(&m_dlg, VK_HOME);
    test::RunUntilIdle();
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(list.GetTopIndex(), 0);
}

TEST_F(CInputTest, TwoQuickClicksOnAListItemNotifyADoubleClick)
{
    struct CDoubleDlg : CEveryControlDlg {
        std::vector<int> m_codes;
        BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
        {
            if (LOWORD(wParam) == fixture::IDC_LIST)
                m_codes.push_back(HIWORD(wParam));
            return CEveryControlDlg::OnCommand(wParam, lParam);
        }
    } dlg;
    ASSERT_TRUE(dlg.Create(fixture::IDD_EVERY_CONTROL));
    dlg.ShowWindow(SW_SHOW);
    test::Click(&dlg.m_list, CPoint(10, 5));
    test::Click(&dlg.m_list, CPoint(10, 5));
    test::RunUntilIdle();
    EXPECT_EQ(dlg.m_codes, (std::vector<int>{LBN_SELCHANGE, LBN_SELCHANGE, LBN_DBLCLK}));
}

TEST_F(CInputTest, ComboArrowsAndLettersChangeTheSelection)
{
    CComboBox* pSeat = Combo(fixture::IDC_SEAT);
    pSeat->SetFocus();
    test::PressKey(&m_dlg, VK_DOWN);
    test::PressKey(&m_dlg, VK_DOWN);
    test::RunUntilIdle();
    EXPECT_EQ(pSeat->GetCurSel(), 1);
    test::TypeText(&m_dlg, "w");
    test::RunUntilIdle();
    EXPECT_EQ(pSeat->GetCurSel(), 3);
    CString strText;
    pSeat->GetWindowText(strText);
    EXPECT_EQ(strText, "West");
}

TEST_F(CInputTest, DropDownComboTakesTypedTextNotInItsList)
{
    CComboBox* pSuit = Combo(fixture::IDC_SUIT);
    pSuit->SetFocus();
    test::TypeText(&m_dlg, "Trumps");
    test::RunUntilIdle();
    ASSERT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(m_dlg.m_strSuit, "Trumps");
    test::PressKey(&m_dlg, VK_F4);
    test::PressKey(&m_dlg, VK_DOWN);
    test::PressKey(&m_dlg, VK_RETURN);
    test::RunUntilIdle();
    EXPECT_FALSE(pSuit->GetDroppedState());
    EXPECT_EQ(pSuit->GetCurSel(), 3);
    EXPECT_EQ(m_dlg.m_nOK, 0) << "Enter closed the list, not the dialog";
}

TEST_F(CInputTest, ShiftArrowsExtendTheEditSelection)
{
    CEdit* pName = static_cast<CEdit*>(m_dlg.GetDlgItem(fixture::IDC_NAME));
    pName->SetFocus();
    test::PressKey(&m_dlg, VK_END);
    plat::CInputRouter::QueueKey(m_dlg.m_hWnd, VK_SHIFT, true);
    test::PressKey(&m_dlg, VK_LEFT);
    test::PressKey(&m_dlg, VK_LEFT);
    plat::CInputRouter::QueueKey(m_dlg.m_hWnd, VK_SHIFT, false);
    test::RunUntilIdle();
    int nStart = 0;
    int nEnd = 0;
    pName->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 1);
    EXPECT_EQ(nEnd, 3);
    test::TypeText(&m_dlg, "da");
    test::RunUntilIdle();
    CString strText;
    pName->GetWindowText(strText);
    EXPECT_EQ(strText, "Ada");
}

TEST_F(CInputTest, ClicksOnStaticTextAndGroupBoxesReachTheControlsBeneath)
{
    // The group box covers the list box; a click inside the list still selects an item.
    test::Click(&m_dlg.m_list, CPoint(10, 4 + plat::LIST_ITEM_HEIGHT));
    test::RunUntilIdle();
    EXPECT_EQ(m_dlg.m_list.GetCurSel(), 1);
}

TEST_F(CInputTest, ShiftTabMovesTheFocusBackwards)
{
    m_dlg.GetDlgItem(fixture::IDC_SOUND)->SetFocus();
    plat::CInputRouter::QueueKey(m_dlg.m_hWnd, VK_SHIFT, true);
    test::PressKey(&m_dlg, VK_TAB);
    plat::CInputRouter::QueueKey(m_dlg.m_hWnd, VK_SHIFT, false);
    test::RunUntilIdle();
    EXPECT_EQ(CWnd::GetFocus(), m_dlg.GetDlgItem(fixture::IDC_NAME));
}
