// CBidWhistDlg: rubber scoring and the score box.

#include "bridge/bidding/Bid.h"
#include "bridge/play/PlayConstants.h"
#include "bridge/table/BidWhistDlg.h"
#include "bridge/table/SeatNames.h"

namespace {

// A side that has won this many games of the rubber has won the rubber.
constexpr int GAMES_PER_RUBBER = 2;
constexpr int SIDE_NORTH_SOUTH = 0;
constexpr int SIDE_EAST_WEST = 1;

} // namespace

void CBidWhistDlg::ScoreDeal()
{
    const int nDeclaring = m_nDeclaringSide & 1;
    const int nDefending = 1 - nDeclaring;
    int nMultiplier = CContractScore::UNDOUBLED;
    if (m_auction.IsRedoubled())
        nMultiplier = CContractScore::REDOUBLED;
    else if (m_auction.IsDoubled())
        nMultiplier = CContractScore::DOUBLED;
    const int nDeclarer = (m_nLeader + SEAT_COUNT - 1) & (SEAT_COUNT - 1);
    m_pLastScore = std::make_unique<CContractScore>(
        m_nContractLevel, m_nTrumps, IsVulnerable(nDeclaring), IsVulnerable(nDefending),
        m_nBelow[nDeclaring], nMultiplier, m_nTricks[nDeclaring], nDeclarer);
    const CContractScore& score = *m_pLastScore;

    // The sums stay in range whatever the scores held: old settings may hold wrapped values.
    if (!score.IsMade()) {
        m_nAbove[nDefending] = AddToScore(m_nAbove[nDefending], score.AboveLinePoints());
        return;
    }
    m_nBelow[nDeclaring] = AddToScore(m_nBelow[nDeclaring], score.ContractPoints());
    m_nAbove[nDeclaring] = AddToScore(m_nAbove[nDeclaring], score.AboveLinePoints());
    if (!score.IsGame())
        return;
    m_nGames[nDeclaring] = AddToScore(m_nGames[nDeclaring], 1);
    // A game ends the part scores of both sides: they count above the line from now on.
    for (int nSide = 0; nSide < SIDE_COUNT; nSide++) {
        m_nAbove[nSide] = AddToScore(m_nAbove[nSide], m_nBelow[nSide]);
        m_nBelow[nSide] = 0;
    }
    if (m_nGames[nDeclaring] >= GAMES_PER_RUBBER) {
        m_nRubbers[nDeclaring] = AddToScore(m_nRubbers[nDeclaring], 1);
        for (int& nGames : m_nGames)
            nGames = 0;
    }
}

CString CBidWhistDlg::GetScoreText() const
{
    CString strText;
    CString strLine;
    if (m_pLastScore != nullptr) {
        const CContractScore& score = *m_pLastScore;
        const CBid contract(m_pThresholds.get(), score.GetLevel(), score.GetTrumps(), "");
        strText = contract.GetText();
        if (score.IsVulnerable())
            strText += " vulnerable";
        if (score.GetMultiplier() == CContractScore::REDOUBLED)
            strText += " redoubled";
        else if (score.GetMultiplier() == CContractScore::DOUBLED)
            strText += " doubled";
        strText += "\n";
        strText += "Player:\t" + g_strSeatNames[score.GetDeclarer() & (SEAT_COUNT - 1)] + "\n\n";
        if (score.IsMade()) {
            strLine.Format("Score contract\t: %d\n", score.ContractPoints());
            strText += strLine;
            if (score.OvertrickPoints() != 0) {
                strLine.Format("Number overtricks\t: %d\nScore overtricks \t: %d\n",
                               score.OvertrickCount(), score.OvertrickPoints());
                strText += strLine;
            }
            if (score.SlamBonus() != 0) {
                strLine.Format("Slam bonus       \t: %d\n", score.SlamBonus());
                strText += strLine;
            }
            if (score.RubberBonus() != 0) {
                strLine.Format("Rubber bonus     \t: %d\n", score.RubberBonus());
                strText += strLine;
            }
            if (score.InsultBonus() != 0) {
                strLine.Format("Double bonus     \t: %d\n", score.InsultBonus());
                strText += strLine;
            }
        } else {
            strLine.Format("Number undertricks\t: %d\nScore undertricks\t: %d\n",
                           score.UndertrickCount(), score.UndertrickPoints());
            strText += strLine;
        }
        strText += "\n";
    }
    strLine.Format("Totals:\nEast/West:\n\tRubbers:\t%d\n\tGames:\t%d\n\tPoints:\t%d / %d\n"
                   "North/South:\n\tRubbers:\t%d\n\tGames:\t%d\n\tPoints:\t%d / %d",
                   m_nRubbers[SIDE_EAST_WEST], m_nGames[SIDE_EAST_WEST], m_nAbove[SIDE_EAST_WEST],
                   m_nBelow[SIDE_EAST_WEST], m_nRubbers[SIDE_NORTH_SOUTH],
                   m_nGames[SIDE_NORTH_SOUTH], m_nAbove[SIDE_NORTH_SOUTH],
                   m_nBelow[SIDE_NORTH_SOUTH]);
    strText += strLine;
    return strText;
}

void CBidWhistDlg::ShowScore()
{
    RefreshTable();
    MessageBox(GetScoreText(), "Score", MB_OK);
}
