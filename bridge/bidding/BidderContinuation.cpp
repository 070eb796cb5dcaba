// The bidder's answers to partner's conventional and forcing calls, one rule per meaning code
// of partner's last interpreted call.

#include "bridge/bidding/BidderSupport.h"

#include <algorithm>

#include "bridge/bidding/Conventions.h"

using namespace bidder;

namespace {

// Strong two-club answers: a positive response needs an ace and a king, 8 points, or tricks.
constexpr int POSITIVE_POINTS = 7;
constexpr double ONE_QUICK_TRICK = 1.0;
constexpr double ONE_AND_A_HALF_QUICK_TRICKS = 1.5;
// The opener of two clubs jumps to ask for an ace with this many playing tricks and aces.
constexpr int JUMP_REBID_TRICKS = 9;
constexpr int JUMP_REBID_MIN_ACES = 2;
constexpr int JUMP_REBID_MAX_ACES = 3;
// Scattered points with four-card support; fewer than six points have nothing more to say.
constexpr int SUPPORT_POINTS = 3;
constexpr int NOTHING_MORE_POINTS = 6;
// Support points of a strong two's response: more than 8 with a control, 9 to 10 without.
constexpr int STRONG_TWO_SUPPORT_MIN = 9;
constexpr int STRONG_TWO_SUPPORT_MAX = 10;
// The strong two opener wants more than this many first-round controls for a slam try.
constexpr int SLAM_TRY_CONTROLS = 2;
// Rebidding the own suit rather than ask for aces needs fewer cards than this in partner's.
constexpr int REBID_SHORTNESS = 3;
// More cards than this in partner's suit are a match.
constexpr int MATCH_LENGTH = 2;
// A Baron answer in hearts is passed back to no trump with no more spades than this.
constexpr int BARON_SPADES = 3;
// Points below which a Swiss raise settles for game.
constexpr int SWISS_SLAM_POINTS = 33;
constexpr int ALL_ACES = 4;
constexpr int ALL_KINGS = 4;
constexpr int KINGS_FOR_ASK = 3;
constexpr int KINGS_FOR_ASK_NOT_CLUBS = 2;
// Of the trump ace, king and queen the grand slam force wants two.
constexpr int TOP_TRUMPS_FOR_GRAND = 2;
// First- and second-round controls that a grand slam wants.
constexpr int GRAND_FIRST_CONTROLS = 4;
constexpr int GRAND_SECOND_CONTROLS = 3;
// Calls back to partner's call of the round before.
constexpr int PARTNER_EARLIER_FROM_END = 6;

// The answers to Blackwood and to Gerber name the aces with the same words, one step each
// from none (or all four) up to three.
const char* const s_szAceAnswers[] = {"Zero or four aces", "One ace", "Two aces", "Three aces"};

// Everything one answer reads and the decision it fills.
struct SContinuation {
    const CBridgeBidder& bidder;
    const CAuction& auction;
    const CBidThresholds& thresholds;
    CBridgeBidder::SDecision& decision;
    const CHand& hand;
    const CBidSummary& own;
    const CBidSummary& partner;
    const CBid& partnerCall;      // K
    const CBid& rightCall;        // R
    const CBid& myCall;           // MINE
    int nAgreed;                  // T
    const CBid& partnerPrevious;
    const CBid& myPrevious;
    int nPoints;                  // high-card points
    int nNewSuit;
    int nTopFive;                 // the highest suit of five or more cards
    int nTotal;                   // points (with distribution when a new suit exists) + partner's minimum
    int nHighTotal;               // high-card points + partner's minimum

