#pragma once
// Whole files read and written in one go.
//
// Writing never leaves a file half written: the new contents go to a temporary file in the
// same folder, every write is checked and the data flushed to disk, and only then is the
// temporary file renamed over the old one. On any failure the old file is untouched and the
// temporary file removed. The settings file and every file the games save go through it.

#include <cstddef>
#include <string>

namespace plat {

// How a whole-file read or write went: the step that failed, with the system's error number
// (errno) for it, or success.
struct FileResult {
    enum class Step {
        Done,  // read or written whole
        Open,  // the file could not be opened (reading) or the temporary one created (writing)
        Read,  // opened, but its contents could not be read
        Write  // a write, the flush, closing or the rename failed
    };
    Step step = Step::Done;
    int nError = 0;

    bool Succeeded() const { return step == Step::Done; }
    // The system's text for the error, such as "No such file or directory"; empty on success.
    std::string ErrorText() const;
};

// Who may read a file the writer creates.
enum class FileAccess {
    Private, // the user alone (the settings)
    Shared   // as the user's umask allows (hand files, exports)
};

// Reads the whole file at strPath into strContents. A file longer than nMaxBytes is not read:
// it fails at the Read step with EFBIG. On failure strContents is left empty.
FileResult ReadWholeFile(const std::string& strPath, size_t nMaxBytes, std::string& strContents);

// Replaces the file at strPath with strContents, or creates it, as described above. A file
// that existed keeps its permission bits; a new one gets those of access.
FileResult WriteFileAtomically(const std::string& strPath, const std::string& strContents,
                               FileAccess access);

} // namespace plat
