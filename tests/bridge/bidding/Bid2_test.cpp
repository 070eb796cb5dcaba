// The bidding box run headless: which calls it offers, picks and OK, single-click, Escape,
// the history grid, Hint and the explanations through the message-box record, the same box
// run turn after turn, review-only runs and the stored rectangle.

#include "bridge/bidding/Bid2.h"

#include <gtest/gtest.h>

#include <vector>

#include "bridge/bidding/BidBoxHint.h"
#include "bridge/bidding/BidThresholds.h"
#include "cardtable/RegSettings.h"
#include "platform/res/resources.h"
#include "platform/testing/driver.h"
#include "resources/BidPictures.h"
#include "resources/BiddingTemplate.h"
#include "tests/bridge/bidding/AuctionText.h"

namespace test = plat::test;

namespace {

enum { NORTH, EAST, SOUTH, WEST };

// Hint's answer; it can also move the box while it is up, as a person dragging it would.
class CTestHint : public CBidBoxHint {
public:
    CBid GetHintBid() const override
    {
        ++m_nAsked;
        if (m_pMoveBox != nullptr)
            m_pMoveBox->MoveWindow(&m_rectMoveTo);
        return m_bid;
    }

    CBid m_bid;
    mutable int m_nAsked = 0;
    CWnd* m_pMoveBox = nullptr;
    CRect m_rectMoveTo;
};

class Bid2 : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterBidPictures();
        RegisterBiddingTemplate();
    }

    void SetUp() override
    {
        g_rectBid = g_rectBidInitial;
        CRegSettings("Software", "Orvel", "velm").ClearValue("BidRect");
    }
    void TearDown() override { g_rectBid = g_rectBidInitial; }

    // An auction whose call i carries the explanation "call i".
    CAuction Auction(int nDealer, const char* szCalls) const
    {
        CAuction auction = AuctionFromText(&m_thresholds, nDealer, szCalls);
        for (int i = 0; i < auction.GetSize(); ++i) {
            CString strExplanation;
            strExplanation.Format("call %d", i);
            auction.m_calls[i].SetExplanation(strExplanation);
        }
        return auction;
    }

    // The history cell shows the named picture.
    static bool Shows(const CBitmapButton& cell, const char* szName)
    {
        const CSurface* pExpected = AfxFindBitmap(szName);
        const std::shared_ptr<CSurface>& pShown = cell.m_bitmap.GetSurface();
        if (pExpected == nullptr || pShown == nullptr || pShown->GetSize() != pExpected->GetSize())
            return false;
        const int nPixels = pShown->GetWidth() * pShown->GetHeight();
        return std::equal(pShown->GetPixels(), pShown->GetPixels() + nPixels, pExpected->GetPixels());
    }

    static bool Visible(const CBid2& box, int nCell)
    {
        return box.m_historyCells[nCell].IsWindowVisible() != FALSE;
    }

    static bool Enabled(const CBid2& box, int nCode)
    {
        return box.m_bidButtons[ButtonOf(nCode) - IDC_BID_FIRST].IsWindowEnabled() != FALSE;
    }

    static std::vector<CString> MessageTexts()
    {
        std::vector<CString> texts;
        for (const test::MessageBoxRecord& record : test::GetMessageBoxes())
            texts.push_back(record.strText);
        return texts;
    }

    CBidThresholds m_thresholds;
    CTestHint m_hint;
};

} // namespace

