#pragma once
// CContractScore: the rubber score of one played deal, worked out from the contract, the
// tricks the declaring side took, doubling and vulnerability. A plain record, built once and
// never changed; the bridge dialog with the auction keeps the last one for its score box and
// adds its points to the side scores.

class CContractScore {
public:
    // Multipliers of the contract's points.
    static constexpr int UNDOUBLED = 1;
    static constexpr int DOUBLED = 2;
    static constexpr int REDOUBLED = 4;

    // nLevel is the level index (0 the one-level .. 6), nTrumps the strain (4 no trump),
    // nBelowBefore the declaring side's part score before the deal, nMultiplier 1, 2 or 4,
    // nTricks the declaring side's tricks (0..13), nDeclarer the declarer's seat.
    CContractScore(int nLevel, int nTrumps, bool bVulnerable, bool bOppVulnerable,
                   int nBelowBefore, int nMultiplier, int nTricks, int nDeclarer);

    int GetDeclarer() const { return m_nDeclarer; }
    int GetLevel() const { return m_nLevel; }
    int GetTrumps() const { return m_nTrumps; }
    bool IsVulnerable() const { return m_bVulnerable; }
    int GetMultiplier() const { return m_nMultiplier; }

    // The declaring side took at least level + 7 tricks.
    bool IsMade() const;
    // Points below the line; 0 when not made.
    int ContractPoints() const;
    // The contract's points and the part score before it reach 100 (never when not made).
    bool IsGame() const;
    int OvertrickCount() const;
    int OvertrickPoints() const;
    // 50 for making a doubled or redoubled contract.
    int InsultBonus() const;
    int SlamBonus() const;
    // The bonus for winning the rubber with this deal's game: the side was vulnerable.
    int RubberBonus() const;
    // Honours are not scored: always 0.
    int HonourPoints() const;
    int UndertrickCount() const;
    // The defenders' penalty; 0 when made.
    int UndertrickPoints() const;
    // Made: honours, overtricks and bonuses of the declaring side; down: the penalty that
    // goes to the defenders.
    int AboveLinePoints() const;

private:
    int m_nLevel;
    int m_nTrumps;
    int m_nMultiplier;
    int m_nTricks;
    int m_nBelowBefore;
    bool m_bVulnerable;
    bool m_bOppVulnerable;
    int m_nDeclarer;
};
