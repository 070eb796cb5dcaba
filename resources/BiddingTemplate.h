#pragma once
// The bidding box: template 266 with one picture button per call, OK, Hint, and a history
// grid of seven rows of four cells under the seat names West, North, East and South.

#include "resources/resource.h"

#define IDD_BIDDING 266
// Contract bids: IDC_BID_FIRST + code - 1 (one club 2000 .. seven no trump 2034).
#define IDC_BID_FIRST 2000
#define IDC_BID_NOBID 2035
#define IDC_BID_DOUBLE 2036
#define IDC_BID_REDOUBLE 2037
#define IDC_BID_LAST IDC_BID_REDOUBLE
#define IDC_BID_OK 1038
// The Hint button is IDC_PLAY (1000). Cell IDC_HISTORY_FIRST + 4 * row + column.
#define IDC_HISTORY_FIRST 2138
#define IDC_HISTORY_LAST 2165

// The 38 call buttons (index = control - IDC_BID_FIRST) and the history grid.
constexpr int BID_BUTTON_COUNT = IDC_BID_LAST - IDC_BID_FIRST + 1;
constexpr int HISTORY_COLUMNS = 4;
constexpr int HISTORY_ROWS = 7;
constexpr int HISTORY_CELL_COUNT = HISTORY_COLUMNS * HISTORY_ROWS;

// Registers template IDD_BIDDING in the platform's resource table.
void RegisterBiddingTemplate();
