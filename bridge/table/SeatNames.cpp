#include "bridge/table/SeatNames.h"

const CString g_strSeatNames[SEAT_COUNT] = {"North", "East", "South", "West"};
const char* const g_szPlayerNameValues[SEAT_COUNT] = {"NorthName", "EastName", "SouthName", "WestName"};
