#pragma once
// What the auction has shown about one seat, filled call by call by CAuction::Summarise.

#include "bridge/bidding/Bid.h"

// Meaning codes of a seat's last interpreted call (m_nMeaning). A code marks the call of the
// seat that made it; partner's next call is then read by the reply rule of that code.
enum {
    MEANING_NATURAL = 0,
    MEANING_2C_OPENING = 1,
    MEANING_2C_RESPONSE = 2,
    MEANING_2C_REBID = 3,
    MEANING_2C_LATER_1 = 4,
    MEANING_2C_LATER_2 = 5,
    MEANING_2C_LATER_3 = 6,
    MEANING_2C_JUMP_REBID = 7,
    MEANING_2C_JUMP_ANSWER = 8,
    MEANING_STRONG_TWO = 9,
    MEANING_STRONG_TWO_RESPONSE = 10,
    MEANING_STRONG_TWO_REBID = 11,
    MEANING_STRONG_TWO_LATER = 12,
    MEANING_BARON = 13,
    MEANING_BARON_ANSWER = 14,
    MEANING_STAYMAN = 15,
    MEANING_STAYMAN_ANSWER = 16,
    MEANING_SWISS = 17,
    MEANING_KING_ASK = 18,
    MEANING_BLACKWOOD = 19,
    MEANING_BLACKWOOD_ANSWER = 20,
    MEANING_BLACKWOOD_KING_ASK = 21,
    MEANING_KING_ANSWER = 22,
    MEANING_NEW_STRAIN_AFTER_ACES = 23,
    MEANING_SLAM_SIGN_OFF = 24,
    MEANING_GERBER = 25,
    MEANING_GERBER_ANSWER = 26,
    MEANING_GERBER_KING_ASK = 27,
    MEANING_GERBER_KING_ANSWER = 28,
    MEANING_GERBER_END = 29,
    MEANING_TRIAL_BID = 30,
    MEANING_TRANSFER = 31,
    MEANING_TRANSFER_COMPLETED = 32,
    MEANING_CUE_BID = 33,
    MEANING_CUE_ANSWER = 34,
    MEANING_CUE_RETURN = 35,
    MEANING_GRAND_SLAM_FORCE = 36,
    MEANING_FOURTH_SUIT = 37,
    MEANING_TAKEOUT_DOUBLE = 38,
    MEANING_TAKEOUT_ANSWER = 39,
    MEANING_COUNT = 40
};

// Index of the fourth-suit-forcing mark in m_bTrialSuit (the suits use 0..3).
constexpr int TRIAL_FOURTH_SUIT = STRAIN_NOTRUMP;

// CBidSummary: a plain record read by the bidder and the play engines. Every field starts at
// its default; Summarise only ever adds to it, so the caller builds four fresh ones and sets
// m_bVulnerable before summarising.
class CBidSummary {
public:
    CBidSummary();

    bool m_bVulnerable;                    // the seat's side is vulnerable (set by the caller)
    bool m_bForcing;                       // the last interpreted call forces one round
    bool m_bGameForcing;                   // the seat has forced to game
    int m_nSuit;                           // the seat's main suit, -1 none
    int m_nMinLength[SUIT_COUNT];      // minimum length shown per suit
    int m_nSuitBid[STRAIN_COUNT];          // times the seat has bid each strain
    bool m_bControl[SUIT_COUNT];       // a control or stopper shown in the suit
    bool m_bFirstCue[STRAIN_COUNT];
    bool m_bSecondCue[STRAIN_COUNT];
    bool m_bThirdCue[STRAIN_COUNT];
    bool m_bTrialSuit[STRAIN_COUNT];       // suits: a trial bid; TRIAL_FOURTH_SUIT: fourth suit forcing
    int m_nMeaning;                        // meaning code of the last interpreted call
    int m_nMinPoints;                      // high-card points shown, at least
    int m_nMaxPoints;                      // high-card points shown, at most
    int m_nAces;                           // aces shown in answer to an ace ask
    int m_nKings;                          // kings shown in answer to a king ask
    double m_dQuickTricks;                 // quick tricks (tricks, for a raise of a preempt)
    int m_nPlayingTricks;                  // playing tricks shown by a strong two or a preempt
    bool m_bOvercall;                      // the seat overcalled or made a take-out double
};
