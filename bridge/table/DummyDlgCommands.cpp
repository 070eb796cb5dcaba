// CDummyDlg: start-up and close-down, registry values, the commands of menu 131 and the
// play modes.

#include <algorithm>
#include <climits>
#include <iterator>

#include "bridge/play/ExplainWhistDlg.h"
#include "bridge/play/PlayConstants.h"
#include "bridge/play/whistattack.h"
#include "bridge/table/AutomaticPlayDlg.h"
#include "bridge/table/CardPlayOptions.h"
#include "bridge/table/DummyDlg.h"
#include "bridge/table/PlayerNamesDlg.h"
#include "bridge/table/SelectGameDlg.h"
#include "bridge/table/SeatNames.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/FramePacing.h"
#include "resources/ExplainTemplate.h"
#include "resources/resource.h"

namespace {

constexpr char WINDOW_TITLE[] = "Dummy/Partner Whist";
constexpr char GAME_NAME[] = "Dummy";
// The stored dealer's default: West, so that North deals first.
constexpr int DEFAULT_DEALER = CDummyDlg::SEAT_WEST;
// The seat whose name is a side's suffix in the per-game values: South for North/South,
// West for East/West.
constexpr int SIDE_SUFFIX_SEAT = CDummyDlg::SEAT_SOUTH;
// The trick shows four places, empty ones marked; the played cards their last four.
constexpr int TRICK_SLOTS = 4;
// Full automatic play counts its n + 1 deals in an int: n stays below the int's limit. Any
// number below zero asks for no deal, as -1 does.
constexpr int MAX_AUTOMATIC_HANDS = INT_MAX - 1;
constexpr int MIN_AUTOMATIC_HANDS = -1;

// The per-game side values and the players' names.
constexpr const char* SIDE_WORDS[SIDE_SCORE_COUNT] = {"Rubbers", "Games", "Above", "Below"};
constexpr char DEALER_WORD[] = "Dealer";

// The players' names with their defaults, in the order they are read.
struct NameValue {
    int nSeat;
    const char* szDefault;
};
constexpr NameValue NAME_VALUES[] = {
    {CDummyDlg::SEAT_WEST, "Ulo"},
    {CDummyDlg::SEAT_NORTH, "Mirel"},
    {CDummyDlg::SEAT_EAST, "Tav"},
    {CDummyDlg::SEAT_SOUTH, "Arno"},
};

constexpr char AUTO_SAVE_MODE[] = "autoSaveMode";
constexpr char MANUAL_NS_MODE[] = "manualPlayNSMode";
constexpr char MANUAL_EW_MODE[] = "manualPlayEWMode";
constexpr char MANUAL_BID_MODE[] = "manualBidMode";
constexpr char SHOW_HANDS_MODE[] = "showHandsMode";
constexpr char OPEN_DUMMY[] = "opendummy";
constexpr char AUTO_PLAY[] = "autoPlay";
constexpr char BID_SINGLE_CLICK[] = "bidSingleClick";
constexpr char PLAY_SINGLE_CLICK[] = "playSingleClick";
constexpr char SHOW_LAST_TRICK[] = "showlasttrick";
constexpr char WHIST_SOUND[] = "whistSound";

CRegSettings OpenSettings()
{
    return CRegSettings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                        settings_keys::SUITE_KEY);
}

} // namespace

