// The bridge dialog with the auction, run headless: the deal without a contract, the
// auction through scripted bidding boxes and the computer bidder, the contract, declarer and
// opening leader, passed-out deals, the review box, loads that lower the trumps, the
// settings it keeps, and whole deals bid and played by the computer.

#include <algorithm>
#include <filesystem>

#include "bridge/bidding/Bid2.h"
#include "bridge/play/PlayConstants.h"
#include "bridge/table/HandStats.h"
#include "cardtable/RegSettings.h"
#include "platform/testing/driver.h"
#include "platform/wnd/ModalHooks.h"
#include "platform/wnd/WindowTree.h"
#include "resources/resource.h"
#include "tests/bridge/table/BidWhistTestSupport.h"
#include "tests/support/CModelledWindowManager.h"

namespace auctiontest {

namespace {

namespace test = plat::test;

constexpr UINT IDD_CONVENTIONS = 265;

// The contract and declarer of a finished auction, worked out here from the calls: the
// last bid, and the first seat of its side to name its strain.
struct Outcome {
    int nCode = BID_NOBID;
    int nDeclarer = -1;
};

Outcome ReadOutcome(const CAuction& auction)
{
    Outcome outcome;
    int nBidder = -1;
    for (int i = 0; i < auction.GetSize(); i++) {
        const int nCode = auction.m_calls[i].GetCode();
        if (nCode > BID_NOBID) {
            outcome.nCode = nCode;
            nBidder = auction.GetSeatOfCall(i);
        }
    }
    if (nBidder < 0)
        return outcome;
    const int nStrain = (outcome.nCode - 1) % 5;
    for (int i = 0; i < auction.GetSize(); i++) {
        const int nCode = auction.m_calls[i].GetCode();
        const int nSeat = auction.GetSeatOfCall(i);
        if (nCode > BID_NOBID && (nCode - 1) % 5 == nStrain && (nSeat & 1) == (nBidder & 1)) {
            outcome.nDeclarer = nSeat;
            break;
        }
    }
    return outcome;
}

int CountBoxes(const char* szCaption)
{
    const auto& boxes = test::GetMessageBoxes();
    return static_cast<int>(std::count_if(boxes.begin(), boxes.end(), [&](const auto& box) {
        return box.strCaption == szCaption;
    }));
}

// What the first modal box to go idle belonged to, and whether the table was enabled then.
plat::ModalIdleHook s_pfnDriverHook = nullptr;
CWnd* s_pTableSeen = nullptr;
HWND s_hBoxOwner = nullptr;
bool s_bTableEnabled = true;

void SeeBoxOwnerHook(HWND hDialog)
{
    if (s_pTableSeen != nullptr) {
        s_hBoxOwner = plat::GetKeptAboveOwner(hDialog);
        s_bTableEnabled = s_pTableSeen->IsWindowEnabled() != FALSE;
        s_pTableSeen = nullptr;
    }
    s_pfnDriverHook(hDialog);
}

} // namespace

TEST_F(BidWhistTest, OpensAsBridgeWithADealWaitingForItsAuction)
{
    ASSERT_NE(OpenTable(4321), nullptr);
    CString strTitle;
    m_pTable->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, "Bridge");
    EXPECT_EQ(m_pTable->GetGameName(), "Bridge");
    EXPECT_EQ(m_pTable->m_nDealer, NORTH);
    EXPECT_EQ(m_pTable->m_nLeader, NORTH);
    EXPECT_EQ(m_pTable->m_nContractLevel, -1);
    EXPECT_EQ(m_pTable->m_nTrumps, NO_TRUMPS);
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_TRUE(m_pTable->m_btnPlay.IsWindowVisible());
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        EXPECT_EQ(m_pTable->Hand(nSeat).GetCount(), CARDS_PER_HAND);
    EXPECT_FALSE(AnyOrderRaised());
    EXPECT_EQ(m_pTable->GetLastScore(), nullptr);

