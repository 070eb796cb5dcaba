// Dialogs built from a template with every control kind: creation order, data exchange both
// ways, modal runs (twice on one object, with nested message boxes), the dialog keys, and
// modeless close.

#include <gtest/gtest.h>

#include <string>

#include "platform/msg/loop.h"
#include "platform/testing/driver.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/ModalHooks.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"
#include "platform/wnd.h"
#include "tests/platform/dialog_fixture.h"
#include "tests/support/CModelledWindowManager.h"

using fixture::CEveryControlDlg;
namespace test = plat::test;

namespace {

// What the window manager showed when it activated s_hActivate while a box was up.
struct ActivationSeen {
    HWND hBox;
    HWND hFront;
    HWND hFocusTop;
    HWND hKeptAbove;
};
HWND s_hActivate = nullptr;
ActivationSeen s_seen = {};
plat::ModalIdleHook s_pfnDriverHook = nullptr;

void ActivateOwnerHook(HWND hDialog)
{
    if (s_hActivate != nullptr) {
        CModelledWindowManager::Backend().ActivateAsManager(s_hActivate);
        s_hActivate = nullptr;
        s_seen = {hDialog, CModelledWindowManager::Backend().GetFrontWindow(),
                  plat::GetTopLevel(plat::GetFocusWindow()), plat::GetKeptAboveOwner(hDialog)};
    }
    s_pfnDriverHook(hDialog);
}

} // namespace

class CDialogTest : public ::testing::Test {
protected:
    void SetUp() override { fixture::RegisterEveryControlTemplate(); }
};

TEST_F(CDialogTest, CreateAndSizeComeBeforeInitDialogAndAMoveInInitSizesAgain)
{
    CEveryControlDlg dlg;
    dlg.m_bMoveInInit = true;
    ASSERT_TRUE(dlg.Create(fixture::IDD_EVERY_CONTROL));
    EXPECT_EQ(dlg.m_created, (std::vector<UINT>{WM_CREATE, WM_SIZE, WM_INITDIALOG, WM_SIZE}));
}

TEST_F(CDialogTest, ConstructingNeedsNoWindowAndTemplateSizeIsInDialogUnits)
{
    CEveryControlDlg dlg;
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    ASSERT_TRUE(dlg.Create(fixture::IDD_EVERY_CONTROL));
    CRect rect;
    dlg.GetClientRect(&rect);
    // 220 x 160 dialog units at base units 6 x 13.
    EXPECT_EQ(rect.Width(), 330);
    EXPECT_EQ(rect.Height(), 260);
    EXPECT_FALSE(dlg.IsWindowVisible()) << "the template has no visible style";
}

TEST_F(CDialogTest, InitDialogFillsControlsAndUpdateDataReadsThemBack)
{
    CEveryControlDlg dlg;
    ASSERT_TRUE(dlg.Create(fixture::IDD_EVERY_CONTROL));
    CString strText;
    dlg.GetDlgItemText(fixture::IDC_NAME, strText);
    EXPECT_EQ(strText, "Ann");
    EXPECT_EQ(dlg.IsDlgButtonChecked(fixture::IDC_SOUND), 1u);
    CComboBox* pSuit = static_cast<CComboBox*>(dlg.GetDlgItem(fixture::IDC_SUIT));
    EXPECT_EQ(pSuit->GetCurSel(), 2) << "sorted: Clubs, Diamonds, Hearts, Spades";
    EXPECT_EQ(dlg.m_list.GetCount(), 12);

    dlg.SetDlgItemText(fixture::IDC_NAME, "Bea");
    dlg.CheckDlgButton(fixture::IDC_SOUND, 0);
    pSuit->SetCurSel(0);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_strName, "Bea");
    EXPECT_EQ(dlg.m_bSound, 0);
    EXPECT_EQ(dlg.m_strSuit, "Clubs");
}

