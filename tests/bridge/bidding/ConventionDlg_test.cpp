#include "bridge/bidding/ConventionDlg.h"

#include <gtest/gtest.h>

#include "bridge/bidding/Conventions.h"
#include "cardtable/RegSettings.h"
#include "platform/testing/driver.h"
#include "resources/ConventionsTemplate.h"

namespace test = plat::test;

namespace {

const char* const s_szNames[] = {"GSF", "Josephine", "Blackwood", "Gerber", "Baron",
                                 "StrongNT", "Stayman", "Swiss", "CueBid", "TrialBid"};

// Registers the template, starts with every switch on and nothing stored, and turns every
// switch on again afterwards.
class ConventionDlg : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterConventionsTemplate();
        Reset();
    }
    void TearDown() override { Reset(); }

    static void Reset()
    {
        CRegSettings settings("Software", "Orvel", "velm");
        for (const char* szName : s_szNames)
            settings.ClearValue(szName);
        for (bool* pFlag : {&g_bGSF, &g_bJosephine, &g_bBlackwood, &g_bGerber, &g_bStrongNT,
                            &g_bStayman, &g_bBaron, &g_bSwiss, &g_bCueBid, &g_bTrialBid})
            *pFlag = true;
    }

    static CString Stored(const char* szName)
    {
        CRegSettings settings("Software", "Orvel", "velm");
        return settings.ReadString(szName, "missing");
    }
};

} // namespace

TEST_F(ConventionDlg, StartsWithEveryBoxClearUntilItOpens)
{
    CConventionDlg dlg;
    for (BOOL bBox : {dlg.m_bBlackwood, dlg.m_bCueBid, dlg.m_bGerber, dlg.m_bStayman, dlg.m_bStrongNT,
                      dlg.m_bSwiss, dlg.m_bGSF, dlg.m_bJosephine, dlg.m_bBaron, dlg.m_bTrialBid})
        EXPECT_FALSE(bBox);
}

TEST_F(ConventionDlg, OkWithoutChangesKeepsTheSwitchesAndWritesAllTen)
{
    g_bSwiss = false;
    g_bJosephine = false;
    test::ScriptNextDialog(IDD_CONVENTIONS, {test::ClickStep(IDOK)});
    CConventionDlg dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());

    // The boxes were filled from the switches and read back unchanged.
    EXPECT_FALSE(dlg.m_bSwiss);
    EXPECT_FALSE(dlg.m_bJosephine);
    EXPECT_TRUE(dlg.m_bBlackwood);
    EXPECT_TRUE(dlg.m_bTrialBid);
    EXPECT_FALSE(g_bSwiss);
    EXPECT_FALSE(g_bJosephine);
    EXPECT_TRUE(g_bGerber);
    for (const char* szName : s_szNames) {
        const bool bOff = CString(szName) == "Swiss" || CString(szName) == "Josephine";
        EXPECT_EQ(bOff ? "0" : "1", Stored(szName)) << szName;
    }
}

TEST_F(ConventionDlg, OkTakesTheClickedBoxesAtOnce)
{
    test::ScriptNextDialog(IDD_CONVENTIONS,
                           {test::ClickStep(IDC_CONV_GERBER), test::ClickStep(IDC_CONV_SWISS),
                            test::SetCheckStep(IDC_CONV_TRIALBID, 0), test::ClickStep(IDOK)});
    CConventionDlg dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(g_bGerber);
    EXPECT_FALSE(g_bSwiss);
    EXPECT_FALSE(g_bTrialBid);
    EXPECT_TRUE(g_bStayman);
    EXPECT_EQ("0", Stored("Gerber"));
    EXPECT_EQ("0", Stored("Swiss"));
    EXPECT_EQ("0", Stored("TrialBid"));
    EXPECT_EQ("1", Stored("Stayman"));

    // A later load reads back what the box saved.
    g_bGerber = true;
    LoadConventions();
    EXPECT_FALSE(g_bGerber);
}

TEST_F(ConventionDlg, CancelAndEscapeChangeNothing)
{
    test::ScriptNextDialog(IDD_CONVENTIONS,
                           {test::ClickStep(IDC_CONV_BLACKWOOD), test::ClickStep(IDC_CONV_BARON),
                            test::ClickStep(IDCANCEL)});
    test::ScriptNextDialog(IDD_CONVENTIONS,
                           {test::ClickStep(IDC_CONV_STAYMAN), test::KeyStep(VK_ESCAPE)});
    CConventionDlg dlg;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(g_bBlackwood);
    EXPECT_TRUE(g_bBaron);
    EXPECT_TRUE(g_bStayman);
    for (const char* szName : s_szNames)
        EXPECT_EQ("missing", Stored(szName)) << szName;
}