    // Conventions is enabled here (greyed at the plain table) and opens its box; Help, About
    // goes on to the launcher, which shows the About box.
    test::ScriptNextDialog(IDD_CONVENTIONS, {test::KeyStep(VK_ESCAPE)});
    test::ScriptNextDialog(IDD_ABOUTBOX, {test::ClickStep(IDOK)});
    EXPECT_TRUE(Command(ID_OPTIONS_CONVENTIONS));
    EXPECT_TRUE(Command(ID_HELP_ABOUT));
    EXPECT_EQ(test::GetPendingScriptCount(), 0u);
}

TEST_F(BidWhistTest, AuctionGivesContractDeclarerAndOpeningLeader)
{
    ASSERT_NE(OpenTable(4321), nullptr);
    // Every seat calls through the box: North 1H, East pass, South 4H, then three passes.
    Command(ID_TRAINER_MANUALBIDDING);
    ScriptCall(BID_1H);
    ScriptEscape();
    ScriptCall(BID_4H);
    ScriptCalls("P P P");
    // East made the last call, so the whole auction is shown once more.
    ScriptEscape();
    m_pTable->OnPlay();
    test::RunUntilIdle();

    EXPECT_EQ(test::GetPendingScriptCount(), 0u);
    EXPECT_EQ(AuctionCodes(), CallCodes("1H P 4H P P P"));
    EXPECT_EQ(m_pTable->m_auction.GetDealer(), NORTH);
    EXPECT_EQ(m_pTable->m_nState, STATE_PLAYING);
    EXPECT_EQ(m_pTable->m_nContractLevel, 3);
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_HEARTS);
    EXPECT_EQ(m_pTable->m_nDeclaringSide, 0);
    // North named hearts first: North declares and East leads.
    EXPECT_EQ(m_pTable->m_nLeader, EAST);
    EXPECT_EQ(m_pTable->m_trick.GetLeader(), EAST);
    EXPECT_FALSE(m_pTable->m_btnPlay.IsWindowVisible());
    // Hearts are trumps now, and only hearts are raised.
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        for (const CCard& card : m_pTable->Hand(nSeat).m_cards)
            EXPECT_EQ(card.GetOrder() > ORDER_ACE, card.GetSuit() == SUIT_HEARTS);
    }
    // East led; South, the dummy, is the person's to play for North.
    EXPECT_EQ(m_pTable->m_trick.GetCount(), 1);
    EXPECT_EQ(m_pTable->m_nToPlay, SOUTH);
    // Play does not run a second auction.
    m_pTable->OnPlay();
    EXPECT_EQ(m_pTable->m_auction.GetSize(), 6);
    // An Open Hand given up leaves the deal in play with its trumps raised.
    test::QueueFileDialogCancel();
    ASSERT_TRUE(Command(ID_FILE_OPENHAND));
    EXPECT_EQ(m_pTable->m_nState, STATE_PLAYING);
    EXPECT_TRUE(AnyOrderRaised());
}

TEST_F(BidWhistTest, ReviewBoxFollowsOnlyWhenSouthDidNotCallLast)
{
    ASSERT_NE(OpenTable(77), nullptr);
    Command(ID_TRAINER_MANUALBIDDING);
    // North deals; West's one club and three passes end with South's pass.
    ScriptCalls("P P P 1C P P P");
    ScriptEscape();
    m_pTable->OnPlay();
    test::RunUntilIdle();
    EXPECT_EQ(AuctionCodes(), CallCodes("P P P 1C P P P"));
    EXPECT_EQ(test::GetPendingScriptCount(), 1u) << "no review box after South's last call";
    // West declares clubs; North leads.
    EXPECT_EQ(m_pTable->m_nDeclaringSide, 1);
    EXPECT_EQ(m_pTable->m_nLeader, NORTH);
    EXPECT_EQ(m_pTable->m_nContractLevel, 0);
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_CLUBS);
}

