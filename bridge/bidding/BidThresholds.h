#pragma once
// The numbers of the bidding system: the point range of every opening, response and
// overcall, and the combined partnership points needed for a contract at each level.

#include "platform/base.h"

// Points in the whole pack (ace 4, king 3, queen 2, jack 1): the top of every open range.
constexpr int TOTAL_POINTS = 40;

// Rows of the combined-points table.
enum {
    COMBINED_NEW_SUIT = 0,   // a suit with no fit known
    COMBINED_AGREED = 1,     // an agreed suit (a fit)
    COMBINED_NO_TRUMP = 2,
    COMBINED_ROWS = 3
};
// Columns of the combined-points table: contract levels one to seven, 0-based.
constexpr int COMBINED_LEVELS = 7;

// CBidThresholds: one object per bridge dialog with an auction, pointed to (not owned) by
// every call made there. The fields are set by the constructor and never changed; the
// bidder reads them directly and quotes the range texts in its explanations.
class CBidThresholds {
public:
    CBidThresholds();

    // "%d-%d", e.g. "13-21".
    static CString GetRangeText(int nMin, int nMax);
    // "%d".
    static CString GetNumberText(int n);

    CString GetOpenText() const { return GetRangeText(m_nOpenMin, m_nOpenMax); }
    CString Get2CText() const { return GetRangeText(m_n2CMin, m_n2CMax); }
    CString GetWeakNTText() const { return GetRangeText(m_nWeakNTMin, m_nWeakNTMax); }
    CString GetStrongNTText() const { return GetRangeText(m_nStrongNTMin, m_nStrongNTMax); }
    CString Get2NTText() const { return GetRangeText(m_n2NTMin, m_n2NTMax); }
    CString Get1NTRespText() const { return GetRangeText(m_n1NTRespMin, m_n1NTRespMax); }
    CString Get2NTRespText() const { return GetRangeText(m_n2NTRespMin, m_n2NTRespMax); }
    CString Get3NTRespText() const { return GetRangeText(m_n3NTRespMin, m_n3NTRespMax); }
    CString GetRaiseText() const { return GetRangeText(m_nRaiseMin, m_nRaiseMax); }
    CString GetLimitRaiseText() const { return GetRangeText(m_nLimitRaiseMin, m_nLimitRaiseMax); }
    CString GetPreemptText() const { return GetRangeText(m_nPreemptMin, m_nPreemptMax); }
    CString GetStrongTwoText() const { return GetRangeText(m_nStrongTwoMin, m_nStrongTwoMax); }
    CString GetJumpShiftText() const { return GetRangeText(m_nJumpShiftMin, m_nJumpShiftMax); }

    // True when the second bid (0-based level, strain 0..4) reverses over the first: a higher
    // level in a higher strain, except clubs followed by spades.
    static BOOL IsReverse(int nFirstLevel, int nFirstStrain, int nSecondLevel, int nSecondStrain);

    // m_nCombined[nRow][nLevel] for a 0-based level; a level above seven reads as the whole
    // pack and one below one as the one level, so an out-of-range call never reads past
    // the table.
    int GetCombined(int nRow, int nLevel) const;

    int m_nOpenMin;
    int m_nOpenMax;
    int m_nReverseMin;
    int m_nStrongTwoMin;
    int m_nStrongTwoMax;
    int m_n2CMin;
    int m_n2CMax;
    int m_nWeakNTMin;
    int m_nWeakNTMax;
    int m_nStrongNTMin;
    int m_nStrongNTMax;
    int m_n2NTMin;
    int m_n2NTMax;
    int m_nPreemptMin;
    int m_nPreemptMax;
    int m_nJumpShiftMargin;
    int m_n1NTRespMin;
    int m_n1NTRespMax;
    int m_n2NTRespMin;
    int m_n2NTRespMax;
    int m_n3NTRespMin;
    int m_n3NTRespMax;
    int m_nRaiseMin;
    int m_nRaiseMax;
    int m_nLimitRaiseMin;
    int m_nLimitRaiseMax;
    int m_nJumpShiftMin;
    int m_nJumpShiftMax;
    int m_nSlamMin;
    int m_nSlamMax;
    int m_nCombined[COMBINED_ROWS][COMBINED_LEVELS];
};
