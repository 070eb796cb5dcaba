#include "platform/base/assert.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void PrintAndAbort(const char* szFileStem, const char* szExpression)
{
    std::fprintf(stderr, "Assertion failed: %s, file %s\n", szExpression, szFileStem);
    std::abort();
}

plat::AssertHandler s_handler = PrintAndAbort;

std::string FileStem(const char* szFile)
{
    std::string path(szFile ? szFile : "");
    const size_t slash = path.find_last_of("/\\");
    if (slash != std::string::npos)
        path.erase(0, slash + 1);
    const size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        path.erase(dot);
    return path;
}

} // namespace

namespace plat {

AssertHandler SetAssertHandler(AssertHandler handler)
{
    AssertHandler previous = s_handler;
    s_handler = handler ? handler : PrintAndAbort;
    return previous;
}

void AssertFailed(const char* szFile, const char* szExpression)
{
    s_handler(FileStem(szFile).c_str(), szExpression);
}

} // namespace plat