// The rest of the menu's commands go on to the framework's routing unhandled.
const CDummyDlg::CommandEntry CDummyDlg::s_commands[] = {
    {ID_FILE_NEWGAME, &CDummyDlg::OnNewGameCommand},
    {ID_FILE_SELECTGAME, &CDummyDlg::OnSelectGame},
    {ID_FILE_REPLAYHAND, &CDummyDlg::OnReplayHand},
    {ID_FILE_SAVEHAND, &CDummyDlg::OnSaveHand},
    {ID_FILE_OPENHAND, &CDummyDlg::OnOpenHand},
    {ID_EXPORT_XML, &CDummyDlg::OnExportXml},
    {ID_IMPORT_XML, &CDummyDlg::OnImportXml},
    {ID_IMPORT_TIMESBRIDGE, &CDummyDlg::OnImportBridgeFile},
    {ID_FILE_SAVESTATS, &CDummyDlg::OnSaveStats},
    {ID_FILE_QUIT, &CDummyDlg::OnQuit},
    {ID_OPTIONS_DUMMYOPEN, &CDummyDlg::OnToggleDummy},
    {ID_TRAINER_SHOWHANDS, &CDummyDlg::OnToggleShowHands},
    {ID_TRAINER_MANUALNORTHSOUTH, &CDummyDlg::OnToggleManualNS},
    {ID_TRAINER_MANUALEASTWEST, &CDummyDlg::OnToggleManualEW},
    {ID_TRAINER_MANUALBIDDING, &CDummyDlg::OnToggleManualBid},
    {ID_TRAINER_SHOWEXPLANATION, &CDummyDlg::OnToggleExplanation},
    {ID_OPTIONS_CARDPLAYOPTIONS, &CDummyDlg::OnCardPlayOptions},
    {ID_OPTIONS_AUTOSAVE, &CDummyDlg::OnToggleAutoSave},
    {ID_FUNCTIONS_NEWDEAL, &CDummyDlg::OnNewDealCommand},
    {ID_FUNCTIONS_SHOWSCORE, &CDummyDlg::ShowScore},
    {ID_FUNCTIONS_SHOWBIDDING, &CDummyDlg::ShowBidding},
    {ID_FUNCTIONS_PLAYFULLAUTO, &CDummyDlg::OnPlayFullAutoCommand},
    {ID_ROTATE_ALL, &CDummyDlg::OnRotateAll},
    {ID_ROTATE_HANDS, &CDummyDlg::OnRotateHands},
    {ID_ROTATE_LEAD, &CDummyDlg::OnRotateLead},
    {ID_PLAYER_NAMES, &CDummyDlg::OnPlayerNames},
};

const CDummyDlg::SwitchEntry CDummyDlg::s_switches[] = {
    {AUTO_SAVE_MODE, &CDummyDlg::m_bAutoSave},
    {SHOW_HANDS_MODE, &CDummyDlg::m_bShowHands},
    {MANUAL_NS_MODE, &CDummyDlg::m_bManualPlayNS},
    {MANUAL_EW_MODE, &CDummyDlg::m_bManualPlayEW},
    {MANUAL_BID_MODE, &CDummyDlg::m_bManualBid},
    {SHOW_LAST_TRICK, &CDummyDlg::m_bShowLastTrick},
    {OPEN_DUMMY, &CDummyDlg::m_bOpenDummy},
    {AUTO_PLAY, &CDummyDlg::m_bAutoPlay},
    {BID_SINGLE_CLICK, &CDummyDlg::m_bBidSingleClick},
    {PLAY_SINGLE_CLICK, &CDummyDlg::m_bPlaySingleClick},
    {WHIST_SOUND, &CDummyDlg::m_bWhistSound},
};

CDummyDlg::~CDummyDlg()
{
    DropAttackEngine();
    delete m_pExplain;
    m_pExplain = nullptr;
    m_tricks.DeleteAll();
    CRegSettings settings = OpenSettings();
    for (const SwitchEntry& value : s_switches)
        settings.WriteBool(value.szName, this->*value.pMember);
}

CString CDummyDlg::GetGameName()
{
    return GAME_NAME;
}

void CDummyDlg::DoDataExchange(CDataExchange* pDX)
{
    CGameDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PLAY, m_btnPlay);
}

CString CDummyDlg::SideValueName(const char* szWord, int nSide)
{
    return GetGameName() + szWord + g_strSeatNames[SIDE_SUFFIX_SEAT + nSide];
}

