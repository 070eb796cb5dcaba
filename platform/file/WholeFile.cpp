#include "platform/file/WholeFile.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

namespace {

constexpr mode_t PRIVATE_MODE = 0600;
// The umask takes away what the user does not hand out.
constexpr mode_t SHARED_MODE = 0666;
constexpr mode_t PERMISSION_BITS = 07777;
constexpr mode_t ANY_WRITE_BITS = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr size_t READ_CHUNK = 64 * 1024;
// Temporary names are this hidden prefix, the process id and a counter, never the saved
// file's own name: that may already be as long as a name can be. Another process's leftovers
// with the same name are stepped over, a few times at most.
constexpr char TEMP_PREFIX[] = ".orvel-save.";
constexpr int MAX_TEMP_TRIES = 100;
// Symbolic links followed in a row before a save gives up, as the system itself does.
constexpr int MAX_LINK_HOPS = 40;
constexpr char NOT_REGULAR_TEXT[] = "Not a regular file";

// The folder of strPath ("." for a bare name).
std::string FolderOf(const std::string& strPath)
{
    const size_t nSlash = strPath.rfind('/');
    if (nSlash == std::string::npos)
        return ".";
    return nSlash == 0 ? "/" : strPath.substr(0, nSlash);
}

// The file a write to strPath reaches: while the path names a symbolic link, the link's
// target (a relative one taken from the link's folder). False, with errno set, for a link that
// cannot be read or a chain of links that does not end.
bool FollowLinks(const std::string& strPath, std::string& strTarget)
{
    strTarget = strPath;
    for (int nHop = 0; nHop < MAX_LINK_HOPS; ++nHop) {
        struct stat info;
        // A path that cannot be looked at is left to the writes to report.
        if (::lstat(strTarget.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        char szLink[PATH_MAX];
        const ssize_t nLength = ::readlink(strTarget.c_str(), szLink, sizeof szLink);
        if (nLength < 0)
            return false;
        if (static_cast<size_t>(nLength) == sizeof szLink) {
            errno = ENAMETOOLONG;
            return false;
        }
        const std::string strLink(szLink, static_cast<size_t>(nLength));
        strTarget = strLink[0] == '/' ? strLink : FolderOf(strTarget) + "/" + strLink;
    }
    errno = ELOOP;
    return false;
}

// Why a plain write would not be let into the existing file strTarget (an errno value), or 0.
// The system lets root write anything, but a file with no write permission bit at all was
// made read-only on purpose, and root's saves respect that too.
int WriteRefusal(const std::string& strTarget, const struct stat& info)
{
    if (::faccessat(AT_FDCWD, strTarget.c_str(), W_OK, AT_EACCESS) != 0)
        return errno;
    return (info.st_mode & ANY_WRITE_BITS) == 0 ? EACCES : 0;
}

bool WriteAll(int fd, const std::string& strText)
{
    size_t nDone = 0;
    while (nDone < strText.size()) {
        const ssize_t nWritten = ::write(fd, strText.data() + nDone, strText.size() - nDone);
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten < 0)
            return false;
        if (nWritten == 0) {
            errno = EIO;
            return false;
        }
        nDone += static_cast<size_t>(nWritten);
    }
    return true;
}

// A hidden temporary file beside the file it is to replace, removed again unless it took
// that file's place.
class CTemporaryFile {
public:
    CTemporaryFile() = default;
    ~CTemporaryFile();
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;

    // Creates it beside strTarget, open for writing; false, with errno set, when none can be
    // made.
    bool Create(const std::string& strTarget, FileAccess access);
    // Gives it the owner and group of the file existing describes; false, with errno set,
    // when the process may not.
    bool TakeOwner(const struct stat& existing);
    // Gives it the permission bits of the file existing describes.
    void TakeMode(const struct stat& existing);
    // Writes strContents, flushes and closes it, then renames it over strTarget. The errno
    // of the step that failed, or 0.
    int Replace(const std::string& strTarget, const std::string& strContents);

private:
    int m_fd = -1;
    std::string m_strPath;
    bool m_bPlaced = false;
};

CTemporaryFile::~CTemporaryFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_strPath.empty() && !m_bPlaced)
        ::unlink(m_strPath.c_str());
}

