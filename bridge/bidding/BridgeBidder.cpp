#include "bridge/bidding/BridgeBidder.h"

#include <algorithm>
#include <vector>

#include "bridge/bidding/BidderSupport.h"
#include "bridge/bidding/Conventions.h"

using namespace bidder;

namespace {

constexpr int CHOSEN_MINOR = -2;     // an opening row that bids the minor ChooseMinor names
constexpr double TWO_CLUB_QUICK_TRICKS = 5.0;
constexpr int PREEMPT_LENGTH = 7;
constexpr int LIGHT_OPENER_POINTS = 11;
constexpr int NO_SUIT_OPENER_POINTS = 14;
constexpr int LONG_SUIT_LENGTH = 5;
constexpr int SHORT_LENGTH = 3;      // fewer cards than this in the opponents' suit is short
constexpr int PROTECTIVE_POINTS = 3;
constexpr int NT_OVERCALL_POINTS = 15;
constexpr int TWO_LEVEL_OVERCALL_POINTS = 13;
constexpr int OVERCALL_POINTS = 9;
constexpr int OPPONENT_SUIT_POINTS = 15;
constexpr int SUITS_IN_THREE_SUITER = 3;

const char* const PROTECTIVE_SUFFIX = "(-3 in protective position)";
const char* const TWO_LEVEL_OVERCALL_TEXT = "Intervening bid at second level, length >= 5, points >= 13";

// What the opening rows read of the hand and the table.
struct SOpeningFacts {
    const CHand& hand;
    const CBidThresholds& thresholds;
    int nPoints;            // high-card points
    int nDistribution;      // distribution points
    bool bNoTrumpShape;     // balanced with stoppers
    bool bVulnerable;
    bool bShortMinor;       // no long biddable suit, at most one four-card one, a good minor
};

// Rows 1 to 6 of the opening: strong and no-trump-shaped hands. The first that applies
// gives the call; its text is the fixed phrase followed by the range text.
struct SOpeningRow {
    bool (*pfnApplies)(const SOpeningFacts&);
    int nLevel;
    int nStrain;            // a strain, or CHOSEN_MINOR
    const char* szText;
    CString (CBidThresholds::*pfnRange)() const;
};

bool InRange(int nValue, int nMin, int nMax)
{
    return nMin <= nValue && nValue <= nMax;
}

bool InStrongNT(const SOpeningFacts& f)
{
    return InRange(f.nPoints, f.thresholds.m_nStrongNTMin, f.thresholds.m_nStrongNTMax);
}

bool InWeakNT(const SOpeningFacts& f)
{
    return InRange(f.nPoints, f.thresholds.m_nWeakNTMin, f.thresholds.m_nWeakNTMax);
}

const SOpeningRow s_openingRows[] = {
    {[](const SOpeningFacts& f) {
         return f.nDistribution >= f.thresholds.m_n2CMin && f.hand.QuickTricks() >= TWO_CLUB_QUICK_TRICKS;
     },
     LEVEL_TWO, STRAIN_CLUBS, "Quick Tricks >= 5, points ", &CBidThresholds::Get2CText},
    {[](const SOpeningFacts& f) {
         return InRange(f.nPoints, f.thresholds.m_n2NTMin, f.thresholds.m_n2NTMax) && f.bNoTrumpShape;
     },
     LEVEL_TWO, STRAIN_NOTRUMP, "NT distribution, points ", &CBidThresholds::Get2NTText},
    {[](const SOpeningFacts& f) { return g_bStrongNT && f.bVulnerable && InStrongNT(f) && f.bNoTrumpShape; },
     LEVEL_ONE, STRAIN_NOTRUMP, "Vulnerable, NT distribution, points ", &CBidThresholds::GetStrongNTText},
    {[](const SOpeningFacts& f) { return !(g_bStrongNT && f.bVulnerable) && InWeakNT(f) && f.bNoTrumpShape; },
     LEVEL_ONE, STRAIN_NOTRUMP, "Not vulnerable, NT distribution, points ", &CBidThresholds::GetWeakNTText},
    {[](const SOpeningFacts& f) {
         return f.bShortMinor && g_bStrongNT && !f.bVulnerable && InStrongNT(f) && f.bNoTrumpShape;
     },
     LEVEL_ONE, CHOSEN_MINOR, "Not Vulnerable, NT distribution, points ", &CBidThresholds::GetStrongNTText},
    {[](const SOpeningFacts& f) {
         return f.bShortMinor && !(g_bStrongNT && !f.bVulnerable) && InWeakNT(f) && f.bNoTrumpShape;
     },
     LEVEL_ONE, CHOSEN_MINOR, "Vulnerable, NT distribution, points ", &CBidThresholds::GetWeakNTText},
};

// Preemptive openings of a weak hand with a suit of seven or more, by vulnerability and
// playing tricks; the first that applies bids the longest suit.
struct SPreemptRow {
    bool bVulnerable;
    int nMinTricks;
    int nLevel;
    const char* szText;
};

const SPreemptRow s_preemptRows[] = {
    {true, 8, LEVEL_FOUR, "Vulnerable, Long suit > 6 + 7 quick tricks"},
    {true, 7, LEVEL_THREE, "Vulnerable, Long suit > 6 + 6 quick tricks"},
    {false, 7, LEVEL_FOUR, "Not vulnerable, Long suit > 6 + 7 quick tricks"},
    {false, 6, LEVEL_THREE, "Not vulnerable, Long suit > 6 + 6 quick tricks"},
};

// The highest level index whose entry of the combined-points row nPoints reach; 0 when none.
int LevelReached(const CBidThresholds& thresholds, int nRow, int nPoints)
{
    for (int nLevel = LEVEL_SEVEN; nLevel > LEVEL_ONE; --nLevel) {
        if (nPoints >= thresholds.m_nCombined[nRow][nLevel])
            return nLevel;
    }
    return LEVEL_ONE;
}

// "min-max" of a level of a combined-points row: from its entry to one below the next
// level's (or below the whole pack at the seven level).
CString LevelRangeText(const CBidThresholds& thresholds, int nRow, int nLevel)
{
    const int nNext = nLevel < LEVEL_SEVEN ? thresholds.m_nCombined[nRow][nLevel + 1] : TOTAL_POINTS;
    return CBidThresholds::GetRangeText(thresholds.m_nCombined[nRow][nLevel], nNext - 1);
}

// The strictly longest biddable suit, spades first; given the opponents' summaries, only
// suits neither of them has bid. NO_SUIT when none.
int LongestBiddable(const CHand& hand, const CBidSummary* pLeft, const CBidSummary* pRight)
{
    int nBest = NO_SUIT;
    int nBestLength = 0;
    for (int nSuit = STRAIN_SPADES; nSuit >= STRAIN_CLUBS; --nSuit) {
        if (pLeft && (pLeft->m_nSuitBid[nSuit] != 0 || pRight->m_nSuitBid[nSuit] != 0))
            continue;
        if (hand.IsBiddable(nSuit) && hand.GetSuitLength(nSuit) > nBestLength) {
            nBest = nSuit;
            nBestLength = hand.GetSuitLength(nSuit);
        }
    }
    return nBest;
}

// What the intervening rows read of the hand and the auction, for the seat to call.
struct SInterveningFacts {
    int nPoints;            // high-card points, 3 more in the protective position
    int nDistribution;      // distribution points, 3 more in the protective position
    bool bNoTrumpShape;
    CString strSuffix;      // appended to the texts of most rows in the protective position
    int nTheirSuit;         // the strain of the opponents' bid
    bool bOverSuit;         // their bid is in a suit
    bool bOneLevel;         // their bid is at the one level
    bool bShort;            // fewer than three cards in their suit
    bool bSupport;          // three or more cards in every other suit
    int nOwn;               // the longest biddable suit neither opponent has bid
    int nOwnLength;
    int nOwnLevel;          // its lowest legal level
    int nLongest;           // the longest biddable suit
};

SInterveningFacts GetInterveningFacts(const CHand& hand, const CAuction& auction,
                                     const CBidSummary summaries[SEAT_COUNT])
{
    SInterveningFacts f;
    f.nPoints = hand.GetSuitPoints(-1);
    f.nDistribution = hand.DistributionPoints(0);
    f.bNoTrumpShape = hand.IsBalancedWithStoppers();
    // In fourth seat after the opening and two passes the hand bids as if 3 points stronger.
    const std::vector<CBid>& calls = auction.m_calls;
    if (calls.size() == 3 && calls[1].IsNoBid() && calls[2].IsNoBid()) {
        f.nPoints += PROTECTIVE_POINTS;
        f.nDistribution += PROTECTIVE_POINTS;
        f.strSuffix = PROTECTIVE_SUFFIX;
    }
    const CBid highest = auction.GetHighestBid();
    f.nTheirSuit = highest.GetSuit();
    f.bOverSuit = highest.IsSuitBid();
    f.bOneLevel = highest.GetLevel() == LEVEL_ONE;
    f.bShort = f.bOverSuit && hand.GetSuitLength(f.nTheirSuit) < SHORT_LENGTH;
    f.bSupport = f.bOverSuit;
    for (int nSuit = STRAIN_CLUBS; nSuit < SUIT_COUNT && f.bSupport; ++nSuit)
        f.bSupport = nSuit == f.nTheirSuit || hand.GetSuitLength(nSuit) >= SHORT_LENGTH;
    const int nMe = auction.GetNextSeat();
    f.nOwn = LongestBiddable(hand, &summaries[(nMe + 1) % SEAT_COUNT],
                             &summaries[(nMe + 3) % SEAT_COUNT]);
    f.nOwnLength = f.nOwn == NO_SUIT ? 0 : hand.GetSuitLength(f.nOwn);
    f.nOwnLevel = f.nOwn == NO_SUIT ? NO_SUIT : auction.GetLowestLevel(f.nOwn);
    f.nLongest = LongestBiddable(hand, nullptr, nullptr);
    return f;
}

} // namespace

