#include "app/MainDlg.h"

#include <climits>
#include <cstdlib>

#include "app/AboutDlg.h"
#include "app/CardOptions.h"
#include "app/GameFactory.h"
#include "cardtable/GameDlg.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/net.h"
#include "platform/res.h"
#include "platform/wnd/CPaintDC.h"
#include "resources/CardImages.h"
#include "resources/resource.h"

namespace {

// The longest working folder the sounds folder is built from, terminating zero included.
constexpr int WORKING_FOLDER_MAX = 1024;

// The card delay as typed: leading blanks and a sign allowed, digits up to the first other
// character, 0 when there are none. Numbers beyond the integer range are held at its ends.
int ParseCardDelay(const CString& strText)
{
    const long nValue = std::strtol(strText, nullptr, 10);
    if (nValue > INT_MAX)
        return INT_MAX;
    if (nValue < INT_MIN)
        return INT_MIN;
    return static_cast<int>(nValue);
}

} // namespace

BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CMainDlg::CMainDlg(CWnd* pParent) : CDialog(IDD_MAIN, pParent), m_hIcon(AfxLoadIcon(IDR_MAINFRAME))
{
}

CMainDlg::~CMainDlg()
{
    for (CGameDlg*& pGame : m_pGames) {
        delete pGame;
        pGame = nullptr;
    }
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    LoadSettings();
    return TRUE;
}

void CMainDlg::LoadSettings()
{
    using namespace settings_keys;
    CRegSettings settings(ROOT_KEY, MAKER_KEY, SUITE_KEY);
    const int nVersion = settings.ReadInt(VERSION_VALUE, VERSION_DEFAULT);
    m_nCardDelay = settings.ReadInt(CARD_DELAY_VALUE, CARD_DELAY_DEFAULT);
    if (nVersion < SETTINGS_VERSION) {
        settings.WriteInt(VERSION_VALUE, SETTINGS_VERSION);
        settings.ClearValue(BID_RECT_VALUE);
    }
    if (settings.ReadString(SOUND_DIR_VALUE, "").IsEmpty()) {
        char szFolder[WORKING_FOLDER_MAX];
        // A working folder too long to read leaves the setting empty rather than pointing
        // the voices at a folder that is not there.
        if (_getcwd(szFolder, WORKING_FOLDER_MAX) != nullptr)
            settings.WriteString(SOUND_DIR_VALUE, CString(szFolder) + SOUNDS_FOLDER);
    }
}

CGameDlg* CMainDlg::GetGameDlg(int nSlot) const
{
    return nSlot >= 0 && nSlot < GAME_SLOT_COUNT ? m_pGames[nSlot] : nullptr;
}

BOOL CMainDlg::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // A caller asking only whether a handler exists must not start the command.
    if (nCode == CN_COMMAND && pHandlerInfo == nullptr) {
        if (nID == ID_HELP_ABOUT) {
            CAboutDlg dlgAbout;
            dlgAbout.DoModal();
        } else if (nID == ID_OPTIONS_CARDOPTIONS) {
            ShowCardOptions();
        } else if (const GameFactoryEntry* pEntry = CGameFactory::Find(nID)) {
            OpenGame(*pEntry);
        }
    }
    return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMainDlg::OpenGame(const GameFactoryEntry& entry)
{
    for (CGameDlg*& pSlot : m_pGames) {
        if (pSlot != nullptr)
            continue;
        CGameDlg* pGame = entry.pfnMake(this);
        pSlot = pGame;
        // A window that cannot be made would hold its slot for nothing.
        if (!pGame->Create(entry.nTemplateID, this)) {
            pSlot = nullptr;
            delete pGame;
        }
        return;
    }
}

void CMainDlg::ShowCardOptions()
{
    CCardOptions dlgOptions;
    dlgOptions.m_strCardDelay.Format("%d", m_nCardDelay);
    if (dlgOptions.DoModal() != IDOK)
        return;
    m_nCardDelay = ParseCardDelay(dlgOptions.m_strCardDelay);
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    settings.WriteInt(settings_keys::CARD_DELAY_VALUE, m_nCardDelay);
}

void CMainDlg::RemoveGameDlg(CGameDlg* pGameDlg)
{
    bool bOwned = false;
    for (CGameDlg*& pSlot : m_pGames) {
        if (pSlot == pGameDlg) {
            pSlot = nullptr;
            bOwned = true;
        }
    }
    if (!bOwned)
        return;
    // The window goes at once; the object, whose handler may still be running, once that
    // handler has returned.
    pGameDlg->DestroyWindow();
    pGameDlg->DeleteLater();
}

void CMainDlg::OnPaint()
{
    CPaintDC dc(this);
    if (IsIconic()) {
        CGameDlg::PaintIconCentred(*this, dc, m_hIcon);
    } else {
        CRect rect;
        GetClientRect(&rect);
        dc.FillSolidRect(&rect, TABLE_COLOR);
    }
}

void CMainDlg::OnClose()
{
    CDialog::OnClose();
}

void CMainDlg::OnOK()
{
    CloseGames();
    CDialog::OnOK();
}

void CMainDlg::OnCancel()
{
    CloseGames();
    CDialog::OnCancel();
}

void CMainDlg::CloseGames()
{
    // A game waiting in a blocking socket call (the network table's Connect) holds the
    // launcher's own loop until the call returns: it fails at once.
    CSocket::CancelBlockingCalls();
    // A bridge window clears its own slot while it closes; the object goes once its close
    // handling has returned, so nothing of it is touched afterwards.
    for (int nSlot = 0; nSlot < GAME_SLOT_COUNT; nSlot++) {
        CGameDlg* pGame = m_pGames[nSlot];
        if (pGame != nullptr && pGame->GetSafeHwnd() != nullptr)
            pGame->SendMessage(WM_CLOSE);
    }
}
