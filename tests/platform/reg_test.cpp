#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/reg.h"
#include "tests/support/CFileSizeLimit.h"
#include "tests/support/CSettingsFolderTest.h"
#include "tests/support/CTempWorkingFolder.h"

namespace {

// Points the settings file at a fresh folder of its own for each test.
class Registry : public CSettingsFolderTest {
protected:
    // Opens HKCU\Software\Orvel\velm the way the settings store does.
    HKEY CreateSuiteKey(DWORD* pdwDisposition = nullptr)
    {
        HKEY hKey = nullptr;
        EXPECT_EQ(ERROR_SUCCESS,
                  RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Orvel\\velm", 0, nullptr,
                                 REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &hKey,
                                 pdwDisposition));
        return hKey;
    }

    static LONG SetText(HKEY hKey, const char* szName, const char* szValue)
    {
        return RegSetValueEx(hKey, szName, 0, REG_SZ, reinterpret_cast<const BYTE*>(szValue),
                             static_cast<DWORD>(std::strlen(szValue) + 1));
    }

    static std::string QueryText(HKEY hKey, const char* szName)
    {
        char buffer[1024] = "";
        DWORD cbData = sizeof buffer;
        if (RegQueryValueEx(hKey, szName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                            &cbData) != ERROR_SUCCESS)
            return "<none>";
        return buffer;
    }
};

} // namespace

TEST_F(Registry, SoftwareAlwaysOpensAndAMissingKeyDoesNot)
{
    HKEY hSoftware = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hSoftware));
    HKEY hMissing = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegOpenKeyEx(hSoftware, "Orvel", 0, KEY_ALL_ACCESS, &hMissing));
    EXPECT_EQ(nullptr, hMissing);
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(hSoftware));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(hSoftware));
}

TEST_F(Registry, CreateReportsNewThenExistingAndWritesTheDocumentedFile)
{
    DWORD dwDisposition = 0;
    HKEY hKey = CreateSuiteKey(&dwDisposition);
    EXPECT_EQ(REG_CREATED_NEW_KEY, dwDisposition);
    EXPECT_EQ(ERROR_SUCCESS, SetText(hKey, "CardDelay", "10"));
    EXPECT_EQ(ERROR_SUCCESS, SetText(hKey, "SoundDir", "C:\\a \"b\"\nc"));
    RegCloseKey(hKey);

    HKEY hAgain = CreateSuiteKey(&dwDisposition);
    EXPECT_EQ(REG_OPENED_EXISTING_KEY, dwDisposition);
    EXPECT_EQ("C:\\a \"b\"\nc", QueryText(hAgain, "SoundDir"));
    RegCloseKey(hAgain);

    EXPECT_EQ("[HKEY_CURRENT_USER\\Software\\Orvel\\velm]\n"
              "\"CardDelay\"=\"10\"\n"
              "\"SoundDir\"=\"C:\\\\a \\\"b\\\"\\nc\"\n",
              ReadFile());
}

TEST_F(Registry, KeyAndValueNamesMatchWhateverTheirCase)
{
    HKEY hKey = CreateSuiteKey();
    SetText(hKey, "BidRect", "1,2,3,4");
    SetText(hKey, "BIDRECT", "5,6,7,8");
    HKEY hOther = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "SOFTWARE\\orvel\\VELM", 0,
                                          KEY_ALL_ACCESS, &hOther));
    EXPECT_EQ("5,6,7,8", QueryText(hOther, "bidrect"));
    RegCloseKey(hOther);
    RegCloseKey(hKey);
    // One value, under the spelling it was first written with.
    EXPECT_NE(std::string::npos, ReadFile().find("\"BidRect\"=\"5,6,7,8\""));
    EXPECT_EQ(std::string::npos, ReadFile().find("BIDRECT"));
}

