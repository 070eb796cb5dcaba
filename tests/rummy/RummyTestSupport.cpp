#include "tests/rummy/RummyTestSupport.h"

#include <cstdio>

#include "app/GameFactory.h"
#include "platform/reg/registry.h"
#include "platform/testing/driver.h"
#include "resources/Resources.h"
#include "resources/resource.h"

namespace rummytest {

namespace {

CGameDlg* MakeRummy(CMainDlg* pMainDlg)
{
    return new CRummyDlg(pMainDlg, pMainDlg);
}

// Inside the exposed strip of a fanned card, clear of the next card.
constexpr int STRIP_INSET = 10;

} // namespace

void RummyWindowTest::SetUpTestSuite()
{
    RegisterAllResources();
}

void RummyWindowTest::SetUp()
{
    std::remove(plat::RegistryFilePath().c_str());
    CGameFactory::Register(ID_GAME_RUMMY, IDD_RUMMY, MakeRummy);
}

void RummyWindowTest::TearDown()
{
    // The launcher takes its game windows with it.
    m_pMainDlg.reset();
    CGameFactory::Unregister(ID_GAME_RUMMY);
}

CRummyDlg* RummyWindowTest::OpenRummy(int nGameNumber)
{
    g_bSeeded = true;
    CCardPile::SetGameNumber(nGameNumber);
    m_pMainDlg = std::make_unique<CMainDlg>();
    if (!m_pMainDlg->Create(IDD_MAIN))
        return nullptr;
    m_pMainDlg->ShowWindow(SW_SHOW);
    m_pMainDlg->SendMessage(WM_COMMAND, ID_GAME_RUMMY);
    m_pRummy = static_cast<CRummyDlg*>(m_pMainDlg->GetGameDlg(0));
    plat::test::RunUntilIdle();
    return m_pRummy;
}

CPoint RummyWindowTest::TopCardPoint(const CCardPile& pile)
{
    const int nSlot = std::min(pile.GetCount(), pile.GetVisibleCount()) - 1;
    return pile.GetSlotPosition(std::max(nSlot, 0)) + CSize(CARD_WIDTH / 2, CARD_HEIGHT / 2);
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
