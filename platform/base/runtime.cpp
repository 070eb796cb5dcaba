#include "platform/base/runtime.h"

#include <unistd.h>

char* _getcwd(char* buffer, int nMaxLength)
{
    if (!buffer || nMaxLength <= 0)
        return nullptr;
    return ::getcwd(buffer, static_cast<size_t>(nMaxLength));
}

int _chdir(const char* szPath)
{
    return szPath && ::chdir(szPath) == 0 ? 0 : -1;
}
