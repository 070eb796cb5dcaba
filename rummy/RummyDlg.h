#pragma once
// CRummyDlg: the Rummy (Gin) window, where the person plays against one computer player with
// a 52-card deck. Each player holds ten cards; on a turn a player draws the top card of the
// stock or of the discard pile and then discards. The person plays by dragging cards with
// the mouse (draw, rearrange, lay cards into the meld areas, discard) and goes out with the
// "Rummy" button; the computer's turn runs when the person clicks in the window while the
// computer is to move. The rules themselves are CRummyRules'.
//
// The launcher opens it modeless from template IDD_RUMMY. Its map routes no close message:
// closing hides the window, which keeps its launcher slot and never saves its rectangle.

#include "cardtable/CardPile.h"
#include "cardtable/GameDlg.h"
#include "cardtable/PileGroup.h"

class CRummyDlg : public CGameDlg {
public:
    // The players, in turn order; the computer moves first in every deal.
    enum {
        PLAYER_COMPUTER = 0,
        PLAYER_PERSON = 1,
        PLAYER_COUNT = 2
    };
    // Meld areas 0..2 are the computer's row, 3..5 the person's.
    static constexpr int MELDS_PER_PLAYER = 3;
    static constexpr int MELD_COUNT = MELDS_PER_PLAYER * PLAYER_COUNT;

    // The person's turn, step by step.
    enum {
        PHASE_MUST_DRAW = 0,   // draws from the stock or the discard pile
        PHASE_HAS_DRAWN = 1,   // discards, and the turn passes
        PHASE_LAYING_DOWN = 2, // lays cards into the meld areas, then discards
        PHASE_LAID_DOWN = 3    // has discarded after laying down; goes out with "Rummy"
    };

    // A window on IDD_RUMMY opened by pMainDlg (not owned); all piles empty.
    CRummyDlg(CMainDlg* pMainDlg, CWnd* pParent);

    // Runs New Game for ID_FILE_NEWGAME, at once and without asking; then routes every
    // command on as the base does.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Paints the green table, then DrawCards.
    void DrawTable(CDC* pDC) override;
    // Paints the computer's hand and meld areas, the person's hand and meld areas, the stock
    // and the discard pile, in this order.
    void DrawCards(CDC* pDC) override;
    // Deals a new game: both hands of ten from a shuffled deck, one card face up on the
    // discard pile, the rest as the stock; the computer is to move.
    void NewGame() override;
    void Layout(int cx, int cy) override;
    CString GetGameName() override;

    // The piles, for those who watch the table.
    CCardPile& GetStock() { return m_stock; }
    CCardPile& GetDiscard() { return m_discard; }
    // The hand of PLAYER_COMPUTER or PLAYER_PERSON.
    CCardPile& GetHand(int nPlayer) { return *m_handGroup.GetAt(nPlayer); }
    // Meld area 0..MELD_COUNT - 1.
    CCardPile& GetMeld(int nMeld) { return m_melds[nMeld]; }
    int GetCurrentPlayer() const { return m_nCurrent; }
    int GetPhase() const { return m_nPhase; }

protected:
    BOOL OnInitDialog() override;
    // A click: a new deal first when the hand to move is empty, then the person picks up a
    // card or the computer plays its turn.
    void OnTablePress(CPoint point) override;
    // Lays the dropped card where the phase lets it go, or leaves it to go back.
    void OnCardDropped(CPoint point) override;
    // The "Rummy" button: the person goes out, or is told to look again.
    afx_msg void OnRummy();

private:
    // Picks up the card under point that the phase lets the person take.
    void PickCard(CPoint point);
    // Where a card dropped at point goes: the pile (nullptr: back where it came from), the
    // index there (-1: on top) and the person's phase afterwards.
    struct DropPlace {
        CCardPile* pPile;
        int nIndex;
        int nPhase;
    };
    // nDeadwood is the hand's deadwood counted with the dragged card in it.
    DropPlace FindDropPlace(CPoint point, int nDeadwood);
    // Passes the turn; an empty stock is refilled from the discard pile, shuffled.
    void NextPlayer();
    void RummyComputerTurn();
    void TakeDiscard(int nIndex);
    void DrawFromStock(int nIndex);
    void DiscardCard(int nIndex);
    // Slides card nIndex of pSource onto the end of pTarget.
    void AnimateCard(CCardPile* pSource, int nIndex, CCardPile* pTarget, BOOL bFaceUp);

    CPoint m_ptComputerHand;
    CPoint m_ptPlayerHand;
    CPoint m_ptMelds[MELD_COUNT];
    CPoint m_ptStock;
    CPoint m_ptDiscard;

    CCardPile m_stock;
    CCardPile m_discard;
    CCardPile m_computerHand;
    CCardPile m_playerHand;
    CCardPile m_melds[MELD_COUNT];
    // The two hands in player order; not owned (they are the members above).
    CPileGroup m_handGroup;
    int m_nPlayers = PLAYER_COUNT;
    int m_nCurrent = PLAYER_COMPUTER;
    bool m_bHuman[PLAYER_COUNT] = {false, true};
    int m_nPhase = PHASE_MUST_DRAW;

    DECLARE_MESSAGE_MAP()
};
