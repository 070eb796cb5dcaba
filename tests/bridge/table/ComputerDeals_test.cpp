// Whole deals played by the computer at every seat from pinned game numbers, recorded call by
// call and card by card with the contract and the scores after each deal. The records pin
// what the bidder and the play engines decide, so that work on the tables' speed (drawing,
// animation, message pumping) cannot change a call, a card or a score unnoticed. A deliberate
// change of the computer's calls or cards changes them too: a failure prints every record of
// the run, ready to replace the pinned ones.

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "tests/bridge/table/BidWhistTestSupport.h"
#include "tests/bridge/table/TableTestSupport.h"
#include "tests/support/CardNames.h"

namespace {

using auctiontest::BidWhistTest;
using auctiontest::CTestBidWhistDlg;
using tabletest::CTestDummyDlg;
using tabletest::TableTest;

// Deals still to come automatically, set again before every deal so that the computer keeps
// every seat and no score box waits for a click.
constexpr int AUTOMATIC_DEALS = 1000000;

const char* const s_szSeatLetters = "NESW";
const char* const s_szStrainLetters = "CDHSN";

// A call as the bidding tests write it: "P", "X", "XX", "1C" .. "7NT".
std::string CallText(int nCode)
{
    if (nCode == BID_NOBID)
        return "P";
    if (nCode == BID_DOUBLE)
        return "X";
    if (nCode == BID_REDOUBLE)
        return "XX";
    static const char* const s_szStrains[STRAIN_COUNT] = {"C", "D", "H", "S", "NT"};
    return std::to_string((nCode - 1) / BID_STRAIN_STEP + 1) + s_szStrains[(nCode - 1) % BID_STRAIN_STEP];
}

std::string CallsText(const CTestDummyDlg&)
{
    return "-";
}

std::string CallsText(const CTestBidWhistDlg& table)
{
    std::string str;
    for (const CBid& bid : table.m_auction.m_calls)
        str += (str.empty() ? "" : " ") + CallText(bid.GetCode());
    return str;
}

bool PassedOut(const CTestDummyDlg&)
{
    return false;
}

bool PassedOut(const CTestBidWhistDlg& table)
{
    return table.m_auction.GetHighestBid().GetCode() == BID_NOBID;
}

// Plays nDeals deals on pTable, each to its end with the computer at every seat, and returns
// one record per deal: "#game dealer calls | contract declarer tricks | cards | scores", the
// scores being above/below/games/rubbers of North/South, then of East/West.
template <class TTable>
std::vector<std::string> PlayAndRecord(TTable* pTable, int nDeals)
{
    std::vector<std::string> records;
    for (int nDeal = 0; nDeal < nDeals; nDeal++) {
        std::ostringstream record;
        record << '#' << CCardPile::GetGameNumber() - 1 << ' ' << s_szSeatLetters[pTable->m_nDealer] << ' ';
        pTable->m_nAutoDeals = AUTOMATIC_DEALS;
        pTable->m_bManual[CDummyDlg::SEAT_SOUTH] = false;
        pTable->OnPlay();
        record << CallsText(*pTable) << " | ";
        if (PassedOut(*pTable)) {
            records.push_back(record.str() + "passed out");
            continue;
        }
        record << pTable->m_nContractLevel + 1 << s_szStrainLetters[pTable->m_nTrumps]
               << s_szSeatLetters[(pTable->m_nLeader + 3) % SEAT_COUNT] << ' ' << pTable->m_nTricks[0] << '-'
               << pTable->m_nTricks[1] << " | ";
        for (const CCard& card : pTable->m_playedCards.m_cards)
            record << cardnames::Name(card);
        record << " |";
        for (int nSide = 0; nSide < SIDE_COUNT; nSide++)
            record << ' ' << pTable->m_nAbove[nSide] << '/' << pTable->m_nBelow[nSide] << '/'
                   << pTable->m_nGames[nSide] << '/' << pTable->m_nRubbers[nSide];
        records.push_back(record.str());
        pTable->NextDeal();
    }
    return records;
}

// Cards move without a pause and without steps drawn, as in full automatic play at a card
// delay of 0; the launcher reads it when it opens.
void SetNoCardDelay()
{
    using namespace settings_keys;
    CRegSettings(ROOT_KEY, MAKER_KEY, SUITE_KEY).WriteInt(CARD_DELAY_VALUE, 0);
}

// FNV-1a over the records, each ended by a line feed.
uint64_t Digest(const std::vector<std::string>& records)
{
    uint64_t nHash = 14695981039346656037ull;
    for (const std::string& strRecord : records) {
        for (char ch : strRecord + "\n") {
            nHash ^= static_cast<unsigned char>(ch);
            nHash *= 1099511628211ull;
        }
    }
    return nHash;
}

std::string AllRecords(const std::vector<std::string>& records)
{
    std::string str;
    for (const std::string& strRecord : records)
        str += strRecord + "\n";
    return str;
}

// Compares the first records with the pinned ones and the digest of all with the pinned
// digest; a mismatch prints the run's records.
void ExpectRecords(const std::vector<std::string>& records, const std::vector<std::string>& pinned,
                   uint64_t nPinnedDigest)
{
    ASSERT_GE(records.size(), pinned.size());
    for (size_t i = 0; i < pinned.size(); i++)
        EXPECT_EQ(records[i], pinned[i]) << "deal " << i;
    EXPECT_EQ(Digest(records), nPinnedDigest) << std::hex << "digest 0x" << Digest(records) << std::dec
                                              << " of the records\n"
                                              << AllRecords(records);
}

} // namespace

