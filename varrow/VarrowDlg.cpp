#include "varrow/VarrowDlg.h"

#include <algorithm>

#include "cardtable/CardGlobals.h"
#include "cardtable/CardPainter.h"
#include "platform/wnd/CMenu.h"
#include "resources/CardImages.h"
#include "resources/VarrowResources.h"

namespace {

// Piles of the start size, in client pixels.
const CPoint PAYOFF1_POINT(4, 4);
const CPoint PAYOFF2_POINT(546, 4);
const CPoint STOCK_POINT(284, 4);
const CPoint HAND1_POINT(104, 4);
const CPoint HAND2_POINT(395, 4);
const CPoint DISCARDS1_POINT(4, 108);
const CPoint DISCARDS2_POINT(329, 108);
const CSize DISCARD_STEP(77, 0);
const CSize CENTRE_STEP(79, 0);
constexpr int CENTRE_LEFT = 4;
constexpr int CENTRE_TOP = 285;

// A window taller than the start size shows one more card of every discard and centre pile
// per EXTRA_ROW_HEIGHT pixels.
constexpr int EXTRA_ROW_HEIGHT = 38;
constexpr int PAYOFF_VISIBLE = 2;
constexpr int STOCK_VISIBLE = 1;
constexpr int DISCARD_VISIBLE = 5;
constexpr int CENTRE_VISIBLE = 4;

// Building rules: centre piles run up from the ace to the king, discard piles take the same
// value or one lower, and any card when empty.
constexpr int CENTRE_RULES = PILE_BUILD_UP;
constexpr int CENTRE_FIRST_ORDER = 1;
constexpr int CENTRE_LAST_ORDER = RANK_KING;
constexpr int DISCARD_RULES = PILE_BUILD_DOWN | PILE_SAME_VALUE;

constexpr int WILD_CARD_COUNT = 4;

const char WINNER_CAPTION[] = "The Winner";
const char* const WINNER_TEXTS[CVarrowDlg::PLAYER_COUNT] = {"Left won!", "Right won!"};

const char GAME_TITLE[] = "Varrow and Malice";
const char GAME_NAME[] = "Varrow";

// The menu switch of each player.
const UINT PLAYER_ITEMS[CVarrowDlg::PLAYER_COUNT] = {ID_VARROW_PLAYER1_HUMAN,
                                                     ID_VARROW_PLAYER2_HUMAN};
// Items of the menu that do nothing in this window; passed on, About would reach the launcher.
const UINT INERT_ITEMS[] = {ID_VARROW_QUIT, ID_VARROW_HELP, ID_VARROW_ABOUT};

} // namespace

BEGIN_MESSAGE_MAP(CVarrowDlg, CGameDlg)
END_MESSAGE_MAP()

CVarrowDlg::CVarrowDlg(CMainDlg* pMainDlg, CWnd* pParent)
    : CGameDlg(pMainDlg, pParent), m_ptPayoff1(PAYOFF1_POINT), m_ptPayoff2(PAYOFF2_POINT),
      m_ptStock(STOCK_POINT), m_ptHand1(HAND1_POINT), m_ptHand2(HAND2_POINT),
      m_ptDiscards1(DISCARDS1_POINT), m_sizeDiscardStep(DISCARD_STEP),
      m_ptDiscards2(DISCARDS2_POINT), m_ptCentre(CENTRE_LEFT, CENTRE_TOP),
      m_sizeCentreStep(CENTRE_STEP)
{
    m_payoffs.Add(&m_payoff1);
    m_payoffs.Add(&m_payoff2);
    m_hands.Add(&m_hand1);
    m_hands.Add(&m_hand2);
    for (int i = 0; i < DISCARD_PILES_PER_PLAYER; i++) {
        m_discards1.Add(new CCardPile(DISCARD_RULES, 0, 0));
        m_discards2.Add(new CCardPile(DISCARD_RULES, 0, 0));
    }
    for (int i = 0; i < CENTRE_PILE_COUNT; i++)
        m_centre.Add(new CCardPile(CENTRE_RULES, CENTRE_FIRST_ORDER, CENTRE_LAST_ORDER));
    // A click lets waiting messages through first, so a second click cannot act inside it.
    SetPressTiming(PressTiming::AfterPendingMessages);
}

CVarrowDlg::~CVarrowDlg()
{
    m_discards1.DeleteAll();
    m_discards2.DeleteAll();
    m_centre.DeleteAll();
}

