#pragma once
// CDummyDlg: the bridge table window ("Dummy/Partner Whist"). Four seats sit at a green
// table, the person at South; the trick lies in the middle, each side's tricks, score and
// vulnerability beside it. This table has no auction: every deal is played in a contract
// whose trump suit steps on by one each deal (clubs, diamonds, hearts, spades, no trump) at
// the level last chosen, with the dealer as opening leader. Computer seats play through the
// play engines (a kept CWhistAttack for the declaring side with dummy open, else a CWhistDefend
// built for one card); the person plays by dragging a card to the trick or, in single-click
// play, by clicking it. Finished deals are scored by a simple whist count.
//
// The bridge dialog with the auction derives from it and replaces the deal set-up, scoring
// and score box through the virtual operations below; every call of the table goes through
// them. The launcher creates it modeless from template IDD_GAME_TABLE; closing it saves the
// scores, the dealer and the window's rectangle and frees the launcher's slot.
//
// Source files: DummyDlg.cpp (deal and play loop), DummyDlgCommands.cpp (commands, modes and
// settings), DummyDlgDraw.cpp (drawing, layout and mouse play), DummyDlgScore.cpp (scoring and
// the deal record) and DummyDlgFile.cpp (hand files, autosave, the XML export and the imports,
// and the statistics file).

#include <string>
#include <vector>

#include "bridge/bidding/Auction.h"
#include "bridge/play/ExplainOwner.h"
#include "bridge/play/Trick.h"
#include "bridge/table/FileDeal.h"
#include "bridge/table/HandStats.h"
#include "bridge/table/ScoreLimits.h"
#include "bridge/table/TableFileIo.h"
#include "cardtable/CardMove.h"
#include "cardtable/CardPile.h"
#include "cardtable/GameDlg.h"
#include "cardtable/PileGroup.h"
#include "platform/wnd/CButton.h"

class CExplainWhistDlg;
class CWhistAttack;

// The table's state, m_nState.
enum {
    STATE_BEFORE_PLAY = 0,
    STATE_BIDDING = 1, // only the dialog with the auction, while the auction runs
    STATE_PLAYING = 2
};

class CDummyDlg : public CGameDlg, public CExplainOwner {
public:
    // The seats; the person sits South.
    enum { SEAT_NORTH = 0, SEAT_EAST = 1, SEAT_SOUTH = 2, SEAT_WEST = 3 };

    // A table opened by pMainDlg (not owned, may be null): empty piles, dealer West, South
    // the person's. The deal comes with OnInitDialog.
    CDummyDlg(CMainDlg* pMainDlg, CWnd* pParent);
    // Frees the kept declarer engine, the explanation window and the completed tricks, then
    // writes the mode switches to the settings.
    ~CDummyDlg() override;

    // Menu 131's commands that the table handles (command notifications only); every
    // command then goes on to the framework's routing.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // The explanation window has closed itself: it is disposed of and forgotten, by the
    // kept declarer engine too, and its menu item unchecked.
    void OnExplainWindowClosed() override;

    // CGameDlg's operations.
    // Writes the side scores and the dealer, then the base's close (rectangle, launcher slot).
    void OnClose() override;
    // The table, the contract, the side texts, the game number and the seat words.
    void DrawTable(CDC* pDC) override;
    // Each seat's suit piles (face up) or hand (one back), the trick and, when shown, the
    // last completed trick.
    void DrawCards(CDC* pDC) override;
    void Layout(int cx, int cy) override;
    // The smallest client area the table opens at and may be resized to: the layout keeps the
    // side texts and seat names clear of the cards there (and on every larger area) unless a
    // seat shows a suit of seven or more cards.
    static CSize GetMinClientSize();
    // Dealer back to West, all side scores 0, then the next deal.
    void NewGame() override;
    CString GetGameName() override;