CBridgeBidder::CBridgeBidder()
    : m_pThresholds(std::make_unique<CBidThresholds>())
{
    for (auto& pEvaluation : m_pEvaluations)
        pEvaluation = std::make_unique<CHand>();
}

CBridgeBidder::~CBridgeBidder() = default;

const CHand& CBridgeBidder::MyHand() const
{
    return *m_pEvaluations[m_auction.GetNextSeat()];
}

CBid CBridgeBidder::MakeBid(bool bDouble, int nLevel, int nSuit, const CString& strText) const
{
    if (nSuit >= 0) {
        const int nLowest = m_auction.GetLowestLevel(nSuit);
        if (nLevel < nLowest || nLevel > LEVEL_SEVEN)
            nSuit = NO_SUIT;
    }
    if (bDouble && m_auction.IsDoubled())
        return CBid(m_pThresholds.get(), BID_REDOUBLE, strText);
    if (bDouble)
        return CBid(m_pThresholds.get(), BID_DOUBLE, strText);
    if (nSuit < 0 || nLevel < 0)
        return CBid(m_pThresholds.get(), BID_NOBID, CString());
    return CBid(m_pThresholds.get(), nLevel, nSuit, strText);
}

CBid CBridgeBidder::MakeBid(const SDecision& decision) const
{
    return MakeBid(decision.m_bDouble, decision.m_nLevel, decision.m_nSuit, decision.m_strText);
}