void CDummyDlg::LoadScores()
{
    CRegSettings settings = OpenSettings();
    for (int nSide = 0; nSide < SIDE_COUNT; nSide++) {
        int* const values[SIDE_SCORE_COUNT] = {&m_nRubbers[nSide], &m_nGames[nSide],
                                               &m_nAbove[nSide], &m_nBelow[nSide]};
        // A value beyond the bound (older runs saved wrapped or larger sums) keeps the bound:
        // a long session's score must not fall back to nothing.
        for (int nKind = 0; nKind < SIDE_SCORE_COUNT; nKind++) {
            const int nValue = settings.ReadInt(SideValueName(SIDE_WORDS[nKind], nSide), 0);
            *values[nKind] = ClampSideScore(nKind, nValue);
        }
    }
    for (const NameValue& name : NAME_VALUES)
        m_strNames[name.nSeat] = settings.ReadString(g_szPlayerNameValues[name.nSeat], name.szDefault);
    m_nDealer = settings.ReadInt(GetGameName() + DEALER_WORD, DEFAULT_DEALER);
}

void CDummyDlg::SaveScores()
{
    CRegSettings settings = OpenSettings();
    for (int nSide = 0; nSide < SIDE_COUNT; nSide++) {
        const int values[] = {m_nRubbers[nSide], m_nGames[nSide], m_nAbove[nSide],
                              m_nBelow[nSide]};
        for (size_t i = 0; i < std::size(SIDE_WORDS); i++)
            settings.WriteInt(SideValueName(SIDE_WORDS[i], nSide), values[i]);
    }
    settings.WriteInt(GetGameName() + DEALER_WORD, m_nDealer);
}

BOOL CDummyDlg::OnInitDialog()
{
    CGameDlg::OnInitDialog();
    CMenu* pOldMenu = GetMenu();
    m_menu.LoadMenu(IDR_TABLE_MENU);
    SetMenu(&m_menu);
    if (pOldMenu != nullptr && pOldMenu != &m_menu)
        pOldMenu->DestroyMenu();
    {
        // The menu bar took its height from the table: the window grows to keep the table
        // at its minimum size (the rectangle read from the settings, or the template's).
        CRect rect;
        GetWindowRect(&rect);
        MoveWindow(&rect, TRUE);
    }
    SetWindowText(WINDOW_TITLE);

    LoadScores();
    // A stored dealer outside the seats would index past the seat tables.
    m_nDealer &= SEAT_COUNT - 1;
    {
        CRegSettings settings = OpenSettings();
        SetAutoSave(settings.ReadBool(AUTO_SAVE_MODE, false));
        SetManualPlayNS(settings.ReadBool(MANUAL_NS_MODE, false));
        SetManualPlayEW(settings.ReadBool(MANUAL_EW_MODE, false));
        SetManualBid(settings.ReadBool(MANUAL_BID_MODE, false));
        SetShowHands(settings.ReadBool(SHOW_HANDS_MODE, false));
        m_bOpenDummy = settings.ReadBool(OPEN_DUMMY, true);
        if (m_bOpenDummy)
            OpenDummy();
        else
            CloseDummy();
        m_bAutoPlay = settings.ReadBool(AUTO_PLAY, false);
        m_bBidSingleClick = settings.ReadBool(BID_SINGLE_CLICK, false);
        m_bPlaySingleClick = settings.ReadBool(PLAY_SINGLE_CLICK, false);
        m_bWhistSound = false;
        m_bShowLastTrick = settings.ReadBool(SHOW_LAST_TRICK, false);
    }

    m_trick.SetVisibleCount(TRICK_SLOTS);
    m_trick.SetDrawFlags(PILE_SHOW_SLOTS);
    m_playedCards.SetVisibleCount(TRICK_SLOTS);
    m_nTrumps = NO_TRUMPS;
    m_nContractLevel = 0;
    m_nDeclaringSide = 0;
    m_nLeader = SEAT_SOUTH;

    CreateExplainWindow();
    NextDeal();
    return TRUE;
}

