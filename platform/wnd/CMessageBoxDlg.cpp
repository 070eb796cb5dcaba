#include "platform/wnd/CMessageBoxDlg.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/backend/CBackend.h"
#include "platform/backend/backend.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/icon.h"
#include "platform/res/dialogunits.h"
#include "platform/res/resources.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/ControlOps.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/ModalHooks.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"

namespace {

// The pictures of the message-box icons, drawn once.
struct IconKind {
    UINT nStyle;
    COLORREF color;
    const char* szMark;
};

const IconKind s_iconKinds[] = {
    {MB_ICONHAND, RGB(192, 0, 0), "X"},
    {MB_ICONQUESTION, RGB(0, 0, 160), "?"},
    {MB_ICONEXCLAMATION, RGB(200, 160, 0), "!"},
    {MB_ICONASTERISK, RGB(0, 0, 160), "i"},
};

// The buttons of each kind of box, the default one first.
struct ButtonEntry {
    int nID;
    const char* szText;
};
const std::vector<ButtonEntry> s_okButtons = {{IDOK, "OK"}};
const std::vector<ButtonEntry> s_okCancelButtons = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
const std::vector<ButtonEntry> s_yesNoButtons = {{IDYES, "&Yes"}, {IDNO, "&No"}};

HICON MessageIcon(UINT nType)
{
    static HICON__ s_icons[sizeof(s_iconKinds) / sizeof(s_iconKinds[0])];
    UINT nStyle = nType & MB_ICONMASK;
    for (size_t i = 0; i < sizeof(s_iconKinds) / sizeof(s_iconKinds[0]); ++i) {
        if (s_iconKinds[i].nStyle != nStyle)
            continue;
        HICON__& icon = s_icons[i];
        if (icon.m_surface.IsEmpty()) {
            CBitmap bitmap;
            bitmap.CreateBitmap(ICON_SIZE, ICON_SIZE);
            CDC dc;
            dc.CreateCompatibleDC(nullptr);
            dc.SelectObject(&bitmap);
            dc.FillSolidRect(0, 0, ICON_SIZE, ICON_SIZE, plat::COLOR_FACE);
            dc.SetEdgeMode(EdgeMode::Smooth);
            dc.FillSolidEllipse(ICON_SIZE / 2.0, ICON_SIZE / 2.0, ICON_SIZE / 2.0 - 1, ICON_SIZE / 2.0 - 1,
                                s_iconKinds[i].color);
            dc.SetBkMode(TRANSPARENT);
            dc.SetTextColor(GDI_WHITE);
            dc.SetFontWeight(FontWeight::Bold);
            CRect rect(0, 0, ICON_SIZE, ICON_SIZE);
            dc.DrawText(s_iconKinds[i].szMark, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            icon.m_surface = *bitmap.GetSurface();
        }
        return &icon;
    }
    return nullptr;
}

// The most characters per tab stop the format's DT_TABSTOP field holds (bits 8..15, shared
// with DT_CALCRECT and DT_NOPREFIX, so it is never combined with them).
constexpr int MAX_TAB_CHARS = 0xFF;
// The gap, in average characters, between a column's widest piece and the next column.
constexpr int COLUMN_GAP_CHARS = 1;

// A text set out in columns with tabs gets tab stops one gap past its widest piece before a
// tab, so that each column starts at the same place on every line whatever the pieces'
// widths in the proportional font. 0 (the default stops) for a text without tabs, and for
// one with an "&", which the tab stop's format could not keep from being taken as a prefix.
int ColumnTabChars(CDC& dc, const std::string& strText)
{
    if (strText.find('&') != std::string::npos)
        return 0;
    int nWidest = -1;
    size_t nStart = 0;
    for (size_t nEnd = strText.find_first_of("\t\n"); nEnd != std::string::npos;
         nEnd = strText.find_first_of("\t\n", nStart)) {
        if (strText[nEnd] == '\t') {
            const CSize size = dc.GetTextExtent(strText.c_str() + nStart, static_cast<int>(nEnd - nStart));
            nWidest = std::max<int>(nWidest, size.cx);
        }
        nStart = nEnd + 1;
    }
    if (nWidest < 0)
        return 0;
    return std::min(MAX_TAB_CHARS, nWidest / DIALOG_BASE_UNIT_X + 1 + COLUMN_GAP_CHARS);
}

// The width of the widest line of strText with tabs expanded to stops every nTabPixels, as
// DrawText lays it out.
int TabbedTextWidth(CDC& dc, const std::string& strText, int nTabPixels)
{
    int nWidest = 0;
    int x = 0;
    size_t nStart = 0;
    for (;;) {
        const size_t nEnd = strText.find_first_of("\t\n", nStart);
        const size_t nPieceEnd = nEnd == std::string::npos ? strText.size() : nEnd;
        x += dc.GetTextExtent(strText.c_str() + nStart, static_cast<int>(nPieceEnd - nStart)).cx;
        if (nEnd != std::string::npos && strText[nEnd] == '\t') {
            x = (x / nTabPixels + 1) * nTabPixels;
        } else {
            nWidest = std::max(nWidest, x);
            x = 0;
        }
        if (nEnd == std::string::npos)
            return nWidest;
        nStart = nEnd + 1;
    }
}

// The narrowest box whose title bar shows strCaption whole.
int CaptionWidth(CDC& dc, const CString& strCaption)
{
    const FontWeight oldWeight = dc.SetFontWeight(FontWeight::Bold);
    const int nTextWidth = dc.GetTextExtent(strCaption).cx;
    dc.SetFontWeight(oldWeight);
    return nTextWidth + plat::MSGBOX_TITLE_BUTTONS * plat::MSGBOX_TITLE_BUTTON_WIDTH +
           2 * plat::MSGBOX_TITLE_EDGE;
}

// The largest content area a box may have: the work area less the window manager's frame.
CSize LargestBoxSize(HWND hBox)
{
    plat::CBackend& backend = plat::GetBackend();
    const CRect rectWork = backend.GetWorkArea();
    const CRect rectMargins = backend.GetFrameMargins(hBox);
    return CSize(rectWork.Width() - rectMargins.left - rectMargins.right,
                 rectWork.Height() - rectMargins.top - rectMargins.bottom);
}

} // namespace

BEGIN_MESSAGE_MAP(CMessageBoxDlg, CDialog)
    ON_COMMAND(IDYES, &CMessageBoxDlg::OnYes)
    ON_COMMAND(IDNO, &CMessageBoxDlg::OnNo)
END_MESSAGE_MAP()

CMessageBoxDlg::CMessageBoxDlg(CWnd* pOwner, LPCTSTR szText, LPCTSTR szCaption, UINT nType)
    : m_strText(szText != nullptr ? szText : ""), m_nType(nType)
{
    m_template.nID = plat::IDD_LAYER_MESSAGEBOX;
    m_template.strCaption = szCaption != nullptr ? szCaption : AfxGetAppName();
    m_template.x = m_template.y = 0;
    m_template.cx = m_template.cy = 0;
    m_template.dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    InitModalIndirect(&m_template, pOwner);
}

BOOL CMessageBoxDlg::OnInitDialog()
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const CSize sizeLargest = LargestBoxSize(m_hWnd);
    HICON hIcon = MessageIcon(m_nType);
    const int nLeft = plat::MSGBOX_MARGIN + (hIcon != nullptr ? ICON_SIZE + plat::MSGBOX_ICON_GAP : 0);
    const int nMaxTextWidth =
        std::max(1, std::min(plat::MSGBOX_MAX_TEXT_WIDTH, static_cast<int>(sizeLargest.cx) - nLeft - plat::MSGBOX_MARGIN));
    int nTabChars = 0;
    CRect rectText = MeasureText(dc, nMaxTextWidth, nTabChars);
    // A text taller than the screen shows its first lines; the buttons stay on the screen.
    const int nChromeHeight = 3 * plat::MSGBOX_MARGIN + plat::MSGBOX_BUTTON_HEIGHT;
    rectText.bottom = rectText.top + std::max(0, std::min<int>(rectText.Height(), sizeLargest.cy - nChromeHeight));
    int nTextWidth = std::min(std::max<int>(rectText.Width(), plat::MSGBOX_MIN_TEXT_WIDTH), nMaxTextWidth);
    int nBodyHeight = std::max<int>(rectText.Height(), hIcon != nullptr ? ICON_SIZE : 0);
    const int nBodyWidth = nLeft + nTextWidth + plat::MSGBOX_MARGIN;
    int nWidth = std::min<int>(std::max(nBodyWidth, CaptionWidth(dc, m_template.strCaption)), sizeLargest.cx);

