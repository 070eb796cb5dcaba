#include "platform/reg/CRegistryStore.h"

#include <cctype>
#include <cerrno>
#include <sstream>

#include <sys/stat.h>

#include "platform/file/WholeFile.h"

namespace {

const char KEY_SEPARATOR = '\\';
const char* const ROOT_KEY_NAME = "HKEY_CURRENT_USER";
// Folders the store creates hold one user's settings: nobody else reads them.
const mode_t FOLDER_MODE = 0700;

// The escapes inside quotes: backslash, quote, and the line ends that would split a line.
struct Escape {
    char chPlain;
    char chEscaped;
};
const Escape ESCAPES[] = {{'\\', '\\'}, {'"', '"'}, {'\n', 'n'}, {'\r', 'r'}};

std::string Quote(const std::string& strText)
{
    std::string result = "\"";
    for (char ch : strText) {
        bool bEscaped = false;
        for (const Escape& escape : ESCAPES) {
            if (ch == escape.chPlain) {
                result += '\\';
                result += escape.chEscaped;
                bEscaped = true;
                break;
            }
        }
        if (!bEscaped)
            result += ch;
    }
    return result + "\"";
}

// Reads a quoted text starting at strLine[nPos]; on success nPos is just past the closing
// quote. False for a missing quote or an unknown escape.
bool Unquote(const std::string& strLine, size_t& nPos, std::string& strText)
{
    if (nPos >= strLine.size() || strLine[nPos] != '"')
        return false;
    strText.clear();
    for (size_t i = nPos + 1; i < strLine.size(); ++i) {
        const char ch = strLine[i];
        if (ch == '"') {
            nPos = i + 1;
            return true;
        }
        if (ch != '\\') {
            strText += ch;
            continue;
        }
        if (++i == strLine.size())
            return false;
        bool bKnown = false;
        for (const Escape& escape : ESCAPES) {
            if (strLine[i] == escape.chEscaped) {
                strText += escape.chPlain;
                bKnown = true;
                break;
            }
        }
        if (!bKnown)
            return false;
    }
    return false;
}

// Blanks, a carriage return before the line end, and the zero bytes a crash may leave.
bool IsTrailingJunk(char ch)
{
    return ch == '\0' || std::isspace(static_cast<unsigned char>(ch));
}

std::string Lowered(std::string strText)
{
    for (char& ch : strText)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return strText;
}

// True when strLine[nPos] is a quote that opens or closes a quoted text: one that is not
// escaped, so after an even number of backslashes.
bool IsBoundingQuote(const std::string& strLine, size_t nPos)
{
    if (strLine[nPos] != '"')
        return false;
    size_t nBackslashes = 0;
    while (nBackslashes < nPos && strLine[nPos - nBackslashes - 1] == '\\')
        ++nBackslashes;
    return nBackslashes % 2 == 0;
}

// The bounding quote nearest before strLine[nBefore], or npos.
size_t BoundingQuoteBefore(const std::string& strLine, size_t nBefore)
{
    for (size_t i = nBefore; i-- > 0;)
        if (IsBoundingQuote(strLine, i))
            return i;
    return std::string::npos;
}

// Reads the value line "name"="value" that ends strLine. It is found from the line's end, so
// that whatever junk a crash left before it on the same line is stepped over; nStart
// receives where the value line proper begins.
bool ParseValueLine(const std::string& strLine, size_t& nStart, std::string& strName,
                    std::string& strValue)
{
    const size_t nEnd = strLine.size();
    if (nEnd == 0 || !IsBoundingQuote(strLine, nEnd - 1))
        return false;
    const size_t nValue = BoundingQuoteBefore(strLine, nEnd - 1);
    if (nValue == std::string::npos || nValue < 2 || strLine[nValue - 1] != '=' ||
        !IsBoundingQuote(strLine, nValue - 2))
        return false;
    nStart = BoundingQuoteBefore(strLine, nValue - 2);
    if (nStart == std::string::npos)
        return false;
    size_t nPos = nStart;
    return Unquote(strLine, nPos, strName) && nPos == nValue - 1 &&
           Unquote(strLine, ++nPos, strValue) && nPos == nEnd;
}

// Where the key header of strLine opens: at the line's start, or where the root key's name
// opens after junk; npos for a line that holds none.
size_t FindHeader(const std::string& strLine)
{
    if (strLine.front() == '[')
        return 0;
    return Lowered(strLine).rfind(Lowered(std::string("[") + ROOT_KEY_NAME));
}

// A key path names the root first and has no empty name anywhere.
bool IsValidKeyPath(const std::string& strPath)
{
    std::string strRoot = strPath.substr(0, strPath.find(KEY_SEPARATOR));
    if (!RegNamesEqual(strRoot, ROOT_KEY_NAME))
        return false;
    return strPath.find("\\\\") == std::string::npos && strPath.back() != KEY_SEPARATOR;
}

// Creates strFolder and every missing folder above it.
bool MakeFolders(const std::string& strFolder)
{
    for (size_t nSlash = strFolder.find('/', 1);; nSlash = strFolder.find('/', nSlash + 1)) {
        const std::string strPart = strFolder.substr(0, nSlash);
        if (::mkdir(strPart.c_str(), FOLDER_MODE) != 0 && errno != EEXIST)
            return false;
        if (nSlash == std::string::npos)
            return true;
    }
}

} // namespace

