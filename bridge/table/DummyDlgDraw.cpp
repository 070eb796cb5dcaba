// CDummyDlg: layout, drawing of the table and mouse play.

#include "bridge/bidding/Bid.h"
#include "bridge/play/PlayConstants.h"
#include "bridge/play/whistattack.h"
#include "bridge/table/DummyDlg.h"
#include "bridge/table/SeatNames.h"
#include "cardtable/CardPainter.h"
#include "resources/CardImages.h"

namespace {


// Table layout, in pixels (w, h: the card size).
constexpr int W = CARD_WIDTH;
constexpr int H = CARD_HEIGHT;
// Gap between the window's edge and the hands.
constexpr int EDGE_GAP = 4;
// The trick lies this far left of the centred card, so that its four-card fan is centred.
constexpr int TRICK_SHIFT = 28;
// The Play button covers the trick's four-card fan.
constexpr int PLAY_BUTTON_EXTRA = 56;
// Seat names: 80 x 20 boxes; the side texts 160 x 60 boxes.
constexpr int NAME_HALF_WIDTH = 40;
constexpr int NAME_HEIGHT = 20;
constexpr int NAME_GAP = 4;
constexpr int EAST_NAME_GAP = 60;
constexpr int SIDE_TEXT_HALF_WIDTH = 80;
constexpr int SIDE_TEXT_HEIGHT = 60;
constexpr int WEST_NAME_RISE = 40;
// The played cards lie at the bottom right, their four-card fan inside the window.
constexpr int PLAYED_SHIFT = 56;
// The game number line at the bottom left.
constexpr int GAME_LINE_TOP = 24;
constexpr int GAME_LINE_BOTTOM = 4;
// Suit piles: North's and South's four columns one card and a fan step apart around the
// centre; West's and East's four rows one card and a fan step apart around the middle.
constexpr int SUIT_COLUMN_SHIFT = 2 * W + 21;
constexpr int SUIT_ROW_SHIFT = 2 * H + 28;
constexpr int SOUTH_SUIT_RAISE = 15;
constexpr int EAST_SUIT_SHIFT = 10;
// The contract's text box at the top left.
const CRect CONTRACT_RECT(0, 0, 200, 20);

// The smallest table keeps the side texts and the seat names clear of every card while no
// seat shows a suit longer than this, face up or face down, whichever seat is dummy (more
// than 95 deals in 100).
constexpr int LEGIBLE_SUIT_LENGTH = 6;

constexpr COLORREF TEXT_COLOR = RGB(0, 0, 0);
constexpr COLORREF DUMMY_COLOR = RGB(0, 0, 255);
constexpr COLORREF LEADER_COLOR = RGB(255, 255, 255);
constexpr UINT TEXT_FORMAT = DT_LEFT | DT_TOP | DT_NOPREFIX;
// A score line too wide for its side text box, as scores of a thousand million make it,
// goes on at a blank on the next line, for which the box has room, rather than be cut.
constexpr UINT SIDE_TEXT_FORMAT = TEXT_FORMAT | DT_WORDBREAK;

} // namespace

