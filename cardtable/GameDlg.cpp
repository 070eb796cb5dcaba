#include "cardtable/GameDlg.h"

#include <algorithm>

#include "app/AboutDlg.h"
#include "app/MainDlg.h"
#include "cardtable/CardMove.h"
#include "cardtable/CardPainter.h"
#include "cardtable/CardPile.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/msg/loop.h"
#include "platform/wnd/CClientDC.h"
#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/StoredRect.h"
#include "platform/res.h"
#include "resources/CardImages.h"
#include "resources/resource.h"

namespace {

// The low four bits of a system command belong to the framework.
constexpr UINT SYSCOMMAND_ID_MASK = 0xFFF0;

} // namespace

BEGIN_MESSAGE_MAP(CGameDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_SIZE()
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_CAPTURECHANGED, &CGameDlg::OnCaptureChanged)
    ON_MESSAGE(WM_CLOSE, &CGameDlg::OnCloseBox)
    ON_MESSAGE(WM_RUN_HELD_COMMAND, &CGameDlg::OnRunHeldCommand)
END_MESSAGE_MAP()

CGameDlg::CGameDlg(CMainDlg* pMainDlg, CWnd* pParent)
    : CDialog(IDD_GAME_TABLE, pParent), m_hIcon(AfxLoadIcon(IDR_MAINFRAME)), m_pMainDlg(pMainDlg)
{
}

CGameDlg::~CGameDlg()
{
    FreeCardBitmaps();
    delete m_pBackBuffer;
}

void CGameDlg::FreeCardBitmaps()
{
    if (m_pCardDCs == nullptr)
        return;
    for (int i = 0; i < CARD_IMAGE_COUNT; i++) {
        delete m_pCardDCs[i];
        delete m_pCardBitmaps[i];
    }
    delete[] m_pCardDCs;
    delete[] m_pCardBitmaps;
    m_pCardDCs = nullptr;
    m_pCardBitmaps = nullptr;
}

BOOL CGameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CString strAbout;
    strAbout.LoadString(IDS_ABOUTBOX);
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (!strAbout.IsEmpty() && pSysMenu != nullptr) {
        pSysMenu->AppendMenu(MF_SEPARATOR);
        pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAbout);
    }

    {
        CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                              settings_keys::SUITE_KEY);
        CRect rect;
        GetWindowRect(&rect);
        rect = plat::FitStoredRect(m_hWnd, settings.ReadRect(GetRectValueName(), rect), rect);
        MoveWindow(&rect, TRUE);
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    CClientDC dc(this);
    LoadCardBitmaps(&dc);
    return TRUE;
}

CString CGameDlg::GetRectValueName()
{
    return GetGameName() + settings_keys::RECT_VALUE_SUFFIX;
}

void CGameDlg::LoadCardBitmaps(CDC* pDC)
{
    if (m_pCardDCs != nullptr)
        return;
    m_pCardDCs = new CDC*[CARD_IMAGE_COUNT];
    m_pCardBitmaps = new CBitmap*[CARD_IMAGE_COUNT];
    for (int i = 0; i < CARD_IMAGE_COUNT; i++) {
        m_pCardBitmaps[i] = new CBitmap;
        m_pCardBitmaps[i]->LoadBitmap(IDB_CARD_FIRST + i);
        m_pCardDCs[i] = new CDC;
        m_pCardDCs[i]->CreateCompatibleDC(pDC);
        m_pCardDCs[i]->SelectObject(m_pCardBitmaps[i]);
    }
}

void CGameDlg::DrawCard(CDC* pDC, CPoint pt, int nImage)
{
    CCardPainter painter(*pDC, m_pCardDCs);
    painter.DrawCard(nImage, pt);
}

