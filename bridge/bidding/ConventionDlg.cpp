#include "bridge/bidding/ConventionDlg.h"

#include "bridge/bidding/Conventions.h"
#include "resources/ConventionsTemplate.h"

BEGIN_MESSAGE_MAP(CConventionDlg, CDialog)
    ON_BN_CLICKED(IDC_CONV_SWISS, &CConventionDlg::OnSwiss)
    ON_BN_CLICKED(IDC_CONV_GERBER, &CConventionDlg::OnGerber)
END_MESSAGE_MAP()

CConventionDlg::CConventionDlg(CWnd* pParent)
    : CDialog(IDD_CONVENTIONS, pParent),
      m_bBlackwood(FALSE), m_bCueBid(FALSE), m_bGerber(FALSE), m_bStayman(FALSE),
      m_bStrongNT(FALSE), m_bSwiss(FALSE), m_bGSF(FALSE), m_bJosephine(FALSE), m_bBaron(FALSE),
      m_bTrialBid(FALSE)
{
}

void CConventionDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONV_SWISS, m_btnSwiss);
    DDX_Control(pDX, IDC_CONV_GERBER, m_btnGerber);
    DDX_Check(pDX, IDC_CONV_BLACKWOOD, m_bBlackwood);
    DDX_Check(pDX, IDC_CONV_CUEBID, m_bCueBid);
    DDX_Check(pDX, IDC_CONV_GERBER, m_bGerber);
    DDX_Check(pDX, IDC_CONV_STAYMAN, m_bStayman);
    DDX_Check(pDX, IDC_CONV_STRONGNT, m_bStrongNT);
    DDX_Check(pDX, IDC_CONV_SWISS, m_bSwiss);
    DDX_Check(pDX, IDC_CONV_GSF, m_bGSF);
    DDX_Check(pDX, IDC_CONV_JOSEPHINE, m_bJosephine);
    DDX_Check(pDX, IDC_CONV_BARON, m_bBaron);
    DDX_Check(pDX, IDC_CONV_TRIALBID, m_bTrialBid);
}

BOOL CConventionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bBlackwood = g_bBlackwood;
    m_bCueBid = g_bCueBid;
    m_bGerber = g_bGerber;
    m_bStayman = g_bStayman;
    m_bStrongNT = g_bStrongNT;
    m_bSwiss = g_bSwiss;
    m_bGSF = g_bGSF;
    m_bJosephine = g_bJosephine;
    m_bBaron = g_bBaron;
    m_bTrialBid = g_bTrialBid;
    UpdateData(FALSE);
    return TRUE;
}

void CConventionDlg::OnOK()
{
    CDialog::OnOK();
    UpdateData(TRUE);
    g_bBlackwood = m_bBlackwood != FALSE;
    g_bCueBid = m_bCueBid != FALSE;
    g_bGerber = m_bGerber != FALSE;
    g_bStayman = m_bStayman != FALSE;
    g_bStrongNT = m_bStrongNT != FALSE;
    g_bSwiss = m_bSwiss != FALSE;
    g_bGSF = m_bGSF != FALSE;
    g_bJosephine = m_bJosephine != FALSE;
    g_bBaron = m_bBaron != FALSE;
    g_bTrialBid = m_bTrialBid != FALSE;
    SaveConventions();
}

void CConventionDlg::OnSwiss()
{
}

void CConventionDlg::OnGerber()
{
}
