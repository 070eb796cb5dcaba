// The deck, the shuffle by game number, and piles as text and XML suit lines.

#include <climits>
#include <sstream>

#include <gtest/gtest.h>

#include "CardTestHelpers.h"
#include "cardtable/CardPile.h"
#include "cardtable/PileGroup.h"

using cardtest::Names;
using cardtest::Rummy;

namespace {

// Starts every shuffle test from a known game number, as the deal selection does.
void SelectGame(int nNumber)
{
    g_bSeeded = true;
    CCardPile::SetGameNumber(nNumber);
}

} // namespace


// The generator seeded with 1 gives 41, 18467, 6334, 26500, 19169. Five cards c0..c4 then
// leave the working list as 41 % 5 = 1 (c1), 18467 % 4 = 3 (c4 of c0 c2 c3 c4),
// 6334 % 3 = 1 (c2 of c0 c2 c3), 26500 % 2 = 0 (c0), and c3 last.
TEST(CCardPile, ShuffleDrawsFromTheWorkingListByTheGenerator)
{
    SelectGame(1);
    CCardPile pile;
    for (const char* sz : {"AC", "2C", "3C", "4C", "5C"})
        pile.AddCard(Rummy(sz));
    pile.Shuffle();
    EXPECT_EQ(Names(pile), "2C 5C 3C AC 4C");
    EXPECT_EQ(CCardPile::GetGameNumber(), 2);
}

// Whole deals of fixed game numbers, from the Rummy deck as BuildDeck lays it out, worked
// out from the generator's sequence away from this code. A deal that changes here changes
// every deal a person has ever noted down.
TEST(CCardPile, ShuffledDeckOfAGameNumberIsFixedCardByCard)
{
    struct {
        int nGame;
        const char* szDeck;
    } deals[] = {
        {1, "JD 2D 9S JS 5H 8C 7H 6C JC KD QC 6H AD 6S 2S 4D 3H 3S KS TD 4C 2C AS 5D 7S 9D "
            "AH TC 9C AC 9H 8S 8H 5C QS 5S 4H 6D QH 3C KH TS 4S 7D 3D 8D JH 7C TH QD KC 2H"},
        {2026, "KH 8C 3D 8S 2S 9C 4D 3S 9S 7H 5S 4S AC JH QD 8D 2C TD AS 2D TH AH 7C 8H JC 3H "
               "KC 4C QC 7S QH 3C 6C TS 4H AD QS 5H KS 9D 9H 6S 5C 2H 6H KD JS TC 5D 6D JD 7D"},
        {INT_MAX, "9S 2H 7D 5S 4D 7C 3H 5H KH QC QH 4S 4H 2S JC 6C TS 8S 5C KD TH 6D 5D 7S TC "
                  "AD 3D 6H 2D AS 4C KS QD 6S JD 2C 7H 9H TD KC 3C QS 8C 8H AC JH AH 9D 3S 8D "
                  "JS 9C"},
    };
    for (const auto& deal : deals) {
        SelectGame(deal.nGame);
        CCardPile deck;
        deck.BuildDeck();
        deck.Shuffle();
        EXPECT_EQ(Names(deck), deal.szDeck) << "game " << deal.nGame;
    }
    // The largest game number steps on to the smallest instead of overflowing.
    EXPECT_EQ(CCardPile::GetGameNumber(), INT_MIN);
}

TEST(CCardPile, DealOfGameOneGivesTheseFourHands)
{
    SelectGame(1);
    CCardPile deck;
    deck.BuildDeck();
    deck.Shuffle();
    CCardPile hands[4];
    CPileGroup group;
    for (CCardPile& hand : hands)
        group.Add(&hand);
    deck.DealRounds(-1, group);
    EXPECT_EQ(Names(hands[0]), "2H 7C 7D 3C 5S 8S TC 5D TD 4D 6H 6C JS");
    EXPECT_EQ(Names(hands[1]), "KC JH 4S QH QS 9H AH AS KS 2S QC 7H 9S");
    EXPECT_EQ(Names(hands[2]), "QD 8D TS 6D 5C AC 9D 2C 3S 6S KD 8C 2D");
    EXPECT_EQ(Names(hands[3]), "TH 3D KH 4H 8H 9C 7S 4C 3H AD JC 5H JD");
}


TEST(CCardPile, ShuffleOfAnEmptyPileStillAdvancesTheGameNumber)
{
    SelectGame(40);
    CCardPile pile;
    pile.Shuffle();
    EXPECT_EQ(pile.GetCount(), 0);
    EXPECT_EQ(CCardPile::GetGameNumber(), 41);
}

TEST(CCardPile, FirstShuffleOfTheRunTakesTheGameNumberFromTheClock)
{
    g_bSeeded = false;
    CCardPile::SetGameNumber(5);
    const long long nBefore = static_cast<long long>(time(nullptr));
    CCardPile pile;
    pile.Shuffle();
    const long long nNumber = CCardPile::GetGameNumber();
    EXPECT_TRUE(g_bSeeded);
    EXPECT_GE(nNumber, static_cast<int>(nBefore) + 1LL);
    EXPECT_LE(nNumber, static_cast<int>(time(nullptr)) + 1LL);
}

TEST(CCardPile, TextRoundTrip)
{
    CCardPile pile;
    pile.AddCard(CCard(1, 3, 13, 4));
    pile.AddCard(CCard(10, 1, 9, 0));
    std::ostringstream os;
    pile.WriteText(os);
    EXPECT_EQ(os.str(), "2\n1 3 13 4\n10 1 9 0\n");

    std::istringstream is(os.str());
    CCardPile read;
    read.AddCard(Rummy("2C"));
    read.ReadText(is);
    ASSERT_EQ(read.GetCount(), 3);
    EXPECT_EQ(read.m_cards[1].GetPoints(), 4);
    EXPECT_EQ(read.m_cards[2].GetRank(), 10);
}

TEST(CCardPile, ReadTextOfAShortStreamAppendsEmptyCards)
{
    std::istringstream is("3\n5 2 5 5\n7 1");
    CCardPile pile;
    pile.ReadText(is);
    ASSERT_EQ(pile.GetCount(), 3);
    EXPECT_EQ(pile.m_cards[0].GetRank(), 5);
    EXPECT_EQ(pile.m_cards[1].GetRank(), 7);
    EXPECT_EQ(pile.m_cards[1].GetSuit(), 1);
    EXPECT_EQ(pile.m_cards[1].GetOrder(), 0);
    EXPECT_EQ(pile.m_cards[2].GetRank(), 0);
    EXPECT_EQ(pile.m_cards[2].GetSuit(), 0);
}

TEST(CCardPile, ReadTextNeverTrustsAnAbsurdCount)
{
    std::istringstream huge("2000000000\n1 0 1 1\n");
    CCardPile pile;
    pile.ReadText(huge);
    EXPECT_EQ(pile.GetCount(), 108);
    EXPECT_EQ(pile.m_cards[0].GetRank(), 1);

    std::istringstream negative("-5\n1 0 1 1\n");
    CCardPile none;
    none.ReadText(negative);
    EXPECT_EQ(none.GetCount(), 0);

    std::istringstream garbage("x 1 0 1 1");
    none.ReadText(garbage);
    EXPECT_EQ(none.GetCount(), 0);
}


TEST(CCardPile, WriteXmlSuitsWritesEverySuitHighestFirst)
{
    CCardPile hand;
    for (const char* sz : {"2", "A", "10", "K"})
        hand.AddCard(ParseRank(sz, SUIT_SPADES));
    hand.AddCard(ParseRank("J", SUIT_HEARTS));
    hand.AddCard(ParseRank("3", SUIT_CLUBS));
    hand.AddCard(ParseRank("Q", SUIT_CLUBS));
    std::ostringstream os;
    hand.WriteXmlSuits(os);
    EXPECT_EQ(os.str(),
              "<spades>A K 10 2</spades>\n"
              "<hearts>J</hearts>\n"
              "<diamonds></diamonds>\n"
              "<clubs>Q 3</clubs>\n");
}
