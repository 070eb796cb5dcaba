#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "bridge/play/ExplainOwner.h"
#include "bridge/play/ExplainWhistDlg.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/res/dialogunits.h"
#include "platform/testing/driver.h"
#include "platform/wnd/ControlOps.h"
#include "tests/bridge/play/PlayTestHelpers.h"

using namespace playtest;

// Rectangles print as their four edges in failure messages.
void PrintTo(const CRect& rect, std::ostream* pStream)
{
    *pStream << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

namespace {

const char RECT_VALUE[] = "ExplainWhistRect";

CRegSettings OpenSettings()
{
    return CRegSettings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                        settings_keys::SUITE_KEY);
}

// The bridge table's side of the window: counts the close notices and disposes of the
// window as the table does.
class CTableStandIn : public CExplainOwner {
public:
    void OnExplainWindowClosed() override
    {
        ++m_nClosed;
        if (m_pExplain)
            m_pExplain->DeleteLater();
        m_pExplain = nullptr;
    }

    CExplainWhistDlg* m_pExplain = nullptr;
    int m_nClosed = 0;
};

class ExplainWindow : public ::testing::Test {
protected:
    ExplainWindow()
    {
        RegisterExplainTemplate();
        OpenSettings().ClearValue(RECT_VALUE);
    }

    // Creates the window as the bridge table does: hidden, modeless, told to the owner.
    CExplainWhistDlg* Open()
    {
        m_table.m_pExplain = new CExplainWhistDlg(nullptr, &m_table);
        m_pOwned.reset(m_table.m_pExplain);
        EXPECT_TRUE(m_table.m_pExplain->Create(IDD_EXPLAIN_WHIST, nullptr));
        return m_table.m_pExplain;
    }

    HWND List(CExplainWhistDlg* pExplain)
    {
        return pExplain->GetDlgItem(IDC_EXPLAIN_LIST)->GetSafeHwnd();
    }

    CString LineText(CExplainWhistDlg* pExplain, int nIndex)
    {
        CString strText;
        plat::ListGetText(List(pExplain), nIndex, strText);
        return strText;
    }

    CTableStandIn m_table;
    // Keeps a window the test did not close from outliving the test.
    std::unique_ptr<CExplainWhistDlg> m_pOwned;
};

} // namespace

TEST_F(ExplainWindow, WithoutAStoredRectKeepsTheTemplateSizeAndStaysHidden)
{
    CExplainWhistDlg* pExplain = Open();
    CRect rect;
    pExplain->GetWindowRect(&rect);
    EXPECT_EQ(DialogUnitsToPixelsX(418), rect.Width());
    EXPECT_EQ(DialogUnitsToPixelsY(81), rect.Height());
    EXPECT_FALSE(pExplain->IsWindowVisible());
}

TEST_F(ExplainWindow, StoredRectPlacesTheWindowAndItsListFillsIt)
{
    OpenSettings().WriteRect(RECT_VALUE, CRect(100, 120, 700, 320));
    CExplainWhistDlg* pExplain = Open();
    CRect rect;
    pExplain->GetWindowRect(&rect);
    EXPECT_EQ(CRect(100, 120, 700, 320), rect);

    CRect rectClient;
    pExplain->GetClientRect(&rectClient);
    CRect rectList;
    pExplain->GetDlgItem(IDC_EXPLAIN_LIST)->GetWindowRect(&rectList);
    pExplain->ScreenToClient(&rectList);
    EXPECT_EQ(rectClient, rectList);
}

// Made fit for the (headless 1920 x 1080) screen first; an inverted one keeps the template's.
TEST_F(ExplainWindow, StoredRectLargerThanTheScreenIsCutToItAndAnInvertedOneIgnored)
{
    CRect rectTemplate;
    Open()->GetWindowRect(&rectTemplate);
    for (const CRect& rectStored : {CRect(-50000, -50000, 50000, 50000), CRect(700, 320, 100, 120)}) {
        OpenSettings().WriteRect(RECT_VALUE, rectStored);
        CRect rect;
        Open()->GetWindowRect(&rect);
        EXPECT_EQ(rectStored.IsRectEmpty() ? rectTemplate : CRect(0, 0, 1920, 1080), rect);
    }
}