    int K() const { return partnerCall.GetSuit(); }
    int SlamPoints() const { return thresholds.m_nCombined[COMBINED_NEW_SUIT][LEVEL_SIX]; }
};

void Lowest(SContinuation& c, int nStrain, const CString& strText)
{
    DecideLowest(c.decision, c.auction, nStrain, strText);
}

void Blackwood(SContinuation& c)
{
    c.bidder.AskBlackwood(c.decision.m_nSuit, c.decision.m_nLevel, c.decision.m_strText);
}

void Fit(SContinuation& c, int nPoints, int nOtherSuit, int nSuit)
{
    c.decision.m_nSuit = nSuit;
    c.decision.m_strText.Empty();
    c.bidder.FitLevel(nPoints, c.nHighTotal, nOtherSuit, nSuit, c.decision.m_nLevel, c.decision.m_strText);
}

void NoTrump(SContinuation& c, int nPoints)
{
    c.decision.m_nSuit = STRAIN_NOTRUMP;
    c.bidder.NoTrumpContinuation(c.own, c.partner, c.partnerCall, nPoints, c.decision.m_nLevel,
                                 c.decision.m_strText);
}

// Four or more of partner's suit: Blackwood with slam points, else the level of the fit.
bool SupportPartner(SContinuation& c)
{
    const int nSuit = c.K();
    if (!c.partnerCall.IsSuitBid() || c.hand.GetSuitLength(nSuit) < FOUR_CARDS)
        return false;
    const int nSupport = c.hand.SupportPoints(nSuit) + c.partner.m_nMinPoints;
    if (g_bBlackwood && nSupport >= c.SlamPoints())
        Blackwood(c);
    else
        Fit(c, nSupport, nSuit, nSuit);
    return true;
}

// Support for partner's suit, else a new suit, else no trump.
void SupportOrNew(SContinuation& c)
{
    if (SupportPartner(c))
        return;
    if (c.nNewSuit != NO_SUIT)
        Lowest(c, c.nNewSuit, "Alternative suit");
    else if (c.partnerCall.IsSuitBid())
        Lowest(c, STRAIN_NOTRUMP, "No alternative suit");
    else if (c.partnerCall.IsNoTrump())
        NoTrump(c, c.nTotal);
}

void RaiseOneLevel(SContinuation& c, const char* szText)
{
    ++c.decision.m_nLevel;
    c.decision.m_strText = szText;
}

void AnswerTwoClubs(SContinuation& c)
{
    const int nBest = c.hand.GetBestBiddableSuit();
    const double dQuick = c.hand.QuickTricks();
    const bool bPositive = (c.hand.GetAces() >= 1 && c.hand.GetKings() >= 1) || c.nPoints > POSITIVE_POINTS
        || (dQuick >= ONE_QUICK_TRICK && nBest >= STRAIN_HEARTS) || dQuick >= ONE_AND_A_HALF_QUICK_TRICKS;
    if (!bPositive) {
        Decide(c.decision, LEVEL_TWO, STRAIN_DIAMONDS, "Negative response, points < 8 or quick tricks < 1.5");
        return;
    }
    const char* const szText =
        "Exactly 1 Ace and 1 King or points >= 8 or quickTricks >= 1.0 and biddable major suit or qts >= 1.5";
    if (nBest != NO_SUIT)
        Lowest(c, nBest, szText);
    else
        Decide(c.decision, LEVEL_TWO, STRAIN_NOTRUMP, szText);
}

void RebidTwoClubs(SContinuation& c)
{
    if (c.partnerCall.GetCode() == BID_2D || c.partnerCall.IsNoBid()) {
        const int nBest = c.hand.GetBestBiddableSuit();
        if (nBest == NO_SUIT && c.hand.IsBalancedWithStoppers()) {
            Lowest(c, STRAIN_NOTRUMP, "No trump hand");
            return;
        }
        Lowest(c, nBest, "Biddable suit");
        const int nAces = c.hand.GetAces();
        if (nBest != NO_SUIT && c.hand.PlayingTricks() > JUMP_REBID_TRICKS && nAces >= JUMP_REBID_MIN_ACES
            && nAces <= JUMP_REBID_MAX_ACES)
            RaiseOneLevel(c, "Jump bid asking for an Ace");
    } else if (!SupportPartner(c)) {
        if (c.nNewSuit != NO_SUIT)
            Lowest(c, c.nNewSuit, "Now show my preferred suit");
        else
            Lowest(c, STRAIN_NOTRUMP, "No match and no alternative biddable suit");
    }
}

// The strong long suit with the most high-card points, clubs first; -1 when none.
int StrongestLongSuit(const CHand& hand)
{
    int nBest = NO_SUIT;
    for (int nSuit = STRAIN_CLUBS; nSuit <= STRAIN_SPADES; ++nSuit) {
        if (hand.IsStrongLongSuit(nSuit) && (nBest == NO_SUIT || hand.GetSuitPoints(nSuit) > hand.GetSuitPoints(nBest)))
            nBest = nSuit;
    }
    return nBest;
}

void AnswerTwoClubRebid(SContinuation& c)
{
    if (c.partnerCall.GetCode() == BID_2NT || c.partnerCall.IsNoBid())
        return;
    if (c.myCall.GetCode() != BID_2D && !c.myCall.IsNoBid()) {
        if (SupportPartner(c))
            return;
        if (c.nNewSuit != NO_SUIT)
            Lowest(c, c.nNewSuit, "Alternative suit");
        else
            Lowest(c, STRAIN_NOTRUMP, "Nothing more to say");
        return;
    }
    if (c.partnerCall.IsSuitBid() && c.hand.GetSuitLength(c.K()) >= FOUR_CARDS && c.nPoints > SUPPORT_POINTS) {
        Lowest(c, c.K(), "Strong support, scattered pts > 3");
        if (c.hand.CountFirstRoundControls() == 0)
            RaiseOneLevel(c, "Strong support, pts > 3, no Ace or void");
        return;
    }
    const int nStrong = StrongestLongSuit(c.hand);
    if (nStrong != NO_SUIT) {
        Lowest(c, nStrong, "Long solid self supporting suit");
        if (!c.hand.HasFirstRoundControl(nStrong))
            RaiseOneLevel(c, "Long solid self supporting suit, missing the Ace");
    } else if (c.nPoints < NOTHING_MORE_POINTS) {
        Lowest(c, STRAIN_NOTRUMP, "Nothing more to say");
    } else {
        Decide(c.decision, LEVEL_THREE, STRAIN_NOTRUMP, "Should be 6,7 pts but currently >= 6");
    }
}

void ContinueTwoClubsFirst(SContinuation& c)
{
    if (c.partnerCall.IsNoBid())
        return;
    if (c.partnerPrevious.GetCode() == BID_2D && c.partnerCall.IsNoTrump())
        NoTrump(c, c.nTotal);
    else if (c.partnerPrevious.GetCode() == BID_2D && c.partnerCall.IsSuitBid() && c.K() == c.myCall.GetSuit())
        Fit(c, c.nTotal, c.K(), c.K());
    else
        SupportOrNew(c);
}

void ContinueTwoClubsSecond(SContinuation& c)
{
    if (!c.partnerCall.IsNoBid() && c.myPrevious.GetCode() != BID_2D)
        SupportOrNew(c);
}

void ContinueTwoClubsThird(SContinuation& c)
{
    if (!c.partnerCall.IsNoBid())
        SupportOrNew(c);
}

void ShowAce(SContinuation& c)
{
    if (c.hand.GetAces() < 1) {
        Decide(c.decision, LEVEL_THREE, STRAIN_NOTRUMP, "No aces");
        return;
    }
    for (int nStep = 1; nStep <= SUIT_COUNT; ++nStep) {
        const int nSuit = ((c.K() + nStep) % SUIT_COUNT + SUIT_COUNT) % SUIT_COUNT;
        if (c.hand.CountCardsFrom(nSuit, CHand::ORDER_ACE) > 0) {
            Lowest(c, nSuit, "Ace in suit bid");
            return;
        }
    }
}

void BidGame(SContinuation& c)
{
    const int nBest = c.hand.GetBestBiddableSuit();
    if (nBest == NO_SUIT)
        return;
    if (c.partnerCall.GetCode() != BID_3NT && c.hand.GetSuitLength(c.K()) > 0)
        Decide(c.decision, LEVEL_SIX, nBest, "Small slam");
    else if (nBest >= STRAIN_HEARTS)
        Decide(c.decision, LEVEL_FOUR, nBest, "Major suit game");
    else
        Decide(c.decision, LEVEL_FIVE, nBest, "Minor suit game");
}

void AnswerStrongTwo(SContinuation& c)
{
    const double dQuick = c.hand.QuickTricks();
    const int nSuit = c.K();
    if (dQuick >= ONE_QUICK_TRICK) {
        const int nSupport = c.hand.SupportPoints(nSuit);
        const bool bSupport = IsSuit(nSuit) && c.hand.IsSupportSuit(nSuit);
        const int nNew = c.nNewSuit;
        if (bSupport && nSupport >= STRONG_TWO_SUPPORT_MIN && c.hand.CountFirstRoundControls() > 0)
            Decide(c.decision, LEVEL_THREE, nSuit, "Good support and a first round control, pts >= 9, qts >= 1.0");
        else if (bSupport && nSupport >= STRONG_TWO_SUPPORT_MIN && nSupport <= STRONG_TWO_SUPPORT_MAX)
            Decide(c.decision, LEVEL_FOUR, nSuit,
                   "Good support, no first round control,  9 <= pts <= 10, qts >= 1.0");
        else if (nNew != NO_SUIT && nNew < nSuit && dQuick >= ONE_AND_A_HALF_QUICK_TRICKS)
            Lowest(c, nNew, "Alternative suit, next level qts >= 1.5");
        else if (nNew != NO_SUIT && nNew > nSuit)
            Lowest(c, nNew, "Alternative suit, same level qts >= 1.0");
    }
    if (c.decision.m_nSuit == NO_SUIT)
        Decide(c.decision, LEVEL_TWO, STRAIN_NOTRUMP, "Negative response");
}

// A cue bid, Blackwood or the level of the fit after partner raised my strong two's answer.
void TrySlamInAgreedSuit(SContinuation& c)
{
    const int nSuit = c.K();
    if (g_bCueBid && c.hand.CanCueBid(nSuit)) {
        // The search begins after spades, so the suits are tried from clubs upward.
        c.decision.m_nSuit = STRAIN_SPADES;
        c.bidder.ChooseCueBid(c.own, c.partner, nSuit, c.hand, c.decision.m_nSuit, c.decision.m_nLevel,
                              c.decision.m_strText);
    } else if (g_bBlackwood) {
        Blackwood(c);
    } else {
        Fit(c, c.nTotal, nSuit, nSuit);
    }
}

void RebidStrongTwo(SContinuation& c)
{
    if (c.partnerCall.GetCode() == BID_2NT) {
        if (c.nNewSuit != NO_SUIT)
            Lowest(c, c.nNewSuit, "Alternative suit, looking for preference");
        else
            Lowest(c, c.myCall.GetSuit(), "Prefer my suit");
    } else if (c.partnerCall.IsSuitBid() && c.K() == c.myCall.GetSuit()) {
        if (c.partnerCall.GetLevel() == LEVEL_THREE && c.hand.CountFirstRoundControls() <= SLAM_TRY_CONTROLS)
            Decide(c.decision, LEVEL_FOUR, c.K(), "Not enough 1st rnd controls for slam attempt");
        else
            TrySlamInAgreedSuit(c);
    } else if (c.nNewSuit != NO_SUIT) {
        Lowest(c, c.nNewSuit, "Alternative suit, looking for match");
    } else if (c.hand.GetSuitLength(c.K()) < REBID_SHORTNESS) {
        Lowest(c, c.myCall.GetSuit(), "Rebid");
    } else {
        Blackwood(c);
    }
}

void AnswerStrongTwoRebid(SContinuation& c)
{
    const CBid earlier = c.auction.GetSize() >= PARTNER_EARLIER_FROM_END
        ? c.auction.m_calls[c.auction.GetSize() - PARTNER_EARLIER_FROM_END] : g_bidNoBid;
    const bool bMayAsk = c.myCall.GetCode() != BID_4NT && g_bBlackwood;
    const bool bGameForcing = c.own.m_bGameForcing || c.partner.m_bGameForcing;
    const int nSuit = c.K();
    if (SameStrain(c.partnerCall, c.myCall)) {
        if (bMayAsk)
            Blackwood(c);
        else
            Fit(c, c.nTotal, nSuit, nSuit);
    } else if (SameStrain(c.partnerCall, earlier)) {
        if (!c.partnerCall.IsNoTrump() && c.hand.GetSuitLength(nSuit) > MATCH_LENGTH) {
            if (bMayAsk)
                Blackwood(c);
            else if (c.partnerCall.IsGameBid() || !bGameForcing)
                Fit(c, c.nTotal, nSuit, nSuit);
            else
                Lowest(c, nSuit, "Show weak match");
        } else if (bGameForcing && !c.partnerCall.IsGameBid()) {
            Lowest(c, STRAIN_NOTRUMP, "Still can't help your suit and forced to keep bidding open");
        }
    } else {
        const bool bPartnersLast = c.hand.GetSuitLength(nSuit) > c.hand.GetSuitLength(earlier.GetSuit());
        const CBid& chosen = bPartnersLast ? c.partnerCall : earlier;
        if (c.myCall.GetCode() != BID_4NT && !chosen.IsPassOrDouble() && !chosen.IsGameBid())
            Decide(c.decision, GameLevel(chosen.GetSuit()), chosen.GetSuit(), "Preference bid with Game force");
    }
}

void AnswerBaron(SContinuation& c)
{
    int nSuit = STRAIN_NOTRUMP;
    for (int nCandidate = STRAIN_DIAMONDS; nCandidate <= STRAIN_SPADES && nSuit == STRAIN_NOTRUMP; ++nCandidate) {
        if (c.hand.GetSuitLength(nCandidate) >= FOUR_CARDS)
            nSuit = nCandidate;
    }
    Lowest(c, nSuit, "Baron, Lowest 4 Card suit");
}

void ContinueBaron(SContinuation& c)
{
    if (c.partnerCall.IsPassOrDouble())
        return;
    const int nSuit = c.partnerCall.IsNoTrump() ? STRAIN_CLUBS : c.K();
    if (c.hand.GetSuitLength(nSuit) >= FOUR_CARDS) {
        Fit(c, c.hand.SupportPoints(nSuit) + c.partner.m_nMinPoints, STRAIN_NOTRUMP, nSuit);
        return;
    }
    if (c.partnerCall.IsNoTrump())
        return;
    const char* const szBackToGame = "No fit, just put it back to 3NT game";
    if (nSuit == STRAIN_SPADES
        || (nSuit == STRAIN_HEARTS && c.hand.GetSuitLength(STRAIN_SPADES) <= BARON_SPADES)) {
        Decide(c.decision, LEVEL_THREE, STRAIN_NOTRUMP, szBackToGame);
        return;
    }
    for (int nNext = nSuit + 1; nNext <= STRAIN_SPADES; ++nNext) {
        if (c.hand.GetSuitLength(nNext) >= FOUR_CARDS) {
            Decide(c.decision, LEVEL_THREE, nNext, "Baron, Bid next four card suit");
            return;
        }
    }
    Decide(c.decision, LEVEL_THREE, STRAIN_NOTRUMP, szBackToGame);
}

void AnswerStayman(SContinuation& c)
{
    const int nSpades = c.hand.GetSuitLength(STRAIN_SPADES);
    const int nHearts = c.hand.GetSuitLength(STRAIN_HEARTS);
    const bool bSpades = c.hand.IsBiddable(STRAIN_SPADES);
    const bool bHearts = c.hand.IsBiddable(STRAIN_HEARTS);
    if (nSpades >= nHearts && bSpades)
        Lowest(c, STRAIN_SPADES, "Long biddable spade suit, response to Stayman");
    else if (nHearts > nSpades && bHearts)
        Lowest(c, STRAIN_HEARTS, "Long biddable heart suit, response to Stayman");
    else if (bSpades)
        Lowest(c, STRAIN_SPADES, "Biddable spade suit, response to Stayman");
    else if (bHearts)
        Lowest(c, STRAIN_HEARTS, "Biddable heart suit, response to Stayman");
    else
        Lowest(c, STRAIN_DIAMONDS, "No four card biddable major, response to Stayman");
}

void ContinueStayman(SContinuation& c)
{
    const int nSuit = c.K();
    if (c.partnerCall.GetCode() == BID_2D)
        NoTrump(c, c.nHighTotal);
    else if (c.partnerCall.IsSuitBid() && c.hand.GetSuitLength(nSuit) >= FOUR_CARDS)
        Fit(c, c.hand.SupportPoints(nSuit) + c.partner.m_nMinPoints, STRAIN_NOTRUMP, nSuit);
    else if (c.partnerCall.IsSuitBid() && nSuit == STRAIN_HEARTS)
        Lowest(c, STRAIN_SPADES, "You picked the wrong suit, try this one");
    else
        NoTrump(c, c.nHighTotal);
}

void ContinueSwiss(SContinuation& c)
{
    const int nSuit = c.myCall.GetSuit();
    if (!IsSuit(nSuit))
        return;
    if (c.hand.FitPoints(nSuit) + c.partner.m_nMinPoints < SWISS_SLAM_POINTS)
        Decide(c.decision, LEVEL_FOUR, nSuit, "Not enough points for slam, settle for game");
    else if (c.hand.GetAces() + c.partner.m_nAces < ALL_ACES)
        Decide(c.decision, LEVEL_FOUR, nSuit, "Missing an ace so settle for game");
    else
        Decide(c.decision, LEVEL_FOUR, STRAIN_NOTRUMP, "Blackwood but asking for kings");
}

void AnswerKingAsk(SContinuation& c)
{
    static const char* const s_szKings[] = {"Zero kings", "One king", "Two kings", "Three kings", "Four kings"};
    const int nKings = std::min(c.hand.GetKings(), ALL_KINGS);
    Lowest(c, STRAIN_CLUBS + nKings, s_szKings[nKings]);
}

void AnswerBlackwood(SContinuation& c)
{
    // One step per ace from clubs, none and four sharing the first.
    const int nStep = c.hand.GetAces() % ALL_ACES;
    if (c.rightCall.IsPassOrDouble()) {
        Decide(c.decision, LEVEL_FIVE, STRAIN_CLUBS + nStep, s_szAceAnswers[nStep]);
        return;
    }
    // Over the opponents' bid none or four aces double, one passes, and two or three name the
    // first or second strain above their call.
    if (nStep == 0) {
        c.decision.m_bDouble = true;
        c.decision.m_strText = s_szAceAnswers[nStep];
    } else if (nStep > 1) {
        Lowest(c, (c.rightCall.GetSuit() + nStep - 1) % STRAIN_COUNT, s_szAceAnswers[nStep]);
    }
}

void ContinueAfterAces(SContinuation& c)
{
    const int nTrump = c.nAgreed;
    const int nSuit = c.K();
    const int nMine = c.hand.GetAces();
    const int nAces = nMine == 0 && c.partner.m_nAces == 0 ? ALL_ACES : nMine + c.partner.m_nAces;
    if (nAces == ALL_ACES) {
        const int nKings = c.hand.GetKings();
        if (nKings >= KINGS_FOR_ASK || (nKings == KINGS_FOR_ASK_NOT_CLUBS && nTrump != STRAIN_CLUBS)
            || (nKings < KINGS_FOR_ASK_NOT_CLUBS && nTrump != STRAIN_CLUBS && nTrump != STRAIN_DIAMONDS))
            Decide(c.decision, LEVEL_FIVE, STRAIN_NOTRUMP, "We have all the aces, ask for kings");
        else
            Decide(c.decision, LEVEL_SIX, nTrump, "All aces but asking for kings could get us into trouble, settle for six");
    } else if (nTrump >= nSuit || nSuit == STRAIN_SPADES) {
        if (nSuit != nTrump)
            Lowest(c, nTrump, "Missing aces, back off from slam");
    } else if (c.hand.IsBalancedWithStoppers()) {
        Lowest(c, STRAIN_SPADES,
               "Missing aces, back off from slam. Can't bid clubs at this level so ask partner to convert to NT");
    } else {
        Lowest(c, nTrump, "Missing aces, stop here");
    }
}

// Kings shown by a king answer's strain: clubs 0 up to spades 3; anything else all four.
int KingsShown(const CBid& answer)
{
    return IsSuit(answer.GetSuit()) ? answer.GetSuit() : ALL_KINGS;
}

void ContinueAfterKings(SContinuation& c)
{
    const int nSuit = c.K();
    if (c.hand.GetKings() + KingsShown(c.partnerCall) == ALL_KINGS) {
        Decide(c.decision, LEVEL_SEVEN, c.nAgreed, "We've got all the kings, let's go slamming");
        return;
    }
    const char* const szText = "Missing a king, revert to our suit at lowest level";
    if (c.nAgreed > nSuit)
        Lowest(c, c.nAgreed, szText);
    else if (c.nAgreed < nSuit)
        Lowest(c, STRAIN_NOTRUMP, szText);
}

void DuckOutOfSlam(SContinuation& c)
{
    Lowest(c, STRAIN_NOTRUMP, "You wanted to duck out of slam into 5NT");
}

// Gerber answers one step per ace or king from diamonds: none (or four), one, two, three.
void AnswerGerberStep(SContinuation& c, int nLevel, int nCount, const char* const szTexts[])
{
    const int nStep = nCount % ALL_ACES;
    Decide(c.decision, nLevel, STRAIN_DIAMONDS + nStep, szTexts[nStep]);
}

void AnswerGerber(SContinuation& c)
{
    AnswerGerberStep(c, LEVEL_FOUR, c.hand.GetAces(), s_szAceAnswers);
}

// Aces or kings shown by a Gerber answer: hearts 1, spades 2, no trump 3, otherwise none.
int GerberCount(const CBid& answer)
{
    return answer.GetSuit() >= STRAIN_DIAMONDS ? answer.GetSuit() - STRAIN_DIAMONDS : 0;
}

void ContinueGerberAces(SContinuation& c)
{
    const int nMine = c.hand.GetAces();
    const bool bAllFour = c.partnerCall.GetSuit() == STRAIN_DIAMONDS && nMine == 0;
    if (bAllFour || nMine + GerberCount(c.partnerCall) == ALL_ACES)
        Decide(c.decision, LEVEL_FIVE, STRAIN_CLUBS, "We have all the aces, ask for kings");
    else if (!c.partnerCall.IsNoTrump())
        Lowest(c, STRAIN_NOTRUMP, "Missing aces, back off from slam");
}

void AnswerGerberKings(SContinuation& c)
{
    static const char* const s_szKings[] = {"Zero or four kings", "One king", "Two kings", "Three kings"};
    AnswerGerberStep(c, LEVEL_FIVE, c.hand.GetKings(), s_szKings);
}

void ContinueGerberKings(SContinuation& c)
{
    const int nShown = c.partnerCall.GetLevel() >= LEVEL_SIX ? ALL_KINGS : GerberCount(c.partnerCall);
    if (c.hand.GetKings() + nShown == ALL_KINGS)
        Decide(c.decision, LEVEL_SEVEN, STRAIN_NOTRUMP, "We've got all the kings, let's go slamming");
    else
        Lowest(c, STRAIN_NOTRUMP, "Missing a king, revert to lowest NT contract");
}

void AnswerTrialBid(SContinuation& c)
{
    const int nTrump = c.nAgreed;
    const int nPoints = c.hand.SupportPoints(nTrump) + c.partner.m_nMinPoints;
    const int nGame = c.thresholds.m_nCombined[COMBINED_AGREED][LEVEL_FOUR];
    const int nSuit = c.K();
    if (nPoints >= nGame)
        Decide(c.decision, LEVEL_FOUR, nTrump, "Enough points for game");
    else if (nPoints < nGame - 1)
        Decide(c.decision, LEVEL_THREE, nTrump, "Too few points for game");
    else if (IsSuit(nSuit) && (c.hand.HasFirstRoundControl(nSuit) || c.hand.HasSecondRoundControl(nSuit)))
        Decide(c.decision, LEVEL_FOUR, nTrump, "Have help in trial bid suit");
    else
        Decide(c.decision, LEVEL_THREE, nTrump, "No help in trial bid suit");
}

void CompleteTransfer(SContinuation& c)
{
    if (c.partnerCall.IsSuitBid())
        Lowest(c, c.K() + 1, "Transfer to partners preferred suit");
}

void ShowTrueSuit(SContinuation& c)
{
    if (c.K() != c.nTopFive)
        Lowest(c, c.nTopFive, "Show my true suit now as shutup bid");
}

void AnswerCueBid(SContinuation& c)
{
    const int nTrump = c.nAgreed;
    const int nSuit = c.K();
    if (nSuit == nTrump)
        return;
    if (IsSuit(nTrump) && nSuit == (nTrump + SUIT_COUNT - 1) % SUIT_COUNT) {
        Lowest(c, nTrump, "Cue bidding no control to show");
        return;
    }
    c.decision.m_nSuit = nSuit;
    c.bidder.ChooseCueBid(c.own, c.partner, nTrump, c.hand, c.decision.m_nSuit, c.decision.m_nLevel,
                          c.decision.m_strText);
}

void ContinueCueBids(SContinuation& c)
{
    const int nTrump = c.nAgreed;
    const int nSuit = c.K();
    if (nSuit == nTrump)
        return;
    // The suits partner skipped between my cue and this one have no first-round control there.
    int nMissingFirst = 0;
    bool bMissingBoth = false;
    int nStrain = (c.myCall.GetSuit() + 1 + SUIT_COUNT) % SUIT_COUNT;
    for (int nStep = 0; nStep < SUIT_COUNT && nStrain != nSuit; ++nStep, nStrain = (nStrain + 1) % SUIT_COUNT) {
        if (!c.hand.HasFirstRoundControl(nStrain)) {
            ++nMissingFirst;
            bMissingBoth = bMissingBoth || !c.hand.HasSecondRoundControl(nStrain);
        }
    }
    int nFirst = 0;
    int nSecond = 0;
    for (int nCheck = STRAIN_CLUBS; nCheck <= STRAIN_SPADES; ++nCheck) {
        nFirst += c.hand.HasFirstRoundControl(nCheck) || c.partner.m_bControl[nCheck] ? 1 : 0;
        nSecond += c.hand.HasSecondRoundControl(nCheck) || c.partner.m_bSecondCue[nCheck] ? 1 : 0;
    }
    if (nMissingFirst > 1 || bMissingBoth)
        Lowest(c, nTrump, "Cue bidding missing 2 1st round controls, or a 1st and 2nd in same suit");
    else if (nFirst < GRAND_FIRST_CONTROLS || nSecond < GRAND_SECOND_CONTROLS)
        Decide(c.decision, LEVEL_SIX, nTrump, "Maximum of 1 suit with only 2nd round control, try a small slam");
    else
        Decide(c.decision, LEVEL_SEVEN, nTrump, "We've got 4 1st and 3 2nd round controls, try a grand slam");
}

void AnswerGrandSlamForce(SContinuation& c)
{
    if (c.nAgreed < 0)
        return;
    if (CountHonours(c.hand, c.nAgreed, CHand::ORDER_QUEEN) < TOP_TRUMPS_FOR_GRAND)
        Decide(c.decision, LEVEL_SIX, c.nAgreed, "I do not have 2 of the top 3 trumps, bid six");
    else
        Decide(c.decision, LEVEL_SEVEN, c.nAgreed, "I have 2 of the top 3 trumps, bid seven");
}

void AnswerFourthSuit(SContinuation& c)
{
    if (IsSuit(c.K()) && c.hand.HasStopper(c.K())) {
        Lowest(c, STRAIN_NOTRUMP, "I stop the 4th suit");
        return;
    }
    int nBest = STRAIN_SPADES;
    for (int nSuit = STRAIN_SPADES - 1; nSuit >= STRAIN_CLUBS; --nSuit) {
        if (JointLength(c.hand, c.partner, nSuit) > JointLength(c.hand, c.partner, nBest))
            nBest = nSuit;
    }
    Lowest(c, nBest, "Forced to bid, chose longest joint suit to avoid NT");
}

void AnswerPartnersDouble(SContinuation& c)
{
    c.bidder.AnswerTakeOutDouble(c.decision, c.hand, c.own, c.partner, c.rightCall, c.nTotal, c.nHighTotal);
}

void ContinueAfterDoubleAnswer(SContinuation& c)
{
    const int nSuit = c.K();
    if (c.partnerCall.IsSuitBid() && c.hand.GetSuitLength(nSuit) >= FOUR_CARDS)
        Fit(c, c.hand.SupportPoints(nSuit) + c.partner.m_nMinPoints, nSuit, nSuit);
    else if (c.partnerCall.IsNoTrump())
        NoTrump(c, c.nHighTotal);
}

using PFNANSWER = void (*)(SContinuation&);

// The answer to each meaning code of partner's last call; null: no answer (a pass).
const PFNANSWER s_pfnAnswers[MEANING_COUNT] = {
    nullptr,                     // 0 natural
    AnswerTwoClubs,              // 1
    RebidTwoClubs,               // 2
    AnswerTwoClubRebid,          // 3
    ContinueTwoClubsFirst,       // 4
    ContinueTwoClubsSecond,      // 5
    ContinueTwoClubsThird,       // 6
    ShowAce,                     // 7
    BidGame,                     // 8
    AnswerStrongTwo,             // 9
    RebidStrongTwo,              // 10
    AnswerStrongTwoRebid,        // 11
    nullptr,                     // 12
    AnswerBaron,                 // 13
    ContinueBaron,               // 14
    AnswerStayman,               // 15
    ContinueStayman,             // 16
    ContinueSwiss,               // 17
    AnswerKingAsk,               // 18
    AnswerBlackwood,             // 19
    ContinueAfterAces,           // 20
    AnswerKingAsk,               // 21
    ContinueAfterKings,          // 22
    DuckOutOfSlam,               // 23
    nullptr,                     // 24
    AnswerGerber,                // 25
    ContinueGerberAces,          // 26
    AnswerGerberKings,           // 27
    ContinueGerberKings,         // 28
    nullptr,                     // 29
    AnswerTrialBid,              // 30
    CompleteTransfer,            // 31
    ShowTrueSuit,                // 32
    AnswerCueBid,                // 33
    ContinueCueBids,             // 34
    nullptr,                     // 35
    AnswerGrandSlamForce,        // 36
    AnswerFourthSuit,            // 37
    AnswerPartnersDouble,        // 38
    ContinueAfterDoubleAnswer,   // 39
};

// The highest suit of five or more cards; -1 when none.
int TopFiveCardSuit(const CHand& hand)
{
    for (int nSuit = STRAIN_SPADES; nSuit >= STRAIN_CLUBS; --nSuit) {
        if (hand.GetSuitLength(nSuit) >= FIVE_CARDS)
            return nSuit;
    }
    return NO_SUIT;
}

} // namespace

void CBridgeBidder::ContinueAuction(SDecision& decision, const CHand& hand, const CBidSummary& own,
                                    const CBidSummary& partner, const CBid& partnerCall, const CBid& rightCall,
                                    const CBid& myCall, int nAgreedSuit, const CBid& partnerPrevious,
                                    const CBid& myPrevious) const
{
    const int nMeaning = partner.m_nMeaning;
    if (nMeaning < 0 || nMeaning >= MEANING_COUNT || !s_pfnAnswers[nMeaning])
        return;
    const int nPoints = hand.GetSuitPoints(-1);
    const int nNewSuit = BestNewSuit(hand, own, partner);
    const int nPts = nNewSuit != NO_SUIT ? hand.DistributionPoints(0) : nPoints;
    SContinuation c{*this, m_auction, *m_pThresholds, decision, hand, own, partner, partnerCall, rightCall,
                    myCall, nAgreedSuit, partnerPrevious, myPrevious, nPoints, nNewSuit, TopFiveCardSuit(hand),
                    nPts + partner.m_nMinPoints, nPoints + partner.m_nMinPoints};
    s_pfnAnswers[nMeaning](c);
}
