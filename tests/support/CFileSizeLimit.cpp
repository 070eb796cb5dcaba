#include "tests/support/CFileSizeLimit.h"

#include <csignal>

CFileSizeLimit::CFileSizeLimit(rlim_t nBytes) : m_pOldHandler(std::signal(SIGXFSZ, SIG_IGN))
{
    ::getrlimit(RLIMIT_FSIZE, &m_oldLimit);
    rlimit limit = m_oldLimit;
    limit.rlim_cur = nBytes;
    m_bActive = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

CFileSizeLimit::~CFileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_oldLimit);
    std::signal(SIGXFSZ, m_pOldHandler);
}
