#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <string>

#include "cardtable/RegSettings.h"
#include "platform/reg/registry.h"
#include "tests/support/CSettingsFolderTest.h"

namespace {

const char* const ROOT = "Software";
const char* const MAKER = "Orvel";
const char* const SUITE = "velm";

// Gives each test a settings file of its own.
class CRegSettingsTest : public CSettingsFolderTest {
protected:
    // Stores a raw text, as a hand edit or an older version of the program might have.
    static void PutRaw(const char* szName, const std::string& strValue)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Orvel\\velm", 0,
                                                nullptr, REG_OPTION_NON_VOLATILE,
                                                KEY_ALL_ACCESS, nullptr, &hKey, nullptr));
        RegSetValueEx(hKey, szName, 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.c_str()),
                      static_cast<DWORD>(strValue.size() + 1));
        RegCloseKey(hKey);
    }
};

} // namespace

TEST_F(CRegSettingsTest, EveryKindSurvivesARestart)
{
    {
        CRegSettings settings(ROOT, MAKER, SUITE);
        settings.WriteInt("CardDelay", -25);
        settings.WriteBool("opendummy", false);
        settings.WriteBool("autoPlay", true);
        settings.WriteRect(CString("Bridge") + "Rect", CRect(10, 20, 650, 462));
        settings.WriteString("SouthName", "Arno \"the\" \\ second");
    }
    CRegSettings settings(ROOT, MAKER, SUITE);
    EXPECT_EQ(-25, settings.ReadInt("CardDelay", 10));
    EXPECT_FALSE(settings.ReadBool("opendummy", true));
    EXPECT_TRUE(settings.ReadBool("autoPlay", false));
    EXPECT_EQ(CRect(10, 20, 650, 462), settings.ReadRect("BridgeRect", CRect(1, 2, 3, 4)));
    EXPECT_EQ(CString("Arno \"the\" \\ second"), settings.ReadString("SouthName", "x"));
}

TEST_F(CRegSettingsTest, ValuesAreStoredInTheirDocumentedTextForms)
{
    {
        CRegSettings settings(ROOT, MAKER, SUITE);
        settings.WriteRect("BridgeRect", CRect(10, 20, 650, 462));
        settings.WriteInt("version", 12);
        settings.WriteBool("GSF", true);
    }
    EXPECT_EQ("[HKEY_CURRENT_USER\\Software\\Orvel]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Orvel\\velm]\n"
              "\"BridgeRect\"=\"10,20,650,462\"\n"
              "\"version\"=\"12\"\n"
              "\"GSF\"=\"1\"\n",
              ReadFile());
}

TEST_F(CRegSettingsTest, ReadIntTakesTheLeadingNumberOrTheDefault)
{
    PutRaw("digitsThenLetters", "12abc");
    PutRaw("letterFirst", "abc12");
    PutRaw("blanksFirst", "  \t42");
    PutRaw("empty", "");
    PutRaw("signed", "-7,3");
    PutRaw("signOnly", "-");
    PutRaw("huge", "99999999999");
    CRegSettings settings(ROOT, MAKER, SUITE);
    EXPECT_EQ(5, settings.ReadInt("missing", 5));
    EXPECT_EQ(12, settings.ReadInt("digitsThenLetters", 5));
    EXPECT_EQ(5, settings.ReadInt("letterFirst", 5));
    EXPECT_EQ(42, settings.ReadInt("blanksFirst", 5));
    EXPECT_EQ(5, settings.ReadInt("empty", 5));
    EXPECT_EQ(-7, settings.ReadInt("signed", 5));
    EXPECT_EQ(5, settings.ReadInt("signOnly", 5));
    EXPECT_EQ(INT_MAX, settings.ReadInt("huge", 5));
}

TEST_F(CRegSettingsTest, ReadBoolAcceptsOnlyExactlyOneOrZero)
{
    PutRaw("empty", "");
    PutRaw("word", "yes");
    PutRaw("two", "2");
    PutRaw("padded", " 1");
    PutRaw("ten", "10");
    PutRaw("zero", "0");
    PutRaw("one", "1");
    CRegSettings settings(ROOT, MAKER, SUITE);
    for (const char* szName : {"missing", "empty", "word", "two", "padded", "ten"}) {
        EXPECT_TRUE(settings.ReadBool(szName, true)) << szName;
        EXPECT_FALSE(settings.ReadBool(szName, false)) << szName;
    }
    EXPECT_FALSE(settings.ReadBool("zero", true));
    EXPECT_TRUE(settings.ReadBool("one", false));
}

