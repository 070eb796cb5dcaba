#pragma once
// The side scores of the bridge tables and the range they stay in.
//
// Rubbers and points above and below the line lie in 0..MAX_SIDE_SCORE. A side gains about a
// hundred points a deal, so a thousand million takes some ten million deals: far more than
// any person plays, and hours of automatic play at full speed; a score that gets there stays
// there rather than wrap. Two such scores still add up within an int, and the sums of scoring
// are worked out in 64 bits all the same. Games of the current rubber are 0 or 1, as a second
// game wins the rubber and clears both sides' games. Hand files holding anything else are
// refused; stored settings beyond the range are held to it.

#include "platform/base/CString.h"

// Sides: 0 North/South, 1 East/West.
constexpr int SIDE_COUNT = 2;

constexpr int MAX_SIDE_SCORE = 1000000000;
constexpr int MAX_GAMES_WON = 1;

// The four scores of a side, in the order the files and the settings keep them.
enum SideScore { SCORE_RUBBERS, SCORE_GAMES, SCORE_ABOVE, SCORE_BELOW, SIDE_SCORE_COUNT };

// The highest value a side score of kind nKind (a SideScore) can reach.
int MaxSideScore(int nKind);
// nScore + nPoints, held within 0..MAX_SIDE_SCORE whatever nScore holds.
int AddToScore(int nScore, int nPoints);
// nValue held within the range of a side score of kind nKind: a stored value beyond the
// bound keeps the bound, one below 0 is 0.
int ClampSideScore(int nKind, int nValue);

// "North/South" or "East/West" for side 0 or 1.
CString SideName(int nSide);
// How messages name a score of a side: "North/South's games", "East/West's points above the
// line".
CString SideScoreName(int nSide, int nKind);
