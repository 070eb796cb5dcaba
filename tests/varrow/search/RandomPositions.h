#pragma once
// CRandomPositions: seeded random positions for the computer's search, as corpus lines (see
// SearchPositionDlg.h), within what a game can reach: centre piles that run up from the
// ace, discard piles that build down or repeat a value, at most five hand cards, the four
// wild cards at most and no card value more often than the two decks hold it. The search
// tests compare searches on them; the search fuzzer climbs from them towards the positions
// that take longest.

#include <cstdint>
#include <random>
#include <string>

class CRandomPositions {
public:
    explicit CRandomPositions(uint64_t nSeed);

    // A new position: its five fields, separated by blanks.
    std::string Next();
    // The position with one of its fields (or one discard pile) drawn afresh.
    std::string Mutate(const std::string& strPosition);

private:
    enum EField { FIELD_CENTRE, FIELD_DISCARDS, FIELD_HAND, FIELD_PAYOFF, FIELD_OPPONENT, FIELD_COUNT };

    // 0 .. nCount - 1.
    int Below(int nCount);
    bool Chance(int nPercent) { return Below(100) < nPercent; }
    char RandomCard(bool bWildAllowed);

    std::string Field(EField nField);
    std::string Centre();
    std::string DiscardPile();
    std::string Discards();
    std::string Hand();
    // Whether the position holds no more wild cards and copies of a value than there are.
    static bool IsReachable(const std::string& strPosition);

    std::mt19937_64 m_random;
};
