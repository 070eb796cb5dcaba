#pragma once
// The registry calls of the game code over a text file of the current user's settings.
//
// Keys live under HKEY_CURRENT_USER; "HKEY_CURRENT_USER\Software" always exists. Values are
// text (REG_SZ; REG_EXPAND_SZ and REG_MULTI_SZ are accepted and kept as their text up to the
// first zero byte, and read back as REG_SZ). Key and value names match case-insensitively
// and keep the spelling they were created with.
//
// The file is $XDG_CONFIG_HOME/orvelbridge/registry (~/.config when the variable is unset):
//
//     [HKEY_CURRENT_USER\Software\Orvel\velm]
//     "CardDelay"="10"
//
// with \\, \" and line ends escaped inside the quotes. Opening or creating a key re-reads the
// file, so settings written by another run are seen; every write re-reads it, applies the
// change and replaces the whole file through a temporary file and a rename, so the file is
// never half written. All handles share one store, so two handles open at once see each
// other's writes.
//
// Whatever stands at the settings path, the program starts and harms nothing there. Only a
// regular file (or a link to one) of at most CRegistryStore::MAX_FILE_BYTES is read: a pipe
// is never waited on nor a device read. A damaged file gives every header and value line it
// holds, whatever junk stands before it on its line; lines that make no sense are skipped.
// A file that is no regular file, or cannot be read, gives the defaults and is never
// replaced: writes fail with ERROR_WRITE_FAULT. A file too large or damaged gives what could
// be read (nothing, when too large); before it is first rewritten it is kept beside itself
// under its name followed by ".damaged". Each of these is told once on standard error.

#include <string>

#include "platform/base/types.h"

typedef HKEY* PHKEY;
typedef DWORD REGSAM;
typedef void* LPSECURITY_ATTRIBUTES;

// The one predefined root key; it is never opened or closed.
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000001u)))

#define KEY_ALL_ACCESS 0xF003Fu
#define REG_OPTION_NON_VOLATILE 0x00000000u

// Value types.
#define REG_SZ 1u
#define REG_EXPAND_SZ 2u
#define REG_MULTI_SZ 7u

// RegCreateKeyEx dispositions.
#define REG_CREATED_NEW_KEY 1u
#define REG_OPENED_EXISTING_KEY 2u

// Results.
#define ERROR_SUCCESS 0
#define ERROR_FILE_NOT_FOUND 2
#define ERROR_INVALID_HANDLE 6
#define ERROR_WRITE_FAULT 29
#define ERROR_INVALID_PARAMETER 87
#define ERROR_MORE_DATA 234

// Opens an existing key below hKey (lpSubKey may hold several names joined by "\");
// ERROR_FILE_NOT_FOUND when it does not exist.
LONG RegOpenKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                  PHKEY phkResult);
// Opens a key below hKey, creating it and every missing key on its path first; the
// disposition (may be null) says which happened. The class and security are ignored.
LONG RegCreateKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD Reserved, LPTSTR lpClass, DWORD dwOptions,
                    REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                    PHKEY phkResult, LPDWORD lpdwDisposition);
// Reads a value with its terminating zero into lpData (*lpcbData bytes). A buffer too small
// gives ERROR_MORE_DATA and stays untouched; *lpcbData always receives the size needed.
// A null lpData asks for the size only.
LONG RegQueryValueEx(HKEY hKey, LPCTSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                     LPBYTE lpData, LPDWORD lpcbData);
// Writes a text value of cbData bytes (its terminating zero included or not) and saves the
// file; ERROR_WRITE_FAULT when the file could not be written (the value is then kept only
// until the file is next read).
LONG RegSetValueEx(HKEY hKey, LPCTSTR lpValueName, DWORD Reserved, DWORD dwType,
                   const BYTE* lpData, DWORD cbData);
// Releases a handle from RegOpenKeyEx or RegCreateKeyEx.
LONG RegCloseKey(HKEY hKey);

namespace plat {

// The settings file's path as it stands now (it follows $XDG_CONFIG_HOME).
std::string RegistryFilePath();

} // namespace plat