TEST_F(CDialogTest, TemplateItemsFillCombosInOrderAndHiddenControlsStayHidden)
{
    CEveryControlDlg dlg;
    ASSERT_TRUE(dlg.Create(fixture::IDD_EVERY_CONTROL));
    CComboBox* pSeat = static_cast<CComboBox*>(dlg.GetDlgItem(fixture::IDC_SEAT));
    ASSERT_EQ(pSeat->GetCount(), 4);
    CString strItem;
    pSeat->GetLBText(3, strItem);
    EXPECT_EQ(strItem, "West") << "an unsorted combo keeps template order";
    EXPECT_FALSE(dlg.GetDlgItem(fixture::IDC_HIDDEN)->IsWindowVisible());
}

TEST_F(CDialogTest, ModalRunDrivenByScriptReturnsOKWithTypedValues)
{
    CEveryControlDlg dlg;
    test::ScriptNextDialog(fixture::IDD_EVERY_CONTROL,
                           {test::SetTextStep(fixture::IDC_NAME, "Cy"), test::ClickStep(fixture::IDC_SOUND),
                            test::ClickStep(IDOK)});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, "Cy");
    EXPECT_EQ(dlg.m_bSound, 0) << "clicking the check box cleared it";
    EXPECT_EQ(dlg.m_hWnd, nullptr) << "the window is gone after the run";
    EXPECT_EQ(test::GetPendingScriptCount(), 0u);
}

TEST_F(CDialogTest, ModalDialogRunTwiceOnTheSameObjectReattachesItsControls)
{
    CEveryControlDlg dlg;
    test::ScriptNextDialog(fixture::IDD_EVERY_CONTROL, {test::ClickStep(fixture::IDC_PICTURE), test::ClickStep(IDOK)});
    test::ScriptNextDialog(fixture::IDD_EVERY_CONTROL, {test::ClickStep(fixture::IDC_PICTURE), test::KeyStep(VK_ESCAPE)});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.m_bPicturesLoaded);
    dlg.m_bPicturesLoaded = false;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.m_bPicturesLoaded);
    EXPECT_EQ(dlg.m_nPictureClicks, 2);
    EXPECT_EQ(dlg.m_list.m_hWnd, nullptr);
}

TEST_F(CDialogTest, NestedMessageBoxIsAnsweredFromTheQueueAndRecorded)
{
    CEveryControlDlg dlg;
    test::QueueMessageBoxAnswer(IDCANCEL);
    test::ScriptNextDialog(fixture::IDD_EVERY_CONTROL, {test::ClickStep(fixture::IDC_ASK), test::ClickStep(IDOK)});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nAskResult, IDCANCEL);
    ASSERT_EQ(test::GetMessageBoxes().size(), 1u);
    EXPECT_EQ(test::GetMessageBoxes()[0].strText, "Deal again?\tNow\nor later");
    EXPECT_EQ(test::GetMessageBoxes()[0].strCaption, "Question");
    EXPECT_TRUE(test::GetMessageBoxes()[0].bAnswered);
}

TEST_F(CDialogTest, EndDialogFromAHandlerRunInsideANestedMessageBoxEndsTheOuterRun)
{
    CEveryControlDlg dlg;
    dlg.m_bPostEndBeforeAsking = true;
    test::QueueMessageBoxAnswer(IDOK);
    test::ScriptNextDialog(fixture::IDD_EVERY_CONTROL, {test::ClickStep(fixture::IDC_ASK)});
    EXPECT_EQ(dlg.DoModal(), 77);
    EXPECT_EQ(dlg.m_nAskResult, IDOK) << "the box still ran to its end";
}

TEST_F(CDialogTest, UnansweredMessageBoxPressesItsDefaultButton)
{
    EXPECT_EQ(AfxMessageBox("Nobody answers"), IDOK);
    ASSERT_EQ(test::GetMessageBoxes().size(), 1u);
    EXPECT_FALSE(test::GetMessageBoxes()[0].bAnswered);
    EXPECT_EQ(test::GetMessageBoxes()[0].strCaption, "platform_tests") << "the executable's name";
}