bool CBridgeBidder::IsVulnerable(int nSeat) const
{
    return GetGamesWon(nSeat & 1) == 1;
}

void CBridgeBidder::GetBidSummaries(CBidSummary summaries[SEAT_COUNT]) const
{
    for (int nSeat = 0; nSeat < SEAT_COUNT; ++nSeat) {
        summaries[nSeat] = CBidSummary();
        summaries[nSeat].m_bVulnerable = IsVulnerable(nSeat);
    }
    m_auction.Summarise(summaries);
}

CBid CBridgeBidder::OpeningBid() const
{
    const CHand& hand = MyHand();
    const CBidThresholds& thresholds = *m_pThresholds;
    const SOpeningFacts facts{hand, thresholds, hand.GetSuitPoints(-1), hand.DistributionPoints(0),
                             hand.IsBalancedWithStoppers(), IsVulnerable(m_auction.GetNextSeat()),
                             hand.GetLongBiddableCount() == 0 && hand.GetFourBiddableCount() <= 1
                                 && hand.HasGoodMinor()};
    SDecision decision;
    for (const SOpeningRow& row : s_openingRows) {
        if (row.pfnApplies(facts)) {
            const int nStrain = row.nStrain == CHOSEN_MINOR ? hand.ChooseMinor() : row.nStrain;
            Decide(decision, row.nLevel, nStrain, row.szText + (thresholds.*row.pfnRange)());
            return MakeBid(decision);
        }
    }
    if (hand.IsTwoOpener(thresholds.m_n2CMin)) {
        DecideTwoOpener(decision);
    } else if (facts.nDistribution < thresholds.m_nOpenMin) {
        const int nTricks = hand.PlayingTricks();
        for (const SPreemptRow& row : s_preemptRows) {
            if (row.bVulnerable == facts.bVulnerable && hand.GetLongestLength() >= PREEMPT_LENGTH
                && nTricks >= row.nMinTricks) {
                Decide(decision, row.nLevel, hand.GetLongestSuit(), row.szText);
                return MakeBid(decision);
            }
        }
        if (facts.nDistribution >= LIGHT_OPENER_POINTS && hand.HasRebid())
            Decide(decision, LEVEL_ONE, hand.GetLongestSuit(),
                   "Typical light opener, hand has a rebid, points >= 11");
    } else {
        DecideOneLevelOpening(decision);
    }
    return MakeBid(decision);
}

