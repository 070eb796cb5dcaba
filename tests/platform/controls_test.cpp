// The controls: list box, combo boxes (sorting, template items, directory listing, the
// dropped list), edits, check boxes and bitmap buttons with their four pictures.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/testing/driver.h"
#include "platform/wnd.h"
#include "platform/wnd/ControlOps.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"
#include "tests/platform/CShownDialogTest.h"
#include "tests/platform/dialog_fixture.h"
#include "tests/support/CTempWorkingFolder.h"

namespace test = plat::test;

namespace {

class CControlsTest : public CShownDialogTest {
protected:
    uint32_t PixelAt(CWnd* pControl, CPoint point)
    {
        CPoint origin = plat::GetClientOrigin(pControl->m_hWnd);
        return m_dlg.m_hWnd->m_pSurface->GetPixel(origin.x + point.x, origin.y + point.y);
    }
};

} // namespace

TEST_F(CControlsTest, ListBoxKeepsTopIndexResetsAndScrollsWithItsBar)
{
    CListBox& list = m_dlg.m_list;
    ASSERT_EQ(list.GetCount(), 12);
    EXPECT_EQ(list.SetTopIndex(5), 0);
    EXPECT_EQ(list.GetTopIndex(), 5);
    EXPECT_EQ(list.SetTopIndex(12), LB_ERR);
    list.SetTopIndex(0);
    CRect rect;
    list.GetClientRect(&rect);
    // The down arrow at the bottom of the scroll bar scrolls by one line.
    test::Click(&list, CPoint(rect.right - plat::SCROLL_BAR_WIDTH / 2 - 2, rect.bottom - 5));
    test::RunUntilIdle();
    EXPECT_EQ(list.GetTopIndex(), 1);
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetTopIndex(), 0);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
}

TEST_F(CControlsTest, ListScrolledPastLinesThatWouldFitKeepsItsBarToScrollBack)
{
    CListBox& list = m_dlg.m_list;
    list.ResetContent();
    for (const char* szLine : {"first", "second", "third"})
        list.AddString(szLine);
    list.SetTopIndex(2);
    CRect rect;
    list.GetClientRect(&rect);
    // The up arrow at the top of the scroll bar brings the line above back into view.
    test::Click(&list, CPoint(rect.right - plat::SCROLL_BAR_WIDTH / 2 - 2, rect.top + 5));
    test::RunUntilIdle();
    EXPECT_EQ(list.GetTopIndex(), 1);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
}

TEST_F(CControlsTest, ClickingAListItemSelectsItAndNotifiesTheParent)
{
    CListBox& list = m_dlg.m_list;
    list.SetTopIndex(2);
    test::Click(&list, CPoint(10, 4 + plat::LIST_ITEM_HEIGHT + 3));
    test::RunUntilIdle();
    EXPECT_EQ(list.GetCurSel(), 3);
    CString strText;
    list.GetText(3, strText);
    EXPECT_EQ(strText, "Line 3");
}

TEST_F(CControlsTest, SortedComboInsertsInOrderIgnoringCase)
{
    CComboBox* pSuit = Combo(fixture::IDC_SUIT);
    EXPECT_EQ(pSuit->AddString("alpha"), 0);
    EXPECT_EQ(pSuit->AddString("Zulu"), 5);
    CString strItem;
    pSuit->GetLBText(1, strItem);
    EXPECT_EQ(strItem, "Clubs");
    EXPECT_EQ(pSuit->FindString(-1, "he"), 3);
    EXPECT_EQ(pSuit->FindStringExact(-1, "hearts"), 3);
    EXPECT_EQ(pSuit->SelectString(-1, "sp"), 4);
    pSuit->GetWindowText(strItem);
    EXPECT_EQ(strItem, "Spades") << "the edit field shows the selection";
}

TEST_F(CControlsTest, DirListsFoldersInBracketsWithParentButNotDotAndPlainFilesToo)
{
    CTempWorkingFolder folder;
    ASSERT_EQ(mkdir("Voice", 0700), 0);
    TouchFile("readme.txt");
    TouchFile("deal.brg");
    CComboBox* pSeat = Combo(fixture::IDC_SEAT);
    pSeat->ResetContent();
    EXPECT_GE(pSeat->Dir(DDL_DIRECTORY, "*"), 0);
    std::vector<CString> items;
    for (int i = 0; i < pSeat->GetCount(); ++i) {
        CString strItem;
        pSeat->GetLBText(i, strItem);
        items.push_back(strItem);
    }
    EXPECT_EQ(items, (std::vector<CString>{"[..]", "[Voice]", "deal.brg", "readme.txt"}));
    pSeat->ResetContent();
    pSeat->Dir(DDL_READWRITE, "*.BRG");
    ASSERT_EQ(pSeat->GetCount(), 1) << "patterns match ignoring case; no folders without DDL_DIRECTORY";
}

TEST_F(CControlsTest, DroppedComboListPicksAnItemWithTheMouse)
{
    CComboBox* pSeat = Combo(fixture::IDC_SEAT);
    CRect rect;
    pSeat->GetClientRect(&rect);
    test::Click(pSeat, CPoint(rect.right - 5, rect.Height() / 2));
    test::RunUntilIdle();
    ASSERT_TRUE(pSeat->GetDroppedState());
    HWND hList = pSeat->m_hWnd->m_control.hDropList;
    CWnd* pList = CWnd::FromHandle(hList);
    test::Click(pList, CPoint(10, 2 + 2 * plat::LIST_ITEM_HEIGHT + 3));
    test::RunUntilIdle();
    EXPECT_FALSE(pSeat->GetDroppedState());
    EXPECT_EQ(pSeat->GetCurSel(), 2);
    CString strText;
    pSeat->GetWindowText(strText);
    EXPECT_EQ(strText, "South");
}