TEST_F(Bid2, OffersOnlyTheLegalCallsOfTheAuction)
{
    CBid2 box(nullptr, &m_hint);
    box.Setup(Auction(NORTH, "1H"), &m_thresholds, FALSE, FALSE);
    ASSERT_TRUE(box.Create(IDD_BIDDING));
    for (int nCode : {BID_NOBID, BID_1S, BID_1NT, BID_2C, BID_7NT, BID_DOUBLE})
        EXPECT_TRUE(Enabled(box, nCode)) << nCode;
    for (int nCode : {BID_1C, BID_1D, BID_1H, BID_REDOUBLE})
        EXPECT_FALSE(Enabled(box, nCode)) << nCode;

    // Dealer North throughout, so the seat to call alternates sides with the number of calls.
    const struct {
        const char* szAuction;
        int nCode;
        bool bLegal;
    } cases[] = {
        {"", BID_NOBID, true},        {"", BID_1C, true},           {"", BID_DOUBLE, false},
        {"", BID_REDOUBLE, false},    {"1H P", BID_DOUBLE, false},  {"1H X", BID_REDOUBLE, true},
        {"1H X", BID_DOUBLE, false},  {"1H X P", BID_REDOUBLE, false}, {"1H X XX P", BID_DOUBLE, false},
        {"1H X XX P", BID_REDOUBLE, false}, {"1H X P P 2C", BID_DOUBLE, true},
        {"1H X P P 2C", BID_REDOUBLE, false}, {"1H X P P 2C", BID_2C, false}, {"1H X P P 2C", BID_2D, true},
    };
    for (const auto& c : cases) {
        box.Setup(Auction(NORTH, c.szAuction), &m_thresholds, FALSE, FALSE);
        EXPECT_EQ(c.bLegal, box.IsLegalCall(CBid(nullptr, c.nCode, "")) != FALSE)
            << "'" << c.szAuction << "' then " << c.nCode;
    }
}

TEST_F(Bid2, PickThenOkReturnsTheLastPickWithTheThresholds)
{
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(ButtonOf(BID_2C)), test::ClickStep(ButtonOf(BID_3NT)),
                                         test::ClickStep(IDC_BID_OK)});
    CBid2 box(nullptr, &m_hint);
    box.Setup(Auction(NORTH, "1H P"), &m_thresholds, FALSE, FALSE);
    EXPECT_EQ(IDOK, box.DoModal());
    EXPECT_EQ(BID_3NT, box.GetChosenBid().GetCode());
    EXPECT_EQ(&m_thresholds, box.GetChosenBid().GetThresholds());
    EXPECT_TRUE(box.GetChosenBid().GetExplanation().IsEmpty());
    // Dealer North starts in the North column: 1H in cell 1, pass in 2, the pick in 3.
    EXPECT_TRUE(Shows(box.m_historyCells[3], "3NTU"));
    EXPECT_TRUE(test::GetMessageBoxes().empty());
}

TEST_F(Bid2, IllegalPicksAreIgnoredAndOkWithoutAPickAsksForOne)
{
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(ButtonOf(BID_1H)), test::ClickStep(ButtonOf(BID_REDOUBLE)),
                                         test::ClickStep(IDC_BID_OK), test::ClickStep(ButtonOf(BID_NOBID)),
                                         test::ClickStep(IDC_BID_OK)});
    CBid2 box(nullptr, &m_hint);
    box.Setup(Auction(SOUTH, "P 1S"), &m_thresholds, FALSE, FALSE);
    EXPECT_EQ(IDOK, box.DoModal());
    EXPECT_EQ(BID_NOBID, box.GetChosenBid().GetCode());
    ASSERT_EQ(1u, test::GetMessageBoxes().size());
    EXPECT_EQ("Select a bid first", test::GetMessageBoxes()[0].strText);
    EXPECT_EQ("bridge_bidding_tests", test::GetMessageBoxes()[0].strCaption) << "the application's name";
}

TEST_F(Bid2, SingleClickEndsTheRunWithTheFirstLegalPick)
{
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(ButtonOf(BID_1D)), test::ClickStep(ButtonOf(BID_4H))});
    CBid2 box(nullptr, &m_hint);
    box.Setup(Auction(EAST, "1S"), &m_thresholds, FALSE, TRUE);
    EXPECT_EQ(IDOK, box.DoModal());
    EXPECT_EQ(BID_4H, box.GetChosenBid().GetCode());
    EXPECT_EQ(0u, test::GetPendingScriptCount());
}