void CDummyDlg::OnClose()
{
    SaveScores();
    CGameDlg::OnClose();
}

void CDummyDlg::CreateExplainWindow()
{
    CExplainWhistDlg* pExplain = new CExplainWhistDlg(this, this);
    pExplain->Create(IDD_EXPLAIN_WHIST, this);
    SetExplainWindow(pExplain);
}

void CDummyDlg::SetExplainWindow(CExplainWhistDlg* pExplain)
{
    m_pExplain = pExplain;
    if (m_pAttack != nullptr)
        m_pAttack->SetExplainWindow(pExplain);
}

void CDummyDlg::OnExplainWindowClosed()
{
    if (m_pExplain == nullptr)
        return;
    m_pExplain->DeleteLater();
    SetExplainWindow(nullptr);
    // The next Show Whist Explanation makes and shows a new window.
    CheckMenuItem(ID_TRAINER_SHOWEXPLANATION, false);
}

BOOL CDummyDlg::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // A caller asking only whether a handler exists must not run one.
    if (nCode == CN_COMMAND && pHandlerInfo == nullptr) {
        for (const CommandEntry& command : s_commands) {
            if (command.nID == nID) {
                (this->*command.pfnHandler)();
                break;
            }
        }
    }
    return CGameDlg::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

bool CDummyDlg::Confirm(LPCTSTR szText, LPCTSTR szCaption)
{
    return MessageBox(szText, szCaption, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

void CDummyDlg::CheckMenuItem(UINT nID, bool bChecked)
{
    if (m_menu.GetSafeHmenu() != nullptr)
        m_menu.CheckMenuItem(nID, MF_BYCOMMAND | (bChecked ? MF_CHECKED : MF_UNCHECKED));
}

bool CDummyDlg::IsMenuItemChecked(UINT nID) const
{
    if (m_menu.GetSafeHmenu() == nullptr)
        return false;
    const UINT nState = m_menu.GetMenuState(nID, MF_BYCOMMAND);
    return nState != MENU_NO_ITEM && (nState & MF_CHECKED) != 0;
}

void CDummyDlg::NewGame()
{
    m_nDealer = DEFAULT_DEALER;
    for (int nSide = 0; nSide < SIDE_COUNT; nSide++) {
        m_nRubbers[nSide] = 0;
        m_nGames[nSide] = 0;
        m_nAbove[nSide] = 0;
        m_nBelow[nSide] = 0;
    }
    NextDeal();
}

void CDummyDlg::OnNewGameCommand()
{
    if (Confirm("Start new game?", "New Game"))
        NewGame();
}

void CDummyDlg::OnNewDealCommand()
{
    if (Confirm("Deal another hand?", "New Deal"))
        NextDeal();
}

void CDummyDlg::OnQuit()
{
    PostMessage(WM_CLOSE);
}

void CDummyDlg::SetAutoSave(bool bOn)
{
    m_bAutoSave = bOn;
    // Switching it anew is the person's sign that the next failure should be heard of.
    m_bAutoSaveQuiet = false;
    CheckMenuItem(ID_OPTIONS_AUTOSAVE, bOn);
}

void CDummyDlg::SetManualBid(bool bOn)
{
    m_bManualBid = bOn;
    CheckMenuItem(ID_TRAINER_MANUALBIDDING, bOn);
}

void CDummyDlg::SetManualPlayNS(bool bOn)
{
    if (bOn)
        SetShowHands(true);
    m_bManualPlayNS = bOn;
    m_bManual[SEAT_NORTH] = bOn && m_nAutoDeals <= 0;
    CheckMenuItem(ID_TRAINER_MANUALNORTHSOUTH, bOn);
}

void CDummyDlg::SetManualPlayEW(bool bOn)
{
    if (bOn)
        SetShowHands(true);
    m_bManualPlayEW = bOn;
    m_bManual[SEAT_EAST] = bOn && m_nAutoDeals <= 0;
    m_bManual[SEAT_WEST] = bOn && m_nAutoDeals <= 0;
    CheckMenuItem(ID_TRAINER_MANUALEASTWEST, bOn);
}

void CDummyDlg::SetShowHands(bool bOn)
{
    if (!bOn && (m_bManualPlayNS || m_bManualPlayEW)) {
        if (!Confirm("Manual Play Mode! Hide hands and switch to auto play?", "Hide Hands"))
            return;
        SetManualPlayNS(false);
        SetManualPlayEW(false);
    }
    m_bShowHands = bOn;
    if (bOn) {
        for (bool& bFaceUp : m_bFaceUp)
            bFaceUp = true;
        ArrangeSuitPiles();
    } else {
        m_bManual[SEAT_NORTH] = false;
        for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
            m_bFaceUp[nSeat] = nSeat == SEAT_SOUTH;
        const bool bLeadMade = m_tricks.GetCount() > 0 || m_trick.GetCount() > 0;
        if (m_nState == STATE_PLAYING && bLeadMade)
            SetDummy(m_nDummy);
    }
    CheckMenuItem(ID_TRAINER_SHOWHANDS, bOn);
}

void CDummyDlg::ApplyNorthRule()
{
    const bool bNorthSouthDeclare = m_nLeader == SEAT_EAST || m_nLeader == SEAT_WEST;
    if (bNorthSouthDeclare && m_bOpenDummy)
        m_bManual[SEAT_NORTH] = m_nAutoDeals <= 0;
    else
        m_bManual[SEAT_NORTH] = m_bManualPlayNS && m_nAutoDeals <= 0;
}

void CDummyDlg::OpenDummy()
{
    m_bOpenDummy = true;
    m_bFaceUp[NextSeat(m_nLeader)] = true;
    CheckMenuItem(ID_OPTIONS_DUMMYOPEN, true);
    ApplyNorthRule();
}

void CDummyDlg::CloseDummy()
{
    m_bOpenDummy = false;
    CheckMenuItem(ID_OPTIONS_DUMMYOPEN, false);
    // When East leads, dummy is South: the person's own hand stays in view.
    if (m_nLeader != SEAT_EAST && !m_bShowHands)
        m_bFaceUp[NextSeat(m_nLeader)] = false;
    ApplyNorthRule();
}

void CDummyDlg::SetDummy(int nSeat)
{
    m_nDummy = nSeat;
    if (!m_bOpenDummy || nSeat < 0 || nSeat >= SEAT_COUNT)
        return;
    m_bFaceUp[nSeat] = true;
    if (nSeat == SEAT_NORTH || nSeat == SEAT_SOUTH) {
        m_bFaceUp[SEAT_NORTH] = true;
        m_bManual[SEAT_NORTH] = m_nAutoDeals <= 0;
    }
}

void CDummyDlg::OnToggleDummy()
{
    if (IsMenuItemChecked(ID_OPTIONS_DUMMYOPEN))
        CloseDummy();
    else
        OpenDummy();
    RefreshTable();
}

void CDummyDlg::OnToggleShowHands()
{
    SetShowHands(!m_bShowHands);
    RefreshTable();
}

void CDummyDlg::OnToggleManualNS()
{
    SetManualPlayNS(!m_bManualPlayNS);
    RefreshTable();
}

void CDummyDlg::OnToggleManualEW()
{
    SetManualPlayEW(!m_bManualPlayEW);
    RefreshTable();
}

void CDummyDlg::OnToggleManualBid()
{
    SetManualBid(!m_bManualBid);
}

void CDummyDlg::OnToggleAutoSave()
{
    SetAutoSave(!m_bAutoSave);
}

void CDummyDlg::OnToggleExplanation()
{
    const bool bShow = !IsMenuItemChecked(ID_TRAINER_SHOWEXPLANATION);
    CheckMenuItem(ID_TRAINER_SHOWEXPLANATION, bShow);
    // A window that closed itself is gone: the request makes a new one.
    if (bShow && m_pExplain == nullptr)
        CreateExplainWindow();
    if (m_pExplain != nullptr)
        m_pExplain->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CDummyDlg::OnRotateAll()
{
    OnRotateHands();
    OnRotateLead();
}

void CDummyDlg::OnRotateHands()
{
    if (m_nState != STATE_BEFORE_PLAY) {
        MessageBox("Rotating hands only allowed before plays starts");
        return;
    }
    // North receives West's cards, West South's, South East's and East North's.
    const std::vector<CCard> northCards = m_handNorth.m_cards;
    m_handNorth.m_cards = m_handWest.m_cards;
    m_handWest.m_cards = m_handSouth.m_cards;
    m_handSouth.m_cards = m_handEast.m_cards;
    m_handEast.m_cards = northCards;
    UpdateSuitPileCounts();
    ArrangeSuitPiles();
    RefreshTable();
}

void CDummyDlg::OnRotateLead()
{
    if (m_nState != STATE_BEFORE_PLAY) {
        MessageBox("Rotating lead only allowed before plays starts");
        return;
    }
    m_nDealer = NextSeat(m_nDealer);
    m_nLeader = NextSeat(m_nLeader);
    m_nToPlay = NextSeat(m_nToPlay);
    m_trick.SetLeader(NextSeat(m_trick.GetLeader()));
    m_nDeclaringSide = SideOf(m_nLeader + 1);
    m_nDummy = NextSeat(m_nLeader);
    RefreshTable();
}

void CDummyDlg::SelectGame(int nGameNumber, int nLeader, int nLevel, int nSuit)
{
    CCardPile::SetGameNumber(nGameNumber);
    // NextDeal moves dealer and trumps one step on.
    m_nDealer = (nLeader + SEAT_COUNT - 1) & (SEAT_COUNT - 1);
    m_nContractLevel = nLevel;
    m_nTrumps = (nSuit + NO_TRUMPS) % (NO_TRUMPS + 1);
    NextDeal();
}

void CDummyDlg::OnSelectGame()
{
    int nGameNumber = 0, nLeader = 0, nLevel = 0, nSuit = 0;
    if (CSelectGameDlg::AskGame(this, nGameNumber, nLeader, nLevel, nSuit))
        SelectGame(nGameNumber, nLeader, nLevel, nSuit);
}

void CDummyDlg::OnCardPlayOptions()
{
    if (CCardPlayOptions::EditSwitches(this, m_bAutoPlay, m_bShowLastTrick, m_bBidSingleClick,
                                       m_bPlaySingleClick, m_bWhistSound))
        RefreshTable();
    // Spoken calls stay off whatever the box said.
    m_bWhistSound = false;
}

void CDummyDlg::OnPlayFullAutoCommand()
{
    int nHands = 0;
    if (CAutomaticPlayDlg::AskHands(this, nHands))
        PlayFullAuto(nHands);
}

void CDummyDlg::OnPlayerNames()
{
    CPlayerNamesDlg::EditNames(this, m_strNames);
}

void CDummyDlg::PlayFullAuto(int nHands)
{
    // Deal after deal drawn at the engines' speed would wait on the screen for every card:
    // the screen is brought up to date once a frame, and whole at the end.
    CFramePacing pacing;
    m_nAutoDeals = std::clamp(nHands, MIN_AUTOMATIC_HANDS, MAX_AUTOMATIC_HANDS) + 1;
    m_bBusy = true;
    while (m_nAutoDeals > 0 && GetSafeHwnd() != nullptr) {
        NextDeal();
        PumpMessages();
        m_bBusy = false;
        OnPlay();
        m_bBusy = true;
    }
    // A closed window deals no hand for the person.
    if (GetSafeHwnd() != nullptr)
        NextDeal();
    m_bBusy = false;
}