// A two opener bids its longest suit headed by AKQ (or, without one, its longest biddable
// suit) at the two level; clubs would be the strong two-club call, so clubs opens one club.
void CBridgeBidder::DecideTwoOpener(SDecision& decision) const
{
    const CHand& hand = MyHand();
    int nChosen = NO_SUIT;
    int nChosenLength = 0;
    bool bTopSequence = false;
    for (int nSuit = STRAIN_SPADES; nSuit >= STRAIN_CLUBS; --nSuit) {
        const int nLength = hand.GetSuitLength(nSuit);
        if (hand.HasTopSequence(nSuit, LONG_SUIT_LENGTH, CHand::ORDER_QUEEN)) {
            if (!bTopSequence || nLength > nChosenLength) {
                nChosen = nSuit;
                nChosenLength = nLength;
                bTopSequence = true;
            }
        } else if (!bTopSequence && hand.IsBiddable(nSuit) && nLength > nChosenLength) {
            nChosen = nSuit;
            nChosenLength = nLength;
        }
    }
    if (nChosen == STRAIN_CLUBS)
        Decide(decision, LEVEL_ONE, STRAIN_CLUBS,
               "Two opener hand but only clubs biddable, open at one level and raise");
    else if (nChosen != NO_SUIT)
        Decide(decision, LEVEL_TWO, nChosen,
               "Two opener, long strong suit or two long suiter, 8 playing tricks");
}

