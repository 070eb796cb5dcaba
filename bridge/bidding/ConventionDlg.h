#pragma once
// CConventionDlg: the "Conventions" box (template 265), where the person switches the ten
// bidding conventions on and off. OK sets the program-wide switches and writes them to the
// settings store at once; Cancel leaves both as they were.

#include "platform/wnd/CButton.h"
#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CDialog.h"

class CConventionDlg : public CDialog {
public:
    explicit CConventionDlg(CWnd* pParent = nullptr);

    // The Swiss and Gerber check boxes, attached when the box opens.
    CButton m_btnSwiss;
    CButton m_btnGerber;

    // The check-box states, exchanged with the controls; all FALSE until the box opens.
    BOOL m_bBlackwood;
    BOOL m_bCueBid;
    BOOL m_bGerber;
    BOOL m_bStayman;
    BOOL m_bStrongNT;
    BOOL m_bSwiss;
    BOOL m_bGSF;
    BOOL m_bJosephine;
    BOOL m_bBaron;
    BOOL m_bTrialBid;

    // Fills the members from the switches, then the check boxes from the members.
    BOOL OnInitDialog() override;
    // Ends the box, then sets every switch from its check box and saves them all.
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // The Swiss and Gerber boxes toggle like the others; their clicks need nothing more.
    void OnSwiss();
    void OnGerber();

    DECLARE_MESSAGE_MAP()
};
