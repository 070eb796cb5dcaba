#include "tests/support/CSettingsFolderTest.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <unistd.h>

void CSettingsFolderTest::SetUp()
{
    const char* szOld = std::getenv("XDG_CONFIG_HOME");
    m_bHadOld = szOld != nullptr;
    if (m_bHadOld)
        m_strOld = szOld;
    char szTemplate[] = "/tmp/orvel-settings.XXXXXX";
    ASSERT_NE(nullptr, ::mkdtemp(szTemplate));
    m_strRoot = szTemplate;
    ::setenv("XDG_CONFIG_HOME", m_strRoot.c_str(), 1);
}

void CSettingsFolderTest::TearDown()
{
    std::system(("rm -rf '" + m_strRoot + "'").c_str());
    if (m_bHadOld)
        ::setenv("XDG_CONFIG_HOME", m_strOld.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

std::string CSettingsFolderTest::FilePath() const
{
    return m_strRoot + "/orvelbridge/registry";
}

std::string CSettingsFolderTest::ReadFile() const
{
    std::ifstream file(FilePath(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void CSettingsFolderTest::WriteFile(const std::string& strText) const
{
    std::system(("mkdir -p '" + m_strRoot + "/orvelbridge'").c_str());
    std::ofstream(FilePath(), std::ios::binary) << strText;
}
