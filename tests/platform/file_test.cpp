// Whole files: read with their size bounded, and written so that a failure anywhere leaves
// the old file as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/file.h"
#include "tests/support/CFileSizeLimit.h"
#include "tests/support/CTempWorkingFolder.h"
#include "tests/support/CUnprivileged.h"

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

TEST(WholeFile, ASaveKeepsEveryNameTheOwnerAndTheModeWritingInPlaceWhereARenameWouldNot)
{
    CTempWorkingFolder folder;
    const std::string strFolder(folder.GetPath());
    // nobody reaches its rows' files through the folder; root may make files anywhere.
    ASSERT_EQ(0, ::chmod(strFolder.c_str(), 0777));
    ASSERT_EQ(0, ::mkdir("locked", 0777));
    const bool bRoot = CUnprivileged::IsRoot();
    struct Case {
        const char* szFile;
        const char* szOtherName; // a second name of the file, or none
        bool bNeedsRoot;         // set up as only root can
        bool bNobodys;           // given to nobody
        bool bAsNobody;          // saved by nobody when root runs the test
        rlim_t nSizeLimit;       // during the save, or 0 for none
        int nError;              // the save's, or 0
        bool bInPlace;           // written in place (the same inode), not replaced
    } cases[] = {
        {"plain.brg", nullptr, false, false, false, 0, 0, false},
        {"mine.brg", "club-copy.brg", false, false, false, 0, 0, true},
        // Root gives the new file the owner and group of the old one.
        {"theirs.brg", nullptr, true, true, false, 0, 0, false},
        // A user cannot give root's file to root.
        {"roots.brg", nullptr, true, false, true, 0, 0, true},
        {"locked/mine.brg", nullptr, false, false, true, 0, 0, true},
        // Found out before a byte of the file changes.
        {"limited.brg", "limited-copy.brg", false, false, false, 100, EFBIG, true},
    };
    std::vector<std::string> names = {"locked"};
    for (const Case& c : cases) {
        if (c.bNeedsRoot && !bRoot)
            continue;
        const std::string strOld(300, 'o');
        const std::string strNew(491, 'n');
        std::ofstream(c.szFile) << strOld;
        ASSERT_EQ(0, ::chmod(c.szFile, 0646));
        ASSERT_TRUE(!c.bNobodys || ::chown(c.szFile, CUnprivileged::NOBODY_UID, CUnprivileged::NOBODY_GID) == 0);
        ASSERT_TRUE(c.szOtherName == nullptr || ::link(c.szFile, c.szOtherName) == 0);
        for (const char* szName : {c.szFile, c.szOtherName}) {
            if (szName != nullptr && std::strchr(szName, '/') == nullptr)
                names.push_back(szName);
        }
        struct stat before, after;
        ASSERT_EQ(0, ::stat(c.szFile, &before));
        ASSERT_EQ(0, ::chmod("locked", 0555));
        std::optional<CUnprivileged> unprivileged;
        if (c.bAsNobody)
            unprivileged.emplace();
        std::optional<CFileSizeLimit> limit;
        if (c.nSizeLimit != 0)
            limit.emplace(c.nSizeLimit);
        const FileResult result = plat::WriteWholeFile(c.szFile, strNew, FileAccess::Shared);
        limit.reset();
        unprivileged.reset();
        ASSERT_EQ(0, ::chmod("locked", 0777));
        EXPECT_EQ(c.nError, result.nError) << c.szFile;
        for (const char* szName : {c.szFile, c.szOtherName})
            EXPECT_TRUE(szName == nullptr || ReadBytes(szName) == (c.nError == 0 ? strNew : strOld)) << szName;
        ASSERT_EQ(0, ::stat(c.szFile, &after));
        EXPECT_EQ(c.bInPlace, after.st_ino == before.st_ino) << c.szFile;
        EXPECT_EQ(before.st_uid, after.st_uid) << c.szFile;
        EXPECT_EQ(before.st_gid, after.st_gid) << c.szFile;
        EXPECT_EQ(before.st_mode, after.st_mode) << c.szFile;
    }
    // No temporary file is left, wherever the save went.
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, FileNamesIn(strFolder));
    EXPECT_EQ(std::vector<std::string>{"mine.brg"}, FileNamesIn(strFolder + "/locked"));
    if (!bRoot)
        GTEST_SKIP() << "the rows of files another user owns need root";
}
