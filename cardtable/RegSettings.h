#pragma once
// CRegSettings: the settings store. It opens the suite's registry key below the current user
// ("Software", the maker's key, the suite's key) for as long as it lives and reads and writes
// named text values there: integers as "%d", switches as "1"/"0", rectangles as
// "%d,%d,%d,%d" (left, top, right, bottom) and strings. Build one on the stack, use it and let
// it go. A missing or empty value reads back as the caller's default; registry failures are
// silent (defaults on reading, nothing on writing).

#include <memory>

#include "platform/base/CString.h"
#include "platform/base/geometry.h"
#include "platform/base/types.h"

class CRegSettings {
public:
    // Opens szRoot below HKEY_CURRENT_USER, then creates or opens szMaker below it and szSuite
    // below that. Keys that cannot be opened leave the store reading defaults.
    CRegSettings(LPCTSTR szRoot, LPCTSTR szMaker, LPCTSTR szSuite);
    // Closes the suite key, the maker key and the root key, in that order.
    ~CRegSettings();
    CRegSettings(const CRegSettings&) = delete;
    CRegSettings& operator=(const CRegSettings&) = delete;

    void WriteInt(LPCTSTR szName, int nValue);
    // The number the text begins with (blanks before it allowed), else nDefault.
    int ReadInt(LPCTSTR szName, int nDefault);
    void WriteBool(LPCTSTR szName, bool bValue);
    // True only for "1", false only for "0"; any other text gives bDefault.
    bool ReadBool(LPCTSTR szName, bool bDefault);
    void WriteRect(LPCTSTR szName, const CRect& rect);
    // The four numbers of a non-empty value; fields the text does not hold keep rectDefault's.
    CRect ReadRect(LPCTSTR szName, const CRect& rectDefault);
    void WriteString(LPCTSTR szName, LPCTSTR szValue);
    // The stored text when it is not empty, else strDefault.
    CString ReadString(LPCTSTR szName, const CString& strDefault);
    // Writes the empty text, so later reads give their defaults.
    void ClearValue(LPCTSTR szName);

private:
    // The value's text, empty when it is missing, too long for nBufferSize bytes (terminating
    // zero included) or the suite key is not open.
    CString ReadValue(LPCTSTR szName, int nBufferSize);
    void WriteValue(LPCTSTR szName, const CString& strText);

    // Each open key handle lives in its own heap object, owned here; a null handle is a key
    // that could not be opened.
    std::unique_ptr<HKEY> m_phkRoot;
    std::unique_ptr<HKEY> m_phkMaker;
    std::unique_ptr<HKEY> m_phkSuite;
};
