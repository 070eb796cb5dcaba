#pragma once
// BridgeTableTest<TTable, ID_COMMAND>: the fixture the bridge table tests build on. Each test
// starts with the suite's resources, no settings file, TTable entered in the launcher's game
// table under launcher command ID_COMMAND, and a fresh working folder (hand files and
// autosaves land there); the launcher, the table and the folder go when the test ends. And
// a hand's cards compared whatever their trump orders.

#include <signal.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/GameFactory.h"
#include "app/MainDlg.h"
#include "platform/msg/loop.h"
#include "platform/testing/driver.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/SessionEnd.h"
#include "resources/Resources.h"
#include "resources/resource.h"
#include "tests/support/CTempWorkingFolder.h"
#include "tests/support/GameWindowTest.h"

// The picture indexes of a hand's cards, in increasing order: the cards whatever their
// trump orders.
inline std::vector<int> CardIndexes(const CCardPile& hand)
{
    std::vector<int> indexes;
    for (const CCard& card : hand.m_cards)
        indexes.push_back(card.GetImageIndex());
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

template <class TTable, UINT ID_COMMAND>
class BridgeTableTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterAllResources(); }

    void SetUp() override
    {
        gamewindowtest::RegisterGame<TTable>(ID_COMMAND, IDD_GAME_TABLE);
        m_folder.emplace();
        ASSERT_FALSE(m_folder->GetPath().IsEmpty()) << "no working folder";
    }

    void TearDown() override
    {
        CloseLauncher();
        CGameFactory::Unregister(ID_COMMAND);
        m_folder.reset();
    }

    // Opens the launcher and in it the table, whose first deal is shuffled from nGameNumber.
    TTable* OpenTable(int nGameNumber)
    {
        m_pTable = gamewindowtest::OpenFromLauncher<TTable>(m_pMainDlg, ID_COMMAND, nGameNumber);
        return m_pTable;
    }

    // Closes the launcher, which deletes the table without its close handling.
    void CloseLauncher()
    {
        m_pMainDlg.reset();
        m_pTable = nullptr;
    }

    // Chooses command nID from the table's menu and runs it; false when greyed or absent.
    bool Command(UINT nID)
    {
        if (!plat::test::ChooseMenuCommand(m_pTable, nID))
            return false;
        plat::test::RunUntilIdle();
        return true;
    }

    // Plays the deal on the table to its end, auction included where the table bids, with
    // the computer at every seat and no boxes; afterwards no automatic deals are pending.
    void PlayDealByComputer()
    {
        m_pTable->m_nAutoDeals = KEEP_AUTOMATIC;
        m_pTable->m_bManual[SEAT_SOUTH] = false;
        m_pTable->OnPlay();
        m_pTable->m_nAutoDeals = 0;
        plat::test::RunUntilIdle();
    }

    // With the launcher as the application's main window and the end signals watched,
    // sends the process SIGTERM, queues fnInput's input (when given) and dispatches until
    // the loops are told to end; false when they never are.
    bool RunAfterEndSignal(const std::function<void()>& fnInput = {})
    {
        CWinApp app;
        app.m_pMainWnd = m_pMainDlg.get();
        plat::WatchEndSignals();
        raise(SIGTERM);
        if (fnInput)
            fnInput();
        bool bQuit = false;
        MSG msg;
        while (!bQuit && ::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            bQuit = msg.message == WM_QUIT;
            if (!bQuit) {
                ::TranslateMessage(&msg);
                ::DispatchMessage(&msg);
            }
        }
        plat::EndSignalWatch();
        app.m_pMainWnd = nullptr;
        return bQuit;
    }

    // A file of the test's working folder.
    std::string FolderFile(const char* szName) const
    {
        return std::string(m_folder->GetPath()) + "/" + szName;
    }

    std::unique_ptr<CMainDlg> m_pMainDlg;
    TTable* m_pTable = nullptr;

private:
    // Deals that keep the computer at every seat and show no box.
    static constexpr int KEEP_AUTOMATIC = 2;
    static constexpr int SEAT_SOUTH = 2;

    std::optional<CTempWorkingFolder> m_folder;
};
