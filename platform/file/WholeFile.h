#pragma once
// Whole files read and written in one go.
//
// Writing never leaves a file half written: the new contents go to a temporary file in the
// same folder, every write is checked and the data flushed to disk, and only then is the
// temporary file renamed over the old one. On any failure the old file is untouched and the
// temporary file removed. The settings file and every file the games save go through it.
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
        Open,       // the file could not be opened (reading), or not replaced (writing): the
                    // temporary one could not be created, or the file is read-only
        NotRegular, // reading: the path names a pipe, a device or a folder (nError is 0)
        Read,       // opened, but its contents could not be read
        Write       // a write, the flush, closing or the rename failed
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

} // namespace plat
