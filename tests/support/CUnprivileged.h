#pragma once
// CUnprivileged: while it lives, a process running as root acts as the user "nobody", so that
// permission bits stop it as they stop a person; for any other user it changes nothing. Only
// the effective ids change; root's come back when it goes out of scope.

#include <gtest/gtest.h>
#include <sys/types.h>
#include <unistd.h>

class CUnprivileged {
public:
    static constexpr uid_t NOBODY_UID = 65534;
    static constexpr gid_t NOBODY_GID = 65534;

    CUnprivileged() : m_bActive(IsRoot())
    {
        // The group first: once the user is nobody, it may no longer change the group.
        EXPECT_TRUE(!m_bActive || (::setegid(NOBODY_GID) == 0 && ::seteuid(NOBODY_UID) == 0));
    }
    ~CUnprivileged() { EXPECT_TRUE(!m_bActive || (::seteuid(0) == 0 && ::setegid(0) == 0)); }
    CUnprivileged(const CUnprivileged&) = delete;
    CUnprivileged& operator=(const CUnprivileged&) = delete;

    // Whether the process runs as root, which permission bits do not stop.
    static bool IsRoot() { return ::geteuid() == 0; }

private:
    bool m_bActive;
};
