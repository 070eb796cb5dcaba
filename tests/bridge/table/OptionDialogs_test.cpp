// The bridge table's four option dialogs, run modally on the headless backend with scripts.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <vector>

#include "bridge/table/AutomaticPlayDlg.h"
#include "bridge/table/CardPlayOptions.h"
#include "bridge/table/PlayerNamesDlg.h"
#include "bridge/table/SelectGameDlg.h"
#include "cardtable/RegSettings.h"
#include "platform/base/ids.h"
#include "platform/testing/driver.h"
#include "resources/BridgeOptionTemplates.h"
#include "tests/bridge/table/TableFilesTestSupport.h"

namespace test = plat::test;

namespace {

class OptionDialogTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterBridgeOptionTemplates(); }
};

// Player Names noting what West's, North's and East's lists offered when OK was pressed.
class CNamesProbe : public CPlayerNamesDlg {
public:
    void OnOK() override
    {
        for (CComboBox* pCombo : {&m_comboWest, &m_comboNorth, &m_comboEast}) {
            m_offered.emplace_back();
            for (int i = 0; i < pCombo->GetCount(); ++i) {
                CString strItem;
                pCombo->GetLBText(i, strItem);
                m_offered.back().push_back(strItem.str());
            }
        }
        CPlayerNamesDlg::OnOK();
    }
    std::vector<std::vector<std::string>> m_offered;
};

void SetSoundDir(const std::string& strFolder)
{
    CRegSettings("Software", "Orvel", "velm").WriteString("SoundDir", strFolder.c_str());
}

} // namespace

using CAutomaticPlayDlgTest = OptionDialogTest;

TEST_F(CAutomaticPlayDlgTest, OkWithoutTypingGivesOneHundred)
{
    test::ScriptNextDialog(IDD_AUTOMATIC_PLAY, {test::ClickStep(IDOK)});
    CAutomaticPlayDlg dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("100", dlg.m_strHands);
    EXPECT_EQ(100, dlg.GetHands());
    dlg.m_strHands = "many";
    EXPECT_EQ(0, dlg.GetHands());
}

using CCardPlayOptionsTest = OptionDialogTest;

TEST_F(CCardPlayOptionsTest, BoxesShowTheMembersOkReadsThemBackCancelDoesNot)
{
    // Each click toggles its box, so what OK reads back shows what the boxes held.
    test::ScriptNextDialog(IDD_CARD_PLAY_OPTIONS, {test::ClickStep(IDC_OPT_AUTO_PLAY),
                                                   test::ClickStep(IDC_OPT_SINGLE_CLICK_PLAY), test::ClickStep(IDOK)});
    test::ScriptNextDialog(IDD_CARD_PLAY_OPTIONS,
                           {test::ClickStep(IDC_OPT_SHOW_LAST_TRICK), test::ClickStep(IDCANCEL)});
    CCardPlayOptions dlg;
    EXPECT_EQ(0, dlg.m_bShowLastTrick);
    dlg.m_bAutoPlay = TRUE;
    dlg.m_bSingleClickBid = TRUE;
    dlg.m_bSound = TRUE;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_bAutoPlay);
    EXPECT_EQ(0, dlg.m_bShowLastTrick);
    EXPECT_EQ(1, dlg.m_bSingleClickBid);
    EXPECT_EQ(1, dlg.m_bSingleClickPlay);
    EXPECT_EQ(1, dlg.m_bSound); // no box: it keeps what the caller put in
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_bShowLastTrick);
}

using CSelectGameDlgTest = OptionDialogTest;

TEST_F(CSelectGameDlgTest, OpensOnLevelOneNoTrumpLedByNorth)
{
    test::ScriptNextDialog(IDD_SELECT_GAME, {test::ClickStep(IDOK)});
    CSelectGameDlg dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("", dlg.m_strGameNumber);
    EXPECT_EQ("1", dlg.m_strLevel);
    EXPECT_EQ("No Trump", dlg.m_strSuit);
    EXPECT_EQ("North", dlg.m_strLeader);
}

