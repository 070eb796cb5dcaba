#include "rummy/RummyDlg.h"

#include "cardtable/CardPainter.h"
#include "resources/CardImages.h"
#include "resources/resource.h"
#include "rummy/RummyRules.h"

namespace {

// Table layout, in pixels. The hands fan 13 slots wide, centred on the window: their first
// card lies half a card and six fan steps left of the middle.
constexpr int HAND_SLOTS = 13;
const CSize HAND_STEP(28, 0);
constexpr int HAND_CENTRE_STEPS = 6;
// Gap between the window's edge, the hands and the meld rows.
constexpr int TABLE_MARGIN = 4;
// Each meld area shows four cards in a narrow fan; the three of a row stand at 1/8, 3/8 and
// 5/8 of the width, shifted one hand step left.
constexpr int MELD_SLOTS = 4;
constexpr int WIDTH_EIGHTHS = 8;
// The stock and the discard pile stand at 7/8 of the width, above and below the middle.
constexpr int PILE_COLUMN_EIGHTHS = 7;
constexpr int HALF_CARD_WIDTH = CARD_WIDTH / 2;

constexpr const char* RUMMY_CAPTION = "Rummy";
// Cards each player is dealt.
constexpr int DEAL_ROUNDS = 10;

// What is said when a player goes out, or fails to.
struct OutcomeText {
    RummyOutcome outcome;
    const char* szComputer; // the computer went out (caption COMPUTER_CAPTION)
    const char* szPerson;   // the person pressed "Rummy" (caption below)
    const char* szPersonCaption;
};
constexpr const char* COMPUTER_CAPTION = "Game Over";
constexpr OutcomeText OUTCOME_TEXTS[] = {
    {RummyOutcome::Gin, "Gin", "Gin You Win", "Rummy"},
    {RummyOutcome::Rummy, "Rummy", "Rummy You Win", "Rummy"},
    {RummyOutcome::None, nullptr, "You're pulling my chain!", "Look again"},
};

const OutcomeText& TextOf(RummyOutcome outcome)
{
    for (const OutcomeText& text : OUTCOME_TEXTS) {
        if (text.outcome == outcome)
            return text;
    }
    return OUTCOME_TEXTS[0];
}

} // namespace

// System command, paint, drag icon, size and create reach CGameDlg's operations through its
// map; close is left to the dialog's default, which hides the window.
BEGIN_MESSAGE_MAP(CRummyDlg, CGameDlg)
    ON_BN_CLICKED(IDC_PLAY, &CRummyDlg::OnRummy)
END_MESSAGE_MAP()

CRummyDlg::CRummyDlg(CMainDlg* pMainDlg, CWnd* pParent) : CGameDlg(pMainDlg, pParent)
{
    m_nIDTemplate = IDD_RUMMY;
    m_handGroup.Add(&m_computerHand);
    m_handGroup.Add(&m_playerHand);
    // A click lets waiting messages through first, so a second click cannot act inside it.
    SetPressTiming(PressTiming::AfterPendingMessages);
}

BOOL CRummyDlg::OnInitDialog()
{
    CGameDlg::OnInitDialog();
    m_nCurrent = PLAYER_COMPUTER;
    m_nPlayers = PLAYER_COUNT;
    m_nPhase = PHASE_MUST_DRAW;

    CMenu* pOldMenu = GetMenu();
    m_menu.LoadMenu(IDR_TABLE_MENU);
    SetMenu(&m_menu);
    if (pOldMenu != nullptr)
        pOldMenu->DestroyMenu();
    SetWindowText(RUMMY_CAPTION);

    // The menu bar has taken its height from the client area, so the table is laid out for
    // what is left; the nominal 640 x 442 would push the person's hand past the bottom edge.
    Layout(m_rectClient.Width(), m_rectClient.Height());
    NewGame();
    return TRUE;
}

BOOL CRummyDlg::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // A caller asking only whether a handler exists must not start a game.
    if (nID == ID_FILE_NEWGAME && nCode == CN_COMMAND && pHandlerInfo == nullptr)
        NewGame();
    // The table menu's other items do nothing here; passed on, About would reach the launcher.
    if (nID == ID_HELP_ABOUT && nCode == CN_COMMAND && pHandlerInfo == nullptr)
        return TRUE;
    return CGameDlg::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CString CRummyDlg::GetGameName()
{
    return "Rummy";
}

void CRummyDlg::DrawTable(CDC* pDC)
{
    pDC->FillSolidRect(&m_rectClient, TABLE_COLOR);
    DrawCards(pDC);
}

