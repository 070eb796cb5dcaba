#pragma once
// What the Varrow and Malice tests share: the game window with its inner state opened to
// the tests, a fixture that opens it through the launcher on the headless backend with a
// fixed game number, and helpers that lay out positions card by card.

#include <initializer_list>

#include <gtest/gtest.h>

#include "app/MainDlg.h"
#include "varrow/VarrowDlg.h"

// The game window with its piles, state and the computer's operations in reach.
class CVarrowTestDlg : public CVarrowDlg {
public:
    explicit CVarrowTestDlg(CMainDlg* pMainDlg) : CVarrowDlg(pMainDlg, pMainDlg) {}

    using CVarrowDlg::ClearTable;
    using CVarrowDlg::ComputerStep;
    using CVarrowDlg::Discards;
    using CVarrowDlg::FindAcceptingPile;
    using CVarrowDlg::Hand;
    using CVarrowDlg::NextTurn;
    using CVarrowDlg::Payoff;
    using CVarrowDlg::SearchMoves;
    using CVarrowDlg::SequenceScore;
    using CVarrowDlg::VarrowComputerTurn;

    using CVarrowDlg::m_bestMoves;
    using CVarrowDlg::m_bHuman;
    using CVarrowDlg::m_bTurnOver;
    using CVarrowDlg::m_centre;
    using CVarrowDlg::m_discards1;
    using CVarrowDlg::m_discards2;
    using CVarrowDlg::m_hand1;
    using CVarrowDlg::m_hand2;
    using CVarrowDlg::m_nBestScore;
    using CVarrowDlg::m_nCentreVisible;
    using CVarrowDlg::m_nIdleSteps;
    using CVarrowDlg::m_nPlayer;
    using CVarrowDlg::m_payoff1;
    using CVarrowDlg::m_payoff2;
    using CVarrowDlg::m_search;
    using CVarrowDlg::m_stock;

    // The centre pile nIndex (0 .. 11).
    CCardPile& Centre(int nIndex) { return *m_centre.GetAt(nIndex); }
    // Discard pile nIndex (0 .. 3) of player nPlayer.
    CCardPile& Discard(int nPlayer, int nIndex) { return *Discards(nPlayer).GetAt(nIndex); }
    // Every card on the table, in every pile.
    int CountAllCards();
};

// Cards of this game: order = rank, no points; a wild card is rank 0, suit 0.
CCard Card(int nRank, int nSuit);
CCard Wild();
// Replaces the pile's cards, bottom first.
void SetCards(CCardPile& pile, std::initializer_list<CCard> cards);
// A centre pile built from the ace up to nTop (clubs).
void BuildCentre(CCardPile& pile, int nTop);
// A stock of nCount kings (clubs), which fit nowhere a test looks.
void FillStock(CCardPile& stock, int nCount);

// Opens the launcher and the game window on the headless backend, the deal fixed by
// GAME_NUMBER; settings start empty.
class VarrowTest : public ::testing::Test {
protected:
    static constexpr int GAME_NUMBER = 1;

    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The middle of the picture in slot nSlot of pile.
    static CPoint SlotMiddle(const CCardPile& pile, int nSlot);
    // Drags from one point to another and lets the window handle everything.
    void DragAndDrop(CPoint ptFrom, CPoint ptTo);
    // Clicks at point and lets the window handle everything.
    void ClickAt(CPoint point);

    CMainDlg m_dlgMain;
    CVarrowTestDlg* m_pGame = nullptr;
};
