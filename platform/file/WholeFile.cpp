#include "platform/file/WholeFile.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include <fcntl.h>
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

// Creates a hidden temporary file beside strPath, open for writing; -1 with errno set when
// none can be made.
int CreateTemporary(const std::string& strPath, FileAccess access, std::string& strTemp)
{
    static unsigned s_nCounter = 0;
    const std::string strFolder = FolderOf(strPath);
    const mode_t nMode = access == FileAccess::Private ? PRIVATE_MODE : SHARED_MODE;
    for (int nTry = 0; nTry < MAX_TEMP_TRIES; ++nTry) {
        strTemp = strFolder + "/" + TEMP_PREFIX + std::to_string(::getpid()) + "." +
                  std::to_string(s_nCounter++);
        const int fd = ::open(strTemp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, nMode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
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

FileResult Failed(FileResult::Step step, int nError)
{
    FileResult result;
    result.step = step;
    result.nError = nError;
    return result;
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
    std::string strTemp;
    const int fd = CreateTemporary(strTarget, access, strTemp);
    if (fd < 0)
        return Failed(FileResult::Step::Open, errno);
    // Saving over a file must not change who may read it.
    if (bReplaces)
        ::fchmod(fd, existing.st_mode & PERMISSION_BITS);

    int nError = 0;
    if (!WriteAll(fd, strContents) || ::fsync(fd) != 0)
        nError = errno;
    if (::close(fd) != 0 && nError == 0)
        nError = errno;
    if (nError == 0 && ::rename(strTemp.c_str(), strTarget.c_str()) != 0)
        nError = errno;
    if (nError == 0)
        return FileResult();
    ::unlink(strTemp.c_str());
    return Failed(FileResult::Step::Write, nError);
}

} // namespace plat
