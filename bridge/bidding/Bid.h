#pragma once
// One call of a bridge auction: pass, double, redouble or a contract bid, with the
// explanation the bidder gave and the thresholds in force when it was made.

#include "cardtable/Card.h"
#include "platform/base.h"

class CBidThresholds;
class CBidSummary;

// Call codes. A contract bid is level * 5 + strain + 1 with a 0-based level.
enum {
    BID_DOUBLE = -2,
    BID_REDOUBLE = -1,
    BID_NOBID = 0,
    BID_1C = 1, BID_1D, BID_1H, BID_1S, BID_1NT,
    BID_2C, BID_2D, BID_2H, BID_2S, BID_2NT,
    BID_3C, BID_3D, BID_3H, BID_3S, BID_3NT,
    BID_4C, BID_4D, BID_4H, BID_4S, BID_4NT,
    BID_5C, BID_5D, BID_5H, BID_5S, BID_5NT,
    BID_6C, BID_6D, BID_6H, BID_6S, BID_6NT,
    BID_7C, BID_7D, BID_7H, BID_7S, BID_7NT
};

// Strains (suits 0..3 match the card suits) and the counts the bidding tables are built on.
enum {
    STRAIN_CLUBS = 0,
    STRAIN_DIAMONDS = 1,
    STRAIN_HEARTS = 2,
    STRAIN_SPADES = 3,
    STRAIN_NOTRUMP = 4,
    STRAIN_COUNT = 5
};
constexpr int BID_LEVEL_COUNT = 7;   // levels one to seven, 0-based 0..6
constexpr int BID_STRAIN_STEP = 5;   // code distance between a bid and the same strain a level up

// 0-based level indexes as the bidding rules name them (0 is the one level).
constexpr int LEVEL_ONE = 0;
constexpr int LEVEL_TWO = 1;
constexpr int LEVEL_THREE = 2;
constexpr int LEVEL_FOUR = 3;
constexpr int LEVEL_FIVE = 4;
constexpr int LEVEL_SIX = 5;
constexpr int LEVEL_SEVEN = 6;

// A contract at 0-based level L needs L + BOOK_TRICKS tricks: the six of the book and one
// for the one level.
constexpr int BOOK_TRICKS = 7;

// CBid: a value type compared by its code alone. No operation validates the code, and every
// reader answers sensibly for codes outside -2..35 ("Strange", an empty suit text).
// Level = (code - 1) / 5 and strain = (code - 1) % 5 with truncating division, so pass,
// double and redouble have level 0 and a negative strain: every strain test is false for them.
class CBid {
public:
    CBid() : m_nCode(BID_NOBID), m_pThresholds(nullptr) {}
    // A contract bid: code = nLevel * 5 + nStrain + 1.
    CBid(const CBidThresholds* pThresholds, int nLevel, int nStrain, const CString& strExplanation);
    CBid(const CBidThresholds* pThresholds, int nCode, const CString& strExplanation);
    CBid(const CBid& other) = default;
    CBid& operator=(const CBid& other) = default;
    ~CBid() = default;

    void SetExplanation(const CString& strExplanation) { m_strExplanation = strExplanation; }
    void SetThresholds(const CBidThresholds* pThresholds) { m_pThresholds = pThresholds; }
    CString GetExplanation() const { return m_strExplanation; }
    const CBidThresholds* GetThresholds() const { return m_pThresholds; }
    int GetCode() const { return m_nCode; }

    // A new call n codes higher, with the same thresholds and no explanation.
    CBid operator+(int n) const;

    bool operator==(const CBid& other) const { return m_nCode == other.m_nCode; }
    bool operator!=(const CBid& other) const { return m_nCode != other.m_nCode; }
    bool operator>(const CBid& other) const { return m_nCode > other.m_nCode; }
    bool operator<(const CBid& other) const { return m_nCode < other.m_nCode; }
    bool operator>=(const CBid& other) const { return m_nCode >= other.m_nCode; }
    bool operator<=(const CBid& other) const { return m_nCode <= other.m_nCode; }
    // The difference of the two codes.
    int operator-(const CBid& other) const { return m_nCode - other.m_nCode; }

