#include "bridge/table/BidWhistDlg.h"

#include "bridge/bidding/Bid2.h"
#include "bridge/bidding/ConventionDlg.h"
#include "bridge/bidding/Conventions.h"
#include "bridge/play/PlayConstants.h"
#include "platform/msg/loop.h"
#include "resources/resource.h"

namespace {

constexpr char WINDOW_TITLE[] = "Bridge";
constexpr char GAME_NAME[] = "Bridge";
// The contract level while a deal waits for its auction.
constexpr int NO_CONTRACT = -1;

// After a spoken call the auction waits for the voice: a base time per seat plus a little
// per call made so far, since later calls are longer phrases.
constexpr DWORD SPEECH_PAUSE_PER_CALL = 40;
constexpr DWORD SPEECH_PAUSE_BASE[SEAT_COUNT] = {400, 0, 250, 250};

} // namespace

BEGIN_MESSAGE_MAP(CBidWhistDlg, CDummyDlg)
    ON_COMMAND(ID_OPTIONS_CONVENTIONS, &CBidWhistDlg::OnConventions)
END_MESSAGE_MAP()

CBidWhistDlg::CBidWhistDlg(CMainDlg* pMainDlg, CWnd* pParent) : CDummyDlg(pMainDlg, pParent)
{
    LoadConventions();
}

CBidWhistDlg::~CBidWhistDlg() = default;

CString CBidWhistDlg::GetGameName()
{
    return GAME_NAME;
}

int CBidWhistDlg::GetGamesWon(int nSide) const
{
    return m_nGames[nSide & 1];
}

BOOL CBidWhistDlg::OnInitDialog()
{
    CDummyDlg::OnInitDialog();
    SetWindowText(WINDOW_TITLE);
    LoadBidRect();
    m_menu.EnableMenuItem(ID_OPTIONS_CONVENTIONS, MF_BYCOMMAND | MF_ENABLED);
    return TRUE;
}

void CBidWhistDlg::OnClose()
{
    SaveBidRect();
    CDummyDlg::OnClose();
}

void CBidWhistDlg::NextDeal()
{
    const int nAutoDeals = m_nAutoDeals--;
    m_bManual[SEAT_SOUTH] = nAutoDeals <= 0;
    m_nContractLevel = NO_CONTRACT;
    m_nDealer = NextSeat(m_nDealer);
    m_nLeader = m_nDealer;
    m_nToPlay = m_nDealer;
    m_trick.SetLeader(m_nDealer);
    m_nDummy = -1;
    m_nTrumps = NO_TRUMPS;
    DropAttackEngine();
    ResetDeal();
    DealCards();
    RefreshTable();
}

void CBidWhistDlg::OnPlay()
{
    if (m_bBusy || m_nState != STATE_BEFORE_PLAY)
        return;
    if (m_bDealEdited && !CheckEditedDeal())
        return;
    m_nState = STATE_BIDDING;
    if (m_btnPlay.GetSafeHwnd() != nullptr)
        m_btnPlay.ShowWindow(SW_HIDE);
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        m_pEvaluations[nSeat]->SetCards(&Hand(nSeat));
    SaveOriginalDeal();
    m_menu.EnableMenuItem(ID_FILE_REPLAYHAND, MF_BYCOMMAND | MF_ENABLED);

    // The auction's boxes and the computer's turns run nested loops: the mouse handlers and a
    // second Play must not start anything of their own meanwhile.
    m_bBusy = true;
    const bool bWindowKept = RunAuction();
    // A command during the review box (New Deal, Open Hand, ...) may have replaced the deal
    // whose auction just ended; that deal then waits for an auction of its own.
    if (!bWindowKept || m_nState != STATE_BIDDING) {
        m_bBusy = false;
        return;
    }
    m_nState = STATE_PLAYING;
    if (m_auction.GetHighestBid().IsNoBid()) {
        RecordStatistics();
        NextDeal();
    } else {
        StartPlay();
        PlayComputerSeats();
    }
    m_bBusy = false;
}

