#pragma once
// CMauMauDlg: the four-seat network card table, titled "Dummy/Partner Whist". Four hands lie
// around a centre (North and South in horizontal fans, East and West in vertical ones) with
// the seat names beside the centre. The menu's "Connect" connects to the card server, when
// not connected yet; "New Game" asks "Start new game?" and on OK sends the server the five
// commands of a new game, each as its own send: "newgame\n", "newhand\n", "shuffle\n",
// "deal\n", "startplay\n". Text from the server is accepted and not acted on, so the hands
// stay as they are (empty, unless someone fills them); a card of the West hand can be
// dragged about (with the base's carry) and always returns to its place.
//
// The card server is CARD_SERVER_HOST ("localhost": run the server on this machine, or point
// the name at it) on port CARD_SERVER_PORT (4000); SetCardServer names another.
//
// The launcher opens it modeless from template IDD_VARROW (102), whose menu it replaces by
// IDR_NETWORK_MENU (132). Its map routes no close message: closing hides the window, which
// keeps its launcher slot and its connection and never saves its rectangle. The rectangle is
// read from "UnknownRect", as the table keeps the base's game name.

#include <memory>

#include "cardtable/CardPile.h"
#include "cardtable/GameDlg.h"
#include "cardtable/PileGroup.h"

class CCardConnection;
class CMauMauListener;

class CMauMauDlg : public CGameDlg {
public:
    // The seats, in the order of m_hands.
    enum {
        SEAT_NORTH = 0,
        SEAT_EAST = 1,
        SEAT_SOUTH = 2,
        SEAT_WEST = 3,
        SEAT_COUNT = 4
    };
    static constexpr const char* CARD_SERVER_HOST = "localhost";
    static constexpr UINT CARD_SERVER_PORT = 4000;

    // A window opened by pMainDlg (not owned), with its own client connection (not yet
    // connected).
    CMauMauDlg(CMainDlg* pMainDlg, CWnd* pParent);
    // Destroys the connection (closing it), then its listener.
    ~CMauMauDlg() override;

    // "New Game" (after the question) and "Connect"; every command then takes the
    // framework's route.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // The green table with the seat names, then DrawCards.
    void DrawTable(CDC* pDC) override;
    // Paints the hands: North, East, South, West.
    void DrawCards(CDC* pDC) override;
    // Sends the five commands of a new game when connected, then OnPlay.
    void NewGame() override;
    // Places the hands, the centre and the seat names for a client area of cx x cy.
    void Layout(int cx, int cy) override;

    // What the connection reports: CONNECTION_USABLE makes the table connected, anything
    // else not.
    void OnConnectionState(int nState);
    // Text from the server: accepted, and nothing on the table changes.
    void OnText(const CString& strText);
    // Hook for a table that plays: runs after every New Game. Nothing here.
    virtual void OnPlay();

    // The server "Connect" connects to (strHost a name or dotted address).
    void SetCardServer(const CString& strHost, UINT nPort);
    bool IsConnected() const { return m_bConnected; }
    // The hand of nSeat (SEAT_NORTH .. SEAT_WEST).
    CCardPile& GetHand(int nSeat) { return *m_hands.GetAt(nSeat); }
    // Where the name of nSeat is written.
    const CRect& GetLabelRect(int nSeat) const;

protected:
    BOOL OnInitDialog() override;
    // A press lifts the West card under it; wherever it is dropped, the base puts it back.
    void OnTablePress(CPoint point) override;

    // Lifts the West card under point; nothing when no card lies there or one is lifted
    // already.
    void StartDrag(CPoint point);

    CPoint m_ptNorth;
    CPoint m_ptSouth;
    CPoint m_ptEast;
    CPoint m_ptWest;
    CPoint m_ptCentre;
    CRect m_rcNorthLabel;
    CRect m_rcEastLabel;
    CRect m_rcSouthLabel;
    CRect m_rcWestLabel;
    CCardPile m_north;
    CCardPile m_south;
    CCardPile m_east;
    CCardPile m_west;
    // The four hands in seat order; not owned (they are the members above).
    CPileGroup m_hands;
    // The connection has reported itself usable and not closed since.
    bool m_bConnected = false;
    CString m_strServerHost;
    UINT m_nServerPort;
    // The connection reports to its listener; the listener is declared first so that it
    // outlives the connection.
    std::unique_ptr<CMauMauListener> m_pListener;
    std::unique_ptr<CCardConnection> m_pClient;

    DECLARE_MESSAGE_MAP()
};
