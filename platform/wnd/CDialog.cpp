#include "platform/wnd/CDialog.h"

#include "platform/msg/loop.h"
#include "platform/res/dialogunits.h"
#include "platform/res/resources.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/ControlOps.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/HMENU__.h"
#include "platform/wnd/ModalHooks.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"

namespace {

CRect DialogUnitsToPixels(const CRect& rectUnits)
{
    return CRect(DialogUnitsToPixelsX(rectUnits.left), DialogUnitsToPixelsY(rectUnits.top),
                 DialogUnitsToPixelsX(rectUnits.right), DialogUnitsToPixelsY(rectUnits.bottom));
}

// The owner of a dialog made without a parent window: the window the person last worked in
// among the main window and the windows it owns (a game window, whose box it is), unless
// that is pSelf's own.
HWND MainWindowOwner(const CWnd* pSelf)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pApp->m_pMainWnd == nullptr || pApp->m_pMainWnd == pSelf)
        return nullptr;
    HWND hMain = plat::GetTopLevel(pApp->m_pMainWnd->m_hWnd);
    return plat::IsLiveWindow(hMain) ? plat::GetLastActivePopup(hMain) : hMain;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_pParentWnd(pParentWnd), m_nIDTemplate(nIDTemplate)
{
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

const CDialogTemplate* CDialog::FindTemplate() const
{
    return m_pIndirectTemplate != nullptr ? m_pIndirectTemplate : AfxFindDialogTemplate(m_nIDTemplate);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    m_pIndirectTemplate = nullptr;
    return CreateIndirect(AfxFindDialogTemplate(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(const CDialogTemplate* pTemplate, CWnd* pParentWnd)
{
    if (pTemplate == nullptr || m_hWnd != nullptr)
        return FALSE;
    m_pParentWnd = pParentWnd;
    HWND hOwner = pParentWnd != nullptr ? plat::GetTopLevel(pParentWnd->m_hWnd) : MainWindowOwner(this);
    return CreateFromTemplate(*pTemplate, hOwner, false);
}

BOOL CDialog::InitModalIndirect(const CDialogTemplate* pTemplate, CWnd* pParentWnd)
{
    m_pIndirectTemplate = pTemplate;
    m_pParentWnd = pParentWnd;
    return pTemplate != nullptr;
}

BOOL CDialog::CreateFromTemplate(const CDialogTemplate& dialogTemplate, HWND hOwner, bool bModal)
{
    CRect rectClient = DialogUnitsToPixels(dialogTemplate.GetRect());
    int nBarHeight = dialogTemplate.nMenuID != 0 ? plat::MENU_BAR_HEIGHT : 0;
    CPoint topLeft = plat::IsLiveWindow(hOwner) ? plat::ClientToScreenPoint(hOwner, rectClient.TopLeft())
                                                : CPoint(plat::DEFAULT_WINDOW_X + rectClient.left,
                                                         plat::DEFAULT_WINDOW_Y + rectClient.top);
    plat::WindowParams params;
    params.kind = plat::WindowKind::Dialog;
    params.dwStyle = dialogTemplate.dwStyle & ~WS_VISIBLE;
    params.nID = dialogTemplate.nID;
    params.hOwner = hOwner;
    params.rect = CRect(topLeft, CSize(rectClient.Width(), rectClient.Height() + nBarHeight));
    params.strText = dialogTemplate.strCaption;
    HWND hWnd = plat::CreateWindowHandle(params);
    hWnd->m_bTemplatePlace = plat::IsLiveWindow(hOwner);
    hWnd->m_ptTemplatePlace = rectClient.TopLeft();
    Attach(hWnd);
    if (const CMenuTemplate* pMenu = dialogTemplate.nMenuID != 0 ? AfxFindMenu(dialogTemplate.nMenuID) : nullptr)
        hWnd->m_hMenu = plat::CreateMenuFromTemplate(*pMenu);
    if (hWnd->m_hMenu == nullptr && nBarHeight != 0)
        plat::SetWindowRectangle(hWnd, CRect(topLeft, rectClient.Size()));

    CREATESTRUCT cs = {nullptr, nullptr, hWnd->m_hMenu, hOwner, params.rect.Height(), params.rect.Width(),
                       params.rect.top, params.rect.left, static_cast<LONG>(params.dwStyle),
                       dialogTemplate.strCaption, nullptr, 0};
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1 || m_hWnd != hWnd) {
        DestroyWindow();
        return FALSE;
    }
    CRect rectArea = plat::GetClientArea(hWnd);
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rectArea.Width(), rectArea.Height()));
    for (const CDialogItem& item : dialogTemplate.controls) {
        if (m_hWnd != hWnd)
            return FALSE;
        plat::CreateControl(hWnd, item, DialogUnitsToPixels(item.GetRect()));
    }
    if (m_hWnd != hWnd)
        return FALSE;
    HWND hFirst = plat::FirstTabStop(hWnd);
    BOOL bSetFocus = static_cast<BOOL>(SendMessage(WM_INITDIALOG, reinterpret_cast<WPARAM>(hFirst), 0));
    if (m_hWnd != hWnd)
        return FALSE;
    if (bSetFocus && hFirst != nullptr && plat::IsLiveWindow(hFirst))
        hWnd->m_hFocusSaved = hFirst;
    if ((dialogTemplate.dwStyle & DS_CENTER) != 0)
        CenterWindow();
    if (!bModal && (dialogTemplate.dwStyle & WS_VISIBLE) != 0) {
        ShowWindow(SW_SHOW);
        if (m_hWnd == hWnd && plat::IsLiveWindow(hWnd->m_hFocusSaved))
            plat::SetFocusWindow(hWnd->m_hFocusSaved);
    }
    return m_hWnd == hWnd;
}

INT_PTR CDialog::DoModal()
{
    const CDialogTemplate* pTemplate = FindTemplate();
    if (pTemplate == nullptr || m_hWnd != nullptr)
        return -1;
    HWND hOwner = m_pParentWnd != nullptr ? plat::GetTopLevel(m_pParentWnd->m_hWnd) : MainWindowOwner(this);
    bool bDisabledOwner = plat::IsLiveWindow(hOwner) && hOwner->m_bEnabled;
    if (bDisabledOwner)
        CWnd::FromHandle(hOwner)->EnableWindow(FALSE);
    // Whatever window held the mouse (a card being dragged in some other window) lets go:
    // the dialog's buttons must get their clicks.
    plat::CancelCapture();
    HWND hFocusBefore = plat::GetFocusWindow();

    m_nModalResult = IDCANCEL;
    m_bModalDone = false;
    m_bInModalLoop = true;
    if (CreateFromTemplate(*pTemplate, hOwner, true)) {
        HWND hWnd = m_hWnd;
        ShowWindow(SW_SHOW);
        if (m_hWnd == hWnd) {
            plat::SetFocusWindow(plat::IsLiveWindow(hWnd->m_hFocusSaved) ? hWnd->m_hFocusSaved : hWnd);
            RunModalLoop();
        }
    } else {
        m_nModalResult = -1;
    }
    m_bInModalLoop = false;

    if (bDisabledOwner && plat::IsLiveWindow(hOwner))
        CWnd::FromHandle(hOwner)->EnableWindow(TRUE);
    if (m_hWnd != nullptr) {
        ShowWindow(SW_HIDE);
        DestroyWindow();
    }
    if (plat::IsLiveWindow(hFocusBefore))
        plat::SetFocusWindow(hFocusBefore);
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    HWND hWnd = m_hWnd;
    bool bJustNotified = false;
    while (!m_bModalDone && plat::IsLiveWindow(hWnd)) {
        MSG msg;
        if (!::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // Each time the loop runs dry the idle hook hears of it once, then the loop waits.
            if (!bJustNotified) {
                bJustNotified = true;
                plat::NotifyModalIdle(hWnd);
            } else {
                ::WaitMessage();
                bJustNotified = false;
            }
            continue;
        }
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        bJustNotified = false;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

void CDialog::EndDialog(int nResult)
{
    if (m_bInModalLoop) {
        m_nModalResult = nResult;
        m_bModalDone = true;
        return;
    }
    if (m_hWnd != nullptr)
        ShowWindow(SW_HIDE);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (nCode != CN_COMMAND || nID < FIRST_MENU_COMMAND_ID || nID >= FIRST_SYSTEM_COMMAND_ID || m_hWnd == nullptr)
        return FALSE;
    CWnd* pOwner = CWnd::FromHandlePermanent(plat::GetTopLevel(m_hWnd)->m_hOwner);
    return pOwner != nullptr && plat::IsLiveWindow(pOwner->m_hWnd) &&
           pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CDialog::HandleInitDialog(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