TEST_F(CControlsTest, ClickOutsideTheDroppedListClosesItWithoutChoosing)
{
    CComboBox* pSeat = Combo(fixture::IDC_SEAT);
    pSeat->SetCurSel(1);
    pSeat->ShowDropDown(TRUE);
    test::Click(&m_dlg, CPoint(5, 250));
    test::RunUntilIdle();
    EXPECT_FALSE(pSeat->GetDroppedState());
    EXPECT_EQ(pSeat->GetCurSel(), 1);
}

TEST_F(CControlsTest, DroppedListShowsItsLongestItemWholeAndAFocusedListWithoutSelectionItsMark)
{
    CComboBox* pSeat = Combo(fixture::IDC_SEAT);
    const CString strLong = "Bridge/Dummy statistics files (*.csv)";
    pSeat->AddString(strLong);
    pSeat->ShowDropDown(TRUE);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    EXPECT_GE(plat::GetScreenRect(pSeat->m_hWnd->m_control.hDropList).Width(),
              dc.GetTextExtent(strLong).cx + 2 * (plat::LIST_TEXT_INDENT + plat::LIST_BORDER_WIDTH));
    pSeat->ShowDropDown(FALSE);
    ASSERT_EQ(m_dlg.m_list.GetCurSel(), LB_ERR);
    const std::vector<uint32_t> unfocused = fixture::PaintedPixels(m_dlg.m_list.m_hWnd);
    m_dlg.m_list.SetFocus();
    EXPECT_NE(fixture::PaintedPixels(m_dlg.m_list.m_hWnd), unfocused);
}

TEST_F(CControlsTest, EditTakesTypingWithCaretSelectionAndBackspace)
{
    CWnd* pName = m_dlg.GetDlgItem(fixture::IDC_NAME);
    CEdit* pEdit = static_cast<CEdit*>(pName);
    pName->SetFocus();
    int nStart = -1;
    int nEnd = -1;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 3) << "focus selects the whole text";
    test::TypeText(&m_dlg, "Bo");
    test::PressKey(&m_dlg, VK_BACK);
    test::PressKey(&m_dlg, VK_HOME);
    test::TypeText(&m_dlg, "\xC3\xA9");
    test::PressKey(&m_dlg, VK_RIGHT);
    test::PressKey(&m_dlg, VK_DELETE);
    test::RunUntilIdle();
    CString strText;
    pName->GetWindowText(strText);
    EXPECT_EQ(strText, "\xC3\xA9" "B");
}

TEST_F(CControlsTest, CheckBoxTogglesOnClickAndGreyedButtonsIgnoreTheMouse)
{
    EXPECT_TRUE(test::ClickControl(&m_dlg, fixture::IDC_SOUND));
    test::RunUntilIdle();
    EXPECT_EQ(m_dlg.IsDlgButtonChecked(fixture::IDC_SOUND), 0u);
    m_dlg.GetDlgItem(fixture::IDC_SOUND)->EnableWindow(FALSE);
    test::ClickControl(&m_dlg, fixture::IDC_SOUND);
    test::RunUntilIdle();
    EXPECT_EQ(m_dlg.IsDlgButtonChecked(fixture::IDC_SOUND), 0u);
}

TEST_F(CControlsTest, BitmapButtonSizesToItsUpPictureAndDrawsEachState)
{
    CBitmapButton& picture = m_dlg.m_picture;
    ASSERT_TRUE(m_dlg.m_bPicturesLoaded);
    CRect rect;
    picture.GetClientRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(fixture::PICTURE_WIDTH, fixture::PICTURE_HEIGHT));
    EXPECT_EQ(PixelAt(&picture, CPoint(3, 3)), fixture::PICTURE_UP);

    test::MouseDown(&picture, CPoint(3, 3));
    test::RunUntilIdle();
    EXPECT_EQ(PixelAt(&picture, CPoint(3, 3)), fixture::PICTURE_DOWN);
    test::MouseUp(&picture, CPoint(3, 3));
    test::RunUntilIdle();
    EXPECT_EQ(PixelAt(&picture, CPoint(3, 3)), fixture::PICTURE_FOCUS) << "a click leaves the focus on it";
    EXPECT_EQ(m_dlg.m_nPictureClicks, 1);

    picture.EnableWindow(FALSE);
    test::RunUntilIdle();
    EXPECT_EQ(PixelAt(&picture, CPoint(3, 3)), fixture::PICTURE_DISABLED);
}

TEST_F(CControlsTest, ReleasingTheMouseOffAButtonDoesNotClickIt)
{
    CWnd* pAsk = m_dlg.GetDlgItem(fixture::IDC_PICTURE);
    test::MouseDown(pAsk, CPoint(3, 3));
    test::MouseMove(pAsk, CPoint(200, 3));
    test::MouseUp(pAsk, CPoint(200, 3));
    test::RunUntilIdle();
    EXPECT_EQ(m_dlg.m_nPictureClicks, 0);
}

TEST_F(CControlsTest, LoadBitmapsWithOnePictureShowsItInEveryState)
{
    CBitmapButton& picture = m_dlg.m_picture;
    AfxRegisterBitmap("single", CSurface(8, 8, 0x00123456));
    ASSERT_TRUE(picture.LoadBitmaps("SINGLE"));
    test::MouseDown(&picture, CPoint(3, 3));
    test::RunUntilIdle();
    EXPECT_EQ(PixelAt(&picture, CPoint(3, 3)), 0x00123456u);
    test::MouseUp(&picture, CPoint(3, 3));
    test::RunUntilIdle();
}
