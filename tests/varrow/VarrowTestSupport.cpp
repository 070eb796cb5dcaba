#include "tests/varrow/VarrowTestSupport.h"

#include <cstdio>

#include "app/GameFactory.h"
#include "cardtable/CardGlobals.h"
#include "platform/reg/registry.h"
#include "platform/testing/driver.h"
#include "resources/Resources.h"
#include "resources/VarrowResources.h"
#include "resources/resource.h"

int CVarrowTestDlg::CountAllCards()
{
    int nCount = m_hands.GetCardCount() + m_payoffs.GetCardCount() + m_stock.GetCount();
    nCount += m_discards1.GetCardCount() + m_discards2.GetCardCount() + m_centre.GetCardCount();
    return nCount;
}

CCard Card(int nRank, int nSuit)
{
    return CCard(nRank, nSuit, nRank, 0);
}

CCard Wild()
{
    return CCard(RANK_WILD, 0, 0, 0);
}

void SetCards(CCardPile& pile, std::initializer_list<CCard> cards)
{
    pile.Clear();
    for (const CCard& card : cards)
        pile.AddCard(card);
}

void BuildCentre(CCardPile& pile, int nTop)
{
    pile.Clear();
    for (int nRank = RANK_ACE; nRank <= nTop; nRank++)
        pile.AddCard(Card(nRank, SUIT_CLUBS));
}

void FillStock(CCardPile& stock, int nCount)
{
    stock.Clear();
    for (int i = 0; i < nCount; i++)
        stock.AddCard(Card(RANK_KING, SUIT_CLUBS));
}

namespace {

CGameDlg* MakeVarrowTestDlg(CMainDlg* pMainDlg)
{
    return new CVarrowTestDlg(pMainDlg);
}

} // namespace

void VarrowTest::SetUpTestSuite()
{
    RegisterAllResources();
}

void VarrowTest::SetUp()
{
    std::remove(plat::RegistryFilePath().c_str());
    ASSERT_TRUE(m_dlgMain.Create(IDD_MAIN));
    m_dlgMain.ShowWindow(SW_SHOW);
    CGameFactory::Register(ID_GAME_VARROW, IDD_VARROW, MakeVarrowTestDlg);
    // The first shuffle of a run would take the game number from the clock.
    g_bSeeded = true;
    CCardPile::SetGameNumber(GAME_NUMBER);
    m_dlgMain.SendMessage(WM_COMMAND, ID_GAME_VARROW);
    m_pGame = static_cast<CVarrowTestDlg*>(m_dlgMain.GetGameDlg(0));
    ASSERT_NE(nullptr, m_pGame);
    plat::test::RunUntilIdle();
}

void VarrowTest::TearDown()
{
    CGameFactory::Unregister(ID_GAME_VARROW);
}

CPoint VarrowTest::SlotMiddle(const CCardPile& pile, int nSlot)
{
    return pile.GetSlotPosition(nSlot) + CSize(CARD_WIDTH / 2, CARD_HEIGHT / 2);
}

void VarrowTest::DragAndDrop(CPoint ptFrom, CPoint ptTo)
{
    plat::test::Drag(m_pGame, ptFrom, ptTo);
    plat::test::RunUntilIdle();
}

void VarrowTest::ClickAt(CPoint point)
{
    plat::test::Click(m_pGame, point);
    plat::test::RunUntilIdle();
}
