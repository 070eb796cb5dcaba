#pragma once
// CGameDlg: the base of every game window. A game window is a modeless dialog that the
// launcher (CMainDlg) creates and owns. The base keeps an off-screen image of the whole table
// (the back buffer) from which every paint is served, loads the 58 card pictures once per
// window, draws single piles straight to the screen while keeping the back buffer in step,
// slides a card from pile to pile, lets long computer turns dispatch pending messages, adds
// an About item to the system menu and keeps the window's rectangle in the settings under
// the game's name followed by "Rect".
//
// What lies on the table is the game's business: it overrides DrawCards, Layout, NewGame and
// GetGameName (and DrawTable to add text). The base's message map routes create, size,
// paint, system command and drag-icon to the virtual operations below; a game that wants its
// window saved and deleted on close routes WM_CLOSE to OnClose in its own map, the others are
// hidden by the close box. Enter and Escape never end a game window (Enter still presses the
// focused or default button).
//
// The base also carries cards with the mouse for every game, so that a card is never lost
// or doubled whatever order presses, releases and moves arrive in. A game hit-tests its
// piles in OnTablePress and lifts a card with PickUpCard; the card's picture then follows
// the mouse until a release (or, when the press was over before the card was lifted, the
// next press) brings it down: the base lets go of the mouse, erases the picture and calls
// OnCardDropped, where the game lays the card with PlaceDraggedCard or sends it back with
// ReturnDraggedCard. A card the game does neither with goes back to its place, and so does
// one whose window loses the mouse while it is carried (a modal box, the window hidden).
//
// While a card is carried the table is one card short, so nothing may judge or change it:
// every command that reaches the window then (a button pressed with Space or Enter, a
// command sent to it) is held and carried out, in order, once the card is down, whether
// dropped or sent back; a command that comes again while it is held (a key pressed twice, a
// key's repeat) is held once. Each runs only after the one before has returned, so none runs
// inside the box another shows. A menu opened during the carry takes the mouse, which sends
// the card back before its command comes. Closing the window forgets the held commands.

#include <utility>
#include <vector>

#include "cardtable/CardMove.h"
#include "platform/base.h"
#include "platform/gdi.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CMenu.h"

class CCardPile;
class CMainDlg;

class CGameDlg : public CDialog {
public:
    // A window on template 305 (IDD_GAME_TABLE) opened by pMainDlg (not owned, may be
    // nullptr); the launcher then creates it modeless from the game's own template.
    CGameDlg(CMainDlg* pMainDlg, CWnd* pParent);
    // Frees the card pictures, their contexts and the back buffer.
    ~CGameDlg() override;

    // Virtual operations the message map reaches.
    virtual void OnSysCommand(UINT nID, LPARAM lParam);
    virtual void OnPaint();
    virtual HCURSOR OnQueryDragIcon();
    virtual void OnSize(UINT nType, int cx, int cy);
    virtual int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // Saves the window's rectangle, closes the window and asks the launcher to delete this
    // object, which happens once the close handling has returned.
    virtual void OnClose();

    // Fills the client rectangle with the table colour, then DrawCards.
    virtual void DrawTable(CDC* pDC);
    // Draws the game's piles; the base draws nothing.
    virtual void DrawCards(CDC* pDC);
    virtual void NewGame();
    // Places the game's piles for a client area of cx x cy pixels.
    virtual void Layout(int cx, int cy);
    // The name the window's rectangle is saved under ("Unknown" in the base).
    virtual CString GetGameName();

