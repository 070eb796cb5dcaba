// CDummyDlg: the hand file (.brg), Save Hand, Open Hand and the rotating autosave files; the
// XML hand file's export and import, the Times Bridge import and the statistics file.
//
// A hand file is text: decimal integers separated by blanks, one group per line: level and
// trumps; leader and dealer; the player to move; the tricks of both sides; the hands of
// North, East, South and West (a count, then one line per card: rank, suit, order, points);
// then rubbers, games, above and below of North/South and of East/West.

#include <algorithm>
#include <fstream>
#include <set>

#include "bridge/play/ExplainWhistDlg.h"
#include "bridge/play/PlayConstants.h"
#include "bridge/table/DummyDlg.h"
#include "bridge/table/TimesBridgeImport.h"
#include "bridge/table/XmlHand.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/wnd/CFileDialog.h"

namespace {

constexpr char HAND_FILE_EXT[] = "brg";
constexpr char HAND_FILE_FILTER[] = "Bridge/Dummy files (*.brg)|*.brg||";
constexpr DWORD FILE_DIALOG_FLAGS = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

// The autosave files autosave1.brg .. autosave9.brg are reused in turn; the registry value
// holds the number of the next one.
constexpr char AUTOSAVE_VALUE[] = "autosave";
constexpr int AUTOSAVE_FIRST = 1;
constexpr int AUTOSAVE_LAST = 9;

// The lowest level index a file may hold: -1, a deal of the table with the auction before
// its auction.
constexpr int NO_CONTRACT_LEVEL = -1;
constexpr int HIGHEST_LEVEL = 6;

// What a hand file holds, read before any of it reaches the table.
struct HandFileDeal {
    int nLevel = 0;
    int nTrumps = 0;
    int nLeader = 0;
    int nDealer = 0;
    int nToPlay = 0;
    int nTricks[SIDE_COUNT] = {};
    CCardPile hands[SEAT_COUNT];
    bool bHasScores = false;
    // Rubbers, games, above and below, by side.
    int nScores[SIDE_COUNT][4] = {};
};

bool IsSeat(int nSeat)
{
    return nSeat >= 0 && nSeat < SEAT_COUNT;
}

// A card of the file as the deck makes it: the order and points follow from the rank, so
// that a raised or a plain trump, and any damage to those two fields, give the same card.
bool NormaliseCard(CCard& card)
{
    const int nRank = card.GetRank();
    if (nRank < RANK_ACE || nRank > RANK_KING || card.GetSuit() < 0 || card.GetSuit() >= SUIT_COUNT)
        return false;
    card = CDummyDlg::MakeBridgeCard(nRank, card.GetSuit());
    return true;
}

// Whether the numbers describe a deal the table can play: seats, strain and level in range,
// at most 13 cards a hand, real cards and none of them twice.
bool IsPlayableDeal(HandFileDeal& deal)
{
    if (deal.nLevel < NO_CONTRACT_LEVEL || deal.nLevel > HIGHEST_LEVEL)
        return false;
    if (deal.nTrumps < 0 || deal.nTrumps > NO_TRUMPS || !IsSeat(deal.nLeader) ||
        !IsSeat(deal.nDealer))
        return false;
    for (int nTricks : deal.nTricks) {
        if (nTricks < 0 || nTricks > CARDS_PER_HAND)
            return false;
    }
    std::set<int> seen;
    for (CCardPile& hand : deal.hands) {
        if (hand.GetCount() > CARDS_PER_HAND)
            return false;
        for (CCard& card : hand.m_cards) {
            if (!NormaliseCard(card) || !seen.insert(card.GetImageIndex()).second)
                return false;
        }
    }
    return true;
}

// Reads one hand: a count, then that many cards; false when the numbers run out first.
bool ReadHand(std::istream& is, CCardPile& hand)
{
    int nCount = 0;
    if (!(is >> nCount) || nCount < 0 || nCount > CARDS_PER_HAND)
        return false;
    for (int i = 0; i < nCount; i++) {
        int nRank = 0, nSuit = 0, nOrder = 0, nPoints = 0;
        if (!(is >> nRank >> nSuit >> nOrder >> nPoints))
            return false;
        hand.AddCard(CCard(nRank, nSuit, nOrder, nPoints));
    }
    return true;
}

bool ReadDeal(std::istream& is, HandFileDeal& deal)
{
    if (!(is >> deal.nLevel >> deal.nTrumps >> deal.nLeader >> deal.nDealer >> deal.nToPlay >>
          deal.nTricks[0] >> deal.nTricks[1]))
        return false;
    for (CCardPile& hand : deal.hands) {
        if (!ReadHand(is, hand))
            return false;
    }
    // Scores are optional, but only all eight together.
    int nScores[SIDE_COUNT][4] = {};
    bool bComplete = true;
    for (auto& side : nScores) {
        for (int& nValue : side)
            bComplete = bComplete && static_cast<bool>(is >> nValue);
    }
    if (bComplete) {
        deal.bHasScores = true;
        std::copy(&nScores[0][0], &nScores[0][0] + SIDE_COUNT * 4, &deal.nScores[0][0]);
    }
    return IsPlayableDeal(deal);
}

void WriteScoreLine(std::ostream& os, int nRubbers, int nGames, int nAbove, int nBelow)
{
    os << nRubbers << ' ' << nGames << ' ' << nAbove << ' ' << nBelow << '\n';
}

} // namespace

