#include "bridge/bidding/BridgeBidder.h"

#include <gtest/gtest.h>

#include "tests/bridge/bidding/BidderTestSupport.h"
#include "tests/bridge/bidding/HandTestSupport.h"

using namespace biddertest;

namespace {

constexpr int DEAL_COUNT = 1000;
constexpr int FIRST_GAME_NUMBER = 7001;
constexpr int MAX_CALLS = 60;

// Deals game number nGame into the four seats of the bidder.
void DealGame(CScriptedBidder& bidder, int nGame)
{
    CCardPile deck = handtest::MakeBridgeDeck();
    CCardPile::SetGameNumber(nGame);
    deck.Shuffle();
    for (int nSeat = 0; nSeat < SEAT_COUNT; ++nSeat) {
        CCardPile hand;
        deck.MoveTopTo(RANKS_PER_SUIT, hand);
        bidder.DealPile(nSeat, hand);
    }
}

// Whether call may follow the auction: a bid above the highest, a double of an opponent's
// last bid, a redouble of an opponent's double, or a pass.
::testing::AssertionResult IsLegal(const CAuction& auction, const CBid& call)
{
    if (call.IsNoBid())
        return ::testing::AssertionSuccess();
    if (call.GetCode() > BID_NOBID) {
        if (call.GetCode() <= BID_7NT && call > auction.GetHighestBid())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << call.GetText().str() << " over " << auction.GetHighestBid().GetText().str();
    }
    for (int i = auction.GetSize() - 1; i >= 0; --i) {
        const CBid& last = auction.m_calls[i];
        if (last.IsNoBid())
            continue;
        const bool bOpponent = ((auction.GetSeatOfCall(i) ^ auction.GetNextSeat()) & 1) != 0;
        const bool bTarget = call.IsDouble() ? last.GetCode() > BID_NOBID : last.IsDouble();
        if (bOpponent && bTarget)
            return ::testing::AssertionSuccess();
        break;
    }
    return ::testing::AssertionFailure() << call.GetText().str() << " is not open after call "
                                         << auction.GetSize();
}

// Bids the bidder's deal to the end; returns the number of calls.
int BidToTheEnd(CScriptedBidder& bidder)
{
    while (!bidder.Auction().IsFinished() && bidder.Auction().GetSize() < MAX_CALLS) {
        const CBid call = bidder.ChooseBid();
        EXPECT_TRUE(IsLegal(bidder.Auction(), call)) << "call " << bidder.Auction().GetSize();
        if (call.IsNoBid()) {
            EXPECT_TRUE(call.GetExplanation().IsEmpty()) << call.GetExplanation().str();
        }
        EXPECT_EQ(bidder.Thresholds(), call.GetThresholds());
        bidder.Append(call);
    }
    return bidder.Auction().GetSize();
}

} // namespace

TEST(CBridgeBidderChooseBid, SeededDealsBidToTheEndWithLegalCalls)
{
    CConventionsGuard guard;
    // The first shuffle of a run seeds from the clock; take it out of the way.
    CCardPile spent = handtest::MakeBridgeDeck();
    spent.Shuffle();
    for (int nDeal = 0; nDeal < DEAL_COUNT; ++nDeal) {
        SCOPED_TRACE(::testing::Message() << "game " << FIRST_GAME_NUMBER + nDeal);
        CScriptedBidder bidder;
        bidder.SetAuction(nDeal % SEAT_COUNT, "");
        bidder.m_nGames[0] = nDeal / SEAT_COUNT % 2;
        bidder.m_nGames[1] = nDeal / (2 * SEAT_COUNT) % 2;
        // Every fourth deal with the conventions off, so both branches of each switch run.
        CConventionsGuard::SetAll(nDeal % 4 != 3);
        DealGame(bidder, FIRST_GAME_NUMBER + nDeal);
        const int nCalls = BidToTheEnd(bidder);
        ASSERT_TRUE(bidder.Auction().IsFinished()) << nCalls << " calls";
        if (HasFailure())
            return;
    }
}

TEST(CBridgeBidderChooseBid, FourthSeatOpensAfterThreePasses)
{
    CConventionsGuard guard;
    CScriptedBidder bidder;
    bidder.SetAuction(1, "P P P");
    bidder.DealNext("K.AQ32.J5432.QJ4");
    ExpectCall(bidder.ChooseBid(), BID_1D, "One >= 5 card suit, points 13-21");
}

TEST(CBridgeBidderChooseBid, IntervenesOnlyWhileAnOpponentHasActedOnce)
{
    CConventionsGuard guard;
    CScriptedBidder bidder;
    const char* const szHand = "AKQJ2.AK2.32.432";
    bidder.SetAuction(0, "1C");
    bidder.DealNext(szHand);
    const CBid intervening = bidder.ChooseBid();
    EXPECT_EQ(bidder.InterveningBid().GetCode(), intervening.GetCode());
    EXPECT_FALSE(intervening.IsNoBid());

    // Each opponent has called twice: the seat keeps out with an empty explanation.
    bidder.SetAuction(0, "1C P 1H P 2C P 2H");
    bidder.DealNext(szHand);
    ExpectCall(bidder.ChooseBid(), BID_NOBID, "");
}

TEST(CBridgeBidderChooseBid, SameAuctionGivesTheSameCall)
{
    CConventionsGuard guard;
    CScriptedBidder bidder;
    bidder.SetAuction(0, "1H P 2H P");
    bidder.DealNext("A32.AKJ54.K2.432");
    const CBid first = bidder.ChooseBid();
    const CBid second = bidder.ChooseBid();
    EXPECT_EQ(first.GetCode(), second.GetCode());
    EXPECT_EQ(std::string(first.GetExplanation().str()), std::string(second.GetExplanation().str()));
    EXPECT_EQ(4u, static_cast<unsigned>(bidder.Auction().GetSize())) << "choosing adds no call";
}