TEST_F(CSelectGameDlgTest, TypedTextsConvertExactlyOrFallBack)
{
    CSelectGameDlg dlg;
    const std::pair<const char*, int> levels[] = {{"", 0}, {"4", 3}, {"0", 0}, {"-3", 0}, {"x", 0}, {"9", 6},
                                                  {"99999999999", 6}};
    for (const auto& level : levels) {
        dlg.m_strLevel = level.first;
        EXPECT_EQ(level.second, dlg.GetContractLevel()) << level.first;
    }
    const char* const szTexts[] = {"Clubs", "Diamonds", "Spades", "North", "East", "South", "hearts", "north"};
    const int nSuits[] = {0, 1, 3, 4, 4, 4, 4, 4};
    const int nLeaders[] = {3, 3, 3, 0, 1, 2, 3, 3};
    for (size_t i = 0; i < std::size(szTexts); ++i) {
        dlg.m_strSuit = szTexts[i];
        dlg.m_strLeader = szTexts[i];
        EXPECT_EQ(nSuits[i], dlg.GetContractSuit()) << szTexts[i];
        EXPECT_EQ(nLeaders[i], dlg.GetLeader()) << szTexts[i];
    }
}

using CPlayerNamesDlgTest = OptionDialogTest;

TEST_F(CPlayerNamesDlgTest, OffersTheVoiceFoldersAndComesBackToTheCurrentFolder)
{
    CScratchFolder scratch;
    for (const char* szFolder : {"sounds", "sounds/Voice2", "sounds/Voice1", "elsewhere"})
        ASSERT_EQ(0, mkdir(szFolder, 0700));
    // Plain files beside the voices are no voices, whatever their names.
    for (const char* szFile : {"sounds/x.wav", "sounds/a", "sounds/[b]"})
        std::ofstream(szFile) << "RIFF";
    ASSERT_EQ(0, chdir("elsewhere"));
    SetSoundDir(scratch.Root() + "/sounds");
    test::ScriptNextDialog(IDD_PLAYER_NAMES, {test::ClickStep(IDOK)});
    CNamesProbe dlg;
    dlg.SetNames("Mirel", "Tav", "Arno", "Ulo");
    EXPECT_EQ(IDOK, dlg.DoModal());

    const std::vector<std::vector<std::string>> offered(3, {"Voice1", "Voice2"});
    EXPECT_EQ(offered, dlg.m_offered);
    EXPECT_EQ(scratch.Root() + "/elsewhere", CScratchFolder::Current());
    EXPECT_EQ("Mirel", dlg.m_strNorth);
    EXPECT_EQ("Tav", dlg.m_strEast);
    EXPECT_EQ("Arno", dlg.m_strSouth);
    EXPECT_EQ("Ulo", dlg.m_strWest);
}

TEST_F(CPlayerNamesDlgTest, OkTakesTheEditedNamesAndCancelKeepsTheSetOnes)
{
    CScratchFolder scratch;
    ASSERT_EQ(0, mkdir("Voice1", 0700));
    SetSoundDir(scratch.Root());
    test::ScriptNextDialog(IDD_PLAYER_NAMES, {test::SetTextStep(IDC_NAME_SOUTH, "Me"),
                                              test::SelectItemStep(IDC_NAME_WEST, 0), test::ClickStep(IDOK)});
    test::ScriptNextDialog(IDD_PLAYER_NAMES, {test::SetTextStep(IDC_NAME_NORTH, "Else"), test::ClickStep(IDCANCEL)});
    CPlayerNamesDlg dlg;
    dlg.SetNames("Mirel", "Tav", "Arno", "Ulo");
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("Me", dlg.m_strSouth);
    EXPECT_EQ("Voice1", dlg.m_strWest);
    EXPECT_EQ("Mirel", dlg.m_strNorth);
    dlg.SetNames("N", "E", "S", "W");
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ("N", dlg.m_strNorth);
    EXPECT_EQ("S", dlg.m_strSouth);
}

TEST_F(CPlayerNamesDlgTest, MissingSoundsFolderListsTheCurrentFolderSilently)
{
    CScratchFolder scratch;
    ASSERT_EQ(0, mkdir("Here", 0700));
    SetSoundDir(scratch.Root() + "/no-such-folder");
    test::ScriptNextDialog(IDD_PLAYER_NAMES, {test::ClickStep(IDOK)});
    CNamesProbe dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());
    ASSERT_EQ(3u, dlg.m_offered.size());
    EXPECT_EQ(std::vector<std::string>{"Here"}, dlg.m_offered[0]);
    EXPECT_EQ(scratch.Root(), CScratchFolder::Current());
    EXPECT_TRUE(test::GetMessageBoxes().empty());
}