void CDummyDlg::WriteHandFile(const char* szFileName)
{
    std::ofstream os(szFileName, std::ios::out | std::ios::trunc);
    if (!os)
        return;
    if (m_tricks.GetCount() == 0) {
        os << m_nContractLevel << ' ' << m_nTrumps << '\n';
        os << m_nLeader << ' ' << m_nDealer << '\n';
        os << m_nToPlay << '\n';
        os << m_nTricks[0] << ' ' << m_nTricks[1] << '\n';
        const bool bWasRaised = TrumpsRaised();
        SpreadHands();
        LowerTrumps();
        for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
            Hand(nSeat).WriteText(os);
        for (int nSide = 0; nSide < SIDE_COUNT; nSide++)
            WriteScoreLine(os, m_nRubbers[nSide], m_nGames[nSide], m_nAbove[nSide],
                           m_nBelow[nSide]);
        if (bWasRaised)
            RaiseTrumps();
        return;
    }
    // Once a trick is complete the file describes the deal as play began.
    os << m_nContractLevel << ' ' << m_nSavedTrumps << '\n';
    os << m_nLeader << ' ' << m_nSavedDealer << '\n';
    os << m_nSavedToPlay << '\n';
    os << 0 << ' ' << 0 << '\n';
    const CCardPile* const origHands[SEAT_COUNT] = {&m_origNorth, &m_origEast, &m_origSouth,
                                                    &m_origWest};
    for (const CCardPile* pHand : origHands)
        pHand->WriteText(os);
    for (int nSide = 0; nSide < SIDE_COUNT; nSide++)
        WriteScoreLine(os, m_nStartRubbers[nSide], m_nStartGames[nSide], m_nStartAbove[nSide],
                       m_nStartBelow[nSide]);
}

bool CDummyDlg::ReadHandFile(const char* szFileName)
{
    std::ifstream is(szFileName);
    if (!is) {
        DropAttackEngine();
        ResetDeal();
        RefreshTable();
        return false;
    }
    HandFileDeal deal;
    if (!ReadDeal(is, deal))
        return false;

    DropAttackEngine();
    ResetDeal();
    m_nContractLevel = deal.nLevel;
    m_nTrumps = deal.nTrumps;
    m_nLeader = deal.nLeader;
    m_nDealer = deal.nDealer;
    // Play starts with the leader, whatever the file says of the player to move.
    m_nToPlay = m_nLeader;
    m_nTricks[0] = deal.nTricks[0];
    m_nTricks[1] = deal.nTricks[1];
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        Hand(nSeat).m_cards = deal.hands[nSeat].m_cards;
    if (deal.bHasScores) {
        for (int nSide = 0; nSide < SIDE_COUNT; nSide++) {
            m_nRubbers[nSide] = deal.nScores[nSide][0];
            m_nGames[nSide] = deal.nScores[nSide][1];
            m_nAbove[nSide] = deal.nScores[nSide][2];
            m_nBelow[nSide] = deal.nScores[nSide][3];
        }
    }
    FinishLoad();
    return true;
}