TEST_F(CDialogTest, MessageBoxIsWideEnoughForItsCaptionInATitleBar)
{
    // A title bar holds the caption in bold beside the window's icon, three buttons and its
    // edges, some 120 pixels under a window manager's usual theme (a box of 184 pixels cut
    // this caption short).
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SetFontWeight(FontWeight::Bold);
    plat::RunMessageBox(nullptr, "Pass", "X", MB_OK);
    plat::RunMessageBox(nullptr, "Pass", "Bidding Hint", MB_OK);
    ASSERT_EQ(test::GetMessageBoxes().size(), 2u);
    EXPECT_GT(test::GetMessageBoxes()[1].nWidth, test::GetMessageBoxes()[0].nWidth);
    EXPECT_GE(test::GetMessageBoxes()[1].nWidth, dc.GetTextExtent(CString("Bidding Hint")).cx + 120);
}

TEST_F(CDialogTest, MessageBoxFitsTheWorkAreaFrameAndAllBreakingAWordTooLongForALine)
{
    CModelledWindowManager manager;
    const CRect rectFrame = CModelledWindowManager::Frame();
    const CRect rectWork = plat::GetBackend().GetWorkArea();
    std::string strLines;
    for (int i = 0; i < 120; ++i)
        strLines += "line\n";
    for (const std::string& strText : {std::string(300, 'n') + ".brg could not be written: File name too long", strLines}) {
        AfxMessageBox(strText.c_str());
        const CRect rect = test::GetMessageBoxes().back().rectWindow;
        EXPECT_GE(rect.left - rectFrame.left, rectWork.left);
        EXPECT_GE(rect.top - rectFrame.top, rectWork.top);
        EXPECT_LE(rect.right + rectFrame.right, rectWork.right) << strText.size();
        EXPECT_LE(rect.bottom + rectFrame.bottom, rectWork.bottom) << strText.size();
    }
    EXPECT_LE(test::GetMessageBoxes()[0].nWidth, 2 * plat::MSGBOX_MARGIN + plat::MSGBOX_MAX_TEXT_WIDTH)
        << "the long name is broken within the widest line a box has";
}

TEST_F(CDialogTest, EnterPressesTheDefaultButtonEscapeCancelsTabMovesSpacePresses)
{
    CEveryControlDlg dlg;
    dlg.m_bCountOnly = true;
    ASSERT_TRUE(dlg.Create(fixture::IDD_EVERY_CONTROL));
    dlg.ShowWindow(SW_SHOW);
    dlg.GetDlgItem(fixture::IDC_NAME)->SetFocus();
    test::PressKey(&dlg, VK_RETURN);
    test::RunUntilIdle();
    EXPECT_EQ(dlg.m_nOK, 1);
    test::PressKey(&dlg, VK_ESCAPE);
    test::RunUntilIdle();
    EXPECT_EQ(dlg.m_nCancel, 1);

    test::PressKey(&dlg, VK_TAB);
    test::RunUntilIdle();
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(fixture::IDC_SOUND));
    test::PressKey(&dlg, VK_SPACE);
    test::RunUntilIdle();
    EXPECT_EQ(dlg.IsDlgButtonChecked(fixture::IDC_SOUND), 0u) << "Space toggled the focused check box";
}

