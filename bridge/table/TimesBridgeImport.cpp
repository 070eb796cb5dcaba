#include "bridge/table/TimesBridgeImport.h"

#include <fstream>
#include <istream>

#include "bridge/bidding/Auction.h"
#include "bridge/table/TableFileDialog.h"
#include "cardtable/Card.h"
#include "cardtable/CardPile.h"
#include "cardtable/PileGroup.h"
#include "platform/base/assert.h"

namespace {

constexpr char BRIDGE_EXTENSION[] = "bridge";
constexpr char BRIDGE_FILTER[] = "Times Bridge files (*.bridge)|*.bridge||";

constexpr int HEADER_BYTES = 87;
constexpr int CARDS_PER_HAND = 13;
constexpr int RECORD_SPARE_BYTES = 7; // after the card byte of each 8-byte record
constexpr int HAND_SPARE_BYTES = 2;   // after the 13 records of each hand
// The file's hands in order, as seats: South, West, North, East.
const int s_nFileSeats[SEAT_COUNT] = {2, 3, 0, 1};

// The card byte's fields.
constexpr unsigned RANK_CODE_MASK = 0x0F;
constexpr unsigned SUIT_SHIFT = 5;
constexpr unsigned NO_CARD_BIT = 0x80; // a suit beyond spades
constexpr int RANK_CODE_ACE = 12;
constexpr int RANK_CODE_OFFSET = 2; // code 0 is the two

// Bridge orders and points: two 1 .. king 12, ace 13; ace 4, king 3, queen 2, jack 1.
constexpr int ACE_ORDER = 13;
constexpr int JACK_ORDER = 10;
constexpr int JACK_POINTS = 1;

// Reads and drops up to nCount bytes; false when the stream ended first.
bool Skip(std::istream& is, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        if (is.get() == std::char_traits<char>::eof())
            return false;
    }
    return true;
}

} // namespace

bool TimesBridgeCard(unsigned char byCard, CCard& card)
{
    const int nCode = byCard & RANK_CODE_MASK;
    if ((byCard & NO_CARD_BIT) != 0 || nCode > RANK_CODE_ACE)
        return false;
    const int nSuit = byCard >> SUIT_SHIFT;
    const int nRank = nCode == RANK_CODE_ACE ? RANK_ACE : nCode + RANK_CODE_OFFSET;
    const int nOrder = nRank == RANK_ACE ? ACE_ORDER : nRank - 1;
    const int nPoints = nOrder >= JACK_ORDER ? nOrder - JACK_ORDER + JACK_POINTS : 0;
    card = CCard(nRank, nSuit, nOrder, nPoints);
    return true;
}

TimesBridgeResult ReadTimesBridge(std::istream& is, CPileGroup& hands)
{
    ASSERT(hands.GetCount() == SEAT_COUNT);
    bool bEnded = !Skip(is, HEADER_BYTES);
    int nCards = 0;
    for (int nSeat : s_nFileSeats) {
        CCardPile& hand = *hands.GetAt(nSeat);
        for (int i = 0; i < CARDS_PER_HAND && !bEnded; ++i) {
            const int nByte = is.get();
            if (nByte == std::char_traits<char>::eof()) {
                bEnded = true;
                break;
            }
            // A record whose card byte names no card, or a card already dealt, is skipped;
            // the next record follows it.
            CCard card;
            if (TimesBridgeCard(static_cast<unsigned char>(nByte), card) && !hands.Contains(card)) {
                hand.AddCard(card);
                ++nCards;
            }
            bEnded = !Skip(is, RECORD_SPARE_BYTES);
        }
        if (!bEnded)
            bEnded = !Skip(is, HAND_SPARE_BYTES);
    }
    return nCards == SEAT_COUNT * CARDS_PER_HAND ? TimesBridgeResult::Complete
                                                          : TimesBridgeResult::Incomplete;
}

TimesBridgeResult ReadTimesBridge(const CString& strFile, CPileGroup& hands)
{
    std::ifstream is(static_cast<LPCTSTR>(strFile), std::ios::in | std::ios::binary);
    if (!is)
        return TimesBridgeResult::NotOpened;
    return ReadTimesBridge(is, hands);
}

CString AskTimesBridgeFileName(CWnd* pParent)
{
    return AskTableFileName(pParent, FileDialogKind::Open, BRIDGE_EXTENSION, BRIDGE_FILTER);
}
