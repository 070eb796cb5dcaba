#include "bridge/table/DummyDlg.h"

#include <stdexcept>

#include "bridge/play/ExplainWhistDlg.h"
#include "bridge/play/PlayConstants.h"
#include "bridge/play/whistattack.h"
#include "bridge/play/whistdefend.h"
#include "bridge/table/FileDeal.h"
#include "bridge/table/SeatNames.h"
#include "resources/resource.h"

namespace {

// A face-down hand is drawn as one card back.
constexpr int FACE_DOWN_VISIBLE = 1;

} // namespace

// The mouse reaches the table through the base's carry (OnTablePress, OnCardDropped, ...).
BEGIN_MESSAGE_MAP(CDummyDlg, CGameDlg)
    ON_BN_CLICKED(IDC_PLAY, &CDummyDlg::OnPlay)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_SIZE()
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CDummyDlg::CDummyDlg(CMainDlg* pMainDlg, CWnd* pParent)
    : CGameDlg(pMainDlg, pParent), m_nDealer(SEAT_WEST), m_nLeader(SEAT_WEST), m_nDummy(-1),
      m_nToPlay(0), m_nSavedToPlay(0), m_nSavedDealer(SEAT_WEST), m_nSavedLeader(SEAT_WEST),
      m_nSavedTrumps(NO_TRUMPS), m_nSavedLevel(0), m_bManual{false, false, true, false},
      m_bFaceUp{false, false, true, false}, m_nTrumps(NO_TRUMPS), m_nContractLevel(0),
      m_nDeclaringSide(0), m_nState(STATE_BEFORE_PLAY), m_bBusy(false), m_pExplain(nullptr),
      m_pAttack(nullptr), m_nAutoDeals(0)
{
    m_trick.SetLeader(SEAT_WEST);
    InitPileGroups();
}

void CDummyDlg::InitPileGroups()
{
    m_hands.Add(&m_handNorth);
    m_hands.Add(&m_handEast);
    m_hands.Add(&m_handSouth);
    m_hands.Add(&m_handWest);
    for (int i = 0; i < SUIT_COUNT; i++) {
        m_northSuits.Add(&m_northSuitPiles[i]);
        m_southSuits.Add(&m_southSuitPiles[i]);
        m_eastSuits.Add(&m_eastSuitPiles[i]);
        m_westSuits.Add(&m_westSuitPiles[i]);
    }
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        Hand(nSeat).SetDrawFlags(PILE_FACE_DOWN);
        Hand(nSeat).SetVisibleCount(FACE_DOWN_VISIBLE);
        CPileGroup* pSuits = GetSeatPiles(nSeat);
        for (int i = 0; i < SUIT_COUNT; i++)
            pSuits->GetAt(i)->SetDrawFlags(0);
    }
}

CPileGroup* CDummyDlg::GetSeatPiles(int nSeat)
{
    CPileGroup* const groups[SEAT_COUNT] = {&m_northSuits, &m_eastSuits, &m_southSuits,
                                            &m_westSuits};
    if (nSeat < 0 || nSeat >= SEAT_COUNT)
        return nullptr;
    return groups[nSeat];
}

void CDummyDlg::DropAttackEngine()
{
    delete m_pAttack;
    m_pAttack = nullptr;
}

void CDummyDlg::DealCards()
{
    CCardPile deck;
    for (int nRank = RANK_ACE; nRank <= RANK_KING; nRank++) {
        for (int nSuit = 0; nSuit < SUIT_COUNT; nSuit++)
            deck.AddCard(MakeDeckCard(nRank, nSuit));
    }
    deck.Shuffle();
    deck.DealRounds(-1, m_hands);
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        Hand(nSeat).Sort();
    UpdateSuitPileCounts();
    ArrangeSuitPiles();
    if (m_bAutoSave)
        AutoSaveDeal();
}