TEST_F(Bid2, EscapeCancelsAndOnlyOkStoresTheBoxRectangle)
{
    const CRect rectMoved(40, 50, 499, 315);
    CBid2 box(nullptr, &m_hint);
    m_hint.m_pMoveBox = &box;
    m_hint.m_rectMoveTo = rectMoved;

    test::ScriptNextDialog(IDD_BIDDING, {test::KeyStep(VK_RETURN), test::ClickStep(ButtonOf(BID_1C)),
                                         test::ClickStep(IDC_PLAY), test::KeyStep(VK_ESCAPE)});
    box.Setup(Auction(SOUTH, ""), &m_thresholds, FALSE, FALSE);
    EXPECT_EQ(IDCANCEL, box.DoModal());
    EXPECT_EQ(g_rectBidInitial, g_rectBid) << "Escape keeps the old place";
    ASSERT_EQ(2u, test::GetMessageBoxes().size());
    EXPECT_EQ("Select a bid first", test::GetMessageBoxes()[0].strText) << "Enter presses OK";

    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(IDC_PLAY), test::ClickStep(ButtonOf(BID_1C)),
                                         test::KeyStep(VK_RETURN)});
    EXPECT_EQ(IDOK, box.DoModal()) << "Enter after a pick confirms it";
    EXPECT_EQ(rectMoved, g_rectBid);
    EXPECT_EQ(BID_1C, box.GetChosenBid().GetCode());
}

TEST_F(Bid2, HistoryGridShowsTheAuctionFromTheDealersColumn)
{
    CBid2 box(nullptr, &m_hint);
    // Dealer South: three empty cells, then S 1C, W pass, N 1H, E double, S redouble.
    box.Setup(Auction(SOUTH, "1C P 1H X XX"), &m_thresholds, FALSE, FALSE);
    ASSERT_TRUE(box.Create(IDD_BIDDING));
    box.ShowWindow(SW_SHOW);
    EXPECT_EQ(3, box.m_nFirstCell);
    EXPECT_EQ(8, box.m_nCurrentCell);
    const char* const szShown[] = {"DASHU", "DASHU", "DASHU", "1CU", "NBU", "1HU", "DOUBLEU", "REDOUBLEU", "DASHU"};
    for (int nCell = 0; nCell <= 8; ++nCell) {
        EXPECT_TRUE(Visible(box, nCell)) << nCell;
        EXPECT_TRUE(Shows(box.m_historyCells[nCell], szShown[nCell])) << nCell;
    }
    for (int nCell = 9; nCell < HISTORY_CELL_COUNT; ++nCell)
        EXPECT_FALSE(Visible(box, nCell)) << nCell;
    box.DestroyWindow();

    box.Setup(Auction(WEST, "1NT"), &m_thresholds, FALSE, FALSE);
    ASSERT_TRUE(box.Create(IDD_BIDDING));
    box.ShowWindow(SW_SHOW);
    EXPECT_TRUE(Shows(box.m_historyCells[0], "1NTU")) << "dealer West calls in the first cell";
    EXPECT_TRUE(Visible(box, 1));
    EXPECT_FALSE(Visible(box, 2));
    box.DestroyWindow();

    box.Setup(Auction(NORTH, ""), &m_thresholds, FALSE, FALSE);
    ASSERT_TRUE(box.Create(IDD_BIDDING));
    box.ShowWindow(SW_SHOW);
    EXPECT_TRUE(Visible(box, 0)) << "West's empty cell before dealer North";
    EXPECT_TRUE(Visible(box, 1)) << "the cell of the call being chosen";
    EXPECT_FALSE(Visible(box, 2));
}

TEST_F(Bid2, HintShowsTheBiddersCallAndItsExplanationWithoutPickingIt)
{
    m_hint.m_bid = CBid(&m_thresholds, BID_2H, "5+ hearts, 6-9 points");
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(IDC_PLAY), test::ClickStep(IDC_BID_OK),
                                         test::KeyStep(VK_ESCAPE)});
    CBid2 box(nullptr, &m_hint);
    box.Setup(Auction(NORTH, "1H P"), &m_thresholds, FALSE, FALSE);
    EXPECT_EQ(IDCANCEL, box.DoModal());
    EXPECT_EQ(1, m_hint.m_nAsked);
    ASSERT_EQ(2u, test::GetMessageBoxes().size());
    EXPECT_EQ("Two hearts => 5+ hearts, 6-9 points", test::GetMessageBoxes()[0].strText);
    EXPECT_EQ("Bidding Hint", test::GetMessageBoxes()[0].strCaption);
    EXPECT_EQ("Select a bid first", test::GetMessageBoxes()[1].strText) << "the hint picked nothing";

    m_hint.m_bid = CBid(&m_thresholds, BID_NOBID, "");
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(IDC_PLAY), test::KeyStep(VK_ESCAPE)});
    box.DoModal();
    EXPECT_EQ("No bid", test::GetMessageBoxes().back().strText) << "no explanation, no arrow";

    CBid2 alone(nullptr, nullptr);
    alone.Setup(Auction(NORTH, ""), &m_thresholds, FALSE, FALSE);
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(IDC_PLAY), test::KeyStep(VK_ESCAPE)});
    const size_t nBefore = test::GetMessageBoxes().size();
    EXPECT_EQ(IDCANCEL, alone.DoModal());
    EXPECT_EQ(nBefore, test::GetMessageBoxes().size()) << "no game dialog, no hint";
}

