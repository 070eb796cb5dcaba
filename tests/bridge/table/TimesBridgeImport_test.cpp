// The ".bridge" import: card bytes worked out from the format, a file built here read back
// into the right seats, and short or damaged files refused with what is wrong.

#include "bridge/table/TimesBridgeImport.h"

#include <gtest/gtest.h>

#include <string>

#include "bridge/table/FileDeal.h"
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

// Parses strFile into fresh hands; the problem is empty when the file was accepted.
struct CHands {
    CFileDeal deal;
    CString strProblem;
    bool bAccepted = false;

    explicit CHands(const std::string& strFile) { bAccepted = ParseTimesBridge(strFile, deal, strProblem); }
    int Total() const { return deal.CardCount(); }
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
    const CHands hands(SuitPerHandFile());
    ASSERT_TRUE(hands.bAccepted) << hands.strProblem;
    const int nSuitOfSeat[4] = {1, 0, 3, 2};
    for (int nSeat = 0; nSeat < 4; ++nSeat) {
        CCardPile expected;
        for (int nRank = 1; nRank <= 13; ++nRank)
            expected.AddCard(BridgeCard(nRank, nSuitOfSeat[nSeat]));
        EXPECT_EQ(CardList(expected), CardList(hands.deal.hands[nSeat])) << nSeat;
    }
    EXPECT_EQ(1, hands.deal.hands[2].m_cards[0].GetOrder()); // the file's first record, the two of spades
    // Only the cards are taken.
    EXPECT_FALSE(hands.deal.bHasContract || hands.deal.bHasLeader || hands.deal.bHasScores);
}

TEST(CTimesBridgeImport, ARecordWithoutACardOrWithADealtCardRefusesTheFile)
{
    struct Damage {
        size_t nOffset;
        char chByte;
        const char* szProblem;
    };
    const Damage damages[] = {
        {HEADER + 3 * RECORD, '\x8D', "card 4 of South (byte 111) names no card"},
        {HEADER + 3 * HAND_BYTES + 12 * RECORD, '\x0F', "card 13 of East (byte 501) names no card"},
        // West's first card repeats its second, the three of hearts.
        {HEADER + HAND_BYTES, static_cast<char>(64 + 1), "the three of hearts (byte 201) is dealt twice"},
    };
    for (const Damage& damage : damages) {
        std::string strFile = SuitPerHandFile();
        strFile[damage.nOffset] = damage.chByte;
        const CHands hands(strFile);
        EXPECT_FALSE(hands.bAccepted) << damage.szProblem;
        EXPECT_EQ(damage.szProblem, hands.strProblem);
    }
    // Bytes other than the card bytes are never looked at.
    std::string strJunk = SuitPerHandFile();
    for (size_t nRecord = 0; nRecord < 52; ++nRecord)
        strJunk[HEADER + (nRecord / 13) * HAND_BYTES + (nRecord % 13) * RECORD + 1] = '\x80';
    EXPECT_TRUE(CHands(strJunk).bAccepted);
}

TEST(CTimesBridgeImport, EveryShortFileIsRefusedAndTrailingBytesAreIgnored)
{
    const std::string strFile = SuitPerHandFile();
    ASSERT_EQ(511u, strFile.size());
    for (size_t nLength = 0; nLength < strFile.size(); ++nLength) {
        const CHands hands(strFile.substr(0, nLength));
        EXPECT_FALSE(hands.bAccepted) << nLength;
        EXPECT_EQ("it is " + std::to_string(nLength) + " bytes long, and a deal takes 511",
                  std::string(hands.strProblem));
    }
    const CHands longer(strFile + std::string(4000, '\x01'));
    EXPECT_TRUE(longer.bAccepted);
    EXPECT_EQ(52, longer.Total());
}

TEST(CTimesBridgeImport, TheCommandAsksForABridgeFile)
{
    test::QueueFileDialogAnswer("deal");
    EXPECT_EQ("deal.bridge", AskTimesBridgeFileName(nullptr));
    test::QueueFileDialogCancel();
    EXPECT_EQ("", AskTimesBridgeFileName(nullptr));
}
