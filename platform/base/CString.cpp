#include "platform/base/CString.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/base/assert.h"

namespace {

std::string FormatV(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int needed = vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (needed < 0)
        return std::string();
    if (needed < static_cast<int>(sizeof small))
        return std::string(small, needed);
    std::string result(needed, '\0');
    vsnprintf(&result[0], needed + 1, format, args);
    return result;
}

} // namespace

char CString::GetAt(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    if (nIndex < 0 || nIndex >= GetLength())
        return '\0';
    return m_str[nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    if (nIndex >= 0 && nIndex < GetLength())
        m_str[nIndex] = ch;
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    m_str = FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    m_str += FormatV(format, args);
    va_end(args);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = std::clamp(nFirst, 0, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - nFirst);
    return CString(m_str.substr(nFirst, nCount));
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return Mid(GetLength() - nCount, nCount);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    const size_t at = m_str.find(ch, nStart);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char* text, int nStart) const
{
    if (nStart < 0 || nStart > GetLength() || !text)
        return -1;
    const size_t at = m_str.find(text, nStart);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Compare(const char* text) const
{
    return std::strcmp(m_str.c_str(), text ? text : "");
}

int CString::CompareNoCase(const char* text) const
{
    return strcasecmp(m_str.c_str(), text ? text : "");
}

void CString::MakeUpper()
{
    for (char& ch : m_str)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
}

void CString::MakeLower()
{
    for (char& ch : m_str)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
}

char* CString::GetBuffer(int nMinLength)
{
    if (nMinLength > GetLength())
        m_str.resize(nMinLength);
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(std::strlen(m_str.c_str()));
    m_str.resize(std::min<size_t>(nNewLength, m_str.size()));
}

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }
bool operator!=(const char* a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }
