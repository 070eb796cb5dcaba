// The ".bridge" import: card bytes worked out from the format, a file built here read back
// into the right seats, and short or damaged files.

#include "bridge/table/TimesBridgeImport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cardtable/PileGroup.h"
#include "platform/testing/driver.h"
#include "tests/bridge/table/TableFilesTestSupport.h"

namespace test = plat::test;

namespace {

constexpr size_t HEADER = 87;
constexpr size_t HAND_BYTES = 106;
constexpr size_t RECORD = 8;

// A whole file whose first hand (South's) holds the spades, then West's the hearts, North's
// the diamonds and East's the clubs, each from the two (code 0) up to the ace (code 12);
// header and spare bytes hold junk.
std::string SuitPerHandFile()
{
    std::string strFile(HEADER, '\xA5');
    for (int nSuit = 3; nSuit >= 0; --nSuit) {
        for (int nCode = 0; nCode <= 12; ++nCode)
            strFile += static_cast<char>(nSuit * 32 + nCode) + std::string(RECORD - 1, '\xEE');
        strFile += "\x7F\x80";
    }
    return strFile;
}

struct CHands {
    CCardPile piles[4];
    CPileGroup group;
    CHands()
    {
        for (CCardPile& pile : piles)
            group.Add(&pile);
    }
    int Total() const { return piles[0].GetCount() + piles[1].GetCount() + piles[2].GetCount() + piles[3].GetCount(); }
    TimesBridgeResult Read(const std::string& strFile)
    {
        std::istringstream is(strFile);
        return ReadTimesBridge(is, group);
    }
};

// "rank/suit/order/points" of the card of byCard, or "none".
std::string Decoded(int nByte)
{
    CCard card(5, 1, 4, 0);
    if (!TimesBridgeCard(static_cast<unsigned char>(nByte), card))
        return "none";
    CCardPile pile;
    pile.AddCard(card);
    return CardList(pile);
}

} // namespace

TEST(CTimesBridgeImport, CardBytesDecodeRankSuitOrderAndPoints)
{
    EXPECT_EQ("1/0/13/4 ", Decoded(12));   // ace of clubs
    EXPECT_EQ("2/0/1/0 ", Decoded(0));     // two of clubs
    EXPECT_EQ("11/1/10/1 ", Decoded(41));  // jack of diamonds
    EXPECT_EQ("13/3/12/3 ", Decoded(107)); // king of spades
    EXPECT_EQ("1/0/13/4 ", Decoded(28));   // bit 4 is not used
    EXPECT_EQ("12/2/11/2 ", Decoded(74));  // queen of hearts
    EXPECT_EQ("10/2/9/0 ", Decoded(72));   // ten of hearts
    for (int nByte : {13, 15, 45, 127, 128, 140, 255})
        EXPECT_EQ("none", Decoded(nByte)) << nByte;
}

TEST(CTimesBridgeImport, HandsGoToSouthWestNorthEastInFileOrder)
{
    CHands hands;
    EXPECT_EQ(TimesBridgeResult::Complete, hands.Read(SuitPerHandFile()));
    const int nSuitOfSeat[4] = {1, 0, 3, 2};
    for (int nSeat = 0; nSeat < 4; ++nSeat) {
        CCardPile expected;
        for (int nRank = 1; nRank <= 13; ++nRank)
            expected.AddCard(BridgeCard(nRank, nSuitOfSeat[nSeat]));
        EXPECT_EQ(CardList(expected), CardList(hands.piles[nSeat])) << nSeat;
    }
    EXPECT_EQ(1, hands.piles[2].m_cards[0].GetOrder()); // the file's first record, the two of spades
}

TEST(CTimesBridgeImport, RecordsWithoutACardOrWithADealtCardAreSkippedAndTheRestStaysInStep)
{
    std::string strFile = SuitPerHandFile();
    strFile[HEADER + 3 * RECORD] = '\x8D';                   // South's fourth record
    strFile[HEADER + 3 * HAND_BYTES + 12 * RECORD] = '\x0F'; // East's last record
    strFile[HEADER + HAND_BYTES] = static_cast<char>(64 + 1); // West's first card repeats its second
    CHands hands;
    EXPECT_EQ(TimesBridgeResult::Incomplete, hands.Read(strFile));
    EXPECT_EQ(12, hands.piles[2].GetCount());
    EXPECT_EQ(0, hands.piles[2].CountOrder(4)); // the five of spades is the one missing
    EXPECT_EQ(12, hands.piles[1].GetCount());
    EXPECT_EQ(0, hands.piles[1].CountOrder(13));
    EXPECT_EQ(12, hands.piles[3].GetCount()); // a card read twice is dealt once
    EXPECT_EQ(1, hands.piles[3].CountOrder(2));
    EXPECT_EQ(13, hands.piles[0].GetCount());
}

TEST(CTimesBridgeImport, EveryShortFileGivesTheCardsItHoldsAndTrailingBytesAreIgnored)
{
    const std::string strFile = SuitPerHandFile();
    ASSERT_EQ(511u, strFile.size());
    for (size_t nLength = 0; nLength <= strFile.size(); ++nLength) {
        int nExpected = 0; // card k's byte lies at 87 + (k / 13) × 106 + (k % 13) × 8
        for (size_t k = 0; k < 52; ++k)
            nExpected += HEADER + (k / 13) * HAND_BYTES + (k % 13) * RECORD < nLength ? 1 : 0;
        CHands hands;
        const TimesBridgeResult result = hands.Read(strFile.substr(0, nLength));
        EXPECT_EQ(nExpected, hands.Total()) << nLength;
        EXPECT_EQ(nExpected == 52, result == TimesBridgeResult::Complete) << nLength;
    }
    CHands longer;
    EXPECT_EQ(TimesBridgeResult::Complete, longer.Read(strFile + std::string(4000, '\x01')));
    EXPECT_EQ(52, longer.Total());
}

TEST(CTimesBridgeImport, FileThroughTheCommandAndAMissingFile)
{
    CScratchFolder scratch;
    std::ofstream("deal.bridge", std::ios::binary) << SuitPerHandFile();
    test::QueueFileDialogAnswer("deal");
    const CString strName = AskTimesBridgeFileName(nullptr);
    EXPECT_EQ("deal.bridge", strName);
    CHands hands;
    EXPECT_EQ(TimesBridgeResult::Complete, ReadTimesBridge(strName, hands.group));
    EXPECT_EQ(52, hands.Total());
    CHands none;
    EXPECT_EQ(TimesBridgeResult::NotOpened, ReadTimesBridge(CString("missing.bridge"), none.group));
    EXPECT_EQ(0, none.Total());
}