void CDummyDlg::FinishLoad()
{
    RaiseTrumps();
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        Hand(nSeat).Sort();
    ShowDealForPlay();
}

void CDummyDlg::ShowDealForPlay()
{
    UpdateSuitPileCounts();
    ArrangeSuitPiles();

    m_nDeclaringSide = SideOf(m_nLeader + 1);
    m_trick.SetLeader(m_nToPlay);
    m_trick.SetTrumps(m_nTrumps);
    m_nDummy = NextSeat(m_nLeader);
    ReapplyModes();
    if (m_pExplain != nullptr)
        m_pExplain->ResetLines();
    RefreshTable();
}

bool CDummyDlg::HoldsFullDeal() const
{
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        if (Hand(nSeat).GetCount() != CARDS_PER_HAND)
            return false;
    }
    return true;
}

void CDummyDlg::FinishImport()
{
    // A short or damaged file (or one that could not be opened) leaves seats with fewer
    // cards; played as it stands, the deal would end when the first seat runs out.
    if (!HoldsFullDeal())
        m_bDealEdited = true;
    FinishLoad();
}

void CDummyDlg::OnImportXml()
{
    const CString strFile = AskXmlImportFileName(this);
    if (strFile.IsEmpty())
        return;
    DropAttackEngine();
    ResetDeal();
    // The file's dealer becomes the seat the deal starts from: the opening leader here, the
    // first seat to call in the dialog with the auction.
    ReadXmlHand(strFile, m_hands, m_nLeader,
                CXmlScores{m_nRubbers, m_nGames, m_nAbove, m_nBelow});
    m_nToPlay = m_nLeader;
    FinishImport();
}

void CDummyDlg::OnImportBridgeFile()
{
    const CString strFile = AskTimesBridgeFileName(this);
    if (strFile.IsEmpty())
        return;
    DropAttackEngine();
    ResetDeal();
    m_nToPlay = m_nLeader;
    ReadTimesBridge(strFile, m_hands);
    FinishImport();
}

void CDummyDlg::OnExportXml()
{
    // Cards moved between seats by hand are in the suit piles until Play; the file gets
    // the deal as the table shows it.
    if (m_bDealEdited)
        SpreadHands();
    // Before play the window still holds the calls of an earlier deal, which do not belong
    // with these hands.
    const CAuction* pAuction = m_nState == STATE_BEFORE_PLAY ? nullptr : GetAuction();
    if (m_tricks.GetCount() > 0) {
        ExportXmlHand(this, CXmlDeal{m_nDealer,
                                     {&m_origNorth, &m_origEast, &m_origSouth, &m_origWest},
                                     pAuction, m_nStartRubbers, m_nStartGames, m_nStartAbove,
                                     m_nStartBelow});
        return;
    }
    ExportXmlHand(this, CXmlDeal{m_nDealer,
                                 {&m_handNorth, &m_handEast, &m_handSouth, &m_handWest},
                                 pAuction, m_nRubbers, m_nGames, m_nAbove, m_nBelow});
}

void CDummyDlg::OnSaveStats()
{
    SaveStatsFile(this, m_stats);
}

void CDummyDlg::OnSaveHand()
{
    CFileDialog dlg(FALSE, HAND_FILE_EXT, nullptr, FILE_DIALOG_FLAGS, HAND_FILE_FILTER, this);
    if (dlg.DoModal() == IDOK)
        WriteHandFile(dlg.GetFileName());
}

void CDummyDlg::OnOpenHand()
{
    CFileDialog dlg(TRUE, HAND_FILE_EXT, nullptr, FILE_DIALOG_FLAGS, HAND_FILE_FILTER, this);
    if (dlg.DoModal() == IDOK)
        ReadHandFile(dlg.GetFileName());
}

void CDummyDlg::AutoSaveDeal()
{
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    const int nFile = settings.ReadInt(AUTOSAVE_VALUE, AUTOSAVE_FIRST);
    CString strName;
    strName.Format("%s%d.%s", AUTOSAVE_VALUE, nFile, HAND_FILE_EXT);
    WriteHandFile(strName);
    settings.WriteInt(AUTOSAVE_VALUE, nFile >= AUTOSAVE_LAST ? AUTOSAVE_FIRST : nFile + 1);
}
