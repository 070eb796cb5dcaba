#pragma once
// A declaring pair at the table for the declarer-engine tests: South's engine (dummy North)
// built over named hands, completed tricks and the current trick, with an explanation window
// whose last line the tests read.

#include <memory>
#include <string>

#include "bridge/play/ExplainWhistDlg.h"
#include "bridge/play/whistattack.h"
#include "resources/ExplainTemplate.h"
#include "tests/bridge/play/PlayTestHelpers.h"

namespace playtest {

class CDeclaringPair {
public:
    // South holds szOwn, North szPartner (card names, trumps raised).
    CDeclaringPair(const std::string& strOwn, const std::string& strPartner, int nTrumps = NO_TRUMPS)
        : m_nTrumps(nTrumps)
        , m_own(Pile(strOwn, nTrumps))
        , m_partner(Pile(strPartner, nTrumps))
        , m_explain(nullptr, nullptr)
    {
        RegisterExplainTemplate();
        m_explain.Create(IDD_EXPLAIN_WHIST, nullptr);
        m_trick.SetTrumps(nTrumps);
    }

    // A completed trick led by nLeader.
    void AddTrick(int nLeader, const std::string& strCards)
    {
        m_tricks.Add(nLeader, strCards, m_nTrumps);
    }

    // The current trick, led by nLeader.
    void SetTrick(int nLeader, const std::string& strCards)
    {
        m_trick = Trick(nLeader, strCards, m_nTrumps);
    }

    // Adds a card to the current trick, taking it out of South's or North's hand if there.
    void Play(const std::string& strCard)
    {
        const CCard card = Card(strCard, m_nTrumps);
        m_own.RemoveCard(card);
        m_partner.RemoveCard(card);
        m_trick.AddCard(card);
    }

    // South's engine as the table builds it (contract level nLevel), analysed.
    CWhistAttack& Engine(int nLevel = 0)
    {
        m_pEngine = std::make_unique<CWhistAttack>(SOUTH, NORTH, m_nTrumps, nLevel, &m_own, &m_partner,
                                                   &m_tricks.m_tricks, &m_trick, nullptr, &m_explain);
        m_pEngine->Analyse();
        return *m_pEngine;
    }

    std::string LastLine() { return LastExplainLine(m_explain); }

    CCard C(const std::string& strCard) const { return Card(strCard, m_nTrumps); }

    int m_nTrumps;
    CCardPile m_own;
    CCardPile m_partner;
    CTrickList m_tricks;
    CTrick m_trick;
    CExplainWhistDlg m_explain;
    std::unique_ptr<CWhistAttack> m_pEngine;
};

} // namespace playtest
