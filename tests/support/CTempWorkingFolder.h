#pragma once
// CTempWorkingFolder: while it lives, the current folder is a fresh temporary one, so a test
// can create, list and save files by relative name. The old current folder comes back and
// the temporary one is removed with everything in it when it goes out of scope.

#include <string>
#include <vector>

#include "platform/base/CString.h"

class CTempWorkingFolder {
public:
    CTempWorkingFolder();
    ~CTempWorkingFolder();
    CTempWorkingFolder(const CTempWorkingFolder&) = delete;
    CTempWorkingFolder& operator=(const CTempWorkingFolder&) = delete;

    // The temporary folder's absolute path.
    const CString& GetPath() const { return m_strPath; }

private:
    CString m_strPath;
    CString m_strOld;
};

// Creates an empty file szName (relative to the current folder).
void TouchFile(const char* szName);
// The names of the files and folders in strFolder, sorted; none when it cannot be listed.
std::vector<std::string> FileNamesIn(const std::string& strFolder);