TEST_F(CRegSettingsTest, ReadRectGivesTheDefaultWhenClearedAndKeepsItsFieldsForShortTexts)
{
    const CRect rectDefault(288, 212, 747, 477);
    CRegSettings settings(ROOT, MAKER, SUITE);
    settings.WriteRect("BidRect", CRect(1, 2, 3, 4));
    settings.ClearValue("BidRect");
    EXPECT_EQ(rectDefault, settings.ReadRect("BidRect", rectDefault));
    EXPECT_EQ(rectDefault, settings.ReadRect("Missing", rectDefault));

    PutRaw("twoFields", "5,6");
    EXPECT_EQ(CRect(5, 6, 747, 477), settings.ReadRect("twoFields", rectDefault));
    // "%d" skips blanks before a number but the comma must follow the number at once.
    PutRaw("blanks", "5, 6,\t7, 8");
    EXPECT_EQ(CRect(5, 6, 7, 8), settings.ReadRect("blanks", rectDefault));
    PutRaw("blankBeforeComma", "5 ,6,7,8");
    EXPECT_EQ(CRect(5, 212, 747, 477), settings.ReadRect("blankBeforeComma", rectDefault));
    PutRaw("negative", "-100,-50,540,392");
    EXPECT_EQ(CRect(-100, -50, 540, 392), settings.ReadRect("negative", rectDefault));
}

TEST_F(CRegSettingsTest, ReadStringGivesTheDefaultForEmptyAndOverlongValues)
{
    CRegSettings settings(ROOT, MAKER, SUITE);
    settings.WriteString("SoundDir", "");
    EXPECT_EQ(CString("."), settings.ReadString("SoundDir", "."));
    settings.WriteString("SoundDir", "/home/arno/sounds");
    settings.ClearValue("SoundDir");
    EXPECT_EQ(CString("."), settings.ReadString("SoundDir", "."));

    const std::string strLongest(1023, 'a');
    settings.WriteString("longest", strLongest.c_str());
    EXPECT_EQ(CString(strLongest), settings.ReadString("longest", "default"));
    const std::string strTooLong(1024, 'b');
    settings.WriteString("tooLong", strTooLong.c_str());
    EXPECT_EQ(CString("default"), settings.ReadString("tooLong", "default"));
    EXPECT_EQ(7, settings.ReadInt("tooLong", 7));
}

TEST_F(CRegSettingsTest, TwoStoresOpenAtOnceSeeEachOthersWrites)
{
    auto pFirst = std::make_unique<CRegSettings>(ROOT, MAKER, SUITE);
    CRegSettings second(ROOT, MAKER, SUITE);
    pFirst->WriteInt("CardDelay", 30);
    EXPECT_EQ(30, second.ReadInt("CardDelay", 10));
    second.WriteString("WestName", "Ulo");
    EXPECT_EQ(CString("Ulo"), pFirst->ReadString("WestName", ""));
    pFirst.reset();
    second.WriteInt("version", 12);
    EXPECT_EQ(30, second.ReadInt("CardDelay", 10));
    EXPECT_EQ(12, CRegSettings(ROOT, MAKER, SUITE).ReadInt("version", 10));
}

TEST_F(CRegSettingsTest, DamagedFileGivesDefaultsAndStaysWritable)
{
    const char damaged[] = "[HKEY_CURRENT_USER\\Software\\Orvel\\velm]\n"
                           "\"CardDelay\"=\"40\"\n"
                           "\"version\"=\"12\n"
                           "\x00\x01\x02 nonsense ]]]\n"
                           "\"WestName\"=\"Tav\"\"\n";
    WriteFile(std::string(damaged, sizeof damaged - 1));
    CRegSettings settings(ROOT, MAKER, SUITE);
    EXPECT_EQ(40, settings.ReadInt("CardDelay", 10));
    EXPECT_EQ(10, settings.ReadInt("version", 10));
    EXPECT_EQ(CString("Ulo"), settings.ReadString("WestName", "Ulo"));
    settings.WriteInt("version", 12);
    EXPECT_EQ(12, CRegSettings(ROOT, MAKER, SUITE).ReadInt("version", 10));
    EXPECT_EQ(40, CRegSettings(ROOT, MAKER, SUITE).ReadInt("CardDelay", 10));
}

TEST_F(CRegSettingsTest, UnusableRegistryReadsDefaultsAndDropsWritesSilently)
{
    // A plain file where the settings folder should be: the maker key cannot be created.
    const std::string strBlocker = RootFolder() + "/blocker";
    std::ofstream(strBlocker) << "x";
    ::setenv("XDG_CONFIG_HOME", strBlocker.c_str(), 1);
    CRegSettings settings(ROOT, MAKER, SUITE);
    settings.WriteInt("CardDelay", 30);
    EXPECT_EQ(10, settings.ReadInt("CardDelay", 10));
    EXPECT_EQ(CRect(1, 2, 3, 4), settings.ReadRect("BidRect", CRect(1, 2, 3, 4)));

    CRegSettings missingRoot("NoSuchRoot", MAKER, SUITE);
    missingRoot.WriteBool("GSF", false);
    EXPECT_TRUE(missingRoot.ReadBool("GSF", true));
}