void CGameDlg::DrawCardMoving(CDC* pDC, CPoint ptOld, CPoint ptNew, int nImage)
{
    const CRect rectUnion(std::min(ptOld.x, ptNew.x), std::min(ptOld.y, ptNew.y),
                          std::max(ptOld.x, ptNew.x) + CARD_WIDTH,
                          std::max(ptOld.y, ptNew.y) + CARD_HEIGHT);
    CBitmap bitmapArea;
    bitmapArea.CreateCompatibleBitmap(pDC, rectUnion.Width(), rectUnion.Height());
    CDC dcArea;
    dcArea.CreateCompatibleDC(pDC);
    CBitmap* pOldArea = dcArea.SelectObject(&bitmapArea);

    // A table refreshed since it was last drawn is drawn now and shown whole: restoring just
    // the card's area from it would leave the rest of the window as it was, such as a seat
    // name still in the colour of the last trick's leader.
    if (m_bBackBufferStale) {
        RedrawBackBuffer();
        PaintBackBuffer(pDC);
    }
    if (m_pBackBuffer != nullptr) {
        CDC dcBack;
        dcBack.CreateCompatibleDC(pDC);
        CBitmap* pOldBack = dcBack.SelectObject(m_pBackBuffer);
        dcArea.BitBlt(0, 0, rectUnion.Width(), rectUnion.Height(), &dcBack, rectUnion.left,
                      rectUnion.top, SRCCOPY);
        dcBack.SelectObject(pOldBack);
    }
    if (nImage >= 0)
        DrawCard(&dcArea, CPoint(ptNew.x - rectUnion.left, ptNew.y - rectUnion.top), nImage);

    pDC->BitBlt(rectUnion.left, rectUnion.top, rectUnion.Width(), rectUnion.Height(), &dcArea, 0,
                0, SRCCOPY);
    dcArea.SelectObject(pOldArea);
}

void CGameDlg::DrawPile(const CCardPile& pile)
{
    CClientDC dc(this);
    // A back buffer waiting for its redraw gets this pile with everything else; otherwise the
    // pile is painted there once and its area copied to the screen.
    if (m_pBackBuffer == nullptr || m_bBackBufferStale) {
        CCardPainter painter(dc, m_pCardDCs);
        pile.Paint(painter);
        return;
    }
    CDC dcBack;
    dcBack.CreateCompatibleDC(nullptr);
    CBitmap* pOld = dcBack.SelectObject(m_pBackBuffer);
    CCardPainter painter(dcBack, m_pCardDCs);
    pile.Paint(painter);
    const CRect rectPile = pile.GetBoundingRect();
    dc.BitBlt(rectPile.left, rectPile.top, rectPile.Width(), rectPile.Height(), &dcBack, rectPile.left,
              rectPile.top, SRCCOPY);
    dcBack.SelectObject(pOld);
}

void CGameDlg::RedrawBackBuffer()
{
    if (m_pBackBuffer == nullptr)
        return;
    CClientDC dc(this);
    CDC dcBack;
    dcBack.CreateCompatibleDC(&dc);
    CBitmap* pOld = dcBack.SelectObject(m_pBackBuffer);
    DrawTable(&dcBack);
    dcBack.SelectObject(pOld);
    m_bBackBufferStale = false;
}

void CGameDlg::UpdateBackBuffer()
{
    if (m_bBackBufferStale)
        RedrawBackBuffer();
}

void CGameDlg::PaintBackBuffer(CDC* pDC)
{
    UpdateBackBuffer();
    if (m_pBackBuffer == nullptr)
        return;
    CDC dcBack;
    dcBack.CreateCompatibleDC(pDC);
    CBitmap* pOld = dcBack.SelectObject(m_pBackBuffer);
    pDC->BitBlt(0, 0, m_rectClient.Width(), m_rectClient.Height(), &dcBack, 0, 0, SRCCOPY);
    dcBack.SelectObject(pOld);
}

void CGameDlg::RefreshTable()
{
    Layout(m_rectClient.Width(), m_rectClient.Height());
    // Computer turns refresh the table after every trick and pump no paint in between: the
    // table is drawn once, when it is next shown or read.
    m_bBackBufferStale = true;
    Invalidate(FALSE);
}

void CGameDlg::SetWindowSize(int cx, int cy)
{
    CRect rect;
    GetWindowRect(&rect);
    MoveWindow(rect.left, rect.top, cx, cy, TRUE);
}

CPoint CGameDlg::AnimationStep(CPoint ptFrom, CPoint ptTo)
{
    const auto towards = [](int nFrom, int nTo) {
        return nFrom + std::clamp(nTo - nFrom, -ANIMATION_STEP, ANIMATION_STEP);
    };
    return CPoint(towards(ptFrom.x, ptTo.x), towards(ptFrom.y, ptTo.y));
}