    // Makes a bitmap and a memory context for each of the 58 card pictures, compatible with
    // pDC. Does nothing when they are loaded already.
    void LoadCardBitmaps(CDC* pDC);
    // Copies card picture nImage (mod 58) to pt on pDC; nothing before the pictures are
    // loaded or for a negative image.
    void DrawCard(CDC* pDC, CPoint pt, int nImage);
    // Moves a card picture from ptOld to ptNew on pDC (this window's client context) in one
    // copy of the union of both card rectangles, restoring the table from the back buffer; a
    // negative image only restores. A table refreshed since it was drawn is first drawn and
    // shown whole.
    void DrawCardMoving(CDC* pDC, CPoint ptOld, CPoint ptNew, int nImage);
    // Paints the pile into the back buffer and copies its area onto the window (paints it
    // straight onto the window while the back buffer awaits its redraw).
    void DrawPile(const CCardPile& pile);
    // Draws the whole table into the back buffer (DrawTable).
    void RedrawBackBuffer();
    // Copies the back buffer onto pDC, redrawn first when a refresh left it waiting.
    void PaintBackBuffer(CDC* pDC);
    // Layout and a repaint, the back buffer redrawn before it is next shown or read: for
    // changes that move piles.
    void RefreshTable();
    // Keeps the window's left and top edges and gives it an outer size of cx x cy.
    void SetWindowSize(int cx, int cy);
    // Slides the move's card from its source slot to the next free slot of the target,
    // taking it off the source at the start and putting it on the target at the end. The
    // picture is the card's when bFaceUp, else the card back. Steps are at most
    // ANIMATION_STEP pixels per axis, with the launcher's card delay slept after each; a step
    // without a positive delay is not drawn, nor one in a hidden window or after a close
    // request came (the card then goes straight to its place).
    void AnimateMove(CCardMove* pMove, BOOL bFaceUp);
    // Dispatches the messages pending for this window (and its controls) until none is left,
    // then every close request (ServeCloseRequests).
    void PumpMessages();
    // Between the steps of long computer work that lets nothing else in: dispatches every
    // waiting request to close a window (this one's close box, the launcher's, an end
    // signal), so that closing acts at once; other input waits for the work to end. False
    // when this window is gone and the work must stop.
    bool ServeCloseRequests();

    // The point one animation step from ptFrom towards ptTo.
    static CPoint AnimationStep(CPoint ptFrom, CPoint ptTo);
    // Erases the icon's background and draws hIcon centred in wnd's client area: what a
    // minimised window shows.
    static void PaintIconCentred(CWnd& wnd, CDC& dc, HICON hIcon);

    // The most pixels a sliding card moves along each axis per step.
    static constexpr int ANIMATION_STEP = 5;

    // A card is being carried by the mouse.
    bool IsDragging() const { return m_bDragging; }

protected:
    // Whether a press first lets the messages already waiting through, as games do whose
    // click handling pumps before it acts, or acts at once.
    enum class PressTiming { AtOnce, AfterPendingMessages };
    // How a carried card shows: its own face, or the card back (a card drawn from a stock).
    enum class DragFace { Up, Down };

    // While one lives, presses on the table do nothing: a long step that pumps messages (a
    // computer turn) holds one so that clicks cannot act inside it. The base holds one
    // around every press it hands on and every drop.
    class CClickGuard {
    public:
        explicit CClickGuard(CGameDlg& dlg) : m_dlg(dlg) { ++m_dlg.m_nClickNesting; }
        ~CClickGuard() { --m_dlg.m_nClickNesting; }
        CClickGuard(const CClickGuard&) = delete;
        CClickGuard& operator=(const CClickGuard&) = delete;

    private:
        CGameDlg& m_dlg;
    };

    // Mouse hooks, called by the base's handlers.
    // A press that puts no carried card down, when no other press or guard is running.
    virtual void OnTablePress(CPoint point);
    // A release that brings no card down, when no press or guard is running.
    virtual void OnTableRelease(CPoint point);
    // The carried card came down at point; the mouse is free and its picture gone. Lay it
    // with PlaceDraggedCard or send it back with ReturnDraggedCard; the base returns it
    // when neither was done, and the base's own handling does nothing else.
    virtual void OnCardDropped(CPoint point);
    // The carried card went back to its place without a drop (the window lost the mouse,
    // or CancelDrag).
    virtual void OnDragCancelled();
    // The carried card's picture has moved (a game repaints controls it covered).
    virtual void OnDraggedCardMoved();

