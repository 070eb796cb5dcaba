// CDummyDlg: the hand file (.brg), Save Hand, Open Hand and the rotating autosave files; the
// XML hand file's export and import, the Times Bridge import and the statistics file.
//
// Every load reads the whole file and lets the format's reader check the deal it holds before
// any of it reaches the table: a file that cannot be read, or whose deal is not consistent, is
// reported and leaves the table exactly as it was. Every save writes regular files only and
// keeps a file's other names, owner and permissions, as a plain write does; wherever it can,
// it replaces the file in one step, so that a save that fails is reported and leaves the old
// file untouched.

#include <algorithm>
#include <sstream>

#include "bridge/play/ExplainWhistDlg.h"
#include "bridge/play/PlayConstants.h"
#include "bridge/table/DummyDlg.h"
#include "bridge/table/HandFile.h"
#include "bridge/table/TableFileDialog.h"
#include "bridge/table/TableFileIo.h"
#include "bridge/table/TimesBridgeImport.h"
#include "bridge/table/XmlHand.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"

namespace {

constexpr char HAND_FILE_EXT[] = "brg";
constexpr char HAND_FILE_FILTER[] = "Bridge/Dummy files (*.brg)|*.brg||";
// What a refused file should have been, in its message.
constexpr char HAND_FILE_KIND[] = "a hand file";
constexpr char TIMES_BRIDGE_KIND[] = "a Times Bridge file";

// The autosave files autosave1.brg .. autosave9.brg are reused in turn; the registry value
// holds the number of the next one.
constexpr char AUTOSAVE_VALUE[] = "autosave";
constexpr int AUTOSAVE_FIRST = 1;
constexpr int AUTOSAVE_LAST = 9;

// The hand's cards with their plain orders, the trump bonus taken off.
CCardPile PlainOrders(const CCardPile& hand)
{
    CCardPile plain;
    for (const CCard& card : hand.m_cards)
        plain.AddCard(MakeDeckCard(card.GetRank(), card.GetSuit()));
    return plain;
}

} // namespace

CFileDeal CDummyDlg::DealForFile()
{
    CFileDeal deal;
    deal.bHasContract = true;
    deal.bHasLeader = true;
    deal.bHasScores = true;
    // The contract in play. The dialog with the auction keeps its deal as it stood before the
    // auction, so the strain kept when play began is not the contract's there.
    deal.nLevel = m_nContractLevel;
    deal.nTrumps = m_nTrumps;
    deal.nLeader = m_nLeader;
    const int* const pCurrent[SIDE_SCORE_COUNT] = {m_nRubbers, m_nGames, m_nAbove, m_nBelow};
    const int* const pStart[SIDE_SCORE_COUNT] = {m_nStartRubbers, m_nStartGames, m_nStartAbove,
                                                 m_nStartBelow};
    const bool bBeforeFirstTrick = m_tricks.GetCount() == 0;
    if (bBeforeFirstTrick) {
        deal.nDealer = m_nDealer;
        deal.nToPlay = m_nToPlay;
        deal.nTricks[0] = m_nTricks[0];
        deal.nTricks[1] = m_nTricks[1];
        // Cards moved between seats by hand are in the suit piles until Play.
        SpreadHands();
        for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
            deal.hands[nSeat] = PlainOrders(Hand(nSeat));
    } else {
        // Once a trick is complete the files describe the deal as play began.
        deal.nDealer = m_nSavedDealer;
        deal.nToPlay = m_nSavedToPlay;
        const CCardPile* const origHands[SEAT_COUNT] = {&m_origNorth, &m_origEast, &m_origSouth,
                                                        &m_origWest};
        for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
            deal.hands[nSeat] = *origHands[nSeat];
    }
    for (int nSide = 0; nSide < SIDE_COUNT; nSide++) {
        for (int nKind = 0; nKind < SIDE_SCORE_COUNT; nKind++)
            deal.nScores[nSide][nKind] = (bBeforeFirstTrick ? pCurrent : pStart)[nKind][nSide];
    }
    return deal;
}

bool CDummyDlg::WriteHandFile(const char* szFileName, SaveReport report)
{
    std::ostringstream os;
    FormatHandFile(os, DealForFile());
    return SaveTableFile(this, szFileName, os.str(), report);
}

bool CDummyDlg::ReadHandFile(const char* szFileName)
{
    return LoadFile(szFileName, ParseHandFile, HAND_FILE_KIND);
}

