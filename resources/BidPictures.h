#pragma once
// The bid-button pictures of the bidding box, drawn by our own painter: for each call and for
// the empty history cell ("DASH") an up, down, focused and disabled picture, registered as
// named bitmaps caption + "U", "D", "F" and "X" ("1CU" .. "7NTX", "NBU", "DOUBLEU",
// "REDOUBLEU", "DASHU" ...). A contract bid shows its level and a suit symbol in the suit's
// colour (or "NT"); no bid, double and redouble are white "NB", "X" and "XX" on green, red
// and blue; the dash is a short bar.

#include "platform/base/CString.h"
#include "platform/res/dialogunits.h"

class CDC;

// Picture index: call code + BID_PICTURE_OFFSET for the 38 calls (double 0, redouble 1,
// no bid 2, one club 3 .. seven no trump 37), then the dash.
constexpr int BID_PICTURE_OFFSET = 2;
constexpr int BID_CALL_PICTURE_COUNT = 38;
constexpr int BID_PICTURE_DASH = BID_CALL_PICTURE_COUNT;
constexpr int BID_PICTURE_COUNT = BID_CALL_PICTURE_COUNT + 1;

// Every picture fills a 16 x 16 dialog-unit button exactly.
constexpr int BID_BUTTON_UNITS = 16;
constexpr int BID_PICTURE_WIDTH = BID_BUTTON_UNITS * DIALOG_BASE_UNIT_X / 4;
constexpr int BID_PICTURE_HEIGHT = BID_BUTTON_UNITS * DIALOG_BASE_UNIT_Y / 8;

// The four pictures of a button, in the order of their name suffixes "U", "D", "F", "X".
enum class BidPictureState { Up, Down, Focused, Disabled };
constexpr int BID_PICTURE_STATE_COUNT = 4;

// The up-picture names of the calls, indexed by call code + 2: "DOUBLEU", "REDOUBLEU",
// "NBU", "1CU", "1DU", "1HU", "1SU", "1NTU", "2CU" .. "7NTU".
extern const char* const g_szBidBitmaps[BID_CALL_PICTURE_COUNT];

// The caption picture nPicture is named after: "DOUBLE", "REDOUBLE", "NB", "1C" .. "7NT",
// "DASH". nPicture must lie in 0 .. BID_PICTURE_COUNT - 1.
CString GetBidPictureCaption(int nPicture);
// The name suffix of a state: "U", "D", "F" or "X".
const char* GetBidPictureSuffix(BidPictureState state);

// Draws picture nPicture in the given state into the BID_PICTURE_WIDTH x BID_PICTURE_HEIGHT
// area at the origin of dc, a memory context with a bitmap at least that large.
void DrawBidPicture(CDC& dc, int nPicture, BidPictureState state);

// Registers all 156 pictures under their caption + state suffix, each drawn when first
// looked up.
void RegisterBidPictures();
