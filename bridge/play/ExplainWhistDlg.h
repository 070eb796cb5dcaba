#pragma once
// CExplainWhistDlg: the modeless, resizable window in which the play engines write one line
// for every card decision. The bridge table creates it hidden from template IDD_EXPLAIN_WHIST,
// clears it when a deal is played, shows it on request and disposes of it when it closes
// itself; the engines reach it only through CWhistBase::Explain. Its rectangle is kept in the
// setting "ExplainWhistRect".

#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CListBox.h"
#include "platform/wnd/msgmap.h"
#include "resources/ExplainTemplate.h"

class CExplainOwner;

class CExplainWhistDlg : public CDialog {
public:
    enum { IDD = IDD_EXPLAIN_WHIST };

    // pOwner (may be null) is told when the window closes.
    CExplainWhistDlg(CWnd* pParent, CExplainOwner* pOwner);

    // Appends a line and scrolls the list so that it is the top visible line.
    void AddLine(const CString& strText);
    // Removes every line.
    void ResetLines();
    int GetLineCount() const { return m_nLines; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Moves the window to the stored rectangle, its template place by default.
    BOOL OnInitDialog() override;
    // Saves the rectangle, hides the window and tells the owner, which disposes of it.
    afx_msg void OnClose();
    // Escape closes the window as its close box does, so that the owner (and its menu
    // check mark) knows; hiding it alone would leave the mark on a window not shown.
    void OnCancel() override;
    // Enter has nothing to confirm in a list of lines: the window stays.
    void OnOK() override;
    // Keeps the list filling the whole client area.
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    // What closing does, by close box or Escape.
    void CloseAndTellOwner();

    CListBox m_list;
    CExplainOwner* m_pOwner;
    int m_nLines;
};
