#include "resources/BiddingTemplate.h"

#include "platform/res.h"
#include "resources/BidPictures.h"

namespace {

// Every picture button is this many dialog units square.
constexpr int CELL_SIZE = 16;
// Contract bids: a column per level, a row per strain (clubs first, no trump last).
constexpr int BID_LEFT = 7;
constexpr int BID_COLUMN_STEP = 18;
const int s_nStrainRows[] = {7, 24, 41, 58, 75};
constexpr int STRAIN_COUNT = sizeof(s_nStrainRows) / sizeof(s_nStrainRows[0]);
constexpr int LEVEL_COUNT = 7;
// No bid, double and redouble in one row below the bids.
constexpr int PASS_ROW = 95;
// OK and Hint.
constexpr int BUTTON_ROW = 125;
constexpr int OK_LEFT = 7;
constexpr int HINT_LEFT = 81;
constexpr int BUTTON_WIDTH = 50;
constexpr int BUTTON_HEIGHT = 14;
// One group box per seat, West first, with a column of history cells inside.
const char* const s_szSeats[HISTORY_COLUMNS] = {"West", "North", "East", "South"};
const int s_nGroupLefts[HISTORY_COLUMNS] = {149, 187, 225, 263};
constexpr int GROUP_TOP = 2;
constexpr int GROUP_WIDTH = 30;
constexpr int GROUP_HEIGHT = 158;
const int s_nCellLefts[HISTORY_COLUMNS] = {157, 195, 233, 271};
const int s_nCellTops[HISTORY_ROWS] = {15, 36, 55, 76, 95, 116, 137};

// Picture buttons are picked with the mouse; Tab moves between OK and Hint only, and OK,
// the first tab stop, has the focus when the box opens.
CDialogItem Picture(int nID, const CString& strCaption, int x, int y)
{
    return CDialogItem{nID, ControlKind::OwnerDrawButton, strCaption, x, y, CELL_SIZE, CELL_SIZE, 0,
                       WS_TABSTOP};
}

} // namespace

void RegisterBiddingTemplate()
{
    CDialogTemplate bidding{IDD_BIDDING, "Bidding", 0, 0, 302, 166,
                            WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME};
    for (int nLevel = 0; nLevel < LEVEL_COUNT; ++nLevel) {
        for (int nStrain = 0; nStrain < STRAIN_COUNT; ++nStrain) {
            const int nCode = nLevel * STRAIN_COUNT + nStrain + 1;
            bidding.controls.push_back(Picture(IDC_BID_FIRST + nCode - 1, GetBidPictureCaption(nCode + BID_PICTURE_OFFSET),
                                               BID_LEFT + BID_COLUMN_STEP * nLevel, s_nStrainRows[nStrain]));
        }
    }
    // The double and redouble captions are lower case; picture names match either way.
    bidding.controls.push_back(Picture(IDC_BID_NOBID, "NB", BID_LEFT, PASS_ROW));
    bidding.controls.push_back(Picture(IDC_BID_DOUBLE, "double", BID_LEFT + BID_COLUMN_STEP, PASS_ROW));
    bidding.controls.push_back(Picture(IDC_BID_REDOUBLE, "redouble", BID_LEFT + 2 * BID_COLUMN_STEP, PASS_ROW));
    bidding.controls.push_back(
        {IDC_BID_OK, ControlKind::DefPushButton, "OK", OK_LEFT, BUTTON_ROW, BUTTON_WIDTH, BUTTON_HEIGHT, WS_TABSTOP});
    bidding.controls.push_back(
        {IDC_PLAY, ControlKind::PushButton, "Hint", HINT_LEFT, BUTTON_ROW, BUTTON_WIDTH, BUTTON_HEIGHT, WS_TABSTOP});
    for (int nColumn = 0; nColumn < HISTORY_COLUMNS; ++nColumn)
        bidding.controls.push_back({IDC_STATIC, ControlKind::GroupBox, s_szSeats[nColumn], s_nGroupLefts[nColumn],
                                    GROUP_TOP, GROUP_WIDTH, GROUP_HEIGHT});
    for (int nRow = 0; nRow < HISTORY_ROWS; ++nRow) {
        for (int nColumn = 0; nColumn < HISTORY_COLUMNS; ++nColumn)
            bidding.controls.push_back(Picture(IDC_HISTORY_FIRST + HISTORY_COLUMNS * nRow + nColumn,
                                               GetBidPictureCaption(BID_PICTURE_DASH), s_nCellLefts[nColumn],
                                               s_nCellTops[nRow]));
    }
    AfxRegisterDialogTemplate(bidding);
}