    // Virtual operations of the table.
    // The Play button: the 13-card check after a hand-made deal, then the computer seats
    // play until a seat of the person's is to play or the deal is over.
    virtual void OnPlay();
    // Next dealer, next trump suit, a new deal and the start of play.
    virtual void NextDeal();
    // Seat to play, declaring side and dummy for the contract on the table.
    virtual void StartPlay();
    // Scores the finished deal (whist count).
    virtual void ScoreDeal();
    // The "Score" message box.
    virtual void ShowScore();
    // Whether the seat to play is played by the computer now.
    virtual bool IsComputerToPlay();
    // Open Hand: a file dialog, then ReadHandFile.
    virtual void OnOpenHand();
    // The deal again from where it stood when play began.
    virtual void OnReplayHand();
    // The auction the play engines and the deal record read; null at this table.
    virtual CAuction* GetAuction();
    // Shows the auction; there is none at this table.
    virtual void ShowBidding();
    // Select Game: the deal selection box, then SelectGame.
    virtual void OnSelectGame();
    // Import Xml: a file dialog, then the dealer (as the seat that starts the deal), the hands
    // and the scores of an ".xml" hand file; contract and dealer stay as they are. A file
    // that cannot be read or holds no consistent deal is reported and changes nothing.
    virtual void OnImportXml();
    // Import Times Bridge: a file dialog, then the four hands of a ".bridge" file; contract,
    // seats and scores stay as they are. A short or damaged file is reported and changes
    // nothing.
    virtual void OnImportBridgeFile();
    // Export Xml: a file dialog, then the deal as an ".xml" hand file (as it stood when play
    // began once a trick is complete), with the auction once the deal has had one. A file
    // that cannot be written is reported and left as it was.
    void OnExportXml();
    // Save Stats: a file dialog, then one line per finished deal of this window; a file that
    // cannot be written is reported and left as it was.
    void OnSaveStats();

    // Modes (each also sets the check mark of its menu item).
    void SetAutoSave(bool bOn);
    void SetManualBid(bool bOn);
    // On turns Show Hands on first; the person then plays North (and South).
    void SetManualPlayNS(bool bOn);
    // On turns Show Hands on first; the person then plays East and West.
    void SetManualPlayEW(bool bOn);
    // Off while a manual mode is on asks first, and on OK turns the manual modes off.
    void SetShowHands(bool bOn);
    void OpenDummy();
    void CloseDummy();
    // Stores dummy's seat and, with dummy open, lays it face up.
    void SetDummy(int nSeat);

    // Every hand one seat clockwise, or dealer and lead one seat on; before play only.
    void OnRotateHands();
    void OnRotateLead();
    // Deals game nGameNumber next, led by nLeader in nSuit (0 clubs .. 4 no trump) at level
    // index nLevel (0 for the one-level).
    void SelectGame(int nGameNumber, int nLeader, int nLevel, int nSuit);
    // Plays nHands + 1 deals automatically (in the last one the manual modes apply again),
    // then deals one for the person. nHands is held between -1 and one below the int's limit.
    // A close of the window (or of the launcher, or an end signal) ends it within a card.
    void PlayFullAuto(int nHands);

    // Writes the deal to szFileName as a hand file: as it stands, or as it stood when play
    // began once a trick is complete. False when it cannot be written, after a message box
    // naming the file and the reason unless report is Quiet; the old file is then as it was.
    bool WriteHandFile(const char* szFileName, SaveReport report = SaveReport::Shown);
    // Loads the deal of the hand file szFileName. A file that cannot be read, or that holds no
    // consistent deal, is reported in a message box and leaves the table as it was; false then.
    bool ReadHandFile(const char* szFileName);
    // Save Hand: a file dialog, then WriteHandFile.
    void OnSaveHand();

    // The suit piles of seat 0..3, null for any other value.
    CPileGroup* GetSeatPiles(int nSeat);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Mouse play (the base carries the card): a press picks a card of the seat to play, or
    // before play any seat's card to set up the deal; after the last trick it deals anew.
    void OnTablePress(CPoint point) override;
    // A release with no card: the computer seats play on.
    void OnTableRelease(CPoint point) override;
    // A dragged card comes down on the trick or, before play, on a suit pile; then the
    // computer seats play on.
    void OnCardDropped(CPoint point) override;
    void OnDraggedCardMoved() override;
    // The window's smallest size: the minimum client area with the menu bar on top.
    afx_msg void OnGetMinMaxInfo(LPMINMAXINFO lpMMI);