TEST_F(BidWhistTest, ManualBiddingAsksForEveryCallAndShowBiddingReviewsThem)
{
    ASSERT_NE(OpenTable(77), nullptr);
    Command(ID_TRAINER_MANUALBIDDING);
    // South's pass ends the auction: no review box follows.
    ScriptCalls("1NT X XX 2C P P P");
    m_pTable->OnPlay();
    test::RunUntilIdle();
    EXPECT_EQ(test::GetPendingScriptCount(), 0u);
    EXPECT_EQ(AuctionCodes(), CallCodes("1NT X XX 2C P P P"));
    // West bid two clubs over the redoubled no trump: East/West declare, West first.
    EXPECT_EQ(m_pTable->m_nDeclaringSide, 1);
    EXPECT_EQ(m_pTable->m_nLeader, NORTH);
    EXPECT_EQ(m_pTable->m_nContractLevel, 1);

    test::ScriptNextDialog(IDD_BIDDING, {test::KeyStep(VK_ESCAPE)});
    EXPECT_TRUE(Command(ID_FUNCTIONS_SHOWBIDDING));
    EXPECT_EQ(test::GetPendingScriptCount(), 0u);
    EXPECT_EQ(m_pTable->m_auction.GetSize(), 7);
}

TEST_F(BidWhistTest, PassedOutDealIsRecordedAndTheNextDealer)
{
    ASSERT_NE(OpenTable(501), nullptr);
    const std::vector<CCard> northBefore = m_pTable->Hand(NORTH).m_cards;
    Command(ID_TRAINER_MANUALBIDDING);
    // Escape counts as a pass: four of them throw the deal in.
    for (int i = 0; i < SEAT_COUNT; i++)
        ScriptEscape();
    ScriptEscape();
    m_pTable->OnPlay();
    test::RunUntilIdle();

    EXPECT_EQ(test::GetPendingScriptCount(), 0u) << "the four calls and the review";
    EXPECT_EQ(AuctionCodes(), CallCodes("P P P P"));
    ASSERT_EQ(m_pTable->m_stats.size(), 1u);
    EXPECT_EQ(m_pTable->m_stats[0].m_nKind, STATS_KIND_PASSED_OUT);
    EXPECT_EQ(m_pTable->m_stats[0].m_nDealer, NORTH);
    // A new deal by East waits for its auction; no score, no score box.
    EXPECT_EQ(m_pTable->m_nDealer, EAST);
    EXPECT_EQ(m_pTable->m_nLeader, EAST);
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_nContractLevel, -1);
    EXPECT_NE(m_pTable->Hand(NORTH).m_cards, northBefore);
    EXPECT_EQ(CountBoxes("Score"), 0);
    EXPECT_EQ(m_pTable->GetLastScore(), nullptr);
    EXPECT_EQ(m_pTable->m_nAbove[0] + m_pTable->m_nAbove[1], 0);
}

TEST_F(BidWhistTest, ComputerSeatsCallThroughTheBidder)
{
    ASSERT_NE(OpenTable(1234), nullptr);
    // South passes whenever asked; the review box, if any, is closed too.
    for (int i = 0; i < 12; i++)
        ScriptEscape();
    m_pTable->OnPlay();
    test::RunUntilIdle();

    const CAuction full = m_pTable->m_auction;
    ASSERT_TRUE(full.IsFinished());
    // Each computer call is the bidder's call for the auction as it stood.
    for (int i = 0; i < full.GetSize(); i++) {
        const int nSeat = full.GetSeatOfCall(i);
        if (nSeat == SOUTH) {
            EXPECT_EQ(full.m_calls[i].GetCode(), BID_NOBID) << "call " << i;
            continue;
        }
        m_pTable->m_auction.m_calls.assign(full.m_calls.begin(), full.m_calls.begin() + i);
        const CBid expected = m_pTable->ChooseBid();
        EXPECT_EQ(full.m_calls[i].GetCode(), expected.GetCode()) << "call " << i;
        EXPECT_EQ(full.m_calls[i].GetExplanation(), expected.GetExplanation()) << "call " << i;
        EXPECT_EQ(full.m_calls[i].GetThresholds(), m_pTable->m_pThresholds.get());
    }
    m_pTable->m_auction = full;

    const Outcome outcome = ReadOutcome(full);
    ASSERT_NE(outcome.nCode, BID_NOBID) << "pick a game number whose deal is bid";
    EXPECT_EQ(m_pTable->m_nContractLevel, (outcome.nCode - 1) / 5);
    EXPECT_EQ(m_pTable->m_nTrumps, (outcome.nCode - 1) % 5);
    EXPECT_EQ(m_pTable->m_nDeclaringSide, outcome.nDeclarer & 1);
    EXPECT_EQ(m_pTable->m_nLeader, (outcome.nDeclarer + 1) % 4);
}

