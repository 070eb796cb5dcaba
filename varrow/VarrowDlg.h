#pragma once
// CVarrowDlg: the window of "Varrow and Malice", a patience race for two players. Each player
// owns a pay-off pile of 26 cards (only its top card face up), a hand of up to five cards and
// four discard piles; both build on up to twelve shared centre piles that run up from ace to
// king, as many as fit the window's width. Four wild cards in the shared stock stand for any
// card. Whoever empties the pay-off pile first wins.
//
// Player 1 (index 0) sits on the left, player 2 (index 1) on the right; each is played by the
// person or by the computer (menu "Player1 Human", "Player2 Human"; by default the person
// plays the left). The person drags cards with the mouse and ends a turn with a discard or a
// click on the stock. The computer plays its turn in steps: each step searches depth first
// for the best sequence of moves onto the centre piles (SearchMoves), plays it with
// animation and then discards; its turn runs inside the mouse handler that handed it over
// and dispatches pending messages between the steps.
//
// The window is hidden, not destroyed, when it is closed (WM_CLOSE is not routed), so it
// keeps its launcher slot; its rectangle is read from "VarrowRect" but never written.

#include "cardtable/CardMove.h"
#include "cardtable/CardPile.h"
#include "cardtable/GameDlg.h"
#include "cardtable/MoveList.h"
#include "cardtable/PileGroup.h"
#include "varrow/VarrowSearch.h"

class CVarrowDlg : public CGameDlg {
public:
    static constexpr int PLAYER_COUNT = 2;
    static constexpr int DISCARD_PILES_PER_PLAYER = 4;
    static constexpr int CENTRE_PILE_COUNT = 12;
    static constexpr int HAND_SIZE = 5;
    // A stock found below this many cards takes back the completed centre piles.
    static constexpr int STOCK_LOW = 12;
    // The best score a computer step starts from: a sequence must beat it to be played,
    // which a lone wild card from the hand (-20) never does.
    static constexpr int INITIAL_BEST_SCORE = -10;
    // The outer window size the game starts with.
    static constexpr int GAME_CLIENT_CX = 640;
    static constexpr int GAME_CLIENT_CY = 442;

    // A window opened by pMainDlg (not owned); the launcher creates it from IDD_VARROW.
    CVarrowDlg(CMainDlg* pMainDlg, CWnd* pParent);
    // Deletes the discard and centre piles the groups own.
    ~CVarrowDlg() override;

    // New Game and the two player switches; every command then takes the framework's route.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // Paints both hands, both pay-off piles, the stock (its back shows whose turn it is), all
    // discard piles and the centre piles in play.
    void DrawCards(CDC* pDC) override;
    // Deals afresh: two shuffled decks, one split into the pay-off piles, the other with the
    // four wild cards as the stock, which gives five cards to each hand. The player to move
    // and who plays whom stay as they are.
    void NewGame() override;
    // Places every pile for a client area of cx x cy; a taller window shows more cards of the
    // discard and centre piles, a wider one brings more centre piles into play.
    void Layout(int cx, int cy) override;
    CString GetGameName() override;

protected:
    BOOL OnInitDialog() override;
    // The person picks up a card of the player to move; a press on the stock ends the turn.
    void OnTablePress(CPoint point) override;
    // DropCard with the piles of the player to move.
    void OnCardDropped(CPoint point) override;
    // A pay-off card that went back shows its pile's top again.
    void OnDragCancelled() override;

    // Empties every pile of the table.
    void ClearTable();

    // The piles of player nPlayer (0 left, 1 right).
    CCardPile& Hand(int nPlayer) { return nPlayer == 0 ? m_hand1 : m_hand2; }
    CCardPile& Payoff(int nPlayer) { return nPlayer == 0 ? m_payoff1 : m_payoff2; }
    CPileGroup& Discards(int nPlayer) { return nPlayer == 0 ? m_discards1 : m_discards2; }
    static int OtherPlayer(int nPlayer) { return 1 - nPlayer; }