TEST_F(Bid2, HistoryCellsShowTheirCallsExplanationAndEmptyCellsNothing)
{
    // Dealer East: cells 0 and 1 are empty, E 1D in 2, S pass in 3, W 1S in 4, current cell 5.
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(IDC_HISTORY_FIRST + 4), test::ClickStep(IDC_HISTORY_FIRST),
                                         test::ClickStep(IDC_HISTORY_FIRST + 5), test::ClickStep(IDC_HISTORY_FIRST + 2),
                                         test::KeyStep(VK_ESCAPE)});
    CBid2 box(nullptr, &m_hint);
    box.Setup(Auction(EAST, "1D P 1S"), &m_thresholds, FALSE, FALSE);
    box.DoModal();
    EXPECT_EQ((std::vector<CString>{"call 2", "call 0"}), MessageTexts());
    EXPECT_EQ("Bid Explanation", test::GetMessageBoxes()[0].strCaption);
}

TEST_F(Bid2, TheSameBoxRunsEveryTurnFromTheAuctionItWasLastGiven)
{
    CBid2 box(nullptr, &m_hint);
    CAuction auction = Auction(SOUTH, "");
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(ButtonOf(BID_1NT)), test::ClickStep(IDC_BID_OK)});
    box.Setup(auction, &m_thresholds, FALSE, FALSE);
    ASSERT_EQ(IDOK, box.DoModal());
    auction.m_calls.push_back(box.GetChosenBid());
    for (const char* szCall : {"2C", "P", "X"})
        auction.m_calls.push_back(CBid(&m_thresholds, CallCodeFromText(szCall), ""));

    // The next turn starts with nothing picked, offers what the new auction allows and
    // shows the calls made since.
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(IDC_BID_OK), test::ClickStep(ButtonOf(BID_2D)),
                                         test::ClickStep(ButtonOf(BID_REDOUBLE)), test::ClickStep(IDC_BID_OK)});
    box.Setup(auction, &m_thresholds, FALSE, FALSE);
    ASSERT_EQ(IDOK, box.DoModal());
    EXPECT_EQ(BID_REDOUBLE, box.GetChosenBid().GetCode());
    EXPECT_EQ((std::vector<CString>{"Select a bid first"}), MessageTexts());
    EXPECT_TRUE(Shows(box.m_historyCells[3], "1NTU"));
    EXPECT_TRUE(Shows(box.m_historyCells[4], "2CU"));
    EXPECT_TRUE(Shows(box.m_historyCells[6], "DOUBLEU"));
    EXPECT_TRUE(Shows(box.m_historyCells[7], "REDOUBLEU")) << "the second pick replaced the first";
}

TEST_F(Bid2, ReviewOnlyClosesOnAnyButtonInSingleClickAndOnOkOtherwise)
{
    CBid2 box(nullptr, nullptr);
    box.Setup(Auction(NORTH, "1H P 4H P P P"), &m_thresholds, TRUE, TRUE);
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(ButtonOf(BID_1C))});
    EXPECT_EQ(IDOK, box.DoModal()) << "even a call below the contract closes it";
    EXPECT_EQ(BID_NOBID, box.GetChosenBid().GetCode());

    box.Setup(Auction(NORTH, "1H P 4H P P P"), &m_thresholds, TRUE, FALSE);
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(ButtonOf(BID_7NT)), test::ClickStep(IDC_BID_OK)});
    EXPECT_EQ(IDOK, box.DoModal());
    EXPECT_EQ(BID_NOBID, box.GetChosenBid().GetCode()) << "the button picked nothing";
    EXPECT_TRUE(test::GetMessageBoxes().empty());
    EXPECT_EQ(0u, test::GetPendingScriptCount());
}