bool CDummyDlg::LoadFile(const CString& strFile, DealParser pfnParse, const char* szKind)
{
    std::string strText;
    if (!ReadTableFile(this, strFile, strText))
        return false;
    CFileDeal deal;
    CString strProblem;
    if (!pfnParse(strText, deal, strProblem)) {
        ReportRefusedFile(this, strFile, szKind, strProblem);
        return false;
    }
    LoadDeal(deal);
    return true;
}

void CDummyDlg::LoadDeal(const CFileDeal& deal)
{
    DropAttackEngine();
    ResetDeal();
    if (deal.bHasContract) {
        // A deal saved before its auction has no contract yet. A table without an auction
        // cannot give it one and never plays below the one-level: it keeps its own contract,
        // as its imports do.
        if (deal.nLevel != FILE_NO_CONTRACT || GetAuction() != nullptr) {
            m_nContractLevel = deal.nLevel;
            m_nTrumps = deal.nTrumps;
        }
        m_nDealer = deal.nDealer;
        m_nTricks[0] = deal.nTricks[0];
        m_nTricks[1] = deal.nTricks[1];
    }
    if (deal.bHasLeader)
        m_nLeader = deal.nLeader;
    // Play starts with the leader, whatever the file says of the player to move.
    m_nToPlay = m_nLeader;
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        Hand(nSeat).m_cards = deal.hands[nSeat].m_cards;
    if (deal.bHasScores) {
        int* const pScores[SIDE_SCORE_COUNT] = {m_nRubbers, m_nGames, m_nAbove, m_nBelow};
        for (int nSide = 0; nSide < SIDE_COUNT; nSide++) {
            for (int nKind = 0; nKind < SIDE_SCORE_COUNT; nKind++)
                pScores[nKind][nSide] = deal.nScores[nSide][nKind];
        }
    }
    // A deal without 13 cards at every seat (a file saved during the first trick, a short
    // import) would end when the first seat runs out, never to be scored: like a deal set up
    // by hand it must pass Play's check, which names the seat that lacks cards.
    if (!HoldsFullDeal())
        m_bDealEdited = true;
    FinishLoad();
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

void CDummyDlg::OnImportXml()
{
    const CString strFile = AskXmlImportFileName(this);
    // The file's dealer becomes the seat the deal starts from: the opening leader here, the
    // first seat to call in the dialog with the auction.
    if (!strFile.IsEmpty())
        LoadFile(strFile, ParseXmlHand, HAND_FILE_KIND);
}

void CDummyDlg::OnImportBridgeFile()
{
    const CString strFile = AskTimesBridgeFileName(this);
    if (!strFile.IsEmpty())
        LoadFile(strFile, ParseTimesBridge, TIMES_BRIDGE_KIND);
}

void CDummyDlg::OnExportXml()
{
    // Before play the window still holds the calls of an earlier deal, which do not belong
    // with these hands.
    const CAuction* pAuction = m_nState == STATE_BEFORE_PLAY ? nullptr : GetAuction();
    ExportXmlHand(this, DealForFile(), pAuction);
}

void CDummyDlg::OnSaveStats()
{
    SaveStatsFile(this, m_stats);
}

void CDummyDlg::OnSaveHand()
{
    const CString strFile =
        AskTableFileName(this, FileDialogKind::Save, HAND_FILE_EXT, HAND_FILE_FILTER);
    if (!strFile.IsEmpty())
        WriteHandFile(strFile);
}

void CDummyDlg::OnOpenHand()
{
    const CString strFile =
        AskTableFileName(this, FileDialogKind::Open, HAND_FILE_EXT, HAND_FILE_FILTER);
    if (!strFile.IsEmpty())
        ReadHandFile(strFile);
}

void CDummyDlg::AutoSaveDeal()
{
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    // Whatever number is stored, the autosaves keep to their nine names.
    const int nFile =
        std::clamp(settings.ReadInt(AUTOSAVE_VALUE, AUTOSAVE_FIRST), AUTOSAVE_FIRST, AUTOSAVE_LAST);
    CString strName;
    strName.Format("%s%d.%s", AUTOSAVE_VALUE, nFile, HAND_FILE_EXT);
    // Autosaves come at every new deal, in automatic play too: a box at each would stop play
    // and trap the person. One box tells of the failure; the rest wait for a success.
    const bool bSaved =
        WriteHandFile(strName, m_bAutoSaveQuiet ? SaveReport::Quiet : SaveReport::Shown);
    m_bAutoSaveQuiet = !bSaved;
    settings.WriteInt(AUTOSAVE_VALUE, nFile >= AUTOSAVE_LAST ? AUTOSAVE_FIRST : nFile + 1);
}
