#include "bridge/table/SeatNames.h"

const CString g_strSeatNames[SEAT_COUNT] = {"North", "East", "South", "West"};