void CDummyDlg::ArrangeSuitPiles()
{
    // South first, as the person's own hand.
    static const int s_arrangeOrder[SEAT_COUNT] = {SEAT_SOUTH, SEAT_NORTH, SEAT_EAST, SEAT_WEST};
    const int nFirstSuit = m_nTrumps < SUIT_COUNT ? m_nTrumps : SUIT_SPADES;
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        GetSeatPiles(nSeat)->ClearAll();
    for (int nSeat : s_arrangeOrder)
        Hand(nSeat).SplitBySuit(nFirstSuit, *GetSeatPiles(nSeat));
}

void CDummyDlg::UpdateSuitPileCounts()
{
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        const int nLongest = Hand(nSeat).LongestSuit();
        CPileGroup* pSuits = GetSeatPiles(nSeat);
        for (int i = 0; i < SUIT_COUNT; i++)
            pSuits->GetAt(i)->SetVisibleCount(nLongest);
    }
}

void CDummyDlg::SpreadHands()
{
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        Hand(nSeat).Clear();
        GetSeatPiles(nSeat)->CopyAllTo(Hand(nSeat));
        Hand(nSeat).Sort();
    }
    UpdateSuitPileCounts();
}

bool CDummyDlg::CheckEditedDeal()
{
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        if (GetSeatPiles(nSeat)->GetCardCount() != CARDS_PER_HAND) {
            MessageBox(g_strSeatNames[nSeat] + " does not have 13 cards");
            return false;
        }
    }
    SpreadHands();
    m_bDealEdited = false;
    RefreshTable();
    return true;
}

bool CDummyDlg::TrumpsRaised() const
{
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        for (const CCard& card : Hand(nSeat).m_cards) {
            if (card.GetOrder() > ORDER_ACE)
                return true;
        }
    }
    return false;
}

void CDummyDlg::RaiseTrumps()
{
    if (m_nTrumps >= SUIT_COUNT || TrumpsRaised())
        return;
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        Hand(nSeat).AdjustSuitOrder(m_nTrumps, TRUMP_BONUS);
    ArrangeSuitPiles();
}

void CDummyDlg::LowerTrumps()
{
    if (m_nTrumps >= SUIT_COUNT || !TrumpsRaised())
        return;
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        Hand(nSeat).AdjustSuitOrder(m_nTrumps, -TRUMP_BONUS);
    ArrangeSuitPiles();
}

void CDummyDlg::ReapplyModes()
{
    SetShowHands(m_bShowHands);
    SetManualPlayNS(m_bManualPlayNS);
    SetManualPlayEW(m_bManualPlayEW);
}

void CDummyDlg::ResetDeal()
{
    m_nState = STATE_BEFORE_PLAY;
    m_bDealEdited = false;
    if (m_btnPlay.GetSafeHwnd() != nullptr)
        m_btnPlay.ShowWindow(SW_SHOW);
    ReapplyModes();
    m_nTricks[0] = 0;
    m_nTricks[1] = 0;
    m_trick.Clear();
    m_playedCards.Clear();
    m_tricks.DeleteAll();
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        Hand(nSeat).Clear();
}

void CDummyDlg::NextDeal()
{
    const int nAutoDeals = m_nAutoDeals--;
    m_bManual[SEAT_SOUTH] = nAutoDeals <= 0;
    m_nDealer = NextSeat(m_nDealer);
    m_nLeader = m_nDealer;
    m_nToPlay = m_nDealer;
    m_nDummy = -1;
    m_nTrumps = (m_nTrumps + 1) % (NO_TRUMPS + 1);
    DropAttackEngine();
    ResetDeal();
    DealCards();
    RaiseTrumps();
    m_trick.SetLeader(m_nLeader);
    RefreshTable();
    StartPlay();
}

void CDummyDlg::StartPlay()
{
    m_nToPlay = m_nLeader;
    m_nDeclaringSide = SideOf(m_nLeader + 1);
    m_trick.SetLeader(m_nLeader);
    m_trick.SetTrumps(m_nTrumps);
    m_nDummy = NextSeat(m_nLeader);
    m_bManual[SEAT_NORTH] = m_bManualPlayNS && m_nAutoDeals <= 0;
    if (m_pExplain != nullptr)
        m_pExplain->ResetLines();
    RefreshTable();
}

