// Whole deals played to the end with the declarer engine for the declaring side against the
// defender engine, driven the way the bridge table drives them with dummy open: a new
// declarer engine for each first or second card of the declaring side, the same engine asked
// again for that side's third or fourth card, a new defender engine for every defender card
// (seeing dummy's hand), trumps raised for the play.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "bridge/play/ExplainWhistDlg.h"
#include "bridge/play/whistattack.h"
#include "bridge/play/whistdefend.h"
#include "platform/base/random.h"
#include "resources/ExplainTemplate.h"
#include "tests/bridge/play/PlayTestHelpers.h"

using namespace playtest;

namespace {

constexpr int DEAL_COUNT = 1000;
// The deals run in blocks so that each test stays well inside the watchdog's time.
constexpr int DEALS_PER_BLOCK = 100;
constexpr int TRICKS_PER_DEAL = 13;
constexpr int LEVELS = 7;
constexpr int STRAINS = 5;

// How each side's explanation line opens, by the card's position in the trick.
const char* const s_declarerOpenings[SEAT_COUNT] = {"1st, ", "2nd", "3rd", "4th"};
const char* const s_defenderOpenings[SEAT_COUNT] = {"Led - ", "2nd", "3rd", "4th"};

// One deal at the table: the four hands, the trick in play and the completed tricks.
class CDealInPlay {
public:
    explicit CDealInPlay(int nDeal)
        : m_nTrumps(nDeal % STRAINS)
        , m_nLevel(nDeal % LEVELS)
        , m_nLeader(nDeal % SEAT_COUNT)
        , m_nDummy(NextSeat(nDeal % SEAT_COUNT))
    {
        plat::srand(static_cast<unsigned int>(nDeal));
        CCardPile deck;
        for (int nRank = 1; nRank <= RANKS_PER_SUIT; ++nRank) {
            for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
                const int nOrder = nRank == RANK_ACE ? ORDER_ACE : nRank - 1;
                const int nPoints = nOrder > 9 ? nOrder - 9 : 0;
                deck.AddCard(CCard(nRank, nSuit, nOrder, nPoints));
            }
        }
        for (int i = 0; deck.GetCount() > 0; ++i) {
            const int nPick = plat::rand() % deck.GetCount();
            m_hands[i % SEAT_COUNT].AddCard(deck.m_cards[nPick]);
            deck.RemoveAt(nPick);
        }
        for (CCardPile& hand : m_hands) {
            hand.Sort();
            if (m_nTrumps != NO_TRUMPS)
                hand.AdjustSuitOrder(m_nTrumps, TRUMP_BONUS);
        }
        m_trick.SetLeader(m_nLeader);
        m_trick.SetTrumps(m_nTrumps);
    }

    bool IsDeclaringSide(int nSeat) const { return SideOf(nSeat) == SideOf(m_nDummy); }

    // Whether card is one the seat may play now.
    bool IsLegal(int nSeat, const CCard& card) const
    {
        const CCardPile& hand = m_hands[nSeat];
        if (!hand.Contains(card))
            return false;
        if (m_trick.GetCount() == 0)
            return true;
        const int nLed = m_trick.m_cards[0].GetSuit();
        return card.GetSuit() == nLed || hand.CountSuit(nLed) == 0;
    }

    // Plays the card; returns the seat to play next.
    int Play(int nSeat, const CCard& card)
    {
        m_hands[nSeat].RemoveCard(card);
        m_trick.AddCard(card);
        if (m_trick.GetCount() < SEAT_COUNT)
            return NextSeat(nSeat);
        CCard cardWinning;
        const int nWinner = m_trick.GetWinner(cardWinning);
        m_tricks.m_tricks.Add(new CTrick(m_trick));
        m_trick.Clear();
        m_trick.SetLeader(nWinner);
        return nWinner;
    }

    int m_nTrumps;
    int m_nLevel;
    int m_nLeader;
    int m_nDummy;
    CCardPile m_hands[SEAT_COUNT];
    CTrick m_trick;
    CTrickList m_tricks;
};

class WhistAttackDeals : public ::testing::TestWithParam<int> {
protected:
    WhistAttackDeals()
    {
        RegisterExplainTemplate();
        m_explain.Create(IDD_EXPLAIN_WHIST, nullptr);
    }