void CBridgeBidder::DecideOneLevelOpening(SDecision& decision) const
{
    const CHand& hand = MyHand();
    const CString strRange = m_pThresholds->GetOpenText();
    if (hand.GetLongBiddableCount() >= 1) {
        int nSuit = hand.GetLongestSuit();
        if (nSuit == STRAIN_SPADES) {
            // Five spades and five clubs open one club, to bid spades next.
            int nNext = STRAIN_HEARTS;
            while (nNext >= STRAIN_CLUBS && !hand.IsBiddable(nNext))
                --nNext;
            if (nNext == STRAIN_CLUBS && hand.GetSuitLength(STRAIN_CLUBS) == hand.GetSuitLength(nSuit))
                nSuit = STRAIN_CLUBS;
        }
        Decide(decision, LEVEL_ONE, nSuit,
               (hand.GetLongBiddableCount() == 1 ? "One >= 5 card suit, points "
                                                 : "Longest of Two >= 5 card suits, points ")
                   + strRange);
    } else if (hand.GetFourBiddableCount() == 3) {
        int nShort = STRAIN_CLUBS;
        while (nShort < STRAIN_SPADES && hand.GetSuitLength(nShort) >= FOUR_CARDS)
            ++nShort;
        Decide(decision, LEVEL_ONE, nShort == STRAIN_CLUBS ? STRAIN_HEARTS : nShort - 1,
               "Three biddable suit, choose suit below the singleton, points " + strRange);
    } else if (hand.GetFourBiddableCount() == 2) {
        static const int s_nPreference[] = {STRAIN_HEARTS, STRAIN_DIAMONDS, STRAIN_CLUBS, STRAIN_SPADES};
        int nSuit = STRAIN_SPADES;
        for (int nCandidate : s_nPreference) {
            if (hand.IsBiddable(nCandidate)) {
                nSuit = nCandidate;
                break;
            }
        }
        Decide(decision, LEVEL_ONE, nSuit, "Two biddable suits (prefer h,d,c), points " + strRange);
    } else if (hand.GetBestBiddableSuit() != NO_SUIT) {
        int nSuit = STRAIN_SPADES;
        while (!hand.IsBiddable(nSuit))
            --nSuit;
        Decide(decision, LEVEL_ONE, nSuit, "Single biddable suit, points " + strRange);
    } else if (hand.GetSuitPoints(-1) >= NO_SUIT_OPENER_POINTS) {
        int nSuit = STRAIN_NOTRUMP;
        int nBestPoints = 0;
        for (int nCandidate = STRAIN_SPADES; nCandidate >= STRAIN_CLUBS; --nCandidate) {
            if (hand.GetSuitLength(nCandidate) >= SHORT_LENGTH
                && hand.GetSuitPoints(nCandidate) > nBestPoints) {
                nSuit = nCandidate;
                nBestPoints = hand.GetSuitPoints(nCandidate);
            }
        }
        Decide(decision, LEVEL_ONE, nSuit, "No biddable suit, points >= 14");
    }
}

CBid CBridgeBidder::InterveningBid() const
{
    CBidSummary summaries[SEAT_COUNT];
    GetBidSummaries(summaries);
    const CHand& hand = MyHand();
    const CBidThresholds& thresholds = *m_pThresholds;
    const SInterveningFacts f = GetInterveningFacts(hand, m_auction, summaries);
    const CString& strSuffix = f.strSuffix;

    SDecision decision;
    if (InRange(f.nPoints, thresholds.m_n2NTMin, thresholds.m_n2NTMax) && f.bNoTrumpShape
        && f.bOneLevel) {
        Decide(decision, LEVEL_TWO, STRAIN_NOTRUMP,
               "NT distribution, points " + thresholds.Get2NTText() + strSuffix);
    } else if (hand.IsTwoOpener(thresholds.m_n2CMin) && f.bOneLevel) {
        if (f.nLongest != NO_SUIT)
            Decide(decision, std::min(m_auction.GetLowestLevel(f.nLongest) + 1, LEVEL_SEVEN),
                   f.nLongest, "Two opener in intervening position, playing tricks >= 8");
    } else if (f.nPoints > NT_OVERCALL_POINTS && f.bNoTrumpShape && f.bOneLevel) {
        Decide(decision, LEVEL_ONE, STRAIN_NOTRUMP,
               "Intervening bid, NT distribution, points >= 16" + strSuffix);
    } else if (f.nOwn != NO_SUIT && f.nDistribution >= TWO_LEVEL_OVERCALL_POINTS
               && f.nOwnLength >= LONG_SUIT_LENGTH && f.nOwnLevel == LEVEL_TWO) {
        Decide(decision, LEVEL_TWO, f.nOwn, TWO_LEVEL_OVERCALL_TEXT + strSuffix);
    } else if (f.bOneLevel && f.bShort && f.bSupport
               && InRange(f.nDistribution, thresholds.m_nOpenMin, thresholds.m_nOpenMax)) {
        decision.m_bDouble = true;
        decision.m_strText = "Take out double, weak in last bid suit, points "
            + thresholds.GetOpenText() + strSuffix;
    } else if (f.bOverSuit && hand.IsLongSuit(f.nTheirSuit, 0)
               && hand.DistributionPoints(0) > OPPONENT_SUIT_POINTS) {
        Decide(decision, m_auction.GetLowestLevel(f.nTheirSuit), f.nTheirSuit,
               "Rebiddable suit of opponents, ponts >= 16" + strSuffix);
    } else if (f.nDistribution > OVERCALL_POINTS && f.nOwnLength >= LONG_SUIT_LENGTH) {
        Decide(decision, f.nOwnLevel, f.nOwn,
               "Intervening bid, length >= 5, points >= 10" + strSuffix);
        if (f.nOwnLevel == LEVEL_TWO && f.nDistribution >= TWO_LEVEL_OVERCALL_POINTS)
            decision.m_strText = TWO_LEVEL_OVERCALL_TEXT + strSuffix;
        // Below opening strength only the one level; never above the two level.
        if ((f.nDistribution < TWO_LEVEL_OVERCALL_POINTS && f.nOwnLevel > LEVEL_ONE)
            || f.nOwnLevel > LEVEL_TWO)
            decision = SDecision();
    }
    return MakeBid(decision);
}

