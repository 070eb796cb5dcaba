#include "bridge/bidding/Conventions.h"

#include <gtest/gtest.h>

#include "cardtable/RegSettings.h"

namespace {

const char* const s_szNames[] = {"GSF", "Josephine", "Blackwood", "Gerber", "Baron",
                                 "StrongNT", "Stayman", "Swiss", "CueBid", "TrialBid"};
bool* const s_pFlags[] = {&g_bGSF, &g_bJosephine, &g_bBlackwood, &g_bGerber, &g_bBaron,
                          &g_bStrongNT, &g_bStayman, &g_bSwiss, &g_bCueBid, &g_bTrialBid};
const int CONVENTION_COUNT = 10;

// Clears the ten stored values and turns every switch on again afterwards.
class Conventions : public ::testing::Test {
protected:
    void SetUp() override { ClearStore(); }
    void TearDown() override
    {
        ClearStore();
        for (bool* pFlag : s_pFlags)
            *pFlag = true;
    }

    static void ClearStore()
    {
        CRegSettings settings("Software", "Orvel", "velm");
        for (const char* szName : s_szNames)
            settings.ClearValue(szName);
    }
    static void Store(const char* szName, const char* szText)
    {
        CRegSettings settings("Software", "Orvel", "velm");
        settings.WriteString(szName, szText);
    }
    static CString Stored(const char* szName)
    {
        CRegSettings settings("Software", "Orvel", "velm");
        return settings.ReadString(szName, "missing");
    }
};

} // namespace

TEST_F(Conventions, EverySwitchIsOnAtProgramStart)
{
    for (bool* pFlag : s_pFlags)
        EXPECT_TRUE(*pFlag);
}

TEST_F(Conventions, EmptyStoreLoadsEverySwitchOn)
{
    for (bool* pFlag : s_pFlags)
        *pFlag = false;
    LoadConventions();
    for (int i = 0; i < CONVENTION_COUNT; ++i)
        EXPECT_TRUE(*s_pFlags[i]) << s_szNames[i];
}

TEST_F(Conventions, EachSwitchReadsItsOwnValue)
{
    for (int nOff = 0; nOff < CONVENTION_COUNT; ++nOff) {
        ClearStore();
        Store(s_szNames[nOff], "0");
        LoadConventions();
        for (int i = 0; i < CONVENTION_COUNT; ++i)
            EXPECT_EQ(i != nOff, *s_pFlags[i]) << s_szNames[nOff] << " stored off, reading " << s_szNames[i];
    }
}

TEST_F(Conventions, OnlyZeroTurnsASwitchOff)
{
    Store("Baron", "yes");
    Store("Swiss", "2");
    Store("CueBid", "1");
    LoadConventions();
    EXPECT_TRUE(g_bBaron);
    EXPECT_TRUE(g_bSwiss);
    EXPECT_TRUE(g_bCueBid);
}

TEST_F(Conventions, SaveWritesAllTenAsOneOrZero)
{
    g_bGerber = false;
    g_bTrialBid = false;
    SaveConventions();
    for (int i = 0; i < CONVENTION_COUNT; ++i)
        EXPECT_EQ(*s_pFlags[i] ? "1" : "0", Stored(s_szNames[i])) << s_szNames[i];

    for (bool* pFlag : s_pFlags)
        *pFlag = true;
    LoadConventions();
    EXPECT_FALSE(g_bGerber);
    EXPECT_FALSE(g_bTrialBid);
    EXPECT_TRUE(g_bGSF);
}