TEST_F(Bid2, LongAuctionScrollsTheGridByRowsAndNeverLeavesIt)
{
    // Dealer South, then 25 bids one step apart: the call being chosen is grid position 28,
    // one row below the grid, so the grid scrolls one row up.
    std::string strCalls;
    for (int nCode = BID_1C; nCode <= BID_5NT; ++nCode)
        strCalls += std::string(GetBidPictureCaption(nCode + BID_PICTURE_OFFSET)) + " ";
    CBid2 box(nullptr, &m_hint);
    box.Setup(Auction(SOUTH, strCalls.c_str()), &m_thresholds, FALSE, FALSE);
    ASSERT_TRUE(box.Create(IDD_BIDDING));
    box.ShowWindow(SW_SHOW);
    EXPECT_EQ(28, box.m_nCurrentCell);
    EXPECT_EQ(1, box.m_nTopRow);
    EXPECT_TRUE(Shows(box.m_historyCells[0], "1DU")) << "position 4 holds the second call";
    EXPECT_TRUE(Shows(box.m_historyCells[23], "5NTU"));
    EXPECT_TRUE(Visible(box, 24));
    EXPECT_FALSE(Visible(box, 25));

    test::ClickControl(&box, IDC_HISTORY_FIRST);
    test::RunUntilIdle();
    test::ClickControl(&box, ButtonOf(BID_6S));
    test::RunUntilIdle();
    EXPECT_EQ((std::vector<CString>{"call 1"}), MessageTexts());
    EXPECT_TRUE(Shows(box.m_historyCells[24], "6SU"));
}

TEST_F(Bid2, BoxStandsAtTheStoredRectangleWhichSurvivesARestart)
{
    SaveBidRect();
    EXPECT_EQ("288,212,747,477", CRegSettings("Software", "Orvel", "velm").ReadString("BidRect", ""));
    g_rectBid = CRect(10, 20, 469, 285);
    LoadBidRect();
    EXPECT_EQ(g_rectBidInitial, g_rectBid);

    g_rectBid = CRect(10, 20, 469, 285);
    SaveBidRect();
    g_rectBid = g_rectBidInitial;
    LoadBidRect();
    EXPECT_EQ(CRect(10, 20, 469, 285), g_rectBid);

    CRegSettings("Software", "Orvel", "velm").ClearValue("BidRect");
    LoadBidRect();
    EXPECT_EQ(CRect(10, 20, 469, 285), g_rectBid) << "an empty value changes nothing";

    CBid2 box(nullptr, &m_hint);
    box.Setup(Auction(NORTH, ""), &m_thresholds, FALSE, FALSE);
    ASSERT_TRUE(box.Create(IDD_BIDDING));
    box.ShowWindow(SW_SHOW);
    CRect rectBox;
    box.GetWindowRect(&rectBox);
    EXPECT_EQ(g_rectBid, rectBox);

    // A place larger than the (headless 1920 x 1080) screen is cut to it; an inverted one
    // gives the box's first place.
    for (const CRect& rectStored : {CRect(0, 0, 100000, 100000), CRect(469, 285, 10, 20)}) {
        g_rectBid = rectStored;
        box.ShowWindow(SW_HIDE);
        box.ShowWindow(SW_SHOW);
        box.GetWindowRect(&rectBox);
        EXPECT_EQ(rectStored.IsRectEmpty() ? g_rectBidInitial : CRect(0, 0, 1920, 1080), rectBox);
    }
}

TEST_F(Bid2, ScreenshotMidAuction)
{
    CBid2 box(nullptr, &m_hint);
    box.Setup(Auction(NORTH, "1H 2C"), &m_thresholds, FALSE, FALSE);
    ASSERT_TRUE(box.Create(IDD_BIDDING));
    box.ShowWindow(SW_SHOW);
    test::ClickControl(&box, ButtonOf(BID_2S));
    test::RunUntilIdle();
    EXPECT_TRUE(Shows(box.m_historyCells[3], "2SU"));
    EXPECT_TRUE(test::SaveWindowPng(&box, test::BuildFolderPath("bidding-box.png")));
}