TEST_F(BidWhistTest, HintSeesTheTableWhileTheAuctionRuns)
{
    ASSERT_NE(OpenTable(1234), nullptr);
    m_pTable->m_strHintPicture = static_cast<LPCTSTR>(test::BuildFolderPath("bridge-auction.png"));
    m_pTable->m_strHintBoxPicture = static_cast<LPCTSTR>(test::BuildFolderPath("bridge-auction-box.png"));
    std::filesystem::remove(m_pTable->m_strHintPicture);
    std::filesystem::remove(m_pTable->m_strHintBoxPicture);
    // South's first box asks for a hint, then passes; later boxes pass at once.
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(IDC_PLAY), test::KeyStep(VK_ESCAPE)});
    for (int i = 0; i < 12; i++)
        ScriptEscape();
    m_pTable->OnPlay();
    test::RunUntilIdle();

    EXPECT_EQ(m_pTable->m_nHintState, STATE_BIDDING);
    EXPECT_TRUE(std::filesystem::exists(m_pTable->m_strHintPicture));
    EXPECT_TRUE(std::filesystem::exists(m_pTable->m_strHintBoxPicture));
    EXPECT_EQ(CountBoxes("Bidding Hint"), 1);
}

TEST_F(BidWhistTest, EndSignalDuringTheAuctionClosesTheWindowAndEndsTheLoops)
{
    ASSERT_NE(OpenTable(1235), nullptr);
    m_pTable->m_nAbove[0] = 120;
    // The first bidding box is where the loop first looks for the signal; nothing answers it.
    ASSERT_TRUE(RunAfterEndSignal([this] { test::ClickControl(m_pTable, IDC_PLAY); }));
    EXPECT_EQ(m_pMainDlg->GetGameDlg(0), nullptr);
    CRegSettings settings("Software", "Orvel", "velm");
    EXPECT_EQ(settings.ReadString("BridgeAboveSouth", ""), "120");
    EXPECT_EQ(settings.ReadString("BridgeDealer", ""), "0");
    EXPECT_NE(settings.ReadString("BidRect", ""), "");
    m_pTable = nullptr;
}

TEST_F(BidWhistTest, ClosingTheWindowDuringTheAuctionEndsIt)
{
    ASSERT_NE(OpenTable(1234), nullptr);
    m_pTable->m_bCloseOnHint = true;
    test::ScriptNextDialog(IDD_BIDDING, {test::ClickStep(IDC_PLAY), test::KeyStep(VK_ESCAPE)});
    for (int i = 0; i < 12; i++)
        ScriptEscape();
    // Play is clicked as a person would: the close arrives while the auction pumps messages
    // inside Play's handler, below which the button's own handler is still running.
    ASSERT_TRUE(test::ClickControl(m_pTable, IDC_PLAY));
    test::RunUntilIdle();
    EXPECT_EQ(m_pMainDlg->GetGameDlg(0), nullptr) << "the window closed and was forgotten";
    EXPECT_GE(test::GetPendingScriptCount(), 11u) << "no more boxes after the close";
    m_pTable = nullptr;
}

