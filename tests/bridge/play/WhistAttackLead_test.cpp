// The declarer engine's lead: mode, suit scores, the card and its explanation, on deals
// worked out by hand.

#include <gtest/gtest.h>

#include "tests/bridge/play/whistattack_helpers.h"

using namespace playtest;

TEST(CWhistAttackLead, CashModeRunsTheLongSuitLowTowardsPartnersHonours)
{
    // South: A K Q 5 4 3 2 of spades and six small hearts; North: J 10 of spades and the top
    // honours of the other suits. Spades: 7 quick tricks (A K Q J 10 run, the long hand has
    // an early top card), 7 winners, four outstanding. Hearts: A K Q in North, 3 quick
    // tricks, 6 winners. Diamonds and clubs: 4 each. Runnable 7 + 6 + 4 + 4 = 21 >= 13.
    CDeclaringPair pair("AS KS QS 5S 4S 3S 2S 7H 6H 5H 4H 3H 2H",
                        "JS TS AH KH QH AD KD QD JD AC KC QC JC");
    CWhistAttack& engine = pair.Engine();
    EXPECT_EQ(7, engine.QuickTricks(SPADES));
    EXPECT_EQ(7, engine.Winners(SPADES));
    EXPECT_EQ(3, engine.QuickTricks(HEARTS));
    EXPECT_EQ(6, engine.Winners(HEARTS));
    EXPECT_EQ(4, engine.QuickTricks(DIAMONDS));
    EXPECT_EQ(1, engine.Losers(DIAMONDS));
    EXPECT_TRUE(engine.IsCashMode());

    EXPECT_EQ(LEAD_RUN_OUT_SUIT | LEAD_QUICK_TRICKS | LEAD_DROP_100 | LEAD_LENGTH | LEAD_LOW_TO_HIGH
                  | LEAD_NO_REVERSE_FINESSE | LEAD_HAS_CARDS,
              engine.EvaluateLeadSuit(true, SPADES));
    EXPECT_EQ(LEAD_QUICK_TRICKS | LEAD_LENGTH | LEAD_DROP_50 | LEAD_LOW_TO_HIGH | LEAD_NO_REVERSE_FINESSE
                  | LEAD_HAS_CARDS,
              engine.EvaluateLeadSuit(true, HEARTS));

    // Low to the J 10, so that North's honours do not block the run.
    EXPECT_EQ(Card("2S"), engine.ChooseCard());
    EXPECT_EQ("1st, Cash tricks, Run out last cards of suit,Has quick tricks,Drop 100%,Length,"
              "Low to high lead,No reverse finesse,",
              pair.LastLine());
}

TEST(CWhistAttackLead, ExtraTricksModeLeadsTheLowestSuitOnEqualScores)
{
    // South holds a bare ace and small cards in every suit, North only small cards: one
    // quick trick a suit, against 3 + 4 + 3 + 4 rounds the opponents' length lasts.
    CDeclaringPair pair("AS 5S 4S 3S AH 5H 4H AD 5D 4D AC 5C 4C",
                        "7S 6S 2S 7H 6H 3H 2H 7D 6D 3D 7C 6C 3C");
    CWhistAttack& engine = pair.Engine();
    EXPECT_EQ(4, engine.RunnableTricks());
    EXPECT_EQ(0, engine.CountEarlyLosers(NO_TRUMPS));
    EXPECT_FALSE(engine.IsCashMode());
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        EXPECT_EQ(LEAD_NO_REVERSE_FINESSE | LEAD_HAS_CARDS, engine.EvaluateLeadSuit(false, nSuit))
            << nSuit;
    }

    EXPECT_EQ(Card("AC"), engine.ChooseCard());
    EXPECT_EQ("1st, Extra tricks, No reverse finesse,", pair.LastLine());
}

TEST(CWhistAttackLead, TrumpsAreNotDrawnWhenTheOpponentsHaveNone)
{
    CDeclaringPair pair("AS KS QS JS TS 9S 8S 2H 3H 4H 5H 6H 7H",
                        "7S 6S 5S 4S 3S 2S AH KH AD KD QD JD TD", SPADES);
    CWhistAttack& engine = pair.Engine();
    EXPECT_TRUE(engine.OpponentsOutOfTrumps());
    const CCard card = engine.ChooseCard();
    EXPECT_EQ(HEARTS, card.GetSuit());
    EXPECT_EQ(0u, pair.LastLine().find("1st, "));
}

