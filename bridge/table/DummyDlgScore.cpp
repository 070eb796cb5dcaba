// CDummyDlg: whist scoring, the score box and the deal record.

#include "bridge/play/PlayConstants.h"
#include "bridge/table/DummyDlg.h"

namespace {

// Points below the line per level bid.
constexpr int POINTS_PER_LEVEL = 2;

} // namespace

void CDummyDlg::ScoreDeal()
{
    const int nDeclarer = m_nDeclaringSide;
    const int nNeeded = m_nContractLevel + BOOK_TRICKS;
    const int nTricks = m_nTricks[nDeclarer];
    if (nTricks >= nNeeded) {
        m_nBelow[nDeclarer] =
            AddToScore(m_nBelow[nDeclarer], POINTS_PER_LEVEL * (m_nContractLevel + 1));
        m_nAbove[nDeclarer] = AddToScore(m_nAbove[nDeclarer], nTricks - nNeeded);
    } else {
        m_nAbove[1 - nDeclarer] = AddToScore(m_nAbove[1 - nDeclarer], nNeeded - nTricks);
    }
}

void CDummyDlg::ShowScore()
{
    RefreshTable();
    CString strText;
    strText.Format("North/South: %d / %d\nEast/West: %d / %d", m_nAbove[0], m_nBelow[0],
                   m_nAbove[1], m_nBelow[1]);
    MessageBox(strText, "Score", MB_OK);
}

void CDummyDlg::RecordStatistics()
{
    CAuction* pAuction = GetAuction();
    const bool bPassedOut = pAuction != nullptr && pAuction->GetHighestBid().IsNoBid();
    // A passed-out deal carries its auction's outcome, a pass and no trick, whatever contract
    // a file loaded before the auction named.
    const CBid contract = bPassedOut ? CBid() : CBid(nullptr, m_nContractLevel, m_nTrumps, "");
    const int nTricks = bPassedOut ? 0 : m_nTricks[m_nDeclaringSide & 1];
    const int nDefenders = 1 - m_nDeclaringSide;
    const bool bContested = pAuction != nullptr && pAuction->HasSideBid(nDefenders);
    int nKind = STATS_KIND_PLAIN;
    if (pAuction != nullptr) {
        if (pAuction->IsRedoubled())
            nKind = STATS_KIND_REDOUBLED;
        else if (pAuction->IsDoubled())
            nKind = STATS_KIND_DOUBLED;
        else if (bPassedOut)
            nKind = STATS_KIND_PASSED_OUT;
    }
    const int nDeclarerSeat = (m_nLeader + SEAT_COUNT - 1) & (SEAT_COUNT - 1);
    m_stats.emplace_back(nDeclarerSeat, contract, nTricks, bContested, m_nDealer, nKind);
}