BOOL CVarrowDlg::OnInitDialog()
{
    CGameDlg::OnInitDialog();
    CheckPlayerItem(ID_VARROW_PLAYER1_HUMAN, true);
    CheckPlayerItem(ID_VARROW_PLAYER2_HUMAN, false);
    SetWindowText(GAME_TITLE);
    SetWindowSize(GAME_CLIENT_CX, GAME_CLIENT_CY);
    NewGame();
    return TRUE;
}

void CVarrowDlg::CheckPlayerItem(UINT nID, bool bChecked)
{
    if (CMenu* pMenu = GetMenu())
        pMenu->CheckMenuItem(nID, MF_BYCOMMAND | (bChecked ? MF_CHECKED : MF_UNCHECKED));
}

BOOL CVarrowDlg::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // A caller asking only whether a handler exists must not carry the command out.
    if (nCode == CN_COMMAND && pHandlerInfo == nullptr) {
        if (nID == ID_VARROW_NEW_GAME) {
            // A card carried over the menu would otherwise come down in the new deal as a
            // card too many.
            CancelDrag();
            NewGame();
            RedrawBackBuffer();
            Invalidate(FALSE);
        }
        for (int nPlayer = 0; nPlayer < PLAYER_COUNT; nPlayer++) {
            if (nID == PLAYER_ITEMS[nPlayer]) {
                m_bHuman[nPlayer] = !m_bHuman[nPlayer];
                CheckPlayerItem(nID, m_bHuman[nPlayer]);
            }
        }
        if (std::find(std::begin(INERT_ITEMS), std::end(INERT_ITEMS), nID) != std::end(INERT_ITEMS))
            return TRUE;
    }
    return CGameDlg::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CString CVarrowDlg::GetGameName()
{
    return GAME_NAME;
}

void CVarrowDlg::ClearTable()
{
    m_hands.ClearAll();
    m_stock.Clear();
    m_payoffs.ClearAll();
    m_discards1.ClearAll();
    m_discards2.ClearAll();
    m_centre.ClearAll();
}

void CVarrowDlg::NewGame()
{
    ClearTable();

    CCardPile deckPayoff;
    for (int nRank = RANK_ACE; nRank <= RANK_KING; nRank++) {
        for (int nSuit = 0; nSuit < SUIT_COUNT; nSuit++) {
            const CCard card(nRank, nSuit, nRank, 0);
            deckPayoff.AddCard(card);
            m_stock.AddCard(card);
        }
    }
    for (int i = 0; i < WILD_CARD_COUNT; i++)
        m_stock.AddCard(CCard(RANK_WILD, 0, 0, 0));

    deckPayoff.Shuffle();
    m_stock.Shuffle();
    m_stock.DealRounds(HAND_SIZE, m_hands);
    deckPayoff.DealRounds(-1, m_payoffs);

    m_nIdleSteps = 0;
    RefreshTable();
}

void CVarrowDlg::Layout(int cx, int cy)
{
    const int nExtraRows = std::max(0, (cy - GAME_CLIENT_CY) / EXTRA_ROW_HEIGHT);
    m_ptCentre = CPoint(CENTRE_LEFT, CENTRE_TOP + g_sizeVertSpread.cy * nExtraRows);

    m_hand1.SetLayout(m_ptHand1, g_sizeHorzSpread, HAND_SIZE, 0);
    m_hand2.SetLayout(m_ptHand2, g_sizeHorzSpread, HAND_SIZE, PILE_FACE_DOWN);
    m_payoff1.SetLayout(m_ptPayoff1, g_sizeHorzSpread, PAYOFF_VISIBLE, PILE_TOP_FACE_UP);
    m_payoff2.SetLayout(m_ptPayoff2, g_sizeHorzSpread, PAYOFF_VISIBLE, PILE_TOP_FACE_UP);
    m_stock.SetLayout(m_ptStock, g_sizeHorzSpread, STOCK_VISIBLE, PILE_FACE_DOWN);

    for (int i = 0; i < DISCARD_PILES_PER_PLAYER; i++) {
        const CSize sizeOffset(m_sizeDiscardStep.cx * i, m_sizeDiscardStep.cy * i);
        m_discards1.GetAt(i)->SetLayout(m_ptDiscards1 + sizeOffset, g_sizeVertSpread,
                                        DISCARD_VISIBLE + nExtraRows, PILE_SHOW_EMPTY);
        m_discards2.GetAt(i)->SetLayout(m_ptDiscards2 + sizeOffset, g_sizeVertSpread,
                                        DISCARD_VISIBLE + nExtraRows, PILE_SHOW_EMPTY);
    }

    // A centre pile that does not fit the width is put out of sight and out of play.
    m_nCentreVisible = 0;
    for (int i = 0; i < CENTRE_PILE_COUNT; i++) {
        CPoint pt = m_ptCentre + CSize(m_sizeCentreStep.cx * i, m_sizeCentreStep.cy * i);
        if (pt.x + CARD_WIDTH < cx)
            m_nCentreVisible = i + 1;
        else
            pt = CPoint(cx, cy);
        m_centre.GetAt(i)->SetLayout(pt, g_sizeVertSpread, CENTRE_VISIBLE + nExtraRows,
                                     PILE_SHOW_EMPTY);
    }
}

