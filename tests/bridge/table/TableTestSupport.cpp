#include "tests/bridge/table/TableTestSupport.h"

#include <set>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/GameFactory.h"
#include "bridge/play/PlayConstants.h"
#include "platform/reg/registry.h"
#include "platform/testing/driver.h"
#include "resources/Resources.h"
#include "resources/resource.h"

namespace tabletest {

namespace {

CGameDlg* MakeTable(CMainDlg* pMainDlg)
{
    return new CTestDummyDlg(pMainDlg, pMainDlg);
}

constexpr int SEAT_SOUTH = 2;
// Deals that keep the computer at every seat and show no score box.
constexpr int KEEP_AUTOMATIC = 2;

} // namespace

void TableTest::SetUpTestSuite()
{
    RegisterAllResources();
}

void TableTest::SetUp()
{
    std::remove(plat::RegistryFilePath().c_str());
    CGameFactory::Register(ID_GAME_DUMMY, IDD_GAME_TABLE, MakeTable);
    m_strOldFolder = std::filesystem::current_path().string();
    char szTemplate[] = "/tmp/orvel-table-XXXXXX";
    ASSERT_NE(mkdtemp(szTemplate), nullptr);
    m_strFolder = szTemplate;
    std::filesystem::current_path(m_strFolder);
}

void TableTest::TearDown()
{
    CloseLauncher();
    CGameFactory::Unregister(ID_GAME_DUMMY);
    std::filesystem::current_path(m_strOldFolder);
    std::filesystem::remove_all(m_strFolder);
}

void TableTest::CloseLauncher()
{
    m_pMainDlg.reset();
    m_pTable = nullptr;
}

CTestDummyDlg* TableTest::OpenTable(int nGameNumber)
{
    g_bSeeded = true;
    CCardPile::SetGameNumber(nGameNumber);
    m_pMainDlg = std::make_unique<CMainDlg>();
    if (!m_pMainDlg->Create(IDD_MAIN))
        return nullptr;
    m_pMainDlg->ShowWindow(SW_SHOW);
    m_pMainDlg->SendMessage(WM_COMMAND, ID_GAME_DUMMY);
    m_pTable = static_cast<CTestDummyDlg*>(m_pMainDlg->GetGameDlg(0));
    plat::test::RunUntilIdle();
    return m_pTable;
}

bool TableTest::Command(UINT nID)
{
    if (!plat::test::ChooseMenuCommand(m_pTable, nID))
        return false;
    plat::test::RunUntilIdle();
    return true;
}

void TableTest::PlayDealByComputer()
{
    m_pTable->m_nAutoDeals = KEEP_AUTOMATIC;
    m_pTable->m_bManual[SEAT_SOUTH] = false;
    m_pTable->OnPlay();
    m_pTable->m_nAutoDeals = 0;
    plat::test::RunUntilIdle();
}

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

CPoint TableTest::TopCardPoint(const CCardPile& pile)
{
    const int nSlot = std::min(pile.GetCount(), pile.GetVisibleCount()) - 1;
    return pile.GetSlotPosition(std::max(nSlot, 0)) + CSize(CARD_WIDTH / 2, CARD_HEIGHT / 2);
}

std::string TableTest::FolderFile(const char* szName) const
{
    return m_strFolder + "/" + szName;
}

} // namespace tabletest
