#include "tests/platform/dialog_fixture.h"

#include "platform/wnd/WindowTree.h"

namespace fixture {

std::vector<uint32_t> PaintedPixels(HWND hWnd)
{
    plat::InvalidateWindow(hWnd, nullptr);
    CWnd::FromHandle(hWnd)->UpdateWindow();
    const CSurface& surface = *plat::GetTopLevel(hWnd)->m_pSurface;
    const CPoint ptOrigin = plat::GetClientOrigin(hWnd);
    const CRect rectArea = plat::GetClientArea(hWnd);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < rectArea.Height(); ++y)
        for (int x = 0; x < rectArea.Width(); ++x)
            pixels.push_back(surface.GetPixel(ptOrigin.x + x, ptOrigin.y + y));
    return pixels;
}

void RegisterEveryControlTemplate(DWORD dwStyle)
{
    CDialogTemplate dlg{IDD_EVERY_CONTROL, "Every Control", 0, 0, 220, 160, dwStyle};
    dlg.controls = {
        {IDC_STATIC, ControlKind::Static, "&Name:", 7, 9, 30, 9},
        {IDC_NAME, ControlKind::Edit, "", 40, 7, 80, 13},
        {IDC_SOUND, ControlKind::CheckBox, "&Sound", 130, 7, 60, 12},
        {IDC_STATIC, ControlKind::GroupBox, "Choices", 7, 24, 206, 80},
        {IDC_LIST, ControlKind::ListBox, "", 14, 36, 70, 60, WS_VSCROLL | LBS_NOTIFY},
        {IDC_SUIT, ControlKind::ComboBox, "", 90, 36, 60, 70, CBS_DROPDOWN | CBS_SORT, 0,
         {"Spades", "Clubs", "Hearts", "Diamonds"}},
        {IDC_SEAT, ControlKind::ComboBox, "", 90, 56, 60, 70, CBS_DROPDOWNLIST, 0,
         {"North", "East", "South", "West"}},
        {IDC_PICTURE, ControlKind::OwnerDrawButton, "tb", 160, 36, 16, 16},
        {IDC_ICON, ControlKind::Icon, "#9100", 160, 70, 21, 20},
        {IDC_HIDDEN, ControlKind::PushButton, "Hidden", 160, 90, 40, 12, 0, WS_VISIBLE},
        {IDOK, ControlKind::DefPushButton, "OK", 7, 140, 50, 14},
        {IDCANCEL, ControlKind::PushButton, "Cancel", 63, 140, 50, 14},
        {IDC_ASK, ControlKind::PushButton, "&Ask", 119, 140, 50, 14},
    };
    AfxRegisterDialogTemplate(dlg);
    AfxRegisterIcon(IDI_TEST_ICON, CSurface(32, 32, 0x00FFFF00));
    const struct {
        const char* szName;
        uint32_t pixel;
    } pictures[] = {{"TBU", PICTURE_UP}, {"TBD", PICTURE_DOWN}, {"TBF", PICTURE_FOCUS}, {"TBX", PICTURE_DISABLED}};
    for (const auto& picture : pictures)
        AfxRegisterBitmap(picture.szName, CSurface(PICTURE_WIDTH, PICTURE_HEIGHT, picture.pixel));
}

BEGIN_MESSAGE_MAP(CEveryControlDlg, CDialog)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_ASK, &CEveryControlDlg::OnAsk)
    ON_BN_CLICKED(IDC_PICTURE, &CEveryControlDlg::OnPicture)
    ON_MESSAGE(WM_END_FROM_OUTSIDE, &CEveryControlDlg::OnEndFromOutside)
END_MESSAGE_MAP()

CEveryControlDlg::CEveryControlDlg(CWnd* pParent) : CDialog(IDD_EVERY_CONTROL, pParent)
{
}

void CEveryControlDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NAME, m_strName);
    DDX_Check(pDX, IDC_SOUND, m_bSound);
    DDX_Control(pDX, IDC_LIST, m_list);
    DDX_CBString(pDX, IDC_SUIT, m_strSuit);
}

int CEveryControlDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    m_created.push_back(WM_CREATE);
    return CDialog::OnCreate(lpCreateStruct);
}

void CEveryControlDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    m_created.push_back(WM_SIZE);
}

BOOL CEveryControlDlg::OnInitDialog()
{
    m_created.push_back(WM_INITDIALOG);
    CDialog::OnInitDialog();
    m_bPicturesLoaded = m_picture.AutoLoad(IDC_PICTURE, this) != FALSE;
    for (int i = 0; i < 12; ++i) {
        CString strItem;
        strItem.Format("Line %d", i);
        m_list.AddString(strItem);
    }
    if (m_bMoveInInit) {
        CRect rect;
        GetWindowRect(&rect);
        MoveWindow(rect.left, rect.top, rect.Width() + 20, rect.Height(), TRUE);
    }
    return TRUE;
}

void CEveryControlDlg::OnOK()
{
    ++m_nOK;
    if (!m_bCountOnly)
        CDialog::OnOK();
}

void CEveryControlDlg::OnCancel()
{
    ++m_nCancel;
    if (!m_bCountOnly)
        CDialog::OnCancel();
}

void CEveryControlDlg::OnAsk()
{
    if (m_bPostEndBeforeAsking)
        PostMessage(WM_END_FROM_OUTSIDE, 77);
    m_nAskResult = MessageBox("Deal again?\tNow\nor later", "Question", MB_OKCANCEL | MB_ICONQUESTION);
}

void CEveryControlDlg::OnPicture()
{
    ++m_nPictureClicks;
}

LRESULT CEveryControlDlg::OnEndFromOutside(WPARAM wParam, LPARAM /*lParam*/)
{
    EndDialog(static_cast<int>(wParam));
    return 0;
}

} // namespace fixture