void CDummyDlg::Layout(int cx, int cy)
{
    const CPoint ptTrick(cx / 2 - W / 2 - TRICK_SHIFT, cy / 2 - H / 2);
    m_handNorth.SetPosition(CPoint(cx / 2 - W / 2, EDGE_GAP), g_sizeHorzSpread);
    m_handEast.SetPosition(CPoint(cx - W - EDGE_GAP, cy / 2 - H / 2), g_sizeVertSpread);
    m_handWest.SetPosition(CPoint(EDGE_GAP, cy / 2 - H / 2), g_sizeVertSpread);
    m_trick.SetPosition(ptTrick, g_sizeHorzSpread);
    if (m_btnPlay.GetSafeHwnd() != nullptr)
        m_btnPlay.MoveWindow(ptTrick.x, ptTrick.y, W + PLAY_BUTTON_EXTRA, H, TRUE);

    m_rectNorthName.SetRect(cx / 2 - NAME_HALF_WIDTH, ptTrick.y - NAME_GAP - NAME_HEIGHT,
                            cx / 2 + NAME_HALF_WIDTH, ptTrick.y - NAME_GAP);
    m_rectEastName.SetRect(ptTrick.x + W + EAST_NAME_GAP, ptTrick.y + H / 2 - NAME_HEIGHT / 2,
                           ptTrick.x + W + EAST_NAME_GAP + 2 * NAME_HALF_WIDTH,
                           ptTrick.y + H / 2 + NAME_HEIGHT / 2);
    m_rectSouthName.SetRect(cx / 2 - NAME_HALF_WIDTH, ptTrick.y + H + NAME_GAP,
                            cx / 2 + NAME_HALF_WIDTH, ptTrick.y + H + NAME_GAP + NAME_HEIGHT);
    m_rectSideNS.SetRect(cx / 2 - SIDE_TEXT_HALF_WIDTH, ptTrick.y + H + NAME_GAP + NAME_HEIGHT,
                         cx / 2 + SIDE_TEXT_HALF_WIDTH,
                         ptTrick.y + H + NAME_GAP + NAME_HEIGHT + SIDE_TEXT_HEIGHT);
    m_rectWestName.SetRect(ptTrick.x - NAME_GAP - 2 * NAME_HALF_WIDTH,
                           ptTrick.y + H / 2 - WEST_NAME_RISE, ptTrick.x - NAME_GAP,
                           ptTrick.y + H / 2 - WEST_NAME_RISE + NAME_HEIGHT);
    m_rectSideEW.SetRect(ptTrick.x - NAME_GAP - 2 * SIDE_TEXT_HALF_WIDTH,
                         ptTrick.y + H / 2 - NAME_HEIGHT, ptTrick.x - NAME_GAP,
                         ptTrick.y + H / 2 - NAME_HEIGHT + SIDE_TEXT_HEIGHT);
    m_playedCards.SetPosition(CPoint(cx - W - PLAYED_SHIFT, cy - H - EDGE_GAP), g_sizeHorzSpread);

    const int nSouthVisible = m_southSuitPiles[0].GetVisibleCount();
    const int nEastVisible = m_eastSuitPiles[0].GetVisibleCount();
    int xLastColumn = 0;
    for (int i = 0; i < SUIT_COUNT; i++) {
        const int x = cx / 2 + (W + g_sizeHorzSpread.cx) * i - SUIT_COLUMN_SHIFT;
        const int y = cy / 2 + (H + g_sizeVertSpread.cy) * i - SUIT_ROW_SHIFT;
        m_northSuitPiles[i].SetPosition(CPoint(x, EDGE_GAP), g_sizeVertSpread);
        m_southSuitPiles[i].SetPosition(
            CPoint(x, cy - nSouthVisible * g_sizeVertSpread.cy - H + SOUTH_SUIT_RAISE),
            g_sizeVertSpread);
        m_westSuitPiles[i].SetPosition(CPoint(EDGE_GAP, y), g_sizeHorzSpread);
        m_eastSuitPiles[i].SetPosition(
            CPoint(cx - nEastVisible * g_sizeHorzSpread.cx - W + EAST_SUIT_SHIFT, y),
            g_sizeHorzSpread);
        xLastColumn = x;
    }
    m_rectGameNumber.SetRect(0, cy - GAME_LINE_TOP, xLastColumn, cy - GAME_LINE_BOTTOM);
}

void CDummyDlg::OnGetMinMaxInfo(LPMINMAXINFO lpMMI)
{
    CGameDlg::OnGetMinMaxInfo(lpMMI);
    // The minimum is the table's; the menu bar comes on top of it.
    CRect rectWindow;
    CRect rectClient;
    GetWindowRect(&rectWindow);
    GetClientRect(&rectClient);
    const CSize sizeMin = GetMinClientSize();
    lpMMI->ptMinTrackSize.x = sizeMin.cx + rectWindow.Width() - rectClient.Width();
    lpMMI->ptMinTrackSize.y = sizeMin.cy + rectWindow.Height() - rectClient.Height();
}