bool RegNamesEqual(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

CRegistryStore::FileState CRegistryStore::Load(const std::string& strPath, std::string& strReason)
{
    std::string strText;
    const plat::FileResult result = plat::ReadWholeFile(strPath, MAX_FILE_BYTES, strText);
    strReason = result.ErrorText();
    if (result.Succeeded())
        return Parse(strText) ? FileState::Whole : FileState::Damaged;
    m_keys.clear();
    if (result.step == plat::FileResult::Step::Open &&
        (result.nError == ENOENT || result.nError == ENOTDIR))
        return FileState::Whole;
    if (result.step == plat::FileResult::Step::Read && result.nError == EFBIG)
        return FileState::TooLarge;
    return FileState::Unreadable;
}

bool CRegistryStore::Save(const std::string& strPath) const
{
    const size_t nSlash = strPath.rfind('/');
    const std::string strFolder = nSlash == std::string::npos ? "." : strPath.substr(0, nSlash);
    return MakeFolders(strFolder) &&
           plat::WriteFileAtomically(strPath, Format(), plat::FileAccess::Private).Succeeded();
}

bool CRegistryStore::Parse(const std::string& strText)
{
    m_keys.clear();
    bool bWhole = true;
    bool bInKey = false;
    std::string strKeyPath;
    std::istringstream lines(strText);
    std::string strLine;
    while (std::getline(lines, strLine)) {
        while (!strLine.empty() && IsTrailingJunk(strLine.back()))
            strLine.pop_back();
        if (strLine.empty())
            continue;
        std::string strName;
        std::string strValue;
        size_t nStart = 0;
        if (ParseValueLine(strLine, nStart, strName, strValue)) {
            if (bInKey)
                SetValue(strKeyPath, strName, strValue);
            bWhole = bWhole && bInKey && nStart == 0;
            continue;
        }
        nStart = FindHeader(strLine);
        if (nStart == std::string::npos || strLine.back() != ']' || strLine.size() < nStart + 3) {
            bWhole = false;
            continue;
        }
        // A section the reader cannot use swallows its values rather than lending them to
        // the key before it.
        strKeyPath = strLine.substr(nStart + 1, strLine.size() - nStart - 2);
        bInKey = IsValidKeyPath(strKeyPath);
        if (bInKey)
            FindOrAddKey(strKeyPath);
        bWhole = bWhole && bInKey && nStart == 0;
    }
    return bWhole;
}

std::string CRegistryStore::Format() const
{
    std::string strText;
    for (const Key& key : m_keys) {
        if (!strText.empty())
            strText += '\n';
        strText += "[" + key.strPath + "]\n";
        for (const auto& value : key.values)
            strText += Quote(value.first) + "=" + Quote(value.second) + "\n";
    }
    return strText;
}

bool CRegistryStore::KeyExists(const std::string& strKeyPath) const
{
    if (FindKey(strKeyPath))
        return true;
    const std::string strPrefix = strKeyPath + KEY_SEPARATOR;
    for (const Key& key : m_keys)
        if (key.strPath.size() > strPrefix.size() &&
            RegNamesEqual(key.strPath.substr(0, strPrefix.size()), strPrefix))
            return true;
    return false;
}

bool CRegistryStore::CreateKey(const std::string& strKeyPath)
{
    if (KeyExists(strKeyPath))
        return false;
    FindOrAddKey(strKeyPath);
    return true;
}

const std::string* CRegistryStore::FindValue(const std::string& strKeyPath,
                                             const std::string& strName) const
{
    const Key* pKey = FindKey(strKeyPath);
    if (!pKey)
        return nullptr;
    for (const auto& value : pKey->values)
        if (RegNamesEqual(value.first, strName))
            return &value.second;
    return nullptr;
}

void CRegistryStore::SetValue(const std::string& strKeyPath, const std::string& strName,
                              const std::string& strValue)
{
    Key& key = FindOrAddKey(strKeyPath);
    for (auto& value : key.values) {
        if (RegNamesEqual(value.first, strName)) {
            value.second = strValue;
            return;
        }
    }
    key.values.emplace_back(strName, strValue);
}

CRegistryStore::Key* CRegistryStore::FindKey(const std::string& strKeyPath)
{
    for (Key& key : m_keys)
        if (RegNamesEqual(key.strPath, strKeyPath))
            return &key;
    return nullptr;
}

const CRegistryStore::Key* CRegistryStore::FindKey(const std::string& strKeyPath) const
{
    for (const Key& key : m_keys)
        if (RegNamesEqual(key.strPath, strKeyPath))
            return &key;
    return nullptr;
}

CRegistryStore::Key& CRegistryStore::FindOrAddKey(const std::string& strKeyPath)
{
    if (Key* pKey = FindKey(strKeyPath))
        return *pKey;
    m_keys.push_back(Key{strKeyPath, {}});
    return m_keys.back();
}