bool CTemporaryFile::Create(const std::string& strTarget, FileAccess access)
{
    static unsigned s_nCounter = 0;
    const std::string strFolder = FolderOf(strTarget);
    const mode_t nMode = access == FileAccess::Private ? PRIVATE_MODE : SHARED_MODE;
    for (int nTry = 0; nTry < MAX_TEMP_TRIES; ++nTry) {
        const std::string strTemp = strFolder + "/" + TEMP_PREFIX + std::to_string(::getpid()) +
                                    "." + std::to_string(s_nCounter++);
        m_fd = ::open(strTemp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, nMode);
        if (m_fd >= 0)
            m_strPath = strTemp;
        if (m_fd >= 0 || errno != EEXIST)
            return m_fd >= 0;
    }
    return false;
}

bool CTemporaryFile::TakeOwner(const struct stat& existing)
{
    struct stat made;
    if (::fstat(m_fd, &made) != 0)
        return false;
    if (made.st_uid == existing.st_uid && made.st_gid == existing.st_gid)
        return true;
    return ::fchown(m_fd, existing.st_uid, existing.st_gid) == 0;
}

void CTemporaryFile::TakeMode(const struct stat& existing)
{
    ::fchmod(m_fd, existing.st_mode & PERMISSION_BITS);
}

int CTemporaryFile::Replace(const std::string& strTarget, const std::string& strContents)
{
    int nError = 0;
    if (!WriteAll(m_fd, strContents) || ::fsync(m_fd) != 0)
        nError = errno;
    if (::close(m_fd) != 0 && nError == 0)
        nError = errno;
    m_fd = -1;
    if (nError == 0 && ::rename(m_strPath.c_str(), strTarget.c_str()) != 0)
        nError = errno;
    m_bPlaced = nError == 0;
    return nError;
}

FileResult Failed(FileResult::Step step, int nError)
{
    FileResult result;
    result.step = step;
    result.nError = nError;
    return result;
}

// Success for an nError of 0, else a failure at the Write step.
FileResult Written(int nError)
{
    return nError == 0 ? FileResult() : Failed(FileResult::Step::Write, nError);
}

// Writes strContents to a new temporary file beside strTarget (link already followed) and
// renames it over strTarget. pExisting describes the regular file it replaces, whose
// permissions it takes; nullptr for a new file, made with those of access.
FileResult ReplaceThroughTemporary(const std::string& strTarget, const std::string& strContents,
                                   FileAccess access, const struct stat* pExisting)
{
    CTemporaryFile temp;
    if (!temp.Create(strTarget, access))
        return Failed(FileResult::Step::Open, errno);
    // Saving over a file must not change who may read it.
    if (pExisting != nullptr)
        temp.TakeMode(*pExisting);
    return Written(temp.Replace(strTarget, strContents));
}

// Why strContents of nSize bytes would not fit the open file fd (an errno value), or 0, found
// out before a byte of the file changes: the file-size limit, then the disk space, reserved
// without changing the file where the file system can reserve it.
int RoomRefusal(int fd, size_t nSize)
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        nSize > limit.rlim_cur)
        return EFBIG;
    if (nSize == 0 || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(nSize)) == 0)
        return 0;
    // Where nothing can be reserved, the writes find out.
    return errno == EOPNOTSUPP || errno == ENOSYS ? 0 : errno;
}