    if (hIcon != nullptr) {
        CDialogItem item{IDC_MSGBOX_ICON, ControlKind::Icon, "", 0, 0, 0, 0};
        HWND hIconCtrl = plat::CreateControl(m_hWnd, item, CRect(plat::MSGBOX_MARGIN, plat::MSGBOX_MARGIN,
                                                                   plat::MSGBOX_MARGIN + ICON_SIZE,
                                                                   plat::MSGBOX_MARGIN + ICON_SIZE));
        hIconCtrl->m_control.hIcon = hIcon;
    }
    // A message box's text is shown as it is: an "&" in a file name is no mnemonic.
    CDialogItem textItem{IDC_MSGBOX_TEXT, ControlKind::Static, m_strText, 0, 0, 0, 0, SS_NOPREFIX | SS_EDITCONTROL};
    int nTextTop = plat::MSGBOX_MARGIN + (nBodyHeight - rectText.Height()) / 2;
    HWND hText = plat::CreateControl(m_hWnd, textItem,
                                     CRect(nLeft, nTextTop, nLeft + nTextWidth, nTextTop + rectText.Height()));
    hText->m_control.nTabChars = nTabChars;
    int nButtonsTop = plat::MSGBOX_MARGIN + nBodyHeight + plat::MSGBOX_MARGIN;
    AddButtons(nButtonsTop, nWidth);