TEST_F(Registry, QueryHonoursTheCallersBufferSize)
{
    HKEY hKey = CreateSuiteKey();
    SetText(hKey, "Name", "Mirel");
    char buffer[5] = {'x', 'x', 'x', 'x', 'x'};
    DWORD cbData = sizeof buffer;
    DWORD dwType = 0;
    EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueEx(hKey, "Name", nullptr, &dwType,
                                               reinterpret_cast<BYTE*>(buffer), &cbData));
    EXPECT_EQ(6u, cbData);
    EXPECT_EQ(0, std::memcmp(buffer, "xxxxx", sizeof buffer));

    DWORD cbSizeOnly = 0;
    EXPECT_EQ(ERROR_SUCCESS,
              RegQueryValueEx(hKey, "Name", nullptr, &dwType, nullptr, &cbSizeOnly));
    EXPECT_EQ(6u, cbSizeOnly);

    char exact[6];
    cbData = sizeof exact;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(hKey, "Name", nullptr, &dwType,
                                             reinterpret_cast<BYTE*>(exact), &cbData));
    EXPECT_STREQ("Mirel", exact);
    EXPECT_EQ(REG_SZ, dwType);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegQueryValueEx(hKey, "Missing", nullptr, &dwType, nullptr, &cbData));
    RegCloseKey(hKey);
}

TEST_F(Registry, TwoHandlesSeeEachOthersWrites)
{
    HKEY hFirst = CreateSuiteKey();
    HKEY hSecond = CreateSuiteKey();
    SetText(hFirst, "version", "12");
    EXPECT_EQ("12", QueryText(hSecond, "version"));
    SetText(hSecond, "version", "13");
    EXPECT_EQ("13", QueryText(hFirst, "version"));
    RegCloseKey(hSecond);
    EXPECT_EQ("13", QueryText(hFirst, "version"));
    RegCloseKey(hFirst);
}

TEST_F(Registry, OpeningReReadsTheFileAndWritingKeepsValuesOthersAdded)
{
    HKEY hKey = CreateSuiteKey();
    SetText(hKey, "A", "1");
    // Another run adds a value while this handle is open.
    WriteFile(ReadFile() + "\"B\"=\"2\"\n");
    SetText(hKey, "C", "3");
    RegCloseKey(hKey);

    WriteFile(ReadFile() + "\"D\"=\"4\"\n");
    HKEY hReopened = CreateSuiteKey();
    EXPECT_EQ("1", QueryText(hReopened, "A"));
    EXPECT_EQ("2", QueryText(hReopened, "B"));
    EXPECT_EQ("3", QueryText(hReopened, "C"));
    EXPECT_EQ("4", QueryText(hReopened, "D"));
    RegCloseKey(hReopened);
}

// Junk a crash leaves before a header or a value line, even on the same line, or between lines
// loses no value; before its first rewrite the file is kept, byte for byte, as
// registry.damaged, which later writes leave be.
TEST_F(Registry, DamagedFileKeepsTheLinesThatMakeSense)
{
    const std::string strZeros(100, '\0');
    const std::string strDamaged = "\"orphan\"=\"before any key\"\n"
                                   "[HKEY_CURRENT_USER\\Software\\Orvel\\velm]\r\n"
                                   "\"good\"=\"yes\"\r\n"
                                   "garbage without quotes\n"
                                   "\"unterminated\"=\"oops\n"
                                   "\"badescape\"=\"a\\qb\"\n"
                                   "\"trailing\"=\"x\" junk\n"
                                   "\"noequals\" \"x\"\n"
                                   "[not a key of ours]\n"
                                   "\"lost\"=\"in a bad section\"\n"
                                   "[HKEY_CURRENT_USER\\Software\\Orvel\\velm\n"
                                   "\"stillbad\"=\"1\"\n" +
                                   strZeros + "[HKEY_CURRENT_USER\\Software\\Orvel\\velm]\n"
                                   "\"\xff\xfe\"=\"\x01\x02\"\n"
                                   "[broken\n" +
                                   strZeros + "\"zeros\"=\"before\"" + strZeros + "\n"
                                   "\"last\"=\"kept\"";
    WriteFile(strDamaged);
    HKEY hKey = CreateSuiteKey();
    EXPECT_EQ("yes", QueryText(hKey, "good"));
    EXPECT_EQ("kept", QueryText(hKey, "last"));
    EXPECT_EQ("before", QueryText(hKey, "zeros"));
    EXPECT_EQ("\x01\x02", QueryText(hKey, "\xff\xfe"));
    for (const char* szName : {"orphan", "unterminated", "badescape", "trailing", "noequals",
                               "lost", "stillbad"})
        EXPECT_EQ("<none>", QueryText(hKey, szName)) << szName;
    EXPECT_EQ(ERROR_SUCCESS, SetText(hKey, "good", "again"));
    EXPECT_EQ(ERROR_SUCCESS, SetText(hKey, "good", "and again"));
    RegCloseKey(hKey);
    std::ifstream kept(FilePath() + ".damaged", std::ios::binary);
    EXPECT_EQ(strDamaged, std::string(std::istreambuf_iterator<char>(kept), {}));
}

