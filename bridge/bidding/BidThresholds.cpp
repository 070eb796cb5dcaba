#include "bridge/bidding/BidThresholds.h"

#include <cstring>

#include "bridge/bidding/Bid.h"

namespace {

// Combined partnership points for a contract at levels one to seven.
const int s_nCombinedDefaults[COMBINED_ROWS][COMBINED_LEVELS] = {
    {20, 22, 24, 26, 28, 31, 37},   // new suit
    {17, 19, 23, 26, 28, 31, 37},   // agreed suit
    {21, 23, 25, 27, 30, 33, 37},   // no trump
};

} // namespace

CBidThresholds::CBidThresholds()
    : m_nOpenMin(13), m_nOpenMax(21), m_nReverseMin(16), m_nStrongTwoMin(22), m_nStrongTwoMax(40),
      m_n2CMin(23), m_n2CMax(40), m_nWeakNTMin(12), m_nWeakNTMax(14), m_nStrongNTMin(15),
      m_nStrongNTMax(17), m_n2NTMin(20), m_n2NTMax(22), m_nPreemptMin(7), m_nPreemptMax(10),
      m_nJumpShiftMargin(2), m_n1NTRespMin(6), m_n1NTRespMax(9), m_n2NTRespMin(10),
      m_n2NTRespMax(12), m_n3NTRespMin(13), m_n3NTRespMax(15), m_nRaiseMin(6), m_nRaiseMax(9),
      m_nLimitRaiseMin(10), m_nLimitRaiseMax(12), m_nJumpShiftMin(29), m_nJumpShiftMax(40),
      m_nSlamMin(30), m_nSlamMax(40)
{
    std::memcpy(m_nCombined, s_nCombinedDefaults, sizeof m_nCombined);
}

CString CBidThresholds::GetRangeText(int nMin, int nMax)
{
    CString strText;
    strText.Format("%d-%d", nMin, nMax);
    return strText;
}

CString CBidThresholds::GetNumberText(int n)
{
    CString strText;
    strText.Format("%d", n);
    return strText;
}

BOOL CBidThresholds::IsReverse(int nFirstLevel, int nFirstStrain, int nSecondLevel, int nSecondStrain)
{
    if (nSecondLevel <= nFirstLevel || nSecondStrain <= nFirstStrain)
        return FALSE;
    return !(nFirstStrain == STRAIN_CLUBS && nSecondStrain == STRAIN_SPADES);
}

int CBidThresholds::GetCombined(int nRow, int nLevel) const
{
    if (nRow < 0 || nRow >= COMBINED_ROWS || nLevel >= COMBINED_LEVELS)
        return TOTAL_POINTS;
    if (nLevel < 0)
        nLevel = 0;
    return m_nCombined[nRow][nLevel];
}