    int nHeight = nButtonsTop + plat::MSGBOX_BUTTON_HEIGHT + plat::MSGBOX_MARGIN;
    MoveWindow(0, 0, nWidth, nHeight, FALSE);
    // Showing the box then brings it wholly onto the work area, frame and all.
    CenterWindow();
    return TRUE;
}

CRect CMessageBoxDlg::MeasureText(CDC& dc, int nMaxWidth, int& nTabChars) const
{
    CRect rectText(0, 0, nMaxWidth, 0);
    dc.DrawText(m_strText, &rectText, DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX);
    // Column tab stops only widen the lines, which keep their number; a text too wide for
    // them wraps with the default stops.
    const std::string strText = static_cast<LPCTSTR>(m_strText);
    nTabChars = ColumnTabChars(dc, strText);
    if (nTabChars > 0) {
        const int nWidth = TabbedTextWidth(dc, strText, nTabChars * DIALOG_BASE_UNIT_X);
        if (nWidth <= nMaxWidth)
            rectText.right = rectText.left + nWidth;
        else
            nTabChars = 0;
    }
    if (rectText.Width() > nMaxWidth) {
        // Wrapped at blanks, and a word wider than the line (a long file name) between its
        // characters, so that no line runs past the box.
        rectText.SetRect(0, 0, nMaxWidth, 0);
        dc.DrawText(m_strText, &rectText, DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL);
    }
    return rectText;
}

void CMessageBoxDlg::AddButtons(int nTop, int nWidth)
{
    const std::vector<ButtonEntry>* pButtons = &s_okButtons;
    if ((m_nType & MB_TYPEMASK) == MB_OKCANCEL)
        pButtons = &s_okCancelButtons;
    else if ((m_nType & MB_TYPEMASK) == MB_YESNO)
        pButtons = &s_yesNoButtons;
    int nCount = static_cast<int>(pButtons->size());
    int nRowWidth = nCount * plat::MSGBOX_BUTTON_WIDTH + (nCount - 1) * plat::MSGBOX_BUTTON_GAP;
    int x = (nWidth - nRowWidth) / 2;
    for (int i = 0; i < nCount; ++i) {
        const ButtonEntry& entry = (*pButtons)[i];
        CDialogItem item{entry.nID, i == 0 ? ControlKind::DefPushButton : ControlKind::PushButton, entry.szText, 0, 0, 0, 0};
        plat::CreateControl(m_hWnd, item, CRect(x, nTop, x + plat::MSGBOX_BUTTON_WIDTH, nTop + plat::MSGBOX_BUTTON_HEIGHT));
        x += plat::MSGBOX_BUTTON_WIDTH + plat::MSGBOX_BUTTON_GAP;
    }
    m_hWnd->m_hFocusSaved = plat::FirstTabStop(m_hWnd);
}

void CMessageBoxDlg::OnYes()
{
    EndDialog(IDYES);
}

void CMessageBoxDlg::OnNo()
{
    EndDialog(IDNO);
}