TEST_F(CDialogTest, ModelessDialogDefaultCloseHidesAndKeepsTheWindow)
{
    CEveryControlDlg dlg;
    ASSERT_TRUE(dlg.Create(fixture::IDD_EVERY_CONTROL));
    dlg.ShowWindow(SW_SHOW);
    dlg.PostMessage(WM_CLOSE);
    test::RunUntilIdle();
    EXPECT_NE(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_EQ(dlg.m_nCancel, 1);
}

TEST_F(CDialogTest, VisibleTemplateShowsAtOnceOnCreate)
{
    fixture::RegisterEveryControlTemplate(WS_POPUP | WS_CAPTION | WS_VISIBLE);
    CEveryControlDlg dlg;
    ASSERT_TRUE(dlg.Create(fixture::IDD_EVERY_CONTROL));
    EXPECT_TRUE(dlg.IsWindowVisible());
}

TEST_F(CDialogTest, ModalOwnerIsDisabledDuringTheRunAndEnabledAfter)
{
    CEveryControlDlg owner;
    ASSERT_TRUE(owner.Create(fixture::IDD_EVERY_CONTROL));
    owner.ShowWindow(SW_SHOW);
    CEveryControlDlg dlg(&owner);
    bool bOwnerEnabledDuring = true;
    struct CProbe : CEveryControlDlg {
        using CEveryControlDlg::CEveryControlDlg;
        CWnd* m_pOwner = nullptr;
        bool* m_pbEnabled = nullptr;
        BOOL OnInitDialog() override
        {
            *m_pbEnabled = m_pOwner->IsWindowEnabled() != FALSE;
            return CEveryControlDlg::OnInitDialog();
        }
    } probe(&owner);
    probe.m_pOwner = &owner;
    probe.m_pbEnabled = &bOwnerEnabledDuring;
    test::ScriptNextDialog(fixture::IDD_EVERY_CONTROL, {test::ClickStep(IDCANCEL)});
    EXPECT_EQ(probe.DoModal(), IDCANCEL);
    EXPECT_FALSE(bOwnerEnabledDuring);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(CDialogTest, ModalBoxBelongsToItsOwnerAndComesToTheFrontWhenTheOwnerIsActivated)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, "Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    // A window that can be minimised by itself stands on its own, whoever owns it.
    CWnd game;
    ASSERT_TRUE(
        game.CreateEx(0, "Game", WS_POPUP | WS_CAPTION | WS_MINIMIZEBOX, CRect(0, 0, 300, 200), &owner, 0));
    EXPECT_EQ(plat::GetKeptAboveOwner(game.m_hWnd), nullptr);

    test::QueueMessageBoxAnswer(IDOK);
    s_hActivate = owner.m_hWnd;
    s_seen = {};
    s_pfnDriverHook = plat::SetModalIdleHook(&ActivateOwnerHook);
    owner.MessageBox("Deal again?");
    plat::SetModalIdleHook(s_pfnDriverHook);
    ASSERT_NE(s_seen.hBox, nullptr) << "the box never went idle";
    EXPECT_EQ(s_seen.hKeptAbove, owner.m_hWnd);
    EXPECT_EQ(s_seen.hFront, s_seen.hBox);
    EXPECT_EQ(s_seen.hFocusTop, s_seen.hBox);
}

TEST_F(CDialogTest, ClosingTheOwnerDuringANestedModalLoopEndsItWithoutHarm)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, "Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    CEveryControlDlg dlg(&owner);
    struct CCloser : CEveryControlDlg {
        using CEveryControlDlg::CEveryControlDlg;
        HWND m_hOwner = nullptr;
        BOOL OnInitDialog() override
        {
            // The owner is disabled now; its destruction comes from outside the dialog.
            ::PostMessage(m_hOwner, WM_CLOSE, 0, 0);
            return CEveryControlDlg::OnInitDialog();
        }
    } closer(&owner);
    closer.m_hOwner = owner.m_hWnd;
    EXPECT_EQ(closer.DoModal(), IDCANCEL);
    EXPECT_EQ(owner.m_hWnd, nullptr) << "a frame's default close destroys it, and its owned dialog with it";
    EXPECT_EQ(closer.m_hWnd, nullptr);
}

TEST_F(CDialogTest, WholeDialogSavesAsPng)
{
    CEveryControlDlg dlg;
    ASSERT_TRUE(dlg.Create(fixture::IDD_EVERY_CONTROL));
    dlg.ShowWindow(SW_SHOW);
    dlg.GetDlgItem(fixture::IDC_NAME)->SetFocus();
    test::TypeText(&dlg, " Lee");
    test::RunUntilIdle();
    CString strPath = test::BuildFolderPath("dialog_every_control.png");
    ASSERT_TRUE(test::SaveWindowPng(&dlg, strPath));
    FILE* pFile = std::fopen(strPath, "rb");
    ASSERT_NE(pFile, nullptr);
    unsigned char header[4] = {};
    EXPECT_EQ(std::fread(header, 1, 4, pFile), 4u);
    std::fclose(pFile);
    EXPECT_EQ(header[1], 'P');
    EXPECT_EQ(header[2], 'N');
    EXPECT_EQ(header[3], 'G');
}
