// Whole files: read with their size bounded, and written so that a failure anywhere leaves
// the old file as it was.

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "platform/file.h"
#include "tests/support/CFileSizeLimit.h"
#include "tests/support/CTempWorkingFolder.h"

namespace {

using plat::FileAccess;
using plat::FileResult;

std::string ReadBytes(const char* szPath)
{
    std::string strContents;
    EXPECT_TRUE(plat::ReadWholeFile(szPath, 1 << 20, strContents).Succeeded()) << szPath;
    return strContents;
}

mode_t PermissionsOf(const char* szPath)
{
    struct stat info;
    EXPECT_EQ(0, ::stat(szPath, &info)) << szPath;
    return info.st_mode & 0777;
}

// Sets the umask for one test and puts the old one back.
class CUmask {
public:
    explicit CUmask(mode_t nMask) : m_nOld(::umask(nMask)) {}
    ~CUmask() { ::umask(m_nOld); }
    CUmask(const CUmask&) = delete;
    CUmask& operator=(const CUmask&) = delete;

private:
    mode_t m_nOld;
};

} // namespace

TEST(WholeFile, WritesCreateAndReplaceFilesAndLeaveNoTemporaryOnes)
{
    CTempWorkingFolder folder;
    CUmask umask(022);
    const std::string strBinary("line\n\0\xff end", 11);
    EXPECT_TRUE(plat::WriteFileAtomically("hand.brg", strBinary, FileAccess::Shared).Succeeded());
    EXPECT_EQ(strBinary, ReadBytes("hand.brg"));
    EXPECT_EQ(0644u, PermissionsOf("hand.brg"));
    EXPECT_TRUE(plat::WriteFileAtomically("secret", "x", FileAccess::Private).Succeeded());
    EXPECT_EQ(0600u, PermissionsOf("secret"));

    // Replacing a file keeps its permissions, whatever the access asked for a new one.
    ASSERT_EQ(0, ::chmod("hand.brg", 0640));
    EXPECT_TRUE(plat::WriteFileAtomically("hand.brg", "shorter", FileAccess::Shared).Succeeded());
    EXPECT_EQ("shorter", ReadBytes("hand.brg"));
    EXPECT_EQ(0640u, PermissionsOf("hand.brg"));
    // An empty text gives an empty file; a path with folders works as a bare name does.
    EXPECT_TRUE(plat::WriteFileAtomically(std::string(folder.GetPath()) + "/empty.csv", "",
                                          FileAccess::Shared)
                    .Succeeded());
    EXPECT_EQ("", ReadBytes("empty.csv"));

    const std::vector<std::string> expected = {"empty.csv", "hand.brg", "secret"};
    EXPECT_EQ(expected, FileNamesIn(std::string(folder.GetPath())));
}

TEST(WholeFile, AFailedWriteLeavesTheOldFileByteForByteAndSaysWhy)
{
    CTempWorkingFolder folder;
    const std::string strOld(300, 'o');
    ASSERT_TRUE(plat::WriteFileAtomically("deal.xml", strOld, FileAccess::Shared).Succeeded());
    FileResult result;
    {
        CFileSizeLimit limit(100);
        ASSERT_TRUE(limit.IsActive());
        result = plat::WriteFileAtomically("deal.xml", std::string(491, 'n'), FileAccess::Shared);
    }
    EXPECT_EQ(FileResult::Step::Write, result.step);
    EXPECT_EQ(EFBIG, result.nError);
    EXPECT_EQ("File too large", result.ErrorText());
    EXPECT_EQ(strOld, ReadBytes("deal.xml"));
    EXPECT_EQ(std::vector<std::string>{"deal.xml"}, FileNamesIn(std::string(folder.GetPath())));

    // No folder to put the file in: the temporary file cannot even be made.
    result = plat::WriteFileAtomically("missing/deal.xml", "x", FileAccess::Shared);
    EXPECT_EQ(FileResult::Step::Open, result.step);
    EXPECT_EQ(ENOENT, result.nError);
    EXPECT_EQ("No such file or directory", result.ErrorText());

    // A folder of that name cannot be replaced by a file; the temporary one goes again.
    ASSERT_EQ(0, ::mkdir("taken", 0755));
    result = plat::WriteFileAtomically("taken", "x", FileAccess::Shared);
    EXPECT_EQ(FileResult::Step::Write, result.step);
    EXPECT_EQ(EISDIR, result.nError);
    const std::vector<std::string> expected = {"deal.xml", "taken"};
    EXPECT_EQ(expected, FileNamesIn(std::string(folder.GetPath())));
}

TEST(WholeFile, ReadsTellAMissingFileFromOneThatCannotBeReadOrIsTooLong)
{
    CTempWorkingFolder folder;
    std::string strContents = "stale";
    FileResult result = plat::ReadWholeFile("missing.brg", 100, strContents);
    EXPECT_EQ(FileResult::Step::Open, result.step);
    EXPECT_EQ(ENOENT, result.nError);
    EXPECT_EQ("", strContents);

    ASSERT_EQ(0, ::mkdir("folder.brg", 0755));
    result = plat::ReadWholeFile("folder.brg", 100, strContents);
    EXPECT_EQ(FileResult::Step::NotRegular, result.step);
    EXPECT_EQ("Not a regular file", result.ErrorText());

    std::ofstream("long.brg") << std::string(101, 'x');
    result = plat::ReadWholeFile("long.brg", 100, strContents);
    EXPECT_EQ(FileResult::Step::Read, result.step);
    EXPECT_EQ(EFBIG, result.nError);
    EXPECT_EQ("", strContents);
    // Exactly the limit is read whole, in several chunks when it is large.
    EXPECT_TRUE(plat::ReadWholeFile("long.brg", 101, strContents).Succeeded());
    EXPECT_EQ(std::string(101, 'x'), strContents);
    const std::string strLarge(200000, 'L');
    std::ofstream("large.brg") << strLarge;
    EXPECT_TRUE(plat::ReadWholeFile("large.brg", strLarge.size(), strContents).Succeeded());
    EXPECT_EQ(strLarge, strContents);
}
