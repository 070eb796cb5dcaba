#pragma once
// What every fuzz target of the file readers asserts about a deal a reader accepted, worked
// out afresh from the cards rather than through the readers' own checks, and the deals the
// tables hand to the writers, made from the fuzzer's bytes: any failure aborts, which
// libFuzzer reports as a crash with the input that caused it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bridge/table/FileDeal.h"

// Aborts with szWhat, said of szReader (the reader or writer at fault), when bHolds is false.
inline void FuzzCheck(bool bHolds, const char* szReader, const char* szWhat)
{
    if (bHolds)
        return;
    std::fprintf(stderr, "%s: %s\n", szReader, szWhat);
    std::abort();
}

// Every card a card of the bridge deck with its plain order and points, none twice; seats,
// level and strain in range; tricks the cards left allow; scores in range.
inline void CheckAcceptedDeal(const CFileDeal& deal, const char* szReader)
{
    const int CARDS_IN_DECK = 52;
    const int TOP_ORDER = 13;      // the ace
    const int FIRST_HONOUR = 10;   // the jack's order, one point
    bool bSeen[CARDS_IN_DECK] = {};
    int nLongest = 0;
    for (const CCardPile& hand : deal.hands) {
        nLongest = hand.GetCount() > nLongest ? hand.GetCount() : nLongest;
        for (const CCard& card : hand.m_cards) {
            const int nRank = card.GetRank();
            const int nSuit = card.GetSuit();
            FuzzCheck(nRank >= 1 && nRank <= 13, szReader, "a rank outside the deck");
            FuzzCheck(nSuit >= 0 && nSuit <= 3, szReader, "a suit outside the deck");
            const int nOrder = nRank == 1 ? TOP_ORDER : nRank - 1;
            const int nPoints = nOrder >= FIRST_HONOUR ? nOrder - FIRST_HONOUR + 1 : 0;
            FuzzCheck(card.GetOrder() == nOrder, szReader, "a card's order is not the deck's");
            FuzzCheck(card.GetPoints() == nPoints, szReader, "a card's points are not the deck's");
            const int nIndex = nSuit * 13 + nRank - 1;
            FuzzCheck(!bSeen[nIndex], szReader, "a card is dealt twice");
            bSeen[nIndex] = true;
        }
    }
    if (deal.bHasContract) {
        FuzzCheck(deal.nLevel >= -1 && deal.nLevel <= 6, szReader, "a level outside -1..6");
        FuzzCheck(deal.nTrumps >= 0 && deal.nTrumps <= 4, szReader, "a strain outside 0..4");
        FuzzCheck(deal.nDealer >= 0 && deal.nDealer <= 3, szReader, "a dealer outside the seats");
        FuzzCheck(deal.nToPlay >= 0 && deal.nToPlay <= 3, szReader, "a player to move outside the seats");
        FuzzCheck(deal.nTricks[0] >= 0 && deal.nTricks[1] >= 0, szReader, "a negative trick count");
        const int nTaken = deal.nTricks[0] + deal.nTricks[1];
        FuzzCheck(nTaken == 0 || nTaken + nLongest <= 13, szReader,
                  "more tricks than the cards left allow");
    }
    if (deal.bHasLeader)
        FuzzCheck(deal.nLeader >= 0 && deal.nLeader <= 3, szReader, "a leader outside the seats");
    if (deal.bHasScores) {
        for (const auto& side : deal.nScores) {
            for (int nKind = 0; nKind < SIDE_SCORE_COUNT; ++nKind) {
                const int nHighest = nKind == SCORE_GAMES ? 1 : MAX_SIDE_SCORE;
                FuzzCheck(side[nKind] >= 0 && side[nKind] <= nHighest, szReader,
                          "a score no rubber reaches");
            }
        }
    }
}

// The cards of a hand as deck positions (suit and rank), in order: the cards whatever their
// place in the hand and whatever trump bonus their orders carry.
inline std::vector<int> DeckPositions(const CCardPile& hand)
{
    std::vector<int> positions;
    for (const CCard& card : hand.m_cards)
        positions.push_back(card.GetSuit() * 13 + card.GetRank() - 1);
    std::sort(positions.begin(), positions.end());
    return positions;
}

// Whether the two deals hold the same cards in each hand.
inline bool SameHands(const CFileDeal& a, const CFileDeal& b)
{
    for (int nSeat = 0; nSeat < SEAT_COUNT; ++nSeat) {
        if (DeckPositions(a.hands[nSeat]) != DeckPositions(b.hands[nSeat]))
            return false;
    }
    return true;
}

