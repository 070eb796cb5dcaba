#include "platform/file/WholeFile.h"

#include <cerrno>
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
constexpr size_t READ_CHUNK = 64 * 1024;
// Temporary names hold the process id and a counter; another process's leftovers with the
// same name are stepped over, a few times at most.
constexpr int MAX_TEMP_TRIES = 100;

// The folder of strPath ("." for a bare name) and its name within it.
void SplitPath(const std::string& strPath, std::string& strFolder, std::string& strName)
{
    const size_t nSlash = strPath.rfind('/');
    if (nSlash == std::string::npos) {
        strFolder = ".";
        strName = strPath;
        return;
    }
    strFolder = nSlash == 0 ? "/" : strPath.substr(0, nSlash);
    strName = strPath.substr(nSlash + 1);
}

// Creates a hidden temporary file beside strPath, open for writing; -1 with errno set when
// none can be made.
int CreateTemporary(const std::string& strPath, FileAccess access, std::string& strTemp)
{
    static unsigned s_nCounter = 0;
    std::string strFolder;
    std::string strName;
    SplitPath(strPath, strFolder, strName);
    const mode_t nMode = access == FileAccess::Private ? PRIVATE_MODE : SHARED_MODE;
    for (int nTry = 0; nTry < MAX_TEMP_TRIES; ++nTry) {
        strTemp = strFolder + "/." + strName + "." + std::to_string(::getpid()) + "." +
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
    return Succeeded() ? std::string() : std::string(std::strerror(nError));
}

FileResult ReadWholeFile(const std::string& strPath, size_t nMaxBytes, std::string& strContents)
{
    strContents.clear();
    const int fd = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Failed(FileResult::Step::Open, errno);
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
    std::string strTemp;
    const int fd = CreateTemporary(strPath, access, strTemp);
    if (fd < 0)
        return Failed(FileResult::Step::Open, errno);
    // Saving over a file must not change who may read it.
    struct stat existing;
    if (::stat(strPath.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd, existing.st_mode & PERMISSION_BITS);

    int nError = 0;
    if (!WriteAll(fd, strContents) || ::fsync(fd) != 0)
        nError = errno;
    if (::close(fd) != 0 && nError == 0)
        nError = errno;
    if (nError == 0 && ::rename(strTemp.c_str(), strPath.c_str()) != 0)
        nError = errno;
    if (nError == 0)
        return FileResult();
    ::unlink(strTemp.c_str());
    return Failed(FileResult::Step::Write, nError);
}

} // namespace plat
