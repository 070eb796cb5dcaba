#include "bridge/table/TimesBridgeImport.h"

#include "bridge/table/FileDeal.h"
#include "bridge/table/SeatNames.h"
#include "bridge/table/TableFileDialog.h"
#include "cardtable/Card.h"

namespace {

constexpr char BRIDGE_EXTENSION[] = "bridge";
constexpr char BRIDGE_FILTER[] = "Times Bridge files (*.bridge)|*.bridge||";

constexpr size_t HEADER_BYTES = 87;
constexpr size_t RECORD_BYTES = 8;    // the card byte, then seven unused
constexpr size_t HAND_SPARE_BYTES = 2; // after the 13 records of each hand
constexpr size_t HAND_BYTES = CARDS_PER_HAND * RECORD_BYTES + HAND_SPARE_BYTES;
constexpr size_t DEAL_BYTES = HEADER_BYTES + SEAT_COUNT * HAND_BYTES;
// The file's hands in order, as seats: South, West, North, East.
const int s_nFileSeats[SEAT_COUNT] = {2, 3, 0, 1};

// The card byte's fields.
constexpr unsigned RANK_CODE_MASK = 0x0F;
constexpr unsigned SUIT_SHIFT = 5;
constexpr unsigned NO_CARD_BIT = 0x80; // a suit beyond spades
constexpr int RANK_CODE_ACE = 12;
constexpr int RANK_CODE_OFFSET = 2; // code 0 is the two

} // namespace

bool TimesBridgeCard(unsigned char byCard, CCard& card)
{
    const int nCode = byCard & RANK_CODE_MASK;
    if ((byCard & NO_CARD_BIT) != 0 || nCode > RANK_CODE_ACE)
        return false;
    const int nRank = nCode == RANK_CODE_ACE ? RANK_ACE : nCode + RANK_CODE_OFFSET;
    card = MakeDeckCard(nRank, byCard >> SUIT_SHIFT);
    return true;
}

bool ParseTimesBridge(const std::string& strBytes, CFileDeal& deal, CString& strProblem)
{
    if (strBytes.size() < DEAL_BYTES) {
        strProblem.Format("it is %zu bytes long, and a deal takes %zu", strBytes.size(),
                          DEAL_BYTES);
        return false;
    }
    CDealtCards dealt;
    for (int nHand = 0; nHand < SEAT_COUNT; ++nHand) {
        const int nSeat = s_nFileSeats[nHand];
        for (int nRecord = 0; nRecord < CARDS_PER_HAND; ++nRecord) {
            const size_t nOffset = HEADER_BYTES + nHand * HAND_BYTES + nRecord * RECORD_BYTES;
            CCard card;
            if (!TimesBridgeCard(static_cast<unsigned char>(strBytes[nOffset]), card)) {
                strProblem.Format("card %d of %s (byte %zu) names no card", nRecord + 1,
                                  static_cast<LPCTSTR>(g_strSeatNames[nSeat]), nOffset);
                return false;
            }
            if (!dealt.Deal(card)) {
                strProblem.Format("%s (byte %zu) is dealt twice",
                                  static_cast<LPCTSTR>(CardName(card)), nOffset);
                return false;
            }
            deal.hands[nSeat].AddCard(card);
        }
    }
    return true;
}

CString AskTimesBridgeFileName(CWnd* pParent)
{
    return AskTableFileName(pParent, FileDialogKind::Open, BRIDGE_EXTENSION, BRIDGE_FILTER);
}
