#include "cardtable/RegSettings.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <vector>

#include "platform/reg/registry.h"

namespace {

// Read buffers, terminating zero included: a longer value counts as empty.
const int VALUE_BUFFER_SIZE = 1024;
const int SWITCH_BUFFER_SIZE = 10;
const int RECT_FIELDS = 4;
const char RECT_SEPARATOR = ',';

// Reads a number the way "%d" does: blanks first, an optional sign, then digits; szText is
// left just past the digits. A number beyond the int range stops at the range's end rather
// than wrapping.
bool ScanInt(const char*& szText, int& nValue)
{
    const char* p = szText;
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    const bool bNegative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return false;
    const long long nLimit = bNegative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long nMagnitude = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p)
        if (nMagnitude < nLimit)
            nMagnitude = std::min(nLimit, nMagnitude * 10 + (*p - '0'));
    nValue = static_cast<int>(bNegative ? -nMagnitude : nMagnitude);
    szText = p;
    return true;
}

std::unique_ptr<HKEY> NewKeyHolder()
{
    return std::unique_ptr<HKEY>(new HKEY(nullptr));
}

void CloseKey(const std::unique_ptr<HKEY>& phKey)
{
    if (*phKey)
        RegCloseKey(*phKey);
    *phKey = nullptr;
}

} // namespace

CRegSettings::CRegSettings(LPCTSTR szRoot, LPCTSTR szMaker, LPCTSTR szSuite)
    : m_phkRoot(NewKeyHolder()), m_phkMaker(NewKeyHolder()), m_phkSuite(NewKeyHolder())
{
    if (RegOpenKeyEx(HKEY_CURRENT_USER, szRoot, 0, KEY_ALL_ACCESS, m_phkRoot.get()) !=
        ERROR_SUCCESS) {
        *m_phkRoot = nullptr;
        return;
    }
    DWORD dwDisposition = 0;
    if (RegCreateKeyEx(*m_phkRoot, szMaker, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                       nullptr, m_phkMaker.get(), &dwDisposition) != ERROR_SUCCESS) {
        *m_phkMaker = nullptr;
        return;
    }
    if (RegCreateKeyEx(*m_phkMaker, szSuite, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                       nullptr, m_phkSuite.get(), &dwDisposition) != ERROR_SUCCESS)
        *m_phkSuite = nullptr;
}

CRegSettings::~CRegSettings()
{
    CloseKey(m_phkSuite);
    CloseKey(m_phkMaker);
    CloseKey(m_phkRoot);
}

void CRegSettings::WriteInt(LPCTSTR szName, int nValue)
{
    CString strText;
    strText.Format("%d", nValue);
    WriteValue(szName, strText);
}

int CRegSettings::ReadInt(LPCTSTR szName, int nDefault)
{
    const CString strText = ReadValue(szName, VALUE_BUFFER_SIZE);
    const char* szText = strText;
    int nValue = 0;
    return ScanInt(szText, nValue) ? nValue : nDefault;
}

void CRegSettings::WriteBool(LPCTSTR szName, bool bValue)
{
    WriteValue(szName, bValue ? "1" : "0");
}

bool CRegSettings::ReadBool(LPCTSTR szName, bool bDefault)
{
    const CString strText = ReadValue(szName, SWITCH_BUFFER_SIZE);
    if (strText == "1")
        return true;
    if (strText == "0")
        return false;
    return bDefault;
}

void CRegSettings::WriteRect(LPCTSTR szName, const CRect& rect)
{
    CString strText;
    strText.Format("%d,%d,%d,%d", static_cast<int>(rect.left), static_cast<int>(rect.top),
                   static_cast<int>(rect.right), static_cast<int>(rect.bottom));
    WriteValue(szName, strText);
}

CRect CRegSettings::ReadRect(LPCTSTR szName, const CRect& rectDefault)
{
    const CString strText = ReadValue(szName, VALUE_BUFFER_SIZE);
    CRect rect = rectDefault;
    if (strText.IsEmpty())
        return rect;
    LONG* const fields[RECT_FIELDS] = {&rect.left, &rect.top, &rect.right, &rect.bottom};
    const char* szText = strText;
    for (int i = 0; i < RECT_FIELDS; ++i) {
        if (i > 0 && *szText++ != RECT_SEPARATOR)
            break;
        int nField = 0;
        if (!ScanInt(szText, nField))
            break;
        *fields[i] = nField;
    }
    return rect;
}

void CRegSettings::WriteString(LPCTSTR szName, LPCTSTR szValue)
{
    WriteValue(szName, szValue);
}

CString CRegSettings::ReadString(LPCTSTR szName, const CString& strDefault)
{
    const CString strText = ReadValue(szName, VALUE_BUFFER_SIZE);
    return strText.IsEmpty() ? strDefault : strText;
}

void CRegSettings::ClearValue(LPCTSTR szName)
{
    WriteValue(szName, "");
}

CString CRegSettings::ReadValue(LPCTSTR szName, int nBufferSize)
{
    if (!*m_phkSuite)
        return CString();
    std::vector<char> buffer(nBufferSize);
    buffer[0] = '\0';
    DWORD dwType = 0;
    DWORD cbData = static_cast<DWORD>(nBufferSize);
    if (RegQueryValueEx(*m_phkSuite, szName, nullptr, &dwType,
                        reinterpret_cast<BYTE*>(buffer.data()), &cbData) != ERROR_SUCCESS)
        return CString();
    // Whatever was stored, the text ends inside the buffer.
    buffer[nBufferSize - 1] = '\0';
    return CString(buffer.data());
}

void CRegSettings::WriteValue(LPCTSTR szName, const CString& strText)
{
    if (!*m_phkSuite)
        return;
    RegSetValueEx(*m_phkSuite, szName, 0, REG_SZ, reinterpret_cast<const BYTE*>(
                                                      static_cast<LPCTSTR>(strText)),
                  static_cast<DWORD>(strText.GetLength() + 1));
}
