#pragma once
// Reading the numbers people type and files hold, the way atoi reads them but without its
// undefined overflow: text that is too long for an int stops at the int's limit.

#include "platform/base/types.h"

// The decimal number at the start of szText (leading white space and a sign allowed), 0 when
// the text holds none; values beyond the int range give INT_MAX or INT_MIN.
int DecimalValue(LPCTSTR szText);