TEST_F(BidWhistTest, HandMadeDealNeedsThirteenCardsEverywhere)
{
    ASSERT_NE(OpenTable(31), nullptr);
    // A card moved by hand from South's suit piles to North's.
    CPileGroup* pSouth = m_pTable->GetSeatPiles(SOUTH);
    CPileGroup* pNorth = m_pTable->GetSeatPiles(NORTH);
    CCardPile* pSuit = pSouth->GetAt(0);
    ASSERT_GT(pSuit->GetCount(), 0);
    pNorth->GetAt(0)->AddCard(pSuit->m_cards.back());
    pSuit->m_cards.pop_back();
    m_pTable->m_bDealEdited = true;

    m_pTable->OnPlay();
    test::RunUntilIdle();
    ASSERT_EQ(test::GetMessageBoxes().size(), 1u);
    EXPECT_EQ(test::GetMessageBoxes()[0].strText, "North does not have 13 cards");
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_auction.GetSize(), 0);
}

TEST_F(BidWhistTest, WholeDealBidAndPlayedByTheComputerIsScoredForTheRubber)
{
    ASSERT_NE(OpenTable(2024), nullptr);
    // Deal until one is bid (a passed-out deal deals the next one itself).
    for (int nTry = 0; nTry < 5 && m_pTable->GetLastScore() == nullptr; nTry++) {
        int nTotalBefore = 0;
        for (int nSide = 0; nSide < 2; nSide++)
            nTotalBefore += m_pTable->m_nAbove[nSide] + m_pTable->m_nBelow[nSide];
        PlayDealByComputer();
        if (m_pTable->GetLastScore() == nullptr) {
            EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
            continue;
        }
        EXPECT_EQ(m_pTable->m_tricks.GetCount(), 13);
        EXPECT_EQ(CountBoxes("Score"), 0) << "automatic deals show no score box";
        const CContractScore& score = *m_pTable->GetLastScore();
        const Outcome outcome = ReadOutcome(m_pTable->m_auction);
        EXPECT_EQ(score.GetLevel(), (outcome.nCode - 1) / 5);
        EXPECT_EQ(score.GetTrumps(), (outcome.nCode - 1) % 5);
        EXPECT_EQ(score.GetDeclarer(), outcome.nDeclarer);
        EXPECT_EQ(score.IsMade(),
                  m_pTable->m_nTricks[outcome.nDeclarer & 1] >= score.GetLevel() + 7);
        // Moving part scores above the line keeps the total: the deal adds its points.
        int nTotalAfter = 0;
        for (int nSide = 0; nSide < 2; nSide++)
            nTotalAfter += m_pTable->m_nAbove[nSide] + m_pTable->m_nBelow[nSide];
        EXPECT_EQ(nTotalAfter - nTotalBefore, score.ContractPoints() + score.AboveLinePoints());
        EXPECT_GT(nTotalAfter, nTotalBefore);
    }
    ASSERT_NE(m_pTable->GetLastScore(), nullptr);
    // The score box shows the deal and the totals.
    Command(ID_FUNCTIONS_SHOWSCORE);
    ASSERT_EQ(CountBoxes("Score"), 1);
    EXPECT_EQ(test::GetMessageBoxes().back().strText, m_pTable->GetScoreText());
}

TEST_F(BidWhistTest, ReplayHandBringsTheDealBackForANewAuction)
{
    ASSERT_NE(OpenTable(2024), nullptr);
    const int nDealer = m_pTable->m_nDealer;
    const std::vector<CCard> southCards = m_pTable->Hand(SOUTH).m_cards;
    PlayDealByComputer();
    ASSERT_EQ(m_pTable->m_nDealer, nDealer) << "the deal was bid and played";
    Command(ID_FILE_REPLAYHAND);

    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_nContractLevel, -1);
    EXPECT_EQ(m_pTable->m_nLeader, nDealer);
    EXPECT_EQ(m_pTable->Hand(SOUTH).m_cards, southCards);
    EXPECT_FALSE(AnyOrderRaised());
    EXPECT_EQ(m_pTable->m_nAbove[0] + m_pTable->m_nAbove[1], 0);

    PlayDealByComputer();
    EXPECT_EQ(m_pTable->m_auction.GetDealer(), nDealer);
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 13);
}

