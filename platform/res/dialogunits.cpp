#include "platform/res/dialogunits.h"

namespace {

// Horizontal dialog units are quarters, vertical ones eighths of the base units.
constexpr int UNITS_PER_BASE_X = 4;
constexpr int UNITS_PER_BASE_Y = 8;

} // namespace

int DialogUnitsToPixelsX(int nUnits)
{
    return nUnits * DIALOG_BASE_UNIT_X / UNITS_PER_BASE_X;
}

int DialogUnitsToPixelsY(int nUnits)
{
    return nUnits * DIALOG_BASE_UNIT_Y / UNITS_PER_BASE_Y;
}

void AfxMapDialogRect(LPRECT lpRect)
{
    if (!lpRect)
        return;
    lpRect->left = DialogUnitsToPixelsX(lpRect->left);
    lpRect->right = DialogUnitsToPixelsX(lpRect->right);
    lpRect->top = DialogUnitsToPixelsY(lpRect->top);
    lpRect->bottom = DialogUnitsToPixelsY(lpRect->bottom);
}