using OptionCommandTest = OptionDialogTest;

TEST_F(OptionCommandTest, CommandsHandBackTheAnswersOnlyAfterOk)
{
    test::ScriptNextDialog(IDD_CARD_PLAY_OPTIONS, {test::ClickStep(IDC_OPT_SHOW_LAST_TRICK), test::ClickStep(IDOK)});
    test::ScriptNextDialog(IDD_CARD_PLAY_OPTIONS, {test::ClickStep(IDC_OPT_AUTO_PLAY), test::ClickStep(IDCANCEL)});
    bool bSwitches[5] = {true, false, false, true, true};
    EXPECT_TRUE(CCardPlayOptions::EditSwitches(nullptr, bSwitches[0], bSwitches[1], bSwitches[2], bSwitches[3],
                                               bSwitches[4]));
    EXPECT_FALSE(CCardPlayOptions::EditSwitches(nullptr, bSwitches[0], bSwitches[1], bSwitches[2], bSwitches[3],
                                                bSwitches[4]));
    EXPECT_EQ((std::vector<bool>{true, true, false, true, true}), std::vector<bool>(bSwitches, bSwitches + 5));

    test::ScriptNextDialog(IDD_AUTOMATIC_PLAY, {test::SetTextStep(IDC_AUTO_HANDS, "0"), test::ClickStep(IDOK)});
    test::ScriptNextDialog(IDD_AUTOMATIC_PLAY, {test::ClickStep(IDCANCEL)});
    int nHands = -1;
    EXPECT_TRUE(CAutomaticPlayDlg::AskHands(nullptr, nHands));
    EXPECT_EQ(0, nHands);
    nHands = -1;
    EXPECT_FALSE(CAutomaticPlayDlg::AskHands(nullptr, nHands));
    EXPECT_EQ(-1, nHands);

    // Items in template order: levels "1".."7", suits clubs..no trump, leaders North..West.
    test::ScriptNextDialog(IDD_SELECT_GAME, {test::SetTextStep(IDC_GAME_NUMBER, "17"),
                                             test::SelectItemStep(IDC_CONTRACT_LEVEL, 1),
                                             test::SelectItemStep(IDC_CONTRACT_SUIT, 0),
                                             test::SelectItemStep(IDC_LEADING_HAND, 3), test::ClickStep(IDOK)});
    int nGame = 0, nLeader = 0, nLevel = 0, nSuit = 0;
    EXPECT_TRUE(CSelectGameDlg::AskGame(nullptr, nGame, nLeader, nLevel, nSuit));
    EXPECT_EQ((std::vector<int>{17, 3, 1, 0}), (std::vector<int>{nGame, nLeader, nLevel, nSuit}));
}

TEST_F(OptionCommandTest, PlayerNamesAreTakenBackAndStoredWhateverButtonClosed)
{
    CScratchFolder scratch;
    SetSoundDir(scratch.Root());
    test::ScriptNextDialog(IDD_PLAYER_NAMES, {test::SetTextStep(IDC_NAME_SOUTH, "Me"), test::ClickStep(IDOK)});
    test::ScriptNextDialog(IDD_PLAYER_NAMES, {test::SetTextStep(IDC_NAME_SOUTH, "Nobody"), test::ClickStep(IDCANCEL)});
    CString strNames[4] = {"Mirel", "Tav", "Arno", "Ulo"};
    CPlayerNamesDlg::EditNames(nullptr, strNames);
    EXPECT_EQ("Me", strNames[2]);
    CRegSettings("Software", "Orvel", "velm").WriteString("WestName", "changed");
    CPlayerNamesDlg::EditNames(nullptr, strNames);
    EXPECT_EQ("Me", strNames[2]);
    CRegSettings settings("Software", "Orvel", "velm");
    const char* const szValues[] = {"NorthName", "EastName", "SouthName", "WestName"};
    const char* const szExpected[] = {"Mirel", "Tav", "Me", "Ulo"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(szExpected[i], settings.ReadString(szValues[i], "missing")) << szValues[i];
}