void CBridgeBidder::LevelForPoints(int nPoints, int nSlamPoints, int nOtherSuit, int nSuit, int& nLevel,
                                   CString& strText) const
{
    const CBidThresholds& thresholds = *m_pThresholds;
    nLevel = LevelReached(thresholds, COMBINED_AGREED, nPoints);
    if (nLevel >= LEVEL_FIVE)
        nLevel = LevelReached(thresholds, COMBINED_AGREED, nSlamPoints);
    const CString strRange = LevelRangeText(thresholds, COMBINED_AGREED, nLevel);
    if (nLevel == LEVEL_FIVE && nSuit >= STRAIN_HEARTS
        && (m_auction.GetLowestLevel(nSuit) <= LEVEL_FOUR || nOtherSuit == nSuit)) {
        nLevel = LEVEL_FOUR;
        strText += "points " + strRange + " stop at game";
    } else {
        strText += "points " + strRange;
    }
}

void CBridgeBidder::FitLevel(int nPoints, int nSlamPoints, int nOtherSuit, int nSuit, int& nLevel,
                             CString& strText) const
{
    strText = (nSuit > STRAIN_DIAMONDS ? "Match major suit, total length > 7, "
                                       : "Match minor suit, total length > 7, ")
        + strText;
    LevelForPoints(nPoints, nSlamPoints, nOtherSuit, nSuit, nLevel, strText);
}