TEST_F(ExplainWindow, ResizingKeepsTheListFillingTheClientArea)
{
    CExplainWhistDlg* pExplain = Open();
    pExplain->MoveWindow(50, 60, 400, 250, TRUE);
    CRect rectClient;
    pExplain->GetClientRect(&rectClient);
    EXPECT_EQ(400, rectClient.Width());
    CRect rectList;
    pExplain->GetDlgItem(IDC_EXPLAIN_LIST)->GetWindowRect(&rectList);
    pExplain->ScreenToClient(&rectList);
    EXPECT_EQ(rectClient, rectList);
}

TEST_F(ExplainWindow, NewestLineBecomesTheTopLineEvenWhenAllWouldFit)
{
    CExplainWhistDlg* pExplain = Open();
    pExplain->AddLine("1st, lead from top of sequence");
    pExplain->AddLine("2nd, attempt ruff");
    pExplain->AddLine("3rd, follow suit");
    EXPECT_EQ(3, pExplain->GetLineCount());
    EXPECT_EQ(3, plat::ListGetCount(List(pExplain)));
    EXPECT_EQ(2, plat::ListGetTopIndex(List(pExplain)));
    // Lines stay in the order added.
    EXPECT_EQ(CString("1st, lead from top of sequence"), LineText(pExplain, 0));
    EXPECT_EQ(CString("3rd, follow suit"), LineText(pExplain, 2));
}

TEST_F(ExplainWindow, AfterResetTheNextLineIsLineZeroAndOnTop)
{
    CExplainWhistDlg* pExplain = Open();
    pExplain->AddLine("b");
    pExplain->AddLine("a");
    pExplain->ResetLines();
    EXPECT_EQ(0, pExplain->GetLineCount());
    EXPECT_EQ(0, plat::ListGetCount(List(pExplain)));

    pExplain->AddLine("4th, try to win with lowest winner");
    EXPECT_EQ(1, plat::ListGetCount(List(pExplain)));
    EXPECT_EQ(0, plat::ListGetTopIndex(List(pExplain)));
    EXPECT_EQ(CString("4th, try to win with lowest winner"), LineText(pExplain, 0));
}

TEST_F(ExplainWindow, ClosingSavesTheRectAndHandsTheWindowToItsOwner)
{
    CExplainWhistDlg* pExplain = Open();
    pExplain->ShowWindow(SW_SHOW);
    pExplain->MoveWindow(30, 40, 330, 240, TRUE);
    m_pOwned.release();

    pExplain->SendMessage(WM_CLOSE);
    plat::test::RunUntilIdle();

    EXPECT_EQ(1, m_table.m_nClosed);
    EXPECT_EQ(nullptr, m_table.m_pExplain);
    EXPECT_EQ(CRect(30, 40, 360, 280), OpenSettings().ReadRect(RECT_VALUE, CRect()));
}

TEST_F(ExplainWindow, ClosingWithoutAnOwnerOnlyHides)
{
    CExplainWhistDlg explain(nullptr, nullptr);
    ASSERT_TRUE(explain.Create(IDD_EXPLAIN_WHIST, nullptr));
    explain.ShowWindow(SW_SHOW);
    explain.SendMessage(WM_CLOSE);
    EXPECT_FALSE(explain.IsWindowVisible());
    EXPECT_NE(nullptr, explain.GetSafeHwnd());
}

TEST_F(ExplainWindow, EnginesWriteThroughExplain)
{
    CExplainWhistDlg* pExplain = Open();
    CTrickList tricks;
    CTrick trick;
    CCardPile south = Pile("AS KS");
    CProbeEngine engine(SOUTH, NO_TRUMPS, &south, &tricks.m_tricks, &trick, nullptr, pExplain);
    engine.Explain("2nd, discard, let partner play it");
    EXPECT_EQ(1, pExplain->GetLineCount());
    EXPECT_EQ(CString("2nd, discard, let partner play it"), LineText(pExplain, 0));
}
