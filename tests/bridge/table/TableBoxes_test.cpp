// The windows and boxes the bridge tables open beyond their own: the About box of the Help
// menu, which the launcher shows.

#include "platform/testing/driver.h"
#include "resources/resource.h"
#include "tests/bridge/table/BidWhistTestSupport.h"
#include "tests/bridge/table/TableTestSupport.h"

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

} // namespace tabletest

namespace auctiontest {

TEST_F(BidWhistTest, HelpAboutShowsTheAboutBox)
{
    ASSERT_NE(OpenTable(46), nullptr);
    EXPECT_TRUE(AboutShown(m_pTable));
}

} // namespace auctiontest
