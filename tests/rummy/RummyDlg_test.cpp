#include "rummy/RummyDlg.h"

#include <vector>

#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/testing/driver.h"
#include "resources/resource.h"
#include "rummy/RummyRules.h"
#include "tests/rummy/RummyTestSupport.h"
#include "tests/support/RandomMouse.h"

namespace {

using namespace plat::test;
using cardtest::Names;
using rummytest::SetCards;
using rummytest::TopCardPoint;

constexpr int GAME_NUMBER = 4711;
// No set among them: deadwood 60 less the king's 10.
constexpr const char* HAND_WITHOUT_SETS = "KC QD 9S 9H 7C 5D 4D 3S 2H AC";
constexpr const char* HAND_OF_GIN = "AC AD AH 2C 2D 2H 3C 3D 3H 4S";
// Two sets; 2 + 3 + 4 + 9 unmatched, less the nine.
constexpr const char* HAND_OF_RUMMY = "KC KD KH 5C 5D 5S 2C 3D 4H 9S";

class CRummyDlgTest : public rummytest::RummyWindowTest {
protected:
    CCardPile& PersonsHand() { return m_pRummy->GetHand(CRummyDlg::PLAYER_PERSON); }
    CCardPile& ComputersHand() { return m_pRummy->GetHand(CRummyDlg::PLAYER_COMPUTER); }
    // Opens the window and lets the computer make its first turn.
    void OpenAtPersonsTurn()
    {
        ASSERT_NE(nullptr, OpenRummy(GAME_NUMBER));
        ClickTable();
        ASSERT_EQ(CRummyDlg::PLAYER_PERSON, m_pRummy->GetCurrentPlayer());
    }
    void DrawFromStock() { DragTopCard(m_pRummy->GetStock(), HandCardPoint(PersonsHand(), 9)); }
    void PressRummy()
    {
        ClickControl(m_pRummy, IDC_PLAY);
        RunUntilIdle();
    }
};

TEST_F(CRummyDlgTest, NewDealGivesTenEachOneDiscardAndTheComputerTheMove)
{
    ASSERT_NE(nullptr, OpenRummy(GAME_NUMBER));
    CString strCaption;
    m_pRummy->GetWindowText(strCaption);
    EXPECT_EQ("Rummy", strCaption);
    EXPECT_EQ(10, ComputersHand().GetCount());
    EXPECT_EQ(10, PersonsHand().GetCount());
    EXPECT_EQ(1, m_pRummy->GetDiscard().GetCount());
    EXPECT_EQ(31, m_pRummy->GetStock().GetCount());
    EXPECT_EQ(CRummyDlg::PLAYER_COMPUTER, m_pRummy->GetCurrentPlayer());
    EXPECT_EQ(GAME_NUMBER + 1, CCardPile::GetGameNumber()) << "one shuffle";

    // Laid out for the client area below the menu bar, the person's hand shows whole.
    CRect rectClient;
    m_pRummy->GetClientRect(&rectClient);
    EXPECT_EQ(rectClient.bottom - 4, PersonsHand().GetBoundingRect().bottom);
}

TEST_F(CRummyDlgTest, LayoutForTheStartSizePlacesThePiles)
{
    ASSERT_NE(nullptr, OpenRummy(GAME_NUMBER));
    m_pRummy->Layout(640, 442);
    EXPECT_EQ(CPoint(117, 4), ComputersHand().GetPosition());
    EXPECT_EQ(CPoint(117, 342), PersonsHand().GetPosition());
    const int xMelds[] = {17, 177, 337};
    for (int i = 0; i < CRummyDlg::MELDS_PER_PLAYER; i++) {
        EXPECT_EQ(CPoint(xMelds[i], 104), m_pRummy->GetMeld(i).GetPosition());
        EXPECT_EQ(CPoint(xMelds[i], 242), m_pRummy->GetMeld(i + 3).GetPosition());
    }
    EXPECT_EQ(CPoint(525, 106), m_pRummy->GetStock().GetPosition());
    EXPECT_EQ(CPoint(525, 240), m_pRummy->GetDiscard().GetPosition());
}

TEST_F(CRummyDlgTest, ComputerTakesTheDiscardOnlyWithTwoOfItsRank)
{
    ASSERT_NE(nullptr, OpenRummy(GAME_NUMBER));
    // Two kings: the king of hearts is taken and the queen, the highest single, goes.
    SetCards(ComputersHand(), "KC KD QS JS 9S 8S 7S 6S 4S 3S");
    SetCards(m_pRummy->GetDiscard(), "2C KH");
    SetCards(m_pRummy->GetStock(), "AC 9D");
    ClickTable();
    EXPECT_EQ("KC KD JS 9S 8S 7S 6S 4S 3S KH", Names(ComputersHand()));
    EXPECT_EQ("2C QS", Names(m_pRummy->GetDiscard()));
    EXPECT_EQ("AC 9D", Names(m_pRummy->GetStock()));

    // One queen: the nine comes from the stock and the single king goes.
    m_pRummy->NewGame();
    SetCards(ComputersHand(), "KC QS JS 9S 8S 7S 6S 4S 3S 2D");
    SetCards(m_pRummy->GetDiscard(), "5H QH");
    SetCards(m_pRummy->GetStock(), "AC 9D");
    ClickTable();
    EXPECT_EQ("QS JS 9S 8S 7S 6S 4S 3S 2D 9D", Names(ComputersHand()));
    EXPECT_EQ("5H QH KC", Names(m_pRummy->GetDiscard()));
    EXPECT_EQ("AC", Names(m_pRummy->GetStock()));
    EXPECT_TRUE(GetMessageBoxes().empty());
}

TEST_F(CRummyDlgTest, ComputerGoesOutWithGinOrRummyAndANewDealStarts)
{
    ASSERT_NE(nullptr, OpenRummy(GAME_NUMBER));
    // The fourth ace leaves only the four, which would be thrown away: gin. The five
    // leaves 4 + 5 less the five: rummy.
    const char* stocks[] = {"9C AS", "9C 5D"};
    const char* texts[] = {"Gin", "Rummy"};
    for (int i = 0; i < 2; i++) {
        SetCards(ComputersHand(), HAND_OF_GIN);
        SetCards(m_pRummy->GetDiscard(), "4H");
        SetCards(m_pRummy->GetStock(), stocks[i]);
        ClickTable();
        ASSERT_EQ(static_cast<size_t>(i + 1), GetMessageBoxes().size());
        EXPECT_EQ(texts[i], GetMessageBoxes().back().strText);
        EXPECT_EQ("Game Over", GetMessageBoxes().back().strCaption);
        EXPECT_EQ(31, m_pRummy->GetStock().GetCount()) << "a new deal";
        EXPECT_EQ(CRummyDlg::PLAYER_COMPUTER, m_pRummy->GetCurrentPlayer());
    }
}

TEST_F(CRummyDlgTest, RummyButtonJudgesThePersonsHand)
{
    struct Case {
        const char* szPerson;
        const char* szComputer;
        const char* szText;
        const char* szCaption;
    };
    // The computer is to move; its gin is not the person's.
    const Case cases[] = {
        {HAND_WITHOUT_SETS, HAND_OF_GIN, "You're pulling my chain!", "Look again"},
        {HAND_OF_RUMMY, HAND_WITHOUT_SETS, "Rummy You Win", "Rummy"},
        {HAND_OF_GIN, HAND_WITHOUT_SETS, "Gin You Win", "Rummy"},
    };
    ASSERT_NE(nullptr, OpenRummy(GAME_NUMBER));
    for (const Case& test : cases) {
        SetCards(PersonsHand(), test.szPerson);
        SetCards(ComputersHand(), test.szComputer);
        const int nGameNumber = CCardPile::GetGameNumber();
        PressRummy();
        ASSERT_FALSE(GetMessageBoxes().empty());
        EXPECT_EQ(test.szText, GetMessageBoxes().back().strText);
        EXPECT_EQ(test.szCaption, GetMessageBoxes().back().strCaption);
        const bool bWon = CString(test.szCaption) == "Rummy";
        EXPECT_EQ(bWon, Names(PersonsHand()) != test.szPerson) << "new deal only on a win";
        EXPECT_EQ(bWon ? nGameNumber + 1 : nGameNumber, CCardPile::GetGameNumber());
    }
}

TEST_F(CRummyDlgTest, RummyPressedByKeyDuringACarryJudgesTheHandOnceWhenTheCardIsDown)
{
    // Unmatched 2, 3, 8 and 9 less the nine: 13, no rummy. Without the eight it would be.
    constexpr const char* HAND_ONE_CARD_SHORT_OF_RUMMY = "KC KD KH 5C 5D 5S 2C 3D 8H 9S";
    constexpr int EIGHT_OF_HEARTS = 8;
    OpenAtPersonsTurn();
    for (UINT nKey : {VK_SPACE, VK_RETURN}) {
        SetCards(PersonsHand(), HAND_ONE_CARD_SHORT_OF_RUMMY);
        const size_t nBoxesBefore = GetMessageBoxes().size();
        MouseDown(m_pRummy, HandCardPoint(PersonsHand(), EIGHT_OF_HEARTS));
        MouseMove(m_pRummy, EmptyTablePoint());
        RunUntilIdle();
        ASSERT_TRUE(m_pRummy->IsDragging());
        m_pRummy->GetDlgItem(IDC_PLAY)->SetFocus();
        // Pressed twice: held once.
        PressKey(m_pRummy, nKey);
        PressKey(m_pRummy, nKey);
        RunUntilIdle();
        EXPECT_EQ(nBoxesBefore, GetMessageBoxes().size()) << "nothing judged while carried";

        MouseUp(m_pRummy, EmptyTablePoint());
        RunUntilIdle();
        ASSERT_EQ(nBoxesBefore + 1, GetMessageBoxes().size()) << nKey;
        EXPECT_EQ("You're pulling my chain!", GetMessageBoxes().back().strText);
        EXPECT_EQ(HAND_ONE_CARD_SHORT_OF_RUMMY, Names(PersonsHand()));
    }

    // Closing the window puts the card back and forgets what was asked meanwhile.
    MouseDown(m_pRummy, HandCardPoint(PersonsHand(), EIGHT_OF_HEARTS));
    RunUntilIdle();
    PressKey(m_pRummy, VK_SPACE);
    RunUntilIdle();
    PressCloseBox(m_pRummy);
    RunUntilIdle();
    EXPECT_FALSE(m_pRummy->IsWindowVisible());
    EXPECT_EQ(2u, GetMessageBoxes().size());
    EXPECT_EQ(HAND_ONE_CARD_SHORT_OF_RUMMY, Names(PersonsHand()));
}

TEST_F(CRummyDlgTest, CardDroppedWhereNothingTakesItGoesBackToItsPlace)
{
    OpenAtPersonsTurn();
    const std::string strHand = Names(PersonsHand());
    const std::string strStock = Names(m_pRummy->GetStock());
    // Before drawing, the discard pile takes no card from the hand.
    DragHandCard(3, TopCardPoint(m_pRummy->GetDiscard()));
    DragTopCard(m_pRummy->GetStock(), EmptyTablePoint());
    EXPECT_EQ(strHand, Names(PersonsHand()));
    EXPECT_EQ(strStock, Names(m_pRummy->GetStock()));
    EXPECT_EQ(CRummyDlg::PHASE_MUST_DRAW, m_pRummy->GetPhase());

    DrawFromStock();
    ASSERT_EQ(CRummyDlg::PHASE_HAS_DRAWN, m_pRummy->GetPhase());
    const std::string strDrawn = Names(PersonsHand());
    for (const CPoint& point : {EmptyTablePoint(), TopCardPoint(m_pRummy->GetStock()),
                                TopCardPoint(m_pRummy->GetMeld(0))}) {
        DragHandCard(2, point);
        EXPECT_EQ(strDrawn, Names(PersonsHand())) << "dropped at " << point.x << "," << point.y;
    }
    EXPECT_EQ(0, m_pRummy->GetMeld(0).GetCount());
    EXPECT_EQ(52, CountAllCards());
}

TEST_F(CRummyDlgTest, HandCardDroppedOnAnotherGoesBehindIt)
{
    OpenAtPersonsTurn();
    SetCards(PersonsHand(), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC");
    // Taken off, the ace leaves the six under slot 4; the ace goes behind the six.
    DragHandCard(0, HandCardPoint(PersonsHand(), 4));
    EXPECT_EQ("2C 3C 4C 5C 6C AC 7C 8C 9C TC", Names(PersonsHand()));
    EXPECT_EQ(CRummyDlg::PHASE_MUST_DRAW, m_pRummy->GetPhase()) << "rearranging is no draw";
}

TEST_F(CRummyDlgTest, DrawingTheDiscardAndDiscardingPassesTheTurn)
{
    OpenAtPersonsTurn();
    const CCard cardTop = m_pRummy->GetDiscard().Top();
    DragTopCard(m_pRummy->GetDiscard(), HandCardPoint(PersonsHand(), 0));
    EXPECT_EQ(cardTop, PersonsHand().m_cards[1]);
    EXPECT_EQ(CRummyDlg::PHASE_HAS_DRAWN, m_pRummy->GetPhase());

    const CCard cardThrown = PersonsHand().m_cards[5];
    DragHandCard(5, TopCardPoint(m_pRummy->GetDiscard()));
    EXPECT_EQ(cardThrown, m_pRummy->GetDiscard().Top());
    EXPECT_EQ(10, PersonsHand().GetCount());
    EXPECT_EQ(CRummyDlg::PHASE_MUST_DRAW, m_pRummy->GetPhase());
    EXPECT_EQ(CRummyDlg::PLAYER_COMPUTER, m_pRummy->GetCurrentPlayer());
    EXPECT_EQ(52, CountAllCards());
}

TEST_F(CRummyDlgTest, MeldAreaTakesCardsOnlyWhileTheDeadwoodIsBelowTen)
{
    OpenAtPersonsTurn();
    SetCards(PersonsHand(), HAND_WITHOUT_SETS);
    DragHandCard(0, TopCardPoint(m_pRummy->GetMeld(4)));
    EXPECT_EQ(0, m_pRummy->GetMeld(4).GetCount());
    EXPECT_EQ(HAND_WITHOUT_SETS, Names(PersonsHand()));

    // The first card needs the deadwood test, the next ones do not.
    SetCards(PersonsHand(), HAND_OF_RUMMY);
    DragHandCard(0, TopCardPoint(m_pRummy->GetMeld(3)));
    EXPECT_EQ(CRummyDlg::PHASE_LAYING_DOWN, m_pRummy->GetPhase());
    DragHandCard(0, TopCardPoint(m_pRummy->GetMeld(3)));
    EXPECT_EQ("KC KD", Names(m_pRummy->GetMeld(3)));
    EXPECT_EQ("KH 5C 5D 5S 2C 3D 4H 9S", Names(PersonsHand()));

    // Discarding after laying down keeps the turn. Left: the lone king, the fives, 2, 3 and
    // 4: 10 + 2 + 3 + 4 less the king is still rummy.
    DragHandCard(7, TopCardPoint(m_pRummy->GetDiscard()));
    EXPECT_EQ(CRummyDlg::PHASE_LAID_DOWN, m_pRummy->GetPhase());
    EXPECT_EQ(CRummyDlg::PLAYER_PERSON, m_pRummy->GetCurrentPlayer());
    PressRummy();
    ASSERT_EQ(1u, GetMessageBoxes().size());
    EXPECT_EQ("Rummy You Win", GetMessageBoxes()[0].strText);
    for (int i = 0; i < CRummyDlg::MELD_COUNT; i++)
        EXPECT_EQ(0, m_pRummy->GetMeld(i).GetCount()) << "the new deal clears meld area " << i;
}

TEST_F(CRummyDlgTest, UsedUpStockIsRefilledWithTheDiscardsShuffled)
{
    OpenAtPersonsTurn();
    SetCards(m_pRummy->GetStock(), "7C");
    SetCards(m_pRummy->GetDiscard(), "2C 3D 4H 5S");
    DrawFromStock();
    ASSERT_EQ(0, m_pRummy->GetStock().GetCount());

    const int nGameNumber = CCardPile::GetGameNumber();
    const CCard cardThrown = PersonsHand().m_cards[0];
    DragHandCard(0, TopCardPoint(m_pRummy->GetDiscard()));
    ASSERT_EQ(1, m_pRummy->GetDiscard().GetCount());
    EXPECT_EQ(cardThrown, m_pRummy->GetDiscard().Top());
    EXPECT_EQ(4, m_pRummy->GetStock().GetCount());
    for (const char* szCard : {"2C", "3D", "4H", "5S"})
        EXPECT_TRUE(m_pRummy->GetStock().Contains(cardtest::Rummy(szCard))) << szCard;
    EXPECT_EQ(nGameNumber + 1, CCardPile::GetGameNumber()) << "the stock was shuffled";
}

TEST_F(CRummyDlgTest, NewGameFromTheMenuDealsAtOnceWithoutAsking)
{
    OpenAtPersonsTurn();
    DrawFromStock();
    ASSERT_TRUE(ChooseMenuCommand(m_pRummy, ID_FILE_NEWGAME));
    RunUntilIdle();
    EXPECT_TRUE(GetMessageBoxes().empty());
    EXPECT_EQ(GAME_NUMBER + 2, CCardPile::GetGameNumber());
    EXPECT_EQ(CRummyDlg::PLAYER_COMPUTER, m_pRummy->GetCurrentPlayer());
    EXPECT_EQ(CRummyDlg::PHASE_MUST_DRAW, m_pRummy->GetPhase());
    EXPECT_EQ(31, m_pRummy->GetStock().GetCount());

    // The bridge tables' items do nothing here, About (which the launcher would show) included.
    EXPECT_FALSE(ChooseMenuCommand(m_pRummy, ID_OPTIONS_CONVENTIONS)) << "greyed";
    ScriptNextDialog(IDD_ABOUTBOX, {ClickStep(IDOK)});
    for (UINT nID : {ID_FUNCTIONS_NEWDEAL, ID_HELP_ABOUT}) {
        ASSERT_TRUE(ChooseMenuCommand(m_pRummy, nID));
        RunUntilIdle();
    }
    EXPECT_EQ(GAME_NUMBER + 2, CCardPile::GetGameNumber());
    EXPECT_EQ(GetPendingScriptCount(), 1u) << "no About box";
}

TEST_F(CRummyDlgTest, ClosingHidesTheWindowKeepsItsSlotAndSavesNoRectangle)
{
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    const CRect rectSaved(30, 40, 672, 488);
    settings.WriteRect("RummyRect", rectSaved);
    ASSERT_NE(nullptr, OpenRummy(GAME_NUMBER));
    CRect rectWindow;
    m_pRummy->GetWindowRect(&rectWindow);
    EXPECT_EQ(rectSaved, rectWindow) << "opens where the settings say";

    m_pRummy->MoveWindow(100, 100, 642, 448);
    m_pRummy->SendMessage(WM_CLOSE);
    RunUntilIdle();
    EXPECT_FALSE(m_pRummy->IsWindowVisible());
    EXPECT_EQ(m_pRummy, m_pMainDlg->GetGameDlg(0));
    EXPECT_EQ(rectSaved, settings.ReadRect("RummyRect", CRect()));
}

TEST_F(CRummyDlgTest, PressWhileAnotherIsBeingHandledIsIgnored)
{
    ASSERT_NE(nullptr, OpenRummy(GAME_NUMBER));
    // The first press pumps the second inside itself, which must neither run a second
    // computer turn nor pick up the stock's card.
    const CPoint ptStock = TopCardPoint(m_pRummy->GetStock());
    MouseDown(m_pRummy, ptStock);
    MouseDown(m_pRummy, ptStock);
    RunUntilIdle();
    EXPECT_EQ(CRummyDlg::PLAYER_PERSON, m_pRummy->GetCurrentPlayer());
    EXPECT_FALSE(m_pRummy->IsDragging());
    EXPECT_EQ(10, PersonsHand().GetCount());
    MouseUp(m_pRummy, ptStock);
    RunUntilIdle();
}

TEST_F(CRummyDlgTest, CardPickedUpByAQuickClickIsPutDownByTheNextPress)
{
    OpenAtPersonsTurn();
    // The release of a quick click is handled before its press picks the card up.
    const CCard cardDrawn = m_pRummy->GetStock().Top();
    Click(m_pRummy, TopCardPoint(m_pRummy->GetStock()));
    RunUntilIdle();
    EXPECT_TRUE(m_pRummy->IsDragging());
    Click(m_pRummy, HandCardPoint(PersonsHand(), 9));
    RunUntilIdle();
    EXPECT_FALSE(m_pRummy->IsDragging());
    EXPECT_EQ(cardDrawn, PersonsHand().m_cards[10]);
    EXPECT_EQ(52, CountAllCards());
}

TEST_F(CRummyDlgTest, AnyOrderOfPressesReleasesAndMovesKeepsAll52Cards)
{
    OpenAtPersonsTurn();
    std::vector<CPoint> points = {TopCardPoint(m_pRummy->GetStock()),
                                  TopCardPoint(m_pRummy->GetDiscard()), EmptyTablePoint(),
                                  TopCardPoint(ComputersHand())};
    for (int i = 0; i <= 10; i++)
        points.push_back(HandCardPoint(PersonsHand(), i));
    for (int i = CRummyDlg::MELDS_PER_PLAYER; i < CRummyDlg::MELD_COUNT; i++)
        points.push_back(TopCardPoint(m_pRummy->GetMeld(i)));

    randommouse::Run(m_pRummy, points, 2000, 77, [this] {
        const int nCarried = m_pRummy->IsDragging() ? 1 : 0;
        ASSERT_EQ(52, CountAllCards() + nCarried);
    });
    EXPECT_GT(m_pRummy->GetDiscard().GetCount(), 1) << "turns were played";
}

// Plays whole deals by mouse and button, the person drawing where the computer would and
// throwing away what it would, until someone goes out.
class CRummyGameTest : public CRummyDlgTest {
protected:
    static constexpr int MAX_TURNS = 200;

    // Plays the deal; returns the text of the box that ended it, or "" after MAX_TURNS.
    CString PlayDeal()
    {
        for (int nTurn = 0; nTurn < MAX_TURNS && GetMessageBoxes().empty(); nTurn++) {
            if (m_pRummy->GetCurrentPlayer() == CRummyDlg::PLAYER_COMPUTER)
                ClickTable();
            else if (PlayPersonsTurn())
                PressRummy();
            EXPECT_EQ(52, CountAllCards()) << "turn " << nTurn;
        }
        return GetMessageBoxes().empty() ? CString() : GetMessageBoxes().back().strText;
    }

    // Draws and discards; when the hand allows it, lays its sets down first, saves a picture
    // of the table and returns true for the caller to go out.
    bool PlayPersonsTurn()
    {
        CCardPile& hand = PersonsHand();
        if (CRummyRules::TakesDiscard(hand, m_pRummy->GetDiscard().Top()))
            DragTopCard(m_pRummy->GetDiscard(), HandCardPoint(hand, 9));
        else
            DrawFromStock();
        EXPECT_EQ(11, hand.GetCount());
        m_bLaidDown = CRummyRules::Deadwood(hand) < CRummyRules::RUMMY_DEADWOOD_LIMIT;
        if (m_bLaidDown)
            LayDownSets();
        DragHandCard(CRummyRules::ChooseDiscard(hand), TopCardPoint(m_pRummy->GetDiscard()));
        if (m_bLaidDown)
            SaveWindowPng(m_pRummy, BuildFolderPath("rummy.png"));
        return m_bLaidDown;
    }

    // Each set of the hand goes into a meld area of the person's row of its own.
    void LayDownSets()
    {
        CCardPile& hand = PersonsHand();
        const RankCounts counts = CRummyRules::CountRanks(hand);
        int nMeld = CRummyDlg::MELDS_PER_PLAYER;
        for (int nRank = 0; nRank < RANKS_PER_SUIT; nRank++) {
            if (counts[nRank] < CRummyRules::SET_SIZE)
                continue;
            for (int i = hand.GetCount() - 1; i >= 0; i--) {
                if (CRummyRules::RankIndex(hand.m_cards[i]) == nRank)
                    DragHandCard(i, TopCardPoint(m_pRummy->GetMeld(nMeld)));
            }
            EXPECT_EQ(counts[nRank], m_pRummy->GetMeld(nMeld++).GetCount());
        }
    }

    bool m_bLaidDown = false;
};

// Game numbers whose deals, played this way, end by each side.
constexpr int PERSON_GOES_OUT_GAME = 3;
constexpr int COMPUTER_GOES_OUT_GAME = 4;

TEST_F(CRummyGameTest, PersonLaysDownSetsAndGoesOutWithRummy)
{
    ASSERT_NE(nullptr, OpenRummy(PERSON_GOES_OUT_GAME));
    EXPECT_EQ("Rummy You Win", PlayDeal());
    EXPECT_TRUE(m_bLaidDown);
    EXPECT_EQ(CRummyDlg::PLAYER_COMPUTER, m_pRummy->GetCurrentPlayer()) << "a new deal";
}

TEST_F(CRummyGameTest, ComputerGoesOutFirst)
{
    ASSERT_NE(nullptr, OpenRummy(COMPUTER_GOES_OUT_GAME));
    EXPECT_EQ("Rummy", PlayDeal());
    EXPECT_FALSE(m_bLaidDown);
    EXPECT_EQ("Game Over", GetMessageBoxes().back().strCaption);
}

} // namespace