void CBridgeBidder::NoTrumpContinuation(const CBidSummary& own, const CBidSummary& partner,
                                        const CBid& partnerCall, int nPoints, int& nLevel,
                                        CString& strText) const
{
    const CBidThresholds& thresholds = *m_pThresholds;
    nLevel = LevelReached(thresholds, COMBINED_NO_TRUMP, nPoints);
    // The range quoted comes from the new-suit row although the level comes from the
    // no-trump row.
    const CString strRange = LevelRangeText(thresholds, COMBINED_NEW_SUIT, nLevel);
    const int nSpread = nPoints + partner.m_nMaxPoints - partner.m_nMinPoints;
    const bool bEnoughForMore = nPoints - partner.m_nMinPoints >= own.m_nMaxPoints;

    if (!partnerCall.IsNoTrump() && partner.m_nMeaning == MEANING_NATURAL) {
        if (nLevel == LEVEL_FOUR || nLevel == LEVEL_FIVE) {
            nLevel = LEVEL_THREE;
            strText = "NT distribution, stop at game, points " + strRange;
        } else {
            strText = "NT distribution, points " + strRange;
        }
    } else if (partnerCall.GetLevel() >= LEVEL_FOUR) {
        strText = "Sign off";
        if (partnerCall.GetCode() == BID_4NT)
            nLevel = bEnoughForMore ? LEVEL_SIX : LEVEL_ONE;
        else if (partnerCall.GetCode() == BID_5NT)
            nLevel = bEnoughForMore ? LEVEL_SEVEN : LEVEL_SIX;
        else
            nLevel = LEVEL_ONE;
    } else if (nLevel == LEVEL_SIX) {
        if (nSpread < thresholds.m_nCombined[COMBINED_NO_TRUMP][LEVEL_SEVEN]) {
            strText = "NT distribution, stop at small slam, points " + strRange;
        } else {
            nLevel = LEVEL_FIVE;
            strText = "NT distribution, asking for 6NT(min) or 7NT(max) points " + strRange;
        }
    } else if (nLevel == LEVEL_FIVE) {
        if (nSpread < thresholds.m_nCombined[COMBINED_NO_TRUMP][LEVEL_SIX]) {
            nLevel = LEVEL_THREE;
            strText = "NT distribution, stop at game, points " + strRange;
        } else {
            nLevel = LEVEL_FOUR;
            strText = "NT distribution, asking for NB(min) or 6NT(max) points " + strRange;
        }
    } else if (nLevel == LEVEL_FOUR) {
        nLevel = LEVEL_THREE;
        strText = "NT distribution, stop at game, points " + strRange;
    }
}

void CBridgeBidder::AskBlackwood(int& nSuit, int& nLevel, CString& strText) const
{
    nSuit = STRAIN_NOTRUMP;
    nLevel = LEVEL_FOUR;
    strText = "Blackwood, ask for Aces, points >= "
        + CBidThresholds::GetNumberText(m_pThresholds->m_nCombined[COMBINED_NEW_SUIT][LEVEL_SIX]);
}

void CBridgeBidder::AskGerber(int& nSuit, int& nLevel, CString& strText) const
{
    nSuit = STRAIN_CLUBS;
    nLevel = LEVEL_FOUR;
    strText = "Gerber, ask for Aces, points >= "
        + CBidThresholds::GetNumberText(m_pThresholds->m_nCombined[COMBINED_NEW_SUIT][LEVEL_SIX]);
}

int CBridgeBidder::ChooseCueBid(const CBidSummary& first, const CBidSummary& second, int nAgreedSuit,
                                const CHand& hand, int& nSuit, int& nLevel, CString& strText) const
{
    int nFound = NO_SUIT;
    for (int nStep = 1; nStep <= SUIT_COUNT && nFound == NO_SUIT; ++nStep) {
        const int nCandidate = ((nSuit + nStep) % SUIT_COUNT + SUIT_COUNT) % SUIT_COUNT;
        if (!first.m_bFirstCue[nCandidate] && !second.m_bFirstCue[nCandidate]
            && hand.HasFirstRoundControl(nCandidate))
            nFound = nCandidate;
    }
    if (nFound != NO_SUIT && nFound != nAgreedSuit) {
        nSuit = nFound;
        strText = "Cue bid indicates first round control in suit";
    } else {
        nSuit = nAgreedSuit;
        strText = "No more suits to cue bid so revert to our suit";
    }
    nLevel = nSuit >= 0 ? m_auction.GetLowestLevel(nSuit) : NO_SUIT;
    return nLevel;
}

bool CBridgeBidder::ThreeSuitsBid(const CBidSummary& first, const CBidSummary& second) const
{
    int nCount = 0;
    for (int nSuit = STRAIN_CLUBS; nSuit < SUIT_COUNT; ++nSuit) {
        if (first.m_nSuitBid[nSuit] != 0 || second.m_nSuitBid[nSuit] != 0)
            ++nCount;
    }
    return nCount == SUITS_IN_THREE_SUITER;
}
