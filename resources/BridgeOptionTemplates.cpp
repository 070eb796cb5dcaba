#include "resources/BridgeOptionTemplates.h"

#include "platform/base/ids.h"
#include "platform/res.h"

namespace {

constexpr DWORD MODAL_BOX_STYLE = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;

// Every box has a column of labels, a column of fields and OK and Cancel at the right
// (dialog units).
constexpr int MARGIN = 7;
constexpr int LABEL_WIDTH = 68;
constexpr int LABEL_HEIGHT = 8;
constexpr int FIELD_LEFT = MARGIN + LABEL_WIDTH + 4;
constexpr int FIELD_WIDTH = 70;
constexpr int FIELD_HEIGHT = 12;
constexpr int ROW_STEP = 18;
constexpr int BUTTON_WIDTH = 50;
constexpr int BUTTON_HEIGHT = 14;
constexpr int BUTTON_LEFT = FIELD_LEFT + FIELD_WIDTH + 10;
constexpr int BOX_WIDTH = BUTTON_LEFT + BUTTON_WIDTH + MARGIN;
constexpr int CHECK_WIDTH = 110;
constexpr int CHECK_HEIGHT = 10;

constexpr DWORD EDIT_STYLE = ES_AUTOHSCROLL;
constexpr DWORD DROPDOWN_STYLE = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;

int RowTop(int nRow)
{
    return MARGIN + nRow * ROW_STEP;
}

// The label of row nRow, level with its field.
CDialogItem Label(const char* szText, int nRow)
{
    return {IDC_STATIC, ControlKind::Static, szText, MARGIN, RowTop(nRow) + 2, LABEL_WIDTH, LABEL_HEIGHT};
}

CDialogItem Field(int nID, ControlKind kind, DWORD dwStyle, int nRow)
{
    return {nID, kind, "", FIELD_LEFT, RowTop(nRow), FIELD_WIDTH, FIELD_HEIGHT, dwStyle};
}

CDialogItem OkButton()
{
    return {IDOK, ControlKind::DefPushButton, "OK", BUTTON_LEFT, RowTop(0), BUTTON_WIDTH, BUTTON_HEIGHT};
}

CDialogItem CancelButton()
{
    return {IDCANCEL, ControlKind::PushButton, "Cancel", BUTTON_LEFT, RowTop(1), BUTTON_WIDTH,
            BUTTON_HEIGHT};
}

// Height of a box whose lowest row is nRows - 1 (at least the two buttons' rows).
int BoxHeight(int nRows)
{
    return RowTop(nRows < 2 ? 2 : nRows) + MARGIN;
}

void RegisterPlayerNames()
{
    CDialogTemplate names{IDD_PLAYER_NAMES, "Player Names", 0, 0, BOX_WIDTH, BoxHeight(4), MODAL_BOX_STYLE};
    names.controls = {
        Label("West", 0),
        Field(IDC_NAME_WEST, ControlKind::ComboBox, DROPDOWN_STYLE | CBS_SORT, 0),
        Label("North", 1),
        Field(IDC_NAME_NORTH, ControlKind::ComboBox, DROPDOWN_STYLE | CBS_SORT, 1),
        Label("East", 2),
        Field(IDC_NAME_EAST, ControlKind::ComboBox, DROPDOWN_STYLE | CBS_SORT, 2),
        Label("South", 3),
        Field(IDC_NAME_SOUTH, ControlKind::Edit, EDIT_STYLE, 3),
        OkButton(),
        CancelButton(),
    };
    // The voices' list only receives the folder listing; the person never sees it.
    CDialogItem voices = Field(IDC_VOICE_LIST, ControlKind::ComboBox, CBS_DROPDOWNLIST | CBS_SORT, 3);
    voices.dwNotStyle = WS_VISIBLE | WS_TABSTOP;
    names.controls.push_back(voices);
    AfxRegisterDialogTemplate(names);
}

void RegisterCardPlayOptions()
{
    CDialogTemplate options{IDD_CARD_PLAY_OPTIONS, "Card play options", 0, 0,
                            MARGIN + CHECK_WIDTH + 10 + BUTTON_WIDTH + MARGIN, BoxHeight(4),
                            MODAL_BOX_STYLE};
    const int nButtonLeft = MARGIN + CHECK_WIDTH + 10;
    options.controls = {
        {IDC_OPT_AUTO_PLAY, ControlKind::CheckBox, "Auto Play", MARGIN, RowTop(0) + 2, CHECK_WIDTH, CHECK_HEIGHT},
        {IDC_OPT_SHOW_LAST_TRICK, ControlKind::CheckBox, "Show last trick", MARGIN, RowTop(1) + 2, CHECK_WIDTH,
         CHECK_HEIGHT},
        {IDC_OPT_SINGLE_CLICK_BID, ControlKind::CheckBox, "Single click bid", MARGIN, RowTop(2) + 2, CHECK_WIDTH,
         CHECK_HEIGHT},
        {IDC_OPT_SINGLE_CLICK_PLAY, ControlKind::CheckBox, "Single click play", MARGIN, RowTop(3) + 2,
         CHECK_WIDTH, CHECK_HEIGHT},
        {IDOK, ControlKind::DefPushButton, "OK", nButtonLeft, RowTop(0), BUTTON_WIDTH, BUTTON_HEIGHT},
        {IDCANCEL, ControlKind::PushButton, "Cancel", nButtonLeft, RowTop(1), BUTTON_WIDTH, BUTTON_HEIGHT},
    };
    AfxRegisterDialogTemplate(options);
}

void RegisterAutomaticPlay()
{
    CDialogTemplate automatic{IDD_AUTOMATIC_PLAY, "Automatic Play", 0, 0, BOX_WIDTH, BoxHeight(1),
                              MODAL_BOX_STYLE};
    automatic.controls = {
        Label("Number of hands", 0),
        Field(IDC_AUTO_HANDS, ControlKind::Edit, EDIT_STYLE, 0),
        OkButton(),
        CancelButton(),
    };
    AfxRegisterDialogTemplate(automatic);
}

void RegisterSelectGame()
{
    CDialogTemplate select{IDD_SELECT_GAME, "Dialog", 0, 0, BOX_WIDTH, BoxHeight(4), MODAL_BOX_STYLE};
    CDialogItem level = Field(IDC_CONTRACT_LEVEL, ControlKind::ComboBox, DROPDOWN_STYLE | CBS_SORT, 1);
    level.items = {"1", "2", "3", "4", "5", "6", "7"};
    CDialogItem suit = Field(IDC_CONTRACT_SUIT, ControlKind::ComboBox, DROPDOWN_STYLE, 2);
    suit.items = {"Clubs", "Diamonds", "Hearts", "Spades", "No Trump"};
    CDialogItem leader = Field(IDC_LEADING_HAND, ControlKind::ComboBox, DROPDOWN_STYLE, 3);
    leader.items = {"North", "East", "South", "West"};
    select.controls = {
        Label("Game Number", 0),
        Field(IDC_GAME_NUMBER, ControlKind::Edit, EDIT_STYLE, 0),
        Label("Contract Level", 1),
        level,
        Label("Contract Suit", 2),
        suit,
        Label("Leading Hand", 3),
        leader,
        OkButton(),
        CancelButton(),
    };
    AfxRegisterDialogTemplate(select);
}

} // namespace

void RegisterBridgeOptionTemplates()
{
    RegisterPlayerNames();
    RegisterCardPlayOptions();
    RegisterAutomaticPlay();
    RegisterSelectGame();
}