void CVarrowDlg::DrawCards(CDC* pDC)
{
    CCardPainter painter(*pDC, m_pCardDCs);
    m_hand1.Paint(painter);
    m_hand2.Paint(painter);
    m_payoff1.Paint(painter);
    m_payoff2.Paint(painter);
    m_stock.SetBackImage(IMG_BACK + m_nPlayer);
    m_stock.Paint(painter);
    m_discards1.Paint(painter);
    m_discards2.Paint(painter);
    for (int i = 0; i < m_nCentreVisible; i++)
        m_centre.GetAt(i)->Paint(painter);
}

void CVarrowDlg::OnTablePress(CPoint point)
{
    if (m_bHuman[m_nPlayer] && !m_bTurnOver)
        PickCard(point, Hand(m_nPlayer), Payoff(m_nPlayer), Discards(m_nPlayer));
    if (m_stock.HitTest(point))
        EndTurnAtStock();
}

void CVarrowDlg::OnCardDropped(CPoint point)
{
    DropCard(point, Hand(m_nPlayer), Payoff(m_nPlayer), Discards(m_nPlayer));
}

void CVarrowDlg::OnDragCancelled()
{
    ShowPayoffTop(Payoff(m_nPlayer));
}

void CVarrowDlg::ShowPayoffTop(CCardPile& payoff)
{
    if (GetDraggedMove().GetKind() != MOVE_FROM_PAYOFF)
        return;
    payoff.SetDrawFlags(PILE_TOP_FACE_UP);
    DrawPile(payoff);
}

void CVarrowDlg::PickCard(CPoint point, CCardPile& hand, CCardPile& payoff, CPileGroup& discards)
{
    int nIndex = -1;
    if (hand.HitTest(point, &nIndex)) {
        PickUpCard(&hand, nIndex, MOVE_FROM_HAND, point);
    } else if (payoff.HitTest(point, &nIndex) && nIndex == payoff.GetCount() - 1) {
        // The card beneath stays hidden while the top one is carried.
        payoff.SetDrawFlags(PILE_FACE_DOWN);
        PickUpCard(&payoff, nIndex, MOVE_FROM_PAYOFF, point);
    } else {
        for (CCardPile* pPile : discards.m_piles) {
            if (pPile->HitTest(point, &nIndex) && nIndex == pPile->GetCount() - 1) {
                PickUpCard(pPile, nIndex, MOVE_FROM_DISCARD, point);
                break;
            }
        }
    }
}