    int GetLevel() const { return (m_nCode - 1) / BID_STRAIN_STEP; }
    // The strain, 4 for no trump; negative for pass, double and redouble.
    int GetSuit() const { return (m_nCode - 1) % BID_STRAIN_STEP; }
    BOOL IsNoBid() const { return m_nCode == BID_NOBID; }
    // True for pass, double and redouble: anything that is not a contract bid.
    BOOL IsPassOrDouble() const;
    BOOL IsDouble() const { return m_nCode == BID_DOUBLE; }
    BOOL IsRedouble() const { return m_nCode == BID_REDOUBLE; }
    BOOL IsSuitBid() const;
    BOOL IsMajor() const;
    BOOL IsMinor() const;
    BOOL IsNoTrump() const { return GetSuit() == STRAIN_NOTRUMP; }
    // 3NT, 4 of a major, 5 of a minor and above.
    BOOL IsGameBid() const;
    // A single jump over other: one level above the cheapest bid in the same strain.
    BOOL IsJumpOver(const CBid& other) const;
    // A jump over second when that is a contract bid, otherwise over first: the inference
    // passes partner's last call and the intervening call, so it measures over the last bid.
    BOOL IsJump(const CBid& first, const CBid& second) const;

    // "One" .. "Seven", "Strange" for any other level.
    CString GetLevelText() const;
    // "club" .. "no trump", empty for any other strain.
    CString GetSuitText() const;
    // The suit text with "s" appended above the one level.
    CString GetStrainText() const;
    // "Doubled", "Re-doubled", "No bid", or e.g. "Two hearts".
    CString GetText() const;

    // Plays this call's sound in the given voice (a sub-folder of the sounds folder) and
    // waits for it to end. False, silently, when the file is missing or cannot be played.
    BOOL Speak(const CString& strVoice) const;
    // The sound file of this call: folder/voice/voice followed by code + 2, no extension.
    CString GetSoundPath(const CString& strFolder, const CString& strVoice) const;

    // Auction inference: each rule updates the calling seat's summary from this call, the
    // partner's summary and the calls around it. The flag of InferResponse (0 response,
    // 1 advance of an overcall) is carried for the callers; no rule reads it.
    void InferOpening(CBidSummary& own) const;
    void InferResponse(int nFlag, CBidSummary& own, const CBidSummary& partner,
                       const CBid& partnerCall, const CBid& intervening) const;
    void InferOpenerRebid(CBidSummary& own, const CBidSummary& partner, const CBid& ownFirst,
                          const CBid& partnerResponse, const CBid& intervening) const;
    void InferResponderRebid(CBidSummary& own, const CBidSummary& partner,
                             const CBid& partnerFirst, const CBid& ownFirst,
                             const CBid& partnerLast, const CBid& intervening) const;
    // Every later call of either partner: the same rule as InferResponderRebid.
    void InferLaterBid(CBidSummary& own, const CBidSummary& partner, const CBid& partnerFirst,
                       const CBid& ownFirst, const CBid& partnerLast, const CBid& intervening) const;
    // The rule chosen by partner's meaning code when it is not 0; nAgreed is the agreed
    // suit or -1. Codes outside 1..39 do nothing.
    void InferConventionReply(int nAgreed, CBidSummary& own, const CBidSummary& partner,
                              const CBid& ownPrevious, const CBid& partnerLast,
                              const CBid& intervening) const;
    // The first action of the side that did not open; bBalancing when it came in fourth
    // seat after the opening and two passes.
    void InferOvercall(CBidSummary& own, const CBid& previous, BOOL bBalancing) const;

private:
    int m_nCode;
    CString m_strExplanation;
    const CBidThresholds* m_pThresholds;   // not owned; null for the global constants
};

// The fifteen call constants the bidding code compares against and copies. They carry no
// thresholds and no explanation and are never modified.
extern const CBid g_bidNoBid;
extern const CBid g_bidDouble;
extern const CBid g_bidRedouble;
extern const CBid g_bid2C;
extern const CBid g_bid3C;
extern const CBid g_bid4C;
extern const CBid g_bid5C;
extern const CBid g_bid2D;
extern const CBid g_bid3D;
extern const CBid g_bid4D;
extern const CBid g_bid1NT;
extern const CBid g_bid2NT;
extern const CBid g_bid3NT;
extern const CBid g_bid4NT;
extern const CBid g_bid5NT;

// Both are contract bids in the same strain (passes, doubles and redoubles never are).
inline bool SameStrain(const CBid& first, const CBid& second)
{
    return !first.IsPassOrDouble() && !second.IsPassOrDouble() && first.GetSuit() == second.GetSuit();
}
