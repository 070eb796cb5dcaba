#include "bridge/table/AutomaticPlayDlg.h"

#include "bridge/table/DecimalText.h"
#include "platform/base/ids.h"
#include "resources/BridgeOptionTemplates.h"

namespace {

// The number of deals the box offers when it opens.
constexpr char DEFAULT_HANDS[] = "100";

} // namespace

CAutomaticPlayDlg::CAutomaticPlayDlg(CWnd* pParent)
    : CDialog(IDD_AUTOMATIC_PLAY, pParent), m_strHands(DEFAULT_HANDS)
{
}

void CAutomaticPlayDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_AUTO_HANDS, m_strHands);
}

int CAutomaticPlayDlg::GetHands() const
{
    return DecimalValue(m_strHands);
}

bool CAutomaticPlayDlg::AskHands(CWnd* pParent, int& nHands)
{
    CAutomaticPlayDlg dlg(pParent);
    if (dlg.DoModal() != IDOK)
        return false;
    nHands = dlg.GetHands();
    return true;
}
