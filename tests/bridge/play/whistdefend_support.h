#pragma once
// A table stand-in for the defender tests: the hands, the completed and current tricks and
// an explanation window, from which a CWhistDefend is built, analysed and asked for a card
// exactly as the bridge table does it. Seats follow the usual layout of these tests: South
// declares, North is dummy, West and East defend.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "bridge/play/ExplainWhistDlg.h"
#include "bridge/play/whistdefend.h"
#include "resources/ExplainTemplate.h"
#include "tests/bridge/play/PlayTestHelpers.h"

namespace defendtest {

using namespace playtest;

class CDefendTable : public ::testing::Test {
protected:
    CDefendTable()
    {
        RegisterExplainTemplate();
        m_pExplain.reset(new CExplainWhistDlg(nullptr, nullptr));
        m_pExplain->Create(IDD_EXPLAIN_WHIST, nullptr);
        m_trick.SetLeader(WEST);
    }

    // Sets the contract: trumps (NO_TRUMPS or a suit) and the level counted from 0.
    void Contract(int nTrumps, int nLevel = 0)
    {
        m_nTrumps = nTrumps;
        m_nLevel = nLevel;
        m_trick.SetTrumps(nTrumps);
    }
    void Hand(int nSeat, const std::string& strCards) { m_hands[nSeat] = Pile(strCards, m_nTrumps); }
    void Completed(int nLeader, const std::string& strCards) { m_tricks.Add(nLeader, strCards, m_nTrumps); }
    void Current(int nLeader, const std::string& strCards)
    {
        m_trick = Trick(nLeader, strCards, m_nTrumps);
    }
    CCard C(const std::string& strName) const { return Card(strName, m_nTrumps); }

    // An engine for nSeat that sees dummy (North) as the table passes it.
    std::unique_ptr<CWhistDefend> Engine(int nSeat, CAuction* pAuction = nullptr)
    {
        std::unique_ptr<CWhistDefend> pEngine(new CWhistDefend(
            nSeat, NORTH, m_nTrumps, m_nLevel, &m_hands[nSeat], &m_hands[NORTH], &m_tricks.m_tricks,
            &m_trick, pAuction, m_pExplain.get()));
        pEngine->Analyse();
        return pEngine;
    }

    // The card nSeat plays now; its explanation is left in Lines().
    std::string Play(int nSeat, CAuction* pAuction = nullptr)
    {
        m_pExplain->ResetLines();
        return Name(Engine(nSeat, pAuction)->ChooseCard());
    }

    int Lines() const { return m_pExplain->GetLineCount(); }
    // The last explanation line.
    std::string Line() const { return LastExplainLine(*m_pExplain); }

    int m_nTrumps = NO_TRUMPS;
    int m_nLevel = 0;
    CCardPile m_hands[SEAT_COUNT];
    CTrickList m_tricks;
    CTrick m_trick;
    std::unique_ptr<CExplainWhistDlg> m_pExplain;
};

} // namespace defendtest
