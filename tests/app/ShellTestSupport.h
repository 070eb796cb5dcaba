#pragma once
// What the shell's tests share: the resources registered once, a settings file removed before
// each test, game windows of the tests' own that the launcher opens through its game table,
// and pixel reads from windows and card pictures.

#include <gtest/gtest.h>

#include <vector>

#include "app/MainDlg.h"
#include "cardtable/CardPile.h"
#include "cardtable/GameDlg.h"
#include "cardtable/RegSettings.h"

// A game window that overrides nothing but routes the close message, as the bridge windows
// do, so that closing it frees its launcher slot. Counts the objects alive.
class CPlainGameDlg : public CGameDlg {
public:
    explicit CPlainGameDlg(CMainDlg* pMainDlg);
    ~CPlainGameDlg() override;

    using CGameDlg::m_pBackBuffer;
    static int s_nAlive;

    DECLARE_MESSAGE_MAP()
};

// A game window with two piles of one visible slot each, for card drawing, animation and
// the carry: a press lifts the top card of the pile under it, a drop on a pile lays the card
// there (elsewhere the game does nothing with it).
class CTwoPileGameDlg : public CGameDlg {
public:
    explicit CTwoPileGameDlg(CMainDlg* pMainDlg);

    void DrawCards(CDC* pDC) override;
    void Layout(int cx, int cy) override;
    CString GetGameName() override;
    // Counts the messages PumpMessages dispatched to this window.
    LRESULT OnTestPing(WPARAM wParam, LPARAM lParam);
    // The commands ID_TEST_FIRST_COMMAND .. ID_TEST_SECOND_COMMAND each show a box: they note
    // their ids in the order they ran, and count those that began inside another's box.
    afx_msg void OnBoxCommand(UINT nID);

    void OnTablePress(CPoint point) override;
    void OnTableRelease(CPoint point) override;
    // Lays the card on the pile under point, then shows m_strDropBox when it is set.
    void OnCardDropped(CPoint point) override;
    void OnDragCancelled() override;

    using CGameDlg::CClickGuard;
    using CGameDlg::PressTiming;
    using CGameDlg::SetPressTiming;

    CCardPile m_source;
    CCardPile m_target;
    CPoint m_ptSource;
    CPoint m_ptTarget;
    int m_nPings = 0;
    int m_nReleases = 0;
    int m_nCancels = 0;
    CString m_strDropBox;
    // How often the table was drawn.
    int m_nTableDrawings = 0;
    std::vector<UINT> m_commandsRun;
    int m_nCommandsNested = 0;

private:
    int m_nCommandBoxesOpen = 0;

    DECLARE_MESSAGE_MAP()
};

// A private message for PumpMessages tests.
constexpr UINT WM_TEST_PING = WM_APP + 1;
// The commands of CTwoPileGameDlg that show a box.
constexpr UINT ID_TEST_FIRST_COMMAND = 0x7F00;
constexpr UINT ID_TEST_SECOND_COMMAND = 0x7F01;

// Every shell test starts with no settings file and with the suite's resources registered.
class ShellTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the launcher modeless (its settings are read on creation).
    void OpenLauncher(CMainDlg& dlgMain);
    // Registers a game maker for ID_GAME_DUMMY, removed again after the test.
    void RegisterGame(CGameDlg* (*pfnMake)(CMainDlg*));
};

// A store on the suite's settings key.
CRegSettings OpenSettings();
// The colour of pWnd's client pixel at pt as it is on screen.
COLORREF ClientPixel(CWnd* pWnd, CPoint pt);
// The colour of card picture nImage at pt (picture coordinates).
COLORREF CardPicturePixel(int nImage, CPoint pt);