void CRummyDlg::DrawCards(CDC* pDC)
{
    CCardPainter painter(*pDC, m_pCardDCs);
    m_computerHand.Paint(painter);
    for (int i = 0; i < MELDS_PER_PLAYER; i++)
        m_melds[i].Paint(painter);
    m_playerHand.Paint(painter);
    for (int i = MELDS_PER_PLAYER; i < MELD_COUNT; i++)
        m_melds[i].Paint(painter);
    m_stock.Paint(painter);
    m_discard.Paint(painter);
}

void CRummyDlg::Layout(int cx, int cy)
{
    const int xHand = cx / 2 - HALF_CARD_WIDTH - HAND_CENTRE_STEPS * HAND_STEP.cx;
    m_ptComputerHand = CPoint(xHand, TABLE_MARGIN);
    m_ptPlayerHand = CPoint(xHand, cy - CARD_HEIGHT - TABLE_MARGIN);
    m_computerHand.SetLayout(m_ptComputerHand, HAND_STEP, HAND_SLOTS, PILE_FACE_DOWN);
    m_playerHand.SetLayout(m_ptPlayerHand, HAND_STEP, HAND_SLOTS, 0);

    const int yComputerMelds = m_ptComputerHand.y + CARD_HEIGHT + TABLE_MARGIN;
    const int yPersonMelds = m_ptPlayerHand.y - CARD_HEIGHT - TABLE_MARGIN;
    for (int i = 0; i < MELDS_PER_PLAYER; i++) {
        const int x = (2 * i + 1) * cx / WIDTH_EIGHTHS - HALF_CARD_WIDTH - HAND_STEP.cx;
        m_ptMelds[i] = CPoint(x, yComputerMelds);
        m_ptMelds[i + MELDS_PER_PLAYER] = CPoint(x, yPersonMelds);
    }
    for (int i = 0; i < MELD_COUNT; i++)
        m_melds[i].SetLayout(m_ptMelds[i], g_sizeHorzSpread, MELD_SLOTS, PILE_SHOW_SLOTS);

    const int xPiles = PILE_COLUMN_EIGHTHS * cx / WIDTH_EIGHTHS - HALF_CARD_WIDTH;
    m_ptStock = CPoint(xPiles, cy / 2 - CARD_HEIGHT - g_sizeVertSpread.cy);
    m_ptDiscard = CPoint(xPiles, cy / 2 + g_sizeVertSpread.cy);
    m_stock.SetLayout(m_ptStock, g_sizeHorzSpread, 1, PILE_FACE_DOWN | PILE_SHOW_EMPTY);
    m_discard.SetLayout(m_ptDiscard, g_sizeHorzSpread, 1, PILE_SHOW_EMPTY);
}

void CRummyDlg::NewGame()
{
    m_nCurrent = PLAYER_COMPUTER;
    m_nPhase = PHASE_MUST_DRAW;
    // A card still held by the mouse belongs to the old deal.
    CancelDrag();

    m_handGroup.ClearAll();
    m_discard.Clear();
    for (CCardPile& meld : m_melds)
        meld.Clear();
    m_stock.BuildDeck();
    m_stock.Shuffle();
    m_stock.DealRounds(DEAL_ROUNDS, m_handGroup);
    m_stock.MoveTopTo(1, m_discard);
    m_playerHand.Sort();

    RedrawBackBuffer();
    Invalidate(FALSE);
    PumpMessages();
}

void CRummyDlg::OnTablePress(CPoint point)
{
    if (GetHand(m_nCurrent).GetCount() == 0)
        NewGame();
    if (m_bHuman[m_nCurrent])
        PickCard(point);
    else
        RummyComputerTurn();
}

void CRummyDlg::PickCard(CPoint point)
{
    CCardPile& hand = GetHand(m_nCurrent);
    int nIndex = -1;
    if (m_nPhase == PHASE_MUST_DRAW && m_stock.HitTest(point, &nIndex))
        PickUpCard(&m_stock, nIndex, MOVE_FROM_PAYOFF, point, DragFace::Down);
    else if (m_nPhase == PHASE_MUST_DRAW && m_discard.HitTest(point, &nIndex))
        PickUpCard(&m_discard, nIndex, MOVE_FROM_DISCARD, point);
    else if (hand.HitTest(point, &nIndex))
        PickUpCard(&hand, nIndex, MOVE_FROM_HAND, point);
}

