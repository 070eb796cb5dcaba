#include "platform/reg/registry.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <unordered_set>

#include <pwd.h>
#include <unistd.h>

#include "platform/reg/CRegistryStore.h"

// An open key: the full path of the key it names.
struct HKEY__ {
    std::string strPath;
};

namespace {

const char* const ROOT_PATH = "HKEY_CURRENT_USER";
const char* const ALWAYS_PRESENT_PATH = "HKEY_CURRENT_USER\\Software";
const char* const SETTINGS_FOLDER = "/orvelbridge";
const char* const SETTINGS_FILE = "/registry";
const char* const DEFAULT_CONFIG_FOLDER = "/.config";
const char* const DAMAGED_SUFFIX = ".damaged";

CRegistryStore& Store()
{
    static CRegistryStore s_store;
    return s_store;
}

// What the last read of the settings file found; the writes that follow go by it.
CRegistryStore::FileState& LastFileState()
{
    static CRegistryStore::FileState s_state = CRegistryStore::FileState::Whole;
    return s_state;
}

// Prints strLine on standard error unless it was printed already: the file is read again at
// every key opened and every write, and one line tells the person enough.
void TellOnce(const std::string& strLine)
{
    static std::set<std::string> s_told;
    if (s_told.insert(strLine).second)
        std::fprintf(stderr, "%s\n", strLine.c_str());
}

// The name a settings file that was not read whole is kept under: beside the file the
// settings path names (the target of a link).
std::string KeptName(const std::string& strFile)
{
    char* szTarget = ::realpath(strFile.c_str(), nullptr);
    const std::string strTarget = szTarget != nullptr ? szTarget : strFile;
    std::free(szTarget);
    return strTarget + DAMAGED_SUFFIX;
}

// Reads the settings file into the store, telling of a file that could not be read whole.
// False when the file must be left as it is: it is no regular file, or cannot be read.
bool LoadFile(const std::string& strFile)
{
    using FileState = CRegistryStore::FileState;
    std::string strReason;
    LastFileState() = Store().Load(strFile, strReason);
    const std::string strAbout = "Settings file " + strFile + ": ";
    switch (LastFileState()) {
    case FileState::Whole:
        return true;
    case FileState::Damaged:
        TellOnce(strAbout + "lines that made no sense were skipped; it is kept as " +
                 KeptName(strFile) + " at the next save.");
        return true;
    case FileState::TooLarge:
        TellOnce(strAbout + "larger than " + std::to_string(CRegistryStore::MAX_FILE_BYTES) +
                 " bytes, so the defaults are used; it is kept as " + KeptName(strFile) +
                 " at the next save.");
        return true;
    case FileState::Unreadable:
        break;
    }
    TellOnce(strAbout + strReason + "; the defaults are used and the file is left alone.");
    return false;
}

// Writes the store to the settings file. A file that was not read whole is first kept beside
// the file it names (KeptName), so that nothing it held is lost without a copy; it comes back
// when the new file cannot be written.
bool SaveFile(const std::string& strFile)
{
    if (LastFileState() == CRegistryStore::FileState::Whole)
        return Store().Save(strFile);
    const std::string strKept = KeptName(strFile);
    const std::string strTarget = strKept.substr(0, strKept.size() - std::strlen(DAMAGED_SUFFIX));
    if (std::rename(strTarget.c_str(), strKept.c_str()) != 0)
        return false;
    if (!Store().Save(strFile)) {
        std::rename(strKept.c_str(), strTarget.c_str());
        return false;
    }
    LastFileState() = CRegistryStore::FileState::Whole;
    return true;
}

// Handles handed out and not yet closed, so a stale or foreign handle is refused rather
// than followed.
std::unordered_set<HKEY>& OpenHandles()
{
    static std::unordered_set<HKEY> s_handles;
    return s_handles;
}

// The key path hKey names, or false for a handle that is not open.
bool PathOf(HKEY hKey, std::string& strPath)
{
    if (hKey == HKEY_CURRENT_USER) {
        strPath = ROOT_PATH;
        return true;
    }
    if (!OpenHandles().count(hKey))
        return false;
    strPath = hKey->strPath;
    return true;
}

// The path of lpSubKey below strParent; false when a name on the way is empty.
bool JoinSubKey(const std::string& strParent, LPCTSTR lpSubKey, std::string& strPath)
{
    strPath = strParent;
    if (!lpSubKey || !*lpSubKey)
        return true;
    std::string strSub(lpSubKey);
    if (strSub.back() == '\\')
        strSub.pop_back();
    if (strSub.empty() || strSub.front() == '\\' || strSub.find("\\\\") != std::string::npos ||
        strSub.find_first_of("\r\n") != std::string::npos)
        return false;
    strPath += "\\" + strSub;
    return true;
}

// Checks the arguments common to opening and creating a key and finds the path of the key
// asked for; ERROR_SUCCESS or the error to return.
LONG SubKeyPath(HKEY hKey, LPCTSTR lpSubKey, PHKEY phkResult, std::string& strPath)
{
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    std::string strParent;
    if (!PathOf(hKey, strParent))
        return ERROR_INVALID_HANDLE;
    if (!JoinSubKey(strParent, lpSubKey, strPath))
        return ERROR_INVALID_PARAMETER;
    return ERROR_SUCCESS;
}

bool KeyExists(const std::string& strPath)
{
    return RegNamesEqual(strPath, ROOT_PATH) || RegNamesEqual(strPath, ALWAYS_PRESENT_PATH) ||
           Store().KeyExists(strPath);
}

HKEY NewHandle(const std::string& strPath)
{
    HKEY hKey = new HKEY__{strPath};
    OpenHandles().insert(hKey);
    return hKey;
}

bool IsTextType(DWORD dwType)
{
    return dwType == REG_SZ || dwType == REG_EXPAND_SZ || dwType == REG_MULTI_SZ;
}

std::string ValueName(LPCTSTR lpValueName)
{
    return lpValueName ? lpValueName : "";
}

} // namespace