    // Picks up the card under point: a hand card, the pay-off top or a discard top.
    void PickCard(CPoint point, CCardPile& hand, CCardPile& payoff, CPileGroup& discards);
    // Lays the dropped card on the centre pile (or, from the hand, the discard pile) under
    // point when it fits, else returns it; then the win check and the turn's hand-over.
    void DropCard(CPoint point, CCardPile& hand, CCardPile& payoff, CPileGroup& discards);
    // After a pay-off card was carried: the pile shows its top face up again.
    void ShowPayoffTop(CCardPile& payoff);
    // A click on the stock: the player to move ends the turn and the other one moves.
    void EndTurnAtStock();
    // Every centre, discard and hand card back into the stock, shuffled, five to each hand.
    void GatherAndRedeal();
    // Completed centre piles back into the stock, which is then shuffled.
    void RecycleCentrePiles();
    // Tops the hand up to HAND_SIZE from the stock, as far as the stock reaches, and redraws it.
    void RefillHand(CCardPile& hand);
    // Shows the winner's message box and deals a new game.
    void AnnounceWinner(int nPlayer);

    // The computer's search over every sequence of moves onto the centre piles that extends
    // moves: the pay-off top, hand cards and discard tops (CVarrowSearch). A sequence that
    // scores more than m_nBestScore goes into m_bestMoves, its score into m_nBestScore.
    // Leaves the piles and moves as it found them; every call is a search of its own.
    void SearchMoves(CMoveList& moves, CCardPile& hand, CCardPile& payoff, CPileGroup& discards);
    // The score of a sequence for the player to move: its CMoveList score, less a penalty
    // when its last card is one below the opponent's pay-off top.
    int SequenceScore(const CMoveList& moves);
    // Whether a pile of discards accepts card; the first such pile's index into *pIndex.
    bool FindAcceptingPile(CPileGroup& discards, const CCard& card, int* pIndex);
    // One computer step: search, play the best sequence, discard when no pay-off card went.
    // True when the same player plays on.
    bool VarrowComputerTurn(CCardPile& hand, CCardPile& payoff, CPileGroup& discards);
    // One step for the player to move, then the win check; false when the turn is over.
    bool ComputerStep();
    // The computer's whole turn, then the hand-over to the person.
    void NextTurn();

    // Where the piles lie at the start size.
    CPoint m_ptPayoff1;
    CPoint m_ptPayoff2;
    CPoint m_ptStock;
    CPoint m_ptHand1;
    CPoint m_ptHand2;
    CPoint m_ptDiscards1;
    CSize m_sizeDiscardStep;
    CPoint m_ptDiscards2;
    CPoint m_ptCentre;
    CSize m_sizeCentreStep;
    // The centre piles in play: only these are drawn, searched and taken as drop targets.
    int m_nCentreVisible = 0;

    CCardPile m_payoff1;
    CCardPile m_payoff2;
    CCardPile m_hand1;
    CCardPile m_hand2;
    CCardPile m_stock;
    CPileGroup m_payoffs;
    CPileGroup m_hands;
    // Four discard piles per player and the twelve centre piles, owned by their groups.
    CPileGroup m_discards1;
    CPileGroup m_discards2;
    CPileGroup m_centre;

    // The best sequence the current computer step found, and its score.
    CMoveList m_bestMoves;
    int m_nBestScore = 0;
    // The search's context, with its table of positions.
    CVarrowSearch m_search;
    // Computer steps in a row that moved no card; two or more make the next click on the
    // stock gather and deal again.
    int m_nIdleSteps = 0;
    int m_nPlayer = 0;
    bool m_bHuman[PLAYER_COUNT] = {true, false};
    // Two people play and the one to move has discarded: the stock hands the turn on.
    bool m_bTurnOver = false;

private:
    // The check mark of a player switch on the menu.
    void CheckPlayerItem(UINT nID, bool bChecked);

    DECLARE_MESSAGE_MAP()
};
