#include "nettable/MauMauDlg.h"

#include "cardtable/CardGlobals.h"
#include "cardtable/CardPainter.h"
#include "nettable/CardClient.h"
#include "nettable/MauMauListener.h"
#include "platform/wnd/CMenu.h"
#include "resources/NetworkMenu.h"
#include "resources/VarrowResources.h"
#include "resources/resource.h"

namespace {

const char TABLE_TITLE[] = "Dummy/Partner Whist";
const char NEW_GAME_QUESTION[] = "Start new game?";
const char NEW_GAME_CAPTION[] = "New Game";

// What the server is sent for a new game, one send each, in this order.
const char* const NEW_GAME_COMMANDS[] = {"newgame\n", "newhand\n", "shuffle\n", "deal\n",
                                         "startplay\n"};

const char* const SEAT_NAMES[CMauMauDlg::SEAT_COUNT] = {"North", "East", "South", "West"};
const COLORREF LABEL_TEXT_COLOR = RGB(0, 0, 0);

// North and South show all thirteen cards, East and West only the top one; all but South
// lie face down.
constexpr int FULL_HAND_SLOTS = 13;
constexpr int SIDE_HAND_SLOTS = 1;

// Layout, in client pixels: the hands keep this distance from the window's edges, North
// and South (and the centre card) sit left of the middle so that their fans spread across it.
constexpr int TABLE_MARGIN = 4;
constexpr int HAND_LEFT_SHIFT = 84;
constexpr int CENTRE_LEFT_SHIFT = 28;
// The seat names: boxes of this size, LABEL_GAP from the centre card, except East's, which
// starts EAST_LABEL_GAP right of it.
constexpr int LABEL_WIDTH = 70;
constexpr int LABEL_HEIGHT = 20;
constexpr int LABEL_GAP = 4;
constexpr int EAST_LABEL_GAP = 60;

} // namespace

BEGIN_MESSAGE_MAP(CMauMauDlg, CGameDlg)
END_MESSAGE_MAP()

CMauMauDlg::CMauMauDlg(CMainDlg* pMainDlg, CWnd* pParent)
    : CGameDlg(pMainDlg, pParent), m_strServerHost(CARD_SERVER_HOST),
      m_nServerPort(CARD_SERVER_PORT), m_pListener(std::make_unique<CMauMauListener>(this)),
      m_pClient(std::make_unique<CCardClient>(m_pListener.get()))
{
    // The click lets waiting messages through before it looks for a card.
    SetPressTiming(PressTiming::AfterPendingMessages);
    m_nIDTemplate = IDD_VARROW;
    m_hands.Add(&m_north);
    m_hands.Add(&m_east);
    m_hands.Add(&m_south);
    m_hands.Add(&m_west);
}

CMauMauDlg::~CMauMauDlg()
{
    m_pClient.reset();
    m_pListener.reset();
}

BOOL CMauMauDlg::OnInitDialog()
{
    CGameDlg::OnInitDialog();

    CMenu* pOldMenu = GetMenu();
    m_menu.LoadMenu(IDR_NETWORK_MENU);
    SetMenu(&m_menu);
    if (pOldMenu != nullptr)
        pOldMenu->DestroyMenu();
    SetWindowText(TABLE_TITLE);

    m_north.SetDrawFlags(PILE_FACE_DOWN);
    m_east.SetDrawFlags(PILE_FACE_DOWN);
    m_west.SetDrawFlags(PILE_FACE_DOWN);
    m_south.SetDrawFlags(0);
    m_east.SetVisibleCount(SIDE_HAND_SLOTS);
    m_west.SetVisibleCount(SIDE_HAND_SLOTS);
    m_north.SetVisibleCount(FULL_HAND_SLOTS);
    m_south.SetVisibleCount(FULL_HAND_SLOTS);

    // The menu bar has taken its height from the client area: the table is laid out for
    // what is left, so that South's hand stays in view and is hit where it is drawn.
    Layout(m_rectClient.Width(), m_rectClient.Height());
    RedrawBackBuffer();
    Invalidate(FALSE);
    NewGame();
    return TRUE;
}

