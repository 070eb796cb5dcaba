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
// hidden by the dialog's default close handling.

#include "platform/base.h"
#include "platform/gdi.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CMenu.h"

class CCardMove;
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
    // Moves a card picture from ptOld to ptNew on pDC in one copy of the union of both card
    // rectangles, restoring the table from the back buffer; a negative image only restores.
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
    // without a positive delay is not drawn.
    void AnimateMove(CCardMove* pMove, BOOL bFaceUp);
    // Dispatches the messages pending for this window (and its controls) until none is left.
    void PumpMessages();

    // The point one animation step from ptFrom towards ptTo.
    static CPoint AnimationStep(CPoint ptFrom, CPoint ptTo);
    // Erases the icon's background and draws hIcon centred in wnd's client area: what a
    // minimised window shows.
    static void PaintIconCentred(CWnd& wnd, CDC& dc, HICON hIcon);

    // The most pixels a sliding card moves along each axis per step.
    static constexpr int ANIMATION_STEP = 5;

protected:
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

private:
    // Replaces the back buffer by one of the current client size.
    void CreateBackBuffer();
    // Redraws the back buffer when a refresh left it waiting.
    void UpdateBackBuffer();
    void FreeCardBitmaps();
    // The value name of the window's rectangle.
    CString GetRectValueName();

    // The table changed since the back buffer was last drawn.
    bool m_bBackBufferStale = false;

    DECLARE_MESSAGE_MAP()
};
