#include "bridge/table/CardPlayOptions.h"

#include "platform/base/ids.h"
#include "resources/BridgeOptionTemplates.h"

CCardPlayOptions::CCardPlayOptions(CWnd* pParent)
    : CDialog(IDD_CARD_PLAY_OPTIONS, pParent), m_bAutoPlay(FALSE), m_bShowLastTrick(FALSE),
      m_bSingleClickBid(FALSE), m_bSingleClickPlay(FALSE), m_bSound(FALSE)
{
}

void CCardPlayOptions::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_OPT_AUTO_PLAY, m_bAutoPlay);
    DDX_Check(pDX, IDC_OPT_SHOW_LAST_TRICK, m_bShowLastTrick);
    DDX_Check(pDX, IDC_OPT_SINGLE_CLICK_BID, m_bSingleClickBid);
    DDX_Check(pDX, IDC_OPT_SINGLE_CLICK_PLAY, m_bSingleClickPlay);
}

bool CCardPlayOptions::EditSwitches(CWnd* pParent, bool& bAutoPlay, bool& bShowLastTrick, bool& bSingleClickBid,
                                    bool& bSingleClickPlay, bool& bSound)
{
    CCardPlayOptions dlg(pParent);
    dlg.m_bAutoPlay = bAutoPlay;
    dlg.m_bShowLastTrick = bShowLastTrick;
    dlg.m_bSingleClickBid = bSingleClickBid;
    dlg.m_bSingleClickPlay = bSingleClickPlay;
    dlg.m_bSound = bSound;
    if (dlg.DoModal() != IDOK)
        return false;
    bAutoPlay = dlg.m_bAutoPlay != FALSE;
    bShowLastTrick = dlg.m_bShowLastTrick != FALSE;
    bSingleClickBid = dlg.m_bSingleClickBid != FALSE;
    bSingleClickPlay = dlg.m_bSingleClickPlay != FALSE;
    bSound = dlg.m_bSound != FALSE;
    return true;
}
