#include "bridge/bidding/Inference.h"

#include <algorithm>

namespace {

// Calls built internally may carry no thresholds; they are read with the system's defaults
// rather than through a null pointer.
const CBidThresholds s_defaultThresholds;

bool IsSuitIndex(int nSuit)
{
    return nSuit >= 0 && nSuit < SUIT_COUNT;
}

bool IsStrainIndex(int nStrain)
{
    return nStrain >= 0 && nStrain < STRAIN_COUNT;
}

} // namespace

CInference::CInference(const CBid& call, CBidSummary& own, const CBidSummary& partner)
    : m_call(call),
      m_own(own),
      m_partner(partner),
      m_thresholds(call.GetThresholds() ? *call.GetThresholds() : s_defaultThresholds),
      m_nLevel(call.GetLevel()),
      m_nStrain(call.GetSuit())
{
}

int CInference::NewSuitValue() const
{
    return Combined(m_call.IsNoTrump() ? COMBINED_NO_TRUMP : COMBINED_NEW_SUIT, m_nLevel);
}

int CInference::RaiseValue() const
{
    return m_call.IsNoTrump() ? 0 : Combined(COMBINED_AGREED, m_nLevel);
}

int CInference::RaiseMaxValue() const
{
    if (m_call.IsNoTrump())
        return 0;
    if (m_nLevel + 1 >= COMBINED_LEVELS)
        return TOTAL_POINTS;
    return Combined(COMBINED_AGREED, m_nLevel + 1) - 1;
}

void CInference::Shows(int nCombined)
{
    m_own.m_nMinPoints = nCombined - m_partner.m_nMinPoints;
}

void CInference::AtLeast(int nCombined)
{
    MinAtLeast(nCombined - m_partner.m_nMinPoints);
}

void CInference::AtMost(int nCombined)
{
    MaxAtMost(nCombined - m_partner.m_nMinPoints);
}

void CInference::MinAtLeast(int nPoints)
{
    m_own.m_nMinPoints = std::max(m_own.m_nMinPoints, nPoints);
}

void CInference::MaxAtMost(int nPoints)
{
    m_own.m_nMaxPoints = std::min(m_own.m_nMaxPoints, nPoints);
}

void CInference::SetPoints(int nMin, int nMax)
{
    m_own.m_nMinPoints = nMin;
    m_own.m_nMaxPoints = nMax;
}

void CInference::FixRange()
{
    if (m_own.m_nMaxPoints < m_own.m_nMinPoints)
        m_own.m_nMinPoints = m_own.m_nMaxPoints;
}

void CInference::SetLength(int nSuit, int nLength)
{
    if (IsSuitIndex(nSuit))
        m_own.m_nMinLength[nSuit] = nLength;
}

void CInference::LengthAtLeast(int nSuit, int nLength)
{
    if (IsSuitIndex(nSuit))
        m_own.m_nMinLength[nSuit] = std::max(m_own.m_nMinLength[nSuit], nLength);
}

void CInference::LengthPlusOne(int nSuit)
{
    if (IsSuitIndex(nSuit))
        ++m_own.m_nMinLength[nSuit];
}

void CInference::SetAllLengths(int nLength)
{
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
        m_own.m_nMinLength[nSuit] = nLength;
}

void CInference::AllLengthsAtLeast(int nLength)
{
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
        LengthAtLeast(nSuit, nLength);
}

void CInference::Support(int nSuit)
{
    if (IsSuitIndex(nSuit))
        LengthAtLeast(nSuit, FIT_LENGTH - m_partner.m_nMinLength[nSuit]);
}

void CInference::MarkBid(int nStrain)
{
    if (IsStrainIndex(nStrain))
        m_own.m_nSuitBid[nStrain] = 1;
}

void CInference::BidAgain(int nStrain)
{
    if (IsStrainIndex(nStrain))
        ++m_own.m_nSuitBid[nStrain];
}

void CInference::SetMainSuit(int nStrain)
{
    if (IsSuitIndex(nStrain))
        m_own.m_nSuit = nStrain;
}

void CInference::SetControl(int nSuit)
{
    if (IsSuitIndex(nSuit))
        m_own.m_bControl[nSuit] = true;
}

void CInference::FirstCue()
{
    if (IsStrainIndex(m_nStrain))
        m_own.m_bFirstCue[m_nStrain] = true;
}

void CInference::NextCue()
{
    if (!IsStrainIndex(m_nStrain))
        return;
    if (m_own.m_bSecondCue[m_nStrain])
        m_own.m_bThirdCue[m_nStrain] = true;
    else if (m_own.m_bFirstCue[m_nStrain])
        m_own.m_bSecondCue[m_nStrain] = true;
    else {
        FirstCue();
        SetControl(m_nStrain);
    }
}

bool CInference::OwnHasBid(int nStrain) const
{
    return IsStrainIndex(nStrain) && m_own.m_nSuitBid[nStrain] > 0;
}

bool CInference::PartnerHasBid(int nStrain) const
{
    return IsStrainIndex(nStrain) && m_partner.m_nSuitBid[nStrain] > 0;
}

int CInference::AgreedSuit() const
{
    for (int nSuit = SUIT_COUNT - 1; nSuit >= 0; --nSuit) {
        if (m_own.m_nMinLength[nSuit] + m_partner.m_nMinLength[nSuit] >= FIT_LENGTH)
            return nSuit;
    }
    return -1;
}

bool CInference::NotForced(const CBid& partnerLast, const CBid& intervening) const
{
    return !PartnerForcing() || m_call.IsJump(partnerLast, intervening);
}
