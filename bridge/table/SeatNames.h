#pragma once
// The names of the four seats, in seat order: North, East, South, West. They name the seats
// in messages and on the table, and the seats North/South (index 2) and East/West (index 3)
// also give the side suffix of the bridge tables' registry values.

#include "bridge/bidding/Auction.h"
#include "platform/base/CString.h"

extern const CString g_strSeatNames[SEAT_COUNT];
// The settings value of each seat's player name, in seat order: "NorthName", "EastName",
// "SouthName", "WestName".
extern const char* const g_szPlayerNameValues[SEAT_COUNT];