CSize CDummyDlg::GetMinClientSize()
{
    // West's face-up fan, from the left edge, must end where the East/West text begins: the
    // text lies a name gap and its own width left of the trick, which lies left of the centre.
    const int cxHalf = EDGE_GAP + (LEGIBLE_SUIT_LENGTH - 1) * g_sizeHorzSpread.cx + W + W / 2 +
                       TRICK_SHIFT + NAME_GAP + 2 * SIDE_TEXT_HALF_WIDTH;
    // South's suit piles, raised from the bottom edge by their fan, must begin where the
    // North/South text below South's name ends; the trick's row is half the height rounded
    // down, so an odd height gives the lower half the one pixel more it needs.
    const int cyLowerHalf = LEGIBLE_SUIT_LENGTH * g_sizeVertSpread.cy + H - SOUTH_SUIT_RAISE +
                            H / 2 + NAME_GAP + NAME_HEIGHT + SIDE_TEXT_HEIGHT;
    return CSize(2 * cxHalf, 2 * cyLowerHalf - 1);
}

void CDummyDlg::DrawTable(CDC* pDC)
{
    pDC->FillSolidRect(&m_rectClient, TABLE_COLOR);
    pDC->SetTextColor(TEXT_COLOR);
    if (m_nContractLevel >= 0) {
        const CBid contract(nullptr, m_nContractLevel * BID_STRAIN_STEP + m_nTrumps + 1, "");
        CRect rect = CONTRACT_RECT;
        pDC->DrawText("Contract: " + contract.GetText(), &rect, TEXT_FORMAT);
    }
    pDC->SetBkColor(TABLE_COLOR);

    CRect* const sideRects[SIDE_COUNT] = {&m_rectSideNS, &m_rectSideEW};
    for (int nSide = 0; nSide < SIDE_COUNT; nSide++) {
        CString strText;
        strText.Format("Tricks : %d\nScore : %d / %d\n", m_nTricks[nSide], m_nAbove[nSide],
                       m_nBelow[nSide]);
        strText += m_nGames[nSide] == 1 ? "Vulnerable" : "Not vulnerable";
        pDC->DrawText(strText, sideRects[nSide], SIDE_TEXT_FORMAT);
    }
    CString strGame;
    strGame.Format("Game: %d", CCardPile::GetGameNumber() - 1);
    pDC->DrawText(strGame, &m_rectGameNumber, TEXT_FORMAT);

    CRect* const nameRects[SEAT_COUNT] = {&m_rectNorthName, &m_rectEastName, &m_rectSouthName,
                                          &m_rectWestName};
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        pDC->DrawText(g_strSeatNames[nSeat], nameRects[nSeat], TEXT_FORMAT);
    if (m_bOpenDummy && m_nState == STATE_PLAYING && m_nDummy >= 0 && m_nDummy < SEAT_COUNT) {
        pDC->SetTextColor(DUMMY_COLOR);
        pDC->DrawText(g_strSeatNames[m_nDummy], nameRects[m_nDummy], TEXT_FORMAT);
    }
    const int nLeader = m_trick.GetLeader();
    if (nLeader >= 0 && nLeader < SEAT_COUNT) {
        pDC->SetTextColor(LEADER_COLOR);
        pDC->DrawText(g_strSeatNames[nLeader], nameRects[nLeader], TEXT_FORMAT);
    }
    DrawCards(pDC);
}

void CDummyDlg::DrawCards(CDC* pDC)
{
    CCardPainter painter(*pDC, m_pCardDCs);
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        if (m_bFaceUp[nSeat])
            GetSeatPiles(nSeat)->Paint(painter);
        else
            Hand(nSeat).Paint(painter);
    }
    m_trick.Paint(painter);
    if (m_bShowLastTrick)
        m_playedCards.Paint(painter);
}

bool CDummyDlg::CanEditDeal() const
{
    if (m_nDummy < 0)
        return false;
    return SideOf(m_nDummy) == 0 ? m_bManualPlayNS : m_bManualPlayEW;
}

void CDummyDlg::OnTablePress(CPoint point)
{
    if (m_bBusy)
        return;
    m_bBusy = true;
    if (m_nState == STATE_PLAYING) {
        if (Hand(m_nToPlay).GetCount() > 0) {
            if (m_bManual[m_nToPlay])
                PickCard(point);
            if (m_bPlaySingleClick)
                PlayComputerSeats();
        } else {
            NextDeal();
        }
    } else if (m_nState == STATE_BEFORE_PLAY && CanEditDeal()) {
        PickCard(point);
    }
    m_bBusy = false;
}

