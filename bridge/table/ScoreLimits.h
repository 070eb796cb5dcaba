#pragma once
// The side scores of the bridge tables and the range they stay in.
//
// Rubbers and points above and below the line lie in 0..MAX_SIDE_SCORE: ten million is more
// than a lifetime of rubbers reaches and far enough from the int's limit that no score plus a
// deal's points can overflow. Games of the current rubber are 0 or 1, as a second game wins
// the rubber and clears both sides' games. Hand files holding anything else are refused, and
// scoring keeps its sums in range whatever the scores held before (settings written by older
// runs may hold wrapped values).

#include "platform/base/CString.h"

// Sides: 0 North/South, 1 East/West.
constexpr int SIDE_COUNT = 2;

constexpr int MAX_SIDE_SCORE = 10000000;
constexpr int MAX_GAMES_WON = 1;

// The four scores of a side, in the order the files and the settings keep them.
enum SideScore { SCORE_RUBBERS, SCORE_GAMES, SCORE_ABOVE, SCORE_BELOW, SIDE_SCORE_COUNT };

// The highest value a side score of kind nKind (a SideScore) can reach.
int MaxSideScore(int nKind);
// Whether nValue is a score of kind nKind that a rubber can reach.
bool IsSideScore(int nKind, int nValue);
// nScore + nPoints, held within 0..MAX_SIDE_SCORE whatever nScore holds.
int AddToScore(int nScore, int nPoints);

// "North/South" or "East/West" for side 0 or 1.
CString SideName(int nSide);
// How messages name a score of a side: "North/South's games", "East/West's points above the
// line".
CString SideScoreName(int nSide, int nKind);
