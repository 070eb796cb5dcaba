#include "bridge/table/ScoreLimits.h"

#include <algorithm>

namespace {

const char* const s_szSideNames[SIDE_COUNT] = {"North/South", "East/West"};
const char* const s_szScoreWords[SIDE_SCORE_COUNT] = {
    "rubbers", "games", "points above the line", "points below the line"};

} // namespace

int MaxSideScore(int nKind)
{
    return nKind == SCORE_GAMES ? MAX_GAMES_WON : MAX_SIDE_SCORE;
}

int AddToScore(int nScore, int nPoints)
{
    const long long nSum = static_cast<long long>(nScore) + nPoints;
    return static_cast<int>(std::clamp<long long>(nSum, 0, MAX_SIDE_SCORE));
}

int ClampSideScore(int nKind, int nValue)
{
    return std::clamp(nValue, 0, MaxSideScore(nKind));
}

CString SideName(int nSide)
{
    return s_szSideNames[nSide & 1];
}

CString SideScoreName(int nSide, int nKind)
{
    return SideName(nSide) + "'s " + s_szScoreWords[std::clamp(nKind, 0, SIDE_SCORE_COUNT - 1)];
}
