#include "tests/bridge/table/BidWhistTestSupport.h"

#include <sstream>

#include "bridge/bidding/Bid2.h"
#include "bridge/play/PlayConstants.h"
#include "platform/testing/driver.h"
#include "resources/BiddingTemplate.h"
#include "resources/resource.h"
#include "tests/bridge/bidding/AuctionText.h"

namespace auctiontest {

namespace test = plat::test;

CBid CTestBidWhistDlg::GetHintBid() const
{
    m_nHintState = m_nState;
    if (!m_strHintPicture.empty())
        test::SaveWindowPng(const_cast<CTestBidWhistDlg*>(this), m_strHintPicture.c_str());
    // The box has the focus (on its Hint button); the picture is of its whole window.
    CWnd* pFocus = CWnd::GetFocus();
    if (!m_strHintBoxPicture.empty() && pFocus != nullptr)
        test::SaveWindowPng(pFocus, m_strHintBoxPicture.c_str());
    if (m_bCloseOnHint)
        const_cast<CTestBidWhistDlg*>(this)->PostMessage(WM_CLOSE);
    return CBidWhistDlg::GetHintBid();
}

void BidWhistTest::SetUp()
{
    g_rectBid = g_rectBidInitial;
    BridgeTableTest::SetUp();
}

void BidWhistTest::TearDown()
{
    BridgeTableTest::TearDown();
    g_rectBid = g_rectBidInitial;
}

void BidWhistTest::ScriptCall(int nCode)
{
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(ButtonOf(nCode)), test::ClickStep(IDC_BID_OK)});
}

void BidWhistTest::ScriptEscape()
{
    test::ScriptNextDialog(IDD_BIDDING, {test::KeyStep(VK_ESCAPE)});
}

std::vector<int> BidWhistTest::CallCodes(const char* szCalls)
{
    std::vector<int> codes;
    std::istringstream stream(szCalls);
    std::string strCall;
    while (stream >> strCall)
        codes.push_back(CallCodeFromText(strCall));
    return codes;
}

void BidWhistTest::ScriptCalls(const char* szCalls)
{
    for (int nCode : CallCodes(szCalls))
        ScriptCall(nCode);
}

std::vector<int> BidWhistTest::AuctionCodes() const
{
    std::vector<int> codes;
    for (const CBid& bid : m_pTable->m_auction.m_calls)
        codes.push_back(bid.GetCode());
    return codes;
}

bool BidWhistTest::AnyOrderRaised() const
{
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        for (const CCard& card : m_pTable->Hand(nSeat).m_cards) {
            if (card.GetOrder() > ORDER_ACE)
                return true;
        }
    }
    return false;
}

} // namespace auctiontest
