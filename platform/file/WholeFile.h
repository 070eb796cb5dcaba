#pragma once
// Whole files read and written in one go.
//
// Writing atomically never leaves a file half written: the new contents go to a temporary
// file in the same folder, every write is checked and the data flushed to disk, and only then
// is the temporary file renamed over the old one. On any failure the old file is untouched
// and the temporary file removed. The settings file is written so.
//
// Writing a whole file, as the games save theirs, keeps what a plain write keeps: it refuses
// anything but a regular file, and the file keeps its other names, its owner, group and
// permissions. It is written atomically as above wherever the new file can keep them all;
// where it cannot, the file is written in place, and only once the new contents are known to
// fit (see WriteWholeFile).
//
// Reading takes regular files only: a named pipe, a device or a folder is refused before a
// single byte is read, so that no read can wait for ever on a writer that never comes.

#include <cstddef>
#include <string>

namespace plat {

// How a whole-file read or write went: the step that failed, with the system's error number
// (errno) for it, or success.
struct FileResult {
    enum class Step {
        Done,       // read or written whole
        Open,       // the file could not be opened (reading), or not written (writing): the
                    // temporary one could not be created nor the file itself opened, or
                    // the file is read-only
        NotRegular, // the path names a pipe, a socket, a device or a folder, directly or
                    // through links (nError is 0); never opened
        Read,       // opened, but its contents could not be read
        Write       // a write, the flush, closing or the rename failed, or the new contents
                    // would not fit the file written in place
    };
    Step step = Step::Done;
    int nError = 0;

    bool Succeeded() const { return step == Step::Done; }
    // The system's text for the error, such as "No such file or directory"; "Not a regular
    // file" for NotRegular; empty on success.
    std::string ErrorText() const;
};

// Who may read a file the writer creates.
enum class FileAccess {
    Private, // the user alone (the settings)
    Shared   // as the user's umask allows (hand files, exports)
};

// Reads the whole regular file at strPath into strContents, never waiting for a writer. A file
// longer than nMaxBytes is not read: it fails at the Read step with EFBIG. On failure
// strContents is left empty.
FileResult ReadWholeFile(const std::string& strPath, size_t nMaxBytes, std::string& strContents);

// Replaces the file at strPath with strContents, or creates it, as described above. A file
// that existed keeps its permission bits; a new one gets those of access. A symbolic link is
// followed: its target is replaced (the temporary file goes beside the target) and the link
// stays. A file the user may not write fails at the Open step with EACCES, as a plain write
// would; one with no write permission bit at all counts as read-only for root too, whom the
// system would let write it. Any name the system allows can be written: the temporary name
// does not grow with it.
FileResult WriteFileAtomically(const std::string& strPath, const std::string& strContents,
                               FileAccess access);

// Replaces the contents of the regular file at strPath with strContents, or creates it, as a
// plain write would (links followed, read-only files refused as above), but never half way
// where that can be avoided. A path that names anything but a regular file, directly or
// through links, fails at the NotRegular step untouched. A file that existed keeps its other
// hard links, its owner, its group and its permission bits:
// - when it has no other name and the temporary file can be given its owner and group, it
//   is replaced atomically as WriteFileAtomically does;
// - otherwise (other names, an owner or group the process cannot give, a folder that takes
//   no new file) it is written in place and flushed. The file-size limit and, where the file
//   system can reserve it, the disk space are checked first, and a file they do not let the
//   contents fill fails at the Write step untouched. A failure after that (an I/O error, the
//   machine stopping) leaves the new contents up to that point followed by the old ones,
//   under every name of the file.
// A new file is created atomically with the permissions of access.
FileResult WriteWholeFile(const std::string& strPath, const std::string& strContents,
                          FileAccess access);

} // namespace plat
