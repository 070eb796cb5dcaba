#pragma once
// CSettingsFolderTest: a test fixture that points $XDG_CONFIG_HOME at a fresh folder of its
// own for each test and puts the old value back afterwards, so tests of the settings file
// can read, write and damage it without touching each other's (or a person's) settings.

#include <gtest/gtest.h>

#include <string>

class CSettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The temporary folder that stands in for $XDG_CONFIG_HOME.
    const std::string& RootFolder() const { return m_strRoot; }
    // The settings file inside it.
    std::string FilePath() const;
    // The settings file's bytes (empty when there is none).
    std::string ReadFile() const;
    // Replaces the settings file with strText, making its folder when needed.
    void WriteFile(const std::string& strText) const;

private:
    std::string m_strRoot;
    std::string m_strOld;
    bool m_bHadOld = false;
};