void CVarrowDlg::DropCard(CPoint point, CCardPile& hand, CCardPile& payoff, CPileGroup& discards)
{
    // The centre piles in play take any card that fits; only a hand card may be discarded.
    const CCardMove& move = GetDraggedMove();
    const CCard card = move.GetCard();
    CCardPile* pTarget = nullptr;
    for (int i = 0; i < m_nCentreVisible && pTarget == nullptr; i++) {
        CCardPile* pPile = m_centre.GetAt(i);
        if (pPile->HitTest(point) && pPile->CanPlace(card))
            pTarget = pPile;
    }
    bool bDiscarded = false;
    if (pTarget == nullptr && move.GetKind() == MOVE_FROM_HAND) {
        for (CCardPile* pPile : discards.m_piles) {
            if (pPile->HitTest(point) && pPile->CanPlace(card)) {
                pTarget = pPile;
                bDiscarded = true;
                break;
            }
        }
    }
    if (pTarget != nullptr)
        PlaceDraggedCard(pTarget, pTarget->GetCount());
    else
        ReturnDraggedCard();
    ShowPayoffTop(payoff);
    if (pTarget == nullptr)
        return;

    m_nIdleSteps = 0;
    if (payoff.GetCount() == 1 && move.GetKind() == MOVE_FROM_PAYOFF) {
        RedrawBackBuffer();
        Invalidate(FALSE);
    }
    if (payoff.GetCount() == 0) {
        AnnounceWinner(m_nPlayer);
        m_nPlayer = OtherPlayer(m_nPlayer);
        RedrawBackBuffer();
        Invalidate(FALSE);
        return;
    }

    if (bDiscarded) {
        if (m_stock.GetCount() < STOCK_LOW)
            RecycleCentrePiles();
        const int nLeft = hand.GetCount();
        RefillHand(hand);
        // A discard that empties the hand lets the player play on with the new cards.
        if (nLeft == 0)
            return;
        const int nOther = OtherPlayer(m_nPlayer);
        if (!m_bHuman[nOther]) {
            m_nPlayer = nOther;
            m_stock.SetBackImage(IMG_BACK + m_nPlayer);
            DrawPile(m_stock);
            NextTurn();
        } else {
            m_bTurnOver = true;
            hand.SetDrawFlags(PILE_FACE_DOWN);
            DrawPile(hand);
        }
    } else if (hand.GetCount() == 0) {
        if (m_stock.GetCount() < STOCK_LOW)
            RecycleCentrePiles();
        RefillHand(hand);
    }
}

void CVarrowDlg::EndTurnAtStock()
{
    m_bTurnOver = false;
    if (m_nIdleSteps > 1)
        GatherAndRedeal();
    else if (m_stock.GetCount() < STOCK_LOW)
        RecycleCentrePiles();

    const int nFormer = m_nPlayer;
    RefillHand(Hand(nFormer));
    m_nPlayer = OtherPlayer(nFormer);
    m_stock.SetBackImage(IMG_BACK + m_nPlayer);
    DrawPile(m_stock);

    if (!m_bHuman[m_nPlayer]) {
        NextTurn();
        return;
    }
    // Between two people only the hand of the one to move lies face up.
    if (m_bHuman[nFormer]) {
        Hand(nFormer).SetDrawFlags(PILE_FACE_DOWN);
        DrawPile(Hand(nFormer));
    }
    Hand(m_nPlayer).SetDrawFlags(0);
    DrawPile(Hand(m_nPlayer));
}

void CVarrowDlg::RefillHand(CCardPile& hand)
{
    // MoveTopTo takes -1 for the whole pile, so a full hand must not ask at all.
    if (hand.GetCount() < HAND_SIZE)
        m_stock.MoveTopTo(HAND_SIZE - hand.GetCount(), hand);
    DrawPile(hand);
}

void CVarrowDlg::RecycleCentrePiles()
{
    for (CCardPile* pPile : m_centre.m_piles) {
        if (pPile->GetCount() > CENTRE_LAST_ORDER - 1) {
            pPile->MoveTopTo(-1, m_stock);
            DrawPile(*pPile);
        }
    }
    m_stock.Shuffle();
    DrawPile(m_stock);
}

void CVarrowDlg::GatherAndRedeal()
{
    for (CCardPile* pPile : m_centre.m_piles)
        pPile->MoveTopTo(-1, m_stock);
    for (CCardPile* pPile : m_discards1.m_piles)
        pPile->MoveTopTo(-1, m_stock);
    for (CCardPile* pPile : m_discards2.m_piles)
        pPile->MoveTopTo(-1, m_stock);
    m_hand1.MoveTopTo(-1, m_stock);
    m_hand2.MoveTopTo(-1, m_stock);
    m_stock.Shuffle();
    m_stock.DealRounds(HAND_SIZE, m_hands);
    RedrawBackBuffer();
    Invalidate(FALSE);
    m_nIdleSteps = 0;
    PumpMessages();
}

void CVarrowDlg::AnnounceWinner(int nPlayer)
{
    MessageBox(WINNER_TEXTS[nPlayer], WINNER_CAPTION, MB_OK);
    NewGame();
}


int CVarrowDlg::SequenceScore(const CMoveList& moves)
{
    const int nScore = moves.Score();
    if (moves.IsEmpty())
        return nScore;
    const CCard cardLast = moves.GetLast().GetCard();
    const CCard cardOpponent = Payoff(OtherPlayer(m_nPlayer)).Top();
    if (cardLast.GetOrder() == cardOpponent.GetOrder() - 1)
        return nScore - CVarrowSearch::OPPONENT_OPENING_PENALTY;
    return nScore;
}