// Whether the two deals hold the same scores.
inline bool SameScores(const CFileDeal& a, const CFileDeal& b)
{
    for (int nSide = 0; nSide < SIDE_COUNT; ++nSide) {
        for (int nKind = 0; nKind < SIDE_SCORE_COUNT; ++nKind) {
            if (a.nScores[nSide][nKind] != b.nScores[nSide][nKind])
                return false;
        }
    }
    return true;
}

// A reader of one file format, as the table calls it.
using DealParser = bool (*)(const std::string& strText, CFileDeal& deal, CString& strProblem);

// Reads the fuzzer's input with pfnParse into deal: a refusal must give its reason, and an
// accepted deal must be consistent. True when the reader accepted the input.
inline bool ParseAndCheck(DealParser pfnParse, const uint8_t* pData, size_t nSize, CFileDeal& deal,
                          const char* szReader)
{
    const std::string strText(reinterpret_cast<const char*>(pData), nSize);
    CString strProblem;
    if (!pfnParse(strText, deal, strProblem)) {
        FuzzCheck(!strProblem.IsEmpty(), szReader, "a file was refused without a reason");
        return false;
    }
    CheckAcceptedDeal(deal, szReader);
    return true;
}

// The fuzzer's bytes read one number at a time; 0 once they run out.
class CFuzzBytes {
public:
    CFuzzBytes(const uint8_t* pData, size_t nSize) : m_pData(pData), m_nSize(nSize) {}

    // A number in 0..nCount-1 from the next byte.
    int Next(int nCount) { return NextByte() % nCount; }
    // A number in 0..nCount-1 from the next four bytes.
    int NextWide(int nCount)
    {
        uint32_t nValue = 0;
        for (int i = 0; i < 4; ++i)
            nValue = nValue << 8 | static_cast<uint32_t>(NextByte());
        return static_cast<int>(nValue % static_cast<uint32_t>(nCount));
    }

private:
    int NextByte() { return m_nPos < m_nSize ? m_pData[m_nPos++] : 0; }

    const uint8_t* m_pData;
    size_t m_nSize;
    size_t m_nPos = 0;
};

// A deal the tables hand to their writers, built from the fuzzer's bytes: any share of
// distinct cards among the seats (a deal set up by hand, one saved during a trick with cards
// missing, one kept as play began with its trumps raised), trick counts the cards left allow,
// and any contract, seats and scores in range.
inline CFileDeal WriterDeal(const uint8_t* pData, size_t nSize)
{
    const int CARDS_IN_DECK = 52;
    const int NOT_HELD = SEAT_COUNT; // the card lies in a trick
    CFuzzBytes bytes(pData, nSize);
    CFileDeal deal;
    deal.bHasContract = deal.bHasLeader = true;
    deal.nLevel = bytes.Next(FILE_HIGHEST_LEVEL + 2) + FILE_NO_CONTRACT;
    deal.nTrumps = bytes.Next(NO_TRUMPS + 1);
    deal.nLeader = bytes.Next(SEAT_COUNT);
    deal.nDealer = bytes.Next(SEAT_COUNT);
    deal.nToPlay = bytes.Next(SEAT_COUNT);
    deal.nTricks[0] = bytes.Next(CARDS_PER_HAND + 1);
    deal.nTricks[1] = bytes.Next(CARDS_PER_HAND + 1 - deal.nTricks[0]);
    const int nTaken = deal.nTricks[0] + deal.nTricks[1];
    // Once tricks are counted every hand gave a card to each of them.
    const int nRoom = nTaken > 0 ? CARDS_PER_HAND - nTaken : CARDS_IN_DECK;
    for (int nCard = 0; nCard < CARDS_IN_DECK; ++nCard) {
        const int nSeat = bytes.Next(NOT_HELD + 1);
        if (nSeat != NOT_HELD && deal.hands[nSeat].GetCount() < nRoom)
            deal.hands[nSeat].AddCard(MakeDeckCard(nCard % 13 + 1, nCard / 13));
    }
    if (deal.nTrumps < NO_TRUMPS && bytes.Next(2) == 1) {
        for (CCardPile& hand : deal.hands)
            hand.AdjustSuitOrder(deal.nTrumps, TRUMP_BONUS);
    }
    deal.bHasScores = bytes.Next(2) == 1;
    for (auto& side : deal.nScores) {
        for (int nKind = 0; nKind < SIDE_SCORE_COUNT; ++nKind)
            side[nKind] = bytes.NextWide(MaxSideScore(nKind) + 1);
    }
    return deal;
}
