#include "bridge/bidding/Bid2.h"

#include <algorithm>

#include "bridge/bidding/BidBoxHint.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/wnd/StoredRect.h"
#include "resources/BidPictures.h"

namespace {

constexpr char HINT_CAPTION[] = "Bidding Hint";
constexpr char EXPLANATION_CAPTION[] = "Bid Explanation";
constexpr char HINT_SEPARATOR[] = " => ";
constexpr char NO_BID_CHOSEN[] = "Select a bid first";

// Control index of the three calls that are not contract bids.
constexpr int BUTTON_NOBID = IDC_BID_NOBID - IDC_BID_FIRST;
constexpr int BUTTON_DOUBLE = IDC_BID_DOUBLE - IDC_BID_FIRST;
constexpr int BUTTON_REDOUBLE = IDC_BID_REDOUBLE - IDC_BID_FIRST;

// The call code of call button nButton (0..37).
int ButtonCode(int nButton)
{
    switch (nButton) {
    case BUTTON_NOBID:
        return BID_NOBID;
    case BUTTON_DOUBLE:
        return BID_DOUBLE;
    case BUTTON_REDOUBLE:
        return BID_REDOUBLE;
    default:
        return nButton + 1;
    }
}

// The up picture of a call; a code outside the table shows the no-bid picture.
const char* CallPicture(int nCode)
{
    const int nIndex = nCode + BID_PICTURE_OFFSET;
    if (nIndex < 0 || nIndex >= BID_CALL_PICTURE_COUNT)
        return g_szBidBitmaps[BID_NOBID + BID_PICTURE_OFFSET];
    return g_szBidBitmaps[nIndex];
}

} // namespace

const CRect g_rectBidInitial(288, 212, 747, 477);
CRect g_rectBid = g_rectBidInitial;

void SaveBidRect()
{
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY, settings_keys::SUITE_KEY);
    settings.WriteRect(settings_keys::BID_RECT_VALUE, g_rectBid);
}

void LoadBidRect()
{
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY, settings_keys::SUITE_KEY);
    g_rectBid = settings.ReadRect(settings_keys::BID_RECT_VALUE, g_rectBid);
}

BEGIN_MESSAGE_MAP(CBid2, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_BID_FIRST, IDC_BID_LAST, &CBid2::OnBidButton)
    ON_BN_CLICKED(IDC_BID_OK, &CBid2::OnBidOK)
    ON_BN_CLICKED(IDC_PLAY, &CBid2::OnHint)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_HISTORY_FIRST, IDC_HISTORY_LAST, &CBid2::OnHistoryButton)
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CBid2::CBid2(CWnd* pParent, const CBidBoxHint* pGameDlg)
    : CDialog(IDD_BIDDING, pParent),
      m_nCurrentCell(0), m_nFirstCell(0), m_nTopRow(0), m_bReviewOnly(false), m_bSingleClick(false),
      m_bBidChosen(false), m_pThresholds(nullptr), m_pGameDlg(pGameDlg)
{
}

void CBid2::Setup(const CAuction& auction, const CBidThresholds* pThresholds, BOOL bReviewOnly,
                  BOOL bSingleClick)
{
    m_auction = auction;
    m_pThresholds = pThresholds;
    m_bReviewOnly = bReviewOnly != FALSE;
    m_bSingleClick = bSingleClick != FALSE;
}

BOOL CBid2::IsLegalCall(const CBid& bid) const
{
    if (bid.IsNoBid() || bid > m_auction.GetHighestBid())
        return TRUE;
    if (!bid.IsDouble() && !bid.IsRedouble())
        return FALSE;
    // Only the other side's last action can be doubled or redoubled: a double needs their
    // bid, a redouble their double of ours.
    const int nLast = m_auction.GetLastActionIndex();
    if (nLast < 0)
        return FALSE;
    const int nSideToCall = m_auction.GetNextSeat() & 1;
    if ((m_auction.GetSeatOfCall(nLast) & 1) == nSideToCall)
        return FALSE;
    const CBid& last = m_auction.m_calls[nLast];
    return bid.IsDouble() ? !last.IsPassOrDouble() : last.IsDouble();
}

