#include "tests/bridge/table/BidWhistTestSupport.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "app/GameFactory.h"
#include "bridge/bidding/Bid2.h"
#include "bridge/play/PlayConstants.h"
#include "platform/reg/registry.h"
#include "platform/testing/driver.h"
#include "resources/BiddingTemplate.h"
#include "resources/Resources.h"
#include "resources/resource.h"
#include "tests/bridge/bidding/AuctionText.h"

namespace auctiontest {

namespace {

namespace test = plat::test;

CGameDlg* MakeBridge(CMainDlg* pMainDlg)
{
    return new CTestBidWhistDlg(pMainDlg, pMainDlg);
}

// Deals that keep the computer at every seat and show no box.
constexpr int KEEP_AUTOMATIC = 2;

// The button of a call in the bidding box.
UINT ButtonOf(int nCode)
{
    switch (nCode) {
    case BID_NOBID:
        return IDC_BID_NOBID;
    case BID_DOUBLE:
        return IDC_BID_DOUBLE;
    case BID_REDOUBLE:
        return IDC_BID_REDOUBLE;
    default:
        return IDC_BID_FIRST + nCode - 1;
    }
}

} // namespace

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

void BidWhistTest::SetUpTestSuite()
{
    RegisterAllResources();
}

void BidWhistTest::SetUp()
{
    std::remove(plat::RegistryFilePath().c_str());
    g_rectBid = g_rectBidInitial;
    CGameFactory::Register(ID_FILE_PLAYBRIDGE, IDD_GAME_TABLE, MakeBridge);
    m_strOldFolder = std::filesystem::current_path().string();
    char szTemplate[] = "/tmp/orvel-bridge-XXXXXX";
    ASSERT_NE(mkdtemp(szTemplate), nullptr);
    m_strFolder = szTemplate;
    std::filesystem::current_path(m_strFolder);
}

void BidWhistTest::TearDown()
{
    CloseLauncher();
    CGameFactory::Unregister(ID_FILE_PLAYBRIDGE);
    g_rectBid = g_rectBidInitial;
    std::filesystem::current_path(m_strOldFolder);
    std::filesystem::remove_all(m_strFolder);
}

void BidWhistTest::CloseLauncher()
{
    m_pMainDlg.reset();
    m_pTable = nullptr;
}

CTestBidWhistDlg* BidWhistTest::OpenBridge(int nGameNumber)
{
    g_bSeeded = true;
    CCardPile::SetGameNumber(nGameNumber);
    m_pMainDlg = std::make_unique<CMainDlg>();
    if (!m_pMainDlg->Create(IDD_MAIN))
        return nullptr;
    m_pMainDlg->ShowWindow(SW_SHOW);
    m_pMainDlg->SendMessage(WM_COMMAND, ID_FILE_PLAYBRIDGE);
    m_pTable = static_cast<CTestBidWhistDlg*>(m_pMainDlg->GetGameDlg(0));
    test::RunUntilIdle();
    return m_pTable;
}

bool BidWhistTest::Command(UINT nID)
{
    if (!test::ChooseMenuCommand(m_pTable, nID))
        return false;
    test::RunUntilIdle();
    return true;
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

void BidWhistTest::BidAndPlayByComputer()
{
    m_pTable->m_nAutoDeals = KEEP_AUTOMATIC;
    m_pTable->m_bManual[SOUTH] = false;
    m_pTable->OnPlay();
    m_pTable->m_nAutoDeals = 0;
    test::RunUntilIdle();
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

std::string BidWhistTest::FolderFile(const char* szName) const
{
    return m_strFolder + "/" + szName;
}

} // namespace auctiontest
