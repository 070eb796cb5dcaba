// The windows and boxes the bridge tables open beyond their own: the About box of the Help
// menu, which the launcher shows, and the explanation window's first place.

#include "bridge/play/ExplainWhistDlg.h"
#include "platform/testing/driver.h"
#include "resources/resource.h"
#include "tests/bridge/table/BidWhistTestSupport.h"
#include "tests/bridge/table/TableTestSupport.h"
#include "tests/support/CModelledWindowManager.h"

namespace {

namespace test = plat::test;

// Chooses Help › About on pTable; whether the About box opened (it is closed with OK).
bool AboutShown(CWnd* pTable)
{
    test::ScriptNextDialog(IDD_ABOUTBOX, {test::ClickStep(IDOK)});
    EXPECT_TRUE(test::ChooseMenuCommand(pTable, ID_HELP_ABOUT));
    test::RunUntilIdle();
    return test::GetPendingScriptCount() == 0;
}

} // namespace

namespace tabletest {

TEST_F(TableTest, HelpAboutShowsTheAboutBox)
{
    ASSERT_NE(OpenTable(46), nullptr);
    EXPECT_TRUE(AboutShown(m_pTable));
}

TEST_F(TableTest, ExplanationWindowFirstOpensInsideTheTableBelowItsMenuWhereverTheTableWent)
{
    CModelledWindowManager manager;
    ASSERT_NE(OpenTable(46), nullptr);
    m_pTable->MoveWindow(300, 250, 700, 500);
    ASSERT_TRUE(Command(ID_TRAINER_SHOWEXPLANATION));
    CRect rectExplain;
    m_pTable->m_pExplain->GetWindowRect(&rectExplain);
    CPoint ptClient(0, 0);
    m_pTable->ClientToScreen(&ptClient);
    const CRect rectFrame = CModelledWindowManager::Frame();
    EXPECT_EQ(rectExplain.TopLeft(), CPoint(ptClient.x + rectFrame.left, ptClient.y + rectFrame.top))
        << "the frame's corner at the template's place, (0, 0) of the table's client area";
}

} // namespace tabletest

namespace auctiontest {

TEST_F(BidWhistTest, HelpAboutShowsTheAboutBox)
{
    ASSERT_NE(OpenTable(46), nullptr);
    EXPECT_TRUE(AboutShown(m_pTable));
}

} // namespace auctiontest