// Writes strContents over the regular file strTarget itself, once they are known to fit, and
// flushes it: every name of the file shows them, and its owner and permissions stay.
FileResult WriteInPlace(const std::string& strTarget, const std::string& strContents)
{
    // The file may have been swapped for a pipe or a link since it was looked at: opened
    // without waiting for a reader or following a link, and looked at again.
    const int fd = ::open(strTarget.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return Failed(FileResult::Step::Open, errno);
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return Failed(FileResult::Step::NotRegular, 0);
    }
    int nError = RoomRefusal(fd, strContents.size());
    if (nError == 0 &&
        (!WriteAll(fd, strContents) ||
         ::ftruncate(fd, static_cast<off_t>(strContents.size())) != 0 || ::fsync(fd) != 0))
        nError = errno;
    if (::close(fd) != 0 && nError == 0)
        nError = errno;
    return Written(nError);
}

} // namespace

std::string FileResult::ErrorText() const
{
    if (step == Step::NotRegular)
        return NOT_REGULAR_TEXT;
    return Succeeded() ? std::string() : std::string(std::strerror(nError));
}

FileResult ReadWholeFile(const std::string& strPath, size_t nMaxBytes, std::string& strContents)
{
    strContents.clear();
    // Looked at before it is opened, as opening some devices already does something; and
    // opened without waiting, as opening a pipe waits for a writer. The check is made again
    // on what was opened, which may have been swapped meanwhile.
    struct stat info;
    if (::stat(strPath.c_str(), &info) != 0)
        return Failed(FileResult::Step::Open, errno);
    if (!S_ISREG(info.st_mode))
        return Failed(FileResult::Step::NotRegular, 0);
    const int fd = ::open(strPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failed(FileResult::Step::Open, errno);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Failed(FileResult::Step::NotRegular, 0);
    }
    std::string strRead;
    char buffer[READ_CHUNK];
    int nError = 0;
    for (;;) {
        const ssize_t nRead = ::read(fd, buffer, sizeof buffer);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead < 0) {
            nError = errno;
            break;
        }
        if (nRead == 0)
            break;
        if (strRead.size() + static_cast<size_t>(nRead) > nMaxBytes) {
            nError = EFBIG;
            break;
        }
        strRead.append(buffer, static_cast<size_t>(nRead));
    }
    ::close(fd);
    if (nError != 0)
        return Failed(FileResult::Step::Read, nError);
    strContents.swap(strRead);
    return FileResult();
}

FileResult WriteFileAtomically(const std::string& strPath, const std::string& strContents,
                               FileAccess access)
{
    std::string strTarget;
    if (!FollowLinks(strPath, strTarget))
        return Failed(FileResult::Step::Open, errno);
    struct stat existing;
    const bool bReplaces = ::stat(strTarget.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    if (bReplaces) {
        const int nRefusal = WriteRefusal(strTarget, existing);
        if (nRefusal != 0)
            return Failed(FileResult::Step::Open, nRefusal);
    }
    return ReplaceThroughTemporary(strTarget, strContents, access, bReplaces ? &existing : nullptr);
}

FileResult WriteWholeFile(const std::string& strPath, const std::string& strContents,
                          FileAccess access)
{
    std::string strTarget;
    if (!FollowLinks(strPath, strTarget))
        return Failed(FileResult::Step::Open, errno);
    struct stat existing;
    // A new file, or a path whose writes will tell why there can be none.
    if (::stat(strTarget.c_str(), &existing) != 0)
        return ReplaceThroughTemporary(strTarget, strContents, access, nullptr);
    // A plain write would feed a pipe or a device, never turn it into a file.
    if (!S_ISREG(existing.st_mode))
        return Failed(FileResult::Step::NotRegular, 0);
    const int nRefusal = WriteRefusal(strTarget, existing);
    if (nRefusal != 0)
        return Failed(FileResult::Step::Open, nRefusal);
    // A new file renamed over this one would leave its other names with the old contents.
    // Until it takes the file's owner and permissions it is the user's alone.
    if (existing.st_nlink == 1) {
        CTemporaryFile temp;
        if (temp.Create(strTarget, FileAccess::Private) && temp.TakeOwner(existing)) {
            temp.TakeMode(existing);
            return Written(temp.Replace(strTarget, strContents));
        }
    }
    return WriteInPlace(strTarget, strContents);
}

} // namespace plat
