#include "platform/reg/CRegistryStore.h"

#include <cctype>
#include <cerrno>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

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

bool IsBlank(const std::string& strText, size_t nFrom)
{
    for (size_t i = nFrom; i < strText.size(); ++i)
        if (!std::isspace(static_cast<unsigned char>(strText[i])))
            return false;
    return true;
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

bool CRegistryStore::Load(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    if (!file) {
        if (::access(strPath.c_str(), F_OK) == 0)
            return false;
        m_keys.clear();
        return true;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad())
        return false;
    Parse(text.str());
    return true;
}

bool CRegistryStore::Save(const std::string& strPath) const
{
    const size_t nSlash = strPath.rfind('/');
    const std::string strFolder = nSlash == std::string::npos ? "." : strPath.substr(0, nSlash);
    return MakeFolders(strFolder) &&
           plat::WriteFileAtomically(strPath, Format(), plat::FileAccess::Private).Succeeded();
}

void CRegistryStore::Parse(const std::string& strText)
{
    m_keys.clear();
    bool bInKey = false;
    std::string strKeyPath;
    std::istringstream lines(strText);
    std::string strLine;
    while (std::getline(lines, strLine)) {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        if (strLine.empty())
            continue;
        if (strLine.front() == '[') {
            // A section the reader cannot use swallows its values rather than lending them
            // to the key before it.
            bInKey = false;
            if (strLine.size() > 2 && strLine.back() == ']') {
                strKeyPath = strLine.substr(1, strLine.size() - 2);
                bInKey = IsValidKeyPath(strKeyPath);
                if (bInKey)
                    FindOrAddKey(strKeyPath);
            }
            continue;
        }
        size_t nPos = 0;
        std::string strName;
        std::string strValue;
        if (!bInKey || !Unquote(strLine, nPos, strName))
            continue;
        if (nPos >= strLine.size() || strLine[nPos] != '=')
            continue;
        ++nPos;
        if (!Unquote(strLine, nPos, strValue) || !IsBlank(strLine, nPos))
            continue;
        SetValue(strKeyPath, strName, strValue);
    }
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
