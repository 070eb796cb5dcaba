#pragma once
// CBid2: the bidding box (template 266), the modal dialog through which the person makes a
// call and through which a finished auction is reviewed. One picture button per call, a
// history grid of the calls so far under the four seat names, OK and Hint.
//
// The bridge dialog builds one box per auction and, before each DoModal, hands it the auction
// with Setup; the box works on its own copy and never changes the real auction. DoModal
// returns IDOK after OK (or after a legal pick in single-click mode) and IDCANCEL after Escape
// or the close box; the caller then appends GetChosenBid, or a pass. Calls the rules do not
// allow are shown disabled and ignored when picked; Enter presses OK. Clicking a history cell shows that call's explanation.
//
// The grid holds seven rows of four cells, West to South. When the dealer's empty cells, the
// calls and the cell of the call being chosen need more rows, the grid scrolls by whole rows
// so that the last seven rows stay in view.

#include "bridge/bidding/Auction.h"
#include "bridge/bidding/Bid.h"
#include "platform/base/geometry.h"
#include "platform/wnd/CBitmapButton.h"
#include "platform/wnd/CDialog.h"
#include "resources/BiddingTemplate.h"

class CBidBoxHint;
class CBidThresholds;

// The box's screen rectangle for the whole run, where it is placed each time it is shown;
// OK stores the box's rectangle here.
extern CRect g_rectBid;
// Where the box first stands when no rectangle was stored.
extern const CRect g_rectBidInitial;

// g_rectBid to and from the settings value "BidRect"; a missing or empty value leaves
// g_rectBid as it is.
void SaveBidRect();
void LoadBidRect();

class CBid2 : public CDialog {
public:
    // pGameDlg (may be null) answers Hint; the box does not own it.
    CBid2(CWnd* pParent, const CBidBoxHint* pGameDlg);

    // Called before each DoModal: the auction so far (copied), the thresholds every picked call
    // carries, whether the box only shows the auction, and whether a legal pick closes it.
    void Setup(const CAuction& auction, const CBidThresholds* pThresholds, BOOL bReviewOnly,
               BOOL bSingleClick);
    // The call picked; a pass with no thresholds and no explanation until a pick.
    CBid GetChosenBid() const { return m_chosenBid; }
    // A call the box accepts after the auction copy: a pass, a bid above the contract, a
    // double of the opponents' last bid, a redouble of their double (passes in between).
    BOOL IsLegalCall(const CBid& bid) const;

    // Rebuilds the grid from the auction copy and greys the calls that are not legal.
    BOOL OnInitDialog() override;

    // The 38 call buttons (index = control - IDC_BID_FIRST: code - 1 for contract bids, then
    // no bid, double, redouble) and the 28 history cells (index = control - IDC_HISTORY_FIRST).
    CBitmapButton m_bidButtons[BID_BUTTON_COUNT];
    CBitmapButton m_historyCells[HISTORY_CELL_COUNT];
    // Grid positions count cells from the top-left one of the first row, scrolled or not:
    // the dealer's first call stands at m_nFirstCell (its column in row 0: West 0, North 1,
    // East 2, South 3), the call being chosen at m_nCurrentCell = m_nFirstCell + calls so far.
    int m_nCurrentCell;
    int m_nFirstCell;
    // Rows scrolled out of view above the grid.
    int m_nTopRow;
    bool m_bReviewOnly;
    bool m_bSingleClick;
    // A legal call has been picked since the box was shown.
    bool m_bBidChosen;
    CAuction m_auction;
    CBid m_chosenBid;
    const CBidThresholds* m_pThresholds;   // not owned
    const CBidBoxHint* m_pGameDlg;         // not owned; may be null

protected:
    // Takes a legal call as the pick (shown in the current cell); in single-click mode, or in
    // review-only mode with single-click on, continues as OK.
    void SelectBid(const CBid& bid);
    // Gives OK the focus, so that Enter confirms the pick whatever was clicked last.
    void FocusOK();
    // The history cell (0..27) that shows grid position nPosition, or -1 when it is out of view.
    int GridCell(int nPosition) const;
    // Shows the up picture of call code nCode in history cell nCell.
    void ShowCallInCell(int nCell, int nCode);

    afx_msg void OnBidButton(UINT nID);
    afx_msg void OnBidOK();
    afx_msg void OnHint();
    afx_msg void OnHistoryButton(UINT nID);
    // Shows the explanation of the call in history cell nCell; nothing for empty cells.
    void OnHistoryCell(int nCell);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);

    DECLARE_MESSAGE_MAP()
};
