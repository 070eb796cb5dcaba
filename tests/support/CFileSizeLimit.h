#pragma once
// CFileSizeLimit: while it lives, no file may grow past its first nBytes bytes, so writing a
// file fails even for root (whom permission bits do not stop). The signal such a write
// raises is ignored, so that the write reports the failure (EFBIG, "File too large") instead
// of ending the program.

#include <sys/resource.h>

class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t nBytes);
    ~CFileSizeLimit();
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

    // False when the limit could not be set (the test cannot make a write fail then).
    bool IsActive() const { return m_bActive; }

private:
    rlimit m_oldLimit{};
    void (*m_pOldHandler)(int);
    bool m_bActive = false;
};