void CRummyDlg::OnCardDropped(CPoint point)
{
    // The deadwood is counted with the card back in its place: in the hand when it came from
    // there, else the hand without it.
    int nDeadwood = 0;
    if (m_nPhase != PHASE_LAYING_DOWN) {
        CCardPile hand = GetHand(m_nCurrent);
        if (GetDraggedMove().GetSourcePile() == &GetHand(m_nCurrent))
            hand.AddCard(GetDraggedMove().GetCard());
        nDeadwood = CRummyRules::Deadwood(hand);
    }

    const DropPlace place = FindDropPlace(point, nDeadwood);
    if (place.pPile == nullptr)
        return;
    PlaceDraggedCard(place.pPile, place.nIndex);
    const bool bTurnPasses = place.pPile == &m_discard && m_nPhase == PHASE_HAS_DRAWN;
    m_nPhase = place.nPhase;
    if (bTurnPasses)
        NextPlayer();
}

CRummyDlg::DropPlace CRummyDlg::FindDropPlace(CPoint point, int nDeadwood)
{
    CCardPile& hand = GetHand(m_nCurrent);
    if (m_discard.HitTest(point) && (m_nPhase == PHASE_HAS_DRAWN || m_nPhase == PHASE_LAYING_DOWN)) {
        const int nPhase = m_nPhase == PHASE_LAYING_DOWN ? PHASE_LAID_DOWN : PHASE_MUST_DRAW;
        return DropPlace{&m_discard, -1, nPhase};
    }
    int nIndex = -1;
    if (hand.HitTest(point, &nIndex)) {
        // A card drawn from the stock or the discard pile completes the draw.
        const int nPhase = GetDraggedMove().GetKind() == MOVE_FROM_HAND ? m_nPhase : PHASE_HAS_DRAWN;
        return DropPlace{&hand, nIndex + 1, nPhase};
    }
    if (nDeadwood < CRummyRules::RUMMY_DEADWOOD_LIMIT) {
        for (int i = MELDS_PER_PLAYER; i < MELD_COUNT; i++) {
            if (m_melds[i].HitTest(point))
                return DropPlace{&m_melds[i], -1, PHASE_LAYING_DOWN};
        }
    }
    return DropPlace{nullptr, -1, m_nPhase};
}

void CRummyDlg::NextPlayer()
{
    m_nCurrent = (m_nCurrent + 1) % m_nPlayers;
    if (m_stock.GetCount() > 0)
        return;
    const CCard cardKept = m_discard.Top();
    m_discard.RemoveTop();
    m_discard.MoveTopTo(-1, m_stock);
    m_stock.Shuffle();
    m_discard.AddCard(cardKept);
}

void CRummyDlg::RummyComputerTurn()
{
    CCardPile& hand = GetHand(PLAYER_COMPUTER);
    if (CRummyRules::TakesDiscard(hand, m_discard.Top()))
        TakeDiscard(m_discard.GetCount() - 1);
    else
        DrawFromStock(m_stock.GetCount() - 1);

    const int nDiscard = CRummyRules::ChooseDiscard(hand);
    const RummyOutcome outcome = CRummyRules::Judge(CRummyRules::Deadwood(hand));
    if (outcome == RummyOutcome::None) {
        DiscardCard(nDiscard);
        NextPlayer();
        return;
    }
    MessageBox(TextOf(outcome).szComputer, COMPUTER_CAPTION, MB_OK);
    NewGame();
}

void CRummyDlg::TakeDiscard(int nIndex)
{
    AnimateCard(&m_discard, nIndex, &GetHand(m_nCurrent), FALSE);
}

void CRummyDlg::DrawFromStock(int nIndex)
{
    AnimateCard(&m_stock, nIndex, &GetHand(m_nCurrent), FALSE);
}

void CRummyDlg::DiscardCard(int nIndex)
{
    AnimateCard(&GetHand(m_nCurrent), nIndex, &m_discard, TRUE);
}

void CRummyDlg::AnimateCard(CCardPile* pSource, int nIndex, CCardPile* pTarget, BOOL bFaceUp)
{
    CCardMove move(pSource->m_cards[nIndex], MOVE_FROM_HAND, nIndex, pTarget->GetCount(),
                   pSource, pTarget);
    AnimateMove(&move, bFaceUp);
}

void CRummyDlg::OnRummy()
{
    // The person goes out with the person's own hand, whoever is to move: after a discard
    // the turn has already passed to the computer.
    const RummyOutcome outcome =
        CRummyRules::Judge(CRummyRules::Deadwood(GetHand(PLAYER_PERSON)));
    const OutcomeText& text = TextOf(outcome);
    MessageBox(text.szPerson, text.szPersonCaption, MB_OK);
    if (outcome != RummyOutcome::None)
        NewGame();
}
