#include "resources/ConventionsTemplate.h"

#include "platform/base/ids.h"
#include "platform/res.h"

namespace {

// Two columns of five check boxes, the buttons to their right (dialog units).
constexpr int LEFT_COLUMN = 10;
constexpr int RIGHT_COLUMN = 100;
constexpr int FIRST_ROW = 10;
constexpr int ROW_STEP = 16;
constexpr int BOX_WIDTH = 86;
constexpr int BOX_HEIGHT = 10;
constexpr int BUTTON_LEFT = 194;
constexpr int BUTTON_WIDTH = 50;
constexpr int BUTTON_HEIGHT = 14;

int Row(int nRow)
{
    return FIRST_ROW + nRow * ROW_STEP;
}

} // namespace

void RegisterConventionsTemplate()
{
    CDialogTemplate conventions{IDD_CONVENTIONS, "Conventions", 0, 0, 254, 96,
                                WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER};
    conventions.controls = {
        {IDC_CONV_BLACKWOOD, ControlKind::CheckBox, "Blackwood", LEFT_COLUMN, Row(0), BOX_WIDTH, BOX_HEIGHT},
        {IDC_CONV_GERBER, ControlKind::CheckBox, "Gerber", LEFT_COLUMN, Row(1), BOX_WIDTH, BOX_HEIGHT},
        {IDC_CONV_CUEBID, ControlKind::CheckBox, "Cue Bidding", LEFT_COLUMN, Row(2), BOX_WIDTH, BOX_HEIGHT},
        {IDC_CONV_STAYMAN, ControlKind::CheckBox, "Stayman", LEFT_COLUMN, Row(3), BOX_WIDTH, BOX_HEIGHT},
        {IDC_CONV_SWISS, ControlKind::CheckBox, "Swiss", LEFT_COLUMN, Row(4), BOX_WIDTH, BOX_HEIGHT},
        {IDC_CONV_STRONGNT, ControlKind::CheckBox, "Strong/Weak NT", RIGHT_COLUMN, Row(0), BOX_WIDTH, BOX_HEIGHT},
        {IDC_CONV_GSF, ControlKind::CheckBox, "Grand Slam Force", RIGHT_COLUMN, Row(1), BOX_WIDTH, BOX_HEIGHT},
        {IDC_CONV_JOSEPHINE, ControlKind::CheckBox, "Josephine", RIGHT_COLUMN, Row(2), BOX_WIDTH, BOX_HEIGHT},
        {IDC_CONV_BARON, ControlKind::CheckBox, "Baron", RIGHT_COLUMN, Row(3), BOX_WIDTH, BOX_HEIGHT},
        {IDC_CONV_TRIALBID, ControlKind::CheckBox, "Trial Bids", RIGHT_COLUMN, Row(4), BOX_WIDTH, BOX_HEIGHT},
        {IDOK, ControlKind::DefPushButton, "OK", BUTTON_LEFT, Row(0) - 2, BUTTON_WIDTH, BUTTON_HEIGHT},
        {IDCANCEL, ControlKind::PushButton, "Cancel", BUTTON_LEFT, Row(1) - 2, BUTTON_WIDTH, BUTTON_HEIGHT},
    };
    AfxRegisterDialogTemplate(conventions);
}
