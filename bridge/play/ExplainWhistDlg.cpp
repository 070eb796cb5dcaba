#include "bridge/play/ExplainWhistDlg.h"

#include "bridge/play/ExplainOwner.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/wnd/StoredRect.h"

namespace {

constexpr char RECT_VALUE[] = "ExplainWhistRect";

} // namespace

BEGIN_MESSAGE_MAP(CExplainWhistDlg, CDialog)
    ON_WM_CLOSE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CExplainWhistDlg::CExplainWhistDlg(CWnd* pParent, CExplainOwner* pOwner)
    : CDialog(IDD, pParent)
    , m_pOwner(pOwner)
    , m_nLines(0)
{
}

void CExplainWhistDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXPLAIN_LIST, m_list);
}

void CExplainWhistDlg::AddLine(const CString& strText)
{
    m_list.AddString(strText);
    ++m_nLines;
    m_list.SetTopIndex(m_nLines - 1);
    Invalidate(FALSE);
}

void CExplainWhistDlg::ResetLines()
{
    m_nLines = 0;
    m_list.ResetContent();
}

BOOL CExplainWhistDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect rect;
    GetWindowRect(&rect);
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    rect = plat::FitStoredRect(m_hWnd, settings.ReadRect(RECT_VALUE, rect), rect);
    MoveWindow(&rect, TRUE);
    return TRUE;
}

void CExplainWhistDlg::OnClose()
{
    CloseAndTellOwner();
}

void CExplainWhistDlg::OnCancel()
{
    CloseAndTellOwner();
}

void CExplainWhistDlg::OnOK()
{
}

void CExplainWhistDlg::CloseAndTellOwner()
{
    CRect rect;
    GetWindowRect(&rect);
    {
        CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                              settings_keys::SUITE_KEY);
        settings.WriteRect(RECT_VALUE, rect);
    }
    // The dialog's default close ends up here through Cancel; ending the dialog directly
    // hides the modeless window just the same.
    EndDialog(IDCANCEL);
    if (m_pOwner)
        m_pOwner->OnExplainWindowClosed();
}

void CExplainWhistDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_list.GetSafeHwnd())
        m_list.MoveWindow(0, 0, cx, cy, TRUE);
}
