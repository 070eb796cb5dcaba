#include "bridge/table/SelectGameDlg.h"

#include "bridge/table/DecimalText.h"
#include "platform/base/ids.h"
#include "resources/BridgeOptionTemplates.h"

namespace {

// The items selected when the box opens: "1", "No Trump", "North".
constexpr int FIRST_LEVEL_ITEM = 0;
constexpr int NO_TRUMP_ITEM = 4;
constexpr int NORTH_ITEM = 0;

// The highest level index, the seven-level.
constexpr int HIGHEST_LEVEL_INDEX = 6;

// Texts of the suit and leader boxes with their codes; any other text takes the fallback.
const char* const s_szSuits[] = {"Clubs", "Diamonds", "Hearts", "Spades"};
constexpr int NO_TRUMP_CODE = 4;
const char* const s_szLeaders[] = {"North", "East", "South"};
constexpr int WEST_CODE = 3;

template <size_t N>
int CodeOf(const CString& strText, const char* const (&szNames)[N], int nFallback)
{
    for (size_t i = 0; i < N; ++i) {
        if (strText == szNames[i])
            return static_cast<int>(i);
    }
    return nFallback;
}

} // namespace

CSelectGameDlg::CSelectGameDlg(CWnd* pParent) : CDialog(IDD_SELECT_GAME, pParent)
{
}

void CSelectGameDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LEADING_HAND, m_comboLeader);
    DDX_Control(pDX, IDC_CONTRACT_SUIT, m_comboSuit);
    DDX_Control(pDX, IDC_CONTRACT_LEVEL, m_comboLevel);
    DDX_Text(pDX, IDC_GAME_NUMBER, m_strGameNumber);
    DDX_CBString(pDX, IDC_CONTRACT_LEVEL, m_strLevel);
    DDX_CBString(pDX, IDC_CONTRACT_SUIT, m_strSuit);
    DDX_CBString(pDX, IDC_LEADING_HAND, m_strLeader);
}

BOOL CSelectGameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_comboLevel.SetCurSel(FIRST_LEVEL_ITEM);
    m_comboSuit.SetCurSel(NO_TRUMP_ITEM);
    m_comboLeader.SetCurSel(NORTH_ITEM);
    return TRUE;
}

int CSelectGameDlg::GetGameNumber() const
{
    return DecimalValue(m_strGameNumber);
}

int CSelectGameDlg::GetContractLevel() const
{
    const int nLevel = DecimalValue(m_strLevel);
    if (nLevel <= 0)
        return 0;
    return nLevel - 1 > HIGHEST_LEVEL_INDEX ? HIGHEST_LEVEL_INDEX : nLevel - 1;
}

int CSelectGameDlg::GetContractSuit() const
{
    return CodeOf(m_strSuit, s_szSuits, NO_TRUMP_CODE);
}

int CSelectGameDlg::GetLeader() const
{
    return CodeOf(m_strLeader, s_szLeaders, WEST_CODE);
}

bool CSelectGameDlg::AskGame(CWnd* pParent, int& nGameNumber, int& nLeader, int& nLevel, int& nSuit)
{
    CSelectGameDlg dlg(pParent);
    if (dlg.DoModal() != IDOK)
        return false;
    nGameNumber = dlg.GetGameNumber();
    nLeader = dlg.GetLeader();
    nLevel = dlg.GetContractLevel();
    nSuit = dlg.GetContractSuit();
    return true;
}
