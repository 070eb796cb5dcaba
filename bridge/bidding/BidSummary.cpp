#include "bridge/bidding/BidSummary.h"

#include "bridge/bidding/BidThresholds.h"

CBidSummary::CBidSummary()
    : m_bVulnerable(false), m_bForcing(false), m_bGameForcing(false), m_nSuit(-1),
      m_nMinLength{}, m_nSuitBid{}, m_bControl{}, m_bFirstCue{}, m_bSecondCue{}, m_bThirdCue{},
      m_bTrialSuit{}, m_nMeaning(MEANING_NATURAL), m_nMinPoints(0), m_nMaxPoints(TOTAL_POINTS),
      m_nAces(0), m_nKings(0), m_dQuickTricks(0.0), m_nPlayingTricks(0), m_bOvercall(false)
{
}
