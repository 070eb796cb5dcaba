#pragma once
// The registry's keys and text values held in memory, with the text form they are kept in.
//
// A key is named by its full path ("HKEY_CURRENT_USER\Software\Orvel\velm"); names compare
// case-insensitively and keep the spelling they were first given. Keys and values keep the
// order in which they were first written, so the file changes only where something changed.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class CRegistryStore {
public:
    // What reading the settings file found.
    enum class FileState {
        Whole,     // read and understood line by line, or there is no file yet
        Damaged,   // read; lines that made no sense skipped, every value line that did kept
        TooLarge,  // a regular file larger than MAX_FILE_BYTES: nothing read, the store empty
        Unreadable // not a regular file, or unreadable: nothing read, the store empty
    };
    // Settings take a few kilobytes; a file far beyond that is not read at all.
    static constexpr size_t MAX_FILE_BYTES = 1024 * 1024;

    // Replaces everything held with the contents of the regular file at strPath (a symbolic
    // link to one is followed); a missing file gives an empty store. Never waits on a pipe or
    // reads a device. strReason receives the system's words for a file that was not read.
    FileState Load(const std::string& strPath, std::string& strReason);
    // Writes everything to strPath through a temporary file in the same folder and a rename,
    // creating the folder first when it is missing. False when the file could not be written.
    bool Save(const std::string& strPath) const;

    // Replaces everything held with what strText describes (the file's contents): every
    // header and value line, whatever junk stands before it on its line; lines that make no
    // sense are skipped. False when any was skipped or had junk before it.
    bool Parse(const std::string& strText);
    // The file's contents for everything held.
    std::string Format() const;

    // True when the key was created or holds a key that was.
    bool KeyExists(const std::string& strKeyPath) const;
    // Creates the key unless it exists; true when it was created.
    bool CreateKey(const std::string& strKeyPath);
    // The value's text, or nullptr when the key has no such value.
    const std::string* FindValue(const std::string& strKeyPath, const std::string& strName) const;
    // Sets a value, creating the key when needed.
    void SetValue(const std::string& strKeyPath, const std::string& strName,
                  const std::string& strValue);

private:
    struct Key {
        std::string strPath;
        std::vector<std::pair<std::string, std::string>> values;
    };

    Key* FindKey(const std::string& strKeyPath);
    const Key* FindKey(const std::string& strKeyPath) const;
    Key& FindOrAddKey(const std::string& strKeyPath);

    std::vector<Key> m_keys;
};

// True when the two names are equal ignoring the case of ASCII letters.
bool RegNamesEqual(const std::string& a, const std::string& b);