namespace plat {

std::string RegistryFilePath()
{
    std::string strConfig;
    const char* szXdg = std::getenv("XDG_CONFIG_HOME");
    // The base-directory rules ignore a relative setting.
    if (szXdg && szXdg[0] == '/') {
        strConfig = szXdg;
    } else {
        const char* szHome = std::getenv("HOME");
        if (!szHome || !*szHome) {
            const passwd* pUser = ::getpwuid(::getuid());
            szHome = pUser ? pUser->pw_dir : ".";
        }
        strConfig = std::string(szHome) + DEFAULT_CONFIG_FOLDER;
    }
    return strConfig + SETTINGS_FOLDER + SETTINGS_FILE;
}

} // namespace plat

LONG RegOpenKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult)
{
    std::string strPath;
    const LONG lResult = SubKeyPath(hKey, lpSubKey, phkResult, strPath);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    LoadFile(plat::RegistryFilePath());
    if (!KeyExists(strPath))
        return ERROR_FILE_NOT_FOUND;
    *phkResult = NewHandle(strPath);
    return ERROR_SUCCESS;
}

LONG RegCreateKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD, LPTSTR, DWORD, REGSAM,
                    LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition)
{
    std::string strPath;
    const LONG lResult = SubKeyPath(hKey, lpSubKey, phkResult, strPath);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    const std::string strFile = plat::RegistryFilePath();
    // A file that exists but cannot be read is never replaced by what little is in memory.
    const bool bWritable = LoadFile(strFile);
    const bool bExisted = KeyExists(strPath);
    if (!bExisted) {
        Store().CreateKey(strPath);
        if (!bWritable || !SaveFile(strFile))
            return ERROR_WRITE_FAULT;
    }
    *phkResult = NewHandle(strPath);
    if (lpdwDisposition)
        *lpdwDisposition = bExisted ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    return ERROR_SUCCESS;
}

LONG RegQueryValueEx(HKEY hKey, LPCTSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData,
                     LPDWORD lpcbData)
{
    std::string strPath;
    if (!PathOf(hKey, strPath))
        return ERROR_INVALID_HANDLE;
    if (lpData && !lpcbData)
        return ERROR_INVALID_PARAMETER;
    const std::string* pValue = Store().FindValue(strPath, ValueName(lpValueName));
    if (!pValue)
        return ERROR_FILE_NOT_FOUND;
    if (lpType)
        *lpType = REG_SZ;
    const DWORD cbNeeded = static_cast<DWORD>(pValue->size() + 1);
    if (!lpcbData)
        return ERROR_SUCCESS;
    const DWORD cbGiven = *lpcbData;
    *lpcbData = cbNeeded;
    if (!lpData)
        return ERROR_SUCCESS;
    if (cbGiven < cbNeeded)
        return ERROR_MORE_DATA;
    std::memcpy(lpData, pValue->c_str(), cbNeeded);
    return ERROR_SUCCESS;
}

LONG RegSetValueEx(HKEY hKey, LPCTSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                   DWORD cbData)
{
    std::string strPath;
    if (!PathOf(hKey, strPath))
        return ERROR_INVALID_HANDLE;
    if (!IsTextType(dwType) || (!lpData && cbData > 0))
        return ERROR_INVALID_PARAMETER;
    const char* pText = reinterpret_cast<const char*>(lpData);
    const std::string strValue = pText ? std::string(pText, strnlen(pText, cbData)) : "";
    const std::string strFile = plat::RegistryFilePath();
    // Picks up what other runs wrote since the key was opened, so their values survive; a
    // file that cannot be read is left alone.
    const bool bWritable = LoadFile(strFile);
    Store().SetValue(strPath, ValueName(lpValueName), strValue);
    return bWritable && SaveFile(strFile) ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

LONG RegCloseKey(HKEY hKey)
{
    if (hKey == HKEY_CURRENT_USER)
        return ERROR_SUCCESS;
    if (!OpenHandles().erase(hKey))
        return ERROR_INVALID_HANDLE;
    delete hKey;
    return ERROR_SUCCESS;
}
