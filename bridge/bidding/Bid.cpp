#include "bridge/bidding/Bid.h"

#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/sound.h"

namespace {

const char* const s_szLevelTexts[BID_LEVEL_COUNT] = {
    "One", "Two", "Three", "Four", "Five", "Six", "Seven"};
const char* const s_szSuitTexts[STRAIN_COUNT] = {
    "club", "diamond", "heart", "spade", "no trump"};

// The single-jump window of IsJumpOver: one full level (5 codes) plus up to four strains.
constexpr int JUMP_MIN_DISTANCE = BID_STRAIN_STEP + 1;
constexpr int JUMP_MAX_DISTANCE = 2 * BID_STRAIN_STEP;

// Game levels (0-based): 3NT, four of a major, five of a minor.
constexpr int GAME_LEVEL_NOTRUMP = 2;
constexpr int GAME_LEVEL_MAJOR = 3;
constexpr int GAME_LEVEL_MINOR = 4;

// Sound files are numbered from the double (code -2) upwards starting at 0.
constexpr int SOUND_NUMBER_OFFSET = 2;

} // namespace

// Built in this order before main() and destroyed in the reverse order at exit.
const CBid g_bidNoBid(nullptr, BID_NOBID, "");
const CBid g_bidDouble(nullptr, BID_DOUBLE, "");
const CBid g_bidRedouble(nullptr, BID_REDOUBLE, "");
const CBid g_bid2C(nullptr, BID_2C, "");
const CBid g_bid3C(nullptr, BID_3C, "");
const CBid g_bid4C(nullptr, BID_4C, "");
const CBid g_bid5C(nullptr, BID_5C, "");
const CBid g_bid2D(nullptr, BID_2D, "");
const CBid g_bid3D(nullptr, BID_3D, "");
const CBid g_bid4D(nullptr, BID_4D, "");
const CBid g_bid1NT(nullptr, BID_1NT, "");
const CBid g_bid2NT(nullptr, BID_2NT, "");
const CBid g_bid3NT(nullptr, BID_3NT, "");
const CBid g_bid4NT(nullptr, BID_4NT, "");
const CBid g_bid5NT(nullptr, BID_5NT, "");

CBid::CBid(const CBidThresholds* pThresholds, int nLevel, int nStrain, const CString& strExplanation)
    : m_nCode(nLevel * BID_STRAIN_STEP + nStrain + 1),
      m_strExplanation(strExplanation),
      m_pThresholds(pThresholds)
{
}

CBid::CBid(const CBidThresholds* pThresholds, int nCode, const CString& strExplanation)
    : m_nCode(nCode), m_strExplanation(strExplanation), m_pThresholds(pThresholds)
{
}

CBid CBid::operator+(int n) const
{
    return CBid(m_pThresholds, m_nCode + n, CString());
}

BOOL CBid::IsPassOrDouble() const
{
    return m_nCode == BID_NOBID || m_nCode == BID_REDOUBLE || m_nCode == BID_DOUBLE;
}

BOOL CBid::IsSuitBid() const
{
    int nStrain = GetSuit();
    return nStrain >= STRAIN_CLUBS && nStrain <= STRAIN_SPADES;
}

BOOL CBid::IsMajor() const
{
    int nStrain = GetSuit();
    return nStrain == STRAIN_HEARTS || nStrain == STRAIN_SPADES;
}

BOOL CBid::IsMinor() const
{
    int nStrain = GetSuit();
    return nStrain == STRAIN_CLUBS || nStrain == STRAIN_DIAMONDS;
}

BOOL CBid::IsGameBid() const
{
    int nLevel = GetLevel();
    if (IsNoTrump())
        return nLevel >= GAME_LEVEL_NOTRUMP;
    if (IsMajor())
        return nLevel >= GAME_LEVEL_MAJOR;
    if (IsMinor())
        return nLevel >= GAME_LEVEL_MINOR;
    return FALSE;
}

BOOL CBid::IsJumpOver(const CBid& other) const
{
    int nDistance = m_nCode - other.m_nCode;
    return nDistance >= JUMP_MIN_DISTANCE && nDistance <= JUMP_MAX_DISTANCE;
}

BOOL CBid::IsJump(const CBid& first, const CBid& second) const
{
    return second.m_nCode > BID_NOBID ? IsJumpOver(second) : IsJumpOver(first);
}

CString CBid::GetLevelText() const
{
    int nLevel = GetLevel();
    if (nLevel < 0 || nLevel >= BID_LEVEL_COUNT)
        return "Strange";
    return s_szLevelTexts[nLevel];
}

CString CBid::GetSuitText() const
{
    int nStrain = GetSuit();
    if (nStrain < 0 || nStrain >= STRAIN_COUNT)
        return CString();
    return s_szSuitTexts[nStrain];
}

CString CBid::GetStrainText() const
{
    CString strText = GetSuitText();
    if (GetLevel() > 0)
        strText += "s";
    return strText;
}

CString CBid::GetText() const
{
    switch (m_nCode) {
    case BID_DOUBLE:
        return "Doubled";
    case BID_REDOUBLE:
        return "Re-doubled";
    case BID_NOBID:
        return "No bid";
    default:
        return GetLevelText() + " " + GetStrainText();
    }
}

CString CBid::GetSoundPath(const CString& strFolder, const CString& strVoice) const
{
    CString strPath;
    strPath.Format("%s/%s/%s%d", static_cast<LPCTSTR>(strFolder), static_cast<LPCTSTR>(strVoice),
                   static_cast<LPCTSTR>(strVoice), m_nCode + SOUND_NUMBER_OFFSET);
    return strPath;
}

BOOL CBid::Speak(const CString& strVoice) const
{
    CString strFolder;
    {
        CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                              settings_keys::SUITE_KEY);
        strFolder = settings.ReadString(settings_keys::SOUND_DIR_VALUE,
                                        settings_keys::SOUND_DIR_DEFAULT);
    }
    return PlaySoundA(GetSoundPath(strFolder, strVoice), nullptr, SND_NODEFAULT);
}