void CBid2::FocusOK()
{
    CWnd* pOK = GetDlgItem(IDC_BID_OK);
    if (pOK != nullptr)
        pOK->SetFocus();
}

int CBid2::GridCell(int nPosition) const
{
    const int nCell = nPosition - HISTORY_COLUMNS * m_nTopRow;
    return (nCell >= 0 && nCell < HISTORY_CELL_COUNT) ? nCell : -1;
}

void CBid2::ShowCallInCell(int nCell, int nCode)
{
    if (nCell < 0)
        return;
    m_historyCells[nCell].LoadBitmaps(CallPicture(nCode));
    m_historyCells[nCell].Invalidate();
}

BOOL CBid2::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bBidChosen = false;
    m_chosenBid = CBid();
    // The columns run West, North, East, South: the dealer's seat one on.
    m_nFirstCell = (m_auction.GetDealer() + 1) % HISTORY_COLUMNS;
    m_nCurrentCell = m_nFirstCell + m_auction.GetSize();
    m_nTopRow = std::max(0, m_nCurrentCell / HISTORY_COLUMNS - (HISTORY_ROWS - 1));

    for (int i = 0; i < BID_BUTTON_COUNT; ++i) {
        m_bidButtons[i].AutoLoad(IDC_BID_FIRST + i, this);
        const CBid call(m_pThresholds, ButtonCode(i), CString());
        m_bidButtons[i].EnableWindow(m_bReviewOnly || IsLegalCall(call));
    }
    for (int i = 0; i < HISTORY_CELL_COUNT; ++i) {
        m_historyCells[i].AutoLoad(IDC_HISTORY_FIRST + i, this);
        if (i + HISTORY_COLUMNS * m_nTopRow > m_nCurrentCell)
            m_historyCells[i].ShowWindow(SW_HIDE);
    }
    for (int i = 0; i < m_auction.GetSize(); ++i)
        ShowCallInCell(GridCell(m_nFirstCell + i), m_auction.m_calls[i].GetCode());
    return TRUE;
}

void CBid2::SelectBid(const CBid& bid)
{
    if (m_bReviewOnly) {
        if (m_bSingleClick)
            OnBidOK();
        return;
    }
    if (!IsLegalCall(bid))
        return;
    m_bBidChosen = true;
    m_chosenBid = bid;
    ShowCallInCell(GridCell(m_nCurrentCell), bid.GetCode());
    // The picture button took the focus with the click; Enter is to confirm the pick.
    FocusOK();
    if (m_bSingleClick)
        OnBidOK();
}

void CBid2::OnBidButton(UINT nID)
{
    const int nButton = static_cast<int>(nID) - IDC_BID_FIRST;
    SelectBid(CBid(m_pThresholds, ButtonCode(nButton), CString()));
}

void CBid2::OnBidOK()
{
    if (!m_bBidChosen && !m_bReviewOnly) {
        MessageBox(NO_BID_CHOSEN);
        return;
    }
    GetWindowRect(&g_rectBid);
    EndDialog(IDOK);
}

void CBid2::OnHint()
{
    if (m_pGameDlg == nullptr)
        return;
    const CBid hint = m_pGameDlg->GetHintBid();
    CString strText = hint.GetText();
    const CString strExplanation = hint.GetExplanation();
    if (!strExplanation.IsEmpty())
        strText += HINT_SEPARATOR + strExplanation;
    MessageBox(strText, HINT_CAPTION, MB_OK);
}

void CBid2::OnHistoryButton(UINT nID)
{
    OnHistoryCell(static_cast<int>(nID) - IDC_HISTORY_FIRST);
    FocusOK();
}

void CBid2::OnHistoryCell(int nCell)
{
    const int nIndex = nCell + HISTORY_COLUMNS * m_nTopRow - m_nFirstCell;
    if (nIndex < 0 || nIndex >= m_auction.GetSize())
        return;
    MessageBox(m_auction.m_calls[nIndex].GetExplanation(), EXPLANATION_CAPTION, MB_OK);
}

void CBid2::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    const CRect rect = plat::FitStoredRect(m_hWnd, g_rectBid, g_rectBidInitial);
    MoveWindow(&rect, TRUE);
}
