#pragma once
// CMessageBoxDlg: the dialog behind MessageBox and AfxMessageBox. It lays itself out in
// pixels from its text: icon at the left, the text beside it, the buttons centred below;
// never larger, frame and all, than the screen's work area.

#include "platform/base/CString.h"
#include "platform/res/CDialogTemplate.h"
#include "platform/wnd/CDialog.h"

class CDC;

class CMessageBoxDlg : public CDialog {
public:
    // Control ids of the box's own parts.
    static constexpr int IDC_MSGBOX_TEXT = 0xFFFF;
    static constexpr int IDC_MSGBOX_ICON = 0xFFFE;

    CMessageBoxDlg(CWnd* pOwner, LPCTSTR szText, LPCTSTR szCaption, UINT nType);

    BOOL OnInitDialog() override;

protected:
    afx_msg void OnYes();
    afx_msg void OnNo();

    DECLARE_MESSAGE_MAP()

private:
    // Adds the buttons of m_nType to the template, laid out under the text.
    void AddButtons(int nTop, int nWidth);
    // The text's size laid out within nMaxWidth, and the characters per tab stop that set
    // its columns out (0 for the default stops).
    CRect MeasureText(CDC& dc, int nMaxWidth, int& nTabChars) const;

    CString m_strText;
    UINT m_nType;
    CDialogTemplate m_template;
};
