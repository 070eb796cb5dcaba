// Whole deals played to the end with the defender engine, checking on every card that it is
// legal and explained by exactly one line, or by none on the second-hand plays that need no
// comment.

#include "tests/bridge/play/whistdefend_support.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "bridge/bidding/BidThresholds.h"
#include "platform/base/random.h"

using namespace defendtest;

namespace {

constexpr int DEALS = 1000;
// The deals run in blocks so that each test stays well inside the watchdog's time.
constexpr int DEALS_PER_BLOCK = 100;
constexpr int TRICKS = 13;
constexpr int STRAINS = 5;
constexpr int LEVELS = 7;
// Failures reported in full before the rest are only counted.
constexpr int REPORTED_FAILURES = 5;

const char* const s_szPositionPrefix[SEAT_COUNT] = {"Led - ", "2nd", "3rd", "4th"};

// The 52 bridge cards shuffled by the deal generator and dealt 13 to each seat, the trump
// suit raised as the table raises it for play.
void DealHands(int nSeed, int nTrumps, CCardPile hands[SEAT_COUNT])
{
    std::vector<CCard> deck;
    const std::string ranks = "23456789TJQKA";
    const std::string suits = "CDHS";
    for (char chSuit : suits) {
        for (char chRank : ranks)
            deck.push_back(Card(std::string(1, chRank) + chSuit, nTrumps));
    }
    plat::srand(static_cast<unsigned int>(nSeed));
    for (int i = static_cast<int>(deck.size()) - 1; i > 0; --i)
        std::swap(deck[i], deck[plat::rand() % (i + 1)]);
    for (int nSeat = 0; nSeat < SEAT_COUNT; ++nSeat) {
        hands[nSeat].Clear();
        for (int i = 0; i < TRICKS; ++i)
            hands[nSeat].AddCard(deck[nSeat * TRICKS + i]);
    }
}

// The simple declarer: the first card of the led suit, or else the hand's first card.
CCard SimpleCard(const CCardPile& hand, const CTrick& trick)
{
    if (trick.GetCount() > 0) {
        for (const CCard& card : hand.m_cards) {
            if (card.GetSuit() == trick.m_cards[0].GetSuit())
                return card;
        }
    }
    return hand.m_cards[0];
}

class CWhistDefendDeals : public CDefendTable, public ::testing::WithParamInterface<int> {
protected:
    // Plays deal nDeal to the end: contract and opening leader from the deal's number, dummy
    // open in two deals of three (the declaring side then plays the simple declarer), unseen
    // in the third (every seat then plays the defender engine, as the table does).
    void PlayDeal(int nDeal)
    {
        const int nTrumps = nDeal % STRAINS;
        const int nLevel = (nDeal / STRAINS) % LEVELS;
        int nLeader = nDeal % SEAT_COUNT;
        const int nDefenders = SideOf(nLeader);
        const int nDummy = NextSeat(nLeader);
        const bool bDummyOpen = nDeal % 3 != 0;
        Contract(nTrumps, nLevel);
        DealHands(nDeal + 1, nTrumps, m_hands);
        m_tricks.m_tricks.DeleteAll();

        // Every other deal carries the declarer's bid of the contract.
        CAuction auction;
        auction.SetDealer(PartnerSeat(nDummy));
        auction.AddBid(&m_thresholds, nLevel, nTrumps, CString());
        for (int i = 0; i < 3; ++i)
            auction.AddPass(&m_thresholds, CString());
        CAuction* pAuction = nDeal % 2 == 0 ? &auction : nullptr;

        CCardPile unseen;
        for (int nTrick = 0; nTrick < TRICKS; ++nTrick) {
            m_trick.Clear();
            m_trick.SetLeader(nLeader);
            for (int k = 0; k < SEAT_COUNT; ++k) {
                const int nSeat = (nLeader + k) & 3;
                const bool bEngine = !bDummyOpen || SideOf(nSeat) == nDefenders;
                CCard card;
                if (bEngine) {
                    m_pExplain->ResetLines();
                    CWhistDefend engine(nSeat, nDummy, nTrumps, nLevel, &m_hands[nSeat],
                                        bDummyOpen ? &m_hands[nDummy] : &unseen,
                                        &m_tricks.m_tricks, &m_trick, pAuction, m_pExplain.get());
                    engine.Analyse();
                    card = engine.ChooseCard();
                    CheckCard(nDeal, nTrick, nSeat, card, bDummyOpen ? m_hands[nDummy] : unseen,
                              NextSeat(nSeat) == nDummy);
                } else {
                    card = SimpleCard(m_hands[nSeat], m_trick);
                }
                if (!m_hands[nSeat].Contains(card))
                    return;
                m_hands[nSeat].RemoveCard(card);
                m_trick.AddCard(card);
            }
            CCard winningCard;
            nLeader = m_trick.GetWinner(winningCard);
            m_tricks.m_tricks.Add(new CTrick(m_trick));
        }
        ++m_nDealsCompleted;
    }

    void CheckCard(int nDeal, int nTrick, int nSeat, const CCard& card, const CCardPile& dummySeen,
                   bool bDummyNext)
    {
        const CCardPile& hand = m_hands[nSeat];
        const int nPosition = m_trick.GetCount();
        const bool bQuiet = nPosition == 1
            && IsQuietSecondHand(hand, dummySeen, bDummyNext, m_trick.m_cards[0], m_nTrumps);
        std::ostringstream problem;
        if (!hand.Contains(card))
            problem << "card not in the hand";
        else if (nPosition > 0 && card.GetSuit() != m_trick.m_cards[0].GetSuit()
                 && hand.CountSuit(m_trick.m_cards[0].GetSuit()) > 0)
            problem << "revoke";
        else if (Lines() != (bQuiet ? 0 : 1))
            problem << Lines() << " explanation lines";
        else if (!bQuiet && Line().rfind(s_szPositionPrefix[nPosition], 0) != 0)
            problem << "line \"" << Line() << "\" in position " << nPosition + 1;
        if (problem.str().empty())
            return;
        if (++m_nFailures <= REPORTED_FAILURES) {
            ADD_FAILURE() << "deal " << nDeal << " trick " << nTrick + 1 << " seat " << nSeat
                          << " played " << Name(card) << " from " << Names(hand) << ": " << problem.str();
        }
    }

    void PlayBlock(int nBlock)
    {
        for (int nDeal = nBlock * DEALS_PER_BLOCK; nDeal < (nBlock + 1) * DEALS_PER_BLOCK; ++nDeal)
            PlayDeal(nDeal);
        EXPECT_EQ(0, m_nFailures);
        EXPECT_EQ(DEALS_PER_BLOCK, m_nDealsCompleted);
    }

    const CBidThresholds m_thresholds;
    int m_nFailures = 0;
    int m_nDealsCompleted = 0;
};

static_assert(DEALS % DEALS_PER_BLOCK == 0, "the deals split into whole blocks");

} // namespace

TEST_P(CWhistDefendDeals, EveryCardIsLegalAndExplainedAsItsPositionSays)
{
    PlayBlock(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Blocks, CWhistDefendDeals, ::testing::Range(0, DEALS / DEALS_PER_BLOCK));