void CDummyDlg::OnPlay()
{
    if (m_bBusy)
        return;
    if (m_bDealEdited && !CheckEditedDeal())
        return;
    SaveOriginalDeal();
    m_menu.EnableMenuItem(ID_FILE_REPLAYHAND, MF_BYCOMMAND | MF_ENABLED);
    m_nState = STATE_PLAYING;
    if (m_btnPlay.GetSafeHwnd() != nullptr)
        m_btnPlay.ShowWindow(SW_HIDE);
    // Computer turns pump messages: the mouse handlers must not start play of their own
    // meanwhile.
    m_bBusy = true;
    PlayComputerSeats();
    m_bBusy = false;
}

bool CDummyDlg::IsComputerToPlay()
{
    const CCardPile& hand = Hand(m_nToPlay);
    if (hand.GetCount() == 0)
        return false;
    if (!m_bManual[m_nToPlay])
        return true;
    if (!m_bAutoPlay)
        return false;
    if (m_nToPlay == SEAT_SOUTH && hand.GetCount() == 1)
        return true;
    return m_trick.GetCount() > 0 && hand.CountSuitOf(m_trick.m_cards[0]) == 1;
}

void CDummyDlg::PlayComputerSeats()
{
    // A failed card replays the deal, which stops play; so does the window going away, by
    // a close let through after every card or while a turn pumps messages.
    while (GetSafeHwnd() != nullptr && m_nState == STATE_PLAYING && IsComputerToPlay()) {
        ComputerPlay();
        ServeCloseRequests();
    }
}

CCard CDummyDlg::ChooseComputerCard()
{
    const int nSeat = m_nToPlay;
    const int nDummy = NextSeat(m_nLeader);
    CAuction* pAuction = GetAuction();
    const bool bDeclaringSide = SideOf(nSeat) == m_nDeclaringSide;

    if (m_bOpenDummy && bDeclaringSide) {
        if (m_trick.GetCount() < 2) {
            DropAttackEngine();
            m_pAttack = new CWhistAttack(nSeat, nDummy, m_nTrumps, m_nContractLevel, &Hand(nSeat),
                                         &Hand(PartnerSeat(nSeat)), &m_tricks, &m_trick, pAuction,
                                         m_pExplain);
            m_pAttack->Analyse();
        }
        if (m_pAttack != nullptr)
            return m_pAttack->ChooseCard();
    }
    // A defender sees dummy once it is open; with dummy closed nobody sees it.
    CCardPile unseenDummy;
    CCardPile* pDummy = m_bOpenDummy ? &Hand(nDummy) : &unseenDummy;
    CWhistDefend engine(nSeat, nDummy, m_nTrumps, m_nContractLevel, &Hand(nSeat), pDummy,
                        &m_tricks, &m_trick, pAuction, m_pExplain);
    engine.Analyse();
    return engine.ChooseCard();
}

void CDummyDlg::ComputerPlay()
{
    try {
        PlayCard(ChooseComputerCard());
        AdvancePlayer();
    } catch (...) {
        MessageBox("Exception thrown");
        OnReplayHand();
    }
}

void CDummyDlg::PlayCard(const CCard& card)
{
    const int nSeat = m_nToPlay;
    CCardPile& hand = Hand(nSeat);
    const int nHandIndex = hand.IndexOf(card);
    if (nHandIndex < 0)
        throw std::runtime_error("Tried to play wrong card");

    // The suit piles always mirror the hand, so that a hand rebuilt from them (a hand
    // file, Show Hands) never gets a played card back.
    CCardPile* pSource = &hand;
    int nSourceIndex = nHandIndex;
    CPileGroup* pSuits = GetSeatPiles(nSeat);
    for (int i = 0; i < SUIT_COUNT; i++) {
        CCardPile* pSuit = pSuits->GetAt(i);
        const int nIndex = pSuit->IndexOf(card);
        if (nIndex < 0)
            continue;
        if (m_bFaceUp[nSeat]) {
            pSource = pSuit;
            nSourceIndex = nIndex;
        } else {
            pSuit->RemoveAt(nIndex);
        }
        break;
    }
    if (pSource != &hand)
        hand.RemoveAt(nHandIndex);
    CCardMove move(card, 0, nSourceIndex, m_trick.GetCount(), pSource, &m_trick);
    AnimateMove(&move, TRUE);
}