bool CBidWhistDlg::IsPersonToCall(int nSeat) const
{
    return (nSeat == SEAT_SOUTH && m_nAutoDeals <= 0) || m_bManualBid;
}

CBid CBidWhistDlg::ComputerCall()
{
    const int nSeat = m_auction.GetNextSeat();
    const CBid bid = ChooseBid();
    if (m_bWhistSound && bid.Speak(m_strNames[nSeat])) {
        const DWORD dwBase = SPEECH_PAUSE_BASE[nSeat];
        if (dwBase > 0)
            Sleep(SPEECH_PAUSE_PER_CALL * m_auction.GetSize() + dwBase);
    }
    return bid;
}

bool CBidWhistDlg::RunAuction()
{
    m_auction.RemoveAll();
    m_auction.SetDealer(m_nLeader);
    CBid2 box(this, this);
    while (!m_auction.IsFinished()) {
        if (!IsPersonToCall(m_auction.GetNextSeat())) {
            m_auction.m_calls.push_back(ComputerCall());
            continue;
        }
        box.Setup(m_auction, m_pThresholds.get(), FALSE, m_bBidSingleClick);
        const INT_PTR nResult = box.DoModal();
        // Closing the window while the box was up ends the auction with it.
        if (GetSafeHwnd() == nullptr)
            return false;
        if (nResult == IDOK)
            m_auction.m_calls.push_back(box.GetChosenBid());
        else
            m_auction.AddPass(m_pThresholds.get(), "");
    }
    if (m_auction.GetNextSeat() != SEAT_WEST && m_nAutoDeals <= 0)
        ShowBidding();
    return GetSafeHwnd() != nullptr;
}

void CBidWhistDlg::StartPlay()
{
    if (m_nState != STATE_PLAYING)
        return;
    const CBid contract = m_auction.GetHighestBid();
    m_nDeclaringSide = SideOf(m_auction.GetHighestBidder());
    m_nTrumps = contract.GetSuit();
    m_nContractLevel = contract.GetLevel();
    const int nDeclarer = m_auction.GetDeclarer(m_nTrumps, m_nDeclaringSide);
    m_nLeader = NextSeat(nDeclarer);
    m_nToPlay = m_nLeader;
    RaiseTrumps();
    ArrangeSuitPiles();
    CDummyDlg::StartPlay();
}

void CBidWhistDlg::ShowBidding()
{
    CBid2 box(nullptr, nullptr);
    box.Setup(m_auction, m_pThresholds.get(), TRUE, m_bBidSingleClick);
    box.DoModal();
}

CBid CBidWhistDlg::GetHintBid() const
{
    return ChooseBid();
}

CAuction* CBidWhistDlg::GetAuction()
{
    return &m_auction;
}

void CBidWhistDlg::LowerTrumpsAfterLoad()
{
    // A load leaves the table before play. A cancelled or refused one leaves a deal in play
    // as it was, and its trumps must stay raised for the tricks still to come.
    if (m_nState == STATE_BEFORE_PLAY)
        LowerTrumps();
}

void CBidWhistDlg::OnOpenHand()
{
    CDummyDlg::OnOpenHand();
    LowerTrumpsAfterLoad();
}

void CBidWhistDlg::OnImportXml()
{
    CDummyDlg::OnImportXml();
    LowerTrumpsAfterLoad();
}

void CBidWhistDlg::OnImportBridgeFile()
{
    CDummyDlg::OnImportBridgeFile();
    LowerTrumpsAfterLoad();
}

void CBidWhistDlg::OnReplayHand()
{
    CDummyDlg::OnReplayHand();
    LowerTrumpsAfterLoad();
}

void CBidWhistDlg::OnTablePress(CPoint point)
{
    if (m_nState != STATE_BIDDING)
        CDummyDlg::OnTablePress(point);
}

void CBidWhistDlg::OnTableRelease(CPoint point)
{
    if (m_nState != STATE_BIDDING)
        CDummyDlg::OnTableRelease(point);
}

void CBidWhistDlg::OnConventions()
{
    CConventionDlg dlg(this);
    dlg.DoModal();
}
