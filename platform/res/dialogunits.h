#pragma once
// Dialog units to pixels. The layer uses fixed base units of 6 x 13 pixels for every dialog
// font: x = du * 6 / 4 and y = du * 13 / 8, so a 428 x 276 template is 642 x 448 pixels.

#include "platform/base/geometry.h"

constexpr int DIALOG_BASE_UNIT_X = 6;
constexpr int DIALOG_BASE_UNIT_Y = 13;

int DialogUnitsToPixelsX(int nUnits);
int DialogUnitsToPixelsY(int nUnits);
// Converts a rectangle in dialog units to pixels in place (each edge converted alone).
void AfxMapDialogRect(LPRECT lpRect);