void CDummyDlg::AdvancePlayer()
{
    if (m_tricks.GetCount() == 0 && m_trick.GetCount() == 1 && m_bOpenDummy) {
        SetDummy(m_nDummy);
        RefreshTable();
        PumpMessages();
        // A command run meanwhile (New Deal, Open Hand) may have replaced the deal.
        if (m_nState != STATE_PLAYING)
            return;
    }
    if (m_trick.GetCount() == SEAT_COUNT)
        CompleteTrick();
    else
        m_nToPlay = NextSeat(m_nToPlay);
}

void CDummyDlg::CompleteTrick()
{
    try {
        CCard winningCard;
        const int nWinner = m_trick.GetWinner(winningCard);
        DropAttackEngine();
        m_tricks.Add(new CTrick(m_trick));
        for (const CCard& card : m_trick.m_cards)
            m_playedCards.AddCard(card);
        m_trick.Clear();
        DrawPile(m_trick);
        m_nToPlay = nWinner & (SEAT_COUNT - 1);
        m_trick.SetLeader(nWinner);
        m_nTricks[SideOf(nWinner)]++;
        RefreshTable();
    } catch (const std::exception&) {
        // The trick stays as far as it got; the end of the deal is still checked.
    }
    if (Hand(m_nToPlay).GetCount() == 0) {
        RecordStatistics();
        ScoreDeal();
        if (m_nAutoDeals <= 0)
            ShowScore();
    }
}

void CDummyDlg::SaveOriginalDeal()
{
    m_nSavedToPlay = m_nToPlay;
    m_nSavedLeader = m_nLeader;
    m_nSavedDealer = m_nDealer;
    m_nSavedLevel = m_nContractLevel;
    m_nSavedTrumps = m_nTrumps;
    m_origNorth = m_handNorth;
    m_origEast = m_handEast;
    m_origSouth = m_handSouth;
    m_origWest = m_handWest;
    for (int nSide = 0; nSide < SIDE_COUNT; nSide++) {
        m_nStartRubbers[nSide] = m_nRubbers[nSide];
        m_nStartGames[nSide] = m_nGames[nSide];
        m_nStartAbove[nSide] = m_nAbove[nSide];
        m_nStartBelow[nSide] = m_nBelow[nSide];
    }
}

void CDummyDlg::OnReplayHand()
{
    DropAttackEngine();
    ResetDeal();
    m_nToPlay = m_nSavedToPlay;
    m_nLeader = m_nSavedLeader;
    m_nDealer = m_nSavedDealer;
    m_nContractLevel = m_nSavedLevel;
    m_nTrumps = m_nSavedTrumps;
    // The kept hands keep their own layout; only their cards come back.
    m_handNorth.m_cards = m_origNorth.m_cards;
    m_handEast.m_cards = m_origEast.m_cards;
    m_handSouth.m_cards = m_origSouth.m_cards;
    m_handWest.m_cards = m_origWest.m_cards;
    for (int nSide = 0; nSide < SIDE_COUNT; nSide++) {
        m_nRubbers[nSide] = m_nStartRubbers[nSide];
        m_nGames[nSide] = m_nStartGames[nSide];
        m_nAbove[nSide] = m_nStartAbove[nSide];
        m_nBelow[nSide] = m_nStartBelow[nSide];
    }
    ShowDealForPlay();
}

CAuction* CDummyDlg::GetAuction()
{
    return nullptr;
}

void CDummyDlg::ShowBidding()
{
}