TEST(CWhistAttackLead, AHandOfOnlyTrumpsLeadsATrump)
{
    CDeclaringPair pair("AS KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S",
                        "AH KH QH JH TH 9H 8H 7H 6H 5H 4H 3H 2H", SPADES);
    const CCard card = pair.Engine().ChooseCard();
    EXPECT_EQ(SPADES, card.GetSuit());
    EXPECT_TRUE(pair.m_own.Contains(card));
}

TEST(CWhistAttackLead, ExplanationWritesEachSetFlagsPhraseOnce)
{
    // [x,x] - [A,J] in spades gives the finesse phrases their row name.
    CDeclaringPair pair("3S 2S 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC",
                        "AS JS 4S 2D 3D 4D 5D 6D 7D 8D 9D TD JD");
    CWhistAttack& engine = pair.Engine();
    engine.MatchLeadFinesses();
    EXPECT_EQ(25, engine.OwnRecord().finessePercent[SPADES]);

    EXPECT_EQ("1st, Cash tricks, ", engine.LeadExplanation(true, SPADES, LEAD_HAS_CARDS).str());
    EXPECT_EQ("1st, Extra tricks, ", engine.LeadExplanation(false, SPADES, LEAD_HAS_CARDS).str());
    EXPECT_EQ("1st, Cash tricks, Can ruff,",
              engine.LeadExplanation(true, SPADES, LEAD_CAN_RUFF | LEAD_RUFF_AFTER_DRAWING).str());
    EXPECT_EQ("1st, Extra tricks, Long Finesse [x,x] - [A,J],Finesse50% [x,x] - [A,J],",
              engine.LeadExplanation(false, SPADES, LEAD_FINESSE | LEAD_LONG_FINESSE).str());
    EXPECT_EQ("1st, Extra tricks, Unlikely ruff,Self blocking,Finesse100% [x,x] - [A,J],"
              "Can discard loser,Winners > QTs,Seqence below top card,",
              engine.LeadExplanation(false, SPADES,
                                     LEAD_SEQUENCE_BELOW_TOP | LEAD_WINNERS_OVER_QTS | LEAD_DISCARD_LOSER
                                         | LEAD_FINESSE_100 | LEAD_SELF_BLOCKING | LEAD_UNLIKELY_RUFF)
                  .str());
}

TEST(CWhistAttackLead, ExtraTricksModeTakesTheFinesse)
{
    // Spades [x,x] - [A,Q,10] and nothing else of value: the lead is the small spade for the
    // finesse of the ten.
    CDeclaringPair pair("3S 2S 2H 3H 4H 5H 2D 3D 4D 5D 2C 3C 4C",
                        "AS QS TS 4S 6H 7H 8H 6D 7D 8D 5C 6C 7C");
    CWhistAttack& engine = pair.Engine();
    EXPECT_FALSE(engine.IsCashMode());
    // Hearts and diamonds score 0xF (more winners than quick tricks, low to high), clubs
    // 0x7, spades 0x17 with the finesse.
    EXPECT_EQ(LEAD_WINNERS_OVER_QTS | LEAD_LOW_TO_HIGH | LEAD_NO_REVERSE_FINESSE | LEAD_HAS_CARDS,
              engine.EvaluateLeadSuit(false, HEARTS));
    EXPECT_EQ(LEAD_LOW_TO_HIGH | LEAD_NO_REVERSE_FINESSE | LEAD_HAS_CARDS,
              engine.EvaluateLeadSuit(false, CLUBS));
    EXPECT_EQ(Card("2S"), engine.ChooseCard());
    EXPECT_EQ(0, engine.OwnRecord().finesseRow[SPADES]);
    EXPECT_EQ(Card("TS"), engine.OwnRecord().finessePlay[SPADES]);
    EXPECT_EQ("1st, Extra tricks, Finesse50% [x,x] - [A,Q,10],Low to high lead,No reverse finesse,",
              pair.LastLine());
}