    // The deal.
    // A shuffled deal in the four hands, sorted and displayed, autosaved when on.
    void DealCards();
    // Writes the deal to the next of the nine rotating autosave files. A failure is reported
    // once; later ones stay quiet until an autosave succeeds or Auto Save is switched again.
    void AutoSaveDeal();
    // Empties the table for a new deal, state before play.
    void ResetDeal();
    // Adds TRUMP_BONUS to the trump suit's cards of the four hands, once per deal.
    void RaiseTrumps();
    // Takes the bonus off again when the cards carry it.
    void LowerTrumps();
    // Whether any card of the four hands carries the trump bonus.
    bool TrumpsRaised() const;
    // Each hand copied into its seat's four suit piles, trumps first.
    void ArrangeSuitPiles();
    // Every suit pile of a seat shows as many slots as the seat's longest suit.
    void UpdateSuitPileCounts();
    // Each hand rebuilt from its seat's suit piles, sorted.
    void SpreadHands();
    // Rebuilds each hand from its seat's suit piles after a hand-made deal; false (after the
    // message) when a seat does not hold 13 cards.
    bool CheckEditedDeal();
    // Keeps hands, contract, seats and side scores as play begins, for Replay Hand.
    void SaveOriginalDeal();
    // Applies the show-hands and manual switches again with their current values.
    void ReapplyModes();
    // The files.
    // The deal as the files describe it: before the first completed trick the hands (plain
    // orders) and scores as they stand, afterwards the deal and scores as play began; the
    // contract is the one in play.
    CFileDeal DealForFile();
    // A reader of one file format: the file's bytes into a deal, or false with the problem.
    using DealParser = bool (*)(const std::string& strText, CFileDeal& deal, CString& strProblem);
    // Reads strFile whole and, when pfnParse accepts it, puts its deal on the table; otherwise
    // a message box names the file and what is wrong (szKind: what it should have been, "a
    // hand file"), and the table stays as it was.
    bool LoadFile(const CString& strFile, DealParser pfnParse, const char* szKind);
    // Puts a deal a reader accepted on the table, before play: what the file held replaces
    // the table's, the rest stays; a table without an auction keeps its contract for a deal
    // that has none yet. A deal without 13 cards at every seat must pass Play's check of a
    // deal set up by hand.
    void LoadDeal(const CFileDeal& deal);
    // The end of every load: trumps raised, hands sorted, and the deal shown ready to play.
    void FinishLoad();
    // The deal in the members made ready to play: suit piles counted and arranged, declaring
    // side, trick and dummy from the leader, modes applied, explanation cleared, table redrawn.
    void ShowDealForPlay();
    // Whether every seat holds 13 cards.
    bool HoldsFullDeal() const;

    // The play.
    // Plays card from the hand of the seat to play onto the trick, animated. Throws when
    // the hand does not hold it.
    void PlayCard(const CCard& card);
    // One computer card; a failure is reported and the deal replayed.
    void ComputerPlay();
    // The engine's card for the seat to play.
    CCard ChooseComputerCard();
    // Computer seats play while play is under way and a computer seat is to play; a close
    // request is let through after every card and stops play when the window goes.
    void PlayComputerSeats();
    // After every card: dummy laid open after the opening lead, the trick completed, or
    // the turn passed on.
    void AdvancePlayer();
    // The trick to its winner; after the last trick the deal's end.
    void CompleteTrick();
    // Appends the deal's record to m_stats.
    void RecordStatistics();

    // Mouse play.
    // Picks up the card under point, or plays it at once with single-click play.
    void PickCard(CPoint point);
    // Lays the dropped card where point and the rules allow.
    void DropCard(CPoint point);
    // Whether card may go to the trick: follows suit, or the seat cannot.
    bool FollowsSuit(const CCard& card) const;
    // Single-click play of card nIndex of pPile, when it follows suit.
    void PlayClickedCard(CCardPile* pPile, int nIndex);
    // Whether the manual mode of dummy's side lets the person set up the deal by hand.
    bool CanEditDeal() const;

    // The hand of seat 0..3.
    CCardPile& Hand(int nSeat) { return *m_hands.GetAt(nSeat); }
    const CCardPile& Hand(int nSeat) const { return *m_hands.GetAt(nSeat); }
    // The North rule of dummy open: who plays North.
    void ApplyNorthRule();
    // Checks or unchecks menu item nID of the table's menu.
    void CheckMenuItem(UINT nID, bool bChecked);
    // Whether menu item nID is checked.
    bool IsMenuItemChecked(UINT nID) const;
    // A message box with OK and Cancel and the question icon; true on OK.
    bool Confirm(LPCTSTR szText, LPCTSTR szCaption);
    // Deletes the kept declarer engine.
    void DropAttackEngine();
    // Makes the explanation window, hidden, and hands it to the kept engine.
    void CreateExplainWindow();
    // The explanation window (null: none) for the table and the kept declarer engine alike,
    // so that no engine holds a window past its life.
    void SetExplainWindow(CExplainWhistDlg* pExplain);
    // Reads and writes the per-game side scores and dealer.
    void LoadScores();
    void SaveScores();
    // The per-game value name: game name + word + side suffix (seat name of 2 + side).
    CString SideValueName(const char* szWord, int nSide);