TEST_F(BidWhistTest, ComputerCallsAndCardsFromPinnedGamesStayAsRecorded)
{
    // 72 deals: rubbers are won and lost, and game 7071 is passed out.
    SetNoCardDelay();
    ASSERT_NE(OpenTable(7001), nullptr);
    const std::vector<std::string> records = PlayAndRecord(m_pTable, 72);
    ExpectRecords(records,
                  {
                      "#7001 N P P P 1NT P P P | 1NW 7-6 | "
                      "5S9SAS2S8S4S3SQS2H4HJHKH7S4DTSKS5H6HQH7H3H6DAH9H8H3DTH2D3C4CQCACJS8DTD5D6S9D5CJD7D7CKDQDAD6C2C8C9CJCTCKC"
                      " | 50/0/0/0 0/0/0/0",
                      "#7002 E 1S P 2D P 3D P P P | 3DW 6-7 | "
                      "6HKHAH4HJH7H2HQHTH9HKS5H6D3DQDKD2CKCAC3CAS2D2S3S4C6C8D5CAD5D4D7D5S4S9D7SJDTD3H9SJCQC6S8C8H8S9C7CQSTSJSTC"
                      " | 150/0/0/0 0/0/0/0",
                      "#7003 S 1S P P 2C 2NT P P P | 2NS 9-4 | "
                      "9C7CAC2C8CKC7STCAS8S3S2SQS9S4S6SJS7H5S6DTS9DKSQD4H2HJHAHJD5D3C2D3D7D4C4DJC5CQCTDKDAD8D6C3H5H9HTHKH6H8HQH"
                      " | 180/70/0/0 0/0/0/0",
                  },
                  0xc181135d2630323bull);
}

TEST_F(TableTest, ComputerCardsFromPinnedGamesStayAsRecorded)
{
    SetNoCardDelay();
    ASSERT_NE(OpenTable(7101), nullptr);
    const std::vector<std::string> records = PlayAndRecord(m_pTable, 24);
    ExpectRecords(records,
                  {
                      "#7101 N - | 1CW 8-5 | "
                      "TCKCAC6C4CQC3C2HJC5C4H2C7C9C9H8CAHJH5H5D3H2D6H8DKHQD8H3STH2SQHJS5S3DTS4S7H6S7S6DQSASKS9D9S7DTD4D8SKDADJD"
                      " | 2/0/0/0 0/0/0/0",
                      "#7102 E - | 1DN 6-7 | "
                      "QDAD3D2DKD5D9D4D6D8D7C7DAC8C3C4C2CKC5C9C5S3SAS2SQC6C2HJCKS8S7S9S7H5HQHAHJD9HTH3H6H4SKH4HTC8HTS6SQSJHTDJS"
                      " | 2/0/0/0 1/0/0/0",
                      "#7103 S - | 1HE 8-5 | "
                      "7H5H2HAHKH4H8H3H6H8SJHQH5S2SAS6S3SQS9S7S9HTH3C4STSKS6DJS5D7DKDADAC4C2C6CKC9C7CJC5CTCQC4D8C9D2D8DJDTD3DQD"
                      " | 4/0/0/0 1/0/0/0",
                  },
                  0x19a6c95df3b3eb88ull);
}