BOOL CMauMauDlg::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // A caller asking only whether a handler exists must not carry the command out.
    if (nCode == CN_COMMAND && pHandlerInfo == nullptr) {
        if (nID == ID_FILE_NEWGAME) {
            if (MessageBox(NEW_GAME_QUESTION, NEW_GAME_CAPTION, MB_OKCANCEL | MB_ICONQUESTION) ==
                IDOK)
                NewGame();
        } else if (nID == ID_NETWORK_CONNECT && !m_bConnected) {
            m_pClient->Connect(m_strServerHost, m_nServerPort);
        }
    }
    return CGameDlg::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMauMauDlg::NewGame()
{
    if (m_bConnected) {
        for (const char* szCommand : NEW_GAME_COMMANDS)
            m_pClient->Send(szCommand);
    }
    OnPlay();
}

void CMauMauDlg::OnPlay()
{
}

void CMauMauDlg::OnConnectionState(int nState)
{
    m_bConnected = nState != CONNECTION_CLOSED;
}

void CMauMauDlg::OnText(const CString&)
{
}

void CMauMauDlg::SetCardServer(const CString& strHost, UINT nPort)
{
    m_strServerHost = strHost;
    m_nServerPort = nPort;
}

const CRect& CMauMauDlg::GetLabelRect(int nSeat) const
{
    const CRect* const labels[SEAT_COUNT] = {&m_rcNorthLabel, &m_rcEastLabel, &m_rcSouthLabel,
                                             &m_rcWestLabel};
    return *labels[nSeat];
}

void CMauMauDlg::Layout(int cx, int cy)
{
    const int xFan = cx / 2 - CARD_WIDTH / 2 - HAND_LEFT_SHIFT;
    const int ySide = cy / 2 - CARD_HEIGHT / 2;
    m_ptNorth = CPoint(xFan, TABLE_MARGIN);
    m_ptSouth = CPoint(xFan, cy - CARD_HEIGHT - TABLE_MARGIN);
    m_ptEast = CPoint(cx - CARD_WIDTH - TABLE_MARGIN, ySide);
    m_ptWest = CPoint(TABLE_MARGIN, ySide);

    m_ptCentre = CPoint(cx / 2 - CARD_WIDTH / 2 - CENTRE_LEFT_SHIFT, ySide);
    const int x0 = m_ptCentre.x;
    const int y0 = m_ptCentre.y;
    const int yMiddle = y0 + CARD_HEIGHT / 2 - LABEL_HEIGHT / 2;
    m_rcNorthLabel = CRect(CPoint(cx / 2 - LABEL_WIDTH / 2, y0 - LABEL_GAP - LABEL_HEIGHT),
                           CSize(LABEL_WIDTH, LABEL_HEIGHT));
    m_rcEastLabel = CRect(CPoint(x0 + CARD_WIDTH + EAST_LABEL_GAP, yMiddle),
                          CSize(LABEL_WIDTH, LABEL_HEIGHT));
    m_rcSouthLabel = CRect(CPoint(cx / 2 - LABEL_WIDTH / 2, y0 + CARD_HEIGHT + LABEL_GAP),
                           CSize(LABEL_WIDTH, LABEL_HEIGHT));
    m_rcWestLabel = CRect(CPoint(x0 - LABEL_GAP - LABEL_WIDTH, yMiddle),
                          CSize(LABEL_WIDTH, LABEL_HEIGHT));

    m_north.SetPosition(m_ptNorth, g_sizeHorzSpread);
    m_south.SetPosition(m_ptSouth, g_sizeHorzSpread);
    m_east.SetPosition(m_ptEast, g_sizeVertSpread);
    m_west.SetPosition(m_ptWest, g_sizeVertSpread);
}

void CMauMauDlg::DrawTable(CDC* pDC)
{
    pDC->FillSolidRect(&m_rectClient, TABLE_COLOR);
    pDC->SetTextColor(LABEL_TEXT_COLOR);
    pDC->SetBkColor(TABLE_COLOR);
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        CRect rect = GetLabelRect(nSeat);
        pDC->DrawText(SEAT_NAMES[nSeat], -1, &rect, DT_LEFT);
    }
    DrawCards(pDC);
}

void CMauMauDlg::DrawCards(CDC* pDC)
{
    CCardPainter painter(*pDC, m_pCardDCs);
    m_hands.Paint(painter);
}

void CMauMauDlg::OnTablePress(CPoint point)
{
    StartDrag(point);
}

void CMauMauDlg::StartDrag(CPoint point)
{
    int nIndex = -1;
    if (m_west.HitTest(point, &nIndex))
        PickUpCard(&m_west, nIndex, MOVE_FROM_HAND, point);
}
