#include "bridge/bidding/Auction.h"

#include <gtest/gtest.h>

#include "bridge/bidding/BidSummary.h"
#include "tests/bridge/bidding/AuctionText.h"

namespace {

const int NORTH = 0;
const int EAST = 1;
const int SOUTH = 2;
const int WEST = 3;
const int SIDE_NS = 0;
const int SIDE_EW = 1;

} // namespace

TEST(CAuction, EmptyAuctionWaitsForTheDealer)
{
    CAuction auction;
    auction.SetDealer(SOUTH);
    EXPECT_EQ(SOUTH, auction.GetDealer());
    EXPECT_EQ(SOUTH, auction.GetNextSeat());
    EXPECT_TRUE(auction.GetHighestBid().IsNoBid());
    EXPECT_EQ(nullptr, auction.GetHighestBid().GetThresholds());
    EXPECT_EQ(0, auction.GetHighestBidder());
    EXPECT_FALSE(auction.IsFinished());
    for (int nStrain = 0; nStrain < STRAIN_COUNT; ++nStrain)
        EXPECT_EQ(0, auction.GetLowestLevel(nStrain));
    EXPECT_EQ(-1, auction.GetDeclarer(STRAIN_CLUBS, SIDE_NS));
}

TEST(CAuction, AddCallsCarryThresholdsAndExplanations)
{
    CBidThresholds thresholds;
    CAuction auction;
    auction.SetDealer(WEST);
    auction.AddBid(&thresholds, 1, STRAIN_HEARTS, "weak two");
    auction.AddPass(&thresholds, "nothing to say");
    ASSERT_EQ(2, auction.GetSize());
    EXPECT_EQ(BID_2H, auction.m_calls[0].GetCode());
    EXPECT_EQ("weak two", auction.m_calls[0].GetExplanation());
    EXPECT_EQ(&thresholds, auction.m_calls[1].GetThresholds());
    EXPECT_EQ("nothing to say", auction.m_calls[1].GetExplanation());
    EXPECT_TRUE(auction.m_calls[1].IsNoBid());
    EXPECT_EQ(EAST, auction.GetNextSeat());
    EXPECT_EQ(WEST, auction.GetHighestBidder());
}

TEST(CAuction, FinishedAfterFourCallsEndingInThreePasses)
{
    CAuction auction = AuctionFromText(nullptr, NORTH, "P P P");
    EXPECT_FALSE(auction.IsFinished());
    auction.AddPass(nullptr, "");
    EXPECT_TRUE(auction.IsFinished());

    EXPECT_TRUE(AuctionFromText(nullptr, EAST, "1C P P P").IsFinished());
    EXPECT_FALSE(AuctionFromText(nullptr, EAST, "1C P P").IsFinished());
    EXPECT_FALSE(AuctionFromText(nullptr, EAST, "P 1C P P X P").IsFinished());
    EXPECT_TRUE(AuctionFromText(nullptr, EAST, "P 1C P 1H P P P").IsFinished());
}

TEST(CAuction, DoubleBecomesRedoubleOnlyOverADouble)
{
    CAuction doubledThenPasses = AuctionFromText(nullptr, NORTH, "1H X P P");
    doubledThenPasses.AddDouble(nullptr, "");
    EXPECT_TRUE(doubledThenPasses.m_calls.back().IsRedouble());

    CAuction redoubled = AuctionFromText(nullptr, NORTH, "1H X XX");
    redoubled.AddDouble(nullptr, "");
    EXPECT_TRUE(redoubled.m_calls.back().IsDouble());

    CAuction bidOver = AuctionFromText(nullptr, NORTH, "1H X 2C");
    bidOver.AddDouble(nullptr, "");
    EXPECT_TRUE(bidOver.m_calls.back().IsDouble());

    CAuction passesOnly = AuctionFromText(nullptr, NORTH, "P P");
    CBidThresholds thresholds;
    passesOnly.AddDouble(&thresholds, "penalty");
    EXPECT_TRUE(passesOnly.m_calls.back().IsDouble());
    EXPECT_EQ(&thresholds, passesOnly.m_calls.back().GetThresholds());
    EXPECT_EQ("penalty", passesOnly.m_calls.back().GetExplanation());
}

TEST(CAuction, DoubledAndRedoubledLookPastPasses)
{
    EXPECT_TRUE(AuctionFromText(nullptr, NORTH, "1H X P P").IsDoubled());
    EXPECT_FALSE(AuctionFromText(nullptr, NORTH, "1H X 2C").IsDoubled());
    EXPECT_TRUE(AuctionFromText(nullptr, NORTH, "1H X XX P").IsRedoubled());
    EXPECT_FALSE(AuctionFromText(nullptr, NORTH, "1H X XX P").IsDoubled());
    EXPECT_FALSE(AuctionFromText(nullptr, NORTH, "P P").IsDoubled());
}

