#pragma once
// A dialog template with every kind of control, registered by the tests that use it, and
// the dialog class that exchanges data with it.

#include <vector>

#include "platform/gdi/CSurface.h"
#include "platform/res/resources.h"
#include "platform/wnd/CBitmapButton.h"
#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CListBox.h"

namespace fixture {

constexpr UINT IDD_EVERY_CONTROL = 9001;
constexpr UINT IDI_TEST_ICON = 9100;
constexpr int IDC_NAME = 1001;
constexpr int IDC_SOUND = 1002;
constexpr int IDC_LIST = 1003;
constexpr int IDC_SUIT = 1004;
constexpr int IDC_SEAT = 1005;
constexpr int IDC_PICTURE = 1006;
constexpr int IDC_ASK = 1007;
constexpr int IDC_ICON = 1008;
constexpr int IDC_HIDDEN = 1009;
constexpr UINT WM_END_FROM_OUTSIDE = WM_USER + 50;

// The colours of the picture button's four states.
constexpr uint32_t PICTURE_UP = 0x00FF0000;
constexpr uint32_t PICTURE_DOWN = 0x0000FF00;
constexpr uint32_t PICTURE_FOCUS = 0x000000FF;
constexpr uint32_t PICTURE_DISABLED = 0x00808080;
constexpr int PICTURE_WIDTH = 30;
constexpr int PICTURE_HEIGHT = 20;

// Window hWnd's client area as it paints now, pixel by pixel, read from its top-level window.
std::vector<uint32_t> PaintedPixels(HWND hWnd);

// Registers template IDD_EVERY_CONTROL, its icon and its button pictures.
void RegisterEveryControlTemplate(DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU);

// The dialog of IDD_EVERY_CONTROL; it records the order of its creation messages.
class CEveryControlDlg : public CDialog {
public:
    explicit CEveryControlDlg(CWnd* pParent = nullptr);

    CString m_strName = "Ann";
    int m_bSound = TRUE;
    CString m_strSuit = "Hearts";
    CListBox m_list;
    CBitmapButton m_picture;

    std::vector<UINT> m_created;     // WM_CREATE, WM_SIZE, WM_INITDIALOG in arrival order
    int m_nAskResult = 0;
    int m_nPictureClicks = 0;
    int m_nOK = 0;
    int m_nCancel = 0;
    bool m_bCountOnly = false;       // OnOK / OnCancel only count instead of ending
    bool m_bMoveInInit = false;      // OnInitDialog moves the window
    bool m_bPostEndBeforeAsking = false;
    bool m_bPicturesLoaded = false;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnAsk();
    afx_msg void OnPicture();
    LRESULT OnEndFromOutside(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

} // namespace fixture
