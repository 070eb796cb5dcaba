#include "tests/support/CTempWorkingFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <dirent.h>
#include <unistd.h>

CTempWorkingFolder::CTempWorkingFolder()
{
    char szTemplate[] = "/tmp/orvel-dir-XXXXXX";
    const char* szPath = ::mkdtemp(szTemplate);
    EXPECT_NE(nullptr, szPath);
    if (szPath == nullptr)
        return;
    m_strPath = szPath;
    char szOld[PATH_MAX] = {};
    EXPECT_NE(nullptr, ::getcwd(szOld, sizeof szOld));
    m_strOld = szOld;
    EXPECT_EQ(0, ::chdir(szPath));
}

CTempWorkingFolder::~CTempWorkingFolder()
{
    if (m_strPath.IsEmpty())
        return;
    EXPECT_EQ(0, ::chdir(m_strOld));
    const std::string strCommand = "rm -rf '" + std::string(m_strPath) + "'";
    EXPECT_EQ(0, std::system(strCommand.c_str()));
}

void TouchFile(const char* szName)
{
    FILE* pFile = std::fopen(szName, "w");
    ASSERT_NE(nullptr, pFile);
    std::fclose(pFile);
}

std::vector<std::string> FileNamesIn(const std::string& strFolder)
{
    std::vector<std::string> names;
    DIR* pDir = ::opendir(strFolder.c_str());
    if (pDir == nullptr)
        return names;
    while (const dirent* pEntry = ::readdir(pDir)) {
        const std::string strName = pEntry->d_name;
        if (strName != "." && strName != "..")
            names.push_back(strName);
    }
    ::closedir(pDir);
    std::sort(names.begin(), names.end());
    return names;
}