    // The command handlers of menu 131.
    void OnNewGameCommand();
    void OnNewDealCommand();
    void OnQuit();
    void OnToggleDummy();
    void OnToggleShowHands();
    void OnToggleManualNS();
    void OnToggleManualEW();
    void OnToggleManualBid();
    void OnToggleExplanation();
    void OnToggleAutoSave();
    void OnRotateAll();
    void OnCardPlayOptions();
    void OnPlayFullAutoCommand();
    void OnPlayerNames();

    CButton m_btnPlay;
    CRect m_rectNorthName;
    CRect m_rectEastName;
    CRect m_rectSouthName;
    CRect m_rectWestName;
    CRect m_rectSideNS;
    CRect m_rectSideEW;
    CRect m_rectGameNumber;
    CTrick m_trick;
    // Every card played in this deal; its four topmost are the last completed trick.
    CCardPile m_playedCards;
    CCardPile m_handNorth;
    CCardPile m_handSouth;
    CCardPile m_handEast;
    CCardPile m_handWest;
    CCardPile m_origNorth;
    CCardPile m_origSouth;
    CCardPile m_origEast;
    CCardPile m_origWest;
    // The four hands by seat (not owned).
    CPileGroup m_hands;
    // The completed tricks of the deal, each a CTrick owned by the table.
    CPileGroup m_tricks;
    // Each seat's hand shown one suit per pile (the groups do not own them).
    CCardPile m_northSuitPiles[SUIT_COUNT];
    CPileGroup m_northSuits;
    CCardPile m_southSuitPiles[SUIT_COUNT];
    CPileGroup m_southSuits;
    CCardPile m_eastSuitPiles[SUIT_COUNT];
    CPileGroup m_eastSuits;
    CCardPile m_westSuitPiles[SUIT_COUNT];
    CPileGroup m_westSuits;

    bool m_bOpenDummy = true;
    bool m_bAutoSave = false;
    bool m_bShowHands = false;
    bool m_bManualPlayNS = false;
    bool m_bManualPlayEW = false;
    bool m_bManualBid = false;
    bool m_bAutoPlay = false;
    bool m_bBidSingleClick = false;
    bool m_bPlaySingleClick = false;
    bool m_bWhistSound = false;
    bool m_bShowLastTrick = false;

    int m_nDealer;
    int m_nLeader;
    int m_nDummy;
    int m_nToPlay;
    int m_nSavedToPlay;
    int m_nSavedDealer;
    int m_nSavedLeader;
    int m_nSavedTrumps;
    int m_nSavedLevel;
    int m_nStartRubbers[SIDE_COUNT] = {};
    int m_nStartGames[SIDE_COUNT] = {};
    int m_nStartAbove[SIDE_COUNT] = {};
    int m_nStartBelow[SIDE_COUNT] = {};
    int m_nTricks[SIDE_COUNT] = {};
    int m_nRubbers[SIDE_COUNT] = {};
    int m_nGames[SIDE_COUNT] = {};
    int m_nAbove[SIDE_COUNT] = {};
    int m_nBelow[SIDE_COUNT] = {};
    bool m_bManual[SEAT_COUNT];
    bool m_bFaceUp[SEAT_COUNT];
    int m_nTrumps;
    int m_nContractLevel;
    int m_nDeclaringSide;
    int m_nState;
    bool m_bDealEdited = false;
    // An autosave failed and was reported: further failures are not.
    bool m_bAutoSaveQuiet = false;
    bool m_bBusy;
    CString m_strNames[SEAT_COUNT];
    // Owned; null once the window has closed itself, until Show Whist Explanation makes a
    // new one.
    CExplainWhistDlg* m_pExplain;
    // The declarer engine kept for the rest of a trick; owned, null when none.
    CWhistAttack* m_pAttack;
    int m_nAutoDeals;
    std::vector<CHandStats> m_stats;

    DECLARE_MESSAGE_MAP()

private:
    // A command of menu 131 the table handles, and its handler.
    struct CommandEntry {
        UINT nID;
        void (CDummyDlg::*pfnHandler)();
    };
    static const CommandEntry s_commands[];
    // A mode switch and its registry value, in the order the destructor writes them.
    struct SwitchEntry {
        const char* szName;
        bool CDummyDlg::*pMember;
    };
    static const SwitchEntry s_switches[];

    // Sets up the pile groups and the hands' draw flags (constructor).
    void InitPileGroups();
};