void CDummyDlg::OnTableRelease(CPoint)
{
    if (m_bBusy)
        return;
    m_bBusy = true;
    PlayComputerSeats();
    m_bBusy = false;
}

void CDummyDlg::OnCardDropped(CPoint point)
{
    if (m_bBusy)
        return;
    m_bBusy = true;
    if (m_nState == STATE_PLAYING) {
        const int nSeat = m_nToPlay;
        if (SideOf(nSeat) == m_nDeclaringSide && m_trick.GetCount() < 2) {
            // The declaring side's later card of this trick comes from this engine.
            DropAttackEngine();
            m_pAttack = new CWhistAttack(nSeat, NextSeat(m_nLeader), m_nTrumps,
                                         m_nContractLevel, &Hand(nSeat),
                                         &Hand(PartnerSeat(nSeat)), &m_tricks, &m_trick,
                                         GetAuction(), m_pExplain);
        }
        DropCard(point);
        PlayComputerSeats();
    } else if (m_nState == STATE_BEFORE_PLAY && CanEditDeal()) {
        DropCard(point);
    }
    m_bBusy = false;
}

void CDummyDlg::OnDraggedCardMoved()
{
    // The Play button lies over the trick: it repaints over a card dragged across it.
    if (m_btnPlay.GetSafeHwnd() != nullptr)
        m_btnPlay.Invalidate(FALSE);
}

void CDummyDlg::PickCard(CPoint point)
{
    const bool bPlaying = m_nState == STATE_PLAYING;
    const int nFirstSeat = bPlaying ? m_nToPlay : 0;
    const int nLastSeat = bPlaying ? m_nToPlay : SEAT_COUNT - 1;
    for (int nSeat = nFirstSeat; nSeat <= nLastSeat; nSeat++) {
        CPileGroup* pSuits = GetSeatPiles(nSeat);
        for (int i = 0; i < SUIT_COUNT; i++) {
            CCardPile* pPile = pSuits->GetAt(i);
            int nIndex = -1;
            if (!pPile->HitTest(point, &nIndex))
                continue;
            if (bPlaying && m_bPlaySingleClick)
                PlayClickedCard(pPile, nIndex);
            else
                PickUpCard(pPile, nIndex, MOVE_FROM_HAND, point);
            return;
        }
    }
}

bool CDummyDlg::FollowsSuit(const CCard& card) const
{
    if (m_trick.GetCount() == 0)
        return true;
    const CCard& led = m_trick.m_cards[0];
    return card.GetSuit() == led.GetSuit() || Hand(m_nToPlay).CountSuitOf(led) == 0;
}

void CDummyDlg::PlayClickedCard(CCardPile* pPile, int nIndex)
{
    const CCard card = pPile->m_cards[nIndex];
    if (!FollowsSuit(card))
        return;
    CCardMove move(card, MOVE_FROM_HAND, nIndex, m_trick.GetCount(), pPile, &m_trick);
    AnimateMove(&move, TRUE);
    Hand(m_nToPlay).RemoveCard(card);
    AdvancePlayer();
}

void CDummyDlg::DropCard(CPoint point)
{
    // A card laid nowhere here goes back to its suit pile when the drop is over.
    const CCard card = GetDraggedMove().GetCard();
    if (m_nState == STATE_PLAYING) {
        if (m_trick.HitTest(point) && FollowsSuit(card)) {
            PlaceDraggedCard(&m_trick, m_trick.GetCount());
            Hand(m_nToPlay).RemoveCard(card);
            AdvancePlayer();
        }
        return;
    }

    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        CPileGroup* pSuits = GetSeatPiles(nSeat);
        for (int i = 0; i < SUIT_COUNT; i++) {
            CCardPile* pPile = pSuits->GetAt(i);
            if (!pPile->HitTest(point))
                continue;
            PlaceDraggedCard(pPile, -1);
            pPile->Sort();
            m_bDealEdited = true;
            if (pPile->GetCount() > pPile->GetVisibleCount()) {
                for (int j = 0; j < SUIT_COUNT; j++)
                    pSuits->GetAt(j)->SetVisibleCount(pPile->GetCount());
                RefreshTable();
            }
            DrawPile(*pPile);
            return;
        }
    }
}