    void SetPressTiming(PressTiming timing) { m_pressTiming = timing; }
    // Lifts card nIndex of pSource as a move of kind nKind: takes it off the pile, redraws
    // the pile, shows the picture centred on point and takes the mouse. Nothing while a card
    // is carried or being dropped, or for an index outside the pile.
    void PickUpCard(CCardPile* pSource, int nIndex, int nKind, CPoint point,
                    DragFace face = DragFace::Up);
    // Inside OnCardDropped: lays the card at nIndex of pTarget (outside the pile: on top)
    // and redraws that pile. Nothing once the card has been laid or returned.
    void PlaceDraggedCard(CCardPile* pTarget, int nIndex);
    // Inside OnCardDropped: puts the card back where it was lifted and redraws that pile.
    void ReturnDraggedCard();
    // Sends a carried card back to its place now (before a new deal); nothing when none is.
    void CancelDrag();
    // The card carried or just dropped: its kind, source pile and index (and, once laid,
    // its target).
    const CCardMove& GetDraggedMove() const { return m_dragMove; }

    HICON m_hIcon;
    CMainDlg* m_pMainDlg;
    CMenu m_menu;
    // Arrays of CARD_IMAGE_COUNT pointers, owned together with what they point to; nullptr
    // until LoadCardBitmaps. Context i has bitmap i selected.
    CDC** m_pCardDCs = nullptr;
    CBitmap** m_pCardBitmaps = nullptr;
    // The off-screen image of the client area; owned; nullptr until the window exists.
    CBitmap* m_pBackBuffer = nullptr;
    CRect m_rectClient;

    BOOL OnInitDialog() override;
    // Holds the command while a card is carried; otherwise routes it as a dialog does.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Enter and Escape reach a dialog as OK and Cancel, which would hide a game window for
    // good: both do nothing here.
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    // The mouse went to another window: a carried card goes back to its place.
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    // The close box of a game whose map routes no WM_CLOSE: the window hides and keeps its
    // object, as a dialog's default close does.
    LRESULT OnCloseBox(WPARAM wParam, LPARAM lParam);
    // Runs the first held command, then asks for the next (WM_RUN_HELD_COMMAND).
    LRESULT OnRunHeldCommand(WPARAM wParam, LPARAM lParam);

private:
    // Replaces the back buffer by one of the current client size.
    void CreateBackBuffer();
    // Redraws the back buffer when a refresh left it waiting.
    void UpdateBackBuffer();
    void FreeCardBitmaps();
    // The value name of the window's rectangle.
    CString GetRectValueName();
    // Ends the carry at point: the mouse let go and the picture erased.
    void EndDrag(CPoint point);
    // Brings the carried card down at point and lets the game lay it (OnCardDropped).
    void DropDraggedCard(CPoint point);
    // The picture the carried card shows.
    int DragImage() const;
    // The card is down: asks for the first held command to run, once the current handling
    // has returned.
    void ReleaseHeldCommands();

    // Posted to run the next held command.
    static constexpr UINT WM_RUN_HELD_COMMAND = WM_APP + 0x100;

    CPoint m_ptDrag;
    CCardMove m_dragMove;
    bool m_bDragging = false;
    bool m_bDragFaceDown = false;
    // The press of the carried card was released before the card was lifted, so the next
    // press, not a release, brings it down.
    bool m_bDragAwaitsPress = false;
    // Between a drop and the game laying or returning the card.
    bool m_bCardInAir = false;
    // The left button was pressed in this window and not released since.
    bool m_bButtonDown = false;
    // Presses being handled and CClickGuards alive.
    int m_nClickNesting = 0;
    PressTiming m_pressTiming = PressTiming::AtOnce;
    // Commands (WM_COMMAND's parameters) that arrived while a card was carried, each once,
    // in order.
    std::vector<std::pair<WPARAM, LPARAM>> m_heldCommands;
    // A held command is running.
    bool m_bRunningHeldCommand = false;

    // The table changed since the back buffer was last drawn.
    bool m_bBackBufferStale = false;

    DECLARE_MESSAGE_MAP()
};