TEST_F(BidWhistTest, OpenHandLowersTheTrumpsForTheNextAuction)
{
    ASSERT_NE(OpenTable(808), nullptr);
    // A hand file in four hearts, led by East.
    m_pTable->m_nContractLevel = 3;
    m_pTable->m_nTrumps = SUIT_HEARTS;
    m_pTable->m_nLeader = EAST;
    m_pTable->WriteHandFile(FolderFile("hearts.brg").c_str());
    const std::vector<int> westCards = CardIndexes(m_pTable->Hand(WEST));
    Command(ID_FUNCTIONS_NEWDEAL);

    test::QueueFileDialogAnswer("hearts.brg");
    ASSERT_TRUE(Command(ID_FILE_OPENHAND));
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_HEARTS);
    EXPECT_EQ(CardIndexes(m_pTable->Hand(WEST)), westCards);
    EXPECT_FALSE(AnyOrderRaised());
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);

    // Play runs a fresh auction on the loaded hands, dealt by East.
    PlayDealByComputer();
    EXPECT_EQ(m_pTable->m_auction.GetDealer(), EAST);
}

TEST_F(BidWhistTest, ShowBiddingsBoxBelongsToTheTableThePersonWorksIn)
{
    ASSERT_NE(OpenTable(77), nullptr);
    CWinApp app;
    app.m_pMainWnd = m_pMainDlg.get();
    // The person was in the launcher, then clicked the table's menu bar.
    CModelledWindowManager::Backend().ActivateAsManager(m_pMainDlg->m_hWnd);
    CModelledWindowManager::Backend().ActivateAsManager(m_pTable->m_hWnd);
    s_pTableSeen = m_pTable;
    s_hBoxOwner = nullptr;
    test::ScriptNextDialog(IDD_BIDDING, {test::KeyStep(VK_ESCAPE)});
    // The command as the menu sends it: the driver's own menu choice would put its hook back.
    s_pfnDriverHook = plat::SetModalIdleHook(&SeeBoxOwnerHook);
    m_pTable->SendMessage(WM_COMMAND, ID_FUNCTIONS_SHOWBIDDING);
    plat::SetModalIdleHook(s_pfnDriverHook);
    app.m_pMainWnd = nullptr;
    EXPECT_EQ(test::GetPendingScriptCount(), 0u);
    // Kept above the table, which takes no key meanwhile.
    EXPECT_EQ(s_hBoxOwner, m_pTable->m_hWnd);
    EXPECT_FALSE(s_bTableEnabled);
}

TEST_F(BidWhistTest, UnderAWindowManagerTheBiddingBoxComesBackWhereItWasAtEveryShowing)
{
    CModelledWindowManager manager;
    ASSERT_NE(OpenTable(501), nullptr);
    Command(ID_TRAINER_MANUALBIDDING);
    // Four passes, each picked and confirmed with OK, then the review.
    ScriptCalls("P P P P");
    ScriptEscape();
    m_pTable->OnPlay();
    test::RunUntilIdle();
    EXPECT_EQ(test::GetPendingScriptCount(), 0u);
    EXPECT_EQ(AuctionCodes(), CallCodes("P P P P"));
    EXPECT_EQ(g_rectBid, g_rectBidInitial);
}

TEST_F(BidWhistTest, BidRectIsReadAtOpeningAndWrittenAtClose)
{
    {
        // A current settings version, so that the launcher keeps the stored rectangle.
        CRegSettings settings("Software", "Orvel", "velm");
        settings.WriteInt("version", 12);
        settings.WriteRect("BidRect", CRect(10, 20, 469, 285));
    }
    ASSERT_NE(OpenTable(5), nullptr);
    EXPECT_EQ(g_rectBid, CRect(10, 20, 469, 285));

    g_rectBid = CRect(30, 40, 489, 305);
    m_pTable->SendMessage(WM_CLOSE);
    test::RunUntilIdle();
    m_pTable = nullptr;
    EXPECT_EQ(CRegSettings("Software", "Orvel", "velm").ReadString("BidRect", ""), "30,40,489,305");
}

} // namespace auctiontest