void CGameDlg::AnimateMove(CCardMove* pMove, BOOL bFaceUp)
{
    const int nImage = bFaceUp ? pMove->GetCard().GetImageIndex() : static_cast<int>(IMG_BACK);
    CCardPile* pSource = pMove->GetSourcePile();
    CCardPile* pTarget = pMove->GetTargetPile();

    // A move without a source index takes the top card, so it starts from the top's slot.
    int nSourceIndex = pMove->GetSourceIndex();
    if (nSourceIndex < 0 || nSourceIndex >= pSource->GetCount())
        nSourceIndex = pSource->GetCount() - 1;
    CPoint pt = pSource->GetSlotPosition(std::max(nSourceIndex, 0));
    const CPoint ptEnd = pTarget->GetSlotPosition(pTarget->GetCount());

    pMove->TakeFromSource();
    DrawPile(*pSource);

    // Without a pause between steps the card would cross the table faster than any screen
    // shows it, while drawing every step costs more than all the rest of a computer turn: such
    // steps draw nothing, and the card appears on its target at the end. The delay is still
    // read at every step; where the card was last shown is tracked, so that a delay that
    // changes during the move never leaves a picture behind.
    // A card in a window nobody sees need not slide either, and one whose window or program
    // is being closed hurries to its place, so that the close acts at once.
    bool bShown = false;
    bool bHurry = false;
    CPoint ptShown = pt;
    while (pt != ptEnd) {
        pt = AnimationStep(pt, ptEnd);
        const int nDelay = m_pMainDlg != nullptr ? m_pMainDlg->GetCardDelay() : 0;
        if (nDelay <= 0 || bHurry)
            continue;
        if (!IsWindowVisible() || AfxIsCloseRequestWaiting()) {
            bHurry = true;
            continue;
        }
        {
            // Each step goes to the screen when its context is released.
            CClientDC dc(this);
            if (bShown)
                DrawCardMoving(&dc, ptShown, pt, nImage);
            else
                DrawCard(&dc, pt, nImage);
        }
        bShown = true;
        ptShown = pt;
        Sleep(static_cast<DWORD>(nDelay));
    }
    if (bShown && ptShown != ptEnd) {
        CClientDC dc(this);
        DrawCardMoving(&dc, ptShown, ptShown, -1);
    }

    pMove->PutOnTarget();
    DrawPile(*pTarget);
}

void CGameDlg::PumpMessages()
{
    // One of the messages may close the window and, outside any handler of this window,
    // delete this object: the loop therefore keeps its own copy of the handle and stops once
    // that window is gone (an empty filter would take every window's messages).
    const HWND hWnd = m_hWnd;
    MSG msg;
    while (::IsWindow(hWnd) && ::PeekMessage(&msg, hWnd, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    if (::IsWindow(hWnd))
        ServeCloseRequests();
}

bool CGameDlg::ServeCloseRequests()
{
    // A close handled here may destroy this window; its object outlives the handler that
    // runs the long work, so only the handle is read afterwards.
    const HWND hWnd = m_hWnd;
    MSG msg;
    while (::AfxPeekCloseRequest(&msg))
        ::DispatchMessage(&msg);
    return ::IsWindow(hWnd) != FALSE;
}

void CGameDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & SYSCOMMAND_ID_MASK) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CGameDlg::PaintIconCentred(CWnd& wnd, CDC& dc, HICON hIcon)
{
    wnd.SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    wnd.GetClientRect(&rect);
    dc.DrawIcon((rect.Width() - cxIcon + 1) / 2, (rect.Height() - cyIcon + 1) / 2, hIcon);
}

void CGameDlg::OnPaint()
{
    CPaintDC dc(this);
    if (IsIconic())
        PaintIconCentred(*this, dc, m_hIcon);
    else
        PaintBackBuffer(&dc);
}

HCURSOR CGameDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CGameDlg::CreateBackBuffer()
{
    GetClientRect(&m_rectClient);
    delete m_pBackBuffer;
    m_pBackBuffer = new CBitmap;
    CClientDC dc(this);
    m_pBackBuffer->CreateCompatibleBitmap(&dc, m_rectClient.Width(), m_rectClient.Height());
}

void CGameDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    CreateBackBuffer();
    Layout(cx, cy);
    RedrawBackBuffer();
    Invalidate(FALSE);
}

int CGameDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    CreateBackBuffer();
    RedrawBackBuffer();
    return 0;
}

void CGameDlg::OnClose()
{
    {
        CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                              settings_keys::SUITE_KEY);
        CRect rect;
        GetWindowRect(&rect);
        settings.WriteRect(GetRectValueName(), rect);
    }
    // The dialog's default close would reach OnCancel, which a game window ignores.
    EndDialog(IDCANCEL);
    if (m_pMainDlg != nullptr)
        m_pMainDlg->RemoveGameDlg(this);
}

void CGameDlg::DrawTable(CDC* pDC)
{
    pDC->FillSolidRect(&m_rectClient, TABLE_COLOR);
    DrawCards(pDC);
}

void CGameDlg::DrawCards(CDC*)
{
}

void CGameDlg::NewGame()
{
}

void CGameDlg::Layout(int, int)
{
}

CString CGameDlg::GetGameName()
{
    return "Unknown";
}