    // Plays one deal; every card of either side must be legal and explained by one line
    // that names its position in the trick, but for the defenders' second-hand cards that
    // need no comment, which write none.
    void PlayDeal(int nDeal)
    {
        CDealInPlay deal(nDeal);
        std::unique_ptr<CWhistAttack> pAttack;
        int nSeat = deal.m_nLeader;
        for (int nCard = 0; nCard < TRICKS_PER_DEAL * SEAT_COUNT; ++nCard) {
            const int nPosition = deal.m_trick.GetCount();
            const bool bDeclarer = deal.IsDeclaringSide(nSeat);
            const int nLinesBefore = m_explain.GetLineCount();
            const bool bQuiet = !bDeclarer && nPosition == 1
                && IsQuietSecondHand(deal.m_hands[nSeat], deal.m_hands[deal.m_nDummy],
                                     NextSeat(nSeat) == deal.m_nDummy, deal.m_trick.m_cards[0], deal.m_nTrumps);
            CCard card;
            if (bDeclarer) {
                if (nPosition < 2) {
                    pAttack = std::make_unique<CWhistAttack>(
                        nSeat, deal.m_nDummy, deal.m_nTrumps, deal.m_nLevel, &deal.m_hands[nSeat],
                        &deal.m_hands[PartnerSeat(nSeat)], &deal.m_tricks.m_tricks, &deal.m_trick,
                        nullptr, &m_explain);
                    pAttack->Analyse();
                }
                card = pAttack->ChooseCard();
                ++m_nDeclarerCards;
            } else {
                CWhistDefend defend(nSeat, deal.m_nDummy, deal.m_nTrumps, deal.m_nLevel,
                                    &deal.m_hands[nSeat], &deal.m_hands[deal.m_nDummy],
                                    &deal.m_tricks.m_tricks, &deal.m_trick, nullptr, &m_explain);
                defend.Analyse();
                card = defend.ChooseCard();
                ++m_nDefenderCards;
            }
            const char* const szSide = bDeclarer ? "declarer" : "defender";
            ASSERT_TRUE(deal.IsLegal(nSeat, card))
                << "deal " << nDeal << " card " << nCard << ": " << szSide << " " << Name(card)
                << " from " << Names(deal.m_hands[nSeat]) << " after " << Names(deal.m_trick);
            ASSERT_EQ(nLinesBefore + (bQuiet ? 0 : 1), m_explain.GetLineCount())
                << "deal " << nDeal << " card " << nCard << " (" << szSide << ")";
            if (!bQuiet) {
                const std::string strLine = LastExplainLine(m_explain);
                const char* const szOpening =
                    (bDeclarer ? s_declarerOpenings : s_defenderOpenings)[nPosition];
                ASSERT_EQ(0u, strLine.find(szOpening))
                    << "deal " << nDeal << " card " << nCard << " (" << szSide << "): " << strLine;
            }
            nSeat = deal.Play(nSeat, card);
            if (deal.m_trick.GetCount() == 0)
                pAttack.reset();
        }
        for (const CCardPile& hand : deal.m_hands)
            EXPECT_EQ(0, hand.GetCount());
        EXPECT_EQ(TRICKS_PER_DEAL, deal.m_tricks.m_tricks.GetCount());
    }

    CExplainWhistDlg m_explain{nullptr, nullptr};
    int m_nDeclarerCards = 0;
    int m_nDefenderCards = 0;
};

static_assert(DEAL_COUNT % DEALS_PER_BLOCK == 0, "the deals split into whole blocks");

} // namespace

TEST_P(WhistAttackDeals, EngineAgainstEngineGetsOnlyLegalExplainedCards)
{
    const int nFirst = GetParam() * DEALS_PER_BLOCK + 1;
    for (int nDeal = nFirst; nDeal < nFirst + DEALS_PER_BLOCK && !HasFatalFailure(); ++nDeal) {
        m_explain.ResetLines();
        PlayDeal(nDeal);
    }
    // Each side plays half the cards of every deal.
    EXPECT_EQ(DEALS_PER_BLOCK * TRICKS_PER_DEAL * 2, m_nDeclarerCards);
    EXPECT_EQ(DEALS_PER_BLOCK * TRICKS_PER_DEAL * 2, m_nDefenderCards);
}

INSTANTIATE_TEST_SUITE_P(Blocks, WhistAttackDeals,
                         ::testing::Range(0, DEAL_COUNT / DEALS_PER_BLOCK));
