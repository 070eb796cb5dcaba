#pragma once
// What the Rummy tests share: piles written as card names, and a Rummy window opened by a
// launcher through its game table, on a pinned game number.

#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "app/MainDlg.h"
#include "rummy/RummyDlg.h"
#include "tests/cardtable/CardTestHelpers.h"
#include "tests/support/GameWindowTest.h"

namespace rummytest {

using gamewindowtest::TopCardPoint;

// The Rummy-deck cards named in szNames ("KC KD 5S"), bottom first.
inline CCardPile Pile(const char* szNames)
{
    CCardPile pile;
    std::istringstream names(szNames);
    std::string strName;
    while (names >> strName)
        pile.AddCard(cardtest::Rummy(strName.c_str()));
    return pile;
}

// Replaces the cards of pile by those named, keeping its layout.
inline void SetCards(CCardPile& pile, const char* szNames)
{
    pile.m_cards = Pile(szNames).m_cards;
}

// A fixture with the suite's resources, no settings file, and a launcher that opens Rummy.
class RummyWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Opens the launcher and, on game number nGameNumber, the Rummy window in it.
    CRummyDlg* OpenRummy(int nGameNumber);

    // Client points on the table (TopCardPoint gives the middle of the top card of a pile):
    // the exposed strip of card nIndex of a hand, and a place where no pile lies.
    static CPoint HandCardPoint(const CCardPile& hand, int nIndex);
    CPoint EmptyTablePoint() const;

    // The person drags card nIndex of the hand (or the top of pSource) to ptTo.
    void DragHandCard(int nIndex, CPoint ptTo);
    void DragTopCard(const CCardPile& source, CPoint ptTo);
    // A click on the table where no pile lies: the computer's turn when it is to move.
    void ClickTable();
    // Every card of the deal, wherever it lies: always 52.
    int CountAllCards();

    std::unique_ptr<CMainDlg> m_pMainDlg;
    CRummyDlg* m_pRummy = nullptr;
};

} // namespace rummytest
