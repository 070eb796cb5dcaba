#include "bridge/table/PlayerNamesDlg.h"

#include "bridge/table/SeatNames.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/base/runtime.h"
#include "platform/wnd/styles.h"
#include "resources/BridgeOptionTemplates.h"

namespace {

// Room for the remembered current folder, terminating zero included.
constexpr int FOLDER_BUFFER_SIZE = 1024;
// A listed folder reads "[name]": the brackets are the first and last characters.
constexpr int BRACKET_LENGTH = 1;
constexpr char PARENT_FOLDER[] = "..";
// A voice is a folder: the listing leaves plain files out, whose names would lose their
// first and last characters as if they were bracketed.
constexpr UINT VOICE_LISTING = DDL_DIRECTORY | DDL_EXCLUSIVE;

enum { NORTH_SEAT, EAST_SEAT, SOUTH_SEAT, WEST_SEAT };
// The names are written in this order.
constexpr int WRITE_ORDER[] = {WEST_SEAT, NORTH_SEAT, EAST_SEAT, SOUTH_SEAT};

} // namespace

CPlayerNamesDlg::CPlayerNamesDlg(CWnd* pParent) : CDialog(IDD_PLAYER_NAMES, pParent)
{
}

void CPlayerNamesDlg::SetNames(const CString& strNorth, const CString& strEast, const CString& strSouth,
                               const CString& strWest)
{
    m_strNorth = strNorth;
    m_strEast = strEast;
    m_strSouth = strSouth;
    m_strWest = strWest;
}

void CPlayerNamesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VOICE_LIST, m_comboVoices);
    DDX_Control(pDX, IDC_NAME_WEST, m_comboWest);
    DDX_Control(pDX, IDC_NAME_NORTH, m_comboNorth);
    DDX_Control(pDX, IDC_NAME_EAST, m_comboEast);
    DDX_Text(pDX, IDC_NAME_SOUTH, m_strSouth);
    DDX_CBString(pDX, IDC_NAME_EAST, m_strEast);
    DDX_CBString(pDX, IDC_NAME_NORTH, m_strNorth);
    DDX_CBString(pDX, IDC_NAME_WEST, m_strWest);
}

BOOL CPlayerNamesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ListSoundsFolder();
    for (int i = 0; i < m_comboVoices.GetCount(); ++i) {
        CString strVoice;
        m_comboVoices.GetLBText(i, strVoice);
        if (strVoice.GetLength() > 1)
            strVoice = strVoice.Mid(BRACKET_LENGTH, strVoice.GetLength() - 2 * BRACKET_LENGTH);
        if (strVoice != PARENT_FOLDER) {
            m_comboWest.AddString(strVoice);
            m_comboEast.AddString(strVoice);
            m_comboNorth.AddString(strVoice);
        }
    }
    return TRUE;
}

void CPlayerNamesDlg::ListSoundsFolder()
{
    CString strSoundDir;
    {
        CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                              settings_keys::SUITE_KEY);
        strSoundDir =
            settings.ReadString(settings_keys::SOUND_DIR_VALUE, settings_keys::SOUND_DIR_DEFAULT);
    }
    // Without the current folder there is no way back to it: list where we are instead of
    // leaving the whole program in the sounds folder.
    char szCurrent[FOLDER_BUFFER_SIZE];
    if (_getcwd(szCurrent, FOLDER_BUFFER_SIZE) == nullptr) {
        m_comboVoices.Dir(VOICE_LISTING, "*");
        return;
    }
    // A sounds folder that does not exist leaves the current folder to be listed.
    _chdir(strSoundDir);
    m_comboVoices.Dir(VOICE_LISTING, "*");
    _chdir(szCurrent);
}

void CPlayerNamesDlg::EditNames(CWnd* pParent, CString strNames[SEAT_COUNT])
{
    CPlayerNamesDlg dlg(pParent);
    dlg.SetNames(strNames[NORTH_SEAT], strNames[EAST_SEAT], strNames[SOUTH_SEAT], strNames[WEST_SEAT]);
    dlg.DoModal();
    strNames[SOUTH_SEAT] = dlg.m_strSouth;
    strNames[EAST_SEAT] = dlg.m_strEast;
    strNames[NORTH_SEAT] = dlg.m_strNorth;
    strNames[WEST_SEAT] = dlg.m_strWest;
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    for (int nSeat : WRITE_ORDER)
        settings.WriteString(g_szPlayerNameValues[nSeat], strNames[nSeat]);
}
