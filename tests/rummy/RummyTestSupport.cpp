#include "tests/rummy/RummyTestSupport.h"

#include "app/GameFactory.h"
#include "platform/testing/driver.h"
#include "resources/Resources.h"
#include "resources/resource.h"

namespace rummytest {

namespace {

// Inside the exposed strip of a fanned card, clear of the next card.
constexpr int STRIP_INSET = 10;

} // namespace

void RummyWindowTest::SetUpTestSuite()
{
    RegisterAllResources();
}

void RummyWindowTest::SetUp()
{
    gamewindowtest::RegisterGame<CRummyDlg>(ID_GAME_RUMMY, IDD_RUMMY);
}

void RummyWindowTest::TearDown()
{
    // The launcher takes its game windows with it.
    m_pMainDlg.reset();
    CGameFactory::Unregister(ID_GAME_RUMMY);
}

CRummyDlg* RummyWindowTest::OpenRummy(int nGameNumber)
{
    m_pRummy = gamewindowtest::OpenFromLauncher<CRummyDlg>(m_pMainDlg, ID_GAME_RUMMY, nGameNumber);
    return m_pRummy;
}

CPoint RummyWindowTest::HandCardPoint(const CCardPile& hand, int nIndex)
{
    return hand.GetSlotPosition(nIndex) + CSize(STRIP_INSET, CARD_HEIGHT / 2);
}

CPoint RummyWindowTest::EmptyTablePoint() const
{
    // Between the two hands, level with the middle of the window, left of the meld areas.
    CRect rectClient;
    m_pRummy->GetClientRect(&rectClient);
    return CPoint(2, rectClient.Height() / 2);
}

void RummyWindowTest::DragHandCard(int nIndex, CPoint ptTo)
{
    const CCardPile& hand = m_pRummy->GetHand(CRummyDlg::PLAYER_PERSON);
    plat::test::Drag(m_pRummy, HandCardPoint(hand, nIndex), ptTo);
    plat::test::RunUntilIdle();
}

void RummyWindowTest::DragTopCard(const CCardPile& source, CPoint ptTo)
{
    plat::test::Drag(m_pRummy, TopCardPoint(source), ptTo);
    plat::test::RunUntilIdle();
}

void RummyWindowTest::ClickTable()
{
    plat::test::Click(m_pRummy, EmptyTablePoint());
    plat::test::RunUntilIdle();
}

int RummyWindowTest::CountAllCards()
{
    int nCount = m_pRummy->GetStock().GetCount() + m_pRummy->GetDiscard().GetCount();
    for (int nPlayer = 0; nPlayer < CRummyDlg::PLAYER_COUNT; nPlayer++)
        nCount += m_pRummy->GetHand(nPlayer).GetCount();
    for (int i = 0; i < CRummyDlg::MELD_COUNT; i++)
        nCount += m_pRummy->GetMeld(i).GetCount();
    return nCount;
}

} // namespace rummytest