bool CVarrowDlg::FindAcceptingPile(CPileGroup& discards, const CCard& card, int* pIndex)
{
    for (int i = 0; i < discards.GetCount(); i++) {
        if (discards.GetAt(i)->CanPlace(card)) {
            if (pIndex != nullptr)
                *pIndex = i;
            return true;
        }
    }
    return false;
}

void CVarrowDlg::SearchMoves(CMoveList& moves, CCardPile& hand, CCardPile& payoff,
                             CPileGroup& discards)
{
    const CVarrowSearch::SPiles piles = {&hand, &payoff, &discards, &m_centre, m_nCentreVisible,
                                         Payoff(OtherPlayer(m_nPlayer)).Top()};
    m_search.Run(moves, piles, m_bestMoves, m_nBestScore);
}

bool CVarrowDlg::VarrowComputerTurn(CCardPile& hand, CCardPile& payoff, CPileGroup& discards)
{
    const int nPayoffBefore = payoff.GetCount();
    CMoveList moves;
    m_bestMoves = CMoveList();
    m_nBestScore = INITIAL_BEST_SCORE;
    SearchMoves(moves, hand, payoff, discards);

    bool bMoved = false;
    for (int i = 0; i < m_bestMoves.GetCount(); i++) {
        CCardMove move = m_bestMoves.GetAt(i);
        AnimateMove(&move, TRUE);
        bMoved = true;
    }

    // Without a pay-off card played, the highest hand card a discard pile takes is
    // discarded; wild cards only when nothing else fits.
    const bool bPayoffPlayed = payoff.GetCount() != nPayoffBefore;
    bool bHandHeldCards = false;
    if (!bPayoffPlayed) {
        bHandHeldCards = hand.GetCount() > 0;
        int nDiscard = -1;
        int nPile = -1;
        for (int i = 0; i < hand.GetCount(); i++) {
            int nAccepting = -1;
            const CCard& card = hand.m_cards[i];
            if (FindAcceptingPile(discards, card, &nAccepting) &&
                (nDiscard < 0 || card.GetOrder() > hand.m_cards[nDiscard].GetOrder())) {
                nDiscard = i;
                nPile = nAccepting;
            }
        }
        if (nDiscard >= 0) {
            CCardPile* pTarget = discards.GetAt(nPile);
            CCardMove move(hand.m_cards[nDiscard], MOVE_FROM_HAND, nDiscard, pTarget->GetCount(),
                           &hand, pTarget);
            AnimateMove(&move, TRUE);
            bMoved = true;
        }
    }
    m_nIdleSteps = bMoved ? 0 : m_nIdleSteps + 1;

    const bool bTurnEnds = !bPayoffPlayed && bHandHeldCards && hand.GetCount() > 0;
    if (hand.GetCount() == 0 || bTurnEnds) {
        if (m_stock.GetCount() < STOCK_LOW)
            RecycleCentrePiles();
        RefillHand(hand);
    }
    // A step that moved nothing with a hand the empty stock cannot refill would only repeat
    // itself: the turn is over then too.
    if (!bMoved && hand.GetCount() == 0)
        return false;
    return !bTurnEnds;
}

bool CVarrowDlg::ComputerStep()
{
    const bool bPlaysOn = VarrowComputerTurn(Hand(m_nPlayer), Payoff(m_nPlayer), Discards(m_nPlayer));
    if (Payoff(m_nPlayer).GetCount() == 0) {
        AnnounceWinner(m_nPlayer);
        RedrawBackBuffer();
        Invalidate(FALSE);
        return false;
    }
    return bPlaysOn;
}

void CVarrowDlg::NextTurn()
{
    // Clicks that arrive between the steps must wait for the turn to end, also when a
    // discard, not a click, handed the turn over.
    CClickGuard guard(*this);
    while (ComputerStep())
        PumpMessages();

    const int nOther = OtherPlayer(m_nPlayer);
    if (!m_bHuman[nOther])
        return;
    m_nPlayer = nOther;
    m_stock.SetBackImage(IMG_BACK + m_nPlayer);
    DrawPile(m_stock);
    // The person may be playing the right, whose hand the layout turns face down.
    Hand(m_nPlayer).SetDrawFlags(0);
    DrawPile(Hand(m_nPlayer));
}
