#include "bridge/table/DecimalText.h"

#include <climits>
#include <cstdlib>

int DecimalValue(LPCTSTR szText)
{
    if (szText == nullptr)
        return 0;
    // strtoll itself stops at its own limits, which lie beyond the int's.
    const long long nValue = std::strtoll(szText, nullptr, 10);
    if (nValue > INT_MAX)
        return INT_MAX;
    if (nValue < INT_MIN)
        return INT_MIN;
    return static_cast<int>(nValue);
}
