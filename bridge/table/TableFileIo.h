#pragma once
// The files of the bridge tables' file commands, read and written whole, with the message
// box that names the file and what went wrong. Saving goes through the platform's whole-file
// writer: it writes regular files only, keeps a file's other names, owner and permissions as a
// plain write does, and wherever it can replaces the file in one step, so that a save that
// fails leaves the old file exactly as it was.

#include <cstddef>
#include <string>

#include "platform/base/CString.h"

class CWnd;

// The largest file the commands read: far more than any hand file, XML hand or deal file
// holds, so that a huge file chosen by mistake is refused rather than read into memory.
constexpr size_t MAX_TABLE_FILE_BYTES = 1 << 20;

// Whether a save that fails says so in a message box.
enum class SaveReport { Shown, Quiet };

// Reads the whole file strFile into strContents. False, after a message box owned by pOwner
// (may be null) such as "deal.brg could not be opened: No such file or directory", or
// "pipe.brg is not a regular file", when it cannot be opened or read.
bool ReadTableFile(CWnd* pOwner, const CString& strFile, std::string& strContents);
// Replaces the contents of strFile with strContents, or creates it. False when that fails,
// after a message box such as "deal.brg could not be written: File too large" or "pipe.brg is
// not a regular file" unless report is Quiet.
bool SaveTableFile(CWnd* pOwner, const CString& strFile, const std::string& strContents,
                   SaveReport report = SaveReport::Shown);
// The message box for a file whose contents were refused, szKind saying what it should have
// been: "deal.brg is not a hand file: line 4: ...".
void ReportRefusedFile(CWnd* pOwner, const CString& strFile, const char* szKind,
                       const CString& strProblem);