TEST(CAuction, DeclarerIsTheFirstOfTheSideToNameTheStrain)
{
    CAuction auction = AuctionFromText(nullptr, WEST, "1C P 1H P 2C");
    EXPECT_EQ(WEST, auction.GetDeclarer(STRAIN_CLUBS, SIDE_EW));
    EXPECT_EQ(WEST, auction.GetHighestBidder());
    EXPECT_EQ(BID_2C, auction.GetHighestBid().GetCode());

    // West bid the hearts game, but East named hearts first.
    CAuction hearts = AuctionFromText(nullptr, NORTH, "P 1H P 2C P 2H P 4H P P P");
    EXPECT_EQ(WEST, hearts.GetHighestBidder());
    EXPECT_EQ(EAST, hearts.GetDeclarer(STRAIN_HEARTS, SIDE_EW));
    // The opponents' clubs do not count for North-South; without a match, the seat of the
    // last call (the eleventh, South's).
    EXPECT_EQ(SOUTH, hearts.GetDeclarer(STRAIN_CLUBS, SIDE_NS));
}

TEST(CAuction, LowestLevelOutbidsTheHighestBid)
{
    CAuction auction = AuctionFromText(nullptr, NORTH, "1H");
    EXPECT_EQ(1, auction.GetLowestLevel(STRAIN_CLUBS));
    EXPECT_EQ(1, auction.GetLowestLevel(STRAIN_DIAMONDS));
    EXPECT_EQ(1, auction.GetLowestLevel(STRAIN_HEARTS));
    EXPECT_EQ(0, auction.GetLowestLevel(STRAIN_SPADES));
    EXPECT_EQ(0, auction.GetLowestLevel(STRAIN_NOTRUMP));

    CAuction grand = AuctionFromText(nullptr, NORTH, "7NT X");
    for (int nStrain = 0; nStrain < STRAIN_COUNT; ++nStrain)
        EXPECT_EQ(7, grand.GetLowestLevel(nStrain));
    EXPECT_EQ(6, AuctionFromText(nullptr, NORTH, "7S").GetLowestLevel(STRAIN_NOTRUMP));
}

TEST(CAuction, SideBidsCountDoublesButNotPasses)
{
    CAuction auction = AuctionFromText(nullptr, NORTH, "1S X P P");
    EXPECT_TRUE(auction.HasSideBid(SIDE_EW));
    EXPECT_TRUE(auction.HasSideBid(SIDE_NS));
    EXPECT_FALSE(AuctionFromText(nullptr, NORTH, "1S P P P").HasSideBid(SIDE_EW));
    EXPECT_TRUE(auction.HasSideBidSuit(STRAIN_SPADES, SIDE_NS));
    EXPECT_FALSE(auction.HasSideBidSuit(STRAIN_SPADES, SIDE_EW));
}

TEST(CAuction, NthCallsSkipPassesFromEitherEnd)
{
    // North 1C, P, X; East P, 2C, P; South passes throughout; West 1H, 3C, 4C.
    CAuction auction = AuctionFromText(nullptr, NORTH, "1C P P 1H P 2C P 3C X P P 4C");
    EXPECT_EQ(BID_2C, auction.GetNthCall(1, EAST).GetCode());
    EXPECT_TRUE(auction.GetNthCall(2, EAST).IsNoBid());
    EXPECT_EQ(BID_1C, auction.GetNthCall(1, NORTH).GetCode());
    EXPECT_EQ(BID_DOUBLE, auction.GetNthCall(2, NORTH).GetCode());
    EXPECT_EQ(BID_3C, auction.GetNthCall(2, WEST).GetCode());
    EXPECT_EQ(BID_DOUBLE, auction.GetNthLastCall(1, NORTH).GetCode());
    EXPECT_EQ(BID_1C, auction.GetNthLastCall(2, NORTH).GetCode());
    EXPECT_EQ(BID_4C, auction.GetNthLastCall(1, WEST).GetCode());
    EXPECT_EQ(BID_1H, auction.GetNthLastCall(3, WEST).GetCode());
    EXPECT_TRUE(auction.GetNthLastCall(4, WEST).IsNoBid());
    EXPECT_TRUE(auction.GetNthLastCall(1, SOUTH).IsNoBid());
}

TEST(CAuction, CopiesKeepCallsAndDealer)
{
    CAuction auction = AuctionFromText(nullptr, EAST, "1NT P 3NT");
    CAuction copy(auction);
    CAuction assigned;
    assigned = auction;
    for (const CAuction* pAuction : {&copy, &assigned}) {
        EXPECT_EQ(EAST, pAuction->GetDealer());
        ASSERT_EQ(3, pAuction->GetSize());
        EXPECT_EQ(BID_3NT, pAuction->m_calls[2].GetCode());
    }
    assigned.RemoveAll();
    EXPECT_EQ(0, assigned.GetSize());
    EXPECT_EQ(3, auction.GetSize());
}

TEST(CAuction, LongAndStrangeAuctionsAreReadWithoutFault)
{
    CBidThresholds thresholds;
    CAuction auction;
    auction.SetDealer(WEST);
    for (int i = 0; i < 400; ++i)
        auction.m_calls.push_back(CBid(&thresholds, (i % 5 == 0) ? 99 : (i % 3 == 0 ? BID_DOUBLE : (i % 38) - 2), ""));
    CBidSummary summaries[SEAT_COUNT];
    auction.Summarise(summaries);
    EXPECT_EQ(99, auction.GetHighestBid().GetCode());
    EXPECT_EQ(7, auction.GetLowestLevel(STRAIN_CLUBS));
    EXPECT_EQ(WEST, auction.GetNextSeat());
    for (const CBidSummary& summary : summaries) {
        EXPECT_GE(summary.m_nSuit, -1);
        EXPECT_LT(summary.m_nSuit, SUIT_COUNT);
    }
}
