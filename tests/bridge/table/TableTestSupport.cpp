#include "tests/bridge/table/TableTestSupport.h"

#include <set>

#include "bridge/play/ExplainWhistDlg.h"
#include "bridge/play/PlayConstants.h"
#include "platform/testing/driver.h"
#include "resources/resource.h"

namespace tabletest {

void TableTest::ExpectTricksLegal()
{
    CCardPile hands[SEAT_COUNT] = {m_pTable->m_origNorth, m_pTable->m_origEast,
                                   m_pTable->m_origSouth, m_pTable->m_origWest};
    int nExpectedLeader = m_pTable->m_nLeader;
    for (int t = 0; t < m_pTable->m_tricks.GetCount(); t++) {
        const CCardPile& trick = *m_pTable->m_tricks.GetAt(t);
        ASSERT_EQ(trick.GetCount(), SEAT_COUNT) << "trick " << t;
        EXPECT_EQ(trick.GetLeader(), nExpectedLeader) << "trick " << t;
        const CCard& led = trick.m_cards[0];
        for (int i = 0; i < SEAT_COUNT; i++) {
            const int nSeat = (trick.GetLeader() + i) % SEAT_COUNT;
            const CCard& card = trick.m_cards[i];
            ASSERT_TRUE(hands[nSeat].Contains(card)) << "trick " << t << " seat " << nSeat;
            if (card.GetSuit() != led.GetSuit()) {
                EXPECT_EQ(hands[nSeat].CountSuitOf(led), 0) << "revoke in trick " << t;
            }
            hands[nSeat].RemoveCard(card);
        }
        CCard winner;
        nExpectedLeader = trick.GetWinner(winner);
    }
}

void TableTest::ExpectFullDeal()
{
    std::set<int> cards;
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        const CCardPile& hand = m_pTable->Hand(nSeat);
        EXPECT_EQ(hand.GetCount(), CARDS_PER_HAND) << "seat " << nSeat;
        for (const CCard& card : hand.m_cards)
            cards.insert(card.GetImageIndex());
    }
    EXPECT_EQ(cards.size(), 52u);
}

bool TableTest::DragPlayableSouthCard()
{
    const CCardPile& trick = m_pTable->m_trick;
    const CCardPile& hand = m_pTable->Hand(SOUTH);
    const bool bAnySuit = trick.GetCount() == 0 || hand.CountSuitOf(trick.m_cards[0]) == 0;
    for (int i = 0; i < SUIT_COUNT; i++) {
        const CCardPile& pile = *m_pTable->GetSeatPiles(SOUTH)->GetAt(i);
        if (pile.GetCount() == 0 || (!bAnySuit && pile.m_cards[0].GetSuit() != trick.m_cards[0].GetSuit()))
            continue;
        plat::test::Drag(m_pTable, TopCardPoint(pile), TopCardPoint(trick));
        plat::test::RunUntilIdle();
        return true;
    }
    return false;
}

void TableTest::PlayToSouthAfterTheDeclaringSide()
{
    ASSERT_TRUE(Command(ID_TRAINER_SHOWEXPLANATION));
    ASSERT_TRUE(plat::test::ClickControl(m_pTable, IDC_PLAY));
    plat::test::RunUntilIdle();
    ASSERT_EQ(m_pTable->m_nToPlay, SOUTH);
    ASSERT_EQ(m_pTable->m_trick.GetCount(), 2);
    ASSERT_EQ(m_pTable->m_nDeclaringSide, 1);
    ASSERT_NE(m_pTable->m_pExplain, nullptr);
    plat::test::PressCloseBox(m_pTable->m_pExplain);
    plat::test::RunUntilIdle();
    ASSERT_EQ(m_pTable->m_pExplain, nullptr);
}

} // namespace tabletest
