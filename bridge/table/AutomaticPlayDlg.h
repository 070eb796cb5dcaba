#pragma once
// CAutomaticPlayDlg: the "Automatic Play" box (template 278), where the person types how many
// deals the computer plays alone. The caller converts the text after OK.

#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CDialog.h"

class CAutomaticPlayDlg : public CDialog {
public:
    explicit CAutomaticPlayDlg(CWnd* pParent = nullptr);

    // The "Number of hands" text (edit 1007); "100" until the person types another.
    CString m_strHands;

    // The number typed, as a decimal integer (0 when it is no number).
    int GetHands() const;

    // The Play full auto command's question: true after OK, with the number typed in nHands.
    static bool AskHands(CWnd* pParent, int& nHands);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
