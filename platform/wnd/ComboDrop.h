#pragma once
// The dropped list of a combo box: a pop-up list window under the combo box that holds the
// mouse until an item is picked or the user clicks elsewhere.

#include "platform/base/types.h"

namespace plat {

void OpenComboDrop(HWND hCombo);
// Closes the list; nChosen >= 0 selects that item and tells the combo box's parent.
void CloseComboDrop(HWND hCombo, int nChosen);
bool IsComboDropped(HWND hCombo);

} // namespace plat
