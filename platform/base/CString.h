#pragma once
// The text class of the game code: a growable string of UTF-8 bytes with the framework's
// operations. Usable before any start-up, so global tables of strings are safe.

#include <string>

#include "platform/base/types.h"

class CString {
public:
    CString() = default;
    CString(const char* text) : m_str(text ? text : "") {}
    CString(const char* text, int nLength) : m_str(text, nLength > 0 ? nLength : 0) {}
    CString(char ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}
    CString(const std::string& text) : m_str(text) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    // The character at nIndex; nIndex must lie within the string.
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch);

    operator LPCTSTR() const { return m_str.c_str(); }
    const std::string& str() const { return m_str; }

    CString& operator=(const char* text) { m_str = text ? text : ""; return *this; }
    CString& operator=(char ch) { m_str.assign(1, ch); return *this; }
    CString& operator+=(const CString& other) { m_str += other.m_str; return *this; }
    CString& operator+=(const char* text) { if (text) m_str += text; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }

    // Replaces the contents with printf-style formatted text.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Appends printf-style formatted text.
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Loads string nID from the resource string table; false (and empty) when there is none.
    BOOL LoadString(UINT nID);

    // Substrings; counts and starts outside the string are clamped to it.
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    // The index of the first occurrence at or after nStart, or -1.
    int Find(char ch, int nStart = 0) const;
    int Find(const char* text, int nStart = 0) const;
    // Byte-wise comparison: negative, zero or positive.
    int Compare(const char* text) const;
    int CompareNoCase(const char* text) const;
    void MakeUpper();
    void MakeLower();

    // A writable buffer of at least nMinLength bytes plus the terminator; call ReleaseBuffer
    // afterwards, which trims the string at its first zero byte (or to nNewLength).
    char* GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    std::string m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
bool operator!=(const char* a, const CString& b);
bool operator<(const CString& a, const CString& b);