// Only a regular file, or a link to one (written through), is read. Anything else gives the
// defaults and is never written; a file too large to be settings is kept as registry.damaged
// before it is replaced. Each is told in one line on standard error. None may make a read
// wait for ever or take all the memory.
TEST_F(Registry, WhateverStandsAtTheSettingsPathIsReadSafelyAndNotHarmed)
{
    typedef std::function<void(const std::string&)> Maker;
    const auto settings = [](const std::string& strPath) {
        std::ofstream(strPath) << "[HKEY_CURRENT_USER\\Software\\Orvel\\velm]\n\"Kept\"=\"yes\"\n";
    };
    const struct {
        Maker make;
        mode_t nTypeAfter; // what stands at the path after the writes were tried
        bool bWritable;
        bool bTold; // a line on standard error, and nothing read
    } cases[] = {
        {[](const std::string& s) { ::mkfifo(s.c_str(), 0600); }, S_IFIFO, false, true},
        {[](const std::string& s) { ::symlink("/dev/zero", s.c_str()); }, S_IFLNK, false, true},
        {[&](const std::string& s) { settings(s); ::truncate(s.c_str(), 2LL << 30); }, S_IFREG, true,
         true},
        {[&](const std::string& s) { settings(s + "2"); ::symlink("registry2", s.c_str()); }, S_IFLNK,
         true, false},
    };
    for (const auto& c : cases) {
        // A folder of its own for each case, so that each is told on its own.
        const std::string strRoot = RootFolder() + "/" + std::to_string(&c - cases);
        ::setenv("XDG_CONFIG_HOME", strRoot.c_str(), 1);
        std::filesystem::create_directories(strRoot + "/orvelbridge");
        c.make(plat::RegistryFilePath());
        testing::internal::CaptureStderr();
        HKEY hSoftware = nullptr;
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hSoftware));
        const LONG lExpected = c.bWritable ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
        EXPECT_EQ(lExpected,
                  RegCreateKeyEx(hSoftware, "Orvel\\velm", 0, nullptr, 0, 0, nullptr, &hKey, nullptr));
        EXPECT_EQ(lExpected, SetText(hSoftware, "Added", "1"));
        EXPECT_EQ(c.bTold ? "<none>" : "yes", QueryText(hKey, "Kept"));
        RegCloseKey(hKey);
        RegCloseKey(hSoftware);
        const std::string strTold = testing::internal::GetCapturedStderr();
        EXPECT_EQ(c.bTold ? 1 : 0, std::count(strTold.begin(), strTold.end(), '\n')) << strTold;
        struct stat info;
        ASSERT_EQ(0, ::lstat(plat::RegistryFilePath().c_str(), &info));
        EXPECT_EQ(c.nTypeAfter, info.st_mode & S_IFMT) << strRoot;
    }
    struct stat info;
    EXPECT_EQ(0, ::stat((RootFolder() + "/2/orvelbridge/registry.damaged").c_str(), &info));
    EXPECT_EQ(2LL << 30, static_cast<long long>(info.st_size));
    std::ifstream linked(RootFolder() + "/3/orvelbridge/registry2");
    const std::string strLinked(std::istreambuf_iterator<char>(linked), {});
    EXPECT_NE(std::string::npos, strLinked.find("\"Added\"=\"1\""));
}

TEST_F(Registry, WritesCreateTheFolderAndLeaveNoTemporaryFiles)
{
    const std::string strNested = RootFolder() + "/deeper/still";
    ::setenv("XDG_CONFIG_HOME", strNested.c_str(), 1);
    HKEY hKey = CreateSuiteKey();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ERROR_SUCCESS, SetText(hKey, "CardDelay", std::to_string(i).c_str()));
    RegCloseKey(hKey);

    const std::vector<std::string> expected = {"registry"};
    EXPECT_EQ(expected, FileNamesIn(strNested + "/orvelbridge"));
}

TEST_F(Registry, AFileThatCannotBeWrittenIsReportedNotIgnored)
{
    // A plain file where the settings folder should go: no folder can be made below it.
    const std::string strBlocker = RootFolder() + "/blocker";
    std::ofstream(strBlocker) << "x";
    HKEY hSoftware = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hSoftware));
    ::setenv("XDG_CONFIG_HOME", strBlocker.c_str(), 1);
    EXPECT_EQ(ERROR_WRITE_FAULT, SetText(hSoftware, "x", "1"));
    HKEY hNew = nullptr;
    EXPECT_EQ(ERROR_WRITE_FAULT, RegCreateKeyEx(hSoftware, "Orvel", 0, nullptr, 0,
                                                KEY_ALL_ACCESS, nullptr, &hNew, nullptr));
    RegCloseKey(hSoftware);
}

TEST_F(Registry, AFailedWriteLeavesThePreviousFileAndItsValuesWhole)
{
    HKEY hKey = CreateSuiteKey();
    ASSERT_EQ(ERROR_SUCCESS, SetText(hKey, "CardDelay", "10"));
    ASSERT_EQ(ERROR_SUCCESS, SetText(hKey, "Name", "Mirel"));
    const std::string strBefore = ReadFile();
    {
        // Too small for even the old contents: the new file cannot be written out.
        CFileSizeLimit limit(strBefore.size() / 2);
        ASSERT_TRUE(limit.IsActive());
        EXPECT_EQ(ERROR_WRITE_FAULT, SetText(hKey, "CardDelay", "99"));
        EXPECT_EQ(ERROR_WRITE_FAULT, SetText(hKey, "Added", "yes"));
    }
    RegCloseKey(hKey);

    EXPECT_EQ(strBefore, ReadFile());
    const std::vector<std::string> expected = {"registry"};
    EXPECT_EQ(expected, FileNamesIn(RootFolder() + "/orvelbridge"));
    HKEY hFresh = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Orvel\\velm", 0,
                                          KEY_ALL_ACCESS, &hFresh));
    EXPECT_EQ("10", QueryText(hFresh, "CardDelay"));
    EXPECT_EQ("Mirel", QueryText(hFresh, "Name"));
    EXPECT_EQ("<none>", QueryText(hFresh, "Added"));
    RegCloseKey(hFresh);
}

TEST_F(Registry, OnlyTextValuesAreStoredAndOnlyUpToTheirFirstZero)
{
    HKEY hKey = CreateSuiteKey();
    const DWORD REG_DWORD_TYPE = 4;
    const BYTE number[4] = {1, 0, 0, 0};
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegSetValueEx(hKey, "n", 0, REG_DWORD_TYPE, number, 4));
    const char multi[] = "one\0two\0";
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueEx(hKey, "m", 0, REG_MULTI_SZ,
                                           reinterpret_cast<const BYTE*>(multi), sizeof multi));
    EXPECT_EQ("one", QueryText(hKey, "m"));
    // Data handed over without its terminating zero is stored whole all the same.
    EXPECT_EQ(ERROR_SUCCESS,
              RegSetValueEx(hKey, "t", 0, REG_SZ, reinterpret_cast<const BYTE*>("abcdef"), 3));
    EXPECT_EQ("abc", QueryText(hKey, "t"));
    RegCloseKey(hKey);
}

TEST_F(Registry, ClosedAndMadeUpHandlesAreRefused)
{
    HKEY hKey = CreateSuiteKey();
    RegCloseKey(hKey);
    DWORD cbData = 0;
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegQueryValueEx(hKey, "x", nullptr, nullptr, nullptr,
                                                    &cbData));
    EXPECT_EQ(ERROR_INVALID_HANDLE, SetText(hKey, "x", "1"));
    EXPECT_EQ(ERROR_INVALID_HANDLE, SetText(nullptr, "x", "1"));
    HKEY hResult = nullptr;
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\\\Orvel", 0,
                                                    KEY_ALL_ACCESS, &hResult));
}
